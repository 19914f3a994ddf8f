// The sheet "Darstellungsoptionen": all annex rules, or the rules of one
// program of the program list.
#include "nad/pages/nadsheets.h"

#include <string>

#include "nad/nadprog.h"
#include "platform/kovcp.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"
#include "sheets/viewevent.h"

namespace {

const char* const kButtons = "NAD\\Buttons.bmp";

struct OptionsState {
    bool first = true;
    int cx = 0, cy = 0;
    int grey = 0;
    int key = 0;
};
OptionsState g_options;

void fill_choices(unsigned area, const ProgramList* programs)
{
    View_Area_Add_Radio_Button(area, 30, 20, "alle Regeln darstellen", 0x41003, BLACK_CI, 0, &NadRulesForProgram,
                               nullptr);
    View_Area_Add_Radio_Button(area, 30, 38, cp850("Darstellung optimieren für"), 0x41003, BLACK_CI, 1,
                               &NadRulesForProgram, nullptr);
    for (int i = 0; i < programs->count; ++i) {
        const ProgramEntry& e = programs->entries[i];
        const int y = 58 + 18 * i;
        View_Area_Add_Radio_Button(area, 50, y, e.name ? e.name : "", 0x11000, BLACK_CI, i, &NadRulesProgramIndex,
                                   &NadRulesForProgram);
        const std::string service = std::string("(") + (e.service ? e.service : "") + ")";
        View_Area_Add_Text(area, 120, y, service.c_str(), 0x41003, g_options.grey, 0);
    }
    if (programs->count == 0) NadRulesForProgram = 0;
}

} // namespace

void nadsheets_detail::Reset_Options_Sheet() { g_options = OptionsState(); }

int Nad_Display_Options_Sheet()
{
    Nad_Scan_Programs();
    const ProgramList* programs = Nad_Program_List();
    if (g_options.first) {
        g_options.cx = NPIXEL_X / 2;
        g_options.cy = NPIXEL_Y / 2;
        g_options.grey = Nearest_RGB_Color(150, 150, 150);
        g_options.key = Nearest_RGB_Color(255, 251, 240);
        g_options.first = false;
    }
    const int kept_for_program = NadRulesForProgram;
    const int kept_index = NadRulesProgramIndex;

    int h = 18 * programs->count + 130;
    if (h >= NPIXEL_Y - 59) h = NPIXEL_Y;
    int x1 = g_options.cx - 160, x2 = g_options.cx + 159;
    int y1 = g_options.cy - h / 2, y2 = y1 + h - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    g_options.cx = x1 + 160;
    g_options.cy = y1 + h / 2;

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, "Darstellungsoptionen", 12, 1);
    const int choice_escape = Add_Escape_Area_to_PS(x1 + 10, y1 + 39, x2 - 30, y2 - 35, 1, 1);
    Set_Escape_Area_to_MouseMoveEvent(choice_escape, 1);
    const int choice = View_Area_Open(x1 + 10, y1 + 39, x2 - 10, y2 - 35, 0, 1);
    const int button_escape = Add_Escape_Area_to_PS(x1 + 10, y2 - 29, x2 - 30, y2 - 5, 1, 2);
    Set_Escape_Area_to_MouseMoveEvent(button_escape, 1);
    const int buttons = View_Area_Open(x1 + 10, y2 - 28, x2 - 25, y2 - 7, 0, 0);
    if (buttons >= 0) View_Area_Set_Frameflag(unsigned(buttons), 0);
    Set_Windows_Break_Button(9);
    Activate_Prop_Sheet();
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    if (choice >= 0) {
        fill_choices(unsigned(choice), programs);
        View_Area_Show(unsigned(choice));
    } else if (programs->count == 0) {
        NadRulesForProgram = 0;
    }
    int result = 0;
    if (buttons >= 0) {
        const unsigned b = unsigned(buttons);
        View_Area_Add_Bitmap_Button(b, 240, 1, 20, 20, kButtons, 435, g_options.key, 0, "abbrechen", 1, &result,
                                    nullptr);
        View_Area_Add_Bitmap_Button(b, 262, 1, 20, 21, kButtons, 458, g_options.key, 0, "ok", 2, &result, nullptr);
        View_Area_Show(b);
    }

    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == 1) {
            if (choice >= 0) View_Area_Handle_Event(unsigned(choice));
        } else if (code == 2) {
            if (buttons >= 0 && View_Area_Handle_Event(unsigned(buttons)) && result != 0) break;
        } else if (code == 9) {
            break;
        }
    }
    g_options.cx += dx;
    g_options.cy += dy;
    if (choice >= 0) View_Area_Close(unsigned(choice));
    if (buttons >= 0) View_Area_Close(unsigned(buttons));
    Undefine_Prop_Sheet();

    if (result != 2) {
        NadRulesForProgram = kept_for_program;
        NadRulesProgramIndex = kept_index;
        return 0;
    }
    const bool one = NadRulesForProgram == 1 && NadRulesProgramIndex >= 0 && NadRulesProgramIndex < programs->count;
    NadCurrentApplication = one ? programs->entries[NadRulesProgramIndex].application_number : 0;
    NadShowAllRules = 1 - NadRulesForProgram;
    return 1;
}
