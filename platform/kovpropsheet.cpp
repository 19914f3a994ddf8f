// Property sheets of the host's user-interface library on the screen stand-in.
//
// Edit_Prop_Sheet returns the id of an active button pressed and released over
// it, of a register member clicked, of an escape area pressed in (or, with
// mouse-move events, moved over), the click-outside code, or the OK/Break code
// for Enter/Escape. Sliders, the wheel over a scrollable area and dragging by
// the title bar are handled inside, and so is editing a float field (which in
// the automatic mode returns the field's id after a change). Buttons, sliders,
// register members and float fields go before escape areas, later escape
// areas before earlier ones. Without input it answers like
// Escape: the Break code, else an active Break button, else the click-outside
// code, else the OK code, else an OK button, else the only button; a sheet
// that nothing can end stops the process (see "platform/kovevent.h").
#include "platform/kovpropsheet.h"

#include "platform/kovedit.h"
#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovscreen.h"
#include "platform/kovscreen_p.h"
#include "platform/kovscript.h"
#include "platform/kovsheet.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

// Width, height and kind of the symbolic rasters (kind: 1 OK, 2 Break, 3 More).
extern "C" {
const int SYMBOLIC_OK_RASTER[4] = {36, 24, 1, 0};
const int SYMBOLIC_BREAK_RASTER[4] = {36, 24, 2, 0};
const int SYMBOLIC_MORE_RASTER[4] = {36, 24, 3, 0};
}

namespace {

const int kNone = INT_MIN;
const int kSlider = 17; // width of a slider strip
const int kTitle = 24;  // bottom of the title bar below the sheet's top
const int kMaxSheets = 32;

enum Kind { BUTTON, HELP, ESCAPE, REGISTER, MEMBER, AREA, VSLIDER, HSLIDER, FLOAT };
enum Symbol { SYM_TEXT = 0, SYM_OK = 1, SYM_BREAK = 2, SYM_MORE = 3 };

struct Element {
    int handle = 0;
    Kind kind = BUTTON;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int id = 0;
    int state = 1;
    bool visible = true;
    int action = 0;
    int symbol = SYM_TEXT;
    std::string text, comment, key;
    bool mouse_move = false;
    QImage face;
    // register and members
    int bar_bottom = 0, selected = 0, number = 0, reg = 0;
    bool page_set = false; // the register knows its page: the selected tab joins it
    int page_left = 0, page_top = 0, page_right = 0, page_colour = 0;
    // scrollable area and sliders
    KovScrollDrawFct draw = nullptr;
    void* record = nullptr;
    int content_w = 0, content_h = 0, sx = 0, sy = 0, step_x = 10, step_y = 10;
    int frame = 0, vslider = 0, hslider = 0, area = 0, step = 10;
    // float field
    double* value = nullptr;
    std::string format, shown;
    int chars = 1;
    bool stepped = false;
    double vmin = 0, vstep = 0, vmax = 0;
};

struct Sheet {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool frame = false;
    std::string title;
    QImage below;
    int bx = 0, by = 0;
    int dx = 0, dy = 0;
    int* px = nullptr;
    int* py = nullptr;
    std::vector<Element> elements;
    int ok = kNone, brk = kNone, outside = kNone;
    bool active = false;
    KovCallAllwaysFct call = nullptr;
    bool call_on = false;
    bool float_auto = false; // an edit that changes a float field ends the wait
    int tip = 0;             // the button whose tooltip is shown
    QImage tip_below;
    int tip_x = 0, tip_y = 0;
};

struct Sheets {
    std::deque<Sheet> stack; // a callback may define a sheet while one waits
    int next_handle = 1;
    bool no_frame_next = false;
    std::array<int, 4> base = {0, 0, 0, 0};
    std::array<int, 4> min_max = {0, 0, 0, 0};
};

Sheets& sheets()
{
    static Sheets* s = new Sheets;
    return *s;
}

Sheet* top()
{
    Sheets& s = sheets();
    return s.stack.empty() ? nullptr : &s.stack.back();
}

int new_handle()
{
    Sheets& s = sheets();
    int h = s.next_handle++;
    if (h == 9999) h = s.next_handle++;
    if (s.next_handle <= 0) s.next_handle = 1;
    return h;
}

Element* find(int handle)
{
    Sheets& s = sheets();
    for (auto it = s.stack.rbegin(); it != s.stack.rend(); ++it)
        for (Element& e : it->elements)
            if (e.handle == handle) return &e;
    return nullptr;
}

Sheet* sheet_of(int handle)
{
    Sheets& s = sheets();
    for (auto it = s.stack.rbegin(); it != s.stack.rend(); ++it)
        for (Element& e : it->elements)
            if (e.handle == handle) return &*it;
    return nullptr;
}

bool inside(const Element& e, int x, int y) { return x >= e.x1 && x <= e.x2 && y >= e.y1 && y <= e.y2; }

// Grows the screen copy kept below the sheet to take in a rectangle: a
// button or field may reach past the sheet's frame, and closing or moving
// the sheet must give back every pixel it drew, not only its own rectangle.
void keep_below(Sheet& s, int x1, int y1, int x2, int y2)
{
    const int ox2 = s.bx + s.below.width() - 1, oy2 = s.by + s.below.height() - 1;
    if (x1 >= s.bx && y1 >= s.by && x2 <= ox2 && y2 <= oy2) return;
    const int nx1 = std::min(x1, s.bx), ny1 = std::min(y1, s.by);
    const int nx2 = std::max(x2, ox2), ny2 = std::max(y2, oy2);
    QImage grown = kovscreen::copy_region(nx1, ny1, nx2 - nx1 + 1, ny2 - ny1 + 1);
    if (grown.isNull()) return;
    grown = grown.convertToFormat(QImage::Format_RGB32);
    const QImage old = s.below.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < old.height(); ++y)
        std::memcpy(reinterpret_cast<uint32_t*>(grown.scanLine(y + s.by - ny1)) + (s.bx - nx1), old.constScanLine(y),
                    size_t(old.width()) * 4);
    s.below = grown;
    s.bx = nx1;
    s.by = ny1;
}

int add(Element e)
{
    Sheet* s = top();
    if (!s) return -1;
    if (e.visible && e.kind != ESCAPE && e.kind != MEMBER) keep_below(*s, e.x1, e.y1, e.x2, e.y2);
    e.handle = new_handle();
    s->elements.push_back(e);
    return e.handle;
}

// ---- drawing -------------------------------------------------------------------

// Draws with the callers' drawing state kept.
struct Plain {
    kovscreen::DrawState keep;
    Plain() : keep(kovscreen::push_plain_state()) {}
    ~Plain() { kovscreen::pop_state(keep); }
};

void frame3d(int x1, int y1, int x2, int y2, int light, int dark)
{
    pxFgc(light);
    pxLine(x1, y1, x2 - 1, y1);
    pxLine(x1, y1 + 1, x1, y2 - 1);
    pxFgc(dark);
    pxLine(x1, y2, x2, y2);
    pxLine(x2, y1, x2, y2 - 1);
}

void funny_area(int style, int x1, int y1, int x2, int y2)
{
    switch (style) {
        case 1: // sunken
            frame3d(x1, y1, x2, y2, -4, -3);
            break;
        case 2: // raised
            frame3d(x1, y1, x2, y2, -3, -5);
            frame3d(x1 + 1, y1 + 1, x2 - 1, y2 - 1, -1, -4);
            break;
        case 3: // etched groove
            frame3d(x1, y1, x2 - 1, y2 - 1, -4, -4);
            frame3d(x1 + 1, y1 + 1, x2, y2, -3, -3);
            break;
        default: // sunken white field
            pxFgc(WHITE_CI);
            pxRect(x1 + 2, y1 + 2, x2 - 2, y2 - 2);
            frame3d(x1, y1, x2, y2, -4, -3);
            frame3d(x1 + 1, y1 + 1, x2 - 1, y2 - 1, -5, -1);
            break;
    }
}

void draw_symbol(const Element& b, bool grey, int shift)
{
    const int cx = (b.x1 + b.x2) / 2 + shift, cy = (b.y1 + b.y2) / 2 + shift;
    switch (b.symbol) {
        case SYM_OK:
            pxFgc(grey ? -10 : 0x008000);
            pxTkLn(cx - 8, cy, cx - 3, cy + 6, 3);
            pxTkLn(cx - 3, cy + 6, cx + 8, cy - 6, 3);
            break;
        case SYM_BREAK:
            pxFgc(grey ? -10 : 0xC00000);
            pxTkLn(cx - 6, cy - 6, cx + 6, cy + 6, 3);
            pxTkLn(cx - 6, cy + 6, cx + 6, cy - 6, 3);
            break;
        case SYM_MORE:
            pxFgc(grey ? -10 : 0);
            for (int k = -1; k <= 1; ++k) pxRect(cx + 6 * k - 1, cy + 2, cx + 6 * k + 1, cy + 4);
            break;
        default:
            if (b.text.empty()) break;
            pxFgc(grey ? -10 : 0);
            Pop_RFont(0x1000);
            pxBTxt(b.x1 + shift, b.y1 + shift, b.x2 + shift, b.y2 + shift, b.text.c_str(), -1, 0xC0 + 2 + 0x10);
            Push_RFont();
            break;
    }
}

void clear_element(const Sheet& s, const Element& e)
{
    if (!e.face.isNull()) {
        kovscreen::paste_region(e.face, e.x1, e.y1);
        return;
    }
    pxFgc(s.frame ? -1 : GetKOVColor(-1));
    pxRect(e.x1, e.y1, e.x2, e.y2);
}

void draw_button(const Sheet& s, const Element& b, bool pressed)
{
    if (!b.visible) return;
    clear_element(s, b);
    if (b.state < 0) return;
    if (b.face.isNull()) {
        pxFgc(BUTTON_CI);
        pxRect(b.x1 + 1, b.y1 + 1, b.x2 - 1, b.y2 - 1);
    }
    if (pressed || b.action)
        frame3d(b.x1, b.y1, b.x2, b.y2, -5, -3);
    else
        funny_area(2, b.x1, b.y1, b.x2, b.y2);
    draw_symbol(b, b.state == 0, pressed ? 1 : 0);
}

// Pixels of the colour from inside the rectangle take the other colour; the
// labels drawn on a tab keep theirs.
void recolour(int x1, int y1, int x2, int y2, uint32_t from, uint32_t to)
{
    kovscreen::State& st = kovscreen::state();
    kovscreen::ensure_screen(st);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, st.screen.width() - 1);
    y2 = std::min(y2, st.screen.height() - 1);
    for (int y = y1; y <= y2; ++y) {
        uint32_t* line = reinterpret_cast<uint32_t*>(st.screen.scanLine(y));
        for (int x = x1; x <= x2; ++x)
            if ((line[x] & 0xFFFFFFu) == from) line[x] = 0xFF000000u | to;
    }
}

void draw_register(const Sheet& s, const Element& r)
{
    const uint32_t bar = kovscreen::rgb_of(-1);
    const uint32_t page = r.page_set ? kovscreen::rgb_of(r.page_colour) : bar;
    for (const Element& m : s.elements) {
        if (m.kind != MEMBER || m.reg != r.handle || m.state == 0 || m.x1 >= m.x2) continue;
        const bool sel = m.number == r.selected;
        const int top = r.y1 + (sel ? 0 : 3);
        if (r.page_set && page != bar) {
            // The selected tab in the page's colour, open down into the page;
            // the others in the bar's colour above the page's top edge.
            // Below the bar only over the page (its frame one pixel outside).
            const int jx1 = std::max(m.x1, r.page_left - 1), jx2 = std::min(m.x2, r.page_right + 1);
            if (sel) {
                recolour(m.x1 + 1, r.y1 + 1, m.x2 - 1, r.bar_bottom, bar, page);
                pxFgc(r.page_colour);
                pxRect(m.x1 + 1, r.bar_bottom, m.x2 - 1, r.bar_bottom);
                if (jx1 < jx2) {
                    pxRect(jx1 + 1, r.bar_bottom, jx2 - 1, r.page_top);
                    pxFgc(-3);
                    pxLine(jx1, r.bar_bottom, jx1, r.page_top - 1);
                    pxFgc(-5);
                    pxLine(jx2, r.bar_bottom, jx2, r.page_top - 1);
                }
            } else {
                recolour(m.x1 + 1, r.y1, m.x2 - 1, r.bar_bottom - 1, page, bar);
                pxFgc(-1);
                pxRect(m.x1 + 1, r.y1, m.x2 - 1, top - 1);
                if (jx1 < jx2) {
                    pxRect(jx1, r.bar_bottom + 1, jx2, r.page_top - 2);
                    pxFgc(-4);
                    pxLine(jx1, r.page_top - 1, jx2, r.page_top - 1);
                }
            }
        }
        pxFgc(-3);
        pxLine(m.x1, r.bar_bottom, m.x1, top);
        pxLine(m.x1, top, m.x2, top);
        pxFgc(-5);
        pxLine(m.x2, top, m.x2, r.bar_bottom);
        if (!sel) {
            pxFgc(-3);
            pxLine(m.x1 + 1, r.bar_bottom, m.x2 - 1, r.bar_bottom);
        } else if (!r.page_set || page == bar) {
            pxFgc(-1);
            pxLine(m.x1 + 1, r.bar_bottom, m.x2 - 1, r.bar_bottom);
        }
    }
}

void draw_slider(const Element& sl, const Element& a)
{
    pxFgc(0xE0E0E0);
    pxRect(sl.x1, sl.y1, sl.x2, sl.y2);
    if (sl.state < 0) return;
    const bool vertical = sl.kind == VSLIDER;
    const int len = vertical ? sl.y2 - sl.y1 + 1 : sl.x2 - sl.x1 + 1;
    const int track = std::max(1, len - 2 * kSlider);
    const int visible = vertical ? a.y2 - a.y1 : a.x2 - a.x1;
    const int content = vertical ? a.content_h : a.content_w;
    const int pos = vertical ? a.sy : a.sx;
    int tl = content > 0 ? int(int64_t(track) * std::min(visible, content) / content) : track;
    tl = std::max(8, std::min(track, tl));
    const int range = std::max(1, content - visible);
    const int tp = int(int64_t(track - tl) * std::min(pos, range) / range);
    const int colour = sl.state == 0 ? -10 : 0;
    if (vertical) {
        funny_area(2, sl.x1, sl.y1, sl.x2, sl.y1 + kSlider - 1);
        funny_area(2, sl.x1, sl.y2 - kSlider + 1, sl.x2, sl.y2);
        funny_area(2, sl.x1, sl.y1 + kSlider + tp, sl.x2, sl.y1 + kSlider + tp + tl - 1);
        pxFgc(colour);
        const int cx = (sl.x1 + sl.x2) / 2;
        const int up[] = {cx - 4, cx + 4, cx}, upy[] = {sl.y1 + 10, sl.y1 + 10, sl.y1 + 6};
        pxFill(3, up, upy);
        const int dn[] = {cx - 4, cx + 4, cx}, dny[] = {sl.y2 - 10, sl.y2 - 10, sl.y2 - 6};
        pxFill(3, dn, dny);
    } else {
        funny_area(2, sl.x1, sl.y1, sl.x1 + kSlider - 1, sl.y2);
        funny_area(2, sl.x2 - kSlider + 1, sl.y1, sl.x2, sl.y2);
        funny_area(2, sl.x1 + kSlider + tp, sl.y1, sl.x1 + kSlider + tp + tl - 1, sl.y2);
        pxFgc(colour);
        const int cy = (sl.y1 + sl.y2) / 2;
        const int lx[] = {sl.x1 + 10, sl.x1 + 10, sl.x1 + 6}, ly[] = {cy - 4, cy + 4, cy};
        pxFill(3, lx, ly);
        const int rx[] = {sl.x2 - 10, sl.x2 - 10, sl.x2 - 6}, ry[] = {cy - 4, cy + 4, cy};
        pxFill(3, rx, ry);
    }
}

// Paints a scrollable area through its callback, then its sliders.
void paint_area(Sheet& s, Element& a)
{
    if (!s.active || a.state < 0) return;
    if (a.draw) {
        a.draw(a.handle, a.sx, a.sy, a.x1, a.y1, a.x2, a.y2, a.record);
    }
    Plain p;
    if (a.frame) funny_area(1, a.x1 - 1, a.y1 - 1, a.x2 + 1, a.y2 + 1);
    for (const Element& e : s.elements)
        if ((e.kind == VSLIDER || e.kind == HSLIDER) && e.area == a.handle) draw_slider(e, a);
    // Buttons are windows of their own in the host: an area painted below one
    // leaves it showing (a full-screen mask has its "Weiter" inside its page).
    const int ax2 = a.x2 + (a.vslider ? kSlider : 0), ay2 = a.y2 + (a.hslider ? kSlider : 0);
    for (const Element& b : s.elements)
        if ((b.kind == BUTTON || b.kind == HELP) && b.x1 <= ax2 && b.x2 >= a.x1 && b.y1 <= ay2 && b.y2 >= a.y1)
            draw_button(s, b, false);
    // A page's frame drawn again crosses the tab joined to the page.
    for (const Element& r : s.elements)
        if (r.kind == REGISTER && r.page_set && r.page_top - 1 <= a.y2 && r.page_top + 1 >= a.y1 - 1 &&
            r.x1 <= a.x2 + 1 && r.x2 >= a.x1 - 1)
            draw_register(s, r);
}

// The text a float field shows: its value in the format; one that does not fit
// the field's characters shows '#' rather than a cut number.
std::string float_text(const Element& f)
{
    char buf[512];
    Kov_Format_Float(f.format.c_str(), *f.value, buf, int(sizeof buf));
    std::string t = buf;
    if (int(t.size()) > f.chars) {
        const size_t a = t.find_first_not_of(' ');
        t = a == std::string::npos ? std::string() : t.substr(a);
    }
    if (int(t.size()) > f.chars) t.assign(size_t(f.chars), '#');
    return t;
}

void draw_float(const Sheet& s, Element& f)
{
    f.shown = float_text(f);
    if (!f.visible) return;
    if (f.state < 0) {
        clear_element(s, f);
        return;
    }
    if (f.state == 1) {
        funny_area(4, f.x1, f.y1, f.x2, f.y2);
    } else {
        pxFgc(-1);
        pxRect(f.x1, f.y1, f.x2, f.y2);
        frame3d(f.x1, f.y1, f.x2, f.y2, -4, -3);
    }
    pxFgc(f.state == 1 ? BLACK_CI : -10);
    Pop_RFont(0x1000);
    pxText(f.x1 + 8, f.y1 + 14, f.shown.c_str(), -1);
    Push_RFont();
}

void clamp_float(Element& f)
{
    if (!f.stepped) return;
    if (*f.value < f.vmin) *f.value = f.vmin;
    if (*f.value > f.vmax) *f.value = f.vmax;
}

void draw_element(Sheet& s, Element& e)
{
    if (!s.active) return;
    if (e.kind == AREA) {
        paint_area(s, e);
        return;
    }
    Plain p;
    switch (e.kind) {
        case BUTTON:
        case HELP: draw_button(s, e, false); break;
        case FLOAT: draw_float(s, e); break;
        case REGISTER: draw_register(s, e); break;
        case MEMBER: {
            for (Element& r : s.elements)
                if (r.kind == REGISTER && r.handle == e.reg) draw_register(s, r);
            break;
        }
        case VSLIDER:
        case HSLIDER: {
            for (Element& a : s.elements)
                if (a.kind == AREA && a.handle == e.area) draw_slider(e, a);
            break;
        }
        default: break;
    }
}

void draw_body(const Sheet& s)
{
    if (!s.frame) return;
    Plain p;
    pxFgc(-1);
    pxRect(s.x1, s.y1, s.x2, s.y2);
    frame3d(s.x1, s.y1, s.x2, s.y2, -1, -5);
    frame3d(s.x1 + 1, s.y1 + 1, s.x2 - 1, s.y2 - 1, -3, -4);
    pxFgc(-7);
    pxRect(s.x1 + 3, s.y1 + 3, s.x2 - 3, s.y1 + kTitle);
    if (!s.title.empty()) {
        pxView(s.x1 + 3, s.y1 + 3, s.x2 - 3, s.y1 + kTitle);
        pxFgc(-8);
        Pop_RFont(0x11000);
        pxText(s.x1 + 10, s.y1 + 18, s.title.c_str(), -1);
        Push_RFont();
        pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    }
}

// ---- moving the sheet ---------------------------------------------------------------

void move_sheet(Sheet& s, int ddx, int ddy)
{
    // Kept on the screen by at least its title bar.
    ddx = std::max(ddx, -s.x2 + 40);
    ddx = std::min(ddx, NPIXEL_X - 40 - s.x1);
    ddy = std::max(ddy, -s.y1);
    ddy = std::min(ddy, NPIXEL_Y - kTitle - s.y1);
    if (!ddx && !ddy) return;
    // Everything the sheet covers moves, its elements past the frame too.
    const int w = s.below.width(), h = s.below.height();
    const QImage pixels = kovscreen::copy_region(s.bx, s.by, w, h);
    kovscreen::paste_region(s.below, s.bx, s.by);
    s.x1 += ddx;
    s.x2 += ddx;
    s.y1 += ddy;
    s.y2 += ddy;
    s.bx += ddx;
    s.by += ddy;
    s.below = kovscreen::copy_region(s.bx, s.by, w, h);
    kovscreen::paste_region(pixels, s.bx, s.by);
    for (Element& e : s.elements) {
        e.x1 += ddx;
        e.x2 += ddx;
        e.y1 += ddy;
        e.y2 += ddy;
        if (e.kind == REGISTER) {
            e.bar_bottom += ddy;
            e.page_top += ddy;
            e.page_left += ddx;
            e.page_right += ddx;
        }
    }
    s.dx += ddx;
    s.dy += ddy;
    if (s.px) *s.px = s.dx;
    if (s.py) *s.py = s.dy;
    pxFlsh();
}

// ---- scrolling -------------------------------------------------------------------------

void clamp_scroll(Element& a)
{
    const int mx = std::max(0, a.content_w - (a.x2 - a.x1));
    const int my = std::max(0, a.content_h - (a.y2 - a.y1));
    a.sx = std::max(0, std::min(a.sx, mx));
    a.sy = std::max(0, std::min(a.sy, my));
}

void scroll_to(Sheet& s, Element& a, int sx, int sy)
{
    const int ox = a.sx, oy = a.sy;
    a.sx = sx;
    a.sy = sy;
    clamp_scroll(a);
    if (a.sx != ox || a.sy != oy) {
        paint_area(s, a);
        pxFlsh();
    }
}

Element* area_of(Sheet& s, int handle)
{
    for (Element& e : s.elements)
        if (e.kind == AREA && e.handle == handle) return &e;
    return nullptr;
}

// A press on a slider: arrows step, the track pages, the thumb follows the mouse.
void slider_press(Sheet& s, Element& sl)
{
    Element* a = area_of(s, sl.area);
    if (!a) return;
    const bool vertical = sl.kind == VSLIDER;
    const int pos = vertical ? M_YPOS : M_XPOS;
    const int lo = vertical ? sl.y1 : sl.x1, hi = vertical ? sl.y2 : sl.x2;
    const int visible = vertical ? a->y2 - a->y1 : a->x2 - a->x1;
    const int content = vertical ? a->content_h : a->content_w;
    const int cur = vertical ? a->sy : a->sx;
    auto set = [&](int v) {
        if (vertical)
            scroll_to(s, *a, a->sx, v);
        else
            scroll_to(s, *a, v, a->sy);
    };
    if (pos < lo + kSlider) {
        set(cur - sl.step);
        return;
    }
    if (pos > hi - kSlider) {
        set(cur + sl.step);
        return;
    }
    const int track = std::max(1, hi - lo + 1 - 2 * kSlider);
    int tl = content > 0 ? int(int64_t(track) * std::min(visible, content) / content) : track;
    tl = std::max(8, std::min(track, tl));
    const int range = std::max(1, content - visible);
    const int tp = lo + kSlider + int(int64_t(track - tl) * std::min(cur, range) / range);
    if (pos < tp) {
        set(cur - visible);
    } else if (pos >= tp + tl) {
        set(cur + visible);
    } else if (track > tl) {
        // The thumb follows the mouse until the button is released.
        const int grip = pos - tp;
        while (M_LEFT) {
            Get_Mouse_Event();
            if (Kov_Ui_Last_Answer_Exhausted()) break;
            const int p = (vertical ? M_YPOS : M_XPOS) - grip - lo - kSlider;
            set(int(int64_t(p) * range / (track - tl)));
        }
    }
}

// ---- answers ------------------------------------------------------------------------------

int raster_button(const Sheet& s, int symbol)
{
    for (const Element& e : s.elements)
        if (e.kind == BUTTON && e.visible && e.state == 1 && e.symbol == symbol) return e.id;
    return kNone;
}

int escape_answer(const Sheet& s)
{
    if (s.brk != kNone) return s.brk;
    int v = raster_button(s, SYM_BREAK);
    if (v != kNone) return v;
    if (s.outside != kNone) return s.outside;
    if (s.ok != kNone) return s.ok;
    v = raster_button(s, SYM_OK);
    if (v != kNone) return v;
    int only = kNone, count = 0;
    for (const Element& e : s.elements)
        if (e.kind == BUTTON && e.visible && e.state == 1) {
            only = e.id;
            ++count;
        }
    return count == 1 ? only : kNone;
}

// Esc and Enter; other keys are dropped.
int key_answer(const Sheet& s, int key)
{
    if (key == 27) return s.brk != kNone ? s.brk : raster_button(s, SYM_BREAK);
    if (key == 13) return s.ok != kNone ? s.ok : raster_button(s, SYM_OK);
    return kNone;
}

// A pressed button: 1 when released over it.
bool track_button(Sheet& s, Element& b)
{
    {
        Plain p;
        draw_button(s, b, true);
    }
    pxFlsh();
    bool over = true;
    while (M_LEFT) {
        Get_Mouse_Event();
        over = inside(b, M_XPOS, M_YPOS);
        if (Kov_Ui_Last_Answer_Exhausted()) break;
    }
    {
        Plain p;
        draw_button(s, b, false);
    }
    pxFlsh();
    return over && !Kov_Ui_Last_Answer_Exhausted();
}

void hide_tip(Sheet& s)
{
    if (!s.tip) return;
    kovscreen::paste_region(s.tip_below, s.tip_x, s.tip_y);
    s.tip = 0;
    s.tip_below = QImage();
    pxFlsh();
}

// The comment of the button under the mouse in a box below it.
void show_tip(Sheet& s, int x, int y)
{
    const Element* over = nullptr;
    for (const Element& e : s.elements)
        if ((e.kind == BUTTON || e.kind == HELP) && e.visible && e.state >= 0 && !e.comment.empty() && inside(e, x, y))
            over = &e;
    if (over && over->handle == s.tip) return;
    hide_tip(s);
    if (!over) return;
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t nl = over->comment.find('\n', start);
        lines.push_back(over->comment.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    size_t longest = 0;
    for (const std::string& l : lines) longest = std::max(longest, l.size());
    const int w = int(std::min<size_t>(longest, 120)) * 8 + 10, h = int(lines.size()) * 13 + 5;
    int bx = over->x1, by = over->y2 + 5;
    bx = std::max(0, std::min(bx, NPIXEL_X - w - 1));
    if (by + h >= NPIXEL_Y) by = over->y1 - 5 - h;
    s.tip = over->handle;
    s.tip_x = bx;
    s.tip_y = by;
    s.tip_below = kovscreen::copy_region(bx, by, w + 1, h + 1);
    Plain p;
    pxFgc(Nearest_RGB_Color(255, 255, 225));
    pxRect(bx, by, bx + w, by + h);
    pxFgc(BLACK_CI);
    pxLine(bx, by, bx + w, by);
    pxLine(bx + w, by, bx + w, by + h);
    pxLine(bx + w, by + h, bx, by + h);
    pxLine(bx, by + h, bx, by);
    Pop_RFont(0x1000);
    for (size_t i = 0; i < lines.size(); ++i) pxText(bx + 5, by + 13 * int(i + 1), lines[i].c_str(), -1);
    Push_RFont();
    pxFlsh();
}

// Float fields whose value the caller changed since they were drawn.
void refresh_floats(Sheet& s)
{
    if (!s.active) return;
    bool any = false;
    for (Element& f : s.elements) {
        if (f.kind != FLOAT || float_text(f) == f.shown) continue;
        Plain p;
        draw_float(s, f);
        any = true;
    }
    if (any) pxFlsh();
}

// Redraws a float field after its value changed; its id when the sheet's
// automatic mode reports the change, kNone otherwise.
int float_changed(Sheet& s, Element& f, double old)
{
    clamp_float(f);
    {
        Plain p;
        draw_float(s, f);
    }
    pxFlsh();
    if (s.float_auto && *f.value != old) return f.id;
    return kNone;
}

// A click into a float field: the short editor over it. Up and Down step a
// stepped field that the typing left as it was.
int edit_float(Sheet& s, Element& f)
{
    const double old = *f.value;
    Short_Edit_Float(f.x1, f.y1, f.format.c_str(), f.value);
    const int key = Short_Edit_Last_Key();
    if (f.stepped && *f.value == old) {
        if (key == 328) *f.value += f.vstep;
        if (key == 336) *f.value -= f.vstep;
    }
    return float_changed(s, f, old);
}

int log_result(int r)
{
    // The caller draws next: no tooltip may stay behind over its drawing.
    if (Sheet* s = top()) hide_tip(*s);
    Kov_Script_Log("Edit_Prop_Sheet -> %d", r);
    return r;
}

} // namespace

extern "C" {

void Define_Prop_Sheet(int x1, int y1, int x2, int y2, int frame, int a, const char* title, int reserve, int b)
{
    Kov_Script_Log("Define_Prop_Sheet %d %d %d %d %d %d %s %d %d", x1, y1, x2, y2, frame, a, title ? title : "",
                   reserve, b);
    Sheets& ss = sheets();
    if (int(ss.stack.size()) >= kMaxSheets) return;
    Sheet s;
    s.x1 = std::min(x1, x2);
    s.y1 = std::min(y1, y2);
    s.x2 = std::max(x1, x2);
    s.y2 = std::max(y1, y2);
    s.frame = frame != 0 && !ss.no_frame_next;
    ss.no_frame_next = false;
    s.title = title ? title : "";
    s.bx = s.x1;
    s.by = s.y1;
    s.below = kovscreen::copy_region(s.x1, s.y1, s.x2 - s.x1 + 1, s.y2 - s.y1 + 1);
    ss.stack.push_back(s);
    draw_body(ss.stack.back());
}

void Check_Prop_Sheet_Frames(int* x1, int* y1, int* x2, int* y2)
{
    if (!x1 || !y1 || !x2 || !y2) return;
    auto fit = [](int* a, int* b, int size) {
        if (*a > *b) std::swap(*a, *b);
        if (*b > size - 1) {
            *a -= *b - (size - 1);
            *b = size - 1;
        }
        if (*a < 0) {
            *b = std::min(size - 1, *b - *a);
            *a = 0;
        }
    };
    fit(x1, x2, NPIXEL_X);
    fit(y1, y2, NPIXEL_Y);
}

void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("Set_Prop_Sheet_Screen_Base %d %d %d %d", x1, y1, x2, y2);
    sheets().base = {x1, y1, x2, y2};
}

void Set_NoFrameFlag_to_Next_PropSheet(void)
{
    Kov_Script_Log("Set_NoFrameFlag_to_Next_PropSheet");
    sheets().no_frame_next = true;
}

void KOVSetMinMaxSize(int min_w, int min_h, int max_w, int max_h)
{
    Kov_Script_Log("KOVSetMinMaxSize %d %d %d %d", min_w, min_h, max_w, max_h);
    sheets().min_max = {min_w, min_h, max_w, max_h};
}

void Activate_Prop_Sheet(void)
{
    Kov_Script_Log("Activate_Prop_Sheet");
    Sheet* s = top();
    if (!s) return;
    s->active = true;
    for (Element& e : s->elements)
        if (e.kind != MEMBER && e.kind != VSLIDER && e.kind != HSLIDER) draw_element(*s, e);
    Kov_Screen_Show(1);
    pxFlsh();
}

void Undefine_Prop_Sheet(void)
{
    Kov_Script_Log("Undefine_Prop_Sheet");
    Sheets& ss = sheets();
    if (ss.stack.empty()) return;
    hide_tip(ss.stack.back());
    const Sheet& s = ss.stack.back();
    kovscreen::paste_region(s.below, s.bx, s.by);
    ss.stack.pop_back();
    pxFlsh();
    if (ss.stack.empty()) Kov_Screen_Show(0);
}

void Prop_Sheet_Displacement(int* dx, int* dy)
{
    Sheet* s = top();
    if (!s) return;
    s->px = dx;
    s->py = dy;
    if (dx) *dx = s->dx;
    if (dy) *dy = s->dy;
}

void Inquire_Prop_Sheet_Displacement(int* dx, int* dy)
{
    Sheet* s = top();
    if (dx) *dx = s ? s->dx : 0;
    if (dy) *dy = s ? s->dy : 0;
}

int Edit_Prop_Sheet(void)
{
    Sheet* s = top();
    if (!s) return log_result(-1);
    if (!s->active) Activate_Prop_Sheet();
    for (;;) {
        s = top();
        Kov_Call_Allways();
        const bool sometimes = Kov_Call_Sometimes() != 0;
        s = top();
        refresh_floats(*s);
        KovMessage m;
        InitKOVMessage(&m);
        int mask = 0x14022;
        if ((s->call_on && s->call) || sometimes) {
            const int every = 100;
            std::memcpy(m.bytes + KOV_MESSAGE_TIMEOUT, &every, sizeof every);
            mask |= 0x40000000;
        }
        const int r = GetKOVMessage(mask, &m);
        if (r == 0x40000000) continue;
        if (r == 0x10000) {
            const int a = key_answer(*s, getkey());
            if (a != kNone) return log_result(a);
            continue;
        }
        if (Kov_Ui_Last_Answer_Exhausted()) {
            const int a = escape_answer(*s);
            if (a != kNone) return log_result(a);
            continue;
        }
        const int kind = Kov_Ui_Last_Mouse_Event();
        const int x = M_XPOS, y = M_YPOS;
        if (kind == KOV_EV_WHEEL) {
            int answer = kNone;
            bool stepped = false;
            for (Element& f : s->elements) {
                if (f.kind != FLOAT || !f.stepped || !f.visible || f.state != 1 || !inside(f, x, y)) continue;
                const double old = *f.value;
                *f.value += M_SCROLL * f.vstep;
                answer = float_changed(*s, f, old);
                stepped = true;
                break;
            }
            if (stepped) {
                M_SCROLL = 0;
                if (answer != kNone) return log_result(answer);
                continue;
            }
            for (Element& a : s->elements)
                if (a.kind == AREA && a.state == 1 && x >= a.x1 && x <= a.x2 + kSlider && y >= a.y1 &&
                    y <= a.y2 + kSlider) {
                    scroll_to(*s, a, a.sx, a.sy - M_SCROLL * 3 * a.step_y);
                    break;
                }
            M_SCROLL = 0;
            continue;
        }
        if (kind == KOV_EV_MOVE) {
            show_tip(*s, x, y);
            for (auto it = s->elements.rbegin(); it != s->elements.rend(); ++it)
                if (it->kind == ESCAPE && it->state == 1 && it->mouse_move && inside(*it, x, y)) {
                    hide_tip(*s);
                    return log_result(it->id);
                }
            continue;
        }
        if (kind != KOV_EV_PRESS) continue;
        hide_tip(*s);
        const bool left = M_LEFT != 0;
        if (left) {
            bool handled = false;
            for (Element& b : s->elements) {
                if ((b.kind != BUTTON && b.kind != HELP) || !b.visible || b.state != 1 || !inside(b, x, y)) continue;
                handled = true;
                if (track_button(*s, b)) {
                    if (b.kind == HELP) {
                        Helpview(b.key.c_str());
                        break;
                    }
                    return log_result(b.id);
                }
                break;
            }
            if (handled) continue;
            for (Element& sl : s->elements) {
                if ((sl.kind != VSLIDER && sl.kind != HSLIDER) || sl.state != 1 || !inside(sl, x, y)) continue;
                slider_press(*s, sl);
                handled = true;
                break;
            }
            if (handled) continue;
            for (Element& mem : s->elements) {
                if (mem.kind != MEMBER || mem.state == 0 || mem.x1 >= mem.x2 || !inside(mem, x, y)) continue;
                handled = true;
                if (mem.state < 0) break;
                Set_Selected_Register_Member(mem.number);
                return log_result(mem.id);
            }
            if (handled) continue;
            for (Element& f : s->elements) {
                if (f.kind != FLOAT || !f.visible || f.state != 1 || !inside(f, x, y)) continue;
                handled = true;
                const int a = edit_float(*s, f);
                if (a != kNone) return log_result(a);
                break;
            }
            if (handled) continue;
        }
        for (auto it = s->elements.rbegin(); it != s->elements.rend(); ++it)
            if (it->kind == ESCAPE && it->state == 1 && inside(*it, x, y)) return log_result(it->id);
        const bool in_sheet = x >= s->x1 && x <= s->x2 && y >= s->y1 && y <= s->y2;
        if (!in_sheet) {
            if (s->outside != kNone) return log_result(s->outside);
            continue;
        }
        if (left && s->frame && y <= s->y1 + kTitle) {
            // Dragging by the title bar.
            int lx = x, ly = y;
            while (M_LEFT) {
                Get_Mouse_Event();
                if (Kov_Ui_Last_Answer_Exhausted()) break;
                const int ox = s->dx, oy = s->dy;
                move_sheet(*s, M_XPOS - lx, M_YPOS - ly);
                lx += s->dx - ox;
                ly += s->dy - oy;
            }
        }
    }
}

int Add_Single_Button_to_PS(int x, int y, int visible, int id, const char* text, const void* raster, int flag)
{
    Kov_Script_Log("Add_Single_Button_to_PS %d %d %d %d %s %d", x, y, visible, id, text ? text : "", flag);
    Element e;
    e.kind = BUTTON;
    e.id = id;
    e.visible = visible != 0;
    e.text = text ? text : "";
    int w = 36, h = 24;
    if (raster) {
        const int* r = static_cast<const int*>(raster);
        w = std::max(1, std::min(r[0], 4096));
        h = std::max(1, std::min(r[1], 4096));
        if (raster == SYMBOLIC_OK_RASTER) e.symbol = SYM_OK;
        if (raster == SYMBOLIC_BREAK_RASTER) e.symbol = SYM_BREAK;
        if (raster == SYMBOLIC_MORE_RASTER) e.symbol = SYM_MORE;
    } else if (e.text.size() > 3) {
        w = std::max(w, int(e.text.size()) * 8 + 16);
    }
    e.x1 = x;
    e.y1 = y;
    e.x2 = x + w - 1;
    e.y2 = y + h - 1;
    return add(e);
}

int Add_Help_to_PS(int x, int y, int visible, int a, int b, const char* key)
{
    Kov_Script_Log("Add_Help_to_PS %d %d %d %d %d %s", x, y, visible, a, b, key ? key : "");
    Element e;
    e.kind = HELP;
    e.id = kNone;
    e.visible = visible != 0;
    e.text = "?";
    e.key = key ? key : "";
    e.x1 = x;
    e.y1 = y;
    e.x2 = x + 35;
    e.y2 = y + 23;
    return add(e);
}

void Set_Comment_to_Button_PS(int handle, const char* text)
{
    Kov_Script_Log("Set_Comment_to_Button_PS %d %s", handle, text ? text : "");
    if (Element* e = find(handle)) e->comment = text ? text : "";
}

void Change_Activity_PS(int handle, int state)
{
    Kov_Script_Log("Change_Activity_PS %d %d", handle, state);
    Element* e = find(handle);
    if (!e) return;
    const int old = e->state;
    e->state = state > 0 ? 1 : (state < 0 ? -1 : 0);
    Sheet* s = sheet_of(handle);
    if (s && s->active && old != e->state && e->kind != ESCAPE) {
        draw_element(*s, *e);
        pxFlsh();
    }
}

int ActivState_of_Button_PS(int handle)
{
    const Element* e = find(handle);
    return e ? e->state : -1;
}

void Change_Action_State_PS(int handle, int state)
{
    Kov_Script_Log("Change_Action_State_PS %d %d", handle, state);
    if (Element* e = find(handle)) e->action = state;
}

void Reset_Button_Frame(int handle)
{
    Kov_Script_Log("Reset_Button_Frame %d", handle);
    Element* e = find(handle);
    Sheet* s = sheet_of(handle);
    if (!e || !s) return;
    e->action = 0;
    if (s->active) draw_element(*s, *e);
}

void Snap_Colored_Layout_of_Single_Button(int handle)
{
    Kov_Script_Log("Snap_Colored_Layout_of_Single_Button %d", handle);
    Element* e = find(handle);
    if (!e) return;
    e->face = kovscreen::copy_region(e->x1, e->y1, e->x2 - e->x1 + 1, e->y2 - e->y1 + 1);
}

void Move_Mouse_Cursor_to_Button_of_PS(int handle, int dx, int dy)
{
    Kov_Script_Log("Move_Mouse_Cursor_to_Button_of_PS %d %d %d", handle, dx, dy);
    const Element* e = find(handle);
    if (!e) return;
    if (dx == 0 && dy == 0)
        msStCu((e->x1 + e->x2) / 2, (e->y1 + e->y2) / 2);
    else
        msStCu(e->x1 + dx, e->y1 + dy);
}

void Set_Windows_OK_Button(int code)
{
    if (Sheet* s = top()) s->ok = code;
}

void Set_Windows_Break_Button(int code)
{
    if (Sheet* s = top()) s->brk = code;
}

int Add_Float_to_PS(int x, int y, int characters, const char* format, int visible, int id, double* value)
{
    Kov_Script_Log("Add_Float_to_PS %d %d %d %s %d %d", x, y, characters, format ? format : "NULL", visible, id);
    if (!value) return -1;
    Element e;
    e.kind = FLOAT;
    e.id = id;
    e.visible = visible != 0;
    e.value = value;
    e.format = format ? format : "";
    e.chars = std::max(1, std::min(characters, 120));
    e.x1 = x;
    e.y1 = y;
    e.x2 = x + e.chars * 8 + 16;
    e.y2 = y + 20;
    return add(e);
}

void Add_SingleStep_to_Float(int field, double min, double step, double max)
{
    Kov_Script_Log("Add_SingleStep_to_Float %d %g %g %g", field, min, step, max);
    Element* f = find(field);
    if (!f || f->kind != FLOAT || !(min == min) || !(max == max) || !(step == step)) return;
    f->stepped = true;
    f->vmin = std::min(min, max);
    f->vmax = std::max(min, max);
    f->vstep = step;
    clamp_float(*f);
}

void Set_Prop_Sheet_Edit_Float_Auto_Mode(void)
{
    Kov_Script_Log("Set_Prop_Sheet_Edit_Float_Auto_Mode");
    if (Sheet* s = top()) s->float_auto = true;
}

int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int flag, int id)
{
    Kov_Script_Log("Add_Escape_Area_to_PS %d %d %d %d %d %d", x1, y1, x2, y2, flag, id);
    Element e;
    e.kind = ESCAPE;
    e.id = id;
    e.x1 = std::min(x1, x2);
    e.y1 = std::min(y1, y2);
    e.x2 = std::max(x1, x2);
    e.y2 = std::max(y1, y2);
    return add(e);
}

void Set_Escape_Area_to_MouseMoveEvent(int handle, int on)
{
    if (Element* e = find(handle)) e->mouse_move = on != 0;
}

void Set_ClickOutsideEvent_to_PS(int code)
{
    if (Sheet* s = top()) s->outside = code;
}

int Add_Register_to_PS(int x1, int y1, int x2, int y2, int bar_bottom)
{
    Kov_Script_Log("Add_Register_to_PS %d %d %d %d %d", x1, y1, x2, y2, bar_bottom);
    Element e;
    e.kind = REGISTER;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.bar_bottom = bar_bottom;
    return add(e);
}

int Add_Member_to_Register(int reg, int left, int right, int state, int id)
{
    Kov_Script_Log("Add_Member_to_Register %d %d %d %d %d", reg, left, right, state, id);
    Element* r = find(reg);
    if (!r || r->kind != REGISTER) return -1;
    int n = 0;
    Sheet* s = sheet_of(reg);
    for (const Element& e : s->elements)
        if (e.kind == MEMBER && e.reg == reg) ++n;
    Element e;
    e.kind = MEMBER;
    e.reg = reg;
    e.number = n + 1;
    e.id = id;
    e.state = state > 0 ? 1 : (state < 0 ? -1 : 0);
    e.x1 = left;
    e.x2 = right;
    e.y1 = r->y1;
    e.y2 = r->bar_bottom;
    return add(e);
}

void Set_Register_Page(int reg, int left, int page_top, int right, int colour)
{
    Kov_Script_Log("Set_Register_Page %d %d %d %d %d", reg, left, page_top, right, colour);
    Element* r = find(reg);
    if (!r || r->kind != REGISTER || page_top <= r->bar_bottom || left > right) return;
    r->page_set = true;
    r->page_left = left;
    r->page_right = right;
    r->page_top = page_top;
    r->page_colour = colour;
}

void Set_Selected_Register_Member(int member)
{
    Sheet* s = top();
    if (!s) return;
    for (Element& r : s->elements)
        if (r.kind == REGISTER) {
            r.selected = member;
            if (s->active) {
                Plain p;
                draw_register(*s, r);
            }
        }
}

int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int a, int b, int step_x, int step_y,
                              KovScrollDrawFct draw, void* record, int c)
{
    Kov_Script_Log("Add_Scrollable_Area_to_PS %d %d %d %d %d %d %d %d %d", x1, y1, x2, y2, a, b, step_x, step_y, c);
    Element e;
    e.kind = AREA;
    e.x1 = std::min(x1, x2);
    e.y1 = std::min(y1, y2);
    e.x2 = std::max(x1, x2);
    e.y2 = std::max(y1, y2);
    e.step_x = step_x > 0 ? step_x : 10;
    e.step_y = step_y > 0 ? step_y : 10;
    e.draw = draw;
    e.record = record;
    return add(e);
}

namespace {
int add_slider(int area, int step, Kind kind)
{
    Element* a = find(area);
    if (!a || a->kind != AREA) return -1;
    Element e;
    e.kind = kind;
    e.area = area;
    e.step = step > 0 ? step : 10;
    if (kind == VSLIDER) {
        e.x1 = a->x2 + 1;
        e.x2 = a->x2 + kSlider;
        e.y1 = a->y1;
        e.y2 = a->y2;
    } else {
        e.x1 = a->x1;
        e.x2 = a->x2;
        e.y1 = a->y2 + 1;
        e.y2 = a->y2 + kSlider;
    }
    const int h = add(e);
    if (Element* again = find(area)) (kind == VSLIDER ? again->vslider : again->hslider) = h;
    return h;
}
} // namespace

int Add_VSlider_to_Scrollable_Area(int area, int a, int step, int c, int d)
{
    Kov_Script_Log("Add_VSlider_to_Scrollable_Area %d %d %d %d %d", area, a, step, c, d);
    return add_slider(area, step, VSLIDER);
}

int Add_HSlider_to_Scrollable_Area(int area, int a, int step, int c, int d)
{
    Kov_Script_Log("Add_HSlider_to_Scrollable_Area %d %d %d %d %d", area, a, step, c, d);
    return add_slider(area, step, HSLIDER);
}

void Set_VSlider_Speed(int slider, double a, double b) { Kov_Script_Log("Set_VSlider_Speed %d %g %g", slider, a, b); }

void Set_HSlider_Speed(int slider, double a, double b) { Kov_Script_Log("Set_HSlider_Speed %d %g %g", slider, a, b); }

void Resize_Origin_of_Scrollable_Area_PS(int area, int width, int height)
{
    Element* a = find(area);
    Sheet* s = sheet_of(area);
    if (!a || !s || a->kind != AREA) return;
    a->content_w = std::max(0, width);
    a->content_h = std::max(0, height);
    clamp_scroll(*a);
    // New content is shown at once, as after a scroll.
    if (s->active) {
        paint_area(*s, *a);
        pxFlsh();
    }
}

void Set_Scrollable_Area_PS(int area, int sx, int sy)
{
    Element* a = find(area);
    Sheet* s = sheet_of(area);
    if (!a || !s || a->kind != AREA) return;
    scroll_to(*s, *a, sx, sy);
}

void Inquire_Scrollable_Area_PS(int area, int* sx, int* sy)
{
    const Element* a = find(area);
    const bool ok = a && a->kind == AREA;
    if (sx) *sx = ok ? a->sx : 0;
    if (sy) *sy = ok ? a->sy : 0;
}

void Reshape_Scrollable_Area_PS(int area, int x1, int y1, int x2, int y2, int a, int b, int c, int d)
{
    Kov_Script_Log("Reshape_Scrollable_Area_PS %d %d %d %d %d %d %d %d %d", area, x1, y1, x2, y2, a, b, c, d);
    Element* e = find(area);
    Sheet* s = sheet_of(area);
    if (!e || !s || e->kind != AREA) return;
    e->x1 = std::min(x1, x2);
    e->y1 = std::min(y1, y2);
    e->x2 = std::max(x1, x2);
    e->y2 = std::max(y1, y2);
    clamp_scroll(*e);
    for (Element& sl : s->elements) {
        if (sl.area != area) continue;
        if (sl.kind == VSLIDER) {
            sl.x1 = e->x2 + 1;
            sl.x2 = e->x2 + kSlider;
            sl.y1 = e->y1;
            sl.y2 = e->y2;
        } else if (sl.kind == HSLIDER) {
            sl.x1 = e->x1;
            sl.x2 = e->x2;
            sl.y1 = e->y2 + 1;
            sl.y2 = e->y2 + kSlider;
        }
    }
    paint_area(*s, *e);
}

void Set_Scrollable_Area_PS_Frameflag(int area, int flag)
{
    if (Element* a = find(area)) a->frame = flag;
}

void Define_Call_Allways_Function(KovCallAllwaysFct fct)
{
    if (Sheet* s = top()) s->call = fct;
}

void Activate_Call_Allways_Function(int on)
{
    if (Sheet* s = top()) s->call_on = on != 0;
}

int Kov_Call_Allways(void)
{
    // A function that waits itself would come back here: it runs once at a time.
    static thread_local bool running = false;
    Sheet* s = top();
    if (running || !s || !s->call_on || !s->call) return 0;
    running = true;
    s->call();
    running = false;
    return 1;
}

void Draw_Funny_Area_to_PS(int style, int x1, int y1, int x2, int y2, int flag)
{
    Kov_Script_Log("Draw_Funny_Area_to_PS %d %d %d %d %d %d", style, x1, y1, x2, y2, flag);
    Plain p;
    funny_area(style, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void Draw_Funny_Text_to_PS(int x, int y, const char* text, int font, int style)
{
    Kov_Script_Log("Draw_Funny_Text_to_PS %d %d %s %d %d", x, y, text ? text : "", font, style);
    if (!text) return;
    Plain p;
    Pop_RFont(font);
    if (style == 2) {
        pxFgc(-3);
        pxText(x + 1, y + 1, text, -1);
    }
    pxFgc(0);
    pxText(x, y, text, -1);
    Push_RFont();
}

void Draw_Funny_Line_to_PS(int style, int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("Draw_Funny_Line_to_PS %d %d %d %d %d", style, x1, y1, x2, y2);
    Plain p;
    const bool horizontal = std::abs(x2 - x1) >= std::abs(y2 - y1);
    pxFgc(-4);
    pxLine(x1, y1, x2, y2);
    pxFgc(-3);
    if (horizontal)
        pxLine(x1, y1 + 1, x2, y2 + 1);
    else
        pxLine(x1 + 1, y1, x2 + 1, y2);
}

void Draw_Prop_Sheet_Box(int x1, int y1, int x2, int y2)
{
    Kov_Script_Log("Draw_Prop_Sheet_Box %d %d %d %d", x1, y1, x2, y2);
    Plain p;
    pxFgc(-1);
    pxRect(x1, y1, x2, y2);
    funny_area(2, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

int Kov_Ui_Sheet_Rect(int id, int* x1, int* y1, int* x2, int* y2)
{
    const Sheet* s = top();
    if (!s) return 0;
    for (const Element& e : s->elements) {
        if (e.id != id || (e.kind != BUTTON && e.kind != MEMBER && e.kind != ESCAPE)) continue;
        if (x1) *x1 = e.x1;
        if (y1) *y1 = e.y1;
        if (x2) *x2 = e.x2;
        if (y2) *y2 = e.y2;
        return 1;
    }
    return 0;
}

int Kov_Ui_Sheet_Frame(int* x1, int* y1, int* x2, int* y2)
{
    const Sheet* s = top();
    if (!s) return 0;
    if (x1) *x1 = s->x1;
    if (y1) *y1 = s->y1;
    if (x2) *x2 = s->x2;
    if (y2) *y2 = s->y2;
    return 1;
}

void Kov_Ui_Sheets_Reset(void)
{
    Sheets& s = sheets();
    s.stack.clear();
    s.next_handle = 1;
    s.no_frame_next = false;
}

} // extern "C"
