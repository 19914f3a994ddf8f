#pragma once
// The output-list pages of the active annex: which rules the current program
// shows (from the program list), and the pages that print the values of the
// EC0, EC3, EC5, EC6 and EC9 blocks. Every page works out its rules itself
// and writes nothing for a null stream.
#include <cstdio>

enum { NAD_EC5_GROUPS = 9, NAD_EC3_GROUPS = 10 };

// Rule groups of EC5: 0 two-column layout and lateral-torsional buckling,
// 1 partial factors, 2 k_mod, 3 k_def, 4 deflection limits, 5 crack factor,
// 6 net final deflection, 7 clause table, 8 torsion.
extern int Ec5RelevanceFlags[NAD_EC5_GROUPS];
// Rule groups of EC3: 0 gamma_M0/M1, 1 gamma_M2, 2 one-line heading and the
// screw note, 3 EN 1993-1-8, 4 accidental rows, 5 lateral-torsional buckling,
// 6 EN 1993-1-5, 7 EN 1993-1-9, 8 EN 1993-6, 9 EN 1993-1-2.
extern int Ec3RelevanceFlags[NAD_EC3_GROUPS];

void Nad_Ec5_Relevance();
void Nad_Ec3_Relevance();

struct NadEc6Rows {
    int main;        // the 2.4.3 and 2.4.4 rows
    int accidental;  // the accidental and seismic rows
};
struct NadEc9Rows {
    int ultimate;    // the 6.1.3(1) rows
    int gamma_m2;    // the gamma_M2 row among them
    int joints;      // the clause 8 rows
};
NadEc6Rows Nad_Ec6_Rows();
NadEc9Rows Nad_Ec9_Rows();

void Nad_Oli_Ec5(FILE* f);
void Nad_Oli_Ec3(FILE* f);
void Nad_Oli_Ec31(FILE* f);
void Nad_Oli_Ec38_Joints(FILE* f);
void Nad_Oli_Ec38_Plates(FILE* f);
void Nad_Oli_Ec38_Fatigue(FILE* f);
void Nad_Oli_Ec38_Cranes(FILE* f);
void Nad_Oli_Ec0(FILE* f);
void Nad_Oli_Ec6(FILE* f);
void Nad_Oli_Ec9(FILE* f);
