#pragma once
// Buttons of the mask pages shown as pictures: a picture button with a click
// area, radio buttons and check boxes drawn as small pictures, the ready-made
// import, delete-all and explorer buttons of input pages, and the page about
// the program hints.
//
// The first three take the view area as an argument; the others add to the
// output area of MaskState ("sheets/maskstate.h"). A click stores the button's
// key into the caller's result, which the page's callbacks read. The pictures
// are files under DATA: "ZovGrImportButton.bmp", "ZovQ8.bmp", "deskbuts.bmp"
// and "but_hinweise_reaktivieren.bmp". Texts are code page 850.
//
// GUI thread only.
#include <stdint.h>

// Placed at x - w (halign 1), x - w/2 (halign 4) or x; y - h (valign 2),
// y - h/2 (valign 4) or y. Active: the picture, a click area and the hand
// cursor, returns 1; inactive: the inactive picture (when not NULL), returns 0.
int Mask_Add_Picture_Button(int area, double x, double y, double w, double h, int valign, int halign,
                            const char* picture, const char* inactive_picture, int key_colour, intptr_t key,
                            intptr_t* result, int active);
// A radio button without label at x + 20 under a 12 x 12 picture at (x, y - 10)
// chosen by its state (*selection == key) and *active.
void Mask_Add_Picture_Radio(int area, double x, double y, int key, int* selection, const char* selected,
                            const char* unselected, const char* selected_inactive, const char* unselected_inactive,
                            int* active);
// The same for a check box on *value.
void Mask_Add_Picture_Check_Box(int area, double x, double y, int* value, const char* on, const char* off,
                                const char* on_inactive, const char* off_inactive, int* active);
// A button that deletes all load combinations, with its label; returns the
// label's width, the (negative) output area without one.
int Mask_Add_Delete_All_Button(int x, int y, const char* comment, int key, int* result, int* active);
// Imports from a component of the host; active only while the force-selection
// tool is installed. label NULL: the default text. Returns the width taken.
int Mask_Add_Component_Import_Button(int x, int y, const char* label, int key, int* result, int* active);
// Imports from an ASCII file. label NULL: the default text. Returns the width taken.
int Mask_Add_File_Import_Button(int x, int y, const char* label, int key, int* result, int* active);
// Opens the file explorer; the button is 38 x 38. Returns 0.
int Mask_Add_Explorer_Button(int x, int y, int key, int* result, int* active);

// The program hints page in a view area width pixels wide: how many of the
// four switches (1 shown, 0 off) are off, and a button that switches all of
// them on again at the next drawing.
void Mask_Draw_Hints_Page(int view_area, int* switches, int width);
// The hints button's result back to 0 (for tests).
void Mask_Hints_Reset();
