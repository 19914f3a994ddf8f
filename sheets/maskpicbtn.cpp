// Picture and import buttons of the mask pages, and the program hints page.
#include "sheets/maskpicbtn.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "base/ttool.h"
#include "hostenv/kovbeamcut.h"
#include "hostenv/kovscreentools.h"
#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "sheets/maskdraw.h"
#include "sheets/maskelem.h"
#include "sheets/maskplacepriv.h"
#include "sheets/maskstate.h"
#include "sheets/viewarea.h"

namespace {

using maskplace::place;
using maskplace::set_last_element;

// The hand shown over every picture button and click area.
const int kHandCursor = 18;

// Handed to the view area as the activity of the import buttons and their
// labels: the area reads them whenever it draws.
int g_component_import_active = 0;
int g_file_import_active = 0;

// The hints button: a click stores 1 here; the next drawing acts on it.
int g_hints_result = 0;
int g_hints_on = 1;
int g_hints_off = 0;

bool has_area() { return g_mask_state.output_area >= 0; }

// 12 x 12 picture over an unlabelled radio button or check box.
void add_state_picture(int area, double x, double y, const char* picture, int* active)
{
    const int left = int(x), top = int(y - 10), right = int(x + 12), bottom = int(y + 2);
    if (picture) View_Area_Add_Bitmap(unsigned(area), picture, left, top, right, bottom, WHITE_CI);
    set_last_element(left, top, right, bottom, active ? *active : 1);
}

long nearest(double v) { return std::lround(v); }

// x of a text centred in a page width pixels wide, in font 0x1000.
int centred(const char* text, int width) { return int(nearest((width - Mask_Text_Width(text, 0x1000)) / 2.0)); }

} // namespace

int Mask_Add_Picture_Button(int area, double x, double y, double w, double h, int valign, int halign,
                            const char* picture, const char* inactive_picture, int key_colour, intptr_t key,
                            intptr_t* result, int active)
{
    int left = 0, top = 0;
    place(x, y, w, h, valign, halign, &left, &top);
    const int right = int(left + w), bottom = int(top + h);
    set_last_element(left, top, right, bottom, active);
    const unsigned a = unsigned(area);
    if (!active) {
        if (inactive_picture) View_Area_Add_Bitmap(a, inactive_picture, left, top, right, bottom, key_colour);
        return 0;
    }
    if (picture) View_Area_Add_Bitmap(a, picture, left, top, right, bottom, key_colour);
    View_Area_Add_Click_Area(a, left, top, right, bottom, key, result);
    View_Area_Set_Click_Area_Cursor(a, kHandCursor);
    return 1;
}

void Mask_Add_Picture_Radio(int area, double x, double y, int key, int* selection, const char* selected,
                            const char* unselected, const char* selected_inactive, const char* unselected_inactive,
                            int* active)
{
    View_Area_Add_Radio_Button(unsigned(area), int(x + 20), int(y), "", 0, WHITE_CI, key, selection, active);
    const bool on = selection && *selection == key;
    const bool live = !active || *active;
    const char* picture = live ? (on ? selected : unselected) : (on ? selected_inactive : unselected_inactive);
    add_state_picture(area, x, y, picture, active);
}

void Mask_Add_Picture_Check_Box(int area, double x, double y, int* value, const char* on, const char* off,
                                const char* on_inactive, const char* off_inactive, int* active)
{
    View_Area_Add_Check_Box(unsigned(area), int(x + 20), int(y), "", 0, WHITE_CI, value, active);
    const bool set = value && *value;
    const bool live = !active || *active;
    const char* picture = live ? (set ? on : off) : (set ? on_inactive : off_inactive);
    add_state_picture(area, x, y, picture, active);
}

int Mask_Add_Delete_All_Button(int x, int y, const char* comment, int key, int* result, int* active)
{
    const int area = g_mask_state.output_area;
    View_Area_Add_Bitmap_Button(unsigned(area), x, y, 51, 36, "ZovGrImportButton.bmp", 36,
                                Nearest_RGB_Color(198, 222, 228), kHandCursor, comment, key, result, active);
    if (!has_area()) return area;
    return Mask_Add_Label(x + 51, y + 12, cp850(".... alle Lastkollektive löschen"), active);
}

int Mask_Add_Component_Import_Button(int x, int y, const char* label, int key, int* result, int* active)
{
    g_component_import_active = BeamCut_Tool_Available() && active ? *active : 0;
    int* on = &g_component_import_active;
    const char* text = label ? label : cp850("Lagergrößen importieren aus ");
    int x1 = x;
    if (has_area()) x1 += Mask_Add_Label(x, y, text, on);
    const unsigned area = unsigned(g_mask_state.output_area);
    if (*on)
        View_Area_Add_Bitmap(area, "ZovQ8.bmp", x1, y - 12, x1 + 55, y + 2, WHITE_CI);
    else if (has_area())
        Mask_Add_Label(x1, y, "Q8-", on);
    int x2 = x1 + 21;
    if (has_area()) x2 += Mask_Add_Label(x1 + 21, y, "Programmen ...", on);
    View_Area_Add_Bitmap_Button(area, x2 + 3, y - 23, 51, 33, "ZovGrImportButton.bmp", 0, WHITE_CI, kHandCursor,
                                "Werte aus KOV-Bauteil\nimportieren", key, result, on);
    return x2 - x + 54;
}

int Mask_Add_File_Import_Button(int x, int y, const char* label, int key, int* result, int* active)
{
    g_file_import_active = active ? *active : 0;
    int* on = &g_file_import_active;
    const std::string text = std::string(label ? label : "Lastkollektive importieren aus") + " Datei ...";
    int x1 = x;
    if (has_area()) x1 += Mask_Add_Label(x, y, text.c_str(), on);
    View_Area_Add_Bitmap_Button(unsigned(g_mask_state.output_area), x1 + 3, y - 16, 51, 36, "ZovGrImportButton.bmp", 76,
                                WHITE_CI, kHandCursor, "Werte aus ASCII-Datei\nimportieren", key, result, on);
    return x1 - x + 54;
}

int Mask_Add_Explorer_Button(int x, int y, int key, int* result, int* active)
{
    View_Area_Add_Bitmap_Button(unsigned(g_mask_state.output_area), x, y, 38, 38, "deskbuts.bmp", 250,
                                Nearest_RGB_Color(255, 251, 240), kHandCursor, "Aufruf Eplorer um Datei zu finden", key,
                                result, active);
    return 0;
}

namespace {

// The words of text in lines no wider than width pixels in the font (a word
// wider than that stands alone on its line).
std::vector<std::string> words_within(const std::string& text, int width, int font)
{
    std::vector<std::string> lines;
    std::string line;
    Pop_RFont(font);
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && Text_Width_Pixels(longer.c_str()) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    Push_RFont();
    if (!line.empty()) lines.push_back(line);
    return lines;
}

} // namespace

void Mask_Draw_Hints_Page(int view_area, int* switches, int width)
{
    Mask_Set_Output_Area(view_area);
    const int green = Nearest_Color_Index(0, 95, 0);
    int n = 0;
    if (switches) {
        if (g_hints_result == 1)
            for (int k = 0; k < 4; ++k) switches[k] = 1;
        for (int k = 0; k < 4; ++k)
            if (switches[k] == 0) ++n;
    }
    g_hints_result = 0;

    const unsigned font = 0x1000;
    Mask_Set_Font(font);
    Mask_Set_Text_Color(BLACK_CI);
    const std::string first = std::string("Von insgesamt ") + Number_Word(4) + cp850(" möglichen Programmhinweisen ") +
                              (n >= 2 ? "sind" : "ist");
    Mask_Add_Label(centred(first.c_str(), width), 50, first.c_str(), &g_hints_on);
    Mask_Set_Text_Color(green);
    const char* count = Number_Word(unsigned(n));
    Mask_Add_Framed_Label(centred(count, width), 75, count, &g_hints_on);
    Mask_Set_Text_Color(BLACK_CI);
    Mask_Add_Label(centred("deaktiviert.", width), 100, "deaktiviert.", &g_hints_on);

    char text[64];
    std::snprintf(text, sizeof text, "%d %s wieder aktivieren", n, n >= 2 ? "Hinweise" : "Hinweis");
    View_Area_Add_Bitmap_Button(unsigned(view_area), int(nearest((width - 212) / 2.0)), 130, 212, 21,
                                "but_hinweise_reaktivieren.bmp", 0, Nearest_RGB_Color(255, 251, 240), kHandCursor, text,
                                1, &g_hints_result, n >= 1 ? &g_hints_on : &g_hints_off);

    // The explanation in a grey frame with its title set into the top edge.
    // Its text is wrapped within the frame in the small font; the frame grows
    // downwards when that takes more than its four lines.
    const std::string explanation = cp850("Programmhinweise machen den Anwender darauf aufmerksam, dass die aktuellen "
                                          "Einstellungen entweder den Anwendungsvoraussetzungen nicht entsprechen oder "
                                          "zu ungültigen bzw. außergewöhnlichen Ergebnissen führen.");
    const int small = int(Mask_Get_Font() | 2);
    const int d = int(nearest((width - 365) / 2.0));
    const int text_width = 365 - 3 - 5 - 3; // from d + 5 to 3 pixels before the right edge
    const std::vector<std::string> lines = words_within(explanation, text_width, small);
    const int count_lines = int(lines.size());
    const int bottom = std::max(262, 221 + 10 * (count_lines - 1) + 11);
    Mask_Set_Back_Color(Nearest_RGB_Color(240, 240, 240));
    Mask_Set_Text_Color(green);
    Mask_Fill_Rectangle(d - 3, 202, d + 362, bottom);
    Mask_Draw_Line(d - 3, 202, d + 362, 202);
    Mask_Draw_Line(d + 362, 202, d + 362, bottom);
    Mask_Draw_Line(d + 362, bottom, d - 3, bottom);
    Mask_Draw_Line(d - 3, bottom, d - 3, 202);
    Mask_Set_Back_Color(Nearest_RGB_Color(255, 251, 240));
    if (has_area()) {
        const int w = Mask_Text_Width("Programmhinweise", int(font));
        Mask_Fill_Rectangle(d + 2, 210, d + 8 + w, 193);
        Mask_Add_Framed_Label(d + 5, 205, "Programmhinweise", &g_hints_on);
    }
    for (int k = 0; k < count_lines; ++k)
        View_Area_Add_Text(unsigned(view_area), d + 5, 221 + 10 * k, lines[size_t(k)].c_str(), small, green, 0);
}

void Mask_Hints_Reset() { g_hints_result = 0; }
