#pragma once
// Section search inside annex data: finds the line that opens a block's body
// without running into the next annex of an old combined definition file.
#include <cstdio>

// Longest line the search looks at; the rest of a longer line is passed over.
enum { NAD_SPOOL_LINE_MAX = 300 };

// Reads lines from the current position of f. On a line that begins with
// keyword: scans a number right behind the keyword into *value (when value is
// not null and a number is there), leaves f after that line and returns 1.
// On a line that begins with stop (before any keyword line) the read position
// goes back to where the search began and the result is 2; at the end of the
// file likewise with the result 0. A null f or keyword gives 0; a null or
// empty stop never stops the search.
int Nad_Spool(FILE* f, const char* keyword, const char* stop, int* value);
