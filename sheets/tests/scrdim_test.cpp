// Tests of the screen's dimension lines: arrow heads, axes, extension lines and texts, upright
// reading, zero scale, units and text boxes.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "platform/kovscreen.h"
#include "sheets/scrgraph.h"
#include "sheets/tests/scrtest.h"

using scrtest::calls;
using Lines = std::vector<std::string>;

namespace {

class ScreenDimensions : public testing::Test {
protected:
    void SetUp() override
    {
        scrtest::plain_view();
        scrtest::fresh_screen();
    }
};

// The texts of the graphic-text calls logged since the last clear.
Lines graphic_texts()
{
    Lines out;
    for (const std::string& l : calls({"pxGBTt"})) {
        std::istringstream in(l);
        std::string name, x1, y1, x2, y2, text, code;
        in >> name >> x1 >> y1 >> x2 >> y2 >> text >> code;
        out.push_back(text + "/" + code);
    }
    return out;
}

// Width of a graphic text as the dimension line measures it.
int graphic_width(const char* text, double height)
{
    pxExpF(0.7);
    pxSpac(0.1);
    pxChH(height);
    pxOrnt(0, 0);
    int extent[4];
    pxQGTX(text, int(std::strlen(text)), nullptr, nullptr, extent);
    return extent[1] - extent[0];
}

} // namespace

TEST_F(ScreenDimensions, ArrowHeadNoLongerThanTheArrow)
{
    Scr_Set_View(-1, -2, 0, 10, 10);
    // (0,0)-(2,0), head 5 x 4: L = 2, W = 2, head points (0,-1) and (0,1).
    for (int filled : {0, 2}) {
        Kov_Script_Clear_Log();
        Scr_Arrow(0, 0, 2, 0, 5, 4, filled);
        EXPECT_EQ(calls({"pxLine", "pxFill"}),
                  (Lines{"pxLine 10 20 30 20", "pxLine 10 10 30 20", "pxLine 10 30 30 20"}))
            << filled;
    }
    // (0,0)-(3,4), head 2 x 1: base (1.8, 2.4), half width along (-0.8, 0.6).
    Kov_Script_Clear_Log();
    Scr_Arrow(0, 0, 3, 4, 2, 1, 0);
    EXPECT_EQ(calls({"pxLine"}), (Lines{"pxLine 10 20 40 60", "pxLine 32 41 40 60", "pxLine 24 47 40 60"}));

    Kov_Script_Clear_Log();
    pxFgc(0);
    Scr_Arrow(0, 0, 2, 0, 5, 4, 1);
    EXPECT_EQ(calls({"pxLine", "pxFill"}), (Lines{"pxLine 10 20 30 20", "pxFill 3"}));
    EXPECT_EQ(Kov_Ui_Pixel(12, 13), 0);
    EXPECT_EQ(Kov_Ui_Pixel(12, 27), 0);
    EXPECT_NE(Kov_Ui_Pixel(12, 9), 0);
}

TEST_F(ScreenDimensions, AxesRunParallelToTheWorldAxes)
{
    Scr_Set_View(0, 0, 0, 10, 10);
    // a = 1, E = (1 + 3, 1 + 2).
    Scr_Axes(1, 1, "x", "y", 30, 20, 0, 10);
    EXPECT_EQ(calls({"pxLine", "pxFill", "pxText", "Pop_RFont", "Push_RFont"}),
              (Lines{"pxLine 10 10 40 10", "pxFill 3", "pxLine 10 10 10 30", "pxFill 3", "Pop_RFont 4096",
                     "pxText 16 30 y", "pxText 40 4 x", "Push_RFont"}));
    Kov_Script_Clear_Log();
    Scr_Axes(1, 1, "x", "y", 30, 20, 0, 0);
    EXPECT_EQ(calls({"pxLine", "pxFill", "pxText"}), Lines{});
}

TEST_F(ScreenDimensions, DimensionLineWithExtensionLinesAndTexts)
{
    const int o = graphic_width("2.00", 12.0) + graphic_width("5", 8.4);
    ASSERT_GT(o, 0);
    Scr_Set_View(0, 4, 0, 100, -100);
    struct Case {
        int mode;
        double x1, y1, x2, y2;
    } cases[] = {{2, 1, 2, 3, 2}, {0, 1, 200, 3, 200}, {1, 100, 2, 300, 2}};
    for (const Case& c : cases) {
        Kov_Script_Clear_Log();
        Scr_Dimension_Line(c.mode, c.x1, c.y1, c.x2, c.y2, "2.00", "5", 20);
        // g = 0.05, e = 0.2, t = 0.1 world units; the second text stands o/2
        // pixels right of the middle (after the value, which reads to the
        // right), raised by e/2.
        const std::string second = "pxGBTt " + std::to_string(int(200 + o / 2.0 + 0.5)) + " 180 " +
                                   std::to_string(int(200 + o / 2.0 + 0.5)) + " 180 5 210";
        EXPECT_EQ(calls({"pxExpF", "pxSpac", "pxChH", "pxOrnt", "pxLine", "pxGBTt"}),
                  (Lines{"pxExpF 0.7", "pxSpac 0.1", "pxChH 12", "pxOrnt 0 0", "pxChH 8.4", "pxLine 95 200 305 200",
                         "pxLine 100 205 100 180", "pxLine 300 205 300 180", "pxOrnt 3.14159 0", "pxChH 12",
                         "pxGBTt 200 190 200 190 2.00 210", "pxChH 8.4", second}))
            << c.mode;
    }

    // Upwards: the extension lines go to the left, the texts read along the line.
    Kov_Script_Clear_Log();
    Scr_Dimension_Line(2, 1, 1, 1, 3, "2.00", nullptr, 20);
    EXPECT_EQ(calls({"pxLine", "pxGBTt", "pxOrnt"}),
              (Lines{"pxOrnt 0 0", "pxLine 100 305 100 95", "pxLine 105 300 80 300", "pxLine 105 100 80 100",
                     "pxOrnt 1.5708 0", "pxGBTt 90 200 90 200 2.00 210"}));

    // A thickness of 0 does not touch the one-pixel lines.
    Scr_Set_Thickness(0);
    Kov_Script_Clear_Log();
    Scr_Dimension_Line(2, 1, 2, 3, 2, "", "", 20);
    EXPECT_EQ(calls({"pxLine"}).size(), 3u);
    EXPECT_EQ(calls({"pxGBTt"}).size(), 0u);
}

// The value of a line drawn left to right stands upright above it: the bar of
// a "T" is at the top of its ink, the stem below.
TEST_F(ScreenDimensions, ALeftToRightValueReadsUpright)
{
    Scr_Set_View(0, 4, 0, 100, -100);
    pxFgc(0);
    Scr_Dimension_Line(2, 1, 2, 3, 2, "T", nullptr, 20);
    // The text is centred on (200, 190), the line runs at y = 200.
    int top = -1, bottom = -1;
    for (int y = 170; y < 199 && bottom < 0; ++y)
        for (int x = 185; x <= 215; ++x)
            if (Kov_Ui_Pixel(x, y) == 0) top = top < 0 ? y : top;
    for (int y = 198; y >= 170 && bottom < 0; --y)
        for (int x = 185; x <= 215; ++x)
            if (Kov_Ui_Pixel(x, y) == 0) bottom = y;
    ASSERT_GE(top, 0);
    ASSERT_GT(bottom, top);
    auto ink = [](int y) {
        int n = 0;
        for (int x = 185; x <= 215; ++x) n += Kov_Ui_Pixel(x, y) == 0;
        return n;
    };
    EXPECT_GT(ink(top), 2 * ink(bottom)) << top << " " << bottom;
    // And it reads left to right: the graphic text runs along +x.
    int xs[4], ys[4];
    pxQGTX("T", 1, xs, ys, nullptr);
    EXPECT_GT(xs[1], xs[0]);
    EXPECT_LT(ys[2], ys[1]);
}

TEST_F(ScreenDimensions, ZeroScaleDrawsNoDimension)
{
    for (int mode : {0, 1, 2}) {
        Scr_Set_View(0, 0, 0, mode == 0 ? 1 : 0, mode == 0 ? 0 : 1);
        Kov_Script_Clear_Log();
        Scr_Dimension_Line(mode, 1, 2, 3, 2, "2.00", "5", 20);
        EXPECT_EQ(calls({"pxLine", "pxGBTt"}), Lines{}) << mode;
    }
}

TEST_F(ScreenDimensions, LengthInCentimetresAndMetres)
{
    Scr_Set_View(0, 4, 0, 100, -100);
    struct Case {
        double length;
        Lines texts;
    } cases[] = {
        {1.996, {"1.99/210", "5/210"}},
        {1.998, {"2.00/210"}},
        {0.255, {"25/210", "5/210"}},
        {0.355, {"35/210", "5/210"}},
        {0.36, {"36/210"}},
        {1.235, {"1.23/210", "5/210"}},
        {1.238, {"1.24/210"}},
        {0.0104, {"1/210"}},
        {0.005, {}},
        {0.0094, {}},
    };
    for (const Case& c : cases) {
        Kov_Script_Clear_Log();
        Scr_Dimension_Length(2, 0.5, 1, 0.5 + c.length, 1, 10);
        EXPECT_EQ(graphic_texts(), c.texts) << c.length;
    }
    // Diagonal: 0.3 by 0.4 is 0.5 m.
    Kov_Script_Clear_Log();
    Scr_Dimension_Length(2, 0, 0, 0.3, 0.4, 10);
    EXPECT_EQ(graphic_texts(), Lines{"50/210"});
}

TEST_F(ScreenDimensions, TextsAtWorldPoints)
{
    Scr_Set_View(0, 0, 0, 1, 1);
    Set_RFont(0x1002);
    const int width = RFONT_WIDTH;
    Scr_Text_Bold(10.4, 20.6, "fett", 0x1002);
    Scr_Text_Plain(10, 40, "mager", 0x1000);
    Scr_Text(10, 60, "auch", 0x1000, 3);
    Scr_Text_Right(100, 80, "abcde", 0x11000); // 40 pixels: starts at 100 - (40 - 2 + 2)
    Scr_Text_Right(100, 90, "abcde", 0x1000);  // 100 - (40 - 2)
    EXPECT_EQ(calls({"pxText"}),
              (Lines{"pxText 10 21 fett", "pxText 11 21 fett", "pxText 10 40 mager", "pxText 10 60 auch",
                     "pxText 11 60 auch", "pxText 60 80 abcde", "pxText 62 90 abcde"}));
    EXPECT_EQ(calls({"Pop_RFont"}).size(), calls({"Push_RFont"}).size());
    EXPECT_EQ(RFONT_WIDTH, width); // the small font is in force again
}

TEST_F(ScreenDimensions, TextBoxCodes)
{
    Scr_Set_View(0, 0, 0, 1, 1);
    struct Case {
        int v, h, code;
    } cases[] = {{4, 4, 210}, {0, 1, 204}, {2, 2, 0xC0 + 1 + 0x20}, {0, 4, 0xC0 + 2 + 8}, {4, 1, 0xC0 + 4 + 0x10}};
    for (const Case& c : cases) {
        Kov_Script_Clear_Log();
        Scr_Text_Box(50, 60, "T", 0x1000, c.v, c.h);
        EXPECT_EQ(calls({"pxBTxt"}), Lines{"pxBTxt 45 55 55 65 T " + std::to_string(c.code)}) << c.v << " " << c.h;
    }
}
