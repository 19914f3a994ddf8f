#pragma once
// Small writers shared by the annex output pages.
#include <cstdio>

#include "nad/nadlist.h"
#include "platform/kovcp.h"
#include "platform/kovoli.h"

// Writes a UTF-8 text in code page 850.
inline void Nad_Put(FILE* f, const char* utf8) { std::fputs(cp850(utf8), f); }

// Writes bytes as they stand (mark-up and glyph bytes of the list font).
inline void Nad_Raw(FILE* f, const char* bytes) { std::fputs(bytes, f); }

// "#SHOWTABLE" and the block kind, e.g. "0 1 0".
inline void Nad_Show_Table(FILE* f, const char* kind) { std::fprintf(f, "#SHOWTABLE\n%s\n", kind); }

inline void Nad_End_Of_Text(FILE* f) { std::fputs("#END_OF_TEXT\n", f); }

// The head of an annex page: its heading with the active annex's name.
inline void Nad_Page_Head(FILE* f)
{
    OLI_reserveSpaceCM(f, 6.0f);
    Nad_Show_Table(f, "1 1 0");
    Nad_Put(f, " Ausgewählte Bemessungsparameter des nationalen Anhangs\n");
    std::fprintf(f, " %s\n0 0 -1 -1\n", Nad_Get_Active_Name());
    Nad_End_Of_Text(f);
    OLI_setYPositionCM(f, 1, -0.5f);
}

// The head of a clause table: Kapitel / Wert / Bedeutung.
inline void Nad_Clause_Table_Head(FILE* f)
{
    std::fputs("#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n Kapitel      Wert                          Bedeutung\n", f);
}

// A gamma line of a clause table: 14 blanks, gamma with the subscript, value and
// text ("              %-11.11s = %-5.2lf               %-40s\n").
void Nad_Gamma_Row(FILE* f, const char* subscript, double value, const char* utf8_text);

// The EC2 page and its EN 1992-1-1 table for rules given by the caller
// (NAD_EC2_FLAGS entries) instead of those of the current program.
void Nad_Oli_Ec2_With(FILE* f, const int* flags);
int Nad_Oli_Ec2_Main_With(FILE* f, const int* flags);
