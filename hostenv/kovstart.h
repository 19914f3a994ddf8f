#pragma once
// Start-up of a component program inside the host environment. main calls
// Kov_Startup before anything else, before it looks at its command line.
#include "platform/kovhost.h"

// The program's own stream functions for the host library, in the host's order:
// count 18, then fopen, fclose, fread, fwrite, ferror, fscanf, fprintf, fseek,
// ftell, fsetpos, fgetpos, fgets, fgetc, fputs, fputc, ungetc, sscanf, sprintf.
// Host and program thus write the same FILE streams through one runtime.
extern const KovStdioTable Kov_Stdio_Table;

// SetKOVDllDirectory(NULL), KOVCheckCWD(), Kov_Register_Stdio(), in this order.
void Kov_Startup();

// Makes the directory named by "_KOV_CWD_" the working directory. Unset: nothing
// happens. When it cannot be entered the console says
// "KOVCheckCWD: Fehler beim Setzen des CWD=<name>" and the program goes on.
void KOVCheckCWD();

// Hands Kov_Stdio_Table to the host library; returns the host library's result.
int Kov_Register_Stdio();
