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

// The warning for a name that is not listed. Its lines in the order shown,
// the names between them: the head, the requested name, the three middle
// lines, the active name, the three tail lines (UTF-8; shown in code page 850).
extern const char* const NadWarningHead;
extern const char* const NadWarningMiddle[3];
extern const char* const NadWarningTail[3];

// The warning as a message window titled "Warnung" (standard error in a batch
// run); 0.
int Nad_Warning_Message(const char* requested, const char* active);

// What shows the warning: the message window, until a program that has a
// screen installs its sheet (the annex pages do when they are linked). The
// shower returns the result of a selection it led to, else 0. null restores
// the message window.
typedef int (*NadWarningShower)(const char* requested, const char* active);
void Nad_Set_Warning_Shower(NadWarningShower shower);

// Appends "\n\nACTIV_NADNAME\n" and the active name in guillemets with a line
// feed ("Deutschland" is activated first when no annex is active).
void Nad_Write_Activ_Nadname(FILE* f);
