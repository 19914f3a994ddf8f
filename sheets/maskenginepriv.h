#pragma once
// What the mask engines share: the stack of open masks, the page areas with
// their view areas and row tables, the drawing of the current page and
// leaving. Used by mask.cpp and maskregsheet.cpp only.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "sheets/mask.h"

namespace maskengine {

const int kRegisterBase = 1000;
const int kAreaBase = 2000;
const int kSlider = 17;
const int kStatusBytes = 200;

// One nesting level of the mask stack. The slot stays for the whole run: the
// page-area records and MaskState point at its displacement pair, which the
// hover handler may still read after the mask of this level has returned, and
// the fixed-layout sheet starts on the page its slot kept from the last mask
// at this depth.
struct Level {
    int dx = 0, dy = 0; // kept up to date by the sheet while the mask is open

    MaskRecord* mask = nullptr; // none for the fixed-layout sheet
    MaskPage* pages = nullptr;
    int count = 0;
    bool registers = false; // the register engine with more than one page
    int current = 0;
    int shown_last = 0;
    std::vector<int> row_flag, row_table, member, escape, area;
    int reg = -1;
    int def = -1; // default button
    int left = 0, top = 0, right = 0, bottom = 0;
    int origin_x = 0, origin_y = 0;
    int bar_left = 0, bar_bottom = 0, tab = 0;
    int help_x = 0, confirm_x = 0;
    int areas_added = 0; // page-area records this mask added
};

struct Engine {
    bool centre_set = false;
    int centre_x = 0, centre_y = 0;
    // The fixed-layout sheet opens where it was left, apart from the others.
    bool sheet_centre_set = false;
    int sheet_centre_x = 0, sheet_centre_y = 0;
    int cancel_request = 0, confirm_request = 0, redraw_request = 0;
    int cursor_to_default = 1;
    int release_ints = 1;
    int depth = 0;
    std::vector<std::unique_ptr<Level>> slots;
};

Engine& engine();

// A text field of a caller's record, which need not be terminated.
std::string text_of(const char* field, size_t size);

// The page current when the last mask at this depth (0 = outermost) closed;
// 0 when no mask was open there yet.
int kept_page(int depth);

// A new innermost level for the sheet (left, top)-(right, bottom), current page
// 0, with its own registration level.
Level& push_level(MaskRecord* mask, int count, MaskPage* pages, int left, int top, int right, int bottom);

// The page area of page j in the rectangle, narrowed by the page's area
// fields: escape area, view area, the page-area record when record is set, row
// table.
void open_page_area(Level& l, int j, int left, int top, int right, int bottom, bool record);

// The register's selected tab drawn in the colour of the page below it and
// joined to the page's top edge.
void join_register_to_page(Level& l);

// A button with its comment (UTF-8, shown in code page 850).
int add_button(int x, int y, int id, const char* text, const int* raster, const char* comment);

// The register labels of a page at x, drawn on the screen in the colour,
// moved by (ox, oy).
void draw_labels_in_colour(const MaskPage& p, int x, int bar_bottom, int colour, int ox, int oy);

// The status line filled by fill into (x1, y1)-(x2, y2).
void draw_status(void (*fill)(char* buffer), int x1, int y1, int x2, int y2);

// The page shown last no longer takes events.
void switch_away(Level& l, int old);

// The current page into its view area.
void draw_current(Level& l);

// Converts and releases the level's registrations, closes its pages and the
// sheet and pops the level; the slot keeps the current page.
void leave(Level& l);

} // namespace maskengine
