#pragma once
// Characteristic values of timber grades (constant tables compiled into the
// program) and the host environment's material table keyed by material id.

#include "materials/matkind.h"

// One row of a grade table; moduli and strengths in N/mm2, density in kg/m3.
struct TimberGrade {
    const char* name;
    int reserved; // 0 in every row, never read
    double E_0_mean;
    double E_90_mean;
    double G_mean;
    double rho_k;
    double f_m_k;
    double f_t_0_k;
    double f_t_90_k;
    double f_c_0_k;
    double f_c_90_k;
    double f_v_k;
};

enum {
    SOFTWOOD_GRADE_COUNT = 12,
    HARDWOOD_GRADE_COUNT_EC = 8,
    HARDWOOD_GRADE_COUNT_DIN = 6,
    GLULAM_GRADE_COUNT_EC = 14,
    GLULAM_GRADE_COUNT_DIN = 8,
    BEECH_LVL_GRADE_COUNT = 2
};

extern const TimberGrade SoftwoodGradesEc[SOFTWOOD_GRADE_COUNT];
extern const TimberGrade SoftwoodGradesDin[SOFTWOOD_GRADE_COUNT];
extern const TimberGrade HardwoodGradesEc[HARDWOOD_GRADE_COUNT_EC];
extern const TimberGrade HardwoodGradesDin[HARDWOOD_GRADE_COUNT_DIN];
extern const TimberGrade GlulamGradesEc[GLULAM_GRADE_COUNT_EC];
extern const TimberGrade GlulamGradesDin[GLULAM_GRADE_COUNT_DIN];
// The DIN glulam grades with the values that apply under the annex rules
// (the value functions read only its f_v_k).
extern const TimberGrade GlulamGradesDinEc[GLULAM_GRADE_COUNT_DIN];
extern const TimberGrade BeechLvlGrades[BEECH_LVL_GRADE_COUNT];

// The grade table that a timber kind indexes under the rules in force
// (DIN 1052 without an active EC5 annex, the annex rules with one): kinds 0
// and 13 the softwood table, 1 hardwood, 2 and 3 glulam, 17 beech LVL.
// Returns the table and its row count, NULL (and count 0) for other kinds.
const TimberGrade* Mat_Grade_Table(MaterialKind kind, int* count);
// The row of a grade within that table, NULL when kind or grade has none.
const TimberGrade* Mat_Grade_Row(MaterialKind kind, int grade);

// One row of the host material table (values as in TimberGrade).
struct HostMaterialRecord {
    int id;
    const char* name; // code page 850
    double E_0_mean;
    double E_90_mean;
    double G_mean;
    double rho_k;
    double f_m_k;
    double f_t_0_k;
    double f_t_90_k;
    double f_c_0_k;
    double f_c_90_k;
    double f_v_k;
};

typedef int MaterialIdGroup;

// Group 0..9 of a host material id, -1 for an id of no group.
MaterialIdGroup Mat_Id_Group(unsigned id);
// Id of row index of a group; -1 for a group outside 0..9.
int Mat_Id_Make(int group, int index);
// Row of an id; the first softwood row (id 1000, "C14") for an id of no group.
const HostMaterialRecord* Mat_Id_Record(unsigned id);
const char* Mat_Id_Name(unsigned id);
int Mat_Id_Zero(void);
// Appends the names of ids[0..count-1] to a sheet's string list; returns the
// last position whose id equals key, 0 when none does.
int Mat_Id_Fill_List(unsigned list, const int* ids, int count, int key);
// Id at a list position, 1001 for a position outside the list.
int Mat_Id_At(int position, const int* ids, int count);
const char* Mat_Group_Name(unsigned group);

// Number of rows of a host group (0 for a group outside 0..9) and the row at
// an index of it (NULL outside).
int Mat_Id_Group_Count(int group);
const HostMaterialRecord* Mat_Id_Group_Row(int group, int index);
