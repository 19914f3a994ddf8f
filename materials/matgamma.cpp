// Partial factors, size and support factors, stability factors, design
// strengths, fire-design factors and label texts of the timber library.
#include "materials/matgamma.h"

#include <cmath>
#include <cstdio>

#include "materials/matfactors.h"
#include "materials/matvalues.h"
#include "nad/nadactive.h"
#include "platform/kovmath.h"

namespace {

double Ec9_Default_Gamma_M1()
{
    NadEc9Record r;
    Nad_Default_Ec9(&r);
    return r.gamma_m1;
}

// Design value of a characteristic strength in kN/m2: N/mm2 x k_mod / gamma_M.
double Design_Value(double f_kN_m2, double k_mod, double gamma_m)
{
    if (!(gamma_m > 0.0)) return 0.0;
    return f_kN_m2 * 0.001 * k_mod / gamma_m;
}

} // namespace

double Mat_Gamma_M(MaterialKind kind, int sub, int accidental)
{
    const NadEc5Record* nad = ActiveNadEc5;
    if (accidental != 0) return nad ? nad->gamma_m_accidental : 1.0;
    if (!nad) return 1.3;
    switch (kind) {
        case 0:
        case 1: return nad->gamma_m_solid;
        case 2:
        case 3:
        case 10:
        case 11:
        case 17:
        case 18:
        case 19:
        case -11:
        case -12:
        case -13: return nad->gamma_m_glulam;
        case 4:
        case 6: return nad->gamma_m_lvl;
        case 5:
        case 9: return nad->gamma_m_gypsum;
        case 7: return nad->gamma_m_particleboard;
        case 8:
            if (sub == 0) return nad->gamma_m_hardboard;
            if (sub == 1) return nad->gamma_m_mediumboard;
            return nad->gamma_m_softboard;
        case 12: return nad->gamma_m_steel;
        case 16:
            // Aluminium plates take gamma_M1 of the EC9 block; without a published
            // block the EC9 default applies.
            return ActiveNadEc9 ? ActiveNadEc9->gamma_m1 : Ec9_Default_Gamma_M1();
        case 20: return 1.3;
        default: return 0.0;
    }
}

double Mat_K_cr(MaterialKind kind, double f_vk)
{
    const NadEc5Record* nad = ActiveNadEc5;
    if (!nad) return 1.0;
    if (nad->k_cr_mode == 2) {
        switch (kind) {
            case 0: return 2.0 / f_vk;
            case 1: return 0.67;
            case 2:
            case 3:
            case 17: return 2.5 / f_vk;
            default: return 1.0;
        }
    }
    switch (kind) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 17:
        case -10: return nad->k_cr_solid;
        default: return nad->k_cr_other;
    }
}

double Din_K_h_Glulam(double h)
{
    if (h > 1.0 && h <= 600.0) return std::fmin(std::pow(600.0 / h, 0.14), 1.1);
    return 1.0;
}

double Mat_K_h(MaterialKind kind, int grade, double h)
{
    double rho_k = 0.0;
    Mat_Rho_k(kind, grade, h, &rho_k, nullptr);
    if (Mat_Is_Solid_Timber(kind) && rho_k <= 700.0 && h > 1.0 && h <= 150.0)
        return std::fmin(std::pow(150.0 / h, 0.2), 1.3);
    if (Mat_Is_Glulam(kind) && h > 1.0 && h <= 600.0) return std::fmin(std::pow(600.0 / h, 0.1), 1.1);
    return 1.0;
}

double Ec5_Kc90(MaterialKind kind, double l1, double h)
{
    if (l1 < 2.0 * h) return 1.0;
    switch (kind) {
        case 0: return 1.25;
        case 2:
        case 3:
        case 17: return 1.5;
        case 19: return h < 80.0 ? 1.25 : 1.0;
        default: return 1.0;
    }
}

double Ec5_Kc90_Alt(MaterialKind kind, double l1, double h) { return Ec5_Kc90(kind, l1, h); }

double Ec5_K_crit(int glulam, double a, double b, double f_mk, double l_ef, double E_005, double G_005)
{
    static const double ratio[] = {1.0, 1.25, 1.5, 2.0, 3.0, 4.0, 6.0, 10.0, 1000.0};
    static const double eta[] = {0.140, 0.171, 0.196, 0.229, 0.263, 0.281, 0.299, 0.313, 0.333};
    const int n = (int)(sizeof ratio / sizeof ratio[0]);

    a *= 0.01;
    b *= 0.01;
    const double h = std::fmax(a, b);
    const double w = std::fmin(a, b);
    if (!(w > 0.0)) return 0.0;

    const double I_z = h * w * w * w / 12.0;
    const double W_y = w * h * h / 6.0;

    const double r = std::fmin(h / w, 1000.0);
    double e = eta[n - 1];
    for (int j = 1; j < n; ++j) {
        if (ratio[j] > r) {
            e = eta[j - 1] + (eta[j] - eta[j - 1]) * (r - ratio[j - 1]) / (ratio[j] - ratio[j - 1]);
            break;
        }
    }
    const double I_tor = e * h * w * w * w;

    double EG = E_005 * G_005;
    if (glulam != 0) {
        // The factor of the annex in force; without a published block the
        // annex defaults apply.
        NadEc5Record defaults;
        const NadEc5Record* nad = ActiveNadEc5;
        if (!nad) nad = Nad_Default_Ec5(&defaults);
        EG *= nad->ltb_glulam_factor;
    }

    const double sigma_crit = KOV_PI * std::sqrt(EG * I_z * I_tor) / (l_ef * W_y);
    const double lambda2 = f_mk / sigma_crit;
    if (lambda2 <= 0.5625) return 1.0;
    if (lambda2 <= 1.96) return 1.56 - 0.75 * std::sqrt(lambda2);
    return 1.0 / lambda2;
}

double Ec5_Kc_Values(double E_005, double f_c0k, double beta_c, double l_ef, double h, double* i, double* lambda,
                     double* lambda_rel, double* k)
{
    const double ii = 0.289 * h;
    const double lam = l_ef / ii;
    const double lrel = lam * 0.318309886183769708 * std::sqrt(f_c0k / E_005);
    const double kk = 0.5 * ((lrel - 0.3) * beta_c + lrel * lrel + 1.0);
    double kc = 1.0 / (kk + std::sqrt(kk * kk - lrel * lrel));
    if (kc > 1.0) kc = 1.0;
    if (i) *i = ii;
    if (lambda) *lambda = lam;
    if (lambda_rel) *lambda_rel = lrel;
    if (k) *k = kk;
    return kc;
}

double Mat_Kc(MaterialKind kind, int grade, double l_ef, double h, double t, double* i, double* lambda,
              double* lambda_rel, double* k)
{
    double beta_c;
    int variant, direction;
    switch (kind) {
        case 0:
        case 1: beta_c = 0.2, variant = 6, direction = 6; break;
        case 2:
        case 3:
        case 17: beta_c = 0.1, variant = 6, direction = 6; break;
        case 4:
        case 6:
        case 18:
        case 19:
        case -11: beta_c = 0.1, variant = 2, direction = 5; break;
        case 5:
        case 7:
        case 8: beta_c = 0.1, variant = 5, direction = 5; break;
        default: variant = direction = -1, beta_c = 1.0; break;
    }

    double E_005 = 0.0, f_c0k = 0.0;
    if (variant >= 0) {
        Mat_Moduli(kind, grade, variant, t, nullptr, nullptr, &E_005, nullptr);
        Mat_Strengths(kind, grade, 2, direction, t, h, nullptr, nullptr, &f_c0k, nullptr, nullptr, nullptr);
        E_005 *= 0.001;
        f_c0k *= 0.001;
    }
    if (!(E_005 > 0.0) || !(f_c0k > 0.0) || !(h > 0.0)) {
        // No values to buckle with: no resistance rather than a NaN.
        if (i) *i = 0.0;
        if (lambda) *lambda = 0.0;
        if (lambda_rel) *lambda_rel = 0.0;
        if (k) *k = 0.0;
        return 0.0;
    }
    return Ec5_Kc_Values(E_005, f_c0k, beta_c, l_ef, h, i, lambda, lambda_rel, k);
}

void Section_Add_Strip(double* I, double* z, double* S, double* A, double a, double b, double c, double n)
{
    const double I0 = I ? *I : 0.0;
    const double z0 = z ? *z : 0.0;
    const double S0 = S ? *S : 0.0;
    const double A0 = A ? *A : 0.0;
    const double m = c * (n - 1.0);
    const double A1 = A0 + m;
    const double S1 = S0 + m * (a + b) / 2.0;
    const double z1 = A1 != 0.0 ? S1 / A1 : 0.0;
    const double I1 = I0 + m * (a * a + a * b + b * b) / 3.0 + (A0 * z0 * z0 - A1 * z1 * z1);
    if (I) *I = I1;
    if (z) *z = z1;
    if (S) *S = S1;
    if (A) *A = A1;
}

double Design_F_md(MaterialKind kind, int grade, int direction, double h, double b, double k_mod, double gamma_m,
                   double* k_h)
{
    double f_m = 0.0;
    Mat_Strengths(kind, grade, 2, direction, h, b, &f_m, nullptr, nullptr, nullptr, nullptr, k_h);
    return Design_Value(f_m, k_mod, gamma_m);
}

double Design_F_td(int, int, MaterialKind kind, int grade, int direction, double h, double b, double k_mod,
                   double gamma_m, double* k_h)
{
    double f_t = 0.0;
    Mat_Strengths(kind, grade, 2, direction, h, b, nullptr, &f_t, nullptr, nullptr, nullptr, k_h);
    return Design_Value(f_t, k_mod, gamma_m);
}

double Design_F_vd(MaterialKind kind, int grade, int direction, double h, double k_mod, double gamma_m)
{
    if (!(gamma_m > 0.0)) return 0.0;
    double f_v = 0.0;
    Mat_Strengths(kind, grade, 2, direction, h, h, nullptr, nullptr, nullptr, &f_v, nullptr, nullptr);
    const NadEc5Record* nad = ActiveNadEc5;
    if (nad) {
        const bool glulam = kind == 2 || kind == 3 || kind == 17;
        if (nad->na_de != 0) {
            if (kind == 0) return 4.0 * k_mod / gamma_m;
            if (glulam) return 3.5 * k_mod / gamma_m;
        } else if (kind == 0 || glulam) {
            return f_v * 0.00067 * k_mod / gamma_m; // k_cr 0.67 included
        }
    }
    return f_v * 0.001 * k_mod / gamma_m;
}

double Design_F_c0d(MaterialKind kind, int grade, int variant, int, double h, double k_mod, double gamma_m)
{
    double f_c = 0.0;
    Mat_Strengths(kind, grade, variant, 6, h, h, nullptr, nullptr, &f_c, nullptr, nullptr, nullptr);
    return Design_Value(f_c, k_mod, gamma_m);
}

double Mat_Ft0k_Reduced(FastenerType type, int nail_flag, MaterialKind kind, int grade, int direction, double h,
                        double b, double* k_h)
{
    double f_t = 0.0;
    Mat_Strengths(kind, grade, 2, direction, h, b, nullptr, &f_t, nullptr, nullptr, nullptr, k_h);
    double k_t;
    const NadEc5Record* nad = ActiveNadEc5;
    if (nad && nad->use_na816 == 0) {
        k_t = 1.0;
    } else {
        const bool nail =
            type == 0 || (type >= 16 && type <= 24) || (type >= 34 && type <= 42) || type == 45 || type == 46;
        if (type == 1 || type == 29 || (nail && nail_flag != 0))
            k_t = 0.4;
        else
            k_t = 2.0 / 3.0;
    }
    return f_t * 0.001 * k_t;
}

double Design_F_t0d_Reduced(FastenerType type, int nail_flag, MaterialKind kind, int grade, int direction, double h,
                            double b, double k_mod, double gamma_m, double* k_h)
{
    if (!(gamma_m > 0.0)) return 0.0;
    return Mat_Ft0k_Reduced(type, nail_flag, kind, grade, direction, h, b, k_h) * k_mod / gamma_m;
}

double Design_Unit_Factor(void) { return 1.0; }

double Fire_K_fi(MaterialKind kind)
{
    if (kind == 0 || kind == 1) return 1.25;
    if (kind >= 2 && kind <= 11) return 1.15;
    if (kind == 17 || kind == 18 || kind == 19 || kind == -11 || kind == -12 || kind == -13) return 1.1;
    return 1.0;
}

double Fire_K0(int protected_member, double t, double t_ch)
{
    if (protected_member != 0 && t_ch >= 20.0) return t < t_ch ? t / t_ch : 1.0;
    return t < 20.0 ? t / 20.0 : 1.0;
}

double Fire_K_mod_fi(int exposure, double d_ef, double b, double h)
{
    double b_r, h_r, p;
    switch (exposure) {
        case 0: b_r = b - 2.0 * d_ef, h_r = h - 2.0 * d_ef, p = 2.0 * (b_r + h_r); break;
        case 1:
        case 3: b_r = b - 2.0 * d_ef, h_r = h - d_ef, p = b_r + 2.0 * h_r; break;
        case 2:
        case 4: b_r = b - d_ef, h_r = h - 2.0 * d_ef, p = h_r + 2.0 * b_r; break;
        default: b_r = b, h_r = h, p = 0.0; break;
    }
    const double A = b_r * h_r;
    if (!(A > 0.0)) return 0.001;
    return 1.0 - p / (225.0 * A);
}

double Fire_D_ef(double beta_n, double t, double t_f, double t_ch, double k2, double k3)
{
    const double d0 = 7.0;
    if (t_ch <= 0.01) return (t < 20.0 ? 0.35 * t : d0) + beta_n * t;
    double k0;
    if (t_ch < 20.0)
        k0 = std::fmin(t / 20.0, 1.0);
    else if (t_ch > t)
        k0 = t / t_ch;
    else
        k0 = 1.0;
    if (t_ch < t_f - 0.001)
        return k0 * d0 + beta_n * (((t_ch - t_f) * beta_n * k2 + 25.0) / (beta_n * k3) + (t_f - t_ch));
    return k0 * d0 + 25.0;
}

const char* Fastener_Method_Label(int method, int annex)
{
    static char buf[64];
    const char* text;
    switch (method) {
        case 0: text = annex != 0 ? "Vereinfachter Nachweis nach NAD 8.2.1" : "Vereinfachter Nachweis"; break;
        case 1: text = annex != 0 ? "Genauer Nachweis nach DIN EN 1995, 8.2.2" : "Genauer Nachweis"; break;
        case 2: text = "Bemessungswerte-Verfahren"; break;
        default: text = ""; break;
    }
    std::snprintf(buf, sizeof buf, "%s", text);
    return buf;
}

const char* Equation_Label(int n)
{
    static char buf[32];
    if (n == 30) {
        std::snprintf(buf, sizeof buf, "%s", "Alu-Lochleibungsspannung");
    } else if (ActiveNadEc5) {
        // Equations are lettered a to h, then j, k (no i), then b, c, ...
        int letter;
        if (n <= 8)
            letter = 96 + n;
        else if (n <= 10)
            letter = 97 + n;
        else
            letter = 87 + n;
        std::snprintf(buf, sizeof buf, "Gl.(%c)", (char)(unsigned char)letter);
    } else {
        std::snprintf(buf, sizeof buf, "Gl.(%d)", n);
    }
    return buf;
}
