// The progress list: its own property sheet with one view area that is drawn
// anew after every change.
#include "sheets/progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/maskstate.h"
#include "sheets/scrgraph.h"
#include "sheets/viewarea.h"

namespace {

struct Step {
    int count;
    int maximum;
    char item[PROGRESS_TEXT_SIZE];
};

struct State {
    int enabled = 1;
    ProgressList* list = nullptr;
    Step steps[PROGRESS_STEPS] = {};
    int sheet = 0;   // 1 while the list's sheet is defined
    int area = -1;   // view area of the open sheet
    int width = 200; // content width the sheet was opened with
    int centre_known = 0;
    int cx = 0, cy = 0; // centre of the sheet, kept between openings
    int bar = 0;
    int background = 0;
};

State g;

bool valid_step(int step) { return step >= 0 && step < PROGRESS_STEPS; }

int step_count_of(const ProgressList* head) { return std::max(0, std::min(head->flag, int(PROGRESS_STEPS))); }

void copy_text(char* dst, const char* src) { std::snprintf(dst, PROGRESS_TEXT_SIZE, "%s", src); }

int text_width(const char* text, int font)
{
    Pop_RFont(font);
    const int w = pxQTxX(text, int(std::strlen(text)), nullptr);
    Push_RFont();
    return w;
}

void outline(unsigned area, int x1, int y1, int x2, int y2, int colour)
{
    View_Area_Add_Line(area, x1, y1, x2, y1, colour);
    View_Area_Add_Line(area, x2, y1, x2, y2, colour);
    View_Area_Add_Line(area, x2, y2, x1, y2, colour);
    View_Area_Add_Line(area, x1, y2, x1, y1, colour);
}

void draw_active(unsigned area, int i, int y, int W)
{
    const Step& s = g.steps[i];
    const int black = Nearest_RGB_Color(0, 0, 0);
    if (s.item[0] != '\0') {
        const int centre = int(std::lround((W - 60) / 2.0)) + 20;
        View_Area_Add_Text(area, centre - text_width(s.item, 0x1002) / 2, y, s.item, 0x1002, black, 0);
    }
    char counter[64];
    const bool maximal = g.list[1 + i].flag == 1;
    std::snprintf(counter, sizeof counter, maximal ? "%d von maximal %d" : "%d von %d", s.count, s.maximum);
    View_Area_Add_Text(area, W - 40, y, counter, 0, black, 1);
    View_Area_Add_Filled_Box(area, 20, y + 7, W - 40, y + 22, Nearest_RGB_Color(255, 255, 225));
    outline(area, 20, y + 7, W - 40, y + 22, black);
    // A count beyond the maximum fills the frame and no more; the counter
    // above still shows the true count.
    const int count = std::max(0, std::min(s.count, s.maximum));
    const int L = int(std::lround(double(W - 64) * count / s.maximum));
    for (int j = 0; j < 7; ++j) {
        const int colour = j == 0 ? g.bar : Mask_Lighten_Color(g.bar, 10.0 * j);
        View_Area_Add_Filled_Box(area, 22, y + 9 + j, L + 22, y + 20 - j, colour);
    }
}

void draw_inactive(unsigned area, int y, int W)
{
    View_Area_Add_Filled_Box(area, 22, y + 9, W - 42, y + 20, Nearest_RGB_Color(225, 225, 225));
    outline(area, 22, y + 9, W - 42, y + 20, Nearest_RGB_Color(80, 80, 80));
}

bool showing() { return g.list && g.enabled && g.area >= 0; }

void redraw()
{
    if (!showing()) return;
    const unsigned area = unsigned(g.area);
    View_Area_Clear(area);
    Mask_Set_Output_Area(g.area);
    View_Area_Set_Background(area, g.background);
    const int W = g.width;
    const int n = step_count_of(g.list);
    for (int i = 0; i < n; ++i) {
        const int y = 30 + 47 * i;
        const bool active = g.steps[i].maximum >= 1;
        const int name_colour = active ? Nearest_RGB_Color(0, 0, 0) : Nearest_RGB_Color(120, 120, 120);
        View_Area_Add_Text(area, 20, y, g.list[1 + i].text, 0x1000, name_colour, 0);
        if (active)
            draw_active(area, i, y, W);
        else
            draw_inactive(area, y, W);
    }
    View_Area_Set_Activity(area, 1);
    View_Area_Show(area);
}

} // namespace

void Progress_Enable(void) { g.enabled = 1; }

void Progress_Disable(void) { g.enabled = 0; }

void Progress_Init(ProgressList* list, int n)
{
    if (!list) return;
    n = std::max(0, std::min(n, int(PROGRESS_STEPS)));
    list[0].text[0] = '\0';
    list[0].second_text[0] = '\0';
    list[0].number = -1;
    list[0].flag = n;
    for (int i = 1; i <= n; ++i) {
        list[i].text[0] = '\0';
        list[i].second_text[0] = '\0';
        list[i].number = 0;
        list[i].flag = 0;
    }
}

void Progress_Open(ProgressList* list)
{
    if (!g.enabled || !list) return;
    // A second opening would leave the first sheet and its view area behind.
    if (g.sheet) Progress_Close();
    g.list = list;
    g.bar = Nearest_RGB_Color(0, 88, 176);
    g.background = Nearest_RGB_Color(233, 240, 245);
    for (int i = 0; i < PROGRESS_STEPS; ++i) {
        g.steps[i].maximum = list[1 + i].number;
        g.steps[i].count = 0;
        g.steps[i].item[0] = '\0';
    }
    if (!g.centre_known) {
        g.cx = NPIXEL_X / 2;
        g.cy = NPIXEL_Y / 2;
        g.centre_known = 1;
    }
    const int buffer = pxBuff(-1);
    const int h = std::min(step_count_of(list) * 48 + 31, NPIXEL_Y - 87);
    const int w = std::min(std::max(list[0].number, 200), NPIXEL_X - 44);
    g.width = w;
    int x1 = g.cx - (w + 14) / 2, y1 = g.cy - (h + 42) / 2;
    int x2 = x1 + w + 13, y2 = y1 + h + 41;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    g.cx = (x1 + x2) / 2;
    g.cy = (y1 + y2) / 2;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, list[0].text, 40, 1);
    g.sheet = 1;
    g.area = View_Area_Open(x1 + 14, y1 + 42, x2 - 14, y2 - 14, 0, 0);
    Activate_Prop_Sheet();
    pxBuff(buffer);
    // The steps show their names from the start, not only after the first change.
    redraw();
}

int Progress_Is_Open(void) { return g.list && g.enabled ? 1 : 0; }

void Progress_Set_Text(int step, const char* text)
{
    if (!valid_step(step) || !text) return;
    copy_text(g.steps[step].item, text);
    redraw();
}

void Progress_Set_Max(int step, int maximum)
{
    if (!valid_step(step)) return;
    g.steps[step].maximum = maximum;
    g.steps[step].count = 0;
    redraw();
}

void Progress_Step(int step)
{
    if (!valid_step(step)) return;
    if (g.steps[step].maximum > 0) ++g.steps[step].count;
    redraw();
}

void Progress_Step_Text(int step, const char* text)
{
    if (!valid_step(step)) return;
    if (text) copy_text(g.steps[step].item, text);
    Progress_Step(step);
}

void Progress_Set_Count(int step, int count)
{
    if (!valid_step(step)) return;
    if (g.steps[step].maximum > 0) g.steps[step].count = count;
    redraw();
}

void Progress_Deactivate_Step(int step)
{
    if (!valid_step(step)) return;
    g.steps[step].count = 0;
    g.steps[step].maximum = -1;
    redraw();
}

void Progress_Close(void)
{
    // The sheet goes also when the switch was turned off while it was open;
    // otherwise it would stay on the screen for good.
    if (g.sheet) {
        if (g.area >= 0) View_Area_Close(unsigned(g.area));
        Undefine_Prop_Sheet();
    }
    g.sheet = 0;
    g.area = -1;
    g.list = nullptr;
}

int Progress_Count(int step) { return valid_step(step) ? g.steps[step].count : 0; }

int Progress_Maximum(int step) { return valid_step(step) ? g.steps[step].maximum : 0; }

int Progress_View_Area(void) { return g.area; }

void Progress_Reset(void) { g = State(); }
