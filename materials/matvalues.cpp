// Stiffness and strength values of timber, wood-based panels and engineered
// products.
#include "materials/matvalues.h"

#include <algorithm>
#include <cmath>

#include "materials/holzgueten.h"
#include "materials/matpanel.h"
#include "materials/matrules.h"

namespace {

// Value sets of the panels: plate parallel, plate perpendicular, sheet
// (in-plane) parallel, sheet perpendicular.
enum { SET_PP, SET_PS, SET_SP, SET_SS, SET_NONE = -1 };

// ---------------------------------------------------------------------------
// Strengths, each f_m, f_t, f_c, f_v, f_c90 in N/mm2.

// [OSB 2 and 3 | OSB 4][6<t<=10 | 10<t<=18 | 18<t<=25][set]
const double kOsb[2][3][4][5] = {
    {{{18, 9.9, 15.9, 1, 10}, {9, 7.2, 12.9, 1, 10}, {9.9, 9.9, 15.9, 6.8, 10}, {7.2, 7.2, 12.9, 6.8, 10}},
     {{16.4, 9.4, 15.4, 1, 10}, {8.2, 7, 12.7, 1, 10}, {9.4, 9.4, 15.4, 6.8, 10}, {7, 7, 12.7, 6.8, 10}},
     {{14.8, 9, 14.8, 1, 10}, {7.4, 6.8, 12.4, 1, 10}, {9, 9, 14.8, 6.8, 10}, {6.8, 6.8, 12.4, 6.8, 10}}},
    {{{24.5, 11.9, 18.1, 1.1, 10}, {13, 8.5, 14.3, 1.1, 10}, {11.9, 11.9, 18.1, 6.9, 10}, {8.5, 8.5, 14.3, 6.9, 10}},
     {{23, 11.4, 17.6, 1.1, 10}, {12.2, 8.2, 14, 1.1, 10}, {11.4, 11.4, 17.6, 6.9, 10}, {8.2, 8.2, 14, 6.9, 10}},
     {{21, 10.9, 17, 1.1, 10}, {11.4, 8, 13.7, 1.1, 10}, {10.9, 10.9, 17, 6.9, 10}, {8, 8, 13.7, 6.9, 10}}},
};

// [GKB | GKF and GKBi][12-13 | 14.5-15.5 | 17.5-18.5][set]
const double kGypsum[2][3][4][5] = {
    {{{6.5, 1.7, 3.5, 0, 3.5}, {2, 0.7, 4.2, 0, 3.5}, {4, 1.7, 3.5, 1, 0.5}, {2, 0.7, 4.2, 1, 0.5}},
     {{5.4, 1.4, 3.5, 0, 3.5}, {1.8, 0.7, 4.2, 0, 3.5}, {3.8, 1.4, 3.5, 1, 0.5}, {1.7, 0.7, 4.2, 1, 0.5}},
     {{4.2, 1.1, 3.5, 0, 3.5}, {1.5, 0.7, 4.2, 0, 3.5}, {3.6, 1.1, 3.5, 1, 0.5}, {1.4, 0.7, 4.2, 1, 0.5}}},
    {{{6.5, 1.7, 5.5, 0, 5.5}, {2, 0.7, 4.8, 0, 5.5}, {4, 1.7, 5.5, 1, 0.5}, {2, 0.7, 4.8, 1, 0.5}},
     {{5.4, 1.4, 5.5, 0, 5.5}, {1.8, 0.7, 4.8, 0, 5.5}, {3.8, 1.4, 5.5, 1, 0.5}, {1.7, 0.7, 4.8, 1, 0.5}},
     {{4.2, 1.1, 5.5, 0, 5.5}, {1.5, 0.7, 4.8, 0, 5.5}, {3.6, 1.1, 5.5, 1, 0.5}, {1.4, 0.7, 4.8, 1, 0.5}}},
};

// F20/10, F20/15, F25/10, F40/30, F50/25, F60/10
const double kPlywood[6][4][5] = {
    {{20, 15, 9, 0.9, 4}, {10, 7, 10, 0.6, 4}, {9, 9, 15, 3.5, 4}, {7, 7, 10, 3.5, 4}},
    {{20, 13, 8, 1, 4}, {15, 7, 13, 0.7, 4}, {8, 8, 13, 4, 4}, {7, 7, 13, 4, 4}},
    {{25, 18, 18, 1.1, 6.5}, {10, 9, 9, 0.65, 6.5}, {22, 18, 18, 8, 4}, {14, 9, 9, 8, 4}},
    {{40, 29, 21, 2.2, 9}, {30, 31, 22, 2.2, 9}, {29, 29, 21, 9.5, 9}, {31, 31, 22, 9.5, 9}},
    {{50, 36, 36, 2.2, 9}, {25, 24, 17, 2.5, 10}, {36, 36, 36, 9.5, 9}, {24, 24, 17, 11, 4}},
    {{60, 36, 36, 2.5, 10}, {10, 24, 18, 2.5, 10}, {36, 36, 26, 11, 10}, {24, 24, 18, 11, 10}},
};

// LVL products: "R", "X t<=24", "X t>=27"
const double kLvl[3][4][5] = {
    {{50, 36, 40, 2.6, 3.6},
     {0.00001, 0.9, 7.5, 0.00001, 3.6},
     {44, 36, 40, 4.6, 3.6},
     {0.000001, 0.9, 7.5, 0.000001, 3.6}},
    {{32, 18, 26, 1.1, 4}, {7, 7, 9, 1.1, 4}, {30, 18, 26, 4.6, 4}, {10, 7, 9, 4.6, 4}},
    {{36, 18, 30, 1.1, 4}, {8, 5, 9, 1.1, 4}, {32, 18, 30, 4.6, 4}, {8, 5, 9, 4.6, 4}},
};

// Fibreboard [Hart t<=3.5 or t>5.5 | Hart 3.5<t<=5.5 | Mittelhart t<=10 |
// Mittelhart t>10][plate | in-plane]
const double kFibre[4][2][5] = {
    {{32, 23, 24, 2.5, 12}, {23, 23, 24, 16, 12}},
    {{35, 26, 27, 3, 12}, {26, 26, 27, 18, 12}},
    {{17, 9, 9, 0.3, 8}, {9, 9, 9, 5.5, 8}},
    {{15, 8, 8, 3.25, 8}, {8, 8, 8, 4.5, 8}},
};

// Fermacell "10 mm" .. "25 mm" [plate | in-plane], f_m, f_t, f_c, f_v (no f_c90)
const double kFermacell[5][2][4] = {
    {{4.6, 0, 0, 1.9}, {4.3, 2.5, 8.5, 3.7}}, {{4.3, 0, 0, 1.8}, {4.2, 2.4, 8.5, 3.6}},
    {{4, 0, 0, 1.7}, {4.1, 2.4, 8.5, 3.5}},   {{3.6, 0, 0, 1.6}, {4, 2.3, 8.5, 3.4}},
    {{3, 0, 0, 1.4}, {3.8, 2.1, 8.5, 3.2}},
};

// Kerto-S "21-75 mm", Kerto-Q "21-24 mm", Kerto-Q "27-69 mm" [parallel | perpendicular]
const double kKerto[3][2][5] = {
    {{48, 38, 38, 4.4, 6}, {48, 0.8, 6, 4.4, 6}},
    {{32, 20, 20, 4.8, 9}, {32, 6, 9, 4.8, 9}},
    {{36, 27, 27, 4.8, 9}, {36, 6, 9, 4.8, 9}},
};

// Beech panel "S 40 mm"/"S 60 mm", "Q 40 mm" t<=24.1, "Q 40 mm" 26.9<=t<=66.1
// [parallel | perpendicular]; the starred values rise by 1.2 in service class 1.
const double kBeech[3][2][5] = {
    {{80, 60, 57.5, 8, 14}, {75, 1.5, 14, 8, 14}},
    {{70, 46, 57, 3.8, 22}, {54, 15, 40, 7.8, 22}},
    {{81, 49, 62, 3.8, 22}, {59, 8, 22, 7.8, 22}},
};
const bool kBeechStar[3][2][5] = {
    {{false, false, true, false, false}, {false, false, false, false, false}},
    {{false, false, true, false, true}, {false, false, true, false, true}},
    {{false, false, true, false, true}, {false, false, true, false, true}},
};

// ---------------------------------------------------------------------------
// Moduli, each E_mean / G_mean / E_05 in N/mm2.

// [OSB 2 and 3 | OSB 4][variant 0, 1, 2, 3]
const double kOsbModuli[2][4][3] = {
    {{4930, 50, 4190.5}, {1980, 50, 1683}, {3800, 1080, 3230}, {3000, 1080, 2550}},
    {{6780, 60, 5763}, {2680, 60, 2278}, {4300, 1090, 3655}, {3200, 1090, 2720}},
};

const double kPlywoodModuli[6][4][3] = {
    {{4000, 35, 3200}, {2000, 25, 1600}, {4000, 350, 3200}, {3000, 350, 2400}},
    {{3000, 35, 2400}, {2500, 25, 2000}, {4000, 350, 3200}, {3000, 350, 2400}},
    {{5500, 25, 4400}, {1500, 25, 1200}, {4500, 500, 3600}, {2500, 500, 2000}},
    {{6000, 150, 4800}, {4000, 150, 3200}, {4400, 600, 3520}, {4700, 600, 3760}},
    {{7000, 150, 5600}, {2500, 200, 2000}, {5500, 600, 4400}, {3650, 700, 2920}},
    {{9000, 200, 7200}, {1000, 200, 800}, {5500, 700, 4400}, {3700, 700, 2960}},
};

// Gypsum board, variants 0, 1, 2, 3 (variant 5 as 3)
const double kGypsumModuli[4][3] = {{2800, 700, 2520}, {2200, 700, 1980}, {1200, 700, 1080}, {1000, 700, 900}};

// Particleboard E by [grade][band] for plate (variant 4) and in-plane (variant 5) loading,
// G of in-plane loading; plate G is 200 up to 25 mm, 100 above.
const double kParticleEPlate[4][6] = {{3200, 2900, 2700, 2400, 2100, 1800},
                                      {3500, 3300, 3000, 2600, 2400, 2100},
                                      {4400, 4100, 3500, 3300, 3100, 2800},
                                      {4600, 4200, 4000, 3900, 3500, 3200}};
const double kParticleEInPlane[4][6] = {{1800, 1700, 1600, 1400, 1200, 1100},
                                        {2000, 1900, 1800, 1500, 1400, 1300},
                                        {2500, 2400, 2100, 1900, 1800, 1700},
                                        {2600, 2500, 2400, 2300, 2100, 2000}};
const double kParticleGInPlane[4][6] = {{860, 830, 770, 680, 600, 550},
                                        {960, 930, 860, 750, 690, 660},
                                        {1200, 1150, 1050, 950, 900, 880},
                                        {1250, 1200, 1150, 1100, 1050, 1000}};

// Engineered products [row][variant 2 (and 5) | variant 3 | variant 4]:
// Kerto-S, Kerto-Q 21-24, Kerto-Q 27-69, beech S, beech Q t<=24.01,
// beech Q 26.9<=t<=66.1, LVL R, LVL X t<=24, LVL X t>=27.
const double kProductModuli[9][3][3] = {
    {{13800, 500, 11600}, {300, 500, 11600}, {13800, 500, 11600}},
    {{10000, 500, 8500}, {1000, 500, 8500}, {10000, 500, 8500}},
    {{10500, 500, 8500}, {2500, 500, 8500}, {10500, 500, 8500}},
    {{16800, 760, 14900}, {470, 760, 14900}, {16800, 850, 14900}},
    {{11800, 820, 10900}, {3500, 820, 10900}, {11800, 430, 10900}},
    {{12800, 820, 11800}, {2000, 820, 11800}, {12800, 430, 11800}},
    {{14000, 600, 12000}, {430, 600, 12000}, {14000, 560, 12000}},
    {{10000, 600, 9000}, {3500, 60, 9000}, {10000, 150, 9000}},
    {{10600, 600, 9000}, {3000, 600, 9000}, {10600, 150, 9000}},
};

// ---------------------------------------------------------------------------

void Put(double* out, double v)
{
    if (out) *out = v;
}

struct Out {
    double* f_m;
    double* f_t;
    double* f_c;
    double* f_v;
    double* f_c90;
    double* k_h;

    int Fail() const
    {
        Put(f_m, 0.0);
        Put(f_t, 0.0);
        Put(f_c, 0.0);
        Put(f_v, 0.0);
        Put(f_c90, 0.0);
        Put(k_h, 0.0);
        return 0;
    }
    // Five values in N/mm2, optionally scaled per value.
    void Five(const double* v, double factor = 1.0, const bool* star = nullptr) const
    {
        double s[5];
        for (int i = 0; i < 5; ++i) s[i] = v[i] * 1000.0 * ((star && star[i]) ? factor : 1.0);
        Put(f_m, s[0]);
        Put(f_t, s[1]);
        Put(f_c, s[2]);
        Put(f_v, s[3]);
        Put(f_c90, s[4]);
    }
};

int OsbPlywoodSet(int direction)
{
    switch (direction) {
        case 0:
        case 8: return SET_PP;
        case 1:
        case 4:
        case 9: return SET_PS;
        case 2: return SET_SP;
        case 3:
        case 5: return SET_SS;
        default: return SET_NONE;
    }
}

int GypsumSet(int direction)
{
    switch (direction) {
        case 0:
        case 9: return SET_PP;
        case 1:
        case 4: return SET_PS;
        case 2:
        case 8: return SET_SP;
        case 3:
        case 5: return SET_SS;
        default: return SET_NONE;
    }
}

int LvlSet(int direction)
{
    switch (direction) {
        case 0:
        case 8: return SET_PP;
        case 1: return SET_PS;
        case 2:
        case 5:
        case 6: return SET_SP;
        case 3: return SET_SS;
        default: return SET_NONE;
    }
}

// 0 plate, 1 in-plane, -1 none (fibreboard, Fermacell).
int PlateOrInPlane(int direction)
{
    if (direction == 0 || direction == 1 || direction == 4 || direction == 9) return 0;
    if (direction == 5 || direction == 8) return 1;
    return -1;
}

bool InRange(int grade, int lo, int hi) { return grade >= lo && grade <= hi; }

// Band of a "Q 40 mm" beech panel: 1 for t <= limit, 2 for 26.9..66.1, -1 otherwise.
int BeechQRow(double t, double limit)
{
    if (t <= limit) return 1;
    if (t >= 26.9 && t <= 66.1) return 2;
    return -1;
}

int TimberStrengths(int kind, int grade, int direction, double b_mm, double h_mm, const Out& o)
{
    const TimberGrade* row = Mat_Grade_Row(kind, grade);
    if (!row) return o.Fail();
    const NadEc5Record* annex = Mat_Annex();

    double f_v = row->f_v_k;
    if (kind == MK_GLULAM_DIN && annex) f_v = annex->k_cr_mode == 2 ? 3.5 : GlulamGradesDinEc[grade].f_v_k;
    Put(o.f_m, row->f_m_k * 1000.0);
    Put(o.f_v, f_v * 1000.0);
    Put(o.f_c90, row->f_c_90_k * 1000.0);
    bool t_written = false;
    if (direction == 6 || direction == 8) {
        Put(o.f_t, row->f_t_0_k * 1000.0);
        Put(o.f_c, row->f_c_0_k * 1000.0);
        t_written = true;
    } else if (direction == 7 || direction == 9) {
        Put(o.f_t, row->f_t_90_k * 1000.0);
        Put(o.f_c, row->f_c_90_k * 1000.0);
        t_written = true;
    }

    if (o.k_h) {
        const double m = std::max(b_mm, h_mm);
        bool found = false;
        double k_h = 1.0;
        if ((kind == MK_SOFTWOOD || kind == MK_HARDWOOD || kind == MK_LVL) && annex && m > 0.0 && m <= 150.0 &&
            !(kind == MK_HARDWOOD && row->rho_k > 700.0)) {
            // Solid timber below 150 mm depth; for hardwood only up to rho_k 700.
            k_h = std::min(std::pow(150.0 / m, 0.2), 1.3);
            found = true;
        } else if ((kind == MK_GLULAM_EC || kind == MK_GLULAM_DIN) && m > 0.0 && m < 600.0) {
            k_h = std::min(std::pow(600.0 / m, annex ? 0.1 : 0.14), 1.1);
            found = true;
        }
        if (found) {
            *o.k_h = k_h;
            if (o.f_m) *o.f_m *= k_h;
            if (o.f_t && t_written) *o.f_t *= k_h;
        }
    }
    return 1;
}

int BeechGl75Strengths(int grade, int service_class, int direction, double b_mm, double h_mm, const Out& o)
{
    if (!InRange(grade, 0, BEECH_LVL_GRADE_COUNT - 1) || !(h_mm > 0.0)) return o.Fail();
    const double m = std::max(b_mm, h_mm);
    const bool sc1 = service_class == 1;
    const double f_c0 = sc1 ? 59.4 : 49.5;
    const double k_m = std::pow(600.0 / h_mm, 0.1);
    const double k_t = std::pow(600.0 / m, 0.1);
    const double k_v = std::pow(600.0 / h_mm, 0.13);

    Put(o.f_m, 75.0 * 1000.0 * k_m);
    Put(o.f_v, 4.5 * 1000.0 * k_v);
    Put(o.f_c90, (sc1 ? 14.8 : 12.3) * 1000.0);
    if (direction == 6 || direction == 8) {
        Put(o.f_t, 60.0 * 1000.0 * k_t);
        Put(o.f_c, f_c0 * 1000.0);
    } else if (direction == 7 || direction == 9) {
        const double k_c = std::min(0.892 + 0.0009 * m, 1.18);
        Put(o.f_t, BeechLvlGrades[grade].f_t_90_k * 1000.0 * k_t);
        Put(o.f_c, k_c * f_c0 * 1000.0);
    }
    Put(o.k_h, k_m);
    return 1;
}

int PanelStrengths(int kind, int grade, int service_class, int direction, double t, const Out& o)
{
    switch (kind) {
        case MK_OSB: {
            if (!InRange(grade, 0, 2)) return o.Fail();
            Put(o.f_c90, 10.0 * 1000.0);
            const int set = OsbPlywoodSet(direction);
            int band = -1;
            if (t > 6 && t <= 10)
                band = 0;
            else if (t > 10 && t <= 18)
                band = 1;
            else if (t > 18 && t <= 25)
                band = 2;
            if (set != SET_NONE && band >= 0) o.Five(kOsb[grade == 2 ? 1 : 0][band][set]);
            return 1;
        }
        case MK_GYPSUM_BOARD: {
            if (!InRange(grade, 0, 2)) return o.Fail();
            const int set = GypsumSet(direction);
            if (set == SET_NONE) return 1;
            int band = -1;
            if (t >= 12 && t <= 13)
                band = 0;
            else if (t > 14.5 && t <= 15.5)
                band = 1;
            else if (t > 17.5 && t <= 18.5)
                band = 2;
            if (band < 0) return o.Fail(); // no board of that thickness
            o.Five(kGypsum[grade == 0 ? 0 : 1][band][set]);
            return 1;
        }
        case MK_PLYWOOD: {
            if (!InRange(grade, 0, 5)) return o.Fail();
            const int set = OsbPlywoodSet(direction);
            if (set != SET_NONE) o.Five(kPlywood[grade][set]);
            return 1;
        }
        case MK_PARTICLEBOARD: {
            if (!InRange(grade, 0, 3)) return o.Fail();
            // A thickness in no band writes nothing, like a direction without a
            // value set: the caller's preset values stand (Panel_Thickness_Band
            // tells a caller that needs a value whether there is one).
            Panel_Values_By_Thickness(grade, direction, o.f_m, t, o.f_t, o.f_c, o.f_v, o.f_c90);
            return 1;
        }
        case MK_FIBREBOARD: {
            if (!InRange(grade, 0, 1)) return o.Fail();
            const int set = PlateOrInPlane(direction);
            if (set < 0) return 1;
            int row;
            if (grade == 0)
                row = (t > 3.5 && t <= 5.5) ? 1 : 0;
            else
                row = t <= 10 ? 2 : 3;
            o.Five(kFibre[row][set]);
            return 1;
        }
        case MK_FERMACELL: {
            if (!InRange(grade, 0, 4)) return o.Fail();
            const int set = PlateOrInPlane(direction);
            if (set < 0) return 1;
            const double* v = kFermacell[grade][set];
            Put(o.f_m, v[0] * 1000.0);
            Put(o.f_t, v[1] * 1000.0);
            Put(o.f_c, v[2] * 1000.0);
            Put(o.f_v, v[3] * 1000.0);
            return 1;
        }
        case MK_KERTO_S:
        case MK_KERTO_Q: {
            if (kind == MK_KERTO_S ? grade != 0 : !InRange(grade, 0, 1)) return o.Fail();
            const int row = kind == MK_KERTO_S ? 0 : 1 + grade;
            int set = -1;
            if (direction == 0 || direction == 2 || direction == 5 || direction == 8)
                set = 0;
            else if (direction == 1 || direction == 3)
                set = 1;
            if (set < 0)
                Put(o.f_c90, kKerto[row][0][4] * 1000.0);
            else
                o.Five(kKerto[row][set]);
            return 1;
        }
        case MK_BEECH_PANEL: {
            if (!InRange(grade, 0, 2)) return o.Fail();
            const double factor = service_class == 1 ? 1.2 : 1.0;
            int set = -1;
            if (direction == 0 || direction == 1 || direction == 2 || direction == 5 || direction == 8)
                set = 0;
            else if (direction == 3)
                set = 1;
            const int row = grade < 2 ? 0 : BeechQRow(t, 24.1);
            if (row >= 0) {
                if (set < 0) {
                    Put(o.f_c90, kBeech[row][0][4] * 1000.0 * (kBeechStar[row][0][4] ? factor : 1.0));
                } else {
                    o.Five(kBeech[row][set], factor, kBeechStar[row][set]);
                }
            } else {
                // "Q 40 mm" of a thickness outside both bands: shear and f_c90 only.
                if (set >= 0) Put(o.f_v, (set == 0 ? 3.8 : 7.8) * 1000.0);
                Put(o.f_c90, 22.0 * factor * 1000.0);
            }
            return 1;
        }
        case MK_STEICO_LVL:
        case MK_STEICO_GLVL: {
            if (!InRange(grade, 0, 2)) return o.Fail();
            const int set = LvlSet(direction);
            if (set != SET_NONE) o.Five(kLvl[grade][set]);
            return 1;
        }
        default: return o.Fail();
    }
}

struct ModOut {
    double* E_mean;
    double* G_mean;
    double* E_05;
    double* G_05;

    int Fail() const
    {
        Put(E_mean, 0.0);
        Put(G_mean, 0.0);
        Put(E_05, 0.0);
        Put(G_05, 0.0);
        return 0;
    }
    // E_mean, G_mean, E_05 in N/mm2; G_05 is not written for panels.
    int Three(const double* v) const
    {
        Put(E_mean, v[0] * 1000.0);
        Put(G_mean, v[1] * 1000.0);
        Put(E_05, v[2] * 1000.0);
        return 1;
    }
    int Three(double e, double g, double e05) const
    {
        const double v[3] = {e, g, e05};
        return Three(v);
    }
};

// Column of the engineered-product moduli for a variant, -1 for none.
int ProductColumn(int kind, int variant)
{
    if (variant == 2 || variant == 5) return 0;
    if (variant == 3) return 1;
    if (variant == 4) return 2; // Kerto: as variant 2 (same numbers in the table)
    if (variant == 6 && (kind == MK_STEICO_LVL || kind == MK_STEICO_GLVL)) return 0;
    return -1;
}

} // namespace

int Mat_Moduli(int kind, int grade, int variant, double t_mm, double* E_mean, double* G_mean, double* E_05,
               double* G_05)
{
    const ModOut o{E_mean, G_mean, E_05, G_05};
    switch (kind) {
        case MK_SOFTWOOD:
        case MK_LVL:
        case MK_HARDWOOD:
        case MK_GLULAM_EC:
        case MK_GLULAM_DIN:
        case MK_BEECH_GL75: {
            const TimberGrade* row = Mat_Grade_Row(kind, grade);
            if (!row) return o.Fail();
            const double two_thirds = 1000.0 * 2.0 / 3.0;
            const double five_sixths = 1000.0 * 5.0 / 6.0;
            const double fe = (kind == MK_SOFTWOOD || kind == MK_LVL) ? two_thirds : five_sixths;
            const double fg = (kind == MK_GLULAM_EC || kind == MK_GLULAM_DIN) ? five_sixths : two_thirds;
            Put(E_mean, row->E_0_mean * 1000.0);
            Put(G_mean, row->G_mean * 1000.0);
            Put(E_05, row->E_0_mean * fe);
            Put(G_05, row->G_mean * fg);
            return 1;
        }
        case MK_OSB:
        case MK_PLYWOOD: {
            if (kind == MK_OSB ? !InRange(grade, 0, 2) : !InRange(grade, 0, 5)) return o.Fail();
            const double(*v)[3] = kind == MK_OSB ? kOsbModuli[grade == 2 ? 1 : 0] : kPlywoodModuli[grade];
            if (variant >= 0 && variant <= 3) return o.Three(v[variant]);
            if (variant == 5) return o.Three(v[2]);
            return 1;
        }
        case MK_GYPSUM_BOARD:
            if (!InRange(grade, 0, 2)) return o.Fail();
            if (variant >= 0 && variant <= 3) return o.Three(kGypsumModuli[variant]);
            if (variant == 5) return o.Three(kGypsumModuli[3]);
            return 1;
        case MK_PARTICLEBOARD: {
            if (!InRange(grade, 0, 3)) return o.Fail();
            if (variant != 4 && variant != 5) return 1;
            const PanelThicknessBand band = Panel_Thickness_Band(t_mm);
            if (band == PANEL_BAND_NONE) return o.Fail(); // no board of that thickness
            if (variant == 4) {
                const double e = kParticleEPlate[grade][band];
                return o.Three(e, band <= PANEL_BAND_20_25 ? 200 : 100, 0.8 * e);
            }
            const double e = kParticleEInPlane[grade][band];
            return o.Three(e, kParticleGInPlane[grade][band], 0.8 * e);
        }
        case MK_FIBREBOARD: {
            if (!InRange(grade, 0, 1)) return o.Fail();
            if (variant != 4 && variant != 5) return 1;
            double e, g;
            if (grade == 0) {
                const bool mid = t_mm > 3.5 && t_mm <= 5.5;
                e = mid ? 4800 : 4600;
                g = variant == 4 ? 200 : (mid ? 2000 : 1900);
            } else {
                const bool thin = t_mm <= 10;
                e = thin ? 3100 : 2900;
                g = variant == 4 ? 100 : (thin ? 1300 : 1200);
            }
            return o.Three(e, g, 0.8 * e);
        }
        case MK_FERMACELL:
            if (!InRange(grade, 0, 4)) return o.Fail();
            if (variant == 4 || variant == 5) return o.Three(3800, 1600, 0);
            return 1;
        case MK_KERTO_S:
        case MK_KERTO_Q:
        case MK_BEECH_PANEL:
        case MK_STEICO_LVL:
        case MK_STEICO_GLVL: {
            int row;
            if (kind == MK_KERTO_S) {
                if (grade != 0) return o.Fail();
                row = 0;
            } else if (kind == MK_KERTO_Q) {
                if (!InRange(grade, 0, 1)) return o.Fail();
                row = 1 + grade;
            } else if (kind == MK_BEECH_PANEL) {
                if (!InRange(grade, 0, 2)) return o.Fail();
                row = 3;
            } else {
                if (!InRange(grade, 0, 2)) return o.Fail();
                row = 6 + grade;
            }
            const int col = ProductColumn(kind, variant);
            if (col < 0) return 1;
            if (kind == MK_BEECH_PANEL && grade == 2) {
                const int q = BeechQRow(t_mm, 24.01);
                if (q < 0) return o.Fail(); // no panel of that thickness
                row = 3 + q;
            }
            return o.Three(kProductModuli[row][col]);
        }
        default: return o.Fail();
    }
}

int Mat_E90_Mean(int kind, int grade, double* E_90)
{
    const TimberGrade* row = Mat_Grade_Row(kind, grade);
    if (!row) {
        Put(E_90, 0.0);
        return 0;
    }
    Put(E_90, row->E_90_mean * 1000.0);
    return 1;
}

int Mat_Strengths(int kind, int grade, int service_class, int direction, double b_mm, double h_mm, double* f_m,
                  double* f_t, double* f_c, double* f_v, double* f_c90, double* k_h)
{
    const Out o{f_m, f_t, f_c, f_v, f_c90, k_h};
    switch (kind) {
        case MK_SOFTWOOD:
        case MK_LVL:
        case MK_HARDWOOD:
        case MK_GLULAM_EC:
        case MK_GLULAM_DIN: return TimberStrengths(kind, grade, direction, b_mm, h_mm, o);
        case MK_BEECH_GL75: return BeechGl75Strengths(grade, service_class, direction, b_mm, h_mm, o);
        default: return PanelStrengths(kind, grade, service_class, direction, b_mm, o);
    }
}

double Mat_Fc90k(int kind, int grade, int service_class, int mode)
{
    switch (kind) {
        case MK_SOFTWOOD:
        case MK_LVL:
        case MK_HARDWOOD:
        case MK_GLULAM_EC:
        case MK_GLULAM_DIN: {
            const TimberGrade* row = Mat_Grade_Row(kind, grade);
            return row ? row->f_c_90_k * 1000.0 : 0.0;
        }
        case MK_OSB: return InRange(grade, 0, 2) ? 10000.0 : 0.0;
        case MK_PLYWOOD:
            if (InRange(grade, 0, 2)) return 4000.0;
            if (grade == 3) return 9000.0;
            if (grade == 4) return mode == 0 ? 9000.0 : 10000.0;
            if (grade == 5) return 10000.0;
            return 0.0;
        case MK_FIBREBOARD:
            if (grade == 0) return 12000.0;
            if (grade == 1) return 8000.0;
            return 0.0;
        case MK_FERMACELL: return 0.0; // the plate set of Fermacell has no compressive strength
        case MK_KERTO_S: return grade == 0 ? 6000.0 : 0.0;
        case MK_KERTO_Q: return InRange(grade, 0, 1) ? 9000.0 : 0.0;
        case MK_BEECH_GL75:
            if (!InRange(grade, 0, 1)) return 0.0;
            return service_class == 1 ? 14800.0 : 12300.0;
        case MK_BEECH_PANEL:
            if (grade == 0 || grade == 1) return 14000.0;
            if (grade == 2) return service_class == 1 ? 26400.0 : 22000.0;
            return 0.0;
        case MK_STEICO_LVL:
        case MK_STEICO_GLVL: {
            static const double mode1[3] = {40000.0, 26000.0, 30000.0};
            static const double other[3] = {3600.0, 4000.0, 4000.0};
            if (!InRange(grade, 0, 2)) return 0.0;
            return mode == 1 ? mode1[grade] : other[grade];
        }
        default: return 0.0;
    }
}

double Mat_Ft90k(int kind, int grade)
{
    switch (kind) {
        case MK_SOFTWOOD: return 0.4;
        case MK_HARDWOOD: return Mat_Annex() ? 0.6 : 0.5;
        case MK_GLULAM_EC:
        case MK_GLULAM_DIN: return 0.5;
        case MK_BEECH_GL75: return grade == 0 ? 0.6 : 1.5;
        case MK_STEICO_LVL:
        case MK_STEICO_GLVL: return grade == 0 ? 3.6 : 4.0;
        default: return 0.0;
    }
}
