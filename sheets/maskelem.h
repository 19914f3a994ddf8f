#pragma once
// The element calls of the mask pages: texts, symbols with indexes, check
// boxes, radio buttons, choices, text fields, float and int fields and column
// headers. Each adds elements to the output area of MaskState
// ("sheets/maskstate.h") in its font and colours and returns the width it took
// (0 without an output area, except where said). Coordinates are view-area
// pixels, y the text's base line. Texts are code page 850.
//
// Fonts: 0x1000 normal, 0x1002 small; the style bits 0x10000 (bold), 0x20000
// and 0x40000 are taken off before a text is measured and add 2 pixels.
// Activity: an int of the caller read when drawn. Labels: non-zero active (text
// colour), 0 grey. Fields: 1 editable, -1 read-only highlighted, other grey.
#include <stdint.h>

#include "sheets/viewarea.h"

// A prepared choice list of the material library; the masks only read it.
struct ChoiceList {
    int mode;
    int show_alpha;
    int count;
    int stride; // bytes from one name to the next
    char* names;
    int* colours; // may be NULL
    int* flags;   // 0x1000: separator
    int* keys;
};

enum { MASK_CHOICE_SEPARATOR = 0x1000 };

// ---- widths -----------------------------------------------------------------------------

// The width of a text with 0xCE mark-up in the font in force.
int Mask_Markup_Text_Width(const char* text);
// w + 3 for a text w pixels wide in the font without style bits (0 for w <= 0),
// plus 2 when the font has a style bit.
int Mask_Text_Width(const char* text, int font);
// 33 + 8 (widest / 8) over count names stride bytes apart.
int Mask_Choice_Width(const char* names, int stride, int count, int font);

// ---- fonts and colours -----------------------------------------------------------------

void Mask_Set_Font(unsigned font);
unsigned Mask_Get_Font();
int Mask_Set_Text_Color(int colour);
int Mask_Get_Text_Color();
void Mask_Set_Back_Color(int colour);
int Mask_Get_Back_Color();

// ---- texts ---------------------------------------------------------------------------------

int Mask_Add_Label(int x, int y, const char* text, int* active);
int Mask_Add_Label_By_State(int x, int y, const char* text, int* record);
int Mask_Add_Label_Printf(int x, int y, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;
int Mask_Add_Small_Label(int x, int y, const char* text, int* active);
int Mask_Add_Small_Bold_Label(int x, int y, const char* text, int* active);
int Mask_Add_Framed_Label(int x, int y, const char* text, int* active);
int Mask_Add_Framed_Label_Printf(int x, int y, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;
// halign 1: ends at x, 4: centred on x; valign 0: y + 9, 4: y + 5.
int Mask_Add_Aligned_Text(int x, int y, const char* text, int valign, int halign, int* active);
// Centred on the page area recorded for the output area.
int Mask_Add_Centred_Label(int y, const char* text, int* active);
int Mask_Add_Centred_Text(int y, const char* text, int* active);
// While *active is non-zero a click on the label stores key into *result.
int Mask_Add_Clickable_Label(int x, int y, const char* text, intptr_t key, intptr_t* result, int* active);
int Mask_Add_Link_Label(int x, int y, const char* text, intptr_t key, intptr_t* result, int* active);
int Mask_Add_Underlined_Label(int x, int y, const char* text, int* active);
int Mask_Add_Boxed_Label(int x, int y, const char* text, int* active);
int Mask_Add_Boxed_Framed_Label(int x, int y, const char* text, int* active);

// ---- symbols with an index --------------------------------------------------------------

int Mask_Add_Symbol_With_Index(int x, int y, const char* symbol, const char* index, int* active);
int Mask_Add_Symbol_With_Index_Checked(int x, int y, const char* symbol, const char* index, int* active);
int Mask_Add_Bold_Symbol_With_Index(int x, int y, const char* symbol, const char* index, int* active);
int Mask_Add_Symbol_Index_Exponent(int x, int y, const char* symbol, const char* index, const char* exponent,
                                   int* active);
int Mask_Add_Aligned_Symbol(int x, int y, const char* symbol, const char* index, int valign, int halign, int* active);
int Mask_Add_Aligned_Symbol_Unchecked(int x, int y, const char* symbol, const char* index, int valign, int halign,
                                      int* active);

// ---- level colour scales ---------------------------------------------------------------

void Mask_Reset_Level_Scale();
void Mask_Set_Level_Offset(double offset);
void Mask_Set_Level_Step(double step);
int Mask_Level_Position(int i);
void Mask_Init_Level_Colours();
void Mask_Set_Level_Colour_A(int i, int colour);
void Mask_Set_Level_Colour_B(int i, int colour);
int Mask_Level_Colour_A(int v);
int Mask_Level_Colour_B(int v);

// ---- fields --------------------------------------------------------------------------------

int Mask_Add_Check_Box(int x, int y, const char* label, int* value, int* state);
int Mask_Add_Radio_Button(int x, int y, const char* label, int key, int* selection, int* active);
int Mask_Add_Choice(int x, int y, char* names, int* colours, int stride, int count, int* selected, int* state);
int Mask_Add_Choice_List(int x, int y, const ChoiceList* list, int* selected, int* state);
int Mask_Add_Text_Field(int x, int y, char* text, int unused, int* state);
// The buffer holds n + 1 bytes; the text becomes exactly n characters.
int Mask_Add_Padded_Text_Field(int x, int y, char* text, int n, int* state);
int Mask_Add_Text_Field_Limited(int x, int y, char* text, int length, int max_length, int* state);
int Mask_Add_Density_Field(int x, int y, double* value, int* active);
// factor != 1: the field shows *value x factor; the mask divides it back on confirm.
int Mask_Add_Float(int x, int y, double* value, double factor, int digits, int decimals, int* state);
int Mask_Add_Float_Plain(int x, int y, double* value, int digits, int decimals, int* state);
int Mask_Add_Labelled_Float(int x, int y, const char* label, double* value, int digits, int decimals, const char* unit,
                            int* state);
int Mask_Add_Float_In_Colour(int x, int y, double* value, int digits, int decimals, int colour, int* state);
// The value (in display units) held in [min, max]; beyond a limit a hint names
// the field (name NULL: no hint).
int Mask_Add_Float_Limited(int x, int y, double* value, double factor, int digits, int decimals, double min, double max,
                           const char* name, int* state);
int Mask_Add_Symbol_Float(int x, int y, const char* symbol, const char* index, double* value, double factor, int digits,
                          int decimals, const char* unit, int* state);
int Mask_Add_Int(int x, int y, int* value, int digits, int* state);
int Mask_Add_Int_Limited(int x, int y, int* value, int digits, int min, int max, int* state);

// ---- column headers ----------------------------------------------------------------------

struct ColumnEntry {
    char title[101];
    char symbol[51];
    char index[11];
    char unit[21];
    int x;
    int value;
    int width;
    int gap;
};

struct ColumnHeader {
    int first;
    int x_start;
    int reserved[5];
    int count;
    ColumnEntry* columns;
    int line_end; // > 0: the underline reaches at least to this x
    int capacity; // columns allocated by the initialiser
};

void Mask_Init_Columns(ColumnHeader* header, int count, ColumnEntry** columns);
void Mask_Init_Column_Header(ColumnHeader* header, int count);
void Mask_Free_Columns(ColumnHeader* header);
int Mask_Columns_Width(const ColumnHeader* header);
// NULL beyond the capacity.
ColumnEntry* Mask_Add_Column(ColumnHeader* header, const char* title, const char* symbol, const char* index,
                             const char* unit, int value, int min_width, int gap);
void Mask_Draw_Column_Header(int x, int y, int unused, int count, ColumnEntry* columns);
void Mask_Draw_Header(int x, int y, ColumnHeader* header);
void Mask_Draw_Column_Legend(int x, int y, int count, ColumnEntry* columns);
