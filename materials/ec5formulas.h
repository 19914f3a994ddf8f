#pragma once
// Formulas for timber members after DIN EN 1995-1-1 with the German annex (and
// DIN 1052 where the rule differs): buckling of compression members, compression
// at an angle to the grain, contact areas, notches, holes, continuous beams,
// floors and formula pieces the member checks combine. Stateless; the functions
// that switch rules test ActiveNadEc5 only (null: DIN 1052).

#include "materials/matkind.h"

// Buckling of compression members.
double Ec5_Beta_c(MaterialKind kind);
double Ec5_Lambda_Rel(double lambda, double f_c0k, double E_005);
double Ec5_Buckling_k(double beta_c, double lambda_rel);
double Ec5_Buckling_kc(double k, double lambda_rel);

// Compressive strength at the angle alpha_rad to the grain (step joints); 0
// when f_c0, f_c90 or f_v is not positive.
double Ec5_Fc_Alpha(double alpha_rad, double f_c0, double f_c90, double f_v);
// Reduction factor for compression at an angle; 1e-7 for vanishing divisors.
double Fc_Alpha_Linear(double f_c0, double f_c90, double f_v, double alpha_rad);

// Effective contact areas under compression perpendicular to the grain.
void Contact_Areas_Ef(double a_left, double a_right, double l, double l_inner, double b, double* a1, double* a2,
                      double* a3);
double Contact_Area_Capacity(MaterialKind kind, double f, double l1, double h, double a_left, double a_right, double l,
                             double b, int n);
double Contact_Area_Share(MaterialKind kind, double l1, double h, double a_left, double a_right, double l, double b,
                          int n, double p, double q, double r, double f, double* share);
double Contact_Area_Share_Din(MaterialKind kind, double l1, double h, double a_left, double a_right, double l, double b,
                              int n, double p, double q, double f);
double Half_Width_Factor(double a, double b, int flag);

// Notches, holes and transverse tension.
double Notch_Kv(double k_n, double i, double h, double alpha, double x);
double Transverse_Tension_Force(double h, double a, double F, double* alpha);
double Notch_Tension_Force(double h, double h_ef, double V, double* alpha);
double Hole_Lt90(int shape, double h_d, double h);
double Hole_Hr(int shape, double h_ro, double h_ru, double h_d);
double Hole_Kt90(double h);
double Hole_Ft_V(double V, double h_d, double h);
double Hole_Ft_M(double M, double h_r);
double Hole_Resistance(double f, double l, double b, double k);
double Depth_Ratio_Factor(double a, double b, double c, double* e, double* d);

// Support reactions of continuous beams with equal spans.
double Continuous_Beam_End_Reaction(double a, double L, double s, double d, double w, double f, double g, double q_g,
                                    double q);
double Continuous_Beam_Inner_Reaction(double a, double L, double s, double d, double w, double f, double g, double q_g,
                                      double q);

// Floors and stiffness.
double Floor_Frequency(double l, double EI, double m);
double Stiffness_Ratio_Root(double a, double b, double c, double d);
double Inverse_Fourth_Power_Root(double x);

// Formula pieces (positional arguments).
double Sqrt_Product_Ratio(double a, double b, double c, double d);
double Safe_Sqrt_Ratio(double a, double b);
double Beam_Term_Quadratic(double a, double b, double c, double d, double e, double f, double g);
double Beam_Term_Ratio(double a, double b, double c, double d, double e);
double Beam_Term_Cubic(double a, double b, double c, double d, double e);
double Beam_Term_Shear(double a, double b, double c, double d, double e, double f, double g);
double Length_Ratio_Factor(double a, double b, double c);
double Inverse_Root_Sum_Capped(double a, double b, double c, double d);
double Inverse_Root_Sum(double a, double b, double c, double d);
double Power_Ratio_Factor(double a, double b, double c);
double Ratio_Limit_Table(double r);
double Ratio_Polynomial(double a, double b);
// Linear interpolation over a / b in the table 0.912 (0) ... 2.0 (1.0); beyond
// the table the end segments are continued.
double Ratio_Band_Factor(double a, double b);
