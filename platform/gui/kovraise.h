#pragma once
// Raising another program's window (X11 only).

// Brings the top-level window whose title matches (UTF-8, compared as the
// window markers name titles: '/' and '\' as '_', without regard to case) to
// the front. 1 when a window was found and asked to come forward; 0 when
// there is none or the desktop is no X11 display.
int Kov_Raise_Window_Titled(const char* title);
