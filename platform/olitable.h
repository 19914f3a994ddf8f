#pragma once
// The output-list library's table window: a file holding one output-list
// table ("#SHOWTABLE" block) is read into a table object and shown in a
// window of its own.
//
//   interactive  a modal window with the title that shows the table as the
//                list viewer lays it out (only with a display; else batch)
//   batch        the title and the rows on standard error, nothing waits
//   scripted     one log line "OLITablePropSheet <title> <rows>"
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OLITable OLITable;

// Colours of the table windows (palette indices).
enum { OLI_TABLE_COLOURS = 8 };
typedef struct OLITableColours {
    int colour[OLI_TABLE_COLOURS];
} OLITableColours;

// Reads the table from the stream's position to its end (at most 4 MiB).
// NULL for a NULL stream, a file without a table or a damaged table.
OLITable* readOLITableFromFILE(FILE* f);
// Rows of the table (0 for NULL).
int OLITableRowCount(const OLITable* table);
// Shows the table; area is the window geometry record of 13 ints (may be
// NULL). Returns 1 when shown, 0 for a NULL table.
int OLITablePropSheet(const char* title, int flags, OLITable* table, const int* area);
void deleteOLITable(OLITable* table);

// Non-zero when the record was filled / taken.
int getOLITableColours(OLITableColours* colours);
int setOLITableColours(const OLITableColours* colours);
// The colours back to their defaults; for tests.
void resetOLITableColours(void);

#ifdef __cplusplus
}
#endif
