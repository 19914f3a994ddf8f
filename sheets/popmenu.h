#pragma once
// Popup menus of picture buttons, the zoom rectangle, and fields and texts
// drawn straight onto a sheet. Coordinates are screen pixels of the host's
// user-interface library, y downwards; texts are code page 850.
//
// A popup menu opens with a zoom from the button that called it, shows its
// buttons in a row or a column with the pictures of one strip file (colour
// (192, 192, 192) transparent) and ends on a button (its number 1 .. count) or
// on a click outside or anywhere else on the menu (99). Each kind remembers
// where the mouse was when it closed, relative to the menu's corner, and puts
// the cursor there when it opens again. GUI thread only.

// Passed by value: a position the screen makes the menu take does not return.
struct PopupMenu {
    int origin_x; // the zoom starts at the caller's button
    int origin_y;
    int x; // top-left corner of the menu
    int y;
    const char* title;
    int button_width;
    int button_height;
    int count;
    char** labels;      // count tooltips (the column menu also shows them); may be NULL
    const char* bitmap; // the pictures of all buttons side by side resp. one below the other
};

// The pressed button's number 1 .. count, 99 for a click outside (also when no
// input is left), -1 when the sheet reports count + 1, any other report as it is.
int Popup_Menu_Row(PopupMenu m);
int Popup_Menu_Column(PopupMenu m);
// Both kinds forget where the mouse was, as at the start of the run (for tests).
void Popup_Menu_Reset(void);

// Seven frames in exclusive-or from the first rectangle to the second, each
// shown for 10 ms and removed again: the screen is left as it was.
void Scr_Zoom_Rectangle(int x1, int y1, int x2, int y2, int tx1, int ty1, int tx2, int ty2);

// A 35 x 20 button with the number id and the tooltip "optische Kontrolle" on
// the sheet being defined; its handle.
int Mask_Add_Visual_Check_Button(int x, int y, int id);

// The field of width_chars characters of 8 pixels at the text base line y:
// from x - 1 to x + 8 width_chars, 10 pixels above to 3 below the base line.
// Mask_Fill_Field leaves its colour set; the background fill gives the colour
// back.
void Mask_Fill_Field(int x, int y, double width_chars, int colour);
void Mask_Draw_Field_Background(int x, int y, double width_chars);
// The text in the font and colour; font and colour are given back.
void Mask_Draw_Text_Color(int x, int y, const char* text, int font, int colour);
// state 0: sheet background, -1: read-only highlight, other: label colour.
void Mask_Draw_Text(int x, int y, const char* text, int font, int state);
// The text's width in the font (measured without the bold bit 0x10000) and the
// frame around it: + 5 for a bold font, else + 3.
int Text_Width_Framed(const char* text, int font);

// count bits, all 0, in (count + 7) / 8 bytes of counted memory (release with
// Mem_Free_Null); value is kept for the caller. A negative count allocates
// nothing and stores 0. Returns 0; -1 for a NULL record.
struct BitArray {
    int count;
    int value;
    int reserved;
    unsigned char* bits;
};
int Bit_Array_Init(BitArray* a, int count, int value);
