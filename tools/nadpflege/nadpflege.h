#pragma once
// The annex editor "NAD-Pflege": the user's own national annexes seen and
// changed on one property sheet, and the instructions by which a host's
// scripts add or remove a user annex without the sheet.
//
// The user's annexes are the numbered files %DRAM%\NADS\1.NAD, 2.NAD, ...
// without gaps (the annex list stops at the first missing number). Names are
// code page 850 and are the keys by which position files name their annex, so
// an annex keeps its name: a new annex gets a name no listed annex has.
//
// The editor works on a record of its own, loaded from the chosen annex's
// file; the active annex of the program that runs it is never touched, and
// the annex list's active name is the one it found when it returns.
//
// GUI thread only.
#include <cstdio>
#include <string>

#include "nad/nadlist.h"

// Results, the tool's exit codes.
enum {
    NAD_PFLEGE_CHANGED = 0,   // an annex was stored, added or removed
    NAD_PFLEGE_UNCHANGED = 1, // nothing was written
    NAD_PFLEGE_FAILED = 2     // a usage error, or a change could not be made
};

// Why a text cannot name a new annex.
enum {
    NAD_PFLEGE_NAME_OK = 0,
    NAD_PFLEGE_NAME_EMPTY,    // nothing but blanks
    NAD_PFLEGE_NAME_TOO_LONG, // more than 27 bytes
    NAD_PFLEGE_NAME_TAKEN,    // a listed annex has it (or it stands for one)
    NAD_PFLEGE_NAME_BAD_BYTE  // a control byte or a name delimiter of the files
};

// The name as it would be stored: blanks at both ends taken off, into out
// (NAD_NAME_SIZE bytes). Returns one of the codes above; out holds the
// trimmed text whatever the result (cut to fit).
int Nad_Pflege_Check_Name(const char* name, char* out);

// The number of user annexes: files 1.NAD, 2.NAD, ... up to the first missing.
int Nad_Pflege_User_Count();

// Loads list entry i (0 and 1 the supplied annexes) into r, every block at its
// recommended values first. 1 when its file was read, else 0 (r then holds
// the recommended values and the entry's name).
int Nad_Pflege_Load_Entry(int i, NadRecord* r);

// Stores r as the next user annex under the name (checked as above). The
// number it got, or 0 when it was refused or could not be written.
int Nad_Pflege_Add(const NadRecord* r, const char* name);

// Removes user annex number; the later annexes move down one number. Each
// later file first takes the place of the one before it and only then is the
// last removed, so a failure half-way leaves every annex in a file (one of
// them twice) and none is lost. 1 when done, 0 otherwise.
int Nad_Pflege_Remove(int number);

// The usage of the program, German (UTF-8, for a terminal).
extern const char* const NadPflegeUsage;
// Checks the command line: --help (or -h) prints the usage to out and gives
// NAD_PFLEGE_CHANGED (0); anything but one argument, or DRAM unset, prints the
// usage or the reason to err and gives NAD_PFLEGE_FAILED; -1 when the run goes on.
int Nad_Pflege_Arguments(int argc, char** argv, FILE* out, FILE* err);
// What the program says when its window has no display to open on.
void Nad_Pflege_Needs_Display(FILE* err);

// The partial factor of solid timber and glulam that a host script gives: 1
// with *out set for a number inside the range of a material's partial factor
// (nad/nadrange.h), 0 for a null or empty text, -1 for anything else (no
// number, a non-finite or an out-of-range value) with the German reason in
// *why (either pointer may be null).
int Nad_Pflege_Gamma_M(const char* text, double* out, std::string* why);

// The instructions of a host script: remove is the number of the user annex
// to remove, add the name of a new annex (a copy of the annex named active,
// "Deutschland" when that is not listed) and gamma_m its partial factor of
// solid timber and glulam (checked as above before anything is changed: a
// refused value fails the whole run and nothing is written). Any text may be
// null or empty. A removal runs before an addition. Problems go to standard
// error in German.
int Nad_Pflege_Instructions(const char* active, const char* remove, const char* add, const char* gamma_m);

// Runs the editor sheet with the annex named active chosen ("Deutschland"
// when that name is not listed). Returns one of the results above. With no input left (a batch run, an empty test
// queue) the sheet closes as on its break key; questions then answer no.
int Nad_Pflege_Sheet(const char* active);

// The ids with which the sheet's elements end its wait (a script finds them
// with Kov_Ui_Sheet_Rect): the list, the buttons, and the registers of the
// pages "EC 0", "EC 2", "EC 3", "EC 5", "EC 6", "EC 9" from
// NAD_PFLEGE_PAGE_EC0 on. The name sheet of "Neu" confirms with 200 and
// cancels with 100.
enum {
    NAD_PFLEGE_LIST = 3001,
    NAD_PFLEGE_NEW = 3101,
    NAD_PFLEGE_REMOVE = 3102,
    NAD_PFLEGE_SAVE = 3103,
    NAD_PFLEGE_OPTIONS = 3104,
    NAD_PFLEGE_HELP = 3105,
    NAD_PFLEGE_CLOSE = 3106,
    NAD_PFLEGE_PAGE_EC0 = 1000,
    NAD_PFLEGE_PAGE_EC5 = 1003
};

// While the sheet runs: the record its pages edit (tests); null otherwise.
NadRecord* Nad_Pflege_Edited_Record();
// Forgets where the user moved the sheet (tests).
void Nad_Pflege_Reset();
