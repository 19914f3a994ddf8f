#pragma once
// The material record of one reinforced-concrete member: a concrete and two
// reinforcing steels (bending and shear reinforcement), each a table grade or a
// freely defined one, kept both as DIN 1045 (7.88) records and as Eurocode
// records; the design situations with their names, the partial factors gamma_c
// and gamma_s, and the output-list blocks that print them.
//
// Two modes run through the record: DIN mode (0), in which only the five DIN
// concretes and the three DIN steels exist, and Eurocode mode (not 0); mode 1
// names the Eurocode steels "BSt 500 (A)" and "BSt 500 (B)", every other mode
// "B500A" and "B500B".
//
// Invariants:
//  (1) A read that fails leaves the record with the defaults of
//      Member_Material_Init for its mode, never a half-read record.
//  (2) An index outside its range in a file is a failed read; no index read
//      from a file ever reaches a table unchecked.
//  (3) Material_Safety_Factors_Set leaves the annex that was active before it
//      active again (or "Deutschland" when none was).
#include <cstdio>

#include "materials/concrete.h"

// Index of a freely defined grade in the record, and its code in files.
enum {
    MEMBER_CONCRETE_FREE = 20, // concrete_index: 0..4 DIN, 5..19 Eurocode + 5
    MEMBER_STEEL_FREE = 5,     // steel index: 0..2 DIN, 3 and 4 Eurocode A and B
    MEMBER_FREE_CODE = 999
};

struct ConcreteMemberMaterial {
    int concrete_index;
    int bending_steel_index;
    int shear_steel_index;
    DinConcreteGrade din_concrete;
    DinRebarGrade din_bending_steel;
    DinRebarGrade din_shear_steel;
    ConcreteGrade concrete; // in DIN mode the converted DIN grade
    RebarGrade bending_steel;
    RebarGrade shear_steel;
    int reserved[5];
};

// DesignSituation codes.
enum {
    DESIGN_PERSISTENT = 0,
    DESIGN_ACCIDENTAL = 1,
    DESIGN_EARTHQUAKE = 2,
    DESIGN_FATIGUE = 3,
    DESIGN_FIRE = 4,
    DESIGN_SITUATION_COUNT = 5
};

// Indexed by the design situation.
struct MaterialSafetyFactors {
    double gamma_c[DESIGN_SITUATION_COUNT];
    double gamma_s[DESIGN_SITUATION_COUNT];
};

struct ConcreteDesignSettings {
    int factor_mode;
    char annex_name[100];
    MaterialSafetyFactors factors;
};
extern ConcreteDesignSettings ConcreteDesign;
extern int ConcreteDesignIsSet;

#define SAFETY_FACTORS_VERSION 1.0

int Member_Material_Init(ConcreteMemberMaterial* m, int mode);
// The indices and the six grade records; the reserved words are not copied.
void Member_Material_Copy(ConcreteMemberMaterial* dst, const ConcreteMemberMaterial* src);
// Into the open versioned data file: 0 ok, 1 on a failed write.
int Member_Material_Write(const ConcreteMemberMaterial* m, int ec_mode);
// From the open versioned data file: 0 ok, 1 on a failed read (see (1), (2)).
int Member_Material_Read(ConcreteMemberMaterial* m, int mode);

// The DIN concrete index for a concrete_index; with a context text the change
// is reported to the message collector.
int Concrete_Grade_To_Din(int index, const char* context);
int Rebar_Grade_To_Din(int index, const char* context);

// Names of a design situation in code page 850 ("???" outside 0..4), in a
// static buffer of each function, valid until its next call.
const char* Design_Situation_Name(int situation);
const char* Design_Situation_Short_Name(int situation);

// Mode 0: all 1.0 (returns 0); mode 1: fixed values (returns 1); any other mode:
// the EC2 factors of the German annex (returns the result of activating the
// annex that was active before).
int Material_Safety_Factors_Set(int mode, int unused, MaterialSafetyFactors* f);
void Material_Safety_Factors_Copy(MaterialSafetyFactors* dst, const MaterialSafetyFactors* src);
// Structure version 1 and the factors of situations 0..3 (fire is not stored).
int Material_Safety_Factors_Write(const MaterialSafetyFactors* f);
int Material_Safety_Factors_Read(MaterialSafetyFactors* f);
// Mode 2 from the annex "Deutschland" into ConcreteDesign; marks it as set.
void Concrete_Design_Defaults_Set(void);

// ---- output list -------------------------------------------------------------

// Heading and table "Materialsicherheitsbeiwerte" of the situations shown
// (all for a NULL shown); factors that differ from those of ref_mode are marked.
void Material_Safety_Factors_Oli_Table(FILE* f, int level, const MaterialSafetyFactors* factors, int ref_mode,
                                       int unused, const int* shown);
void Concrete_Grade_Oli_Table(FILE* f, ConcreteGrade g);
// use 1: bending reinforcement, 2: shear reinforcement, else no prefix.
void Rebar_Grade_Oli_Table(FILE* f, RebarGrade g, int use);
// Concrete and steel side by side, then the factor line; the margins stay at
// 9 cm for the caller to reset.
void Concrete_Materials_Oli_Long(FILE* f, ConcreteGrade c, RebarGrade s, double gamma_c, double gamma_s);
void Concrete_Materials_Oli_Short(FILE* f, ConcreteGrade c, RebarGrade s, double gamma_c, double gamma_s);
void Member_Material_Oli_Page(FILE* f, ConcreteMemberMaterial m, int ec_mode, const char* title);
