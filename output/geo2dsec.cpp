// Cross-section values of a plane polygon and shape operations about its centroid.
#include "output/geo2dsec.h"

#include <climits>
#include <cmath>
#include <limits>

#include "base/kovmem.h"
#include "base/kovnum.h"
#include "output/geo2dcut.h"

namespace {

const double kSixth = 0.16666666666666666;
const double kTwelfth = 0.08333333333333333;
const double kTwentyFourth = 0.041666666666666664;

double edge_term(const double x[], const double y[], int i, int j) { return x[i] * y[j] - x[j] * y[i]; }

// Twice the signed area; *zero says whether the outline encloses no area (the
// sum vanishes against the size of its terms, as for collinear points).
double twice_area(int n, const double x[], const double y[], int* zero)
{
    double sum = 0.0, mag = 0.0;
    for (int i = 0; i < n; ++i) {
        double c = edge_term(x, y, i, (i + 1) % n);
        sum += c;
        mag += std::fabs(c);
    }
    if (zero) *zero = !(std::fabs(sum) > 1e-12 * mag);
    return sum;
}

void centroid(int n, const double x[], const double y[], double* xc, double* yc)
{
    int zero;
    double a2 = twice_area(n, x, y, &zero);
    double sx = 0.0, sy = 0.0;
    if (zero) {
        for (int i = 0; i < n; ++i) {
            sx += x[i];
            sy += y[i];
        }
        *xc = sx / n;
        *yc = sy / n;
        return;
    }
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        double c = edge_term(x, y, i, j);
        sx += c * (x[i] + x[j]);
        sy += c * (y[i] + y[j]);
    }
    *xc = sx / (3.0 * a2);
    *yc = sy / (3.0 * a2);
}

// Sum of c_i f(i, j) over the edges.
template <typename F> double edge_sum(int n, const double x[], const double y[], F f)
{
    double s = 0.0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        s += edge_term(x, y, i, j) * f(i, j);
    }
    return s;
}

double inertia_x(int n, const double x[], const double y[])
{
    return edge_sum(n, x, y, [&](int i, int j) { return y[i] * y[i] + y[i] * y[j] + y[j] * y[j]; }) * kTwelfth;
}

double inertia_y(int n, const double x[], const double y[])
{
    return edge_sum(n, x, y, [&](int i, int j) { return x[i] * x[i] + x[i] * x[j] + x[j] * x[j]; }) * kTwelfth;
}

double inertia_xy(int n, const double x[], const double y[])
{
    return edge_sum(n, x, y,
                    [&](int i, int j) { return x[i] * y[j] + 2.0 * x[i] * y[i] + 2.0 * x[j] * y[j] + x[j] * y[i]; }) *
           kTwentyFourth;
}

} // namespace

double Geo_Polygon_Area(int n, const double x[], const double y[])
{
    if (n < 1 || !x || !y) return 0.0;
    return std::fabs(0.5 * twice_area(n, x, y, nullptr));
}

double Geo_Polygon_Perimeter(int n, const double x[], const double y[])
{
    if (n <= 0 || !x || !y) return 0.0;
    double p = 0.0;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        p += std::sqrt((x[i] - x[j]) * (x[i] - x[j]) + (y[i] - y[j]) * (y[i] - y[j]));
    }
    return p;
}

int Geo_Polygon_Centroid(int n, const double x[], const double y[], double* xc, double* yc)
{
    double cx = std::numeric_limits<double>::quiet_NaN(), cy = cx;
    if (n >= 1 && x && y) centroid(n, x, y, &cx, &cy);
    if (xc) *xc = cx;
    if (yc) *yc = cy;
    return 0;
}

Point2D Geo_Polygon_Centroid_Point(int n, const double x[], const double y[])
{
    Point2D p;
    Geo_Polygon_Centroid(n, x, y, &p.x, &p.y);
    return p;
}

double Geo_Polygon_Moment_Sx(int n, const double x[], const double y[])
{
    if (n < 1 || !x || !y) return 0.0;
    return edge_sum(n, x, y, [&](int i, int j) { return y[i] + y[j]; }) * kSixth;
}

double Geo_Polygon_Moment_Sy(int n, const double x[], const double y[])
{
    if (n < 1 || !x || !y) return 0.0;
    return edge_sum(n, x, y, [&](int i, int j) { return x[i] + x[j]; }) * kSixth;
}

double Geo_Polygon_Inertia_Ix(int n, const double x[], const double y[])
{
    if (n < 1 || !x || !y) return 0.0;
    return inertia_x(n, x, y);
}

double Geo_Polygon_Inertia_Iy(int n, const double x[], const double y[])
{
    if (n < 1 || !x || !y) return 0.0;
    return inertia_y(n, x, y);
}

double Geo_Polygon_Inertia_Ixy(int n, const double x[], const double y[])
{
    if (n < 1 || !x || !y) return 0.0;
    return inertia_xy(n, x, y);
}

int Geo_Polygon_Principal(int n, double x[], double y[], double* width, double* height, double* angle)
{
    double w = std::numeric_limits<double>::quiet_NaN(), h = w, phi = w;
    if (n >= 1 && x && y) {
        double xc, yc;
        centroid(n, x, y, &xc, &yc);
        for (int i = 0; i < n; ++i) {
            x[i] -= xc;
            y[i] -= yc;
        }
        int zero;
        double a = std::fabs(0.5 * twice_area(n, x, y, &zero));
        double ix = inertia_x(n, x, y), iy = inertia_y(n, x, y), ixy = inertia_xy(n, x, y);
        double scale = std::fabs(ix) + std::fabs(iy);
        if (zero) {
            w = h = phi = 0.0;
        } else if (std::fabs(ix - iy) <= 1e-12 * scale && std::fabs(ixy) <= 1e-12 * scale) {
            // Every axis through the centroid is a principal axis (a square, a
            // regular polygon): the equivalent rectangle is the square.
            phi = 0.0;
            w = h = std::sqrt(a);
        } else {
            phi = 0.5 * std::atan(2.0 * ixy / (ix - iy));
            double c2 = std::cos(2.0 * phi), s2 = std::sin(2.0 * phi);
            double i1 = (ix + iy) / 2.0 + (ix - iy) / 2.0 * c2 + ixy * s2;
            double i2 = (ix + iy) / 2.0 - (ix - iy) / 2.0 * c2 - ixy * s2;
            double ratio = i1 / i2;
            if (!(ratio >= 0.0) || !std::isfinite(ratio)) ratio = 1.0;
            h = std::sqrt(a * std::sqrt(ratio));
            w = h > 0.0 ? a / h : 0.0;
        }
    }
    if (width) *width = w;
    if (height) *height = h;
    if (angle) *angle = phi;
    return 0;
}

int Geo_Polygon_Scale(int n, double x[], double y[], double factor)
{
    if (n < 1 || !x || !y) return 0;
    double xc, yc;
    centroid(n, x, y, &xc, &yc);
    for (int i = 0; i < n; ++i) {
        x[i] = xc + factor * (x[i] - xc);
        y[i] = yc + factor * (y[i] - yc);
    }
    return 0;
}

int Geo_Polygon_Grow(int n, double x[], double y[], double a, double b)
{
    if (n < 1 || !x || !y) return 0;
    double xc, yc;
    centroid(n, x, y, &xc, &yc);
    for (int i = 0; i < n; ++i) {
        if (Round_To_Decimals(x[i] - xc, 4) < 0.0) x[i] -= a;
        if (Round_To_Decimals(x[i] - xc, 4) > 0.0) x[i] += a;
        if (Round_To_Decimals(y[i] - yc, 4) < 0.0) y[i] -= b;
        if (Round_To_Decimals(y[i] - yc, 4) > 0.0) y[i] += b;
    }
    return 0;
}

int Geo_Polygon_Offset_Vertices(int n, double x[], double y[], double d)
{
    if (n < 1 || !x || !y) return 0;
    double xc, yc;
    centroid(n, x, y, &xc, &yc);
    if (n > INT_MAX / 16) Mem_Out_Of_Memory();
    const int bytes = n * static_cast<int>(sizeof(double));
    double* cx = static_cast<double*>(Mem_Realloc(nullptr, bytes, 0));
    double* cy = static_cast<double*>(Mem_Realloc(nullptr, bytes, 0));
    for (int i = 0; i < n; ++i) {
        cx[i] = x[i] - xc;
        cy[i] = y[i] - yc;
    }
    for (int j = 0; j < n; ++j) {
        int p = j == 0 ? n - 1 : j - 1;
        int q = j == n - 1 ? 0 : j + 1;
        double a1 = Geo_Line_Angle(cx[p], cy[p], cx[j], cy[j]);
        double a2 = Geo_Line_Angle(cx[q], cy[q], cx[j], cy[j]);
        double beta = (a1 + a2) / 2.0;
        double ux = d * std::cos(beta), uy = d * std::sin(beta);
        double sign = Geo_Point_In_Polygon(n, cx, cy, cx[j] + ux, cy[j] + uy) != 0 ? -1.0 : 1.0;
        x[j] = cx[j] + sign * ux + xc;
        y[j] = cy[j] + sign * uy + yc;
    }
    Mem_Free_Null(reinterpret_cast<void**>(&cx));
    Mem_Free_Null(reinterpret_cast<void**>(&cy));
    return 0;
}
