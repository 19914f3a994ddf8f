// Metal plates, dowels, bolts and connectors.
#include "connections/plates.h"

#include <cmath>

#include "connections/connmsg.h"
#include "connections/embedment.h"
#include "connections/simplified.h"
#include "connections/thickness.h"
#include "connections/yieldmoment.h"
#include "materials/matkind.h"
#include "nad/nadec5.h"

namespace {

const double kAluScale = 1.4422495703074083;

double Pow26(double d) { return d > 0.0 ? std::pow(d, 2.6) : 0.0; }

double Sqrt0(double x) { return x > 0.0 ? std::sqrt(x) : 0.0; }

bool Wood_Screw(int type) { return type >= FT_SCREW_1A && type <= FT_SCREW_3C; }

void Raise(double* field, double value)
{
    if (*field < value) *field = value;
}

// Plate class by the diameter d' (scaled for aluminium): 2 thick, 0 thin,
// 1 between with the weight x of the thick value.
int Plate_Class(int type, int kind1, double t1, double d, double* x)
{
    const bool alu = kind1 == MK_ALUMINIUM_PLATE;
    const double dp = alu ? kAluScale * d : d;
    if (type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C && t1 >= (alu ? 2.8844991406148166 : 2.0)) {
        *x = 1.0;
        return 2;
    }
    if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) {
        *x = -1.0;
        return 2;
    }
    if (t1 + 0.0005 >= dp) {
        *x = 1.0;
        return 2;
    }
    if (t1 - 0.0005 <= dp / 2.0) {
        *x = 0.0;
        return 0;
    }
    *x = 2.0 * t1 / dp - 1.0;
    return 1;
}

// The capacity moment of the plate checks: the fastener rule with the
// threaded part of wood screws.
double Capacity_Moment(int type, double d, double f_u, int variant, int thread)
{
    return Wood_Screw(type) ? 0.15 * f_u * Pow26(d) : Fastener_Yield_Moment(type, d, f_u, variant, thread);
}

// Embedment at the angle of the timber next to a plate.
struct Angled {
    double k90, fh0, fh_alpha;
};

Angled Angled_Embedment(int type, double d, int kind, double rho, double alpha)
{
    Angled a;
    a.k90 = Plate_K90(type, d, kind);
    a.fh0 = 0.082 * (1.0 - 0.01 * d) * rho;
    const double s = std::sin(alpha), c = std::cos(alpha);
    const double div = a.k90 * s * s + c * c;
    a.fh_alpha = div > 1e-12 ? a.fh0 / div : 0.0;
    return a;
}

// Member 2's embedment strength with both members of the timber's kind.
double Timber_Pair_Value(int type, double d, int predrilled, int no_clearance, double alpha, double t, double rho,
                         int kind, int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    const double d_h = (type == FT_BOLT && !no_clearance) ? d + 1.0 : d;
    double f = 0.0;
    Embedment_Pair(nullptr, &f, type, d_h, predrilled, alpha, alpha, t, t, rho, rho, kind, kind, grade1, grade2, law1,
                   law2);
    return f;
}

double Special_K3(double rho_k)
{
    const double k3 = 0.002857142857142857 * rho_k;
    return ActiveNadEc5 ? std::fmin(k3, 1.5) : k3;
}

// Required end distance of a toothed plate (reported, not applied).
void Special_End_Distance(int type, double d_c, double d_b, double* a3, double* k_a3)
{
    if (!ActiveNadEc5 || d_c <= 0.0) {
        *a3 = 0.0;
        *k_a3 = 1.0;
        return;
    }
    const double a3t = std::fmax(7.0 * d_b, 80.0);
    if (type == FT_PLATE_C10 || type == FT_PLATE_C11) {
        *a3 = std::fmax(a3t, 1.5 * d_c);
        *k_a3 = std::fmin(1.0, 0.5 * *a3 / d_c);
    } else {
        *a3 = std::fmax(a3t, 1.1 * d_c);
        *k_a3 = std::fmin(1.0, 2.0 / 3.0 * *a3 / d_c);
    }
}

double Special_Base(int type, double d_c)
{
    const double root = d_c > 0.0 ? d_c * std::sqrt(d_c) : 0.0;
    if (type == FT_PLATE_C10 || type == FT_PLATE_C11) return 25.0 * root;
    if (type == FT_PLATE_C1 || type == FT_PLATE_C5 || type == FT_PLATE_C2) return 18.0 * root;
    return 0.0;
}

} // namespace

double Plate_K90(int type, double d, int kind)
{
    if ((!ActiveNadEc5 || type == FT_DOWEL) && d <= 8.0) return 1.0;
    if (kind == MK_SOFTWOOD || kind == MK_GLULAM_EC || kind == MK_GLULAM_DIN || kind == MK_UNLISTED_SOFTWOOD)
        return 1.35 + 0.015 * d;
    if (kind == MK_HARDWOOD || kind == MK_BEECH_GL75) return 0.90 + 0.015 * d;
    if (kind == MK_KERTO_S || kind == MK_KERTO_Q || kind == MK_LVL || kind == MK_BEECH_PANEL || kind == MK_STEICO_LVL ||
        (kind >= MK_STEICO_JOIST && kind <= MK_STEICO_GLVL))
        return 1.30 + 0.015 * d;
    return 0.0;
}

double Lateral_Nail_Plate_First(int type, int configuration, double d, double L, double angle, double t2,
                                int predrilled, int variant, double t1, double alpha2, double f_u, int kind1, int kind2,
                                int grade1, int grade2, double rho2, ConnectionResult* result)
{
    double x = 0.0, n = 10.0, c = 1.4;
    const int state = Plate_Class(type, kind1, t1, d, &x);
    if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) {
        n = 8.0;
        c = 0.6;
    } else if (state == 0) {
        n = 9.0;
        c = 1.0;
    } else if (state == 1) {
        n = 9.0 * (1.0 - x) + 10.0 * x;
        c = (1.0 - x) + 1.4 * x;
    }
    const double my = Capacity_Moment(type, d, f_u, variant, 0);
    double k = 1.0;
    Nail_Penetration_Reduction(type, 600.0, configuration, d, L, angle, predrilled, variant, 0, 0, t1, t2, 0.0, rho2,
                               MK_STEEL_PLATE, kind2, grade1, grade2, nullptr, nullptr, nullptr, nullptr, &k, nullptr,
                               nullptr);
    double f = 0.0;
    const int code = Embedment_Pair(nullptr, &f, type, d, predrilled, 0.0, alpha2, 0.0, t2, 0.0, rho2, -1, kind2, -1,
                                    grade2, nullptr, nullptr);
    const double R = code == CONN_MSG_NO_EMBEDMENT_MEMBER_2 ? 0.0 : k * c * Sqrt0(2.0 * f * my * d);
    if (result) {
        if (code == CONN_MSG_NO_EMBEDMENT_MEMBER_2) {
            result->message_code = code;
            result->fvd = 0.0;
        }
        result->plate_state = state;
        result->fu_used = f_u;
        result->my_rk = my;
        result->check_factor = k;
        result->plate_factor = c;
        result->fh2 = f;
        result->fvk = R;
        result->plate_interpolation = x;
        result->t_req_2 = n * d;
    }
    return R;
}

double Lateral_Dowel_Plate_Second(int type, double d, double t, int predrilled, int variant, int no_clearance,
                                  int thread, double alpha, double f_u, int kind, int grade, double rho,
                                  const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2, ConnectionResult* result)
{
    const double my = Capacity_Moment(type, d, f_u, variant, thread);
    double t_req = 24.0;
    if (!(type >= FT_RING_A1 && type <= FT_PLATE_C10)) {
        const double m = Wood_Screw(type) ? 0.3 * f_u * Pow26(d) : my;
        const double f =
            Timber_Pair_Value(type, d, predrilled, no_clearance, alpha, t, rho, kind, -1, grade, law1, law2);
        t_req = (f > 0.001 && d > 0.0) ? 4.6 * Sqrt0(m / (d * f)) : 0.0;
    }
    const Angled a = Angled_Embedment(type, d, kind, rho, alpha);
    const double k = t_req > t ? t / t_req : 1.0;
    const double R = k * std::sqrt(2.0) * Sqrt0(2.0 * my * a.fh_alpha * d);
    if (result) {
        result->fu_used = f_u;
        result->my_rk = my;
        result->check_factor = k;
        result->k90 = a.k90;
        result->fh0 = a.fh0;
        result->fh1 = result->fh2 = a.fh_alpha;
        Raise(&result->t_req, t_req);
        Raise(&result->t_req_2, t_req);
    }
    return R;
}

double Lateral_Bolt_Plate(int type, int configuration, double d, double d_work, double t2, int predrilled, int variant,
                          int no_clearance, int thread, double t1, double alpha2, double f_u, int kind1, int kind2, int,
                          int grade2, double rho2, ConnectionResult* result)
{
    double x = 0.0;
    const int state = Plate_Class(type, kind1, t1, d_work, &x);
    double R = 0.0;
    if (state != 2) {
        double t_req;
        const double my = Capacity_Moment(type, d, f_u, variant, thread);
        if (configuration == 2) {
            t_req = Required_Thickness_Plate_A(d, type, predrilled, variant, no_clearance, thread, alpha2, 0.0, f_u, t2,
                                               rho2, kind2, grade2, nullptr, nullptr);
        } else if (type >= FT_RING_A1 && type <= FT_PLATE_C10) {
            t_req = 24.0;
        } else {
            const double m = Wood_Screw(type) ? 0.3 * f_u * Pow26(d) : my;
            const double f = Timber_Pair_Value(type, d, predrilled, no_clearance, alpha2, t2, rho2, kind2, grade2,
                                               grade2, nullptr, nullptr);
            t_req = (f > 0.001 && d > 0.0) ? 3.926345596729059 * Sqrt0(m / (d * f)) : 0.0;
        }
        const Angled a = Angled_Embedment(type, d, kind2, rho2, alpha2);
        const double k = t_req > t2 ? t2 / t_req : 1.0;
        R = k * Sqrt0(2.0 * my * d * a.fh_alpha);
        if (result) {
            result->fu_used = f_u;
            result->my_rk = my;
            result->check_factor = k;
            result->k90 = a.k90;
            result->fh0 = a.fh0;
            result->fh2 = a.fh_alpha;
            Raise(&result->t_req, t_req);
            Raise(&result->t_req_2, t_req);
        }
    }
    if (state != 0) {
        const double thick = Lateral_Dowel_Plate_Second(type, d, t2, predrilled, variant, no_clearance, thread, alpha2,
                                                        f_u, kind2, grade2, rho2, nullptr, nullptr, result);
        R = state == 2 ? thick : (1.0 - x) * R + x * thick;
    }
    if (result) {
        result->fvk = R;
        result->plate_state = state;
        result->plate_interpolation = x;
    }
    return R;
}

double Connector_Bolt_Part(int configuration, double d, int variant, int fitted, int thread, double t1, double t2,
                           double rho2, double rho1, int kind1, int kind2, int grade1, int grade2, double f_u,
                           double alpha1, double alpha2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2,
                           ConnectionResult* result)
{
    const double t1_req = Conn_Is_Metal(kind1) ? 0.1
                                               : Required_Thickness_Side(FT_DOWEL, 0, variant, d, fitted, thread,
                                                                         alpha1, alpha2, 0.0, f_u, t1, t2, rho1, rho2,
                                                                         kind1, kind2, grade1, grade2, law1, law2);
    double t2_req;
    if (configuration == 1) {
        t2_req = Required_Thickness_Second(d, FT_DOWEL, 0, variant, fitted, thread, alpha1, alpha2, 0.0, f_u, t1, t2,
                                           rho1, rho2, kind1, kind2, grade1, grade2, law1, law2);
    } else {
        double f1 = 0.0, f2 = 0.0;
        Embedment_Pair(&f1, &f2, FT_DOWEL, d, 0, alpha1, alpha2, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1,
                       law2);
        const double b0 = f1 > 0.001 ? f2 / f1 : 0.0;
        t2_req =
            (f2 > 0.001 && d > 0.0) ? 1.15 * 4.0 / std::sqrt(1.0 + b0) * Sqrt0(0.3 * f_u * Pow26(d) / (f2 * d)) : 0.0;
    }
    const double my = thread ? 0.3 * f_u * Pow26(Bolt_Effective_Diameter(d)) : 0.3 * f_u * Pow26(d);
    double fh1 = 0.0, fh2 = 0.0;
    const int code = Embedment_Pair(&fh1, &fh2, FT_DOWEL, fitted ? d : d + 1.0, 1, alpha1, alpha2, t1, t2, rho1, rho2,
                                    kind1, kind2, grade1, grade2, law1, law2);
    double R = 0.0, k = 1.0, beta = 0.0;
    if (code != CONN_MSG_NO_EMBEDMENT_MEMBER_1 && code != CONN_MSG_NO_EMBEDMENT_MEMBER_2) {
        beta = fh2 / fh1;
        if ((t1_req > 0.0 && t1 < t1_req) || (t2_req > 0.0 && t2 < t2_req)) {
            const double k1 = t1_req > 0.0 ? t1 / t1_req : 1.0;
            const double k2 = t2_req > 0.0 ? t2 / t2_req : 1.0;
            k = std::fmin(k1, k2);
        }
        R = k * Sqrt0(2.0 * fh1 * my * d) * std::sqrt(2.0 * beta / (1.0 + beta));
    }
    if (result) {
        result->message_code = code;
        if (code == CONN_MSG_NO_EMBEDMENT_MEMBER_1 || code == CONN_MSG_NO_EMBEDMENT_MEMBER_2) result->fvd = 0.0;
        Raise(&result->t_req, t1_req);
        Raise(&result->t_req_2, t2_req);
        result->fu_used = f_u;
        result->my_rk = my;
        result->fh1 = fh1;
        result->fh2 = fh2;
        result->check_factor_2 = beta;
        result->fvk = R;
        result->check_factor = k;
    }
    return R;
}

double Connector_Special_Capacity(int type, double d_c, double d_b, double h_e, double t1, double t2, double rho_k,
                                  ConnectionResult* result)
{
    if (type < FT_PLATE_C1 || type > FT_PLATE_C11) return 0.0;
    const double k3 = Special_K3(rho_k);
    double a3 = 0.0, k_a3 = 1.0;
    Special_End_Distance(type, d_c, d_b, &a3, &k_a3);
    const double t_a = Connector_Min_Side_Thickness(h_e), t_b = Connector_Min_Middle_Thickness(h_e);
    const double k1 = (t1 < t_a || t2 < t_b) ? std::fmin(1.0, std::fmin(t1 / t_a, t2 / t_b)) : 1.0;
    const double R = Special_Base(type, d_c) * k3 * k1;
    if (result) {
        result->k_density = k3;
        result->k_thickness = k1;
        result->end_distance_connector = a3;
        result->k_4 = k_a3;
        Raise(&result->t_req, t_a);
        Raise(&result->t_req_2, t_b);
    }
    return R;
}

double Connector_Special_Capacity_Min(int type, double d_c, double d_b, double h_e, double t, double rho_k,
                                      ConnectionResult* result)
{
    const double k3 = Special_K3(rho_k);
    double a3 = 0.0, k_a3 = 1.0;
    Special_End_Distance(type, d_c, d_b, &a3, &k_a3);
    const double t_b = Connector_Min_Middle_Thickness(h_e);
    const double k1 = std::fmin(1.0, t / t_b);
    const double R = Special_Base(type, d_c) * k3 * k1;
    if (result) {
        result->k_density = k3;
        result->k_thickness = k1;
        result->end_distance_connector = a3;
        result->k_4 = k_a3;
        Raise(&result->t_req_2, t_b);
    }
    return R;
}
