// Tests of the plane geometry: line angles and verticals, local and world transforms, angle
// means and normalising, orientation, points on lines, offsets and projections.
#include "output/geo2d.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>

namespace {

const double kPi = 3.14159265358979323846;

struct AngleCase {
    double x1, y1, x2, y2;
    double expected;
};

TEST(Geo2dTest, LineAngleRangeAndVerticals)
{
    const AngleCase cases[] = {
        {0, 0, 0, 5, kPi / 2},
        {0, 0, 0, -5, 3 * kPi / 2},
        {0, 0, 0, 0, 3 * kPi / 2},
        {0, 0, -1, 0, kPi},
        {0, 0, 1, -1, -kPi / 4},
        {0, 0, 1, 1, kPi / 4},
        {0, 0, -1, -1, 5 * kPi / 4},
        {0, 0, 0.000009, 1, kPi / 2},
        {0, 0, 0.000009, -1, 3 * kPi / 2},
        {0, 0, -0.000009, 1, kPi / 2},
    };
    for (const AngleCase& c : cases)
        EXPECT_NEAR(Geo_Line_Angle(c.x1, c.y1, c.x2, c.y2), c.expected, 1e-12)
            << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
}

TEST(Geo2dTest, LineAngle2PiRange)
{
    const AngleCase cases[] = {
        {0, 0, 1, -1, 7 * kPi / 4}, {0, 0, 1, 0, 0.0},         {0, 0, -1, 0, kPi},       {0, 0, 0, 3, kPi / 2},
        {0, 0, 0, -3, 3 * kPi / 2}, {0, 0, 0, 0, 3 * kPi / 2}, {0, 0, 1, 0.000009, 0.0}, {0, 0, -1, 1, 3 * kPi / 4},
    };
    for (const AngleCase& c : cases) EXPECT_NEAR(Geo_Line_Angle_2Pi(c.x1, c.y1, c.x2, c.y2), c.expected, 1e-12);
}

TEST(Geo2dTest, VerticalLineUsesExactCosSinOfHalfPi)
{
    // The vertical direction is pi/2 exactly, so cos/sin are those of pi/2.
    double a = Geo_Line_Angle(3, 0, 3, 4);
    EXPECT_EQ(std::cos(a), 6.123233995736766e-17);
    EXPECT_EQ(std::sin(a), 1.0);
    a = Geo_Line_Angle(3, 4, 3, 0);
    EXPECT_EQ(std::cos(a), -1.8369701987210297e-16);
    EXPECT_EQ(std::sin(a), -1.0);
}

TEST(Geo2dTest, LocalAndWorldTransforms)
{
    // A quarter turn: world (1, 0) seen from a frame turned by +90 degrees lies
    // at local (0, -1); scale 2 doubles it.
    double x[2] = {1.0, 3.0}, y[2] = {0.0, 2.0};
    EXPECT_EQ(Geo_To_Local(x, y, 2, 0, 0, kPi / 2, 2.0), 2);
    EXPECT_NEAR(x[0], 0.0, 1e-12);
    EXPECT_NEAR(y[0], -2.0, 1e-12);
    EXPECT_NEAR(x[1], 4.0, 1e-12);
    EXPECT_NEAR(y[1], -6.0, 1e-12);

    double px[3] = {1.5, -2.0, 7.25}, py[3] = {3.0, 0.5, -4.0};
    double ox[3], oy[3];
    memcpy(ox, px, sizeof px);
    memcpy(oy, py, sizeof py);
    Geo_To_Local(px, py, 3, 1.0, -2.0, 0.7, 3.0);
    Geo_To_World(px, py, 3, 1.0, -2.0, 0.7, 3.0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(px[i], ox[i], 1e-12);
        EXPECT_NEAR(py[i], oy[i], 1e-12);
    }
    // Turning with -beta turns the points by +beta.
    double tx = 1.0, ty = 0.0;
    Geo_To_Local(&tx, &ty, 1, 0, 0, -kPi / 2, 1.0);
    EXPECT_NEAR(tx, 0.0, 1e-12);
    EXPECT_NEAR(ty, 1.0, 1e-12);

    EXPECT_EQ(Geo_To_Local(px, py, 0, 0, 0, 1, 1), 0);
    EXPECT_EQ(Geo_To_World(px, py, -2, 0, 0, 1, 1), 0);
}

TEST(Geo2dTest, ToWorldWithZeroScaleLeavesPointsDefined)
{
    double x[1] = {5.0}, y[1] = {6.0};
    EXPECT_EQ(Geo_To_World(x, y, 1, 1, 1, 0.3, 0.0), 0);
    EXPECT_EQ(x[0], 5.0);
    EXPECT_EQ(y[0], 6.0);
}

TEST(Geo2dTest, ToLocalIntRoundsHalfAwayFromZero)
{
    double x[4] = {2.5, -2.5, 1.49, 1e30}, y[4] = {-0.5, 0.5, -1.5, -1e30};
    int ix[4], iy[4];
    EXPECT_EQ(Geo_To_Local_Int(x, y, 4, 0, 0, 0, 1, ix, iy), 4);
    EXPECT_EQ(ix[0], 3);
    EXPECT_EQ(iy[0], -1);
    EXPECT_EQ(ix[1], -3);
    EXPECT_EQ(iy[1], 1);
    EXPECT_EQ(ix[2], 1);
    EXPECT_EQ(iy[2], -2);
    EXPECT_EQ(ix[3], 2147483647);
    EXPECT_EQ(iy[3], -2147483647 - 1);
}

TEST(Geo2dTest, AngleMeans)
{
    struct {
        double a, b, mean;
    } cases[] = {{10, 350, 0},  {350, 10, 0}, {30, 60, 45},   {-90, 90, 180},
                 {370, 10, 10}, {0, 180, 90}, {-30, -60, 315}};
    for (const auto& c : cases) EXPECT_NEAR(Geo_Angle_Mean_Deg(c.a, c.b), c.mean, 1e-9) << c.a << " " << c.b;
    EXPECT_NEAR(Geo_Angle_Mean_Rad(10 * kPi / 180, 350 * kPi / 180), 0.0, 1e-12);
    EXPECT_NEAR(Geo_Angle_Mean_Rad(kPi / 6, kPi / 3), kPi / 4, 1e-12);
    // A huge negative angle must not hang the raising loop.
    double m = Geo_Angle_Mean_Deg(-1e20, 0.0);
    EXPECT_TRUE(std::isfinite(m));
    EXPECT_GE(m, 0.0);
}

TEST(Geo2dTest, NormalizeRadians)
{
    EXPECT_NEAR(Geo_Angle_Normalize_Rad(-kPi / 2), 3 * kPi / 2, 1e-12);
    EXPECT_NEAR(Geo_Angle_Normalize_Rad(-5 * kPi), kPi, 1e-9);
    EXPECT_EQ(Geo_Angle_Normalize_Rad(7.0), 7.0);
    // -0.00004 rounds to 0 at 4 decimals and stays.
    EXPECT_EQ(Geo_Angle_Normalize_Rad(-0.00004), -0.00004);
    double big = Geo_Angle_Normalize_Rad(-1e18);
    EXPECT_TRUE(std::isfinite(big));
    EXPECT_GE(big, 0.0);
}

TEST(Geo2dTest, AngleBetweenVectors)
{
    EXPECT_NEAR(Geo_Angle_Between(0, 0, 1, 0, 0, 0, 0, 1), kPi / 2, 1e-12);
    EXPECT_NEAR(Geo_Angle_Between(0, 0, 1, 0, 5, 5, 3, 5), kPi, 1e-12);
    EXPECT_NEAR(Geo_Angle_Between(0, 0, 2, 2, 1, 1, 4, 4), 0.0, 1e-7);
    // A zero-length vector has no direction: a defined 0, not nan.
    EXPECT_EQ(Geo_Angle_Between(1, 1, 1, 1, 0, 0, 1, 0), 0.0);
}

TEST(Geo2dTest, Orientation)
{
    double x[4] = {0, 0, 1, 1}, y[4] = {0, 1, 1, 0};
    Geo_Polygon_Make_Ccw(4, x, y);
    const double ex[4] = {1, 1, 0, 0}, ey[4] = {0, 1, 1, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(x[i], ex[i]);
        EXPECT_EQ(y[i], ey[i]);
    }
    Geo_Polygon_Make_Ccw(4, x, y); // already counter-clockwise
    EXPECT_EQ(x[0], 1.0);
    Geo_Polygon_Make_Cw(4, x, y);
    EXPECT_EQ(x[0], 0.0);
    EXPECT_EQ(y[1], 1.0);

    double flat_x[3] = {0, 1, 2}, flat_y[3] = {0, 0, 0};
    Geo_Polygon_Make_Cw(3, flat_x, flat_y); // area 0: left alone
    EXPECT_EQ(flat_x[0], 0.0);

    // Mirroring a counter-clockwise triangle turns it; the result is again ccw.
    double tx[3] = {0, 2, 0}, ty[3] = {0, 0, 1}, mx[3], my[3];
    Geo_Polygon_Mirror_Y(3, tx, ty, 4.0, mx, my);
    double area = 0;
    for (int i = 0; i < 3; ++i) area += mx[i] * my[(i + 1) % 3] - mx[(i + 1) % 3] * my[i];
    EXPECT_GT(area, 0.0);
    EXPECT_EQ(tx[1], 2.0); // input untouched
}

TEST(Geo2dTest, PointsOnLines)
{
    struct {
        double e, x, y;
        int beyond;
    } cases[] = {{3, 3, 0, 0}, {-3, 7, 0, 0}, {12, 12, 0, 1}, {10, 10, 0, 0}, {-11, -1, 0, 1}};
    for (const auto& c : cases) {
        double x = -99, y = -99;
        EXPECT_EQ(Geo_Point_On_Segment(0, 0, 10, 0, c.e, &x, &y), c.beyond) << c.e;
        EXPECT_NEAR(x, c.x, 1e-12);
        EXPECT_NEAR(y, c.y, 1e-12);
    }
    double x, y;
    Geo_Point_Along_Line(0, 0, 10, 0, 3, 0, &x, &y);
    EXPECT_NEAR(x, 3, 1e-12);
    Geo_Point_Along_Line(0, 0, 10, 0, 3, 1, &x, &y);
    EXPECT_NEAR(x, 13, 1e-12);
    Geo_Point_Along_Line(2, 1, 2, 5, 1, 0, &x, &y); // vertical, upwards
    EXPECT_NEAR(x, 2, 1e-12);
    EXPECT_NEAR(y, 2, 1e-12);
}

TEST(Geo2dTest, OffsetProjectDistance)
{
    double x1 = 0, y1 = 0, x2 = 10, y2 = 0;
    Geo_Offset_Segment(&x1, &y1, &x2, &y2, 2);
    EXPECT_NEAR(x1, 0, 1e-12);
    EXPECT_NEAR(y1, 2, 1e-12);
    EXPECT_NEAR(x2, 10, 1e-12);
    EXPECT_NEAR(y2, 2, 1e-12);
    x1 = 0, y1 = 0, x2 = 0, y2 = 10; // upwards: left is -x
    Geo_Offset_Segment(&x1, &y1, &x2, &y2, 1);
    EXPECT_NEAR(x1, -1, 1e-12);
    EXPECT_NEAR(x2, -1, 1e-12);

    double px[2] = {5, -3}, py[2] = {5, 2};
    Geo_Project_To_Line(2, px, py, 0, 1, 10, 1);
    EXPECT_NEAR(px[0], 5, 1e-12);
    EXPECT_NEAR(py[0], 1, 1e-12);
    EXPECT_NEAR(px[1], -3, 1e-12);
    EXPECT_NEAR(py[1], 1, 1e-12);
    double vx[1] = {5}, vy[1] = {5};
    Geo_Project_To_Line(1, vx, vy, 2, 0, 2, 10);
    EXPECT_NEAR(vx[0], 2, 1e-12);
    EXPECT_NEAR(vy[0], 5, 1e-12);

    EXPECT_NEAR(Geo_Point_Line_Distance(5, 5, 0, 1, 10, 1), 4, 1e-12);
    EXPECT_NEAR(Geo_Point_Line_Distance(5, -3, 0, 1, 10, 1), 4, 1e-12);
    EXPECT_EQ(Geo_Mirror_Value(3, 5), 7);
}

TEST(Geo2dTest, ExtentsAndBoxes)
{
    double x[3] = {0, 4, 1}, y[3] = {0, 3, -2};
    EXPECT_NEAR(Geo_Polygon_Extent_In_Direction(3, x, y, 0), 4, 1e-12);
    EXPECT_NEAR(Geo_Polygon_Extent_In_Direction(3, x, y, kPi / 2), 5, 1e-12);
    EXPECT_EQ(Geo_Polygon_Extent_In_Direction(0, x, y, 0), 2e100);
    double a, b, c, d;
    Geo_Bounding_Box(3, x, y, &a, &b, &c, &d);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, -2);
    EXPECT_EQ(c, 4);
    EXPECT_EQ(d, 3);
    Geo_Bounding_Box(0, x, y, &a, &b, &c, &d);
    EXPECT_EQ(a, 1e100);
    EXPECT_EQ(b, 1e100);
    EXPECT_EQ(c, -1e100);
    EXPECT_EQ(d, -1e100);

    double rx[4], ry[4];
    Geo_Rectangle_Polygon(4, 2, 1, 1, rx, ry);
    const double ex[4] = {-1, 3, 3, -1}, ey[4] = {0, 0, 2, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rx[i], ex[i]);
        EXPECT_EQ(ry[i], ey[i]);
    }
}

TEST(Geo2dTest, CirclePolygonHasTheCircleArea)
{
    double x[4], y[4];
    EXPECT_EQ(Geo_Circle_Polygon(1, 0, 0, 4, x, y), 0);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(std::hypot(x[i], y[i]), std::sqrt(kPi / 2), 1e-12);
    EXPECT_NEAR(x[0], std::sqrt(kPi / 2), 1e-12); // starts on the positive x axis
    double area = 0;
    for (int i = 0; i < 4; ++i) area += x[i] * y[(i + 1) % 4] - x[(i + 1) % 4] * y[i];
    EXPECT_NEAR(area / 2, kPi, 1e-12);

    // One or two points make no polygon: defined points at the centre.
    double sx[2] = {9, 9}, sy[2] = {9, 9};
    EXPECT_EQ(Geo_Circle_Polygon(1, 3, 4, 2, sx, sy), 0);
    EXPECT_EQ(sx[1], 3);
    EXPECT_EQ(sy[1], 4);
}

TEST(Geo2dTest, RemoveDuplicatesKeepsLastOfARun)
{
    double x[5] = {0, 0, 1, 1, 0}, y[5] = {0, 0, 0, 1, 0};
    EXPECT_EQ(Geo_Polygon_Remove_Duplicates(5, x, y), 3);
    const double ex[3] = {0, 1, 1}, ey[3] = {0, 0, 1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(x[i], ex[i]);
        EXPECT_EQ(y[i], ey[i]);
    }
    double ax[3] = {2, 2.000001, 2}, ay[3] = {1, 1, 1};
    EXPECT_EQ(Geo_Polygon_Remove_Duplicates(3, ax, ay), 0);
    EXPECT_EQ(ax[1], 2.000001); // unchanged
    EXPECT_EQ(Geo_Polygon_Remove_Duplicates(0, ax, ay), 0);
}

TEST(Geo2dTest, DropRightTurns)
{
    // A counter-clockwise outline with one reflex corner at (2, 2).
    double x[5] = {0, 4, 4, 2, 0}, y[5] = {0, 0, 4, 2, 4};
    EXPECT_EQ(Geo_Polygon_Drop_Right_Turns(5, x, y), 4);
    const double ex[4] = {0, 4, 4, 0}, ey[4] = {0, 0, 4, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(x[i], ex[i]);
        EXPECT_EQ(y[i], ey[i]);
    }
    // A clockwise triangle turns right everywhere: nothing kept, arrays as given.
    double cx[3] = {0, 0, 1}, cy[3] = {0, 1, 0};
    EXPECT_EQ(Geo_Polygon_Drop_Right_Turns(3, cx, cy), 0);
    EXPECT_EQ(cx[2], 1);
}

TEST(Geo2dTest, ParallelOffsetOpenPolyline)
{
    double x[3] = {0, 10, 10}, y[3] = {0, 0, 10};
    Geo_Parallel_Offset(x, y, -3, 1);
    const double ex[3] = {0, 9, 9}, ey[3] = {1, 1, 10};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(x[i], ex[i], 1e-12) << i;
        EXPECT_NEAR(y[i], ey[i], 1e-12) << i;
    }
}

TEST(Geo2dTest, ParallelOffsetClosedSquareMovesInwards)
{
    double x[4] = {0, 10, 10, 0}, y[4] = {0, 0, 10, 10};
    Geo_Parallel_Offset(x, y, 4, 1);
    const double ex[4] = {1, 9, 9, 1}, ey[4] = {1, 1, 9, 9};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(x[i], ex[i], 1e-12) << i;
        EXPECT_NEAR(y[i], ey[i], 1e-12) << i;
    }
}

TEST(Geo2dTest, ParallelOffsetStraightCornerAndLimits)
{
    // Collinear segments: the corner is the midpoint of the two shifted copies.
    double x[3] = {0, 5, 10}, y[3] = {0, 0, 0};
    Geo_Parallel_Offset(x, y, -3, -2);
    EXPECT_NEAR(x[1], 5, 1e-12);
    EXPECT_NEAR(y[1], -2, 1e-12);
    EXPECT_NEAR(y[2], -2, 1e-12);

    double bx[100], by[100];
    for (int i = 0; i < 100; ++i) {
        bx[i] = i;
        by[i] = i % 2;
    }
    Geo_Parallel_Offset(bx, by, 100, 1);
    Geo_Parallel_Offset(bx, by, 1, 1);
    Geo_Parallel_Offset(bx, by, -1, 1);
    Geo_Parallel_Offset(bx, by, INT_MIN, 1);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(bx[i], i);
        EXPECT_EQ(by[i], i % 2);
    }

    // A segment of length 0 is shifted by (d, 0): defined, no nan.
    double zx[2] = {3, 3}, zy[2] = {4, 4};
    Geo_Parallel_Offset(zx, zy, -2, 1.5);
    EXPECT_EQ(zx[0], 4.5);
    EXPECT_EQ(zy[1], 4);
}

} // namespace
