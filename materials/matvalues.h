#pragma once
// Characteristic stiffness and strength values of every material kind, in
// kN/m2 (table value in N/mm2 times 1000) unless stated otherwise.

#include "materials/matkind.h"

// Load direction of strength and stiffness queries.
enum StressDirection {
    SD_PLATE_PARALLEL = 0,      // "Platte parallel"
    SD_PLATE_PERPENDICULAR = 1, // "Platte senkrecht"
    SD_SHEET_PARALLEL = 2,      // "Scheibe parallel"
    SD_SHEET_PERPENDICULAR = 3, // "Scheibe senkrecht"
    SD_PLATE = 4,               // plate, panels without a grain direction
    SD_IN_PLANE = 5,            // in-plane, panels without a grain direction
    SD_GRAIN_PARALLEL = 6,      // members, parallel to the grain
    SD_GRAIN_PERPENDICULAR = 7, // members, perpendicular to the grain
    SD_PARALLEL_ALIAS = 8,
    SD_PERPENDICULAR_ALIAS = 9
};

// All outputs may be NULL. An undefined kind or grade returns 0 and sets the
// non-null outputs to 0; a variant or direction without values for the kind
// returns 1 and writes only the values the kind has for it.
int Mat_Moduli(int kind, int grade, int variant, double t_mm, double* E_mean, double* G_mean, double* E_05,
               double* G_05);
int Mat_E90_Mean(int kind, int grade, double* E_90);
// b_mm, h_mm: width and depth of a member, or b_mm the panel thickness.
// With k_h given, the size factor of solid timber (annex rules, hardwood up to
// rho_k 700) and glulam is stored there and applied to f_m and f_t.
int Mat_Strengths(int kind, int grade, int service_class, int direction, double b_mm, double h_mm, double* f_m,
                  double* f_t, double* f_c, double* f_v, double* f_c90, double* k_h);
// f_c,90,k [kN/m2], 0 when undefined; mode selects the second value of plywood
// grade 4 and of the LVL products (the connection design passes 1).
double Mat_Fc90k(int kind, int grade, int service_class, int mode);
// f_t,90,k [N/mm2], 0 for kinds without a value.
double Mat_Ft90k(int kind, int grade);
