// sheetdemo: a mask with two registers that a person can edit, and that
// prints the values it was confirmed with.
//
//   sheetdemo [--script FILE] [--shot PICTURE]
//
// The register "Werte" holds a length shown in mm and kept in m, a count, an
// angle held within 0 .. 90, a choice of the kind of timber, two check boxes,
// two radio buttons and a remark; the register "Querschnitte" a table of
// cross-sections that rows can be added to, duplicated in and deleted from.
//
// The user-interface mode (KOV_UI_MODE) decides who edits:
//   interactive  a person, in the screen's window (needs a display)
//   batch        nobody: the mask is cancelled at once
//   scripted     the steps of the script file, one each time the mask waits
//                with nothing queued:
//                  click ID   clicks the middle of the button, register
//                             (1000 + page) or page area (2000 + page) with the id
//                  in X Y     clicks at X, Y of the page shown (its area's pixels)
//                  type TEXT  types the text (code page 850 bytes)
//                  key N      presses the key with the code N (13 Enter, 27 Esc)
//                  shot FILE  writes the screen as a PNG and goes on at once
//                (and the other steps of "tools/sheetdemoscript.h"); once
//                the steps are used up the mask waits as on Escape.
// With --shot (interactive) the window's picture is written once it shows, and
// the mask is then left as on Escape.
//
// Output on standard output: "confirmed" and one "name=value" line per value,
// or "cancelled". Exit code 0 confirmed, 1 cancelled, 2 on a usage error.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/kovscreenwindow.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskelem.h"
#include "sheets/maskstate.h"
#include "sheets/rowtable.h"
#include "sheets/viewarea.h"
#include "tools/sheetscriptrun.h"
#include "tools/toolargs.h"

namespace {

struct Section {
    double b;
    double h;
};

struct Values {
    double length = 2.5; // m, shown in mm
    int count = 4;
    double angle = 30.0; // degrees, 0 .. 90
    int wood = 0;
    int dry = 1;
    int covered = 0;
    int service_class = 1;
    char remark[21] = "Versatz";
    std::vector<Section> sections;
};

Values g_v;
const int kWoods = 3;
const int kStride = 24;
char g_wood_names[kWoods][kStride];

// ---- the pages ------------------------------------------------------------------------

void draw_values(int, int)
{
    int y = 24;
    Mask_Add_Label(10, y, cp850("Länge l [mm]"), nullptr);
    Mask_Add_Float(160, y, &g_v.length, 1000.0, 8, 1, nullptr);
    y += 28;
    Mask_Add_Label(10, y, "Anzahl n", nullptr);
    Mask_Add_Int(160, y, &g_v.count, 4, nullptr);
    y += 28;
    Mask_Add_Label(10, y, cp850("Winkel [°]"), nullptr);
    Mask_Add_Float_Limited(160, y, &g_v.angle, 1.0, 6, 1, 0.0, 90.0, "Der Winkel", nullptr);
    y += 28;
    Mask_Add_Label(10, y, "Holzart", nullptr);
    Mask_Add_Choice(160, y, g_wood_names[0], nullptr, kStride, kWoods, &g_v.wood, nullptr);
    y += 30;
    Mask_Add_Check_Box(10, y, "trocken eingebaut", &g_v.dry, nullptr);
    y += 24;
    Mask_Add_Check_Box(10, y, cp850("überdacht"), &g_v.covered, nullptr);
    y += 28;
    Mask_Add_Label(10, y, "Nutzungsklasse", nullptr);
    Mask_Add_Radio_Button(160, y, "1", 1, &g_v.service_class, nullptr);
    Mask_Add_Radio_Button(220, y, "2", 2, &g_v.service_class, nullptr);
    y += 28;
    Mask_Add_Label(10, y, "Bemerkung", nullptr);
    Mask_Add_Text_Field_Limited(160, y, g_v.remark, 20, 20, nullptr);
}

void draw_section_row(int, int, int x, int y, void* row)
{
    Section* s = static_cast<Section*>(row);
    Mask_Add_Float_Plain(x, y + 14, &s->b, 6, 1, nullptr);
    Mask_Add_Float_Plain(x + 80, y + 14, &s->h, 6, 1, nullptr);
}

void draw_sections(int, int)
{
    Mask_Add_Label(37, 20, "b [mm]", nullptr);
    Mask_Add_Label(117, 20, "h [mm]", nullptr);
}

void init_sections(int table)
{
    if (table < 0) return;
    Row_Table_Set_Button(table, ROW_BUTTON_DELETE, 170, 2);
    Row_Table_Set_Button(table, ROW_BUTTON_DUPLICATE, 190, 2);
    Row_Table_Set_Button(table, ROW_BUTTON_APPEND, 0, 2);
    Row_Table_Set_Button(table, ROW_BUTTON_NUMBERS, -4, 14);
    const Section model = {100.0, 200.0};
    Row_Table_Set_Template(table, &model);
    for (const Section& s : g_v.sections) Row_Table_Append(table, &s);
}

// The rows live in the table, which the mask frees on leaving: they are
// taken over when the mask is confirmed.
int take_sections(int table)
{
    g_v.sections.clear();
    for (void* r = Row_Table_First(table); r; r = Row_Table_Next(table))
        g_v.sections.push_back(*static_cast<Section*>(r));
    return 0;
}

// ---- the scripted user -------------------------------------------------------------------

DemoScript g_script;

void next_step(const char*) { Demo_Run_Steps(g_script); }

bool read_script(const char* file)
{
    std::ifstream in(file);
    if (!in) return false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        g_script.steps.push_back(line);
    }
    return true;
}

std::string g_shot;
bool g_shot_written = false;

// Once the window shows (a busy display may take a while: tried for 20 s)
// its picture is written; then the mask is left as on Escape.
void take_shot()
{
    static int tries = 0;
    QWidget* w = KovScreenWindow::instance();
    if (!w->isVisible() && ++tries < 100) {
        QTimer::singleShot(200, take_shot);
        return;
    }
    if (w->isVisible()) g_shot_written = w->grab().save(QString::fromLocal8Bit(g_shot.c_str()), "PNG");
    Kov_Ui_Push_Key(27);
}

void print_values()
{
    std::printf("confirmed\n");
    std::printf("length_m=%.4f\n", g_v.length);
    std::printf("count=%d\n", g_v.count);
    std::printf("angle=%.1f\n", g_v.angle);
    std::printf("wood=%d %s\n", g_v.wood, Kov_Cp_To_Utf8(KOV_CP850, g_wood_names[g_v.wood]).c_str());
    std::printf("dry=%d\n", g_v.dry);
    std::printf("covered=%d\n", g_v.covered);
    std::printf("service_class=%d\n", g_v.service_class);
    std::string remark = g_v.remark;
    remark.erase(remark.find_last_not_of(' ') + 1);
    std::printf("remark=%s\n", Kov_Cp_To_Utf8(KOV_CP850, remark).c_str());
    std::printf("sections=%d\n", int(g_v.sections.size()));
    for (size_t i = 0; i < g_v.sections.size(); ++i)
        std::printf("section %d: b=%.1f h=%.1f\n", int(i + 1), g_v.sections[i].b, g_v.sections[i].h);
}

} // namespace

int main(int argc, char** argv)
{
    const char* script = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--script") == 0 && i + 1 < argc) {
            script = argv[++i];
        } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
            g_shot = argv[++i];
        } else {
            std::fprintf(stderr, "usage: sheetdemo [--script FILE] [--shot PICTURE]\n");
            return 2;
        }
    }
    if (script && !read_script(script)) {
        std::fprintf(stderr, "sheetdemo: cannot read %s\n", script);
        return 2;
    }
    const std::unique_ptr<QApplication> app = Tool_Application(argc, argv);
    if (Kov_Ui_Mode() == KOV_UI_SCRIPTED) Kov_Ui_Set_Idle_Hook(next_step);
    if (!g_shot.empty()) {
        if (!app || Kov_Ui_Mode() != KOV_UI_INTERACTIVE) {
            std::fprintf(stderr, "sheetdemo: no display for --shot\n");
            return 2;
        }
        QTimer::singleShot(700, app.get(), take_shot);
    }

    std::snprintf(g_wood_names[0], kStride, "%s", "Nadelholz");
    std::snprintf(g_wood_names[1], kStride, "%s", "Laubholz");
    std::snprintf(g_wood_names[2], kStride, "%s", "Brettschichtholz");
    g_v.sections = {{100.0, 200.0}, {120.0, 240.0}};

    MaskRecord mask;
    Mask_Init(&mask);
    std::snprintf(mask.title, sizeof mask.title, "%s", "Versatz - Beispielmaske");
    mask.width = 380; // the remark field of 20 characters from x 160, with room to spare
    mask.height = 260;
    MaskPage pages[2];
    Mask_Init_Pages(2, pages);
    std::snprintf(pages[0].label, sizeof pages[0].label, "%s", "Werte");
    pages[0].draw = draw_values;
    std::snprintf(pages[1].label, sizeof pages[1].label, "%s", "Querschnitte");
    pages[1].draw = draw_sections;
    pages[1].vslider = 1;
    pages[1].row_table_y = 30;
    pages[1].row_table_size = int(sizeof(Section));
    pages[1].row_draw = draw_section_row;
    pages[1].init_hook = init_sections;
    pages[1].check = take_sections;

    const int confirmed = Mask_Edit_Registers(&mask, 2, pages);
    if (confirmed)
        print_values();
    else
        std::printf("cancelled\n");
    std::fflush(stdout);
    if (!g_shot.empty() && !g_shot_written) std::fprintf(stderr, "sheetdemo: no picture written\n");
    return confirmed ? 0 : 1;
}
