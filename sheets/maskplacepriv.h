#pragma once
// What the picture buttons and the hover buttons share: where a button placed
// by its alignment lies, and the record of the last element added.
#include <cmath>

#include "sheets/maskstate.h"

namespace maskplace {

// Left and top of a w x h button at (x, y): halign 1 right-aligned, 4 centred;
// valign 2 bottom-aligned, 4 centred; otherwise (x, y) is the top-left corner.
// Offsets truncate toward zero, as the element rectangles of the other calls do.
inline void place(double x, double y, double w, double h, int valign, int halign, int* left, int* top)
{
    double x1 = x, y1 = y;
    if (halign == 1)
        x1 = x - w;
    else if (halign == 4)
        x1 = x - std::trunc(w / 2);
    if (valign == 2)
        y1 = y - h;
    else if (valign == 4)
        y1 = y - std::trunc(h / 2);
    *left = int(x1);
    *top = int(y1);
}

inline void set_last_element(int left, int top, int right, int bottom, int active)
{
    MaskState& m = g_mask_state;
    m.last_left = left;
    m.last_top = top;
    m.last_right = right;
    m.last_bottom = bottom;
    m.last_active = active;
}

} // namespace maskplace
