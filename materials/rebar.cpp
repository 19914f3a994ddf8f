// Reinforcing bars: areas, counts and spacings.
#include "materials/rebar.h"

#include <climits>
#include <cmath>

#include "base/kovnum.h"

const double RebarDiameters[REBAR_DIAMETER_COUNT] = {0.006, 0.008, 0.010, 0.012, 0.014,
                                                     0.016, 0.020, 0.025, 0.028, 0.032};

namespace {

const double kPi4 = 0.785398163397448279;
const double kPi = 3.14159265358979323846;
const double kNoSpacing = 1e100;

// A count from a quotient: 0 when it is not a finite number or beyond an int.
int count_of(double q)
{
    if (!std::isfinite(q) || q > (double)INT_MAX || q < (double)INT_MIN) return 0;
    return (int)q;
}

} // namespace

double Rebar_Area(int n, double d) { return Round_To_Decimals(n * kPi4 * d * d, 6); }

double Rebar_Bundle_Area(int n, int k, double d)
{
    if (n < 0 || k < 0) return 0.0;
    const double dk = std::sqrt((double)k) * d;
    return n * kPi4 * dk * dk;
}

double Rebar_Area_Per_Length(double s, double d)
{
    if (std::fabs(s) < 1e-8) return 0.0;
    return Round_To_Decimals(kPi4 * d * d / s, 6);
}

double Rebar_Area_Per_Length_Rounded(double s, double d)
{
    if (std::fabs(s) < 1e-8) return 0.0;
    const double a = 100.0 * kPi4 * d * d / s;
    const double whole = std::floor(a);
    return (a - whole > 0.4999 ? whole + 0.5 : whole) * 0.01;
}

int Rebar_Count_For_Area(double A, double d) { return count_of(std::ceil(A / (kPi4 * d * d))); }

int Rebar_Group_Count_For_Area(double A, double d, int n)
{
    return count_of(std::ceil(A / (std::fabs((double)n) * kPi4 * d * d)));
}

int Rebar_Diameter_For_Area(double A, int n, int groups)
{
    for (int i = 0; i < REBAR_DIAMETER_COUNT; ++i)
        if (A <= groups * Rebar_Area(n, RebarDiameters[i])) return i;
    return -1;
}

int Rebar_Count_And_Diameter_For_Area(double A, int n_start, int i_first, int i_last, int groups, int* n, int* i)
{
    if (groups < 1 || i_first < 0 || i_last >= REBAR_DIAMETER_COUNT || i_first > i_last || n_start < 0 ||
        !std::isfinite(A))
        return -1;
    for (int count = n_start; count <= REBAR_SEARCH_MAX; ++count) {
        for (int k = i_first; k <= i_last; ++k) {
            const double d = RebarDiameters[k];
            if (A <= groups * Round_To_Decimals(count * kPi4 * d * d, 6)) {
                if (n) *n = count;
                if (i) *i = k;
                return count;
            }
        }
    }
    return -1;
}

double Rebar_Next_Smaller_Diameter(double d)
{
    for (int i = REBAR_DIAMETER_COUNT - 1; i >= 0; --i)
        if (RebarDiameters[i] < d) return RebarDiameters[i];
    return -1.0;
}

double Rebar_Axis_Distance(double c, double s, unsigned n, double d) { return n < 2 ? c + s + d / 2.0 : c + s + d; }

int Rebar_Count_For_Length(double L, double s)
{
    const double q = L / s + 1.0;
    if (!std::isfinite(q) || q > (double)INT_MAX || q < (double)INT_MIN) return 0;
    const int n = (int)q;
    return n < 2 ? 2 : n;
}

int Rebar_Count_In_Width(double B, double c, double e, double d)
{
    const double p = d + e;
    const double w = B - 2.0 * c - d;
    if (p > w) return 0;
    return count_of(w / p);
}

double Rebar_Line_Spacing(int n, double L)
{
    if (n < 2) return kNoSpacing;
    return L / (n - 1);
}

double Rebar_Circle_Spacing(int n, double r)
{
    if (n <= 0) return kNoSpacing;
    return 2.0 * r * std::sin(kPi / n);
}

int Rebar_Circle_Count(double s, double r)
{
    if (!(s > 0.0) || !(r > 0.0)) return 0;
    if (s > 2.0 * r) return 1;
    const double y = s / (2.0 * r);
    const double q = kPi / std::atan2(y, std::sqrt(1.0 - y * y));
    // The chord of n bars comes back a hair below n.
    return count_of(q * (1.0 + 1e-9));
}
