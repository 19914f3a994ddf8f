// Minimum dimensions (admissibility) and minimum spacings of fasteners.
#include "materials/fastspace.h"

#include <algorithm>
#include <cmath>

#include "materials/fastcat.h"
#include "materials/matfactors.h"
#include "nad/nadec5.h"

namespace {

const double kRadToDeg = 57.29577951307855;

bool Annex() { return ActiveNadEc5 != nullptr; }
bool German_Annex() { return ActiveNadEc5 && ActiveNadEc5->na_de != 0; }

bool Metal(int kind) { return Mat_Is_Metal_Plate(kind) != 0; }
bool Solid(int kind) { return Mat_Is_Solid_Timber(kind) != 0; }
bool Timber(int kind) { return Mat_Is_Timber(kind) != 0; }
bool Board(int kind) { return Mat_Is_Board(kind) != 0; }
bool Sheathing(int kind) { return Mat_Is_Sheathing_Board(kind) != 0; }
bool Either(const ConnectionInput& c, int kind) { return c.kind1 == kind || c.kind2 == kind; }

// ---- minimum dimensions ----------------------------------------------------------

// The SPAX screws (11, 12, 13, 44).
int Spax_Rules(const ConnectionInput& c)
{
    const double d = c.d;
    if (Sheathing(c.kind2)) return 64;
    if (Sheathing(c.kind1) && c.t1 < 1.2 * d) return 65;
    if ((c.kind1 == MK_PLYWOOD || c.kind1 == MK_FIBREBOARD || c.kind1 == MK_FERMACELL) && c.t1 < 6.0) return 65;
    if ((c.kind1 == MK_OSB || c.kind1 == MK_PARTICLEBOARD) && c.t1 < 8.0) return 65;
    if (!Metal(c.kind1) && !Board(c.kind1) && c.t1 < 12.0) return 65;
    if (Either(c, MK_GYPSUM_BOARD)) return 27;
    if (Either(c, MK_FERMACELL)) return 28;
    if (Board(c.kind1) && c.washer_diameter < c.d_head && d > 11.9) return 34;
    if (Board(c.kind1) && c.t1 < 1.2 * d) return 33;
    if (Board(c.kind2) && c.t2 < 1.2 * d) return 33;
    if (c.type == FT_SPAX_CSK_FULL && !c.predrilled) {
        if (Metal(c.kind1)) {
            if (c.t2 < 30.0) return 39;
        } else {
            const bool board1 = Board(c.kind1), metal2 = Metal(c.kind2);
            if (!board1 && c.t1 < 30.0) return 36;
            if (!board1 && !metal2 && c.t2 < 30.0) return 39;
            if (c.t1 < 80.0 && d >= 12.0) return 38;
            if (!board1 && c.t1 < 40.0 && d >= 10.0) return 37;
            if (!metal2 && d >= 12.0 && c.t2 < 80.0) return 41;
            if (!board1 && !metal2 && c.t2 < 40.0 && d >= 10.0) return 40;
        }
    }
    if (!c.predrilled) {
        if (Either(c, MK_HARDWOOD)) return 63;
        if (d >= 8.0 && (Timber(c.kind1) || Timber(c.kind2)) && c.dimension_check_switch == 0) return 58;
    }
    if (c.shear_planes == 2 && Metal(c.kind1)) return 10;
    if (d < 3.0) return 4;
    if (c.length < 10.0) return 5;
    return 0;
}

// Kinds that DIN 1052 admits for ASSY screws of 8 mm and more in softwood.
bool Din_Softwood_Kind(int kind)
{
    return kind == MK_SOFTWOOD || kind == MK_HARDWOOD || kind == MK_UNLISTED_SOFTWOOD || kind == MK_GLULAM_DIN;
}

// The ASSY screws (14, 15, 43).
int Assy_Rules(const ConnectionInput& c)
{
    const double d = c.d;
    if (Either(c, MK_GYPSUM_BOARD)) return 29;
    if (Either(c, MK_FERMACELL)) return 31;
    if (c.type == FT_ASSY_VG_CYLINDER && Metal(c.kind1)) return 32;
    if (Board(c.kind1) && c.t1 < 1.2 * d) return 35;
    if (!Metal(c.kind1) && !Sheathing(c.kind1)) {
        if (c.t1 < 80.0 && d >= 12.0) return 51;
        if (c.t1 < 40.0 && d >= 10.0) return 50;
        if (c.t1 < 30.0 && d > 7.99) return 49;
        if (c.t1 < 24.0) return 47;
    }
    if (!Metal(c.kind2) && !Sheathing(c.kind2)) {
        if (c.t2 < 80.0 && d >= 12.0) return 55;
        if (c.t2 < 40.0 && d >= 10.0) return 54;
        if (c.t2 < 30.0 && d > 7.9) return 53;
        if (c.t2 < 24.0) return 48;
    }
    if (!Annex()) {
        if (d >= 8.0 && !c.predrilled && (Din_Softwood_Kind(c.kind1) || Din_Softwood_Kind(c.kind2)) &&
            c.dimension_check_switch == 0)
            return 57;
    } else {
        if (d >= 8.0 && (Timber(c.kind1) || Timber(c.kind2)) && !c.predrilled && c.dimension_check_switch == 0)
            return 57;
        if (Sheathing(c.kind2)) return 30;
    }
    if (c.variant == 0) {
        const bool class3 = c.service_class1 == 3 || c.service_class2 == 3;
        if (d > 4.0 && class3) return 59;
        if (d < 4.001 && !(c.service_class1 == 1 && c.service_class2 == 1)) return 60;
    }
    if (c.shear_planes == 2 && Metal(c.kind1)) return 10;
    if (d < 3.0) return 4;
    if (c.length < 20.0) return 5;
    return 0;
}

bool Connector_Timber_Kind(int kind)
{
    return kind == MK_SOFTWOOD || kind == MK_HARDWOOD || kind == MK_UNLISTED_SOFTWOOD || kind == MK_GLULAM_EC ||
           kind == MK_GLULAM_DIN || kind == MK_BEECH_GL75;
}

// Ring and plate connectors.
int Connector_Rules(const ConnectionInput& c, double rho1, double rho2)
{
    const int type = c.type;
    bool service_rule = false;
    if (!Annex()) {
        const bool toothed = type == FT_PLATE_C1 || type == FT_PLATE_C5 || type == FT_PLATE_C10;
        if (toothed && Either(c, MK_HARDWOOD)) return 97;
        if (rho2 >= 500.0) return 44;
        if (rho1 >= 500.0 && !Metal(c.kind1)) return 44;
        if (!Connector_Timber_Kind(c.kind1) && !Connector_Timber_Kind(c.kind2)) return 45;
        service_rule = true;
    } else {
        service_rule = German_Annex();
    }
    if (service_rule && (type == FT_RING_A1 || type == FT_PLATE_B1) && (c.service_class1 == 3 || c.service_class2 == 3))
        return 81;
    if (type == FT_RING_A1 || type == FT_PLATE_B1) return 0;
    const double h_e = Connector_Value_By_Key(type, c.product, "he");
    const bool one = c.shear_planes == 1, two = c.shear_planes == 2;
    if (Metal(c.kind1) || Metal(c.kind2)) {
        const double t = Metal(c.kind1) ? c.t2 : c.t1;
        if (one && t < 2.25 * h_e) return 25;
        if (two && t < 3.75 * h_e) return 26;
        return 0;
    }
    if (one && (c.t1 < 2.25 * h_e || c.t2 < 2.25 * h_e || c.t1 < 3.0 * h_e)) return 25;
    if (two && c.t1 < 3.0 * h_e) return 25;
    if (two && c.t2 < 3.75 * h_e) return 26;
    return 0;
}

// Minimum thickness against splitting without predrilling.
double T_Min_14(double d, double rho) { return std::max(14.0 * d, rho * 0.005 * (13.0 * d - 30.0)); }
double T_Min_7(double d, double rho) { return std::max(7.0 * d, rho * 0.0025 * (13.0 * d - 30.0)); }

// The splitting rules of nails and staples: the code, and *done when it is
// final (else the code goes through the DIN thickness rule).
int Splitting_Rules(const ConnectionInput& c, double rho1, double rho2, bool* done)
{
    const double d = c.d;
    *done = false;
    // Member-1 rule against 14 d.
    auto member1_14 = [&]() -> int {
        if (c.t1 < T_Min_14(d, rho1) && !c.predrilled) {
            *done = true;
            if (Annex()) return 14;
            if (c.t1 < 24.0) return 21;
            if (Solid(c.kind2) && c.t2 < 24.0) return 24;
            return 14;
        }
        return 0;
    };
    // Member-1 rule against 7 d.
    auto member1_7 = [&]() -> int { return (c.t1 < T_Min_7(d, rho1) && !c.predrilled) ? 18 : 0; };
    const int planes_code_14 = c.shear_planes == 1 ? 15 : 16;
    const int planes_code_7 = c.shear_planes == 1 ? 19 : 20;

    if (Solid(c.kind2)) {
        if (!c.wide_edge_distances) {
            if (!c.predrilled && c.t2 < T_Min_14(d, rho2)) return planes_code_14;
            return Solid(c.kind1) ? member1_14() : 0;
        }
        if (c.t2 < T_Min_7(d, rho2) && !c.predrilled) return planes_code_7;
        return Solid(c.kind1) ? member1_7() : 0;
    }
    if (!Solid(c.kind1)) {
        *done = true;
        return 0;
    }
    return c.wide_edge_distances ? member1_7() : member1_14();
}

// ---- spacings ---------------------------------------------------------------------

struct Spacing {
    double a1, a2, a3t, a3c, a4t, a4c;
};

// The angle: degrees (unreduced), signed sine, and |sin|, |cos|.
struct Angle {
    double deg, sin_a, s, c;
    explicit Angle(double rad)
        : deg(rad * kRadToDeg), sin_a(std::sin(rad)), s(std::fabs(std::sin(rad))), c(std::fabs(std::cos(rad)))
    {}
};

// Loaded-end sectors of bolts.
double Sectors_S(const Angle& a, double x)
{
    if ((a.deg >= 90.0 && a.deg < 150.0) || (a.deg > 30.0 && a.deg < 60.0)) return (1.0 + 6.0 * a.sin_a) * x;
    if (a.deg >= 210.0 && a.deg < 270.0) return (1.0 + 6.0 * a.s) * x;
    return 4.0 * x;
}

double Loaded_Edge_Bolt(const Angle& a, double d) { return std::max(2.0 * d * (1.0 + a.sin_a), 3.0 * d); }

int Bolt_Rule(const Angle& a, double d, Spacing* r)
{
    r->a2 = 4.0 * d;
    r->a3t = std::max(7.0 * d, 80.0);
    r->a4c = 3.0 * d;
    if (Annex()) {
        r->a1 = (4.0 + a.c) * d;
        r->a4t = Loaded_Edge_Bolt(a, d);
        r->a3c = Sectors_S(a, d);
        return 4;
    }
    r->a1 = std::max((3.0 + 2.0 * a.c) * d, 4.0 * d);
    r->a3c = 7.0 * d * a.s > 3.0 * d ? 7.0 * d * a.s : 4.0 * d;
    r->a4t = 3.0 * d;
    return 9;
}

int Dowel_Rule(const Angle& a, double d, Spacing* r)
{
    r->a1 = (3.0 + 2.0 * a.c) * d;
    r->a2 = 3.0 * d;
    r->a3t = std::max(7.0 * d, 80.0);
    r->a4c = 3.0 * d;
    if (Annex()) {
        const double deg = a.deg < 90.0 ? a.deg + 180.0 : a.deg;
        const bool sector = (deg >= 90.0 && deg < 150.0) || (deg >= 210.0 && deg < 270.0);
        // EN 1995-1-1 Table 8.5: max(7 d, 80 mm) |sin alpha| in the unloaded-end sectors.
        r->a3c = sector ? std::max(std::max(7.0 * d, 80.0) * a.s, 3.0 * d) : 3.0 * d;
        r->a4t = Loaded_Edge_Bolt(a, d);
        return 5;
    }
    r->a3c = std::max(7.0 * d * a.s, 3.0 * d);
    r->a4t = 3.0 * d;
    return 8;
}

void Staple_Rule(const Angle& a, double theta, double d, Spacing* r)
{
    const double theta_deg = theta * kRadToDeg;
    r->a1 = (theta_deg < 30.0 ? 15.0 + 5.0 * a.c : 10.0 + 5.0 * a.c) * d;
    r->a3t = (15.0 + 5.0 * a.c) * d;
    r->a3c = 15.0 * d;
    if (Annex()) {
        r->a2 = 15.0 * d;
        r->a4t = (15.0 + 5.0 * a.s) * d;
        r->a4c = 10.0 * d;
    } else {
        r->a2 = theta_deg < 30.0 ? 10.0 * d : (5.0 + 10.0 * std::sin(theta)) * d;
        r->a4t = (10.0 + 5.0 * a.s) * d;
        r->a4c = 5.0 * d * (1.0 + std::sin(theta));
    }
}

void Nail_Predrilled_Rule(const Angle& a, double d, Spacing* r)
{
    if (Annex()) {
        r->a1 = (4.0 + a.c) * d;
        r->a2 = (3.0 + a.s) * d;
    } else {
        r->a1 = (3.0 + 2.0 * a.c) * d;
        r->a2 = 3.0 * d;
    }
    r->a3t = (7.0 + 5.0 * a.c) * d;
    r->a3c = 7.0 * d;
    r->a4t = (d >= 5.0 ? 3.0 + 4.0 * a.s : 3.0 + 2.0 * a.s) * d;
    r->a4c = 3.0 * d;
}

void Nail_Rule(const Angle& a, MaterialKind kind, double rho_k, double d, Spacing* r)
{
    if (rho_k > 420.0) {
        r->a1 = kind == MK_GYPSUM_BOARD ? 10.0 * d : (7.0 + 8.0 * a.c) * d;
        r->a2 = 7.0 * d;
        r->a3t = (15.0 + 5.0 * a.c) * d;
        r->a3c = 15.0 * d;
        r->a4t = (d >= 5.0 ? 7.0 + 5.0 * a.s : 7.0 + 2.0 * a.s) * d;
        r->a4c = ((kind == MK_OSB || kind == MK_PARTICLEBOARD) && German_Annex()) ? 3.0 * d : 7.0 * d;
        return;
    }
    r->a2 = 5.0 * d;
    r->a4c = 5.0 * d;
    if (d >= 5.0) {
        r->a1 = (5.0 + 7.0 * a.c) * d;
        r->a3t = (10.0 + 5.0 * a.c) * d;
        r->a3c = 10.0 * d;
        r->a4t = 5.0 * d * (1.0 + a.s);
        return;
    }
    r->a1 = 5.0 * d * (1.0 + a.c);
    if (Annex()) {
        r->a3t = (10.0 + 5.0 * a.c) * d;
        r->a3c = 10.0 * d;
    } else {
        r->a3t = (7.0 + 5.0 * a.c) * d;
        r->a3c = 7.0 * d;
    }
    r->a4t = (5.0 + 2.0 * a.s) * d;
}

int Kerto_Nail_Rule(const Angle& a, MaterialKind kind, double d, Spacing* r)
{
    if (kind == MK_KERTO_S) {
        r->a1 = d >= 5.0 ? (5.0 + 7.0 * a.c) * d : 5.0 * d * (1.0 + a.c);
        r->a2 = 5.0 * d;
        r->a3t = (10.0 + 5.0 * a.c) * d;
        r->a3c = 10.0 * d;
        r->a4t = d >= 5.0 ? 5.0 * d * (1.0 + a.s) : (5.0 + 2.0 * a.s) * d;
        r->a4c = 5.0 * d;
    } else {
        r->a1 = (5.0 + 2.0 * a.c) * d;
        r->a2 = 5.0 * d;
        r->a3t = (4.0 + 3.0 * a.c) * d;
        r->a3c = 5.0 * d;
        r->a4t = (3.0 + 4.0 * a.s) * d;
        r->a4c = 3.0 * d;
    }
    return Annex() ? 2 : 10;
}

int Kerto_Bolt_Rule(const Angle& a, MaterialKind kind, double d, Spacing* r)
{
    if (kind == MK_KERTO_S) {
        r->a1 = (4.0 + 3.0 * a.c) * d;
        r->a3c = Sectors_S(a, d);
        r->a2 = 4.0 * d;
        r->a3t = std::max(7.0 * d, 105.0);
    } else {
        r->a1 = 4.0 * d;
        r->a3c = 4.0 * d;
        r->a2 = 4.0 * d;
        r->a3t = std::max(4.0 * d, 60.0);
    }
    r->a4t = Loaded_Edge_Bolt(a, d);
    r->a4c = 3.0 * d;
    return Annex() ? 4 : 9;
}

int Kerto_Dowel_Rule(const Angle& a, MaterialKind kind, double d, Spacing* r)
{
    if (kind == MK_KERTO_S) {
        const bool sector =
            (a.deg >= 90.0 && a.deg < 150.0) || (a.deg > 30.0 && a.deg < 60.0) || (a.deg >= 210.0 && a.deg < 270.0);
        r->a1 = (4.0 + 3.0 * a.c) * d;
        r->a3c = sector ? std::max(std::max(7.0 * d, 105.0) * a.s, 3.0 * d) : 3.0 * d;
        r->a2 = 4.0 * d;
        r->a3t = std::max(7.0 * d, 105.0);
    } else {
        r->a1 = (3.0 + a.c) * d;
        r->a3c = (3.0 + a.s) * d;
        r->a2 = 3.0 * d;
        r->a3t = std::max(4.0 * d, 60.0);
    }
    r->a4t = Loaded_Edge_Bolt(a, d);
    r->a4c = 3.0 * d;
    return Annex() ? 4 : 9;
}

int Connector_Spacing(FastenerType type, const Angle& a, double d, double d_bolt, Spacing* r)
{
    Spacing m;
    Bolt_Rule(a, d_bolt, &m);
    const bool annex = Annex();
    int code = 0;
    if (type == FT_RING_A1 || type == FT_PLATE_B1 || type == FT_PLATE_C10 || type == FT_PLATE_C11) {
        r->a1 = (1.2 + 0.8 * a.c) * d;
        r->a3t = 2.0 * d;
        r->a3c = a.deg > 30.0 ? (0.4 + 1.6 * a.s) * d : 1.2 * d;
        code = (type == FT_RING_A1 || type == FT_PLATE_B1) ? (annex ? 7 : 18) : (annex ? 9 : 21);
    } else {
        r->a1 = (1.2 + 0.3 * a.c) * d;
        r->a3t = (type == FT_PLATE_C5 && annex) ? 2.0 * d : 1.5 * d;
        r->a3c = a.deg > 30.0 ? (0.9 + 0.6 * a.s) * d : 1.2 * d;
        code = annex ? 8 : 20;
    }
    r->a2 = 1.2 * d;
    r->a4t = (0.6 + 0.2 * a.s) * d;
    r->a4c = 0.6 * d;
    r->a1 = std::max(r->a1, m.a1);
    r->a2 = std::max(r->a2, m.a2);
    r->a3t = std::max(r->a3t, m.a3t);
    r->a3c = std::max(r->a3c, m.a3c);
    r->a4t = std::max(r->a4t, m.a4t);
    r->a4c = std::max(r->a4c, m.a4c);
    return code;
}

bool Screw_Product(FastenerType type)
{
    return (type >= FT_SPAX_CSK_PARTIAL && type <= FT_ASSY_VG_COUNTERSUNK) || type == FT_ASSY_USER ||
           type == FT_SPAX_USER;
}

// The rule code and values; 0 when no rule applies.
int Spacing_Rules(FastenerType type, int predrilled, int fitted, int wide_edge, MaterialKind kind, double rho_k,
                  double d, double d_bolt, double theta, const Angle& a, Spacing* r)
{
    const bool wood_screw = Fastener_Is_Wood_Screw(type) != 0;
    const bool kerto = kind == MK_KERTO_S || kind == MK_KERTO_Q;
    // The Simpson connector screws of about 5 mm take the rules of 4 mm.
    const double d_nail = (type == FT_SIMPSON_CSA && d > 4.1 && d < 5.1) ? 4.0 : d;

    if (wood_screw && d > 6.01) {
        if (kerto) return Kerto_Bolt_Rule(a, kind, d, r);
        return fitted ? Dowel_Rule(a, d, r) : Bolt_Rule(a, d, r);
    }
    if (kerto && !Fastener_Is_Connector(type)) {
        const bool product = Screw_Product(type);
        if (((wood_screw || (type >= FT_SPAX_CSK_PARTIAL && type <= FT_ASSY_VG_COUNTERSUNK)) && d <= 6.1) ||
            Fastener_Is_Nail(type))
            return Kerto_Nail_Rule(a, kind, d_nail, r);
        if (product && d > 6.1) return Kerto_Bolt_Rule(a, kind, d, r);
        if (product) return 0;
        if (type == FT_STAPLE) {
            Staple_Rule(a, theta, d, r);
            if (!Annex()) return 13;
            r->a1 *= 0.85;
            r->a2 *= 0.85;
            return 3;
        }
        if (type == FT_BOLT) return Kerto_Bolt_Rule(a, kind, d, r);
        if (type == FT_DOWEL) return Kerto_Dowel_Rule(a, kind, d, r);
        return 0;
    }
    if (type == FT_STAPLE) {
        Staple_Rule(a, theta, d, r);
        if (!Annex()) return 13;
        if (Board(kind)) {
            r->a1 *= 0.85;
            r->a2 *= 0.85;
        }
        return 3;
    }
    if (Fastener_Is_Connector(type)) return Connector_Spacing(type, a, d, d_bolt, r);
    if (type == FT_DOWEL) return Dowel_Rule(a, d, r);
    if (type == FT_BOLT) return fitted ? Dowel_Rule(a, d, r) : Bolt_Rule(a, d, r);

    const bool nail = Fastener_Is_Nail(type) != 0;
    if (!nail && !wood_screw && !Screw_Product(type)) return 0;
    const bool nail_driven = nail && !predrilled;
    if (nail_driven) {
        Nail_Rule(a, kind, rho_k, d_nail, r);
        if (wide_edge) r->a4t = r->a4c = (rho_k > 420.0 ? 14.0 : 10.0) * d_nail;
    } else {
        // Self-tapping screw products always take the predrilled values.
        Nail_Predrilled_Rule(a, d_nail, r);
    }
    const bool metal = kind == MK_STEEL_PLATE || kind == MK_ALUMINIUM_PLATE;
    if (!Annex()) {
        if (nail_driven && metal) r->a1 = std::max(5.0 * d_nail, r->a1 / 2.0);
        return 10;
    }
    if (metal && (!wood_screw || d <= 6.0)) {
        r->a1 *= 0.7;
        r->a2 *= 0.7;
    }
    if (Board(kind)) {
        r->a1 *= 0.85;
        r->a2 *= 0.85;
    }
    return 2;
}

void Write_Spacing(const Spacing& r, double* a1, double* a2, double* a3t, double* a3c, double* a4t, double* a4c)
{
    if (a1) *a1 = r.a1;
    if (a2) *a2 = r.a2;
    if (a3t) *a3t = r.a3t;
    if (a3c) *a3c = r.a3c;
    if (a4t) *a4t = r.a4t;
    if (a4c) *a4c = r.a4c;
}

// The drilling-tip rules of the user screws; a3,c by product.
int Tip_Spacing(const UserScrewProduct& p, bool spax, int skip, MaterialKind kind, double alpha, double* a1, double* a2,
                double* a3t, double* a3c, double* a4t, double* a4c)
{
    const int tip = p.product_class;
    const bool tip_ok = spax ? (tip == 1 || tip == 2) : (tip == 2 || tip == 3);
    if (skip || !Timber(kind) || !tip_ok) return 0;
    const double d = p.d;
    const double sin_a = std::sin(alpha);
    Spacing r;
    r.a1 = 5.0 * d;
    r.a2 = spax ? (3.0 + std::fabs(sin_a)) * d : 2.5 * d;
    r.a3t = 12.0 * d;
    r.a3c = spax ? 12.0 * d : 5.0 * d;
    r.a4t = (d < 4.01 ? 3.0 + 2.0 * sin_a : 3.0 + 4.0 * sin_a) * d;
    r.a4c = 3.0 * d;
    Write_Spacing(r, a1, a2, a3t, a3c, a4t, a4c);
    return 1;
}

} // namespace

int Fastener_Min_Dimensions(ConnectionInput c)
{
    double rho1 = 0.0, rho2 = 0.0;
    Mat_Rho_k(c.kind1, c.grade1, c.t1, &rho1, &c.user_material);
    Mat_Rho_k(c.kind2, c.grade2, c.t2, &rho2, &c.user_material);
    const int type = c.type;
    const bool annex = Annex();

    if (type == FT_NO_COMPOSITE || type == FT_GLUED) return 0;
    if (c.fu < 10.0 && (Fastener_Is_Wood_Screw(type) || type == FT_STAPLE || Fastener_Is_Special_Nail(type))) return 82;
    if (!annex && Solid(c.kind1) && c.t1 < 24.0) return 21;
    if (Metal(c.kind1) && Metal(c.kind2)) return 12;

    int code = 0;
    if (Fastener_Is_Spax(type)) {
        if ((code = Spax_Rules(c)) != 0) return code;
    } else if (Fastener_Is_Assy(type)) {
        if ((code = Assy_Rules(c)) != 0) return code;
    } else if (Fastener_Is_Connector(type)) {
        if ((code = Connector_Rules(c, rho1, rho2)) != 0) return code;
    }
    if (Fastener_Is_Special_Nail(type) && annex && ActiveNadEc5->na_de == 0) return 89;
    if (Fastener_Is_Nail(type) || type == FT_STAPLE) {
        bool done = false;
        code = Splitting_Rules(c, rho1, rho2, &done);
        if (done) return code;
    }
    if (annex) return code;
    if (Solid(c.kind1) && c.t1 < 24.0) return 21;
    if (Solid(c.kind2) && c.t2 < 24.0) return 24;
    return code;
}

int Fastener_Min_Spacings(FastenerType type, int predrilled, int fitted, int douglas_fir, int wide_edge_distances,
                          MaterialKind kind, double rho_k, double d, double d_bolt, double alpha, double theta,
                          double t1, double t2, double* a1, double* a2, double* a3t, double* a3c, double* a4t,
                          double* a4c)
{
    (void)t1;
    (void)t2;
    const Angle a(alpha);
    Spacing r = {0, 0, 0, 0, 0, 0};
    const int code = Spacing_Rules(type, predrilled, fitted, wide_edge_distances, kind, rho_k, d, d_bolt, theta, a, &r);
    if (code == 0) return 0;
    if (douglas_fir) {
        // Douglas fir splits more easily: the spacings along the grain by half more.
        r.a1 *= 1.5;
        r.a3t *= 1.5;
        r.a3c *= 1.5;
    }
    Write_Spacing(r, a1, a2, a3t, a3c, a4t, a4c);
    return code;
}

int Fastener_Min_Spacings_Cut_Tip(UserScrewProduct product, int skip, MaterialKind kind, double alpha, double* a1,
                                  double* a2, double* a3t, double* a3c, double* a4t, double* a4c)
{
    return Tip_Spacing(product, true, skip, kind, alpha, a1, a2, a3t, a3c, a4t, a4c);
}

int Fastener_Min_Spacings_Assy_Tip(UserScrewProduct product, int skip, MaterialKind kind, double alpha, double* a1,
                                   double* a2, double* a3t, double* a3c, double* a4t, double* a4c)
{
    return Tip_Spacing(product, false, skip, kind, alpha, a1, a2, a3t, a3c, a4t, a4c);
}
