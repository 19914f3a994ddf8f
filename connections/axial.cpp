// Axial capacity of nails, staples, screws and bolts, and the rope effect.
#include "connections/axial.h"

#include <cmath>

#include "connections/connmsg.h"
#include "connections/embedment.h"
#include "connections/withdrawal.h"
#include "connections/yieldmoment.h"
#include "materials/fastcap.h"
#include "materials/matfactors.h"
#include "materials/matkind.h"
#include "materials/stguete.h"
#include "nad/nadec5.h"

namespace {

const double kRad = 0.017453292519944444;
const double kQuarterPi = 0.7853981633975;

struct Band {
    double from, value;
};

template <size_t N> double Lookup(const Band (&table)[N], double d, double below)
{
    for (const Band& b : table)
        if (d >= b.from) return b.value;
    return below;
}

// Tensile capacities of the screw products [N].
double Table_A(double d, int variant)
{
    static const Band kPlain[] = {{13.9, 62000}, {11.9, 45000}, {9.9, 33000}, {7.9, 22000}, {6.9, 15000},
                                  {5.9, 12500},  {4.9, 7900},   {4.4, 5300},  {3.9, 5000},  {3.4, 3000}};
    return variant ? Tensile_Capacity_Eta_Table_4(d) : Lookup(kPlain, d, 2800.0);
}

double Table_B(double d) { return Tensile_Capacity_Eta_Table_1(d); }

bool Metal(int kind) { return Conn_Is_Metal(kind) != 0; }
bool Panel(int kind) { return Conn_Is_Panel(kind) != 0; }
bool Wood_Screw(int type) { return type >= FT_SCREW_1A && type <= FT_SCREW_3C; }
bool Annex_Set() { return ActiveNadEc5 && ActiveNadEc5->na_de != 0; }
bool Annex_Number_Zero() { return ActiveNadEc5 && ActiveNadEc5->na_de == 0; }

double Pw(double x, double e) { return x > 0.0 ? std::pow(x, e) : 0.0; }

double Bolt_Tension(const ConnectionInput& in, double d)
{
    if (in.steel_grade >= 0) return 0.8 * Steel_Guete_Record(in.steel_grade)->f_u * kQuarterPi * d * d;
    return in.fu * kQuarterPi * d * d;
}

double Refuse(ConnectionResult* r, int code)
{
    if (r) r->message_code = code;
    return 0.0;
}

double Design_Value(const ConnectionInput& in, const ConnectionResult* r, double F)
{
    const double g = std::fmax(in.gamma_m1, in.gamma_m2);
    return g > 0.0 ? std::sqrt(r->kmod1 * r->kmod2) * F / g : 0.0;
}

// Table Q of the ETA-12/0114 products by d.
double Table_Q(double d) { return Withdrawal_Param_Product_Din(d); }

} // namespace

double Penetration_Factor(double d, double t, int short_rule)
{
    if (d <= 0.0) return 0.0;
    if (t > 14.0 * d) return 1.0;
    if (t >= 10.0 * d) return 0.85 + 0.15 * (t - 10.0 * d) / (4.0 * d);
    if (t >= 7.0 * d) return 0.7 + 0.15 * (t - 7.0 * d) / (3.0 * d);
    if (short_rule) return t >= 4.0 * d ? 0.5 + 0.2 * (t - 4.0 * d) / (3.0 * d) : 0.5 * t / (4.0 * d);
    return 0.7 * t / (7.0 * d);
}

namespace {

// What the DIN 1052 capacity steps share.
struct DinAxial {
    double d, T, p, s, k_alpha, rho1, rho2, h;
    bool metal1;
};

// The value of one DIN 1052 capacity step.
struct DinValue {
    double F = 0.0, f2 = 0.0;
    bool steel_governs = false;
    bool nothing = false; // no capacity, and the result is left as it is
};

// The rules under which a fastener carries no axial load at all: the code of
// the first one it breaks, or 0. A nail or staple driven deeper than 20 d
// counts with 20 d (*p cut, *note set).
int Din_Refusal(const ConnectionInput& in, double d, double* p, int* note)
{
    const int type = in.type;
    const bool special = Conn_Is_Special_Nail(type) != 0;
    if (ActiveNadEc5) {
        if (Wood_Screw(type)) {
            if (*p < 6.0 * d) return CONN_MSG_SCREW_PENETRATION_6D;
            if (in.t1 < 12.0 * d && !Metal(in.kind1)) return CONN_MSG_SCREW_MEMBER_1_BELOW_12D;
            if (in.t2 < 12.0 * d && !Metal(in.kind2)) return CONN_MSG_SCREW_MEMBER_2_BELOW_12D;
        }
        return 0;
    }
    if ((type == FT_NAIL || special || type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) && in.predrilled)
        return CONN_MSG_PREDRILLED_NAIL_NO_WITHDRAWAL_HINT;
    if (type == FT_STAPLE) {
        if (!in.resin_coated) return CONN_MSG_STAPLE_NOT_RESIN_COATED;
        if (*p < 12.0 * d) return CONN_MSG_NAIL_PENETRATION_12D;
        if (*p > 20.0 * d) {
            *note = CONN_MSG_PENETRATION_CUT_TO_20D;
            *p = 20.0 * d;
        }
    }
    if (type == FT_NAIL || type == FT_SPECIAL_NAIL_1A || type == FT_SPECIAL_NAIL_1B || type == FT_SPECIAL_NAIL_1C) {
        if (*p < 12.0 * d) return CONN_MSG_NAIL_PENETRATION_12D;
        if (type == FT_NAIL && *p > 20.0 * d) {
            *note = CONN_MSG_PENETRATION_CUT_TO_20D;
            *p = 20.0 * d;
        }
    }
    if (type >= FT_SPECIAL_NAIL_2A && type <= FT_SPECIAL_NAIL_3C && *p < 8.0 * d)
        return CONN_MSG_SPECIAL_NAIL_PENETRATION_8D;
    return 0;
}

// Nails, special nails, staples and the connector nails and screws:
// withdrawal against head pull-through; a panel of member 1 limits rho_1.
DinValue Din_Nail_Staple(const ConnectionInput& in, DinAxial& g, ConnectionResult* r)
{
    const int type = in.type;
    const double d = g.d;
    DinValue v;
    g.T = std::fmin(g.T, g.p);
    const double T = g.T;
    const double f1 = Withdrawal_Param_Nail(type, in.moisture_at_driving, in.predrilled, in.core_hole, g.rho2);
    const double F1 = (type == FT_STAPLE ? 2.0 : 1.0) * f1 * d * T;
    const double rho2 = g.rho2;
    if (type == FT_SIMPSON_CNA && T > 0.0) {
        const double Fc = d * T *
                          std::fmin((10.92 - 0.0158 * d - 0.0968 * T) * 9.765625e-06 * rho2 * rho2,
                                    0.0175 * rho2 * (1.5 * d / T + 1.0));
        if ((d < 3.2 && Fc > 4500) || (Fc > 6500 && d < 3.8) || (Fc > 7500 && d < 4.1) || Fc > 17000)
            v.steel_governs = true;
    }
    if (type == FT_SIMPSON_CSA) {
        if (d >= 4.1)
            v.steel_governs = 15.0 * d * T > 4900;
        else
            v.steel_governs = 13.8 * d * T > 3500;
    }
    const double width = type == FT_STAPLE ? g.h * d : g.h * g.h;
    if (in.kind1 == MK_OSB || in.kind1 == MK_PLYWOOD || in.kind1 == MK_PARTICLEBOARD) {
        if (in.t1 >= 20.0) {
            if (g.rho1 > 380.0) {
                g.rho1 = 380.0;
                if (r) r->rho1 = 380.0;
            }
            v.f2 = Head_Pull_Through_Nail(type, in.head_rule, g.rho1);
        } else if (in.t1 >= 12.0) {
            v.f2 = 8.0;
        } else {
            v.f2 = width > 0.0 ? 400.0 / width : 0.0;
        }
    } else if (in.kind1 == MK_FERMACELL) {
        v.f2 = 15.0;
    } else {
        v.f2 = Head_Pull_Through_Nail(type, in.head_rule, g.rho1);
    }
    const double F2 = v.f2 * width;
    v.F = g.metal1 ? F1 : std::fmin(F1, F2);
    return v;
}

DinValue Din_Wood_Screw(const ConnectionInput& in, DinAxial& g)
{
    DinValue v;
    if (std::fabs(g.k_alpha) < 1e-5) {
        v.nothing = true;
        return v;
    }
    const int type = in.type;
    const double d = g.d;
    g.T = std::fmin(g.T, g.p);
    const double F1 = Withdrawal_Param_Screw(type, in.predrilled, 0, g.rho2, d) * d * g.T / g.k_alpha;
    v.f2 = Head_Pull_Through_Screw(type, in.kind1, g.rho1, in.t1, g.h, d < in.washer_diameter ? 1 : 0);
    v.F = g.metal1 ? F1 : std::fmin(F1, g.h * g.h * v.f2);
    return v;
}

// ASSY screws after their German approval: withdrawal in member 2 against
// the head or the thread in member 1, and the tensile capacity.
DinValue Din_Assy(const ConnectionInput& in, DinAxial& g, ConnectionResult* r)
{
    const int type = in.type;
    const double d = g.d, s = g.s;
    DinValue v;
    const double Ft = Table_A(d, in.variant);
    double hh = type == FT_ASSY_VG_CYLINDER ? std::fmax(in.washer_diameter, 0.0) : in.d_head;
    hh = std::fmin(hh, ActiveNadEc5 ? 32.0 : 35.0);
    if (std::fabs(g.k_alpha) < 1e-5) {
        v.nothing = true;
        return v;
    }
    const double F1 =
        s > 0.0 ? (g.p / s) * d * Withdrawal_Param_Screw(type, in.predrilled, 0, g.rho2, d) / g.k_alpha : 0.0;
    if (Panel(in.kind1)) {
        g.rho1 = 380.0;
        if (r) r->rho1 = 380.0;
    }
    v.F = F1;
    if (!g.metal1) {
        const double F1a = s > 0.0 ? (std::fmin(in.t1, g.T) / s) * d *
                                         Withdrawal_Param_Screw(type, in.predrilled, 0, g.rho1, d) / g.k_alpha
                                   : 0.0;
        double F2 = std::fmax(F1a, 80e-6 * g.rho1 * g.rho1 * hh * hh);
        if (Panel(in.kind1) && in.t1 >= 12.0 && in.t1 <= 20.0) F2 = std::fmin(F2, 8.0 * hh * hh);
        v.F = std::fmin(F1, F2);
    }
    if (Ft < v.F) {
        v.F = Ft;
        v.steel_governs = true;
    }
    if (!g.metal1 && in.t1 < 1.2 * d) v.F = 0.0;
    return v;
}

// SPAX screws after their German approval.
DinValue Din_Spax(const ConnectionInput& in, const DinAxial& g)
{
    const int type = in.type;
    const double d = g.d, s = g.s, T = g.T;
    DinValue v;
    const double Ft = in.variant ? Table_B(d) : Tensile_Capacity_Eta_Table_2(d);
    if (std::fabs(g.k_alpha) < 1e-5) {
        v.nothing = true;
        return v;
    }
    double fh = (Panel(in.kind1) && in.t1 >= 12.0 && in.t1 <= 20.0) ? 8.0 : 10.0;
    if (type == FT_SPAX_CSK_FULL && ActiveNadEc5) fh = 0.0;
    const double head = std::fmin(g.h, 35.0);
    double F1, F2;
    if (type != FT_SPAX_CSK_FULL) {
        F1 = T * d * Withdrawal_Param_Screw(type, 0, 0, g.rho2, d) / g.k_alpha;
        F2 = head * head * fh;
    } else {
        F1 = (s > 0.0 && !Annex_Number_Zero()) ? (g.p / s) * d * Table_Q(d) / g.k_alpha : 0.0;
        const double F1a = s > 0.0 ? (std::fmin(T, in.t1) / s) * d *
                                         Withdrawal_Param_Screw(FT_SPAX_CSK_FULL, 0, 0, g.rho1, d) / g.k_alpha
                                   : 0.0;
        F2 = std::fmax(F1a, head * head * fh);
    }
    v.F = g.metal1 ? F1 : std::fmin(F1, F2);
    if (Ft < v.F) {
        v.F = Ft;
        v.steel_governs = true;
    }
    if (!g.metal1 && in.t1 < 1.2 * d) v.F = 0.0;
    return v;
}

// Bolts and the bolts of connectors: the washer on the timber against the
// bolt's tension.
DinValue Din_Bolt(const ConnectionInput& in, const DinAxial& g, double fc)
{
    DinValue v;
    const double D = in.washer_diameter;
    if (in.type == FT_BOLT) {
        const double d = g.d;
        double A = Washer_Bearing_Area(d, D);
        if (A <= 0.0) A = D * std::fmin(D + 60.0 - d, 4.0 * d);
        const double Fw = fc * A, Ft = Bolt_Tension(in, d);
        v.F = std::fmin(Fw, Ft);
        if (g.metal1 && Fw <= Ft && in.bolt_washer_side == 0) v.F = Ft;
    } else {
        double A = Washer_Bearing_Area(in.d_bolt, D);
        if (A <= 0.0) A = D * std::fmin(D + 60.0 - in.d_bolt, 4.0 * in.d_bolt);
        v.F = fc * A;
    }
    return v;
}

// The screwing-angle and crown-angle rules: F set to 0 or 70 %, *note set.
void Din_Angle_Rules(const ConnectionInput& in, double* F, int* note)
{
    const int type = in.type;
    if (in.axis_angle >= 30.0) {
        if (type == FT_STAPLE && in.moisture_at_driving > 20.0) *note = CONN_MSG_STAPLE_WITHDRAWAL_THIRD;
        if (type == FT_STAPLE && std::fmin(in.crown_angle1, in.crown_angle2) < 30.0) {
            *note = CONN_MSG_STAPLE_AXIAL_70_PERCENT;
            *F = std::fmax(0.7 * *F, 0.0);
        }
    } else if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL ||
               type == FT_SPAX_USER) {
        *note = CONN_MSG_SPAX_ANGLE_BELOW_30;
        *F = 0.0;
    } else if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK || type == FT_ASSY_USER) {
        *note = CONN_MSG_ASSY_ANGLE_BELOW_30;
        *F = 0.0;
    }
}

} // namespace

double Axial_Capacity_Nail_Screw(ConnectionInput in, double p, double fc, ConnectionResult* r)
{
    const int type = in.type;
    const double a = in.axis_angle * kRad;
    const double s = std::sin(a), c = std::cos(a);
    const bool special = Conn_Is_Special_Nail(type) != 0;
    DinAxial g = {
        in.d,      in.thread_length, p, s, s * s + 1.3333333333333333 * c * c, r ? r->rho1 : 0.0, r ? r->rho2 : 0.0,
        in.d_head, Metal(in.kind1)};
    if (type == FT_NAIL)
        g.T = p;
    else if ((type >= FT_SCREW_1A && type <= FT_SPAX_WASHER_PARTIAL) || special || type == FT_SIMPSON_CNA ||
             type == FT_SIMPSON_CSA)
        g.T = s > 0.0 ? std::fmin(g.T, p / s) : g.T;
    if (!ActiveNadEc5 && Conn_Is_Bolted_Connector(type)) g.d = in.d_bolt;
    int note = 0;
    if (const int code = Din_Refusal(in, g.d, &g.p, &note)) return Refuse(r, code);

    DinValue v;
    if (type == FT_NAIL || special || type == FT_STAPLE || type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA)
        v = Din_Nail_Staple(in, g, r);
    else if (Wood_Screw(type))
        v = Din_Wood_Screw(in, g);
    else if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK)
        v = Din_Assy(in, g, r);
    else if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL)
        v = Din_Spax(in, g);
    else if (type == FT_BOLT || Conn_Is_Bolted_Connector(type))
        v = Din_Bolt(in, g, fc);
    if (v.nothing) return 0.0;

    double F = v.F;
    Din_Angle_Rules(in, &F, &note);
    F = std::fmax(F, 0.0);
    if (r) {
        if (note) r->message_code = note;
        r->faxk = F;
        r->f_head = v.f2;
        r->f_withdrawal =
            (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA)
                ? v.f2
                : Withdrawal_Param_Nail(type, in.moisture_at_driving, in.predrilled, in.core_hole, g.rho2);
        r->faxd = v.steel_governs ? 0.8 * F : Design_Value(in, r, F);
    }
    return F;
}

namespace {

double Density(int kind, int grade, double t, const UserMaterial* user)
{
    double rho = 0.0;
    Mat_Rho_k(kind, grade, t, &rho, user);
    return rho;
}

// Buckling of a self-tapping screw in compression against its withdrawal,
// with the withdrawal parameter f of the product's approval in place of the
// one the buckling check takes by diameter.
void Screw_Buckling(const ConnectionInput& in, double p, double f, ConnectionResult* r)
{
    Screw_Compression_Buckling(in, p, r);
    ScrewBucklingResult& b = r->buckling;
    if (b.f_ax_k <= 0.0) return;
    const double ratio = f / b.f_ax_k;
    b.f_ax_k = f;
    b.f_ax_d *= ratio;
    b.R_ax_k *= ratio;
    b.R_ax_d *= ratio;
    b.R_c_k = std::fmin(b.F_ki_k, b.R_ax_k);
    b.R_c_d = std::fmin(b.F_ki_d, b.R_ax_d);
    b.buckling_governs_k = b.F_ki_k <= b.R_ax_k ? 1 : 0;
    b.buckling_governs_d = b.F_ki_d <= b.R_ax_d ? 1 : 0;
}

// Thread lengths of a user-defined screw product: l in member 2, l_1 in member 1.
void User_Thread(const UserScrewProduct& prod, double p, double s, double t1, double* l, double* l1)
{
    const double T = prod.thread_length, Th = prod.head_thread_length;
    const double ps = s > 0.0 ? p / s : T;
    if (prod.thread_layout == 1 || prod.thread_layout == 3) {
        *l1 = std::fmin(Th, s > 0.0 ? t1 / s : Th);
        const double e = std::fmax(Th - (s > 0.0 ? t1 / s : Th), 0.0);
        if (ps < T) {
            *l1 += T - ps;
            *l = ps;
        } else {
            *l = T;
        }
        *l += e;
    } else if (T > ps) {
        *l = ps;
        *l1 = T - ps;
    } else {
        *l = T;
        *l1 = 0.0;
    }
}

double Table_P(double d) { return Withdrawal_Param_Product_Ec5(d); }

} // namespace

namespace {

// What the capacity steps under an annex share.
struct EtaAxial {
    double p, fc, d, di, h, w, L, t1, t2, a, s, c, rho1, rho2, rcap, ps;
    bool metal1;
};

// The values of one capacity step: withdrawal F1 in member 2, head or thread
// F2 in member 1, the thread in member 1, the thread lengths in member 2 and
// member 1, the head and withdrawal parameters and k_d of wood screws.
struct EtaValue {
    double F1 = 0.0, F2 = 0.0, Ft1 = 0.0, l = 0.0, l1 = 0.0, fh = 0.0, f = 0.0, kd = 0.0;
    bool fixed = false; // the types without a capacity here: F is 0
};

bool Solid_Kind(int k)
{
    return (k >= MK_SOFTWOOD && k <= MK_GLULAM_DIN) || k == MK_BEECH_GL75 || k == MK_UNLISTED_SOFTWOOD;
}

// The rules under which a fastener carries no axial load at all: the code of
// the first one it breaks, or 0. *silent: a staple in a thin panel, refused
// without a code.
int Eta_Refusal(const ConnectionInput& in, double p, bool* silent)
{
    const int type = in.type;
    const double d = in.d, t1 = in.t1, t2 = in.t2, alpha_deg = in.axis_angle;
    const bool metal1 = Metal(in.kind1);
    *silent = false;
    if (type == FT_NAIL && in.predrilled && Annex_Set()) return CONN_MSG_PREDRILLED_NAIL_NO_WITHDRAWAL;
    if (Wood_Screw(type) && p < 6.0 * d) return CONN_MSG_SCREW_PENETRATION_6D;
    if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL ||
        type == FT_SPAX_USER) {
        if ((in.kind2 == MK_PLYWOOD && t2 < 6) || (in.kind1 == MK_PLYWOOD && t1 < 6))
            return CONN_MSG_SPAX_PANEL_BELOW_6MM;
        if ((Panel(in.kind2) && t2 < 8) || (Panel(in.kind1) && t1 < 8)) return CONN_MSG_SPAX_PANEL_BELOW_8MM;
        if (!metal1 && t1 < 1.2 * d) return CONN_MSG_MEMBER_1_BELOW_1_2D;
        if (t2 < 1.2 * d) return CONN_MSG_MEMBER_2_BELOW_1_2D;
        if (alpha_deg < 15.0 && (Solid_Kind(in.kind1) || Solid_Kind(in.kind2))) return CONN_MSG_SPAX_ANGLE_BELOW_15;
        if (alpha_deg < 30.0) return CONN_MSG_SPAX_ANGLE_BELOW_30;
    }
    if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK || type == FT_ASSY_USER) {
        if ((in.kind1 == MK_PLYWOOD || in.kind2 == MK_PLYWOOD) && (t1 < 6 || t2 < 6))
            return CONN_MSG_ASSY_PANEL_BELOW_6MM;
        if ((Panel(in.kind1) || Panel(in.kind2)) && (t1 < 8 || t2 < 8)) return CONN_MSG_ASSY_PANEL_BELOW_8MM;
        if (!metal1 && t1 < 1.2 * d) return CONN_MSG_MEMBER_1_BELOW_1_2D;
        if (t2 < 1.2 * d) return CONN_MSG_MEMBER_2_BELOW_1_2D;
        if (alpha_deg < 30.0) return CONN_MSG_ASSY_ANGLE_BELOW_30;
    }
    if (type == FT_STAPLE && Annex_Set()) {
        if (p < 12.0 * d) return CONN_MSG_STAPLE_PENETRATION_12D;
        const int k1 = in.kind1;
        if (((k1 == MK_PLYWOOD || k1 == MK_FIBREBOARD || k1 == MK_KERTO_S || k1 == MK_KERTO_Q) && t1 < 6) ||
            (k1 == MK_OSB && t1 < 8)) {
            *silent = true;
            return 0;
        }
    }
    if (type == FT_NAIL && p < 8.0 * d) return CONN_MSG_SMOOTH_NAIL_PENETRATION_8D;
    return 0;
}

EtaValue Eta_Nail(const ConnectionInput& in, const EtaAxial& e)
{
    EtaValue v;
    const double d = e.d, p = e.p;
    v.f = e.rcap * e.rcap * (ActiveNadEc5 ? 2e-5 : 1.8e-5);
    v.F1 = v.f * d * p;
    v.fh = Head_Pull_Through_Nail(FT_NAIL, in.head_rule, e.rho1);
    v.F2 = v.fh * e.h * e.h;
    if (p < 12.0 * d) {
        const double k = p / (4.0 * d) - 2.0;
        v.F1 *= k;
        v.F2 *= k;
    }
    v.l = p;
    return v;
}

EtaValue Eta_Special_Nail(const ConnectionInput& in, const EtaAxial& e)
{
    const int type = in.type;
    const double d = e.d, h = e.h;
    EtaValue v;
    v.l = std::fmin(e.p, e.L);
    v.f = Withdrawal_Param_Nail(type, in.moisture_at_driving, in.predrilled, in.core_hole, e.rho2);
    v.F1 = v.f * d * v.l;
    if (v.l < 8.0 * d) v.F1 *= std::fmax(v.l / (2.0 * d) - 3.0, 0.0);
    const int k1 = in.kind1;
    if (k1 == MK_OSB || k1 == MK_PLYWOOD || k1 == MK_PARTICLEBOARD || k1 == MK_KERTO_S || k1 == MK_KERTO_Q) {
        if (e.t1 <= 11.99) {
            v.F2 = 400.0;
            v.fh = h > 0.0 ? 400.0 / (h * h) : 0.0;
            return v;
        }
        if (e.t1 <= 19.99)
            v.fh = 8.0;
        else if (type >= FT_SPECIAL_NAIL_1D)
            v.fh = !ActiveNadEc5 ? 14.44 : Annex_Number_Zero() ? 0.0 : in.head_rule ? 9.626666666666667 : 14.44;
        else
            v.fh = Head_Pull_Through_Nail(type, in.head_rule, 380.0);
    } else {
        v.fh = Head_Pull_Through_Nail(type, in.head_rule, e.rho1);
    }
    v.F2 = v.fh * h * h;
    return v;
}

EtaValue Eta_Staple(const ConnectionInput& in, const EtaAxial& e)
{
    const double d = e.d, L = e.L;
    EtaValue v;
    v.l = L;
    if (!Annex_Set()) {
        v.fixed = true;
        return v;
    }
    const double ls = std::fmin(20.0 * d, e.p);
    if (in.resin_coated && in.crown_angle1 > 29.9 && in.crown_angle2 > 29.9) {
        v.l = std::fmin(L, ls);
        v.f = 4e-5 * e.rcap * e.rcap;
        v.F1 = 2.0 * v.f * d * v.l;
        if (v.l < 8.0 * d) v.F1 *= std::fmax(v.l / (2.0 * d) - 3.0, 0.0);
    } else {
        v.l = ls;
        v.f = Withdrawal_Param_Nail(FT_STAPLE, in.moisture_at_driving, 0, 0, e.rho2);
        v.F1 = 2.0 * v.f * d * v.l;
    }
    v.fh = Head_Pull_Through_Nail(FT_STAPLE, in.head_rule, e.rho1);
    v.F2 = v.fh * e.h * d;
    if (in.crown_angle1 < 30.0 || in.crown_angle2 < 30.0) {
        v.F1 *= 0.7;
        v.F2 *= 0.7;
    }
    return v;
}

EtaValue Eta_Wood_Screw(const ConnectionInput& in, const EtaAxial& e)
{
    const double d = e.d, h = e.h, w = e.w, s = e.s, c = e.c;
    EtaValue v;
    v.l = s > 0.0 ? std::fmin(e.ps, e.L) : e.L;
    const double k_alpha = s * s + 1.2 * c * c;
    v.f = (d > 0.0 && v.l > 0.0) ? 0.52 * Pw(d, -0.5) * Pw(v.l, -0.1) * Pw(e.rho2, 0.8) : 0.0;
    const double ratio = d > 0.0 ? e.di / d : 0.0;
    const bool reduce = ratio >= 0.6 && ratio <= 0.751 && d > 5.9 && d < 12.1;
    v.kd = reduce ? std::fmin(d / 8.0, 1.0) : 0.0;
    v.F1 = v.f * d * v.l * (reduce ? v.kd : 1.0) / k_alpha;
    if (w <= h) {
        v.fh = Head_Pull_Through_Screw(in.type, in.kind1, e.rho1, e.t1, h, d < w ? 1 : 0);
        v.F2 = v.fh * h * h;
    } else {
        v.F2 = 3.0 * e.fc * kQuarterPi * (w * w - (d + 1.0) * (d + 1.0));
    }
    return v;
}

// SPAX screws after ETA-12/0114, the user product 44 included.
EtaValue Eta_Spax(const ConnectionInput& in, const EtaAxial& e, ConnectionResult* r)
{
    const int type = in.type;
    const double d = e.d, h = e.h, w = e.w, t1 = e.t1, rho1 = e.rho1, rho2 = e.rho2;
    EtaValue v;
    const double hp = std::fmin(std::fmax(h, w), 32.0);
    const double f_tens = in.variant ? Tensile_Capacity_Eta_Table_1(d) : Tensile_Capacity_Eta_Table_2(d);
    const double k_alpha = e.s * e.s + 1.2 * e.c * e.c;
    if (type == FT_SPAX_USER) {
        User_Thread(in.spax_product, e.p, e.s, t1, &v.l, &v.l1);
        v.f = Table_Q(d);
    } else {
        v.l = std::fmin(e.ps, e.L);
        v.f = Withdrawal_Param_Screw(type, in.predrilled, 0, rho2, d);
    }
    v.F1 = std::fmin(v.f * d * v.l * Pw(rho2 / 350.0, 0.8) / k_alpha, f_tens);
    const double rho_h = Panel(in.kind1) ? std::fmin(rho1, 380.0) : rho1;
    double area = hp * hp;
    if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_CSK_FULL) {
        v.fh = Head_Pull_Through_Screw(type, in.kind1, rho_h, t1, hp, h < w ? 1 : 0);
    } else if (type == FT_SPAX_WASHER_PARTIAL) {
        const double hc = std::fmin(h, 32.0);
        v.fh = Head_Pull_Through_Screw(type, in.kind1, rho_h, t1, hc, h < w ? 1 : 0);
        area = hc * hc;
    } else {
        v.fh = Head_Pull_Through_Product_A(FT_SPAX_USER, in.spax_product.sub_type, hp, e.di, w, t1, in.kind1);
    }
    double Fh = v.fh * area * (t1 >= 3.0 * hp ? 1.3 : 1.0) * Pw(rho_h / 350.0, 0.8);
    if (t1 < 12.0 && Panel(in.kind1)) Fh = std::fmin(Fh, 400.0);
    if (h < 1.8 * e.di) Fh = 0.0;
    if (type == FT_SPAX_CSK_FULL) {
        v.l1 = std::fmax(e.L - e.ps, 0.0);
        v.Ft1 = Withdrawal_Param_Screw(FT_SPAX_CSK_FULL, in.predrilled, 0, rho1, d) * d * v.l1 * Pw(rho1 / 350.0, 0.8) /
                k_alpha;
    } else if (type == FT_SPAX_USER) {
        v.Ft1 = v.f * d * v.l1 * Pw(rho1 / 350.0, 0.8) / k_alpha;
    }
    v.F2 = std::fmax(Fh, v.Ft1);
    if (r) Screw_Compression_Buckling(in, e.p, r);
    return v;
}

// The density a head pulls through in member 1, capped by its kind.
double Assy_Head_Density(int k1, double rho1)
{
    if (k1 == MK_BEECH_GL75 || k1 == MK_BEECH_PANEL) return std::fmin(rho1, 730.0);
    if (k1 == MK_HARDWOOD || k1 == MK_KERTO_S || k1 == MK_KERTO_Q || k1 == MK_STEICO_LVL) return std::fmin(rho1, 590.0);
    if ((k1 >= MK_STEICO_JOIST && k1 <= MK_UNLISTED_SOFTWOOD) || (k1 >= MK_OSB && k1 <= MK_FERMACELL))
        return std::fmin(rho1, 380.0);
    return rho1;
}

// ASSY screws after ETA-11/0190, the user product 43 included.
EtaValue Eta_Assy(const ConnectionInput& in, const EtaAxial& e, ConnectionResult* r)
{
    const int type = in.type;
    const double d = e.d, h = e.h, w = e.w, s = e.s;
    EtaValue v;
    v.f = Table_P(d);
    const double k_ax = in.axis_angle >= 45.0 ? 1.0 : 0.3 + 0.891267681314555 * e.a;
    double f_tens;
    if (in.variant == 0) {
        const int layout = type == FT_ASSY_USER ? (in.assy_product.thread_layout == 2 ? 1 : 0) : 1;
        f_tens = Tensile_Capacity_Eta_Table_3(d, layout);
    } else {
        f_tens = Tensile_Capacity_Eta_Table_4(d);
    }
    if (type == FT_ASSY_USER) {
        User_Thread(in.assy_product, e.p, s, e.t1, &v.l, &v.l1);
    } else {
        v.l = std::fmin(e.ps, e.L);
        v.l1 = s > 0.0 ? std::fmax((e.t1 + e.L - in.length) / s, 0.0) : 0.0;
    }
    v.F1 = std::fmin(v.f * d * k_ax * v.l * Pw(e.rho2 / 350.0, 0.8), f_tens);
    v.Ft1 = v.f * d * k_ax * v.l1 * Pw(e.rho1 / 350.0, 0.8);
    const double hp = std::fmin(std::fmax(h, w), 32.0);
    v.fh = Head_Pull_Through_Param_A(hp, w, e.di, e.t1, in.kind1);
    double Fh = v.fh * hp * hp * Pw(Assy_Head_Density(in.kind1, e.rho1) / 350.0, 0.8);
    if (e.t1 < 12.0 && Panel(in.kind1)) Fh = std::fmin(Fh, 400.0);
    if (h < 1.8 * e.di) Fh = 0.0;
    v.F2 = std::fmax(Fh, v.Ft1);
    if (r) Screw_Buckling(in, e.p, v.f, r);
    return v;
}

EtaValue Eta_Connector_Nail(const ConnectionInput& in, const EtaAxial& e)
{
    const double d = e.d, rho2 = e.rho2;
    EtaValue v;
    const double l = std::fmin(e.L, e.p);
    v.l = l;
    if (in.type == FT_SIMPSON_CNA)
        v.f = (l > 0.0) ? std::fmin(rho2 * rho2 * 9.765625e-06 * (10.92 - 0.0158 * d - 0.0968 * l),
                                    0.0175 * rho2 * (1.5 * d / l + 1.0))
                        : 0.0;
    else
        v.f = d >= 4.1 ? 15.0 : 13.8;
    v.F1 = v.f * d * l;
    v.F2 = 0.0;
    return v;
}

// Bolts: the washer (or the metal plate's share) against the bolt's tension;
// the bolts of connectors: the washer alone.
EtaValue Eta_Bolt(const ConnectionInput& in, const EtaAxial& e)
{
    const double d = e.d, w = e.w;
    EtaValue v;
    if (in.type != FT_BOLT) {
        v.F1 = v.F2 = 2.3561944901925003 * e.fc * (w * w - (1.0 + in.d_bolt) * (1.0 + in.d_bolt));
        return v;
    }
    const double Aw = kQuarterPi * (w * w - (d + 1.0) * (d + 1.0));
    double A = Aw;
    if (e.metal1 || Metal(in.kind2)) {
        const double m = std::fmin(12.0 * e.t1, 4.0 * d);
        const double Am = kQuarterPi * (m * m - (d + 1.0) * (d + 1.0));
        A = in.shear_planes == 1 ? std::fmin(Aw, Am) : Am;
    }
    v.F1 = v.F2 = std::fmin(3.0 * e.fc * A, Bolt_Tension(in, d));
    return v;
}

EtaValue Eta_Capacity(const ConnectionInput& in, const EtaAxial& e, ConnectionResult* r)
{
    const int type = in.type;
    if (type == FT_NAIL) return Eta_Nail(in, e);
    if (Conn_Is_Special_Nail(type)) return Eta_Special_Nail(in, e);
    if (type == FT_STAPLE) return Eta_Staple(in, e);
    if (Wood_Screw(type)) return Eta_Wood_Screw(in, e);
    if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL ||
        type == FT_SPAX_USER)
        return Eta_Spax(in, e, r);
    if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK || type == FT_ASSY_USER)
        return Eta_Assy(in, e, r);
    if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) return Eta_Connector_Nail(in, e);
    if (type == FT_BOLT || Conn_Is_Bolted_Connector(type)) return Eta_Bolt(in, e);
    EtaValue none;
    none.fixed = true;
    return none;
}

} // namespace

double Axial_Capacity_Screw_Eta(ConnectionInput in, double p, double fc, ConnectionResult* r)
{
    const int type = in.type;
    const double a = in.axis_angle * kRad, s = std::sin(a);
    const bool special = Conn_Is_Special_Nail(type) != 0;
    EtaAxial e = {p, fc,          in.d, in.d_inner, in.d_head, in.washer_diameter,    in.thread_length, in.t1, in.t2, a,
                  s, std::cos(a), 0.0,  0.0,        0.0,       s > 0.0 ? p / s : 0.0, Metal(in.kind1)};
    e.rho1 = Density(in.kind1, in.grade1, in.t1, &in.user_material);
    e.rho2 = Density(in.kind2, in.grade2, in.t2, &in.user_material);
    if (type == FT_NAIL || type == FT_STAPLE || special || type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA)
        e.rho2 = r ? r->rho2 : 0.0;
    e.rcap = std::fmin(e.rho2, 500.0);

    bool silent = false;
    if (const int code = Eta_Refusal(in, p, &silent)) return Refuse(r, code);
    if (silent) return 0.0;
    int note = 0;
    if (special && p < 6.0 * in.d) note = CONN_MSG_SPECIAL_NAIL_BELOW_6D;

    const bool screw = Wood_Screw(type) || Conn_Is_Screw_Product(type);
    const double g = (screw && in.group_effect && in.n_fasteners > 0) ? std::pow((double)in.n_fasteners, -0.1) : 1.0;
    const EtaValue v = Eta_Capacity(in, e, r);
    double F = v.fixed ? 0.0 : (e.metal1 ? v.F1 : std::fmin(v.F1, v.F2));
    F = std::fmax(F * g, 0.0);
    if (type == FT_STAPLE && in.moisture_at_driving > 20.0) note = CONN_MSG_STAPLE_WITHDRAWAL_THIRD;

    if (r) {
        if (note) r->message_code = note;
        r->faxk = r->fax_result = F;
        r->fax_withdrawal = v.F1;
        r->fax_head = e.metal1 ? v.F1 : v.F2;
        r->fax_thread_1 = v.Ft1;
        r->thread_length_1 = v.l1;
        r->thread_length_2 = v.l;
        r->ax_head_param = r->f_head = v.fh;
        r->f_ax_used = v.f;
        r->k_diameter = v.kd;
        r->group_factor = g;
        r->ax_one = 1.0;
        r->ax_flag = 0;
        if (type != FT_SIMPSON_CNA && type != FT_SIMPSON_CSA)
            r->f_withdrawal = Withdrawal_Param_Nail(type, in.moisture_at_driving, in.predrilled, in.core_hole, e.rho2);
        r->rho1 = e.rho1;
        r->rho2 = e.rho2;
        r->faxd = Design_Value(in, r, F);
    }
    return F;
}

double Rope_Effect_Share(ConnectionInput in, double f_ref, double p, double fc, ConnectionResult* r)
{
    const int type = in.type;
    if (!Axial_Load_Allowed(type, in.resin_coated, in.predrilled, in.no_clearance, in.kind1, in.kind2)) return 0.0;
    const bool screw =
        (type >= FT_SCREW_1A && type <= FT_ASSY_VG_COUNTERSUNK) || type == FT_ASSY_USER || type == FT_SPAX_USER;
    double f, F_ax;
    if (ActiveNadEc5) {
        if (type == FT_SIMPSON_CNA) {
            const double share = 0.6 * Axial_Capacity_Screw_Eta(in, p, fc, r);
            if (r) r->rope_share = share;
            return share;
        }
        if (screw)
            f = 1.0;
        else if (type == FT_NAIL || type == FT_STAPLE)
            f = 0.15;
        else if (Conn_Is_Special_Nail(type))
            f = 0.5;
        else if (type == FT_SIMPSON_CSA)
            f = 0.4;
        else if (type == FT_BOLT || Conn_Is_Bolted_Connector(type))
            f = 0.25;
        else
            f = 0.5;
        F_ax = Axial_Capacity_Screw_Eta(in, p, fc, r);
    } else {
        if (screw)
            f = 1.0;
        else if (type == FT_BOLT || Conn_Is_Bolted_Connector(type))
            f = 0.25;
        else
            f = 0.5;
        F_ax = Axial_Capacity_Nail_Screw(in, p, fc, r);
    }
    const double share = std::fmin(f * f_ref, 0.25 * F_ax);
    if (r) r->rope_share = share;
    return share;
}
