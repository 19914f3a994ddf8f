#pragma once
// Product factor k of a cross-laminated timber product (capped at 3.5) by the
// rule of its manufacturer, and the small factor rules of a layer thickness or
// a direction that the plate check uses. Lengths in mm.
//
// The rules on a whole section take it by value: the caller's record is not
// changed. In them n is the layer count, h the sum of all layer thicknesses,
// t_min the smaller of the sums of the x and of the y layers, a1 and a2 the
// section's board widths. A section without layers gives a not-a-number or
// infinite k.
#include "clt/cltsection.h"

// min(8 t_min / h, 3.5, (n - 1) (5/12) (a1^2 + a2^2) / (h max(a1, a2))).
double Clt_Factor_Board_Width(int n, double t_min, double h, double a1, double a2);
double Clt_Factor_Board_Width_2(int n, double t_min, double h, double a1, double a2);
double Clt_Section_Factor_Board_Width(CltSection s);
double Clt_Section_Factor_Board_Width_2(CltSection s);

// min(P / (3 h), 3.5, 8 t_min / h).
double Clt_Factor_Layer_Pairs(double t_min, double h, double P);
// P = sum over the pairs of adjacent layers of (t_i^2 + t_i+1^2) / max(t_i,
// t_i+1); a section of one layer gives 0.
double Clt_Section_Factor_Layer_Pairs(CltSection s);

// Manufacturer 0 and 3: board-width rule; 1: layer-pair rule; any other: the
// stored product_factor.
double Clt_Product_Factor(CltSection s);

// Factor of the rolling shear strength by the cross layer's thickness t:
// 1.1 below 20, 1.0 above 40, 1.1 - 0.005 (t - 20) between.
double Clt_Cross_Strength_By_Thickness(double t);
// 0.85 up to 115.01, 0.7 above.
double Clt_Cross_Strength_Step(double t);
// 0.6 for d = 1, 0.8 for every other d; the section is not read.
double Clt_Direction_Factor(const CltSection* unused, int d);

// min(t1, 2 t0) + min(t0, t1), plus min(t_n-2, 2 t_n-1) for n >= 3, t0, t1 the
// top two and t_n-2, t_n-1 the bottom two layers; *t_max (when not null) the
// largest layer thickness. Fewer than 2 layers (or null) give 0 and *t_max 0.
double Clt_Outer_Pair_Sum(const CltSection* s, double* t_max);
