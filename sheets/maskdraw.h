#pragma once
// Drawing into the output area of the mask element calls ("sheets/maskstate.h")
// in a world system of the caller: lines, rectangles, boxes, circles, arcs,
// discs, polygons and a dimension mark become elements of the view area.
//
// The area transform maps a world point (x, y) to the view area:
//   u = scale x - x0, v = scale y - y0
//   x' = cos(angle) u + sin(angle) v, y' = cos(angle) v - sin(angle) u
// and elements take x', y' rounded half away from zero, held to the int range;
// a point that is not finite adds nothing. The start is scale 1, no rotation,
// origin 0: world and view-area pixels coincide.
//
// Lines of Mask_Draw_Line and of the curves are added only while the line
// switch is 1; filled boxes, filled polygons and dimension marks always.

void Mask_Set_Area_Transform(double x0, double y0, double angle, double scale);
double Mask_Get_Area_Scale();
// In place, not rounded.
void Mask_World_To_Area(double* x, double* y);
// The inverse in place; a scale of 0 leaves the point as it is.
void Mask_Area_To_World(double* x, double* y);
double Mask_Area_Distance(double x1, double y1, double x2, double y2);
void Mask_Set_Line_Switch(int on);
int Mask_Get_Line_Switch();

// A line in the text colour; the view area's result, 0 when nothing was added.
int Mask_Draw_Line(double x1, double y1, double x2, double y2);
void Mask_Draw_Rectangle(double x1, double y1, double x2, double y2);
// A filled box in the back colour; the view area's result, 0 when nothing was added.
int Mask_Fill_Rectangle(double x1, double y1, double x2, double y2);
void Mask_Draw_Circle(double xc, double yc, double r);
// From the angle from towards to (radians) in steps of 5 degrees while below
// to; at most one full turn.
void Mask_Draw_Arc(double xc, double yc, double r, double from, double to);
void Mask_Draw_Polygon(int count, const double* xs, const double* ys);
void Mask_Fill_Circle(double xc, double yc, double r);
// A polygon filled in the back colour. Each call keeps its own points, so every
// filled polygon of a page shows its own shape.
void Mask_Fill_Polygon(int count, const double* xs, const double* ys);
// A dimension mark between the points with extension lines reaching offset
// pixels to one side. type 0: the y values are view-area pixels, 1: the x
// values, 3: all four; any other: world values. Nothing for a scale of 0.
void Mask_Draw_Dimension(int type, double x1, double y1, double x2, double y2, double offset);

// The transform and line switch back to their start, the points kept for
// filled polygons released (for tests).
void Mask_Draw_Reset();
