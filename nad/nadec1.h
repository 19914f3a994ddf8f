#pragma once
// Wind and snow tables of a national annex (EN 1991-1-3, EN 1991-1-4).
//
// The tables are not part of an annex file. Their shapes come from the
// installation's definitions file "WUSL-Tabs.def"; their values from value
// sets named after the annex: "WUSL-Tabs.val" beside the definitions for the
// supplied annexes and the recommended values ("EC-Standardparameter"), and
// "WUSL-NADs.def" in the user's data directory for the user's annexes.
#include <cstdio>

enum { NAD_EC1_TABLES = 10 };

struct Ec1Table {
    char* title;      // first text line of the definition
    char* subtitle;   // second text line
    char* value_note; // text stored with the values of the current set, null before
    char* tag;        // word after columns and rows in the definition
    int columns;
    int rows;
    int has_values; // 1 when the table holds the values of a set
    int x, y, layout_1, layout_2;
    int width, height, layout_3, layout_4; // width and height relative to x and y
    double* values;                        // rows x columns, row by row
};

struct NadEc1Tables {
    int set_number; // number behind the set's name; after loading 1 (EC) or 2 (NA-DE)
    int data_a;     // the two ints of the "~DATA" line
    int data_b;
    int table_flags[10];
    Ec1Table* tables[10]; // slot i: table i + 1 of the definitions, null when undefined
};

// Reads "%DATA%\NAD\WUSL-Tabs.def" and builds the tables. Returns the number
// of tables built completely; 0 and the record untouched when the file cannot
// be opened.
int Nad_Read_Ec1_Definitions(NadEc1Tables* t);

// data_a = data_b = 2, then the set "EC-Standardparameter" of the supplied values.
void Nad_Default_Ec1(NadEc1Tables* t);

// The annex's set name: from the user's file when user_number is non-zero,
// else from the supplied values.
void Nad_Load_Ec1(int user_number, const char* name, NadEc1Tables* t);

// Reads every set of the file whose name line begins with name, in file order.
void Nad_Find_Ec1_Set(const char* path, const char* name, NadEc1Tables* t);

// One set body from the stream, up to and including the next "#NAD" line.
void Nad_Read_Ec1_Tables(FILE* f, NadEc1Tables* t);

// One set body.
void Nad_Write_Ec1_Tables(FILE* f, const NadEc1Tables* t);

// Stores the set under name in the user's file, appended or as its only set:
// 1 when the file holds it, 0 when "DRAM" is unset or the file could not be
// written completely (then the file stays as it was).
[[nodiscard]] int Nad_Store_Ec1_User_Set(int append, const char* name, const NadEc1Tables* t);

// The variant of the German annex (na_de non-zero: set 2 without table 9) or
// of the recommended rules (set 1 without table 8).
void Nad_Set_Ec1_Na_De(NadEc1Tables* t, int na_de);

// 1 when the records differ, else 0.
int Nad_Differs_Ec1(const NadEc1Tables* a, const NadEc1Tables* b);

// Copies the values of tables of the same shape, the flags and the "~DATA" ints.
void Nad_Copy_Ec1(NadEc1Tables* dst, const NadEc1Tables* src);

// Releases every table and empties the slots.
void Nad_Free_Ec1_Tables(NadEc1Tables* t);

int Nad_Ec1_Zero();
