#pragma once
// The display side of the message collector ("base/kovmsg.h"): lines drawn
// into the current mask page, and a collected list shown on a page of its own
// (optionally with a check box), on the console or in the host's message
// window.
//
// Drawn lines: the leading caret codes choose the font ("^b" bold, "^p" the
// other font) and the line step ("^2" a half line); inside the line the byte
// 0xCE and a code letter open a part and the next 0xCE with its letter close
// it (letters in either case):
//   c   "<colour index> <text>": the text in that colour
//   b   the text as a framed label
// The text of any other code is not drawn.
//
// A display makes its mode the collector's output mode, and it stays so.
// Texts are code page 850. GUI thread only.

// Draws one line at the collector's draw position into the output area of
// the mask element calls and moves the position down by the line step.
void Msg_Draw_Line(const char* line);
// Makes Msg_Draw_Line the collector's drawer of output mode 4 (every display
// below does it too).
void Msg_Use_Page_Drawing(void);

// The background of the pages; -1 restores the default (255, 245, 220).
void Msg_Set_Page_Background(int colour);

// Shows the list in the display mode: 4 a page, 1 the console, any other the
// host's message window. Nothing (0) when the collector is off, the index lies
// outside 0..9 or the list is free. Returns the page's result in mode 4
// (1 confirmed, 0 not), else 0.
int Msg_List_Show(int index, int display_mode);
int Msg_Show_Current(int display_mode);
// The current list on a page with "Diesen Hinweis nicht nochmal anzeigen":
// 0 when the user ticked it, else 1 (also without a page when the collector is
// off or the list is free).
int Msg_Show_Hint_Page(void);
// The current list on a page with a check box labelled text: 1 when ticked,
// else 0 (also without a page when the collector is off or the list is free).
int Msg_Show_Page_With_Check(const char* text);
