#pragma once
// The fastener catalogue: the nail, staple, screw and connector products that a
// timber connection can use, read from plain-text product data files in the
// private data directory of the current object (CurOb_Privat_Datapath), and the
// built-in dowel and bolt diameters. Each table is loaded at most once by its
// reader; the accessors never load anything and answer 0 for a type, product or
// length that the tables do not hold.
//
// File format: '#' starts a comment line; the first data line holds the format
// number, the second the product count (at most FASTCAT_MAX_PRODUCTS), then one
// data line per product (staples: two). A line holds at most
// FASTCAT_MAX_LINE characters and a product at most FASTCAT_MAX_LENGTHS
// lengths; numbers are written with a decimal point. A file that breaks a limit,
// ends early or holds a word that is not a number is not loaded: its reader
// returns 0 and the table keeps the products read completely before the fault.

#include "base/choiceentry.h"

enum {
    FASTCAT_MAX_PRODUCTS = 30,
    FASTCAT_MAX_LENGTHS = 30,
    FASTCAT_MAX_LINE = 499,
    FASTCAT_DOWEL_COUNT = 7,
    FASTCAT_BOLT_COUNT = 8
};

// One nail, staple or screw product; lengths in mm.
struct FastenerProduct {
    double d;       // nominal diameter
    double d1;      // inner diameter of the thread
    double dk;      // head diameter (staples: crown width)
    double ds;      // shank diameter
    double fak_lef; // l_ef = fak_lef x l
    double k;       // product value k (head height)
    double xLE100;  // l_ef deduction for l < 100
    double xLE200;  // l_ef deduction for 100 <= l < 200
    double xGT200;  // l_ef deduction for l >= 200
    int n_l;        // number of lengths
    double l[FASTCAT_MAX_LENGTHS];
    double l_ef[FASTCAT_MAX_LENGTHS];
};

// One ring or plate connector product; lengths in mm.
struct ConnectorProduct {
    double dc, hc, he, t, r, t1, a1, a2;
    double d1, d2, d3, d4, d5;
    double h1, h2, h3;
    double db_min, db_max;
    double F;
    int int_col_2;
    int int_col_1;
};

struct FastenerCatalogueTable {
    int format;
    int count;
    FastenerProduct products[FASTCAT_MAX_PRODUCTS];
};

struct ConnectorCatalogueTable {
    int format;
    int count;
    ConnectorProduct products[FASTCAT_MAX_PRODUCTS];
};

// Readers: 1 when the table is loaded (now or before), 0 otherwise; a table
// that could not be loaded is tried again by the next call.
int Catalogue_Read_Nagel(void);
int Catalogue_Read_Klammer(void);
int Catalogue_Read_Schraube(void);
int Catalogue_Read_Assy_Vg_Z(void);
int Catalogue_Read_Assy_Vg_S(void);
int Catalogue_Read_Spax_S_Vg(void);
int Catalogue_Read_Spax_S_Tg(void);
int Catalogue_Read_Spax_T_Tg(void);
int Catalogue_Read_Sondernagel(void);
int Catalogue_Read_Simpson_Cna(void);
int Catalogue_Read_Simpson_Csa(void);
int Catalogue_Read_Ringduebel_A1(void);
int Catalogue_Read_Schduebel_C1(void);
int Catalogue_Read_Schduebel_C5(void);
int Catalogue_Read_Schduebel_C10(void);
int Catalogue_Read_Schduebel_B1(void);
int Catalogue_Read_Schduebel_C2(void);
int Catalogue_Read_Schduebel_C11(void);
// Sets the built-in dowel (6 ... 24 mm) and bolt (6 ... 30 mm) diameters; 1.
int Catalogue_Init_Dowel_Bolt(void);

// Accessors by FastenerType. Nails, staples, screws (all nine classes share
// one table), the screw products and special nails (all eighteen classes share
// one table) are served by the product accessors; the connectors 25..28 and
// 31..33 by their count, diameter and Connector_Value_By_Key; dowels (29) and
// bolts (30) by the built-in diameters. The Simpson tables (45, 46) are loaded
// by their readers but served by no accessor.
int Fastener_Product_Count(int type);
int Fastener_Length_Count(int type, int product);
double Fastener_Diameter(int type, int product);
// Index of the last product (dowels, bolts: diameter) within 0.001 mm of d;
// 0 when none is, so no match and index 0 look alike.
int Fastener_Find_Diameter(int type, double d);
// Index of the last length of the product within 0.01 mm of l; 0 when none is.
int Fastener_Find_Length(int type, int product, double l);
double Fastener_Length(int type, int product, int i);
double Fastener_Length_Value(int type, int product, int i);
// "d", "d1", "dk", "ds", "fak_lef", "k", "xLE100", "xLE200", "xGT200", "n_l"
// (case-sensitive); 0.0 for another key.
double Fastener_Value_By_Key(int type, int product, const char* key);
// "t", "dc", "a1", "a2", "d1".."d5", "h1", "h2", "h3", "hc", "he", "r", "t1",
// "db_max", "db_min", "F"; 0.0 for another key or a type without connectors.
double Connector_Value_By_Key(int type, int product, const char* key);

// Choice lists in the shared pools of the material names: the product's
// lengths ("%3.0lf mm") and the type's diameters ("%6.2lf mm"), each entry in
// colour; *count gets the number of entries. The two diameter lists use two
// independent pools.
ChoiceEntry* Fastener_Length_Choice_List(int type, int product, int colour, int* count);
ChoiceEntry* Fastener_Diameter_Choice_List(int type, int colour, int* count);
ChoiceEntry* Fastener_Diameter_Choice_List_2(int type, int colour, int* count);

// The table a type reads from (45 and 46 included), NULL for a type without
// one; for the tests and the product checks.
const FastenerCatalogueTable* Fastener_Catalogue_Table(int type);
const ConnectorCatalogueTable* Connector_Catalogue_Table(int type);
// Empties every table, clears every loaded flag and the built-in diameters.
void Catalogue_Reset(void);
