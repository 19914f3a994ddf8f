#pragma once
// EC3 (steel) parameters of a national annex: EN 1993-1-1/-1-2 in one part,
// EN 1993-1-8/-1-5/-1-9/-6 in the other, each with its own layout version.
#include <cstdio>

// Layout version of both parts written today.
enum { NAD_EC3_LAYOUT = 4 };

struct NadEc31Record {
    int version;
    double gamma_m0;     // 6.1(1) cross-section failure
    double gamma_m1;     // member instability
    double gamma_m2;     // fracture in tension
    double gamma_m0_acc; // accidental situation
    double gamma_m1_acc;
    double gamma_m2_acc;
    int use_f_modification; // 6.3.2.2(2) factor f on chi_LT in the general case
    double gamma_m_fi;      // EN 1993-1-2 2.3(1)
    double lambda_lt0;      // 6.3.2.3(1) lambda_LT,0 of (6.57)
    double beta_lt;         // 6.3.2.3(1) beta of (6.57)
    int f_given;            // 6.3.2.3(2) f given (1) or computed (0)
    double f_value;
    int k_c_from_table; // k_c from Table 6.6 (1) or given (0)
    double k_c_value;
};

struct NadEc38Record {
    int version;
    double gamma_m3;              // EN 1993-1-8 2.2(2) slip resistance, category C
    double gamma_m4;              // injection bolts
    double gamma_m5;              // hollow-section joints in lattice girders
    double gamma_m6_ser;          // pins at SLS
    double gamma_m7;              // preload of high-strength bolts
    double gamma_m3_ser;          // slip resistance at SLS, category B
    int shear_lag_note;           // EN 1993-1-5 3.3(1): note 2 or 3
    double eta;                   // EN 1993-1-5 5.1(2)
    double gamma_mf_tolerant_low; // EN 1993-1-9 3(7)
    double gamma_mf_safe_life_low;
    double gamma_mf_tolerant_high;
    double gamma_mf_safe_life_high;
    double gamma_m_ser; // EN 1993-6 7.5(1)
};

struct NadEc3Record {
    int na_de; // 0 = EC recommended rules, else NA-DE rules
    NadEc31Record ec31;
    NadEc38Record ec38;
};

// The active annex's EC3 block (defined with the annex record).
extern NadEc3Record* ActiveNadEc3;

void Nad_Default_Ec3(NadEc3Record* r);
void Nad_Default_Ec3_De(NadEc3Record* r);
void Nad_Set_Ec3_Na_De(NadEc3Record* r, int value);
void Nad_Write_Ec3(FILE* f, const NadEc3Record* r);
// positioned 0: first looks for the block inside the current annex of the old
// combined file (" EC3 Parameter", or the oldest form under " EC3-8 Parameter").
void Nad_Read_Ec3(FILE* f, NadEc3Record* r, int positioned);
int Nad_Differs_Ec3(const NadEc3Record* a, const NadEc3Record* b);
// Copies both parts but neither na_de nor the versions.
void Nad_Copy_Ec3(NadEc3Record* dst, const NadEc3Record* src);
int Nad_Ec3_Zero();

NadEc31Record* Nad_Default_Ec31(NadEc31Record* p);
NadEc31Record* Nad_Default_Ec31_De(NadEc31Record* p);
void Nad_Write_Ec31(FILE* f, const NadEc31Record* p);
// 0 when the block was read, 1 on a failure or a null part.
int Nad_Read_Ec31(FILE* f, NadEc31Record* p);
int Nad_Differs_Ec31(const NadEc31Record* a, const NadEc31Record* b);
NadEc31Record* Nad_Copy_Ec31(NadEc31Record* dst, const NadEc31Record* src);
int Nad_Ec31_Zero();

NadEc38Record* Nad_Default_Ec38(NadEc38Record* p);
NadEc38Record* Nad_Default_Ec38_De(NadEc38Record* p);
void Nad_Write_Ec38(FILE* f, const NadEc38Record* p);
// 0 when the block was read, 1 on a failure or a null part.
int Nad_Read_Ec38(FILE* f, NadEc38Record* p);
int Nad_Differs_Ec38(const NadEc38Record* a, const NadEc38Record* b);
void Nad_Copy_Ec38(NadEc38Record* dst, const NadEc38Record* src);
int Nad_Ec38_Zero();
