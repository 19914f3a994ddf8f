// Numeric helpers: rounding to decimals, sorts with a tolerance of 1e-5, index sorts, extremes,
// a guarded power and interpolation in tables and through unsorted points.
#include "base/kovnum.h"

#include "base/kovmem.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const double kEqual = 1e-5;
const double kUndefined = 1e100;

// Powers of ten for the table route of the rounding.
const double kPowersOfTen[19] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
const int kTableDecimals = 13;
const int kNumberText = 200;

// Keys of the running index sort.
const double* g_double_keys = nullptr;
const int* g_int_keys = nullptr;

int compare_tolerant(double a, double b)
{
    const double d = a - b;
    if (d > -kEqual && d < kEqual) return 0;
    return d > 0 ? 1 : -1;
}

int* new_index(int n) { return static_cast<int*>(Mem_Realloc(nullptr, n * (int)sizeof(int), 0)); }

void free_block(void* p) { Mem_Free_Null(&p); }

// The value between rows (xi, yi) and (xj, yj) at x; equal ordinates give yi, a
// vertical segment +-1e100 by the sign of x.
double segment_value(double xi, double yi, double xj, double yj, double x)
{
    if (std::fabs(yi - yj) < kEqual) return yi;
    if (xi != xj) return yi + (x - xi) * (yj - yi) / (xj - xi);
    return x >= 0 ? kUndefined : -kUndefined;
}

// The segment (i, j) of x among n monotone abscissae X(k) = a[k * stride]:
// the first fitting segment, the last one as fallback; without extrapolation
// an x beyond an end by more than 1e-5 takes that end twice.
void find_segment(const double* a, int n, int stride, double x, int extrapolate, int* i, int* j)
{
    auto X = [&](int k) { return a[(size_t)k * (size_t)stride]; };
    const double first = X(0);
    const double last = X(n - 1);
    const bool ascending = last > first;
    int k = n - 2;
    for (int m = 0; m <= n - 2; ++m) {
        if (ascending ? x <= X(m + 1) : X(m + 1) <= x) {
            k = m;
            break;
        }
    }
    *i = k;
    *j = k + 1;
    if (extrapolate) return;
    const bool before_start = ascending ? x < first - kEqual : x > first + kEqual;
    const bool after_end = ascending ? x > last + kEqual : x < last - kEqual;
    if (before_start)
        *i = *j = 0;
    else if (after_end)
        *i = *j = n - 1;
}

} // namespace

// ---- rounding and small helpers --------------------------------------------------------

double Round_To_Decimals(double x, int n)
{
    if (n < 0) n = 0;
    if (n <= kTableDecimals) {
        const double p = kPowersOfTen[n];
        const double scaled = x * p;
        // From 2^52 on a double holds no fraction: x is already as round as it
        // can be (and the sentinels 1e100 .. 3e100 must come back unchanged).
        if (!(std::fabs(scaled) < 4503599627370496.0)) return x;
        return std::floor(scaled + 0.5) / p;
    }
    // A text of n decimals needs more than n characters.
    if (!std::isfinite(x) || n >= kNumberText) return x;
    // The small addend lifts a value a hair below a half up to it.
    char text[kNumberText];
    const int len = snprintf(text, sizeof text, "%.*f", n, x + std::pow(10.0, -((double)n + 6.0)));
    if (len < 0 || len >= (int)sizeof text) return x;
    return atof(text);
}

double Power_Of_Positive(double x, double e)
{
    if (x <= 0) return 0;
    if (e == 2) return x * x;
    return std::pow(x, e);
}

int Digit_Count(int n)
{
    if (n <= 0) return 1;
    int digits = 0;
    while (n > 0) {
        n /= 10;
        ++digits;
    }
    return digits;
}

void Swap_Doubles(double* a, double* b)
{
    const double t = *a;
    *a = *b;
    *b = t;
}

int Index_Of_Extreme(int n, const double* v, int want_max)
{
    if (n < 2 || v == nullptr) return 0;
    int best = 0;
    for (int k = 1; k < n; ++k) {
        if (want_max ? v[k] > v[best] : v[k] < v[best]) best = k;
    }
    return best;
}

// ---- comparators -------------------------------------------------------------------------

int Cmp_Double_Up(const void* a, const void* b)
{
    return compare_tolerant(*static_cast<const double*>(a), *static_cast<const double*>(b));
}

int Cmp_Double_Down(const void* a, const void* b) { return -Cmp_Double_Up(a, b); }

int Cmp_Index_Double_Up(const void* a, const void* b)
{
    const int ia = *static_cast<const int*>(a);
    const int ib = *static_cast<const int*>(b);
    return compare_tolerant(g_double_keys[ia], g_double_keys[ib]);
}

int Cmp_Index_Double_Down(const void* a, const void* b) { return -Cmp_Index_Double_Up(a, b); }

int Cmp_Index_Int_Up(const void* a, const void* b)
{
    const int ka = g_int_keys[*static_cast<const int*>(a)];
    const int kb = g_int_keys[*static_cast<const int*>(b)];
    return ka == kb ? 0 : (ka > kb ? 1 : -1);
}

int Cmp_Index_Int_Down(const void* a, const void* b) { return -Cmp_Index_Int_Up(a, b); }

// ---- sorts ---------------------------------------------------------------------------------

void Sort_Doubles(int n, double* v, int ascending)
{
    if (n < 2 || v == nullptr) return;
    qsort(v, (size_t)n, sizeof(double), ascending ? Cmp_Double_Up : Cmp_Double_Down);
}

int Sort_Unique_Doubles(int n, double* v, int ascending, int decimals)
{
    if (n < 1 || v == nullptr) return 0;
    Sort_Doubles(n, v, ascending);
    double* kept = static_cast<double*>(Mem_Realloc(nullptr, n * (int)sizeof(double), 0));
    int count = 0;
    kept[count++] = v[0];
    for (int k = 0; k <= n - 2; ++k) {
        if (Round_To_Decimals(std::fabs(v[k + 1] - v[k]), decimals) != 0) kept[count++] = v[k + 1];
    }
    for (int k = 0; k < count; ++k) v[k] = kept[k];
    free_block(kept);
    return count;
}

void Sort_Index_By_Doubles(int n, const double* keys, int* index, int ascending)
{
    if (n < 1 || index == nullptr) return;
    for (int k = 0; k < n; ++k) index[k] = k;
    if (n < 2 || keys == nullptr) return;
    g_double_keys = keys;
    qsort(index, (size_t)n, sizeof(int), ascending ? Cmp_Index_Double_Up : Cmp_Index_Double_Down);
}

void Sort_Index_Ascending(const double* keys, int* index, int n) { Sort_Index_By_Doubles(n, keys, index, 1); }

void Sort_Index_By_Ints(int n, const int* keys, int* index, int ascending)
{
    if (n < 1 || index == nullptr) return;
    for (int k = 0; k < n; ++k) index[k] = k;
    if (n < 2 || keys == nullptr) return;
    g_int_keys = keys;
    qsort(index, (size_t)n, sizeof(int), ascending ? Cmp_Index_Int_Up : Cmp_Index_Int_Down);
}

void Sort_Pairs(int n, double* x, int ascending, double* y, int sort_ties, int decimals)
{
    if (n < 1 || x == nullptr || y == nullptr) return;
    double* xs = static_cast<double*>(Mem_Realloc(nullptr, n * (int)sizeof(double), 0));
    double* ys = static_cast<double*>(Mem_Realloc(nullptr, n * (int)sizeof(double), 0));
    int* index = new_index(n);
    for (int k = 0; k < n; ++k) {
        xs[k] = x[k];
        ys[k] = y[k];
    }
    Sort_Index_By_Doubles(n, xs, index, ascending);
    if (sort_ties > 0) {
        for (int p = 0; p < n - 1; ++p) {
            int q = p;
            while (q + 1 < n && Round_To_Decimals(std::fabs(xs[index[q + 1]] - xs[index[q]]), decimals) == 0) ++q;
            if (q > p) {
                // Order the run by ascending y (insertion: equal y keep their order).
                for (int a = p + 1; a <= q; ++a) {
                    const int item = index[a];
                    int b = a - 1;
                    while (b >= p && ys[index[b]] > ys[item]) {
                        index[b + 1] = index[b];
                        --b;
                    }
                    index[b + 1] = item;
                }
                p = q;
            }
        }
    }
    for (int k = 0; k < n; ++k) {
        x[k] = xs[index[k]];
        y[k] = ys[index[k]];
    }
    free_block(index);
    free_block(ys);
    free_block(xs);
}

// ---- interpolation -------------------------------------------------------------------------

double Table_Interpolate(const double* t, int n, int stride, double x, int xcol, int ycol, int extrapolate)
{
    if (t == nullptr || n < 1) return 0;
    auto Y = [&](int k) { return t[(size_t)k * (size_t)stride + (size_t)ycol]; };
    if (n == 1) return Y(0);
    int i, j;
    find_segment(t + xcol, n, stride, x, extrapolate, &i, &j);
    const double xi = t[(size_t)i * (size_t)stride + (size_t)xcol];
    const double xj = t[(size_t)j * (size_t)stride + (size_t)xcol];
    return segment_value(xi, Y(i), xj, Y(j), x);
}

double Table_Interpolate_2D(const double* grid, int rows, int cols, double x, double y, int extrapolate)
{
    if (grid == nullptr || rows < 1 || cols < 1) return 0;
    const int stride = cols + 1;
    const double* column_abscissae = grid + 1;
    int ci = 0, cj = 0;
    if (cols >= 2) find_segment(column_abscissae, cols, 1, y, extrapolate, &ci, &cj);
    const double* body = grid + stride;
    const double vi = Table_Interpolate(body, rows, stride, x, 0, 1 + ci, extrapolate);
    const double vj = Table_Interpolate(body, rows, stride, x, 0, 1 + cj, extrapolate);
    return segment_value(column_abscissae[ci], vi, column_abscissae[cj], vj, y);
}

double Interpolate_Unsorted(int n, const double* x, const double* y, double xq)
{
    if (n < 1 || x == nullptr || y == nullptr) return 0;
    if (n == 1) return y[0];
    int* index = new_index(n);
    Sort_Index_Ascending(x, index, n);
    // Points with the same x keep their given order.
    for (int k = 0; k + 1 < n; ++k) {
        if (Round_To_Decimals(x[index[k]], 4) == Round_To_Decimals(x[index[k + 1]], 4) && index[k + 1] < index[k]) {
            const int t = index[k];
            index[k] = index[k + 1];
            index[k + 1] = t;
        }
    }
    int s = n - 2;
    if (xq <= x[index[0]]) {
        s = 0;
    } else {
        for (int k = 0; k + 1 < n; ++k) {
            if (x[index[k]] <= xq && xq <= x[index[k + 1]]) {
                s = k;
                break;
            }
        }
    }
    const int i = index[s];
    const int j = index[s + 1];
    free_block(index);
    if (x[i] == x[j]) return y[i] == y[j] ? y[i] : (xq >= 0 ? kUndefined : -kUndefined);
    return y[i] + (xq - x[i]) * (y[j] - y[i]) / (x[j] - x[i]);
}
