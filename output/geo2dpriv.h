#pragma once
// Shared rules of the plane-geometry intersections (library-internal).
//
// Slope form: a line through two points whose x differ by less than 1e-5 is
// vertical and has the slope 1e100; otherwise slope (y2 - y1)/(x2 - x1) and
// intercept y1 - x1 slope. Two lines are parallel when their slopes differ by
// less than 1e-5 (two vertical lines are parallel).

// Slope of the line through P1 and P2 (1e100 when vertical).
double Geo_Slope(double x1, double y1, double x2, double y2);

// Intersection of the line P1P2 with the line P3P4 in slope form. Returns 1 when
// they are parallel (x, y set to 0), else 0.
int Geo_Slope_Intersect(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4,
                        double* x, double* y);

// v lies between a and b (either order, both ends included) when the differences
// rounded to k decimals say so.
int Geo_Between(double v, double a, double b, int k);

// (px, py) lies on the segment P1P2: x between the x values and y between the y
// values, at k decimals.
int Geo_On_Segment(double px, double py, double x1, double y1, double x2, double y2, int k);

// Two points differ when |dx| or |dy| rounded to 5 decimals is not 0.
int Geo_Points_Differ(double xa, double ya, double xb, double yb);

// The far point of the ray from P1 through P2, at 1000 x max(1000, largest) from
// P1, where largest is the largest of the coordinate values involved.
void Geo_Ray_Far_Point(double x1, double y1, double x2, double y2, double largest, double* xf, double* yf);

// A growing pair of point blocks of the counted allocator. Begin resizes both
// caller blocks to the given capacity (at least one point); Add appends and grows
// the blocks by doubling when they are full; Finish shrinks them to the points
// found, or releases both and leaves NULL when there are none.
struct GeoPointBuf {
    double** x;
    double** y;
    int count;
    int cap;
};
void Geo_Buf_Begin(GeoPointBuf* b, double** xo, double** yo, int cap);
void Geo_Buf_Add(GeoPointBuf* b, double x, double y);
int Geo_Buf_Finish(GeoPointBuf* b);
