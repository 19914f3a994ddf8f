// Screen services drawn with the host library's px calls.
#include "hostenv/kovscreentools.h"

#include "hostenv/kovtools.h"
#include "platform/kovclock.h"
#include "platform/kovcp.h"
#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

const int kSlots = 6;
const int kDefaultZoomSteps = 10;
const int kDefaultZoomPause = 15;
const int kDefaultTolerance = 3;

struct ProgressSlot {
    int active = 0;
    int x = 0, y = 0, width = 0;
    int boxed = 0;
    int shown = 0;                    // length drawn so far in pixels
    double delay = 0.0;               // seconds after every change of length
    std::vector<unsigned char> below; // the screen under the box of a boxed bar
};

// The colours of the bars: five shades of blue from the edges to the middle
// and below, the frame's dark and light sides and the empty track.
struct ProgressColours {
    int c[5] = {0, 0, 0, 0, 0};
    int black = 0, light = 0, background = 0;
};

struct ScreenTools {
    ProgressSlot slots[kSlots];
    ProgressColours colours;
    std::vector<unsigned char> box;
    double deadline = 0.0; // milliseconds of the clock
    int clock_x = 0, clock_y = 0, clock_colour = 0, clock_frame = 0;
    double clock_deadline = 0.0;
    int zoom_steps = kDefaultZoomSteps;
    int zoom_pause = kDefaultZoomPause;
    int tolerance = kDefaultTolerance;
    KovScreenClockFct clock = nullptr;
};

ScreenTools g;

// Deadlines are kept in milliseconds, so that a step of 50 ms on a whole
// millisecond clock is never missed by a rounding of seconds.
double now_ms() { return double(g.clock ? g.clock() : Kov_Clock_Ms()); }

void take_colours()
{
    ProgressColours& c = g.colours;
    c.c[0] = Nearest_Color_Index(32, 96, 192);
    c.c[1] = Nearest_Color_Index(0, 127, 207);
    c.c[2] = Nearest_Color_Index(113, 175, 229);
    c.c[3] = Nearest_Color_Index(166, 202, 240);
    c.c[4] = Nearest_Color_Index(32, 64, 128);
    c.black = Nearest_Color_Index(0, 0, 0);
    c.light = Nearest_Color_Index(255, 251, 240);
    c.background = Nearest_Color_Index(235, 245, 225);
}

ProgressSlot* active_slot(unsigned slot)
{
    if (slot >= unsigned(kSlots) || !g.slots[slot].active) return nullptr;
    return &g.slots[slot];
}

// The length of a bar for the fraction: width x fraction cut to 0 .. width;
// a fraction that is no number (or an infinite product) gives 0 resp. width.
int bar_length(int width, double fraction)
{
    const double n = double(width) * fraction;
    if (!(n > 0.0)) return 0;
    if (n >= double(width)) return width;
    return int(n);
}

// The outline of a rectangle with every pixel drawn once, so that in the
// inverting mode a second drawing takes it away exactly.
void outline_once(int x1, int y1, int x2, int y2)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) {
        pxLine(x1, y1, x2, y2);
        return;
    }
    pxLine(x1, y1, x2, y1);
    pxLine(x1, y2, x2, y2);
    if (int64_t(y2) - int64_t(y1) >= 2) {
        pxLine(x1, y1 + 1, x1, y2 - 1);
        pxLine(x2, y1 + 1, x2, y2 - 1);
    }
}

// Positions and sizes far beyond any screen are cut, so that the corners
// computed from them cannot overflow.
const int kFar = 1 << 24;
int limited(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

int zoom_coordinate(int first, int second, int i, int steps)
{
    return int(double(first) + double(i) / (double(steps) + 1.0) * (double(second) - double(first)));
}

// The screen of the rectangle into a buffer of the caller's own, so that every
// keeper has its slot and a forgotten one leaves nothing behind.
std::vector<unsigned char> save_screen(int x1, int y1, int x2, int y2)
{
    const int size = pxQSvR(x1, y1, x2, y2);
    std::vector<unsigned char> buffer(size > 0 ? size_t(size) : 0);
    if (buffer.empty() || !pxSvRc(x1, y1, x2, y2, buffer.data(), size)) buffer.clear();
    return buffer;
}

void restore_screen(std::vector<unsigned char>& buffer)
{
    if (!buffer.empty()) pxStRc(buffer.data(), int(buffer.size()));
    buffer.clear();
    buffer.shrink_to_fit();
}

} // namespace

int Text_Width_Pixels(const char* s)
{
    if (!s) return 0;
    int extent[2] = {0, 0};
    pxQTxX(s, -1, extent);
    return extent[1] - extent[0];
}

// ---- progress bars -------------------------------------------------------------------

int Kov_Progress_Open(int x, int y, int width, int boxed)
{
    int slot = -1;
    for (int i = 0; i < kSlots && slot < 0; ++i)
        if (!g.slots[i].active) slot = i;
    if (slot < 0) return -1;
    x = limited(x, -kFar, kFar);
    y = limited(y, -kFar, kFar);
    width = limited(width, 0, kFar);
    ProgressSlot& s = g.slots[slot];
    s = ProgressSlot();
    s.active = 1;
    s.x = x;
    s.y = y;
    s.width = width;
    s.boxed = boxed;
    if (boxed) {
        s.below = save_screen(x - 10, y - 10, x + width + 20, y + 28);
        pxFgc(GetKOVColor(-1));
        pxRect(x - 10, y - 10, x + width + 20, y + 28);
        Draw_Prop_Sheet_Box(x - 10, y - 10, x + width + 10, y + 18);
    }
    take_colours();
    const ProgressColours& c = g.colours;
    pxFgc(c.background);
    pxRect(x, y, x + width, y + 7);
    pxFgc(c.black);
    pxLine(x - 1, y - 1, x + width, y - 1);
    pxLine(x - 1, y - 1, x - 1, y + 7);
    pxFgc(c.light);
    pxLine(x, y + 8, x + width + 1, y + 8);
    pxLine(x + width + 1, y, x + width + 1, y + 7);
    pxFlsh();
    return slot;
}

void Kov_Progress_Set(unsigned slot, double fraction)
{
    ProgressSlot* s = active_slot(slot);
    if (!s) return;
    const int n = bar_length(s->width, fraction);
    if (n == s->shown) return;
    const ProgressColours& c = g.colours;
    const int x = s->x, y = s->y;
    if (n > s->shown) {
        auto row = [&](int colour, int yy) {
            pxFgc(colour);
            pxLine(x + s->shown, yy, x + n, yy);
        };
        for (int i = 0; i < 3; ++i) {
            row(c.c[i], y + i);
            row(c.c[i], y + 6 - i);
        }
        row(c.c[3], y + 3);
        row(c.c[4], y + 7);
        pxFgc(c.black);
        pxLine(x + n, y, x + n, y + 7);
    } else {
        // The bar's end moves back to x + n: the cut part becomes empty track
        // and the end line goes where a bar grown to n has it.
        pxFgc(c.background);
        pxRect(x + n, y, x + s->shown, y + 7);
        if (n > 0) {
            pxFgc(c.black);
            pxLine(x + n, y, x + n, y + 7);
        }
    }
    s->shown = n;
    pxFlsh();
    if (s->delay > 0.0) {
        const double ms = s->delay * 1000.0;
        Kov_Tools_Sleep(ms >= 2e9 ? 2000000000 : int(ms + 0.5));
    }
}

void Kov_Progress_Set_Delay(unsigned slot, double seconds)
{
    if (ProgressSlot* s = active_slot(slot)) s->delay = std::isfinite(seconds) ? seconds : 0.0;
}

void Kov_Progress_Close(unsigned slot)
{
    ProgressSlot* s = active_slot(slot);
    if (!s) return;
    if (s->boxed) {
        restore_screen(s->below);
    } else {
        pxFgc(GetKOVColor(-1));
        pxRect(s->x - 1, s->y - 1, s->x + s->width + 1, s->y + 8);
    }
    pxFlsh();
    *s = ProgressSlot();
}

// ---- timer and sand clock --------------------------------------------------------------

void Kov_Timer_Set(double seconds) { g.deadline = now_ms() + seconds * 1000.0; }

int Kov_Timer_Expired() { return now_ms() >= g.deadline ? 1 : 0; }

void Kov_Sandclock_Init(int x, int y, int colour)
{
    g.clock_x = x;
    g.clock_y = y;
    g.clock_colour = colour;
    g.clock_frame = 0;
    g.clock_deadline = now_ms();
}

void Kov_Sandclock_Step()
{
    if (now_ms() < g.clock_deadline) return;
    const int x = g.clock_x, y = g.clock_y, k = g.clock_frame;
    pxFgc(g.clock_colour);
    pxRect(x, y, x + 31, y + 61);
    pxDrawPartialTransparentDIB("animsandclock.bmp", 31 * k, 0, -1, -1, x, y, x + 31, y + 61, 201, -1, 192, 192, 192);
    pxFlsh();
    g.clock_frame = (k + 1) % 12;
    g.clock_deadline = now_ms() + 50.0;
}

// ---- zoom and rubber band ----------------------------------------------------------------

void Kov_Set_Zoom(int steps, int pause)
{
    if (steps < 0) {
        g.zoom_steps = kDefaultZoomSteps;
        g.zoom_pause = kDefaultZoomPause;
        return;
    }
    g.zoom_steps = steps;
    g.zoom_pause = pause < 0 ? 0 : pause;
}

void Kov_Zoom_Rectangle(int x1, int y1, int x2, int y2, int X1, int Y1, int X2, int Y2)
{
    const int colour = pxQFgc();
    pxFgc(100);
    pxSBop(3);
    const int steps = g.zoom_steps;
    for (int i = 0; i <= steps; ++i) {
        const int a = zoom_coordinate(x1, X1, i, steps), b = zoom_coordinate(y1, Y1, i, steps);
        const int c = zoom_coordinate(x2, X2, i, steps), d = zoom_coordinate(y2, Y2, i, steps);
        outline_once(a, b, c, d);
        pxFlsh();
        Kov_Tools_Sleep(g.zoom_pause);
        outline_once(a, b, c, d);
    }
    pxFgc(colour);
    pxSBop(0);
    pxFlsh();
}

void Kov_Rubber_Band(int x0, int y0, int* x, int* y)
{
    Get_Mouse_Event();
    int cx = M_XPOS, cy = M_YPOS;
    // A release before any move leaves the first position as the answer.
    if (x) *x = cx;
    if (y) *y = cy;
    const int colour = pxQFgc();
    pxFgc(2);
    msVisi(-1);
    pxSBop(3);
    outline_once(x0, y0, cx, cy);
    pxFlsh();
    while (M_LEFT) {
        pxSBop(0);
        Get_Mouse_Event();
        pxSBop(3);
        const int mx = M_XPOS, my = M_YPOS;
        if (x) *x = mx;
        if (y) *y = my;
        if (mx != cx || my != cy) {
            outline_once(x0, y0, cx, cy);
            outline_once(x0, y0, mx, my);
            cx = mx;
            cy = my;
            pxFlsh();
        }
    }
    outline_once(x0, y0, cx, cy);
    pxSBop(0);
    pxFgc(colour);
    pxFlsh();
    msVisi(0);
}

// ---- hit test ------------------------------------------------------------------------------

void Kov_Set_Hit_Tolerance(int pixels) { g.tolerance = pixels; }

int Kov_Get_Hit_Tolerance() { return g.tolerance; }

int Kov_Hit_Line(int x1, int y1, int x2, int y2, int px, int py)
{
    // In doubles: screen coordinates far off the screen must not overflow.
    const double t = g.tolerance;
    const double ax = x1, ay = y1, bx = x2, by = y2, p = px, q = py;
    if (p < ax - t && p < bx - t) return 0;
    if (p > ax + t && p > bx + t) return 0;
    if (q < ay - t && q < by - t) return 0;
    if (q > ay + t && q > by + t) return 0;
    const double dx = bx - ax, dy = by - ay;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0.0) return 0;
    return std::fabs(dx * (q - ay) - dy * (p - ax)) / length <= t ? 1 : 0;
}

// ---- saved box, picture sheet, buttons ---------------------------------------------------------

void Kov_Save_Box(int x1, int y1, int x2, int y2)
{
    // A second save replaces the first, whose pixels are let go unrestored.
    g.box = save_screen(x1, y1, x2, y2);
    pxFgc(GetKOVColor(-1));
    pxRect(x1, y1, x2, y2);
    pxFlsh();
}

void Kov_Restore_Box()
{
    if (g.box.empty()) return;
    restore_screen(g.box);
    pxFlsh();
}

void Kov_Show_Picture(const char* title, const char* bitmap, int w, int h)
{
    const int kept = pxBuff(-1);
    w = limited(w, 0, kFar);
    h = limited(h, 0, kFar);
    const int x = NPIXEL_X / 2 - (w + 4) / 2;
    const int y = NPIXEL_Y / 2 - (h + 66) / 2;
    Define_Prop_Sheet(x, y, x + w + 3, y + h + 65, 1, 1, title, 1, 1);
    pxDrawDIB(bitmap, x + 2, y + 32, x + w + 1, y + h + 31, 0, 0);
    // One button of the default size (36 pixels wide, centred below the
    // picture) with a blank face: the blank is its text, no raster record.
    const int button = Add_Single_Button_to_PS(NPIXEL_X / 2 - 18, y + h + 37, 1, 1, " ", nullptr, 0);
    Change_Action_State_PS(button, 0);
    Reset_Button_Frame(button);
    Move_Mouse_Cursor_to_Button_of_PS(button, 10, 5);
    Activate_Prop_Sheet();
    pxBuff(kept);
    Edit_Prop_Sheet();
    Undefine_Prop_Sheet();
}

void Kov_Reset_Button(int button, int snap, const char* comment)
{
    Reset_Button_Frame(button);
    Change_Action_State_PS(button, 0);
    if (snap) Snap_Colored_Layout_of_Single_Button(button);
    if (comment) Set_Comment_to_Button_PS(button, comment);
}

// ---- stops and numbers ------------------------------------------------------------------------

void Kov_Out_Of_Memory_Stop()
{
    Init_Message();
    Fill_Message(cp850("Die Aktion erfordert eine Speicherkapazität, die"));
    Fill_Message(cp850("vom Rechner zur Zeit nicht zur Verfügung gestellt"));
    Fill_Message(cp850("wird. Die Sitzung muß leider abgebrochen werden."));
    Draw_Message();
    // A stop is a failure: the host and scripts must not take it for success.
    std::fflush(nullptr);
    std::exit(1);
}

int Kov_Sign(double v) { return v >= 0.0 ? 1 : -1; }

// ---- for tests ---------------------------------------------------------------------------------

KovScreenClockFct Kov_Screen_Set_Clock(KovScreenClockFct fct)
{
    KovScreenClockFct old = g.clock;
    g.clock = fct;
    return old;
}

void Kov_Screen_Tools_Reset()
{
    for (ProgressSlot& s : g.slots) s = ProgressSlot();
    g.box.clear();
    g.deadline = 0.0;
    g.clock_x = g.clock_y = g.clock_colour = g.clock_frame = 0;
    g.clock_deadline = 0.0;
    g.zoom_steps = kDefaultZoomSteps;
    g.zoom_pause = kDefaultZoomPause;
    g.tolerance = kDefaultTolerance;
    g.clock = nullptr;
}
