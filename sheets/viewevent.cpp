// Events of the view areas: hit tests in list order, the field chain, hover
// tracking, short keys and smooth scrolling.
#include "sheets/viewevent.h"

#include "hostenv/kovscreentools.h"
#include "platform/kovedit.h"
#include "platform/kovevent.h"
#include "platform/kovhost.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/texteditor.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Where the area lies on the screen and how far it is scrolled, taken at the
// start of a call.
struct Geometry {
    int ax1, ay1, ax2, ay2;
    int sx, sy;
    int X(int ex) const { return ax1 + ex - sx; }
    int Y(int ey) const { return ay1 + ey - sy; }
};

Geometry geometry_of(const ViewArea* a)
{
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    Geometry g{dx + a->x1, dy + a->y1, dx + a->x2, dy + a->y2, 0, 0};
    Inquire_Scrollable_Area_PS(a->handle, &g.sx, &g.sy);
    return g;
}

void redraw(ViewArea* a, const Geometry& g)
{
    if (a->activity != 1) return;
    View_Area_Draw(g.sx, g.sy, g.ax1, g.ay1, g.ax2, g.ay2, a);
    pxFlsh();
}

bool is_active(const ViewElement* e) { return !e->active || *e->active != 0; }

int width_in(const char* s, int font)
{
    Pop_RFont(font);
    const int w = Text_Width_Pixels(s);
    Push_RFont();
    return w;
}

void wait_release()
{
    while (M_LEFT) Get_Mouse_Event();
}

bool inside(int x, int y, int x1, int y1, int x2, int y2) { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }

// ---- tooltip -----------------------------------------------------------------------------

intptr_t g_tooltip = 0;

// ---- hover tracking ------------------------------------------------------------------------

bool short_key_waiting()
{
    int brk = 0, ok = 0, help = 0, jump = 0;
    View_Area_Short_Key_Settings(&brk, &ok, &help, &jump);
    const int k = hitkey();
    return (k == 27 && brk) || (k == 13 && ok) || (k == 315 && help);
}

bool any_short_key()
{
    int brk = 0, ok = 0, help = 0, jump = 0;
    View_Area_Short_Key_Settings(&brk, &ok, &help, &jump);
    return brk || ok || help || jump;
}

void draw_button_picture(const ViewElement* e, const Geometry& g, int which)
{
    if (!e->text) return;
    const int w = e->x2 - e->x1, h = e->y2 - e->y1;
    int r, gr, b;
    pxQCR(e->extra, &r, &gr, &b);
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(g.ax1, g.ay1, g.ax2, g.ay2);
    pxDrawPartialTransparentDIB(e->text, which * w, e->aux, which * w + w - 1, e->aux + h - 1, g.X(e->x1), g.Y(e->y1),
                                g.X(e->x2) - 1, g.Y(e->y2) - 1, 201, -1, r, gr, b);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
}

} // namespace

void View_Area_Track_Hover(ViewArea* a)
{
    if (!a) return;
    const Geometry g = geometry_of(a);
    KovMessage m;
    InitKOVMessage(&m);
    if (a->hover_stop) {
        const int every = 100;
        std::memcpy(m.bytes + KOV_MESSAGE_TIMEOUT, &every, sizeof every);
    }
    int rx1 = g.ax1, ry1 = g.ay1, rx2 = g.ax2, ry2 = g.ay2;
    if (a->hover_rect_set) {
        rx1 = g.X(a->hx1);
        ry1 = g.Y(a->hy1);
        rx2 = g.X(a->hx2);
        ry2 = g.Y(a->hy2);
    }
    int mask = 0x84022;
    if (a->key_ends_hover || any_short_key()) mask |= 0x10000;
    if (a->right_ends_hover) mask |= 0x8;
    if (a->hover_stop) mask |= 0x40000000;
    auto ends = [&]() {
        return M_LEFT || !inside(M_XPOS, M_YPOS, rx1, ry1, rx2, ry2) || M_SCROLL != 0 || getkeymask() == 1 ||
               (a->key_ends_hover && hitkey() != -1) || (a->right_ends_hover && M_RIGHT) || short_key_waiting();
    };
    // Nothing to track when the mouse has already left (a row table's tracking
    // ended on that move before the area's own starts): a wait would take the
    // user's next press away from the sheet.
    if (ends()) return;
    while (!a->hover_stop || *a->hover_stop == 0) {
        GetKOVMessage(mask, &m);
        if (ends()) return;
        for (ViewElement* e = a->first; e; e = e->next) {
            const bool button = e->type == VIEW_BITMAP_BUTTON && is_active(e);
            const bool click = e->type == VIEW_CLICK_AREA && (e->aux || e->text);
            if (!button && !click) continue;
            const int x1 = g.X(e->x1), y1 = g.Y(e->y1), x2 = g.X(e->x2), y2 = g.Y(e->y2);
            if (!inside(M_XPOS, M_YPOS, x1, y1, x2, y2)) continue;
            if (button) {
                draw_button_picture(e, g, 2);
                if (e->colour) setMouseCursor(e->colour);
                if (e->second_text) View_Area_Show_Tooltip(e->second_text);
            } else {
                if (e->aux) setMouseCursor(e->aux);
                if (e->text) View_Area_Show_Tooltip(e->text);
            }
            // While a tooltip shows, Escape closes it and does nothing else:
            // the key is taken, and the tooltip stays away until the mouse
            // leaves the element.
            const bool tip = button ? e->second_text != nullptr : e->text != nullptr;
            bool tip_shown = tip;
            for (;;) {
                GetKOVMessage(tip_shown ? mask | 0x10000 : mask, &m);
                if (tip_shown && hitkey() == 27) {
                    getkey();
                    View_Area_Hide_Tooltip();
                    tip_shown = false;
                    continue;
                }
                if (!(inside(M_XPOS, M_YPOS, x1, y1, x2, y2) && inside(M_XPOS, M_YPOS, g.ax1, g.ay1, g.ax2, g.ay2) &&
                      !ends() && (!a->hover_stop || *a->hover_stop == 0)))
                    break;
            }
            if (button) {
                if (tip_shown) View_Area_Hide_Tooltip();
                draw_button_picture(e, g, 1);
                if (e->colour) setMouseCursor(0);
            } else {
                if (e->aux) setMouseCursor(0);
                if (tip_shown) View_Area_Hide_Tooltip();
            }
            // What ended the wait on the element (a press, the mouse out of
            // the area) ends the tracking too: the caller acts on it.
            if (M_SCROLL != 0 || getkeymask() == 1 || ends()) return;
        }
    }
}

namespace {

// ---- field chain -----------------------------------------------------------------------------

bool is_field(const ViewElement* e)
{
    return e->type == VIEW_FLOAT || e->type == VIEW_TEXT_FIELD || e->type == VIEW_CHOICE ||
           e->type == VIEW_PICTURE_CHOICE;
}

int x_width(const ViewElement* e) { return width_in("X", e->font) + 1; }

// Edits one field (steps 1 and 3 of the chain); returns r.
int edit_field(ViewArea* a, const Geometry& g, ViewElement* e, bool first)
{
    const int X = g.X(e->x1), Y = g.Y(e->y1);
    std::vector<char> work;
    const size_t maximum = size_t(std::max(e->aux, 0));
    if (e->type == VIEW_TEXT_FIELD) {
        // The field holds at most its maximum length. Without scroll mode the
        // edit allows as many characters as are visible, so the working buffer
        // has room for the larger of both; only the maximum goes back.
        work.assign(std::max(maximum, size_t(std::max(e->y2, 0))) + 1, '\0');
        if (e->text) std::memcpy(work.data(), e->text, strnlen(e->text, maximum));
    }
    if (first) {
        wait_release();
        while (hitkey() != -1) getkey();
    }
    int r = 0;
    switch (e->type) {
        case VIEW_PICTURE_CHOICE: r = Picture_List_Select(g.ay1, g.ay2, X, Y, e); break;
        case VIEW_CHOICE: r = Choice_List_Select(X, Y, e); break;
        case VIEW_FLOAT: r = Short_Edit_Float(X - 8, Y - 14, e->text, e->number); break;
        case VIEW_TEXT_FIELD:
            if (e->y2 < e->aux) Set_Short_Edit_Text_Scrollmode(e->aux);
            r = Short_Edit_Text(X - 8, Y - 14, work.data(), e->y2, 0);
            if (e->text) {
                const size_t n = strnlen(work.data(), maximum);
                std::memcpy(e->text, work.data(), n);
                e->text[n] = 0;
            }
            break;
        default: break;
    }
    (void)a;
    return r;
}

int field_chain(ViewArea* a, Geometry g, ViewElement* e)
{
    bool first = true;
    for (;;) {
        const int r = edit_field(a, g, e, first);
        first = false;
        if (e->change) {
            if (e->type == VIEW_FLOAT)
                e->change(reinterpret_cast<intptr_t>(e->number));
            else if ((e->type == VIEW_CHOICE || e->type == VIEW_PICTURE_CHOICE) && e->value)
                e->change(*e->value);
        }
        M_XPOS = g.X(e->x1);
        M_YPOS = g.Y(e->y1) - 8;
        redraw(a, g);
        if (r == 0) return 1;
        ViewElement* next = e->next;
        while (next && !(is_field(next) && is_active(next))) next = next->next;
        if (!next) {
            redraw(a, g);
            return 1;
        }
        int w = 0;
        switch (next->type) {
            case VIEW_CHOICE: w = next->aux + 18; break;
            case VIEW_PICTURE_CHOICE: w = next->x2 + 20; break;
            case VIEW_TEXT_FIELD: w = next->y2 * x_width(next); break;
            default: {
                w = width_in(View_Area_Float_Text(next).c_str(), next->font) + 2;
                if (w & 1) ++w;
                break;
            }
        }
        int sx = g.sx, sy = g.sy;
        if (next->x1 - sx < 9) sx = next->x1 - 9;
        if (next->y1 - sy < 13) sy = next->y1 - 13;
        if (g.ax1 + next->x1 - sx + w + 5 >= g.ax2) sx = g.ax1 + next->x1 + w + 6 - g.ax2;
        if (g.ay1 + next->y1 - sy + 4 >= g.ay2) sy = g.ay1 + next->y1 + 5 - g.ay2;
        sx = std::max(sx, 0);
        sy = std::max(sy, 0);
        if (sx != g.sx || sy != g.sy) {
            a->scroll_x = sx;
            a->scroll_y = sy;
            Set_Scrollable_Area_PS(a->handle, sx, sy);
            if (a->vslider) Change_Activity_PS(a->vslider, a->y2 - a->y1 < a->content_h ? 1 : -1);
            if (a->hslider) Change_Activity_PS(a->hslider, a->x2 - a->x1 < a->content_w ? 1 : -1);
            g.sx = sx;
            g.sy = sy;
        }
        redraw(a, g);
        e = next;
    }
}

int short_keys(ViewArea* a)
{
    int brk = 0, ok = 0, help = 0, jump = 0;
    View_Area_Short_Key_Settings(&brk, &ok, &help, &jump);
    if (!(brk || ok || help || jump)) return 0;
    const int k = hitkey();
    if (k == -1) return 0;
    if (k == 27 && brk && a->esc_result) {
        *a->esc_result = a->esc_value;
        getkey();
        return 1;
    }
    if (k != 27 && k == 13 && ok) {
        if (!a->ok_result) return 0;
        *a->ok_result = a->ok_value;
        getkey();
        return 1;
    }
    if (k == 315 && help && a->help_result) {
        *a->help_result = a->help_value;
        getkey();
        return 1;
    }
    return 0;
}

} // namespace

int View_Area_Handle_Event(unsigned slot)
{
    ViewArea* a = View_Area_Record(slot);
    if (!a) return 0;
    Geometry g = geometry_of(a);
    if (!M_LEFT) View_Area_Track_Hover(a);
    if (getkeymask() == 1) return 0;
    if (!M_LEFT) return short_keys(a);

    bool cleared = false;
    for (ViewElement* e = a->first; e; e = e->next)
        if (e->type == VIEW_LINK_TEXT && e->result && *e->result != 0) {
            *e->result = 0;
            cleared = true;
        }
    const int mx = M_XPOS, my = M_YPOS;
    for (ViewElement* e = a->first; e; e = e->next) {
        const int X = g.X(e->x1), Y = g.Y(e->y1);
        switch (e->type) {
            case VIEW_CHECK_BOX:
            case VIEW_RADIO_BUTTON: {
                const int W = e->text ? width_in(e->text, e->font) : -9;
                if (!is_active(e) || mx < X - 20 || my < Y - 10 || my > Y + 2 || mx > X + W) break;
                if (e->value) {
                    if (e->type == VIEW_CHECK_BOX)
                        *e->value = *e->value == 0;
                    else
                        *e->value = e->aux;
                    if (e->change) e->change(*e->value);
                }
                redraw(a, g);
                wait_release();
                return 1;
            }
            case VIEW_BITMAP_BUTTON: {
                if (!is_active(e) || !inside(mx, my, X, Y, g.X(e->x2), g.Y(e->y2))) break;
                draw_button_picture(e, g, 3);
                wait_release();
                draw_button_picture(e, g, 1);
                if (e->value) *e->value = e->font;
                redraw(a, g);
                return 1;
            }
            case VIEW_LINK_TEXT: {
                const int W = width_in(e->text, e->font);
                if (mx < X - 2 || my < Y - 9 || my > Y + 2 || mx > X + W + 2) break;
                if (e->result) *e->result = e->key;
                redraw(a, g);
                wait_release();
                return 1;
            }
            case VIEW_CLICK_AREA:
                if (!inside(mx, my, X, Y, g.X(e->x2), g.Y(e->y2))) break;
                if (e->result) *e->result = e->key;
                redraw(a, g);
                wait_release();
                return 1;
            case VIEW_TEXT_EDITOR: {
                const int X2 = g.X(e->x2), Y2 = g.Y(e->y2);
                if (!inside(mx, my, X, Y, X2, Y2)) break;
                if (cleared) redraw(a, g);
                Text_Editor_Run(e, g.ax1, g.ay1, g.ax2, g.ay2, X, Y, X2, Y2);
                return 0;
            }
            case VIEW_PICTURE_CHOICE:
                if (!is_active(e) || mx < X || mx > X + e->x2 + 20 || my < Y || my > Y + e->y2 + 5) break;
                return field_chain(a, g, e);
            case VIEW_FLOAT:
            case VIEW_TEXT_FIELD:
            case VIEW_CHOICE: {
                if (!is_active(e) || mx < X - 6 || my < Y - 13 || my > Y + 5 || e->y1 - g.sy < 12 || Y + 2 >= g.ay2)
                    break;
                int w = 0;
                if (e->type == VIEW_CHOICE)
                    w = e->aux + 18;
                else if (e->type == VIEW_TEXT_FIELD)
                    w = e->y2 * x_width(e);
                else
                    w = width_in(View_Area_Float_Text(e).c_str(), e->font);
                if (mx > X + w + 6) break;
                return field_chain(a, g, e);
            }
            default: break;
        }
    }
    if (cleared) redraw(a, g);
    wait_release();
    return cleared ? 1 : 0;
}

void View_Area_Hover(unsigned slot)
{
    ViewArea* a = View_Area_Record(slot);
    if (!a) return;
    View_Area_Track_Hover(a);
}

void View_Area_Scroll_To(unsigned slot, int x1, int y1, int x2, int y2)
{
    ViewArea* a = View_Area_Record(slot);
    if (!a) return;
    const int W = a->x2 - a->x1, H = a->y2 - a->y1;
    const int CW = a->content_w, CH = a->content_h;
    const int sx0 = a->scroll_x, sy0 = a->scroll_y;
    int x = std::max(x1, 0), y = std::max(y1, 0);
    const int y2c = std::min(y2, CH);
    bool skip_y = false;
    if (x >= sx0) {
        const int x2c = std::min(x2, CW);
        const bool fits = x2c - x < W;
        if (x2c <= sx0 + W) {
            if (y < sy0) {
                if (fits) x = x2c - W;
                skip_y = true;
            } else if (y2c <= sy0 + H) {
                return; // visible
            } else if (fits) {
                x = x2c - W;
            }
        } else if (fits) {
            x = x2c - W;
        }
    }
    if (!skip_y && y2c - y < H && y >= sy0) y = y2c - H;
    const int tx = std::min(std::max(x, 0), CW - W), ty = std::min(std::max(y, 0), CH - H);
    const int dx = tx - sx0, dy = ty - sy0;
    for (int k = 1; k <= 10; ++k) {
        a->scroll_x = sx0 + (k * dx) / 10;
        a->scroll_y = sy0 + (k * dy) / 10;
        if (a->handle != 9999) View_Area_Show(slot);
        KOVSleep(30);
    }
}

void View_Area_Show_Tooltip(const char* text)
{
    if (!text) return;
    View_Area_Hide_Tooltip();
    static int white = -1, black = -1;
    if (white < 0) {
        white = Nearest_RGB_Color(255, 255, 255);
        black = Nearest_RGB_Color(0, 0, 0);
    }
    Pop_RFont(0x1000);
    std::vector<std::string> lines;
    const char* p = text;
    for (;;) {
        const char* nl = std::strchr(p, '\n');
        lines.emplace_back(p, nl ? size_t(nl - p) : std::strlen(p));
        if (!nl) break;
        p = nl + 1;
    }
    int width = 0;
    for (const std::string& l : lines) {
        int ext[2] = {0, 0};
        pxQTxX(l.c_str(), int(l.size()), ext);
        width = std::max(width, ext[1] - ext[0]);
    }
    const int n = int(lines.size());
    int x = M_XPOS, y = M_YPOS + 20;
    int x2 = x + width + 10, y2 = y + RFONT_HEIGHT * n + 5;
    if (x2 >= NPIXEL_X - 8) {
        x2 = NPIXEL_X - 9;
        x = x2 - width - 10;
    }
    if (y2 >= NPIXEL_Y - 8) {
        y2 = NPIXEL_Y - 9;
        y = y2 - (RFONT_HEIGHT * n + 5);
    }
    g_tooltip = Save_Screen_Rectangle(x, y, x2, y2);
    const int fg = pxQFgc();
    pxFgc(white);
    pxRect(x, y, x2, y2);
    pxFgc(black);
    pxLine(x, y, x2, y);
    pxLine(x, y2, x2, y2);
    pxLine(x, y, x, y2);
    pxLine(x2, y, x2, y2);
    for (int k = 1; k <= n; ++k) pxText(x + 5, y + k * RFONT_HEIGHT, lines[size_t(k - 1)].c_str(), -1);
    pxFgc(fg);
    Push_RFont();
    pxFlsh();
}

void View_Area_Hide_Tooltip(void)
{
    if (!g_tooltip) return;
    Restore_Screen_Rectangle(g_tooltip);
    g_tooltip = 0;
    pxFlsh();
}
