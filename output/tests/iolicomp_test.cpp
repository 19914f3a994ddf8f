// Drawing composites: symbols, reinforcement label, arrows and rows, fasteners,
// leader labels and hatched bands, record by record. Expected numbers are
// worked out by hand from the symbols' geometry.
#include "output/iolicomp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "output/ioliplot.h"
#include "output/tests/comp_fixture.h"
#include "test_support/kovtestutil.h"

namespace {

class CompositeTest : public CompositeFixture {
protected:
    // A block of 200 x 100 world units at scale s, y up (or down).
    void Begin(double s = 1.0, bool y_down = false)
    {
        if (y_down)
            Oli_Graphic_Begin(f_, 0, 100, 200, 0, s, s);
        else
            Oli_Graphic_Begin(f_, 0, 0, 200, 100, s, s);
    }
    FILE* OpenPlot()
    {
        plot_ = tmpfile();
        Plot_Open_Grey(plot_, 0, 0, 200, 100, 1, 0, "Test");
        return plot_;
    }
    std::string PlotText() { return kovtest::contents(plot_); }
    FILE* plot_ = nullptr;
};

// ---- symbols -----------------------------------------------------------------------------------

TEST_F(CompositeTest, AxesSymbolTextHeightHasALowerBound)
{
    Begin();
    Oli_Graphic_Axes_Symbol(10, 10, "x", "y", 0.6, 0);
    EXPECT_EQ(Lines(" 13 "), std::vector<std::string>{" 13 0.187500"});
    Oli_Graphic_Axes_Symbol(10, 10, "x", "y", 1.0, 0);
    EXPECT_EQ(Lines(" 13 ").back(), " 13 0.250000");
    // Size 1 at scale 1: e = 1, f = 0.2, g = 0.1: shaft to 0.9, head from 1.
    std::string r = Records();
    EXPECT_NE(r.find(" 1  10.000000 10.000000 10.900000 10.000000\n"), std::string::npos);
    EXPECT_NE(r.find(" 18 3 11.000000 10.000000 10.800000 10.100000 10.800000 9.900000 \n"), std::string::npos);
    EXPECT_NE(r.find(" 9 11.000000 9.700000 11.000000 9.700000 210 \xAEx\xAF\n"), std::string::npos);
}

TEST_F(CompositeTest, ColourOutputOffFillsNoHeadOrTriangle)
{
    Begin();
    Oli_Graphic_Set_Colour_Output(0);
    Oli_Graphic_Axes_Symbol(10, 10, "x", "y", 1.0, 0);
    Oli_Graphic_Arrow_Label(50, 10, 1.0, 0, "N");
    Oli_Graphic_Level_Mark(80, 10, "+0.00", 1, 1.0);
    Oli_Graphic_Section_Line(10, 50, 100, 50, 0.5, "A", "A");
    EXPECT_EQ(Count_Prefix(Records(), " 18 "), 0);
    for (const std::string& l : Lines(" 20 ")) EXPECT_EQ(l, " 20  0");
    EXPECT_EQ(Count_Prefix(Records(), " 1  "), 2 + 2 + 3 + 3); // shafts, cross, outline, section
    Oli_Graphic_Set_Colour_Output(1);
}

TEST_F(CompositeTest, ArrowLabelLengthFollowsTheScaleOfItsDirection)
{
    Oli_Graphic_Begin(f_, 0, 0, 200, 100, 2.0, 4.0);
    Oli_Graphic_Arrow_Label(0, 0, 1.0, 0.0, "N");     // size / sx = 0.5: shaft to 0.5 - 0.05
    Oli_Graphic_Arrow_Label(0, 0, 1.0, 0.00001, "N"); // size / smax = 0.25
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_GE(l.size(), 4u);
    EXPECT_NEAR(Numbers(l[0])[2], 2.0 * 0.45, 1e-6);
    EXPECT_NEAR(Numbers(l[2])[2], 2.0 * 0.2, 1e-4);
}

TEST_F(CompositeTest, LevelMarksLookTheSameWithTheYAxisDown)
{
    for (bool down : {false, true}) {
        SCOPED_TRACE(down);
        Oli_Graphic_Reset();
        Clear();
        Begin(1.0, down);
        Oli_Graphic_Level_Mark(50, 50, "+1.20", 0, 1.0);
        // On paper the corners lie 0.22 above the apex, the text 0.33 above.
        std::vector<std::string> tri = Lines(" 18 3");
        ASSERT_EQ(tri.size(), 1u);
        std::vector<double> v = Numbers(tri[0]);
        double sign = down ? -1 : 1;
        EXPECT_NEAR(v[4] - v[2], sign * 0.22, 1e-6);
        std::vector<std::string> t = Lines(" 3 ");
        ASSERT_EQ(t.size(), 1u);
        EXPECT_NEAR(Numbers(t[0])[1] - 50, sign * 0.33, 1e-6);
        EXPECT_EQ(Lines(" 20 ")[0], " 20  0");
    }
}

TEST_F(CompositeTest, SupportTurnedAQuarterClockwise)
{
    Begin();
    Oli_Graphic_Support_Symbol(50, 50, 90, 7, 0, 1, 1.0);
    // Local (0.08, -0.15) turned by -90 degrees: (-0.15, -0.08).
    std::vector<std::string> tri = Lines(" 18 3");
    ASSERT_EQ(tri.size(), 1u);
    std::vector<double> v = Numbers(tri[0]);
    EXPECT_NEAR(v[1], 50, 1e-9);
    EXPECT_NEAR(v[2], 50, 1e-9);
    EXPECT_NEAR(v[3], 50 - 0.15, 1e-6);
    EXPECT_NEAR(v[4], 50 - 0.08, 1e-6);
    EXPECT_EQ(Lines(" 20 ")[0], " 20  7");
    EXPECT_EQ(Count_Prefix(Records(), " 1  "), 4); // outline and base line
}

TEST_F(CompositeTest, DoubleArrowLeavesAGapForItsLowerText)
{
    Begin();
    Oli_Graphic_Double_Arrow(0, 10, 20, 10, "", "abcd");
    // gap 4 x 0.25 / 4 = 0.25 on either side of the middle (10, 10)
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_GE(l.size(), 2u);
    EXPECT_EQ(l[0], " 1  0.000000 10.000000 9.750000 10.000000");
    EXPECT_EQ(l[1], " 1  10.250000 10.000000 20.000000 10.000000");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"", "abcd"}));
    EXPECT_EQ(Lines(" 10 ")[1], " 10 10.000000 10.000000 10.000000 10.000000 210 \xAE"
                                "abcd\xAF");
}

TEST_F(CompositeTest, SectionLineWithoutSecondLabelAndOnTheOtherSide)
{
    Begin();
    Oli_Graphic_Section_Line(0, 0, 10, 0, 1.0, "A", nullptr);
    // stroke from (0, 2) to the start, the line, one arrow, one label
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], " 1  0.000000 2.000000 0.000000 0.000000");
    EXPECT_EQ(Count_Prefix(Records(), " 18 3"), 1);
    EXPECT_EQ(Texts(), std::vector<std::string>{"A"});
    // label 1.5 x 0.25 / 2.7 beyond the stroke's end
    EXPECT_NEAR(Numbers(Lines(" 10 ")[0])[1], 2 + 1.5 * 0.25 / 2.7, 1e-6);
    Oli_Graphic_Section_Line(0, 0, 10, 0, -1.0, "B", "B");
    l = Lines(" 1  ");
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[2], " 1  0.000000 -2.000000 0.000000 0.000000");
    EXPECT_NEAR(Numbers(Lines(" 10 ")[1])[1], -2 - 1.5 * 0.25 / 2.7, 1e-6);
}

TEST_F(CompositeTest, BoldTextFourTimesAndInAPlotGroup)
{
    Begin();
    Oli_Graphic_Bold_Text(10, 20, "Fett");
    EXPECT_EQ(Records(), " 2 10.000000 20.000000 \xAE"
                         "Fett\xAF\n"
                         " 2 10.010000 20.000000 \xAE"
                         "Fett\xAF\n"
                         " 2 10.000000 20.010000 \xAE"
                         "Fett\xAF\n"
                         " 2 10.010000 20.010000 \xAE"
                         "Fett\xAF\n");
    OpenPlot();
    Oli_Graphic_Bold_Text(10, 20, "Fett");
    std::string p = PlotText();
    EXPECT_NE(p.find("-opengroup\n-text / 1 5 0 2 1 7 10.000000 20.000000 0. 1.2 0. 0.\n"
                     "    \xAE"
                     "Fett\xAF\n"),
              std::string::npos);
    EXPECT_EQ(Count_Prefix(p, "-text "), 4);
    EXPECT_NE(p.find("-closegroup\n"), std::string::npos);
}

// ---- reinforcement label -------------------------------------------------------------------

TEST_F(CompositeTest, RebarLabelTexts)
{
    Begin(0.1);
    Oli_Graphic_Rebar_Label(0, 0, 100, 0, 0.2, 2, 2, 15, 3.14159, 0.035, 2, 3);
    EXPECT_EQ(Texts(), (std::vector<std::string>{" 3.14 cm\xFD", "   12/15.0", "C=4cm V=2", "BSt 500S Nr. 3"}));
    // M = (50, 0), w = (0, 10): Q = (50, 9.6) -> 50 x 0.1 - 8.48 x 0.2, 9.6 x 0.1 + 1.3 x 0.2
    EXPECT_EQ(Lines(" 27 "), std::vector<std::string>{" 27 3.3 1.2 %FONT%\\DURCHM.OCM"});
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[0], " 1  -0.200000 0.000000 10.200000 0.000000");
    EXPECT_EQ(l[1], " 1  0.000000 1.200000 0.000000 -0.880000"); // strokes 6 and 4.4 x size
    // tick: k = 0.5657 x 1.5 x 0.2 along 45 degrees, 0.12 on paper each way
    EXPECT_EQ(l[3], " 1  -0.120000 -0.120000 0.120000 0.120000");
    EXPECT_EQ(Lines(" 13 "), (std::vector<std::string>{" 13 0.420000", " 13 0.360000"}));
}

TEST_F(CompositeTest, RebarLabelOutOfRangeAndTooShort)
{
    Begin(0.1);
    Oli_Graphic_Rebar_Label(0, 0, 100, 0, 0.2, 2, 9, 15, 1, 0.035, 2, 0);
    Oli_Graphic_Rebar_Label(0, 0, 100, 0, 0.2, 3, 10, 12.5, 1, 0.035, 2, 0);
    Oli_Graphic_Rebar_Label(0, 0, 100, 0, 0.2, -1, -1, 12.5, 1, 0.035, 2, 0);
    std::vector<std::string> t = Texts();
    ASSERT_EQ(t.size(), 12u);
    EXPECT_EQ(t[1], "   28/15.0");
    EXPECT_EQ(t[3], "BSt 500S");
    EXPECT_EQ(t[5], "   ?/12.5");
    EXPECT_EQ(t[7], "?");
    EXPECT_EQ(t[9], "   ?/12.5");
    EXPECT_EQ(t[11], "?");
    std::string before = Records();
    Oli_Graphic_Rebar_Label(0, 0, 4.9, 0, 0.2, 2, 2, 15, 1, 0.035, 2, 0);
    EXPECT_EQ(Records(), before);
}

// ---- arrows --------------------------------------------------------------------------------------

TEST_F(CompositeTest, ArrowStyles)
{
    Begin();
    Oli_Graphic_Arrow(10, 10, 0, 5, 1, 0.6, 3);
    EXPECT_EQ(Records(), " 30\n 31\n");
    Oli_Graphic_Arrow(10, 10, 0, 5, 1, 0.6, 0); // shaft and two head strokes
    Oli_Graphic_Arrow(10, 10, 0, 5, 1, 0.6, 1); // shaft and closed head outline
    Oli_Graphic_Arrow(10, 10, 0, 5, 1, 0.6, 2); // colour, shaft, filled head
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_EQ(l.size(), 3u + 4u + 1u);
    EXPECT_EQ(l[0], " 1  10.000000 10.000000 5.000000 10.000000");
    EXPECT_EQ(l[1], " 1  10.000000 10.000000 9.000000 9.700000");
    EXPECT_EQ(l[3], " 1  9.000000 10.000000 5.000000 10.000000");
    EXPECT_EQ(Lines(" 18 3"),
              std::vector<std::string>{" 18 3 10.000000 10.000000 9.000000 9.700000 9.000000 10.300000 "});
    EXPECT_EQ(Lines(" 20 "), std::vector<std::string>{" 20  55"});
}

TEST_F(CompositeTest, ArrowTextAlignmentAndCallerPercent)
{
    Begin();
    // -pi/2 becomes 3 pi/2: codes (0, 4), bottom centre = 0xC0 + 2 + 0x08
    Oli_Graphic_Arrow_Text(10, 10, -M_PI / 2, 5, 1, 0.6, 0, 0.3, "50 %");
    std::vector<std::string> t = Lines(" 10 ");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0], " 10 10.000000 15.600000 10.000000 15.600000 202 \xAE"
                    "50 %\xAF");
    // angle 0: codes (4, 1), right middle = 0xC0 + 4 + 0x10
    Oli_Graphic_Arrow_Text(10, 10, 0, 5, 1, 0.6, 0, 0.3, "q");
    EXPECT_NE(Lines(" 10 ")[1].find(" 212 "), std::string::npos);
}

TEST_F(CompositeTest, ArrowRowCountAndLinearLengths)
{
    Begin();
    // (2 - 0) x 1 x 5 + 0.0001 -> 10: eleven arrows
    Oli_Graphic_Arrow_Row(0, 0, 2, 0, 1.0, 0.2, "q");
    EXPECT_EQ(Count_Prefix(Records(), " 18 3"), 11);
    EXPECT_EQ(Count_Prefix(Records(), " 24 "), 1); // the text box
    Clear();
    Begin();
    Oli_Graphic_Arrow_Row_Linear(0, 0, 2, 0, 1.0, 2.0, 0.2, "q");
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_EQ(l.size(), 13u);
    for (int i = 0; i < 11; ++i) {
        std::vector<double> v = Numbers(l[i]);
        double q = 1.0 + 0.1 * i;
        EXPECT_NEAR(v[0], 0.2 * i, 1e-6) << i;
        EXPECT_NEAR(v[1], 0.15 * q, 1e-6) << i; // head base
        EXPECT_NEAR(v[3], q, 1e-6) << i;        // tail
    }
    EXPECT_EQ(l[12], " 1  0.000000 1.000000 2.000000 2.000000");
    // The box stands at (1, (0 + 0 + 2.1) / 2).
    std::vector<double> box = Numbers(Lines(" 24 ")[0]);
    EXPECT_NEAR((box[1] + box[3]) / 2, 1.05, 1e-6);
}

TEST_F(CompositeTest, ArrowRowsShortBackwardsAndVertical)
{
    Begin(0.1);
    Oli_Graphic_Arrow_Row(0, 0, 3, 0, 1.0, 0.2, "q"); // 0.3 paper units: m = 1
    EXPECT_EQ(Count_Prefix(Records(), " 18 3"), 3);
    Oli_Graphic_Arrow_Row(30, 0, 0, 0, 1.0, 0.2, "q"); // backwards: m negative
    EXPECT_EQ(Count_Prefix(Records(), " 18 3"), 6);
    std::string before = Records();
    Oli_Graphic_Arrow_Row(5, 0, 5, 10, 1.0, 0.2, "q");
    EXPECT_EQ(Records(), before);
}

TEST_F(CompositeTest, InclinedArrowRow)
{
    Begin(0.1);
    Oli_Graphic_Arrow_Row_Inclined(0, 0, 1000, 0, 50, 50);
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_EQ(l.size(), 2u + 6u * 3u);
    EXPECT_EQ(l[1], " 1  0.000000 5.000000 100.000000 5.000000"); // top line 50 above
    for (int i = 0; i < 6; ++i) {
        std::vector<double> v = Numbers(l[2 + 3 * i]); // shaft tip -> tail
        EXPECT_NEAR(v[0], 20.0 * i, 1e-6);
        EXPECT_NEAR(v[1], 0, 1e-6);
        EXPECT_NEAR(v[3], 5.0, 1e-6);
    }
    // head strokes: 0.35 x 50 back, half-width 0.1 x 200
    std::vector<double> h = Numbers(l[3]);
    EXPECT_NEAR(h[2], -2.0, 1e-6);
    EXPECT_NEAR(h[3], 1.75, 1e-6);
    Clear();
    Begin(0.1);
    Oli_Graphic_Arrow_Row_Inclined(0, 0, 150, 0, 50, 50);
    EXPECT_EQ(Count_Prefix(Records(), " 1  "), 2 + 2 * 3);
    EXPECT_FALSE(Has_Inf_Or_Nan(Records()));
}

// ---- fasteners -----------------------------------------------------------------------------------

TEST_F(CompositeTest, FastenerNutRightOfTheFace)
{
    Begin();
    Oli_Graphic_Fastener_Symbol(0, 1, 20, 100, 50, 0);
    EXPECT_EQ(Records(), " 30\n"
                         " 6 0.020000\n"
                         " 20  1\n"
                         " 18 4 100.000000 36.000000 104.000000 36.000000 104.000000 64.000000 100.000000 "
                         "64.000000 \n"
                         " 20  19\n"
                         " 18 4 104.000000 40.000000 114.000000 40.000000 114.000000 45.000000 104.000000 "
                         "45.000000 \n"
                         " 20  11\n"
                         " 18 4 104.000000 45.000000 114.000000 45.000000 114.000000 55.000000 104.000000 "
                         "55.000000 \n"
                         " 20  1\n"
                         " 18 4 104.000000 55.000000 114.000000 55.000000 114.000000 60.000000 104.000000 "
                         "60.000000 \n"
                         " 20  20\n"
                         " 18 4 114.000000 43.200000 119.000000 43.200000 119.000000 56.800000 114.000000 "
                         "56.800000 \n"
                         " 6 0.015000\n"
                         " 38 4 0.28 0.05 0.04 0.05 0\n"
                         " 1  84.000000 50.000000 134.000000 50.000000\n"
                         " 31\n");
}

TEST_F(CompositeTest, FastenerNutLeftAndDownAndOtherTypes)
{
    Begin(1.0, true);
    Oli_Graphic_Fastener_Symbol(0, 0, 16, 0, 0, 0);
    // y down: the outer faces swap colours (1 below, 19 above in world values)
    EXPECT_EQ(Lines(" 20 "), (std::vector<std::string>{" 20  1", " 20  1", " 20  11", " 20  19"}));
    EXPECT_EQ(Lines(" 1  "), std::vector<std::string>{" 1  -28.000000 0.000000 12.000000 0.000000"});
    Clear();
    Begin();
    Oli_Graphic_Fastener_Symbol(0, 8, 20, 100, 50, 0);
    EXPECT_EQ(Records(), " 30\n 6 0.020000\n 31\n");
    Oli_Graphic_Set_Colour_Output(0);
    Oli_Graphic_Fastener_Symbol(0, 3, 20, 100, 50, 0);
    EXPECT_EQ(Count_Prefix(Records(), " 18 "), 0);
    EXPECT_EQ(Count_Prefix(Records(), " 1  "), 2);
    Oli_Graphic_Set_Colour_Output(1);
    Oli_Graphic_Fastener_Symbol(0, 3, 20, 100, 50, 0);
    EXPECT_EQ(Count_Prefix(Records(), " 18 6"), 2);
    Oli_Graphic_Fastener_Symbol(0, 4, 20, 100, 50, 60);
    // shank, two strokes, leader from (165, 55) to (170, 60) to (172.4, 57.6)
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_EQ(l.size(), 2u + 2u + 5u);
    EXPECT_EQ(l[4], " 1  90.000000 50.000000 170.000000 50.000000");
    EXPECT_EQ(l[7], " 1  165.000000 55.000000 170.000000 60.000000");
    EXPECT_EQ(l[8], " 1  170.000000 60.000000 172.400000 57.600000");
}

TEST_F(CompositeTest, FastenerPlotStyle)
{
    Begin();
    OpenPlot();
    Oli_Graphic_Fastener_Symbol(0, 6, 20, 100, 50, 0);
    std::string p = PlotText();
    // cross and leader with pen 3 and line type 0, the disc as an area of filling 0
    EXPECT_NE(p.find("-line @1 ( @1 100.000000 38.000000 ) #2 3 0 1 0.0\n"), std::string::npos) << p;
    EXPECT_NE(p.find("-area / 0 0\n"), std::string::npos);
    EXPECT_EQ(Plot_Get_State()->pen, 0); // restored by the pop
}

// ---- leader labels and bands -------------------------------------------------------------------

TEST_F(CompositeTest, LeaderLabelEndsAtTheNearerEnd)
{
    Begin();
    Oli_Graphic_Leader_Label(5, 0, 1, 1, 0.3, "%s", "Abc ");
    std::vector<std::string> l = Lines(" 1  ");
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], " 1  1.000000 1.000000 2.200000 1.000000"); // (3 + 1) x 0.3
    EXPECT_EQ(l[1], " 1  5.000000 0.000000 2.200000 1.000000");
    // aligned (2, 1) to the end: top right = 0xC0 + 4 + 0x20
    EXPECT_EQ(Lines(" 10 "), std::vector<std::string>{" 10 2.020000 1.060000 2.020000 1.060000 228 \xAE"
                                                      "Abc\xAF"});
    EXPECT_EQ(Count_Prefix(Records(), " 13 "), 0);
    Oli_Graphic_Leader_Label(-5, 0, 1, 1, 0.3, "Ab ");
    EXPECT_EQ(Lines(" 1  ")[3], " 1  -5.000000 0.000000 1.000000 1.000000");
    EXPECT_NE(Lines(" 10 ")[1].find(" 1.180000 1.060000 225 "), std::string::npos);
}

TEST_F(CompositeTest, LeaderLabelWithAndWithoutFlag)
{
    Begin();
    Oli_Graphic_Leader_Label_Flag(5, 0, 1, 1, 1, 0.5, "%d %%", 50);
    EXPECT_EQ(Count_Prefix(Records(), " 4 2"), 0);
    EXPECT_EQ(Count_Prefix(Records(), " 18 "), 0);
    EXPECT_EQ(Texts(), std::vector<std::string>{"50 %"});
    // (4 + 2) x 0.82 x 0.5 = 2.46
    EXPECT_EQ(Lines(" 1  ")[0], " 1  1.000000 1.000000 3.460000 1.000000");
    Oli_Graphic_Leader_Label_Flag(5, 0, 1, 1, 0, 0.5, "ab");
    EXPECT_EQ(Count_Prefix(Records(), " 4 2"), 1);
    // flag at xf = 1 + 0.96 x 2 x 0.5 = 1.96, G = 1.1
    EXPECT_EQ(Lines(" 18 3"), std::vector<std::string>{" 18 3 1.960000 1.100000 2.460000 1.100000 1.960000 1.600000 "});
}

TEST_F(CompositeTest, HatchedBandStrokesInThePlotFile)
{
    Begin();
    OpenPlot();
    Oli_Graphic_Hatched_Band(0, 0, 10, 0, 1, 1);
    std::string p = PlotText();
    EXPECT_EQ(Count_Prefix(p, "-line "), 11);
    const double h = 1.41 * std::sqrt(0.5); // 0.997
    std::vector<std::string> lines = Split_Lines(p);
    int k = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].compare(0, 6, "-line ") != 0) continue;
        char want[160];
        std::snprintf(want, sizeof want, "-line @%d ( @%d %lf %lf ) #%d 0 0 1 0.0", k + 1, 2 * k + 1, double(k), 0.0,
                      2 * k + 2);
        EXPECT_EQ(lines[i], want);
        std::snprintf(want, sizeof want, "-point @%d %lf %lf", 2 * k + 2, k - h, h);
        EXPECT_EQ(lines[i + 1], want);
        ++k;
    }
    // The band itself: no plot area, the rectangle in the block.
    EXPECT_EQ(Count_Prefix(p, "-area"), 0);
    EXPECT_EQ(Lines(" 18 4"), std::vector<std::string>{" 18 4 0.000000 0.000000 10.000000 "
                                                       "0.000000 10.000000 1.000000 0.000000 "
                                                       "1.000000 "});
    EXPECT_EQ(Lines(" 38 "), std::vector<std::string>{" 38 2 0.01 0.55 0"});
    Oli_Graphic_Hatched_Band(0, 0, 10, 0, 1, 5);
    EXPECT_EQ(Count_Prefix(PlotText(), "-line "), 11);
    Oli_Graphic_Hatched_Band(0, 0, 10, 0, 0, 1); // no width: no walk, no hang
    EXPECT_EQ(Count_Prefix(PlotText(), "-line "), 11);
}

} // namespace
