// Fuzzes the runner of the sheet scripts: the input's lines are the steps of
// the scripted user of a mask with two registers (fields of every kind, a
// choice, a check box, radio buttons, a text field); the runner turns them
// into mouse and key events on the screen, the sheet acts on them, and once
// the steps are used up the waits answer as on Escape, so every input ends.
// Coordinates anywhere in the int range reach the runner.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskelem.h"
#include "sheets/maskhover.h"
#include "sheets/maskstate.h"
#include "sheets/viewarea.h"
#include "tools/sheetscriptrun.h"

namespace {

struct Values {
    double length = 2.5, angle = 30;
    int count = 4, wood = 0, dry = 1, service_class = 1;
    char remark[21] = "Versatz";
    char woods[3][24] = {"Nadelholz", "Laubholz", "Brettschichtholz"};
};
Values g_v;

void draw_values(int, int)
{
    Mask_Add_Label(10, 24, "Laenge", nullptr);
    Mask_Add_Float(160, 24, &g_v.length, 1000.0, 8, 1, nullptr);
    Mask_Add_Int(160, 52, &g_v.count, 4, nullptr);
    Mask_Add_Float_Limited(160, 80, &g_v.angle, 1.0, 6, 1, 0.0, 90.0, "Der Winkel", nullptr);
    Mask_Add_Choice(160, 108, g_v.woods[0], nullptr, 24, 3, &g_v.wood, nullptr);
    Mask_Add_Check_Box(10, 138, "trocken", &g_v.dry, nullptr);
    Mask_Add_Radio_Button(160, 166, "1", 1, &g_v.service_class, nullptr);
    Mask_Add_Radio_Button(220, 166, "2", 2, &g_v.service_class, nullptr);
    Mask_Add_Text_Field_Limited(160, 194, g_v.remark, 20, 20, nullptr);
}

void draw_other(int, int) { Mask_Add_Label(10, 24, "zweite Seite", nullptr); }

DemoScript g_script;

void next_step(const char*) { Demo_Run_Steps(g_script); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Long scripts add nothing the runner has not met in a short one.
    if (size > 4096) return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    g_script = DemoScript{};
    g_script.tool = "sheetscript_fuzz";
    // A shot step takes no picture here: the screen's writer is not under test.
    g_script.shot = [](const std::string&) { return true; };
    for (size_t at = 0; at <= input.size();) {
        size_t end = input.find('\n', at);
        if (end == std::string::npos) end = input.size();
        g_script.steps.push_back(input.substr(at, end - at));
        at = end + 1;
    }

    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    Kov_Ui_Reset();
    Mask_State_Reset();
    Mask_Engine_Reset();
    Mask_Hover_Reset();
    g_v = Values{};
    Kov_Ui_Set_Idle_Hook(next_step);

    MaskRecord mask;
    Mask_Init(&mask);
    std::snprintf(mask.title, sizeof mask.title, "%s", "Skript");
    mask.width = 320;
    mask.height = 240;
    MaskPage pages[2];
    Mask_Init_Pages(2, pages);
    std::snprintf(pages[0].label, sizeof pages[0].label, "%s", "Werte");
    pages[0].draw = draw_values;
    std::snprintf(pages[1].label, sizeof pages[1].label, "%s", "Weiter");
    pages[1].draw = draw_other;
    Mask_Edit_Registers(&mask, 2, pages);

    Kov_Ui_Set_Idle_Hook(nullptr);
    Mask_Hover_Reset();
    View_Area_Close_All();
    Kov_Ui_Sheets_Reset();
    if (g_script.next > g_script.steps.size()) {
        std::fprintf(stderr, "the runner went past the script's end\n");
        std::abort();
    }
    return 0;
}
