#pragma once
// Dimension lines and dimension chains of the graphics blocks.
//
// Sizes are paper units of the current graphic (world length times its scale).
// A dimension of size d overshoots its end points by d, has end strokes 4d to
// the left and 2d to the right of the line, oblique ticks (or end dots with
// dimension flag 8), a value text 2.1d high standing 1.6d to the left of the line
// (left as seen from the first point to the second) and an optional raised second
// text. Dimension flag 1 suppresses stroke and mark at the first point, flag 2 at
// the second. Everything is drawn through the graphics primitives, so it goes
// into the current block and, while one is open, into the plot file.
//
// A dimension chain is a PtrArr of Point2D records (allocated by
// Oli_Chain_Add_Point with malloc). A chain operation that draws frees every
// record and empties the list; the list object itself stays the caller's.

struct PtrArr;

// A dimension between two world points with the given texts (second_text may be
// empty). placement: -1 text beyond the first point, 1 beyond the second, else in
// the middle, where a line shorter than min_length (world units) alternates its
// text farther out. Returns 0, or 2.0 / 3.2 for an alternated text.
double Oli_Graphic_Dimension_Line(double x1, double y1, double x2, double y2, double size, const char* value_text,
                                  const char* second_text, double min_length, int placement);

// Length in millimetres (1 decimal: whole number, tenth digit raised). placement
// -2 / 2: text in the middle if it fits, else beyond the first / second point;
// -1 / 1: always beyond the first / second point; else in the middle.
double Oli_Graphic_Dimension_Mm(double x1, double y1, double x2, double y2, double size, int placement);
// The same, with both points moved offset world units to the left first.
double Oli_Graphic_Dimension_Mm_Offset(double x1, double y1, double x2, double y2, double offset, double size,
                                       int placement);
// Length in centimetres: distance / |factor|; factor > 0 raises a half as "5",
// factor < 0 the tenth digit. 0 for a factor within 1e-5 of 0.
double Oli_Graphic_Dimension_Cm(double x1, double y1, double x2, double y2, double size, double factor, int placement);
// Length in metres (cm with a raised "5" for a half); 0 and nothing drawn below
// 0.01.
double Oli_Graphic_Dimension_M(double x1, double y1, double x2, double y2, double size);

// Projects the n points onto the line P1-P2, orders them along it and dimensions
// every gap in metres. The caller's arrays are not changed.
void Oli_Graphic_Dimension_Chain_Line(int n, const double x[], const double y[], double x1, double y1, double x2,
                                      double y2, double size);

// Appends a new point record; 1, or 0 when it cannot be allocated (list unchanged).
int Oli_Chain_Add_Point(PtrArr* points, double x, double y);

// Sorts the points (direction 0 x descending, 1 y descending, 2 x ascending, 3 y
// ascending) and dimensions every gap between neighbours at the given position
// (a y for 0 and 2, an x for 1 and 3); neighbours closer than 1e-5 merge. unit
// "mm", "cm" or other (metres). Returns the largest result of the dimensions.
// Fewer than 2 points or another direction: 0, list untouched.
double Oli_Graphic_Dimension_Chain(PtrArr* points, const char* unit, int direction, double position, double size,
                                   double factor, int placement);

// The same along the line through (x0, y0) in the direction angle (radians).
double Oli_Graphic_Dimension_Chain_Along(PtrArr* points, const char* unit, double x0, double y0, double angle,
                                         double size, double factor, int placement);
