#pragma once
// EC6 (masonry) and EC9 (aluminium) partial factors of a national annex.
#include <cstdio>

enum { NAD_EC6_LAYOUT = 1, NAD_EC9_LAYOUT = 3 };

struct NadEc6Record {
    int na_de;
    double gamma_m_persistent; // 2.4.3(1) persistent and transient situation
    double gamma_m_accidental; // 2.4.3(1) accidental situation
    double gamma_m_seismic;    // 2.4.3(1) seismic situation
    double gamma_m_sls;        // 2.4.4 serviceability limit state
};

struct NadEc9Record {
    int na_de;
    int version;
    double gamma_m1;     // 6.1.3(1) cross-section failure
    double gamma_m2;     // 6.1.3(1) tension fracture
    double gamma_mp;     // 8.1.1(2) pin connections
    double gamma_mw;     // welded connections
    double gamma_ms_ser; // slip resistance, serviceability
    double gamma_ms_ult; // slip resistance, ultimate limit state
    double gamma_ma;     // adhesive bonded joints
    double gamma_mp_ser; // pins at serviceability
    double c_6_15;       // 6.2.1(5) constant of equation 6.15
};

// The active annex's EC9 block (defined with the annex record).
extern NadEc9Record* ActiveNadEc9;

NadEc6Record* Nad_Default_Ec6(NadEc6Record* r);
NadEc6Record* Nad_Default_Ec6_De(NadEc6Record* r);
NadEc6Record* Nad_Set_Ec6_Na_De(NadEc6Record* r, int na_de);
void Nad_Write_Ec6(FILE* f, const NadEc6Record* r);
void Nad_Read_Ec6(FILE* f, NadEc6Record* r);
// 1 for equal records, 0 for different ones or a null argument.
int Nad_Equal_Ec6(const NadEc6Record* a, const NadEc6Record* b);
void Nad_Copy_Ec6(NadEc6Record* dst, const NadEc6Record* src);

NadEc9Record* Nad_Default_Ec9(NadEc9Record* r);
NadEc9Record* Nad_Default_Ec9_De(NadEc9Record* r);
NadEc9Record* Nad_Set_Ec9_Na_De(NadEc9Record* r, int na_de);
void Nad_Write_Ec9(FILE* f, const NadEc9Record* r);
void Nad_Read_Ec9(FILE* f, NadEc9Record* r);
// 1 for equal records (version not compared), 0 for different ones or null.
int Nad_Equal_Ec9(const NadEc9Record* a, const NadEc9Record* b);
// Copies na_de and the values, not version.
void Nad_Copy_Ec9(NadEc9Record* dst, const NadEc9Record* src);
