#pragma once
// The programs installed beside this one and the annex rules each of them uses.
//
// Every program directory under the installation directory ("EXEC") may hold a
// description "APP<nnnn>.DEF". Its "#NADS" value says whether the program is
// listed and whether rule masks follow (one per annex group 0..9, a text of
// '0' and '1', position = rule). The annex pages show only the rules the
// selected program uses.

enum { NAD_PROGRAMS_MAX = 300, NAD_RULE_GROUPS = 10 };

struct ProgramEntry {
    char* name; // upper case
    char* service;
    char* masks[NAD_RULE_GROUPS]; // null: the group shows all its rules
    int application_number;
    int has_masks; // 1 when the description carries masks
};

struct ProgramList {
    int count;
    ProgramEntry entries[NAD_PROGRAMS_MAX];
};

// Selection state for the whole run.
extern int NadRulesForProgram;    // 1: rules of the selected program, 0: all rules
extern int NadRulesProgramIndex;  // index of the selected entry
extern int NadCurrentApplication; // -1 before it was determined, 0 for none
extern int NadShowAllRules;       // 1 when no program is selected

// The list (empty before the scan).
const ProgramList* Nad_Program_List();

// Builds the list and selects the current program; once per run (tried again
// at the next call while "EXEC" is unset or holds no directory).
void Nad_Scan_Programs();

// The application number the rules are shown for, 0 for none.
int Nad_Current_Application();

// 1 when rule of group is shown for the selected program.
int Nad_Rule_Visible(unsigned group, int rule);

// 1 when no program is selected or the selected one carries masks.
int Nad_Rule_Masks_Used();

// Forgets the list and the selection (tests).
void Nad_Reset_Programs();
