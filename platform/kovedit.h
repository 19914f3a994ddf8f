#pragma once
// The short editors of the host's user-interface library: a one-line edit box
// laid over a field of a sheet or a view area, run with the mouse and keys of
// "platform/kovevent.h" until the user leaves it, drawn on the screen stand-in
// ("platform/kovscreen.h") in the normal sheet font. The screen under the box
// is put back when the edit ends; the caller redraws its field.
//
// The box at (x, y) is 21 pixels high; its text stands with the base line at
// y + 14 from x + 8. At the start the whole text is selected: the first typed
// character replaces it, Left, Right, Home and End keep it and move the cursor.
// Keys: printable bytes (code page 850), Backspace, Delete, Left, Right, Home,
// End; a click into the box puts the cursor there.
//
// How an edit ends, its result r and the last edit key:
//   Enter, Tab      commit; r = 13 resp. 9, so the caller goes on to the next field
//   Up, Down        commit; r = 0, last edit key 328 resp. 336 (row tables move rows)
//   Esc             the old value stays; r = 0, last edit key 27
//   a click outside commit; r = 0, last edit key 0; the press stays queued so
//                   that it takes effect where it was made
//   no input left   as a click outside (nothing queued)
// Committing an untouched text changes nothing (no value is rounded to its
// format by tabbing through a field).
#ifdef __cplusplus
extern "C" {
#endif

// Edits *value shown in the printf format of one double (e.g. "%8.2f"; a
// format that is not of that kind counts as "%g"). A decimal comma or point
// is accepted ("12,5" and "12.5" are 12.5), blanks around are ignored; a text
// that is no finite number keeps the old value. NULL value: r = 0, no edit.
int Short_Edit_Float(int x, int y, const char* format, double* value);

// Edits the text in buffer, showing visible characters at a time (a longer
// text scrolls sideways). The text holds at most the maximum length: the one
// set by Set_Short_Edit_Text_Scrollmode just before, else the visible length.
// Typing at the maximum is refused; the buffer is read and written only within
// maximum + 1 bytes (with its terminating zero), and only when the text was
// changed. The last value is kept for the host and not used.
int Short_Edit_Text(int x, int y, char* buffer, int visible, int flag);
// The maximum length of the next Short_Edit_Text call only.
void Set_Short_Edit_Text_Scrollmode(int maximum);

// The key that ended the last short edit (see above); clearing sets it to 0.
int Short_Edit_Last_Key(void);
void Short_Edit_Clear_Last_Key(void);

// The text of value in the format as the editors and the sheets' float fields
// show it (cut to fit n bytes with its terminating zero); the format checked as
// above. Returns the length written.
int Kov_Format_Float(const char* format, double value, char* out, int n);
// Reads a number as the editors do; 1 with *value set, 0 for no finite number.
int Kov_Parse_Float(const char* text, double* value);

#ifdef __cplusplus
}
#endif
