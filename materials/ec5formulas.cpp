// Formulas for timber members: buckling, compression at an angle, contact
// areas, notches, holes, continuous beams, floors and formula pieces.
#include "materials/ec5formulas.h"

#include <cmath>

#include "materials/matgamma.h"
#include "nad/nadactive.h"
#include "platform/kovmath.h"

double Ec5_Beta_c(MaterialKind kind)
{
    const unsigned k = (unsigned)kind;
    return k <= 1u ? 0.2 : 0.1;
}

double Ec5_Lambda_Rel(double lambda, double f_c0k, double E_005)
{
    return lambda * 0.318309886183769708 * std::sqrt(f_c0k / E_005);
}

double Ec5_Buckling_k(double beta_c, double lambda_rel)
{
    return 0.5 * (1.0 + beta_c * (lambda_rel - 0.3) + lambda_rel * lambda_rel);
}

double Ec5_Buckling_kc(double k, double lambda_rel)
{
    const double kc = 1.0 / (k + std::sqrt(k * k - lambda_rel * lambda_rel));
    return kc > 1.0 ? 1.0 : kc;
}

double Ec5_Fc_Alpha(double alpha_rad, double f_c0, double f_c90, double f_v)
{
    if (!(f_c90 > 0.0) || !(f_v > 0.0) || !(f_c0 > 0.0)) return 0.0;
    const double s = std::sin(alpha_rad);
    const double c = std::cos(alpha_rad);
    const double t1 = f_c0 / (2.0 * f_c90) * s * s;
    const double t2 = f_c0 / (2.0 * f_v) * s * c;
    return f_c0 / std::sqrt(t1 * t1 + t2 * t2 + c * c * c * c);
}

double Fc_Alpha_Linear(double f_c0, double f_c90, double f_v, double alpha_rad)
{
    if (std::fabs(f_c90) < 1e-8 || std::fabs(f_v) < 1e-8) return 1e-7;
    const double s = std::sin(alpha_rad);
    const double c = std::cos(alpha_rad);
    return 1.0 / (c * c + (f_c0 / f_v) * s * c + (f_c0 / f_c90) * s * s);
}

namespace {

// Contact length with the spread of 30 mm beside it, less where the overhang
// is shorter.
double L_Ef(double l, double a) { return a > 30.0 ? l + 60.0 : l + a + 30.0; }

double A_Ef(double a_left, double a_right, double l, double b, int n)
{
    double A = b * (L_Ef(l, a_right) + L_Ef(l, a_left));
    if (n >= 3) A += (n - 2) * 60.0 * b;
    return A;
}

double Beam_Load_Coefficient(int r, bool inner)
{
    static const double end[] = {0.5, 0.375, 0.4, 0.392, 0.395};
    static const double in[] = {0.0, 1.25, 1.099, 1.141, 1.132};
    if (r >= 1 && r <= 5) return inner ? in[r - 1] : end[r - 1];
    return inner ? 1.141 : 0.4;
}

double Beam_Difference_Coefficient(int r, bool inner)
{
    static const double end[] = {0.0, 1.0 / 3.0, 0.354166, 0.3663, 0.37352, 0.37765, 0.38118};
    static const double in[] = {0.0, 0.0, 0.625, 0.7992, 0.884, 0.934, 0.969};
    if (r <= 0) return 0.0;
    if (r <= 6) return inner ? in[r] : end[r];
    return r * (inner ? 0.1415882 : 0.0546333);
}

double Continuous_Beam_Reaction(bool inner, double a, double L, double s, double d, double w, double f, double g,
                                double q_g, double q)
{
    // Number of spans; an absurd ratio (s = 0, NaN) counts as no span instead
    // of an undefined conversion.
    const double spans = std::trunc(std::trunc(L) / s);
    const int r = (std::isfinite(spans) && std::fabs(spans) < 1e6) ? (int)spans : 0;
    const double wp = w / 1000.0;
    const double H = std::fabs(q - q_g) < 1e-5 ? 0.0 : wp * (q - q_g) * Beam_Difference_Coefficient(r, inner);
    const double point = inner ? std::fabs(f * a) : std::fabs(f) * a;
    return (H + Beam_Load_Coefficient(r, inner) * q_g * wp) * s + (point / L) * d + g;
}

} // namespace

void Contact_Areas_Ef(double a_left, double a_right, double l, double l_inner, double b, double* a1, double* a2,
                      double* a3)
{
    if (a1) *a1 = b * L_Ef(l, a_left);
    if (a2) *a2 = b * L_Ef(l, a_right);
    if (a3) *a3 = b * (l_inner + 60.0);
}

double Contact_Area_Capacity(MaterialKind kind, double f, double l1, double h, double a_left, double a_right, double l,
                             double b, int n)
{
    return f * Ec5_Kc90(kind, l1, h) * A_Ef(a_left, a_right, l, b, n);
}

double Contact_Area_Share(MaterialKind kind, double l1, double h, double a_left, double a_right, double l, double b,
                          int n, double p, double q, double r, double f, double* share)
{
    const double s = r * p / (r * q + A_Ef(a_left, a_right, l, b, n) * Ec5_Kc90(kind, l1, h) * f);
    if (share) *share = s;
    return s / r;
}

double Contact_Area_Share_Din(MaterialKind kind, double l1, double h, double a_left, double a_right, double l, double b,
                              int n, double p, double q, double f)
{
    if (ActiveNadEc5) return 1.0;
    const double F = f * Ec5_Kc90(kind, l1, h) * A_Ef(a_left, a_right, l, b, n);
    return F / (F + p * q);
}

double Half_Width_Factor(double a, double b, int flag)
{
    if (ActiveNadEc5 || a <= b / 2.0) return 1.0;
    return flag != 0 ? 0.67 : 0.75;
}

double Notch_Kv(double k_n, double i, double h, double alpha, double x)
{
    const double sh = std::sqrt(h);
    const double kv =
        k_n * (1.0 + 1.1 * std::pow(i, 1.5) / sh) /
        (sh * (std::sqrt(alpha * (1.0 - alpha)) + 0.8 * (x / h) * std::sqrt(1.0 / alpha - alpha * alpha)));
    return std::fmin(1.0, kv);
}

double Transverse_Tension_Force(double h, double a, double F, double* alpha)
{
    const double al = a / h;
    if (alpha) *alpha = al;
    return (1.0 - 3.0 * al * al + 2.0 * al * al * al) * F;
}

double Notch_Tension_Force(double h, double h_ef, double V, double* alpha)
{
    const double al = h_ef / h;
    if (alpha) *alpha = al;
    return 1.3 * V * (1.0 - al) * (1.0 - al) * (2.0 * (al - 1.0) + 3.0);
}

double Hole_Lt90(int shape, double h_d, double h)
{
    if (shape == 0) return 0.5 * (h_d + h);
    if (shape == 1) return 0.353 * h_d + 0.5 * h;
    return -1.0;
}

double Hole_Hr(int shape, double h_ro, double h_ru, double h_d)
{
    if (shape == 0) return std::fmin(h_ro, h_ru);
    if (shape == 1) return std::fmin(h_ro, h_ru) + 0.15 * h_d;
    return -1.0;
}

double Hole_Kt90(double h)
{
    if (h <= 0.001) return -1.0;
    return std::fmin(1.0, std::sqrt(450.0 / h));
}

double Hole_Ft_V(double V, double h_d, double h)
{
    if (h <= 0.001) return -1.0;
    return V * h_d / (4.0 * h) * (3.0 - h_d * h_d / (h * h));
}

double Hole_Ft_M(double M, double h_r)
{
    if (h_r <= 0.001) return -1.0;
    return 0.008 * M / h_r;
}

double Hole_Resistance(double f, double l, double b, double k)
{
    if (!(f > 0.001 && l > 0.001 && b > 0.001 && k > 0.001)) return -1.0;
    return 0.5 * l * b * k * f;
}

double Depth_Ratio_Factor(double a, double b, double c, double* e, double* d)
{
    const double ee = (a - c) / a;
    const double dd = (a - b - c) / (a - c);
    if (e) *e = ee;
    if (d) *d = dd;
    return (2.0 * (1.0 - dd) * (1.0 - dd) + 1.0) * dd * (2.0 - ee);
}

double Continuous_Beam_End_Reaction(double a, double L, double s, double d, double w, double f, double g, double q_g,
                                    double q)
{
    return Continuous_Beam_Reaction(false, a, L, s, d, w, f, g, q_g, q);
}

double Continuous_Beam_Inner_Reaction(double a, double L, double s, double d, double w, double f, double g, double q_g,
                                      double q)
{
    return Continuous_Beam_Reaction(true, a, L, s, d, w, f, g, q_g, q);
}

double Floor_Frequency(double l, double EI, double m) { return KOV_PI / 2.0 / (l * l) * std::sqrt(EI / m); }

double Stiffness_Ratio_Root(double a, double b, double c, double d) { return (a / b) * std::pow(c / d, 0.25); }

double Inverse_Fourth_Power_Root(double x) { return std::sqrt(1.0 / (x * x * x * x) + 1.0); }

double Sqrt_Product_Ratio(double a, double b, double c, double d) { return a * std::sqrt(b * c) / d; }

double Safe_Sqrt_Ratio(double a, double b)
{
    if (std::fabs(b) > 1e-17) return std::sqrt(a / b);
    return 0.0;
}

double Beam_Term_Quadratic(double a, double b, double c, double d, double e, double f, double g)
{
    return (a * (c + 2.0) + (d + 2.0) * b) * e / (a * a * f) * g;
}

double Beam_Term_Ratio(double a, double b, double c, double d, double e) { return e / (d * c) * b / a; }

double Beam_Term_Cubic(double a, double b, double c, double d, double e)
{
    return (a + b * b * b / (a * a)) * (2.0 / 3.0) * e / (d * c);
}

double Beam_Term_Shear(double a, double b, double c, double d, double e, double f, double g)
{
    return 2.0 * b * c / a * (5.0 / 6.0) * d / (g * f * e);
}

double Length_Ratio_Factor(double a, double b, double c)
{
    if (b > c) return (c * (b - a) / (a * b) + 1.0) * a / b;
    return 1.0;
}

double Inverse_Root_Sum_Capped(double a, double b, double c, double d)
{
    const double u = (4.0 / 3.0) * d * a / b;
    const double v = d * (d * a) / c;
    return std::fmin(1.0, 1.0 / std::sqrt(u * u + v * v + 1.0));
}

double Inverse_Root_Sum(double a, double b, double c, double d)
{
    const double u = (2.0 / 3.0) * d * a / b;
    const double v = d * (d * a) / c;
    return 1.0 / std::sqrt(u * u + v * v + 1.0);
}

double Power_Ratio_Factor(double a, double b, double c)
{
    if (b > 0.001) return 1.84 * (1.0 + a / b) * std::pow(c / b, 0.2);
    return 1.0;
}

double Ratio_Limit_Table(double r)
{
    if (r >= 0.499 && r < 1.0) return 150.0 + (0.5 - r) * 60.0;
    if (r >= 0.999 && r < 2.0) return 120.0 + (1.0 - r) * 40.0;
    if (r >= 1.999 && r < 4.001) return 80.0 + (2.0 - r) * 15.0;
    return -1.0;
}

double Ratio_Polynomial(double a, double b)
{
    const double c = a / b;
    return 1.55743 + c * (-1.763639 + c * (5.954181 + c * (-11.35562 + c * (10.29283 + c * -3.685897))));
}

double Ratio_Band_Factor(double a, double b)
{
    static const double value[] = {0.912, 0.918, 0.927, 0.934, 0.951, 0.969, 1.0, 1.05, 1.15, 1.4, 2.0};
    const double r = a / b;
    if (std::isnan(r)) return value[0];
    // Segment j spans r = 0.1 j ... 0.1 (j + 1); the first and the last one are
    // continued beyond the table.
    int j;
    if (r < 0.1)
        j = 0;
    else if (r >= 0.9)
        j = 9;
    else
        j = (int)(r * 10.0);
    if (j > 9) j = 9;
    const double r0 = 0.1 * j;
    return value[j] + (value[j + 1] - value[j]) * (r - r0) / 0.1;
}
