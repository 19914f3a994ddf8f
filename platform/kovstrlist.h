#pragma once
#include "platform/kovscreen.h"
// The host library's string lists of property sheets: a sheet owns lists by
// handle, and library code appends entries one by one in the colour it chooses.
// Here the lists live in memory, so tests can read back what was appended.

#ifdef __cplusplus
extern "C" {
#endif

// Appends one entry (text copied) to the list with the given handle.
void Fill_Stringlist_of_PS(unsigned list, int colour, const char* text);

// Test access: number of entries of a list, the text and colour of entry i
// (NULL / -1 when there is no such entry), and clearing of one or all lists.
int Kov_Stringlist_Count(unsigned list);
const char* Kov_Stringlist_Text(unsigned list, int i);
int Kov_Stringlist_Colour(unsigned list, int i);
void Kov_Stringlist_Clear(unsigned list);
void Kov_Stringlist_Clear_All(void);

#ifdef __cplusplus
}
#endif
