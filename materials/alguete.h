#pragma once
// Wrought aluminium alloys for aluminium plates in timber connections: the
// built-in grades after EN 1999-1-1 (sheet and plate, extrusions and drawn
// tubes, forgings) and the user grades that dialogs add at run time.
//
// A grade is named by an id: without the bit 0x8000 the low 16 bits are the row
// of the built-in table (0..96); with it the low 15 bits are the number of a
// user grade. Undefined ids give the fallback grade "?????".

enum { ALU_GRADE_COUNT = 97, ALU_USER_BIT = 0x8000 };

struct AluGrade {
    int id;
    const char* name; // code page 850; the sign <= is the byte 0xF3
    const char* alloy;
    const char* temper;
    double t_min; // thickness range [mm]
    double t_max;
    double e_modulus; // [N/mm2]
    double g_modulus; // [N/mm2]
    double poisson;
    double alpha_t;    // [1/K]
    double f_o;        // 0.2 % proof strength [N/mm2]
    double f_u;        // ultimate tensile strength [N/mm2]
    double elongation; // minimum elongation A [%]
    double f_o_haz;    // heat-affected zone [N/mm2]
    double f_u_haz;
    double rho_o_haz;
    double rho_u_haz;
    const char* buckling_class; // "A" or "B"
    int reserved;
    double n_p;
};

// Adds a user grade, or replaces the one with the same number; the registry
// keeps its own copies of the four texts (a null text is stored as "?????").
// Returns number | 0x8000, 0 for a null g or when memory runs out.
int Alu_Guete_Add(const AluGrade* g);
// 1 when the user grade was removed, 0 when there is none with this id.
int Alu_Guete_Remove(unsigned id);
// Removes every user grade (the array stays allocated).
void Alu_Guete_Clear(void);
int Alu_Guete_User_Count(void);
// User grade at an array index; the fallback grade outside 0..count-1.
const AluGrade* Alu_Guete_User_Record(int index);
const AluGrade* Alu_Guete_Fallback(void);

const AluGrade* Alu_Guete_Record(unsigned id);
double Alu_Guete_T_Min(unsigned id);
double Alu_Guete_T_Max(unsigned id);
double Alu_Guete_Fo(unsigned id);
double Alu_Guete_Fu(unsigned id);
const char* Alu_Guete_Name(unsigned id);
const char* Alu_Guete_Alloy(unsigned id);
const char* Alu_Guete_Temper(unsigned id);

// Appends the alloy text of each id to a sheet's string list; returns the last
// position whose id equals selected, 0 when none does (or ids is null, n <= 0).
int Alu_Guete_Fill_List(unsigned list, const int* ids, int n, int selected);
// ids[position], 0 outside 0..n-1.
int Alu_Guete_Id_At(int position, const int* ids, int n);
