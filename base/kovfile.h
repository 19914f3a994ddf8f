#pragma once
// Files of the current position, named relative to one base file name (a path
// without extension to which each caller appends its own suffix such as ".bak"),
// temporary files in the host's "TEMP" directory, and readers that take a line
// or a run of numbers from a text file.
//
// A composed path (base name + suffix) of 261 characters or more is refused.
// Every name goes through Kov_Path before the file system sees it.
// All state is static and meant for the program's one thread.
#include <cstdio>

enum {
    BASE_PATH_MAX = 260, // longest base name and composed path
    TEMP_FILE_SLOTS = 5,
    TEMP_NAME_SIZE = 261 // room for a temporary file name
};

// A temporary file opened by Temp_File_Open.
struct TempFileSlot {
    FILE* file;                // NULL while the slot is free
    char name[TEMP_NAME_SIZE]; // full path of the file
};

// ---- the base file --------------------------------------------------------------

// Stores path (cut to 260 characters; NULL: empty) as the base name. Its directory
// is the part before the last separator ('\' or '/'), else up to and with the last
// ':', else the current working directory. Returns the stored name.
const char* Base_Set_File(const char* path);
const char* Base_Get_File();
const char* Base_Get_Dir();

// base name + suffix (NULL suffix: none) into dst, at most size - 1 characters;
// returns dst, NULL when it had to cut (dst then holds the cut text) or dst is NULL.
char* Base_Make_Path(char* dst, const char* suffix, unsigned size);
// base name + suffix in a static buffer (overwritten by the next call); NULL when
// the path would reach 261 characters.
const char* Base_Path(const char* suffix);
// fopen of base + suffix; NULL when the path is too long or the file cannot be opened.
FILE* Base_Fopen(const char* suffix, const char* mode);
// 1 when base + suffix exists, else 0.
int Base_Exists(const char* suffix);
// 0 when base + suffix was removed, 1 when not.
int Base_Remove(const char* suffix);
// Copies base + from_suffix to base + to_suffix (KOVCopyFile with flag as its
// fail-if-exists); 1 when copied, else 0.
int Base_Copy(const char* from_suffix, const char* to_suffix, int flag);
// Renames base + from_suffix to base + to_suffix; 1 when done, else 0.
int Base_Rename(const char* from_suffix, const char* to_suffix);
// Removes every file matching base + pattern_suffix ('*' and '?' in the name part,
// without regard to case); the number removed, -1 when the path is too long.
int Base_Remove_Matching(const char* pattern_suffix);

// ---- temporary files ----------------------------------------------------------------

// Creates a new empty file "KOV..." in the host's "TEMP" directory and writes its
// name into dst (room for 261 bytes); the file stays until it is removed. Returns
// dst; NULL for a NULL dst or when no file can be created.
char* Temp_File_Name(char* dst);
// Opens a new temporary file in the first free of five slots; NULL when all are in
// use or the file cannot be created.
FILE* Temp_File_Open(const char* mode);
// Closes a stream of Temp_File_Open, frees its slot and removes the file; 1 when it
// closed without error, 0 on a close error and for a stream of no slot (not closed).
int Temp_File_Close(FILE* f);

// ---- number readers ----------------------------------------------------------------------

// Reads one line (the first 199 characters count; a longer line is consumed to its
// end) and takes up to n numbers from it, stopping at the first text that is no
// number; the rest of v is 0. Returns 1; 0 at the end of the file or for a NULL
// stream (all n values 0).
int Read_Line_Doubles(FILE* f, double* v, int n);
// The same with "%i" (decimal, "0x" hexadecimal, leading 0 octal).
int Read_Line_Ints(FILE* f, int* v, int n);
// Up to n values across lines; after the first failure the rest of v is 0.
// Returns the count read; 0 for a NULL stream or array or n <= 0.
int Read_Doubles(FILE* f, double* v, int n);
int Read_Ints(FILE* f, int* v, int n);

// Back to the state at start (base name empty; open temporary files closed and
// removed); for tests.
void Kovfile_Reset();
