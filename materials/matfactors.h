#pragma once
// Timber material factors besides stiffness and strength: k_mod, k_def, the
// characteristic density, weight density, charring rate, crack factor k_cr,
// size factors and the thickness limits of panels.

#include "materials/matkind.h"

// Load-duration class of a load combination: 0 "ständig", 1 "lang",
// 2 "mittel", 3 "kurz", 4 "sehr kurz", 5 "kurz/sehr kurz", 6 "außergewöhnlich",
// 7 "Erdbeben", 8 "frei" (k_mod given by the caller).
typedef int LoadDurationClass;

// Record of a user-defined material (kind -999 or 14, grade -999 or 14). Its
// owner fills it; the library reads the name, rho_k and k_mod.
struct UserMaterial {
    int owner_flags; // owner's field; the name starts behind it
    char name[100];
    double rho_k;       // [kg/m3]
    double k_mod[3][5]; // [service class 1..3][duration 0..4]
    double f_c_90_k;    // [N/mm2], read by the connection design
};

// 1 and the value when defined; 0 otherwise, with 0.0 written to the output.
int Mat_Kmod(int kind, int grade, int service_class, int duration, double* kmod_out, const UserMaterial* user);
// Always 1; k_def (0.0 for a kind or class without one) into a non-null output.
int Mat_Kdef(int kind, int grade, int service_class, double* kdef_out);
// 1 and rho_k [kg/m3]; 0 (output 0.0) when undefined. t_mm: panel thickness.
int Mat_Rho_k(int kind, int grade, double t_mm, double* rho_out, const UserMaterial* user);
// Weight density [kN/m3] (kinds -12, -13: weight per metre [kN/m]); 0 undefined.
double Mat_Self_Weight(int kind, int grade);
// Notional charring rate beta_n [mm/min].
double Mat_Beta_n(int kind, int grade);
// Crack factor k_cr of the shear check; 0 when the grade has no shear strength.
double Mat_Kcr(int kind, int grade, double b_mm, double h_mm);
// min((3000 / l)^0.06, 1.1)
double Mat_Length_Factor(double l);
// min(0.892 + 0.0009 x, 1.0), times 1.2 when flag is 1.
double Mat_Linear_Size_Factor(int flag, double x);
double Panel_Min_Thickness(int kind);
double Panel_Max_Thickness(int kind);
