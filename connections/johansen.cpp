// Lateral capacity by the Johansen failure modes.
#include "connections/johansen.h"

#include <cmath>

#include "connections/connmsg.h"
#include "connections/embedment.h"
#include "connections/thickness.h"
#include "connections/yieldmoment.h"
#include "materials/matkind.h"
#include "materials/stguete.h"
#include "nad/nadec5.h"

namespace {

const double kAluScale = 1.4422495703074083;

double Pow26(double d) { return d > 0.0 ? std::pow(d, 2.6) : 0.0; }

double Sqrt0(double x) { return x > 0.0 ? std::sqrt(x) : 0.0; }

bool Wood_Screw(int type) { return type >= FT_SCREW_1A && type <= FT_SCREW_3C; }

bool Runs_Penetration(int type) { return Fastener_Is_Nail(type) || type == FT_STAPLE || Wood_Screw(type); }

// The yield moment of the plate checks: the fastener rule, with the threaded
// part (0.15 f_u d^2.6) of wood screws and 0.3 f_u d^2.6 for every type
// outside the rule's own groups.
double Plate_Moment(int type, double d, double f_u, int variant, int thread)
{
    if (Wood_Screw(type)) return 0.15 * f_u * Pow26(d);
    if (type >= FT_RING_A1 && type <= FT_PLATE_C10) return 0.3 * f_u * Pow26(d);
    return Fastener_Yield_Moment(type, d, f_u, variant, thread);
}

// Picks the smallest quotient; on a tie the lower mode number.
struct Pick {
    int mode = 0;
    double value = 0.0, quotient = 0.0, gamma = 1.0;
    bool set = false;
    void Offer(int m, double v, double g)
    {
        const double q = v / g;
        if (!set || q < quotient) {
            mode = m;
            value = v;
            quotient = q;
            gamma = g;
            set = true;
        }
    }
};

// The timber modes 1 to 10 with the given embedment strengths and moment.
// factors: the 1.05 and 1.15 of EC5; rope: the share that the driver adds.
void Timber_Modes(bool single, double fh1, double fh2, double t1, double t2p, double d, double my, double f105,
                  double f115, double rope, double v[11])
{
    const double b = fh1 > 0.0 ? fh2 / fh1 : 0.0;
    for (int i = 0; i < 11; ++i) v[i] = 0.0;
    const double m6 = f115 * std::sqrt(2.0 * b / (1.0 + b)) * Sqrt0(2.0 * my * fh1 * d);
    const double m4 = t1 > 0.0
                          ? f105 * fh1 * t1 * d / (2.0 + b) *
                                (std::sqrt(2.0 * b * (1.0 + b) + 4.0 * b * (2.0 + b) * my / (fh1 * d * t1 * t1)) - b)
                          : 0.0;
    if (single) {
        v[1] = fh1 * t1 * d - rope;
        v[2] = fh2 * t2p * d - rope;
        if (t1 > 0.0 && t2p > 0.0) {
            const double r = t2p / t1;
            v[3] = fh1 * t1 * d / (1.0 + b) *
                   (std::sqrt(b + 2.0 * b * b * (1.0 + r + r * r) + b * b * b * r * r) - b * (1.0 + r));
        }
        v[4] = m4;
        if (t2p > 0.0)
            v[5] = f105 * fh1 * t2p * d / (1.0 + 2.0 * b) *
                   (std::sqrt(2.0 * b * b * (1.0 + b) + 4.0 * b * (1.0 + 2.0 * b) * my / (fh1 * d * t2p * t2p)) - b);
        v[6] = m6;
    } else {
        v[7] = fh1 * t1 * d - rope;
        v[8] = 0.5 * fh2 * t2p * d - rope;
        v[9] = m4;
        v[10] = m6;
    }
}

bool Embedment_Failed(int code, ConnectionResult* result)
{
    if (code != CONN_MSG_NO_EMBEDMENT_MEMBER_1 && code != CONN_MSG_NO_EMBEDMENT_MEMBER_2) return false;
    result->fvk = 0.0;
    result->fvd = 0.0;
    result->message_code = code;
    return true;
}

// Penetration of nails and screws: single shear, or double shear with the
// thickness of member 2 that the fastener really reaches.
void Shear_Geometry(int configuration, double d, double L, double angle, double t1, double t2, int type, bool* single,
                    double* t2p)
{
    *single = configuration != 2;
    *t2p = t2;
    if (!Runs_Penetration(type)) return;
    double p = 0.0;
    int planes = 0;
    Nail_Penetration_Case(configuration, d, L, angle, t1, t2, &p, &planes);
    if (*single) {
        *t2p = p;
    } else if (planes == 1) {
        *single = true;
        *t2p = p;
    } else if (planes == 0) {
        *t2p = p;
    }
}

} // namespace

double Connection_Gamma_M(int mode, int sw)
{
    static const double kDin[30] = {0,   1.3, 1.3, 1.3, 1.2, 1.2, 1.1, 1.3, 1.3, 1.2, 1.1, 1.3, 1.1, 1.3, 1.2,
                                    1.1, 1.3, 1.2, 1.1, 1.3, 1.1, 1.3, 1.1, 1.3, 1.1, 1.3, 1.1, 1.3, 1.2, 1.1};
    if (sw == 2) return 1.0;
    if (ActiveNadEc5) return ActiveNadEc5->gamma_m_connections;
    if (mode < 1 || mode > 29) return -1.0;
    return kDin[mode];
}

int Johansen_Timber(int sw, int configuration, double d, double L, double angle, int predrilled, int variant,
                    int no_clearance, int thread, int type, double alpha1, double alpha2, double t1, double t2,
                    double rho1, double rho2, int kind1, int kind2, int grade1, int grade2, double f_u,
                    const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2, ConnectionResult* result)
{
    if (!result) return 0;
    const double d_h = (type == FT_BOLT && !no_clearance) ? d + 1.0 : d;
    double fh1 = 0.0, fh2 = 0.0;
    const int code = Embedment_Pair(&fh1, &fh2, type, d_h, predrilled, alpha1, alpha2, t1, t2, rho1, rho2, kind1, kind2,
                                    grade1, grade2, law1, law2);
    result->message_code = code;
    if (Embedment_Failed(code, result)) return 0;
    const double beta = fh2 / fh1;
    const double my = Wood_Screw(type) ? 0.15 * f_u * Pow26(d) : Fastener_Yield_Moment(type, d, f_u, variant, thread);
    bool single = true;
    double t2p = t2;
    Shear_Geometry(configuration, d, L, angle, t1, t2, type, &single, &t2p);
    const bool factors = ActiveNadEc5 && sw != 2;
    double v[11];
    Timber_Modes(single, fh1, fh2, t1, t2p, d, my, factors ? 1.05 : 1.0, factors ? 1.15 : 1.0, result->rope_share, v);
    Pick pick;
    for (int m = single ? 1 : 7; m <= (single ? 6 : 10); ++m) pick.Offer(m, v[m], Connection_Gamma_M(m, sw));
    double R = pick.quotient * pick.gamma;
    if (type == FT_STAPLE && kind1 == MK_FERMACELL && d > 1.5) R *= 1.5 / d;
    result->gamma_m = pick.gamma;
    result->governing_mode = pick.mode;
    result->check_factor = 1.0;
    result->my_rk = my;
    result->fu_used = f_u;
    result->fh1 = fh1;
    result->fh2 = fh2;
    result->check_factor_2 = beta;
    result->fvk = R;
    return 0;
}

int Johansen_Timber_Design(double gamma_m1, double gamma_m2, double gamma_m_fastener, double kmod1, double kmod2,
                           int configuration, double d, double L, double angle, int predrilled, int variant,
                           int no_clearance, int thread, int type, double alpha1, double alpha2, double t1, double t2,
                           double rho1, double rho2, int kind1, int kind2, int grade1, int grade2, double f_u,
                           const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2, ConnectionResult* result)
{
    if (!result) return 0;
    const double d_h = (type == FT_BOLT && !no_clearance) ? d + 1.0 : d;
    double fh1 = 0.0, fh2 = 0.0;
    const int code = Embedment_Pair(&fh1, &fh2, type, d_h, predrilled, alpha1, alpha2, t1, t2, rho1, rho2, kind1, kind2,
                                    grade1, grade2, law1, law2);
    if (Embedment_Failed(code, result)) return 0;
    const double my = Wood_Screw(type) ? 60.0 * Pow26(d) : Fastener_Yield_Moment(type, d, f_u, variant, thread);
    const double fh1_d = gamma_m1 > 0.0 ? kmod1 / gamma_m1 * fh1 : 0.0;
    const double fh2_d = gamma_m2 > 0.0 ? kmod2 / gamma_m2 * fh2 : 0.0;
    const double my_d = gamma_m_fastener > 0.0 ? my / gamma_m_fastener : 0.0;
    result->my_d = my_d;
    result->fu_used = f_u;
    result->fh1_d = fh1_d;
    result->fh2_d = fh2_d;
    if (fh1_d < 0.00001) {
        result->fvd = 0.0;
        return 0;
    }
    bool single = true;
    double t2p = t2;
    Shear_Geometry(configuration, d, L, angle, t1, t2, type, &single, &t2p);
    double v[11];
    Timber_Modes(single, fh1_d, fh2_d, t1, t2p, d, my_d, 1.0, 1.0, 0.0, v);
    Pick pick;
    for (int m = single ? 1 : 7; m <= (single ? 6 : 10); ++m) pick.Offer(m, v[m], 1.0);
    double R = pick.value;
    if (type == FT_STAPLE && kind1 == MK_FERMACELL && d > 1.5) R *= 1.5 / d;
    result->governing_design_mode = pick.mode;
    result->check_factor = 1.0;
    result->check_factor_2 = fh2_d / fh1_d;
    result->fvd = R;
    return 0;
}

namespace {

// Modes 16 to 18 of a timber member 1 on a metal plate.
void Plate_Second_Modes(double f, double t, double d, double my, double f115, double rope, double m[3])
{
    const double A = f * t * d;
    m[0] = A - rope;
    m[1] = t > 0.0 && f > 0.0 && d > 0.0 ? A * (std::sqrt(2.0 + 4.0 * my / (f * d * t * t)) - 1.0) : 0.0;
    m[2] = f115 * 2.0 * Sqrt0(my * f * d);
}

double Plate_Second_Embedment(int type, double d, int predrilled, int no_clearance, double alpha, double t, double rho,
                              int kind, int grade, int* code)
{
    const double d_h = (type == FT_BOLT && !no_clearance) ? d + 1.0 : d;
    double f = 0.0;
    *code = Embedment_Pair(&f, nullptr, type, d_h, predrilled, alpha, 0.0, t, 0.0, rho, 0.0, kind, MK_STEEL_PLATE,
                           grade, -1, nullptr, nullptr);
    return f;
}

} // namespace

int Johansen_Plate_Second(int sw, double d, int type, int predrilled, int variant, int thread, int no_clearance,
                          double alpha, double t, double rho, int kind, int grade, double f_u, ConnectionResult* result)
{
    if (!result) return 0;
    int code = 0;
    const double f = Plate_Second_Embedment(type, d, predrilled, no_clearance, alpha, t, rho, kind, grade, &code);
    result->message_code = code;
    if (Embedment_Failed(code, result)) return 0;
    const double my = Plate_Moment(type, d, f_u, variant, thread);
    double m[3];
    Plate_Second_Modes(f, t, d, my, (ActiveNadEc5 && sw != 2) ? 1.15 : 1.0, result->rope_share, m);
    double q[3], g[3];
    for (int i = 0; i < 3; ++i) {
        g[i] = Connection_Gamma_M(16 + i, sw);
        q[i] = m[i] / g[i];
    }
    int i;
    if (q[0] > q[1])
        i = q[1] > q[2] ? 2 : 1;
    else
        i = q[0] > q[2] ? 2 : 0;
    result->gamma_m = g[i];
    result->governing_mode = 16 + i;
    result->fvk = q[i] * g[i];
    result->fvd = q[i];
    result->my_rk = my;
    result->fu_used = f_u;
    result->fh1 = f;
    return 0;
}

int Johansen_Plate_Second_Design(double gamma_m, int, int, double gamma_m_fastener, double kmod, double d, int type,
                                 int predrilled, int variant, int thread, int no_clearance, double alpha, double t,
                                 double rho, int kind, int grade, double f_u, ConnectionResult* result)
{
    if (!result) return 0;
    int code = 0;
    const double f = Plate_Second_Embedment(type, d, predrilled, no_clearance, alpha, t, rho, kind, grade, &code);
    if (Embedment_Failed(code, result)) return 0;
    // Wood screws take the moment of f_u = 400 here, as in the other design-value checks.
    const double my = Wood_Screw(type) ? 60.0 * Pow26(d) : Plate_Moment(type, d, f_u, variant, thread);
    const double f_d = gamma_m > 0.0 ? kmod / gamma_m * f : 0.0;
    const double my_d = gamma_m_fastener > 0.0 ? my / gamma_m_fastener : 0.0;
    double m[3];
    Plate_Second_Modes(f_d, t, d, my_d, 1.0, 0.0, m);
    int mode;
    if (m[2] < m[0] && m[2] < m[1])
        mode = 18;
    else if (m[0] > m[1])
        mode = 17;
    else
        mode = 16;
    result->fvd = std::fmin(m[0], std::fmin(m[1], m[2]));
    result->governing_design_mode = mode;
    result->my_d = my_d;
    result->fu_used = f_u;
    result->fh1_d = f_d;
    return 0;
}

namespace {

struct PlateFirst {
    int type;
    double d, x, f_u, my, my_s, fh2;
    int state, code;
};

// Steps shared by both methods: the fastener, the plate class, f_u, the
// moments and member 2's embedment strength.
PlateFirst Plate_First_Setup(const ConnectionInput& in, const ConnectionResult* result, bool design)
{
    PlateFirst s = {};
    s.type = in.type;
    s.d = in.d;
    const int t = in.type;
    if (Conn_Is_Bolted_Connector(t)) {
        s.type = FT_BOLT;
        s.d = in.d_bolt;
    }
    const bool alu = in.kind1 == MK_ALUMINIUM_PLATE;
    const double dp = alu ? kAluScale * in.d_work : in.d_work;
    const double thick_nail = alu ? 2.8844991406148166 : 2.0;
    if ((s.type >= FT_SPECIAL_NAIL_3A && s.type <= FT_SPECIAL_NAIL_3C && in.t1 >= thick_nail) ||
        s.type == FT_SIMPSON_CNA || s.type == FT_SIMPSON_CSA || in.t1 + 0.0005 >= dp) {
        s.state = 2;
        s.x = 1.0;
    } else if (in.t1 - 0.0005 <= dp / 2.0) {
        s.state = 0;
        s.x = 0.0;
    } else {
        s.state = 1;
        s.x = 2.0 * in.t1 / dp - 1.0;
    }
    const bool connector = Fastener_Is_Connector(t) != 0;
    if (s.type == FT_DOWEL || ((s.type == FT_BOLT || connector) && in.steel_grade >= 0))
        s.f_u = Steel_Guete_Record(in.steel_grade)->f_u;
    else
        s.f_u = in.fu;
    if (Wood_Screw(s.type)) {
        s.my = design ? 60.0 * Pow26(s.d) : 0.15 * s.f_u * Pow26(s.d);
        s.my_s = design ? 120.0 * Pow26(s.d) : 0.3 * s.f_u * Pow26(s.d);
    } else {
        s.my = s.my_s = Plate_Moment(s.type, s.d, s.f_u, in.variant, in.thread_in_shear_plane);
    }
    const double d_h = (s.type == FT_BOLT && !in.no_clearance) ? s.d + 1.0 : s.d;
    s.code = Embedment_Pair(nullptr, &s.fh2, s.type, d_h, in.predrilled, 0.0, in.alpha2 * 0.017453292519944444, 0.0,
                            in.t2, 0.0, result->rho2, MK_STEEL_PLATE, in.kind2, -1, in.grade2, nullptr, nullptr);
    return s;
}

struct PlateChoice {
    int mode;
    double value, quotient;
};

// Modes 11 to 15, 19 to 24 and 27 to 29 and the choice among them.
// method_factor: the 1.15 of EC5; sw: 2 without partial factors.
PlateChoice Plate_First_Modes(const ConnectionInput& in, const ConnectionResult* result, const PlateFirst& s, double f,
                              double my, double my_s, double rope, double f115, int sw)
{
    const double d = s.d;
    auto gamma = [&](int mode) { return Connection_Gamma_M(mode, sw); };
    auto choose = [&](int a, double va, int b, double vb) {
        // b when its quotient is not above a's
        const double qa = va / gamma(a), qb = vb / gamma(b);
        return qb <= qa ? PlateChoice{b, vb, qb} : PlateChoice{a, va, qa};
    };
    PlateChoice thin = {19, 0.0, 0.0}, thick = {19, 0.0, 0.0};
    if (in.shear_planes == 2) {
        const double half = 0.5 * f * in.t2 * d - rope;
        const double m20 = f115 * Sqrt0(2.0 * my * f * d);
        const double m22 = std::sqrt(2.0) * m20;
        thin = choose(19, half, 20, m20);
        thick = choose(s.state == 1 ? 23 : 21, half, s.state == 1 ? 24 : 22, m22);
    } else if (in.shear_planes == 1) {
        double tp = in.t2;
        const bool pin = (s.type >= FT_NAIL && s.type <= FT_SPECIAL_NAIL_3C) ||
                         (s.type >= FT_SPECIAL_NAIL_1D && s.type <= FT_SIMPSON_CSA);
        if (pin && in.t2 > result->penetration) tp = result->penetration;
        const double A = f * tp * d;
        // Thin plate, single shear: 0.4 f_h t d after EN 1995-1-1 (8.9 a) under an annex.
        const double m11 = (ActiveNadEc5 ? 0.4 : std::sqrt(2.0) - 1.0) * A - rope;
        const double m12 = f115 * Sqrt0(2.0 * my * f * d);
        const double m13 = A - rope;
        const double m14 =
            (tp > 0.0 && f > 0.0 && d > 0.0) ? A * (std::sqrt(2.0 + 4.0 * my_s / (f * d * tp * tp)) - 1.0) : 0.0;
        double m15 = 2.0 * Sqrt0(my * f * d);
        if (Wood_Screw(s.type)) {
            // The smooth shank in the timber carries its own, larger moment.
            const double l_s = in.length - in.t1 - in.thread_length;
            const double fd = f * d;
            double c = 2.0 * Sqrt0(my_s * fd);
            const double c2 = Sqrt0(2.0 * (my_s + my) * fd);
            if (fd > 0.0 && l_s <= c2 / fd) c = std::fmin(c, c2);
            c = std::fmin(c, 2.0 * Sqrt0(my * fd) + fd * l_s);
            m15 = c;
        }
        m15 *= f115;
        thin = choose(11, m11, 12, m12);
        const int base = s.state == 1 ? 27 : 13;
        thick = choose(base, m13, base + 1, m14);
        const double q15 = m15 / gamma(base + 2);
        if (q15 < thick.quotient) thick = {base + 2, m15, q15};
    }
    if (s.state == 0) return thin;
    if (s.state == 2) return thick;
    return {thick.mode, (1.0 - s.x) * thin.value + s.x * thick.value,
            (1.0 - s.x) * thin.quotient + s.x * thick.quotient};
}

} // namespace

int Johansen_Plate_First(ConnectionInput input, ConnectionResult* result)
{
    if (!result) return 0;
    const PlateFirst s = Plate_First_Setup(input, result, false);
    result->message_code = s.code;
    if (Embedment_Failed(s.code, result)) return 0;
    const int sw = input.method;
    const double f115 = (ActiveNadEc5 && sw != 2) ? 1.15 : 1.0;
    const PlateChoice c = Plate_First_Modes(input, result, s, s.fh2, s.my, s.my_s, result->rope_share, f115, sw);
    result->fvk = c.value;
    result->fvd = c.quotient;
    result->gamma_m = Connection_Gamma_M(c.mode, sw);
    result->governing_mode = c.mode;
    result->plate_state = s.state;
    result->my_rk = s.my;
    result->fu_used = s.f_u;
    result->fh2 = s.fh2;
    return 0;
}

int Johansen_Plate_First_Design(ConnectionInput input, ConnectionResult* result)
{
    if (!result) return 0;
    const PlateFirst s = Plate_First_Setup(input, result, true);
    if (Embedment_Failed(s.code, result)) return 0;
    const double g = input.gamma_m_fastener;
    const double my_d = g > 0.0 ? s.my / g : 0.0;
    const double my_s_d = g > 0.0 ? s.my_s / g : 0.0;
    const double fh2_d = input.gamma_m2 > 0.0 ? result->kmod2 / input.gamma_m2 * s.fh2 : 0.0;
    const PlateChoice c = Plate_First_Modes(input, result, s, fh2_d, my_d, my_s_d, 0.0, 1.0, 2);
    result->fvd = c.value;
    result->governing_design_mode = c.mode;
    result->plate_state = s.state;
    result->my_d = my_d;
    result->fu_used = s.f_u;
    result->fh2_d = fh2_d;
    return 0;
}
