#pragma once
// Scrollable view areas of the property sheets: up to 20 rectangles of the
// current sheet, each showing a list of drawable and clickable elements on a
// larger virtual surface that the sheet's sliders scroll. An area is named by
// its slot number 0..19.
//
// Invariants the callers rely on:
//  (1) Every call on a slot above 19 or a free slot does nothing; adders with a
//      result then return 0 (slot above 19) or -1 (free slot).
//  (2) A reserved slot (View_Area_Reserve) takes elements and settings like an
//      open one; it has no frame until the caller sets one.
//  (3) Texts the adders copy belong to the element and are released with it;
//      pictures, images, choice tables, value, result and activity pointers,
//      callbacks and the buffers of text fields and editors stay the caller's
//      and must outlive the element. A choice table added with owns_entries 1
//      is released with its element (View_Area_Add_Choice).
//  (4) Content size only ever grows while elements are added; clearing sets it
//      to 0 and keeps the scroll position for the next View_Area_Show.
//  (5) Drawing leaves the foreground colour, the font stack, the viewport and
//      the buffer mode as it found them.
//
// Coordinates of elements are content coordinates: the point (cx, cy) shows on
// the screen at (sheet displacement + x1 + cx - scroll x, ... + y1 + cy -
// scroll y), where (x1, y1) is the area's corner in sheet coordinates.
// Fonts are flag values of Pop_RFont; the bits 0x10000, 0x20000 and 0x40000
// select bold or a frame style as each adder says and are taken off the font.
// Texts are code page 850.
#include <stdint.h>

#include <string>

#include "base/choiceentry.h"

// A one-colour picture drawn with pxMask; supplied by the caller, not copied.
struct MaskPicture {
    int width;
    int height;
    int bytes_per_row;
    const unsigned char* bits;
};

enum ViewElementType {
    VIEW_TEXT = 1,
    VIEW_LINE = 2,
    VIEW_BITMAP = 3,
    VIEW_DRAWN_BOX = 4,
    VIEW_MASK_PICTURE = 5,
    VIEW_ROTATED_TEXT = 6,
    VIEW_CHECK_BOX = 7,
    VIEW_RADIO_BUTTON = 8,
    VIEW_LINK_TEXT = 9,
    VIEW_FLOAT = 10,
    VIEW_FILLED_BOX = 11,
    VIEW_CLICK_AREA = 12,
    VIEW_CUT_MARK = 13,
    VIEW_TREE_IMAGE = 14,
    VIEW_TEXT_FIELD = 15,
    VIEW_CHOICE = 16,
    VIEW_PICTURE_CHOICE = 17,
    VIEW_BITMAP_BUTTON = 18,
    VIEW_TEXT_EDITOR = 19
};

// A drawn box paints itself: screen rectangle and the caller's data.
typedef void (*ViewDrawBoxFct)(int x1, int y1, int x2, int y2, void* data);
// Called after a change of a check box, radio button, choice or picture choice
// with the new int value, of a float field with the address of its double.
typedef void (*ViewChangeFct)(intptr_t value);

struct TextEditorState;

// One element of an area's list. Which fields a type uses:
//   colour   text or drawing colour; choice: width in characters;
//            bitmap button: mouse cursor shape
//   font     font flags without the bold/frame bits; bitmap button: its key
//   aux      bitmap: fixed flag; radio: key; float: maximum length; click
//            area: mouse cursor; cut mark: key; text field: maximum length;
//            choice: pixel width; picture choice: value; bitmap button:
//            source row; editor: frame flag
//   x1, y1   position (texts: left end of the base line)
//   x2       right edge; text: frame style 0..3; rotated text, check box,
//            radio, link, float, text field, choice: bold flag; picture
//            choice: picture width
//   y2       bottom edge; rotated text: rotation code; text field: visible
//            length; picture choice: picture height
//   extra    link: highlight colour; click area: tooltip flags; choice and
//            picture choice: count; bitmap button: key colour; editor:
//            background colour
struct ViewElement {
    int type;
    int colour;
    int font;
    int aux;
    int x1, y1;
    int x2;
    int y2;
    int extra;
    int* value;           // check box, radio selection, choice index, bitmap-button result
    int* active;          // responds and shows active while *active != 0 (NULL: always)
    double* number;       // float field
    char* text;           // owned text, file name, format or tooltip; text field, editor: caller's buffer
    char* second_text;    // owned inactive text (float, text field); tooltip (bitmap button)
    ViewDrawBoxFct draw;  // drawn box
    ViewChangeFct change; // change callback
    void* data;           // drawn box: callback data
    const MaskPicture* picture;
    intptr_t image;          // tree-view image; check box and radio: image when set
    intptr_t image_clear;    // check box and radio: image when clear
    intptr_t key;            // link text, click area
    intptr_t* result;        // link text, click area
    ChoiceEntry* entries;    // choice
    int owns_entries;        // the choice table is released with the element
    TextEditorState* editor; // text editor
    ViewElement* next;
};

// One slot of the table.
struct ViewArea {
    int x1, y1, x2, y2;       // sheet coordinates; sliders not included
    int background;           // colour index
    int frame;                // 1: a frame is drawn around the area
    int content_w, content_h; // virtual surface
    int scroll_x, scroll_y;   // kept over clearing and closing
    int handle;               // sheet area; -1 free, 9999 reserved
    int vslider, hslider;     // slider handles, 0 none
    int activity;             // 1: drawn by the callback, elements respond
    int key_ends_hover;
    int right_ends_hover;
    int* hover_stop;
    int hover_rect_set;
    int hx1, hy1, hx2, hy2; // content coordinates
    int esc_value;
    int* esc_result;
    int ok_value;
    int* ok_result;
    int help_value;
    int* help_result;
    ViewElement* first;
    ViewElement* last;
};

// ---- opening, showing, closing ------------------------------------------------------

// Opens an area in the current sheet over (x1, y1)-(x2, y2), the sliders
// inside that rectangle. The first call reads the short-key settings. Returns
// the slot, -1 (with "maximale Anzahl Scrollable_View_Areas erreicht" on the
// console) when all 20 are taken.
int View_Area_Open(int x1, int y1, int x2, int y2, int hslider, int vslider);
// Takes a slot for later opening (inactive, no frame); -1 as above.
int View_Area_Reserve(void);
// Opens a reserved slot; its elements, background and scroll position stay.
void View_Area_Open_Reserved(unsigned slot, int x1, int y1, int x2, int y2, int hslider, int vslider);
// Hands content size and scroll position to the sheet area, switches the
// sliders on only when the content exceeds the area, activates the sheet area.
void View_Area_Show(unsigned slot);
// Frees all elements; the area stays open with its scroll position.
void View_Area_Clear(unsigned slot);
void View_Area_Close(unsigned slot);
void View_Area_Close_All(void);
// Frees the first cut mark with the key and everything after it.
void View_Area_Cut_At_Mark(unsigned slot, int key);
void View_Area_Set_Activity(unsigned slot, int state);
// New screen rectangle of the area.
void View_Area_Reshape(unsigned slot, int x1, int y1, int x2, int y2);

// ---- setters and inquiries -----------------------------------------------------------

void View_Area_Set_Background(unsigned slot, int colour);
int View_Area_Get_Background(unsigned slot); // -1 for a bad or free slot
void View_Area_Set_Frameflag(unsigned slot, int flag);
void View_Area_Set_Key_Ends_Hover(unsigned slot, int flag);
void View_Area_Set_Right_Button_Ends_Hover(unsigned slot, int flag);
void View_Area_Set_Hover_Stop_Flag(unsigned slot, int* flag);
void View_Area_Set_Hover_Rectangle(unsigned slot, int x1, int y1, int x2, int y2);
void View_Area_Set_Escape_Result(unsigned slot, int value, int* result);
void View_Area_Set_Ok_Result(unsigned slot, int value, int* result);
void View_Area_Set_Help_Result(unsigned slot, int value, int* result);
void View_Area_Inquire_Size(unsigned slot, int* w, int* h);
void View_Area_Inquire_Content_Size(unsigned slot, int* w, int* h);
void View_Area_Inquire_Screen_Origin(unsigned slot, int* x, int* y);
void View_Area_Inquire_Scroll(unsigned slot, int* x, int* y);
void View_Area_Save_Scroll(unsigned slot);
// Fractions 0..1 of the scroll range; a negative fraction leaves that axis.
void View_Area_Set_Scroll_Fraction(unsigned slot, double fx, double fy);
void View_Area_Get_Scroll_Fraction(unsigned slot, double* fx, double* fy);
// Moves the kept scroll position by *dx, *dy within the range; the parts cut
// off are taken from *dx, *dy.
void View_Area_Scroll_By(unsigned slot, int* dx, int* dy);
// A new element record at the end of the list (only its next field set).
ViewElement* View_Area_Append_Element(ViewArea* record);

// The record of an open or reserved slot, NULL otherwise.
ViewArea* View_Area_Record(unsigned slot);
// The short-key settings read by the first View_Area_Open (Esc, Enter, F1, jump).
void View_Area_Short_Key_Settings(int* brk, int* ok, int* help, int* jump);
// Back to the start of the run: the next View_Area_Open reads the short-key
// settings and the default background again (for tests).
void View_Area_Reset_Settings(void);

// ---- adders ----------------------------------------------------------------------------
// Results: the next free y (y + 10 when the content height grew, else y + 9),
// or as said.

int View_Area_Add_Text(unsigned area, int x, int y, const char* text, int font, int colour, int align);
int View_Area_Add_Line(unsigned area, int x1, int y1, int x2, int y2, int colour);
int View_Area_Add_Bitmap(unsigned area, const char* file, int x1, int y1, int x2, int y2, int key_colour);
void View_Area_Add_Drawn_Box(unsigned area, int x1, int y1, int x2, int y2, void* data, ViewDrawBoxFct callback);
void View_Area_Add_Mask_Picture(unsigned area, int x, int y, const MaskPicture* picture, int colour);
void View_Area_Add_Rotated_Text(unsigned area, int x, int y, const char* text, int font, int colour, int angle);
int View_Area_Add_Check_Box(unsigned area, int x, int y, const char* label, int font, int colour, int* value,
                            int* active);
int View_Area_Add_Radio_Button(unsigned area, int x, int y, const char* label, int font, int colour, int key,
                               int* selection, int* active);
void View_Area_Add_Link_Text(unsigned area, int x, int y, const char* text, int font, int colour, int align,
                             int highlight, intptr_t key, intptr_t* result);
int View_Area_Add_Float(unsigned area, int x, int y, double* value, const char* format, int font, int colour,
                        int* active);
// Result y2.
int View_Area_Add_Filled_Box(unsigned area, int x1, int y1, int x2, int y2, int colour);
void View_Area_Add_Click_Area(unsigned area, int x1, int y1, int x2, int y2, intptr_t key, intptr_t* result);
void View_Area_Add_Cut_Mark(unsigned area, int key);
void View_Area_Add_Tree_Image(unsigned area, intptr_t image, int x1, int y1, int x2, int y2, int colour);
void View_Area_Add_Text_Field(unsigned area, int x, int y, char* text, int font, int colour, int* active);
// owns_entries 1: the table was allocated with the counted family of
// base/kovmem.h by the framework and is released with the element.
void View_Area_Add_Choice(unsigned area, int x, int y, ChoiceEntry* entries, int font, int width_chars, int count,
                          int* selected, int* active, int owns_entries = 0);
void View_Area_Add_Picture_Choice(unsigned area, int x, int y, const char* bitmap, int width, int height, int count,
                                  int value, int* selected, int* active);
void View_Area_Add_Bitmap_Button(unsigned area, int x, int y, int w, int h, const char* bitmap, int source_row,
                                 int key_colour, int cursor, const char* tooltip, int key, int* result, int* active);
// Result y2 + 4 when the content height grew, else y2 + 3. The buffer holds
// capacity + 1 bytes, zero after the text.
int View_Area_Add_Text_Editor(unsigned area, int x1, int y1, int x2, int y2, char* text, int capacity, int text_colour,
                              int background, int frame, int* active);

// ---- modifiers of the last element (nothing unless it has the type named) --------------

void View_Area_Fix_Last_Bitmap(unsigned area);
void View_Area_Set_Check_Pictures(unsigned area, intptr_t image_set, intptr_t image_clear);
void View_Area_Set_Click_Area_Cursor(unsigned area, int cursor);
void View_Area_Set_Click_Area_Tooltip(unsigned area, const char* text, int font, int colour, int align);
void View_Area_Set_Text_Field_Length(unsigned area, int length);
void View_Area_Set_Inactive_Text(unsigned area, const char* text);
void View_Area_Set_Change_Callback(unsigned area, ViewChangeFct callback);
void View_Area_Set_Text_Editor_Font(unsigned area, int font);

// ---- drawing -------------------------------------------------------------------------------

// The paint callback of every sheet area: draws only an active area.
void View_Area_Draw_Callback(int handle, int sx, int sy, int x1, int y1, int x2, int y2, void* record);
// Frame, background and every element, scrolled by (sx, sy) and clipped to the
// visible screen rectangle (x1, y1)-(x2, y2).
void View_Area_Draw(int sx, int sy, int x1, int y1, int x2, int y2, ViewArea* area);

// The text a float field shows for its value: the format applied, or as many
// '*' as the field's maximum length when the value needs more.
std::string View_Area_Float_Text(const ViewElement* e);
