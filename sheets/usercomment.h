#pragma once
// The user's comment for the output list: the sheet on which the user writes
// it, and wrapped text in a view area.
//
// Texts are code page 850. GUI thread only.

// Shows the comment sheet with text (the caller's, allocated as a text block
// of "base/kovtxt.h", may be NULL) under the title. Returns the text to keep:
// after "bestätigen" a new copy of what the user wrote (the old text is
// released with Txb_Free); after "abbrechen", Escape, the window's break
// button or when no input is left, text itself, untouched.
char* Kov_Edit_User_Comment(char* text, const char* title);

// Adds text, wrapped at width pixels in font (Pop_RFont flags), line by line as
// texts of the view area at (x, *y) in colour; *y grows by step for every
// line, empty ones included. Line feeds end lines.
void Kov_Add_Wrapped_Text(int area, int x, int width, int* y, const char* text, int font, int colour, int step);

// The sheet's centre back to the screen centre at the next use (for tests).
void Kov_User_Comment_Reset(void);
