#pragma once
// Reader of output lists (the host's list viewer and printer read them with
// this) and of the plan viewer's plot files. Both are code page 850 text files.
//
// An output list is a sequence of blocks and single records:
//   "#NEWPAGE", "#CONTENTS" + one line (the list's title),
//   "#OLI_..." layout records (one per line, see platform/kovoli.h),
//   "#SHOWTABLE" text and table blocks, "#SHOWPARA" paragraphs, "#SHOWGRAFIC"
//   graphics blocks.
// Inside texts the byte 0xCE starts a mark-up code; Oli_Markup_Spans splits a
// text into styled pieces.
//
// The reader never fails on content: a malformed list (a block that is not
// closed, an unknown record, a line it cannot read, a file that ends in the
// middle of a block) keeps what could be read and adds a warning that says
// what was skipped and where (line numbers count from 1).
#include <QString>

#include <string>
#include <vector>

// ==== text and mark-up ======================================================

// One byte of the list font as Unicode: code page 850, except the symbol bytes
// of the list font (Greek letters, infinity, diameter and a few more).
unsigned Oli_Char_Of_Byte(unsigned char byte);
// A whole text through Oli_Char_Of_Byte (mark-up bytes are not special here).
QString Oli_Decode(const std::string& bytes);

enum OliStyle {
    OLI_ST_BOLD = 0x1,
    OLI_ST_UNDERLINE = 0x2,
    OLI_ST_SUBSCRIPT = 0x4,
    OLI_ST_SUPERSCRIPT = 0x8,
    OLI_ST_SPACE_BELOW = 0x10,
    OLI_ST_S = 0x20,
    OLI_ST_HEADING = 0x40,
};

// A piece of a marked-up text: either text of one style and colour, or a group
// (rule "L", frame "R" or colour "C") with its numbers.
struct OliSpan {
    enum Kind { TEXT, RULE, FRAME, COLOUR } kind = TEXT;
    std::string bytes;       // TEXT: the bytes shown (code page 850)
    unsigned style = 0;      // TEXT: OliStyle bits
    bool coloured = false;   // TEXT: colour below applies
    unsigned rgb = 0;        // TEXT: 0xRRGGBB
    std::vector<double> num; // RULE, FRAME, COLOUR: the numbers of the group
};

// Splits a text at its mark-up. "r" ends every mode, "b" bold, "u" underline,
// "\\" subscript, "/" superscript, "_" space below, "s" the further mode, "H"
// heading, "@" (start of a heading number) shows nothing; groups "{...}" give
// RULE, FRAME and COLOUR spans (a colour group also colours the text after it;
// "C 0" without RGB goes back to black). Unknown codes are hidden and named in
// *unknown (one byte each, when given).
std::vector<OliSpan> Oli_Markup_Spans(const std::string& text, std::string* unknown = nullptr);
// The text without its mark-up (decoded), e.g. for bookmarks.
QString Oli_Plain_Text(const std::string& text);
// RGB of a colour index of the list (0..255, the usual 256-colour palette).
unsigned Oli_Palette_Rgb(int index);

// ==== output lists ============================================================

struct OliLayoutRecord {
    std::string name;        // after "#OLI_", e.g. "SETMARGINS"
    std::vector<double> num; // its numbers
    bool has_text = false;   // a «text» field was present
    std::string text;
};

struct OliTabStop {
    double pos = 0; // cm from the paragraph's left edge
    int code = 2;
};

struct OliParaFormatView {
    unsigned flags = 0;
    int font = 4;
    double space = 0;    // extra space above the part (cm)
    double length_b = 0; // left indent (cm)
    double length_c = 0; // right indent (cm)
    double length_d = 0; // first-line indent (cm)
    double factor = 1.0; // line spacing factor
    std::vector<OliTabStop> tabs;
    double tab_spacing = 0; // > 0: regular tab stops
};

struct OliParaPart {
    OliParaFormatView format;
    std::vector<std::string> lines; // without the leading blank
    double space_after = 0;         // cm
};

struct OliTableBlock {
    std::vector<std::string> titles[3]; // title lines of the three kinds
    int head_rows = 0;                  // heading rows (group and title rows)
    bool unit_row = false;              // a unit row follows them
    int fixed_rows = -1;                // >= 0: the block has exactly so many rows and no end line
    std::vector<double> separators;     // character positions of the column rules
    std::vector<std::string> lines;     // heading rows, unit row, rows (as written, blank included)
};

struct OliGraphicRecord {
    int op = 0;
    std::vector<double> num;
    bool has_text = false;
    std::string text; // «text» (code page 850); op 27: the rest of the line
    std::string data; // op 75: embedded file bytes
    int line = 0;
};

struct OliGraphicBlock {
    std::vector<std::string> titles_top, titles_bottom;
    int kind = -1;                          // -1: drawing records; 1, 3: picture block
    double x1 = 0, x2 = 17, y1 = 0, y2 = 5; // extent (cm on paper)
    std::vector<OliGraphicRecord> records;
};

struct OliItem {
    enum Kind { NEWPAGE, LAYOUT, PARA, TABLE, GRAPHIC, TEXT } kind = TEXT;
    int line = 0;
    OliLayoutRecord layout;
    std::vector<OliParaPart> para;
    OliTableBlock table;
    OliGraphicBlock graphic;
    std::string text; // TEXT: a line outside any block
};

struct OliDocument {
    std::string contents; // the "#CONTENTS" line (title of the list)
    std::vector<OliItem> items;
    std::vector<std::string> warnings;
};

// Files larger than this are read up to it (with a warning).
enum { OLI_READ_MAX_BYTES = 64 * 1024 * 1024, OLI_READ_MAX_LINE = 65536 };

// Parses the bytes of a list into doc (which is emptied first).
void Oli_Parse_List(const std::string& bytes, OliDocument* doc);
// Reads a file's bytes through Kov_Path (bounded by OLI_READ_MAX_BYTES).
// false when it cannot be opened; *truncated (when given) says it was cut.
bool Oli_Read_Bytes_Of(const std::string& path, std::string* bytes, bool* truncated = nullptr);
// Reads and parses a list file; false (with a warning) when it cannot be opened.
bool Oli_Read_List(const std::string& path, OliDocument* doc);

// ==== plot files ("zorv-PlanSchau") ============================================

struct SpfPen {
    double width = 0.18;
    int colour = 0;
};
struct SpfLinetype {
    std::vector<double> dashes;
}; // mm on paper; empty: solid
struct SpfFont {
    double height = 2.0;
    double slant = 0;
}; // mm on paper, degrees
struct SpfHatch {
    double angle = 0;
    double spacing = 1.0;
    int pen = 0;
    int linetype = 0;
};
struct SpfFilling {
    std::vector<SpfHatch> hatches;
};

struct SpfVertex {
    double x = 0, y = 0;
    double radius = 0;
    int pen = 0;
};
struct SpfEntity {
    enum Kind { LINE, AREA, TEXT } kind = LINE;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // LINE
    int pen = 0, linetype = 0, font = 0, filling = 0, justification = 7;
    double angle = 0;                          // TEXT: degrees
    std::vector<std::vector<SpfVertex>> rings; // AREA: outer ring first
    std::string text;                          // TEXT (code page 850)
    int layer = 0;
};

struct SpfDocument {
    std::string title;
    double width = 0, height = 0;
    std::vector<unsigned> colours = std::vector<unsigned>(1, 0u); // index 0 black
    std::vector<SpfPen> pens;
    std::vector<SpfLinetype> linetypes;
    std::vector<SpfFont> fonts;
    std::vector<SpfFilling> fillings;
    std::vector<SpfEntity> entities;
    std::vector<std::string> warnings;
};

// True when the bytes look like a plot file (its first line).
bool Spf_Is_Plot(const std::string& bytes);
void Spf_Parse(const std::string& bytes, SpfDocument* doc);
bool Spf_Read(const std::string& path, SpfDocument* doc);
