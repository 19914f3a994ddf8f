// Withdrawal and head pull-through parameters, the axial-load rule and washers.
#include "connections/withdrawal.h"

#include <cmath>

#include "connections/embedment.h"
#include "materials/matkind.h"
#include "nad/nadec5.h"

namespace {

const double kQuarterPi = 0.7853981633975;
const double kPi = 3.14159265359;

bool Annex_Number_Zero() { return ActiveNadEc5 && ActiveNadEc5->na_de == 0; }

double Rho_Squared(double rho_k, double cap)
{
    const double r = std::fmin(rho_k, cap);
    return r * r;
}

bool Type_In(int type, int a, int b, int c) { return type == a || type == b || type == c; }

// Head-diameter laws of the screw products.
double General_Law(double d_h, double b1, double b2)
{
    if (d_h <= b1) return 29.0 - d_h;
    if (d_h <= b2) return 13.0;
    return 16.0 + 0.5 * (16.0 - d_h);
}

double Countersunk_Law(double d_h, double b1)
{
    if (d_h <= b1) return 27.0 - d_h;
    return 11.0 + 0.2 * (16.0 - d_h);
}

// Heads in thin wood-based panels pull through at lower values, or not at all.
double Panel_Rules(double value, int kind, double t, double d_h)
{
    if (!Conn_Is_Panel(kind)) return value;
    if (t >= 11.999 && t <= 20.001) return 8.0;
    if (t < 12.0) {
        if (kind == MK_GYPSUM_BOARD || kind == MK_FERMACELL) return 0.0;
        if ((kind == MK_PLYWOOD || kind == MK_FIBREBOARD) && t < 6.0) return 0.0;
        if ((kind == MK_OSB || kind == MK_PARTICLEBOARD || kind == MK_KERTO_S || kind == MK_KERTO_Q ||
             kind == MK_STEICO_LVL || kind == MK_STEICO_GLVL || kind == MK_UNLISTED_SOFTWOOD) &&
            t < 8.0)
            return 0.0;
        if (kind == MK_BEECH_PANEL || kind == MK_STEICO_WALL || kind == MK_STEICO_JOIST) return 0.0;
        if (t < 1.2 * d_h) return 0.0;
    }
    return value;
}

// A head smaller than 1.8 d gives no pull-through resistance.
double Head_Rule(double value, double d_h, double d) { return d_h < 1.8 * d ? 0.0 : value; }

bool Countersunk_Product(int type, int sub_type)
{
    return type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_CSK_FULL ||
           (type == FT_SPAX_USER && (sub_type == 1 || sub_type == 2 || sub_type == 4));
}

} // namespace

double Withdrawal_Param_Nail(int type, double x, int predrilled, int core_hole, double rho_k)
{
    const double r = Rho_Squared(rho_k, 500.0);
    const bool annex = ActiveNadEc5 != nullptr;
    double f = 0.0;
    if (type == FT_NAIL || (type == FT_STAPLE && x <= 20.0))
        f = (annex ? 20e-6 : 18e-6) * r;
    else if (type == FT_STAPLE)
        f = annex ? 2.0 / 3.0 * 20e-6 * r : 0.3333333 * 18e-6 * r;
    else if (Type_In(type, FT_SPECIAL_NAIL_1A, FT_SPECIAL_NAIL_1B, FT_SPECIAL_NAIL_1C) ||
             Type_In(type, FT_SPECIAL_NAIL_1D, FT_SPECIAL_NAIL_1E, FT_SPECIAL_NAIL_1F))
        f = (annex && predrilled) ? 0.0 : 30e-6 * r;
    else if (Type_In(type, FT_SPECIAL_NAIL_2A, FT_SPECIAL_NAIL_2B, FT_SPECIAL_NAIL_2C) ||
             Type_In(type, FT_SPECIAL_NAIL_2D, FT_SPECIAL_NAIL_2E, FT_SPECIAL_NAIL_2F))
        f = (annex && predrilled) ? 0.0 : 40e-6 * r;
    else if (Type_In(type, FT_SPECIAL_NAIL_3A, FT_SPECIAL_NAIL_3B, FT_SPECIAL_NAIL_3C) ||
             Type_In(type, FT_SPECIAL_NAIL_3D, FT_SPECIAL_NAIL_3E, FT_SPECIAL_NAIL_3F))
        f = Annex_Number_Zero() ? 0.0 : 50e-6 * r;
    if (core_hole && Fastener_Is_Special_Nail(type)) f *= 0.7;
    return f;
}

double Withdrawal_Param_Screw(int type, int core_hole, int, double rho_k, double d)
{
    if (Annex_Number_Zero()) return 0.0;
    const double r = Rho_Squared(rho_k, 500.0);
    double f = 0.0;
    if (type >= FT_SCREW_1A && type <= FT_SCREW_1C)
        f = 60e-6 * r;
    else if (type >= FT_SCREW_2A && type <= FT_SCREW_2C)
        f = 70e-6 * r;
    else if (type >= FT_SCREW_3A && type <= FT_SCREW_3C)
        f = 80e-6 * r;
    else if (Type_In(type, FT_SPAX_CSK_PARTIAL, FT_SPAX_WASHER_PARTIAL, FT_SPAX_CSK_FULL) || type == FT_SPAX_USER)
        f = Withdrawal_Param_Product_Din(d);
    else if (Type_In(type, FT_ASSY_VG_CYLINDER, FT_ASSY_VG_COUNTERSUNK, FT_ASSY_USER))
        f = ActiveNadEc5 ? Withdrawal_Param_Product_Ec5(d) : 80e-6 * r;
    if (core_hole && Fastener_Is_Special_Nail(type)) f *= 0.7;
    return f;
}

double Withdrawal_Param_Product_Ec5(double d)
{
    if (d >= 2.99 && d <= 5.001) return 12.0;
    if (d >= 5.99 && d <= 7.001) return 11.5;
    if (d >= 7.99 && d <= 8.001) return 11.0;
    return 10.0;
}

double Withdrawal_Param_Product_Din(double d)
{
    if (d < 6.0) return 14.0;
    if (d <= 8.001) return 12.0;
    if (d <= 10.001) return 11.5;
    if (d <= 12.001) return 11.0;
    return 10.0;
}

double Head_Pull_Through_Nail(int type, int reduced, double rho_k)
{
    const bool annex = ActiveNadEc5 != nullptr;
    if (Annex_Number_Zero() && Conn_Is_Special_Nail(type)) return 0.0;
    double factor = 0.0;
    if (type == FT_NAIL || type == FT_STAPLE)
        factor = annex ? 70e-6 : 60e-6;
    else if (Type_In(type, FT_SPECIAL_NAIL_1A, FT_SPECIAL_NAIL_2A, FT_SPECIAL_NAIL_3A))
        factor = 60e-6;
    else if (Type_In(type, FT_SPECIAL_NAIL_1B, FT_SPECIAL_NAIL_2B, FT_SPECIAL_NAIL_3B))
        factor = 80e-6;
    else if (Type_In(type, FT_SPECIAL_NAIL_1C, FT_SPECIAL_NAIL_2C, FT_SPECIAL_NAIL_3C))
        factor = 100e-6;
    else if (Type_In(type, FT_SPECIAL_NAIL_1D, FT_SPECIAL_NAIL_2D, FT_SPECIAL_NAIL_3D))
        factor = 120e-6;
    else if (Type_In(type, FT_SPECIAL_NAIL_1E, FT_SPECIAL_NAIL_2E, FT_SPECIAL_NAIL_3E))
        factor = 140e-6;
    else if (Type_In(type, FT_SPECIAL_NAIL_1F, FT_SPECIAL_NAIL_2F, FT_SPECIAL_NAIL_3F))
        factor = 160e-6;
    double f = factor * Rho_Squared(rho_k, 500.0);
    if (annex && reduced) f *= 2.0 / 3.0;
    return f;
}

double Head_Pull_Through_Screw(int type, int kind, double rho_k, double t, double d_h, int general)
{
    if (Annex_Number_Zero()) return 0.0;
    const double r = Rho_Squared(rho_k, 500.0);
    if (Type_In(type, FT_SCREW_1A, FT_SCREW_2A, FT_SCREW_3A)) return 60e-6 * r;
    if (Type_In(type, FT_SCREW_1B, FT_SCREW_2B, FT_SCREW_3B)) return 80e-6 * r;
    if (Type_In(type, FT_SCREW_1C, FT_SCREW_2C, FT_SCREW_3C)) return 100e-6 * r;
    if (!Type_In(type, FT_SPAX_CSK_PARTIAL, FT_SPAX_WASHER_PARTIAL, FT_SPAX_CSK_FULL)) return 0.0;
    d_h = std::fmin(d_h, 32.0);
    double f;
    if (Conn_Is_Panel(kind) && t <= 20.0)
        f = 80e-6 * Rho_Squared(rho_k, 380.0);
    else if ((type == FT_SPAX_CSK_PARTIAL || type == FT_SPAX_CSK_FULL) && general == 0)
        f = Countersunk_Law(d_h, 16.1);
    else
        f = General_Law(d_h, 16.1, 22.1);
    return Panel_Rules(f, kind, t, d_h);
}

double Head_Pull_Through_Param_A(double d_h, double w, double d, double t, int kind)
{
    const double f = (d_h <= 19.0 && w <= 0.0) ? 13.0 : 10.0;
    return Head_Rule(Panel_Rules(f, kind, t, d_h), d_h, d);
}

double Head_Pull_Through_Param_B(double d_h, double d, double t, int kind)
{
    d_h = std::fmin(d_h, 32.0);
    const double f = d_h <= 19.0 ? 13.0 : 10.0;
    return Head_Rule(Panel_Rules(f, kind, t, d_h), d_h, d);
}

double Head_Pull_Through_Product_A(int type, int sub_type, double d_h, double d, double c, double t, int kind)
{
    if (d_h > 32.001) return 0.0;
    const double f = (c <= 1.0 && Countersunk_Product(type, sub_type)) ? Countersunk_Law(d_h, 16.001)
                                                                       : General_Law(d_h, 16.001, 22.001);
    return Head_Rule(Panel_Rules(f, kind, t, d_h), d_h, d);
}

double Head_Pull_Through_Product_B(int type, int sub_type, double d_h, double d, int general, double t, int kind)
{
    d_h = std::fmin(d_h, 32.0);
    const double f = (general == 0 && Countersunk_Product(type, sub_type)) ? Countersunk_Law(d_h, 16.001)
                                                                           : General_Law(d_h, 16.001, 22.001);
    return Head_Rule(Panel_Rules(f, kind, t, d_h), d_h, d);
}

int Axial_Load_Allowed(int type, int resin_coated, int predrilled, int, int kind1, int kind2)
{
    const bool nail_like = Conn_Is_Nail_Like(type) != 0;
    const bool steel1 = Conn_Is_Metal(kind1) != 0;
    if ((kind1 == MK_KERTO_S || kind1 == MK_KERTO_Q) && kind2 == MK_STEEL_PLATE) return 0;
    if ((kind2 == MK_KERTO_S || kind2 == MK_KERTO_Q) && kind1 == MK_STEEL_PLATE) return 0;
    if (kind1 == MK_GYPSUM_BOARD) return 0;
    if (type == FT_STAPLE) return resin_coated ? 1 : 0;
    if (nail_like && predrilled) return 0;

    int value = 0;
    if (ActiveNadEc5 && ActiveNadEc5->na_de == 0) {
        value = nail_like ? 1 : 0;
    } else if (ActiveNadEc5 && nail_like) {
        const bool timber =
            kind1 == MK_UNLISTED_SOFTWOOD || (kind1 >= MK_SOFTWOOD && kind1 <= MK_GLULAM_DIN) || kind1 == MK_BEECH_GL75;
        if (!(timber || Conn_Is_Panel(kind1) || steel1)) return 0;
        value = 1;
    }
    if ((type >= FT_SCREW_1A && type <= FT_ASSY_VG_COUNTERSUNK) || type == FT_ASSY_USER || type == FT_SPAX_USER)
        value = 1;

    if (type == FT_BOLT) {
        value = 1;
    } else {
        if (type == FT_PLATE_C1 || type == FT_PLATE_C5 || type == FT_PLATE_C10 || type == FT_PLATE_C2 ||
            type == FT_PLATE_C11)
            value = 1;
        if ((type >= FT_SCREW_1A && type <= FT_SCREW_3C) ||
            (type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C)) {
            if (!Conn_Is_Panel(kind1)) return steel1 ? 1 : value;
            value = 1;
        }
        if (kind1 == MK_FERMACELL) return nail_like ? 1 : value;
    }
    if (steel1 && Conn_Is_Panel(kind2))
        return ((type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C) || value == 1) ? 1 : 0;
    return value;
}

double Washer_Area(double d, double D) { return kQuarterPi * (D * D - (d + 1.0) * (d + 1.0)); }

double Washer_Area_Effective(double d, int, int, double t_w)
{
    const double D = std::fmin(4.0 * d, 12.0 * t_w);
    return kQuarterPi * (D * D - (d + 1.0) * (d + 1.0));
}

double Washer_Bearing_Area(double d, double D)
{
    if (ActiveNadEc5) return 0.75 * kPi * (D * D - (d + 2.0) * (d + 2.0));
    static const struct {
        double from, to, area;
    } kBands[] = {{21, 23, 390},  {27, 29, 664},  {33, 35, 1020}, {43, 45, 1550},
                  {55, 57, 2670}, {71, 73, 4270}, {84, 86, 6080}, {104, 106, 9430}};
    for (const auto& b : kBands)
        if (D >= b.from && D <= b.to) return b.area;
    return D * (std::fmin(4.0 * d - D, 60.0) + kQuarterPi * D) - kQuarterPi * (d + 2.0) * (d + 2.0);
}
