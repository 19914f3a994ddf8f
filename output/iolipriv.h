#pragma once
// Shared internals of the graphics block, plot file and primitive writers.
#include <cmath>
#include <cstdio>

#include "output/ioliplot.h"

// The writable current graphic and plot file.
OliGraphicState* Oli_Graphic_State_Mut(void);
PlotFileState* Plot_State_Mut(void);

// Back to the closed plot file of program start (no file is written or closed).
void Plot_Reset_State(void);

// A value fit for a file: not-finite values become 0.
inline double oli_fin(double v) { return std::isfinite(v) ? v : 0.0; }

// Turns a world point by -rotation of the current graphic (in place).
void Oli_Turn(double* x, double* y);
// Plot y of a turned y: mirrored when the block's y axis runs down.
double Oli_Plot_Y(double turned_y);
// Lets the extents take in a world point.
void Oli_Widen(double x, double y);

// Plot entities; coordinates are plot coordinates. Nothing without an open file.
int Plot_Is_Open(void);
void Plot_Entity_Line(double x1, double y1, double x2, double y2);
// "-area / holes filling\n count" (nothing written when the filling is -1;
// returns 0 then, else 1).
int Plot_Entity_Area_Head(int holes, int count);
// The vertex records of one ring; kind 0 " 0 1 0.0" (simple polygons), 1
// " 0 0 0.0" (rectangles, polygons with holes), 2 as 1 but the last vertex with
// "%.4f" (rectangle rings).
void Plot_Entity_Ring(int n, const double x[], const double y[], int kind);
// " %d" with a count, directly after the ring before.
void Plot_Entity_Count(int count);
// The two records of a circle (top, bottom) with the radius as last value.
void Plot_Entity_Circle(double cx, double cy, double r);
// Text entity; angle_kind 0 writes the angle with "%lf", 1 "0.", 2 "90.".
void Plot_Entity_Text(const char* text, int justification, double x, double y, double angle_deg, int angle_kind);
void Plot_Entity_Group(int open);
// Save and restore of pen, filling, line type and font (one level).
void Plot_Save_Attributes(void);
void Plot_Restore_Attributes(void);
