#pragma once
// The multi-line text editor element of the view areas: word wrap, a line
// table that grows as needed and the selection underlay. The editor works on
// the caller's buffer in place.
//
// Invariants:
//  (1) The line table holds the start of every laid-out line and, last, the
//      position of the terminating zero; it always has room for one entry more
//      than the line count.
//  (2) The buffer holds the text, its terminating zero and zeros up to
//      capacity + 1 bytes; the layout never reads past the terminating zero.
#include "sheets/viewarea.h"

struct TextEditorState {
    int table_capacity;     // entries of the line table; 50 at creation
    int line_count;         // entries in use after the last layout
    int cursor_x, cursor_y; // cursor as drawn on the screen; x 0: none drawn
    int x1, y1, x2, y2;     // screen rectangle while editing
    int font;               // 0x1003 at creation; 0 selects the fixed-width measure
    int background;
    int text_colour;
    int capacity;     // maximum text length
    int length;       // current text length
    int last_visible; // v = (y2 - y1 - 22) / 14: lines top .. top + v are drawn
    int top;          // first drawn line
    char** lines;     // line table
    char* cursor;
    char* text;
    char* sel_start; // selection sel_start .. sel_end - 1; equal: none
    char* sel_end;
    ViewElement* element;
};

// A new state for a buffer (capacity, current length, table of 50 entries);
// Text_Editor_Free releases it with its table.
TextEditorState* Text_Editor_Create(char* text, int capacity);
void Text_Editor_Free(TextEditorState* state);

// Lays out and draws the editor element's text into the screen rectangle.
void Text_Editor_Draw_Text(ViewElement* element, int x1, int y1, int x2, int y2);

// The editing run started by a press at the mouse inside the editor element
// whose screen rectangle is (x1, y1)-(x2, y2), in an area shown at
// (ax1, ay1)-(ax2, ay2): it lasts until the left button is pressed outside the
// editor (that press is left to the caller when it came from the user). The
// element, its buffer and its state are required; nothing happens without.
void Text_Editor_Run(ViewElement* element, int ax1, int ay1, int ax2, int ay2, int x1, int y1, int x2, int y2);

// The steps of an editing run, on the editor being edited (each does nothing
// outside a run). Moving limits the cursor to the text start .. the last
// character of the text.
void Text_Editor_Draw_Cursor(void);
void Text_Editor_Erase_Cursor(void);
void Text_Editor_Scroll_To_Cursor(void);
void Text_Editor_Cursor_From_Mouse(void);
void Text_Editor_Move_Cursor(int dx, int dlines);
void Text_Editor_Clear_Selection(void);
void Text_Editor_Insert_Char(int ch);
void Text_Editor_Delete_Selection(void);
void Text_Editor_Copy_To_Clipboard(const char* from, const char* to);
void Text_Editor_Insert_Special_Character(void);
void Text_Editor_Draw_Indicators(void);
// One key of the run's key table.
void Text_Editor_Key(int key);
// The line the cursor stands on (0 .. line count - 1).
int Text_Editor_Cursor_Line(const TextEditorState* state);

// The editor being edited (NULL outside an editing run), and setting it.
TextEditorState* Text_Editor_Current(void);
void Text_Editor_Set_Current(TextEditorState* state);

// Width of the first n characters of p as the editor measures: 0 for n <= 0;
// 8n - 3 while an editor of font 0 is being edited; else the extent of the
// current font.
int Text_Editor_Text_Width(const char* p, int n);
// Always the extent of the current font.
int Text_Extent_Width(const char* p, int n);
// The editor's measure as an extent pair {left, right}; returns the width.
int Text_Editor_Text_Extent(const char* p, int n, int* extent);
