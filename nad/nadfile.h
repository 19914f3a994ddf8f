#pragma once
// Annex files ("NAD/Version 1"): the head line with flag row, name and
// German-annex flag, then the sections "#EC0", "#EC2", "#EC3", "#EC5", "#EC6"
// and "#EC9" with the block bodies. Supplied annexes lie in %DATA%\NAD and are
// found by name, the user's annexes in %DRAM%\NADS, numbered 1, 2, 3, ...
// without gaps. Texts are code page 850.
#include <cstdio>

#include "nad/nadlist.h"

// Writes r as an annex file; nothing for a null f or r.
// Every block a file holds (EC0, EC2, EC3, EC5, EC6, EC9) at its recommended
// values. A reader starts each annex from them, so nothing of the previous
// annex leaks into the next one.
void Nad_Default_Blocks(NadRecord* r);
void Nad_Write_File(FILE* f, const NadRecord* r);

// Reads an annex file from the current position. 0 (and r untouched) when it
// does not begin with "NAD/Version" and a number; else the head and every
// section found (a missing section leaves its block as it was) and 1.
int Nad_Read_File(FILE* f, NadRecord* r);

// Loads the user's annex number (number > 0) or the supplied annex name
// (number 0) into r, with its wind and snow value set, and stamps na_de into
// the blocks. 1 when loaded, 0 (r untouched) when the file is missing,
// unreadable or its directory variable is unset. A file holding a value
// outside its range (nad/nadrange.h) is refused as well (r then holds what was
// read): Nad_Load_Fault names the file, the field and the range.
int Nad_Load(int number, const char* name, NadRecord* r);
// Why the last Nad_Load refused a file it could read, German, UTF-8; empty
// when it did not (a missing or unreadable file leaves it empty).
const char* Nad_Load_Fault();

// Writes r to the user's annex file number (replacing it only when the new
// file is complete), or deletes that file when r is null. 1 when done, 0 when
// DRAM is unset, the number is not positive, r holds a value outside its
// range (nad/nadrange.h) or the file could not be written or removed (an
// existing file then stays as it was).
int Nad_Store_User_Nad(int number, const NadRecord* r);

// Writes r as an annex file to path (through Kov_Path) by way of a temporary
// file beside it, so an existing file is replaced only by a complete one and
// keeps its rights.
// 1 when written, 0 on any failure (the old file then stays as it was).
int Nad_Write_File_Replacing(const char* path, const NadRecord* r);

// Creates %DRAM%\NADS when it is missing and then migrates the old single
// definition file NADs-EC2.DEF into the numbered files (once). The folder
// appears only with every annex of the old file written, so a move that could
// not be finished is tried again at the next call. Nothing is printed: a
// problem is kept for Safeguard_Last_Error.
void Safeguard_Proper_Version();
// The problem of the last Safeguard_Proper_Version call: 0 none, 1 no DRAM,
// 2 the folder cannot be made, 3 it is no folder after all, 4 an annex could
// not be written.
int Safeguard_Last_Error();
