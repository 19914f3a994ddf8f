#pragma once
// Intersections, containment and clipping of the plane geometry.
//
// Points and lists follow output/geo2d.h. Line-line intersections are taken in
// slope form (a line whose two x differ by less than 1e-5 is vertical, two lines
// whose slopes differ by less than 1e-5 are parallel). "On a segment" means x
// and y between the segment's end values, compared after rounding the
// differences to the stated number of decimals; both ends count.
//
// Growing results: the caller passes the addresses of two double pointers (NULL
// or an earlier block of the counted allocator); the operation resizes them,
// grows them while points are found, shrinks them to the points found and
// releases both (NULL) when there are none. The caller owns them afterwards and
// releases them with Mem_Free_Null.

// ---- lines, segments and circles -------------------------------------------------------

// Intersection of the two infinite lines P1P2 and P3P4. Returns 1 when they are
// parallel (x, y set to 0), otherwise 0.
int Geo_Line_Line(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4, double* x,
                  double* y);

// Intersection of the lines of the two segments; returns 1 when it lies on both
// (5 decimals), 0 when not or when they are parallel (then x, y are 0).
int Geo_Segment_Segment(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                        double* x, double* y);

// As Geo_Segment_Segment for the ray from P1 through P2 against the segment P3P4.
int Geo_Ray_Segment(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4, double* x,
                    double* y);

// The line through (lx, ly) against the segment (sx, sy): 1 when the intersection
// lies on the segment (8 decimals), else 0; when parallel, x and y are 0 and the
// result is 2 when the segment lies on the line, else 0.
int Geo_Line_Segment(double* x, double* y, const double lx[2], const double ly[2], const double sx[2],
                     const double sy[2]);

// The common part of two parallel segments as the corners (xa, ya), (xb, yb);
// 1 when there is one, else 0. Only the steepness is compared: a rising and a
// falling segment of the same steepness count as parallel.
int Geo_Segment_Overlap(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                        double* xa, double* ya, double* xb, double* yb);

// Where the infinite line through the two points meets the circle: 0 none, 1
// touching (both outputs the foot point), 2 two points (the first nearer the
// first point in the direction of the line).
int Geo_Circle_Line(double cx, double cy, double r, const double x[2], const double y[2], double xo[2], double yo[2]);

// The crossing points on the segment, end points included; their count 0..2. A
// touching line counts as no crossing.
int Geo_Circle_Segment(double cx, double cy, double r, const double x[2], const double y[2], double xo[2],
                       double yo[2]);

// As Geo_Circle_Segment when inclusive != 0. With inclusive 0 nothing is taken
// when the first crossing is the segment's first point or the second crossing
// is its second point.
int Geo_Circle_Segment_Ex(double cx, double cy, double r, const double x[2], const double y[2], int inclusive,
                          double xo[2], double yo[2]);

// As Geo_Circle_Segment for the ray from the first point through the second.
int Geo_Circle_Ray(double cx, double cy, double r, const double x[2], const double y[2], double xo[2], double yo[2]);

// 1 inside, 0 outside, 2 on the circle (5 decimals).
int Geo_Point_In_Circle(double px, double py, double r, double cx, double cy);

// The common area of two circles whose centres are d apart, the depth of the
// overlap and the length of the common chord; 0 when they do not overlap, else 1.
// A circle wholly inside the other gives its own area, depth and chord 2 r.
int Geo_Circle_Circle_Lens(double r1, double r2, double d, double* area, double* depth, double* chord);

// The common area alone (0 when they do not overlap).
double Geo_Circle_Circle_Area(double r1, double r2, double d);

// ---- point lists ------------------------------------------------------------------------

// Crossing points of the open polyline (n - 1 segments) with the circle, growing
// result; returns their count. The fourth argument has no effect.
int Geo_Circle_Polyline(int n, const double x[], const double y[], int unused, double cx, double cy, double r,
                        double** xo, double** yo);

// The same into xo, yo of at least 11 entries; stops after the segment at which
// the count passes 9.
int Geo_Circle_Polyline_Fixed(int n, const double x[], const double y[], int unused, double cx, double cy, double r,
                              double xo[], double yo[]);

// Crossing points of the list (closed != 0: with the closing edge) with the
// infinite line through (lx, ly), growing result; a point equal to the one
// appended before it (6 decimals) is not repeated. Returns their count.
int Geo_Polygon_Line(int n, const double x[], const double y[], int closed, const double lx[2], const double ly[2],
                     double** xo, double** yo);

// The same into xo, yo of at least 10 entries (5 decimals), at most 10 points.
int Geo_Polygon_Line_Fixed(int n, const double x[], const double y[], int closed, const double lx[2],
                           const double ly[2], double xo[], double yo[]);

// Crossing points of the list with the segment P1P2, growing result; for a closed
// list the closing corner found by both of its edges counts once. An edge lying
// on the segment's line adds nothing. Returns their count.
int Geo_Polygon_Segment(int n, const double x[], const double y[], int closed, double x1, double y1, double x2,
                        double y2, double** xo, double** yo);

// The same into xo, yo of at least 10 entries, at most 10 points.
int Geo_Polygon_Segment_Fixed(int n, const double x[], const double y[], int closed, double x1, double y1, double x2,
                              double y2, double xo[], double yo[]);

// Crossing points of two lists, growing result; returns their count.
int Geo_Polygon_Polygon(int n, const double xa[], const double ya[], int closed_a, int m, const double xb[],
                        const double yb[], int closed_b, double** xo, double** yo);

// 0 outside, 1 inside, 2 on the boundary; 0 for n < 1. Always returns: a ray
// that meets a vertex is replaced by one of another direction, and when rays
// keep meeting vertices the winding number decides.
int Geo_Point_In_Polygon(int n, const double x[], const double y[], double px, double py);

// Length of the parts of the closed polyline (n points) inside the polygon (m
// points).
double Geo_Polyline_Length_Inside(int n, const double px[], const double py[], int m, const double x[],
                                  const double y[]);

// Common area of two polygons by sampling the cell centres of a grid over their
// joint box (at most 200 x 100 cells), with the width and height of the sampled
// common region (-2e100 when there is none). Returns 1 when the area is positive.
int Geo_Polygon_Overlap(int n, const double xa[], const double ya[], int m, const double xb[], const double yb[],
                        double* area, double* width, double* height);

// The common area alone.
double Geo_Polygon_Overlap_Area(int n, const double xa[], const double ya[], int m, const double xb[],
                                const double yb[]);

// The part of the polygon to the left of the directed line lx[0],ly[0] ->
// lx[1],ly[1] as a point list in *xo, *yo (blocks of at least n + 2 points,
// grown when needed, never shrunk or released); *count receives the number of
// points. Returns 1 when the line crossed an edge, else 0.
int Geo_Polygon_Clip_Line(int n, const double x[], const double y[], const double lx[2], const double ly[2], int* count,
                          double** xo, double** yo);

// Number of crossings between non-neighbouring parts of the list.
int Geo_Polygon_Self_Intersections(int n, const double x[], const double y[], int closed);
