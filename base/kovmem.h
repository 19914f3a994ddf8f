#pragma once
// Memory, console and file output, run-time timers.
//
// Two allocation families:
//  - the counted family (Mem_Realloc, Mem_Alloc_Zeroed, ...) keeps a count of the
//    blocks it started from nothing (for diagnosis) and stops the program with
//    "Speicher nicht aussreichend!" when memory runs out: callers need not test;
//  - the tagged family (Mem_*_Tagged) are thin wrappers over the runtime
//    allocator that accept the caller's source file, line and a tag; they count
//    nothing and hand a NULL from the runtime back to the caller.
//
// All state is static and meant for the program's one thread.
#include <cstdio>

// ---- fatal stop -----------------------------------------------------------------

// Reports msg (through the message collector when its current route shows it,
// else in the host's message window) and ends the process with exit code 1.
// Needs no memory of its own, so it also serves a failed allocation.
[[noreturn]] void Kov_Fatal_Stop(const char* msg);

// ---- counted family -------------------------------------------------------------

// Stores max(pad, 0) as the number of extra bytes added to every counted request.
int Mem_Set_Pad(int pad);

// Resizes old (allocates when NULL) to len + pad bytes. A total of 0 returns NULL
// and leaves old untouched. zero != 0 clears the whole result, old contents too.
// A call with old == NULL counts one live block (also when the result is NULL).
void* Mem_Realloc(void* old, int len, int zero);

// A new block of len + pad cleared bytes (NULL when that is 0); counts one block.
void* Mem_Alloc_Zeroed(int len);

// A matrix of doubles in one block: a table of rows pointers, then rows x cols
// doubles row after row (row i starts at double i*cols), then the pad. NULL (and
// old untouched) when rows or cols is not positive. The doubles are not cleared.
// Counts one block when old was NULL. Release with one Mem_Free_Null.
double** Mem_Alloc_Matrix(void* old, int rows, int cols);

// Copy of s through Mem_Strdup_Tagged; counts one block; a NULL result (or s)
// passes through without a stop.
char* Mem_Strdup(const char* s);

// Resizes *p to n doubles + pad (as Mem_Realloc), copies n values from src and
// stores the block in *p. When the total is 0 the old block is released and *p
// becomes NULL. Counts one block when *p was NULL.
void Mem_Copy_Doubles(int n, double** p, const double* src);

// Frees *p when it is not NULL, counts one block down and sets *p to NULL.
void Mem_Free_Null(void** p);

// Nothing for a non-NULL p; NULL is the out-of-memory stop.
void Mem_Check_Pointer(const void* p);

// The out-of-memory stop: "Speicher nicht aussreichend!", exit code 1.
[[noreturn]] void Mem_Out_Of_Memory();

int Mem_Live_Blocks();
void Mem_Reset_Live_Blocks();

// ---- tagged family ----------------------------------------------------------------

void Mem_Free_Tagged(const char* source_file, int line, const char* tag, void* p);
void* Mem_Realloc_Tagged(const char* source_file, int line, const char* tag, void* p, int size);
void* Mem_Malloc_Tagged(const char* source_file, int line, const char* tag, int size);
void* Mem_Calloc_Tagged(const char* source_file, int line, const char* tag, int n, int size);
char* Mem_Strdup_Tagged(const char* source_file, int line, const char* tag, const char* s);

// ---- output primitives ------------------------------------------------------------

#if defined(__GNUC__)
#define KOV_PRINTF_LIKE(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))
#else
#define KOV_PRINTF_LIKE(fmt_index, first_arg)
#endif

// Formats into f; a NULL stream writes nothing and returns 0. Returns the count of
// characters written, negative on a write error.
int File_Printf(FILE* f, const char* fmt, ...) KOV_PRINTF_LIKE(2, 3);

// Formats to standard output and flushes it; returns 0 while the console is off.
int Console_Printf(const char* fmt, ...) KOV_PRINTF_LIKE(1, 2);

// Switches console output on (!= 0) or off (0).
void Console_Set_Output(int on);
int Console_Is_On();

// ---- timers -------------------------------------------------------------------------

// Switches run-time measuring on or off and says so on the console.
void Timer_Set_Active(int on);
// Starts timer index (0..99); nothing while measuring is off.
void Timer_Start(unsigned index);
// Stops timer index and prints ">> Rechenzeit ..." with its seconds and label.
void Timer_Stop(unsigned index, const char* label);
