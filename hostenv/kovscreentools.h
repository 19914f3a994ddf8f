#pragma once
// Small screen services of the host environment, drawn with the px calls of
// the host's user-interface library ("platform/kovscreen.h").

// Width in pixels of s in the font in force (the extent pxQTxX reports for the
// whole text, right minus left); 0 for NULL.
int Text_Width_Pixels(const char* s);
