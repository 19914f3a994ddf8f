#pragma once
// Graphics blocks of the output list ("#SHOWGRAFIC") and the plot file of the
// plan viewer. One current graphic and one plot file per process (module state).
#include <cstdio>

// A colour, each component 0..255, passed by value.
struct OliRgb {
    int r;
    int g;
    int b;
};

// The one current graphic of the process.
struct OliGraphicState {
    FILE* stream;            // output-list stream of the current block (NULL: nothing written)
    FILE* saved_stream;      // one level of Oli_Graphic_Redirect
    double scale_x;          // block units per world unit along x
    double scale_y;          // ... along y
    double max_scale;        // the larger of the two
    double rotation;         // radians; world points are turned by -rotation
    double text_angle;       // radians, relative to the world axes
    double saved_rotation;   // one push level
    double saved_text_angle;
    int x_code;              // 1 x runs up, 3 x runs down
    int y_code;              // 0 y runs up, 2 y runs down
    int mirrored;            // 1 when y runs down
    double orientation_sign; // +1 both axes alike, -1 otherwise
    double mirror_sum;       // y1 + y2 of the block head
    int alternation;         // toggle of the dimension line
    int colour_output;       // 0: colour records write colour 0, fills suppressed
    int extended;            // 1: extended opcodes 50..53, 59..62
    int dim_flags;           // read by the dimension line
    OliRgb line_colour;      // base line colour
    double line_lightness;   // percent
    OliRgb fill_colour;      // base fill colour
    double fill_lightness;   // percent
    int pattern;             // last pattern number written
    double ext_min_x, ext_min_y, ext_max_x, ext_max_y; // world extents drawn
    int level;               // output-list level
};

// Output-list level: above 334 texts go through the paragraph writer.
int Oli_Get_Level(void);
void Oli_Set_Level(int level);
