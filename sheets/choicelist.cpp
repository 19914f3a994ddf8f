// The drop-down lists of the choice and picture-choice elements.
#include "sheets/viewevent.h"

#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovscreen.h"

#include <algorithm>
#include <cstring>

namespace {

const unsigned char kUpArrow[28] = {0xFF, 0xF8, 0x80, 0x08, 0x80, 0x08, 0x80, 0x08, 0x82, 0x08, 0x87, 0x08, 0x8F, 0x88,
                                    0x9F, 0xC8, 0xBF, 0xE8, 0x80, 0x08, 0x80, 0x08, 0x80, 0x08, 0xFF, 0xF8, 0x00, 0x00};
const unsigned char kDownArrow[28] = {0xFF, 0xF8, 0x80, 0x08, 0x80, 0x08, 0x80, 0x08, 0x80, 0x08,
                                      0xBF, 0xE8, 0x9F, 0xC8, 0x8F, 0x88, 0x87, 0x08, 0x82, 0x08,
                                      0x80, 0x08, 0x80, 0x08, 0xFF, 0xF8, 0x00, 0x00};
const unsigned char kDot[24] = {0x00, 0x00, 0x1F, 0x00, 0x3F, 0x80, 0x7F, 0xC0, 0x7F, 0xC0, 0x7F, 0xC0,
                                0x7F, 0xC0, 0x7F, 0xC0, 0x3F, 0x80, 0x1F, 0x00, 0x00, 0x00, 0x00, 0x00};

void thumb_from_first(ChoiceListView& l) { l.thumb = l.rows < l.n ? int(l.step * l.first + 0.5) : 0; }

void clamp_first(ChoiceListView& l) { l.first = std::max(0, std::min(l.first, l.n - l.rows)); }

void dotted_frame(int x1, int y1, int x2, int y2)
{
    pxSULn(0xAAAAAAAAu);
    pxLine(x1, y1, x2, y1);
    pxSULn(0xAAAAAAAAu);
    pxLine(x1, y2, x2, y2);
    pxSULn(0xAAAAAAAAu);
    pxLine(x1, y1, x1, y2);
    pxSULn(0xAAAAAAAAu);
    pxLine(x2, y1, x2, y2);
    pxSLn(0);
}

void draw_bar(const ChoiceListView& l, int bar, int thumb_colour)
{
    const int L = l.left, W = l.w, T = l.top, H = l.height;
    pxFgc(bar);
    pxRect(L + W - 15, T + 1, L + W - 1, T + H - 1);
    pxFgc(l.c.black);
    pxMask(L + W - 15, T + 3, L + W - 3, T + 15, kUpArrow, 2);
    pxMask(L + W - 15, T + H - 15, L + W - 3, T + H - 3, kDownArrow, 2);
    pxFgc(l.c.track);
    pxRect(L + W - 13, T + 16, L + W - 5, T + H - 16);
    pxFgc(thumb_colour);
    pxRect(L + W - 15, T + l.thumb + 16, L + W - 3, T + l.thumb + 16 + l.th);
    pxFgc(l.c.black);
    const int x1 = L + W - 15, y1 = T + l.thumb + 16, x2 = L + W - 3, y2 = T + l.thumb + 16 + l.th;
    pxLine(x1, y1, x2, y1);
    pxLine(x1, y2, x2, y2);
    pxLine(x1, y1, x1, y2);
    pxLine(x2, y1, x2, y2);
}

void list_begin(const ChoiceListView& l)
{
    pxFgc(l.c.background);
    pxRect(l.left, l.top, l.left + l.w, l.top + l.height);
    pxFgc(l.c.black);
    dotted_frame(l.left, l.top, l.left + l.w, l.top + l.height);
}

void draw_list(const ChoiceListView& l)
{
    if (l.pictures)
        Picture_List_Draw(&l);
    else
        Choice_List_Draw(&l);
}

void scroll_bar_setup(ChoiceListView& l)
{
    if (l.rows < l.n) {
        l.th = std::max(6, l.rows * (l.height - 32) / l.n);
        l.step = double(l.height - 32 - l.th) / (l.n - l.rows);
        l.first = l.sel - l.rows / 2;
        clamp_first(l);
        thumb_from_first(l);
    } else {
        l.th = l.thumb = 0;
        l.step = 0;
        l.first = 0;
    }
}

// The modal part common to both lists.
int run_list(ChoiceListView& l, int* selected)
{
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(l.left, l.top, l.left + l.w, l.top + l.height);
    const intptr_t saved = Save_Screen_Rectangle(l.left, l.top, l.left + l.w, l.top + l.height);
    Save_Mouse_Position();
    Pop_Mouse_Move_Restriction(l.left, l.top, l.left + l.w, l.top + l.height);
    msStCu(l.left + l.w / 2, l.top + (l.sel - l.first) * l.row + (l.pictures ? l.row / 2 : 6));
    draw_list(l);
    KovMessage m;
    InitKOVMessage(&m);
    // The held arrows wait 100 ms at most for the next event.
    KovMessage held;
    InitKOVMessage(&held);
    const int every = 100;
    std::memcpy(held.bytes + KOV_MESSAGE_TIMEOUT, &every, sizeof every);
    int result = 0;
    bool written = false, keyed = false;
    const int L = l.left, W = l.w, T = l.top, H = l.height;
    for (;;) {
        const int r = GetKOVMessage(0x14022, &m);
        if (r == 0x10000) {
            getkey();
            int key = 0;
            std::memcpy(&key, m.bytes + KOV_MESSAGE_KEY, sizeof key);
            if (key == 328 || key == 336) {
                l.sel = std::max(0, std::min(l.n - 1, l.sel + (key == 336 ? 1 : -1)));
                if (l.sel >= l.first + l.rows) l.first += 1;
                if (l.sel < l.first) l.first -= 1;
                clamp_first(l);
                thumb_from_first(l);
                l.highlight = true;
                draw_list(l);
                continue;
            }
            if (key == 13) {
                if (selected) *selected = l.sel;
                written = true;
                result = 1;
            }
            keyed = true;
            break;
        }
        if (M_LEFT && !(M_XPOS > L && M_XPOS < L + W && M_YPOS > T && M_YPOS < T + H)) break;
        const int mx = M_XPOS, my = M_YPOS;
        if (mx > L && mx < L + W && my > T && my < T + H) {
            if (M_SCROLL != 0 && l.rows < l.n) {
                if (M_SCROLL < 0 && l.first < l.n - l.rows) {
                    ++l.first;
                    ++l.sel;
                } else if (M_SCROLL > 0 && l.first > 0) {
                    --l.first;
                    --l.sel;
                }
                thumb_from_first(l);
                M_SCROLL = 0;
            } else if (l.rows < l.n && mx >= L + W - 14) {
                if (M_LEFT && mx < L + W - 3) {
                    if (my <= T + 14) {
                        while (M_LEFT && l.first > 0) {
                            --l.first;
                            --l.sel;
                            thumb_from_first(l);
                            draw_list(l);
                            KOVSleep(100);
                            GetKOVMessage(0x40000022, &held);
                        }
                    } else if (my >= T + H - 14 && my < T + H - 3) {
                        while (M_LEFT && l.first < l.n - l.rows) {
                            ++l.first;
                            ++l.sel;
                            thumb_from_first(l);
                            draw_list(l);
                            KOVSleep(100);
                            GetKOVMessage(0x40000022, &held);
                        }
                    } else if (my < T + l.thumb + 16) {
                        l.sel -= l.first;
                        l.first = 0;
                        l.thumb = 0;
                        draw_list(l);
                        while (M_LEFT) Get_Mouse_Event();
                    } else if (my > T + l.thumb + l.th + 16) {
                        l.sel += l.n - l.rows - l.first;
                        l.first = l.n - l.rows;
                        thumb_from_first(l);
                        draw_list(l);
                        while (M_LEFT) Get_Mouse_Event();
                    } else {
                        // Following the mouse needs a track longer than the thumb.
                        const int press_y = my, press_thumb = l.thumb;
                        while (M_LEFT) {
                            Get_Mouse_Event();
                            if (l.step <= 0) continue;
                            const int t = press_thumb + (M_YPOS - press_y);
                            const int old = l.first;
                            l.first = int((t - 0.5) * (1.0 / l.step));
                            clamp_first(l);
                            thumb_from_first(l);
                            l.sel += l.first - old;
                            draw_list(l);
                        }
                    }
                    l.sel = std::max(0, std::min(l.n - 1, l.sel));
                    continue;
                }
            } else {
                l.sel = std::max(0, std::min(l.n - 1, l.first + (my - T - 2) / l.row));
                l.highlight = true;
                if (M_LEFT) break;
            }
        } else {
            l.highlight = false;
        }
        draw_list(l);
    }
    if (!keyed) {
        // A click: inside the list (borders included) it selects.
        if (M_XPOS >= L && M_XPOS <= L + W && M_YPOS >= T && M_YPOS <= T + H && selected && !written) *selected = l.sel;
        while (M_LEFT) Get_Mouse_Event();
    }
    Restore_Screen_Rectangle(saved);
    if (l.pictures) {
        Push_Mouse_Move_Restriction();
        Restore_Mouse_Position();
        pxView(vx1, vy1, vx2, vy2);
    } else {
        pxView(vx1, vy1, vx2, vy2);
        Push_Mouse_Move_Restriction();
        Restore_Mouse_Position();
    }
    pxFlsh();
    return result;
}

void colours(ChoiceListColours& c)
{
    c.background = Nearest_RGB_Color(235, 255, 255);
    c.highlight = Nearest_Color_Index(0, 80, 150);
    c.track = Nearest_RGB_Color(201, 237, 237);
    c.black = Nearest_Color_Index(0, 0, 0);
    c.white = Nearest_Color_Index(255, 255, 255);
    c.ready = true;
}

} // namespace

void Choice_List_Draw(const ChoiceListView* list)
{
    if (!list || !list->e) return;
    const ChoiceListView& l = *list;
    const int kept = pxBuff(-1);
    list_begin(l);
    Pop_RFont(l.e->font);
    for (int i = 0; i < l.rows && l.first + i < l.n; ++i) {
        const int k = l.first + i;
        const ChoiceEntry& entry = l.e->entries[k];
        if (l.highlight && k == l.sel) {
            pxFgc(l.c.highlight);
            pxRect(l.left + 2, l.top + 13 * i + 2, l.left + l.w - 2, l.top + 13 * i + 16);
            pxFgc(l.c.background);
        } else {
            pxFgc(entry.colour);
        }
        if (entry.text) pxText(l.text_x, l.top + 13 * i + 13, entry.text, -1);
    }
    Push_RFont();
    if (l.rows < l.n) draw_bar(l, l.c.background, l.c.track);
    pxBuff(kept);
    pxFlsh();
}

void Picture_List_Draw(const ChoiceListView* list)
{
    if (!list || !list->e) return;
    const ChoiceListView& l = *list;
    const int kept = pxBuff(-1);
    list_begin(l);
    const int pw = l.e->x2, ph = l.e->y2, x = l.x;
    for (int i = l.first; i < l.first + l.rows && i < l.n; ++i) {
        const int top = l.top + (i - l.first) * l.row;
        const bool marked = l.highlight && i == l.sel;
        if (marked) {
            pxFgc(l.c.white);
            pxRect(x + 3, top + 3, x + pw + 3, top + ph + 3);
        }
        if (l.e->text)
            pxDrawPartialTransparentDIB(l.e->text, 0, i * ph, pw, i * ph + ph, x + 3, top + 3, x + pw + 2, top + ph + 2,
                                        201, -1, 255, 255, 255);
        if (marked) {
            pxFgc(l.c.highlight);
            for (int yy : {top + 1, top + 2, top + ph + 3, top + ph + 4}) pxLine(x + 1, yy, x + pw + 4, yy);
            for (int xx : {x + 1, x + 2, x + pw + 3, x + pw + 4}) pxLine(xx, top + 1, xx, top + ph + 4);
        }
    }
    if (l.rows < l.n) draw_bar(l, l.c.white, l.c.white);
    pxBuff(kept);
    pxFlsh();
}

int Choice_List_Select(int x, int y, ViewElement* choice)
{
    if (!choice || !choice->entries || choice->extra < 1) return 0;
    static ChoiceListColours cache;
    if (!cache.ready) colours(cache);
    ChoiceListView l;
    l.c = cache;
    l.e = choice;
    l.n = choice->extra;
    l.row = 13;
    const int p = choice->aux;
    l.height = 13 * l.n + 6;
    l.w = (p & 1 ? p + 1 : p) + 32;
    l.left = x - 7;
    const int below = NPIXEL_Y - y;
    l.rows = l.n;
    if (13 * l.n + 6 < below - 30) {
        l.top = y + 5;
    } else if (13 * l.n + 6 < y - 30) {
        l.top = y - l.height - 13;
    } else if (y <= below) {
        l.rows = (below - 48) / 13;
        l.top = y + 5;
    } else {
        l.rows = (y - 48) / 13;
        l.top = -1; // set below, from the height
    }
    // At least one row and never more rows than entries.
    l.rows = std::max(1, std::min(l.rows, l.n));
    l.height = 13 * l.rows + 6;
    if (l.top == -1) l.top = y - l.height - 13;
    l.sel = choice->value ? std::max(0, std::min(*choice->value, l.n - 1)) : 0;
    scroll_bar_setup(l);
    // The opening mark in red.
    pxFgc(Nearest_Color_Index(255, 0, 0));
    pxMask(l.left + l.w - 14, y - 9, l.left + l.w - 4, y + 1, kDot, 2);
    l.text_x = x;
    return run_list(l, choice->value);
}

int Picture_List_Select(int area_top, int area_bottom, int x, int y, ViewElement* picture_choice)
{
    ViewElement* e = picture_choice;
    if (!e || e->extra < 1) return 0;
    static ChoiceListColours cache;
    if (!cache.ready) colours(cache);
    ChoiceListView l;
    l.pictures = true;
    l.c = cache;
    l.e = e;
    l.n = e->extra;
    const int pw = e->x2, ph = e->y2;
    int fh = ph + 5;
    if (fh & 1) ++fh;
    l.row = ph + 4;
    const int all = l.row * l.n + 6;
    l.w = pw + 20;
    if (l.w & 1) ++l.w;
    l.left = x;
    l.x = x;
    const int below = area_bottom - y - fh, above = y - area_top;
    l.rows = l.n;
    bool up = false;
    if (all < below - 7) {
    } else if (all < above - 15) {
        up = true;
    } else if (below >= above - 8) {
        l.rows = (below - 25) / l.row;
    } else {
        l.rows = (above - 33) / l.row;
        up = true;
    }
    if (l.n > 3 * l.rows) {
        const int more = std::min(l.n / 2, (NPIXEL_Y - y - l.row - 10) / l.row);
        if (more > l.rows) {
            l.rows = more;
            up = false;
        }
    }
    l.rows = std::max(1, std::min(l.rows, l.n));
    l.height = l.row * l.rows + 6;
    l.top = up ? y - l.height : y + fh;
    l.sel = e->value ? std::max(0, std::min(*e->value, l.n - 1)) : 0;
    scroll_bar_setup(l);
    pxFgc(Nearest_Color_Index(255, 0, 0));
    pxMask(x + l.w - 14, y + 4, x + l.w - 4, y + 15, kDot, 2);
    return run_list(l, e->value);
}
