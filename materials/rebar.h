#pragma once
// Reinforcing bars of concrete members: the ten standard diameters, bar areas,
// the bars or the diameter needed for a required area, areas per unit length,
// and spacings and counts of bars in a width, along a line and on a circle.
//
// Diameters and lengths in metres and areas in m2, unless a caller works in
// another consistent unit. A diameter index is a position in RebarDiameters.
//
// Invariants:
//  (1) No search runs without end: the count-and-diameter search refuses
//      input it cannot finish on and gives up after REBAR_SEARCH_MAX bars.
//  (2) A count whose quotient is not a finite number or does not fit an int is 0.

enum { REBAR_DIAMETER_COUNT = 10, REBAR_SEARCH_MAX = 10000 };

// 6, 8, 10, 12, 14, 16, 20, 25, 28 and 32 mm.
extern const double RebarDiameters[REBAR_DIAMETER_COUNT];

// n pi/4 d^2, rounded to 6 decimals.
double Rebar_Area(int n, double d);
// n bundles of k bars: n pi/4 (sqrt(k) d)^2; 0 for a negative n or k.
double Rebar_Bundle_Area(int n, int k, double d);
// pi/4 d^2 / s rounded to 6 decimals; 0 when |s| < 1e-8.
double Rebar_Area_Per_Length(double s, double d);
// 100 pi/4 d^2 / s rounded down to a half, times 0.01; 0 when |s| < 1e-8.
double Rebar_Area_Per_Length_Rounded(double s, double d);
// Bars of diameter d for the area A (rounded up).
int Rebar_Count_For_Area(double A, double d);
// Bars per group of |n| groups for the area A (rounded up).
int Rebar_Group_Count_For_Area(double A, double d, int n);
// The first diameter index whose n bars in groups groups reach A; -1 when even
// 32 mm is not enough.
int Rebar_Diameter_For_Area(double A, int n, int groups);
// The first pair (count n from n_start on, and for each count the indices
// i_first .. i_last) whose groups groups reach A: stored in *n and *i, the count
// returned. -1 for groups < 1, indices outside 0..9 or crossed, n_start < 0, an
// area that is not a finite number, or when REBAR_SEARCH_MAX bars are not enough.
int Rebar_Count_And_Diameter_For_Area(double A, int n_start, int i_first, int i_last, int groups, int* n, int* i);
// The largest table diameter strictly smaller than d; -1 when d <= 6 mm.
double Rebar_Next_Smaller_Diameter(double d);
// Distance of the bar axis from the edge: c + s + d/2 for one bar, c + s + d else.
double Rebar_Axis_Distance(double c, double s, unsigned n, double d);
// Bars at spacing s along L: max(2, int(L / s + 1)).
int Rebar_Count_For_Length(double L, double s);
// Bars of diameter d at clear distance e in the width B with cover c.
int Rebar_Count_In_Width(double B, double c, double e, double d);
// L / (n - 1); 1e100 for n < 2.
double Rebar_Line_Spacing(int n, double L);
// Chord between n bars on a circle of radius r; 1e100 for n <= 0.
double Rebar_Circle_Spacing(int n, double r);
// Bars on a circle of radius r at the chord s: 0 for s <= 0 or r <= 0, 1 for
// s > 2 r. The chord of n bars gives n.
int Rebar_Circle_Count(double s, double r);
