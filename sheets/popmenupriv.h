#pragma once
// The layout of the popup menus, relative to the menu's top-left corner, from
// the measured widths (for the menus and their tests).

namespace popmenu {

struct Layout {
    long long width = 0, height = 0;
    long long first_x = 0, first_y = 0; // the first button
    long long step_x = 0, step_y = 0;   // from one button to the next
    long long title_x = 0;              // the title, drawn again at title_x + title_dx
    int title_dx = 0;
    long long title_y = 0;                                            // its base line
    long long strip_x1 = 0, strip_y1 = 0, strip_x2 = 0, strip_y2 = 0; // the picture strip
    long long mouse_x = 0, mouse_y = 0;                               // where the cursor goes the first time
};

// count buttons of w x h, a title tw pixels wide, font height fh.
Layout row_layout(int count, int w, int h, int tw, int fh);
// The same one below the other; label_widths holds count widths
// (NULL: none; a negative width: no label).
Layout column_layout(int count, int w, int h, int tw, const int* label_widths, int fh);

} // namespace popmenu
