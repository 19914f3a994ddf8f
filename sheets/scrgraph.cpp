// Screen graphics in world coordinates: the view, lines, fills and colours.
#include "sheets/scrgraph.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/kovdraw.h"
#include "sheets/scrgraphpriv.h"

namespace {

struct View {
    double x0 = 0.0, y0 = 0.0, angle = 0.0;
    double scale_x = 1.0, scale_y = 1.0;
    int thickness = 1;
    int style = 0;
};

View& view()
{
    static View v;
    return v;
}

// The int of v held to the int range (v finite).
int held_int(double v)
{
    if (v >= double(INT_MAX)) return INT_MAX;
    if (v <= double(INT_MIN)) return INT_MIN;
    return int(v);
}

const double kStep5 = 0.0872664625997164739; // 5 degrees
const int kCirclePoints = 73;

// The circle's 73 world points, the last equal to the first.
void circle_points(double cx, double cy, double r, double* xs, double* ys)
{
    for (int k = 0; k < kCirclePoints; ++k) {
        xs[k] = cx + r * std::cos(k * kStep5);
        ys[k] = cy + r * std::sin(k * kStep5);
    }
}

const int kDots[16] = {0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0};
const int kMotif[16] = {0x0810, 0x0660, 0x9189, 0x6006, 0x0810, 0x0660, 0x9189, 0x6006,
                        0x0810, 0x0660, 0x9189, 0x6006, 0x0810, 0x0660, 0x9189, 0x6006};
const int kLines[16] = {0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111,
                        0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111};

// Fills the polygon of world points (nothing when a point is not finite).
void fill_world(int n, const double* xs, const double* ys)
{
    std::vector<int> px(size_t(n > 0 ? n : 0) + 1), py(px.size());
    for (int i = 0; i < n; ++i)
        if (!scrgraph::pixel_of(xs[i], ys[i], &px[size_t(i)], &py[size_t(i)])) return;
    pxFill(n, px.data(), py.data());
}

// The pixel lines of Scr_Line between two rounded points.
void pixel_line(int x1, int y1, int x2, int y2)
{
    const View& v = view();
    if (v.thickness <= 0) return;
    if (v.thickness == 1) {
        pxLine(x1, y1, x2, y2);
        return;
    }
    if (v.style == 0 || v.thickness > 3) {
        pxTkLn(x1, y1, x2, y2, v.thickness);
        return;
    }
    // Dashed or dotted and 2 or 3 thick: copies side by side, each starting
    // the pattern at the same place so that the dashes stay aligned.
    const bool flat = std::fabs(double(x2) - x1) > std::fabs(double(y2) - y1);
    for (int i = 1; i >= (v.thickness == 3 ? -1 : 0); --i) {
        pxSLn(v.style);
        const int64_t off = i;
        if (flat)
            pxLine(x1, held_int(double(int64_t(y1) + off)), x2, held_int(double(int64_t(y2) + off)));
        else
            pxLine(held_int(double(int64_t(x1) + off)), y1, held_int(double(int64_t(x2) + off)), y2);
    }
}

} // namespace

namespace scrgraph {

int pixel_round(double v) { return held_int(v >= 0.0 ? v + 0.5 : v - 0.5); }

void to_screen(double x, double y, double* sx, double* sy)
{
    const View& v = view();
    const double c = std::cos(v.angle), s = std::sin(v.angle);
    const double dx = x - v.x0, dy = y - v.y0;
    *sx = v.scale_x * (c * dx + s * dy);
    *sy = v.scale_y * (c * dy - s * dx);
}

bool pixel_of(double x, double y, int* px, int* py)
{
    double sx, sy;
    to_screen(x, y, &sx, &sy);
    if (!std::isfinite(sx) || !std::isfinite(sy)) return false;
    *px = pixel_round(sx);
    *py = pixel_round(sy);
    return true;
}

void view_origin(double* x0, double* y0)
{
    *x0 = view().x0;
    *y0 = view().y0;
}

} // namespace scrgraph

// ---- the view -------------------------------------------------------------------

void Scr_Set_View(double x0, double y0, double angle, double scale_x, double scale_y)
{
    View& v = view();
    v.x0 = x0;
    v.y0 = y0;
    v.angle = angle;
    v.scale_x = scale_x;
    v.scale_y = scale_y;
}

double Scr_Get_Scale_X() { return view().scale_x; }
double Scr_Get_Scale_Y() { return view().scale_y; }

void Scr_World_To_Screen(double* x, double* y)
{
    if (x && y) {
        scrgraph::to_screen(*x, *y, x, y);
    } else if (x) {
        *x *= view().scale_x;
    } else if (y) {
        *y *= view().scale_y;
    }
}

void Scr_Screen_To_World(double* x, double* y)
{
    const View& v = view();
    if (!x || !y || v.scale_x == 0.0 || v.scale_y == 0.0) return;
    const double c = std::cos(v.angle), s = std::sin(v.angle);
    const double u = *x / v.scale_x, w = *y / v.scale_y;
    *x = u * c - w * s + v.x0;
    *y = u * s + w * c + v.y0;
}

double Scr_Screen_Distance(double x1, double y1, double x2, double y2)
{
    double a, b, c, d;
    scrgraph::to_screen(x1, y1, &a, &b);
    scrgraph::to_screen(x2, y2, &c, &d);
    return std::hypot(c - a, d - b);
}

void Scr_Set_Thickness(int thickness) { view().thickness = thickness; }

void Scr_Set_Line_Style(int style)
{
    view().style = style;
    pxSLn(style);
}

int Scr_Get_Line_Style() { return view().style; }

void Scr_Set_Pattern_Dots() { pxSUFA(kDots); }
void Scr_Set_Pattern_Motif() { pxSUFA(kMotif); }
void Scr_Set_Pattern_Lines() { pxSUFA(kLines); }

// ---- primitives -------------------------------------------------------------------

void Scr_Dot(double x, double y)
{
    double sx, sy;
    scrgraph::to_screen(x, y, &sx, &sy);
    if (!std::isfinite(sx) || !std::isfinite(sy)) return;
    const int r = scrgraph::pixel_round(view().thickness * 0.5);
    if (r <= 1) {
        pxDot(held_int(sx), held_int(sy));
        return;
    }
    int px[kCirclePoints], py[kCirclePoints];
    for (int k = 0; k < kCirclePoints; ++k) {
        px[k] = scrgraph::pixel_round(sx + r * std::cos(k * kStep5));
        py[k] = scrgraph::pixel_round(sy + r * std::sin(k * kStep5));
    }
    pxFill(kCirclePoints - 1, px, py);
}

void Scr_Line(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    if (!scrgraph::pixel_of(x1, y1, &a, &b) || !scrgraph::pixel_of(x2, y2, &c, &d)) return;
    pixel_line(a, b, c, d);
}

void Scr_Band(double x1, double y1, double x2, double y2, double width, const int* pattern)
{
    // The angle without its quadrant: the band lies the same on either side.
    double s, c;
    if (std::fabs(x2 - x1) < 1e-5) {
        s = 1.0;
        c = 6.123233995736766e-17;
    } else {
        const double phi = std::atan((y2 - y1) / (x2 - x1));
        s = std::sin(phi);
        c = std::cos(phi);
    }
    const double m = s * width / 2.0, l = c * width / 2.0;
    const double xs[4] = {x1 - m, x2 - m, x2 + m, x1 + m};
    const double ys[4] = {y1 + l, y2 + l, y2 - l, y1 - l};
    if (pattern) pxSUFA(pattern);
    fill_world(4, xs, ys);
    if (pattern) pxSFA(0);
}

void Scr_Rectangle(double x1, double y1, double x2, double y2)
{
    Scr_Line(x1, y1, x2, y1);
    Scr_Line(x2, y1, x2, y2);
    Scr_Line(x2, y2, x1, y2);
    Scr_Line(x1, y2, x1, y1);
}

void Scr_Rectangle_Centred(double cx, double cy, double w, double h)
{
    Scr_Rectangle(cx - w / 2.0, cy - h / 2.0, cx + w / 2.0, cy + h / 2.0);
}

void Scr_Fill_Rectangle(double x1, double y1, double x2, double y2)
{
    int a, b, c, d;
    if (!scrgraph::pixel_of(x1, y1, &a, &b) || !scrgraph::pixel_of(x2, y2, &c, &d)) return;
    pxRect(a, b, c, d);
}

void Scr_Fill_Rectangle_Centred(double cx, double cy, double w, double h)
{
    Scr_Fill_Rectangle(cx - w / 2.0, cy - h / 2.0, cx + w / 2.0, cy + h / 2.0);
}

void Scr_Erase_Rectangle(double x1, double y1, double x2, double y2)
{
    const int keep = pxQFgc();
    pxFgc(-1);
    Scr_Fill_Rectangle(x1, y1, x2, y2);
    pxFgc(keep);
}

void Scr_Circle(double cx, double cy, double r)
{
    double xs[kCirclePoints], ys[kCirclePoints];
    circle_points(cx, cy, r, xs, ys);
    for (int k = 0; k < 71; ++k) Scr_Line(xs[k], ys[k], xs[k + 1], ys[k + 1]);
    Scr_Line(xs[71], ys[71], xs[0], ys[0]);
}

void Scr_Fill_Circle(double cx, double cy, double r)
{
    double xs[kCirclePoints], ys[kCirclePoints];
    circle_points(cx, cy, r, xs, ys);
    fill_world(kCirclePoints - 1, xs, ys);
}

void Scr_Polygon(int n, const double x[], const double y[])
{
    if (n < 1 || !x || !y) return;
    for (int i = 0; i < n - 1; ++i) Scr_Line(x[i], y[i], x[i + 1], y[i + 1]);
    Scr_Line(x[n - 1], y[n - 1], x[0], y[0]);
}

void Scr_Fill_Polygon(int n, const double x[], const double y[])
{
    if (n > 0 && (!x || !y)) return;
    fill_world(n, x, y);
}

// ---- colours ------------------------------------------------------------------------

void Mask_Lighten_Rgb(int* r, int* g, int* b, double percent)
{
    if (!r || !g || !b) return;
    double rc = *r * 0.00392156862745098, gc = *g * 0.00392156862745098, bc = *b * 0.00392156862745098;
    const double mx = std::fmax(rc, std::fmax(gc, bc)), mn = std::fmin(rc, std::fmin(gc, bc));
    const double lum = (mx + mn) / 2.0;
    double hue = 0.0, sat = 0.0;
    const double delta = mx - mn;
    if (lum > 0.0 && delta > 0.0) {
        sat = lum <= 0.5 ? delta / (mx + mn) : delta / (2.0 - mx - mn);
        const double dr = (mx - rc) / delta, dg = (mx - gc) / delta, db = (mx - bc) / delta;
        if (rc == mx)
            hue = gc == mn ? 5.0 + db : 1.0 - dg;
        else if (gc == mx)
            hue = bc == mn ? 1.0 + dr : 3.0 - db;
        else
            hue = rc == mn ? 3.0 + dg : 5.0 - dr;
        hue /= 6.0;
        // A pure red (green and blue both the minimum) comes out as a full turn;
        // it is the hue 0, or such colours would never lighten.
        if (hue >= 1.0) hue = 0.0;
    }
    const double l2 = lum * (1.0 + percent * 0.01);
    const double m2 = l2 <= 0.5 ? l2 * (1.0 + sat) : l2 + sat - l2 * sat;
    if (!(m2 > 0.0)) {
        *r = *g = *b = 0;
        return;
    }
    const double m1 = 2.0 * l2 - m2;
    const double h6 = 6.0 * hue;
    const int k = int(h6);
    const double f = h6 - k;
    const double up = m1 + m2 * f * (m2 - m1) / m2;
    const double down = m2 - m2 * f * (m2 - m1) / m2;
    switch (k) {
        case 0: rc = m2, gc = up, bc = m1; break;
        case 1: rc = down, gc = m2, bc = m1; break;
        case 2: rc = m1, gc = m2, bc = up; break;
        case 3: rc = m1, gc = down, bc = m2; break;
        case 4: rc = up, gc = m1, bc = m2; break;
        default: rc = m2, gc = m1, bc = down; break;
    }
    // Held to the palette's range: a light grey lightened by half is white.
    auto part = [](double v) {
        if (!std::isfinite(v)) return v > 0 ? 255 : 0;
        const int p = scrgraph::pixel_round(v * 255.0);
        return p < 0 ? 0 : p > 255 ? 255 : p;
    };
    *r = part(rc);
    *g = part(gc);
    *b = part(bc);
}

int Mask_Lighten_Color(int colour_index, double percent)
{
    int r = 0, g = 0, b = 0;
    pxQCR(colour_index, &r, &g, &b);
    Mask_Lighten_Rgb(&r, &g, &b, percent);
    return Nearest_RGB_Color(r, g, b);
}
