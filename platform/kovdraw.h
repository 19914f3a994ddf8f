#pragma once
// Drawing primitives of the host's user-interface library, as far as the
// libraries draw directly on the screen (the wait box of a host tool, the
// spinner). There is no screen of the host here: every call is written to the
// scripted log (see "platform/kovscript.h") and otherwise does nothing, so tests
// can see what would have been drawn. Safe to call from any thread.
//
// Coordinates are screen pixels with y downwards; colours are palette indices
// from Nearest_RGB_Color; texts are code page 850.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Screen size in pixels.
extern int NPIXEL_X; // 1920
extern int NPIXEL_Y; // 1080

// The palette index nearest to the colour. The stand-in's palette is the whole
// RGB cube: the index is (r << 16) | (g << 8) | b, each part limited to 0..255.
int Nearest_RGB_Color(int r, int g, int b);
// The same index under the name the output-list library's colour tables use.
int Nearest_Color_Index(int r, int g, int b);
// Palette index of the face colour of buttons (light grey 192, 192, 192).
extern int BUTTON_CI;

// Foreground colour of the following drawing calls.
void pxFgc(int color);
// Line, rectangle outline and filled rectangle between two corners.
void pxLine(int x1, int y1, int x2, int y2);
void pxRect(int x1, int y1, int x2, int y2);
void pxFill(int x1, int y1, int x2, int y2);
// Text at (x, y); len bytes of text (negative: the whole text).
void pxText(int x, int y, const char* text, int len);
// Width in pixels of len bytes of text (negative: all) in the current font;
// the stand-in counts 8 pixels a byte. 0 for NULL.
int pxQTxX(const char* text, int len);
// Makes the drawn picture visible.
void pxFlsh(void);
// Drawing buffer: state -1 draws into the back buffer; any other value is a
// state given back. Returns the state in force before the call.
int pxBuff(int state);

// Saves the screen under the rectangle; returns a handle (> 0) for
// Restore_Screen_Rectangle, which puts the screen back and releases the handle.
intptr_t Save_Screen_Rectangle(int x1, int y1, int x2, int y2);
void Restore_Screen_Rectangle(intptr_t handle);

// The part (sx, sy, sw, sh) of a bitmap file drawn into (x1, y1)-(x2, y2); the
// last five values choose the transparent colour and how it is applied (the
// host's options). Returns 1.
int pxDrawPartialTransparentDIB(const char* file, int sx, int sy, int sw, int sh, int x1, int y1, int x2,
                                int y2, int t1, int t2, int t3, int t4, int t5);

// Fonts: Pop_RFont(flags) selects the font for the following measuring or
// drawing, Push_RFont() gives the previous one back.
void Pop_RFont(int flags);
void Push_RFont(void);

// Mouse cursor shapes (0 the arrow, 6 the hour-glass); current gives the shape
// in force.
void setMouseCursor(int shape);
int currentMouseCursor(void);

// Brings the window of a process started in mode 2 to the front (how: 4 =
// restore and activate). Returns 1 when the process runs, 0 otherwise.
int ShowKOVProcessWindow(int pid, int how);

#ifdef __cplusplus
}
#endif
