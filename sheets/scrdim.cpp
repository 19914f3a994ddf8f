// Arrows, axes, dimension lines and texts of the screen graphics.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/kovnum.h"
#include "hostenv/kovscreentools.h"
#include "output/geo2d.h"
#include "platform/kovdraw.h"
#include "platform/kovmath.h"
#include "sheets/scrgraph.h"
#include "sheets/scrgraphpriv.h"

namespace {

const int kNormalFont = 0x1000;
const int kBoldBit = 0x10000;
const int kAlignCentreBottom = 210; // 0xC0 + centred + bottom of the box
const double kValueHeight = 12.0;
const double kSecondHeight = 8.4;

// Horizontal extent of a graphic text in the settings in force.
int graphic_width(const char* text)
{
    if (!text) return 0;
    int extent[4] = {0, 0, 0, 0};
    pxQGTX(text, int(std::strlen(text)), nullptr, nullptr, extent);
    return extent[1] - extent[0];
}

// Turns n points of a line's own frame (angle w) back into the world.
void from_line_frame(double w, double* u, double* v, int n) { Geo_To_Local(u, v, n, 0.0, 0.0, -w, 1.0); }

// p + d held to the int range.
int shifted(int p, long long d)
{
    const long long r = p + d;
    return r > 2147483647LL ? 2147483647 : r < -2147483647LL - 1 ? int(-2147483647LL - 1) : int(r);
}

void graphic_text_at(double x, double y, const char* text)
{
    int px, py;
    if (!text || !*text || !scrgraph::pixel_of(x, y, &px, &py)) return;
    pxGBTt(px, py, px, py, text, int(std::strlen(text)), kAlignCentreBottom);
}

void one_pixel_line(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    if (!scrgraph::pixel_of(x1, y1, &a, &b) || !scrgraph::pixel_of(x2, y2, &c, &d)) return;
    pxLine(a, b, c, d);
}

} // namespace

void Scr_Arrow(double x1, double y1, double x2, double y2, double head_length, double head_width, int filled)
{
    const double len = std::fmin(std::hypot(x2 - x1, y2 - y1), head_length);
    const double wid = std::fmin(len, head_width);
    const double a = Geo_Line_Angle(x1, y1, x2, y2);
    double u = x2, v = y2;
    Geo_To_Local(&u, &v, 1, 0.0, 0.0, a, 1.0);
    double hx[2] = {u - len, u - len}, hy[2] = {v - wid / 2.0, v + wid / 2.0};
    Geo_To_Local(hx, hy, 2, 0.0, 0.0, -a, 1.0);
    Scr_Line(x1, y1, x2, y2);
    if (filled == 1) {
        int px[3], py[3];
        if (!scrgraph::pixel_of(x2, y2, &px[0], &py[0]) || !scrgraph::pixel_of(hx[0], hy[0], &px[1], &py[1]) ||
            !scrgraph::pixel_of(hx[1], hy[1], &px[2], &py[2]))
            return;
        pxFill(3, px, py);
    } else {
        Scr_Line(hx[0], hy[0], x2, y2);
        Scr_Line(hx[1], hy[1], x2, y2);
    }
}

void Scr_Axes(double x, double y, const char* label_x, const char* label_y, double len_x, double len_y, double angle,
              double scale)
{
    if (scale == 0.0) return;
    const double a = 10.0 / scale;
    double ex = len_x / scale, ey = len_y / scale;
    Geo_To_World(&ex, &ey, 1, x, y, angle, 1.0);
    Scr_Arrow(x, y, ex, y, a, 0.8 * a, 1);
    Scr_Arrow(x, y, x, ey, a, 0.8 * a, 1);
    Pop_RFont(kNormalFont);
    int px, py;
    if (label_y && scrgraph::pixel_of(x + 0.6 * a, ey, &px, &py)) pxText(px, py, label_y, -1);
    if (label_x && scrgraph::pixel_of(ex, y - 0.6 * a, &px, &py)) pxText(px, py, label_x, -1);
    Push_RFont();
}

void Scr_Dimension_Line(int mode, double x1, double y1, double x2, double y2, const char* text, const char* second,
                        double ext)
{
    pxExpF(0.7);
    pxSpac(0.1);
    pxChH(kValueHeight);
    pxOrnt(0.0, 0.0);
    int o = graphic_width(text);
    pxChH(kSecondHeight);
    o += graphic_width(second);

    // Pixel lengths become world lengths through the scales: a zero scale has
    // no world length, so nothing can be placed.
    const double sx = Scr_Get_Scale_X(), sy = Scr_Get_Scale_Y();
    if (sx == 0.0 || sy == 0.0) return;
    double x0, y0;
    scrgraph::view_origin(&x0, &y0);
    if (mode == 0) {
        y1 = y0 + y1 / sy;
        y2 = y0 + y2 / sy;
    } else if (mode == 1) {
        x1 = x0 + x1 / sx;
        x2 = x0 + x2 / sx;
    }

    const double w = Geo_Line_Angle(x1, y1, x2, y2);
    double u1 = x1, v = y1, u2 = x2, v2 = y2;
    Geo_To_Local(&u1, &v, 1, 0.0, 0.0, w, 1.0);
    Geo_To_Local(&u2, &v2, 1, 0.0, 0.0, w, 1.0);
    const double g = 5.0 / std::fabs(sx), e = ext / std::fabs(sy), t = 10.0 / std::fabs(sy);
    const double m = u2 >= u1 ? 1.0 : -1.0;
    enum { DIM_A, DIM_B, EXT1_A, EXT1_B, EXT2_A, EXT2_B, VALUE, SECOND, N };
    // The texts read along +u (upright on the screen), centred on the middle:
    // the second text (the half centimetre "5") follows the value as a raised
    // small figure, o/2 right of the middle, not before it.
    double us[N] = {
        u1 - m * g, u2 + m * g, u1, u1, u2, u2, (u1 + u2) / 2.0, (u1 + u2) / 2.0 + m * (o / 2.0) / std::fabs(sx)};
    double vs[N] = {v, v, v - g, v + e, v - g, v + e, v + t, v + t + m * e / 2.0};
    from_line_frame(w, us, vs, N);

    one_pixel_line(us[DIM_A], vs[DIM_A], us[DIM_B], vs[DIM_B]);
    one_pixel_line(us[EXT1_A], vs[EXT1_A], us[EXT1_B], vs[EXT1_B]);
    one_pixel_line(us[EXT2_A], vs[EXT2_A], us[EXT2_B], vs[EXT2_B]);

    pxOrnt(KOV_PI - w, 0.0);
    pxChH(kValueHeight);
    graphic_text_at(us[VALUE], vs[VALUE], text);
    pxChH(kSecondHeight);
    graphic_text_at(us[SECOND], vs[SECOND], second);
}

void Scr_Dimension_Length(int mode, double x1, double y1, double x2, double y2, double ext)
{
    const double len = Round_To_Decimals(std::hypot(x2 - x1, y2 - y1), 3);
    if (!(len >= 0.01) || !std::isfinite(len)) return;
    const double c = 100.0 * len;
    // The whole centimetres, kept as a double so that no length overflows an int.
    double k = std::trunc(c + 0.0001);
    const double f = c - k;
    const double q = Round_To_Decimals(f, 2);
    const char* second = q >= 0.25 && q < 0.74999 ? "5" : "";
    char text[64];
    if (len < 1.0) {
        if (*second)
            std::snprintf(text, sizeof text, "%.0f", k);
        else
            std::snprintf(text, sizeof text, "%.0f", c);
    } else {
        if (Round_To_Decimals(f - 0.75, 2) >= 0.0) k += 1.0;
        std::snprintf(text, sizeof text, "%.2f", 0.01 * k);
    }
    Scr_Dimension_Line(mode, x1, y1, x2, y2, text, second, ext);
}

void Scr_Text(double x, double y, const char* text, int font, int bold)
{
    Pop_RFont(font);
    int px, py;
    if (text && scrgraph::pixel_of(x, y, &px, &py)) {
        pxText(px, py, text, -1);
        if (bold != 0) pxText(shifted(px, 1), py, text, -1);
    }
    Push_RFont();
}

void Scr_Text_Plain(double x, double y, const char* text, int font) { Scr_Text(x, y, text, font, 0); }

void Scr_Text_Bold(double x, double y, const char* text, int font) { Scr_Text(x, y, text, font, 1); }

void Scr_Text_Right(double x, double y, const char* text, int font)
{
    Pop_RFont(font & ~kBoldBit);
    const int w = Text_Width_Pixels(text);
    Push_RFont();
    const int s = (font & kBoldBit) ? 2 : 0;
    Pop_RFont(font);
    int px, py;
    if (text && scrgraph::pixel_of(x, y, &px, &py)) pxText(shifted(px, -(w - 2LL + s)), py, text, -1);
    Push_RFont();
}

void Scr_Text_Box(double x, double y, const char* text, int font, int v, int h)
{
    const int code = 0xC0 + (h == 1 ? 0x04 : h == 4 ? 0x02 : 0x01) + (v == 0 ? 0x08 : v == 4 ? 0x10 : 0x20);
    Pop_RFont(font);
    int px, py;
    if (text && scrgraph::pixel_of(x, y, &px, &py))
        pxBTxt(shifted(px, -5), shifted(py, -5), shifted(px, 5), shifted(py, 5), text, int(std::strlen(text)), code);
    Push_RFont();
}
