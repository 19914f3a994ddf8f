#pragma once
// The wait box: the host's message window with the line
// "................... Bitte etwas Geduld ...................", the spinner of
// "hostenv/kovtools.h" above it and a status line below that the caller
// rewrites while a long operation runs. Nothing happens while message output
// is off (Msg_Off of "base/kovmsg.h").
//
// Texts are code page 850. The caller's thread writes the status line, the
// spinner draws on a thread of its own.
#include "base/kovmsg.h"

// Formats the status line (at most 255 characters) and shows it, opening the
// box first when it is not shown.
void Wait_Box_Printf(const char* fmt, ...) KOV_MSG_PRINTF_LIKE(1, 2);
// The same, but only while the box is shown.
void Wait_Box_Update(const char* fmt, ...) KOV_MSG_PRINTF_LIKE(1, 2);
// Stops the spinner (its thread has ended when the call returns) and removes
// the message window.
void Wait_Box_Close();

// 1 while the box is shown; for tests.
int Wait_Box_Shown();
