#pragma once
// The national annexes known to the program and the one active annex.
//
// The list holds two built-in annexes ("EC-Standardparameter", the EC
// recommended values, and "Deutschland", the German annex) followed by the
// user's own annexes, the numbered files "%DRAM%\NADS\<n>.NAD". Exactly one
// annex is active: a static record whose blocks never move, so pointers to its
// blocks (ActiveNadEc5, ActiveNadEc3, ActiveNadEc9) stay valid across
// activations. Every getter activates "Deutschland" on its first use.
//
// Everything here belongs to the program's one GUI thread.
#include "nad/nadec0.h"
#include "nad/nadec1.h"
#include "nad/nadec2.h"
#include "nad/nadec3.h"
#include "nad/nadec5.h"
#include "nad/nadec69.h"

enum {
    NAD_NAME_SIZE = 28,     // record name: at most 27 bytes and the terminator
    NAD_LIST_MAX = 300,     // list entries: 2 built-in and up to 298 user annexes
    NAD_LIST_SLOTS = 304,   // room of the flag and number arrays
    NAD_FLAG_STANDARD = 19, // row of the EC recommended values in the flag strip
    NAD_FLAG_GERMANY = 18
};

// One whole annex in memory.
struct NadRecord {
    int flag_index;           // flag row; -1 in the active record before its first reset
    int user_defined;         // 1 when loaded from the user's directory (not stored)
    int na_de;                // German-annex rules flag, stamped into the blocks on loading
    char name[NAD_NAME_SIZE]; // code page 850; "EC-Standard" after a reset
    NadEc0Record ec0;
    NadEc1Tables ec1;
    NadEc2Record ec2;
    NadEc3Record ec3;
    NadEc5Record ec5;
    NadEc6Record ec6;
    NadEc9Record ec9;
};

// The annex list. Names are heap copies (code page 850) from the counted
// allocator of "base/kovmem.h"; whoever replaces one releases it with
// Mem_Free_Null.
struct NadListData {
    int count; // 0 before the first build, else at least 2
    char* names[NAD_LIST_MAX];
    int flag_index[NAD_LIST_SLOTS];
    int user_number[NAD_LIST_SLOTS]; // n of the file n.NAD; 0 for the built-in entries
};
extern NadListData NadList;

// Name of the active annex: a heap copy as the list names, null before first
// use. Other code may replace it (release the old one with Mem_Free_Null).
extern char* NadActiveName;
// Flag row of the list entry found by the last activation; -1 before.
extern int NadActiveFlagIndex;

// Rebuilds the list: migrates the old single annex file once, keeps the two
// built-in entries, reads the user's annex files 1.NAD, 2.NAD, ... up to the
// first missing number (at most NAD_LIST_MAX entries in all). Sets the active
// name to "Deutschland" when none is set.
void Nad_Build_List();

// Activates NadActiveName: a name that is not listed becomes "Deutschland".
// Resets every block to its recommended values, then loads the annex file.
// 1 when the file was read, 0 when the record keeps the recommended values
// (a warning then tells the user which file could not be read).
int Nad_Activate();
// The annex file ("Deutschland.NAD", "3.NAD") that the last activation could
// not read or use, so that the blocks hold the EC recommended values instead
// of the active annex's; "" when the file was read. Its warning is given once
// for consecutive activations of the same file.
const char* Nad_Unused_File();

const char* Nad_Get_Active_Name();
// The active name, for user annexes followed by " (benutzerdefiniert)"
// (static buffer, overwritten by the next call).
const char* Nad_Get_Display_Name();
int Nad_Get_Flag_Index();

// The active annex as a whole and its blocks; never null.
NadRecord* Nad_Active_Record();
NadEc0Record* Nad_Get_Ec0();
NadEc1Tables* Nad_Get_Ec1();
NadEc2Record* Nad_Get_Ec2();
NadEc3Record* Nad_Get_Ec3();
NadEc5Record* Nad_Get_Ec5();
NadEc6Record* Nad_Get_Ec6();
NadEc9Record* Nad_Get_Ec9();
int Nad_Get_Na_De();

// Loads the supplied wind and snow value set "DIN 1055-(4+5)" into the active
// record (no activation). 1 when such a set was found, else 0.
int Nad_Load_Din1055_Ec1();

// Writes the whole active record as an annex file named stem + "_EC2.NAD"
// (complete or not at all). 1 when written, 0 on any failure.
int Nad_Write_Active_File(const char* stem);

// Fills r with the EC2 block of the supplied annex "Deutschland" (recommended
// values first). Returns r; nothing for a null r.
NadEc2Record* Nad_Default_Ec2_De(NadEc2Record* r);

// Back to the state at program start: list, active name, active record, the
// private German record and the three published pointers (tests).
void Nad_Reset_Annex_State();
