// Tests of the dimension lines of graphics blocks: the records of one dimension, pens and
// fonts, vertical texts, texts in mm, cm and m, and texts moved out when they do not fit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/ptrarr.h"
#include "output/geo2d.h"
#include "output/iolidim.h"
#include "output/ioliplot.h"
#include "output/tests/plot_fixture.h"
#include "test_support/kovtestutil.h"

namespace {

const double kPi = 3.14159265358979323846;

class DimensionTest : public GraphicStreamTest {
protected:
    void Begin(double scale = 1.0) { Oli_Graphic_Begin_Scaled(f_, 0, 0, 500, 300, scale, 0, nullptr); }
    // The texts of the opcode-10 (value) and opcode-3 (second) records, in order.
    std::vector<std::string> Texts(const char* opcode)
    {
        std::vector<std::string> out;
        std::string prefix = std::string(" ") + opcode + " ";
        for (const std::string& l : Split_Lines(Records())) {
            if (l.compare(0, prefix.size(), prefix) != 0) continue;
            size_t a = l.find('\xAE'), b = l.rfind('\xAF');
            if (a != std::string::npos && b != std::string::npos) out.push_back(l.substr(a + 1, b - a - 1));
        }
        return out;
    }
};

TEST_F(DimensionTest, OneHorizontalDimensionRecordByRecord)
{
    Begin();
    // 100 mm at scale 1, size 0.1: overshoot 0.1, strokes +0.4/-0.2, ticks of
    // half length 0.0848528 at 45 degrees (0.06 in x and y), text 0.16 above the
    // middle, second text (a blank) 0.4*3*0.21 = 0.252 along and 0.0525 up.
    double r = Oli_Graphic_Dimension_Mm(0, 0, 100, 0, 0.1, 0);
    EXPECT_EQ(r, 0.0);
    EXPECT_EQ(Records(), " 30\n"
                         " 4 1\n"
                         " 38 0   0\n"
                         " 1  -0.100000 0.000000 100.100000 0.000000\n"
                         " 1  0.000000 0.400000 0.000000 -0.200000\n"
                         " 1  100.000000 0.400000 100.000000 -0.200000\n"
                         " 1  -0.060000 -0.060000 0.060000 0.060000\n"
                         " 1  99.940000 -0.060000 100.060000 0.060000\n"
                         " 13 0.210000\n"
                         " 8 6\n"
                         " 14 0.000000 0\n"
                         " 10 50.000000 0.160000 50.000000 0.160000 210 \xAE"
                         "100\xAF\n"
                         " 13 0.157500\n"
                         " 14 0.000000 0\n"
                         " 3 50.252000 0.212500 \xAE \xAF\n"
                         " 31\n");
}

TEST_F(DimensionTest, PlotEntitiesUsePenOneAndFontTwoAndAreRestored)
{
    TempPath plot;
    Plot_Open_Grey(fopen(plot.path.c_str(), "w"), 0, 0, 500, 300, 1, 0, "D");
    Plot_Set_Pen(3);
    Plot_Set_Font(5);
    Plot_Set_Linetype(2);
    Begin();
    Oli_Graphic_Dimension_Mm(0, 0, 100, 0, 0.1, 0);
    EXPECT_EQ(Plot_Get_State()->pen, 3);
    EXPECT_EQ(Plot_Get_State()->font, 5);
    EXPECT_EQ(Plot_Get_State()->line_type, 2);
    Plot_Close();
    std::string s = kovtest::read_file(plot.path);
    EXPECT_NE(s.find("-line @1 ( @1 -0.100000 0.000000 ) #2 1 0 1 0.0\n"), std::string::npos);
    EXPECT_EQ(Count_Prefix(s, "-line @"), 5);
    EXPECT_NE(s.find("-text / 1 4 2 2 1 5 50.000000 0.160000 0.000000 1.2 0. 0.\n    \xAE"
                     "100\xAF\n"),
              std::string::npos);
    EXPECT_NE(s.find("-text / 1 2 2 2 1 7 50.252000 0.212500 0.000000 1.2 0. 0.\n    \xAE \xAF\n"), std::string::npos);
}

TEST_F(DimensionTest, TooShortDrawsOnlyPushAndPop)
{
    Oli_Graphic_Begin_Titled(f_, 0, 0, 10, 10, 1, 1, 0.3, nullptr);
    EXPECT_EQ(Oli_Graphic_Dimension_Line(1, 1, 1.004, 1, 0.1, "1", "", 0, 0), 0.0);
    EXPECT_EQ(Oli_Graphic_Dimension_Mm(2, 2, 2, 2, 0.1, 0), 0.0);
    EXPECT_EQ(Records(), " 30\n 31\n 30\n 31\n");
    EXPECT_EQ(Oli_Graphic_Get_State()->rotation, 0.3);
}

TEST_F(DimensionTest, VerticalDimensionTextStandsLeftAt90Degrees)
{
    Begin();
    Oli_Graphic_Dimension_Mm(0, 0, 0, 10, 0.1, 0);
    std::string r = Records();
    EXPECT_NE(r.find(" 14 90.000000 0\n 10 -0.160000 5.000000"), std::string::npos) << r;
}

TEST_F(DimensionTest, MillimetreTexts)
{
    const struct {
        double len;
        const char* value;
        const char* second;
    } cases[] = {{250.0, "250", " "},     {250.04, "250", " "}, {250.06, "250", "1"},
                 {249.99995, "250", " "}, {12.36, "12", "4"},   {0.5, "0", "5"}};
    Begin();
    for (const auto& c : cases) Oli_Graphic_Dimension_Mm(10, 20, 10 + c.len, 20, 0.1, 0);
    std::vector<std::string> v = Texts("10"), s = Texts("3");
    ASSERT_EQ(v.size(), 6u);
    ASSERT_EQ(s.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(v[i], cases[i].value) << cases[i].len;
        EXPECT_EQ(s[i], cases[i].second) << cases[i].len;
    }
}

TEST_F(DimensionTest, CentimetreTexts)
{
    const struct {
        double len, factor;
        const char* value;
        const char* second; // nullptr: no second text record
    } cases[] = {{123.5, 1, "1.23", "5"}, {99.8, 1, "1.00", nullptr}, {24.2, 1, "24", nullptr},
                 {24.0, -1, "24", "0"},   {247.0, 10, "24", "5"},     {36.3, -1, "36", "3"}};
    for (const auto& c : cases) {
        Oli_Graphic_Reset();
        FILE* g = tmpfile();
        Oli_Graphic_Begin_Scaled(g, 0, 0, 500, 300, 1, 0, nullptr);
        Oli_Graphic_Dimension_Cm(0, 0, c.len, 0, 0.1, c.factor, 0);
        std::string r = kovtest::contents(g);
        EXPECT_NE(r.find(std::string(" 210 \xAE") + c.value + "\xAF\n"), std::string::npos) << c.len;
        if (c.second)
            EXPECT_NE(r.find(std::string(" \xAE") + c.second + "\xAF\n 31\n"), std::string::npos) << c.len;
        else
            EXPECT_EQ(Count_Prefix(r, " 3 "), 0) << c.len;
        fclose(g);
    }
    Begin();
    EXPECT_EQ(Oli_Graphic_Dimension_Cm(0, 0, 50, 0, 0.1, 0.000001, 0), 0.0);
    EXPECT_EQ(Records(), "");
}

TEST_F(DimensionTest, MetreTexts)
{
    const struct {
        double len;
        const char* value;
        const char* second;
    } cases[] = {{0.245, "24", "5"},
                 {0.248, "25", nullptr},
                 {1.238, "1.24", nullptr},
                 {1.235, "1.23", "5"},
                 {0.06, "6", nullptr}};
    for (const auto& c : cases) {
        Oli_Graphic_Reset();
        FILE* g = tmpfile();
        Oli_Graphic_Begin_Scaled(g, 0, 0, 5, 3, 100, 0, nullptr);
        Oli_Graphic_Dimension_M(0, 0, 0, c.len, 0.1);
        std::string r = kovtest::contents(g);
        EXPECT_NE(r.find(std::string(" 210 \xAE") + c.value + "\xAF\n"), std::string::npos) << c.len;
        if (c.second)
            EXPECT_NE(r.find(std::string(" \xAE") + c.second + "\xAF\n 31\n"), std::string::npos);
        else
            EXPECT_EQ(Count_Prefix(r, " 3 "), 0) << c.len;
        fclose(g);
    }
    Begin();
    EXPECT_EQ(Oli_Graphic_Dimension_M(0, 0, 0.009, 0, 0.1), 0.0);
    EXPECT_EQ(Records(), ""); // not even push and pop
}

TEST_F(DimensionTest, PlacementTwoMovesTheTextOutWhenItDoesNotFit)
{
    Begin();
    Oli_Graphic_Dimension_Mm(0, 0, 10, 0, 0.1, 2); // width 0.4 <= 10: middle
    EXPECT_NE(Records().find(" 10 5.000000 0.160000 "), std::string::npos);
    Oli_Graphic_Reset();
    FILE* g = tmpfile();
    Oli_Graphic_Begin_Scaled(g, 0, 0, 500, 300, 0.01, 0, nullptr);
    // width 2 * 0.1 * 2 / 0.01 = 40 > 10: beyond the second point, 2 characters
    // of 0.1 paper units = 20 world units after it
    Oli_Graphic_Dimension_Mm(0, 0, 10, 0, 0.1, 2);
    EXPECT_NE(kovtest::contents(g).find(" 10 0.300000 0.160000 "), std::string::npos) << kovtest::contents(g);
    fclose(g);
}

TEST_F(DimensionTest, ShortDimensionsAlternateTheirTexts)
{
    Begin();
    // 0.1 mm is shorter than the width of its text "0" (0.2): alternated texts
    // at 5.6d and 8d; a normal dimension restarts the sequence.
    EXPECT_EQ(Oli_Graphic_Dimension_Mm(0, 0, 0.1, 0, 0.1, 0), 2.0);
    EXPECT_EQ(Oli_Graphic_Dimension_Mm(0, 10, 0.1, 10, 0.1, 0), 3.2);
    EXPECT_EQ(Oli_Graphic_Dimension_Mm(0, 20, 0.1, 20, 0.1, 0), 2.0);
    EXPECT_EQ(Oli_Graphic_Dimension_Mm(0, 30, 100, 30, 0.1, 0), 0.0);
    EXPECT_EQ(Oli_Graphic_Dimension_Mm(0, 40, 0.1, 40, 0.1, 0), 2.0);
    Begin(); // a new block restarts it too
    EXPECT_EQ(Oli_Graphic_Dimension_Mm(0, 50, 0.1, 50, 0.1, 0), 2.0);
    std::vector<double> ys;
    for (const std::string& l : Split_Lines(Records())) {
        double x, y;
        if (sscanf(l.c_str(), " 10 %lf %lf", &x, &y) == 2) ys.push_back(y);
    }
    ASSERT_EQ(ys.size(), 6u);
    EXPECT_NEAR(ys[0], 0.56, 1e-9);
    EXPECT_NEAR(ys[1] - 10, 0.8, 1e-9);
    EXPECT_NEAR(ys[2] - 20, 0.56, 1e-9);
    EXPECT_NEAR(ys[3] - 30, 0.16, 1e-9);
    EXPECT_NEAR(ys[4] - 40, 0.56, 1e-9);
    EXPECT_NEAR(ys[5] - 50, 0.56, 1e-9);
}

TEST_F(DimensionTest, FlagsSuppressStrokesOrDrawDots)
{
    Begin();
    Oli_Graphic_Set_Dim_Flags(3);
    Oli_Graphic_Dimension_Mm(0, 0, 100, 0, 0.1, 0);
    EXPECT_EQ(Count_Prefix(Records(), " 1  "), 1);
    Oli_Graphic_Reset();
    FILE* g = tmpfile();
    Oli_Graphic_Begin_Scaled(g, 0, 0, 500, 300, 1, 0, nullptr);
    Oli_Graphic_Set_Dim_Flags(8);
    Oli_Graphic_Dimension_Mm(0, 0, 100, 0, 0.1, 0);
    std::string r = kovtest::contents(g);
    EXPECT_EQ(Count_Prefix(r, " 18 32"), 2);
    EXPECT_EQ(Count_Prefix(r, " 20  0"), 1);
    // dimension line, two strokes, two arcs of 32 grid lines and a last line each
    EXPECT_EQ(Count_Prefix(r, " 1  "), 3 + 2 * 33);
    fclose(g);
}

TEST_F(DimensionTest, MirroredBlockTurnsTickAndText)
{
    Oli_Graphic_Begin_Scaled(f_, 0, 300, 500, 0, 1, 0, nullptr); // y runs down
    Oli_Graphic_Dimension_Mm(0, 0, 100, 0, 0.1, 0);
    std::string r = Records();
    EXPECT_NE(r.find(" 1  -0.060000 0.060000 0.060000 -0.060000\n"), std::string::npos) << r;
    // (0 + pi) * -1 = -pi
    EXPECT_NE(r.find(" 14 -180.000000 0\n"), std::string::npos) << r;
}

TEST_F(DimensionTest, ZeroScaleDrawsNothingButPushAndPop)
{
    Oli_Graphic_Begin_Scaled(f_, 0, 0, 500, 300, 0, 0, nullptr);
    EXPECT_EQ(Oli_Graphic_Dimension_Mm(0, 0, 100, 0, 0.1, 0), 0.0);
    EXPECT_EQ(Oli_Graphic_Dimension_M(0, 0, 1, 0, 0.1), 0.0);
    std::string r = Records();
    EXPECT_EQ(r, " 30\n 31\n 30\n 31\n");
}

PtrArr* Chain(std::initializer_list<std::pair<double, double>> pts)
{
    PtrArr* a = Ptr_Arr_New(100);
    for (auto p : pts) EXPECT_EQ(Oli_Chain_Add_Point(a, p.first, p.second), 1);
    return a;
}

TEST_F(DimensionTest, ChainMergesCoincidentPointsAndEmptiesTheList)
{
    Begin();
    PtrArr* a = Chain({{25, 0}, {10.000001, 0}, {0, 0}, {10, 0}});
    double r = Oli_Graphic_Dimension_Chain(a, "mm", 2, -5, 0.1, -1.0, 0);
    EXPECT_EQ(r, 0.0);
    EXPECT_EQ(a->count, 0);
    EXPECT_EQ(a->capacity, 0);
    EXPECT_EQ(a->items, nullptr);
    EXPECT_EQ(Texts("10"), (std::vector<std::string>{"10", "15"}));
    // direction 2: from the smaller to the larger x at y = -5, text above
    EXPECT_NE(Records().find(" 1  -0.100000 -5.000000 10.100000 -5.000000\n"), std::string::npos);
    EXPECT_NE(Records().find(" 10 5.000000 -4.840000 "), std::string::npos);
    Ptr_Arr_Delete(a);
}

TEST_F(DimensionTest, ChainDirectionsAndUnits)
{
    Begin();
    PtrArr* a = Chain({{0, 0}, {0, 200}, {0, 50}});
    Oli_Graphic_Dimension_Chain(a, "mm", 1, 30, 0.1, -1, 0); // y descending
    PtrArr* b = Chain({{0, 0}, {1.5, 0}});
    Oli_Graphic_Dimension_Chain(b, nullptr, 0, 0, 0.1, 1, 0); // metres
    PtrArr* c = Chain({{0, 0}, {24, 0}});
    Oli_Graphic_Dimension_Chain(c, "cm", 2, 0, 0.1, -1, 0);
    PtrArr* d = Chain({{0, 0}, {24, 0}});
    Oli_Graphic_Dimension_Chain(d, "cmx", 2, 0, 0.1, -1, 0); // not "cm": metres
    EXPECT_EQ(Texts("10"), (std::vector<std::string>{"150", "50", "1.50", "24", "24.00"}));
    std::string r = Records();
    // first segment from (30, 200) down to (30, 50)
    EXPECT_NE(r.find(" 1  30.000000 200.100000 30.000000 49.900000\n"), std::string::npos) << r;
    for (PtrArr* p : {a, b, c, d}) {
        EXPECT_EQ(p->count, 0);
        Ptr_Arr_Delete(p);
    }
}

TEST_F(DimensionTest, ChainThatCannotDrawLeavesTheList)
{
    Begin();
    PtrArr* one = Chain({{3, 4}});
    EXPECT_EQ(Oli_Graphic_Dimension_Chain(one, "mm", 2, 0, 0.1, -1, 0), 0.0);
    ASSERT_EQ(one->count, 1);
    EXPECT_EQ(static_cast<Point2D*>(one->items[0])->x, 3);
    PtrArr* bad = Chain({{5, 0}, {1, 0}, {3, 0}});
    EXPECT_EQ(Oli_Graphic_Dimension_Chain(bad, "mm", 4, 0, 0.1, -1, 0), 0.0);
    ASSERT_EQ(bad->count, 3);
    EXPECT_EQ(static_cast<Point2D*>(bad->items[0])->x, 5); // not sorted
    EXPECT_EQ(Oli_Graphic_Dimension_Chain(nullptr, "mm", 2, 0, 0.1, -1, 0), 0.0);
    EXPECT_EQ(Records(), "");
    EXPECT_EQ(Oli_Chain_Add_Point(nullptr, 1, 2), 0);
    for (PtrArr* p : {one, bad}) {
        for (int i = 0; i < p->count; ++i) free(p->items[i]);
        Ptr_Arr_Delete(p);
    }
}

TEST_F(DimensionTest, ChainResultIsTheLargestAlternation)
{
    Begin();
    PtrArr* a = Chain({{0, 0}, {0.1, 0}, {0.2, 0}, {101, 0}});
    // two short gaps alternate (2.0, 3.2), the long one is normal
    EXPECT_EQ(Oli_Graphic_Dimension_Chain(a, "mm", 2, 0, 0.1, -1, 0), 3.2);
    Ptr_Arr_Delete(a);
}

TEST_F(DimensionTest, ChainAlongAnAngleProjectsOntoTheLine)
{
    Begin(100);
    PtrArr* a = Chain({{2, 1}, {0, 3}, {1, -1}});
    // line through (0, 0) at 0 rad: the points fall onto y = 0 at x 0, 1, 2
    Oli_Graphic_Dimension_Chain_Along(a, nullptr, 0, 0, 0, 0.1, 1, 0);
    EXPECT_EQ(Texts("10"), (std::vector<std::string>{"1.00", "1.00"}));
    EXPECT_NE(Records().find(" 1  -0.100000 0.000000 100.100000 0.000000\n"), std::string::npos);
    EXPECT_EQ(a->count, 0);
    Ptr_Arr_Delete(a);
}

TEST_F(DimensionTest, ChainLineOrdersProjectedPointsAndKeepsTheArrays)
{
    Begin(100);
    double x[3] = {2, 0, 1}, y[3] = {5, 5, 5};
    Oli_Graphic_Dimension_Chain_Line(3, x, y, 3, 0, 0, 0, 0.1); // x descending
    EXPECT_EQ(Texts("10"), (std::vector<std::string>{"1.00", "1.00"}));
    double v[4] = {0, 0, 0, 0};
    size_t at = Records().find(" 1  ");
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(sscanf(Records().c_str() + at, " 1  %lf %lf %lf %lf", &v[0], &v[1], &v[2], &v[3]), 4);
    EXPECT_NEAR(v[0], 200.1, 1e-9); // from x 2 towards x 1
    EXPECT_NEAR(v[1], 0, 1e-9);
    EXPECT_NEAR(v[2], 99.9, 1e-9);
    EXPECT_EQ(x[0], 2);
    EXPECT_EQ(y[0], 5);
}

TEST_F(DimensionTest, OffsetDimensionLiesToTheLeft)
{
    Begin();
    Oli_Graphic_Dimension_Mm_Offset(0, 0, 100, 0, 7, 0.1, 0);
    EXPECT_NE(Records().find(" 1  -0.100000 7.000000 100.100000 7.000000\n"), std::string::npos);
}

TEST_F(DimensionTest, HugeLengthTextIsBounded)
{
    Begin();
    Oli_Graphic_Dimension_Mm(0, 0, 1e30, 0, 0.1, 0);
    std::vector<std::string> v = Texts("10");
    ASSERT_EQ(v.size(), 1u);
    EXPECT_LE(v[0].size(), 19u);
}

} // namespace
