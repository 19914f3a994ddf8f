// Popup button menus, the zoom rectangle, and field drawing on sheets.
#include "sheets/popmenu.h"
#include "sheets/popmenupriv.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/kovmem.h"
#include "hostenv/kovscreentools.h"
#include "platform/kovdraw.h"
#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"

namespace {

const int kOutside = 99;
const int kBoldBit = 0x10000;

// Where the mouse was when a menu of each kind closed, from its corner; 0 for
// not yet known.
struct Remembered {
    int mx = 0;
    int my = 0;
};
Remembered& row_mouse()
{
    static Remembered r;
    return r;
}
Remembered& column_mouse()
{
    static Remembered r;
    return r;
}

int held(long long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : int(v); }

int held_double(double v)
{
    if (!(v == v)) return 0;
    if (v >= double(INT_MAX)) return INT_MAX;
    if (v <= double(INT_MIN)) return INT_MIN;
    return int(v);
}

void frame(int x1, int y1, int x2, int y2)
{
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
}

// Adds the buttons, draws the title and the labels and the picture strip,
// runs the menu and remembers where the mouse closed it.
int show_menu(const PopupMenu& m, const popmenu::Layout& lay, int fh, bool column, Remembered& mouse)
{
    int x = m.x, y = m.y;
    int right = held(m.x + lay.width), bottom = held(m.y + lay.height);
    Check_Prop_Sheet_Frames(&x, &y, &right, &bottom);
    Scr_Zoom_Rectangle(m.origin_x, m.origin_y, held(m.origin_x + lay.width / 2),
                       held_double(m.origin_y + double(lay.height) / 2.0), x, y, right, bottom);

    Define_Prop_Sheet(x, y, right, bottom, 0, 0, "", m.count, 0);
    pxFgc(BLACK_CI);
    if (m.title) {
        pxText(held(x + lay.title_x), held(y + lay.title_y), m.title, -1);
        pxText(held(x + lay.title_x + lay.title_dx), held(y + lay.title_y), m.title, -1);
    }
    // The row menu's title is the only text in the menu's font.
    if (!column) Push_RFont();

    const int size[2] = {m.button_width, m.button_height};
    std::vector<int> handles;
    for (int i = 0; i < m.count; ++i) {
        const long long bx = x + lay.first_x + i * lay.step_x, by = y + lay.first_y + i * lay.step_y;
        const int handle = Add_Single_Button_to_PS(held(bx), held(by), 1, i + 1, nullptr, size, 0);
        Change_Action_State_PS(handle, 0);
        Reset_Button_Frame(handle);
        const char* label = m.labels ? m.labels[i] : nullptr;
        if (label) Set_Comment_to_Button_PS(handle, label);
        handles.push_back(handle);
        if (column && label) {
            pxFgc(BLACK_CI);
            pxText(held(x + 8LL), held_double(double(by) + 1 + (m.button_height + fh) / 2.0), label, -1);
        }
    }
    if (m.bitmap)
        pxDrawTransparentDIB(m.bitmap, held(x + lay.strip_x1), held(y + lay.strip_y1), held(x + lay.strip_x2),
                             held(y + lay.strip_y2), 201, -1, 192, 192, 192);
    // Each button takes the picture under it as its face.
    for (int handle : handles) Snap_Colored_Layout_of_Single_Button(handle);

    Add_Escape_Area_to_PS(x, y, right, bottom, 1, kOutside);
    Set_ClickOutsideEvent_to_PS(kOutside);
    if (mouse.mx == 0) mouse.mx = held(lay.mouse_x);
    if (mouse.my == 0) mouse.my = held(lay.mouse_y);
    msStCu(held((long long)x + mouse.mx), held((long long)y + mouse.my));
    Activate_Prop_Sheet();
    pxBuff(pxBuff(-1));
    const int r = Edit_Prop_Sheet();
    GetKOVMessage(1, nullptr);
    int mx = 0, my = 0;
    msStat(&mx, &my);
    mouse.mx = held((long long)mx - x);
    mouse.my = held((long long)my - y);
    Undefine_Prop_Sheet();
    if (column) Push_RFont();
    return r == m.count + 1 ? -1 : r;
}

} // namespace

namespace popmenu {

Layout row_layout(int count, int w, int h, int tw, int fh)
{
    Layout l;
    const long long n = count > 0 ? count : 0;
    l.width = n * (w + 5LL) + 11;
    long long s;
    if (tw > l.width) {
        // A title wider than the buttons: the buttons are centred under it.
        l.width = tw + 16LL;
        s = (long long)std::trunc(double(l.width - (n * w + 5LL * (n - 1))) / 2.0);
        l.first_x = s - 1;
        l.title_x = 8;
    } else {
        s = 8;
        l.first_x = 7;
        l.title_x = (long long)std::trunc(double(l.width - tw) / 2.0);
    }
    l.title_dx = -1;
    l.height = (long long)fh + h + 20;
    l.first_y = fh + 12LL;
    l.step_x = w + 5LL;
    l.title_y = fh + 6LL;
    l.strip_x1 = l.first_x + 1;
    l.strip_y1 = l.first_y + 1;
    l.strip_x2 = l.strip_x1 + n * (w + 5LL);
    l.strip_y2 = l.strip_y1 + h;
    l.mouse_x = (long long)std::trunc(w / 2.0 + s);
    l.mouse_y = (long long)std::trunc(h / 2.0 + l.first_y);
    return l;
}

Layout column_layout(int count, int w, int h, int tw, const int* label_widths, int fh)
{
    Layout l;
    const long long n = count > 0 ? count : 0;
    l.width = tw > w + 16LL ? tw + 16LL : w + 16LL;
    for (long long i = 0; i < n && label_widths; ++i)
        if (label_widths[i] >= 0) l.width = std::max(l.width, w + 21LL + label_widths[i]);
    l.height = fh + n * (h + 5LL) + 15;
    l.first_y = fh + 12LL;
    l.first_x = l.width - w - 8;
    l.step_y = h + 5LL;
    l.title_x = 8;
    l.title_dx = 1;
    l.title_y = fh + 6LL;
    l.strip_x1 = l.width - w - 7;
    l.strip_y1 = l.first_y + 1;
    l.strip_x2 = l.width - 7;
    l.strip_y2 = l.strip_y1 + n * (h + 5LL);
    l.mouse_x = (long long)std::trunc(w / 2.0 + 8);
    l.mouse_y = (long long)std::trunc(h / 2.0 + l.first_y);
    return l;
}

} // namespace popmenu

int Popup_Menu_Row(PopupMenu m)
{
    Pop_RFont(0);
    const int fh = RFONT_HEIGHT;
    const int tw = Text_Width_Pixels(m.title);
    const popmenu::Layout lay = popmenu::row_layout(m.count, m.button_width, m.button_height, tw, fh);
    return show_menu(m, lay, fh, false, row_mouse());
}

int Popup_Menu_Column(PopupMenu m)
{
    Pop_RFont(0);
    const int fh = RFONT_HEIGHT;
    std::vector<int> widths;
    for (int i = 0; i < m.count && m.labels; ++i) widths.push_back(m.labels[i] ? Text_Width_Pixels(m.labels[i]) : -1);
    const int tw = Text_Width_Pixels(m.title);
    const popmenu::Layout lay =
        popmenu::column_layout(m.count, m.button_width, m.button_height, tw, m.labels ? widths.data() : nullptr, fh);
    return show_menu(m, lay, fh, true, column_mouse());
}

void Popup_Menu_Reset(void)
{
    row_mouse() = Remembered{};
    column_mouse() = Remembered{};
}

void Scr_Zoom_Rectangle(int x1, int y1, int x2, int y2, int tx1, int ty1, int tx2, int ty2)
{
    const int keep = pxQFgc();
    pxFgc(1);
    pxSBop(3);
    const int from[4] = {x1, y1, x2, y2}, to[4] = {tx1, ty1, tx2, ty2};
    float step[4];
    for (int k = 0; k < 4; ++k) step[k] = float((double(to[k]) - from[k]) * (1.0 / 6.0));
    for (int i = 0; i <= 6; ++i) {
        int c[4];
        for (int k = 0; k < 4; ++k) c[k] = held_double(double(float(i) * step[k] + float(from[k])));
        frame(c[0], c[1], c[2], c[3]);
        pxFlsh();
        KOVSleep(10);
        frame(c[0], c[1], c[2], c[3]);
    }
    pxFgc(keep);
    pxSBop(0);
}

int Mask_Add_Visual_Check_Button(int x, int y, int id)
{
    static const int size[2] = {35, 20};
    const int handle = Add_Single_Button_to_PS(x, y, 1, id, nullptr, size, 0);
    Set_Comment_to_Button_PS(handle, "optische Kontrolle");
    return handle;
}

void Mask_Fill_Field(int x, int y, double width_chars, int colour)
{
    pxFgc(colour);
    pxRect(held(x - 1LL), held(y + 3LL), held_double(x + width_chars * 8.0), held(y - 10LL));
}

void Mask_Draw_Field_Background(int x, int y, double width_chars)
{
    const int keep = pxQFgc();
    Mask_Fill_Field(x, y, width_chars, GetKOVColor(-1));
    pxFgc(keep);
}

void Mask_Draw_Text_Color(int x, int y, const char* text, int font, int colour)
{
    const int keep = pxQFgc();
    Pop_RFont(font);
    pxFgc(colour);
    if (text) pxText(x, y, text, -1);
    Push_RFont();
    pxFgc(keep);
}

void Mask_Draw_Text(int x, int y, const char* text, int font, int state)
{
    Mask_Draw_Text_Color(x, y, text, font, state == -1 ? -6 : state != 0 ? -9 : -1);
}

int Text_Width_Framed(const char* text, int font)
{
    Pop_RFont(font & ~kBoldBit);
    const int w = Text_Width_Pixels(text);
    Push_RFont();
    return w + ((font & kBoldBit) ? 5 : 3);
}

int Bit_Array_Init(BitArray* a, int count, int value)
{
    if (!a) return -1;
    a->count = count < 0 ? 0 : count;
    a->value = value;
    a->reserved = 0;
    a->bits = nullptr;
    const long long bytes = (a->count + 7LL) / 8;
    if (bytes > 0) a->bits = static_cast<unsigned char*>(Mem_Realloc(nullptr, int(bytes), 1));
    return 0;
}
