#pragma once
// Small tools of the procedural libraries: angles, flag bits, minimum and maximum
// search, string editing, the byte escapes of blanks and line breaks inside words,
// substrings in a ring of eight buffers, words, German number words, version
// suffixes, a pattern replacement over a text file, the sibling-program test and
// the stack of idle callbacks of the property-sheet library.
//
// All state is static and meant for the program's one thread.

// ---- angles, bits, extremes ---------------------------------------------------

// The angle in [0, 360).
double Angle_Normalize_360(double degrees);
// The angle in [-180, 180).
double Angle_Normalize_180(double degrees);

// 1 when bit (bit mod 32) of word is set, else 0.
int Bit_Test(int word, unsigned bit);
// Sets resp. clears bit (bit mod 32) of *word; return 1.
int Bit_Set(int* word, unsigned bit);
int Bit_Clear(int* word, unsigned bit);
// Sets the bit when set != 0, else clears it; returns 1.
int Bit_Set_Or_Clear(int set, int* word, unsigned bit);

// For n > 0: the index of the smallest value into *imin and of the largest into
// *imax (each only when its pointer is not NULL; first occurrence wins). A pointer
// stays unwritten when no value lies below 1e200 (resp. above -1e200).
void Index_Of_Min_Max(int n, const double* v, int* imin, int* imax);
// *index = 0, then the smallest value below 1e31 and its index; 1e31 when n <= 0.
double Min_Value_Index(const double* v, int n, int* index);
// *index = 0, then the largest value above -1e31 and its index; -1e31 when n <= 0.
double Max_Value_Index(const double* v, int n, int* index);

// End ordinates of a linear load over length whose resultant acts at position
// from the start; both 0 when |length| < 1e-5. Returns start.
double* Trapezoid_Ordinates(double* start, double* end, double resultant, double position, double length);

// ---- string editing -------------------------------------------------------------

// Removes trailing blanks in place; returns how many were removed.
int Str_Trim_Trailing_Blanks(char* s);
// From the end: passes over zero bytes and line feeds, cuts every blank it meets,
// stops at the first other character and returns its index (-1 when none).
int Str_Trim_Line_End(char* s);

// Byte escapes of words in files: blank <-> 254, line feed <-> 253,
// carriage return <-> 252. In place; both return the length.
int Str_Decode_Blank_Bytes(char* s);
int Str_Encode_Blank_Bytes(char* s);

// Every run of white space becomes one blank, in place; returns s (NULL for NULL).
char* Str_Collapse_Space(char* s);
// The same into a new block (malloc); NULL for NULL or when memory runs out.
char* Str_Collapse_Space_Copy(const char* s);
// Replaces every occurrence of ch[0] by text into a new block (malloc); *count =
// number of occurrences (when count is not NULL). Returns s itself when the
// character does not occur, NULL for a NULL s or when memory runs out.
char* Str_Replace_Char(const char* s, const char* ch, const char* text, int* count);
// Fills s with blanks up to length n and ends it there (a longer s is cut to n).
// s must hold n + 1 bytes. Returns s.
char* Str_Pad_Blanks(char* s, int n);
// Index of the first occurrence of pattern at or after position from; -1 when
// there is none; 0 when from exceeds the length of s.
int Str_Find_From(int from, const char* s, const char* pattern);

// Substrings in a ring of eight buffers: a result stays valid until eight further
// calls of these three; the caller never frees it.
char* Str_Left(const char* s, unsigned n);
char* Str_Right(const char* s, unsigned n);
// NULL when from >= length of s.
char* Str_Mid(const char* s, unsigned from, unsigned n);
// Frees a ring text whose last use allocated it (its slot allocates anew);
// anything else is ignored.
void Str_Ring_Release(const void* p);

// ---- words ----------------------------------------------------------------------

// Number of maximal runs of non-white-space characters.
int Str_Count_Words(const char* s);
// Splits s at white space into new words (malloc) in a new array (malloc);
// returns 1 with *count and *words, 0 (and 0 / NULL) when s holds no word or
// memory runs out. Release each word and the array with free.
int Str_Split_Words(const char* s, int* count, char*** words);

// The German word of 0..9 ("keiner", "einer", "zwei", ...; code page 850), any
// other n in digits; in a static buffer.
const char* Number_Word(unsigned n);

// ---- version suffixes -------------------------------------------------------------

// The version behind the last blank of text (the first and the last character are
// not examined), read as number, separator, number, separator, suffix of at most
// four characters. Defaults 0, 0 and "???". Each output is written only when its
// pointer is not NULL; suffix must hold 5 bytes and is always terminated.
void Version_Suffix_Parse(const char* text, int* first, int* second, char* suffix);
// 1 when a is the newer version, -1 when b is (second numbers first, then the first
// numbers), else the text comparison of the suffixes.
int Version_Suffix_Compare(const char* a, const char* b);

// ---- files ----------------------------------------------------------------------------

// Replaces every occurrence of pattern in the text file by replacement (the search
// goes on behind the inserted text). The copy is written beside the file and
// replaces it only when complete; it keeps the permissions of the file, and a
// link keeps naming the replaced file. Returns the number of replacements; 0 when the
// file cannot be opened or the copy cannot be written (the file is then unchanged).
int Text_File_Replace(const char* path, const char* pattern, const char* replacement);

// 1 when the sibling program "Q8-VUNT\V.exe" exists under "EXEC" (tested once).
int Sibling_Tool_Present();

// ---- idle callbacks ----------------------------------------------------------------------

// The callback the property-sheet library calls from time to time.
typedef void (*IdleCallback)(void);

// Pushes the callback and installs it.
void Idle_Push(IdleCallback callback);
// Drops the top and installs the new top (none when the stack is then empty).
void Idle_Pop();
// Installs no callback; the stack stays.
void Idle_Suspend();
// Installs the top again (none when empty).
void Idle_Resume();
// Empties the stack and installs no callback.
void Idle_Clear();
// Number of callbacks on the stack.
int Idle_Count();
// The callback installed now (NULL: none).
IdleCallback Idle_Installed();

// Back to the state at start (ring emptied, idle stack cleared, sibling test
// forgotten); for tests.
void Ttool_Reset();
