#pragma once
// Numeric helpers: rounding, tolerant sorts, index sorts, extremes, a guarded
// power, linear interpolation in tables and through unsorted points.
//
// Conventions: values closer than 1e-5 count as equal; +-1e100 stands for an
// undefined or infinite result (a vertical segment of a table, for instance).
// The sorts keep their keys and comparator in statics: not reentrant.

// x rounded to n decimals: floor(x * 10^n + 0.5) / 10^n, so halves round towards
// plus infinity on both sides of zero (2.5 -> 3, -2.5 -> -2). A negative n counts
// as 0. Above 13 decimals the value goes through its text with n decimals; when
// that text would not fit its buffer, x comes back unchanged.
double Round_To_Decimals(double x, int n);

// 0 when x <= 0; x * x when e is exactly 2; else x to the power e.
double Power_Of_Positive(double x, double e);

// Number of decimal digits of n; 1 for 0 and for every negative n.
int Digit_Count(int n);

void Swap_Doubles(double* a, double* b);

// Index of the largest (want_max != 0) or smallest value, first occurrence;
// 0 when n < 2.
int Index_Of_Extreme(int n, const double* v, int want_max);

// Sorts v in place, upwards (ascending != 0) or downwards; values within 1e-5
// compare equal, their relative order is not fixed.
void Sort_Doubles(int n, double* v, int ascending);

// Sorts v, then keeps the first value and every value whose distance to its
// predecessor in the sorted array does not round to 0 at decimals; the kept
// values move to the front. Returns their count (0 for n < 1).
int Sort_Unique_Doubles(int n, double* v, int ascending, int decimals);

// Fill index with 0 .. n-1 and sort it so that the keys at the indexes ascend
// (resp. ascend or descend); double keys within 1e-5 compare equal.
void Sort_Index_Ascending(const double* keys, int* index, int n);
void Sort_Index_By_Doubles(int n, const double* keys, int* index, int ascending);
void Sort_Index_By_Ints(int n, const int* keys, int* index, int ascending);

// Sorts the pairs (x[k], y[k]) by x (tolerance 1e-5). With sort_ties > 0 every
// run of neighbours whose x differ by an amount rounding to 0 at decimals is
// ordered by ascending y. Both arrays are rearranged in place.
void Sort_Pairs(int n, double* x, int ascending, double* y, int sort_ties, int decimals);

// The ordinate at x by linear interpolation in a table of n rows of stride
// doubles (abscissae in column xcol, monotone; ordinates in column ycol).
// Without extrapolation an x beyond an end by more than 1e-5 gives that end's
// ordinate. A vertical segment gives 1e100 (x >= 0) or -1e100. n = 1 gives the
// one ordinate, n < 1 gives 0.
double Table_Interpolate(const double* t, int n, int stride, double x, int xcol, int ycol, int extrapolate);

// The value at (x, y) in a grid of rows + 1 rows of cols + 1 doubles: row 0 is
// an unused corner, then the cols column abscissae (y); every further row its
// row abscissa (x) and its cols values. Needs rows >= 1 and cols >= 1.
double Table_Interpolate_2D(const double* grid, int rows, int cols, double x, double y, int extrapolate);

// The ordinate at xq of the polyline through the points sorted by x (points
// with the same x keep their given order); 0 for n < 1, y[0] for n = 1.
double Interpolate_Unsorted(int n, const double* x, const double* y, double xq);

// Comparators for qsort: 1, 0 or -1; doubles within 1e-5 are equal.
int Cmp_Double_Up(const void* a, const void* b);
int Cmp_Double_Down(const void* a, const void* b);
// Compare the keys of the running index sort at two int indexes.
int Cmp_Index_Double_Up(const void* a, const void* b);
int Cmp_Index_Double_Down(const void* a, const void* b);
int Cmp_Index_Int_Up(const void* a, const void* b);
int Cmp_Index_Int_Down(const void* a, const void* b);
