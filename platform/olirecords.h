#pragma once
// The record keywords of the output list, once for its writers (output/, the
// layout library in kovoli.cpp) and its reader (olireader.cpp). Each keyword
// stands alone on its line in column 0; macros, so that a writer can join a
// keyword with the rest of its format ("OLI_REC_SHOWTABLE "\n %d %d %d\n"").
#define OLI_REC_NEWPAGE "#NEWPAGE"
#define OLI_REC_CONTENTS "#CONTENTS"
#define OLI_REC_SHOWTABLE "#SHOWTABLE"
#define OLI_REC_SHOWPARA "#SHOWPARA"
#define OLI_REC_SHOWGRAFIC "#SHOWGRAFIC"
#define OLI_REC_END_OF_TEXT "#END_OF_TEXT"

// The records of the layout library: "#OLI_" and the call's name.
#define OLI_REC_LAYOUT_PREFIX "#OLI_"
#define OLI_REC_SETFLAGS "SETFLAGS"
#define OLI_REC_SETLAYOUT "SETLAYOUT"
#define OLI_REC_SETMARGINS "SETMARGINS"
#define OLI_REC_SETYPOSITION "SETYPOSITION"
#define OLI_REC_RESERVESPACE "RESERVESPACE"
#define OLI_REC_PUSHMARGINS "PUSHMARGINS"
#define OLI_REC_POPMARGINS "POPMARGINS"
#define OLI_REC_STOREYPOSITION "STOREYPOSITION"
#define OLI_REC_RESTOREYPOSITION "RESTOREYPOSITION"
#define OLI_REC_SETBOOKMARK "SETBOOKMARK"
#define OLI_REC_RESETMAXMARGIN "RESETMAXMARGIN"
