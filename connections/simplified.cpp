// Lateral capacity by the simplified method.
#include "connections/simplified.h"

#include <cmath>

#include "connections/connmsg.h"
#include "connections/embedment.h"
#include "connections/thickness.h"
#include "connections/yieldmoment.h"
#include "materials/matkind.h"

namespace {

const double kHalfPi = 1.570796326795;
const double kAluScale = 1.4422495703074083; // cube root of 3

// One simplified check: the capacity embedment, the required values and the
// reduction factor k.
struct Check {
    // connection
    int configuration;
    double d, L, t1, t2, rho1, rho2;
    int kind1, kind2, grade1, grade2;
    const UserEmbedmentLaw* law1;
    const UserEmbedmentLaw* law2;
    // capacity embedment
    int emb_type, emb_predrilled;
    double alpha1, alpha2;
    // required values (at 90 degrees)
    int req_type, req_predrilled;
    double my_t1, my_t2;   // moments of t1,req and t2,req
    bool t2_four_form;     // t2,req = 1.15 * 4 / sqrt(1 + beta) ... whatever the case
    bool metal_plate_form; // metal member 1: 4.6 sqrt(M / (d f_h)) instead of n d
};

struct Outcome {
    double fh1 = 0, fh2 = 0, k = 0;
    int code = 0, nail_case = 0;
    bool failed = false;
};

double Safe_Root(double m, double f, double d)
{
    return (f > 0.001 && d > 0.0 && m > 0.0) ? std::sqrt(m / (f * d)) : 0.0;
}

// k by the penetration case: no penetration, the tip in member 2, the tip in
// the third member, or through.
double K_By_Case(int nail_case, double p, double d, double k_t, double t1_min, double t2, double t2_req,
                 double* penetration_out)
{
    switch (nail_case) {
        case 1:
        case 2:
            if (p < 4.0 * d) return 0.0;
            return t2_req <= p ? k_t : std::fmin(k_t, p / t2_req);
        case 3: {
            const double k2 = t2_req <= t2 ? 1.0 : t2 / t2_req;
            if (p >= 4.0 * d) return std::fmin(k2, p < t1_min ? p / t1_min : k_t);
            if (penetration_out) *penetration_out = t2;
            return std::fmin(k_t, k2);
        }
        case 4: return 1.0;
        default: return 0.0;
    }
}

// The metal plate as member 2 of the embedment: member 2's value with both
// members set to member 2.
double Plate_Form(double my, int type, int predrilled, const Check& c)
{
    double f = 0.0;
    Embedment_Pair(nullptr, &f, type, c.d, predrilled, kHalfPi, kHalfPi, c.t2, c.t2, c.rho2, c.rho2, c.kind2, c.kind2,
                   c.grade2, c.grade2, c.law1, c.law2);
    return 4.6 * Safe_Root(my, f, c.d);
}

Outcome Run(const Check& c)
{
    Outcome o;
    o.code = Embedment_Pair(&o.fh1, &o.fh2, c.emb_type, c.d, c.emb_predrilled, c.alpha1, c.alpha2, c.t1, c.t2, c.rho1,
                            c.rho2, c.kind1, c.kind2, c.grade1, c.grade2, c.law1, c.law2);
    if (o.code == CONN_MSG_NO_EMBEDMENT_MEMBER_1 || o.code == CONN_MSG_NO_EMBEDMENT_MEMBER_2) {
        o.failed = true;
        return o;
    }
    const bool metal1 = Conn_Is_Metal(c.kind1) != 0;
    double t1_req = 0.0, t2_req = 0.0;
    if (metal1) {
        t2_req = c.metal_plate_form ? Plate_Form(c.my_t2, c.req_type, c.req_predrilled, c)
                                    : Conn_Plate_Penetration_Factor(c.kind1, c.t1, c.d) * c.d;
    } else {
        double f1 = 0.0, f2 = 0.0;
        Embedment_Pair(&f1, &f2, c.req_type, c.d, c.req_predrilled, kHalfPi, kHalfPi, c.t1, c.t2, c.rho1, c.rho2,
                       c.kind1, c.kind2, c.grade1, c.grade2, c.law1, c.law2);
        if (f1 > 0.001 && f2 > 0.001) {
            const double beta = f2 / f1;
            t1_req = 2.3 * (std::sqrt(beta / (1.0 + beta)) + 1.0) * Safe_Root(c.my_t1, f1, c.d);
            int req_case = 0;
            if (!c.t2_four_form)
                req_case = Nail_Penetration_Case(c.configuration, c.d, c.L, 90.0, c.t1, c.t2, nullptr, nullptr);
            if (!c.t2_four_form && (req_case == 1 || req_case == 2))
                t2_req = 1.15 * (2.0 / std::sqrt(1.0 + beta) + 2.0) * Safe_Root(c.my_t2, f2, c.d);
            else
                t2_req = 1.15 * 4.0 / std::sqrt(1.0 + beta) * Safe_Root(c.my_t2, f2, c.d);
        }
    }
    double p = 0.0;
    o.nail_case = Nail_Penetration_Case(c.configuration, c.d, c.L, 90.0, c.t1, c.t2, &p, nullptr);
    double t1_min = t1_req;
    if (c.kind1 >= MK_OSB && c.kind1 <= MK_FIBREBOARD)
        t1_min = std::fmax(t1_req, Conn_Panel_Min_Thickness(c.kind1, c.grade1, c.d));
    else if (c.kind1 == MK_FERMACELL)
        t1_min = 7.0 * c.d;
    const double k_t = (!metal1 && c.t1 < t1_min) ? c.t1 / t1_min : 1.0;
    o.k = K_By_Case(o.nail_case, p, c.d, k_t, metal1 ? 0.0 : t1_min, c.t2, t2_req, nullptr);
    return o;
}

// A member without embedment strength: nothing to carry.
double Failed(const Outcome& o, ConnectionResult* result)
{
    if (result) {
        result->fvk = 0.0;
        result->fvd = 0.0;
        result->message_code = o.code;
    }
    return 0.0;
}

void Case_Message(const Outcome& o, ConnectionResult* result)
{
    if (!result) return;
    result->message_code = o.code;
    if (o.nail_case == 0) result->message_code = CONN_MSG_TOO_SHORT;
    if (o.nail_case == 4) result->message_code = CONN_MSG_TOO_LONG;
}

double Beta(const Outcome& o) { return o.fh1 > 0.001 ? o.fh2 / o.fh1 : 0.0; }

double Root(double f, double m, double d) { return (f > 0.0 && m > 0.0 && d > 0.0) ? std::sqrt(2.0 * f * m * d) : 0.0; }

double Pow26(double d) { return d > 0.0 ? std::pow(d, 2.6) : 0.0; }

Check Base(int configuration, double d, double L, double t1, double t2, double rho1, double rho2, int kind1, int kind2,
           int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    Check c = {};
    c.configuration = configuration;
    c.d = d;
    c.L = L;
    c.t1 = t1;
    c.t2 = t2;
    c.rho1 = rho1;
    c.rho2 = rho2;
    c.kind1 = kind1;
    c.kind2 = kind2;
    c.grade1 = grade1;
    c.grade2 = grade2;
    c.law1 = law1;
    c.law2 = law2;
    return c;
}

// The nail procedure: capacity and required values of a nail (type 0).
Check Nail_Check(int configuration, double d, double L, double my, int emb_predrilled, int req_predrilled, double t1,
                 double t2, double rho1, double rho2, double alpha1, double alpha2, int kind1, int kind2, int grade1,
                 int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    Check c = Base(configuration, d, L, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2);
    c.emb_type = c.req_type = 0;
    c.emb_predrilled = emb_predrilled;
    c.req_predrilled = req_predrilled;
    c.alpha1 = alpha1;
    c.alpha2 = alpha2;
    c.my_t1 = c.my_t2 = my;
    return c;
}

void Store_Nail(const Outcome& o, double f_u, double my, double R, ConnectionResult* result)
{
    Case_Message(o, result);
    result->check_factor = o.k;
    result->fu_used = f_u;
    result->my_rk = my;
    result->fh1 = o.fh1;
    result->fh2 = o.fh2;
    result->fvk = R;
}

} // namespace

double Conn_Panel_Min_Thickness(int kind, int grade, double d)
{
    switch (kind) {
        case 4:
        case 7: return 7.0 * d;
        case 5: return 10.0 * d;
        case 6: return (grade == 0 || grade == 1 || grade == 2 || grade == 14 || grade == -999) ? 7.0 * d : 6.0 * d;
        case 8: return 6.0 * d;
        default: return 0.0;
    }
}

double Conn_Panel_Factor(int kind, int grade)
{
    switch (kind) {
        case 5: return 1.1;
        case 6: return (grade == 0 || grade == 1 || grade == 2 || grade == 14 || grade == -999) ? 0.9 : 0.8;
        case 4:
        case 7: return 0.8;
        case 8: return 0.7;
        default: return 0.0;
    }
}

double Conn_Plate_Penetration_Factor(int kind1, double t1, double d)
{
    const double dp = kind1 == MK_ALUMINIUM_PLATE ? kAluScale * d : d;
    if (dp <= t1 + 0.0005) return 10.0;
    if (dp / 2.0 >= t1 - 0.0005) return 9.0;
    const double x = 2.0 * t1 / dp - 1.0;
    return 9.0 * (1.0 - x) + 10.0 * x;
}

double Lateral_Nail_Timber(int configuration, double d, double L, double f_u, int predrilled, int, double t1, double t2,
                           double rho1, double rho2, double alpha1, double alpha2, int kind1, int kind2, int grade1,
                           int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                           ConnectionResult* result)
{
    const double my = 0.3 * f_u * Pow26(d);
    const Outcome o = Run(Nail_Check(configuration, d, L, my, predrilled, predrilled, t1, t2, rho1, rho2, alpha1,
                                     alpha2, kind1, kind2, grade1, grade2, law1, law2));
    if (o.failed) return Failed(o, result);
    const double R = o.k * Root(o.fh1, my, d);
    if (result) {
        Store_Nail(o, f_u, my, R, result);
    }
    return R;
}

double Lateral_Gypsum_Fibre_Nail(double d, double L, double f_u, int predrilled, int, double t1, double t2, double rho1,
                                 double rho2, int kind1, int kind2, int grade1, int grade2, ConnectionResult* result)
{
    const double my = 0.3 * f_u * Pow26(d);
    const Outcome o = Run(Nail_Check(1, d, L, my, predrilled, predrilled, t1, t2, rho1, rho2, 0.0, 0.0, kind1, kind2,
                                     grade1, grade2, nullptr, nullptr));
    if (o.failed) return Failed(o, result);
    double k = o.k;
    if (t1 < 7.0 * d) k *= t1 / (7.0 * d);
    if (t1 <= 12.5 && d > 2.5) k *= 2.5 / d;
    const double R = 0.7 * k * Root(o.fh1, my, d);
    if (result) {
        result->check_factor = k;
        result->fu_used = f_u;
        result->my_rk = my;
        result->fh1 = o.fh1;
        result->fh2 = o.fh2;
    }
    return R;
}

namespace {

// Staples: capacity embedment as a nail without predrilling at 0 degrees,
// required values of the staple at 90 degrees by the 4/sqrt form, the plate
// form next to a metal member 1.
Check Staple_Check(int configuration, double d, double L, double f_u, double t1, double t2, double rho1, double rho2,
                   int kind1, int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1,
                   const UserEmbedmentLaw* law2)
{
    Check c = Base(configuration, d, L, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2);
    c.emb_type = 0;
    c.req_type = 1;
    c.my_t1 = c.my_t2 = 0.3 * f_u * Pow26(d);
    c.t2_four_form = true;
    c.metal_plate_form = true;
    return c;
}

} // namespace

double Lateral_Gypsum_Fibre_Staple(double d, double L, double f_u, int, double t1, double t2, double rho1, double rho2,
                                   int kind1, int kind2, int grade1, int grade2, ConnectionResult* result)
{
    const Check c = Staple_Check(1, d, L, f_u, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, nullptr, nullptr);
    const Outcome o = Run(c);
    if (o.failed) return Failed(o, result);
    double k = o.k;
    if (t1 < 7.0 * d) k *= t1 / (7.0 * d);
    const double R = 1.4 * k * Root(o.fh1, c.my_t1, d);
    if (result) {
        result->check_factor = k;
        result->fu_used = f_u;
        result->my_rk = c.my_t1;
        result->fh1 = o.fh1;
        result->fh2 = o.fh2;
    }
    return R;
}

double Lateral_Nail_Panel(int configuration, double d, double L, double f_u, int predrilled, int, int, double t1,
                          double t2, double rho1, double rho2, double alpha1, double alpha2, int kind1, int kind2,
                          int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                          ConnectionResult* result)
{
    const double my = 0.3 * f_u * Pow26(d);
    const Outcome o = Run(Nail_Check(configuration, d, L, my, predrilled, predrilled, t1, t2, rho1, rho2, alpha1,
                                     alpha2, kind1, kind2, grade1, grade2, law1, law2));
    if (o.failed) return Failed(o, result);
    // The panel decides the factor: member 2 when it is a board of the table,
    // none for the other panels as member 2, else member 1's.
    double A = 0.0, f_h = o.fh1;
    if (kind2 == MK_OSB || kind2 == MK_GYPSUM_BOARD || kind2 == MK_PLYWOOD || kind2 == MK_PARTICLEBOARD ||
        kind2 == MK_FIBREBOARD) {
        A = Conn_Panel_Factor(kind2, grade2);
        f_h = o.fh2;
    } else if (!Conn_Is_Panel(kind2)) {
        A = Conn_Panel_Factor(kind1, grade1);
    }
    const double R = o.k * A * Root(f_h, my, d);
    if (result) {
        Store_Nail(o, f_u, my, R, result);
        result->panel_factor = A;
    }
    return R;
}

double Lateral_Staple(int configuration, double d, double L, double f_u, int, double t1, double t2, double rho1,
                      double rho2, int kind1, int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1,
                      const UserEmbedmentLaw* law2, ConnectionResult* result)
{
    const Check c =
        Staple_Check(configuration, d, L, f_u, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2);
    const Outcome o = Run(c);
    if (o.failed) return Failed(o, result);
    const double root = Root(o.fh1, c.my_t1, d);
    double R = 0.0, A = 0.0;
    if (kind1 == MK_SOFTWOOD && kind2 == MK_SOFTWOOD) {
        R = 2.0 * o.k * root;
    } else if (kind1 == MK_UNLISTED_SOFTWOOD || (kind1 >= MK_SOFTWOOD && kind1 <= MK_GLULAM_DIN) ||
               kind1 == MK_BEECH_GL75) {
        const double beta = Beta(o);
        R = 2.0 * o.k * root * std::sqrt(2.0 * beta / (1.0 + beta));
    } else if (kind1 >= MK_OSB && kind1 <= MK_FIBREBOARD) {
        A = Conn_Panel_Factor(kind1, grade1);
        R = 2.0 * A * o.k * root;
    }
    if (result) {
        result->check_factor = o.k;
        result->panel_factor = A;
    }
    return R;
}

double Lateral_Nail_Timber_Beta(int configuration, double d, double L, double f_u, int predrilled, int, int, double t1,
                                double t2, double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                                const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2, ConnectionResult* result)
{
    const double my = 0.3 * f_u * Pow26(d);
    const Outcome o = Run(Nail_Check(configuration, d, L, my, predrilled, 0, t1, t2, rho1, rho2, 0.0, 0.0, kind1, kind2,
                                     grade1, grade2, law1, law2));
    if (o.failed) return Failed(o, result);
    const double beta = Beta(o);
    const double R = o.k * Root(o.fh1, my, d) * std::sqrt(2.0 * beta / (1.0 + beta));
    if (result) {
        Store_Nail(o, f_u, my, R, result);
        result->check_factor_2 = beta;
    }
    return R;
}

double Lateral_Wood_Screw(int configuration, double d, double L, double f_u, int predrilled, int, int, double t1,
                          double t2, double rho1, double rho2, double alpha1, double alpha2, int kind1, int kind2,
                          int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                          ConnectionResult* result)
{
    Check c = Base(configuration, d, L, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2);
    c.emb_type = c.req_type = 2;
    c.emb_predrilled = c.req_predrilled = predrilled;
    c.alpha1 = alpha1;
    c.alpha2 = alpha2;
    c.my_t1 = 60.0 * Pow26(d);
    c.my_t2 = 0.3 * f_u * Pow26(d);
    c.t2_four_form = true;
    c.metal_plate_form = true;
    const Outcome o = Run(c);
    if (o.failed) return Failed(o, result);
    // The thread governs the capacity: half the shank's moment.
    const double my = 0.15 * f_u * Pow26(d);
    const double beta = Beta(o);
    const double R = o.k * Root(o.fh1, my, d) * std::sqrt(2.0 * beta / (1.0 + beta));
    if (result) {
        Case_Message(o, result);
        result->check_factor = o.k;
        result->my_rk = my;
        result->check_factor_2 = beta;
        result->fvk = R;
    }
    return R;
}

double Lateral_Screw_Product(int configuration, int type, double d, double L, double angle, int predrilled, int variant,
                             int, double t1, double t2, double rho1, double rho2, double alpha1, double alpha2,
                             int kind1, int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1,
                             const UserEmbedmentLaw* law2, ConnectionResult* result)
{
    const double my = Conn_Is_Screw_Product(type) ? Fastener_Yield_Moment(type, d, 400.0, variant, 0) : 0.0;
    double f1 = 0.0, f2 = 0.0;
    const int code = Embedment_Pair(&f1, &f2, type, d, predrilled, alpha1, alpha2, t1, t2, rho1, rho2, kind1, kind2,
                                    grade1, grade2, law1, law2);
    if (code == CONN_MSG_NO_EMBEDMENT_MEMBER_1 || code == CONN_MSG_NO_EMBEDMENT_MEMBER_2) {
        Outcome o;
        o.code = code;
        return Failed(o, result);
    }
    double k = 0.0;
    Nail_Penetration_Reduction(type, 400.0, configuration, d, L, angle, predrilled, variant, 0, 0, t1, t2, rho1, rho2,
                               kind1, kind2, grade1, grade2, law1, law2, nullptr, nullptr, &k, nullptr, nullptr);
    const double beta = f1 > 0.001 ? f2 / f1 : 0.0;
    const double R = k * std::sqrt(2.0 * beta / (1.0 + beta)) * Root(f1, my, d);
    if (result) {
        result->message_code = code;
        result->fu_used = 400.0;
        result->my_rk = my;
        result->check_factor = k;
        result->check_factor_2 = beta;
        result->fvk = R;
    }
    return R;
}

int Nail_Penetration_Reduction(int type, double f_u, int configuration, double d, double L, double angle,
                               int predrilled, int variant, int no_clearance, int, double t1, double t2, double rho1,
                               double rho2, int kind1, int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1,
                               const UserEmbedmentLaw* law2, double* penetration, int* effective_planes, double* k_out,
                               double* t1_min_out, double* t2_req_out)
{
    const bool product = Conn_Is_Screw_Product(type) != 0;
    const bool screw = (type >= FT_SCREW_1A && type <= FT_SCREW_3C) || product;
    if (!Conn_Is_Nail_Like(type) && type != FT_STAPLE && !screw) return 0;
    double p = 0.0;
    int planes = 0;
    const int nail_case = Nail_Penetration_Case(configuration, d, L, angle, t1, t2, &p, &planes);
    const bool metal1 = Conn_Is_Metal(kind1) != 0;
    double t1_req, t2_req, t1_min;
    if (!metal1) {
        t1_req = Required_Thickness_Side(type, predrilled, variant, d, no_clearance, 1, kHalfPi, kHalfPi, 0.0, f_u, t1,
                                         t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2);
        t2_req =
            Required_Thickness_Middle(configuration, d, L, angle, type, predrilled, variant, no_clearance, 1, kHalfPi,
                                      kHalfPi, 0.0, f_u, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2);
        if (kind1 >= MK_OSB && kind1 <= MK_FIBREBOARD)
            t1_min = std::fmax(t1_req, product ? 1.2 * d : Conn_Panel_Min_Thickness(kind1, grade1, d));
        else if (kind1 == MK_FERMACELL)
            t1_min = 7.0 * d;
        else
            t1_min = t1_req;
    } else {
        t1_req = t1_min = 0.1;
        if (Conn_Is_Nail_Like(type)) {
            const double thick = kind1 == MK_ALUMINIUM_PLATE ? 2.8844991406148166 : 2.0;
            if (type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C && t1 >= thick)
                t2_req = 10.0 * d;
            else if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA)
                t2_req = 8.0 * d;
            else
                t2_req = Conn_Plate_Penetration_Factor(kind1, t1, d) * d;
        } else {
            const double my = product ? Fastener_Yield_Moment(type, d, f_u, variant, 0) : 0.3 * f_u * Pow26(d);
            Check c = Base(configuration, d, L, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2);
            t2_req = Plate_Form(my, type, predrilled, c);
        }
    }
    const double k_t = (!metal1 && t1 < t1_min) ? t1 / t1_min : 1.0;
    const double k = K_By_Case(nail_case, p, d, k_t, metal1 ? 0.0 : t1_min, t2, t2_req, &p);
    if (penetration) *penetration = p;
    if (effective_planes) *effective_planes = planes;
    if (k_out) *k_out = k;
    if (t1_min_out) *t1_min_out = t1_min;
    if (t2_req_out) *t2_req_out = t2_req;
    return nail_case;
}

double Board_Density_Value(double x, int kind)
{
    if (kind != MK_GYPSUM_BOARD) return 800.0;
    if (x >= 1.0 && x <= 1.25) return 950.0;
    if (x > 1.25 && x <= 1.6) return 680.0;
    return 0.0;
}
