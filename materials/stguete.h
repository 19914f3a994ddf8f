#pragma once
// Structural steels and bolt strength classes for steel plates and fasteners
// in timber connections: two built-in tables (European standards and DIN 18800,
// which differ in the yield strength of S235 and S355 and in three names) and
// the user grades that dialogs add at run time.
//
// A grade is named by a code: without the bit 0x8000 the low 16 bits are the
// row (0..43) and the high part (code >> 16) selects the table, 1 the European
// one and any other value the DIN one; with the bit the low 15 bits are the
// number of a user grade. Undefined codes give the fallback grade of the table
// their high part selects, named "?????".

enum { STEEL_GRADE_COUNT = 44, STEEL_USER_BIT = 0x8000, STEEL_TABLE_EN = 1 };

struct SteelGrade {
    int code;
    const char* name;
    double e_modulus; // [N/mm2]
    double g_modulus; // [N/mm2]
    double poisson;
    double alpha_t;   // [1/K]
    double f_y_thin;  // yield strength for t <= t_limit [N/mm2]
    double f_y_thick; // yield strength for t > t_limit [N/mm2]
    double t_limit;   // [mm]
    double t_max;     // [mm], stored only
    double f_u;       // tensile strength [N/mm2]
    double factor;    // stored only
};

// Adds a user grade or replaces the one with the same number; the registry
// keeps its own copy of the name (a null name is stored as "?????"). Returns
// number | 0x8000, 0 for a null g or when memory runs out.
int Steel_Guete_Add(const SteelGrade* g);
// 1 when removed, 0 when there is no such user grade.
int Steel_Guete_Remove(int code);
void Steel_Guete_Clear(void);
int Steel_Guete_User_Count(void);
// User grade at an array index; the European fallback grade outside the array.
const SteelGrade* Steel_Guete_User_Record(int index);
// Table 1: European fallback grade; any other value: DIN fallback grade.
const SteelGrade* Steel_Guete_Fallback(int table);

const SteelGrade* Steel_Guete_Record(int code);
double Steel_Guete_Fy(int code, double t);
double Steel_Guete_Moduli(int code, double* g_out);
const char* Steel_Guete_Name(int code);
// out[0] = out[1] = out[3] = f_y / gamma_m, out[2] = f_y / gamma_m / sqrt(3);
// all four gamma_m itself when gamma_m is 0 or not a number. Returns 1 for a
// user code or a row up to 43, else 0 (0 and nothing written for a null out).
int Steel_Guete_Design_Strengths(int code, double t, double gamma_m, double out[4]);

// Appends the name of each code to a sheet's string list; returns the last
// position whose code equals selected, 0 when none (or codes null, n <= 0).
int Steel_Guete_Fill_List(unsigned list, const int* codes, int n, int selected);
// codes[position], 5 outside 0..n-1.
int Steel_Guete_Code_At(int position, const int* codes, int n);
