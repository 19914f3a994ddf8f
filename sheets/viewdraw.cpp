// Drawing of the view areas: frame, background and every element type.
#include "sheets/viewarea.h"

#include "hostenv/kovscreentools.h"
#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"
#include "sheets/texteditor.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Built-in marks: 16 pixels a row, 2 bytes a row, the most significant bit leftmost.
const unsigned char kCheckSet[28] = {0xFF, 0xF8, 0xFF, 0xF8, 0xC0, 0x18, 0xC0, 0x58, 0xC0, 0xD8,
                                     0xD1, 0xD8, 0xDB, 0x98, 0xDF, 0x18, 0xCE, 0x18, 0xC4, 0x18,
                                     0xC0, 0x18, 0xFF, 0xF8, 0xFF, 0xF8, 0x00, 0x00};
const unsigned char kCheckClear[28] = {0xFF, 0xF8, 0xFF, 0xF8, 0xC0, 0x18, 0xC0, 0x18, 0xC0, 0x18,
                                       0xC0, 0x18, 0xC0, 0x18, 0xC0, 0x18, 0xC0, 0x18, 0xC0, 0x18,
                                       0xC0, 0x18, 0xFF, 0xF8, 0xFF, 0xF8, 0x00, 0x00};
const unsigned char kRadioSet[24] = {0x0F, 0x00, 0x3F, 0xC0, 0x70, 0xE0, 0x60, 0x60, 0xC6, 0x30, 0xCF, 0x30,
                                     0xCF, 0x30, 0xC6, 0x30, 0x60, 0x60, 0x70, 0xE0, 0x3F, 0xC0, 0x0F, 0x00};
const unsigned char kRadioClear[24] = {0x0F, 0x00, 0x3F, 0xC0, 0x70, 0xE0, 0x60, 0x60, 0xC0, 0x30, 0xC0, 0x30,
                                       0xC0, 0x30, 0xC0, 0x30, 0x60, 0x60, 0x70, 0xE0, 0x3F, 0xC0, 0x0F, 0x00};
const unsigned char kDropDown[28] = {0xFF, 0xF8, 0x80, 0x08, 0x80, 0x08, 0x80, 0x08, 0x80, 0x08,
                                     0xBF, 0xE8, 0x9F, 0xC8, 0x8F, 0x88, 0x87, 0x08, 0x82, 0x08,
                                     0x80, 0x08, 0x80, 0x08, 0xFF, 0xF8, 0x00, 0x00};

struct Colours {
    bool ready = false;
    int grey = 0, black = 0, white = 0;
};

const Colours& colours()
{
    static Colours c;
    if (!c.ready) {
        c.grey = Nearest_Color_Index(190, 190, 190);
        c.black = Nearest_Color_Index(0, 0, 0);
        c.white = Nearest_Color_Index(255, 255, 255);
        c.ready = true;
    }
    return c;
}

// The drawing of one pass: visible rectangle and scroll position.
struct Pass {
    int sx, sy, x1, y1, x2, y2;
    int background;
    int X(int ex) const { return x1 + ex - sx; }
    int Y(int ey) const { return y1 + ey - sy; }
    // The screen rectangle (corners sorted) meets the visible one.
    bool meets(int ax, int ay, int bx, int by) const
    {
        return std::min(ay, by) <= y2 && std::max(ay, by) >= y1 && std::min(ax, bx) <= x2 && std::max(ax, bx) >= x1;
    }
};

bool is_active(const ViewElement& e) { return !e.active || *e.active != 0; }

int width_of(const char* s) { return s ? Text_Width_Pixels(s) : 0; }

void text_at(int x, int y, const char* s, bool bold)
{
    if (!s) return;
    pxText(x, y, s, -1);
    if (bold) pxText(x + 1, y, s, -1);
}

// A dotted frame: the pattern is set before every line and the line style
// reset at the end.
void dotted_frame(int ax, int ay, int bx, int by)
{
    pxSULn(0xAAAAAAAAu);
    pxLine(ax, ay, bx, ay);
    pxSULn(0xAAAAAAAAu);
    pxLine(ax, by, bx, by);
    pxSULn(0xAAAAAAAAu);
    pxLine(ax, ay, ax, by);
    pxSULn(0xAAAAAAAAu);
    pxLine(bx, ay, bx, by);
    pxSLn(0);
}

int shadow_channel(int background, int colour, double keep)
{
    // keep of the background, the rest of the colour, truncated.
    return int(background * keep + colour * (1.0 - keep));
}

void draw_text(const Pass& p, const ViewElement& e)
{
    const int X = p.X(e.x1), Y = p.Y(e.y1);
    if (!(p.y1 <= Y && Y <= p.y2 + 12 && X <= p.x2) || !e.text) return;
    Pop_RFont(e.font);
    if (e.x2 == 2 || e.x2 == 3) {
        int br, bg, bb, cr, cg, cb;
        pxQCR(p.background, &br, &bg, &bb);
        pxQCR(e.colour, &cr, &cg, &cb);
        int r, g, b;
        if (e.x2 == 2) {
            r = int(br * 0.65 + cr * 0.35);
            g = int(bg * 0.65 + cg * 0.35);
            b = int(bb * 0.65 + cb * 0.35);
        } else {
            r = shadow_channel(br, cr, 0.9);
            g = shadow_channel(bg, cg, 0.9);
            b = shadow_channel(bb, cb, 0.9);
        }
        pxFgc(Nearest_RGB_Color(r, g, b));
        pxText(X + 1, Y, e.text, -1);
    }
    pxFgc(e.colour);
    pxText(X, Y, e.text, -1);
    if (e.x2 == 1) pxText(X + 1, Y, e.text, -1);
    Push_RFont();
}

void draw_rotated(const Pass& p, const ViewElement& e)
{
    if (!e.text) return;
    const int X = p.X(e.x1), Y = p.Y(e.y1);
    const int len = int(std::strlen(e.text));
    Pop_RFont(e.font);
    pxFgc(e.colour);
    pxBTxt(X, Y, X, Y, e.text, len, e.y2);
    if (e.x2) {
        int bx = X, by = Y;
        switch (e.y2) {
            case 512: bx = X - 1; break;
            case 1024: by = Y + 1; break;
            case 256: by = Y - 1; break;
            default: bx = X + 1; break;
        }
        pxBTxt(bx, by, bx, by, e.text, len, e.y2);
    }
    Push_RFont();
}

void draw_mark(const Pass& p, const ViewElement& e)
{
    const Colours& c = colours();
    const int X = p.X(e.x1), Y = p.Y(e.y1);
    pxFgc(is_active(e) ? e.colour : c.grey);
    if (e.text) {
        Pop_RFont(e.font);
        text_at(X, Y, e.text, e.x2 != 0);
        Push_RFont();
    }
    const bool radio = e.type == VIEW_RADIO_BUTTON;
    const bool set = e.value && (radio ? *e.value == e.aux : *e.value != 0);
    const intptr_t image = set ? e.image : e.image_clear;
    if (image) {
        Draw_TreeViewImage(image, X - 13, Y - 3, e.colour);
    } else if (radio) {
        pxMask(X - 20, Y - 10, X - 9, Y + 1, set ? kRadioSet : kRadioClear, 2);
    } else {
        pxMask(X - 20, Y - 10, X - 8, Y + 2, set ? kCheckSet : kCheckClear, 2);
    }
}

void draw_link(const Pass& p, const ViewElement& e)
{
    const int X = p.X(e.x1), Y = p.Y(e.y1);
    Pop_RFont(e.font);
    if (e.result && *e.result == e.key) {
        pxFgc(e.extra);
        pxRect(X - 2, Y - 10, X + width_of(e.text) + 4, Y + 2);
    }
    pxFgc(e.colour);
    text_at(X, Y, e.text, e.x2 != 0);
    Push_RFont();
}

// Float and text fields: white field while active, the value (or the inactive
// text), a dotted frame.
void draw_field(const Pass& p, const ViewElement& e)
{
    const Colours& c = colours();
    const int X = p.X(e.x1), Y = p.Y(e.y1);
    const bool active = is_active(e);
    std::string text;
    if (e.type == VIEW_FLOAT)
        text = View_Area_Float_Text(&e);
    else if (e.text)
        text.assign(e.text, strnlen(e.text, size_t(std::max(e.y2, 0))));
    Pop_RFont(e.font);
    int w = width_of(text.c_str());
    if (w & 1) ++w;
    if (active) {
        pxFgc(c.white);
        pxRect(X - 6, Y - 13, X + w + 6, Y + 5);
    } else if (e.second_text) {
        Set_RFont(0x1000);
        text = e.second_text;
    }
    pxFgc(e.colour);
    text_at(X, Y, text.c_str(), e.x2 != 0);
    Push_RFont();
    pxFgc(active ? c.black : c.grey);
    dotted_frame(X - 7, Y - 13, X + w + 7, Y + 5);
}

void draw_choice(const Pass& p, const ViewElement& e)
{
    const Colours& c = colours();
    const int X = p.X(e.x1), Y = p.Y(e.y1);
    const bool active = is_active(e);
    const int sel = e.value ? *e.value : 0;
    const bool valid = e.entries && sel >= 0 && sel < e.extra;
    const char* text = valid && e.entries[sel].text ? e.entries[sel].text : "";
    int colour = valid ? e.entries[sel].colour : c.black;
    int w = e.aux;
    if (w & 1) ++w;
    Pop_RFont(e.font);
    if (active) {
        pxFgc(c.white);
        pxRect(X - 6, Y - 13, X + w + 24, Y + 5);
    }
    // Choices have no inactive text of their own; the field is kept for symmetry
    // with the other fields.
    if (!active && e.second_text) {
        Set_RFont(0x1000);
        text = e.second_text;
    }
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    const bool narrow = X + w + 6 < p.x2;
    if (narrow) pxView(p.x1, p.y1, X + w + 6, p.y2);
    pxFgc(colour);
    text_at(X, Y, text, e.x2 != 0);
    if (narrow) pxView(vx1, vy1, vx2, vy2);
    Push_RFont();
    colour = active ? c.black : c.grey;
    pxFgc(colour);
    dotted_frame(X - 7, Y - 13, X + w + 25, Y + 5);
    pxMask(X + w + 10, Y - 10, X + w + 22, Y + 2, kDropDown, 2);
}

void draw_picture_choice(const Pass& p, const ViewElement& e)
{
    const Colours& c = colours();
    const int X = p.X(e.x1), Y = p.Y(e.y1);
    const int pw = e.x2, ph = e.y2;
    int w = pw + 20, h = ph + 5;
    if (w & 1) ++w;
    if (h & 1) ++h;
    if (!p.meets(X, Y, X + w, Y + h)) return;
    const bool active = is_active(e);
    if (active) {
        pxFgc(c.white);
        pxRect(X, Y, X + w, Y + h);
    }
    pxFgc(active ? c.black : c.grey);
    dotted_frame(X, Y, X + w, Y + h);
    pxMask(X + w - 15, Y + 3, X + w - 3, Y + 15, kDropDown, 2);
    if (!e.text) return;
    const int sel = e.value ? *e.value : 0;
    const int sx1 = active ? 0 : pw, sx2 = active ? pw : 2 * pw;
    pxDrawPartialTransparentDIB(e.text, sx1, sel * ph, sx2, sel * ph + ph, X + 3, Y + 3, X + pw + 2, Y + ph + 2, 201,
                                -1, 255, 255, 255);
}

void draw_bitmap_button(const Pass& p, const ViewElement& e)
{
    if (!e.text) return;
    const int w = e.x2 - e.x1, h = e.y2 - e.y1;
    int r, g, b;
    pxQCR(e.extra, &r, &g, &b);
    const int sx = is_active(e) ? w : 0;
    pxDrawPartialTransparentDIB(e.text, sx, e.aux, sx + w - 1, e.aux + h - 1, p.X(e.x1), p.Y(e.y1), p.X(e.x2) - 1,
                                p.Y(e.y2) - 1, 201, -1, r, g, b);
}

void draw_editor(const Pass& p, ViewElement& e)
{
    const Colours& c = colours();
    const int X1 = p.X(e.x1), Y1 = p.Y(e.y1), X2 = p.X(e.x2), Y2 = p.Y(e.y2);
    if (e.aux) {
        pxSULn(0xAAAAAAAAu);
        pxFgc(is_active(e) ? c.black : c.grey);
        pxLine(X1, Y1, X2, Y1);
        pxLine(X1, Y2, X2, Y2);
        pxLine(X1, Y1, X1, Y2);
        pxLine(X2, Y1, X2, Y2);
        pxSLn(0);
    }
    Text_Editor_Draw_Text(&e, X1, Y1, X2, Y2);
}

void draw_element(const Pass& p, ViewElement& e)
{
    switch (e.type) {
        case VIEW_TEXT: draw_text(p, e); break;
        case VIEW_LINE:
            if (!p.meets(p.X(e.x1), p.Y(e.y1), p.X(e.x2), p.Y(e.y2))) break;
            pxFgc(e.colour);
            pxLine(p.X(e.x1), p.Y(e.y1), p.X(e.x2), p.Y(e.y2));
            break;
        case VIEW_BITMAP: {
            if (!e.text) break;
            int r, g, b;
            pxQCR(e.colour, &r, &g, &b);
            const int ox = e.aux ? p.x1 : p.x1 - p.sx, oy = e.aux ? p.y1 : p.y1 - p.sy;
            pxDrawTransparentDIB(e.text, ox + e.x1, oy + e.y1, ox + e.x2, oy + e.y2, 201, -1, r, g, b);
            break;
        }
        case VIEW_DRAWN_BOX:
            if (e.draw) e.draw(p.X(e.x1), p.Y(e.y1), p.X(e.x2), p.Y(e.y2), e.data);
            break;
        case VIEW_MASK_PICTURE:
            if (!e.picture || !p.meets(p.X(e.x1), p.Y(e.y1), p.X(e.x2), p.Y(e.y2))) break;
            pxFgc(e.colour);
            pxMask(p.X(e.x1), p.Y(e.y1), p.X(e.x2), p.Y(e.y2), e.picture->bits, e.picture->bytes_per_row);
            break;
        case VIEW_ROTATED_TEXT: draw_rotated(p, e); break;
        case VIEW_CHECK_BOX:
        case VIEW_RADIO_BUTTON: draw_mark(p, e); break;
        case VIEW_LINK_TEXT: draw_link(p, e); break;
        case VIEW_FLOAT:
        case VIEW_TEXT_FIELD: draw_field(p, e); break;
        case VIEW_FILLED_BOX:
            if (!p.meets(p.X(e.x1), p.Y(e.y1), p.X(e.x2), p.Y(e.y2))) break;
            pxFgc(e.colour);
            pxRect(p.X(e.x1), p.Y(e.y1), p.X(e.x2), p.Y(e.y2));
            break;
        case VIEW_TREE_IMAGE:
            if (!p.meets(p.X(e.x1), p.Y(e.y1), p.X(e.x2), p.Y(e.y2))) break;
            Draw_TreeViewImage(e.image, (e.x1 + e.x2) / 2 + p.x1 - p.sx, (e.y1 + e.y2) / 2 + p.y1 - p.sy, e.colour);
            break;
        case VIEW_CHOICE: draw_choice(p, e); break;
        case VIEW_PICTURE_CHOICE: draw_picture_choice(p, e); break;
        case VIEW_BITMAP_BUTTON: draw_bitmap_button(p, e); break;
        case VIEW_TEXT_EDITOR: draw_editor(p, e); break;
        default: break; // click areas and cut marks draw nothing
    }
}

} // namespace

void View_Area_Draw_Callback(int handle, int sx, int sy, int x1, int y1, int x2, int y2, void* record)
{
    (void)handle;
    ViewArea* a = static_cast<ViewArea*>(record);
    if (a && a->activity == 1) View_Area_Draw(sx, sy, x1, y1, x2, y2, a);
}

void View_Area_Draw(int sx, int sy, int x1, int y1, int x2, int y2, ViewArea* area)
{
    if (!area) return;
    const int fg = pxQFgc();
    int vx1, vy1, vx2, vy2;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    if (area->frame) Draw_Funny_Area_to_PS(4, x1 - 2, y1 - 2, x2 + 2, y2 + 2, 0);
    pxView(x1, y1, x2, y2);
    const int kept = pxBuff(-1);
    pxFgc(area->background);
    pxRect(x1, y1, x2, y2);
    const Pass p{sx, sy, x1, y1, x2, y2, area->background};
    for (ViewElement* e = area->first; e; e = e->next) draw_element(p, *e);
    pxBuff(kept);
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
}
