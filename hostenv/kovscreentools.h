#pragma once
// Small screen services of the host environment, drawn with the px calls of
// the host's user-interface library ("platform/kovscreen.h"): the width of a
// text, progress bars, a timer and the sand clock, the zoom and rubber-band
// rectangles, the hit test of a line, a saved screen box, a sheet with one
// picture, the reset of a sheet button, the out-of-memory stop and a sign.
//
// Coordinates are screen pixels with y downwards, colours palette indices.
// Times come from a monotonic clock; every pause goes through the sleep
// function of the tool waits (Kov_Tools_Sleep of "hostenv/kovtools.h"), so a
// test that drives both runs without real time. One thread.
#include <cstdint>

// Width in pixels of s in the font in force (the extent pxQTxX reports for the
// whole text, right minus left); 0 for NULL.
int Text_Width_Pixels(const char* s);

// ---- progress bars -------------------------------------------------------------------

// Up to six bars at once, numbered 0 to 5. A bar is 8 pixels high: its track
// (x, y)-(x + width, y + 7) lies in a sunken frame one pixel around it. With
// boxed != 0 it sits in a raised box of its own (x - 10, y - 10)-(x + width +
// 10, y + 18); every boxed bar keeps the screen it covers until it closes.
// Returns the bar's number, -1 when all six are in use.
int Kov_Progress_Open(int x, int y, int width, int boxed);
// Draws the bar to width x fraction pixels (limited to 0 .. width; a fraction
// that is not a number gives 0). A bar set back shows what a bar grown to the
// new length shows. After a change of length the call pauses the bar's delay.
// Numbers above 5 and closed bars: nothing.
void Kov_Progress_Set(unsigned slot, double fraction);
// The pause after every change of length, in seconds (0: none).
void Kov_Progress_Set_Delay(unsigned slot, double seconds);
// Removes the bar: a boxed bar puts back the screen below its box, another is
// painted over in the sheet background colour. Frees the number.
void Kov_Progress_Close(unsigned slot);

// ---- timer and sand clock --------------------------------------------------------------

// One deadline, now + seconds; Expired gives 1 once it has passed.
void Kov_Timer_Set(double seconds);
int Kov_Timer_Expired();

// The sand clock: 12 frames of "animsandclock.bmp" (32 x 62 each), drawn at
// (x, y) on the background colour. Step draws the next frame when 50 ms have
// passed since the last one (the first at once after Init), else nothing.
void Kov_Sandclock_Init(int x, int y, int colour);
void Kov_Sandclock_Step();

// ---- zoom and rubber band ----------------------------------------------------------------

// Steps and pause (milliseconds) of the zoom rectangle; negative steps bring
// back the defaults 10 and 15.
void Kov_Set_Zoom(int steps, int pause);
// Shows a rectangle moving from the first to the second in steps + 1 positions,
// each drawn in the inverting mode, shown for the pause and taken away again;
// the screen, the colour and the drawing mode are as before afterwards.
void Kov_Zoom_Rectangle(int x1, int y1, int x2, int y2, int X1, int Y1, int X2, int Y2);
// Takes the next mouse event and, while the left button is held, draws the
// rectangle from (x0, y0) to the mouse in the inverting mode; *x, *y become the
// last mouse position (NULL pointers are skipped). The screen is as before
// afterwards; the mouse is hidden meanwhile.
void Kov_Rubber_Band(int x0, int y0, int* x, int* y);

// ---- hit test ------------------------------------------------------------------------------

// The tolerance of Kov_Hit_Line in pixels (default 3).
void Kov_Set_Hit_Tolerance(int pixels);
int Kov_Get_Hit_Tolerance();
// 1 when (px, py) lies within the tolerance of the line (x1, y1)-(x2, y2) and
// not more than the tolerance beyond its ends' box; 0 for a line of length 0.
int Kov_Hit_Line(int x1, int y1, int x2, int y2, int px, int py);

// ---- saved box, picture sheet, buttons ---------------------------------------------------------

// Keeps the screen of the rectangle and paints it in the sheet background
// colour; a second save forgets the first. Restore puts the kept screen back
// (once).
void Kov_Save_Box(int x1, int y1, int x2, int y2);
void Kov_Restore_Box();

// Shows the picture (w x h pixels) centred in a sheet with the title and one
// button, and waits until the sheet ends.
void Kov_Show_Picture(const char* title, const char* bitmap, int w, int h);

// Gives a sheet button its plain frame and action state 0; with snap != 0 the
// pixels below become its face; with a comment that text becomes its tooltip.
void Kov_Reset_Button(int button, int snap, const char* comment);

// ---- stops and numbers ------------------------------------------------------------------------

// The host's message that memory ran out, then the end of the process with
// exit code 1.
[[noreturn]] void Kov_Out_Of_Memory_Stop();

// 1 for v >= 0, else -1.
int Kov_Sign(double v);

// ---- for tests ---------------------------------------------------------------------------------

// The clock of the timer and the sand clock in milliseconds (NULL: the
// monotonic clock). Returns the one before (NULL for the monotonic clock).
typedef int64_t (*KovScreenClockFct)();
KovScreenClockFct Kov_Screen_Set_Clock(KovScreenClockFct fct);
// Closes nothing on the screen: forgets every bar, the saved box, timer and
// sand clock; zoom and hit tolerance back to their defaults; the monotonic clock.
void Kov_Screen_Tools_Reset();
