// Section values of polygons. Expected values by hand: b h^3/12 by parts,
// triangle moments about its corner, bisector directions of the corners.
#include "output/geo2dsec.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/kovmem.h"

namespace {

const double kPi = 3.14159265358979323846;

struct Section {
    const char* name;
    int n;
    double x[12], y[12];
    double area, perimeter, xc, yc, sx, sy, ix, iy, ixy;
};

TEST(Geo2dSecTest, SectionValuesTable)
{
    const Section cases[] = {
        {"rectangle", 4, {0, 4, 4, 0}, {0, 0, 2, 2}, 8, 12, 2, 1, 8, 16, 32.0 / 3, 128.0 / 3, 16},
        {"rectangle cw", 4, {0, 0, 4, 4}, {0, 2, 2, 0}, 8, 12, 2, 1, -8, -16, -32.0 / 3, -128.0 / 3, -16},
        // b h^3/12 = 6*27/12, h b^3/12 = 3*216/12, b^2 h^2/24 = 36*9/24
        {"triangle", 3, {0, 6, 0}, {0, 0, 3}, 9, 6 + 3 + std::sqrt(45.0), 2, 1, 9, 18, 13.5, 54, 13.5},
        // flanges 200 x 20, web 10 x 260, centred on the origin
        {"I-section",
         12,
         {-100, 100, 100, 5, 5, 100, 100, -100, -100, -5, -5, -100},
         {-150, -150, -130, -130, 130, 130, 150, 150, 130, 130, -130, -130},
         10600,
         2 * 200 + 4 * 20 + 4 * 95 + 2 * 260,
         0,
         0,
         0,
         0,
         200.0 * 300 * 300 * 300 / 12 - 190.0 * 260 * 260 * 260 / 12,
         2 * 20.0 * 200 * 200 * 200 / 12 + 260.0 * 10 * 10 * 10 / 12,
         0},
    };
    for (const Section& c : cases) {
        SCOPED_TRACE(c.name);
        double tol = 1e-9 * std::max(1.0, std::fabs(c.iy));
        EXPECT_NEAR(Geo_Polygon_Area(c.n, c.x, c.y), c.area, 1e-9);
        EXPECT_NEAR(Geo_Polygon_Perimeter(c.n, c.x, c.y), c.perimeter, 1e-9);
        double xc, yc;
        EXPECT_EQ(Geo_Polygon_Centroid(c.n, c.x, c.y, &xc, &yc), 0);
        EXPECT_NEAR(xc, c.xc, 1e-9);
        EXPECT_NEAR(yc, c.yc, 1e-9);
        Point2D p = Geo_Polygon_Centroid_Point(c.n, c.x, c.y);
        EXPECT_NEAR(p.x, c.xc, 1e-9);
        EXPECT_NEAR(p.y, c.yc, 1e-9);
        EXPECT_NEAR(Geo_Polygon_Moment_Sx(c.n, c.x, c.y), c.sx, 1e-6);
        EXPECT_NEAR(Geo_Polygon_Moment_Sy(c.n, c.x, c.y), c.sy, 1e-6);
        EXPECT_NEAR(Geo_Polygon_Inertia_Ix(c.n, c.x, c.y), c.ix, tol);
        EXPECT_NEAR(Geo_Polygon_Inertia_Iy(c.n, c.x, c.y), c.iy, tol);
        EXPECT_NEAR(Geo_Polygon_Inertia_Ixy(c.n, c.x, c.y), c.ixy, tol);
    }
}

TEST(Geo2dSecTest, EmptyAndZeroAreaOutlines)
{
    double x[3] = {0, 1, 3}, y[3] = {0, 1, 3};
    double xc = 0, yc = 0;
    Geo_Polygon_Centroid(0, x, y, &xc, &yc);
    EXPECT_TRUE(std::isnan(xc));
    EXPECT_TRUE(std::isnan(yc));
    EXPECT_EQ(Geo_Polygon_Area(0, x, y), 0);
    EXPECT_EQ(Geo_Polygon_Perimeter(0, x, y), 0);
    // Collinear points: the mean of the points stands for the centroid.
    Geo_Polygon_Centroid(3, x, y, &xc, &yc);
    EXPECT_NEAR(xc, 4.0 / 3, 1e-12);
    EXPECT_NEAR(yc, 4.0 / 3, 1e-12);
    EXPECT_EQ(Geo_Polygon_Scale(3, x, y, 2), 0);
    EXPECT_NEAR(x[2], 4.0 / 3 + 2 * (3 - 4.0 / 3), 1e-12);
    Geo_Polygon_Grow(3, x, y, 1, 1);
    Geo_Polygon_Offset_Vertices(3, x, y, 1);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(std::isfinite(x[i]) && std::isfinite(y[i]));
    double lx[3] = {0, 1, 3}, ly[3] = {0, 1, 3};
    double w = -1, h = -1, a = -1;
    Geo_Polygon_Principal(3, lx, ly, &w, &h, &a);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(a, 0);
    EXPECT_NEAR(lx[0], -4.0 / 3, 1e-12); // moved to the mean of the points
    Geo_Polygon_Principal(0, x, y, &w, &h, &a);
    EXPECT_TRUE(std::isnan(w) && std::isnan(h) && std::isnan(a));
}

TEST(Geo2dSecTest, PrincipalRectangle)
{
    double x[4] = {0, 4, 4, 0}, y[4] = {0, 0, 2, 2};
    double w, h, a;
    Geo_Polygon_Principal(4, x, y, &w, &h, &a);
    EXPECT_NEAR(w, 4, 1e-9);
    EXPECT_NEAR(h, 2, 1e-9);
    EXPECT_NEAR(a, 0, 1e-12);
    const double ex[4] = {-2, 2, 2, -2}, ey[4] = {-1, -1, 1, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(x[i], ex[i], 1e-12);
        EXPECT_NEAR(y[i], ey[i], 1e-12);
    }
    // Rectangles turned about their centroid: the angle is minus the turn.
    struct {
        double b, h, turn_deg;
    } turned[] = {{4, 2, 30}, {6, 2, 20}, {6, 2, -40}};
    for (auto& t : turned) {
        double rx[4] = {-t.b / 2, t.b / 2, t.b / 2, -t.b / 2};
        double ry[4] = {-t.h / 2, -t.h / 2, t.h / 2, t.h / 2};
        double phi = t.turn_deg * kPi / 180;
        for (int i = 0; i < 4; ++i) {
            double u = rx[i], v = ry[i];
            rx[i] = 7 + u * std::cos(phi) - v * std::sin(phi);
            ry[i] = -3 + u * std::sin(phi) + v * std::cos(phi);
        }
        Geo_Polygon_Principal(4, rx, ry, &w, &h, &a);
        EXPECT_NEAR(w, t.b, 1e-9) << t.turn_deg;
        EXPECT_NEAR(h, t.h, 1e-9) << t.turn_deg;
        EXPECT_NEAR(a, -phi, 1e-9) << t.turn_deg;
    }
    // The 6 x 2 case worked out: -20 degrees = -0.349066 rad.
    EXPECT_NEAR(-20 * kPi / 180, -0.349066, 1e-6);

    // A square and a regular hexagon have no principal direction.
    double sx[4] = {0, 3, 3, 0}, sy[4] = {0, 0, 3, 3};
    Geo_Polygon_Principal(4, sx, sy, &w, &h, &a);
    EXPECT_EQ(a, 0);
    EXPECT_NEAR(w, 3, 1e-9);
    EXPECT_NEAR(h, 3, 1e-9);
    double hx[6], hy[6];
    for (int i = 0; i < 6; ++i) {
        hx[i] = 2 * std::cos(i * kPi / 3 + 0.3);
        hy[i] = 2 * std::sin(i * kPi / 3 + 0.3);
    }
    Geo_Polygon_Principal(6, hx, hy, &w, &h, &a);
    double area6 = 6 * std::sqrt(3.0) / 4 * 4; // six equilateral triangles of side 2
    EXPECT_EQ(a, 0);
    EXPECT_NEAR(w, std::sqrt(area6), 1e-9);
    EXPECT_NEAR(h, std::sqrt(area6), 1e-9);
}

TEST(Geo2dSecTest, ScaleGrowOffset)
{
    double x[4] = {0, 4, 4, 0}, y[4] = {0, 0, 2, 2};
    Geo_Polygon_Scale(4, x, y, 0.5);
    const double sx[4] = {1, 3, 3, 1}, sy[4] = {0.5, 0.5, 1.5, 1.5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(x[i], sx[i], 1e-12);
        EXPECT_NEAR(y[i], sy[i], 1e-12);
    }
    double gx[4] = {0, 4, 4, 0}, gy[4] = {0, 0, 2, 2};
    Geo_Polygon_Grow(4, gx, gy, 1, 1);
    const double ex[4] = {-1, 5, 5, -1}, ey[4] = {-1, -1, 3, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(gx[i], ex[i], 1e-12);
        EXPECT_NEAR(gy[i], ey[i], 1e-12);
    }
    Mem_Reset_Live_Blocks();
    const double r = std::sqrt(0.5);
    double qx[4] = {0, 10, 10, 0}, qy[4] = {0, 0, 10, 10};
    Geo_Polygon_Offset_Vertices(4, qx, qy, 1);
    const double ox[4] = {-r, 10 + r, 10 + r, -r}, oy[4] = {-r, -r, 10 + r, 10 + r};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(qx[i], ox[i], 1e-9);
        EXPECT_NEAR(qy[i], oy[i], 1e-9);
    }
    double tx[3] = {0, 4, 0}, ty[3] = {0, 0, 3};
    Geo_Polygon_Offset_Vertices(3, tx, ty, 1);
    const double px[3] = {-0.7071067811865475, 4.948683298050514, -0.4472135954999579};
    const double py[3] = {-0.7071067811865475, -0.31622776601683794, 3.8944271909999157};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(tx[i], px[i], 1e-9);
        EXPECT_NEAR(ty[i], py[i], 1e-9);
    }
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

} // namespace
