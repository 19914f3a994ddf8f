// Plane geometry of the output writers.
#include "output/geo2d.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "base/kovnum.h"
#include "output/geo2dpriv.h"
#include "platform/kovmath.h"

namespace {

const double kPi = KOV_PI;
const double kTwoPi = 2.0 * kPi;

// Direction cosines of the line P1->P2, from its direction angle, so that a
// vertical line gets exactly the cos and sin of pi/2 resp. 3pi/2.
void line_cos_sin(double x1, double y1, double x2, double y2, double* c, double* s)
{
    double a = Geo_Line_Angle(x1, y1, x2, y2);
    *c = std::cos(a);
    *s = std::sin(a);
}

double signed_area(int n, const double x[], const double y[])
{
    double a = 0.0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        a += x[i] * y[j] - x[j] * y[i];
    }
    return 0.5 * a;
}

void reverse_points(int n, double x[], double y[])
{
    std::reverse(x, x + n);
    std::reverse(y, y + n);
}

int round_to_int(double v)
{
    if (std::isnan(v)) return 0;
    double r = v >= 0.0 ? v + 0.5 : v - 0.5;
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r); // cut towards zero
}

// Adds 360 while the value rounded to 3 decimals is negative. Very large negative
// values are first reduced, so that the loop always ends.
double raise_degrees(double v)
{
    if (v < -3600.0) v = std::fmod(v, 360.0);
    while (Round_To_Decimals(v, 3) < 0.0) v += 360.0;
    return v;
}

// Intersection of the line A-B with the line C-D in slope form; for parallel
// lines (slopes closer than 1e-5) the given fallback point.
void intersect_lines(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy, double fx,
                     double fy, double* ox, double* oy)
{
    double m1 = Geo_Slope(ax, ay, bx, by);
    double m2 = Geo_Slope(cx, cy, dx, dy);
    if (std::fabs(m1 - m2) < 1e-5) {
        *ox = fx;
        *oy = fy;
        return;
    }
    double x, y;
    if (m1 == 1e100) {
        x = ax;
        y = m2 * (x - cx) + cy;
    } else if (m2 == 1e100) {
        x = cx;
        y = m1 * (x - ax) + ay;
    } else {
        x = (cy - ay + m1 * ax - m2 * cx) / (m1 - m2);
        y = m1 * (x - ax) + ay;
    }
    *ox = x;
    *oy = y;
}

// Shift of the segment A->B by d to its left; a segment of length 0 is shifted
// by (d, 0); |d| < 1e-5 shifts nothing.
void segment_shift(double ax, double ay, double bx, double by, double d, double* sx, double* sy)
{
    *sx = 0.0;
    *sy = 0.0;
    if (std::fabs(d) < 1e-5) return;
    double dx = bx - ax, dy = by - ay;
    double l2 = dx * dx + dy * dy;
    if (l2 == 0.0) {
        *sx = d;
        return;
    }
    double l = std::sqrt(l2);
    *sx = -d * dy / l;
    *sy = d * dx / l;
}

} // namespace

// ---- transforms and angles ---------------------------------------------------------------

int Geo_To_Local(double x[], double y[], int n, double x0, double y0, double angle, double scale)
{
    if (n <= 0 || !x || !y) return 0;
    double c = std::cos(angle), s = std::sin(angle);
    for (int i = 0; i < n; ++i) {
        double dx = x[i] - x0, dy = y[i] - y0;
        x[i] = scale * (c * dx + s * dy);
        y[i] = scale * (c * dy - s * dx);
    }
    return n;
}

int Geo_To_World(double x[], double y[], int n, double x0, double y0, double angle, double scale)
{
    if (n <= 0 || !x || !y) return 0;
    if (scale == 0.0 || !std::isfinite(scale)) return 0;
    double c = std::cos(angle), s = std::sin(angle);
    for (int i = 0; i < n; ++i) {
        double u = x[i] / scale, v = y[i] / scale;
        x[i] = c * u - s * v + x0;
        y[i] = s * u + c * v + y0;
    }
    return n;
}

int Geo_To_Local_Int(double x[], double y[], int n, double x0, double y0, double angle, double scale, int ix[],
                     int iy[])
{
    int done = Geo_To_Local(x, y, n, x0, y0, angle, scale);
    for (int i = 0; i < done; ++i) {
        if (ix) ix[i] = round_to_int(x[i]);
        if (iy) iy[i] = round_to_int(y[i]);
    }
    return done;
}

double Geo_Line_Angle(double x1, double y1, double x2, double y2)
{
    double dx = x2 - x1;
    if (std::fabs(dx) < 1e-5) return y2 > y1 ? kPi / 2.0 : 3.0 * kPi / 2.0;
    double a = std::atan((y2 - y1) / dx);
    if (x2 < x1) a += kPi;
    return a;
}

double Geo_Line_Angle_2Pi(double x1, double y1, double x2, double y2)
{
    double dx = x2 - x1, dy = y2 - y1;
    if (std::fabs(dx) < 1e-5) return dy > 0.0 ? kPi / 2.0 : 3.0 * kPi / 2.0;
    if (std::fabs(dy) < 1e-5) return dx > 0.0 ? 0.0 : kPi;
    double a = std::atan2(dy, dx);
    if (a < 0.0) a += kTwoPi;
    return a;
}

double Geo_Angle_Between(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    double ax = x2 - x1, ay = y2 - y1, bx = x4 - x3, by = y4 - y3;
    double q = (ax * ax + ay * ay) * (bx * bx + by * by);
    if (!(q > 0.0)) return 0.0; // a vector of length 0 has no direction
    double k = (ax * bx + ay * by) / std::sqrt(q);
    k = std::max(-1.0, std::min(1.0, k));
    return std::atan2(std::sqrt(1.0 - k * k), k);
}

double Geo_Angle_Mean_Deg(double a, double b)
{
    a = raise_degrees(a);
    b = raise_degrees(b);
    double hi = std::max(a, b), lo = std::min(a, b);
    double m = (hi + lo) / 2.0;
    if (Round_To_Decimals((hi - lo) - 180.0, 3) > 0.0) m -= 180.0;
    return raise_degrees(m);
}

double Geo_Angle_Mean_Rad(double a, double b)
{
    return Geo_Angle_Mean_Deg(a * KOV_RAD_TO_DEG, b * KOV_RAD_TO_DEG) * KOV_DEG_TO_RAD;
}

double Geo_Angle_Normalize_Rad(double a)
{
    if (a < -100.0) a = std::fmod(a, kTwoPi);
    while (Round_To_Decimals(a, 4) < 0.0) a += kTwoPi;
    return a;
}

// ---- orientation -------------------------------------------------------------------------

void Geo_Polygon_Make_Ccw(int n, double x[], double y[])
{
    if (n <= 0 || !x || !y) return;
    if (signed_area(n, x, y) < 0.0) reverse_points(n, x, y);
}

void Geo_Polygon_Make_Cw(int n, double x[], double y[])
{
    if (n <= 0 || !x || !y) return;
    if (signed_area(n, x, y) > 0.0) reverse_points(n, x, y);
}

void Geo_Polygon_Mirror_Y(int n, const double x[], const double y[], double c, double xo[], double yo[])
{
    if (n <= 0 || !x || !y || !xo || !yo) return;
    for (int i = 0; i < n; ++i) {
        xo[i] = x[i];
        yo[i] = c - y[i];
    }
    Geo_Polygon_Make_Ccw(n, xo, yo);
}

// ---- points and lines --------------------------------------------------------------------

void Geo_Point_Along_Line(double x1, double y1, double x2, double y2, double d, int from_end, double* xo, double* yo)
{
    double c, s;
    line_cos_sin(x1, y1, x2, y2, &c, &s);
    double t1 = x1 * c + y1 * s, t2 = x2 * c + y2 * s;
    double w = y1 * c - x1 * s;
    double t = d + (from_end ? t2 : t1);
    if (xo) *xo = t * c - w * s;
    if (yo) *yo = t * s + w * c;
}

int Geo_Point_On_Segment(double x1, double y1, double x2, double y2, double e, double* xo, double* yo)
{
    double c, s;
    line_cos_sin(x1, y1, x2, y2, &c, &s);
    double t1 = x1 * c + y1 * s, t2 = x2 * c + y2 * s;
    double w = y1 * c - x1 * s;
    double t = e > 0.0 ? e + t1 : e + t2;
    if (xo) *xo = t * c - w * s;
    if (yo) *yo = t * s + w * c;
    double len = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    return std::fabs(e) > len ? 1 : 0;
}

void Geo_Offset_Segment(double* x1, double* y1, double* x2, double* y2, double d)
{
    if (!x1 || !y1 || !x2 || !y2) return;
    double c, s;
    line_cos_sin(*x1, *y1, *x2, *y2, &c, &s);
    double t1 = *x1 * c + *y1 * s, t2 = *x2 * c + *y2 * s;
    double w1 = *y1 * c - *x1 * s + d, w2 = *y2 * c - *x2 * s + d;
    *x1 = t1 * c - w1 * s;
    *y1 = t1 * s + w1 * c;
    *x2 = t2 * c - w2 * s;
    *y2 = t2 * s + w2 * c;
}

void Geo_Project_To_Line(int n, double x[], double y[], double x1, double y1, double x2, double y2)
{
    if (n <= 0 || !x || !y) return;
    double c, s;
    line_cos_sin(x1, y1, x2, y2, &c, &s);
    double w = y1 * c - x1 * s;
    for (int i = 0; i < n; ++i) {
        double t = x[i] * c + y[i] * s;
        x[i] = t * c - w * s;
        y[i] = t * s + w * c;
    }
}

double Geo_Point_Line_Distance(double px, double py, double x1, double y1, double x2, double y2)
{
    double c, s;
    line_cos_sin(x1, y1, x2, y2, &c, &s);
    return std::fabs((py - y2) * c - (px - x2) * s);
}

double Geo_Polygon_Extent_In_Direction(int n, const double x[], const double y[], double angle)
{
    if (n <= 0 || !x || !y) return 2e100;
    double c = std::cos(angle), s = std::sin(angle);
    double lo = 1e100, hi = -1e100;
    for (int i = 0; i < n; ++i) {
        double v = x[i] * c + y[i] * s;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    return hi - lo;
}

double Geo_Mirror_Value(double a, double b) { return 2.0 * b - a; }

// ---- boxes, rectangles, circles, clean-ups -------------------------------------------------

void Geo_Bounding_Box(int n, const double x[], const double y[], double* xmin, double* ymin, double* xmax, double* ymax)
{
    double x0 = 1e100, y0 = 1e100, x1 = -1e100, y1 = -1e100;
    if (x && y) {
        for (int i = 0; i < n; ++i) {
            x0 = std::min(x0, x[i]);
            y0 = std::min(y0, y[i]);
            x1 = std::max(x1, x[i]);
            y1 = std::max(y1, y[i]);
        }
    }
    if (xmin) *xmin = x0;
    if (ymin) *ymin = y0;
    if (xmax) *xmax = x1;
    if (ymax) *ymax = y1;
}

void Geo_Rectangle_Polygon(double width, double height, double cx, double cy, double x[4], double y[4])
{
    if (!x || !y) return;
    double hw = width / 2.0, hh = height / 2.0;
    x[0] = cx - hw;
    y[0] = cy - hh;
    x[1] = cx + hw;
    y[1] = cy - hh;
    x[2] = cx + hw;
    y[2] = cy + hh;
    x[3] = cx - hw;
    y[3] = cy + hh;
}

int Geo_Circle_Polygon(double r, double cx, double cy, int n, double x[], double y[])
{
    if (n <= 0 || !x || !y) return 0;
    if (n < 3) {
        // No polygon of one or two points has an area: keep the points defined.
        for (int i = 0; i < n; ++i) {
            x[i] = cx;
            y[i] = cy;
        }
        return 0;
    }
    double phi = kTwoPi / n;
    double big_r = r * std::sqrt(phi / std::sin(phi));
    for (int i = 0; i < n; ++i) {
        x[i] = cx + big_r * std::cos(i * phi);
        y[i] = cy + big_r * std::sin(i * phi);
    }
    return 0;
}

int Geo_Polygon_Remove_Duplicates(int n, double x[], double y[])
{
    if (n <= 0 || !x || !y) return 0;
    int kept = 0;
    for (int j = 0; j < n; ++j) {
        int k = (j + 1) % n;
        if (Round_To_Decimals(std::fabs(x[j] - x[k]), 5) != 0.0 || Round_To_Decimals(std::fabs(y[j] - y[k]), 5) != 0.0)
            ++kept;
    }
    if (kept == 0) return 0;
    // Decide on the given points first, then move the kept ones to the front.
    int out = 0;
    double fx = x[0], fy = y[0];
    for (int j = 0; j < n; ++j) {
        double nx = j + 1 < n ? x[j + 1] : fx;
        double ny = j + 1 < n ? y[j + 1] : fy;
        if (Round_To_Decimals(std::fabs(x[j] - nx), 5) != 0.0 || Round_To_Decimals(std::fabs(y[j] - ny), 5) != 0.0) {
            x[out] = x[j];
            y[out] = y[j];
            ++out;
        }
    }
    return out;
}

int Geo_Polygon_Drop_Right_Turns(int n, double x[], double y[])
{
    if (n <= 0 || !x || !y) return 0;
    double* keep = new double[2 * static_cast<size_t>(n)];
    int out = 0;
    for (int k = 0; k < n; ++k) {
        int p = k == 0 ? n - 1 : k - 1;
        int q = k == n - 1 ? 0 : k + 1;
        double cross = (x[k] - x[p]) * (y[q] - y[k]) - (y[k] - y[p]) * (x[q] - x[k]);
        if (cross >= 0.0) {
            keep[2 * out] = x[k];
            keep[2 * out + 1] = y[k];
            ++out;
        }
    }
    for (int i = 0; i < out; ++i) {
        x[i] = keep[2 * i];
        y[i] = keep[2 * i + 1];
    }
    delete[] keep;
    return out;
}

void Geo_Parallel_Offset(double x[], double y[], int n, double d)
{
    if (!x || !y) return;
    if (n < -99 || n > 99) return;
    int m = n < 0 ? -n : n;
    if (m < 2) return;
    double ox[99], oy[99];
    for (int i = 0; i < m; ++i) {
        ox[i] = x[i];
        oy[i] = y[i];
    }
    double sx, sy;
    segment_shift(ox[0], oy[0], ox[1], oy[1], d, &sx, &sy);
    double a0x = ox[0] + sx, a0y = oy[0] + sy;
    double pax = a0x, pay = a0y, pbx = ox[1] + sx, pby = oy[1] + sy;
    x[0] = a0x;
    y[0] = a0y;
    x[1] = pbx;
    y[1] = pby;
    if (m == 2) return;
    for (int k = 1; k <= m - 2; ++k) {
        segment_shift(ox[k], oy[k], ox[k + 1], oy[k + 1], d, &sx, &sy);
        double ax = ox[k] + sx, ay = oy[k] + sy, bx = ox[k + 1] + sx, by = oy[k + 1] + sy;
        intersect_lines(pax, pay, pbx, pby, ax, ay, bx, by, (pbx + ax) / 2.0, (pby + ay) / 2.0, &x[k], &y[k]);
        pax = ax;
        pay = ay;
        pbx = bx;
        pby = by;
    }
    x[m - 1] = pbx;
    y[m - 1] = pby;
    if (n < 0) return;
    // Closed polygon: the closing segment from the last point to the first.
    segment_shift(ox[m - 1], oy[m - 1], ox[0], oy[0], d, &sx, &sy);
    double cax = ox[m - 1] + sx, cay = oy[m - 1] + sy, cbx = ox[0] + sx, cby = oy[0] + sy;
    double p0x, p0y, plx, ply;
    intersect_lines(cax, cay, cbx, cby, a0x, a0y, x[1], y[1], (cbx + a0x) / 2.0, (cby + a0y) / 2.0, &p0x, &p0y);
    intersect_lines(cax, cay, cbx, cby, x[m - 2], y[m - 2], pbx, pby, (pbx + cax) / 2.0, (pby + cay) / 2.0, &plx, &ply);
    x[0] = p0x;
    y[0] = p0y;
    x[m - 1] = plx;
    y[m - 1] = ply;
}
