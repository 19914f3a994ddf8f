#pragma once
// The records behind the supplied annex files Standard.NAD and
// Deutschland.NAD of data/NAD. The files are written from these records with
// the library's own writer by the tool nadsupplied, so record, writer and file
// never drift apart; a test compares the files with the records.
#include "nad/nadlist.h"

// The EC recommended values of every block ("EC-Standardparameter").
void Nad_Build_Standard(NadRecord* r);

// The values of the German national annexes as far as the blocks hold them.
void Nad_Build_Deutschland(NadRecord* r);

// Writes Standard.NAD and Deutschland.NAD into folder, each replacing its old
// file only when complete. 1 when both were written, 0 otherwise (the failing
// file named on standard error).
int Nad_Write_Supplied(const char* folder);
