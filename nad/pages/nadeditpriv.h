#pragma once
// Pieces shared by the annex editor pages: their colours, the bar that heads
// a section and the framed rows of the clause tables.
#include "hostenv/kovscreentools.h"
#include "platform/kovcp.h"
#include "platform/kovscreen.h"
#include "sheets/viewarea.h"

namespace nadedit_priv {

enum {
    FONT_NORMAL = 0x1000,
    FONT_SMALL = 0x1002,  // row texts and subscripts
    FONT_TITLE = 0x11000, // section titles and the head row of a table
    FONT_CAPTION = 0x41006
};

// The colours of the clause tables, looked up once.
struct Colours {
    int cell; // the cell frames (234, 255, 251)
    int bar;  // the section bars (205, 254, 244)
    int grey; // (130, 130, 130)
};
inline const Colours& colours()
{
    static const Colours c = {Nearest_RGB_Color(234, 255, 251), Nearest_RGB_Color(205, 254, 244),
                              Nearest_RGB_Color(130, 130, 130)};
    return c;
}

// Section titles answer clicks whatever the editable switch says.
inline int* always_active()
{
    static int one = 1;
    one = 1;
    return &one;
}

// The bar of a section (x 4..382, from y - 13 to y + 6) with its title as a
// check box at (26, y) bound to the section's expanded switch.
inline void section_bar(unsigned area, int y, const char* utf8_title, int* expanded)
{
    View_Area_Add_Filled_Box(area, 4, y - 13, 382, y + 6, colours().bar);
    View_Area_Add_Check_Box(area, 26, y, cp850(utf8_title), FONT_TITLE, BLACK_CI, expanded, always_active());
}

// A texts drawn in the frames of a row: the glyph byte (0xC0 gamma and the
// like) at x and its subscript in the small font two pixels lower at x + 8.
inline void symbol(unsigned area, int x, int y, const char* glyph, const char* subscript)
{
    View_Area_Add_Text(area, x, y, glyph, FONT_NORMAL, BLACK_CI, 0);
    if (subscript && *subscript) View_Area_Add_Text(area, x + 8, y + 2, subscript, FONT_SMALL, BLACK_CI, 0);
}

// The width of a text in the sheet font.
inline int text_width(const char* text, int font)
{
    Pop_RFont(font);
    const int w = Text_Width_Pixels(text);
    Push_RFont();
    return w;
}

// A subscript right after a text that stands at (x, y), two pixels lower.
inline void subscript_after(unsigned area, int x, int y, const char* text, int font, const char* subscript)
{
    View_Area_Add_Text(area, x + text_width(text, font), y + 2, subscript, FONT_SMALL, BLACK_CI, 0);
}

// A row of the EC2, EC6 and EC9 clause tables: the clause and the explanation
// cells framed in band (x 4..56 and 200..382, from y - 5 to y + height; no
// frames for height 0), the clause at x 10, the symbol at 67 and the
// explanation at 206. Returns the top of the next row.
inline int band_row(unsigned area, int band, int y, int height, const char* clause, const char* symbol,
                    const char* explanation, int font)
{
    if (height) {
        View_Area_Add_Filled_Box(area, 4, y - 5, 56, y + height, band);
        View_Area_Add_Filled_Box(area, 200, y - 5, 382, y + height, band);
    }
    if (clause && *clause) View_Area_Add_Text(area, 10, y, clause, font, BLACK_CI, 0);
    if (symbol && *symbol) View_Area_Add_Text(area, 67, y, symbol, font, BLACK_CI, 0);
    if (explanation && *explanation) View_Area_Add_Text(area, 206, y, explanation, font, BLACK_CI, 0);
    return y + height;
}

} // namespace nadedit_priv
