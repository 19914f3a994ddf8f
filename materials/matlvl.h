#pragma once
// LVL wall studs ("Steico Wall") and I-joists ("Steico Joist"): product
// values, section tables, k_mod of web and flanges, the section formulas and
// the choice lists of the section names.
#include "base/choiceentry.h"

struct LvlSection {
    char name[256];
    int index;             // position in the table, 0 based
    double b;              // flange width [mm]
    double h;              // total height [mm]
    double c3, c4, c5, c6; // catalogue values, stored only
    double h_f;            // flange height [mm]
    double h_w;            // web height h - 2 h_f [mm]
    double z;              // half the distance of the flange centres, whole mm
    double i_y;            // second moment of area [cm4]
    double e_ef;           // effective modulus of the section (x scale)
    double c12, c13;       // catalogue values, stored only
};

struct LvlProduct {
    char name[256];
    int count;         // number of sections
    int scale;         // scale the tables were built with
    double values[15]; // [3], [4], [11], [12] are moduli x scale; [5] flange
                       // density, [6] web thickness, [13] web density
    LvlSection* sections;
};

enum { LVL_WALL_SECTIONS = 8, LVL_JOIST_SECTIONS = 18 };

// The two product records (sections NULL until built).
LvlProduct* Lvl_Wall_Product(void);
LvlProduct* Lvl_Joist_Product(void);

LvlSection* Lvl_Wall_Build(int scale);
LvlSection* Lvl_Joist_Build(int scale);
void Lvl_Wall_Ensure(int scale);
void Lvl_Joist_Ensure(int scale);

// k_mod by service class (1, 2) and load-duration step (0..7); 0 otherwise.
double Lvl_Web_Kmod(int service_class, unsigned step);
double Lvl_Flange_Kmod(int service_class, unsigned step);
double Lvl_Flange_Kmod_2(int service_class, unsigned step);

// Section formulas; a null product or a section outside the table gives 0
// (outputs written with 0), Lvl_Find_Section -1.
void Lvl_Bearing_Areas(const LvlProduct* p, int section, double l1, double l2, double* a1, double* a2, double* a3);
double Lvl_Flange_Area(const LvlProduct* p, int section);
double Lvl_Mass_Per_Length(const LvlProduct* p, int section);
int Lvl_Find_Section(const LvlProduct* p, double h, double b);

// The choice list of the wall's (8) or the joist's (18) section names: builds
// the tables with the scale 1000 when they are not built, copies the names
// into the entries on the first call, gives every entry the colour on every
// call; *flags_out = 13, *count_out = the number of entries (each output may
// be NULL). The list is static and lives to the end of the run.
ChoiceEntry* Lvl_Wall_Choice_List(int* flags_out, int* count_out, int colour);
ChoiceEntry* Lvl_Joist_Choice_List(int* flags_out, int* count_out, int colour);
