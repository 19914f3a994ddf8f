#pragma once
// Concrete parameters of a national annex (EN 1992-1-1, -1-2 and -2): the
// "#EC2" block of an annex file, its recommended defaults, the reader of every
// stored layout with the upgrade of older data, comparison, copy and checks.
//
// Lengths of concrete cover are in cm, everything else is a factor. A field
// whose name ends in _mode selects how its double is meant: 1 = the value
// itself, 2 (and anything else for consumers) = the coefficient of the formula
// of the German annex.
#include <cstdio>

enum {
    NAD_EC2_LAYOUT = 18, // layout written today
    NAD_EC2_EXPOSURE_CLASSES = 12,
    NAD_EC2_JOINT_SURFACES = 4,
    NAD_EC2_DESIGN_SITUATIONS = 4,
    NAD_EC2_SYSTEMS = 5
};

struct NadEc2Record {
    int na_de;   // 0 = EC recommended rules, non-zero = rules of the German annex
    int version; // layout read (1 after defaults, 0 while reading / after a failed read)
    char exposure_class_names[12][5];
    char joint_surface_names[4][11];
    char design_situation_names[4][21]; // code page 850
    double c_min_dur[12];               // per exposure class [cm]
    double delta_c_dur_gamma[12];       // [cm]
    double gamma_c[4];                  // persistent/transient, fatigue, earthquake, accidental
    double gamma_s[4];
    double gamma_c_bridge[4];
    double gamma_s_bridge[4];
    double gamma_c_sls;
    double gamma_s_sls;
    double delta_c_dev;     // [cm]
    double delta_c_dur_st;  // [cm]
    double delta_c_dur_add; // [cm]
    double alpha_cc;
    double alpha_ct;
    double alpha_cc_pl;
    double alpha_ct_pl;
    double alpha_lcc;
    double alpha_lct;
    double gamma_ce;
    double as_min_beam;
    double as_min_column;
    double as_vmin_wall;
    double as_min_beam_floor;
    double as_min_column_floor;
    double k1_redist;
    double k2_redist;
    double k3_redist;
    double k4_redist;
    double k5_redist;
    double k6_redist;
    double redist_extra;
    double c_rd_c;
    double v_min;
    double k1_shear;
    double nu_shear;
    double nu_torsion;
    double c_lrd_c;
    double v_l_min;
    double k_l1;
    double nu_l_shear;
    double nu_l_torsion;
    double cot_theta_min;
    double cot_theta_max;
    double nu_1;
    double nu_1l;
    double alpha_cw;
    double k_flange;
    double joint_c[4]; // per joint surface
    double joint_mu[4];
    double joint_nu[4];
    double rho_w_min;
    double cot_theta_f_tension;
    double cot_theta_f_compression;
    double k_p;
    double k3_crack;
    double k4_crack;
    double k1_fatigue;
    double gamma_f_fat;
    double k_system[5]; // Einfeld, Endfeld, Mittelfeld, Flachdecke, Kragträger
    double k1_bar_spacing;
    double beta_1;
    double beta_2;
    double theta_0_inv;
    double conductivity_factor;
    double k_hsc_fire;
    double k_m_hsc_fire;
    double lambda_lim;
    double alpha_cc_bridge;
    double alpha_ct_bridge;
    double c_rd_c_bridge;
    double v_min_bridge;
    double k1_shear_bridge;
    double cot_theta_min_bridge;
    double cot_theta_max_bridge;
    double alpha_cw_bridge;
    double nu_1_bridge;
    double k1_fatigue_bridge;
    double k_stress_bridge[5];
    double as_min_column_bridge;
    double as_min_column_floor_bridge;
    double r_sup_pre;
    double r_sup_post;
    double r_inf_pre;
    double r_inf_post;
    int as_min_beam_mode;
    int as_min_column_mode;
    int as_vmin_wall_mode;
    int k2_redist_mode;
    int k4_redist_mode;
    int v_min_mode;
    int nu_mode;
    int v_l_min_mode;
    int nu_l_mode;
    int nu_1_mode;
    int nu_1l_mode;
    int rho_w_min_mode;
    int conductivity_mode;
    int rebar_class_fire;
    int hsc_class_fire;
    int lambda_lim_mode;
    int as_min_column_bridge_mode;
    int v_min_bridge_mode;
    int nu_1_bridge_mode;
    double reserve_a;
    double reserve_b;
    int reserve_selector;
};

// The EC recommended values (version 1, na_de 0). Nothing for a null record.
void Nad_Default_Ec2(NadEc2Record* r);

// Norms 4 (EN 1992-1-1) and 21 (EN 1992-2): as Nad_Default_Ec2; any other norm:
// the values of the German concrete standards, the joint values after the
// norm-edition switch. Leaves k_stress_bridge and the four prestress factors
// as they were. Nothing for a null record.
void Nad_Default_Ec2_For_Norm(int norm, NadEc2Record* r);

// The bridge block of the German annex to EN 1992-2 (C_Rd,c 0.15, k1 0.12,
// cot theta up to 1.75, nu_1 0.75, ...): given to German bodies written before
// the block existed, and the block of the supplied German annex. Nothing for a
// null record.
void Nad_Ec2_Bridge_Block_De(NadEc2Record* r);

// Stores value into na_de; returns r.
NadEc2Record* Nad_Set_Ec2_Na_De(NadEc2Record* r, int value);

// Writes the body in the newest layout. Nothing when either is null.
void Nad_Write_Ec2(FILE* f, const NadEc2Record* r);

// Reads a body of any layout from the current position of f. Success shows in
// r->version (non-zero); after a failed read it is 0. Nothing when either is null.
void Nad_Read_Ec2(FILE* f, NadEc2Record* r);

// 1 when the records differ (doubles beyond 0.0001), 0 when equal; 1 when either
// is null, 0 when either has a version below 1.
int Nad_Differs_Ec2(const NadEc2Record* a, const NadEc2Record* b);

// Copies everything but version, reserve_a and reserve_b. Nothing when either is null.
void Nad_Copy_Ec2(NadEc2Record* dst, const NadEc2Record* src);

// Counts the integer fields outside their range, replacing them by their
// fallbacks when repair is non-zero. With na_de set the two fire factors of
// high-strength concrete become 1.0 in any case. 0 for a null record.
int Nad_Check_Ec2(NadEc2Record* r, int repair);
