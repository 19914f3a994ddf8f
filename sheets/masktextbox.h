#pragma once
// A text in a rectangle of the screen, drawn directly with the screen
// primitives: optional frame, optional background, aligned by a pxBTxt code.
// Leaves the drawing colour and the viewport as it found them.
//
// back_colour -10000: no background; text_colour -10000 or text NULL: no text;
// font < 0: the current font; frame_style <= 0: no frame.
enum { MASK_TEXT_BOX_NONE = -10000 };

void Mask_Draw_Text_Box(int x1, int y1, int x2, int y2, const char* text, int align, int frame_style, int font,
                        int text_colour, int back_colour);
