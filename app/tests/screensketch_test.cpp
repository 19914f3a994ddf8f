// The screen's side view of the joint, against lengths worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "app/screensketch.h"

namespace {

const double D2R = 3.14159265358979323846 / 180.0;

} // namespace

TEST(ScreenSketch, FrontNotch)
{
    // gamma 60, h_G 180, h_D 100, t_v1 30: a = 30 / tan 60 = 17.3205,
    // s = 100 / sin 60 = 115.4701, the notch starts at 180 - 17.3205.
    const double a = 30.0 / std::tan(60 * D2R);
    const double s = 100.0 / std::sin(60 * D2R);
    const ScreenSketch g = sketch_geometry(0, 180, 100, 30, 30, 60);
    ASSERT_TRUE(g.valid);
    ASSERT_EQ(g.sill.size(), 7);
    const QPointF expect[7] = {{0, 180},
                               {180 - a, 180},
                               {180, 210},
                               {180 + s - a, 180},
                               {180 + s - a + 180 - a, 180},
                               {180 + s - a + 180 - a, 360},
                               {0, 360}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_NEAR(g.sill[i].x(), expect[i].x(), 1e-9) << i;
        EXPECT_NEAR(g.sill[i].y(), expect[i].y(), 1e-9) << i;
    }
    EXPECT_NEAR(g.sill[1].x(), 162.68, 0.005);
    // The strut turns about its first point, the notch's start, by 60 degrees
    // upwards: its far end (on the sill's face before the turn) goes up and right.
    EXPECT_EQ(g.pivot, g.sill[1]);
    const QPointF far = sketch_turn(g.strut[1], g.pivot, 60);
    const double len = g.strut[1].x() - g.pivot.x();
    EXPECT_NEAR(far.x(), g.pivot.x() + len * 0.5, 1e-9);
    EXPECT_NEAR(far.y(), 180 - len * std::sin(60 * D2R), 1e-9);
}

TEST(ScreenSketch, HeelNotchFacesMeetAtARightAngleAtTheStepDepth)
{
    // A heel notch is cut square: its two faces meet at a right angle, t_v
    // below the sill's face; the rising face runs at gamma to the sill's face.
    for (double gamma : {30.0, 45.0, 60.0}) {
        const ScreenSketch g = sketch_geometry(2, 180, 100, 30, 25, gamma);
        ASSERT_TRUE(g.valid);
        ASSERT_EQ(g.sill.size(), 7);
        const QPointF u = g.sill[2] - g.sill[1], v = g.sill[3] - g.sill[2];
        EXPECT_NEAR(u.x() * v.x() + u.y() * v.y(), 0.0, 1e-9) << gamma;
        EXPECT_NEAR(g.sill[2].y(), 180 + 25, 1e-9) << gamma;
        EXPECT_NEAR(g.sill[1].y(), 180, 1e-9);
        EXPECT_NEAR(g.sill[3].y(), 180, 1e-9);
        EXPECT_NEAR(std::atan2(-v.y(), v.x()) / D2R, gamma, 1e-9) << gamma;
    }
    // No joint type: nothing to draw.
    EXPECT_FALSE(sketch_geometry(-1, 180, 100, 30, 25, 60).valid);
    EXPECT_FALSE(sketch_geometry(4, 180, 100, 30, 25, 60).valid);
}
