// Polygon intersections, containment, clipping and self-intersections.
#include <algorithm>
#include <climits>
#include <cmath>

#include "base/kovmem.h"
#include "base/kovnum.h"
#include "output/geo2d.h"
#include "output/geo2dcut.h"
#include "output/geo2dpriv.h"

namespace {

int edge_count(int n, int closed) { return closed ? n : n - 1; }

// The crossing of the list's edge j -> j + 1 (cyclic) with the segment P1P2 whose
// slope is g and intercept b; 1 and the point when it lies on both.
int edge_segment_point(const double x[], const double y[], int j, int k, double x1, double y1, double x2, double y2,
                       double g, double b, double* px, double* py)
{
    double ex1 = x[j], ey1 = y[j], ex2 = x[k], ey2 = y[k];
    double sx, sy;
    if (std::fabs(ex1 - ex2) < 1e-5) {
        // A vertical edge against a vertical segment: parallel or on one line,
        // no single crossing.
        if (g == 1e100) return 0;
        sx = ex1;
        sy = g * ex1 + b;
    } else {
        double e = (ey2 - ey1) / (ex2 - ex1);
        double be = ey1 - ex1 * e;
        if (std::fabs(e - g) < 1e-5) return 0;
        sx = g == 1e100 ? x1 : (b - be) / (e - g);
        sy = be + e * sx;
    }
    if (!Geo_On_Segment(sx, sy, ex1, ey1, ex2, ey2, 5)) return 0;
    if (!Geo_On_Segment(sx, sy, x1, y1, x2, y2, 5)) return 0;
    *px = sx;
    *py = sy;
    return 1;
}

void segment_slope(double x1, double y1, double x2, double y2, double* g, double* b)
{
    *g = Geo_Slope(x1, y1, x2, y2);
    *b = y1 - x1 * *g;
}

// Crossings of a circle with the open polyline: appended to the buffer (or to the
// fixed arrays when buf is NULL, stopping once more than 9 are found).
int circle_polyline(int n, const double x[], const double y[], double cx, double cy, double r, GeoPointBuf* buf,
                    double xf[], double yf[])
{
    int count = 0;
    for (int i = 0; i + 1 < n; ++i) {
        double sx[2] = {x[i], x[i + 1]}, sy[2] = {y[i], y[i + 1]};
        double px[2], py[2];
        if (Geo_Circle_Line(cx, cy, r, sx, sy, px, py) == 2) {
            for (int k = 0; k < 2; ++k) {
                if (!Geo_On_Segment(px[k], py[k], sx[0], sy[0], sx[1], sy[1], 5)) continue;
                if (buf) {
                    Geo_Buf_Add(buf, px[k], py[k]);
                } else {
                    xf[count] = px[k];
                    yf[count] = py[k];
                }
                ++count;
            }
        }
        if (!buf && count > 9) break;
    }
    return count;
}

// Crossings of the list with an infinite line; a point equal to the last one
// appended at `decimals` is skipped. The fixed form stops at 10 points.
int polygon_line(int n, const double x[], const double y[], int closed, const double lx[2], const double ly[2],
                 int decimals, GeoPointBuf* buf, double xf[], double yf[])
{
    int count = 0;
    double lastx = 0.0, lasty = 0.0;
    int edges = edge_count(n, closed);
    for (int j = 0; j < edges; ++j) {
        int k = (j + 1) % n;
        double px, py;
        if (Geo_Slope_Intersect(x[j], y[j], x[k], y[k], lx[0], ly[0], lx[1], ly[1], &px, &py)) continue;
        if (!Geo_On_Segment(px, py, x[j], y[j], x[k], y[k], 8)) continue;
        if (count > 0 && Round_To_Decimals(std::fabs(px - lastx), decimals) == 0.0 &&
            Round_To_Decimals(std::fabs(py - lasty), decimals) == 0.0)
            continue;
        if (buf) {
            Geo_Buf_Add(buf, px, py);
        } else {
            xf[count] = px;
            yf[count] = py;
        }
        lastx = px;
        lasty = py;
        ++count;
        if (!buf && count >= 10) break;
    }
    return count;
}

// Crossings of the list with the segment P1P2 (steps without the closing-corner
// test). The fixed form stops at 10 points.
int polygon_segment(int n, const double x[], const double y[], int closed, double x1, double y1, double x2, double y2,
                    GeoPointBuf* buf, double xf[], double yf[])
{
    double g, b;
    segment_slope(x1, y1, x2, y2, &g, &b);
    int count = 0;
    int edges = edge_count(n, closed);
    for (int j = 0; j < edges; ++j) {
        double px, py;
        if (!edge_segment_point(x, y, j, (j + 1) % n, x1, y1, x2, y2, g, b, &px, &py)) continue;
        if (buf) {
            Geo_Buf_Add(buf, px, py);
        } else {
            xf[count] = px;
            yf[count] = py;
        }
        ++count;
        if (!buf && count >= 10) break;
    }
    return count;
}

// The winding number of the closed list around the point.
int winding_number(int n, const double x[], const double y[], double px, double py)
{
    int w = 0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        double cross = (x[j] - x[i]) * (py - y[i]) - (px - x[i]) * (y[j] - y[i]);
        if (y[i] <= py) {
            if (y[j] > py && cross > 0.0) ++w;
        } else if (y[j] <= py && cross < 0.0) {
            --w;
        }
    }
    return w;
}

// 1 when the point lies on an edge of the closed list (distance below 1e-5 from
// the edge's line, within the edge's extent).
int on_boundary(int n, const double x[], const double y[], double px, double py)
{
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        if (Geo_Point_Line_Distance(px, py, x[i], y[i], x[j], y[j]) < 1e-5 &&
            Geo_On_Segment(px, py, x[i], y[i], x[j], y[j], 5))
            return 1;
    }
    return 0;
}

// Rays that meet a vertex are replaced; after this many the winding number decides.
const int kMaxRays = 40;

// One ray pass of the point-in-polygon test towards (xr, yr). Returns 0 or 1 (the
// parity of the crossings), 2 for a point on the boundary, or -1 when the ray met
// a vertex other than the point itself.
int ray_pass(int n, const double x[], const double y[], double px, double py, double xr, double yr)
{
    int vertical = std::fabs(px - xr) < 1e-5;
    double k = vertical ? 1e100 : (yr - py) / (xr - px);
    double t = py - px * k;
    int crossings = 0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        double mx, my;
        int edge_vertical = std::fabs(x[i] - x[j]) < 1e-5;
        if (edge_vertical) {
            if (vertical) {
                // Ray and edge on parallel lines: only a point on the edge matters.
                if (std::fabs(px - x[i]) < 1e-5 && Geo_Between(py, y[i], y[j], 5)) return 2;
                continue;
            }
            mx = x[i];
            my = t + x[i] * k;
        } else {
            double e = (y[j] - y[i]) / (x[j] - x[i]);
            double be = y[i] - x[i] * e;
            if (std::fabs(e - k) < 1e-5) continue;
            mx = vertical ? px : (t - be) / (e - k);
            my = be + e * mx;
        }
        int at_first = edge_vertical ? my == y[i] : (mx == x[i] && my == y[i]);
        int at_second = mx == x[j] && my == y[j];
        if (at_first || at_second) {
            double vx = at_first ? x[i] : x[j], vy = at_first ? y[i] : y[j];
            if (vx == px && vy == py) return 2;
            return -1;
        }
        if (!(std::min(x[i], x[j]) <= mx && mx <= std::max(x[i], x[j]))) continue;
        if (!(std::min(y[i], y[j]) <= my && my <= std::max(y[i], y[j]))) continue;
        if (Geo_Point_Line_Distance(px, py, x[i], y[i], x[j], y[j]) < 1e-5) return 2;
        if (py <= my && px <= mx) ++crossings;
    }
    return crossings % 2;
}

} // namespace

// ---- circle, line and segment crossings of lists ----------------------------------------------

int Geo_Circle_Polyline(int n, const double x[], const double y[], int, double cx, double cy, double r, double** xo,
                        double** yo)
{
    if (n < 2 || !x || !y) {
        Mem_Free_Null(reinterpret_cast<void**>(xo));
        Mem_Free_Null(reinterpret_cast<void**>(yo));
        return 0;
    }
    GeoPointBuf buf;
    Geo_Buf_Begin(&buf, xo, yo, n);
    circle_polyline(n, x, y, cx, cy, r, &buf, nullptr, nullptr);
    return Geo_Buf_Finish(&buf);
}

int Geo_Circle_Polyline_Fixed(int n, const double x[], const double y[], int, double cx, double cy, double r,
                              double xo[], double yo[])
{
    if (n < 2 || !x || !y || !xo || !yo) return 0;
    return circle_polyline(n, x, y, cx, cy, r, nullptr, xo, yo);
}

int Geo_Polygon_Line(int n, const double x[], const double y[], int closed, const double lx[2], const double ly[2],
                     double** xo, double** yo)
{
    if (n < 1 || !x || !y) {
        Mem_Free_Null(reinterpret_cast<void**>(xo));
        Mem_Free_Null(reinterpret_cast<void**>(yo));
        return 0;
    }
    GeoPointBuf buf;
    Geo_Buf_Begin(&buf, xo, yo, n);
    polygon_line(n, x, y, closed, lx, ly, 6, &buf, nullptr, nullptr);
    return Geo_Buf_Finish(&buf);
}

int Geo_Polygon_Line_Fixed(int n, const double x[], const double y[], int closed, const double lx[2],
                           const double ly[2], double xo[], double yo[])
{
    if (n < 1 || !x || !y || !xo || !yo) return 0;
    return polygon_line(n, x, y, closed, lx, ly, 5, nullptr, xo, yo);
}

int Geo_Polygon_Segment(int n, const double x[], const double y[], int closed, double x1, double y1, double x2,
                        double y2, double** xo, double** yo)
{
    if (n < 1 || !x || !y) {
        Mem_Free_Null(reinterpret_cast<void**>(xo));
        Mem_Free_Null(reinterpret_cast<void**>(yo));
        return 0;
    }
    GeoPointBuf buf;
    Geo_Buf_Begin(&buf, xo, yo, n);
    polygon_segment(n, x, y, closed, x1, y1, x2, y2, &buf, nullptr, nullptr);
    // The corner at the closing edge is found by both of its edges.
    if (closed && buf.count > 1 && (*xo)[buf.count - 1] == (*xo)[0] && (*yo)[buf.count - 1] == (*yo)[0]) --buf.count;
    return Geo_Buf_Finish(&buf);
}

int Geo_Polygon_Segment_Fixed(int n, const double x[], const double y[], int closed, double x1, double y1, double x2,
                              double y2, double xo[], double yo[])
{
    if (n < 1 || !x || !y || !xo || !yo) return 0;
    return polygon_segment(n, x, y, closed, x1, y1, x2, y2, nullptr, xo, yo);
}

int Geo_Polygon_Polygon(int n, const double xa[], const double ya[], int closed_a, int m, const double xb[],
                        const double yb[], int closed_b, double** xo, double** yo)
{
    if (n < 1 || m < 1 || !xa || !ya || !xb || !yb) {
        Mem_Free_Null(reinterpret_cast<void**>(xo));
        Mem_Free_Null(reinterpret_cast<void**>(yo));
        return 0;
    }
    GeoPointBuf buf;
    Geo_Buf_Begin(&buf, xo, yo, n > INT_MAX - m ? n : n + m);
    double* sx = nullptr;
    double* sy = nullptr;
    int edges = edge_count(n, closed_a);
    for (int j = 0; j < edges; ++j) {
        int k = (j + 1) % n;
        int found = Geo_Polygon_Segment(m, xb, yb, closed_b, xa[j], ya[j], xa[k], ya[k], &sx, &sy);
        for (int i = 0; i < found; ++i) {
            if (i == 0 && buf.count > 0 && sx[0] == (*xo)[buf.count - 1] && sy[0] == (*yo)[buf.count - 1]) continue;
            Geo_Buf_Add(&buf, sx[i], sy[i]);
        }
    }
    Mem_Free_Null(reinterpret_cast<void**>(&sx));
    Mem_Free_Null(reinterpret_cast<void**>(&sy));
    return Geo_Buf_Finish(&buf);
}

// ---- containment ----------------------------------------------------------------------------

int Geo_Point_In_Polygon(int n, const double x[], const double y[], double px, double py)
{
    if (n < 1 || !x || !y) return 0;
    double xmax = -1e100, ymax = -1e100;
    for (int i = 0; i < n; ++i) {
        xmax = std::max(xmax, x[i]);
        ymax = std::max(ymax, y[i]);
    }
    double xr = xmax > 1.0 ? 2.0 * xmax : 1.0;
    double yr = ymax > 1.0 ? 2.0 * ymax : 1.0;
    for (int ray = 0; ray < kMaxRays; ++ray) {
        int res = ray_pass(n, x, y, px, py, xr, yr);
        if (res >= 0) return res;
        // The ray met a vertex: take a steeper one. A vertical ray stays vertical
        // when only yr grows, so it is tilted as well.
        if (std::fabs(px - xr) < 1e-5) xr = 2.0 * xr + 1.0;
        yr *= 2.0;
    }
    if (on_boundary(n, x, y, px, py)) return 2;
    return winding_number(n, x, y, px, py) != 0 ? 1 : 0;
}

double Geo_Polyline_Length_Inside(int n, const double px[], const double py[], int m, const double x[],
                                  const double y[])
{
    if (n < 1 || m < 1 || !px || !py || !x || !y) return 0.0;
    double len = 0.0;
    double prevx = px[n - 1], prevy = py[n - 1];
    int prev_in = Geo_Point_In_Polygon(m, x, y, prevx, prevy) != 0;
    double* cx = nullptr;
    double* cy = nullptr;
    for (int i = 0; i < n; ++i) {
        double curx = px[i], cury = py[i];
        int cur_in = Geo_Point_In_Polygon(m, x, y, curx, cury) != 0;
        int count = Geo_Polygon_Segment(m, x, y, 1, prevx, prevy, curx, cury, &cx, &cy);
        if (count > 0) {
            if (prev_in) len += std::hypot(cx[0] - prevx, cy[0] - prevy);
            for (int k = 1; k < count; ++k) {
                if ((k % 2 == 0) == (prev_in != 0)) len += std::hypot(cx[k] - cx[k - 1], cy[k] - cy[k - 1]);
            }
            if (cur_in) len += std::hypot(curx - cx[count - 1], cury - cy[count - 1]);
        } else if (prev_in && cur_in) {
            len += std::hypot(curx - prevx, cury - prevy);
        }
        prevx = curx;
        prevy = cury;
        prev_in = cur_in;
    }
    Mem_Free_Null(reinterpret_cast<void**>(&cx));
    Mem_Free_Null(reinterpret_cast<void**>(&cy));
    return len;
}

// ---- common area ----------------------------------------------------------------------------

int Geo_Polygon_Overlap(int n, const double xa[], const double ya[], int m, const double xb[], const double yb[],
                        double* area, double* width, double* height)
{
    double a = 0.0, w = -2e100, h = -2e100;
    int res = 0;
    double x0, y0, x1, y1, u0, v0, u1, v1;
    if (n >= 1 && m >= 1 && xa && ya && xb && yb) {
        Geo_Bounding_Box(n, xa, ya, &x0, &y0, &x1, &y1);
        Geo_Bounding_Box(m, xb, yb, &u0, &v0, &u1, &v1);
        double xmin = std::min(x0, u0), ymin = std::min(y0, v0);
        double bw = std::max(x1, u1) - xmin, bh = std::max(y1, v1) - ymin;
        // A joint box without width or height has no cells to sample.
        if (bw > 0.0 && bh > 0.0 && std::isfinite(bw) && std::isfinite(bh)) {
            int rows, cols;
            if (bw > bh) {
                rows = 100;
                cols = static_cast<int>(std::min(200.0, bw * 100.0 / bh));
            } else {
                cols = 100;
                rows = static_cast<int>(std::min(200.0, bh * 100.0 / bw));
            }
            double cw = bw / cols, ch = bh / rows;
            double lox = 1e100, loy = 1e100, hix = -1e100, hiy = -1e100;
            for (int r = 0; r < rows; ++r) {
                double cy = ymin + ch / 2.0 + r * ch;
                for (int c = 0; c < cols; ++c) {
                    double cx = xmin + cw / 2.0 + c * cw;
                    if (Geo_Point_In_Polygon(n, xa, ya, cx, cy) == 0) continue;
                    if (Geo_Point_In_Polygon(m, xb, yb, cx, cy) == 0) continue;
                    a += cw * ch;
                    lox = std::min(lox, cx);
                    hix = std::max(hix, cx);
                    loy = std::min(loy, cy);
                    hiy = std::max(hiy, cy);
                }
            }
            if (hix >= lox) {
                w = hix - lox;
                h = hiy - loy;
            }
            res = a > 0.0;
        }
    }
    if (area) *area = a;
    if (width) *width = w;
    if (height) *height = h;
    return res;
}

double Geo_Polygon_Overlap_Area(int n, const double xa[], const double ya[], int m, const double xb[],
                                const double yb[])
{
    double a;
    Geo_Polygon_Overlap(n, xa, ya, m, xb, yb, &a, nullptr, nullptr);
    return a;
}

// ---- clipping and self-intersections --------------------------------------------------------

int Geo_Polygon_Clip_Line(int n, const double x[], const double y[], const double lx[2], const double ly[2], int* count,
                          double** xo, double** yo)
{
    if (count) *count = 0;
    if (n < 1 || !x || !y || !xo || !yo) return 0;
    GeoPointBuf buf;
    Geo_Buf_Begin(&buf, xo, yo, n > INT_MAX - 2 ? n : n + 2);
    double alpha = Geo_Line_Angle(lx[0], ly[0], lx[1], ly[1]);
    double c = std::cos(alpha), s = std::sin(alpha);
    int crossed = 0;
    for (int j = 0; j < n; ++j) {
        int k = (j + 1) % n;
        if (Round_To_Decimals((y[j] - ly[0]) * c - (x[j] - lx[0]) * s, 4) > 0.0) Geo_Buf_Add(&buf, x[j], y[j]);
        double px, py;
        if (Geo_Slope_Intersect(x[j], y[j], x[k], y[k], lx[0], ly[0], lx[1], ly[1], &px, &py)) continue;
        if (!Geo_On_Segment(px, py, x[j], y[j], x[k], y[k], 8)) continue;
        Geo_Buf_Add(&buf, px, py);
        crossed = 1;
    }
    // The blocks keep their size: the caller reuses them for the next cut.
    if (count) *count = buf.count;
    return crossed;
}

int Geo_Polygon_Self_Intersections(int n, const double x[], const double y[], int closed)
{
    if (n < 2 || !x || !y) return 0;
    int edges = edge_count(n, closed);
    int found = 0;
    for (int i = 0; i + 1 < edges; ++i) {
        int i2 = (i + 1) % n;
        for (int k = i + 1; k < edges; ++k) {
            int k2 = (k + 1) % n;
            double px, py;
            if (Geo_Slope_Intersect(x[i], y[i], x[i2], y[i2], x[k], y[k], x[k2], y[k2], &px, &py)) continue;
            if (!Geo_On_Segment(px, py, x[i], y[i], x[i2], y[i2], 5)) continue;
            if (!Geo_On_Segment(px, py, x[k], y[k], x[k2], y[k2], 5)) continue;
            if (!Geo_Points_Differ(px, py, x[i], y[i]) || !Geo_Points_Differ(px, py, x[i2], y[i2])) continue;
            ++found;
        }
    }
    return found;
}
