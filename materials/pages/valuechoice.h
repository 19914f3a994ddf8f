#pragma once
// A drop-down choice of coloured entries in a view area that gives back the
// value belonging to the chosen entry.
#include <cstdint>

#include "sheets/viewarea.h"

// One row behind an entry of the choice: the entry's colour (a palette
// index), a field kept for the row's owner and not read here, and the value
// the row stands for.
struct ValueChoiceRow {
    int colour;
    int32_t reserved;
    int value;
};

// Copies rows[i].colour into entries[i].colour for the count rows (the
// entries' texts stay the caller's), adds the choice to the view area with
// View_Area_Add_Choice and returns rows[*selected].value. Refuses with -1 and
// adds nothing when count is 100 or more (or below 1), when selected is NULL
// or *selected lies outside 0..count-1, or when rows or entries is NULL.
int Choice_Add_With_Values(unsigned area, int x, int y, const ValueChoiceRow* rows, ChoiceEntry* entries, int font,
                           int width_chars, int count, int* selected, int* active);
