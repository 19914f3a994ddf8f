#pragma once
// The annex library's own sheets on the host's screen: the selection sheet
// "Nationale Anwendungsdokumente" with the annex list and its flags, the
// warning "Warnung" for an annex that is not in the list, and the display
// options "Darstellungsoptionen" that choose the program whose annex rules the
// annex pages show.
//
// Each sheet is modal: it is built, runs its loop and is removed before the
// call returns. Each remembers its centre for the whole run (the first opening
// centres it on the screen). With no input left (a batch run, an empty test
// queue) a sheet ends as if cancelled.
//
// Pictures: "NAD\EuroFlags.bmp" (flag i at y 19i, 26 x 19) and
// "NAD\Buttons.bmp" under the directory of DATA. With DATA unset no flag is
// drawn.

// Runs the selection sheet: a click on a row chooses that annex, the header's
// button runs the annex editor "NAD-Pflege" from EXEC and lists anew, OK keeps
// the choice and cancel goes back to the annex active before. Returns the
// result of activating the annex then active (1 its file was read, 0 the
// recommended values).
int Nad_Select_Sheet();
// The same under a second name.
int Nad_Open_Select_Sheet();

// (Re)draws the annex list into the view area of the selection sheet; a name
// clicked since the last drawing becomes the active name first.
void Nad_Draw_List(unsigned area);

// Draws the flag of row *flag_index of the flag strip at (x1, y1) (a list
// row's drawn box; x2 and y2 are not used).
void Nad_Draw_List_Flag(int x1, int y1, int x2, int y2, int* flag_index);
// The flag of the annex found by the last activation at (x, y).
void Nad_Draw_Active_Flag(int x, int y);
void Nad_Show_Active_Flag(int x, int y);

// The warning that the annex requested is not in the list and active is in
// its place. Its button leads to the selection sheet, whose result it returns;
// 0 otherwise. In a batch run the lines go to standard error and no sheet is
// shown (0).
int Nad_Warning_Sheet(const char* requested, const char* active);

// Runs "Darstellungsoptionen": all rules or those of one program of the
// program list. 1 after "ok" (the choice is in force), 0 after cancelling
// (the selection is as before).
int Nad_Display_Options_Sheet();

// Forgets the remembered centres (tests).
void Nad_Reset_Sheets();

namespace nadsheets_detail {
void Reset_Options_Sheet();
}
