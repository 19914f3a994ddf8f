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

// ---- the records of a graphics block ("#SHOWGRAFIC") --------------------------
// One line per record: its number, then its values. The numbers are the ones
// the lists carry; a record that is not in kOliGraphicRecords is skipped by the
// reader and counted as a warning. Adding a record: its line here, its writer,
// its drawing function in the renderer's table.
enum OliGraphicOp {
    OLI_G_LINE = 1,                 // x1 y1 x2 y2
    OLI_G_TEXT = 2,                 // x y «text»
    OLI_G_TEXT_TURNED = 3,          // x y «text», at the text angle
    OLI_G_LINE_CLASS = 4,           // class (2 and above: thick)
    OLI_G_LINE_WIDTH = 6,           // width (cm)
    OLI_G_CHAR_SIZE = 7,            // size class of the list font
    OLI_G_FONT = 8,                 // font number (nothing to draw)
    OLI_G_TEXT_ALIGNED = 9,         // x y x y code «text»
    OLI_G_TEXT_ALIGNED_TURNED = 10, // x y x y code «text», at the text angle
    OLI_G_TEXT_HEIGHT = 13,         // height (cm)
    OLI_G_TEXT_ANGLE = 14,          // angle (degrees) 0
    OLI_G_16 = 16,                  // nothing to draw
    OLI_G_POLYGON = 18,             // n x1 y1 .. xn yn (filled)
    OLI_G_COLOUR = 20,              // palette index of line and fill
    OLI_G_23 = 23,                  // nothing to draw
    OLI_G_BOX = 24,                 // x1 y1 x2 y2 (filled)
    OLI_G_SYMBOL = 27,              // the rest of the line: x y and a symbol's file
    OLI_G_PUSH = 30,                // keep the drawing state
    OLI_G_POP = 31,                 // back to the kept state
    OLI_G_DASHES = 38,              // n d1 .. dn 0
    OLI_G_LINE_RGB = 50,            // r g b
    OLI_G_FILL_RGB = 51,            // r g b
    OLI_G_PUSH_EXTENDED = 52,       // nothing to draw
    OLI_G_POP_EXTENDED = 53,        // nothing to draw
    OLI_G_PATTERN_BEGIN = 59,       // nothing to draw
    OLI_G_PATTERN_END = 60,         // nothing to draw
    OLI_G_PATTERN_AREA = 61,        // nothing to draw
    OLI_G_PATTERN = 62,             // pattern number (nothing to draw)
    OLI_G_PICTURE = 75,             // kind w h «file», then {hex bytes} of an embedded one
};

// What follows the number on a graphics record's line.
enum OliGraphicArgs {
    OLI_GA_NONE,    // nothing
    OLI_GA_NUMBERS, // numbers only
    OLI_GA_TEXT,    // numbers, then a «text»
    OLI_GA_REST,    // the rest of the line as text (its numbers read as far as they go)
};

struct OliGraphicRecordKind {
    int op;
    OliGraphicArgs args;
};

inline constexpr OliGraphicRecordKind kOliGraphicRecords[] = {
    {OLI_G_LINE, OLI_GA_NUMBERS},
    {OLI_G_TEXT, OLI_GA_TEXT},
    {OLI_G_TEXT_TURNED, OLI_GA_TEXT},
    {OLI_G_LINE_CLASS, OLI_GA_NUMBERS},
    {OLI_G_LINE_WIDTH, OLI_GA_NUMBERS},
    {OLI_G_CHAR_SIZE, OLI_GA_NUMBERS},
    {OLI_G_FONT, OLI_GA_NUMBERS},
    {OLI_G_TEXT_ALIGNED, OLI_GA_TEXT},
    {OLI_G_TEXT_ALIGNED_TURNED, OLI_GA_TEXT},
    {OLI_G_TEXT_HEIGHT, OLI_GA_NUMBERS},
    {OLI_G_TEXT_ANGLE, OLI_GA_NUMBERS},
    {OLI_G_16, OLI_GA_NUMBERS},
    {OLI_G_POLYGON, OLI_GA_NUMBERS},
    {OLI_G_COLOUR, OLI_GA_NUMBERS},
    {OLI_G_23, OLI_GA_NUMBERS},
    {OLI_G_BOX, OLI_GA_NUMBERS},
    {OLI_G_SYMBOL, OLI_GA_REST},
    {OLI_G_PUSH, OLI_GA_NONE},
    {OLI_G_POP, OLI_GA_NONE},
    {OLI_G_DASHES, OLI_GA_NUMBERS},
    {OLI_G_LINE_RGB, OLI_GA_NUMBERS},
    {OLI_G_FILL_RGB, OLI_GA_NUMBERS},
    {OLI_G_PUSH_EXTENDED, OLI_GA_NONE},
    {OLI_G_POP_EXTENDED, OLI_GA_NONE},
    {OLI_G_PATTERN_BEGIN, OLI_GA_NONE},
    {OLI_G_PATTERN_END, OLI_GA_NONE},
    {OLI_G_PATTERN_AREA, OLI_GA_NONE},
    {OLI_G_PATTERN, OLI_GA_NUMBERS},
    {OLI_G_PICTURE, OLI_GA_TEXT},
};

// The table's line of a record number; nullptr for an unknown record.
inline const OliGraphicRecordKind* Oli_Graphic_Record_Kind(int op)
{
    for (const OliGraphicRecordKind& k : kOliGraphicRecords)
        if (k.op == op) return &k;
    return nullptr;
}

// ---- mark-up of the list's texts ----------------------------------------------
// The byte 0xCE and a letter switch the text's style. Macros, so that a writer
// joins them with its text; spelled apart so that no hexadecimal escape
// swallows the letter after it ("\xCEb" would be one byte).
#define OLI_MARK_BOLD                                                                                                  \
    "\xCE"                                                                                                             \
    "b"
#define OLI_MARK_REGULAR                                                                                               \
    "\xCE"                                                                                                             \
    "r"
#define OLI_MARK_SUB "\xCE\\"
#define OLI_MARK_SUP "\xCE/"
#define OLI_MARK_HEADING                                                                                               \
    "\xCE"                                                                                                             \
    "H"
