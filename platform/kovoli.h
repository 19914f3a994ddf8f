#pragma once
// The output-list layout library: each call writes one record of its own into
// the list's stream, a line that begins with "#OLI_" in column 0, so that the
// list stays one readable file and the viewer can honour the layout:
//
//   #OLI_SETFLAGS <flags>                 #OLI_SETLAYOUT <layout>
//   #OLI_SETMARGINS <mode> <left> <right> #OLI_SETYPOSITION <mode> <cm>
//   #OLI_RESERVESPACE <cm>                #OLI_PUSHMARGINS
//   #OLI_POPMARGINS <flags>               #OLI_STOREYPOSITION <slot>
//   #OLI_RESTOREYPOSITION <slot>          #OLI_RESETMAXMARGIN
//   #OLI_SETBOOKMARK <code> «<text>»      (text NULL: no text field)
//
// Integers in decimal, lengths in cm with a decimal point ("%.4f"), texts of
// bookmarks between the bytes 0xAE and 0xAF (code page 850; a line feed in the
// text is written as a blank). The records go through the registered stream
// table (slot 7, fprintf), so they interleave with the program's own writes.
// A NULL stream writes nothing.
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

void OLI_setFlags(FILE* list, int flags);
void OLI_setLayout(FILE* list, int layout);
void OLI_setMarginsCM(FILE* list, int mode, float left, float right);
void OLI_setYPositionCM(FILE* list, int mode, float cm);
void OLI_reserveSpaceCM(FILE* list, float cm);
void OLI_pushMargins(FILE* list);
void OLI_popMargins(FILE* list, int flags);
void OLI_storeYPosition(FILE* list, int slot);
void OLI_restoreYPosition(FILE* list, int slot);
void OLI_setBookmark(FILE* list, int code, const char* text);
void OLI_resetMaxMargin(FILE* list);

// Display width of an output-list text in characters: every byte counts except
// the mark-up (0xCE with the code byte after it, and whole 0xCE{ ... } groups up
// to and including their '}'). 0 for NULL.
int MT_String_Length(const char* text);

#ifdef __cplusplus
}
#endif
