#pragma once
// Concrete and reinforcing-steel grades of concrete members: the records of the
// old German concrete standard DIN 1045 (7.88) and of Eurocode 2 with the German
// values (normal-weight C12/15 to C100/115, lightweight LC12/13 to LC60/66,
// reinforcing steels B500A and B500B), the material laws, and the records of
// freely defined grades in the versioned data files of "base/kovdat.h".
//
// Units: stresses and moduli in kN/m2, strains as fractions (compressive strains
// negative), densities in kg/m3.
//
// Invariants:
//  (1) A name never overruns its field: longer names are cut to the field.
//  (2) No index, not even a negative one, reads outside a table: the DIN
//      initialisers clamp it into the table, the Eurocode ones leave the grade
//      values alone for any index outside it.
//  (3) A grade reader leaves the version stack as it found it, also when it fails,
//      and changes the record only when the whole record was read.

enum {
    CONCRETE_NAME_SIZE = 56,      // Eurocode names: 55 characters and the end
    DIN_GRADE_NAME_SIZE = 24,     // DIN names: 23 characters and the end
    CONCRETE_DIN_GRADE_COUNT = 5, // B15 .. B55
    REBAR_DIN_GRADE_COUNT = 3,    // BSt 220/340, BSt 420 S, BSt 500 S
    CONCRETE_EC2_GRADE_COUNT = 15,
    CONCRETE_LC_GRADE_COUNT = 11, // lightweight grades exist for rows 0 .. 10
    REBAR_EC2_GRADE_COUNT = 2
};

// Structure versions written by the grade writers.
#define CONCRETE_GRADE_VERSION 1.2
#define REBAR_GRADE_VERSION 1.0

// The Eurocode concrete record.
struct ConcreteGrade {
    char name[CONCRETE_NAME_SIZE];
    double f_ck;     // characteristic cylinder strength
    double alpha_cc; // long-term reduction: 0.85 normal-weight, 0.8 lightweight
    double eps_c1;   // strain at peak stress
    double eps_cu1;  // ultimate strain of the nonlinear law
    double eps_c2;   // strain at the strength in the parabola-rectangle law
    double eps_cu2;  // ultimate strain of the parabola-rectangle law
    double n;        // exponent of the parabola
    int lightweight; // 0 normal-weight, else lightweight concrete
    double density;  // oven-dry density; 2200 for normal-weight concrete
    int e_auto;      // 1: E_cm derived from f_ck, 0: as entered
    double E_cm;     // mean modulus of elasticity
};

// The Eurocode reinforcing-steel record.
struct RebarGrade {
    char name[CONCRETE_NAME_SIZE];
    double f_yk;   // yield strength
    double f_tk;   // tensile strength
    double eps_su; // design ultimate strain (positive)
    double E_s;    // modulus
};

// Concrete after DIN 1045 (7.88).
struct DinConcreteGrade {
    char name[DIN_GRADE_NAME_SIZE];
    double beta_wn; // nominal strength
    double beta_r;  // design strength
    double tau_011; // shear stress limits
    double tau_012;
    double tau_02;
    double tau1_ribbed; // permissible bond stress, ribbed bars
    double tau1_smooth; // permissible bond stress, smooth bars
    double e_b;         // modulus
};

// Reinforcing steel after DIN 1045 (7.88).
struct DinRebarGrade {
    char name[DIN_GRADE_NAME_SIZE];
    double beta_s;       // yield strength
    double eps_limit;    // strain limit, 0.005
    double grade_factor; // 1.01, 1.3 or 1.4
    double e_s;          // modulus
};

// ---- table grades --------------------------------------------------------------

// An index above 4 is taken as 4, a negative one as 0.
void Concrete_Grade_Init_Din(DinConcreteGrade* g, int index);
// An index above 2 is taken as 2, a negative one as 0.
void Rebar_Grade_Init_Din(DinRebarGrade* g, int index);
// A free grade does not exist in DIN 1045 (7.88): the console says so and the
// record becomes B25 (resp. BSt 500 S). Both return 1.
int Concrete_Free_Din_Refused(DinConcreteGrade* g);
int Rebar_Free_Din_Refused(DinRebarGrade* g);
// A DIN grade is always a table grade: nothing is written. Both return 1.
int Concrete_Grade_Write_Din(void);
int Rebar_Grade_Write_Din(void);

// Index 0 .. 14 fills a Eurocode grade; any other index sets only lightweight and
// density (2200 for normal-weight concrete, else the argument).
void Concrete_Grade_Init_Ec2(ConcreteGrade* g, int index, int lightweight, double density);
// The Eurocode record of a withdrawn DIN grade (index clamped as by the DIN
// initialiser): f_ck = 0.78125 beta_wn, E_cm the DIN modulus.
void Concrete_Grade_From_Din(ConcreteGrade* g, int din_index);
// Index 0 or 1: "BSt 500 (A)" or "BSt 500 (B)"; any other index changes nothing.
void Rebar_Grade_Init(RebarGrade* g, int index);
// As Rebar_Grade_Init, named "B500A" and "B500B".
void Rebar_Grade_Init_B500(RebarGrade* g, int index);
// The Eurocode record of a DIN steel (index clamped as by the DIN initialiser).
void Rebar_Grade_From_Din(RebarGrade* g, int din_index);

// ---- material laws (f_ck in kN/m2, density in kg/m3) ------------------------------

double Concrete_Ec0m(double f_ck);
double Concrete_Ecm(double f_ck);
double Lightweight_Eta1(double density);
// Mean tensile strength (rounded to 0.1 MN/m2) times eta1; 0 for f_ck <= 0.
double Concrete_Fctm(double f_ck, double density);
// 5 % fractile: 0.7 times the same rounded mean tensile strength, times eta1.
double Concrete_Fctk005(double f_ck, double density);
// eps_c1 and eps_cu1 interpolated in the table by f_ck (null skips an output).
void Concrete_Strains_By_Fck(double* eps_c1, double* eps_cu1, double f_ck);
// The grade's eps_c1 and eps_cu1 as the initialisers derive them: from the
// table by f_ck, for lightweight concrete -1.2 f_cm / E_c0m.
void Concrete_Grade_Derive_Strains(ConcreteGrade* g);
// Concrete_Ecm of f_ck, times (density / 2200)^2 for lightweight concrete.
double Concrete_Ecm_Of(double f_ck, int lightweight, double density);
// Time development of the strength at t days for cement class 1 to 3.
double Concrete_Beta_cc(double t, int cement_class);
// Partial factor of concrete for a design situation (1 accidental, 4 fire).
double Concrete_Gamma_c(double f_ck, int situation);
double Rebar_Gamma_s(int situation);
// -a b / c; 0 when |c| < 1e-5.
double Negative_Product_Ratio(double a, double b, double c);

// ---- records in the versioned data file (0 ok, 1 at the first failure) ----------

int Concrete_Grade_Write(const ConcreteGrade* g);
// Reads structure version 1.2 and older, also a record without a version line
// (recognised by a first item that does not begin with a digit). eps_c1 and
// eps_cu1 are not stored: they are derived from what was read.
int Concrete_Grade_Read(ConcreteGrade* g);
int Rebar_Grade_Write(const RebarGrade* g);
int Rebar_Grade_Read(RebarGrade* g);
