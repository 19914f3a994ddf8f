#pragma once
// Paragraph blocks ("#SHOWPARA") of the output list, the "#SHOWGRAFIC" head and
// picture records in the same block syntax, and the picture-information record
// "OLI_GRAPHIC_Picture_Info".
//
// Every record of the paragraph, graphic-head and picture writers goes through
// the fprintf slot of the host library's stream table (KOV_STDIO_FCT), so it
// lands in the program's own FILE streams between the records of the other
// writers of the list.
//
// The paragraph writer keeps one current format and the format last written;
// a change is written only when a text follows and something differs. Module
// state, one output list at a time, not reentrant.
#include <cstdio>

// Callback of a format or graphic head: writes its part, non-zero on success.
typedef int (*OliParaWriter)(FILE* f, void* user);

struct OliParaFormat {
    unsigned int flags;   // first line of the format
    OliParaWriter head_a; // called after the flag line
    OliParaWriter head_b; // called after head_a
    int font;             // 4
    double space;         // pending vertical space
    double length_d;
    int space_units;    // 2
    int length_d_units; // 2
    double length_b;
    double length_c;
    int length_b_units; // 2
    int length_c_units; // 2
    double factor;      // 1.0
    int pair[2];
    OliParaWriter tab_writer; // writes the tab list
    void* user;               // passed to the three callbacks
};

// Flag bits of a format that the writer derives from its content.
enum {
    OLI_PARA_HEAD_A = 0x1,
    OLI_PARA_HEAD_B = 0x2,
    OLI_PARA_SPACE = 0x10,
    OLI_PARA_LENGTHS_BC = 0x20,
    OLI_PARA_TABS = 0x40,
    OLI_PARA_PAIR = 0x200,
    OLI_PARA_FACTOR = 0x400,
    OLI_PARA_LENGTH_D = 0x800,
    OLI_PARA_CALLER_BITS = 0x188, // 0x8, 0x80, 0x100: set by Oli_Para_Set_Flags
    OLI_PARA_END_FLAG = 0x2000
};

// End line of a text part (for Oli_Write_Para_Change and Oli_Write_Para_End).
struct OliParaEnd {
    int flags;
    double space;
    int space_units;
};

struct OliGraphicHead {
    int flags;
    OliParaWriter title_a; // NULL: "0 0 0"
    OliParaWriter title_b;
    int kind;              // 1
    double x1, x2, y1, y2; // 0, 10, 0, 5
    double scale;          // 50, written for kind 3
    double further[4];     // written with flag 0x10000
    void* user;
};

struct OliPictureOptions {
    int flags;        // 0x30 the int, 0x1 the first pair, 0xe the second pair, 0x1000 embed
    int value;        // 300
    double first[2];  // 1.0, 1.0
    double second[2]; // 10.0, 10.0
};

struct OliPictureInfo {
    char name[20]; // at most 19 characters; "???"
    int pixel_width;
    int pixel_height;
    int value; // 300
    double a, b;
};

// ---- formats ------------------------------------------------------------------

void Oli_Para_Format_Defaults(OliParaFormat* fmt);
// The unit code written for a length or a tab stop: 2 when the flags hold the
// bit 2, else 1 when they hold the bit 1, else 4.
int Oli_Para_Unit_Code(int unit_flags);

// ---- the paragraph writer (0 success, -1 failure unless stated) ---------------

int Oli_Para_Begin(void);
int Oli_Para_Set_Font(int font);
int Oli_Para_Get_Font(void);
int Oli_Para_Add_Space(double space);
int Oli_Para_Set_Length_D(double d);
double Oli_Para_Get_Length_D(void);
int Oli_Para_Set_Factor(double factor);
double Oli_Para_Get_Factor(void);
int Oli_Para_Set_Length_B(double b);
double Oli_Para_Get_Length_B(void);
int Oli_Para_Set_Length_C(double c);
double Oli_Para_Get_Length_C(void);
// Bits 0x188 of the current flags become those of flags; returns the new flags.
unsigned int Oli_Para_Set_Flags(unsigned int flags);
// Sets the end flag 0x2000 in the format last written.
int Oli_Para_Set_End_Flag(void);
// n > 0 with positions: up to 100 stops (kinds from the array or all = kind);
// otherwise the stops are cleared.
int Oli_Para_Set_Tabs(int kind, const int* kinds, const double* positions, int n);
int Oli_Para_Clear_Tabs(void);
// spacing > 0: one regular spacing; otherwise the stops are cleared.
int Oli_Para_Set_Tab_Spacing(int kind, double spacing);
// Writes the formatted text (at most 999 characters) into the open paragraph,
// opening one or writing a change of format first.
int Oli_Para_Printf(FILE* f, const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
// Ends the open paragraph; -1 (nothing written) when none is open.
int Oli_Para_End(FILE* f);

// Back to the state at start; for tests.
void Oli_Para_Reset(void);

// ---- writers of single parts ---------------------------------------------------

int Oli_Write_Para_Format(FILE* f, const OliParaFormat* fmt, int with_keyword);
int Oli_Write_Para_Head(FILE* f, const OliParaFormat* fmt);
int Oli_Write_Para_Change(FILE* f, const OliParaEnd* end, const OliParaFormat* fmt);
int Oli_Write_Para_End(FILE* f, const OliParaEnd* end);
// 1 success, 0 failure.
int Oli_Write_Tab_List(FILE* f, unsigned int kind, const int* kinds, const double* positions, int n);
int Oli_Write_Tab_Spacing(FILE* f, unsigned int kind, double spacing);
int Oli_Write_Block_End(FILE* f);
int Oli_Write_End_Of_Text(FILE* f);

// ---- graphic head and pictures --------------------------------------------------

void Oli_Graphic_Head_Defaults(OliGraphicHead* head);
int Oli_Write_Graphic_Head(FILE* f, const OliGraphicHead* head);
int Oli_Write_Graphic_End(FILE* f);
void Oli_Picture_Options_Defaults(OliPictureOptions* opt);
int Oli_Write_Picture(FILE* f, double width, double height, const char* path, const OliPictureOptions* opt);

void Oli_Picture_Info_Defaults(OliPictureInfo* info);
// 1 when every write succeeded, else 0.
int Oli_Write_Picture_Info(FILE* f, const OliPictureInfo* info);
// 1 when a whole record was read, else 0 (what was read stays in info).
int Oli_Read_Picture_Info(FILE* f, OliPictureInfo* info);
// Asks the picture-information tool "$EXEC\Grafikpass.exe" about the picture;
// 1 when it answered with a record, else 0.
int Oli_Get_Picture_Info(const char* path, OliPictureInfo* info);
