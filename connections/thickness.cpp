// Required thicknesses and nail penetration of the connection design.
#include "connections/thickness.h"

#include <cmath>

#include "connections/connmsg.h"
#include "connections/embedment.h"
#include "connections/yieldmoment.h"
#include "materials/matkind.h"
#include "nad/nadec5.h"

namespace {

enum Which { SIDE, SIDE_PLATE, SECOND, MIDDLE, PLATE_A, PLATE_B };

struct Members {
    double alpha1, alpha2, t1, t2, rho1, rho2;
    int kind1, kind2, grade1, grade2;
    const UserEmbedmentLaw* law1;
    const UserEmbedmentLaw* law2;
};

bool Annex_Number_Zero() { return ActiveNadEc5 && ActiveNadEc5->na_de == 0; }

double Required(Which which, int type, int predrilled, int variant, double d, int no_clearance, int thread, double h_e,
                double f_u, const Members& m, int configuration, double length, double angle)
{
    if (which == SIDE_PLATE && Conn_Is_Metal(m.kind1)) return 0.1;
    if (type >= FT_RING_A1 && type <= FT_PLATE_C10)
        return (which == SIDE || which == SIDE_PLATE || which == SECOND) ? Connector_Min_Side_Thickness(h_e)
                                                                         : Connector_Min_Middle_Thickness(h_e);
    double my = Fastener_Yield_Moment(type, d, f_u, variant, thread);
    if (type >= FT_SCREW_1A && type <= FT_SCREW_3C && which != SIDE && which != SIDE_PLATE)
        my = Yield_Moment_Round(d, f_u);
    // Bolts in holes with clearance bear on the hole diameter.
    const double d_h = (type == FT_BOLT && !no_clearance) ? d + 1.0 : d;
    double f1 = 0.0, f2 = 0.0;
    if (which == PLATE_A || which == PLATE_B) {
        Embedment_Pair(nullptr, &f2, type, d_h, predrilled, m.alpha2, m.alpha2, m.t2, m.t2, m.rho2, m.rho2, m.kind2,
                       m.kind2, m.grade2, m.grade2, m.law1, m.law2);
        if (f2 <= 0.001 || d <= 0.0) return 0.0;
        const double root = std::sqrt(my / (f2 * d));
        return (which == PLATE_A ? 3.2526911934581184 : 3.926345596729059) * root;
    }
    // The nail's penetration case (and its messages) does not depend on the
    // embedment strengths: the caller learns how far the nail reaches even
    // when a member has no embedment strength.
    int nail_case = 0;
    if (which == MIDDLE && type == FT_NAIL)
        nail_case = Nail_Penetration_Case(configuration, d, length, angle, m.t1, m.t2, nullptr, nullptr);
    Embedment_Pair(&f1, &f2, type, d_h, predrilled, m.alpha1, m.alpha2, m.t1, m.t2, m.rho1, m.rho2, m.kind1, m.kind2,
                   m.grade1, m.grade2, m.law1, m.law2);
    if (f1 <= 0.001 || f2 <= 0.001 || d <= 0.0) return 0.0;
    const double beta = f2 / f1;
    double t_req = 0.0;
    switch (which) {
        case SIDE:
        case SIDE_PLATE: t_req = 2.3 * (std::sqrt(beta / (1.0 + beta)) + 1.0) * std::sqrt(my / (f1 * d)); break;
        case SECOND:
            // The side member's formula seen from member 2: beta turns into 1/beta.
            t_req = 2.3 * (std::sqrt(1.0 / (1.0 + beta)) + 1.0) * std::sqrt(my / (f2 * d));
            break;
        default: {
            const double root = std::sqrt(my / (f2 * d));
            if (type == FT_NAIL && (nail_case == 1 || nail_case == 2))
                t_req = 1.15 * (2.0 / std::sqrt(1.0 + beta) + 2.0) * root;
            else
                t_req = 4.6 / std::sqrt(1.0 + beta) * root;
            break;
        }
    }
    const bool product = Conn_Is_Screw_Product(type);
    if (product && (which == SIDE || which == SIDE_PLATE) && Conn_Is_Panel(m.kind1)) t_req = std::fmax(t_req, 1.2 * d);
    if (product && which == SECOND && (Conn_Is_Panel(m.kind1) || Conn_Is_Panel(m.kind2)))
        t_req = std::fmax(t_req, 1.2 * d);
    return t_req;
}

} // namespace

double Required_Thickness_Side(int type, int predrilled, int variant, double d, int no_clearance, int thread,
                               double alpha1, double alpha2, double h_e, double f_u, double t1, double t2, double rho1,
                               double rho2, int kind1, int kind2, int grade1, int grade2, const UserEmbedmentLaw* law1,
                               const UserEmbedmentLaw* law2)
{
    const Members m = {alpha1, alpha2, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2};
    return Required(SIDE, type, predrilled, variant, d, no_clearance, thread, h_e, f_u, m, 0, 0.0, 0.0);
}

double Required_Thickness_Side_Plate(double d, int type, int predrilled, int variant, int no_clearance, int thread,
                                     double alpha1, double alpha2, double h_e, double f_u, double t1, double t2,
                                     double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                                     const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    const Members m = {alpha1, alpha2, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2};
    return Required(SIDE_PLATE, type, predrilled, variant, d, no_clearance, thread, h_e, f_u, m, 0, 0.0, 0.0);
}

double Required_Thickness_Second(double d, int type, int predrilled, int variant, int no_clearance, int thread,
                                 double alpha1, double alpha2, double h_e, double f_u, double t1, double t2,
                                 double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                                 const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    const Members m = {alpha1, alpha2, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2};
    return Required(SECOND, type, predrilled, variant, d, no_clearance, thread, h_e, f_u, m, 0, 0.0, 0.0);
}

double Required_Thickness_Middle(int configuration, double d, double length, double angle, int type, int predrilled,
                                 int variant, int no_clearance, int thread, double alpha1, double alpha2, double h_e,
                                 double f_u, double t1, double t2, double rho1, double rho2, int kind1, int kind2,
                                 int grade1, int grade2, const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    const Members m = {alpha1, alpha2, t1, t2, rho1, rho2, kind1, kind2, grade1, grade2, law1, law2};
    return Required(MIDDLE, type, predrilled, variant, d, no_clearance, thread, h_e, f_u, m, configuration, length,
                    angle);
}

double Required_Thickness_Plate_A(double d, int type, int predrilled, int variant, int no_clearance, int thread,
                                  double alpha, double h_e, double f_u, double t, double rho, int kind, int grade,
                                  const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    const Members m = {alpha, alpha, t, t, rho, rho, kind, kind, grade, grade, law1, law2};
    return Required(PLATE_A, type, predrilled, variant, d, no_clearance, thread, h_e, f_u, m, 0, 0.0, 0.0);
}

double Required_Thickness_Plate_B(double d, int type, int predrilled, int variant, int no_clearance, int thread,
                                  double alpha, double h_e, double f_u, double t, double rho, int kind, int grade,
                                  const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    const Members m = {alpha, alpha, t, t, rho, rho, kind, kind, grade, grade, law1, law2};
    return Required(PLATE_B, type, predrilled, variant, d, no_clearance, thread, h_e, f_u, m, 0, 0.0, 0.0);
}

double Connector_Min_Side_Thickness(double x) { return std::fmax(3.0 * x, 24.0); }

double Connector_Min_Middle_Thickness(double x) { return std::fmax(5.0 * x, 24.0); }

int Nail_Penetration_Case(int configuration, double d, double L, double angle, double t1, double t2,
                          double* penetration, int* effective_planes)
{
    const double s = L * std::sin(angle * 0.017453292519944444);
    const double g = 4.0 * d;
    const double h = Annex_Number_Zero() ? d : 4.0 * d;
    bool short_pushed = false;
    auto push_short = [&]() {
        if (!short_pushed) Conn_Push_Message(&ConnMessageListA, CONN_MSG_PENETRATION_BELOW_4D);
        short_pushed = true;
    };
    int nail_case = 0, planes = 0;
    double p = 0.0;
    if (t1 >= s) {
        Conn_Push_Message(&ConnMessageListB, CONN_MSG_NAIL_SHORT_OF_MEMBER_2);
        p = s;
    } else if (s - t1 <= t2) {
        p = s - t1;
        if (2.0 * s > t1 + t2) {
            Conn_Push_Message(&ConnMessageListA, CONN_MSG_NAIL_TIP_IN_MEMBER_2);
            nail_case = configuration == 1 ? 1 : 2;
            if (p < g) push_short();
        } else {
            Conn_Push_Message(&ConnMessageListA, CONN_MSG_NAIL_ENDS_IN_MEMBER_2);
            nail_case = t2 - p > 0.0 ? 2 : 1;
            if (h <= p && p < g) push_short();
        }
        planes = p >= h ? 1 : 0;
    } else {
        const double r = s - t1 - t2;
        if (configuration == 1) {
            nail_case = 4;
            p = t2;
            planes = t2 >= h ? 1 : 0;
            if (h <= t2 && t2 < g) push_short();
        } else if (configuration == 2 && r <= t1) {
            Conn_Push_Message(&ConnMessageListA, CONN_MSG_NAIL_TIP_IN_MEMBER_3);
            if (r < g) push_short();
            nail_case = 3;
            p = r;
            planes = r >= h ? 2 : 1;
        } else if (configuration == 2) {
            Conn_Push_Message(&ConnMessageListB, CONN_MSG_NAIL_PASSES_MEMBER_3);
            if (h <= t1 && t1 < g) push_short();
            nail_case = 4;
            p = t1;
            planes = t1 >= h ? 2 : 1;
        } else {
            p = r;
        }
    }
    if (ActiveNadEc5 && p < 8.0 * d) Conn_Push_Message(&ConnMessageListA, CONN_MSG_PENETRATION_BELOW_8D);
    if (penetration) *penetration = p;
    if (effective_planes) *effective_planes = planes;
    return nail_case;
}

namespace {

// Counts of one nail from one face: how many further members it reaches by
// the minimum penetration u, and where its tip ends.
void Overlap_Counts(double L, double t_face, double t2, double u, int* r, double* p)
{
    const double q = L - t_face;
    *r = (q >= u ? 1 : 0) + (q > 0.0 ? (q - t2 >= u ? 1 : 0) : 0);
    if (q <= 0.0)
        *p = L;
    else if (q - t2 > 0.0)
        *p = q - t2;
    else
        *p = q;
}

double Min_Penetration(double d) { return Annex_Number_Zero() ? d : 4.0 * d; }

} // namespace

int Nail_Overlap_Geometry(double t1, double t2, double t3, int both_sides, double L1, double d1, double angle1,
                          double* p1_out, int* r1_out, int* case1_out, double L2, double d2, double angle2,
                          double* p2_out, int* r2_out, int* case2_out)
{
    const double u1 = Min_Penetration(d1), u2 = Min_Penetration(d2);
    int r1 = 0, r2 = 0;
    double p1 = 0.0, p2 = 0.0;
    Overlap_Counts(L1, t1, t2, u1, &r1, &p1);
    Overlap_Counts(L2, t3, t2, u2, &r2, &p2);
    const double s1 = L1 * std::sin(angle1 * 0.017453292519944444);
    const double s2 = L2 * std::sin(angle2 * 0.017453292519944444);
    const int e1 = s1 > t1 ? 1 : 0;
    int verdict = 0, case1 = e1, case2 = 1;
    if (s2 <= t3) {
        case2 = 0;
    } else if (r1 == 1 && r2 == 2) {
        case2 = 4;
    } else if (r1 == 2 && (r2 == 1 || r2 == 2)) {
        case1 = 4;
        case2 = r2 == 1 ? 1 : 4;
    } else if (both_sides && r1 == 1) {
        if (r2 == 1) {
            verdict = t2 + 1.0 > p1 + p2 ? 1 : 0;
            case1 = case2 = verdict ? 2 : 4;
        }
    } else if (!both_sides && r1 == 1 && r2 == 1) {
        if (u1 < t2 + 1.0 - p1) {
            verdict = u2 < t2 + 1.0 - p2 ? 1 : 0;
            case1 = case2 = verdict ? 2 : 4;
        } else {
            case1 = case2 = 4;
        }
    }
    if (r1 == 2) {
        if (t3 < p1 + 1.0) case1 = 4;
        if (t1 < p2 + 1.0) case2 = 4;
    }
    if (p1_out) *p1_out = p1;
    if (r1_out) *r1_out = r1;
    if (case1_out) *case1_out = case1;
    if (p2_out) *p2_out = p2;
    if (r2_out) *r2_out = r2;
    if (case2_out) *case2_out = case2;
    return verdict;
}

int Nail_Overlap_Allowed(double t1, double t2, double t3, int both_sides, double L, double d)
{
    const double u = Min_Penetration(d);
    int r1 = 0, r2 = 0;
    double p1 = 0.0, p2 = 0.0;
    Overlap_Counts(L, t1, t2, u, &r1, &p1);
    Overlap_Counts(L, t3, t2, u, &r2, &p2);
    if (L <= t3) return 0;
    if (r2 == 2 && r1 == 1) return 0;
    if (r1 == 2 && (r2 == 1 || r2 == 2)) return 1;
    if (both_sides && r1 == 1) return (r2 == 1 && t2 + 1.0 > p1 + p2) ? 1 : 0;
    if (!both_sides && r1 == 1 && r2 == 1) return (u < t2 + 1.0 - p1 && u < t2 + 1.0 - p2) ? 1 : 0;
    return 0;
}
