// The run of the gallery's families: a fresh start before each, the scripted
// user that takes their steps and hands each "shot" to the caller.
#include <functional>
#include <string>
#include <vector>

#include "platform/kovevent.h"
#include "platform/kovscreen.h"
#include "platform/kovscript.h"
#include "sheets/mask.h"
#include "sheets/maskdraw.h"
#include "sheets/maskhover.h"
#include "sheets/maskpicbtn.h"
#include "sheets/maskstate.h"
#include "sheets/rowtable.h"
#include "sheets/viewarea.h"
#include "tools/sheetgallery/gallery.h"
#include "tools/sheetscriptrun.h"

namespace gallery {
namespace {

DemoScript g_script;

void idle(const char*) { Demo_Run_Steps(g_script); }

// Back to the start of the run before each family: nothing of the last one
// shows or is remembered.
void fresh_start(bool scripted)
{
    View_Area_Close_All();
    Row_Table_Reset();
    Mask_Hover_Reset();
    Mask_State_Reset();
    Mask_Draw_Reset();
    Mask_Hints_Reset();
    Mask_Engine_Reset();
    if (scripted) {
        Kov_Script_Reset();
        Kov_Ui_Reset();
        Kov_Ui_Set_Idle_Hook(idle);
    }
}

// Escape leaves every mask of the gallery: the break code of the sheet is the
// cancel id, also in the modes without a cancel button.
void (*g_decorate)(int, int, int, int) = nullptr;
void escape_leaves(int x1, int y1, int x2, int y2)
{
    Set_Windows_Break_Button(100);
    if (g_decorate) g_decorate(x1, y1, x2, y2);
}

} // namespace

void script(const std::vector<std::string>& steps)
{
    g_script.steps = steps;
    g_script.next = 0;
}

int run_mask(MaskRecord* mask, int count, MaskPage* pages, const std::vector<std::string>& steps)
{
    script(steps);
    g_decorate = mask->decorate;
    mask->decorate = escape_leaves;
    const int r = Mask_Edit_Registers(mask, count, pages);
    mask->decorate = g_decorate;
    g_decorate = nullptr;
    return r;
}

void run_family(const Family& family, bool scripted, const std::function<bool(const std::string&)>& shot)
{
    fresh_start(scripted);
    g_script.tool = "sheetgallery";
    g_script.shot = shot;
    family.run();
}

} // namespace gallery
