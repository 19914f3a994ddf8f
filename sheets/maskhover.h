#pragma once
// Tooltips and hover buttons of the mask pages. While a mask with page areas
// is open the sheet calls Mask_Hover_Handler between events; it shows a
// tooltip box for the element under the mouse and the highlight of a hover
// button, and puts the screen back when the mouse leaves them.
//
// Tooltips and hover buttons are entries of the lists in MaskState
// ("sheets/maskstate.h"), which Mask_Set_Output_Area empties before every
// drawing of a page. Each list keeps at most 100 entries; a further one is
// dropped. Without a registered page area (the hover flag 0) the calls below
// add nothing and return 0.
//
// Rectangles are view-area coordinates of the output area; the handler turns
// them into screen coordinates with the page area and the sheet's displacement.
// Texts are code page 850.
//
// GUI thread only.
#include <stdint.h>

// The function installed with Define_Call_Allways_Function.
void Mask_Hover_Handler(void);
// Records a page area (at most 20); the first one installs and activates the
// handler and sets the hover flag.
void Mask_Register_Hover_Area(int escape, int view_area, int left, int top, int right, int bottom, int* dx, int* dy);
// Activates the handler when on is non-zero and the hover flag is set, else deactivates it.
void Mask_Activate_Hover(int on);
// One page area less (not below 0); at 0 the handler is deactivated and the hover flag cleared.
void Mask_Release_Hover_Area(void);

// A tooltip for the element added last, when it is active: at most five lines
// of the text; below 0 puts the box above the element, else below; side 3 to
// the left of the element's centre, else to the right.
void Mask_Set_Tooltip(const char* text, int below, int side);

// A picture button placed like Mask_Add_Picture_Button (halign 1: x - w, 4:
// x - w/2; valign 2: y - h, 4: y - h/2) that shows its hover picture while the
// mouse is over it. A click stores key into *result. Returns the hover
// picture in use (NULL: none, and then no hover entry is kept).
const char* Mask_Add_Hover_Picture(int area, double x, double y, double w, double h, int valign, int halign,
                                   const char* picture, const char* inactive_picture, const char* hover_picture,
                                   const char* inactive_hover_picture, int key_colour, intptr_t key, intptr_t* result,
                                   int active);
// A framed text button 18 pixels high, w - 1 wide, placed as above, whose text
// is drawn bold while the mouse is over it. Returns 1 when added, 0 otherwise.
int Mask_Add_Hover_Text_Button(int area, double x, double y, double w, int valign, int halign, int text_colour,
                               int frame_colour, int unused, const char* text, intptr_t key, intptr_t* result,
                               int active);
// The same on the text-button pictures of data/. Returns 1 when added, 0 otherwise.
int Mask_Add_Bitmap_Text_Button(int area, double x, double y, double w, int valign, int halign, const char* text,
                                intptr_t key, intptr_t* result, int active);

// Masks opened from other masks. The sheet library keeps the handler per
// sheet, so every mask's sheet needs it, not only the one that registered the
// first page area: Mask_Hover_Install puts it on the sheet defined last and
// switches it on while the hover flag is set. The lists and the output area
// are those of the page drawn last; Mask_Hover_Enter_Level keeps them when a
// mask opens and Mask_Hover_Leave_Level gives them back when it closes, so
// the mask below shows its own tooltips again.
void Mask_Hover_Install(void);
void Mask_Hover_Enter_Level(void);
void Mask_Hover_Leave_Level(void);
// Puts back the screen under a tooltip box or highlight that is shown: before
// a page is drawn anew, and when a mask opens or closes over it.
void Mask_Hover_Hide(void);

// Back to the start: no tooltip or highlight shown, saved screens released,
// no levels kept (for tests).
void Mask_Hover_Reset(void);
