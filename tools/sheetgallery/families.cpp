// The families of the gallery: each opens its sheets with example contents and
// tells the scripted user what to do before each picture.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/kovcp.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/mask.h"
#include "sheets/maskdraw.h"
#include "sheets/maskelem.h"
#include "sheets/maskhover.h"
#include "sheets/maskpicbtn.h"
#include "sheets/maskstate.h"
#include "sheets/popmenu.h"
#include "sheets/rowtable.h"
#include "sheets/scrgraph.h"
#include "sheets/viewarea.h"
#include "tools/sheetgallery/gallery.h"

namespace gallery {
namespace {

int g_on = 1;
int g_off = 0;
int g_read_only = -1;

int magenta() { return Nearest_RGB_Color(255, 0, 255); }

void set_text(char* dst, size_t n, const char* text) { std::snprintf(dst, n, "%s", text); }

void title(MaskRecord* mask, const char* text) { set_text(mask->title, sizeof mask->title, cp850(text)); }

// A mask of this size with one page drawn by draw.
void one_page_mask(MaskRecord* mask, MaskPage* page, const char* text, int width, int height,
                   decltype(MaskPage::draw) draw)
{
    Mask_Init(mask);
    title(mask, text);
    mask->width = width;
    mask->height = height;
    Mask_Init_Pages(1, page);
    page->draw = draw;
}

void label(MaskPage* page, const char* text) { set_text(page->label, sizeof page->label, cp850(text)); }

// A caption in the page, bold.
void caption(int area, int x, int y, const char* text)
{
    View_Area_Add_Text(unsigned(area), x, y, cp850(text), 0x1000 | 0x10000, BLACK_CI, 0);
}

void name(int area, int x, int y, const char* text)
{
    View_Area_Add_Text(unsigned(area), x, y, cp850(text), 0x1000, BLACK_CI, 0);
}

// ---- every element type of the view areas -----------------------------------------------

const unsigned char kArrowBits[32] = {0x01, 0x80, 0x03, 0xC0, 0x07, 0xE0, 0x0F, 0xF0, 0x1F, 0xF8, 0x3F,
                                      0xFC, 0x7F, 0xFE, 0xFF, 0xFF, 0x07, 0xE0, 0x07, 0xE0, 0x07, 0xE0,
                                      0x07, 0xE0, 0x07, 0xE0, 0x07, 0xE0, 0x07, 0xE0, 0x07, 0xE0};
const MaskPicture kArrow = {16, 16, 2, kArrowBits};

void hatched_box(int x1, int y1, int x2, int y2, void*)
{
    pxFgc(Nearest_RGB_Color(255, 250, 220));
    pxRect(x1, y1, x2, y2);
    pxFgc(Nearest_RGB_Color(200, 120, 40));
    for (int x = x1 - (y2 - y1); x < x2; x += 6)
        pxLine(std::max(x, x1), y2 - std::max(0, x1 - x), std::min(x2, x + (y2 - y1)), y2 - std::min(y2 - y1, x2 - x));
    pxFgc(BLACK_CI);
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
}

struct ElementValues {
    int check[2] = {1, 1};
    int radio[2] = {2, 2};
    double number[2] = {12.5, 12.5};
    char field[2][21] = {"Fichte C24", "Fichte C24"};
    int choice[2] = {1, 1};
    int picture[2] = {1, 1};
    int button[2] = {0, 0};
    char editor[2][301] = {};
    intptr_t link = 0;
    intptr_t click = 0;
    ChoiceEntry woods[3] = {};
};
ElementValues g_el;

// The rows of the element page (base lines) and its two columns.
enum {
    kText = 46,
    kLine = 72,
    kBitmap = 100,
    kBox = 132,
    kMaskPicture = 158,
    kRotated = 200,
    kCheck = 244,
    kRadio = 270,
    kLink = 296,
    kFloat = 322,
    kFilled = 348,
    kClick = 374,
    kTree = 400,
    kField = 426,
    kChoice = 452,
    kPictureChoice = 482,
    kButton = 518,
    kEditor = 552
};
const int kActive = 220, kInactive = 450;

void draw_elements(int area, int)
{
    const unsigned a = unsigned(area);
    const int xa = kActive, xi = kInactive;
    const int grey = Nearest_RGB_Color(128, 128, 128);
    caption(area, 10, 20, "Element");
    caption(area, xa, 20, "aktiv");
    caption(area, xi, 20, "inaktiv");
    // The page is 682 wide, its slider takes the last 17: the right edge of
    // what shows is 664.
    View_Area_Add_Line(a, 10, 26, 660, 26, grey);
    name(area, 10, kText, "Text");
    View_Area_Add_Text(a, xa, kText, "normal", 0x1000, BLACK_CI, 0);
    View_Area_Add_Text(a, xa + 60, kText, "fett", 0x1000 | 0x10000, BLACK_CI, 0);
    View_Area_Add_Text(a, xa + 110, kText, "Schatten 2", 0x1000 | 0x20000, BLACK_CI, 0);
    View_Area_Add_Text(a, xa + 200, kText, "Schatten 3", 0x1000 | 0x40000, BLACK_CI, 0);
    View_Area_Add_Text(a, 660, kText, "rechtsb\x81ndig", 0x1002, Nearest_RGB_Color(0, 0, 200), 1);
    name(area, 10, kLine, "Linie");
    View_Area_Add_Line(a, xa, kLine - 4, xa + 200, kLine - 4, Nearest_RGB_Color(200, 0, 0));
    View_Area_Add_Line(a, xa + 210, kLine - 10, xa + 260, kLine + 2, BLACK_CI);
    name(area, 10, kBitmap, "Bild (Schlüsselfarbe)");
    View_Area_Add_Bitmap(a, pictures().picture.c_str(), xa, kBitmap - 22, xa + 47, kBitmap + 9, magenta());
    name(area, 10, kBox, "gezeichnete Box");
    View_Area_Add_Drawn_Box(a, xa, kBox - 14, xa + 120, kBox + 4, nullptr, hatched_box);
    name(area, 10, kMaskPicture, "Maskenbild");
    View_Area_Add_Mask_Picture(a, xa, kMaskPicture - 13, &kArrow, Nearest_RGB_Color(0, 120, 0));
    name(area, 10, kRotated, "gedrehter Text");
    View_Area_Add_Rotated_Text(a, xa + 10, kRotated + 20, "90 Grad", 0x1002, BLACK_CI, 90);
    View_Area_Add_Rotated_Text(a, xa + 50, kRotated - 20, "270 Grad", 0x1002, BLACK_CI, 270);
    View_Area_Add_Rotated_Text(a, xa + 160, kRotated - 6, "180 Grad fett", 0x1002 | 0x10000, BLACK_CI, 180);
    name(area, 10, kCheck, "Kontrollkasten");
    View_Area_Add_Check_Box(a, xa, kCheck, "trocken", 0x1000, BLACK_CI, &g_el.check[0], &g_on);
    View_Area_Add_Check_Box(a, xi, kCheck, "trocken", 0x1000, BLACK_CI, &g_el.check[1], &g_off);
    name(area, 10, kRadio, "Optionsfeld");
    View_Area_Add_Radio_Button(a, xa, kRadio, "NKL 1", 0x1000, BLACK_CI, 1, &g_el.radio[0], &g_on);
    View_Area_Add_Radio_Button(a, xa + 90, kRadio, "NKL 2", 0x1000, BLACK_CI, 2, &g_el.radio[0], &g_on);
    View_Area_Add_Radio_Button(a, xi, kRadio, "NKL 1", 0x1000, BLACK_CI, 1, &g_el.radio[1], &g_off);
    View_Area_Add_Radio_Button(a, xi + 90, kRadio, "NKL 2", 0x1000, BLACK_CI, 2, &g_el.radio[1], &g_off);
    name(area, 10, kLink, "Verweistext");
    View_Area_Add_Link_Text(a, xa, kLink, cp850("Hinweise öffnen"), 0x1000, Nearest_RGB_Color(0, 0, 200), 0,
                            Nearest_RGB_Color(200, 0, 0), 1, &g_el.link);
    name(area, 10, kFloat, "Zahlenfeld");
    View_Area_Add_Float(a, xa, kFloat, &g_el.number[0], "%8.2f", 0x1000, BLACK_CI, &g_on);
    View_Area_Add_Float(a, xi, kFloat, &g_el.number[1], "%8.2f", 0x1000, BLACK_CI, &g_off);
    View_Area_Add_Float(a, xi + 100, kFloat, &g_el.number[1], "%8.2f", 0x1000, BLACK_CI, &g_off);
    View_Area_Set_Inactive_Text(a, "n.e.");
    name(area, 10, kFilled, "gefüllte Fläche");
    View_Area_Add_Filled_Box(a, xa, kFilled - 12, xa + 120, kFilled + 2, Nearest_RGB_Color(255, 220, 160));
    name(area, 10, kClick, "Klickfläche (Tooltip)");
    View_Area_Add_Filled_Box(a, xa, kClick - 12, xa + 120, kClick + 2, Nearest_RGB_Color(220, 235, 255));
    View_Area_Add_Click_Area(a, xa, kClick - 12, xa + 120, kClick + 2, 2, &g_el.click);
    View_Area_Set_Click_Area_Tooltip(a, cp850("zeichnet nichts;\nhier blau unterlegt"), 0x1000, BLACK_CI, 0);
    View_Area_Add_Cut_Mark(a, 1);
    View_Area_Add_Text(a, xi, kClick, "Schnittmarke: unsichtbar", 0x1002, grey, 0);
    name(area, 10, kTree, "Baumbild");
    View_Area_Add_Tree_Image(a, Make_TreeViewImage(pictures().tree.c_str(), magenta()), xa, kTree - 14, xa + 16,
                             kTree + 2, 0);
    name(area, 10, kField, "Textfeld");
    View_Area_Add_Text_Field(a, xa, kField, g_el.field[0], 0x1000, BLACK_CI, &g_on);
    View_Area_Set_Text_Field_Length(a, 14);
    View_Area_Add_Text_Field(a, xi, kField, g_el.field[1], 0x1000, BLACK_CI, &g_off);
    View_Area_Set_Text_Field_Length(a, 14);
    name(area, 10, kChoice, "Auswahl");
    View_Area_Add_Choice(a, xa, kChoice, g_el.woods, 0x1000, 16, 3, &g_el.choice[0], &g_on);
    View_Area_Add_Choice(a, xi, kChoice, g_el.woods, 0x1000, 16, 3, &g_el.choice[1], &g_off);
    name(area, 10, kPictureChoice, "Bildauswahl");
    View_Area_Add_Picture_Choice(a, xa, kPictureChoice - 16, pictures().sections.c_str(), 40, 24, 4, 0,
                                 &g_el.picture[0], &g_on);
    View_Area_Add_Picture_Choice(a, xi, kPictureChoice - 16, pictures().sections.c_str(), 40, 24, 4, 0,
                                 &g_el.picture[1], &g_off);
    name(area, 10, kButton, "Bildknopf (Tooltip)");
    View_Area_Add_Bitmap_Button(a, xa, kButton - 18, 24, 24, pictures().button.c_str(), 0, magenta(), 18,
                                cp850("Zeile hinzufügen"), 1, &g_el.button[0], &g_on);
    View_Area_Add_Bitmap_Button(a, xi, kButton - 18, 24, 24, pictures().button.c_str(), 0, magenta(), 18,
                                cp850("Zeile hinzufügen"), 1, &g_el.button[1], &g_off);
    name(area, 10, kEditor, "Texteditor");
    View_Area_Add_Text_Editor(a, xa, kEditor - 14, xa + 200, kEditor + 44, g_el.editor[0], 300, BLACK_CI, WHITE_CI, 1,
                              &g_on);
    View_Area_Add_Text_Editor(a, xi, kEditor - 14, xi + 200, kEditor + 44, g_el.editor[1], 300, BLACK_CI, WHITE_CI, 1,
                              &g_off);
}

std::string at(const char* step, int x, int y)
{
    return std::string(step) + " " + std::to_string(x) + " " + std::to_string(y);
}

void view_elements()
{
    static char woods[3][24];
    set_text(woods[0], 24, "Nadelholz");
    set_text(woods[1], 24, "Laubholz");
    set_text(woods[2], 24, "Brettschichtholz");
    for (int i = 0; i < 3; ++i) g_el.woods[i] = ChoiceEntry{BLACK_CI, woods[i]};
    for (int i = 0; i < 2; ++i)
        set_text(g_el.editor[i], sizeof g_el.editor[i], "Der Editor bricht lange Zeilen an Wortgrenzen um.");
    MaskRecord mask;
    MaskPage page;
    one_page_mask(&mask, &page, "Galerie - Elemente der Anzeigebereiche", 700, 640, draw_elements);
    page.vslider = 1;
    // The bitmap button and the click area show their tooltips while the
    // mouse rests on them.
    run_mask(&mask, 1, &page,
             {"shot alle_Elementarten", at("move", 600, kTree), at("move", kActive + 12, kButton - 6),
              "shot Bildknopf_mit_Tooltip", at("move", 600, kTree), at("move", kActive + 60, kClick - 5),
              "shot Klickfläche_mit_Tooltip", "key 27"});
}

// ---- the element calls of the mask pages ----------------------------------------------------

struct CallValues {
    int check[3] = {1, 1, 1};
    int radio[3] = {1, 1, 1};
    int choice[3] = {0, 0, 0};
    char text[3][21] = {"Versatz", "Versatz", "Versatz"};
    double number[3] = {2.5, 2.5, 2.5};
    int count[3] = {4, 4, 4};
    double angle[3] = {30.0, 30.0, 30.0};
    intptr_t clicked = 0;
    char names[3][16] = {"C24", "GL24h", "D30"};
};
CallValues g_call;

void draw_calls(int area, int)
{
    int* const states[3] = {&g_on, &g_read_only, &g_off};
    const char* const heads[3] = {"Zustand 1", "Zustand -1", "Zustand 0"};
    caption(area, 10, 20, "Elementaufruf");
    for (int c = 0; c < 3; ++c) {
        const int x = 200 + 170 * c;
        int* s = states[c];
        caption(area, x, 20, heads[c]);
        int y = 46;
        Mask_Add_Label(x, y, "Beschriftung", s);
        y += 24;
        Mask_Add_Framed_Label(x, y, "gerahmt", s);
        Mask_Add_Boxed_Label(x + 80, y, "Kasten", s);
        y += 24;
        Mask_Add_Underlined_Label(x, y, "unterstrichen", s);
        y += 24;
        Mask_Add_Link_Label(x, y, "Verweis", 1, &g_call.clicked, s);
        Mask_Add_Clickable_Label(x + 80, y, "klickbar", 2, &g_call.clicked, s);
        y += 24;
        Mask_Add_Symbol_With_Index(x, y, "f", "c,0,d", s);
        Mask_Add_Symbol_Index_Exponent(x + 70, y, "W", "y", "3", s);
        y += 24;
        Mask_Add_Check_Box(x, y, "trocken", &g_call.check[c], s);
        y += 24;
        Mask_Add_Radio_Button(x, y, "1", 1, &g_call.radio[c], s);
        Mask_Add_Radio_Button(x + 50, y, "2", 2, &g_call.radio[c], s);
        y += 24;
        Mask_Add_Choice(x, y, g_call.names[0], nullptr, 16, 3, &g_call.choice[c], s);
        y += 24;
        Mask_Add_Text_Field_Limited(x, y, g_call.text[c], 10, 10, s);
        y += 24;
        Mask_Add_Float(x, y, &g_call.number[c], 1000.0, 8, 1, s);
        y += 24;
        Mask_Add_Int(x, y, &g_call.count[c], 4, s);
        y += 24;
        Mask_Add_Symbol_Float(x, y, "l", "v", &g_call.angle[c], 1.0, 6, 1, "mm", s);
    }
    const char* const names[] = {
        "Label",     "Framed / Boxed Label", "Underlined Label", "Link / Clickable Label", "Symbol (Index, Exponent)",
        "Check Box", "Radio Button",         "Choice",           "Text Field Limited",     "Float (Faktor 1000)",
        "Int",       "Symbol Float"};
    for (int i = 0; i < 12; ++i) View_Area_Add_Text(unsigned(area), 10, 46 + 24 * i, names[i], 0x1002, BLACK_CI, 0);

    // Drawing in area coordinates and a column header.
    int y = 46 + 24 * 12 + 10;
    caption(area, 10, y, "Zeichnen in Bereichskoordinaten");
    Mask_Set_Text_Color(BLACK_CI);
    Mask_Set_Back_Color(Nearest_RGB_Color(255, 220, 160));
    Mask_Set_Area_Transform(-20.0, -double(y + 20), 0.0, 1.0);
    Mask_Fill_Rectangle(0, 0, 120, 60);
    Mask_Draw_Rectangle(0, 0, 120, 60);
    Mask_Draw_Circle(170, 30, 28);
    Mask_Set_Back_Color(Nearest_RGB_Color(180, 210, 255));
    Mask_Fill_Circle(170, 30, 12);
    const double xs[] = {230, 300, 265}, ys[] = {60, 60, 0};
    Mask_Fill_Polygon(3, xs, ys);
    Mask_Draw_Polygon(3, xs, ys);
    Mask_Draw_Arc(350, 30, 25, 0.0, 3.14159);
    Mask_Draw_Dimension(2, 0, 80, 120, 80, 10);
    Mask_Set_Area_Transform(0, 0, 0, 1.0);
    Mask_Set_Back_Color(WHITE_CI);

    ColumnHeader header{};
    Mask_Init_Column_Header(&header, 3);
    Mask_Add_Column(&header, "Breite", "b", "", "mm", 0, 60, 10);
    Mask_Add_Column(&header, cp850("Höhe"), "h", "", "mm", 0, 60, 10);
    Mask_Add_Column(&header, "Festigkeit", "f", "m,k", "N/mm\xfd", 0, 70, 10);
    Mask_Draw_Header(440, y + 30, &header);
    Mask_Free_Columns(&header);
}

void mask_elements()
{
    MaskRecord mask;
    MaskPage page;
    one_page_mask(&mask, &page, "Galerie - Elementaufrufe der Maskenseiten", 720, 500, draw_calls);
    run_mask(&mask, 1, &page, {"shot Elementaufrufe_in_den_Zuständen_1,_-1_und_0", "key 27"});
}

// ---- masks in modes 0 to 8 --------------------------------------------------------------------

int g_mode = 0;

void draw_mode_page(int area, int)
{
    static const char* const rows[9] = {"Standardzeile: abbrechen, Hilfe, bestätigen",
                                        "\"Weiter\" (abbrechen)",
                                        "keine Knöpfe",
                                        "\"Weiter\" (bestätigen)",
                                        "Vollbild ohne Knöpfe",
                                        "Standardzeile, bestätigen vorbelegt",
                                        "nur bestätigen",
                                        "Standardzeile ohne bestätigen",
                                        "Vollbild, \"Weiter\""};
    char line[80];
    std::snprintf(line, sizeof line, "Modus %d", g_mode);
    caption(area, 20, 30, line);
    name(area, 20, 56, rows[g_mode]);
    name(area, 20, 80, "Escape verlässt die Maske.");
    (void)area;
}

void status_line(char* buffer) { std::snprintf(buffer, 199, "%s", cp850("Statuszeile: Länge l = 2,50 m")); }

void mask_modes()
{
    for (int m = 0; m <= 8; ++m) {
        g_mode = m;
        MaskRecord mask;
        Mask_Init(&mask);
        char t[60];
        std::snprintf(t, sizeof t, "Galerie - Maske im Modus %d", m);
        title(&mask, t);
        mask.mode = m;
        mask.width = 420;
        mask.height = 120;
        set_text(mask.help_key, sizeof mask.help_key, "GALERIE");
        if (m == 0) mask.status_text = status_line;
        MaskPage page;
        Mask_Init_Pages(1, &page);
        page.draw = draw_mode_page;
        char shot[40];
        std::snprintf(shot, sizeof shot, "shot Modus_%d", m);
        run_mask(&mask, 1, &page, {shot, "key 27"});
    }
}

// ---- registers --------------------------------------------------------------------------------

void draw_register_page(int area, int)
{
    const int page = Mask_Current_Page();
    static const char* const texts[] = {"Seite 1: normal", "Seite 2: gesperrt (Art 0), nicht wählbar",
                                        "Seite 3: verborgen (Art -2), ohne Reiter", "Seite 4: mit oberer Beschriftung",
                                        "Seite 5: gesperrt, eigene Farbe"};
    caption(area, 20, 30, page >= 0 && page < 5 ? texts[page] : "?");
    name(area, 20, 60, "Ein Klick auf einen gesperrten Reiter lässt die Seite stehen.");
}

void registers()
{
    MaskRecord mask;
    Mask_Init(&mask);
    title(&mask, "Galerie - Register mit gesperrten und verborgenen Seiten");
    mask.width = 600;
    mask.height = 160;
    MaskPage pages[5];
    Mask_Init_Pages(5, pages);
    const char* const labels[] = {"Werte", "Gesperrt", "Verborgen", "Zweizeilig", "Grau"};
    for (int i = 0; i < 5; ++i) {
        label(&pages[i], labels[i]);
        pages[i].draw = draw_register_page;
    }
    pages[1].kind = MASK_PAGE_DISABLED;
    pages[2].kind = MASK_PAGE_HIDDEN;
    set_text(pages[3].upper_label, sizeof pages[3].upper_label, "oben");
    pages[4].kind = MASK_PAGE_DISABLED;
    pages[4].disabled_colour = Nearest_RGB_Color(200, 0, 0);
    run_mask(&mask, 5, pages,
             {"shot erste_Seite", "click 1001", "shot nach_Klick_auf_den_gesperrten_Reiter", "click 1003",
              "shot Seite_mit_oberer_Beschriftung", "key 27"});
}

// ---- the fixed-layout register sheet ------------------------------------------------------

void draw_fixed_page(int area, int)
{
    static const char* const texts[] = {"Seite 1: Werte", "Seite 2: gesperrt (Art 0)", "Seite 3: Querschnitt"};
    const int page = Mask_Current_Page();
    caption(area, 20, 30, page >= 0 && page < 3 ? texts[page] : "?");
    name(area, 20, 60, "Feste Anordnung: Reiter, Seitenbereich,");
    name(area, 20, 78, "abbrechen, Hilfe, bestätigen, Statuszeile.");
    Mask_Add_Label(20, 110, "Anzahl n", &g_on);
    static int n = 4;
    Mask_Add_Int(120, 110, &n, 4, &g_on);
}

void fixed_status(char* buffer) { std::snprintf(buffer, 199, "%s", cp850("Statuszeile der festen Registermaske")); }

void register_sheet()
{
    MaskPage pages[3];
    Mask_Init_Pages(3, pages);
    const char* const labels[] = {"Werte", "Gesperrt", "Querschnitt"};
    for (int i = 0; i < 3; ++i) {
        label(&pages[i], labels[i]);
        pages[i].draw = draw_fixed_page;
    }
    pages[1].kind = MASK_PAGE_DISABLED;
    // Opened twice: the second opening starts on the page left last.
    script({"shot erste_Seite", "click 1002", "shot dritte_Seite", "key 27"});
    Mask_Edit_Register_Sheet(200, 420, cp850("Galerie - Registermaske fester Anordnung"), 3, pages, fixed_status,
                             "GALERIE");
    script({"shot wieder_geöffnet:_die_zuletzt_gezeigte_Seite", "key 27"});
    Mask_Edit_Register_Sheet(200, 420, cp850("Galerie - Registermaske fester Anordnung"), 3, pages, fixed_status,
                             "GALERIE");
}

// ---- the hints page -----------------------------------------------------------------------------

int g_hints[3][4] = {{1, 1, 1, 1}, {0, 1, 1, 1}, {0, 0, 1, 1}};

void draw_hints(int area, int)
{
    const int page = Mask_Current_Page();
    if (page >= 0 && page < 3) Mask_Draw_Hints_Page(area, g_hints[page], 500);
}

void hints()
{
    MaskRecord mask;
    Mask_Init(&mask);
    title(&mask, "Galerie - Programmhinweise");
    mask.width = 500;
    mask.height = 280;
    MaskPage pages[3];
    Mask_Init_Pages(3, pages);
    const char* const labels[] = {"0 aus", "1 aus", "2 aus"};
    for (int i = 0; i < 3; ++i) {
        label(&pages[i], labels[i]);
        pages[i].draw = draw_hints;
    }
    run_mask(&mask, 3, pages,
             {"shot kein_Hinweis_aus", "click 1001", "shot ein_Hinweis_aus", "click 1002", "shot zwei_Hinweise_aus",
              "move 250 180", "move 250 140", "shot Knopf_mit_Tooltip", "key 27"});
}

// ---- picture, import and hover buttons ------------------------------------------------------------

struct ButtonValues {
    intptr_t picture = 0;
    int radio = 1;
    int check[2] = {1, 0};
    int key = 0;
    intptr_t hover = 0;
};
ButtonValues g_btn;

void draw_buttons(int area, int)
{
    const Pictures& p = pictures();
    const bool tool = Mask_Current_Page() == 1;
    // The component import is active only while the force-selection tool
    // (its stand-in lies beside this program) is installed under EXEC.
    if (tool)
        ::setenv("EXEC", program_dir().c_str(), 1);
    else
        ::unsetenv("EXEC");

    caption(area, 10, 20, "Bildknopf, Bild-Optionsfeld, Bild-Kontrollkasten");
    Mask_Add_Picture_Button(area, 20, 34, 24, 24, 0, 0, p.icon.c_str(), p.icon_off.c_str(), magenta(), 1,
                            &g_btn.picture, 1);
    Mask_Add_Picture_Button(area, 60, 34, 24, 24, 0, 0, p.icon.c_str(), p.icon_off.c_str(), magenta(), 2,
                            &g_btn.picture, 0);
    for (int i = 0; i < 2; ++i) {
        int* active = i == 0 ? &g_on : &g_off;
        const int x = 120 + 170 * i;
        Mask_Add_Picture_Radio(area, x, 52, 1, &g_btn.radio, p.radio_on.c_str(), p.radio_off.c_str(),
                               p.radio_on_grey.c_str(), p.radio_off_grey.c_str(), active);
        Mask_Add_Picture_Radio(area, x + 30, 52, 2, &g_btn.radio, p.radio_on.c_str(), p.radio_off.c_str(),
                               p.radio_on_grey.c_str(), p.radio_off_grey.c_str(), active);
        Mask_Add_Picture_Check_Box(area, x + 70, 52, &g_btn.check[0], p.check_on.c_str(), p.check_off.c_str(),
                                   p.check_on_grey.c_str(), p.check_off_grey.c_str(), active);
        Mask_Add_Picture_Check_Box(area, x + 100, 52, &g_btn.check[1], p.check_on.c_str(), p.check_off.c_str(),
                                   p.check_on_grey.c_str(), p.check_off_grey.c_str(), active);
    }
    View_Area_Add_Text(unsigned(area), 460, 52, "(links aktiv, rechts inaktiv)", 0x1002, BLACK_CI, 0);

    caption(area, 10, 90,
            tool ? "Importknöpfe (Schnittgrößenauswahl installiert)" : "Importknöpfe (ohne Schnittgrößenauswahl)");
    Mask_Add_Component_Import_Button(10, 130, nullptr, 11, &g_btn.key, &g_on);
    Mask_Add_File_Import_Button(10, 180, nullptr, 12, &g_btn.key, &g_on);
    Mask_Add_Explorer_Button(420, 160, 13, &g_btn.key, &g_on);
    Mask_Add_Explorer_Button(470, 160, 14, &g_btn.key, &g_off);
    Mask_Add_Delete_All_Button(10, 230, cp850("Alle Lastkombinationen löschen"), 15, &g_btn.key, &g_on);

    caption(area, 10, 280, "Knöpfe mit Hervorhebung und Tooltip");
    Mask_Add_Hover_Picture(area, 20, 294, 120, 19, 0, 0, "TextButtonBg.bmp", "TextButtonBgInaktive.bmp",
                           "TextButtonBg_ro.bmp", "TextButtonBgInaktive_ro.bmp", WHITE_CI, 21, &g_btn.hover, 1);
    Mask_Set_Tooltip(cp850("Ein Bildknopf, der beim Überfahren\nsein zweites Bild zeigt"), 1, 0);
    Mask_Add_Hover_Text_Button(area, 170, 294, 121, 0, 0, BLACK_CI, Nearest_RGB_Color(128, 128, 128), 0, "Textknopf",
                               22, &g_btn.hover, 1);
    Mask_Set_Tooltip("Fett, solange die Maus darauf steht", 1, 0);
    Mask_Add_Bitmap_Text_Button(area, 320, 294, 121, 0, 0, "Bild-Textknopf", 23, &g_btn.hover, 1);
    Mask_Add_Bitmap_Text_Button(area, 470, 294, 121, 0, 0, "inaktiv", 24, &g_btn.hover, 0);
    Mask_Add_Check_Box(20, 340, "Kontrollkasten mit Tooltip", &g_btn.check[1], &g_on);
    Mask_Set_Tooltip(cp850("Tooltip über dem Kontrollkasten,\nlinks von seiner Mitte"), 0, 3);
}

void buttons()
{
    MaskRecord mask;
    Mask_Init(&mask);
    title(&mask, "Galerie - Bild-, Import- und Hover-Knöpfe");
    mask.width = 640;
    mask.height = 380;
    MaskPage pages[2];
    Mask_Init_Pages(2, pages);
    label(&pages[0], "ohne Schnittgrößenauswahl");
    label(&pages[1], "mit Schnittgrößenauswahl");
    pages[0].draw = draw_buttons;
    pages[1].draw = draw_buttons;
    const char* exec = std::getenv("EXEC");
    const std::string saved = exec ? exec : "";
    run_mask(&mask, 2, pages,
             {"shot ohne_Schnittgrößenauswahl", "move 80 303", "shot Tooltip_und_Hervorhebung_des_Bildknopfs",
              "move 155 270", "move 230 303", "shot Textknopf_fett_mit_Tooltip", "move 155 270", "move 60 336",
              "shot Tooltip_oberhalb_links", "click 1001", "shot mit_Schnittgrößenauswahl", "key 27"});
    if (exec)
        ::setenv("EXEC", saved.c_str(), 1);
    else
        ::unsetenv("EXEC");
}

// ---- a row table -----------------------------------------------------------------------------------

struct Section {
    double b, h, l;
};

void draw_section(int, int, int x, int y, void* row)
{
    Section* s = static_cast<Section*>(row);
    Mask_Add_Float_Plain(x, y + 14, &s->b, 6, 1, nullptr);
    Mask_Add_Float_Plain(x + 80, y + 14, &s->h, 6, 1, nullptr);
    Mask_Add_Float_Plain(x + 160, y + 14, &s->l, 6, 2, nullptr);
}

void draw_sections(int area, int)
{
    caption(area, 10, 16, "Querschnitte");
    name(area, 37, 30, "b [mm]");
    name(area, 117, 30, "h [mm]");
    name(area, 197, 30, "l [m]");
}

void init_sections(int table)
{
    if (table < 0) return;
    Row_Table_Set_Button(table, ROW_BUTTON_DELETE, 250, 2);
    Row_Table_Set_Button(table, ROW_BUTTON_DUPLICATE, 270, 2);
    Row_Table_Set_Button(table, ROW_BUTTON_APPEND, 0, 2);
    Row_Table_Set_Button(table, ROW_BUTTON_NUMBERS, -4, 14);
    Row_Table_Add_Column(table, 65, 44, 0, ROW_COLUMN_SORTABLE | ROW_COLUMN_FILLABLE, "%6.1f",
                         int(offsetof(Section, b)));
    Row_Table_Add_Column(table, 225, 44, 0, ROW_COLUMN_SORTABLE, "%6.2f", int(offsetof(Section, l)));
    const Section model = {100.0, 200.0, 3.0};
    Row_Table_Set_Template(table, &model);
    const Section rows[] = {{100.0, 200.0, 3.0}, {120.0, 240.0, 4.5}, {140.0, 280.0, 5.25}, {160.0, 320.0, 6.0}};
    for (const Section& s : rows) Row_Table_Append(table, &s);
}

void row_table()
{
    MaskRecord mask;
    MaskPage page;
    one_page_mask(&mask, &page, "Galerie - Zeilentabelle", 420, 200, draw_sections);
    page.vslider = 1;
    page.row_table_x = 30;
    page.row_table_y = 56;
    page.row_table_size = int(sizeof(Section));
    page.row_draw = draw_section;
    page.init_hook = init_sections;
    run_mask(&mask, 1, &page,
             {"shot vier_Zeilen", "move 300 150", "move 65 44", "in 65 44", "shot Menü_einer_Spaltenmarke", "key 27",
              "key 27"});
}

// ---- choice lists -----------------------------------------------------------------------------------

char g_woods[6][24] = {"Nadelholz",         "Laubholz",           "Brettschichtholz",
                       "Balkenschichtholz", "Furnierschichtholz", "Brettsperrholz"};
int g_wood = 2;
int g_shape = 1;

void draw_choices(int area, int)
{
    Mask_Add_Label(10, 30, "Holzart", &g_on);
    Mask_Add_Choice(120, 30, g_woods[0], nullptr, 24, 6, &g_wood, &g_on);
    Mask_Add_Label(10, 96, "Querschnitt", &g_on);
    View_Area_Add_Picture_Choice(unsigned(area), 120, 80, pictures().sections.c_str(), 40, 24, 4, 0, &g_shape, &g_on);
}

void choice_lists()
{
    MaskRecord mask;
    MaskPage page;
    one_page_mask(&mask, &page, "Galerie - Auswahllisten", 420, 280, draw_choices);
    run_mask(
        &mask, 1, &page,
        {"in 150 26", "shot offene_Auswahlliste", "key 27", "in 150 94", "shot offene_Bildliste", "key 27", "key 27"});
}

// ---- the text editor --------------------------------------------------------------------------------

char g_text[1001];

void draw_editor(int area, int)
{
    caption(area, 10, 20, "Bemerkung");
    View_Area_Add_Text_Editor(unsigned(area), 10, 30, 460, 200, g_text, 1000, BLACK_CI, WHITE_CI, 1, &g_on);
}

void text_editor()
{
    set_text(g_text, sizeof g_text,
             cp850("Der Versatz wird nach DIN EN 1995-1-1 mit dem deutschen Nationalen Anhang nachgewiesen. "
                   "Die Vorholzlänge ist so gewählt, dass die Abscherspannung im Vorholz aufgenommen wird.\n"
                   "Zweiter Absatz: der Editor bricht an Wortgrenzen um, markiert eine Auswahl und zeigt rechts "
                   "an, welcher Teil des Textes sichtbar ist."));
    MaskRecord mask;
    MaskPage page;
    one_page_mask(&mask, &page, "Galerie - Texteditor", 480, 220, draw_editor);
    run_mask(&mask, 1, &page, {"drag 60 48 250 78", "shot Auswahl_im_Texteditor", "in 470 215", "key 27"});
}

// ---- screen graphics -----------------------------------------------------------------------------------

void draw_graphics(int x1, int y1, int x2, int y2, void*)
{
    pxFgc(WHITE_CI);
    pxRect(x1, y1, x2, y2);
    const double s = 100.0; // pixels a metre
    Scr_Set_View(-(x1 + 40) / s, (y2 - 60) / s, 0.0, s, -s);
    Scr_Set_Thickness(1);
    Scr_Set_Line_Style(0);
    // A beam on two supports with a load band, dimensions and axes.
    pxFgc(Nearest_RGB_Color(214, 170, 110));
    Scr_Fill_Rectangle(0.0, 0.0, 4.0, 0.3);
    pxFgc(BLACK_CI);
    Scr_Rectangle(0.0, 0.0, 4.0, 0.3);
    const double tx[] = {0.2, 0.05, 0.35}, ty[] = {0.0, -0.25, -0.25};
    Scr_Fill_Polygon(3, tx, ty);
    const double ux[] = {3.8, 3.65, 3.95}, uy[] = {0.0, -0.25, -0.25};
    Scr_Polygon(3, ux, uy);
    pxFgc(Nearest_RGB_Color(200, 0, 0));
    for (double x = 0.25; x < 4.0; x += 0.5) Scr_Arrow(x, 0.9, x, 0.32, 0.12, 0.08, 1);
    Scr_Line(0.0, 0.9, 4.0, 0.9);
    Scr_Text_Box(2.0, 1.05, "q = 5,0 kN/m", 0x1000, 0, 4);
    pxFgc(BLACK_CI);
    Scr_Dimension_Length(2, 0.0, -0.45, 4.0, -0.45, 8);
    Scr_Axes(4.4, 0.0, "x", "z", 60.0, 60.0, 0.0, s);
    // Lines: styles and thicknesses.
    pxFgc(Nearest_RGB_Color(0, 0, 160));
    for (int i = 0; i < 4; ++i) {
        Scr_Set_Line_Style(i);
        Scr_Set_Thickness(1 + i % 3);
        Scr_Line(0.0, 1.5 + 0.15 * i, 1.8, 1.5 + 0.15 * i);
    }
    Scr_Set_Line_Style(0);
    Scr_Set_Thickness(1);
    // Patterns, circles and a band.
    pxFgc(Nearest_RGB_Color(0, 120, 0));
    Scr_Set_Pattern_Dots();
    Scr_Fill_Rectangle(2.2, 1.4, 2.7, 1.9);
    Scr_Set_Pattern_Motif();
    Scr_Fill_Rectangle(2.8, 1.4, 3.3, 1.9);
    Scr_Set_Pattern_Lines();
    Scr_Fill_Rectangle(3.4, 1.4, 3.9, 1.9);
    pxSFA(0);
    pxFgc(BLACK_CI);
    Scr_Circle(4.6, 1.65, 0.25);
    pxFgc(Nearest_RGB_Color(255, 160, 0));
    Scr_Fill_Circle(4.6, 1.65, 0.12);
    pxFgc(Nearest_RGB_Color(120, 120, 120));
    Scr_Band(0.0, 2.2, 1.8, 2.5, 0.08, nullptr);
    pxFgc(BLACK_CI);
    Scr_Text_Bold(2.2, 2.3, "fett", 0x1000);
    Scr_Text_Plain(2.8, 2.3, "normal", 0x1000);
    Scr_Text_Right(4.9, 2.3, cp850("rechtsbündig"), 0x1002);
    Scr_Dimension_Line(2, 2.2, 2.45, 4.9, 2.45, "2,70", "5", 6);
}

void screen_graphics_page(int area, int)
{
    View_Area_Add_Drawn_Box(unsigned(area), 10, 10, 600, 330, nullptr, draw_graphics);
}

void screen_graphics()
{
    MaskRecord mask;
    MaskPage page;
    one_page_mask(&mask, &page, "Galerie - Bildschirmgrafik", 620, 340, screen_graphics_page);
    run_mask(&mask, 1, &page, {"shot Bildschirmgrafik", "key 27"});
}

// ---- popup menus ------------------------------------------------------------------------------------------

char g_tip[4][24] = {"Rechteck", "I-Profil", "Rundholz", "T-Profil"};
char* g_tips[4] = {g_tip[0], g_tip[1], g_tip[2], g_tip[3]};

void popup_buttons(int, int, int x2, int y2)
{
    const int row = Add_Single_Button_to_PS(x2 - 260, y2 - 29, 1, 301, cp850("Zeilenmenü"), nullptr, 0);
    const int column = Add_Single_Button_to_PS(x2 - 140, y2 - 29, 1, 302, cp850("Spaltenmenü"), nullptr, 0);
    (void)row;
    (void)column;
}

int popup_handler(int id)
{
    if (id != 301 && id != 302) return 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Kov_Ui_Sheet_Rect(id, &x1, &y1, &x2, &y2);
    PopupMenu m{(x1 + x2) / 2, (y1 + y2) / 2, x1, y1 - 110, "Querschnitt", 24, 24, 4, g_tips, nullptr};
    if (id == 301) {
        m.bitmap = pictures().popup_row.c_str();
        Popup_Menu_Row(m);
    } else {
        m.y = y1 - 160;
        m.bitmap = pictures().popup_column.c_str();
        Popup_Menu_Column(m);
    }
    return 1;
}

void draw_popup_page(int area, int) { name(area, 10, 24, "Die Knöpfe unten öffnen die beiden Menüs."); }

void popup_menus()
{
    MaskRecord mask;
    Mask_Init(&mask);
    title(&mask, "Galerie - Popup-Menüs");
    mask.width = 420;
    mask.height = 200;
    mask.decorate = popup_buttons;
    mask.button_handler = popup_handler;
    MaskPage page;
    Mask_Init_Pages(1, &page);
    page.draw = draw_popup_page;
    run_mask(&mask, 1, &page,
             {"click 301", "shot Zeilenmenü", "in 10 10", "click 302", "shot Spaltenmenü", "in 10 10", "key 27"});
}

} // namespace

const std::vector<Family>& families()
{
    static const std::vector<Family> all = {
        {"view_elements", "every element type of the view areas, active and inactive", view_elements},
        {"mask_elements", "the element calls of the mask pages in the states 1, -1 and 0", mask_elements},
        {"mask_modes", "masks in the modes 0 to 8", mask_modes},
        {"registers", "registers with disabled and hidden pages", registers},
        {"register_sheet", "the fixed-layout register sheet, opened twice", register_sheet},
        {"hints", "the program hints page with 0, 1 and 2 hints off", hints},
        {"buttons", "picture, import and hover buttons with a tooltip and a highlight", buttons},
        {"row_table", "a row table", row_table},
        {"choice_lists", "an open choice list and an open picture list", choice_lists},
        {"text_editor", "the text editor with a selection", text_editor},
        {"screen_graphics", "screen graphics in world coordinates", screen_graphics},
        {"popup_menus", "the row and the column popup menu", popup_menus},
    };
    return all;
}

} // namespace gallery
