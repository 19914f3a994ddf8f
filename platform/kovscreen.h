#pragma once
// The screen of the host's user-interface library: one pixel canvas of
// NPIXEL_X x NPIXEL_Y (default 1024 x 768; KOV_SCREEN=WxH, e.g. "1280x800",
// read at start and by Kov_Ui_Reset) on which the sheets draw with the px
// calls. The canvas exists in every mode; interactive mode shows it in a
// window (through the hooks below), tests read its pixels. Every call may be
// made from any thread (the spinner draws from its own); in scripted mode every
// call is also written to the log of "platform/kovscript.h".
//
// Coordinates are screen pixels with y downwards; corners are inclusive and may
// be given in any order; any int is accepted and clipped to the viewport and
// the screen. Texts are code page 850.
//
// Colours are palette indices. The palette is the whole RGB cube: the index of
// (r, g, b) is (r << 16) | (g << 8) | b. Negative indices are the colours of
// the environment (GetKOVColor gives their RGB index; pxFgc accepts either):
//   -1  sheet background            (240, 240, 240)
//   -2  desktop                     ( 58, 110, 165)
//   -3  light 3-D edge              (255, 255, 255)
//   -4  3-D shadow                  (160, 160, 160)
//   -5  dark 3-D shadow             (105, 105, 105)
//   -6  label, read-only highlighted(  0,  64, 160)
//   -7  title bar                   (  0,  84, 147)
//   -8  title text                  (255, 255, 255)
//   -9  label                       (  0,   0,   0)
//   -10 grey (inactive) text        (128, 128, 128)
// Any other negative index is black.
//
// Fonts (flags of Pop_RFont, Set_RFont, pxSFnt): the bit 2 chooses the small
// font, the bit 0x10000 bold; all other bits keep the face. Normal: 8 pixels a
// character, height 13 (ascent 10, descent 3); small: 6 pixels, height 10
// (ascent 8, descent 2). A text's base line is the y given to pxText.
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- screen, palette, environment colours ------------------------------ */

extern int NPIXEL_X;
extern int NPIXEL_Y;

// Indices of black, white, the button face (225, 225, 225) and the menu
// background (250, 250, 250).
extern int BLACK_CI;
extern int WHITE_CI;
extern int BUTTON_CI;
extern int MENUE_CI;

// The index of the colour; each part limited to 0..255. Both are the same.
int Nearest_RGB_Color(int r, int g, int b);
int Nearest_Color_Index(int r, int g, int b);
// The RGB index of an environment colour (negative index); a non-negative
// index is given back unchanged.
int GetKOVColor(int index);
// The parts of a colour index (any pointer may be NULL).
void pxQCR(int index, int* r, int* g, int* b);

/* ---- drawing state ----------------------------------------------------- */

// Foreground colour of lines, fills, texts and masks; pxQFgc gives it back as set.
void pxFgc(int color);
int pxQFgc(void);
// Background colour of pxCls.
void pxBgc(int color);
// The viewport: every drawing is clipped to it. pxQVwp gives it back as set
// (NULL pointers skipped). The whole screen after a reset.
void pxView(int x1, int y1, int x2, int y2);
void pxQVwp(int* x1, int* y1, int* x2, int* y2);
// Drawing mode: 0 copies the colour, 3 inverts every pixel drawn whatever the
// colour (a second drawing restores it exactly), 1 ors and 2 ands the colour.
void pxSBop(int mode);
// Line style: 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 the pattern of pxSULn.
// The pattern runs on over the following lines and starts anew with each call.
void pxSLn(int style);
// A 32-pixel line pattern (most significant bit first) becomes the style.
void pxSULn(unsigned int pattern);
// A 16 x 16 fill pattern (one int a row, low 16 bits, most significant of them
// leftmost, anchored to the screen) for pxRect and pxFill; 0-bits are left as
// they are. pxSFA(0) goes back to solid fills, any other value to the pattern.
void pxSUFA(const int rows[16]);
void pxSFA(int mode);
// Drawing buffer: the canvas is the one buffer; the state is kept for the
// caller. Returns the state in force before the call.
int pxBuff(int state);
// The drawing is complete: the window shows it.
void pxFlsh(void);
// Fills the viewport with the background colour.
void pxCls(void);

/* ---- primitives -------------------------------------------------------- */

void pxLine(int x1, int y1, int x2, int y2);
// A line of the thickness (1 and less: pxLine, solid).
void pxTkLn(int x1, int y1, int x2, int y2, int thickness);
void pxDot(int x, int y);
// Filled rectangle between two corners (fill pattern applies).
void pxRect(int x1, int y1, int x2, int y2);
// Filled polygon of n points, its outline included (fill pattern applies);
// fewer than 3 points draw nothing.
void pxFill(int n, const int* xs, const int* ys);
// A one-colour picture in (x1, y1)-(x2, y2): rows from the top, bytes_per_row
// bytes each, the most significant bit leftmost; 1-bits in the foreground
// colour, 0-bits left as they are.
void pxMask(int x1, int y1, int x2, int y2, const void* bits, int bytes_per_row);

/* ---- fonts and texts --------------------------------------------------- */

// The font stack: Pop_RFont selects flags and keeps the font in force,
// Push_RFont gives it back (nothing when none is kept). Set_RFont and pxSFnt
// select without keeping.
void Pop_RFont(int flags);
void Push_RFont(void);
void Set_RFont(int flags);
void pxSFnt(int flags);
// Of the font in force: line height, character width and the space after it.
extern int RFONT_HEIGHT;
extern int RFONT_WIDTH;
extern int RFONT_SPACE;

// len bytes of text (negative: up to the terminating zero), base line at y.
void pxText(int x, int y, const char* text, int len);
// Text in a box. code 0x100/0x200/0x400 turns it by 90/180/270 degrees
// (counter-clockwise). With 0xC0 in the low byte, 1/2/4 align it left,
// centred, right and 0x08/0x10/0x20 bottom, middle, top in the box; otherwise
// its base line starts at (x1, y1).
void pxBTxt(int x1, int y1, int x2, int y2, const char* text, int len, int code);
// The extent of the text in the current font: extent[0] left, extent[1] right
// (right - left is its width, 8 pixels a byte in the normal font). Returns the
// width; extent may be NULL.
int pxQTxX(const char* text, int len, int* extent);

// Graphic texts, scaled and turned: character height in pixels, width of a
// character as a fraction of the height, spacing between characters as a
// fraction of the height, direction of the base line in radians
// (counter-clockwise; the second value is not used).
void pxChH(double height);
void pxExpF(double factor);
void pxSpac(double spacing);
// The angle of graphic texts: pi reads left to right, pi/2 upwards, 0 is
// upside down (the text of a line of angle w is drawn at pi - w).
void pxOrnt(double angle, double unused);
// A graphic text aligned on the box like pxBTxt (0xC0 codes; bottom is the
// base line); otherwise its base line starts at (x1, y1).
void pxGBTt(int x1, int y1, int x2, int y2, const char* text, int len, int code);
// The graphic text's box placed at (0, 0), left end of the base line: its
// corners (lower left, lower right, upper right, upper left; either array may
// be NULL) and extent = {left, right, top, bottom}.
void pxQGTX(const char* text, int len, int* xs, int* ys, int* extent);

/* ---- pictures ---------------------------------------------------------- */

// BMP files (a relative name is looked up under the directory of DATA first),
// read once and kept. A missing picture draws nothing (reported once on
// standard error). No scaling: the picture is cut at the rectangle.
// The key colour (r, g, b; a negative part: none) stays transparent; the two
// values before it are not used. Each returns 1 when drawn, 0 otherwise.
int pxDrawDIB(const char* file, int x1, int y1, int x2, int y2, int a, int b);
int pxDrawTransparentDIB(const char* file, int x1, int y1, int x2, int y2, int a, int b, int r, int g, int bl);
// The part of the picture from (sx1, sy1) in the size of the destination,
// cut at the picture's edge (sx2, sy2 are not used).
int pxDrawPartialTransparentDIB(const char* file, int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2, int y2,
                                int a, int b, int r, int g, int bl);

// 1 when the picture file lies where the px picture calls look for it (it may
// still be no picture); the check of a caller choosing between two pictures.
int Kov_Ui_Picture_Found(const char* file);

// A picture in the host's own vector format (".RPC") at the two values. The
// stand-in does not read that format: the call is logged, nothing is drawn,
// and the result is 0.
int Draw_RPC_File(const char* file, int a, int b);

// Tree-view images: Make_TreeViewImage reads a picture file with a key colour
// index (negative: none) and returns a handle (0 when it cannot be read);
// Draw_TreeViewImage draws it centred on (x, y) (the state is not used).
intptr_t Make_TreeViewImage(const char* file, int key_color);
void Draw_TreeViewImage(intptr_t image, int x, int y, int state);

/* ---- saving screen parts ----------------------------------------------- */

// Keeps the pixels of the rectangle (cut at the screen); returns a handle > 0
// for Restore_Screen_Rectangle, which puts them back and releases the handle.
intptr_t Save_Screen_Rectangle(int x1, int y1, int x2, int y2);
void Restore_Screen_Rectangle(intptr_t handle);
// The same into a caller's buffer: pxQSvR gives the bytes needed, pxSvRc
// saves (1; 0 when the buffer is too small), pxStRc puts the pixels back (1;
// 0 for a buffer whose header does not fit its size).
int pxQSvR(int x1, int y1, int x2, int y2);
int pxSvRc(int x1, int y1, int x2, int y2, void* buffer, int size);
int pxStRc(const void* buffer, int size);

/* ---- mouse cursor, process windows ------------------------------------- */

// Mouse cursor shapes (0 arrow, 6 busy, 18 hand); current gives the shape.
void setMouseCursor(int shape);
int currentMouseCursor(void);

// Brings the window of a process started in mode 2 to the front (how: 4 =
// restore and activate): the window the process registered (see
// FindKOVWindow), where the window system lets a program raise another's
// window; elsewhere nothing happens, and the first such call says so on
// standard error. Returns 1 when the process runs, 0 otherwise.
int ShowKOVProcessWindow(int pid, int how);

/* ---- tests and the window ---------------------------------------------- */

// The colour 0xRRGGBB of a screen pixel, -1 outside the screen.
int Kov_Ui_Pixel(int x, int y);
// Writes the screen as a PNG file; 1 when written.
int Kov_Ui_Save_Png(const char* path);
// A fresh screen: size from KOV_SCREEN, desktop colour, every drawing state,
// saved rectangle, font and picture back to its start; the event queue and the
// mouse words of "platform/kovevent.h" as well.
void Kov_Ui_Reset(void);

// The window that shows the screen (interactive mode) installs these: changed
// after pxFlsh (from any thread), show when a sheet makes the screen visible
// or hides it, cursor when the mouse cursor's shape changes. Any may be NULL.
// raise brings the window with the title (UTF-8) to the front where the
// window system allows it: 1 when asked, 0 when it cannot.
typedef struct KovScreenHooks {
    void (*changed)(void);
    void (*show)(int visible);
    void (*cursor)(int shape);
    int (*raise)(const char* title);
} KovScreenHooks;
void Kov_Screen_Set_Hooks(const KovScreenHooks* hooks);
// Shows (1) or hides (0) the screen's window, when one is installed.
void Kov_Screen_Show(int visible);
// Hides the screen's window unless a sheet or the message window is still on
// the screen (interactive mode); for a wait that showed the screen itself.
void Kov_Screen_Release(void);

#ifdef __cplusplus
}
#endif
