#pragma once
// EN 1990 load factors of a national annex ("Lastfaktoren"): partial factors
// and combination factors for buildings and for road, foot and railway bridges.
#include <cstdio>

// Layout version of the "#EC0" section body written today.
enum { NAD_EC0_LAYOUT = 5 };

// Design situations, first index of both partial-factor arrays.
enum {
    NAD_EC0_PERSISTENT = 0, // persistent and transient
    NAD_EC0_ACCIDENTAL = 1,
    NAD_EC0_SEISMIC = 2,
    NAD_EC0_SERVICEABILITY = 3 // serviceability and fatigue
};

struct NadEc0Record {
    int version;                    // layout read last; 0 after the defaults
    double building_gamma[4][7][2]; // [situation][action][sup, inf]
    double building_psi[12][4];     // [category][psi0, psi1, psi2, psi2,E]
    double bridge_gamma[4][15][2];  // [situation][action][sup, inf]
    double road_bridge_psi[14][3];
    double footbridge_psi[7][3];
    double rail_bridge_psi[31][3];
    double rail_a[3]; // a for one, two, three or more loaded tracks
};

void Nad_Default_Ec0(NadEc0Record* r);
// Writes the section body in the newest layout; nothing for a null f or r.
void Nad_Write_Ec0(FILE* f, const NadEc0Record* r);
// Reads a body of any layout; values that are not read keep their state.
// positioned 0: first looks for " Lastfaktoren" before the next "#NAD" line.
void Nad_Read_Ec0(FILE* f, NadEc0Record* r, int positioned);
// 1 when any value differs by more than 0.0001, else 0.
int Nad_Differs_Ec0(const NadEc0Record* a, const NadEc0Record* b);
// Copies all values but version.
void Nad_Copy_Ec0(NadEc0Record* dst, const NadEc0Record* src);
int Nad_Ec0_Zero();

// The row names of the load-factor tables as the output pages and the editor
// pictures show them, spelt as the program always has ("außergwöhnliche",
// "Seitenstoä"). Texts are UTF-8; print them through cp850(). The footbridge
// labels and the last five railway labels are symbols with an index and stand
// in their output-list form (mark-up byte 0xCE, "\\" subscript, "r" regular).
struct NadEc0RowNames {
    const char* building_actions[7];
    const char* building_categories[12];
    const char* building_letters[12]; // category letters, empty for rows 6 to 11
    const char* bridge_actions[15];
    const char* road_bridge_actions[14];
    const char* footbridge_labels[7]; // output-list form
    const char* rail_bridge_actions[26];
    const char* rail_bridge_labels[5]; // rows 26 to 30, output-list form
    const char* rail_earth_pressure_2; // second line of row 8
    const char* rail_maintenance_2;    // second line of row 25
};
extern const NadEc0RowNames NadEc0Rows;
