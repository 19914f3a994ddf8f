#pragma once
// Entries of the drop-down choices that the material library hands to the
// property-sheet framework, and the one element of the framework's view areas
// that the library draws into.

// One entry of a drop-down choice: colour index and text. A choice list is a
// contiguous array of entries.
struct ChoiceEntry {
    int colour;
    const char* text;
};

// Entry of the panel-kind lists: the material kind the entry stands for.
struct KindChoiceEntry {
    int colour;
    const char* text;
    int kind;
};

// Appends a picture from a bitmap file (a path below the data directory) to a
// view area, drawn into the rectangle with key_colour transparent; returns the
// next free y of the area. Provided by the property-sheet framework.
int View_Area_Add_Bitmap(unsigned area, const char* file, int x1, int y1, int x2, int y2, int key_colour);
