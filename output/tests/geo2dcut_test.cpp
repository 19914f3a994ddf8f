// Intersections, containment and clipping. Expected values are worked out by hand
// or from closed forms (circle-line roots, the two-segment lens formula).
#include "output/geo2dcut.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/kovmem.h"

namespace {

const double kPi = 3.14159265358979323846;
const double kSqX[4] = {0, 10, 10, 0};
const double kSqY[4] = {0, 0, 10, 10};

TEST(Geo2dCutTest, LinesAndSegments)
{
    double x = -1, y = -1;
    EXPECT_EQ(Geo_Line_Line(0, 0, 1, 0, 3, -1, 3, 1, &x, &y), 0);
    EXPECT_DOUBLE_EQ(x, 3);
    EXPECT_DOUBLE_EQ(y, 0);
    EXPECT_EQ(Geo_Line_Line(0, 0, 1, 0, 0, 1, 5, 1, &x, &y), 1);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);

    EXPECT_EQ(Geo_Segment_Segment(0, 0, 10, 0, 10, -5, 10, 5, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 10);
    EXPECT_EQ(Geo_Segment_Segment(0, 0, 10, 0, 10.000004, -5, 10.000004, 5, &x, &y), 1);
    EXPECT_EQ(Geo_Segment_Segment(0, 0, 10, 0, 10.0001, -5, 10.0001, 5, &x, &y), 0);
    EXPECT_EQ(Geo_Segment_Segment(0, 0, 10, 0, 0, 1, 10, 1, &x, &y), 0); // parallel

    // The ray from (0,0) through (1,1) reaches the segment far beyond P2.
    EXPECT_EQ(Geo_Ray_Segment(0, 0, 1, 1, 50, 0, 50, 100, &x, &y), 1);
    EXPECT_NEAR(x, 50, 1e-9);
    EXPECT_NEAR(y, 50, 1e-9);
    EXPECT_EQ(Geo_Ray_Segment(0, 0, 1, 1, -50, -100, -50, 0, &x, &y), 0); // behind

    const double lx[2] = {0, 1}, ly[2] = {0, 0};
    struct {
        double sx[2], sy[2];
        int expected;
    } cases[] = {{{0, 5}, {0, 0}, 2}, {{0, 5}, {1, 1}, 0}, {{3, 3}, {-1, 1}, 1}, {{3, 3}, {1, 2}, 0}};
    for (auto& c : cases) EXPECT_EQ(Geo_Line_Segment(&x, &y, lx, ly, c.sx, c.sy), c.expected);
    Geo_Line_Segment(&x, &y, lx, ly, cases[2].sx, cases[2].sy);
    EXPECT_DOUBLE_EQ(x, 3);
    EXPECT_DOUBLE_EQ(y, 0);
}

TEST(Geo2dCutTest, SegmentOverlap)
{
    double xa, ya, xb, yb;
    EXPECT_EQ(Geo_Segment_Overlap(0, 0, 10, 0, 5, 0, 20, 0, &xa, &ya, &xb, &yb), 1);
    EXPECT_EQ(xa, 5);
    EXPECT_EQ(ya, 0);
    EXPECT_EQ(xb, 10);
    EXPECT_EQ(yb, 0);
    EXPECT_EQ(Geo_Segment_Overlap(0, 0, 10, 0, 5, 0.000001, 20, 0.000001, &xa, &ya, &xb, &yb), 0);
    EXPECT_EQ(Geo_Segment_Overlap(0, 0, 10, 10, 5, 5, 20, 20, &xa, &ya, &xb, &yb), 1);
    EXPECT_EQ(xa, 5);
    EXPECT_EQ(yb, 10);
    EXPECT_EQ(Geo_Segment_Overlap(0, 0, 10, 0, 12, 0, 20, 0, &xa, &ya, &xb, &yb), 0);
}

TEST(Geo2dCutTest, CircleLineSegmentRay)
{
    double xo[2], yo[2];
    const double tx[2] = {-2, 2}, ty[2] = {1, 1};
    EXPECT_EQ(Geo_Circle_Line(0, 0, 1, tx, ty, xo, yo), 1);
    EXPECT_NEAR(xo[0], 0, 1e-12);
    EXPECT_NEAR(yo[0], 1, 1e-12);
    EXPECT_NEAR(xo[1], 0, 1e-12);
    EXPECT_NEAR(yo[1], 1, 1e-12);
    const double rx[2] = {2, -2}, ry[2] = {0, 0};
    EXPECT_EQ(Geo_Circle_Line(0, 0, 1, rx, ry, xo, yo), 2);
    EXPECT_NEAR(xo[0], 1, 1e-12);
    EXPECT_NEAR(xo[1], -1, 1e-12);
    const double fx[2] = {-2, 2}, fy[2] = {3, 3};
    EXPECT_EQ(Geo_Circle_Line(0, 0, 1, fx, fy, xo, yo), 0);

    const double s1x[2] = {0, 5}, s1y[2] = {0, 0};
    EXPECT_EQ(Geo_Circle_Segment(0, 0, 1, s1x, s1y, xo, yo), 1);
    EXPECT_NEAR(xo[0], 1, 1e-12);
    const double s2x[2] = {-5, 5}, s2y[2] = {0, 0};
    EXPECT_EQ(Geo_Circle_Segment(0, 0, 1, s2x, s2y, xo, yo), 2);
    EXPECT_EQ(Geo_Circle_Segment(0, 0, 1, tx, ty, xo, yo), 0); // touching is no crossing
    const double s3x[2] = {-1, 5}, s3y[2] = {0, 0};
    EXPECT_EQ(Geo_Circle_Segment_Ex(0, 0, 1, s3x, s3y, 0, xo, yo), 0);
    EXPECT_EQ(Geo_Circle_Segment_Ex(0, 0, 1, s3x, s3y, 1, xo, yo), 2);
    EXPECT_EQ(Geo_Circle_Segment_Ex(0, 0, 1, s2x, s2y, 0, xo, yo), 2);

    // A ray from the centre outwards leaves the circle once.
    const double r1x[2] = {0, 0.1}, r1y[2] = {0, 0.1};
    EXPECT_EQ(Geo_Circle_Ray(0, 0, 1, r1x, r1y, xo, yo), 1);
    EXPECT_NEAR(xo[0], std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(yo[0], std::sqrt(0.5), 1e-9);

    EXPECT_EQ(Geo_Point_In_Circle(1.000004, 0, 1, 0, 0), 2);
    EXPECT_EQ(Geo_Point_In_Circle(0.5, 0, 1, 0, 0), 1);
    EXPECT_EQ(Geo_Point_In_Circle(1.5, 0, 1, 0, 0), 0);
}

TEST(Geo2dCutTest, CircleCircleLens)
{
    struct {
        double r1, r2, d;
        int res;
        double area, depth, chord; // depth < 0: not checked
    } cases[] = {
        // 2 pi / 3 - sqrt(3)/2 and sqrt(3)
        {1, 1, 1, 1, 1.2283696986087567, 1.0, 1.7320508075688772},
        // two-segment closed form; chord from the circles' intersection points
        {2, 1, 1.5, 1, 2.3925498682458235, -1, 1.9364916731037085},
        {1, 2, 1.5, 1, 2.3925498682458235, -1, 1.9364916731037085},
        {1, 5, 2, 1, kPi, 2, 2}, // wholly inside, centres apart
        {1, 1, 0, 1, kPi, 2, 2}, // concentric equal circles
        {1, 3, 0.5, 1, kPi, 2, 2},
        {1, 1, 2, 1, 0, 0, 0}, // touching from outside
        {1, 1, 3, 0, 0, 0, 0},
    };
    for (auto& c : cases) {
        double area = -1, depth = -1, chord = -1;
        EXPECT_EQ(Geo_Circle_Circle_Lens(c.r1, c.r2, c.d, &area, &depth, &chord), c.res) << c.d;
        EXPECT_NEAR(area, c.area, 1e-9) << c.r1 << " " << c.r2 << " " << c.d;
        EXPECT_NEAR(chord, c.chord, 1e-9) << c.r1 << " " << c.r2 << " " << c.d;
        if (c.depth >= 0) {
            EXPECT_NEAR(depth, c.depth, 1e-9);
        }
        EXPECT_FALSE(std::isnan(depth));
        EXPECT_NEAR(Geo_Circle_Circle_Area(c.r1, c.r2, c.d), c.area, 1e-9);
    }
}

TEST(Geo2dCutTest, CirclePolylineGrowsPastPointCount)
{
    const double x[4] = {-2, 2, -2, 2}, y[4] = {0.5, 0.5, -0.5, -0.5};
    const double ex[6] = {-0.8660254037844386, 0.8660254037844386,  0.9701425001453319,
                          -0.9701425001453319, -0.8660254037844386, 0.8660254037844386};
    const double ey[6] = {0.5, 0.5, 0.24253562503633297, -0.24253562503633297, -0.5, -0.5};
    Mem_Reset_Live_Blocks();
    double* xo = nullptr;
    double* yo = nullptr;
    ASSERT_EQ(Geo_Circle_Polyline(4, x, y, 1, 0, 0, 1, &xo, &yo), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(xo[i], ex[i], 1e-9) << i;
        EXPECT_NEAR(yo[i], ey[i], 1e-9) << i;
    }
    double fx[11], fy[11];
    EXPECT_EQ(Geo_Circle_Polyline_Fixed(4, x, y, 0, 0, 0, 1, fx, fy), 6);
    EXPECT_NEAR(fx[2], ex[2], 1e-9);
    // An earlier block is reused; one point gives no segment and releases both.
    EXPECT_EQ(Geo_Circle_Polyline(1, x, y, 0, 0, 0, 1, &xo, &yo), 0);
    EXPECT_EQ(xo, nullptr);
    EXPECT_EQ(yo, nullptr);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

TEST(Geo2dCutTest, CirclePolylineFixedStopsAfterTenth)
{
    // A zigzag crossing the unit circle twice on each of its 9 segments.
    double x[10], y[10];
    for (int i = 0; i < 10; ++i) {
        x[i] = i % 2 ? 2 : -2;
        y[i] = 0.8 - 0.16 * i;
    }
    double fx[11], fy[11];
    EXPECT_EQ(Geo_Circle_Polyline_Fixed(10, x, y, 0, 0, 0, 1, fx, fy), 10);
    double* xo = nullptr;
    double* yo = nullptr;
    EXPECT_EQ(Geo_Circle_Polyline(10, x, y, 0, 0, 0, 1, &xo, &yo), 18);
    Mem_Free_Null(reinterpret_cast<void**>(&xo));
    Mem_Free_Null(reinterpret_cast<void**>(&yo));
}

TEST(Geo2dCutTest, PolygonLineAndSegment)
{
    double* xo = nullptr;
    double* yo = nullptr;
    const double hx[2] = {-5, 15}, hy[2] = {5, 5};
    ASSERT_EQ(Geo_Polygon_Line(4, kSqX, kSqY, 1, hx, hy, &xo, &yo), 2);
    EXPECT_DOUBLE_EQ(xo[0], 10);
    EXPECT_DOUBLE_EQ(xo[1], 0);
    const double dx[2] = {0, 10}, dy[2] = {0, 10};
    ASSERT_EQ(Geo_Polygon_Line(4, kSqX, kSqY, 1, dx, dy, &xo, &yo), 3);
    const double ex[3] = {0, 10, 0}, ey[3] = {0, 10, 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(xo[i], ex[i], 1e-12);
        EXPECT_NEAR(yo[i], ey[i], 1e-12);
    }
    double fx[10], fy[10];
    EXPECT_EQ(Geo_Polygon_Line_Fixed(4, kSqX, kSqY, 1, dx, dy, fx, fy), 3);
    EXPECT_EQ(Geo_Polygon_Line(4, kSqX, kSqY, 0, dx, dy, &xo, &yo), 2); // open: no closing edge

    ASSERT_EQ(Geo_Polygon_Segment(4, kSqX, kSqY, 1, -5, -5, 5, 5, &xo, &yo), 1);
    EXPECT_NEAR(xo[0], 0, 1e-12);
    EXPECT_NEAR(yo[0], 0, 1e-12);
    EXPECT_EQ(Geo_Polygon_Segment_Fixed(4, kSqX, kSqY, 1, -5, -5, 5, 5, fx, fy), 2);
    ASSERT_EQ(Geo_Polygon_Segment(4, kSqX, kSqY, 1, -5, 0, 15, 0, &xo, &yo), 2);
    EXPECT_DOUBLE_EQ(xo[0], 10);
    EXPECT_DOUBLE_EQ(xo[1], 0);
    // A vertical segment along a vertical edge adds no point of its own.
    ASSERT_EQ(Geo_Polygon_Segment(4, kSqX, kSqY, 1, 10, -5, 10, 15, &xo, &yo), 2);
    EXPECT_DOUBLE_EQ(yo[0], 0);
    EXPECT_DOUBLE_EQ(yo[1], 10);
    EXPECT_EQ(Geo_Polygon_Segment(4, kSqX, kSqY, 1, 20, 0, 30, 5, &xo, &yo), 0);
    EXPECT_EQ(xo, nullptr);

    // Two squares overlapping at a corner cross twice.
    const double bx[4] = {5, 15, 15, 5}, by[4] = {5, 5, 15, 15};
    ASSERT_EQ(Geo_Polygon_Polygon(4, kSqX, kSqY, 1, 4, bx, by, 1, &xo, &yo), 2);
    EXPECT_DOUBLE_EQ(xo[0], 10);
    EXPECT_DOUBLE_EQ(yo[0], 5);
    EXPECT_DOUBLE_EQ(xo[1], 5);
    EXPECT_DOUBLE_EQ(yo[1], 10);
    Mem_Free_Null(reinterpret_cast<void**>(&xo));
    Mem_Free_Null(reinterpret_cast<void**>(&yo));
}

TEST(Geo2dCutTest, PolygonPolygonGrowsPastBothCounts)
{
    // A comb of 10 points across a square of 4: its 8 slanted or upright
    // teeth each cross the bottom and the top edge, 16 points > n + m = 14.
    const double cx[10] = {1, 9, 9, 8, 7, 6, 5, 4, 3, 2};
    const double cy[10] = {-5, -5, 15, -5, 15, -5, 15, -5, 15, -5};
    double* xo = nullptr;
    double* yo = nullptr;
    ASSERT_EQ(Geo_Polygon_Polygon(4, kSqX, kSqY, 1, 10, cx, cy, 1, &xo, &yo), 16);
    EXPECT_DOUBLE_EQ(xo[0], 9);
    EXPECT_DOUBLE_EQ(yo[0], 0);
    EXPECT_DOUBLE_EQ(xo[15], 2.75);
    EXPECT_DOUBLE_EQ(yo[15], 10);
    Mem_Free_Null(reinterpret_cast<void**>(&xo));
    Mem_Free_Null(reinterpret_cast<void**>(&yo));
}

TEST(Geo2dCutTest, PointInPolygon)
{
    struct {
        double px, py;
        int expected;
    } sq[] = {{5, 5, 1}, {15, 5, 0}, {10, 5, 2}, {0, 0, 2}, {5, 10, 2}, {-1, 5, 0}, {5, -0.1, 0}};
    for (auto& c : sq) EXPECT_EQ(Geo_Point_In_Polygon(4, kSqX, kSqY, c.px, c.py), c.expected) << c.px << "," << c.py;
    // A vertical first ray through a corner: answered, not looping.
    const double tx[3] = {0, 1, 1}, ty[3] = {0, 0, 1};
    EXPECT_EQ(Geo_Point_In_Polygon(3, tx, ty, 1, -5), 0);
    EXPECT_EQ(Geo_Point_In_Polygon(3, tx, ty, 1, 0.5), 2);
    EXPECT_EQ(Geo_Point_In_Polygon(3, tx, ty, 0.8, 0.2), 1);
    const double ux[4] = {0, 1, 1, 0}, uy[4] = {0, 0, 1, 1};
    EXPECT_EQ(Geo_Point_In_Polygon(4, ux, uy, 1, 0.5), 2);
    EXPECT_EQ(Geo_Point_In_Polygon(4, ux, uy, 1, 3), 0);
    EXPECT_EQ(Geo_Point_In_Polygon(0, ux, uy, 0.5, 0.5), 0);
}

TEST(Geo2dCutTest, LengthInsideAndOverlap)
{
    const double px[2] = {-5, 15}, py[2] = {5, 5};
    EXPECT_NEAR(Geo_Polyline_Length_Inside(2, px, py, 4, kSqX, kSqY), 20, 1e-9);
    const double qx[3] = {2, 8, 5}, qy[3] = {2, 2, 8}; // wholly inside
    EXPECT_NEAR(Geo_Polyline_Length_Inside(3, qx, qy, 4, kSqX, kSqY), 6 + 2 * std::sqrt(9 + 36), 1e-9);

    EXPECT_NEAR(Geo_Polygon_Overlap_Area(4, kSqX, kSqY, 4, kSqX, kSqY), 100, 1e-9);
    const double sx[4] = {20, 30, 30, 20};
    double area = -1, w = 0, h = 0;
    EXPECT_EQ(Geo_Polygon_Overlap(4, kSqX, kSqY, 4, sx, kSqY, &area, &w, &h), 0);
    EXPECT_EQ(area, 0);
    EXPECT_EQ(w, -2e100);
    EXPECT_EQ(h, -2e100);
    // Half overlap: 100 x 100 cells over the joint box 15 x 10 -> 150 x 100
    // cells of 0.1, centres from 0.05; the common 5 x 10 has 50 x 100 cells.
    const double hx[4] = {5, 15, 15, 5};
    EXPECT_EQ(Geo_Polygon_Overlap(4, kSqX, kSqY, 4, hx, kSqY, &area, &w, &h), 1);
    EXPECT_NEAR(area, 50, 1e-9);
    EXPECT_NEAR(w, 4.9, 1e-9);
    EXPECT_NEAR(h, 9.9, 1e-9);
    // A joint box without height: nothing sampled, no division by zero.
    const double fx[2] = {0, 10}, fy[2] = {3, 3};
    EXPECT_EQ(Geo_Polygon_Overlap(2, fx, fy, 2, fx, fy, &area, &w, &h), 0);
    EXPECT_EQ(area, 0);
    EXPECT_EQ(w, -2e100);
}

TEST(Geo2dCutTest, ClipLine)
{
    Mem_Reset_Live_Blocks();
    double* xo = nullptr;
    double* yo = nullptr;
    int count = -1;
    const double lx[2] = {0, 10}, ly[2] = {5, 5};
    EXPECT_EQ(Geo_Polygon_Clip_Line(4, kSqX, kSqY, lx, ly, &count, &xo, &yo), 1);
    ASSERT_EQ(count, 4);
    const double ex[4] = {10, 10, 0, 0}, ey[4] = {5, 10, 10, 5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(xo[i], ex[i], 1e-12);
        EXPECT_NEAR(yo[i], ey[i], 1e-12);
    }
    // The sawtooth cut below y = 1.5 keeps 5 corners and 8 crossings: more
    // than n + 2 = 11 points.
    const double tx[9] = {0, 6, 6, 5, 4, 3, 2, 1, 0}, ty[9] = {0, 0, 2, 1, 2, 1, 2, 1, 2};
    const double cx[2] = {10, -10}, cy[2] = {1.5, 1.5};
    EXPECT_EQ(Geo_Polygon_Clip_Line(9, tx, ty, cx, cy, &count, &xo, &yo), 1);
    ASSERT_EQ(count, 13);
    const double sx[13] = {0, 6, 6, 5.5, 5, 4.5, 3.5, 3, 2.5, 1.5, 1, 0.5, 0};
    const double sy[13] = {0, 0, 1.5, 1.5, 1, 1.5, 1.5, 1, 1.5, 1.5, 1, 1.5, 1.5};
    for (int i = 0; i < 13; ++i) {
        EXPECT_NEAR(xo[i], sx[i], 1e-12) << i;
        EXPECT_NEAR(yo[i], sy[i], 1e-12) << i;
    }
    // A line missing the square: no crossing, the blocks are kept.
    const double mx[2] = {0, 10}, my[2] = {20, 20};
    EXPECT_EQ(Geo_Polygon_Clip_Line(4, kSqX, kSqY, mx, my, &count, &xo, &yo), 0);
    EXPECT_EQ(count, 0);
    EXPECT_NE(xo, nullptr);
    Mem_Free_Null(reinterpret_cast<void**>(&xo));
    Mem_Free_Null(reinterpret_cast<void**>(&yo));
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

TEST(Geo2dCutTest, SelfIntersections)
{
    const double ex[4] = {0, 10, 10, 0}, ey[4] = {0, 10, 0, 10};
    EXPECT_EQ(Geo_Polygon_Self_Intersections(4, ex, ey, 1), 1);
    EXPECT_EQ(Geo_Polygon_Self_Intersections(4, kSqX, kSqY, 1), 0);
    EXPECT_EQ(Geo_Polygon_Self_Intersections(4, ex, ey, 0), 1);
    EXPECT_EQ(Geo_Polygon_Self_Intersections(1, ex, ey, 1), 0);
}

} // namespace
