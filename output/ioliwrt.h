#pragma once
// The output-list writer: text lines, the layout state all writers of a list
// share, numbered headings with their bookmarks, and the table writer OliTabelle.
//
// An output list is a code page 850 text file. Inside its texts the byte 0xCE
// starts a mark-up code ("\xCE" "b" bold, "\xCE" "r" regular, ...). The layout
// library ("platform/kovoli.h") writes its own "#OLI_" records into the same
// stream between the records of these writers.
//
// Every writer takes the list stream first and writes nothing for a NULL
// stream unless said otherwise. Distances are in cm; a line is 0.38 cm (0.286
// cm for small lines). All state is static, shared by every list of a run and
// meant for the program's one thread.
#include <cstdio>

#if defined(__GNUC__)
#define OLI_PRINTF_LIKE(fmt_index, first_arg) __attribute__((format(printf, fmt_index, first_arg)))
#else
#define OLI_PRINTF_LIKE(fmt_index, first_arg)
#endif

// ==== layout state and text lines ============================================

enum { OLI_Y_SLOTS = 10, OLI_TEXT_MAX = 255 };

struct OliLayoutState {
    double text_width;        // 17.0 cm
    float left_margin;        // 0
    float right_margin;       // 0
    int font;                 // 7: font of Oli_Text in the paragraph form
    int strip_zeros;          // 0
    int y_slots[OLI_Y_SLOTS]; // 1 = slot in use
    char* text;               // the last text of Oli_Text
    int text_size;            // bytes of text
};

double Oli_Get_Text_Width(void);
void Oli_Set_Text_Width(double cm);
// Store the margin and pass both margins to the layout library (the stream is
// passed on unchecked).
void Oli_Set_Left_Margin(FILE* f, float cm);
float Oli_Get_Left_Margin(void);
void Oli_Set_Right_Margin(FILE* f, float cm);
float Oli_Get_Right_Margin(void);
void Oli_Set_Font(int font);
int Oli_Get_Font(void);
void Oli_Set_Strip_Zeros(int on);
int Oli_Get_Strip_Zeros(void);

// One text line (at most 255 characters after formatting). The bytes 0xFD and
// 0xFA become a superscript 2 and 3; with stripping on, trailing zeros of
// decimal numbers are dropped.
void Oli_Text(FILE* f, const char* fmt, ...) OLI_PRINTF_LIKE(2, 3);
// One block of text (paragraph font 3).
void Oli_Text_Block(FILE* f, const char* fmt, ...) OLI_PRINTF_LIKE(2, 3);
void Oli_Text_Block_Forced(FILE* f, const char* fmt, ...) OLI_PRINTF_LIKE(2, 3);
// A title line (paragraph font 5).
void Oli_Title_Line(FILE* f, const char* fmt, ...) OLI_PRINTF_LIKE(2, 3);
// A paragraph line in the current font with one tab stop at position (cm).
void Oli_Text_At_Tab(FILE* f, double position, const char* text);
void Oli_Text_At_Tab_Printf(FILE* f, double position, const char* fmt, ...) OLI_PRINTF_LIKE(3, 4);
// The text as a line and, when ok is 0, a bold "!!" at the right edge. The
// text is written as it is (not as a format).
void Oli_Text_Check_Mark(FILE* f, const char* text, int ok);
// The version of the program directory program_id under "EXEC", right-aligned;
// without a VERSION file "<ID> Version: ???".
void Oli_Version_Line(FILE* f, const char* program_id);

// Vertical moves and reserved space.
void Oli_Move_Lines(FILE* f, double lines);
void Oli_Move_Cm(FILE* f, double cm);
void Oli_Set_Y_Mode4(FILE* f);
void Oli_Reserve_Lines(FILE* f, double lines);
void Oli_Reserve_Small_Lines(FILE* f, double lines);

// Characters per line of a font over the text width less the left margin.
int Oli_Chars_Per_Line(int font);
int Oli_Chars_Per_Line_Current(void);

// Y positions: ten slots. Store returns the slot taken, -1 for a NULL stream or
// when all are taken (then the console says so).
int Oli_Store_Y_Position(FILE* f);
void Oli_Restore_Y_Position(FILE* f, int slot);
void Oli_Restore_Y_Keep(FILE* f, int slot);
void Oli_Free_Y_Position(int slot);
void Oli_Reset_Y_Positions(void);

// Mark-up: whether code (e.g. "\xCE" "b") is open at position of text, i.e. it
// occurs before the position and no "\xCE" "r" follows its last occurrence there.
int Oli_Markup_Active(const char* text, const char* code, int position);
int Oli_Subscript_Active(const char* text, int position);
int Oli_Superscript_Active(const char* text, int position);
int Oli_Space_Below_Active(const char* text, int position);
int Oli_Bold_Active(const char* text, int position);
int Oli_S_Active(const char* text, int position);
// Replaces every find in buffer by replacement followed by the codes open at
// that place, so that the replacement's own "\xCE" "r" does not end a mode of
// the surrounding text. The result is cut to size - 1 characters. Returns the
// length the whole result needs (without the terminating byte).
int Oli_Replace_Keep_Markup(char* buffer, const char* find, const char* replacement, int size);
// Length without trailing blanks (0 for NULL or an all-blank text).
int Oli_Trimmed_Length(const char* text);
// Display width in characters; sub- and superscript characters count 0.8.
int Oli_Display_Width(const char* text);

// Back to the state at start (text buffer released); for tests.
void Oli_Reset_Layout(void);

// ==== headings and bookmarks =================================================

struct OliHeadingState {
    int counters[6];
    int max_level;         // 3
    int styles[6];         // 1
    double spacings[6];    // 0
    int open_depth;        // -1
    int inline_numbers;    // 0
    int unnumbered;        // 0
    int bookmark_depth;    // 2
    int bookmark_limit;    // 3
    int printing;          // 1
    char number_text[100]; // "???"
    double indent;         // 0
};

// Starts a list's numbering: max level (6 at most), style of every level
// (1: narrow number columns), flags bit 0 inline numbers, bit 1 unnumbered.
void Oli_Init_Headings(int max_level, int style, unsigned flags);
// Level 0: an unnumbered heading; 1..6 numbered (deeper levels count as 6).
void Oli_Heading(FILE* f, int level, const char* fmt, ...) OLI_PRINTF_LIKE(3, 4);
// Counters, number and bookmarks without text in the list.
void Oli_Heading_Silent(FILE* f, int level, const char* fmt, ...) OLI_PRINTF_LIKE(3, 4);
void Oli_Heading_No_Bookmark(FILE* f, int level, const char* fmt, ...) OLI_PRINTF_LIKE(3, 4);
void Oli_Heading_Bookmark_Code(FILE* f, int level, int code, const char* fmt, ...) OLI_PRINTF_LIKE(4, 5);
// Closes every open bookmark level.
void Oli_Close_Bookmarks(FILE* f);
int Oli_Get_Heading_Counter(int level);
void Oli_Set_Heading_Counter(int level, int value);
void Oli_Next_Heading_Counter(int level);
void Oli_Set_Heading_Styles(const int* styles);
void Oli_Set_Bookmark_Depth(int depth);
void Oli_Set_Bookmark_Limit(int limit);
void Oli_Headings_Unnumbered_On(void);
void Oli_Headings_Unnumbered_Off(void);
// The number of the last numbered heading ("1.2."), "???" before the first.
const char* Oli_Heading_Number_Text(void);

// Back to the state at start; for tests.
void Oli_Reset_Headings(void);

// ==== tables ===================================================================

// Sentinel values of numeric cells.
#define OLI_MINUS_INFINITY (-1e100)
#define OLI_INFINITY (1e100)
#define OLI_NOT_APPLICABLE (2e100) // "n.e."
#define OLI_NO_VALUE (-2e100)      // "---"
#define OLI_AUTO (3e100)           // "auto"
#define OLI_EMPTY (-3e100)         // empty cell

struct OliColumn {
    char group_heading[100]; // "": first heading row; "=..." joins the group before
    char title[75];          // "Nr": second heading row; leading '-' left, '+' right
    char kind[45];           // "ZZ": "TXT", "CHAR", "GEW", "ZZ" or the unit of a number
    int width;               // 4: minimum print width
    int decimals;            // 0: decimals; TXT row length when larger than width;
                             //    first row number of ZZ
    void* data;              // doubles, characters or OliBarChoice records
    int stride;              // -1: > 0 bytes from one row's value to the next
    double factor;           // 1.0
    int first_mark;          // extremes to underline
    int second_mark;         // extremes to set bold
    int* bold_rows;          // per row: not 0 sets the cell bold
    int totals;              // not 0: a total in the totals row
    int* footnote_keys;      // per row: key of a footnote marker
};

// A "GEW" row: chosen reinforcement of a concrete member.
struct OliBarChoice {
    int count;          // bars; 0 nothing, < 0 "---"
    int per_bundle;     // bars per bundle
    int diameter_index; // into 6, 8, 10, 12, 14, 16, 20, 25, 28, 32 mm
};

// Flags of OliTabelle.
enum {
    OLI_TAB_NO_UNITS = 0x1,
    OLI_TAB_SKIP_ZERO_ROWS = 0x2,
    OLI_TAB_NO_Y_MOVES = 0x4,
    OLI_TAB_EXTRA_LINE = 0x8,
    OLI_TAB_CHOOSE_ROWS = 0x10,
    OLI_TAB_FIT_NUMBERS = 0x20,
    OLI_TAB_LONG = 0x40,
    OLI_TAB_NO_TITLE_WIDTH = 0x80,
    OLI_TAB_EXTREME_ROWS = 0x100,
    OLI_TAB_REVERSE = 0x200,
    OLI_TAB_NORMAL_FIRST = 0x400
};

struct OliTableOptions {
    unsigned flags;
    int* row_flags;   // one per row, 1
    int* thick_rules; // per row, NULL
    int* thin_rules;  // per printed row, NULL
    int abscissa;     // -1
};

// (Re)allocates *columns to n records with their defaults and remembers n as
// the number of columns OliTabelle may be asked for. Free with Mem_Free_Null.
OliColumn* Oli_Alloc_Columns(int n, OliColumn** columns);
// Writes one table. More columns than allocated end the program.
void OliTabelle(FILE* f, int ncols, int nrows, const OliColumn* columns, const int* row_flags, const int* thick_rules,
                int mark_selector, unsigned flags, const int* title_counts, char** title_lines, int note_count,
                char** notes);
void Oli_Init_Table_Options(OliTableOptions* opt, int rows);
void Oli_Free_Table_Options(OliTableOptions* opt);
void Oli_Table_With_Options(FILE* f, int rows, int ncols, const OliColumn* columns, const OliTableOptions* opt);

// Footnote markers: adds one unless one with the same marker or key exists.
void Oli_Add_Footnote(int key, const char* marker, const char* explanation);
int Oli_Footnote_Count(void);
void Oli_Clear_Footnotes(void);

void Oli_Set_Long_Table_Rows(int rows);
int Oli_Column_Is_Numeric(const OliColumn* column);

// One cell (text of field width + 1 display characters) into buffer, which
// must hold OLI_CELL_SIZE bytes.
enum { OLI_CELL_SIZE = 1200 };
char* Oli_Format_Table_Cell(const char* kind, const void* data, int row, int field_width, int width, int decimals,
                            double factor, int underline, int bold, char* buffer, const int* footnote_key);
char* Oli_Format_Cell(const char* kind, const void* data, int row, int field_width, int width, int decimals,
                      double factor, int underline, char* buffer);

// Back to the state at start (footnotes, allocated count, long-table rows); for tests.
void Oli_Reset_Tables(void);
