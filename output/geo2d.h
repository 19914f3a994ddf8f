#pragma once
// Plane geometry of the output writers.
//
// Point lists are passed as a count n and two separate arrays x[] and y[]; a
// polygon is closed implicitly (the edge from point n-1 back to point 0 belongs to
// it) and runs counter-clockwise for a positive signed area with the y axis up.
// The direction angle of a line (Geo_Line_Angle) lies in (-pi/2, 3pi/2]; a line
// whose two x differ by less than 1e-5 is vertical.
//
// Sentinels: 1e100 for an undefined slope and as the start of a minimum search,
// -1e100 as the start of a maximum search, 2e100 for the extent of an empty list.

struct Point2D {
    double x;
    double y;
};

// ---- transforms and angles ---------------------------------------------------------

// In place, each point into the local frame: translated to (x0, y0), turned by
// -angle and scaled: x' = scale (c dx + s dy), y' = scale (c dy - s dx).
// Returns the number of points transformed (0 for n <= 0).
int Geo_To_Local(double x[], double y[], int n, double x0, double y0, double angle, double scale);

// In place, the inverse of Geo_To_Local. A scale of 0 (or not finite) has no
// inverse: the points are left unchanged and 0 is returned.
int Geo_To_World(double x[], double y[], int n, double x0, double y0, double angle, double scale);

// Geo_To_Local in place, and each result rounded half away from zero into ix, iy
// (values beyond the int range are held at its limits, not-a-number gives 0).
int Geo_To_Local_Int(double x[], double y[], int n, double x0, double y0, double angle, double scale, int ix[],
                     int iy[]);

// Direction of the line P1->P2 in (-pi/2, 3pi/2]; vertical lines (|dx| < 1e-5):
// pi/2 upwards, 3pi/2 downwards and for two equal points.
double Geo_Line_Angle(double x1, double y1, double x2, double y2);

// Direction of the line P1->P2 in [0, 2pi).
double Geo_Line_Angle_2Pi(double x1, double y1, double x2, double y2);

// Angle between the vectors P1->P2 and P3->P4 in [0, pi]; 0 when either vector
// has zero length.
double Geo_Angle_Between(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4);

// Mean direction of two angles (degrees), on the shorter arc, not negative.
double Geo_Angle_Mean_Deg(double a, double b);
// The same in radians.
double Geo_Angle_Mean_Rad(double a, double b);
// a made not negative by adding 2 pi.
double Geo_Angle_Normalize_Rad(double a);

// ---- orientation ---------------------------------------------------------------------

// Reverses the point order in place when the signed area is negative.
void Geo_Polygon_Make_Ccw(int n, double x[], double y[]);
// Reverses the point order in place when the signed area is positive.
void Geo_Polygon_Make_Cw(int n, double x[], double y[]);
// xo = x, yo = c - y, then counter-clockwise.
void Geo_Polygon_Mirror_Y(int n, const double x[], const double y[], double c, double xo[], double yo[]);

// ---- points and lines ----------------------------------------------------------------

// The point at distance d in the direction P1->P2, measured from P1 (from_end 0)
// or from P2.
void Geo_Point_Along_Line(double x1, double y1, double x2, double y2, double d, int from_end, double* xo, double* yo);

// e > 0: the point at distance e from P1 towards P2; e <= 0: |e| back from P2.
// Returns 1 when |e| exceeds the length of P1P2, else 0.
int Geo_Point_On_Segment(double x1, double y1, double x2, double y2, double e, double* xo, double* yo);

// Moves both end points by d to the left of the direction P1->P2.
void Geo_Offset_Segment(double* x1, double* y1, double* x2, double* y2, double d);

// In place: each point to its foot on the infinite line through P1 and P2.
void Geo_Project_To_Line(int n, double x[], double y[], double x1, double y1, double x2, double y2);

// Distance of a point from the infinite line through P1 and P2.
double Geo_Point_Line_Distance(double px, double py, double x1, double y1, double x2, double y2);

// max - min of x cos(angle) + y sin(angle) over the points; 2e100 when n <= 0.
double Geo_Polygon_Extent_In_Direction(int n, const double x[], const double y[], double angle);

// 2b - a.
double Geo_Mirror_Value(double a, double b);

// ---- boxes, rectangles, circles, clean-ups ------------------------------------------------

// The extremes of the points; for n <= 0 the outputs are 1e100, 1e100, -1e100,
// -1e100. Any output may be NULL.
void Geo_Bounding_Box(int n, const double x[], const double y[], double* xmin, double* ymin, double* xmax,
                      double* ymax);

// The four corners counter-clockwise from the lower left.
void Geo_Rectangle_Polygon(double width, double height, double cx, double cy, double x[4], double y[4]);

// A regular n-gon of the circle's area, from the positive x axis counter-clockwise.
// For n below 3 there is no such polygon: the n points are set to the centre.
// Returns 0.
int Geo_Circle_Polygon(double r, double cx, double cy, int n, double x[], double y[]);

// In place: drops every point equal to its successor (cyclic, 5 decimals); returns
// the new count (0, arrays unchanged, when all points are equal).
int Geo_Polygon_Remove_Duplicates(int n, double x[], double y[]);

// In place: drops every point at which the boundary turns right (one pass);
// returns the new count (0, arrays unchanged, when none stays).
int Geo_Polygon_Drop_Right_Turns(int n, double x[], double y[]);

// In place: the parallel polyline (n < 0, |n| points) or polygon (n > 0) at
// distance d to the left. Nothing happens unless 2 <= |n| <= 99.
void Geo_Parallel_Offset(double x[], double y[], int n, double d);
