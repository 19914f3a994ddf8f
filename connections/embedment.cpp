// Embedment strengths of the connection design.
#include "connections/embedment.h"

#include <cmath>
#include <initializer_list>

#include "connections/connmsg.h"
#include "materials/matkind.h"
#include "nad/nadec5.h"

namespace {

// x^e for a positive base; 0 otherwise, so that no formula turns infinite or
// NaN on a missing dimension.
double Pw(double x, double e) { return x > 0.0 ? std::pow(x, e) : 0.0; }

double Sin2(double a)
{
    double s = std::sin(a);
    return s * s;
}

double Cos2(double a)
{
    double c = std::cos(a);
    return c * c;
}

// Rule family of a fastener: the dowel rule for connectors, dowels, bolts,
// unknown types and large screws; the nail rule otherwise. The wood screws
// from 8 mm on count as predrilled.
bool Dowel_Family(int type, double d, int* predrilled)
{
    if (type >= FT_SCREW_1A && type <= FT_SCREW_3C && d >= 8.0) *predrilled = 1;
    if (type < FT_NAIL || type > FT_SIMPSON_CSA || (type >= FT_RING_A1 && type <= FT_PLATE_C11)) return true;
    if (type >= FT_SCREW_1A && type <= FT_SCREW_3C) return d > 8.01 || (ActiveNadEc5 && d > 6.01);
    if (Conn_Is_Screw_Product(type)) return *predrilled && d > 8.01;
    return false;
}

// k90 of the dowel rule with the DIN 1052 note: at d up to 8.00001 it is 1.
double K90_Noted(double d, int kind, bool* noted)
{
    if (!ActiveNadEc5 && d <= 8.00001) {
        *noted = true;
        return 1.0;
    }
    return Embedment_K90(d, kind);
}

double Angle_Divisor(double k90, double alpha) { return k90 * Sin2(alpha) + Cos2(alpha); }

bool Kind_In(int kind, std::initializer_list<int> kinds)
{
    for (int k : kinds)
        if (k == kind) return true;
    return false;
}

// Dowel rule of one member; metal members are filled in by the caller.
double Dowel_Rule(double d, double t, double rho, double alpha, int kind, bool* noted)
{
    if (Kind_In(kind, {MK_SOFTWOOD, MK_HARDWOOD, MK_GLULAM_EC, MK_GLULAM_DIN, MK_BEECH_GL75, MK_BEECH_PANEL,
                       MK_STEICO_LVL, MK_STEICO_GLVL, MK_STEICO_WALL, MK_STEICO_JOIST})) {
        double div = Angle_Divisor(K90_Noted(d, kind, noted), alpha);
        return div > 0.0 ? 0.082 * (1.0 - 0.01 * d) * rho / div : 0.0;
    }
    if (kind == MK_OSB || kind == MK_PARTICLEBOARD) return 50.0 * Pw(d, -0.6) * Pw(t, 0.2);
    if (kind == MK_PLYWOOD) return 0.11 * (1.0 - 0.01 * d) * rho;
    if (kind == MK_FERMACELL) return 7.0 * Pw(d, -0.7) * Pw(t, 0.9);
    if (kind == MK_KERTO_S || kind == MK_KERTO_Q) {
        double div = Angle_Divisor(K90_Noted(d, kind, noted), alpha);
        return div > 0.0 ? 37.0 * (1.0 - 0.01 * d) / div : 0.0;
    }
    return 0.0;
}

// Nail rule of one member by its own kind (no metal, no modifiers).
double Nail_Rule(double d, int predrilled, double t, double rho, double alpha, int kind, bool* noted)
{
    if (d <= 0.0) return 0.0;
    if (Kind_In(kind, {MK_SOFTWOOD, MK_HARDWOOD, MK_GLULAM_EC, MK_GLULAM_DIN, MK_BEECH_GL75, MK_BEECH_PANEL}))
        return predrilled ? 0.082 * (1.0 - 0.01 * d) * rho : 0.082 * rho * Pw(d, -0.3);
    if (Kind_In(kind, {MK_STEICO_LVL, MK_STEICO_GLVL, MK_STEICO_WALL, MK_STEICO_JOIST}))
        return predrilled ? 0.8 * 0.082 * (1.0 - 0.01 * d) * rho : 0.082 * rho * Pw(d, -0.3);
    if (kind == MK_OSB || kind == MK_PARTICLEBOARD) return Embedment_Osb_Particleboard(d, t, predrilled);
    if (kind == MK_GYPSUM_BOARD) return Embedment_Gypsum(d, t);
    if (kind == MK_PLYWOOD) return predrilled ? 0.11 * (1.0 - 0.01 * d) * rho : 0.11 * rho * Pw(d, -0.3);
    if (kind == MK_FIBREBOARD) return Embedment_Fibreboard(d, t);
    if (kind == MK_FERMACELL) return 7.0 * Pw(d, -0.7) * Pw(t, 0.9);
    if (kind == MK_KERTO_S || kind == MK_KERTO_Q) {
        double div = Angle_Divisor(K90_Noted(d, kind, noted), alpha);
        return div > 0.0 ? 37.0 * (1.0 - 0.01 * d) / div : 0.0;
    }
    return 0.0;
}

// Beech glulam edgewise (grade 1) loses a fifth from 7.9 mm on; the thin
// veneer products -12, -13 of a grade other than 0 keep a third below 3.1 mm.
double Nail_Modifier(double f, int kind, int grade, double d, double t)
{
    if (kind == MK_BEECH_GL75 && grade == 1 && d > 7.9) return 0.8 * f;
    if ((kind == MK_STEICO_WALL || kind == MK_STEICO_JOIST) && grade != 0 && t < 3.1) return f / 3.0;
    return f;
}

double User_Law(const UserEmbedmentLaw* law, double d, double t, double rho)
{
    return law->c * Pw(d, law->e_d) * Pw(t, law->e_t) * Pw(rho, law->e_rho);
}

bool Law_Applies(int kind, const UserEmbedmentLaw* law) { return kind == MK_USER_DEFINED && law && law->active; }

} // namespace

int Conn_Is_Metal(int kind) { return kind == MK_STEEL_PLATE || kind == MK_ALUMINIUM_PLATE; }

int Conn_Is_Panel(int kind)
{
    return (kind >= MK_OSB && kind <= MK_KERTO_Q) || kind == MK_BEECH_PANEL || kind == MK_STEICO_LVL ||
           (kind >= MK_STEICO_JOIST && kind <= MK_UNLISTED_SOFTWOOD);
}

int Conn_Is_Special_Nail(int type)
{
    return (type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_3C) ||
           (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F);
}

int Conn_Is_Nail_Like(int type) { return Fastener_Is_Nail(type); }

int Conn_Is_Bolted_Connector(int type)
{
    return Fastener_Is_Connector(type) && type != FT_RING_A1 && type != FT_PLATE_B1;
}

int Conn_Is_Screw_Product(int type)
{
    return (type >= FT_SPAX_CSK_PARTIAL && type <= FT_ASSY_VG_COUNTERSUNK) || type == FT_ASSY_USER ||
           type == FT_SPAX_USER;
}

double Embedment_Timber(double d, double rho, int predrilled)
{
    if (d <= 0.0) return 0.0;
    return predrilled ? 0.082 * (1.0 - 0.01 * d) * rho : 0.082 * rho * Pw(d, -0.3);
}

double Embedment_Plywood(double d, double rho, int predrilled)
{
    if (d <= 0.0) return 0.0;
    return predrilled ? 0.11 * (1.0 - 0.01 * d) * rho : 0.11 * rho * Pw(d, -0.3);
}

double Embedment_Osb_Particleboard(double d, double t, int predrilled)
{
    return predrilled ? 50.0 * Pw(d, -0.6) * Pw(t, 0.2) : 65.0 * Pw(d, -0.7) * Pw(t, 0.1);
}

double Embedment_Fibreboard(double d, double t) { return 30.0 * Pw(d, -0.3) * Pw(t, 0.6); }

double Embedment_Gypsum(double d, double t) { return 3.9 * Pw(d, -0.6) * Pw(t, 0.7); }

double Embedment_Lvl(double d) { return 37.0 * (1.0 - 0.01 * d); }

double Embedment_Dowel_Parallel(double d, double rho) { return 0.082 * (1.0 - 0.01 * d) * rho; }

double Embedment_Three_Angles(double d, double rho, double alpha, double beta, double epsilon)
{
    double div = ((0.5 + 0.024 * d) * Sin2(alpha) + Cos2(alpha)) * (1.2 * Cos2(beta) + Sin2(beta)) *
                 (2.5 * Cos2(epsilon) + Sin2(epsilon));
    return div > 0.0 ? 0.082 * rho * Pw(d, -0.15) / div : 0.0;
}

double Embedment_K90(double d, int kind)
{
    if (!ActiveNadEc5 && d <= 8.0) return 1.0;
    if (Kind_In(kind, {MK_SOFTWOOD, MK_GLULAM_EC, MK_GLULAM_DIN, MK_UNLISTED_SOFTWOOD})) return 1.35 + 0.015 * d;
    if (kind == MK_HARDWOOD || kind == MK_BEECH_GL75) return 0.90 + 0.015 * d;
    if (Kind_In(kind, {MK_KERTO_S, MK_KERTO_Q, MK_LVL, MK_BEECH_PANEL, MK_STEICO_LVL, MK_STEICO_GLVL, MK_STEICO_WALL,
                       MK_STEICO_JOIST}))
        return 1.30 + 0.015 * d;
    return 0.0;
}

int Embedment_Pair(double* f_h1, double* f_h2, int type, double d, int predrilled, double alpha1, double alpha2,
                   double t1, double t2, double rho1, double rho2, int kind1, int kind2, int grade1, int grade2,
                   const UserEmbedmentLaw* law1, const UserEmbedmentLaw* law2)
{
    bool noted = false;
    double f1 = 0.0, f2 = 0.0;
    const bool metal1 = Conn_Is_Metal(kind1), metal2 = Conn_Is_Metal(kind2);
    if (Dowel_Family(type, d, &predrilled)) {
        f1 = metal1 ? 0.0 : Dowel_Rule(d, t1, rho1, alpha1, kind1, &noted);
        f2 = metal2 ? 0.0 : Dowel_Rule(d, t2, rho2, alpha2, kind2, &noted);
        if (Law_Applies(kind1, law1)) f1 = User_Law(law1, d, t1, rho1);
        if (Law_Applies(kind2, law2)) f2 = User_Law(law2, d, t2, rho2);
        // A plate bears as hard as the timber it holds.
        if (metal1 && !metal2) f1 = f2;
        if (metal2 && !metal1) f2 = f1;
    } else {
        auto solid = [](int k) { return k == MK_SOFTWOOD || k == MK_HARDWOOD || k == MK_UNLISTED_SOFTWOOD; };
        if (solid(kind1) && solid(kind2)) {
            double rho = std::fmin(rho1, rho2);
            f1 = f2 = Embedment_Timber(d, rho, predrilled);
        } else if (kind1 == kind2) {
            if (!metal1) {
                // One density for both members where the kind's formula has one.
                double rho = kind1 == MK_PLYWOOD ? rho2 : rho1;
                f1 = Nail_Modifier(Nail_Rule(d, predrilled, t1, rho, alpha1, kind1, &noted), kind1, grade1, d, t1);
                f2 = Nail_Modifier(Nail_Rule(d, predrilled, t2, rho, alpha2, kind2, &noted), kind2,
                                   kind2 == MK_BEECH_GL75 ? grade1 : grade2, d, t2);
            }
        } else {
            if (!metal1)
                f1 = Nail_Modifier(Nail_Rule(d, predrilled, t1, rho1, alpha1, kind1, &noted), kind1, grade1, d, t1);
            if (!metal2)
                f2 = Nail_Modifier(Nail_Rule(d, predrilled, t2, rho2, alpha2, kind2, &noted), kind2, grade2, d, t2);
        }
        if (Law_Applies(kind1, law1)) f1 = User_Law(law1, d, t1, rho1);
        if (Law_Applies(kind2, law2)) f2 = User_Law(law2, d, t2, rho2);
        // A plate as member 1 takes the timber's value; as member 2 it has none.
        if (metal1 && !metal2) f1 = f2;
    }
    if (f_h1) *f_h1 = f1;
    if (f_h2) *f_h2 = f2;
    if (f2 <= 0.001 && !metal2) return CONN_MSG_NO_EMBEDMENT_MEMBER_2;
    if (f1 <= 0.001 && !metal1) return CONN_MSG_NO_EMBEDMENT_MEMBER_1;
    return noted ? CONN_MSG_K90_SET_TO_1 : 0;
}

int Embedment_Single(double* f_h, double d, int type, int predrilled, double alpha, double t, double rho, int kind,
                     int grade, const UserEmbedmentLaw* law)
{
    if (!f_h) return 0;
    bool noted = false;
    double f = 0.0;
    const int as_kind = kind == MK_UNLISTED_SOFTWOOD ? 0 : kind;
    if (!Conn_Is_Metal(kind)) {
        if (Dowel_Family(type, d, &predrilled))
            f = Dowel_Rule(d, t, rho, alpha, as_kind, &noted);
        else
            f = Nail_Modifier(Nail_Rule(d, predrilled, t, rho, alpha, as_kind, &noted), kind, grade, d, t);
        if (Law_Applies(kind, law)) f = User_Law(law, d, t, rho);
    }
    *f_h = f;
    if (f <= 0.001 && !Conn_Is_Metal(kind)) return CONN_MSG_NO_EMBEDMENT_MEMBER_1;
    return noted ? CONN_MSG_K90_SET_TO_1 : 0;
}
