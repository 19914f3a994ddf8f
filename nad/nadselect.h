#pragma once
// Choosing the active annex by name, and the ACTIV_NADNAME block with which
// other programs' data files remember the annex they were made with.
#include <cstdio>

// Makes name active. null and "lokale Definitionen" activate "Deutschland" and
// return the activation's result (1 annex file read, 0 recommended values). A
// listed name is activated and gives 0. A name that is not listed activates
// "Deutschland" and shows the warning "Warnung" naming both annexes; its
// button opens the selection sheet, whose result is given, else 0.
int Nad_Select_By_Name(const char* name);

// Activates the annex named in f's ACTIV_NADNAME block; without the block (or
// with an empty name) "Deutschland".
void Nad_Read_Activ_Nadname(FILE* f);

// Appends "\n\nACTIV_NADNAME\n" and the active name in guillemets with a line
// feed ("Deutschland" is activated first when no annex is active).
void Nad_Write_Activ_Nadname(FILE* f);
