// Timber material factors and densities.
#include "materials/matfactors.h"

#include <algorithm>
#include <cmath>

#include "materials/holzgueten.h"
#include "materials/matlvl.h"
#include "materials/matrules.h"

namespace {

// k_mod rows: durations 0..4, then 5 = mean of 3 and 4.
enum KmodRow { R1, R2, R3, R4, R5, R6, R7, R8, R9, KMOD_ROWS, R_NONE = -1 };

const double kKmodRows[KMOD_ROWS][6] = {
    {0.6, 0.7, 0.8, 0.9, 1.1, 1.0},      // R1
    {0.5, 0.55, 0.65, 0.7, 0.9, 0.8},    // R2
    {0.4, 0.5, 0.7, 0.9, 1.1, 1.0},      // R3
    {0.3, 0.4, 0.55, 0.7, 0.9, 0.8},     // R4
    {0.3, 0.45, 0.65, 0.85, 1.1, 0.975}, // R5
    {0.2, 0.3, 0.45, 0.6, 0.8, 0.7},     // R6
    {0.2, 0.4, 0.6, 0.8, 1.1, 0.95},     // R7
    {0.15, 0.3, 0.45, 0.6, 0.8, 0.7},    // R8
    // R9: medium board in service class 2, short-term and instantaneous
    // loads only (0: not allowed).
    {0.0, 0.0, 0.0, 0.45, 0.8, 0.625},
};

bool IsUserKind(int kind) { return kind == MK_USER_DEFINED || kind == MK_FREE; }

int Fail(double* out)
{
    if (out) *out = 0.0;
    return 0;
}

int Put(double* out, double v)
{
    if (out) *out = v;
    return 1;
}

// Value of a five-column k_mod row (durations 0..4) for durations 0..7.
double RowValue(const double* row5, int duration)
{
    if (duration <= 4) return row5[duration];
    if (duration == 5) return 0.5 * (row5[3] + row5[4]);
    return row5[4];
}

// The k_mod row of a kind, grade and service class 1..3 under the rules in force.
KmodRow SelectRow(int kind, int grade, int service_class, bool annex)
{
    const int sc = service_class - 1; // 0..2
    auto pick = [sc](KmodRow a, KmodRow b, KmodRow c) { return sc == 0 ? a : sc == 1 ? b : c; };
    // Generic LVL (EN 14374, EN 14279) has the k_mod of solid timber in every
    // service class (EN 1995-1-1, Table 3.1), though it belongs to none of the
    // kind sets.
    if (Mat_Is_Timber(kind) || kind == MK_PLYWOOD || kind == MK_KERTO_S || kind == MK_KERTO_Q || kind == MK_LVL)
        return pick(R1, R1, R2);
    if (kind == MK_BEECH_PANEL || kind == MK_STEICO_LVL || kind == MK_STEICO_GLVL) return pick(R1, R1, R_NONE);
    if (kind == MK_OSB) {
        if (grade == 0) return pick(R5, R_NONE, R_NONE);
        if (grade == 1 || grade == 2) return pick(R3, R4, R_NONE);
        return R_NONE;
    }
    if (kind == MK_PARTICLEBOARD) {
        if (!annex || grade == 0 || grade == 1) return pick(R5, R6, R_NONE);
        if (grade == 2 || grade == 3) return pick(R3, R4, R_NONE);
        return R_NONE;
    }
    if (kind == MK_FIBREBOARD && grade == 0) return pick(R5, R6, R_NONE);
    if (kind == MK_FIBREBOARD && grade == 1) return pick(R7, R9, R_NONE);
    if (kind == MK_GYPSUM_BOARD || kind == MK_FERMACELL) return pick(R7, R8, R_NONE);
    return R_NONE;
}

} // namespace

int Mat_Kmod(int kind, int grade, int service_class, int duration, double* kmod_out, const UserMaterial* user)
{
    const NadEc5Record* annex = Mat_Annex();
    // The combined class short/instantaneous counts as short-term unless the
    // annex takes it from Table NA.1 (b).
    if (duration == 5 && annex && annex->kmod_na1_index_b == 0) duration = 3;

    if (IsUserKind(kind) || grade == MK_USER_DEFINED || grade == MK_FREE) {
        if (!user) return Put(kmod_out, 0.2);
        if (duration < 0 || duration > 7) return Fail(kmod_out);
        if (service_class == 0) return Put(kmod_out, 1.0);
        if (service_class < 1 || service_class > 3) return Fail(kmod_out);
        return Put(kmod_out, RowValue(user->k_mod[service_class - 1], duration));
    }

    if (Mat_Is_Steico_Wall_Or_Joist(kind)) {
        const double v = duration < 0 ? 0.0 : Lvl_Web_Kmod(service_class, (unsigned)duration);
        // The web has k_mod only in service classes 1 and 2.
        return v > 0.0 ? Put(kmod_out, v) : Fail(kmod_out);
    }

    if (service_class == 0) return Put(kmod_out, 1.0);
    if (duration < 0 || duration > 7 || service_class < 1 || service_class > 3) return Fail(kmod_out);

    const KmodRow row = SelectRow(kind, grade, service_class, annex != nullptr);
    if (row == R_NONE) return Fail(kmod_out);
    const double* r = kKmodRows[row];
    const double v = duration == 5 ? r[5] : RowValue(r, duration);
    return v > 0.0 ? Put(kmod_out, v) : Fail(kmod_out);
}

int Mat_Kdef(int kind, int grade, int service_class, double* kdef_out)
{
    double k[3] = {0.0, 0.0, 0.0};
    auto set = [&k](double a, double b, double c) {
        k[0] = a;
        k[1] = b;
        k[2] = c;
    };
    switch (kind) {
        case MK_SOFTWOOD:
        case MK_HARDWOOD:
        case MK_GLULAM_EC:
        case MK_GLULAM_DIN:
        case MK_KERTO_S:
        case MK_KERTO_Q:
        case MK_BEECH_GL75:
        case MK_BEECH_PANEL:
        case MK_STEICO_LVL:
        case MK_STEICO_GLVL:
        case MK_STEICO_WALL:
        case MK_STEICO_JOIST: set(0.6, 0.8, 2.0); break;
        case MK_OSB: set(1.5, 2.25, 0.0); break;
        case MK_GYPSUM_BOARD: set(3.0, 4.0, 0.0); break;
        case MK_PLYWOOD: set(0.8, 1.0, 2.5); break;
        case MK_PARTICLEBOARD:
            if (!Mat_Annex() || grade == 0 || grade == 1)
                set(2.25, 3.0, 0.0);
            else
                set(1.5, 2.25, 0.0);
            break;
        case MK_FIBREBOARD:
            if (grade == 0)
                set(2.25, 3.0, 0.0);
            else
                set(3.0, 4.0, 0.0);
            break;
        default: break;
    }
    if (kdef_out) *kdef_out = (service_class >= 1 && service_class <= 3) ? k[service_class - 1] : 0.0;
    return 1;
}

int Mat_Rho_k(int kind, int grade, double t_mm, double* rho_out, const UserMaterial* user)
{
    if (IsUserKind(kind) || grade == MK_USER_DEFINED) return user ? Put(rho_out, user->rho_k) : Fail(rho_out);

    switch (kind) {
        case MK_SOFTWOOD:
        case MK_HARDWOOD:
        case MK_GLULAM_EC:
        case MK_GLULAM_DIN:
        case MK_BEECH_GL75: {
            const TimberGrade* row = Mat_Grade_Row(kind, grade);
            return row ? Put(rho_out, row->rho_k) : Fail(rho_out);
        }
        case MK_OSB: return (grade >= 0 && grade <= 2) ? Put(rho_out, 550) : Fail(rho_out);
        case MK_GYPSUM_BOARD:
            if (grade == 0) return Put(rho_out, 680);
            return (grade == 1 || grade == 2) ? Put(rho_out, 800) : Fail(rho_out);
        case MK_PLYWOOD:
            if (grade == 0 || grade == 1) return Put(rho_out, 350);
            if (grade == 2) return Put(rho_out, 400);
            return (grade >= 3 && grade <= 5) ? Put(rho_out, 600) : Fail(rho_out);
        case MK_FERMACELL: return (grade >= 0 && grade <= 4) ? Put(rho_out, 1150) : Fail(rho_out);
        case MK_KERTO_S: return grade == 0 ? Put(rho_out, 480) : Fail(rho_out);
        case MK_KERTO_Q: return (grade == 0 || grade == 1) ? Put(rho_out, 480) : Fail(rho_out);
        case MK_STEICO_LVL:
        case MK_STEICO_GLVL:
        case MK_STEICO_WALL:
        case MK_STEICO_JOIST: return Put(rho_out, 480);
        case MK_BEECH_PANEL: return (grade >= 0 && grade <= 2) ? Put(rho_out, 730) : Fail(rho_out);
        case MK_STEEL_PLATE: return Put(rho_out, 78500);
        case MK_ALUMINIUM_PLATE: return Put(rho_out, 27000);
        case MK_PARTICLEBOARD:
            if (grade < 0 || grade > 3) return Fail(rho_out);
            if (t_mm > 6 && t_mm <= 13) return Put(rho_out, 650);
            if (t_mm > 13 && t_mm <= 20) return Put(rho_out, 600);
            if (t_mm > 20 && t_mm <= 32) return Put(rho_out, 550);
            if (t_mm > 32 && t_mm <= 50) return Put(rho_out, 500);
            // No density for a thickness outside the bands of the standard.
            return Fail(rho_out);
        case MK_FIBREBOARD:
            if (grade == 0) return Put(rho_out, (t_mm > 3.5 && t_mm <= 5.5) ? 850 : 800);
            if (grade == 1) return Put(rho_out, t_mm <= 10 ? 650 : 600);
            return Fail(rho_out);
        default: return Fail(rho_out);
    }
}

double Mat_Self_Weight(int kind, int grade)
{
    static const double glulam_ec[14] = {3.7, 4.1, 4.2, 4.45, 4.6, 4.8, 4.9, 3.9, 3.9, 4.0, 4.2, 4.2, 4.3, 4.4};
    static const double glulam_din[8] = {3.7, 3.5, 4.0, 3.7, 4.2, 4.0, 4.4, 4.2};
    auto in = [grade](int lo, int hi) { return grade >= lo && grade <= hi; };
    switch (kind) {
        case MK_SOFTWOOD:
            if (in(0, 5)) return 4.2;
            if (in(6, 7)) return 4.6;
            if (grade == 8) return 4.8;
            if (in(9, 11)) return 5.5;
            return 0.0;
        case MK_HARDWOOD:
            if (in(0, 2)) return 6.4;
            if (in(3, 4)) return 6.7;
            if (grade == 5) return 7.0;
            if (in(6, 7) && Mat_Annex()) return 8.4;
            return 0.0;
        case MK_GLULAM_EC: return in(0, 13) ? glulam_ec[grade] : 0.0;
        case MK_GLULAM_DIN: return in(0, 7) ? glulam_din[grade] : 0.0;
        case MK_OSB: return in(0, 2) ? 8.0 : 0.0;
        case MK_GYPSUM_BOARD: return in(0, 2) ? 7.0 : 0.0;
        case MK_PLYWOOD: return in(0, 5) ? 7.0 : 0.0;
        case MK_PARTICLEBOARD: return in(0, 3) ? 8.0 : 0.0;
        case MK_FIBREBOARD: return in(0, 1) ? 10.0 : 0.0;
        case MK_FERMACELL: return in(0, 4) ? 8.0 : 0.0;
        case MK_KERTO_S: return grade == 0 ? 5.1 : 0.0;
        case MK_KERTO_Q: return in(0, 1) ? 5.1 : 0.0;
        case MK_LVL: return 8.0;
        case MK_BEECH_GL75: return in(0, 1) ? 8.0 : 0.0;
        case MK_BEECH_PANEL: return in(0, 2) ? 8.0 : 0.0;
        case MK_STEICO_LVL:
        case MK_STEICO_GLVL: return in(0, 2) ? 5.3 : 0.0;
        case MK_STEICO_WALL:
        case MK_STEICO_JOIST: {
            const LvlProduct* p = kind == MK_STEICO_WALL ? Lvl_Wall_Product() : Lvl_Joist_Product();
            if (!p->sections || grade < 0 || grade >= p->count) return 0.0;
            const LvlSection& s = p->sections[grade];
            return (10.0 * s.b * s.h_f + 9.0 * p->values[6] * s.h_w) * 1e-6;
        }
        default: return 0.0;
    }
}

double Mat_Beta_n(int kind, int grade)
{
    if (IsUserKind(kind) || grade == MK_USER_DEFINED) return 0.8;
    if (kind == MK_HARDWOOD) {
        if (const TimberGrade* row = Mat_Grade_Row(kind, grade)) {
            if (row->rho_k >= 450) return 0.55;
            if (row->rho_k >= 290) return 0.7;
        }
        return 0.8;
    }
    if (kind == MK_GLULAM_EC || kind == MK_GLULAM_DIN) {
        const TimberGrade* row = Mat_Grade_Row(kind, grade);
        return (row && row->rho_k >= 290) ? 0.7 : 0.8;
    }
    return 0.8;
}

double Mat_Kcr(int kind, int grade, double b_mm, double h_mm)
{
    (void)b_mm;
    const NadEc5Record* annex = Mat_Annex();
    if (!annex) return 1.0;
    if (annex->k_cr_mode != 2)
        return (Mat_Is_Solid_Timber(kind) || Mat_Is_Glulam(kind)) ? annex->k_cr_solid : annex->k_cr_other;

    // German annex: k_cr = 2.0 / f_v,k for solid softwood, 2.5 / f_v,k for glulam.
    switch (kind) {
        case MK_HARDWOOD: return annex->k_cr_solid;
        case MK_SOFTWOOD:
            if (grade < 0 || grade >= SOFTWOOD_GRADE_COUNT) return 0.0;
            return 2.0 / SoftwoodGradesEc[grade].f_v_k;
        case MK_UNLISTED_SOFTWOOD:
            // No grade table: the smallest value of the softwood grades (f_v,k 4.0).
            return 2.0 / 4.0;
        case MK_GLULAM_EC: return (grade >= 0 && grade < GLULAM_GRADE_COUNT_EC) ? 2.5 / 3.5 : 0.0;
        case MK_GLULAM_DIN: return (grade >= 0 && grade < GLULAM_GRADE_COUNT_DIN) ? 2.5 / 3.5 : 0.0;
        case MK_BEECH_GL75:
            if (grade < 0 || grade >= BEECH_LVL_GRADE_COUNT || !(h_mm > 0.0)) return 0.0;
            return 2.5 / (4.5 * std::pow(600.0 / h_mm, 0.13));
        default: return annex->k_cr_other;
    }
}

double Mat_Length_Factor(double l)
{
    if (!(l > 0.0)) return 1.1;
    return std::min(std::pow(3000.0 / l, 0.06), 1.1);
}

double Mat_Linear_Size_Factor(int flag, double x)
{
    const double k = std::min(0.892 + 0.0009 * x, 1.0);
    return flag == 1 ? 1.2 * k : k;
}

double Panel_Min_Thickness(int kind)
{
    switch (kind) {
        case MK_OSB: return 6.0;
        case MK_GYPSUM_BOARD: return 12.0;
        case MK_PLYWOOD: return 3.0;
        case MK_PARTICLEBOARD: return 6.0;
        case MK_FIBREBOARD: return 3.5;
        default: return 3.0;
    }
}

double Panel_Max_Thickness(int kind)
{
    switch (kind) {
        case MK_OSB: return 25.0;
        case MK_GYPSUM_BOARD: return 18.5;
        case MK_PARTICLEBOARD: return 50.0;
        default: return 999.0;
    }
}
