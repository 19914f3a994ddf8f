#pragma once
// Cross-section values of a plane polygon and shape operations about its centroid.
//
// The polygon follows output/geo2d.h (n points, closed implicitly). Moments are
// signed and taken about the coordinate axes as given: a clockwise outline gives
// the negatives of the counter-clockwise values. Only the area and the
// equivalent rectangle use the magnitude of the area.
//
// A polygon of area 0 (collinear or coincident points) has no centroid in the
// usual sense; the mean of its points stands in for it, so that the shape
// operations never write a not-a-number into the caller's arrays.
#include "output/geo2d.h"

// The area, not negative; 0 for n < 1.
double Geo_Polygon_Area(int n, const double x[], const double y[]);

// Length of the closed outline; 0 for n <= 0.
double Geo_Polygon_Perimeter(int n, const double x[], const double y[]);

// The centroid; not-a-number for both when n < 1. Returns 0.
int Geo_Polygon_Centroid(int n, const double x[], const double y[], double* xc, double* yc);

// The centroid as a point.
Point2D Geo_Polygon_Centroid_Point(int n, const double x[], const double y[]);

// First moments Sx = integral of y dA and Sy = integral of x dA.
double Geo_Polygon_Moment_Sx(int n, const double x[], const double y[]);
double Geo_Polygon_Moment_Sy(int n, const double x[], const double y[]);

// Second moments Ix = integral of y^2 dA, Iy = integral of x^2 dA and the product
// moment Ixy = integral of x y dA.
double Geo_Polygon_Inertia_Ix(int n, const double x[], const double y[]);
double Geo_Polygon_Inertia_Iy(int n, const double x[], const double y[]);
double Geo_Polygon_Inertia_Ixy(int n, const double x[], const double y[]);

// Moves the polygon to its centroid (the arrays are changed) and gives the
// rectangle of the same area and the same ratio of principal second moments:
// its width along the major principal axis, which makes the angle -angle with
// the x axis (angle in radians between -pi/4 and pi/4). Without a principal
// direction (Ix = Iy and Ixy = 0) the angle is 0 and width = height = sqrt(A);
// an outline of area 0 gives 0, 0, 0. Not-a-number for all three when n < 1
// (the arrays are then not touched). Returns 0.
int Geo_Polygon_Principal(int n, double x[], double y[], double* width, double* height, double* angle);

// In place: each point to centroid + factor (point - centroid). Returns 0.
int Geo_Polygon_Scale(int n, double x[], double y[], double factor);

// In place: points left and right of the centroid move outwards by a in x,
// points below and above it by b in y (4 decimals decide the side). Returns 0.
int Geo_Polygon_Grow(int n, double x[], double y[], double a, double b);

// In place: every vertex moves by d along its angle bisector, away from the
// inside. Returns 0.
int Geo_Polygon_Offset_Vertices(int n, double x[], double y[], double d);
