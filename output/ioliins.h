#pragma once
// Inserts of a verification page in the output list: check lines and
// comparison texts, text boxes and message lists, rule and frame groups, the
// value table, picture inserts, the symbol legend with its literature list,
// column lines and the load-combination table.
//
// Like the other writers (output/ioliwrt.h) every function writes nothing for
// a NULL stream unless said otherwise; texts are code page 850; numbers carry
// a decimal point in any locale. All state is static, for one list at a time
// on the program's one thread.
#include <cstdio>

#include "output/ioliwrt.h"

// ==== check lines and comparison texts =========================================

// The output font's nearly-equal sign.
#define OLI_NEARLY_EQUAL '\xF7'

// '=' when a - b rounds to 0 at decimals; else the nearly-equal sign when the
// relative tolerance is met on either side; else '>' or '<'.
char Oli_Compare_Char(double a, double b, int decimals, double tolerance);
// '=', '>' or '<' without a tolerance.
char Oli_Compare_Char_Plain(double a, double b, int decimals);
// "a unit c b unit" (without a unit "a c b"), with a name followed by the
// governing value ("  \x88 name = v unit"): kind 2 appends a when a > b, kind 3
// b when a < b, kind 4 b when a > b, any other kind a when a < b. Static
// text, valid until the next call. Name and unit are texts, never formats.
const char* Oli_Compare_Text(double a, double b, int decimals, double tolerance, int kind, const char* name,
                             const char* unit);
// Room a buffer of Oli_Check_Text needs; a longer result is cut.
enum { OLI_CHECK_TEXT_SIZE = 256 };
// "value c limit", and "  \x88  name = limit" when the relation ("<=", "=<",
// ">=", "=>", "<", ">") is violated. Returns buffer (OLI_CHECK_TEXT_SIZE bytes).
char* Oli_Check_Text(const char* name, double value, const char* relation, double limit, int decimals, char* buffer);
// The check line "prefix value c limit unit ok" (not met: the comparison and
// the fail text bold and a bold "!!" at the right edge). 1 when the check is
// met, 0 otherwise (an unknown relation is not met). NULL texts count as empty.
int Oli_Check_Line(FILE* f, const char* prefix, double value, const char* relation, double limit, int decimals,
                   const char* unit, const char* ok_text, const char* fail_text);

// ==== text boxes and message lists ===============================================

enum { OLI_TEXT_BOXES = 9, OLI_BOX_LINES = 100, OLI_BOX_LINE_SIZE = 300 };

struct OliTextBox {
    char lines[OLI_BOX_LINES][OLI_BOX_LINE_SIZE];
    int count;
    int widest; // display width (MT_String_Length) of the widest line
};

// Boxes 0..8; any other index changes nothing (the print draws an empty frame).
int Oli_Text_Box_Clear(int box);
// One line (at most 299 characters) formatted into the box; nothing when the
// box is full (100 lines).
void Oli_Text_Box_Add(int box, const char* fmt, ...) OLI_PRINTF_LIKE(2, 3);
// Line index of the box; "?????" for a box outside 0..8, "" for a line that
// does not exist.
const char* Oli_Text_Box_Line(int box, int index);
int Oli_Text_Box_Count(int box);
int Oli_Text_Box_Widest(int box);
void Oli_Text_Box_Write(int box, int mode, FILE* f);
// The box's lines as a message list: mode 0 plain, 1 bullets, 2 numbered from
// 0, 3 ">>> ... !", 4 text blocks without a table block. Lines beginning with
// '+' continue the line before (written without the '+'; left out in mode 4).
void Oli_Message_List(int box, int mode, FILE* f);
// The box framed: a frame of the box's height (lines x 0.38 cm, small 0.286
// cm) and width cm (negative: the widest line x 0.18 cm), the lines inside it.
void Oli_Text_Box_Print(FILE* f, int box, double width);
void Oli_Text_Box_Print_Small(FILE* f, int box, double width);
// Frame height and reserved height that the print of the box takes (cm).
void Oli_Text_Box_Size(int box, int small, double* height, double* reserved);
// Copies the current message list into box 4 (each line bold) and prints the
// box framed into the list.
void Msg_List_To_Text_Box(FILE* list);
// All boxes empty; for tests.
void Oli_Reset_Text_Boxes(void);

// Rule and frame groups inside a text line. Heights 0..1 place a rule within
// the line (0 top, 1 bottom); from and to of -1 stand for the text area's edge.
void Oli_Rule(FILE* f, double from, double to, double a, double b);
void Oli_Rule_Full(FILE* f, double h);
void Oli_Rule_Double(FILE* f, double h);
// kind above 64 becomes 0; shaded adds 3840.
void Oli_Frame(FILE* f, int shaded, int kind, double from, double to, double a, double b);
void Oli_Frame_Full(FILE* f, int shaded, int kind);

// ==== value table and pictures ===================================================

// One row of a value table: one quantity over the positions.
struct OliValueRow {
    char name[45]; // written bold
    char kind[15]; // unit, or "TXT", "CHAR", "GEW" (underlined, no unit), "ZZ"
    int width;     // print width of the values
    int decimals;
    void* data; // one value per position, of the kind's type
    double factor;
};

void Oli_Value_Table(FILE* f, int rows, int positions, const OliValueRow* row);
// The folder (at most 99 characters) between "%FONT%\" and a picture's name.
void Oli_Set_Picture_Dir(const char* dir);
const char* Oli_Get_Picture_Dir(void);
// A picture of the viewer's picture folder as a graphics block of w x h cm.
void Oli_Picture(FILE* f, double width, double height, const char* name);
// The same without the picture folder, with a frame around it.
void Oli_Picture_Framed(FILE* f, double width, double height, const char* name);

// ==== legend, literature list and column lines ===================================

// Adds a symbol and its description (a format filled with the further
// arguments). The symbol is a text. 0 when the symbol is there already, else
// the length of the formatted line "symbol - description".
int Oli_Legend_Add(const char* symbol, const char* description_fmt, ...) OLI_PRINTF_LIKE(2, 3);
// Symbol format filled with n; the description format gets n.
int Oli_Legend_Add_Number(const char* symbol_fmt, const char* description_fmt, int n);
// The description format is filled with the source's number in the
// literature list (the source is added when new).
int Oli_Legend_Add_Source(const char* symbol_fmt, const char* description_fmt, const char* source);
int Oli_Legend_Add_Number_Source(const char* symbol_fmt, const char* description_fmt, int n, const char* source);
void Oli_Legend_Clear(void);
int Oli_Legend_Count(void);
void Oli_Legend_Save(void);
void Oli_Legend_Restore(void);
void Oli_Legend_Drop(int n);
// Entry i: symbol, description (as stored) and the formatted line; NULL outside.
const char* Oli_Legend_Symbol(int i);
const char* Oli_Legend_Line(int i);
// The legend packed into lines of the text width; in two columns.
void Oli_Legend_Print(FILE* f);
void Oli_Legend_Print_Columns(FILE* f);

void Oli_Literature_Clear(void);
// The 1-based number of the source (added when new).
int Oli_Literature_Add(const char* text);
int Oli_Literature_Count(void);
void Oli_Literature_Print(FILE* f);

void Oli_Set_Column_Font(int font);
int Oli_Get_Column_Font(void);
// A layout of n columns at positions (characters). A first position of 0
// starts the first column at the margin.
void Oli_Columns_Set(int n, const double* positions);
int Oli_Columns_2(double a, double b);
int Oli_Columns_3(double a, double b, double c);
// One cell; the last column ends the line. A text cut to 255 characters.
void Oli_Column_Printf(FILE* f, const char* fmt, ...) OLI_PRINTF_LIKE(2, 3);
void Oli_Columns_End(FILE* f);

// Legend, literature and column layout back to the start; for tests.
void Oli_Reset_Legend(void);

// ==== load-combination table =======================================================

struct OliLoadCombination {
    const char* name; // NULL: "???"
    int situation;    // design situation code
    double* first;    // factor per load case
    double* second;   // factor per load case
};

typedef const char* (*OliCombTextFct)(int);

struct OliLoadCombinations {
    int table_style;     // 0: table flags 1, else 9
    int hide_names;      // 1
    int hide_situations; // 0
    int load_count;
    int* load_numbers; // 1, 2, 3, ...; -1 leaves the case out
    int comb_count;
    OliLoadCombination* combs;
    OliCombTextFct situation_text; // NULL
    OliCombTextFct load_name;      // NULL: "Lf<number>"
};

void Oli_Comb_Init(int load_count, int comb_count, OliLoadCombinations* c);
void Oli_Comb_Free(OliLoadCombinations* c);
// Builds the combination texts (also for a NULL stream) and writes the table.
void Oli_Load_Combination_Table(FILE* f, OliLoadCombinations* c);
// Text of combination index of the last table; "???" outside.
const char* Oli_Comb_Text(int index);
int Oli_Comb_Text_Count(void);
// The texts released; for tests.
void Oli_Reset_Comb_Texts(void);
