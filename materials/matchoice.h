#pragma once
// Entries of the drop-down choices that the material library hands to the
// property-sheet framework. The entry itself (ChoiceEntry) and the view areas
// the library draws into (View_Area_Add_Bitmap) belong to the framework.
#include "sheets/viewarea.h"

// Entry of the panel-kind lists: the material kind the entry stands for.
struct KindChoiceEntry {
    int colour;
    const char* text;
    int kind;
};
