#pragma once
// Design basics of the timber library: the partial factor gamma_M of a
// material, crack and size factors, k_c,90, k_crit, the buckling factor k_c,
// design strengths, fire-design factors and the texts of calculation-method and
// equation labels. Rule switch: a null ActiveNadEc5 selects DIN 1052, a set one
// DIN EN 1995-1-1 with the annex's values.

#include "materials/matkind.h"

// gamma_M of a material. sub is the fibreboard grade (read for kind 8 only);
// accidental != 0 for the load-duration classes "außergewöhnlich" and
// "Erdbeben". 0.0 for kinds without a factor under the annex rules.
double Mat_Gamma_M(MaterialKind kind, int sub, int accidental);
// Crack factor k_cr for the shear strength f_vk [N/mm2].
double Mat_K_cr(MaterialKind kind, double f_vk);

// min((600 / h)^0.14, 1.1) for 1 < h <= 600 [mm], else 1.0.
double Din_K_h_Glulam(double h);
// Size factor k_h of solid timber (rho_k up to 700) and glulam for depth h [mm].
double Mat_K_h(MaterialKind kind, int grade, double h);
// k_c,90 for supports at a distance l1 on a member of depth h [mm].
double Ec5_Kc90(MaterialKind kind, double l1, double h);
double Ec5_Kc90_Alt(MaterialKind kind, double l1, double h);

// Lateral torsional buckling factor of a rectangular section with the sides a
// and b [cm], l_ef [m], f_mk, E_005 and G_005 in one unit; 0.0 when a side is
// not positive.
double Ec5_K_crit(int glulam, double a, double b, double f_mk, double l_ef, double E_005, double G_005);
// Buckling factor k_c of a rectangular member of depth h; every out-pointer may
// be NULL (i, lambda, lambda_rel and k before the cap of k_c).
double Ec5_Kc_Values(double E_005, double f_c0k, double beta_c, double l_ef, double h, double* i, double* lambda,
                     double* lambda_rel, double* k);
// k_c with E_0.05 and f_c,0,k of the grade. A kind without buckling values or a
// grade without a modulus or strength gives 0.0 (outputs set to 0).
double Mat_Kc(MaterialKind kind, int grade, double l_ef, double h, double t, double* i, double* lambda,
              double* lambda_rel, double* k);
// Adds a strip from a to b of weight c (n - 1) to the running sums I, z
// (centroid), S and A; a NULL pointer reads as 0 and receives nothing.
void Section_Add_Strip(double* I, double* z, double* S, double* A, double a, double b, double c, double n);

// Design strengths [N/mm2] from the characteristic values of the grade; a
// gamma_m that is not positive gives 0.0 (no strength rather than an infinite
// one).
double Design_F_md(MaterialKind kind, int grade, int direction, double h, double b, double k_mod, double gamma_m,
                   double* k_h);
double Design_F_td(int unused1, int unused2, MaterialKind kind, int grade, int direction, double h, double b,
                   double k_mod, double gamma_m, double* k_h);
double Design_F_vd(MaterialKind kind, int grade, int direction, double h, double k_mod, double gamma_m);
double Design_F_c0d(MaterialKind kind, int grade, int variant, int unused, double h, double k_mod, double gamma_m);
// Tensile strength [N/mm2] in one-sided tension joints (k_t 0.4 or 2/3).
double Mat_Ft0k_Reduced(FastenerType type, int nail_flag, MaterialKind kind, int grade, int direction, double h,
                        double b, double* k_h);
double Design_F_t0d_Reduced(FastenerType type, int nail_flag, MaterialKind kind, int grade, int direction, double h,
                            double b, double k_mod, double gamma_m, double* k_h);
double Design_Unit_Factor(void);

// Fire design.
double Fire_K_fi(MaterialKind kind);
double Fire_K0(int protected_member, double t, double t_ch);
double Fire_K_mod_fi(int exposure, double d_ef, double b, double h);
double Fire_D_ef(double beta_n, double t, double t_f, double t_ch, double k2, double k3);

// Label texts (static buffers, overwritten by the next call of the same
// function; code page 850).
const char* Fastener_Method_Label(int method, int annex);
const char* Equation_Label(int n);
