#pragma once
// Masks: the framework's dialogs. A caller describes a mask in a MaskRecord and
// its pages in MaskPage records (both filled after Mask_Init / Mask_Init_Pages)
// and hands them to an engine: Mask_Edit_Single_Page shows one page,
// Mask_Edit_Registers a set of pages as registers (tabs). The engine builds one
// property sheet of the host library, gives every page with a draw callback a
// view area ("sheets/viewarea.h") and a row table, and runs cycles (draw the
// current page, wait for the user, dispatch the result) until the mask is
// confirmed (result 1) or cancelled (0).
//
// While a mask is open, numeric fields show display units; the confirm step
// divides factor fields back, rounds int fields back into their ints and runs
// every page's check; a non-zero check keeps the mask open.
//
// Masks nest to any depth: a callback may open another mask, which becomes the
// innermost one; the element calls ("sheets/maskelem.h") and the calls below
// always work on the innermost mask.
//
// Texts are code page 850. GUI thread only.

#include "sheets/rowtable.h"

struct MaskRecord {
    int mode;          // layout and buttons (0 and 5: standard row; see mask.cpp)
    int sheet_reserve; // added to the element reserve of the sheet
    char title[100];
    int height; // wanted height of the page area
    int width;  // wanted width of the page area
    int margin_top;
    int margin_bottom;
    int margin_left;
    int margin_right;
    int register_height;                                // <= 0: 30
    int register_width;                                 // <= 0: computed from the width
    char register_picture[100];                         // drawn over the whole register bar instead of labels
    char help_key[52];                                  // non-empty: a help button
    void (*status_text)(char* buffer);                  // a status line of at most 199 bytes
    void (*decorate)(int x1, int y1, int x2, int y2);   // once, with the sheet rectangle
    int (*button_handler)(int id);                      // non-zero: handled
    int (*confirm_veto)(void);                          // non-zero keeps the mask open
    int (*cancel_veto)(void);                           // non-zero keeps the mask open
    int (*register_switch)(int old_page, int new_page); // non-zero refuses the change
    void (*cycle_hook)(int current_page);
    void (*close_hook)(void);
    int last_page;     // the page shown last, written on leaving
    int preset_result; // >= 0: taken as the next pressed id, then -1
};

enum { MASK_PAGE_NORMAL = 1, MASK_PAGE_DISABLED = 0, MASK_PAGE_HIDDEN = -2 };

struct MaskPage {
    int kind; // MASK_PAGE_NORMAL, MASK_PAGE_DISABLED (tab shown, not selectable), MASK_PAGE_HIDDEN
    char upper_label[50];
    char label[50];
    int label_colour;
    int disabled_colour;
    // The page area inside the page rectangle: offsets used when >= 0 and the
    // size is positive.
    int area_x, area_y, area_width, area_height;
    int hslider, vslider;
    int scroll_x, scroll_y; // pixel position kept from the last opening (-1: none)
    int row_table_size;     // bytes of one row
    int row_table_width;    // < 1: up to 10 pixels before the area's right edge
    int row_table_x, row_table_y;
    RowTableDrawFct row_draw; // handed to Row_Table_Create
    void (*init_hook)(int row_table);
    void (*draw)(int view_area, int row_table); // a page without it gets no page area
    int (*check)(int row_table);                // non-zero keeps the mask open
};

// Every field to its default; returns mask.
MaskRecord* Mask_Init(MaskRecord* mask);
// Every field of count pages to its default (count <= 0: nothing).
void Mask_Init_Pages(int count, MaskPage* pages);

// 1 confirmed, 0 cancelled.
int Mask_Edit_Single_Page(MaskRecord* mask, MaskPage* page);
// count < 1: 0 at once; one page is shown as Mask_Edit_Single_Page shows it.
int Mask_Edit_Registers(MaskRecord* mask, int count, MaskPage* pages);

// A sheet of fixed layout without a MaskRecord: the pages as registers (one
// page alone) in a page area of about width x height, a title, a cancel, a
// help and a confirm button, and a status line when status_text is set (at
// most 199 bytes). Every page gets a register and a page area; kind 0 is a
// disabled register (a hidden kind is shown as normal), and a disabled page is
// never shown while a selectable one is left: the one before it is shown, or
// the one after it. The sheet opens where the last one of its kind was left
// and starts on the page that was current when the last mask at the same
// nesting depth closed. Element calls, registrations and the confirm step work
// as in the masks above; there are no vetoes, requests or button handler.
// 1 confirmed, 0 cancelled (at once when count < 1 or pages is NULL).
int Mask_Edit_Register_Sheet(int height, int width, const char* title, int count, MaskPage* pages,
                             void (*status_text)(char* buffer), const char* help_key);

// The confirm step of the innermost mask with the checks of the pages of the
// stack level (0 = outermost); 0 or the first non-zero check result.
int Mask_Confirm_Level(int level);
// Converts the innermost mask's fields back (the int fields stay registered)
// and runs the checks of every open mask, innermost first.
int Mask_Check_All_Levels(void);

// The innermost mask.
void Mask_Set_Page_Kind(int page, int kind);
int Mask_Get_Page_Kind(int page); // -1 outside
void Mask_Select_Page(int page);
int Mask_Current_Page(void); // -1 without a mask
void Mask_Set_Row_Table_Flag(int page, int flag);
void Mask_Sheet_Origin(int* x, int* y);
int Mask_Depth(void);

// Requests of the callbacks, handled when the current dispatch ends.
void Mask_Request_Cancel(void);
void Mask_Request_Confirm(void);
void Mask_Request_Redraw(void);

// Whether an opening mask puts the mouse on its default button (start: on).
void Mask_Set_Cursor_To_Default(int on);
void Mask_Cursor_To_Default_On(void);
void Mask_Cursor_To_Default_Off(void);

// Back to the start of the run: both centres unset, no requests, cursor flag
// on, every depth starting on page 0 (for tests; no mask may be open).
void Mask_Engine_Reset(void);
