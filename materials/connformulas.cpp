// Timber connection formulas: effective numbers, connectors, plates, holes,
// glued-in rods, fire and the user screw presets.
#include "materials/connformulas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "nad/nadec5.h"

namespace {

const double kDegToRad = 0.017453292519944444;

bool Annex() { return ActiveNadEc5 != nullptr; }

// The angle folded into 0..90 degrees.
double Folded_Angle(double alpha_deg)
{
    double a = std::fabs(alpha_deg);
    if (a > 180.0) a = 360.0 - a;
    if (a > 90.0) a = 180.0 - a;
    return a;
}

// Interpolation between the effective number along the grain and n across it.
double Over_Angle(double n_ef_0, int n, double alpha) { return (n_ef_0 * (90.0 - alpha) + double(n) * alpha) / 90.0; }

// The exponent k_ef of the nail rule.
double Nail_K_ef(double d, int predrilled, double a1)
{
    if (a1 > 14.0 * d) return 1.0;
    if (a1 >= 10.0 * d) return 0.85 + 0.15 * (a1 - 10.0 * d) / (4.0 * d);
    if (a1 >= 7.0 * d) return 0.7 + 0.15 * (a1 - 7.0 * d) / (3.0 * d);
    if (!predrilled) return 0.7 * a1 / (7.0 * d);
    if (a1 >= 4.0 * d) return 0.5 + 0.2 * (a1 - 4.0 * d) / (3.0 * d);
    return 0.5 * a1 / (4.0 * d);
}

// k_1 times the thickness reference: the required thickness of the member
// carrying the full depth of the connector.
double Connector_Required_Thickness(double h_e) { return std::max(5.0 * h_e, 24.0); }

void Store_Connector_Factors(ConnectionResult* r, double k_alpha, double k3, double k1)
{
    r->k_4 = 1.0;
    r->k_alpha = k_alpha;
    r->k_density = k3;
    r->k_thickness = k1;
}

// Governing mode of three values: 2 when r2 is below both others, else 0 when
// r0 < r1, else 1; the values through the pointers.
double Min_Of_Three(double v0, double v1, double v2, int* mode, double* r0, double* r1, double* r2)
{
    if (r0) *r0 = v0;
    if (r1) *r1 = v1;
    if (r2) *r2 = v2;
    if (mode) *mode = v2 < std::min(v0, v1) ? 2 : (v0 < v1 ? 0 : 1);
    return std::min(v2, std::min(v1, v0));
}

} // namespace

double Nef_Power(int n) { return n < 2 ? double(n) : std::pow(double(n), 0.9); }

double Nef_Bolt(double d, int n, double a1, double alpha_deg)
{
    if (n < 2) return double(n);
    if (d <= 0.0 || a1 < 0.0) return 0.0;
    const double a = Folded_Angle(alpha_deg);
    const double ref = (Annex() ? 13.0 : 10.0) * d;
    const double n0 = std::min(double(n), std::pow(double(n), 0.9) * std::pow(a1 / ref, 0.25));
    return Over_Angle(n0, n, a);
}

double Nef_Connector(int n, double alpha_deg)
{
    if (n < 2) return double(n);
    const double v = 2.0 + (1.0 - double(n) / 20.0) * double(n - 2);
    double r = Annex() ? v : std::min(Over_Angle(v, n, alpha_deg), 10.0);
    return std::max(r, 0.0);
}

double Nef_Nail(double d, int predrilled, int n, double a1, double alpha_deg)
{
    if (n < 2) return double(n);
    if (d <= 0.0 || a1 < 0.0) return 0.0;
    const double n0 = std::pow(double(n), Nail_K_ef(d, predrilled, a1));
    return Over_Angle(n0, n, alpha_deg);
}

double Nef_By_Fastener(FastenerType type, double d, int predrilled, int n, double a1, double alpha_deg)
{
    if (n < 2) return double(n);
    const bool screw =
        (type >= FT_SCREW_1A && type <= FT_ASSY_VG_COUNTERSUNK) || type == FT_ASSY_USER || type == FT_SPAX_USER;
    if (screw) return d > 6.001 ? Nef_Bolt(d, n, a1, alpha_deg) : Nef_Nail(d, predrilled, n, a1, alpha_deg);
    if (type == FT_DOWEL || type == FT_BOLT) return Nef_Bolt(d, n, a1, alpha_deg);
    if (Fastener_Is_Connector(type)) return Nef_Connector(n, alpha_deg);
    if (type == FT_STAPLE || Fastener_Is_Nail(type)) return Nef_Nail(d, predrilled, n, a1, alpha_deg);
    return double(n);
}

double Nef_Bolt_Product(double d, int n, double p, double q, double alpha_deg)
{
    if (n < 2) return double(n);
    const double s = 0.02 * p * q;
    if (d <= 0.0 || s < 0.0) return 0.0;
    const double n0 = std::min(double(n), std::pow(double(n), 0.9) * std::pow(s / (d * d), 0.25));
    return Over_Angle(n0, n, alpha_deg);
}

double Connector_Angle_Factor(double d_c, double alpha_deg)
{
    const double a = alpha_deg * kDegToRad;
    const double s = std::sin(a), c = std::cos(a);
    const double den = (1.3 + 0.001 * d_c) * s * s + c * c;
    return den > 0.0 ? 1.0 / den : 0.0;
}

double Connector_Capacity_Two_Thickness(double d_c, double h_e, double alpha_deg, double t1, double t2, double rho_k,
                                        ConnectionResult* result)
{
    if (d_c <= 0.0 || h_e <= 0.0 || rho_k <= 0.0) return 0.0;
    const double m1 = std::max(3.0 * h_e, 24.0);
    const double m2 = Connector_Required_Thickness(h_e);
    const double k3 = std::min(rho_k / 350.0, 1.75);
    const double k_alpha = Connector_Angle_Factor(d_c, alpha_deg);
    const double f0 = k_alpha * std::min(35.0 * std::pow(d_c, 1.5), 31.5 * d_c * h_e);
    const double k1 = (m1 > t1 || m2 > t2) ? std::max(0.0, std::min(1.0, std::min(t1 / m1, t2 / m2))) : 1.0;
    if (result) {
        Store_Connector_Factors(result, k_alpha, k3, k1);
        result->t_req = std::max(result->t_req, m1);
        result->t_req_2 = std::max(result->t_req_2, m2);
    }
    return f0 * k1 * k3;
}

double Connector_Capacity_One_Thickness(double d_c, double h_e, double alpha_deg, double t_other, double t,
                                        double rho_k, ConnectionResult* result)
{
    (void)t_other;
    if (d_c <= 0.0 || h_e <= 0.0 || rho_k <= 0.0) return 0.0;
    double f_c = 35.0 * std::pow(d_c, 1.5);
    if (Annex()) f_c *= 1.1;
    // The member must hold the full connector depth, as between two timbers.
    const double m = Connector_Required_Thickness(h_e);
    const double k1 = std::max(0.0, std::min(1.0, t / m));
    const double k3 = std::min(rho_k / 350.0, 1.75);
    const double k_alpha = Connector_Angle_Factor(d_c, alpha_deg);
    if (result) {
        Store_Connector_Factors(result, k_alpha, k3, k1);
        result->t_req_2 = m;
    }
    return k1 * std::min(31.5 * h_e * d_c, f_c) * k_alpha * k3;
}

double Nail_Min_Thickness(double d, double rho_k) { return std::max(7.0 * d, (13.0 * d - 30.0) * rho_k / 400.0); }

double Nail_Min_Thickness_Splitting(double d, double rho_k)
{
    return std::max(14.0 * d, (13.0 * d - 30.0) * rho_k / 200.0);
}

int Plate_Thickness_Class(FastenerType type, MaterialKind plate_kind, double d, double t, double* ratio)
{
    const double cbrt3 = 1.4422495703074083;
    const bool alu = plate_kind == MK_ALUMINIUM_PLATE;
    double r = 0.0;
    int cls = 0;
    if (type >= FT_SPECIAL_NAIL_3A && type <= FT_SPECIAL_NAIL_3C && t >= (alu ? 2.0 * cbrt3 : 2.0)) {
        cls = 2;
        r = 1.0;
    } else if (type == FT_SIMPSON_CNA || type == FT_SIMPSON_CSA) {
        cls = 2;
        r = -1.0;
    } else {
        const double f = alu ? d * cbrt3 : d;
        if (t + 0.0005 >= f) {
            cls = 2;
            r = 1.0;
        } else if (t - 0.0005 <= f / 2.0) {
            cls = 0;
            r = 0.0;
        } else {
            cls = 1;
            r = 2.0 * t / f - 1.0;
        }
    }
    if (ratio) *ratio = r;
    return cls;
}

double Bolt_Hole_Diameter(double d)
{
    if (d < 15.99) return d + 1.0;
    if (d < 24.001) return d + 2.0;
    return d + 3.0;
}

int Spacing_Check_Sum(double a, double b, double c, double d) { return c - b + d >= 4.0 * a ? 1 : 0; }

int Spacing_Check_Diff(double a, double b, double c) { return a - c >= 4.0 * b ? 1 : 0; }

double Glued_Rod_Bond_Strength(double l_ad)
{
    if (l_ad <= 250.0) return 4.0;
    if (l_ad <= 500.0) return 5.25 - 0.005 * l_ad;
    if (l_ad <= 1000.0) return 3.5 - 0.0015 * l_ad;
    return 2.0;
}

int Fastener_Uses_Pin_Rules(FastenerType type) { return Fastener_Is_Pin(type); }

double Three_Mode_Resistance(double a, double b, double c, double d, double e, double f, double g, double h, double l,
                             double m, int* mode, double* r0, double* r1, double* r2)
{
    if (g == 0.0 || h == 0.0) return Min_Of_Three(0.0, 0.0, 0.0, mode, r0, r1, r2);
    const double o = (Annex() && m > 0.0 && l < m / 2.0) ? l / (m / 2.0) : 1.0;
    const double v0 = o * a * e / g;
    const double v1 = std::min(c, b) * d * e * f;
    const double v2 = b * d * d * 35.0 * e * f / h;
    return Min_Of_Three(v0, v1, v2, mode, r0, r1, r2);
}

double Three_Mode_Resistance_Short(double a, double b, double c, double d, double e, double f, int* mode, double* r0,
                                   double* r1, double* r2)
{
    if (e == 0.0 || f == 0.0) return Min_Of_Three(0.0, 0.0, 0.0, mode, r0, r1, r2);
    const double v1 = c * b * d;
    return Min_Of_Three(a / e, v1, v1 * 20.0 * c / f, mode, r0, r1, r2);
}

double Percent_Ratio(double a, double b, double c, double* percent)
{
    const double p = b != 0.0 ? std::fabs(a) / b * 100.0 : 0.0;
    if (percent) *percent = p;
    return c != 0.0 ? p / c : 0.0;
}

double Fire_Time_ta(int same_time, double t_f, double t_ch, double depth, double beta, double k2, double k3)
{
    const double rate = beta * k3;
    if (rate <= 0.0) return 0.0;
    if (same_time) return std::min(2.0 * t_f, t_f + depth / rate);
    return t_f + (depth + (t_ch - t_f) * beta * k2) / rate;
}

int Screw_Product_Preset(FastenerType type, UserScrewProduct* p)
{
    if (!p) return 0;
    p->preset_done = 1;
    if (type != FT_ASSY_USER && type != FT_SPAX_USER) return 0;
    const bool assy = type == FT_ASSY_USER;
    std::memset(p->name, 0, sizeof p->name);
    std::memset(p->name, ' ', 26);
    std::memcpy(p->name, assy ? "Assy" : "Spax", 4);
    p->designation_flag = 1;
    p->sub_type = assy ? 6 : 1; // "Zylinderkopf" in both head lists
    p->thread_layout = 2;       // "Vollgewinde"
    p->product_class = 0;
    p->variant = 0;
    p->has_washer = 0;
    p->diameter_index = assy ? 1 : 3;
    p->d = 8.0;
    p->d_head = 10.0;
    p->d_inner = 5.0;
    p->length = 100.0;
    p->head_thread_length = 20.0;
    p->thread_length = 20.0;
    p->washer_diameter = 28.0;
    p->axis_angle = 90.0;
    return 1;
}
