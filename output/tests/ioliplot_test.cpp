// Tests of the graphics blocks of the output list: module values, head and extent, the
// orientation table, mirrored y, rotations and titles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "output/ioliplot.h"
#include "output/tests/plot_fixture.h"
#include "test_support/kovtestutil.h"

namespace {

const double kPi = 3.14159265358979323846;

class GraphicBlockTest : public GraphicStreamTest {
protected:
    std::string Text() { return kovtest::contents(f_); }
};

TEST_F(GraphicBlockTest, InitialModuleValues)
{
    const OliGraphicState* g = Oli_Graphic_Get_State();
    EXPECT_EQ(Oli_Get_Level(), 338);
    EXPECT_EQ(g->stream, nullptr);
    EXPECT_EQ(g->colour_output, 1);
    EXPECT_EQ(g->extended, 0);
    EXPECT_EQ(g->orientation_sign, 1.0);
    double a, b, c, d;
    Oli_Graphic_Get_Extents(&a, &b, &c, &d);
    EXPECT_EQ(a, 1e100);
    EXPECT_EQ(b, 1e100);
    EXPECT_EQ(c, -1e100);
    EXPECT_EQ(d, -1e100);
    Oli_Set_Level(334);
    EXPECT_EQ(Oli_Get_Level(), 334);
}

TEST_F(GraphicBlockTest, HeadOfAnUntitledBlock)
{
    Oli_Graphic_Begin_Scaled(f_, 0, 0, 10, 5, 1, 0, nullptr);
    EXPECT_EQ(Text(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 10.000000 0.000000 5.000000\n");
    const OliGraphicState* g = Oli_Graphic_Get_State();
    EXPECT_EQ(g->x_code, 1);
    EXPECT_EQ(g->y_code, 0);
    EXPECT_EQ(g->mirrored, 0);
    EXPECT_EQ(g->orientation_sign, 1.0);
    EXPECT_EQ(g->mirror_sum, 5.0);
    EXPECT_EQ(Oli_Graphic_Stream(), f_);
}

TEST_F(GraphicBlockTest, ExtentLineIsScaledPerAxis)
{
    Oli_Graphic_Begin(f_, -1, 2, 4, 3, 0.5, 2);
    EXPECT_EQ(Text(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n-0.500000 2.000000 4.000000 6.000000\n");
    EXPECT_EQ(Oli_Graphic_Get_State()->max_scale, 2.0);
}

TEST_F(GraphicBlockTest, OrientationTable)
{
    struct {
        double x1, y1, x2, y2;
        int xc, yc, mirrored;
        double sign;
    } cases[] = {
        {0, 0, 10, 5, 1, 0, 0, 1}, {0, 26, 15, 0, 1, 2, 1, -1}, {10, 0, 0, 5, 3, 0, 0, -1}, {10, 5, 0, 5, 3, 2, 1, 1}};
    for (const auto& c : cases) {
        Oli_Graphic_Begin(nullptr, c.x1, c.y1, c.x2, c.y2, 1, 1);
        const OliGraphicState* g = Oli_Graphic_Get_State();
        EXPECT_EQ(g->x_code, c.xc);
        EXPECT_EQ(g->y_code, c.yc);
        EXPECT_EQ(g->mirrored, c.mirrored);
        EXPECT_EQ(g->orientation_sign, c.sign);
        EXPECT_EQ(g->mirror_sum, c.y1 + c.y2);
    }
}

TEST_F(GraphicBlockTest, DownwardYMirrorsPlotPoints)
{
    TempPath plot;
    Plot_Open_Grey(fopen(plot.path.c_str(), "w"), 0, 0, 15, 26, 1, 0, "M");
    Oli_Graphic_Begin(f_, 0, 26, 15, 0, 1, 1);
    EXPECT_EQ(Oli_Graphic_Get_State()->mirror_sum, 26.0);
    Oli_Graphic_Line(1, 4, 2, 4);
    Plot_Close();
    // The block keeps the world y, the plot file gets 26 - 4.
    EXPECT_NE(Text().find(" 1  1.000000 4.000000 2.000000 4.000000\n"), std::string::npos);
    EXPECT_NE(kovtest::read_file(plot.path).find(
                  "-line @1 ( @1 1.000000 22.000000 ) #2 0 0 1 0.0\n-point @2 2.000000 22.000000\n"),
              std::string::npos);
}

TEST_F(GraphicBlockTest, TinyRotationLeavesTheRectangle)
{
    Oli_Graphic_Begin_Titled(f_, 0, 0, 2, 1, 1, 1, 0.0004, nullptr);
    EXPECT_NE(Text().find("-1\n0.000000 2.000000 0.000000 1.000000\n"), std::string::npos);
}

TEST_F(GraphicBlockTest, QuarterTurnTakesTheTurnedExtentKeepingDirections)
{
    Oli_Graphic_Begin_Titled(f_, 0, 0, 2, 1, 1, 1, kPi / 2, nullptr);
    std::string s = Text();
    size_t at = s.find("-1\n");
    ASSERT_NE(at, std::string::npos);
    double v[4];
    ASSERT_EQ(sscanf(s.c_str() + at + 3, "%lf %lf %lf %lf", &v[0], &v[1], &v[2], &v[3]), 4);
    EXPECT_NEAR(v[0], 0, 1e-6);
    EXPECT_NEAR(v[1], 1, 1e-6);
    EXPECT_NEAR(v[2], -2, 1e-6);
    EXPECT_NEAR(v[3], 0, 1e-6);

    // Reversed corners keep their directions too.
    Oli_Graphic_Reset();
    FILE* g = tmpfile();
    Oli_Graphic_Begin_Titled(g, 2, 1, 0, 0, 1, 1, kPi / 2, nullptr);
    s = kovtest::contents(g);
    at = s.find("-1\n");
    ASSERT_EQ(sscanf(s.c_str() + at + 3, "%lf %lf %lf %lf", &v[0], &v[1], &v[2], &v[3]), 4);
    EXPECT_NEAR(v[0], 1, 1e-6);
    EXPECT_NEAR(v[1], 0, 1e-6);
    EXPECT_NEAR(v[2], 0, 1e-6);
    EXPECT_NEAR(v[3], -2, 1e-6);
    fclose(g);
}

TEST_F(GraphicBlockTest, TitleFlagsAndLines)
{
    char titles[6][80] = {};
    strcpy(titles[4], "Schnitt A-A");
    Oli_Graphic_Begin_Titled(f_, 0, 0, 1, 1, 1, 1, 0, titles);
    EXPECT_EQ(Text(), "#SHOWGRAFIC\n 0 0 0\n 0 1 0\n Schnitt A-A\n-1\n"
                      "0.000000 1.000000 0.000000 1.000000\n");
}

TEST_F(GraphicBlockTest, TitleWithoutTerminatorIsCut)
{
    char titles[6][80];
    memset(titles, 'x', sizeof titles); // no terminating zero anywhere
    Oli_Graphic_Begin_Titled(f_, 0, 0, 1, 1, 1, 1, 0, titles);
    std::vector<std::string> lines = Split_Lines(Text());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], " 1 1 1");
    EXPECT_EQ(lines[2], " " + std::string(79, 'x'));
}

TEST_F(GraphicBlockTest, TextAngleSetter)
{
    Oli_Graphic_Begin(nullptr, 0, 0, 1, 1, 1, 1);
    Oli_Graphic_Set_Text_Angle(7.0);
    EXPECT_NEAR(Oli_Graphic_Get_Text_Angle(), 7.0 - 2 * kPi, 1e-12);
    Oli_Graphic_Set_Text_Angle(-1.0);
    EXPECT_EQ(Oli_Graphic_Get_Text_Angle(), -1.0);
    Oli_Graphic_Set_Text_Angle(2 * kPi);
    EXPECT_EQ(Oli_Graphic_Get_Text_Angle(), 2 * kPi);
    Oli_Graphic_Set_Text_Angle(1e9);
    EXPECT_GT(Oli_Graphic_Get_Text_Angle(), 0.0);
    EXPECT_LE(Oli_Graphic_Get_Text_Angle(), 2 * kPi);
    Oli_Graphic_Begin(nullptr, 0, 1, 1, 0, 1, 1); // sign -1
    Oli_Graphic_Set_Text_Angle(1.0);
    EXPECT_EQ(Oli_Graphic_Get_Text_Angle(), -1.0);
}

TEST_F(GraphicBlockTest, PrintScaleTable)
{
    // f = min(25 / 100, 1000 / 100) = 0.25 > 1/5
    EXPECT_EQ(Oli_Graphic_Print_Scale(25, 1000, 1, 1), 0);
    // f = 0.0015: 1/750 = 0.00133 is the first below it
    EXPECT_EQ(Oli_Graphic_Print_Scale(15, 15, 100, 100), 15);
    EXPECT_EQ(Oli_Graphic_Print_Scale_Denominator(15), 750.0);
    // f = 0.001 equals 1/1000 and does not fit it: 1500
    EXPECT_EQ(Oli_Graphic_Print_Scale(10, 10, 100, 100), 17);
    EXPECT_EQ(Oli_Graphic_Print_Scale(5, 5, 100, 100), -1); // f = 0.0005
    EXPECT_EQ(Oli_Graphic_Print_Scale_Denominator(-1), 0.0);
}

TEST_F(GraphicBlockTest, WorldToBlockAndBack)
{
    Oli_Graphic_Begin_Titled(nullptr, 0, 0, 10, 10, 2, 3, kPi / 2, nullptr);
    double bx, by;
    Oli_Graphic_To_Block(1, 0, &bx, &by);
    EXPECT_NEAR(bx, 0, 1e-12);
    EXPECT_NEAR(by, -3, 1e-12);
    Oli_Graphic_To_Block(0, 1, &bx, nullptr);
    EXPECT_NEAR(bx, 2, 1e-12);
    double wx, wy;
    Oli_Graphic_Paper_To_World(6, &wx, &wy);
    EXPECT_EQ(wx, 3.0);
    EXPECT_EQ(wy, 2.0);
    Oli_Graphic_Begin(nullptr, 0, 0, 1, 1, 0, 4);
    Oli_Graphic_Paper_To_World(6, &wx, &wy);
    EXPECT_EQ(wx, 0.0); // no scale along x: a defined 0
    EXPECT_EQ(wy, 1.5);
}

TEST_F(GraphicBlockTest, RedirectHoldsOneLevel)
{
    FILE* a = tmpfile();
    FILE* b = tmpfile();
    Oli_Graphic_Begin(f_, 0, 0, 1, 1, 1, 1);
    Oli_Graphic_Redirect(a);
    EXPECT_EQ(Oli_Graphic_Stream(), a);
    Oli_Graphic_Redirect(b);
    Oli_Graphic_Restore_Stream();
    EXPECT_EQ(Oli_Graphic_Stream(), a); // the first saved stream is lost
    fclose(a);
    fclose(b);
}

TEST_F(GraphicBlockTest, BeginKeepsSwitchesAndExtents)
{
    Oli_Graphic_Set_Extended(1);
    Oli_Graphic_Set_Colour_Output(0);
    Oli_Graphic_Set_Dim_Flags(8);
    Oli_Graphic_Begin(nullptr, 0, 0, 1, 1, 1, 1);
    Oli_Graphic_Line(-2, 3, 5, -1);
    Oli_Graphic_Begin(f_, 0, 0, 1, 1, 1, 1);
    EXPECT_EQ(Oli_Graphic_Get_Extended(), 1);
    EXPECT_EQ(Oli_Graphic_Get_Colour_Output(), 0);
    EXPECT_EQ(Oli_Graphic_Get_Dim_Flags(), 8);
    double a, b, c, d;
    Oli_Graphic_Get_Extents(&a, &b, &c, &d);
    EXPECT_EQ(a, -2);
    EXPECT_EQ(b, -1);
    EXPECT_EQ(c, 5);
    EXPECT_EQ(d, 3);
    Oli_Graphic_Reset_Extents();
    Oli_Graphic_Get_Extents(&a, nullptr, nullptr, &d);
    EXPECT_EQ(a, 1e100);
    EXPECT_EQ(d, -1e100);
}

TEST_F(GraphicBlockTest, NonFiniteScaleWritesNoInfOrNan)
{
    Oli_Graphic_Begin_Scaled(f_, -12, -12, 400, 300, INFINITY, NAN, nullptr);
    Oli_Graphic_Line(0, 0, 10, 10);
    Oli_Graphic_Fill_Rect(0, 0, 10, 10);
    std::string s = Text();
    EXPECT_FALSE(Has_Inf_Or_Nan(s)) << s;
}

} // namespace
