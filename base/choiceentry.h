#pragma once
// Entries of the drop-down choices: plain records that the engine libraries
// build (grade, fastener and product lists) and the property-sheet framework
// shows. A choice table is a contiguous array of them.

// One entry of a drop-down choice.
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
