// Concrete and reinforcing-steel grades: tables, material laws, file records.
//
// Sources of the tables:
//  - DIN 1045:1988-07 (Beton und Stahlbeton, Bemessung und Ausfuehrung): the
//    nominal and design strengths beta_WN and beta_R, the shear stress limits
//    tau_011, tau_012 and tau_02, the permissible bond stresses for good bond
//    conditions, the moduli E_b, and the steels BSt 220/340, BSt 420 S and
//    BSt 500 S with E_s = 210000 MN/m2.
//  - Eurocode grades with the German strains: DIN 1045-1:2008-08 Tabelle 9
//    (f_ck, eps_c1, eps_c1u, eps_c2, eps_c2u, n); E_c0m = 9500 (f_ck + 8)^(1/3)
//    MN/m2 with alpha_i = 0.8 + 0.2 f_cm / 88 <= 1 after DIN 1045-1 9.1.3;
//    f_ctm and f_ctk;0,05 after EN 1992-1-1 Tabelle 3.1; lightweight concrete
//    eta_1 = 0.4 + 0.6 rho / 2200 and E_lcm = E_cm (rho / 2200)^2 after
//    EN 1992-1-1 11.3.
//  - Reinforcing steel B500A / B500B: f_yk 500 MN/m2, E_s 200000 MN/m2, and
//    eps_ud 0.025 of DIN EN 1992-1-1/NA (NDP 3.2.7 (2)).
#include "materials/concrete.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/kovdat.h"
#include "base/kovnum.h"
#include "platform/kovcp.h"

namespace {

struct DinConcreteRow {
    const char* name;
    double beta_wn, beta_r, tau_011, tau_012, tau_02, tau1_ribbed, tau1_smooth, e_b;
};

const DinConcreteRow kDinConcrete[CONCRETE_DIN_GRADE_COUNT] = {
    {"B15", 15000, 10500, 250, 350, 1200, 1400, 700, 26000000},
    {"B25", 25000, 17500, 350, 500, 1800, 1800, 900, 30000000},
    {"B35", 35000, 23000, 400, 600, 2400, 2200, 1100, 34000000},
    {"B45", 45000, 27000, 500, 700, 2700, 2600, 1300, 37000000},
    {"B55", 55000, 30000, 550, 800, 3000, 3000, 1500, 39000000},
};

struct DinRebarRow {
    const char* name;
    double beta_s, tensile, grade_factor;
};

const DinRebarRow kDinRebar[REBAR_DIN_GRADE_COUNT] = {
    {"BSt 220/340", 220000, 340000, 1.01},
    {"BSt 420 S", 420000, 420000, 1.3},
    {"BSt 500 S", 500000, 500000, 1.4},
};
const double kDinEpsLimit = 0.005;
const double kDinSteelModulus = 2.1e8;

struct Ec2Row {
    const char* name;
    const char* lightweight_name;
    double f_ck, eps_c1, eps_cu1, eps_c2, eps_cu2, n;
};

const Ec2Row kEc2[CONCRETE_EC2_GRADE_COUNT] = {
    {"C12/15", "LC12/13", 12000, -0.0018, -0.0035, -0.002, -0.0035, 2.0},
    {"C16/20", "LC16/18", 16000, -0.0019, -0.0035, -0.002, -0.0035, 2.0},
    {"C20/25", "LC20/22", 20000, -0.0021, -0.0035, -0.002, -0.0035, 2.0},
    {"C25/30", "LC25/28", 25000, -0.0022, -0.0035, -0.002, -0.0035, 2.0},
    {"C30/37", "LC30/33", 30000, -0.0023, -0.0035, -0.002, -0.0035, 2.0},
    {"C35/45", "LC35/38", 35000, -0.0024, -0.0035, -0.002, -0.0035, 2.0},
    {"C40/50", "LC40/44", 40000, -0.0025, -0.0035, -0.002, -0.0035, 2.0},
    {"C45/55", "LC45/50", 45000, -0.00255, -0.0035, -0.002, -0.0035, 2.0},
    {"C50/60", "LC50/55", 50000, -0.0026, -0.0035, -0.002, -0.0035, 2.0},
    {"C55/67", "LC55/60", 55000, -0.00265, -0.0034, -0.00203, -0.0031, 2.0},
    {"C60/75", "LC60/66", 60000, -0.0027, -0.0033, -0.00206, -0.0027, 1.9},
    {"C70/85", "", 70000, -0.0028, -0.0032, -0.0021, -0.0025, 1.8},
    {"C80/95", "", 80000, -0.0029, -0.0031, -0.00214, -0.0024, 1.7},
    {"C90/105", "", 90000, -0.00295, -0.003, -0.00217, -0.0023, 1.6},
    {"C100/115", "", 100000, -0.003, -0.003, -0.0022, -0.0022, 1.55},
};

const double kRebarFyk = 500000;
const double kRebarFtk = 525000; // 1.05 f_yk
const double kRebarEpsSu = 0.025;
const double kRebarEs = 2.0e8;
const char* const kRebarNames[REBAR_EC2_GRADE_COUNT] = {"BSt 500 (A)", "BSt 500 (B)"};
const char* const kRebarB500Names[REBAR_EC2_GRADE_COUNT] = {"B500A", "B500B"};

const double kNormalDensity = 2200;
const char* const kDinNorm = "DIN 1045 (7.88)";

int clamp(int index, int count)
{
    if (index < 0) return 0;
    return index >= count ? count - 1 : index;
}

// Copies text into a field of size bytes, cut to size - 1 characters.
void copy_name(char* field, int size, const char* text)
{
    if (size <= 0) return;
    const size_t n = text ? strnlen(text, (size_t)size - 1) : 0;
    if (n) std::memcpy(field, text, n);
    field[n] = '\0';
}

// The strains of a lightweight grade: -1.2 f_cm / E_c0m, both in kN/m2.
double lightweight_strain(double f_ck)
{
    const double e_c0m = Concrete_Ec0m(f_ck);
    if (std::fabs(e_c0m) < 1e-5) return 0.0;
    return -1.2 * (f_ck + 8000.0) / e_c0m;
}

// The mean tensile strength in MN/m2, rounded to one decimal.
double rounded_fctm(double f_ck)
{
    const double a = 0.001 * f_ck;
    if (!(a > 0.0)) return 0.0;
    const double f = std::lround(f_ck) < 55000 ? 0.3 * std::pow(a, 2.0 / 3.0) : 2.12 * std::log(1.0 + (a + 8.0) / 10.0);
    return Round_To_Decimals(f, 1);
}

double& top_version() { return Dat_File_State.versions[Dat_File_State.depth]; }

// Reads the first item of a grade record. A record with a structure version gets
// it pushed (accepted up to version) and its name read; one without a version
// line (first item not beginning with a digit) gets 0 pushed and the item is its
// name. 0 ok; 1 on a failure, with the stack as before.
int begin_record(double version, char* name)
{
    const int depth = Dat_File_State.depth;
    const long pos = Dat_Tell();
    if (Dat_Read_Field(name, 't', top_version(), 0.0)) return 1;
    if (!std::isdigit((unsigned char)name[0])) {
        if (depth >= DAT_VERSION_STACK - 1) return 1;
        Dat_File_State.depth = depth + 1;
        top_version() = 0.0;
        return 0;
    }
    if (pos < 0 || Dat_Seek(pos) != 0) return 1;
    if (Dat_Push_Version(version) != 0 || Dat_Read_Field(name, 't', top_version(), 0.0) != 0) {
        Dat_File_State.depth = depth;
        return 1;
    }
    return 0;
}

int fail_record(int depth)
{
    Dat_File_State.depth = depth;
    return 1;
}

int write_double(double v) { return Dat_Write_Field(&v, 'd'); }

int write_int(int v) { return Dat_Write_Field(&v, 'i'); }

int end_line() { return Dat_Write_Newline() == EOF ? 1 : 0; }

} // namespace

// ---- table grades --------------------------------------------------------------

void Concrete_Grade_Init_Din(DinConcreteGrade* g, int index)
{
    if (!g) return;
    const DinConcreteRow& r = kDinConcrete[clamp(index, CONCRETE_DIN_GRADE_COUNT)];
    copy_name(g->name, sizeof g->name, r.name);
    g->beta_wn = r.beta_wn;
    g->beta_r = r.beta_r;
    g->tau_011 = r.tau_011;
    g->tau_012 = r.tau_012;
    g->tau_02 = r.tau_02;
    g->tau1_ribbed = r.tau1_ribbed;
    g->tau1_smooth = r.tau1_smooth;
    g->e_b = r.e_b;
}

void Rebar_Grade_Init_Din(DinRebarGrade* g, int index)
{
    if (!g) return;
    const DinRebarRow& r = kDinRebar[clamp(index, REBAR_DIN_GRADE_COUNT)];
    copy_name(g->name, sizeof g->name, r.name);
    g->beta_s = r.beta_s;
    g->eps_limit = kDinEpsLimit;
    g->grade_factor = r.grade_factor;
    g->e_s = kDinSteelModulus;
}

int Concrete_Free_Din_Refused(DinConcreteGrade* g)
{
    std::printf(cp850("Freie Betondef. für %s nicht möglich!\nIntialiesierung mit %s."), kDinNorm, "B25");
    std::fflush(stdout);
    Concrete_Grade_Init_Din(g, 1);
    return 1;
}

int Rebar_Free_Din_Refused(DinRebarGrade* g)
{
    std::printf(cp850("Freie Stahldef. für %s nicht möglich!\nIntialiesierung mit %s."), kDinNorm, "BSt 500 S");
    std::fflush(stdout);
    Rebar_Grade_Init_Din(g, 2);
    return 1;
}

int Concrete_Grade_Write_Din(void) { return 1; }

int Rebar_Grade_Write_Din(void) { return 1; }

void Concrete_Grade_Init_Ec2(ConcreteGrade* g, int index, int lightweight, double density)
{
    if (!g) return;
    g->lightweight = lightweight;
    g->density = lightweight ? density : kNormalDensity;
    if (index < 0 || index >= CONCRETE_EC2_GRADE_COUNT) return;
    const Ec2Row& r = kEc2[index];
    copy_name(g->name, sizeof g->name, lightweight ? r.lightweight_name : r.name);
    g->alpha_cc = lightweight ? 0.8 : 0.85;
    g->f_ck = r.f_ck;
    g->eps_c2 = r.eps_c2;
    g->eps_cu2 = r.eps_cu2;
    g->n = r.n;
    g->e_auto = 1;
    g->E_cm = Concrete_Ecm(r.f_ck);
    if (lightweight) {
        g->eps_c1 = g->eps_cu1 = lightweight_strain(r.f_ck);
        const double k = g->density / kNormalDensity;
        g->E_cm *= k * k;
    } else {
        g->eps_c1 = r.eps_c1;
        g->eps_cu1 = r.eps_cu1;
    }
}

void Concrete_Grade_Derive_Strains(ConcreteGrade* g)
{
    if (!g) return;
    if (g->lightweight)
        g->eps_c1 = g->eps_cu1 = lightweight_strain(g->f_ck);
    else
        Concrete_Strains_By_Fck(&g->eps_c1, &g->eps_cu1, g->f_ck);
}

double Concrete_Ecm_Of(double f_ck, int lightweight, double density)
{
    double e_cm = Concrete_Ecm(f_ck);
    if (lightweight) {
        const double k = density / kNormalDensity;
        e_cm *= k * k;
    }
    return e_cm;
}

void Concrete_Grade_From_Din(ConcreteGrade* g, int din_index)
{
    if (!g) return;
    const DinConcreteRow& r = kDinConcrete[clamp(din_index, CONCRETE_DIN_GRADE_COUNT)];
    std::snprintf(g->name, sizeof g->name, "%s (nicht mehr genormt!)", r.name);
    g->f_ck = 0.78125 * r.beta_wn;
    g->alpha_cc = 0.85;
    Concrete_Strains_By_Fck(&g->eps_c1, &g->eps_cu1, g->f_ck);
    g->lightweight = 0;
    g->e_auto = 1;
    g->eps_c2 = -0.002;
    g->eps_cu2 = -0.0035;
    g->n = 2.0;
    g->density = kNormalDensity;
    g->E_cm = r.e_b;
}

void Rebar_Grade_Init(RebarGrade* g, int index)
{
    if (!g || index < 0 || index >= REBAR_EC2_GRADE_COUNT) return;
    copy_name(g->name, sizeof g->name, kRebarNames[index]);
    g->f_yk = kRebarFyk;
    g->f_tk = kRebarFtk;
    g->eps_su = kRebarEpsSu;
    g->E_s = kRebarEs;
}

void Rebar_Grade_Init_B500(RebarGrade* g, int index)
{
    if (!g || index < 0 || index >= REBAR_EC2_GRADE_COUNT) return;
    Rebar_Grade_Init(g, index);
    copy_name(g->name, sizeof g->name, kRebarB500Names[index]);
}

void Rebar_Grade_From_Din(RebarGrade* g, int din_index)
{
    if (!g) return;
    const DinRebarRow& r = kDinRebar[clamp(din_index, REBAR_DIN_GRADE_COUNT)];
    std::snprintf(g->name, sizeof g->name, "%s (nicht mehr genormt!)", r.name);
    g->f_yk = r.beta_s;
    g->f_tk = r.tensile;
    g->eps_su = kDinEpsLimit;
    g->E_s = kDinSteelModulus;
}

// ---- material laws -------------------------------------------------------------

double Concrete_Ec0m(double f_ck) { return 9500000.0 * std::cbrt(0.001 * f_ck + 8.0); }

double Concrete_Ecm(double f_ck)
{
    const double ratio = (0.001 * f_ck + 8.0) / 440.0;
    const double alpha_i = ratio < 0.2 ? 0.8 + ratio : 1.0;
    return Concrete_Ec0m(f_ck) * alpha_i;
}

double Lightweight_Eta1(double density) { return 0.4 + 0.6 * density / kNormalDensity; }

double Concrete_Fctm(double f_ck, double density) { return rounded_fctm(f_ck) * Lightweight_Eta1(density) * 1000.0; }

double Concrete_Fctk005(double f_ck, double density) { return rounded_fctm(f_ck) * Lightweight_Eta1(density) * 700.0; }

void Concrete_Strains_By_Fck(double* eps_c1, double* eps_cu1, double f_ck)
{
    double c1, cu1;
    if (f_ck > 100000.0) {
        c1 = cu1 = -0.003;
    } else if (!(f_ck > 12000.0)) { // also a value that is not a number
        c1 = -0.0018;
        cu1 = -0.0035;
    } else {
        int j = 1;
        while (j < CONCRETE_EC2_GRADE_COUNT - 1 && f_ck > kEc2[j].f_ck) ++j;
        const Ec2Row& a = kEc2[j - 1];
        const Ec2Row& b = kEc2[j];
        const double w = (f_ck - a.f_ck) / (b.f_ck - a.f_ck);
        c1 = a.eps_c1 + w * (b.eps_c1 - a.eps_c1);
        cu1 = a.eps_cu1 + w * (b.eps_cu1 - a.eps_cu1);
    }
    if (eps_c1) *eps_c1 = c1;
    if (eps_cu1) *eps_cu1 = cu1;
}

double Concrete_Beta_cc(double t, int cement_class)
{
    if (t <= 1.0) return 1.0;
    double s = 0.21;
    switch (cement_class) {
        case 1: s = 0.38; break;
        case 2: s = 0.25; break;
        case 3: s = 0.2; break;
        default: break;
    }
    return std::exp(s * (1.0 - std::sqrt(28.0 / t)));
}

double Concrete_Gamma_c(double f_ck, int situation)
{
    const double g = situation == 1 ? 1.3 : situation == 4 ? 1.0 : 1.5;
    const double k = 1.0 / (1.1 - 2e-6 * f_ck);
    return g * (k > 1.0 ? k : 1.0);
}

double Rebar_Gamma_s(int situation) { return situation == 1 ? 1.0 : 1.15; }

double Negative_Product_Ratio(double a, double b, double c)
{
    if (std::fabs(c) < 1e-5) return 0.0;
    return -a * b / c;
}

// ---- records in the versioned data file ----------------------------------------

int Concrete_Grade_Write(const ConcreteGrade* g)
{
    if (!g) return 1;
    char name[CONCRETE_NAME_SIZE];
    copy_name(name, sizeof name, g->name);
    if (Dat_Write_Version(CONCRETE_GRADE_VERSION) || Dat_Write_Field(name, 't') || write_double(g->f_ck) ||
        write_double(g->alpha_cc) || write_double(g->eps_c2) || write_double(g->eps_cu2) || write_double(g->n) ||
        write_int(g->lightweight) || write_double(g->density) || write_double(0.0) || write_int(g->e_auto) ||
        write_double(g->E_cm))
        return 1;
    return end_line();
}

int Concrete_Grade_Read(ConcreteGrade* g)
{
    if (!g) return 1;
    const int depth = Dat_File_State.depth;
    char text[DAT_TEXT_SIZE];
    if (begin_record(CONCRETE_GRADE_VERSION, text)) return 1;
    ConcreteGrade r = *g;
    copy_name(r.name, sizeof r.name, text);
    const double v = top_version();
    double reserved;
    if (Dat_Read_Field(&r.f_ck, 'd', v, 0.0) || Dat_Read_Field(&r.alpha_cc, 'd', v, 0.0) ||
        Dat_Read_Field(&r.eps_c2, 'd', v, 0.0) || Dat_Read_Field(&r.eps_cu2, 'd', v, 0.0) ||
        Dat_Read_Field(&r.n, 'd', v, 0.0) || Dat_Read_Field(&r.lightweight, 'i', v, 0.0) ||
        Dat_Read_Field(&r.density, 'd', v, 0.0) || Dat_Read_Field(&reserved, 'd', v, 0.0))
        return fail_record(depth);
    if (!r.lightweight) r.density = kNormalDensity;
    if (Dat_Read_Field(&r.e_auto, 'i', 1.2, 1.0)) return fail_record(depth);
    if (Dat_Read_Field(&r.E_cm, 'd', 1.1, Concrete_Ecm_Of(r.f_ck, r.lightweight, r.density))) return fail_record(depth);
    Dat_Pop_Version();
    // The strains are not stored: they follow from the strength as the
    // initialisers derive them.
    Concrete_Grade_Derive_Strains(&r);
    *g = r;
    return 0;
}

int Rebar_Grade_Write(const RebarGrade* g)
{
    if (!g) return 1;
    char name[CONCRETE_NAME_SIZE];
    copy_name(name, sizeof name, g->name);
    if (Dat_Write_Version(REBAR_GRADE_VERSION) || Dat_Write_Field(name, 't') || write_double(g->f_yk) ||
        write_double(g->f_tk) || write_double(g->eps_su) || write_double(g->E_s) || write_double(0.0))
        return 1;
    return end_line();
}

int Rebar_Grade_Read(RebarGrade* g)
{
    if (!g) return 1;
    const int depth = Dat_File_State.depth;
    char text[DAT_TEXT_SIZE];
    if (begin_record(REBAR_GRADE_VERSION, text)) return 1;
    RebarGrade r = *g;
    copy_name(r.name, sizeof r.name, text);
    const double v = top_version();
    double reserved;
    if (Dat_Read_Field(&r.f_yk, 'd', v, 0.0) || Dat_Read_Field(&r.f_tk, 'd', v, 0.0) ||
        Dat_Read_Field(&r.eps_su, 'd', v, 0.0) || Dat_Read_Field(&r.E_s, 'd', v, 0.0) ||
        Dat_Read_Field(&reserved, 'd', v, 0.0))
        return fail_record(depth);
    Dat_Pop_Version();
    *g = r;
    return 0;
}
