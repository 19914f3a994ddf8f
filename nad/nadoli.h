#pragma once
// The output-list pages of the active annex: which rules the current program
// shows (from the program list), and the pages that print the values of the
// EC0, EC2, EC3, EC5, EC6 and EC9 blocks. Every page works out its rules itself
// and writes nothing for a null stream.
#include <cstdio>

enum { NAD_EC5_GROUPS = 9, NAD_EC3_GROUPS = 10, NAD_EC2_FLAGS = 33 };

// Rule groups of EC5: 0 two-column layout and lateral-torsional buckling,
// 1 partial factors, 2 k_mod, 3 k_def, 4 deflection limits, 5 crack factor,
// 6 net final deflection, 7 clause table, 8 torsion.
extern int Ec5RelevanceFlags[NAD_EC5_GROUPS];
// Rule groups of EC3: 0 gamma_M0/M1, 1 gamma_M2, 2 one-line heading and the
// screw note, 3 EN 1993-1-8, 4 accidental rows, 5 lateral-torsional buckling,
// 6 EN 1993-1-5, 7 EN 1993-1-9, 8 EN 1993-6, 9 EN 1993-1-2.
extern int Ec3RelevanceFlags[NAD_EC3_GROUPS];

// Rules of EC2 (1 = shown): 0 partial factors, 1 their fatigue, earthquake and
// accidental rows (and post-tensioning), 2 alpha_cc (and the bridge stress
// limits), 3 alpha_ct, 4 lightweight alpha_lcc/lct, 5 plain concrete, 6 cover,
// 7 redistribution, 8 lambda_lim, 9 gamma_cE, 10 shear without shear
// reinforcement (with 6.2.3 to 6.2.5), 11 nu for torsion, 12 nu_l for torsion,
// 13 k_p, 14 lightweight shear, 15 flanges, 16 joints, 17 fatigue, 18 crack
// spacing, 19 K factors, 20 bar spacing, 21 A_s,min of beams, 22 beta_1,
// 23 beta_2, 24 rho_w,min, 25 A_s,min of columns, 26 A_s,vmin of walls,
// 27 the fire table, 28 k of 6.4.2.1, 29 k_m of 6.4.2.2, 30 the items only
// buildings have, 31 the bridge table, 32 imperfections.
extern int Ec2RelevanceFlags[NAD_EC2_FLAGS];

void Nad_Ec5_Relevance();
void Nad_Ec3_Relevance();
// From the selected program's masks of group 2 (flag 30 when neither 30 nor
// 31 is among them), else from its application number.
void Nad_Ec2_Relevance();

struct NadEc6Rows {
    int main;       // the 2.4.3 and 2.4.4 rows
    int accidental; // the accidental and seismic rows
};
struct NadEc9Rows {
    int ultimate; // the 6.1.3(1) rows
    int gamma_m2; // the gamma_M2 row among them
    int joints;   // the clause 8 rows
};
NadEc6Rows Nad_Ec6_Rows();
NadEc9Rows Nad_Ec9_Rows();

void Nad_Oli_Ec5(FILE* f);
// The EC2 page: head block, the EN 1992-1-1 table, and the fire and bridge
// tables when the program uses them.
void Nad_Oli_Ec2(FILE* f);
// The EN 1992-1-1 table with its title block; 0 without a stream or record,
// else the result of its last write.
int Nad_Oli_Ec2_Main(FILE* f);
void Nad_Oli_Ec3(FILE* f);
void Nad_Oli_Ec31(FILE* f);
void Nad_Oli_Ec38_Joints(FILE* f);
void Nad_Oli_Ec38_Plates(FILE* f);
void Nad_Oli_Ec38_Fatigue(FILE* f);
void Nad_Oli_Ec38_Cranes(FILE* f);
void Nad_Oli_Ec0(FILE* f);
void Nad_Oli_Ec6(FILE* f);
void Nad_Oli_Ec9(FILE* f);

// Whether the application uses an annex parameter (numbers shared with the
// host applications). The application may install its own answer; without
// one every parameter counts as used.
typedef int (*NadParameterUsedFn)(int parameter);
void Nad_Set_Parameter_Used_Hook(NadParameterUsedFn hook);
int Nad_Parameter_Used(int parameter);

// How many parameters of each part the application uses (asked afresh).
int Nad_Count_Used_Ec2();
int Nad_Count_Used_Ec3();
int Nad_Count_Used_Ec5();
int Nad_Count_Used_Ec6();
int Nad_Count_Used_Ec9();
int Nad_Count_Used_Misc();

// The load-factor pages, when the application uses any EC2, EC3, EC5, EC6 or
// EC9 parameter.
void Nad_Oli_Ec0_Page(FILE* f);
// The EC2, EC3, EC5, EC6 and EC9 pages, each only when the application uses a
// parameter of it.
void Nad_Oli_Used_Parts(FILE* f);
