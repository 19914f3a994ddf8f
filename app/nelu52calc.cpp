// The verifications of the step joint after DIN EN 1995-1-1 with the German
// national annex, NCI NA.12.1: contact pressure and fore-wood shear in the
// notch, bending with axial force and shear of the sill, stability of the strut.
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/nelu52data.h"
#include "materials/ec5formulas.h"
#include "materials/matfactors.h"
#include "materials/matgamma.h"
#include "materials/matvalues.h"
#include "platform/kovmath.h"

namespace {

// Characteristic strengths of a member in N/mm2.
struct Strengths {
    double f_m = 0.0, f_t = 0.0, f_c = 0.0, f_v = 0.0, f_c90 = 0.0;
};

Strengths Member_Strengths(int kind, int grade, double b, double depth, double* k_h)
{
    Strengths s;
    // The lookup leaves the slot alone where no size factor applies (solid
    // timber deeper than 150 mm, glulam from 600 mm on); the member then has
    // none, not the factor of an earlier depth.
    if (k_h) *k_h = 1.0;
    Mat_Strengths(kind, grade, 1, 6, b, depth, &s.f_m, &s.f_t, &s.f_c, &s.f_v, &s.f_c90, k_h);
    s.f_m *= 0.001;
    s.f_t *= 0.001;
    s.f_c *= 0.001;
    s.f_v *= 0.001;
    s.f_c90 *= 0.001;
    return s;
}

int Accidental(int kled) { return kled == 6 || kled == 7; }

// A utilisation that cannot be worked out (a material without values, a partial
// factor of 0, a section that the notch or the bolt hole leaves empty) is not
// verified: it shows as infinite, never as 0, so that no verdict can pass it.
const double kNotVerified = std::numeric_limits<double>::infinity();

// A resistance, strength or section value that a check can divide by.
bool Usable(double x) { return std::isfinite(x) && x > 0.0; }

// EN 1995-1-1 Table 3.1 gives no k_mod above 1.10 and none at or below 0; a
// combination with another one (a "frei" row of a damaged file) is not
// verified, whatever its stresses.
bool Kmod_Allowed(double k) { return k > 0.0 && k <= 1.1 + 1e-9; }

// A utilisation that came out as "not a number" is not verified either; it
// would otherwise slip past every comparison with the largest utilisation.
double Checked(double u) { return std::isnan(u) ? kNotVerified : u; }

} // namespace

double NELU52_DATA::net_width() const { return querschnittsschwaechung ? balken_b - d_bolzen - 1.0 : balken_b; }

double NELU52_DATA::net_depth() const
{
    switch (typ) {
        case 0:
        case 1: return balken_hG - balken_tv1;
        case 2: return balken_hG - balken_tv2;
        case 3: return balken_hG - std::max(balken_tv1, balken_tv2);
        default: return balken_hG;
    }
}

// ---- contact pressure and fore-wood of the notch ---------------------------------------------

int NELU52_DATA::cal_Versatz()
{
    ++anzahl_nachweise;
    erg_versatz.clear();

    const Strengths sw = Member_Strengths(holzart_sw, holzguete_sw, balken_b, balken_hG, mit_kh_sw ? &kh_sw : nullptr);
    const Strengths st = Member_Strengths(holzart_st, holzguete_st, balken_b, balken_hD, mit_kh_st ? &kh_st : nullptr);

    alpha = gamma * 0.008726646259972222;
    kcr_sw = Mat_Kcr(holzart_sw, holzguete_sw, balken_b, balken_hG);
    kcr_st = Mat_Kcr(holzart_st, holzguete_st, balken_b, balken_hD);

    lv_min = 0.0;
    eta_versatz = 0.0;
    if (lasten.isEmpty()) return 0;

    const double b = balken_b;
    const double cos_a = std::cos(alpha);
    const double cos_g = std::cos(gamma * KOV_DEG_TO_RAD);

    for (const LoadCase& lc : lasten) {
        ErgVersatz e{};
        const double gm = Mat_Gamma_M(holzart_sw, holzguete_sw, Accidental(lc.kled));
        e.gamma_m = gm;
        const double f = lc.kmod / gm;
        e.fv_d = f * sw.f_v;
        e.fc0_d = f * sw.f_c;
        e.fc90_d = f * sw.f_c90;
        e.fv_d_st = f * st.f_v;
        e.fc0_d_st = f * st.f_c;
        e.fc90_d_st = f * st.f_c90;
        const double N = lc.nd_strebe;
        e.nd = N;

        if (N > 0.0 && typ >= 0 && typ <= 3) {
            // Fore-wood shear: the force component along the sill over the
            // effective shear area b * k_cr * l_v.
            const double shear_per_mm = b * kcr_sw * e.fv_d; // [N/mm]
            auto front = [&]() {
                const double f_sw = Ec5_Fc_Alpha(alpha, e.fc0_d, e.fc90_d, e.fv_d);
                const double f_st = Ec5_Fc_Alpha(alpha, e.fc0_d_st, e.fc90_d_st, e.fv_d_st);
                e.fc_alpha1_d = f_st < f_sw ? f_st : f_sw;
                e.s1r_d = e.fc_alpha1_d * balken_tv1 * b / (1000.0 * cos_a * cos_a);
            };
            auto heel = [&]() {
                const double f_sw = Ec5_Fc_Alpha(2.0 * alpha, e.fc0_d, e.fc90_d, e.fv_d);
                e.fc_alpha2_d = e.fc0_d_st < f_sw ? e.fc0_d_st : f_sw;
                e.s2r_d = e.fc_alpha2_d * balken_tv2 * b / (1000.0 * std::cos(2.0 * alpha));
            };
            // Without a usable shear strength no fore-wood length suffices.
            auto fore_wood = [&](double force) {
                return Usable(shear_per_mm) ? 1000.0 * force * cos_g / shear_per_mm : kNotVerified;
            };
            bool resists = true;
            switch (typ) {
                case 0:
                case 1:
                    front();
                    resists = Usable(e.s1r_d);
                    e.lv1 = fore_wood(N);
                    e.u_lv1 = e.lv1 / (8.0 * balken_tv1);
                    break;
                case 2:
                    heel();
                    resists = Usable(e.s2r_d);
                    e.lv2 = fore_wood(N);
                    e.u_lv2 = e.lv2 / (8.0 * balken_tv2);
                    break;
                case 3: {
                    front();
                    heel();
                    resists = Usable(e.s1r_d) && Usable(e.s2r_d);
                    // Each step carries its share of the strut force in proportion to
                    // its resistance; the front fore-wood takes the front step's share.
                    const double sum = e.s1r_d + e.s2r_d;
                    const double n1 = sum > 0.0 ? N * e.s1r_d / sum : N;
                    e.lv1 = fore_wood(n1);
                    e.lv2 = fore_wood(N);
                    e.u_lv1 = e.lv1 / (8.0 * balken_tv1);
                    e.u_lv2 = e.lv2 / (8.0 * balken_tv2);
                    break;
                }
            }
            // A step without contact resistance (no strength values, no depth)
            // cannot carry the compressed strut.
            e.u_se = resists ? N / (e.s1r_d + e.s2r_d) : kNotVerified;
            e.u = Checked(std::max({e.u_se, e.u_lv1, e.u_lv2}));
            lv_min = std::max({lv_min, e.lv1, e.lv2});
        } else if (N < 0.0) {
            // A step joint carries compression only: a strut in tension is
            // not held by it, so the combination is not verified.
            e.u = kNotVerified;
        }
        if (!Kmod_Allowed(lc.kmod)) e.u = kNotVerified;
        erg_versatz.append(e);
        if (e.u > eta_versatz) eta_versatz = e.u;
    }
    return 0;
}

// ---- sill: bending with axial force ------------------------------------------------

int NELU52_DATA::cal_Biegung_schwelle()
{
    eta_biegung = 0.0;
    if (nw_biegung) biegung_schwelle();
    return 0;
}

void NELU52_DATA::biegung_schwelle()
{
    ++anzahl_nachweise;
    erg_biegung.clear();

    const Strengths sw = Member_Strengths(holzart_sw, holzguete_sw, balken_b, balken_hG, mit_kh_sw ? &kh_sw : nullptr);
    fmk_sw = sw.f_m;
    ftk_sw = sw.f_t;
    fck_sw = sw.f_c;

    switch (typ) {
        case 0: ez_schwelle = balken_tv1 / 2.0; break;
        case 1: ez_schwelle = 0.0; break;
        case 2: ez_schwelle = balken_tv2 / 2.0; break;
        case 3: ez_schwelle = std::max(balken_tv1 / 2.0, balken_tv2 / 2.0); break;
        default: ez_schwelle = 0.0; break;
    }
    bn_biegung = net_width();
    hn_biegung = net_depth();
    an_biegung = bn_biegung * hn_biegung;
    wn_biegung = bn_biegung * hn_biegung * (hn_biegung * 0.16666666666666666);
    if (lasten.isEmpty()) return;

    // The net section that the notch and the bolt hole leave.
    const bool section = Usable(an_biegung) && Usable(wn_biegung);
    const double cos_g = std::cos(gamma * KOV_DEG_TO_RAD);
    for (const LoadCase& lc : lasten) {
        ErgBiegung e{};
        e.gamma_m = Mat_Gamma_M(holzart_sw, holzguete_sw, Accidental(lc.kled));
        const double f = lc.kmod / e.gamma_m;
        e.fm_d = f * sw.f_m;
        e.ft_d = f * sw.f_t;
        e.fc_d = f * sw.f_c;
        const double H = cos_g * lc.nd_strebe;
        const double dM = H * ez_schwelle * 0.001;
        if (linkes_schnittufer) {
            e.nd_links = lc.nd_schwelle;
            e.md_links = lc.md_schwelle;
            e.nd_rechts = lc.nd_schwelle + H;
            e.md_rechts = lc.md_schwelle - dM;
        } else {
            e.nd_links = lc.nd_schwelle - H;
            e.md_links = lc.md_schwelle + dM;
            e.nd_rechts = lc.nd_schwelle;
            e.md_rechts = lc.md_schwelle;
        }
        auto side = [&](double N, double M, double* sn, double* sm) {
            *sn = 1000.0 * N / an_biegung;
            *sm = 1000000.0 * M / wn_biegung;
            if (*sn < 0.0) {
                const double r = *sn / e.fc_d;
                return std::fabs(*sm) / e.fm_d + r * r;
            }
            return std::fabs(*sm) / e.fm_d + *sn / e.ft_d;
        };
        e.u_links = side(e.nd_links, e.md_links, &e.sigma_n_links, &e.sigma_m_links);
        e.u_rechts = side(e.nd_rechts, e.md_rechts, &e.sigma_n_rechts, &e.sigma_m_rechts);
        if (!section || !Usable(e.fm_d) || !Usable(e.ft_d) || !Usable(e.fc_d) || !Kmod_Allowed(lc.kmod)) {
            e.u_links = kNotVerified;
            e.u_rechts = kNotVerified;
        }
        e.u_links = Checked(e.u_links);
        e.u_rechts = Checked(e.u_rechts);
        e.u = std::max(e.u_links, e.u_rechts);
        erg_biegung.append(e);
        if (e.u > eta_biegung) eta_biegung = e.u;
    }
}

// ---- sill: shear ------------------------------------------------------------------

int NELU52_DATA::cal_Querkraft_schwelle()
{
    eta_schub = 0.0;
    if (nw_schub) querkraft_schwelle();
    return 0;
}

void NELU52_DATA::querkraft_schwelle()
{
    ++anzahl_nachweise;
    erg_schub.clear();

    const Strengths sw = Member_Strengths(holzart_sw, holzguete_sw, balken_b, balken_hG, mit_kh_sw ? &kh_sw : nullptr);
    fvk_sw = sw.f_v;
    // The shear strength acts on the crack-reduced width k_cr * b.
    const double k_cr = Mat_Kcr(holzart_sw, holzguete_sw, balken_b, balken_hG);
    kcr_sw = k_cr; // the shear page prints it beside f_v,d
    bn_schub = net_width();
    hn_schub = net_depth();
    an_schub = bn_schub * hn_schub;

    const double sin_g = std::sin(gamma * KOV_DEG_TO_RAD);
    for (const LoadCase& lc : lasten) {
        ErgSchub e{};
        e.gamma_m = Mat_Gamma_M(holzart_sw, holzguete_sw, Accidental(lc.kled));
        e.fv_d = lc.kmod * sw.f_v / e.gamma_m;
        const double V = sin_g * lc.nd_strebe;
        if (linkes_schnittufer) {
            e.vd_links = lc.vd_schwelle;
            e.vd_rechts = lc.vd_schwelle - V;
        } else {
            e.vd_links = lc.vd_schwelle + V;
            e.vd_rechts = lc.vd_schwelle;
        }
        e.tau_links = 1500.0 * std::fabs(e.vd_links) / an_schub;
        e.tau_rechts = 1500.0 * std::fabs(e.vd_rechts) / an_schub;
        const double r = k_cr * e.fv_d;
        if (Usable(an_schub) && Usable(r) && Kmod_Allowed(lc.kmod)) {
            e.u_links = Checked(e.tau_links / r);
            e.u_rechts = Checked(e.tau_rechts / r);
        } else {
            e.u_links = kNotVerified;
            e.u_rechts = kNotVerified;
        }
        e.u = std::max(e.u_links, e.u_rechts);
        erg_schub.append(e);
        if (e.u > eta_schub) eta_schub = e.u;
    }
}

// ---- strut: buckling and lateral torsional buckling ----------------------------------------------

int NELU52_DATA::cal_Strebe()
{
    eta_strebe = 0.0;
    if (nw_strebe) stabilitaet_strebe();
    return 0;
}

void NELU52_DATA::stabilitaet_strebe()
{
    ++anzahl_nachweise;
    erg_strebe.clear();

    const Strengths st = Member_Strengths(holzart_st, holzguete_st, balken_b, balken_hD, mit_kh_st ? &kh_st : nullptr);
    fmk_st = st.f_m;
    ftk_st = st.f_t;
    fck_st = st.f_c;
    double e05 = 0.0, g05 = 0.0;
    Mat_Moduli(holzart_st, holzguete_st, 0, 0.0, nullptr, nullptr, &e05, &g05);
    e05_st = e05 * 0.001;
    g05_st = g05 * 0.001;

    const double b = balken_b;
    const double hD = balken_hD;
    const double cos_g = std::cos(gamma * KOV_DEG_TO_RAD);
    switch (typ) {
        case 0: ez_strebe = (hD - balken_tv1) / 2.0; break;
        case 1: ez_strebe = 0.0; break;
        case 2: ez_strebe = (hD - balken_tv2 / cos_g) / 2.0; break;
        case 3: ez_strebe = std::fabs((hD - balken_tv2 / cos_g) - (hD - balken_tv1)) / 2.0; break;
        default: ez_strebe = 0.0; break;
    }

    a_st = b * hD;
    wy_st = b * hD * (hD * 0.16666666666666666);
    beta_c = Ec5_Beta_c(holzart_st);
    iz_st = b * b * (hD * b) * 0.08333333333333333;

    if (b <= 0.0 || hD < 0.0) {
        it_st = 0.0;
    } else {
        const double l = std::max(b, hD);
        const double s = std::min(b, hD);
        const double r = l / s;
        const double k = r <= 4.0 ? (1.0 - 0.63 / r + 0.052 / std::pow(r, 5.0)) / 3.0 : (1.0 - 0.63 / r) / 3.0;
        it_st = k * l * s * s * s;
    }

    sigma_m_crit = KOV_PI * std::sqrt(e05_st * iz_st * g05_st * it_st) / (strebe_leff * wy_st);
    lambda_rel_m = std::sqrt(fmk_st / sigma_m_crit);
    const double lm2 = lambda_rel_m * lambda_rel_m;
    if (lm2 <= 0.5625)
        k_crit = 1.0;
    else if (lm2 <= 1.4 * 1.4)
        k_crit = 1.56 - 0.75 * lambda_rel_m;
    else
        k_crit = 1.0 / lm2;

    i_y = hD * 0.28867513;
    lambda_y = strebe_leff / i_y;
    lambda_rel_y = Ec5_Lambda_Rel(lambda_y, fck_st, e05_st);
    k_y = Ec5_Buckling_k(beta_c, lambda_rel_y);
    kc_y = Ec5_Buckling_kc(k_y, lambda_rel_y);
    i_z = b * 0.28867513;
    lambda_z = strebe_leff / i_z;
    lambda_rel_z = Ec5_Lambda_Rel(lambda_z, fck_st, e05_st);
    k_z = Ec5_Buckling_k(beta_c, lambda_rel_z);
    kc_z = Ec5_Buckling_kc(k_z, lambda_rel_z);

    for (const LoadCase& lc : lasten) {
        ErgStrebe e{};
        // gamma_M of the sill's material also for the strut.
        e.gamma_m = Mat_Gamma_M(holzart_sw, holzguete_sw, Accidental(lc.kled));
        const double f = lc.kmod / e.gamma_m;
        const double F = 1000.0 * lc.nd_strebe;
        e.kraft_fc_d = F;
        e.fm_d = f * st.f_m;
        e.fc_d = f * st.f_c;
        e.ft_d = f * st.f_t;
        e.sigma_c_d = F / a_st;
        e.my_d = F * ez_strebe;
        e.sigma_m_d = e.my_d / wy_st;
        if (stirn_gleich) {
            // Steps on the same side at both ends: the eccentricity acts over the
            // whole length.
            const double m = e.sigma_m_d / (k_crit * e.fm_d);
            e.u_y = e.sigma_c_d / (kc_y * e.fc_d) + m;
            // About z both the lateral buckling check and buckling with the
            // moment (k_m = 0.7 for a rectangular section, EN 1995-1-1 (6.24))
            // must hold; the squared term alone understates a small moment.
            const double c_z = e.sigma_c_d / (kc_z * e.fc_d);
            e.u_z = std::max(c_z + m * m, c_z + 0.7 * e.sigma_m_d / e.fm_d);
            e.u_enden = 0.0;
        } else {
            const double c = e.sigma_c_d / e.fc_d;
            e.u_y = e.sigma_c_d / (kc_y * e.fc_d);
            e.u_z = e.sigma_c_d / (kc_z * e.fc_d);
            e.u_enden = e.sigma_m_d / e.fm_d + c * c;
        }
        // Tension in the strut gives small or negative values, as it comes;
        // a strut without strength values or buckling factors is not verified.
        const bool usable = Usable(a_st) && Usable(wy_st) && Usable(e.fm_d) && Usable(e.fc_d) && Usable(kc_y) &&
                            Usable(kc_z) && (!stirn_gleich || Usable(k_crit)) && Kmod_Allowed(lc.kmod);
        if (!usable) {
            e.u_y = kNotVerified;
            e.u_z = kNotVerified;
            if (!stirn_gleich) e.u_enden = kNotVerified;
        }
        e.u_y = Checked(e.u_y);
        e.u_z = Checked(e.u_z);
        e.u_enden = Checked(e.u_enden);
        e.u = std::max({e.u_y, e.u_z, e.u_enden});
        erg_strebe.append(e);
        if (e.u > eta_strebe) eta_strebe = e.u;
    }
}

// ---- the calculation run ------------------------------------------------------------------

int NELU52_DATA::cal_nachweise()
{
    if (st_wie_sw) {
        holzart_st = holzart_sw;
        holzguete_st = holzguete_sw;
        mit_kh_st = mit_kh_sw;
    }
    nachweise.clear();
    anzahl_nachweise = 0;
    eta_gesamt = 0.0;

    auto add = [this](const char* name, double eta) {
        nachweise.append(NachweisEintrag{QString::fromUtf8(name), eta, 0});
        if (eta > eta_gesamt) eta_gesamt = eta;
    };
    cal_Versatz();
    add("Versatz", eta_versatz);
    cal_Biegung_schwelle();
    add("Biegung und Normalkraft der Schwelle", eta_biegung);
    cal_Querkraft_schwelle();
    add("Querkraft der Schwelle", eta_schub);
    cal_Strebe();
    add("Stabilitätsnachweis der Strebe", eta_strebe);
    return 0;
}

int max_step_depth(double hG, double hD, double gammaDeg)
{
    const double b = hD * std::cos(gammaDeg * KOV_DEG_TO_RAD);
    double a;
    if (gammaDeg >= 60.0)
        a = hG / 6.0;
    else if (gammaDeg <= 50.0)
        a = hG / 4.0;
    else
        a = hG / 4.0 + (hG / 6.0 - hG / 4.0) * ((gammaDeg - 50.0) / 10.0);
    // A limit that is a whole millimetre must not fall to the one below it
    // through rounding (45 - 3 comes out as 41.999...).
    const double m = std::min(a, b) + 1e-6;
    return m > 0.0 ? static_cast<int>(std::trunc(m)) : 0;
}
