#pragma once
// Property sheets of the host's user-interface library, drawn on the screen
// stand-in ("platform/kovscreen.h") and run with the mouse and keys of
// "platform/kovevent.h". A sheet is a rectangle of the screen: defining it
// keeps the pixels below and draws its body (with the frame flag a 3-D frame
// and a title bar within the top 33 pixels); callers draw into it and add
// buttons, escape areas, a register and scrollable areas; Activate_Prop_Sheet
// draws those and shows the screen; Edit_Prop_Sheet waits for the next event
// that ends it and returns its code; Undefine_Prop_Sheet puts the pixels
// below back (the last one hides the screen's window). Sheets nest.
//
// Handles of elements are >= 1 and never 9999; a failed add returns -1.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Button rasters: records whose first two ints are the button's width and
// height (a caller may pass any such {w, h} pair).
extern const int SYMBOLIC_OK_RASTER[4];
extern const int SYMBOLIC_BREAK_RASTER[4];
extern const int SYMBOLIC_MORE_RASTER[4];

/* ---- the sheet ------------------------------------------------------------ */

// frame != 0: 3-D frame and title bar with the title (code page 850). The
// remaining values (a reserve of elements and flags of the host) are logged.
void Define_Prop_Sheet(int x1, int y1, int x2, int y2, int frame, int a, const char* title, int reserve, int b);
// Moves the rectangle onto the screen (keeping its size where it fits).
void Check_Prop_Sheet_Frames(int* x1, int* y1, int* x2, int* y2);
// Full-screen masks: the working area of the screen, no frame for the next
// sheet, the window's size limits (kept and logged).
void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2);
void Set_NoFrameFlag_to_Next_PropSheet(void);
void KOVSetMinMaxSize(int min_w, int min_h, int max_w, int max_h);
void Activate_Prop_Sheet(void);
// Waits until an event ends it (see the implementation's notes).
int Edit_Prop_Sheet(void);
void Undefine_Prop_Sheet(void);
// The two ints follow the user dragging the innermost sheet by its title bar.
void Prop_Sheet_Displacement(int* dx, int* dy);
void Inquire_Prop_Sheet_Displacement(int* dx, int* dy);

/* ---- buttons ------------------------------------------------------------- */

// A button at (x, y) of the raster's size (NULL: sized to its text); visible
// 0: neither drawn nor clickable. Ends Edit_Prop_Sheet with id.
int Add_Single_Button_to_PS(int x, int y, int visible, int id, const char* text, const void* raster, int flag);
// The help button: shows the help key with Helpview; the wait goes on.
int Add_Help_to_PS(int x, int y, int visible, int a, int b, const char* key);
// A tooltip text of a button (code page 850, copied).
void Set_Comment_to_Button_PS(int handle, const char* text);
// 1 active, 0 inactive (greyed, not clickable), -1 off (not drawn); any handle
// (buttons, float fields and the other elements).
void Change_Activity_PS(int handle, int state);
int ActivState_of_Button_PS(int handle);
void Change_Action_State_PS(int handle, int state);
void Reset_Button_Frame(int handle);
// The pixels below the button become its face.
void Snap_Colored_Layout_of_Single_Button(int handle);
// Puts the mouse on the button: (dx, dy) from its corner, its centre for (0, 0).
void Move_Mouse_Cursor_to_Button_of_PS(int handle, int dx, int dy);
// Enter resp. Escape end Edit_Prop_Sheet with the code.
void Set_Windows_OK_Button(int code);
void Set_Windows_Break_Button(int code);

/* ---- float fields ------------------------------------------------------------ */

// A sunken white field at (x, y) (its corner; characters wide, 21 pixels high,
// the text's base line at y + 14 from x + 8) showing *value in the printf
// format of one double (see "platform/kovedit.h"); a value too wide for the
// field shows '#'. visible 0: neither drawn nor editable; NULL value: -1.
// A click into an active field edits it in place (Short_Edit_Float); the wait
// goes on, except in the sheet's automatic mode, where Edit_Prop_Sheet returns
// the field's id once an edit or a step changed the value. The field shows
// again whatever the caller put into *value meanwhile.
int Add_Float_to_PS(int x, int y, int characters, const char* format, int visible, int id, double* value);
// Steps: the wheel over the field, and Up and Down ending an edit that left
// the value as it was, add resp. take off step; the value is kept within
// [min, max] after every step and every edit (and at once).
void Add_SingleStep_to_Float(int field, double min, double step, double max);
// The innermost sheet's automatic mode (see above).
void Set_Prop_Sheet_Edit_Float_Auto_Mode(void);

/* ---- escape areas, register ------------------------------------------------ */

// A press in the area ends Edit_Prop_Sheet with id (the press stays in the
// mouse words, its release queued); with mouse-move events a move over it too.
int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int flag, int id);
void Set_Escape_Area_to_MouseMoveEvent(int handle, int on);
// A press outside the sheet ends Edit_Prop_Sheet with the code.
void Set_ClickOutsideEvent_to_PS(int code);
// A register: tabs in the bar (x1, y1)-(x2, bar_bottom) over the page (to y2).
int Add_Register_to_PS(int x1, int y1, int x2, int y2, int bar_bottom);
// Members are numbered from 1; state -1 refuses clicks, 0 hides the tab.
int Add_Member_to_Register(int reg, int left, int right, int state, int id);
void Set_Selected_Register_Member(int member);
// The page under the register: left .. right from page_top on (its frame one
// pixel outside), in the colour. The selected tab is then drawn in that colour
// and open down into the page, plainly joined to it; the others stay in the
// bar's colour. A page top not below the bar is ignored.
void Set_Register_Page(int reg, int left, int page_top, int right, int colour);

/* ---- scrollable areas --------------------------------------------------- */

// Called whenever the area must be painted: its handle, the scroll position,
// the visible screen rectangle and the caller's record.
typedef void (*KovScrollDrawFct)(int handle, int sx, int sy, int x1, int y1, int x2, int y2, void* record);
int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int a, int b, int step_x, int step_y,
                              KovScrollDrawFct draw, void* record, int c);
// Sliders: 17-pixel strips right of resp. below the area.
int Add_VSlider_to_Scrollable_Area(int area, int a, int step, int c, int d);
int Add_HSlider_to_Scrollable_Area(int area, int a, int step, int c, int d);
void Set_VSlider_Speed(int slider, double a, double b);
void Set_HSlider_Speed(int slider, double a, double b);
// The content's size (an active sheet shows the area anew); the scroll position (clamped to 0 .. content - visible).
void Resize_Origin_of_Scrollable_Area_PS(int area, int width, int height);
void Set_Scrollable_Area_PS(int area, int sx, int sy);
void Inquire_Scrollable_Area_PS(int area, int* sx, int* sy);
void Reshape_Scrollable_Area_PS(int area, int x1, int y1, int x2, int y2, int a, int b, int c, int d);
void Set_Scrollable_Area_PS_Frameflag(int area, int flag);

/* ---- between events, drawing ------------------------------------------------ */

// A function of the caller run between events. It belongs to the sheet
// defined last (each sheet has its own, switched off at first): Edit_Prop_Sheet
// of that sheet calls it before every wait and every 100 ms while it waits, and
// so does GetKOVMessage with 0x80000 in its mask (the hover tracking of view
// areas) while that sheet is the innermost one.
typedef void (*KovCallAllwaysFct)(void);
void Define_Call_Allways_Function(KovCallAllwaysFct fct);
void Activate_Call_Allways_Function(int on);
// Calls the innermost sheet's function when it is switched on; 1 when called.
int Kov_Call_Allways(void);
// 3-D frames: 1 sunken, 2 raised, 3 etched groove, 4 sunken field (white).
void Draw_Funny_Area_to_PS(int style, int x1, int y1, int x2, int y2, int flag);
// A text at (x, y) (base line) in the font; style 2 engraved, else plain.
void Draw_Funny_Text_to_PS(int x, int y, const char* text, int font, int style);
void Draw_Funny_Line_to_PS(int style, int x1, int y1, int x2, int y2);
void Draw_Prop_Sheet_Box(int x1, int y1, int x2, int y2);

/* ---- for tests ---------------------------------------------------------------- */

// The screen rectangle of the innermost sheet's button, register member or
// escape area with that id; 1 when found.
int Kov_Ui_Sheet_Rect(int id, int* x1, int* y1, int* x2, int* y2);
// The innermost sheet's rectangle; 0 when no sheet is defined.
int Kov_Ui_Sheet_Frame(int* x1, int* y1, int* x2, int* y2);
// Forgets every sheet (without restoring the screen).
void Kov_Ui_Sheets_Reset(void);

#ifdef __cplusplus
}
#endif
