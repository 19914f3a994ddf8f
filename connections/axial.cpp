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
bool Bolted_Connector(int t) { return t == 26 || t == 27 || t == 28 || t == 32 || t == 33; }
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

double Axial_Capacity_Nail_Screw(ConnectionInput in, double p, double fc, ConnectionResult* r)
{
    const int type = in.type;
    double d = in.d;
    double T = in.thread_length;
    const double a = in.axis_angle * kRad;
    const double s = std::sin(a), c = std::cos(a);
    const double k_alpha = s * s + 1.3333333333333333 * c * c;
    double rho1 = r ? r->rho1 : 0.0;
    const double rho2 = r ? r->rho2 : 0.0;
    const double h = in.d_head;
    const bool metal1 = Metal(in.kind1);
    const bool special = Conn_Is_Special_Nail(type) != 0;
    bool steel_governs = false;
    int note = 0;

    if (type == FT_NAIL)
        T = p;
    else if ((type >= FT_SCREW_1A && type <= FT_SPAX_WASHER_PARTIAL) || special || type == FT_SIMPSON_CNA ||
             type == FT_SIMPSON_CSA)
        T = s > 0.0 ? std::fmin(T, p / s) : T;

    if (ActiveNadEc5) {
        if (Wood_Screw(type)) {
            if (p < 6.0 * d) return Refuse(r, CONN_MSG_SCREW_PENETRATION_6D);
            if (in.t1 < 12.0 * d && !metal1) return Refuse(r, CONN_MSG_SCREW_MEMBER_1_BELOW_12D);
            if (in.t2 < 12.0 * d && !Metal(in.kind2)) return Refuse(r, CONN_MSG_SCREW_MEMBER_2_BELOW_12D);
        }
    } else {
        if (Bolted_Connector(type)) d = in.d_bolt;
        if ((type == FT_NAIL || special || type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) && in.predrilled)
            return Refuse(r, CONN_MSG_PREDRILLED_NAIL_NO_WITHDRAWAL_HINT);
        if (type == FT_STAPLE) {
            if (!in.resin_coated) return Refuse(r, CONN_MSG_STAPLE_NOT_RESIN_COATED);
            if (p < 12.0 * d) return Refuse(r, CONN_MSG_NAIL_PENETRATION_12D);
            if (p > 20.0 * d) {
                note = 156;
                p = 20.0 * d;
            }
        }
        if (type == FT_NAIL || type == FT_SPECIAL_NAIL_1A || type == FT_SPECIAL_NAIL_1B || type == FT_SPECIAL_NAIL_1C) {
            if (p < 12.0 * d) return Refuse(r, CONN_MSG_NAIL_PENETRATION_12D);
            if (type == FT_NAIL && p > 20.0 * d) {
                note = 156;
                p = 20.0 * d;
            }
        }
        if (type >= FT_SPECIAL_NAIL_2A && type <= FT_SPECIAL_NAIL_3C && p < 8.0 * d)
            return Refuse(r, CONN_MSG_SPECIAL_NAIL_PENETRATION_8D);
    }

    double F = 0.0, f2 = 0.0;
    const bool nail = type == FT_NAIL || special;
    if (nail || type == FT_STAPLE || type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) {
        T = std::fmin(T, p);
        const double f1 = Withdrawal_Param_Nail(type, in.moisture_at_driving, in.predrilled, in.core_hole, rho2);
        const double F1 = (type == FT_STAPLE ? 2.0 : 1.0) * f1 * d * T;
        if (type == FT_SIMPSON_CNA && T > 0.0) {
            const double Fc = d * T * std::fmin((10.92 - 0.0158 * d - 0.0968 * T) * 9.765625e-06 * rho2 * rho2,
                                                0.0175 * rho2 * (1.5 * d / T + 1.0));
            if ((d < 3.2 && Fc > 4500) || (Fc > 6500 && d < 3.8) || (Fc > 7500 && d < 4.1) || Fc > 17000)
                steel_governs = true;
        }
        if (type == FT_SIMPSON_CSA) {
            if (d >= 4.1) steel_governs = 15.0 * d * T > 4900;
            else steel_governs = 13.8 * d * T > 3500;
        }
        const double width = type == FT_STAPLE ? h * d : h * h;
        if (in.kind1 == MK_OSB || in.kind1 == MK_PLYWOOD || in.kind1 == MK_PARTICLEBOARD) {
            if (in.t1 >= 20.0) {
                if (rho1 > 380.0) {
                    rho1 = 380.0;
                    if (r) r->rho1 = 380.0;
                }
                f2 = Head_Pull_Through_Nail(type, in.head_rule, rho1);
            } else if (in.t1 >= 12.0) {
                f2 = 8.0;
            } else {
                f2 = width > 0.0 ? 400.0 / width : 0.0;
            }
        } else if (in.kind1 == MK_FERMACELL) {
            f2 = 15.0;
        } else {
            f2 = Head_Pull_Through_Nail(type, in.head_rule, rho1);
        }
        const double F2 = f2 * width;
        F = metal1 ? F1 : std::fmin(F1, F2);
    } else if (Wood_Screw(type)) {
        if (std::fabs(k_alpha) < 1e-5) return 0.0;
        T = std::fmin(T, p);
        const double F1 = Withdrawal_Param_Screw(type, in.predrilled, 0, rho2, d) * d * T / k_alpha;
        f2 = Head_Pull_Through_Screw(type, in.kind1, rho1, in.t1, h, d < in.washer_diameter ? 1 : 0);
        F = metal1 ? F1 : std::fmin(F1, h * h * f2);
    } else if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK) {
        const double Ft = Table_A(d, in.variant);
        double hh = type == FT_ASSY_VG_CYLINDER ? std::fmax(in.washer_diameter, 0.0) : in.d_head;
        hh = std::fmin(hh, ActiveNadEc5 ? 32.0 : 35.0);
        if (std::fabs(k_alpha) < 1e-5) return 0.0;
        const double F1 = s > 0.0 ? (p / s) * d * Withdrawal_Param_Screw(type, in.predrilled, 0, rho2, d) / k_alpha : 0.0;
        if (Panel(in.kind1)) {
            rho1 = 380.0;
            if (r) r->rho1 = 380.0;
        }
        F = F1;
        if (!metal1) {
            const double F1a =
                s > 0.0 ? (std::fmin(in.t1, T) / s) * d * Withdrawal_Param_Screw(type, in.predrilled, 0, rho1, d) / k_alpha
                        : 0.0;
            double F2 = std::fmax(F1a, 80e-6 * rho1 * rho1 * hh * hh);
            if (Panel(in.kind1) && in.t1 >= 12.0 && in.t1 <= 20.0) F2 = std::fmin(F2, 8.0 * hh * hh);
            F = std::fmin(F1, F2);
        }
        if (Ft < F) {
            F = Ft;
            steel_governs = true;
        }
        if (!metal1 && in.t1 < 1.2 * d) F = 0.0;
    } else if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL) {
        const double Ft = in.variant ? Table_B(d) : Tensile_Capacity_Eta_Table_2(d);
        if (std::fabs(k_alpha) < 1e-5) return 0.0;
        double fh = (Panel(in.kind1) && in.t1 >= 12.0 && in.t1 <= 20.0) ? 8.0 : 10.0;
        if (type == FT_SPAX_CSK_FULL && ActiveNadEc5) fh = 0.0;
        const double head = std::fmin(h, 35.0);
        double F1, F2;
        if (type != FT_SPAX_CSK_FULL) {
            F1 = T * d * Withdrawal_Param_Screw(type, 0, 0, rho2, d) / k_alpha;
            F2 = head * head * fh;
        } else {
            F1 = (s > 0.0 && !Annex_Number_Zero()) ? (p / s) * d * Table_Q(d) / k_alpha : 0.0;
            const double F1a =
                s > 0.0 ? (std::fmin(T, in.t1) / s) * d * Withdrawal_Param_Screw(13, 0, 0, rho1, d) / k_alpha : 0.0;
            F2 = std::fmax(F1a, head * head * fh);
        }
        F = metal1 ? F1 : std::fmin(F1, F2);
        if (Ft < F) {
            F = Ft;
            steel_governs = true;
        }
        if (!metal1 && in.t1 < 1.2 * d) F = 0.0;
    } else if (type == FT_BOLT) {
        const double D = in.washer_diameter;
        double A = Washer_Bearing_Area(d, D);
        if (A <= 0.0) A = D * std::fmin(D + 60.0 - d, 4.0 * d);
        const double Fw = fc * A, Ft = Bolt_Tension(in, d);
        F = std::fmin(Fw, Ft);
        if (metal1 && Fw <= Ft && in.bolt_washer_side == 0) F = Ft;
    } else if (Bolted_Connector(type)) {
        const double D = in.washer_diameter;
        double A = Washer_Bearing_Area(in.d_bolt, D);
        if (A <= 0.0) A = D * std::fmin(D + 60.0 - in.d_bolt, 4.0 * in.d_bolt);
        F = fc * A;
    }

    if (in.axis_angle >= 30.0) {
        if (type == FT_STAPLE && in.moisture_at_driving > 20.0) note = 1009;
        if (type == FT_STAPLE && std::fmin(in.crown_angle1, in.crown_angle2) < 30.0) {
            note = 1010;
            F = std::fmax(0.7 * F, 0.0);
        }
    } else if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL ||
               type == FT_SPAX_USER) {
        note = 1013;
        F = 0.0;
    } else if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK || type == FT_ASSY_USER) {
        note = 1015;
        F = 0.0;
    }
    F = std::fmax(F, 0.0);
    if (r) {
        if (note) r->message_code = note;
        r->faxk = F;
        r->f_head = f2;
        r->f_withdrawal = (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA)
                              ? f2
                              : Withdrawal_Param_Nail(type, in.moisture_at_driving, in.predrilled, in.core_hole, rho2);
        r->faxd = steel_governs ? 0.8 * F : Design_Value(in, r, F);
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

double Axial_Capacity_Screw_Eta(ConnectionInput in, double p, double fc, ConnectionResult* r)
{
    const int type = in.type;
    const double d = in.d, di = in.d_inner, h = in.d_head, w = in.washer_diameter, L = in.thread_length;
    const double t1 = in.t1, t2 = in.t2;
    const double a = in.axis_angle * kRad, s = std::sin(a), c = std::cos(a);
    const double alpha_deg = in.axis_angle;
    const bool metal1 = Metal(in.kind1);
    const bool special = Conn_Is_Special_Nail(type) != 0;
    auto solid = [](int k) { return (k >= 0 && k <= 3) || k == 17 || k == -10; };
    const double rho1 = Density(in.kind1, in.grade1, t1, &in.user_material);
    double rho2 = Density(in.kind2, in.grade2, t2, &in.user_material);
    if (type == FT_NAIL || type == FT_STAPLE || special || type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA)
        rho2 = r ? r->rho2 : 0.0;
    const double ps = s > 0.0 ? p / s : 0.0;
    int note = 0;

    // Refusals.
    if (type == FT_NAIL && in.predrilled && Annex_Set()) return Refuse(r, CONN_MSG_PREDRILLED_NAIL_NO_WITHDRAWAL);
    if (Wood_Screw(type) && p < 6.0 * d) return Refuse(r, CONN_MSG_SCREW_PENETRATION_6D);
    if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL ||
        type == FT_SPAX_USER) {
        if ((in.kind2 == MK_PLYWOOD && t2 < 6) || (in.kind1 == MK_PLYWOOD && t1 < 6))
            return Refuse(r, CONN_MSG_SPAX_PANEL_BELOW_6MM);
        if ((Panel(in.kind2) && t2 < 8) || (Panel(in.kind1) && t1 < 8)) return Refuse(r, CONN_MSG_SPAX_PANEL_BELOW_8MM);
        if (!metal1 && t1 < 1.2 * d) return Refuse(r, CONN_MSG_MEMBER_1_BELOW_1_2D);
        if (t2 < 1.2 * d) return Refuse(r, CONN_MSG_MEMBER_2_BELOW_1_2D);
        if (alpha_deg < 15.0 && (solid(in.kind1) || solid(in.kind2))) return Refuse(r, CONN_MSG_SPAX_ANGLE_BELOW_15);
        if (alpha_deg < 30.0) return Refuse(r, CONN_MSG_SPAX_ANGLE_BELOW_30);
    }
    if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK || type == FT_ASSY_USER) {
        if ((in.kind1 == MK_PLYWOOD || in.kind2 == MK_PLYWOOD) && (t1 < 6 || t2 < 6))
            return Refuse(r, CONN_MSG_ASSY_PANEL_BELOW_6MM);
        if ((Panel(in.kind1) || Panel(in.kind2)) && (t1 < 8 || t2 < 8)) return Refuse(r, CONN_MSG_ASSY_PANEL_BELOW_8MM);
        if (!metal1 && t1 < 1.2 * d) return Refuse(r, CONN_MSG_MEMBER_1_BELOW_1_2D);
        if (t2 < 1.2 * d) return Refuse(r, CONN_MSG_MEMBER_2_BELOW_1_2D);
        if (alpha_deg < 30.0) return Refuse(r, CONN_MSG_ASSY_ANGLE_BELOW_30);
    }
    if (type == FT_STAPLE && Annex_Set()) {
        if (p < 12.0 * d) return Refuse(r, CONN_MSG_STAPLE_PENETRATION_12D);
        if (((in.kind1 == MK_PLYWOOD || in.kind1 == MK_FIBREBOARD || in.kind1 == MK_KERTO_S ||
              in.kind1 == MK_KERTO_Q) &&
             t1 < 6) ||
            (in.kind1 == MK_OSB && t1 < 8))
            return 0.0;
    }
    if (type == FT_NAIL && p < 8.0 * d) return Refuse(r, CONN_MSG_SMOOTH_NAIL_PENETRATION_8D);
    if (special && p < 6.0 * d) note = 150;

    const bool screw = Wood_Screw(type) || Conn_Is_Screw_Product(type);
    const double g = (screw && in.group_effect && in.n_fasteners > 0) ? std::pow((double)in.n_fasteners, -0.1) : 1.0;

    double F1 = 0.0, F2 = 0.0, Ft1 = 0.0, l = 0.0, l1 = 0.0, fh = 0.0, f = 0.0, kd = 0.0;
    bool single_value = false; // the types whose F is not min(F1, F2)
    double F_fixed = 0.0;
    const double rcap = std::fmin(rho2, 500.0);
    if (type == FT_NAIL) {
        f = rcap * rcap * (ActiveNadEc5 ? 2e-5 : 1.8e-5);
        F1 = f * d * p;
        fh = Head_Pull_Through_Nail(0, in.head_rule, rho1);
        F2 = fh * h * h;
        if (p < 12.0 * d) {
            const double k = p / (4.0 * d) - 2.0;
            F1 *= k;
            F2 *= k;
        }
        l = p;
    } else if (special) {
        l = std::fmin(p, L);
        f = Withdrawal_Param_Nail(type, in.moisture_at_driving, in.predrilled, in.core_hole, rho2);
        F1 = f * d * l;
        if (l < 8.0 * d) F1 *= std::fmax(l / (2.0 * d) - 3.0, 0.0);
        const int k1 = in.kind1;
        if (k1 == 4 || k1 == 6 || k1 == 7 || k1 == 10 || k1 == 11) {
            if (t1 <= 11.99) {
                F2 = 400.0;
                fh = h > 0.0 ? 400.0 / (h * h) : 0.0;
            } else {
                if (t1 <= 19.99) fh = 8.0;
                else if (type >= FT_SPECIAL_NAIL_1D)
                    fh = !ActiveNadEc5 ? 14.44 : Annex_Number_Zero() ? 0.0 : in.head_rule ? 9.626666666666667 : 14.44;
                else fh = Head_Pull_Through_Nail(type, in.head_rule, 380.0);
                F2 = fh * h * h;
            }
        } else {
            fh = Head_Pull_Through_Nail(type, in.head_rule, rho1);
            F2 = fh * h * h;
        }
    } else if (type == FT_STAPLE) {
        l = L;
        if (Annex_Set()) {
            const double ls = std::fmin(20.0 * d, p);
            if (in.resin_coated && in.crown_angle1 > 29.9 && in.crown_angle2 > 29.9) {
                l = std::fmin(L, ls);
                f = 4e-5 * rcap * rcap;
                F1 = 2.0 * f * d * l;
                if (l < 8.0 * d) F1 *= std::fmax(l / (2.0 * d) - 3.0, 0.0);
            } else {
                l = ls;
                f = Withdrawal_Param_Nail(1, in.moisture_at_driving, 0, 0, rho2);
                F1 = 2.0 * f * d * l;
            }
            fh = Head_Pull_Through_Nail(1, in.head_rule, rho1);
            F2 = fh * h * d;
            if (in.crown_angle1 < 30.0 || in.crown_angle2 < 30.0) {
                F1 *= 0.7;
                F2 *= 0.7;
            }
        } else {
            single_value = true;
        }
    } else if (Wood_Screw(type)) {
        l = s > 0.0 ? std::fmin(ps, L) : L;
        const double k_alpha = s * s + 1.2 * c * c;
        f = (d > 0.0 && l > 0.0) ? 0.52 * Pw(d, -0.5) * Pw(l, -0.1) * Pw(rho2, 0.8) : 0.0;
        const double ratio = d > 0.0 ? di / d : 0.0;
        const bool reduce = ratio >= 0.6 && ratio <= 0.751 && d > 5.9 && d < 12.1;
        kd = reduce ? std::fmin(d / 8.0, 1.0) : 0.0;
        F1 = f * d * l * (reduce ? kd : 1.0) / k_alpha;
        if (w <= h) {
            fh = Head_Pull_Through_Screw(type, in.kind1, rho1, t1, h, d < w ? 1 : 0);
            F2 = fh * h * h;
        } else {
            F2 = 3.0 * fc * kQuarterPi * (w * w - (d + 1.0) * (d + 1.0));
        }
    } else if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_WASHER_PARTIAL || type == FT_SPAX_CSK_FULL ||
               type == FT_SPAX_USER) {
        const double hp = std::fmin(std::fmax(h, w), 32.0);
        const double f_tens = in.variant ? Tensile_Capacity_Eta_Table_1(d) : Tensile_Capacity_Eta_Table_2(d);
        const double k_alpha = s * s + 1.2 * c * c;
        if (type == FT_SPAX_USER) {
            User_Thread(in.spax_product, p, s, t1, &l, &l1);
            f = Table_Q(d);
        } else {
            l = std::fmin(ps, L);
            f = Withdrawal_Param_Screw(type, in.predrilled, 0, rho2, d);
        }
        F1 = std::fmin(f * d * l * Pw(rho2 / 350.0, 0.8) / k_alpha, f_tens);
        const double rho_h = Panel(in.kind1) ? std::fmin(rho1, 380.0) : rho1;
        double area = hp * hp;
        if (type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_CSK_FULL) {
            fh = Head_Pull_Through_Screw(type, in.kind1, rho_h, t1, hp, h < w ? 1 : 0);
        } else if (type == FT_SPAX_WASHER_PARTIAL) {
            const double hc = std::fmin(h, 32.0);
            fh = Head_Pull_Through_Screw(type, in.kind1, rho_h, t1, hc, h < w ? 1 : 0);
            area = hc * hc;
        } else {
            fh = Head_Pull_Through_Product_A(44, in.spax_product.sub_type, hp, di, w, t1, in.kind1);
        }
        double Fh = fh * area * (t1 >= 3.0 * hp ? 1.3 : 1.0) * Pw(rho_h / 350.0, 0.8);
        if (t1 < 12.0 && Panel(in.kind1)) Fh = std::fmin(Fh, 400.0);
        if (h < 1.8 * di) Fh = 0.0;
        if (type == FT_SPAX_CSK_FULL) {
            l1 = std::fmax(L - ps, 0.0);
            Ft1 = Withdrawal_Param_Screw(13, in.predrilled, 0, rho1, d) * d * l1 * Pw(rho1 / 350.0, 0.8) / k_alpha;
        } else if (type == FT_SPAX_USER) {
            Ft1 = f * d * l1 * Pw(rho1 / 350.0, 0.8) / k_alpha;
        }
        F2 = std::fmax(Fh, Ft1);
        if (r) Screw_Compression_Buckling(in, p, r);
    } else if (type == FT_ASSY_VG_CYLINDER || type == FT_ASSY_VG_COUNTERSUNK || type == FT_ASSY_USER) {
        f = Table_P(d);
        const double k_ax = alpha_deg >= 45.0 ? 1.0 : 0.3 + 0.891267681314555 * a;
        double f_tens;
        if (in.variant == 0) {
            const int v = type == FT_ASSY_USER ? (in.assy_product.thread_layout == 2 ? 1 : 0) : 1;
            f_tens = Tensile_Capacity_Eta_Table_3(d, v);
        } else {
            f_tens = Tensile_Capacity_Eta_Table_4(d);
        }
        if (type == FT_ASSY_USER) {
            User_Thread(in.assy_product, p, s, t1, &l, &l1);
        } else {
            l = std::fmin(ps, L);
            l1 = s > 0.0 ? std::fmax((t1 + L - in.length) / s, 0.0) : 0.0;
        }
        F1 = std::fmin(f * d * k_ax * l * Pw(rho2 / 350.0, 0.8), f_tens);
        Ft1 = f * d * k_ax * l1 * Pw(rho1 / 350.0, 0.8);
        const double hp = std::fmin(std::fmax(h, w), 32.0);
        fh = Head_Pull_Through_Param_A(hp, w, di, t1, in.kind1);
        double rho_h = rho1;
        const int k1 = in.kind1;
        if (k1 == 17 || k1 == 18) rho_h = std::fmin(rho1, 730.0);
        else if (k1 == 1 || k1 == 10 || k1 == 11 || k1 == 19) rho_h = std::fmin(rho1, 590.0);
        else if ((k1 >= -13 && k1 <= -10) || (k1 >= 4 && k1 <= 9)) rho_h = std::fmin(rho1, 380.0);
        double Fh = fh * hp * hp * Pw(rho_h / 350.0, 0.8);
        if (t1 < 12.0 && Panel(k1)) Fh = std::fmin(Fh, 400.0);
        if (h < 1.8 * di) Fh = 0.0;
        F2 = std::fmax(Fh, Ft1);
        if (r) Screw_Buckling(in, p, f, r);
    } else if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) {
        l = std::fmin(L, p);
        if (type == FT_SIMPSON_CNA)
            f = (l > 0.0) ? std::fmin(rho2 * rho2 * 9.765625e-06 * (10.92 - 0.0158 * d - 0.0968 * l),
                                      0.0175 * rho2 * (1.5 * d / l + 1.0))
                          : 0.0;
        else
            f = d >= 4.1 ? 15.0 : 13.8;
        F1 = f * d * l;
        F2 = 0.0;
    } else if (type == FT_BOLT) {
        const double Aw = kQuarterPi * (w * w - (d + 1.0) * (d + 1.0));
        double A = Aw;
        if (metal1 || Metal(in.kind2)) {
            const double m = std::fmin(12.0 * t1, 4.0 * d);
            const double Am = kQuarterPi * (m * m - (d + 1.0) * (d + 1.0));
            A = in.shear_planes == 1 ? std::fmin(Aw, Am) : Am;
        }
        F1 = F2 = std::fmin(3.0 * fc * A, Bolt_Tension(in, d));
    } else if (Bolted_Connector(type)) {
        F1 = F2 = 2.3561944901925003 * fc * (w * w - (1.0 + in.d_bolt) * (1.0 + in.d_bolt));
    } else {
        single_value = true;
    }
    double F = single_value ? F_fixed : (metal1 ? F1 : std::fmin(F1, F2));
    F = std::fmax(F * g, 0.0);
    if (type == FT_STAPLE && in.moisture_at_driving > 20.0) note = 1009;

    if (r) {
        if (note) r->message_code = note;
        r->faxk = r->fax_result = F;
        r->fax_withdrawal = F1;
        r->fax_head = metal1 ? F1 : F2;
        r->fax_thread_1 = Ft1;
        r->thread_length_1 = l1;
        r->thread_length_2 = l;
        r->ax_head_param = r->f_head = fh;
        r->f_ax_used = f;
        r->k_diameter = kd;
        r->group_factor = g;
        r->ax_one = 1.0;
        r->ax_flag = 0;
        if (type != FT_SIMPSON_CNA && type != FT_SIMPSON_CSA)
            r->f_withdrawal = Withdrawal_Param_Nail(type, in.moisture_at_driving, in.predrilled, in.core_hole, rho2);
        r->rho1 = rho1;
        r->rho2 = rho2;
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
        if (screw) f = 1.0;
        else if (type == FT_NAIL || type == FT_STAPLE)
            f = 0.15;
        else if (Conn_Is_Special_Nail(type)) f = 0.5;
        else if (type == FT_SIMPSON_CSA)
            f = 0.4;
        else if (type == FT_BOLT || Bolted_Connector(type))
            f = 0.25;
        else f = 0.5;
        F_ax = Axial_Capacity_Screw_Eta(in, p, fc, r);
    } else {
        if (screw) f = 1.0;
        else if (type == FT_BOLT || Bolted_Connector(type))
            f = 0.25;
        else f = 0.5;
        F_ax = Axial_Capacity_Nail_Screw(in, p, fc, r);
    }
    const double share = std::fmin(f * f_ref, 0.25 * F_ax);
    if (r) r->rope_share = share;
    return share;
}
