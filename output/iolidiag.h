#pragma once
// Diagrams of the graphics blocks: values along a member, charts with axes and
// scales, and value distributions over a height.
#include <cstdio>

// ---- member value diagrams ---------------------------------------------------------------

// A diagram of values along the member P1P2. The record owns its two arrays
// (counted allocator).
struct OliMemberDiagram {
    char name[12];      // not drawn
    int colour;         // area and ordinates; negative: no colour record
    double x1, y1;      // start of the member (world)
    double x2, y2;      // end of the member (world)
    int reference_line; // not 0: a dashed line beside the member
    int spare;          // kept and copied, not drawn
    int count;          // number of stations
    double* positions;  // distance of each station from P1 (world)
    double* values;     // value at each station
    double factor;      // world length of the ordinate per unit of value
    double text_offset; // value labels beyond the diagram line (paper units)
    int decimals;       // of the value labels, 0..15
    int flip;           // not 0: values drawn against the local y axis
};

// Initial values (colour 11, reference line, spare 2, factor 1, text offset 0.3,
// 2 decimals, flip); for n > 0 both arrays with n zeros, else NULL. Arrays held
// before are not released.
void Oli_Member_Diagram_Init(OliMemberDiagram* d, int n);
// Copies every field; the arrays are resized and copied, or released (NULL)
// when src holds no station.
void Oli_Member_Diagram_Copy(OliMemberDiagram* dst, const OliMemberDiagram* src);
// Releases both arrays (NULL afterwards).
void Oli_Member_Diagram_Free(OliMemberDiagram* d);
// Draws the diagram: filled area with its outline, an ordinate per station,
// value labels at the ends and at every change of slope with a sign mark there,
// the member line and the optional reference line.
void Oli_Graphic_Member_Diagram(const OliMemberDiagram* d);

// ---- charts ------------------------------------------------------------------------------

// A chart: paper size and margins, value ranges, directions, tick steps, grid and
// titles. x_mode 1: x runs to the right (3: to the left with the title aligned
// the other way, else to the left); y_mode 0: y runs upward (2: downward with the
// title's vertical alignment moved, else downward).
struct OliChart {
    double width, height;
    double margin_top, margin_right, margin_bottom, margin_left;
    double x_min, x_max;
    double y_min, y_max;
    int x_mode;
    int y_mode;
    double x_step; // 0 or less: no x ticks
    double y_step; // 0 or less: no y ticks
    int grid;
    char x_title[100];
    char y_title[100];
};

// The initial chart: 5 x 5 with margins 0.5, both axes 0..100, no ticks.
OliChart* Oli_Chart_Init(OliChart* c);
// Opens a block on stream whose world units are the chart's values and draws the
// axes, titles, ticks and labels. 0: open; 1: a range is empty, nothing written,
// and Oli_Chart_End / Oli_Chart_Curve stay silent until a chart opens.
int Oli_Chart_Begin(FILE* stream, const OliChart* c);
// Ends the chart's block (" -1").
void Oli_Chart_End(void);
// A complete small block of width x height paper units with both axes through 0
// and the polyline of the n points (x_dir 1: x to the right, y_dir 0: y up).
// Nothing when all x or all y are 0.
void Oli_Chart_Curve(FILE* stream, int n, const double x[], const double y[], int x_dir, int y_dir, double width,
                     double height);

// ---- value diagrams ------------------------------------------------------------------------

// The values at the stations (upward) drawn to the right in the rectangle (world
// units of a graphic whose world units are paper units), with a scale along the
// top, the side title and the optional bottom title of text height h. 2 to 100
// stations. Constant values set the caller's first and last value to 0.
// Returns 1 when drawn, 0 when the input cannot be drawn (nothing written).
int Oli_Graphic_Value_Diagram(double x_left, double y_bottom, double x_right, double y_top, const double* stations,
                              double* values, int n, const char* side_title, const char* bottom_title, double h);
// The same with the stations evenly spaced from bottom to top (s_first and
// s_last must be at least 0.1 apart).
int Oli_Graphic_Value_Diagram_Even(double x_left, double y_bottom, double x_right, double y_top, double s_first,
                                   double s_last, double* values, int n, const char* side_title,
                                   const char* bottom_title, double h);
