#pragma once
// Drawing composites of the graphics blocks: symbols and markers, the
// reinforcement layer label, arrows and arrow rows, fastener symbols, leader
// labels and hatched bands.
//
// Every composite draws through the primitives of output/ioliplot.h, so it goes
// into the current block and, while one is open, into the plot file. All but
// the bold text are framed by the push and pop of the graphic state: rotation,
// text angle and the plot pen, filling, line type and font come back afterwards,
// while the style records written inside (line class, dash, width, colour, text
// height, font) stay in force in the block. Filled arrowheads, triangles and
// areas are drawn only while colour output is on.
//
// Unless a comment says "world units", sizes are paper units of the graphic
// (world length times its scale). Texts are code page 850 and are written as
// given: a "%" in a caller's text prints as "%".
#include "output/ioliplot.h"

// ---- symbols and markers ----------------------------------------------------------------

// Two arrows of paper length size from (x0, y0) along the x and y directions
// turned by angle (radians), labelled at their tips.
void Oli_Graphic_Axes_Symbol(double x0, double y0, const char* x_label, const char* y_label, double size, double angle);

// An arrow of paper length size from (x0, y0) in the direction angle (radians),
// with a cross stroke at its base and the text beyond its tip.
void Oli_Graphic_Arrow_Label(double x0, double y0, double size, double angle, const char* text);

// A level triangle with its apex at (x, y), a level line through the apex
// reaching length x size to the right, the text above and the second text beside.
void Oli_Graphic_Level_Line(double x, double y, double length, const char* text, const char* second_text, int colour,
                            double size);

// The level triangle (filled in colour 64 when filled != 0) and its text.
void Oli_Graphic_Level_Mark(double x, double y, const char* text, int filled, double size);

// A filled level mark with two ground lines under its apex.
void Oli_Graphic_Ground_Level_Mark(double x, double y, const char* text, double size);

// A support triangle under (x, y) turned by angle degrees clockwise, with a hinge
// dot at its apex and a line under its base on request.
void Oli_Graphic_Support_Symbol(double x, double y, double angle, int colour, int hinge, int base_line, double size);

// A base line through (x, y) turned by angle degrees clockwise, with six oblique
// hatch strokes on one side.
void Oli_Graphic_Clamp_Hatch(double x, double y, double angle, double size);

// A line from P1 to P2 with open arrowheads at both ends and its texts; with an
// empty upper text the line leaves a gap for the lower text.
void Oli_Graphic_Double_Arrow(double x1, double y1, double x2, double y2, const char* upper_text,
                              const char* lower_text);

// A dash-dot section line with end strokes, viewing arrows and labels; distance
// (paper units, its sign the side) sets the length of the end strokes. A NULL
// label leaves out that end's stroke, arrow and label.
void Oli_Graphic_Section_Line(double x1, double y1, double x2, double y2, double distance, const char* first_label,
                              const char* second_label);

// The text four times, 0.01 paper units apart, as a bold text (not turned).
void Oli_Graphic_Bold_Text(double x, double y, const char* text);

// ---- reinforcement layer label ------------------------------------------------------------

// A layer of bars between P1 and P2 with end strokes, ticks and the texts of bar
// area (cm^2), diameter and spacing, concrete cover c (metres) and v, and the
// steel grade (0 BSt 220/340, 1 BSt 420S, 2 BSt 500S) with the position number
// when it is 1 or more. Diameter index 0..9: 6, 8, 12, 14, 16, 18, 20, 22, 25, 28
// mm. An index outside its table prints "?". Points closer than 5 world units
// write nothing.
void Oli_Graphic_Rebar_Label(double x1, double y1, double x2, double y2, double size, int grade, int diameter_index,
                             double spacing, double area, double c, double v, int number);

// ---- arrows and arrow rows (world units) ---------------------------------------------------

// Arrow styles: 0 shaft and open head, 1 shaft and closed head outline, 2 shaft
// and filled head in colour 55; any other value draws nothing.

// One arrow with its tip at (x, y) pointing in the direction angle (radians).
void Oli_Graphic_Arrow(double x, double y, double angle, double length, double head_length, double head_width,
                       int style);

// The arrow and the text at its tail, aligned away from the arrow.
void Oli_Graphic_Arrow_Text(double x, double y, double angle, double length, double head_length, double head_width,
                            int style, double text_height, const char* text);

// An arrow from (x2, y2) to its tip at (x1, y1).
void Oli_Graphic_Arrow_Between(double x1, double y1, double x2, double y2, double head_length, double head_width,
                               int style);

// An arc about (x, y) from start_angle to end_angle (radians) and an arrow with
// its head on the arc's end, with the text.
void Oli_Graphic_Arc_Arrow(double x, double y, double radius, double start_angle, double end_angle, double head_length,
                           double head_width, int style, double text_height, const char* text);

// A filled arrow coming from above onto (x, y) with the text above it.
void Oli_Graphic_Arrow_Vertical_Text(double x, double y, double length, const char* text);

// A filled arrow coming from the right onto (x, y) with the text beyond it.
void Oli_Graphic_Arrow_Horizontal_Text(double x, double y, double length, const char* text);

// A row of equal arrows standing on the base line P1P2 (about five per paper
// unit, at least three), the top line and a text box. Nothing when the line is
// vertical.
void Oli_Graphic_Arrow_Row(double x1, double y1, double x2, double y2, double arrow_length, double text_height,
                           const char* text);

// The same with arrow lengths varying linearly from q1 to q2.
void Oli_Graphic_Arrow_Row_Linear(double x1, double y1, double x2, double y2, double q1, double q2, double text_height,
                                  const char* text);

// Arrows standing perpendicular on the inclined line P1P2 (coordinates with the
// y axis downward), about 200 units apart, their lengths from q1 to q2. A line
// shorter than 200 units gets one interval, an arrow at each end.
void Oli_Graphic_Arrow_Row_Inclined(double x1, double y1, double x2, double y2, double q1, double q2);

// ---- fastener symbols ------------------------------------------------------------------------

// A bolted-connection symbol of bolt diameter d (world units): type 0 nut with
// washer left of the face at x, 1 right of it with the bolt end, 2 nut from
// above, 3 bolt head from above, 4 shank of length l from (x, y) with a leader,
// 5 without, 6 bolt in cross-section with a leader, 7 without. Any other type
// draws nothing. The first argument is not read.
void Oli_Graphic_Fastener_Symbol(int ignored, int type, double d, double x, double y, double l);

// ---- leader labels and hatched bands ------------------------------------------------------

// A leader from (x1, y1) to the nearer end of a reference line from (x2, y2),
// the formatted text (at most 254 characters, trailing blanks removed) above the
// line. The text height in force applies.
void Oli_Graphic_Leader_Label(double x1, double y1, double x2, double y2, double text_height, const char* format, ...)
    OLI_PRINTF_LIKE(6, 7);

// The same with its own text height, a wider reference line and, unless
// no_flag, a flag triangle at the end of the text.
void Oli_Graphic_Leader_Label_Flag(double x1, double y1, double x2, double y2, int no_flag, double text_height,
                                   const char* format, ...) OLI_PRINTF_LIKE(7, 8);

// A band of the given width (world units) beside the line P1P2 (side 0..3),
// filled in the block and hatched in the plot file.
void Oli_Graphic_Hatched_Band(double x1, double y1, double x2, double y2, double width, int side);

// ---- curved shapes and labelled marks (world units unless said) ---------------------------

// An arc of sweep degrees from start (degrees) that stays round when the scales
// differ; block records only (an empty group in the plot file).
void Oli_Graphic_Arc_Round(double cx, double cy, double diameter, double start, double sweep);

// A filled sector from start sweeping sweep degrees (block only).
void Oli_Graphic_Fill_Sector(double cx, double cy, double diameter, double start, double sweep);

// The outline of a slot of width w and height h centred at (x, y): two
// semicircles joined by straight sides (upright when w <= h).
void Oli_Graphic_Slot(double x, double y, double w, double h);
// The filled slot (block only).
void Oli_Graphic_Fill_Slot(double x, double y, double w, double h);

// A filled ring; in the plot file an area with one circular hole.
void Oli_Graphic_Fill_Ring(double cx, double cy, double outer, double inner);

// A filled polygon with holes: holes polygons of counts[i] points, one after
// the other in hx, hy, painted in colour 0, and circles circular holes of the
// given areas. The plot file gets one area with all holes. The colour stays 0.
void Oli_Graphic_Fill_Polygon_Holes(int n, const double x[], const double y[], int holes, const int counts[],
                                    const double hx[], const double hy[], int circles, const double cx[],
                                    const double cy[], const double areas[]);

// A text (or number) centred in a filled, framed box; size is the text height
// (paper units). The scaled form divides size by divisor instead of the scale.
void Oli_Graphic_Label_Box(double x, double y, double size, const char* text);
void Oli_Graphic_Number_Box(double x, double y, double size, int number);
void Oli_Graphic_Label_Box_Scaled(double x, double y, double size, double divisor, const char* text);

// A text (or number) in a filled circle with an outline.
void Oli_Graphic_Label_Circle(double x, double y, double size, double divisor, const char* text);
void Oli_Graphic_Number_Circle(double x, double y, double size, double divisor, int number);

// A heading and a block of 65 sample boxes of the fill patterns into the list f.
void Oli_Graphic_Fill_Pattern_Sheet(FILE* f);

// Writes the sheet into the temporary list <base>.TMP and shows it in the
// host's viewer; the viewer's result, -1 when the list cannot be written.
int Oli_Graphic_Show_Fill_Patterns(void);
