// Fastener capacities, geometry and stiffness.
#include "materials/fastcap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "materials/fastcat.h"
#include "materials/matfactors.h"
#include "nad/nadec3.h"
#include "nad/nadec5.h"

namespace {

const double kDegToRad = 0.017453292519944444;
const double kRadToDeg = 57.29577951307855;
const double kQuarterPi = 0.7853981633974483;

bool Annex() { return ActiveNadEc5 != nullptr; }

bool Is_Screw(FastenerType type)
{
    return (type >= FT_SCREW_1A && type <= FT_ASSY_VG_COUNTERSUNK) || type == FT_ASSY_USER || type == FT_SPAX_USER;
}

// Withdrawal parameter f_ax,k of self-tapping screws by diameter [N/mm2].
double Screw_Fax_k(double d)
{
    if (d < 6.0) return 14.0;
    if (d <= 8.001) return 12.0;
    if (d <= 10.001) return 11.5;
    if (d <= 12.001) return 11.0;
    return 10.0;
}

double Rho_k(int kind, int grade, double t, const UserMaterial* user)
{
    double rho = 0.0;
    Mat_Rho_k(kind, grade, t, &rho, user);
    return rho;
}

// Bolt diameter of a connector: the built-in bolt list at index i.
double Connector_Bolt(int bolt_index)
{
    Catalogue_Init_Dowel_Bolt();
    return Fastener_Diameter(FT_BOLT, bolt_index);
}

double Hole(double d, int fitted) { return fitted ? d : d + 1.0; }

void Apply_User_Screw(ConnectionInput* c, const UserScrewProduct& p)
{
    c->variant = p.variant;
    c->washer_diameter = p.has_washer ? p.washer_diameter : -1.0;
    c->d = p.d;
    c->d_head = p.d_head;
    c->d_inner = p.d_inner;
    c->length = p.length;
    c->axis_angle = p.axis_angle;
    c->thread_length = p.thread_length;
}

} // namespace

double Screw_Compression_Buckling(ConnectionInput c, double t, ConnectionResult* result)
{
    if (!result) return 0.0;
    ScrewBucklingResult& b = result->buckling;
    std::memset(&b, 0, sizeof b);

    const double alpha = c.axis_angle * kDegToRad;
    const double sin_a = std::sin(alpha), cos_a = std::cos(alpha);
    // A metal side member holds no thread: the screw beds in member 2.
    const bool metal1 = Mat_Is_Metal_Plate(c.kind1) != 0;
    const double rho =
        metal1 ? Rho_k(c.kind2, c.grade2, c.t2, &c.user_material) : Rho_k(c.kind1, c.grade1, c.t1, &c.user_material);
    const double gamma_m1 = ActiveNadEc3 ? ActiveNadEc3->ec31.gamma_m1 : 1.1;
    const double gamma_m = std::max(c.gamma_m1, c.gamma_m2);
    const double kmod2 = result->kmod1 * result->kmod2;
    if (sin_a < 0.0 || c.d <= 0.0 || c.d_inner <= 0.0 || rho <= 0.0 || gamma_m1 <= 0.0 || gamma_m <= 0.0 || kmod2 < 0.0)
        return 0.0;

    b.f_y_k = c.variant == 0 ? 1000.0 : 500.0;
    b.N_pl_k = kQuarterPi * b.f_y_k * c.d_inner * c.d_inner;
    b.gamma_m1 = gamma_m1;
    b.N_pl_d = b.N_pl_k / gamma_m1;

    // Along the grain (sin = 0) the member no longer limits the thread: the
    // whole thread length holds.
    const double L = sin_a > 0.0 ? std::min(c.thread_length, t / sin_a) : c.thread_length;
    b.f_ax_k = Screw_Fax_k(c.d);
    b.f_ax_d = b.f_ax_k * std::sqrt(kmod2) / gamma_m;
    // Withdrawal at the angle to the grain (EN 1995-1-1 (8.40a)).
    const double density = std::pow(rho / 350.0, 0.8);
    const double D = 1.2 * cos_a * cos_a + sin_a * sin_a;
    b.R_ax_k = b.f_ax_k * c.d * L * density / D;
    b.R_ax_d = b.f_ax_d * c.d * L * density / D;

    // Bedding of the screw in the timber, as the screw approvals give it.
    b.c_h = (0.19 + 0.012 * c.d) * rho * (alpha * kRadToDeg + 90.0) / 180.0;
    b.E_s = 210000.0;
    b.I_s = 0.04908738521234375 * std::pow(c.d_inner, 4.0);
    b.N_ki_k = std::sqrt(b.c_h * b.E_s * b.I_s);

    const double lambda2 = b.N_pl_k / b.N_ki_k;
    b.lambda_k = std::sqrt(lambda2);
    b.k = 0.5 * (1.0 + 0.49 * (b.lambda_k - 0.2) + lambda2);
    b.kappa_c = lambda2 <= 0.04 ? 1.0 : 1.0 / (b.k + std::sqrt(b.k * b.k - lambda2));

    b.F_ki_k = b.kappa_c * b.N_pl_k;
    b.F_ki_d = b.kappa_c * b.N_pl_d;
    b.R_c_k = std::min(b.F_ki_k, b.R_ax_k);
    b.R_c_d = std::min(b.F_ki_d, b.R_ax_d);
    b.buckling_governs_k = b.F_ki_k <= b.R_ax_k ? 1 : 0;
    b.buckling_governs_d = b.F_ki_d <= b.R_ax_d ? 1 : 0;
    return 0.0;
}

double Fastener_Area_Loss(FastenerType type, double d, int product, int bolt_index, int predrilled, int fitted,
                          double t)
{
    if (Is_Screw(type) || Fastener_Is_Nail(type)) {
        if (!predrilled && d <= 6.0) return 0.0;
        return (Annex() ? 1.0 : 0.9) * d * t;
    }
    if (type == FT_STAPLE) return d > 6.0 ? (Annex() ? 2.0 : 1.8) * d * t : 0.0;
    if (Fastener_Is_Connector(type)) {
        const double F = Connector_Value_By_Key(type, product, "F");
        const double d_b = Connector_Bolt(bolt_index) + (fitted ? 0.0 : 1.0);
        if (type == FT_RING_A1 || type == FT_PLATE_B1)
            return F + (t - Connector_Value_By_Key(type, product, "he")) * d_b;
        return F + t * d_b;
    }
    if (type == FT_DOWEL) return d * t;
    if (type == FT_BOLT) return Hole(d, fitted) * t;
    return 0.0;
}

double Fastener_Area_Loss_Product(FastenerType type, int product, int bolt_index, int predrilled, int fitted, double t,
                                  double* d_ef)
{
    const double d = Fastener_Diameter(type, product);
    double ef = d;
    double loss = 0.0;
    switch (type) {
        case FT_NAIL:
            ef = d - 1.0;
            loss = (predrilled || d > 7.0) ? 0.9 * t * ef : 0.0;
            break;
        case FT_DOWEL: loss = t * d; break;
        case FT_BOLT:
            ef = Hole(d, fitted);
            loss = t * ef;
            break;
        case FT_PLATE_B1:
            ef = Connector_Value_By_Key(type, product, "dc");
            loss = t * ef;
            break;
        case FT_PLATE_C2:
        case FT_PLATE_C11: {
            const double c = Connector_Bolt(bolt_index) + 1.0;
            loss = c * t;
            ef = (d + c) / 2.0;
            break;
        }
        default: break;
    }
    if (d_ef) *d_ef = ef;
    return loss;
}

double Screw_Core_Diameter(int form, double d)
{
    static const double kForm1[][2] = {{4, 3}, {4.5, 3.5}, {5, 3.5}, {6, 4}, {7, 5}, {8, 6}, {10, 7}, {12, 8}, {14, 9}};
    static const double kOther[][2] = {{4, 2.5}, {4.5, 2.5}, {5, 3}, {6, 4}, {7, 4}, {8, 5}, {10, 6}, {12, 7}, {14, 8}};
    const double(*table)[2] = form == 1 ? kForm1 : kOther;
    for (int i = 0; i < 9; ++i)
        if (std::fabs(d - table[i][0]) <= 0.1 + 1e-9) return table[i][1];
    return -1.0;
}

double Washer_Diameter(double d, int form)
{
    // Bands of d: lower and upper limit, whether each belongs to the band, and
    // the washer diameter; a band of width 0 ends a form's list.
    struct Band {
        double lo, hi;
        bool lo_in, hi_in;
        double washer;
    };
    static const Band kForms[4][10] = {
        {{0.1, 4.5, true, false, 20},
         {5, 7, true, false, 22},
         {7, 9, true, false, 28},
         {9, 11, true, false, 34},
         {11, 13, true, true, 44},
         {13, 15, false, true, 50},
         {15, 17, false, true, 56},
         {19, 21, true, false, 72},
         {23, 25, true, true, 85},
         {29, 31, true, true, 105}},
        {{5, 7, true, false, 22}, {7, 9, true, false, 28}, {9, 11, true, false, 33}, {11, 13, true, true, 42}},
        {{5, 7, true, false, 22}, {7, 9, true, false, 25}, {9, 11, true, false, 30}},
        {{5, 7, true, false, 18}, {7, 9, true, false, 25}, {9, 11, true, false, 32}, {11, 13, true, true, 40}},
    };
    if (form < 0 || form > 3) return -1.0;
    for (const Band& b : kForms[form]) {
        if (b.hi <= b.lo) break;
        const bool above = b.lo_in ? d >= b.lo : d > b.lo;
        const bool below = b.hi_in ? d <= b.hi : d < b.hi;
        if (above && below) return b.washer;
    }
    return -1.0;
}

ConnectionInput* User_Screw_Apply_Assy(ConnectionInput* c)
{
    if (c && c->type == FT_ASSY_USER) Apply_User_Screw(c, c->assy_product);
    return c;
}

ConnectionInput* User_Screw_Apply_Spax(ConnectionInput* c)
{
    if (c && c->type == FT_SPAX_USER) Apply_User_Screw(c, c->spax_product);
    return c;
}

double Fastener_Slip_Modulus(FastenerType type, int predrilled, double d, int kind1, int grade1, double t1, int kind2,
                             int grade2, double t2, const UserMaterial* user)
{
    const double rho1 = Rho_k(kind1, grade1, t1, user);
    const double rho2 = Rho_k(kind2, grade2, t2, user);
    const bool metal1 = Mat_Is_Metal_Plate(kind1) != 0;
    const bool metal2 = Mat_Is_Metal_Plate(kind2) != 0;
    double rho = metal1 ? rho2 : (metal2 ? rho1 : std::sqrt(rho1 * rho2));
    const bool annex = Annex();
    if (annex) rho *= 1.2;
    if (!(rho > 0.0) || d <= 0.0) return 0.0;
    const double r15 = std::pow(rho, 1.5);
    double k = 0.0;
    if (type == FT_DOWEL || type == FT_BOLT || ((Fastener_Is_Nail(type) || Is_Screw(type)) && predrilled))
        k = r15 * d * (annex ? 0.043478260869565216 : 0.05);
    else if (Fastener_Is_Nail(type) || Is_Screw(type))
        k = r15 * std::pow(d, 0.8) * (annex ? 0.03333333333333333 : 0.04);
    else if (type == FT_STAPLE)
        k = r15 * std::pow(d, 0.8) * (annex ? 0.025 : 0.03333333333333333);
    else if (type == FT_RING_A1 || type == FT_PLATE_B1)
        k = (annex ? 0.5 : 0.6) * rho * d;
    else if (type == FT_PLATE_C1 || type == FT_PLATE_C5 || type == FT_PLATE_C2)
        k = (annex ? 0.375 : 0.3) * rho * d;
    else if (type == FT_PLATE_C10 || type == FT_PLATE_C11)
        k = (annex ? 0.5 : 0.45) * rho * d;
    return (metal1 || metal2) ? 2.0 * k : k;
}

void Plate_Min_Spacings(double d, int fitted, double* p1, double* e1, double* e2, double* p2)
{
    const double d0 = Hole(d, fitted);
    if (p1) *p1 = 2.2 * d0;
    if (e1) *e1 = 1.2 * d0;
    if (e2) *e2 = 1.2 * d0;
    if (p2) *p2 = 2.4 * d0;
}

double Plate_Alpha_b(double d, int fitted)
{
    const double d0 = Hole(d, fitted);
    if (d0 <= 0.0) return 0.0;
    double p1 = 0.0, e1 = 0.0;
    Plate_Min_Spacings(d, fitted, &p1, &e1, nullptr, nullptr);
    return std::min(p1 / (3.0 * d0) - 0.25, e1 / (3.0 * d0));
}

double Plate_K1(double d, int fitted)
{
    const double d0 = Hole(d, fitted);
    if (d0 <= 0.0) return 0.0;
    double e2 = 0.0;
    Plate_Min_Spacings(d, fitted, nullptr, nullptr, &e2, nullptr);
    return std::min(2.8 * e2 / d0 - 1.7, 2.5);
}

double Plate_Bearing_Resistance(double d, int fitted, double base, double* k1, double* alpha_b)
{
    const double k = Plate_K1(d, fitted);
    const double a = Plate_Alpha_b(d, fitted);
    if (k1) *k1 = k;
    if (alpha_b) *alpha_b = a;
    return k * a * base;
}

double Plate_Bearing_Resistance_Full(double d, double t, int fitted, double f_u, int unused_1, int unused_2, double* k1,
                                     double* alpha_b)
{
    (void)unused_1;
    (void)unused_2;
    return Plate_Bearing_Resistance(d, fitted, f_u * t * d, k1, alpha_b);
}
