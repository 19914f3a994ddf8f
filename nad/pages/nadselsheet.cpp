// The selection sheet with the annex list and its flags, and the warning for
// an annex that is not in the list.
#include "nad/pages/nadsheets.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/kovmem.h"
#include "hostenv/kovscreentools.h"
#include "nad/nadlist.h"
#include "nad/nadselect.h"
#include "platform/kovcp.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

namespace {

const char* const kButtons = "NAD\\Buttons.bmp";
const int kFlagCount = 20;  // rows of the flag strip
const int kNameLimit = 180; // pixels a listed name may take in font 0x1000

struct Centre {
    int x = 0, y = 0;
    bool set = false;
    void first_on_screen()
    {
        if (set) return;
        x = NPIXEL_X / 2;
        y = NPIXEL_Y / 2;
        set = true;
    }
};

Centre g_select_centre;
Centre g_warning_centre;

// List drawing state for the whole run.
bool g_colours_made = false;
int g_frame_fill = 0;
int g_builtin_colour = 0;
char g_short_name[52];
intptr_t g_clicked_name = 0; // a list name a click area stored, 0 for none

void replace_active_name(const char* name)
{
    char* copy = Mem_Strdup(name);
    Mem_Free_Null(reinterpret_cast<void**>(&NadActiveName));
    NadActiveName = copy;
}

void draw_flag_box(int x1, int y1, int x2, int y2, void* data)
{
    Nad_Draw_List_Flag(x1, y1, x2, y2, static_cast<int*>(data));
}

void draw_flag(int index, int x, int y)
{
    const char* data = KOVGetEnv("DATA");
    // A row outside the strip would show a cut of its neighbours, or nothing.
    if (!data || index < 0 || index >= kFlagCount) return;
    const std::string file = std::string(data) + "\\NAD\\EuroFlags.bmp";
    pxDrawPartialTransparentDIB(file.c_str(), 0, 19 * index, 25, 19 * index + 18, x, y, x + 24, y + 18, 201, -1, 255,
                                251, 240);
}

// The name as the list shows it: while wider than the limit, one more
// character is taken off its end and "..." appended.
const char* shortened(const char* name)
{
    const size_t room = sizeof g_short_name - 4; // the longest head kept, and "..."
    size_t len = std::strlen(name);
    if (len > room) len = room;
    std::memcpy(g_short_name, name, len);
    g_short_name[len] = '\0';
    Pop_RFont(0x1000);
    const bool cut = std::strlen(name) > len;
    if (cut) std::memcpy(g_short_name + len, "...", 4);
    for (size_t keep = len; Text_Width_Pixels(g_short_name) > kNameLimit && keep > 0;) {
        --keep;
        std::memcpy(g_short_name + keep, "...", 4);
    }
    Push_RFont();
    return g_short_name;
}

// The editor of the user's annexes, waited for. Without EXEC it is not
// started; the list is read anew either way.
void run_annex_editor()
{
    const char* exec = KOVGetEnv("EXEC");
    if (!exec) return;
    const std::string program = std::string(exec) + "\\NAD-Pflege";
    const char* argv[] = {program.c_str(), NadActiveName ? NadActiveName : "", nullptr};
    KOVSpawnv(0, program.c_str(), argv);
}

void close_areas(int a, int b)
{
    View_Area_Close(unsigned(a));
    View_Area_Close(unsigned(b));
}

} // namespace

void Nad_Draw_List_Flag(int x1, int y1, int x2, int y2, int* flag_index)
{
    (void)x2;
    (void)y2;
    if (flag_index) draw_flag(*flag_index, x1, y1);
}

void Nad_Draw_Active_Flag(int x, int y) { draw_flag(NadActiveFlagIndex, x, y); }

void Nad_Show_Active_Flag(int x, int y) { Nad_Draw_Active_Flag(x, y); }

void Nad_Draw_List(unsigned area)
{
    if (!g_colours_made) {
        g_frame_fill = Nearest_RGB_Color(255, 255, 255);
        g_builtin_colour = Nearest_RGB_Color(0, 100, 150);
        g_colours_made = true;
    }
    if (g_clicked_name) {
        replace_active_name(reinterpret_cast<const char*>(g_clicked_name));
        g_clicked_name = 0;
    }
    View_Area_Clear(area);
    int target = 0;
    for (int i = 0; i < NadList.count; ++i) {
        const char* name = NadList.names[i];
        if (!name) continue;
        const int t = 5 + 25 * i;
        if (NadActiveName && std::strcmp(name, NadActiveName) == 0) {
            View_Area_Add_Filled_Box(area, 2, t - 1, 240, t + 23, g_frame_fill);
            View_Area_Add_Line(area, 2, t - 1, 240, t - 1, BLACK_CI);
            View_Area_Add_Line(area, 2, t + 23, 240, t + 23, BLACK_CI);
            View_Area_Add_Line(area, 2, t - 1, 2, t + 23, BLACK_CI);
            View_Area_Add_Line(area, 240, t - 1, 240, t + 23, BLACK_CI);
            target = t + 25;
        }
        View_Area_Add_Drawn_Box(area, 5, t + 2, 220, t + 27, &NadList.flag_index[i], draw_flag_box);
        const int colour = NadList.user_number[i] == 0 ? g_builtin_colour : BLACK_CI;
        View_Area_Add_Text(area, 37, t + 14, shortened(name), 0x11000, colour, 0);
        View_Area_Add_Click_Area(area, 2, t - 1, 220, t + 23, reinterpret_cast<intptr_t>(name), &g_clicked_name);
    }
    View_Area_Scroll_To(area, 0, target - 35, 100, target + 35);
    View_Area_Show(area);
}

int Nad_Select_Sheet()
{
    g_select_centre.first_on_screen();
    Nad_Build_List();
    // The whole name: a cut one might name no annex at all.
    char* before = Mem_Strdup(NadActiveName ? NadActiveName : "Deutschland");
    g_clicked_name = 0;

    const int key = Nearest_RGB_Color(212, 208, 200);
    const int buffer = pxBuff(-1);
    int x1 = g_select_centre.x - 145, y1 = g_select_centre.y - 145;
    int x2 = g_select_centre.x + 145, y2 = g_select_centre.y + 144;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    g_select_centre.x = x1 + 145;
    g_select_centre.y = y1 + 145;

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, "Nationale Anwendungsdokumente", 16, 1);
    const int cancel = Add_Single_Button_to_PS(x1 + 16, y1 + 261, 1, 3, nullptr, SYMBOLIC_BREAK_RASTER, 0);
    Add_Help_to_PS(x1 + 133, y1 + 261, 1, 0, 0, "NAD_SELECTION_SHEET");
    Add_Single_Button_to_PS(x1 + 250, y1 + 261, 1, 2, nullptr, SYMBOLIC_OK_RASTER, 0);
    Add_Single_Button_to_PS(x1 + 237, y1 + 113, 0, 4, nullptr, SYMBOLIC_MORE_RASTER, 0);

    Add_Escape_Area_to_PS(x1 + 12, y1 + 60, x1 + 260, y2 - 37, 1, 1);
    const int list = View_Area_Open(x1 + 12, y1 + 60, x1 + 275, y2 - 37, 0, 1);

    const int header_escape = Add_Escape_Area_to_PS(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 1, 4);
    Set_Escape_Area_to_MouseMoveEvent(header_escape, 1);
    const int header = View_Area_Open(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 0, 0);
    int edit_clicked = 0, inactive = 0, active = 1;
    if (header >= 0) {
        View_Area_Clear(unsigned(header));
        View_Area_Set_Background(unsigned(header), GetKOVColor(-1));
        View_Area_Set_Frameflag(unsigned(header), 0);
        View_Area_Add_Text(unsigned(header), 3, 13, "Auswahl:", 0x1000, BLACK_CI, 0);
        View_Area_Add_Bitmap_Button(unsigned(header), 206, 6, 42, 8, kButtons, 577, key, 0, nullptr, 0, nullptr,
                                    &inactive);
        View_Area_Add_Bitmap_Button(unsigned(header), 251, 7, 9, 7, kButtons, 587, key, 0,
                                    "Anwendungs-\ndokumente\nbearbeiten", 1, &edit_clicked, &active);
        View_Area_Show(unsigned(header));
    }

    if (list >= 0) Nad_Draw_List(unsigned(list));
    Move_Mouse_Cursor_to_Button_of_PS(cancel, 0, 0);
    Activate_Prop_Sheet();
    pxBuff(buffer);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1) {
            if (list >= 0 && View_Area_Handle_Event(unsigned(list))) Nad_Draw_List(unsigned(list));
        } else if (code == 4) {
            if (header >= 0 && View_Area_Handle_Event(unsigned(header)) && edit_clicked == 1) {
                run_annex_editor();
                // The list is read anew: no name of the old list may be taken over.
                g_clicked_name = 0;
                Nad_Build_List();
                if (list >= 0) Nad_Draw_List(unsigned(list));
                edit_clicked = 0;
            }
        } else if (code == 2 || code == 3) {
            g_select_centre.x += dx;
            g_select_centre.y += dy;
            close_areas(list, header);
            Undefine_Prop_Sheet();
            if (code == 3) replace_active_name(before);
            break;
        }
    }
    Mem_Free_Null(reinterpret_cast<void**>(&before));
    return Nad_Activate();
}

int Nad_Open_Select_Sheet() { return Nad_Select_Sheet(); }

int Nad_Warning_Sheet(const char* requested, const char* active)
{
    if (!requested) requested = "";
    if (!active) active = "";
    if (Kov_Ui_Mode() == KOV_UI_BATCH) {
        return Nad_Warning_Message(requested, active);
    }
    g_warning_centre.first_on_screen();
    int x1 = g_warning_centre.x - 130, y1 = g_warning_centre.y - 112;
    int x2 = g_warning_centre.x + 130, y2 = g_warning_centre.y + 112;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    g_warning_centre.x = x1 + 130;
    g_warning_centre.y = y1 + 112;
    const int buffer = pxBuff(-1);

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, "Warnung", 16, 1);
    const int escape = Add_Escape_Area_to_PS(x1 + 10, y1 + 40, x2 - 10, y2 - 10, 1, 1);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    const int area = View_Area_Open(x1 + 10, y1 + 40, x2 - 10, y2 - 10, 0, 0);
    int clicked = 0, on = 1;
    if (area >= 0) {
        const unsigned a = unsigned(area);
        const int yellow = Nearest_RGB_Color(232, 232, 0);
        const int key = View_Area_Get_Background(a);
        View_Area_Clear(a);
        View_Area_Add_Text(a, 10, 20, cp850(NadWarningHead), 0x41003, BLACK_CI, 0);
        View_Area_Add_Filled_Box(a, 10, 27, 230, 42, yellow);
        View_Area_Add_Text(a, 14, 38, requested, 0x11003, BLACK_CI, 0);
        const int middle_y[] = {56, 79, 95};
        for (int k = 0; k < 3; ++k)
            View_Area_Add_Text(a, 10, middle_y[k], cp850(NadWarningMiddle[k]), 0x41003, BLACK_CI, 0);
        View_Area_Add_Filled_Box(a, 10, 102, 230, 117, yellow);
        View_Area_Add_Text(a, 14, 113, active, 0x11003, BLACK_CI, 0);
        const int tail_y[] = {131, 147, 163};
        for (int k = 0; k < 3; ++k)
            View_Area_Add_Text(a, 10, tail_y[k], cp850(NadWarningTail[k]), 0x41003, BLACK_CI, 0);
        View_Area_Add_Bitmap_Button(a, 173, 124, 40, 41, kButtons, 598, key, 0,
                                    cp850("Anwendungs-\ndokument\nauswählen"), 1, &clicked, &on);
        View_Area_Show(a);
    }
    Set_Windows_OK_Button(2);
    Activate_Prop_Sheet();
    pxBuff(buffer);

    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1) {
            if (area >= 0 && View_Area_Handle_Event(unsigned(area)) && clicked == 1) break;
        } else if (code == 2) {
            break;
        }
    }
    if (area >= 0) View_Area_Close(unsigned(area));
    Undefine_Prop_Sheet();
    return clicked == 1 ? Nad_Select_Sheet() : 0;
}

void Nad_Reset_Sheets()
{
    g_select_centre = Centre();
    g_warning_centre = Centre();
    g_clicked_name = 0;
    nadsheets_detail::Reset_Options_Sheet();
}
