// Intersections of lines, segments and circles, and the shared slope-form rules.
#include <algorithm>
#include <climits>
#include <cmath>

#include "base/kovmem.h"
#include "base/kovnum.h"
#include "output/geo2d.h"
#include "output/geo2dcut.h"
#include "output/geo2dpriv.h"

namespace {

const double kPi = 3.14159265358979323846;

// The line's direction cosines by the rule of Geo_Line_Angle.
void line_cos_sin(double x1, double y1, double x2, double y2, double* c, double* s)
{
    double a = Geo_Line_Angle(x1, y1, x2, y2);
    *c = std::cos(a);
    *s = std::sin(a);
}

double max_of(std::initializer_list<double> v)
{
    double m = -1e100;
    for (double d : v) m = std::max(m, d);
    return m;
}

} // namespace

// ---- shared rules -------------------------------------------------------------------------

double Geo_Slope(double x1, double y1, double x2, double y2)
{
    if (std::fabs(x2 - x1) < 1e-5) return 1e100;
    return (y2 - y1) / (x2 - x1);
}

int Geo_Slope_Intersect(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                        double* x, double* y)
{
    double m1 = Geo_Slope(x1, y1, x2, y2);
    double m2 = Geo_Slope(x3, y3, x4, y4);
    if (std::fabs(m1 - m2) < 1e-5) {
        *x = 0.0;
        *y = 0.0;
        return 1;
    }
    double b1 = y1 - x1 * m1, b2 = y3 - x3 * m2;
    if (m1 == 1e100) {
        *x = x1;
        *y = b2 + m2 * x1;
    } else if (m2 == 1e100) {
        *x = x3;
        *y = b1 + m1 * x3;
    } else {
        *x = (b2 - b1) / (m1 - m2);
        *y = b1 + m1 * *x;
    }
    return 0;
}

int Geo_Between(double v, double a, double b, int k)
{
    double lo = Round_To_Decimals(a - v, k), hi = Round_To_Decimals(v - b, k);
    return (lo <= 0.0 && hi <= 0.0) || (lo >= 0.0 && hi >= 0.0);
}

int Geo_On_Segment(double px, double py, double x1, double y1, double x2, double y2, int k)
{
    return Geo_Between(px, x1, x2, k) && Geo_Between(py, y1, y2, k);
}

int Geo_Points_Differ(double xa, double ya, double xb, double yb)
{
    return Round_To_Decimals(std::fabs(xa - xb), 5) != 0.0 || Round_To_Decimals(std::fabs(ya - yb), 5) != 0.0;
}

void Geo_Ray_Far_Point(double x1, double y1, double x2, double y2, double largest, double* xf, double* yf)
{
    double l = 1000.0 * std::max(1000.0, largest);
    Geo_Point_Along_Line(x1, y1, x2, y2, l, 0, xf, yf);
}

void Geo_Buf_Begin(GeoPointBuf* b, double** xo, double** yo, int cap)
{
    b->x = xo;
    b->y = yo;
    b->count = 0;
    b->cap = std::max(cap, 1);
    if (b->cap > INT_MAX / 16) Mem_Out_Of_Memory();
    *xo = static_cast<double*>(Mem_Realloc(*xo, b->cap * static_cast<int>(sizeof(double)), 0));
    *yo = static_cast<double*>(Mem_Realloc(*yo, b->cap * static_cast<int>(sizeof(double)), 0));
}

void Geo_Buf_Add(GeoPointBuf* b, double x, double y)
{
    if (b->count == b->cap) {
        if (b->cap > INT_MAX / 32) Mem_Out_Of_Memory();
        b->cap *= 2;
        int bytes = b->cap * static_cast<int>(sizeof(double));
        *b->x = static_cast<double*>(Mem_Realloc(*b->x, bytes, 0));
        *b->y = static_cast<double*>(Mem_Realloc(*b->y, bytes, 0));
    }
    (*b->x)[b->count] = x;
    (*b->y)[b->count] = y;
    ++b->count;
}

int Geo_Buf_Finish(GeoPointBuf* b)
{
    if (b->count == 0) {
        Mem_Free_Null(reinterpret_cast<void**>(b->x));
        Mem_Free_Null(reinterpret_cast<void**>(b->y));
        return 0;
    }
    if (b->count < b->cap) {
        int bytes = b->count * static_cast<int>(sizeof(double));
        *b->x = static_cast<double*>(Mem_Realloc(*b->x, bytes, 0));
        *b->y = static_cast<double*>(Mem_Realloc(*b->y, bytes, 0));
    }
    return b->count;
}

// ---- lines and segments ---------------------------------------------------------------------

int Geo_Line_Line(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4, double* x,
                  double* y)
{
    return Geo_Slope_Intersect(x1, y1, x2, y2, x3, y3, x4, y4, x, y);
}

int Geo_Segment_Segment(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                        double* x, double* y)
{
    if (Geo_Slope_Intersect(x1, y1, x2, y2, x3, y3, x4, y4, x, y)) return 0;
    return Geo_On_Segment(*x, *y, x1, y1, x2, y2, 5) && Geo_On_Segment(*x, *y, x3, y3, x4, y4, 5);
}

int Geo_Ray_Segment(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4, double* x,
                    double* y)
{
    double xf, yf;
    Geo_Ray_Far_Point(x1, y1, x2, y2, max_of({x1, y1, x2, y2, x3, y3, x4, y4}), &xf, &yf);
    return Geo_Segment_Segment(x1, y1, xf, yf, x3, y3, x4, y4, x, y);
}

int Geo_Line_Segment(double* x, double* y, const double lx[2], const double ly[2], const double sx[2],
                     const double sy[2])
{
    if (Geo_Slope_Intersect(lx[0], ly[0], lx[1], ly[1], sx[0], sy[0], sx[1], sy[1], x, y)) {
        double c, s;
        line_cos_sin(lx[0], ly[0], lx[1], ly[1], &c, &s);
        double dist = std::fabs(c * (sy[0] - ly[1]) - s * (sx[0] - lx[1]));
        return Round_To_Decimals(dist, 8) == 0.0 ? 2 : 0;
    }
    return Geo_On_Segment(*x, *y, sx[0], sy[0], sx[1], sy[1], 8);
}

int Geo_Segment_Overlap(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                        double* xa, double* ya, double* xb, double* yb)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x3 > x4) std::swap(x3, x4);
    if (y3 > y4) std::swap(y3, y4);
    double m1 = Geo_Slope(x1, y1, x2, y2);
    double m2 = Geo_Slope(x3, y3, x4, y4);
    if (std::fabs(m1 - m2) >= 1e-5) return 0;
    double xl, xr;
    if (x3 <= x1 && x1 <= x4) {
        xl = x1;
        xr = std::min(x2, x4);
    } else if (x1 <= x3 && x3 <= x2) {
        xl = x3;
        xr = std::min(x4, x2);
    } else {
        return 0;
    }
    double yl, yr;
    if (std::fabs(m1) < 1e-5) {
        if (y3 != y1) return 0;
        yl = yr = y3;
    } else {
        yl = std::max(y1, y3);
        yr = std::min(y2, y4);
        if (yl > yr) return 0;
    }
    *xa = xl;
    *ya = yl;
    *xb = xr;
    *yb = yr;
    return 1;
}

// ---- circles --------------------------------------------------------------------------------

int Geo_Circle_Line(double cx, double cy, double r, const double x[2], const double y[2], double xo[2], double yo[2])
{
    double c, s;
    line_cos_sin(x[0], y[0], x[1], y[1], &c, &s);
    double tc = cx * c + cy * s, wc = cy * c - cx * s;
    double t1 = x[0] * c + y[0] * s, w1 = y[0] * c - x[0] * s;
    double t2 = x[1] * c + y[1] * s, w2 = y[1] * c - x[1] * s;
    double beta = Geo_Line_Angle(t1, w1, t2, w2);
    double dist = (wc - w2) * std::cos(beta) - (tc - t2) * std::sin(beta);
    double g = std::fabs(dist) - r;
    if (Round_To_Decimals(g, 5) > 0.0) return 0;
    if (Round_To_Decimals(std::fabs(g), 5) == 0.0) {
        xo[0] = xo[1] = tc * c - w1 * s;
        yo[0] = yo[1] = tc * s + w1 * c;
        return 1;
    }
    double h = std::sqrt(std::max(0.0, r * r - dist * dist));
    xo[0] = (tc - h) * c - w1 * s;
    yo[0] = (tc - h) * s + w1 * c;
    xo[1] = (tc + h) * c - w1 * s;
    yo[1] = (tc + h) * s + w1 * c;
    return 2;
}

int Geo_Circle_Segment_Ex(double cx, double cy, double r, const double x[2], const double y[2], int inclusive,
                          double xo[2], double yo[2])
{
    double px[2], py[2];
    xo[0] = xo[1] = yo[0] = yo[1] = 0.0;
    if (Geo_Circle_Line(cx, cy, r, x, y, px, py) < 2) return 0;
    if (!inclusive && !(Geo_Points_Differ(px[0], py[0], x[0], y[0]) && Geo_Points_Differ(px[1], py[1], x[1], y[1])))
        return 0;
    int k = 0;
    for (int i = 0; i < 2; ++i) {
        if (!Geo_On_Segment(px[i], py[i], x[0], y[0], x[1], y[1], 5)) continue;
        xo[k] = px[i];
        yo[k] = py[i];
        ++k;
    }
    return k;
}

int Geo_Circle_Segment(double cx, double cy, double r, const double x[2], const double y[2], double xo[2], double yo[2])
{
    return Geo_Circle_Segment_Ex(cx, cy, r, x, y, 1, xo, yo);
}

int Geo_Circle_Ray(double cx, double cy, double r, const double x[2], const double y[2], double xo[2], double yo[2])
{
    double sx[2] = {x[0], 0.0}, sy[2] = {y[0], 0.0};
    Geo_Ray_Far_Point(x[0], y[0], x[1], y[1], max_of({x[0], y[0], x[1], y[1]}), &sx[1], &sy[1]);
    return Geo_Circle_Segment(cx, cy, r, sx, sy, xo, yo);
}

int Geo_Point_In_Circle(double px, double py, double r, double cx, double cy)
{
    double f = std::sqrt((px - cx) * (px - cx) + (py - cy) * (py - cy)) - r;
    double fr = Round_To_Decimals(f, 5);
    if (std::fabs(fr) != 0.0) return fr < 0.0 ? 1 : 0;
    return 2;
}

// ---- the lens of two circles ------------------------------------------------------------------

namespace {

// The common area (and depth and chord) of two circles; 0 when they do not
// overlap. A circle lying wholly inside the other (also concentric) is the
// common area itself; only circles that partly overlap go through the chord,
// which needs d > 0 and a triangle of the two radii and d.
int lens(double r1, double r2, double d, double* area, double* depth, double* chord)
{
    *area = *depth = *chord = 0.0;
    d = std::fabs(d);
    if (r1 + r2 - d < 0.0) return 0;
    *depth = r1 + r2 - d;
    if (d + r1 <= r2) {
        *area = kPi * r1 * r1;
        *depth = *chord = 2.0 * r1;
        return 1;
    }
    if (d + r2 <= r1) {
        *area = kPi * r2 * r2;
        *depth = *chord = 2.0 * r2;
        return 1;
    }
    double s = (d + r1 + r2) / 2.0;
    double heron = s * (s - r1) * (s - r2) * (s - d);
    *chord = (4.0 / d) * std::sqrt(std::max(0.0, heron));
    double b1 = 2.0 * std::asin(std::min(1.0, *chord / (2.0 * r1)));
    double b2 = 2.0 * std::asin(std::min(1.0, *chord / (2.0 * r2)));
    double seg1 = (b1 - std::sin(b1)) * r1 * r1 / 2.0;
    double seg2 = (b2 - std::sin(b2)) * r2 * r2 / 2.0;
    double foot = std::sqrt(*chord * *chord / 4.0 + d * d);
    if (r1 > r2 && r1 > foot) {
        double q = std::sin(b1 / 4.0);
        *depth = r2 + 2.0 * r1 * q * q;
        seg2 = kPi * r2 * r2 - seg2;
    }
    if (r1 < r2 && r2 > foot) {
        double q = std::sin(b2 / 4.0);
        *depth = r1 + 2.0 * r2 * q * q;
        seg1 = kPi * r1 * r1 - seg1;
    }
    *area = seg1 + seg2;
    return 1;
}

} // namespace

int Geo_Circle_Circle_Lens(double r1, double r2, double d, double* area, double* depth, double* chord)
{
    double a, dp, ch;
    int res = lens(r1, r2, d, &a, &dp, &ch);
    if (area) *area = a;
    if (depth) *depth = dp;
    if (chord) *chord = ch;
    return res;
}

double Geo_Circle_Circle_Area(double r1, double r2, double d)
{
    double a, dp, ch;
    lens(r1, r2, d, &a, &dp, &ch);
    return a;
}
