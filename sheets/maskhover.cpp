// Tooltips and hover buttons of the mask pages: the entries the element calls
// add to MaskState and the handler that the sheet calls between events.
#include "sheets/maskhover.h"

#include "hostenv/kovscreentools.h"
#include "platform/kovevent.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/maskplacepriv.h"
#include "sheets/maskstate.h"
#include "sheets/viewarea.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using maskplace::place;
using maskplace::set_last_element;

// A part of the screen kept under a tooltip box or a highlight.
struct SavedScreen {
    int shown = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<unsigned char> pixels;
};

SavedScreen g_tip;
SavedScreen g_light;

// The output state of the pages below the masks open now, kept while a mask
// is open over them.
std::vector<std::unique_ptr<MaskState>>& kept_levels()
{
    static auto* v = new std::vector<std::unique_ptr<MaskState>>;
    return *v;
}

bool save_screen(SavedScreen& s, int x1, int y1, int x2, int y2)
{
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    const int need = pxQSvR(x1, y1, x2, y2);
    if (need <= 0) return false;
    if (s.pixels.size() < size_t(need)) s.pixels.resize(size_t(need));
    return pxSvRc(x1, y1, x2, y2, s.pixels.data(), int(s.pixels.size())) == 1;
}

void restore_screen(SavedScreen& s)
{
    if (!s.pixels.empty()) pxStRc(s.pixels.data(), int(s.pixels.size()));
    s.shown = 0;
}

// Offsets from view-area coordinates of the output area to the screen; false
// while the output area has no page area.
bool view_to_screen(int* ox, int* oy)
{
    const MaskState& m = g_mask_state;
    if (m.output_area < 0 || m.page_left == -1000) return false;
    int sx = 0, sy = 0;
    View_Area_Inquire_Scroll(unsigned(m.output_area), &sx, &sy);
    *ox = (m.page_dx ? *m.page_dx : 0) + m.page_left - sx;
    *oy = (m.page_dy ? *m.page_dy : 0) + m.page_top - sy;
    return true;
}

bool strictly_inside(int x, int y, int left, int right, int top, int bottom)
{
    return x > left && x < right && y > top && y < bottom;
}

bool page_active(int escape) { return ActivState_of_Button_PS(escape) == 1; }

void draw_picture(const char* picture, int key_colour, int x1, int y1, int x2, int y2)
{
    if (!picture) return;
    int r = 0, g = 0, b = 0;
    pxQCR(key_colour, &r, &g, &b);
    pxDrawPartialTransparentDIB(picture, 0, 0, -1, -1, x1, y1, x2, y2, 201, -1, r, g, b);
}

void draw_button_text(const MaskHoverButton& e, int ox, int oy, bool highlight)
{
    if (!e.text) return;
    const unsigned font = e.text_font & ~0x10000u;
    pxSFnt(int(font));
    pxFgc(e.text_colour);
    pxText(e.text_x + ox, e.text_y + oy, e.text, -1);
    if (highlight && (e.text_font & 0x10000u)) pxText(e.text_x + ox + 1, e.text_y + oy, e.text, -1);
}

// The next entry of the hover list, NULL when it is full.
MaskHoverButton* next_hover_entry()
{
    MaskState& m = g_mask_state;
    if (m.hover_button_count < 0) m.hover_button_count = 0;
    if (m.hover_button_count >= MASK_HOVER_BUTTONS) return nullptr;
    return &m.hover_buttons[m.hover_button_count];
}

MaskHoverButton fresh_entry(int left, int top, int right, int bottom)
{
    MaskHoverButton e{};
    e.escape = g_mask_state.escape;
    e.left = left;
    e.right = right;
    e.top = top;
    e.bottom = bottom;
    e.key_colour = WHITE_CI;
    e.text_colour = BLACK_CI;
    return e;
}

// The entry of both text buttons: w - 1 wide (the stored hover rectangle
// ends one pixel earlier) and 18 high, placed like a picture button; its
// rectangle is the last element's.
MaskHoverButton text_button_entry(double x, double y, double w, int valign, int halign, int active)
{
    const double wn = w - 1;
    int left = 0, top = 0;
    place(x, y, wn, 18, valign, halign, &left, &top);
    MaskHoverButton e = fresh_entry(left, top, left + int(wn), top + 18);
    set_last_element(e.left, e.top, e.right, e.bottom, active);
    return e;
}

// The click area over an active button, with the hand cursor.
void add_click_area(unsigned area, const MaskHoverButton& e, intptr_t key, intptr_t* result)
{
    View_Area_Add_Click_Area(area, e.left, e.top, e.right, e.bottom, key, result);
    View_Area_Set_Click_Area_Cursor(area, 18);
}

void keep_entry(const MaskHoverButton& e)
{
    if (MaskHoverButton* slot = next_hover_entry()) {
        *slot = e;
        ++g_mask_state.hover_button_count;
    }
}

int text_width(const char* text, int font)
{
    if (!text) return 0;
    Pop_RFont(font);
    const int w = Text_Width_Pixels(text);
    Push_RFont();
    return w;
}

// The framed text button of both text-button calls: frame lines and centred
// text over the entry's rectangle, and the text in the entry (pictures set by
// the caller).
void add_text_button(int area, const char* text, int text_colour, int frame_colour, unsigned highlight_font,
                     MaskHoverButton& e)
{
    const unsigned a = unsigned(area);
    const int left = e.left, top = e.top, right = e.right, bottom = e.bottom, w = right - left;
    View_Area_Add_Line(a, left, top, right, top, frame_colour);
    View_Area_Add_Line(a, right, top, right, bottom, frame_colour);
    View_Area_Add_Line(a, right, bottom, left, bottom, frame_colour);
    View_Area_Add_Line(a, left, bottom, left, top, frame_colour);
    int tx = left + w / 2;
    if (text) {
        const int t = text_width(text, 0);
        if (t > 0) tx = left + (w - (t + 3)) / 2;
        View_Area_Add_Text(a, tx, top + 14, text, 0, text_colour, 0);
    }
    e.text = text;
    e.text_x = tx;
    e.text_y = top + 14;
    e.text_colour = text_colour;
    e.text_font = highlight_font;
}

} // namespace

void Mask_Hover_Handler(void)
{
    const MaskState& m = g_mask_state;
    int ox = 0, oy = 0;
    const bool mapped = view_to_screen(&ox, &oy);
    const int vx = M_XPOS - ox, vy = M_YPOS - oy;
    const int fg = pxQFgc();
    bool drawn = false;

    // Tooltips.
    bool over_tip = false;
    for (int i = 0; mapped && i < m.tooltip_count && i < MASK_TOOLTIPS; ++i) {
        const MaskTooltip& t = m.tooltips[i];
        if (!page_active(t.escape) || !strictly_inside(vx, vy, t.left, t.right, t.top, t.bottom)) continue;
        over_tip = true;
        if (g_tip.shown) continue;
        int bx = (t.left + t.right) / 2 + ox;
        if (t.side == 3) bx -= t.box_width;
        const int by = t.below == 0 ? t.top + oy - 5 - t.box_height : t.bottom + oy + 5;
        const int bx2 = bx + t.box_width - 1, by2 = by + t.box_height - 1;
        if (!save_screen(g_tip, bx, by, bx2, by2)) continue;
        g_tip.shown = 1;
        const int grey = Nearest_Color_Index(64, 64, 64);
        pxFgc(Nearest_Color_Index(255, 255, 255));
        pxRect(bx, by, bx2, by2);
        pxFgc(grey);
        pxLine(bx, by, bx2, by);
        pxLine(bx2, by, bx2, by2);
        pxLine(bx2, by2, bx, by2);
        pxLine(bx, by2, bx, by);
        pxSFnt(0x1000);
        for (int k = 0; k < t.line_count && k < 5; ++k) pxText(bx + 3, by + 12 + 12 * k, t.lines[k], -1);
        drawn = true;
    }
    if (!over_tip && g_tip.shown) {
        restore_screen(g_tip);
        drawn = true;
    }

    // Hover buttons.
    bool over_button = false;
    for (int i = 0; mapped && i < m.hover_button_count && i < MASK_HOVER_BUTTONS; ++i) {
        const MaskHoverButton& b = m.hover_buttons[i];
        if (!page_active(b.escape) || !strictly_inside(vx, vy, b.left, b.right, b.top, b.bottom)) continue;
        over_button = true;
        // A highlight shown stays where it is until the mouse is over no button.
        if (g_light.shown) continue;
        const int x1 = b.left + ox, y1 = b.top + oy, x2 = b.right + ox, y2 = b.bottom + oy;
        if (!save_screen(g_light, x1, y1, x2, y2)) continue;
        g_light.shown = 1;
        draw_picture(b.hover, b.key_colour, x1, y1, x2, y2);
        draw_button_text(b, ox, oy, true);
        drawn = true;
    }
    if (!over_button && g_light.shown) {
        // The saved screen is the button as the page shows it, its text and
        // frame included; drawing its normal picture alone would leave both out.
        restore_screen(g_light);
        drawn = true;
    }
    if (drawn) {
        pxFgc(fg);
        pxFlsh();
    }
}

void Mask_Register_Hover_Area(int escape, int view_area, int left, int top, int right, int bottom, int* dx, int* dy)
{
    const MaskPageArea a{escape, view_area, left, top, right, bottom, dx, dy};
    const int before = g_mask_state.page_area_count;
    if (!Mask_Add_Page_Area(&a)) return;
    if (before == 0 && g_mask_state.page_area_count == 1) {
        Define_Call_Allways_Function(Mask_Hover_Handler);
        Activate_Call_Allways_Function(1);
        g_mask_state.hover = 1;
    }
}

void Mask_Activate_Hover(int on) { Activate_Call_Allways_Function(on && g_mask_state.hover ? 1 : 0); }

void Mask_Release_Hover_Area(void)
{
    Mask_Remove_Page_Area();
    if (g_mask_state.page_area_count == 0) {
        Activate_Call_Allways_Function(0);
        g_mask_state.hover = 0;
    }
}

void Mask_Set_Tooltip(const char* text, int below, int side)
{
    MaskState& m = g_mask_state;
    if (!m.hover || !m.last_active || !text) return;
    if (m.tooltip_count < 0) m.tooltip_count = 0;
    if (m.tooltip_count >= MASK_TOOLTIPS) return; // the list is full: the tooltip is dropped
    MaskTooltip& t = m.tooltips[m.tooltip_count];
    t = MaskTooltip{};
    // Lines at the line feeds, at most 99 characters each (a longer one goes
    // on in the next line), at most five.
    const char* p = text;
    while (t.line_count < 5) {
        size_t n = 0;
        while (p[n] && p[n] != '\n' && n < 99) ++n;
        std::memcpy(t.lines[t.line_count], p, n);
        t.lines[t.line_count][n] = '\0';
        ++t.line_count;
        p += n;
        if (*p == '\n')
            ++p;
        else if (!*p)
            break;
    }
    int widest = 0;
    for (int k = 0; k < t.line_count; ++k) {
        const int w = text_width(t.lines[k], 0x1000);
        if (w > 0 && w + 3 > widest) widest = w + 3;
    }
    t.box_width = 6 + widest;
    t.box_height = 12 * t.line_count + 6;
    t.escape = m.escape;
    t.left = m.last_left;
    t.right = m.last_right;
    t.top = m.last_top;
    t.bottom = m.last_bottom;
    t.below = below;
    t.side = side;
    ++m.tooltip_count;
}

const char* Mask_Add_Hover_Picture(int area, double x, double y, double w, double h, int valign, int halign,
                                   const char* picture, const char* inactive_picture, const char* hover_picture,
                                   const char* inactive_hover_picture, int key_colour, intptr_t key, intptr_t* result,
                                   int active)
{
    if (!g_mask_state.hover) return nullptr;
    int left = 0, top = 0;
    place(x, y, w, h, valign, halign, &left, &top);
    const int right = int(left + w), bottom = int(top + h);
    MaskHoverButton e = fresh_entry(left, top, right, bottom);
    set_last_element(left, top, right, bottom, active);
    const unsigned a = unsigned(area);
    if (active) {
        if (picture) View_Area_Add_Bitmap(a, picture, left, top, right, bottom, key_colour);
        add_click_area(a, e, key, result);
        e.normal = picture;
        e.hover = hover_picture;
    } else {
        if (inactive_picture) View_Area_Add_Bitmap(a, inactive_picture, left, top, right, bottom, key_colour);
        e.normal = inactive_picture;
        e.hover = inactive_hover_picture;
    }
    e.key_colour = key_colour;
    if (e.hover) keep_entry(e);
    return e.hover;
}

int Mask_Add_Hover_Text_Button(int area, double x, double y, double w, int valign, int halign, int text_colour,
                               int frame_colour, int unused, const char* text, intptr_t key, intptr_t* result,
                               int active)
{
    (void)unused;
    if (!g_mask_state.hover) return 0;
    MaskHoverButton e = text_button_entry(x, y, w, valign, halign, active);
    unsigned font = 0;
    if (active) {
        add_click_area(unsigned(area), e, key, result);
        font = 0x10000;
    } else {
        text_colour = Nearest_RGB_Color(198, 195, 198);
        frame_colour = Nearest_RGB_Color(196, 196, 196);
    }
    add_text_button(area, text, text_colour, frame_colour, font, e);
    if (text) keep_entry(e);
    return 1;
}

int Mask_Add_Bitmap_Text_Button(int area, double x, double y, double w, int valign, int halign, const char* text,
                                intptr_t key, intptr_t* result, int active)
{
    if (!g_mask_state.hover) return 0;
    MaskHoverButton e = text_button_entry(x, y, w, valign, halign, active);
    const unsigned a = unsigned(area);
    int text_colour = BLACK_CI, frame_colour = 0;
    unsigned font = 0;
    if (active) {
        View_Area_Add_Bitmap(a, "textbuttonbg.bmp", e.left, e.top, e.right, e.bottom, WHITE_CI);
        add_click_area(a, e, key, result);
        e.normal = "TextButtonBg.bmp";
        e.hover = "TextButtonBg_ro.bmp";
        frame_colour = Nearest_RGB_Color(144, 144, 144);
        font = 0x10000;
    } else {
        View_Area_Add_Bitmap(a, "TextButtonBgInaktive.bmp", e.left, e.top, e.right, e.bottom, WHITE_CI);
        e.normal = "TextButtonBgInaktive.bmp";
        e.hover = "TextButtonBgInaktive_ro.bmp";
        frame_colour = Nearest_RGB_Color(196, 196, 196);
        text_colour = Nearest_RGB_Color(198, 195, 198);
    }
    add_text_button(area, text, text_colour, frame_colour, font, e);
    if (e.hover || e.text) keep_entry(e);
    return 1;
}

void Mask_Hover_Install(void)
{
    if (!g_mask_state.hover) return;
    Define_Call_Allways_Function(Mask_Hover_Handler);
    Activate_Call_Allways_Function(1);
}

void Mask_Hover_Hide(void)
{
    if (!g_tip.shown && !g_light.shown) return;
    const int fg = pxQFgc();
    // The highlight was saved after a box drawn in the same call: it goes back first.
    if (g_light.shown) restore_screen(g_light);
    if (g_tip.shown) restore_screen(g_tip);
    pxFgc(fg);
    pxFlsh();
}

void Mask_Hover_Enter_Level(void)
{
    // The new sheet keeps the screen below it; a box left on it would come
    // back when the sheet goes, and its saved screen would be the wrong one.
    Mask_Hover_Hide();
    kept_levels().push_back(std::make_unique<MaskState>(g_mask_state));
}

void Mask_Hover_Leave_Level(void)
{
    Mask_Hover_Hide();
    auto& levels = kept_levels();
    if (levels.empty()) return;
    const std::unique_ptr<MaskState> kept = std::move(levels.back());
    levels.pop_back();
    // The page areas and the hover flag belong to the sheets still open, the
    // rest to the page drawn below.
    MaskState& m = g_mask_state;
    std::copy(m.page_areas, m.page_areas + MASK_PAGE_AREAS, kept->page_areas);
    kept->page_area_count = m.page_area_count;
    kept->hover = m.hover;
    m = *kept;
}

void Mask_Hover_Reset(void)
{
    g_tip = SavedScreen{};
    g_light = SavedScreen{};
    kept_levels().clear();
}
