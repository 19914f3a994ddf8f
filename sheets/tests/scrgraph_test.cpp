// Tests of the screen graphics: world points to pixels, lines and dots by thickness and style,
// bands, points that are not finite and zero scales.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/kovmath.h"
#include "platform/kovscreen.h"
#include "sheets/scrgraph.h"
#include "sheets/tests/scrtest.h"

using scrtest::calls;
using Lines = std::vector<std::string>;

namespace {

class ScreenGraphics : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::plain_view();
        scrtest::fresh_screen();
    }
};

// The pixel where a world point lands: the start of a one-pixel line.
std::string pixel_of(double x, double y)
{
    Scr_Set_Thickness(1);
    Kov_Script_Clear_Log();
    Scr_Line(x, y, x, y);
    const Lines l = calls({"pxLine"});
    return l.empty() ? "none" : l[0].substr(7, l[0].rfind(' ', l[0].rfind(' ') - 1) - 7);
}

} // namespace

TEST_F(ScreenGraphics, ViewMapsWorldPointsToRoundedPixels)
{
    struct Case {
        double x0, y0, angle, sx, sy, x, y;
        const char* pixel;
    } cases[] = {
        {0, 0, 0, 1, 1, 10.5, -2.5, "11 -3"},                     // halves away from zero
        {0, 0, 0, 1, -1, 10.5, -2.5, "11 3"},                     // world y up
        {0, 0, KOV_PI / 2, 1, 1, 0, 1, "1 0"},                    // turned by a quarter
        {2, 1, 0, 10, -10, 3.25, 0.5, "13 5"},                    // 12.5 -> 13, 5 -> 5
        {0, 0, 0, 1, 1, -2.5, -0.5, "-3 -1"},                     // negative halves away from zero too
        {0, 0, 0, 1, 1, 1e300, -1e300, "2147483647 -2147483648"}, // held to the int range
    };
    for (const Case& c : cases) {
        Scr_Set_View(c.x0, c.y0, c.angle, c.sx, c.sy);
        EXPECT_EQ(pixel_of(c.x, c.y), c.pixel) << c.x << " " << c.y;
    }
}

TEST_F(ScreenGraphics, DotIsCutWhereTheLineIsRounded)
{
    Scr_Set_View(2, 1, 0, 10, -10);
    Scr_Line(3.25, 0.5, 4, 0.5);
    Scr_Dot(3.25, 0.5);
    EXPECT_EQ(calls({"pxLine", "pxDot"}), (Lines{"pxLine 13 5 20 5", "pxDot 12 5"}));
}

TEST_F(ScreenGraphics, PointsThatAreNotFiniteDrawNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    Scr_Line(0, 0, nan, 5);
    Scr_Line(inf, 0, 5, 5);
    Scr_Dot(nan, 1);
    Scr_Fill_Rectangle(0, 0, 5, inf);
    const double xs[3] = {0, 10, nan}, ys[3] = {0, 0, 10};
    Scr_Fill_Polygon(3, xs, ys);
    Scr_Set_View(0, 0, 0, inf, 1);
    Scr_Line(0, 0, 1, 1); // 0 times infinity
    EXPECT_EQ(calls({"pxLine", "pxDot", "pxRect", "pxFill", "pxTkLn"}), Lines{});
}

TEST_F(ScreenGraphics, WorldToScreenOfLengthsAndBack)
{
    Scr_Set_View(3, -2, 0.4, 20, -5);
    double x = 7, y = 1;
    Scr_World_To_Screen(&x, nullptr);
    EXPECT_DOUBLE_EQ(x, 140);
    Scr_World_To_Screen(nullptr, &y);
    EXPECT_DOUBLE_EQ(y, -5);
    Scr_World_To_Screen(nullptr, nullptr);

    // By hand: dx = 4, dy = 3; X = 20 (4c + 3s), Y = -5 (3c - 4s).
    x = 7;
    y = 1;
    Scr_World_To_Screen(&x, &y);
    const double c = std::cos(0.4), s = std::sin(0.4);
    EXPECT_NEAR(x, 20 * (4 * c + 3 * s), 1e-12);
    EXPECT_NEAR(y, -5 * (3 * c - 4 * s), 1e-12);
    Scr_Screen_To_World(&x, &y);
    EXPECT_NEAR(x, 7, 1e-12);
    EXPECT_NEAR(y, 1, 1e-12);
    EXPECT_NEAR(Scr_Screen_Distance(3, -2, 4, -2), std::hypot(20 * c, 5 * s), 1e-12);
    EXPECT_EQ(Scr_Get_Scale_X(), 20);
    EXPECT_EQ(Scr_Get_Scale_Y(), -5);
}

TEST_F(ScreenGraphics, ZeroScaleLeavesTheScreenPointAsItIs)
{
    for (double sx : {0.0, 1.0}) {
        Scr_Set_View(1, 1, 0, sx, 1.0 - sx);
        double x = 12, y = 34;
        Scr_Screen_To_World(&x, &y);
        EXPECT_EQ(x, 12);
        EXPECT_EQ(y, 34);
    }
}

TEST_F(ScreenGraphics, LineFollowsThicknessAndStyle)
{
    struct Case {
        int thickness, style;
        double x1, y1, x2, y2;
        Lines expected;
    } cases[] = {
        {0, 0, 0, 0, 10, 10, {}},
        {-2, 1, 0, 0, 10, 10, {}},
        {1, 1, 0, 0, 10, 10, {"pxLine 0 0 10 10"}},
        {2, 0, 0, 0, 10, 10, {"pxTkLn 0 0 10 10 2"}},
        {5, 2, 0, 0, 10, 10, {"pxTkLn 0 0 10 10 5"}},
        {2, 1, 100, 50, 0, 50, {"pxSLn 1", "pxLine 100 51 0 51", "pxSLn 1", "pxLine 100 50 0 50"}},
        {2, 1, 50, 100, 50, 0, {"pxSLn 1", "pxLine 51 100 51 0", "pxSLn 1", "pxLine 50 100 50 0"}},
        // Equal spans go to x.
        {3,
         2,
         0,
         0,
         10,
         10,
         {"pxSLn 2", "pxLine 1 0 11 10", "pxSLn 2", "pxLine 0 0 10 10", "pxSLn 2", "pxLine -1 0 9 10"}},
    };
    for (const Case& c : cases) {
        Scr_Set_Thickness(c.thickness);
        Scr_Set_Line_Style(c.style);
        EXPECT_EQ(Scr_Get_Line_Style(), c.style);
        Kov_Script_Clear_Log();
        Scr_Line(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(calls({"pxLine", "pxTkLn", "pxSLn"}), c.expected) << c.thickness << " " << c.style;
    }
}

TEST_F(ScreenGraphics, DotDiameterIsTheThickness)
{
    Scr_Set_View(0, 0, 0, 1, 1);
    Scr_Set_Thickness(2); // r = 1: one pixel
    Scr_Dot(100.7, 50.9);
    EXPECT_EQ(calls({"pxDot", "pxFill"}), Lines{"pxDot 100 50"});
    EXPECT_EQ(Kov_Ui_Pixel(100, 50), 0);
    EXPECT_NE(Kov_Ui_Pixel(101, 51), 0);

    Kov_Script_Clear_Log();
    Scr_Set_Thickness(3); // r = 2: a disc of 72 points
    Scr_Dot(200, 60);
    EXPECT_EQ(calls({"pxDot", "pxFill"}), Lines{"pxFill 72"});
    for (int d = -2; d <= 2; ++d) {
        EXPECT_EQ(Kov_Ui_Pixel(200 + d, 60), 0) << d;
        EXPECT_EQ(Kov_Ui_Pixel(200, 60 + d), 0) << d;
    }
    EXPECT_NE(Kov_Ui_Pixel(203, 60), 0);
    EXPECT_NE(Kov_Ui_Pixel(200, 57), 0);

    // A thickness of 0 suppresses lines, not dots.
    Kov_Script_Clear_Log();
    Scr_Set_Thickness(0);
    Scr_Dot(5, 5);
    EXPECT_EQ(calls({"pxDot", "pxFill"}), Lines{"pxDot 5 5"});
}

TEST_F(ScreenGraphics, BandsAreCentredOnTheirSegment)
{
    Scr_Set_View(0, 0, 0, 1, 1);
    pxFgc(0);
    Scr_Band(10, 50, 110, 50, 20, nullptr); // corners (10, 60) (110, 60) (110, 40) (10, 40)
    EXPECT_EQ(Kov_Ui_Pixel(10, 40), 0);
    EXPECT_EQ(Kov_Ui_Pixel(110, 60), 0);
    EXPECT_EQ(Kov_Ui_Pixel(60, 50), 0);
    EXPECT_NE(Kov_Ui_Pixel(60, 61), 0);
    EXPECT_NE(Kov_Ui_Pixel(60, 39), 0);
    EXPECT_NE(Kov_Ui_Pixel(111, 50), 0);

    // Vertical: across x; from bottom to top the same band as from top to bottom.
    Scr_Band(300, 100, 300, 10, 8, nullptr);
    EXPECT_EQ(Kov_Ui_Pixel(296, 10), 0);
    EXPECT_EQ(Kov_Ui_Pixel(304, 100), 0);
    EXPECT_NE(Kov_Ui_Pixel(305, 50), 0);
    EXPECT_NE(Kov_Ui_Pixel(295, 50), 0);

    // A pattern is set before the fill and solid fills come back after it.
    Kov_Script_Clear_Log();
    const int rows[16] = {0xFFFF};
    Scr_Band(0, 0, 10, 10, 2, rows);
    EXPECT_EQ(calls({"pxSUFA", "pxFill", "pxSFA"}), (Lines{"pxSUFA", "pxFill 4", "pxSFA 0"}));
}

TEST_F(ScreenGraphics, ThreeFillPatterns)
{
    Scr_Set_View(0, 0, 0, 1, 1);
    pxFgc(0);
    struct Case {
        void (*set)();
        int y;
    } cases[] = {{Scr_Set_Pattern_Dots, 100}, {Scr_Set_Pattern_Motif, 200}, {Scr_Set_Pattern_Lines, 300}};
    const int dots[16] = {0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0, 0x5555, 0};
    const int motif[4] = {0x0810, 0x0660, 0x9189, 0x6006};
    for (const Case& c : cases) {
        c.set();
        Scr_Fill_Rectangle(0, c.y, 63, c.y + 31);
        pxSFA(0);
    }
    // The patterns are anchored to the screen: row y % 16, column x % 16, the
    // most significant of the 16 bits leftmost.
    auto set = [](int row, int x) { return ((row >> (15 - x % 16)) & 1) != 0; };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            EXPECT_EQ(Kov_Ui_Pixel(x, 100 + y) == 0, set(dots[(100 + y) % 16], x)) << x << " " << y;
            EXPECT_EQ(Kov_Ui_Pixel(x, 200 + y) == 0, set(motif[(200 + y) % 4], x)) << x << " " << y;
            EXPECT_EQ(Kov_Ui_Pixel(x, 300 + y) == 0, set(0x1111, x)) << x << " " << y;
        }
}

TEST_F(ScreenGraphics, RectanglesCirclesAndPolygons)
{
    Scr_Set_View(0, 0, 0, 2, 2);
    Scr_Rectangle(1, 2, 3, 4);
    EXPECT_EQ(calls({"pxLine"}), (Lines{"pxLine 2 4 6 4", "pxLine 6 4 6 8", "pxLine 6 8 2 8", "pxLine 2 8 2 4"}));
    Kov_Script_Clear_Log();
    Scr_Rectangle_Centred(2, 3, 2, 2);
    EXPECT_EQ(calls({"pxLine"}).size(), 4u);
    EXPECT_EQ(calls({"pxLine"})[0], "pxLine 2 4 6 4");

    Kov_Script_Clear_Log();
    Scr_Fill_Rectangle(1, 2, 3, 4);
    Scr_Fill_Rectangle_Centred(10, 10, 3, 1); // (8.5, 9.5)-(11.5, 10.5): 17 19 23 21
    EXPECT_EQ(calls({"pxRect"}), (Lines{"pxRect 2 4 6 8", "pxRect 17 19 23 21"}));

    pxFgc(0x123456);
    Kov_Script_Clear_Log();
    Scr_Erase_Rectangle(1, 2, 3, 4);
    EXPECT_EQ(calls({"pxFgc", "pxRect"}), (Lines{"pxFgc -1", "pxRect 2 4 6 8", "pxFgc 1193046"}));
    EXPECT_EQ(Kov_Ui_Pixel(4, 6), 0xF0F0F0);
    EXPECT_EQ(pxQFgc(), 0x123456);

    Kov_Script_Clear_Log();
    Scr_Circle(100, 100, 20);
    const Lines circle = calls({"pxLine"});
    ASSERT_EQ(circle.size(), 72u);
    EXPECT_EQ(circle[0], "pxLine 240 200 240 203");  // from the angle 0
    EXPECT_EQ(circle[71], "pxLine 240 197 240 200"); // the last back to the first
    Kov_Script_Clear_Log();
    Scr_Fill_Circle(100, 100, 20);
    EXPECT_EQ(calls({"pxFill"}), Lines{"pxFill 72"});

    const double xs[3] = {0, 10, 10}, ys[3] = {0, 0, 5};
    Kov_Script_Clear_Log();
    Scr_Polygon(3, xs, ys);
    EXPECT_EQ(calls({"pxLine"}), (Lines{"pxLine 0 0 20 0", "pxLine 20 0 20 10", "pxLine 20 10 0 0"}));
    Kov_Script_Clear_Log();
    Scr_Polygon(0, xs, ys);
    Scr_Polygon(1, xs, ys);
    EXPECT_EQ(calls({"pxLine"}), Lines{"pxLine 0 0 0 0"});
    // The fill is handed on for every count.
    Kov_Script_Clear_Log();
    Scr_Fill_Polygon(2, xs, ys);
    Scr_Fill_Polygon(0, nullptr, nullptr);
    EXPECT_EQ(calls({"pxFill"}), (Lines{"pxFill 2", "pxFill 0"}));
}

TEST_F(ScreenGraphics, EllipseForUnequalScales)
{
    Scr_Set_View(0, 0, 0, 4, 1);
    pxFgc(0);
    Scr_Fill_Circle(50, 100, 10);
    EXPECT_EQ(Kov_Ui_Pixel(239, 100), 0);
    EXPECT_NE(Kov_Ui_Pixel(200, 112), 0);
    EXPECT_EQ(Kov_Ui_Pixel(200, 109), 0);
}

TEST(Lighten, ColoursInTheHslModel)
{
    // Expected values from Python's colorsys HLS conversion, lightness times
    // 1 + p/100, held to 0 .. 255 and rounded half up.
    struct Case {
        int r, g, b;
        double percent;
        int er, eg, eb;
    } cases[] = {
        {0, 88, 176, 10, 0, 97, 194},
        {0, 88, 176, 60, 27, 141, 255},
        {100, 100, 100, 50, 150, 150, 150},
        {0, 0, 255, 40, 102, 102, 255},
        {255, 0, 0, 40, 255, 102, 102}, // a pure red lightens too
        {128, 0, 0, 40, 179, 0, 0},
        {200, 200, 200, 50, 255, 255, 255}, // held at white
        {30, 160, 90, 25, 38, 200, 113},
        {240, 240, 240, -40, 144, 144, 144},
        {255, 0, 0, -100, 0, 0, 0},
        {12, 200, 77, -100, 0, 0, 0},
        {0, 0, 0, 50, 0, 0, 0},
        {17, 34, 51, 0, 17, 34, 51},
    };
    for (const Case& c : cases) {
        int r = c.r, g = c.g, b = c.b;
        Mask_Lighten_Rgb(&r, &g, &b, c.percent);
        EXPECT_EQ(r, c.er) << c.r << " " << c.g << " " << c.b << " by " << c.percent;
        EXPECT_EQ(g, c.eg) << c.r << " " << c.g << " " << c.b << " by " << c.percent;
        EXPECT_EQ(b, c.eb) << c.r << " " << c.g << " " << c.b << " by " << c.percent;
    }
    int r = 1, g = 2;
    Mask_Lighten_Rgb(&r, &g, nullptr, 50);
    EXPECT_EQ(r, 1);
}

TEST(Lighten, PaletteEntryToNearestColour)
{
    EXPECT_EQ(Mask_Lighten_Color(Nearest_RGB_Color(0, 88, 176), 10), Nearest_RGB_Color(0, 97, 194));
    // The environment's read-only label colour (0, 64, 160).
    EXPECT_EQ(Mask_Lighten_Color(-6, 40), Nearest_RGB_Color(0, 90, 224));
}
