#pragma once
// EC5 (timber) parameters of a national annex: partial factors, k_mod and k_def
// tables, deflection limits, crack factor, torsion shape factor and the
// switches that select rules of the German national annex.
#include <cstdio>

// Layout version of the "#EC5" section body written today.
enum { NAD_EC5_LAYOUT = 17 };

struct NadEc5Record {
    int na_de;          // 0 = EC recommended rules, else NA-DE rules
    int version;        // layout the values came from
    int use_table_na1;  // 2.3.1.2(2)P load-duration classes by Table NA.1
    int use_na11;       // 8.3.1.2 NA.11, penetration depth above 4 d
    double gamma_m_lvl; // LVL, plywood, OSB
    double gamma_m_particleboard;
    double gamma_m_hardboard;
    double gamma_m_mediumboard;
    double gamma_m_mdf;
    double gamma_m_softboard;
    double gamma_m_connections;
    double gamma_m_nail_plates;  // punched metal plate fasteners
    double gamma_m_steel;        // steel in connections (NA-DE row)
    double gamma_m_gypsum;       // gypsum boards and the like (NA-DE row)
    int use_table_na4;           // 3.1.3 modification factors by Table NA.4
    int use_table_na15;          // 8.3.2 profiled nails by Table NA.15
    int threaded_rods_na;        // 8.5.3(2)
    int ltb_na;                  // 6.3.3(7)
    int simplified_fasteners_na; // 8.2.4(1)
    int kmod_na1_index_b;        // k_mod short/instantaneous by Table NA.1 (b)
    int v10_flag;                // stored beside gamma_m_fire, otherwise unused
    double gamma_m_solid;
    double gamma_m_glulam;
    double gamma_m_accidental;
    double gamma_m_fire;
    double k_mod[5][3];             // [load-duration class][service class]
    double k_def[3];                // per service class
    double deflection_limits[3][2]; // l/x: rows w_inst, w_fin, w_net,fin; beam, cantilever
    int k_cr_mode;                  // 1 = k_cr_solid/k_cr_other, 2 = NA-DE
    int w_net_fin_combination;      // 1 characteristic, 2 quasi-permanent (NA.A1)
    double k_cr_solid;
    double k_cr_other;
    int use_na20;          // 9.2.4.2 NA.20
    int use_na21;          // 9.2.4.2 NA.21
    int use_na816;         // 6.1 NA.8.1.6
    int use_na7;           // 8.6 NA.7
    double k_shape_factor; // k_shape = 1 + k_shape_factor * h/b
    double k_shape_max;
    double ltb_glulam_factor;
    double gamma_m_clt;
};

// The active annex's EC5 block (defined with the annex record); null selects
// the DIN 1052 rules throughout the material and design functions.
extern NadEc5Record* ActiveNadEc5;

NadEc5Record* Nad_Default_Ec5(NadEc5Record* r);
NadEc5Record* Nad_Set_Ec5_Na_De(NadEc5Record* r, int value);
// Writes the section body in the newest layout; nothing for a null f or r.
void Nad_Write_Ec5(FILE* f, const NadEc5Record* r);
// Reads a section body of any layout. positioned 0: first looks for the line
// " EC5 Parameter" before the next "#NAD" line (old combined file).
void Nad_Read_Ec5(FILE* f, NadEc5Record* r, int positioned);
// 1 when the records differ (exact comparison), 0 when equal or when either
// comes from a layout below 10.
int Nad_Differs_Ec5(const NadEc5Record* a, const NadEc5Record* b);
// Copies every field but version.
void Nad_Copy_Ec5(NadEc5Record* dst, const NadEc5Record* src);
int Nad_Ec5_Zero();
