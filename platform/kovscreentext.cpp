// Fonts and texts of the screen stand-in: the bitmap fonts of kovfontdata.cpp
// drawn one glyph per character cell, turned by quarter turns (pxBTxt) or
// scaled and turned freely (graphic texts).
#include "platform/kovfont.h"
#include "platform/kovscreen.h"
#include "platform/kovscreen_p.h"
#include "platform/kovscript.h"

#include <algorithm>
#include <cmath>

int RFONT_HEIGHT = 13;
int RFONT_WIDTH = 7;
int RFONT_SPACE = 1;

using namespace kovscreen;

namespace {

const int kFontStackMax = 64;

struct Face {
    const unsigned char (*glyphs)[16];
    int width;   // pixels a character
    int height;  // line height
    int ascent;  // base line to the top of the line
    int descent; // base line to its bottom
};

Face face_of(int flags)
{
    const bool small = (flags & 2) != 0, bold = (flags & 0x10000) != 0;
    if (small) return Face{bold ? kKovFontSmallBold : kKovFontSmall, 6, 10, 8, 2};
    return Face{bold ? kKovFontBold : kKovFontNormal, 8, 13, 10, 3};
}

void select_font(State& s, int flags)
{
    s.font = flags;
    const Face f = face_of(flags);
    RFONT_HEIGHT = f.height;
    RFONT_WIDTH = f.width - 1;
    RFONT_SPACE = 1;
}

bool glyph_bit(const Face& f, unsigned char c, int col, int row)
{
    if (col < 0 || col >= f.width || row < 0 || row >= 16) return false;
    return (f.glyphs[c][row] & (0x80u >> col)) != 0;
}

// The offset of a pixel of the unturned text (u along the base line, v
// downwards) after turning by quarter turns counter-clockwise.
void turn(int quarter, int64_t u, int64_t v, int64_t* dx, int64_t* dy)
{
    switch (quarter & 3) {
        case 1:
            *dx = v;
            *dy = -u;
            break;
        case 2:
            *dx = -u;
            *dy = -v;
            break;
        case 3:
            *dx = -v;
            *dy = u;
            break;
        default:
            *dx = u;
            *dy = v;
            break;
    }
}

// Whether the glyph pixel at column col of the whole text (all cells in a row)
// is set.
bool text_bit(const Face& f, const std::string& t, int64_t col, int row)
{
    if (col < 0 || col >= int64_t(t.size()) * f.width) return false;
    return glyph_bit(f, (unsigned char)t[size_t(col / f.width)], int(col % f.width), row);
}

// The text's cells with the base line starting at (x, y), turned. bold: the
// copy one pixel right of the same text, which thickens the strokes; a pixel
// that would close a one-pixel gap of the glyphs is left out, so that the
// small faces' letters (m, w, e) do not run into blocks.
void draw_cells(State& s, int64_t x, int64_t y, const std::string& t, int quarter, bool bold = false)
{
    const Face f = face_of(s.font);
    const Clip c = clip_of(s);
    if (c.empty() || t.empty()) return;
    const uint32_t rgb = rgb_of(s.fg);
    for (size_t i = 0; i < t.size(); ++i) {
        const unsigned char ch = (unsigned char)t[i];
        for (int row = 0; row < 16; ++row) {
            if (!f.glyphs[ch][row]) continue;
            for (int col = 0; col < f.width; ++col) {
                if (!glyph_bit(f, ch, col, row)) continue;
                // It lands on column at + 1 of the first copy.
                const int64_t at = int64_t(i) * f.width + col;
                if (bold && !text_bit(f, t, at + 1, row) && text_bit(f, t, at + 2, row)) continue;
                int64_t dx, dy;
                turn(quarter, int64_t(i) * f.width + col, row - KOV_FONT_BASE_ROW, &dx, &dy);
                if (c.has(x + dx, y + dy)) put(s, int(x + dx), int(y + dy), rgb);
            }
        }
    }
}

// Position of the anchor for an aligned box: left/centre/right and
// top/middle/bottom of the rectangle (x1..x2, y1..y2) against the extent of
// the drawn thing (ex1..ex2, ey1..ey2 relative to its origin).
void align(int code, int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t ex1, int64_t ey1, int64_t ex2, int64_t ey2,
           int64_t* ox, int64_t* oy)
{
    const int64_t l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    if (code & 4)
        *ox = r - ex2;
    else if (code & 2)
        *ox = (l + r) / 2 - (ex1 + ex2) / 2;
    else
        *ox = l - ex1;
    if (code & 0x20)
        *oy = t - ey1;
    else if (code & 0x10)
        *oy = (t + b) / 2 - (ey1 + ey2) / 2;
    else
        *oy = b - ey2;
}

int quarter_of(int code)
{
    if (code & 0x100) return 1;
    if (code & 0x200) return 2;
    if (code & 0x400) return 3;
    return 0;
}

struct GraphicText {
    double height, gw, adv, total, ascent, descent;
    double dx, dy, nx, ny; // base line direction and downwards direction
};

GraphicText graphic_of(const State& s, size_t n)
{
    GraphicText g;
    g.height = std::max(0.0, std::min(s.gt_height, 4096.0));
    g.gw = g.height * std::max(0.0, std::min(s.gt_expansion, 16.0));
    g.adv = g.gw + g.height * std::max(-1.0, std::min(s.gt_spacing, 16.0));
    g.total = n ? (double(n) - 1) * g.adv + g.gw : 0;
    g.ascent = g.height * 10.0 / 13.0;
    g.descent = g.height * 3.0 / 13.0;
    // Reading direction pi - a counter-clockwise on the screen (y runs down),
    // so that a line's text drawn at pi - (line angle) reads along the line.
    const double a = std::isfinite(s.gt_angle) ? s.gt_angle : kUprightAngle;
    g.dx = -std::cos(a);
    g.dy = -std::sin(a);
    g.nx = -g.dy;
    g.ny = g.dx;
    return g;
}

void graphic_corners(const GraphicText& g, double ox, double oy, double xs[4], double ys[4])
{
    const double u[4] = {0, g.total, g.total, 0}, v[4] = {g.descent, g.descent, -g.ascent, -g.ascent};
    for (int i = 0; i < 4; ++i) {
        xs[i] = ox + u[i] * g.dx + v[i] * g.nx;
        ys[i] = oy + u[i] * g.dy + v[i] * g.ny;
    }
}

} // namespace

namespace kovscreen {

void draw_message_panel(State& s, const std::string& title, const std::vector<std::string>& lines)
{
    ensure_screen(s);
    remove_message_panel(s);
    const int kLine = 16, kMargin = 16, kTitle = 22;
    size_t widest = title.size();
    for (const std::string& l : lines) widest = std::max(widest, l.size());
    const int64_t text_w = int64_t(std::min<size_t>(widest, 4096)) * 8;
    const int64_t w = std::max<int64_t>(200, text_w + 3 * kMargin);
    const int64_t n = int64_t(std::min<size_t>(lines.size(), 4096));
    const int64_t top = NPIXEL_Y / 2 - n * kLine / 2; // first line's cell
    const int64_t x1 = NPIXEL_X / 2 - w / 2, x2 = x1 + w - 1;
    const int64_t y1 = top - kMargin - (title.empty() ? 0 : kTitle), y2 = top + n * kLine + kMargin - 1;

    const int bx = int(std::max<int64_t>(0, x1)), by = int(std::max<int64_t>(0, y1));
    const int bx2 = int(std::min<int64_t>(s.screen.width() - 1, x2));
    const int by2 = int(std::min<int64_t>(s.screen.height() - 1, y2));
    if (bx > bx2 || by > by2) return;
    s.panel.shown = true;
    s.panel.x = bx;
    s.panel.y = by;
    s.panel.below = s.screen.copy(bx, by, bx2 - bx + 1, by2 - by + 1);

    // Plain drawing on the whole screen; the callers' state comes back after.
    const DrawState keep = s;
    static_cast<DrawState&>(s) = DrawState{};
    s.view[2] = s.screen.width() - 1;
    s.view[3] = s.screen.height() - 1;
    const Clip c = clip_of(s);
    auto fill = [&](int64_t a, int64_t b, int64_t e, int64_t f, int colour) {
        const uint32_t rgb = rgb_of(colour);
        for (int64_t y = std::max<int64_t>(b, c.y1); y <= std::min<int64_t>(f, c.y2); ++y)
            for (int64_t x = std::max<int64_t>(a, c.x1); x <= std::min<int64_t>(e, c.x2); ++x)
                put(s, int(x), int(y), rgb);
    };
    fill(x1, y1, x2, y2, -1);
    // Raised: light above and left, shadows below and right, two rings.
    fill(x1, y1, x2, y1, -3);
    fill(x1, y1, x1, y2, -3);
    fill(x1, y2, x2, y2, -5);
    fill(x2, y1, x2, y2, -5);
    fill(x1 + 1, y2 - 1, x2 - 1, y2 - 1, -4);
    fill(x2 - 1, y1 + 1, x2 - 1, y2 - 1, -4);
    if (!title.empty()) {
        fill(x1 + 3, y1 + 3, x2 - 3, y1 + kTitle, -7);
        s.fg = -8;
        s.font = 0x10000;
        draw_cells(s, x1 + 10, y1 + 17, title, 0);
    }
    s.fg = -9;
    s.font = 0;
    for (int64_t i = 0; i < n; ++i) {
        const std::string& l = lines[size_t(i)];
        const int64_t lw = int64_t(std::min<size_t>(l.size(), 4096)) * 8;
        draw_cells(s, NPIXEL_X / 2 - lw / 2, top + i * kLine + 11, l, 0);
    }
    static_cast<DrawState&>(s) = keep;
}

bool remove_message_panel(State& s)
{
    if (!s.panel.shown) return false;
    const QImage below = s.panel.below;
    const int x = s.panel.x, y = s.panel.y;
    s.panel = MessagePanel{};
    for (int r = 0; r < below.height() && y + r < s.screen.height(); ++r)
        for (int k = 0; k < below.width() && x + k < s.screen.width(); ++k)
            s.screen.setPixel(x + k, y + r, below.pixel(k, r));
    return true;
}

} // namespace kovscreen

extern "C" {

void Pop_RFont(int flags)
{
    Kov_Script_Log("Pop_RFont %d", flags);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    // A stack that overflows still counts, so every Push_RFont finds its pair.
    s.font_stack.push_back(s.font);
    if (int(s.font_stack.size()) > kFontStackMax) s.font_stack.erase(s.font_stack.begin());
    select_font(s, flags);
}

void Push_RFont(void)
{
    Kov_Script_Log("Push_RFont");
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    if (s.font_stack.empty()) return;
    const int f = s.font_stack.back();
    s.font_stack.pop_back();
    select_font(s, f);
}

void Set_RFont(int flags)
{
    Kov_Script_Log("Set_RFont %d", flags);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    select_font(s, flags);
}

void pxSFnt(int flags)
{
    Kov_Script_Log("pxSFnt %d", flags);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    select_font(s, flags);
}

void pxText(int x, int y, const char* text, int len)
{
    const std::string t = text_of(text, len);
    Kov_Script_Log("pxText %d %d %s", x, y, t.c_str());
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    ensure_screen(s);
    State::LastText& last = s.last_text;
    const bool bold =
        last.valid && last.text == t && last.y == y && last.x + 1 == x && last.font == s.font && last.fg == s.fg;
    draw_cells(s, x, y, t, 0, bold);
    last.valid = !bold;
    last.text = t;
    last.x = x;
    last.y = y;
    last.font = s.font;
    last.fg = s.fg;
}

void pxBTxt(int x1, int y1, int x2, int y2, const char* text, int len, int code)
{
    const std::string t = text_of(text, len);
    Kov_Script_Log("pxBTxt %d %d %d %d %s %d", x1, y1, x2, y2, t.c_str(), code);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    ensure_screen(s);
    const int q = quarter_of(code);
    int64_t ox = x1, oy = y1;
    if ((code & 0xC0) == 0xC0) {
        const Face f = face_of(s.font);
        // The text's cells (u along, v down) turned; their extent decides.
        const int64_t w = int64_t(t.size()) * f.width;
        int64_t ax, ay, bx, by;
        turn(q, 0, -f.ascent, &ax, &ay);
        turn(q, w - 1, f.descent - 1, &bx, &by);
        align(code, x1, y1, x2, y2, std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by), &ox, &oy);
    }
    draw_cells(s, ox, oy, t, q);
}

int pxQTxX(const char* text, int len, int* extent)
{
    const std::string t = text_of(text, len);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    const int w = int(std::min<size_t>(t.size(), 1u << 24)) * face_of(s.font).width;
    if (extent) {
        extent[0] = 0;
        extent[1] = w;
    }
    return w;
}

void pxChH(double height)
{
    Kov_Script_Log("pxChH %g", height);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    if (std::isfinite(height)) s.gt_height = height;
}

void pxExpF(double factor)
{
    Kov_Script_Log("pxExpF %g", factor);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    if (std::isfinite(factor)) s.gt_expansion = factor;
}

void pxSpac(double spacing)
{
    Kov_Script_Log("pxSpac %g", spacing);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    if (std::isfinite(spacing)) s.gt_spacing = spacing;
}

void pxOrnt(double angle, double unused)
{
    Kov_Script_Log("pxOrnt %g %g", angle, unused);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    if (std::isfinite(angle)) s.gt_angle = angle;
}

void pxGBTt(int x1, int y1, int x2, int y2, const char* text, int len, int code)
{
    const std::string t = text_of(text, len);
    Kov_Script_Log("pxGBTt %d %d %d %d %s %d", x1, y1, x2, y2, t.c_str(), code);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    ensure_screen(s);
    const GraphicText gt = graphic_of(s, t.size());
    if (t.empty() || gt.height < 1 || gt.gw <= 0) return;
    double ox = x1, oy = y1;
    if ((code & 0xC0) == 0xC0) {
        // The anchor on the box, the point of the text that sits on it.
        const double l = std::min(x1, x2), r = std::max(x1, x2), tp = std::min(y1, y2), b = std::max(y1, y2);
        const double ax = (code & 4) ? r : (code & 2) ? (l + r) / 2 : l;
        const double ay = (code & 0x20) ? tp : (code & 0x10) ? (tp + b) / 2 : b;
        const double u0 = (code & 4) ? gt.total : (code & 2) ? gt.total / 2 : 0;
        const double v0 = (code & 0x20) ? -gt.ascent : (code & 0x10) ? -gt.ascent / 2 : 0;
        ox = ax - u0 * gt.dx - v0 * gt.nx;
        oy = ay - u0 * gt.dy - v0 * gt.ny;
    }
    double xs[4], ys[4];
    graphic_corners(gt, ox, oy, xs, ys);
    const double bx1 = std::floor(*std::min_element(xs, xs + 4)), bx2 = std::ceil(*std::max_element(xs, xs + 4));
    const double by1 = std::floor(*std::min_element(ys, ys + 4)), by2 = std::ceil(*std::max_element(ys, ys + 4));
    const Clip c = clip_of(s);
    if (c.empty() || bx2 < c.x1 || bx1 > c.x2 || by2 < c.y1 || by1 > c.y2) return;
    const Face f = face_of(0);
    const double scale_v = gt.height / 13.0;
    const uint32_t rgb = rgb_of(s.fg);
    const int px1 = int(std::max<double>(bx1, c.x1)), px2 = int(std::min<double>(bx2, c.x2));
    const int py1 = int(std::max<double>(by1, c.y1)), py2 = int(std::min<double>(by2, c.y2));
    for (int y = py1; y <= py2; ++y)
        for (int x = px1; x <= px2; ++x) {
            // The pixel's centre in the text's own frame.
            const double px = x + 0.5 - ox, py = y + 0.5 - oy;
            const double u = px * gt.dx + py * gt.dy, v = px * gt.nx + py * gt.ny;
            if (u < 0 || u >= gt.total || gt.adv <= 0) continue;
            const double cell = std::floor(u / gt.adv);
            if (cell < 0 || cell >= double(t.size())) continue;
            const double within = u - cell * gt.adv;
            if (within >= gt.gw) continue;
            const int col = int(within / gt.gw * f.width);
            const int row = int(std::floor(v / scale_v)) + KOV_FONT_BASE_ROW;
            if (glyph_bit(f, (unsigned char)t[size_t(cell)], col, row)) put(s, x, y, rgb);
        }
}

void pxQGTX(const char* text, int len, int* xs, int* ys, int* extent)
{
    const std::string t = text_of(text, len);
    State& s = state();
    std::lock_guard<std::mutex> g(s.lock);
    const GraphicText gt = graphic_of(s, t.size());
    double cx[4], cy[4];
    graphic_corners(gt, 0, 0, cx, cy);
    for (int i = 0; i < 4; ++i) {
        if (xs) xs[i] = int(std::lround(cx[i]));
        if (ys) ys[i] = int(std::lround(cy[i]));
    }
    if (extent) {
        extent[0] = int(std::lround(*std::min_element(cx, cx + 4)));
        extent[1] = int(std::lround(*std::max_element(cx, cx + 4)));
        extent[2] = int(std::lround(*std::min_element(cy, cy + 4)));
        extent[3] = int(std::lround(*std::max_element(cy, cy + 4)));
    }
}

} // extern "C"
