// Withdrawal and head pull-through parameters, the axial-load rule and washers.
#include "connections/withdrawal.h"

#include <cmath>

#include "connections/embedment.h"
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
        if (kind == 5 || kind == 9) return 0.0;
        if ((kind == 6 || kind == 8) && t < 6.0) return 0.0;
        if ((kind == 4 || kind == 7 || kind == 10 || kind == 11 || kind == 19 || kind == -11 || kind == -10) &&
            t < 8.0)
            return 0.0;
        if (kind == 18 || kind == -12 || kind == -13) return 0.0;
        if (t < 1.2 * d_h) return 0.0;
    }
    return value;
}

// A head smaller than 1.8 d gives no pull-through resistance.
double Head_Rule(double value, double d_h, double d) { return d_h < 1.8 * d ? 0.0 : value; }

bool Countersunk_Product(int type, int sub_type)
{
    return type == 11 || type == 13 || (type == 44 && (sub_type == 1 || sub_type == 2 || sub_type == 4));
}

} // namespace

double Withdrawal_Param_Nail(int type, double x, int predrilled, int core_hole, double rho_k)
{
    const double r = Rho_Squared(rho_k, 500.0);
    const bool annex = ActiveNadEc5 != nullptr;
    double f = 0.0;
    if (type == 0 || (type == 1 && x <= 20.0)) f = (annex ? 20e-6 : 18e-6) * r;
    else if (type == 1) f = annex ? 2.0 / 3.0 * 20e-6 * r : 0.3333333 * 18e-6 * r;
    else if (Type_In(type, 16, 17, 18) || Type_In(type, 34, 35, 36)) f = (annex && predrilled) ? 0.0 : 30e-6 * r;
    else if (Type_In(type, 19, 20, 21) || Type_In(type, 37, 38, 39)) f = (annex && predrilled) ? 0.0 : 40e-6 * r;
    else if (Type_In(type, 22, 23, 24) || Type_In(type, 40, 41, 42)) f = Annex_Number_Zero() ? 0.0 : 50e-6 * r;
    if (core_hole && (Conn_Is_Special_Nail(type) || type == 45 || type == 46)) f *= 0.7;
    return f;
}

double Withdrawal_Param_Screw(int type, int core_hole, int, double rho_k, double d)
{
    if (Annex_Number_Zero()) return 0.0;
    const double r = Rho_Squared(rho_k, 500.0);
    double f = 0.0;
    if (type >= 2 && type <= 4) f = 60e-6 * r;
    else if (type >= 5 && type <= 7) f = 70e-6 * r;
    else if (type >= 8 && type <= 10) f = 80e-6 * r;
    else if (Type_In(type, 11, 12, 13) || type == 44) f = Withdrawal_Param_Product_Din(d);
    else if (Type_In(type, 14, 15, 43)) f = ActiveNadEc5 ? Withdrawal_Param_Product_Ec5(d) : 80e-6 * r;
    if (core_hole && (Conn_Is_Special_Nail(type) || type == 45 || type == 46)) f *= 0.7;
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
    if (type == 0 || type == 1) factor = annex ? 70e-6 : 60e-6;
    else if (Type_In(type, 16, 19, 22)) factor = 60e-6;
    else if (Type_In(type, 17, 20, 23)) factor = 80e-6;
    else if (Type_In(type, 18, 21, 24)) factor = 100e-6;
    else if (Type_In(type, 34, 37, 40)) factor = 120e-6;
    else if (Type_In(type, 35, 38, 41)) factor = 140e-6;
    else if (Type_In(type, 36, 39, 42)) factor = 160e-6;
    double f = factor * Rho_Squared(rho_k, 500.0);
    if (annex && reduced) f *= 2.0 / 3.0;
    return f;
}

double Head_Pull_Through_Screw(int type, int kind, double rho_k, double t, double d_h, int general)
{
    if (Annex_Number_Zero()) return 0.0;
    const double r = Rho_Squared(rho_k, 500.0);
    if (Type_In(type, 2, 5, 8)) return 60e-6 * r;
    if (Type_In(type, 3, 6, 9)) return 80e-6 * r;
    if (Type_In(type, 4, 7, 10)) return 100e-6 * r;
    if (!Type_In(type, 11, 12, 13)) return 0.0;
    d_h = std::fmin(d_h, 32.0);
    double f;
    if (Conn_Is_Panel(kind) && t <= 20.0) f = 80e-6 * Rho_Squared(rho_k, 380.0);
    else if ((type == 11 || type == 13) && general == 0) f = Countersunk_Law(d_h, 16.1);
    else f = General_Law(d_h, 16.1, 22.1);
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
    if ((kind1 == 10 || kind1 == 11) && kind2 == 12) return 0;
    if ((kind2 == 10 || kind2 == 11) && kind1 == 12) return 0;
    if (kind1 == 5) return 0;
    if (type == 1) return resin_coated ? 1 : 0;
    if (nail_like && predrilled) return 0;

    int value = 0;
    if (ActiveNadEc5 && ActiveNadEc5->na_de == 0) {
        value = nail_like ? 1 : 0;
    } else if (ActiveNadEc5 && nail_like) {
        const bool timber = kind1 == -10 || (kind1 >= 0 && kind1 <= 3) || kind1 == 17;
        if (!(timber || Conn_Is_Panel(kind1) || steel1)) return 0;
        value = 1;
    }
    if ((type >= 2 && type <= 15) || type == 43 || type == 44) value = 1;

    if (type == 30) {
        value = 1;
    } else {
        if (type == 26 || type == 27 || type == 28 || type == 32 || type == 33) value = 1;
        if ((type >= 2 && type <= 10) || (type >= 22 && type <= 24)) {
            if (!Conn_Is_Panel(kind1)) return steel1 ? 1 : value;
            value = 1;
        }
        if (kind1 == 9) return nail_like ? 1 : value;
    }
    if (steel1 && Conn_Is_Panel(kind2)) return ((type >= 22 && type <= 24) || value == 1) ? 1 : 0;
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
    } kBands[] = {{21, 23, 390},    {27, 29, 664},    {33, 35, 1020},   {43, 45, 1550},
                  {55, 57, 2670},   {71, 73, 4270},   {84, 86, 6080},   {104, 106, 9430}};
    for (const auto& b : kBands)
        if (D >= b.from && D <= b.to) return b.area;
    return D * (std::fmin(4.0 * d - D, 60.0) + kQuarterPi * D) - kQuarterPi * (d + 2.0) * (d + 2.0);
}
