// The framed text box of the mask engines' status line.
#include "sheets/masktextbox.h"

#include "platform/kovpropsheet.h"
#include "platform/kovscreen.h"

#include <cstring>

void Mask_Draw_Text_Box(int x1, int y1, int x2, int y2, const char* text, int align, int frame_style, int font,
                        int text_colour, int back_colour)
{
    const int fg = pxQFgc();
    int vx1 = 0, vy1 = 0, vx2 = 0, vy2 = 0;
    pxQVwp(&vx1, &vy1, &vx2, &vy2);
    pxView(x1, y1, x2, y2);
    int m = 0;
    if (frame_style > 0) {
        Draw_Funny_Area_to_PS(frame_style, x1, y1, x2, y2, 0);
        m = frame_style <= 2 ? 1 : 2;
        pxView(x1 + m, y1 + m, x2 - m, y2 - m);
    }
    if (back_colour != MASK_TEXT_BOX_NONE) {
        pxFgc(back_colour);
        pxRect(x1 + m, y1 + m, x2 - m, y2 - m);
    }
    if (text && text_colour != MASK_TEXT_BOX_NONE) {
        if (font >= 0) Pop_RFont(font);
        pxFgc(text_colour);
        const int left = frame_style > 0 ? x1 + m + 3 : x1;
        const int right = frame_style > 0 ? x2 - m - 1 : x2;
        pxBTxt(left, y1 + m, right, y2 - m, text, int(std::strlen(text)), align);
        if (font >= 0) Push_RFont();
    }
    pxFgc(fg);
    pxView(vx1, vy1, vx2, vy2);
    pxFlsh();
}
