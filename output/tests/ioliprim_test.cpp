// Tests of the drawing primitives: lines with scales, pens and line types, polylines,
// rectangles, polygons and their fillings.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "output/geo2d.h"
#include "output/ioliplot.h"
#include "output/tests/plot_fixture.h"
#include "test_support/kovtestutil.h"

namespace {

const double kPi = 3.14159265358979323846;

class PrimitiveTest : public GraphicStreamTest {
protected:
    void OpenPlot() { Plot_Open_Grey(fopen(plot_.path.c_str(), "w"), 0, 0, 10, 5, 1, 0, "P"); }
    // The entity section of the closed plot file.
    std::string Entities()
    {
        Plot_Close();
        std::string s = kovtest::read_file(plot_.path);
        size_t at = s.find("-setlayer 0\n");
        return at == std::string::npos ? s : s.substr(at + 12);
    }
    TempPath plot_;
};

TEST_F(PrimitiveTest, LineWithScalesTwoAndOne)
{
    OpenPlot();
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 2, 1);
    Oli_Graphic_Line(1, 1, 3, 1);
    EXPECT_EQ(Records(), " 1  2.000000 1.000000 6.000000 1.000000\n");
    EXPECT_EQ(Entities(), "-line @1 ( @1 1.000000 1.000000 ) #2 0 0 1 0.0\n-point @2 3.000000 1.000000\n"
                          "*EOI\n\n");
}

TEST_F(PrimitiveTest, LineUsesCurrentPenAndLineType)
{
    OpenPlot();
    Plot_Set_Pen(4);
    Plot_Set_Linetype(2);
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    Oli_Graphic_Line(0, 0, 1, 0);
    EXPECT_EQ(Entities(), "-line @1 ( @1 0.000000 0.000000 ) #2 4 2 1 0.0\n-point @2 1.000000 0.000000\n"
                          "*EOI\n\n");
}

TEST_F(PrimitiveTest, PolylineClosedOpenAndDegenerate)
{
    Oli_Graphic_Begin(f_, 0, 0, 10, 10, 1, 1);
    const double x[3] = {0, 1, 1}, y[3] = {0, 0, 1};
    Oli_Graphic_Polyline(3, x, y);
    EXPECT_EQ(Records(), " 1  0.000000 0.000000 1.000000 0.000000\n"
                         " 1  1.000000 0.000000 1.000000 1.000000\n"
                         " 1  0.000000 0.000000 1.000000 1.000000\n");
    Oli_Graphic_Reset();
    FILE* g = tmpfile();
    Oli_Graphic_Begin(g, 0, 0, 10, 10, 1, 1);
    Oli_Graphic_Polyline(-3, x, y);
    Oli_Graphic_Polyline(2, x, y);
    Oli_Graphic_Polyline(1, x, y);
    Oli_Graphic_Polyline(-1, x, y);
    Oli_Graphic_Polyline(0, x, y);
    // -3: two lines; 2: the same segment twice
    EXPECT_EQ(Count_Prefix(kovtest::contents(g), " 1  "), 4);
    EXPECT_NE(kovtest::contents(g).find(" 1  0.000000 0.000000 1.000000 0.000000\n"
                                        " 1  0.000000 0.000000 1.000000 0.000000\n"),
              std::string::npos);
    fclose(g);
}

TEST_F(PrimitiveTest, RectangleFrames)
{
    Oli_Graphic_Begin(f_, 0, 0, 10, 10, 1, 1);
    Oli_Graphic_Rect_Frame_Centred(2, 1, 4, 2);
    EXPECT_EQ(Records(), " 1  0.000000 0.000000 0.000000 2.000000\n"
                         " 1  0.000000 2.000000 4.000000 2.000000\n"
                         " 1  4.000000 2.000000 4.000000 0.000000\n"
                         " 1  4.000000 0.000000 0.000000 0.000000\n");
}

TEST_F(PrimitiveTest, PolygonRecordAndArea)
{
    OpenPlot();
    Plot_Set_Filling(5);
    Plot_Set_Pen(1);
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 2, 2);
    const double x[4] = {0, 1, 1, 0}, y[4] = {0, 0, 1, 1};
    EXPECT_EQ(Oli_Graphic_Polygon(4, x, y), 4);
    EXPECT_EQ(Records(), " 18 4 0.000000 0.000000 2.000000 0.000000 2.000000 2.000000"
                         " 0.000000 2.000000 \n");
    EXPECT_EQ(Entities(), "-area / 0 5\n 4"
                          " 0 ( @1 ( @1 0.000000 0.000000 ) #2 1 0 1 0.0 )\n"
                          " 0 ( @2 ( @2 1.000000 0.000000 ) #3 1 0 1 0.0 )\n"
                          " 0 ( @3 ( @3 1.000000 1.000000 ) #4 1 0 1 0.0 )\n"
                          " 0 ( @4 ( @4 0.000000 1.000000 ) #1 1 0 1 0.0 )\n"
                          "*EOI\n\n");
}

TEST_F(PrimitiveTest, PolygonLeavesTheCallersArraysUntouched)
{
    Oli_Graphic_Begin_Titled(f_, 0, 0, 10, 10, 1, 1, 0.7, nullptr);
    double x[3] = {0.1, 3.3, 1.7}, y[3] = {0.2, 0.9, 2.9};
    double cx[3], cy[3];
    memcpy(cx, x, sizeof x);
    memcpy(cy, y, sizeof y);
    Oli_Graphic_Polygon(3, x, y);
    Oli_Graphic_Triangle(x, y);
    EXPECT_EQ(memcmp(cx, x, sizeof x), 0);
    EXPECT_EQ(memcmp(cy, y, sizeof y), 0);
}

TEST_F(PrimitiveTest, FillPolygonFollowsColourOutput)
{
    OpenPlot();
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    const double x[3] = {0, 1, 0}, y[3] = {0, 0, 1};
    Oli_Graphic_Set_Colour_Output(0);
    EXPECT_EQ(Oli_Graphic_Fill_Polygon(3, x, y), 3);
    EXPECT_EQ(Records(), "");
    EXPECT_EQ(Oli_Graphic_Triangle(x, y), 3); // triangles ignore the switch
    EXPECT_EQ(Count_Prefix(Records(), " 18 3"), 1);
    Oli_Graphic_Set_Colour_Output(1);
    Oli_Graphic_Fill_Polygon(3, x, y);
    EXPECT_EQ(Count_Prefix(Records(), " 18 3"), 2);
    EXPECT_EQ(Oli_Graphic_Polygon(0, x, y), 0);
    EXPECT_EQ(Count_Prefix(Records(), " 18"), 2);
}

TEST_F(PrimitiveTest, NoFillingNoAreaButTheRecord)
{
    OpenPlot();
    Plot_Set_Filling(-1);
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    const double x[3] = {0, 1, 0}, y[3] = {0, 0, 1};
    Oli_Graphic_Polygon(3, x, y);
    Oli_Graphic_Fill_Rect(0, 0, 1, 1);
    Oli_Graphic_Fill_Circle(0, 0, 1);
    EXPECT_EQ(Count_Prefix(Records(), " 18"), 2);
    EXPECT_EQ(Count_Prefix(Records(), " 24"), 1);
    EXPECT_EQ(Entities(), "*EOI\n\n");
}

TEST_F(PrimitiveTest, FilledRectangleCornersFollowTheAxes)
{
    OpenPlot();
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    Oli_Graphic_Fill_Rect(2, 1, 0, 0);
    EXPECT_EQ(Records(), " 24  0.000000 1.000000 2.000000 0.000000\n");
    EXPECT_EQ(Entities(), "-area / 0 0\n 4"
                          " 0 ( @1 ( @1 0.000000 0.000000 ) #2 0 0 0 0.0 )\n"
                          " 0 ( @2 ( @2 0.000000 1.000000 ) #3 0 0 0 0.0 )\n"
                          " 0 ( @3 ( @3 2.000000 1.000000 ) #4 0 0 0 0.0 )\n"
                          " 0 ( @4 ( @4 2.0000 0.0000 ) #1 0 0 0 0.0 )\n"
                          "*EOI\n\n");
    Oli_Graphic_Reset();
    FILE* g = tmpfile();
    Oli_Graphic_Begin(g, 0, 5, 10, 0, 1, 1); // y runs down
    Oli_Graphic_Fill_Rect(0, 0, 2, 1);
    std::string s = kovtest::contents(g);
    EXPECT_EQ(s.substr(s.find(" 24")), " 24  0.000000 0.000000 2.000000 1.000000\n");
    fclose(g);
}

TEST_F(PrimitiveTest, FilledRectangleFrameWithAndWithoutHole)
{
    OpenPlot();
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    Oli_Graphic_Fill_Rect_Frame(0, 0, 4, 4, 3, 3, 1, 1);
    EXPECT_EQ(Records(), " 24  0.000000 4.000000 4.000000 0.000000\n 20  0\n"
                         " 24  1.000000 3.000000 3.000000 1.000000\n");
    Oli_Graphic_Fill_Rect_Frame(0, 0, 4, 4, 0, 1, 3, 3); // touches the outer edge
    EXPECT_EQ(Count_Prefix(Records(), " 24"), 3);
    EXPECT_EQ(Entities(), "-area / 1 0\n 4"
                          " 0 ( @1 ( @1 0.000000 0.000000 ) #2 0 0 0 0.0 )\n"
                          " 0 ( @2 ( @2 0.000000 4.000000 ) #3 0 0 0 0.0 )\n"
                          " 0 ( @3 ( @3 4.000000 4.000000 ) #4 0 0 0 0.0 )\n"
                          " 0 ( @4 ( @4 4.0000 0.0000 ) #1 0 0 0 0.0 )\n"
                          " 4"
                          " 0 ( @5 ( @5 1.000000 1.000000 ) #6 0 0 0 0.0 )\n"
                          " 0 ( @6 ( @6 1.000000 3.000000 ) #7 0 0 0 0.0 )\n"
                          " 0 ( @7 ( @7 3.000000 3.000000 ) #8 0 0 0 0.0 )\n"
                          " 0 ( @8 ( @8 3.000000 1.000000 ) #5 0 0 0 0.0 )\n"
                          "-area / 0 0\n 4"
                          " 0 ( @9 ( @9 0.000000 0.000000 ) #10 0 0 0 0.0 )\n"
                          " 0 ( @10 ( @10 0.000000 4.000000 ) #11 0 0 0 0.0 )\n"
                          " 0 ( @11 ( @11 4.000000 4.000000 ) #12 0 0 0 0.0 )\n"
                          " 0 ( @12 ( @12 4.0000 0.0000 ) #9 0 0 0 0.0 )\n"
                          "*EOI\n\n");
}

TEST_F(PrimitiveTest, ThickLineIsARectangleAroundTheSegment)
{
    Oli_Graphic_Begin(f_, 0, 0, 10, 10, 1, 1);
    Oli_Graphic_Thick_Line(0, 0, 10, 0, 2, 0);
    std::string r = Records();
    double v[8];
    int n = 0;
    ASSERT_EQ(sscanf(r.c_str(), " 18 %d %lf %lf %lf %lf %lf %lf %lf %lf", &n, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
                     &v[6], &v[7]),
              9);
    const double e[8] = {0, -1, 10, -1, 10, 1, 0, 1};
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(v[i], e[i], 1e-9) << i;
    Oli_Graphic_Set_Colour_Output(0);
    Oli_Graphic_Thick_Line(0, 0, 10, 0, 2, 1); // outline only
    EXPECT_EQ(Count_Prefix(Records(), " 18"), 1);
    EXPECT_EQ(Count_Prefix(Records(), " 1  "), 4);
}

TEST_F(PrimitiveTest, FilledCircleRecordAndPlotGroup)
{
    OpenPlot();
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 2, 1);
    Oli_Graphic_Fill_Circle(1, 2, 1);
    std::string r = Records();
    ASSERT_EQ(r.compare(0, 6, " 18 32"), 0);
    ASSERT_GE(r.size(), 2u);
    EXPECT_EQ(r.back(), '\n');
    EXPECT_NE(r[r.size() - 2], ' '); // no blank before the line end
    double x0, y0, x8, y8;
    const char* p = r.c_str() + 6;
    ASSERT_EQ(sscanf(p, "%lf %lf", &x0, &y0), 2);
    EXPECT_NEAR(x0, 3.0, 1e-9); // (1 + 0.5) * 2
    EXPECT_NEAR(y0, 2.0, 1e-9);
    for (int k = 0; k < 8; ++k) p = strchr(p + 1, ' '), p = strchr(p + 1, ' ');
    ASSERT_EQ(sscanf(p, "%lf %lf", &x8, &y8), 2); // k = 8: a = pi/2
    EXPECT_NEAR(x8, 2.0, 1e-9);
    EXPECT_NEAR(y8, 2.5, 1e-9);
    EXPECT_EQ(Entities(), "-opengroup\n-area / 0 0\n 2"
                          " 0 ( @1 ( @1 1.000000 2.500000 ) #2 0 0 0 0.500000 )\n"
                          " 0 ( @2 ( @2 1.000000 1.500000 ) #1 0 0 0 0.500000 )\n"
                          "-closegroup\n*EOI\n\n");
    double a, b, c, d;
    Oli_Graphic_Get_Extents(&a, &b, &c, &d);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(b, 1.0);
    EXPECT_EQ(c, 2.0);
    EXPECT_EQ(d, 3.0);
}

TEST_F(PrimitiveTest, RoundCircleUsesTheXScaleForY)
{
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 2, 1);
    Oli_Graphic_Fill_Circle_Round(1, 2, 1);
    std::string r = Records();
    const char* p = r.c_str() + 6;
    for (int k = 0; k < 8; ++k) p = strchr(p + 1, ' '), p = strchr(p + 1, ' ');
    double x8, y8;
    ASSERT_EQ(sscanf(p, "%lf %lf", &x8, &y8), 2);
    EXPECT_NEAR(x8, 2.0, 1e-9);
    EXPECT_NEAR(y8, 3.0, 1e-9); // 2 * 1 + 0.5 * 2
}

// The end points of the opcode-1 records of a text.
std::vector<std::array<double, 4>> Lines_Of(const std::string& s)
{
    std::vector<std::array<double, 4>> out;
    for (const std::string& l : Split_Lines(s)) {
        std::array<double, 4> v;
        if (sscanf(l.c_str(), " 1  %lf %lf %lf %lf", &v[0], &v[1], &v[2], &v[3]) == 4) out.push_back(v);
    }
    return out;
}

TEST_F(PrimitiveTest, ArcQuarterJoinsGridPoints)
{
    OpenPlot();
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    Oli_Graphic_Arc(0, 0, 2, 0, 90);
    auto lines = Lines_Of(Records());
    ASSERT_EQ(lines.size(), 17u); // 16 grid steps of pi/32 and a last line of length 0
    EXPECT_NEAR(lines[0][0], 1, 1e-6);
    EXPECT_NEAR(lines[0][1], 0, 1e-6);
    EXPECT_NEAR(lines[0][2], std::cos(kPi / 32), 1e-6);
    EXPECT_NEAR(lines[15][2], 0, 1e-6);
    EXPECT_NEAR(lines[15][3], 1, 1e-6);
    EXPECT_NEAR(lines[16][0], lines[16][2], 1e-9);
    EXPECT_NEAR(lines[16][1], lines[16][3], 1e-9);
    std::string e = Entities();
    EXPECT_EQ(e.compare(0, 11, "-opengroup\n"), 0);
    EXPECT_EQ(Count_Prefix(e, "-line @"), 17);
    EXPECT_NE(e.find("-closegroup\n*EOI"), std::string::npos);
}

TEST_F(PrimitiveTest, ArcWithNegativeStartRunsFrom330To390)
{
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    Oli_Graphic_Arc(0, 0, 2, -30, 60);
    auto lines = Lines_Of(Records());
    // grid angles 59..69 times 5.625 degrees lie inside, then the last line
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_NEAR(lines[0][0], std::cos(-kPi / 6), 1e-6);
    EXPECT_NEAR(lines[0][1], std::sin(-kPi / 6), 1e-6);
    EXPECT_NEAR(lines[11][2], std::cos(kPi / 6), 1e-6);
    EXPECT_NEAR(lines[11][3], std::sin(kPi / 6), 1e-6);
    Oli_Graphic_Arc(0, 0, 2, INFINITY, 60); // draws nothing, does not hang
    EXPECT_EQ(Lines_Of(Records()).size(), 12u);
}

TEST_F(PrimitiveTest, DashRecords)
{
    Oli_Graphic_Begin(f_, 0, 0, 1, 1, 1, 1);
    for (int k : {1, 2, 3, 4, 7}) Oli_Graphic_Set_Dash(k);
    EXPECT_EQ(Records(), " 38 2 0.1 0.1 0\n 38 2 0.03 0.05 0\n 38 4 0.28 0.05 0.04 0.05 0\n"
                         " 38 2 0.01 0.28 0\n 38 0   0\n");
}

TEST_F(PrimitiveTest, ColourRecordsAndLightness)
{
    Oli_Graphic_Begin(f_, 0, 0, 1, 1, 1, 1);
    Oli_Graphic_Set_Line_Rgb(OliRgb{100, 50, 50}); // not extended: stored, nothing written
    EXPECT_EQ(Records(), "");
    Oli_Graphic_Set_Extended(1);
    Oli_Graphic_Set_Line_Lightness(0);
    // HSL of (100, 50, 50): h 0, s 1/3, l 150/510; doubled l = 150/255 gives
    // q = 185/255 and p = 115/255.
    Oli_Graphic_Set_Line_Lightness(100);
    Oli_Graphic_Set_Fill_Colour_Packed(Oli_Colour_Pack(100, 50, 50));
    Oli_Graphic_Set_Colour_Index(43);
    Oli_Graphic_Set_Colour_Output(0);
    Oli_Graphic_Set_Colour_Index(43);
    EXPECT_EQ(Records(), "50 100 50 50\n50 185 115 115\n51 100 50 50\n 20  43\n 20  0\n");
}

TEST_F(PrimitiveTest, LightnessShiftIsClampedToBytes)
{
    struct {
        int r, g, b;
        double pct;
        int er, eg, eb;
    } cases[] = {{100, 50, 50, 300, 255, 255, 255},  {100, 50, 50, -100, 0, 0, 0}, {100, 50, 50, -150, 0, 0, 0},
                 {200, 200, 200, 50, 255, 255, 255}, {0, 0, 255, 0, 0, 0, 255},    {0, 0, 255, -50, 0, 0, 128},
                 {300, -20, 128, 0, 255, 0, 128}};
    for (const auto& c : cases) {
        int r = c.r, g = c.g, b = c.b;
        Oli_Colour_Shift_Lightness(&r, &g, &b, c.pct);
        EXPECT_EQ(r, c.er) << c.r << " " << c.pct;
        EXPECT_EQ(g, c.eg) << c.r << " " << c.pct;
        EXPECT_EQ(b, c.eb) << c.r << " " << c.pct;
    }
}

TEST_F(PrimitiveTest, PackedColours)
{
    EXPECT_EQ(Oli_Colour_Pack(1, 2, 3), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(Oli_Colour_Pack(-4, 300, 255), 255 * 256 + 255 * 65536);
    int r, b;
    Oli_Colour_Unpack(0x0A0B0C, &r, nullptr, &b);
    EXPECT_EQ(r, 0x0C);
    EXPECT_EQ(b, 0x0A);
}

TEST_F(PrimitiveTest, PatternGroup)
{
    Oli_Graphic_Begin(f_, 0, 0, 1, 1, 1, 1);
    Oli_Graphic_Set_Pattern(3, 7); // not extended: nothing
    Oli_Graphic_Pattern_Start();
    EXPECT_EQ(Records(), "");
    Oli_Graphic_Set_Extended(1);
    Oli_Graphic_Set_Pattern(3, 7);
    Oli_Graphic_Set_Colour_Output(0);
    Oli_Graphic_Set_Pattern(4, 7);
    Oli_Graphic_Pattern_Start();
    Oli_Graphic_Pattern_Colour_Start();
    Oli_Graphic_Pattern_Colour_End();
    EXPECT_EQ(Records(), "61\n62 3\n59\n 20  7\n60\n20 0\n61\n59\n60\n");
    EXPECT_EQ(Oli_Graphic_Get_State()->pattern, 4);
}

TEST_F(PrimitiveTest, PushAndPopHoldOneLevel)
{
    OpenPlot();
    Oli_Graphic_Begin(f_, 0, 0, 1, 1, 1, 1);
    Oli_Graphic_Set_Text_Angle(1);
    Plot_Set_Pen(3);
    Oli_Graphic_Push_State();
    Oli_Graphic_Set_Text_Angle(2);
    Plot_Set_Pen(5);
    Oli_Graphic_Push_State();
    Oli_Graphic_Set_Text_Angle(3);
    Plot_Set_Pen(6);
    Plot_Set_Font(4);
    Oli_Graphic_Pop_State();
    EXPECT_EQ(Oli_Graphic_Get_Text_Angle(), 2.0);
    EXPECT_EQ(Plot_Get_State()->pen, 5);
    EXPECT_EQ(Plot_Get_State()->font, 0);
    Oli_Graphic_Set_Extended(1);
    Oli_Graphic_Push_State();
    Oli_Graphic_Pop_State();
    EXPECT_EQ(Records(), " 30\n 30\n 31\n 30\n 52\n 31\n 53\n");
}

TEST_F(PrimitiveTest, PopWithoutPushRestoresZeros)
{
    Oli_Graphic_Begin_Titled(f_, 0, 0, 1, 1, 1, 1, 0.5, nullptr);
    Oli_Graphic_Set_Text_Angle(1);
    Oli_Graphic_Pop_State();
    EXPECT_EQ(Oli_Graphic_Get_State()->rotation, 0.0);
    EXPECT_EQ(Oli_Graphic_Get_Text_Angle(), 0.0);
}

TEST_F(PrimitiveTest, TurnedTexts)
{
    OpenPlot();
    Plot_Set_Font(2);
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 2, 1);
    Oli_Graphic_Set_Text_Angle(kPi / 2);
    Oli_Graphic_Text_Aligned(1, 2, 4, 4, "%d mm", 25);
    Oli_Graphic_Text_At(1, 2, "ab");
    EXPECT_EQ(Records(), " 14 90.000000 0\n 10 2.000000 2.000000 2.000000 2.000000 210 \xAE"
                         "25 mm\xAF\n 14 90.000000 0\n 3 2.000000 2.000000 \xAE"
                         "ab\xAF\n");
    EXPECT_EQ(Entities(), "-text / 1 6 2 2 1 5 1.000000 2.000000 90.000000 1.2 0. 0.\n"
                          "    \xAE"
                          "25 mm\xAF\n"
                          "-text / 1 3 2 2 1 7 1.000000 2.000000 90.000000 1.2 0. 0.\n"
                          "    \xAE"
                          "ab\xAF\n*EOI\n\n");
}

TEST_F(PrimitiveTest, FixedTexts)
{
    OpenPlot();
    Oli_Graphic_Begin_Titled(f_, 0, 0, 10, 5, 2, 1, kPi / 2, nullptr);
    Oli_Graphic_Text_Plain(1, 2, "p");
    Oli_Graphic_Text_Right(1, 2, "r");
    Oli_Graphic_Text_Middle(1, 2, "m");
    Oli_Graphic_Text_Upright(1, 2, "u");
    Oli_Graphic_Text_Top(1, 2, "t");
    Oli_Graphic_Text_Bottom(1, 2, "b");
    Oli_Graphic_Text_Aligned_Fixed(1, 2, 2, 3, "%s", "f");
    const char* pt = "2.000000 2.000000";
    std::string expected = std::string(" 2 ") + pt + " \xAEp\xAF\n";
    const struct {
        int code;
        const char* t;
    } nine[] = {{212, "r"}, {210, "m"}, {466, "u"}, {226, "t"}, {202, "b"}, {225, "f"}};
    for (const auto& n : nine)
        expected += std::string(" 9 ") + pt + " " + pt + " " + std::to_string(n.code) + " \xAE" + n.t + "\xAF\n";
    EXPECT_EQ(Records(), expected);
    std::string e = Entities();
    const char* just_angle[] = {"7 1.000000 2.000000 0.",       "6 1.000000 2.000000 0.", "5 1.000000 2.000000 0.",
                                "5 1.000000 2.000000 90.",      "8 1.000000 2.000000 0.", "2 1.000000 2.000000 0.",
                                "7 1.000000 2.000000 90.000000"};
    for (const char* ja : just_angle)
        EXPECT_NE(e.find(std::string("-text / 1 2 0 2 1 ") + ja + " 1.2 0. 0.\n"), std::string::npos) << ja;
}

TEST_F(PrimitiveTest, AlignmentCodesAndKeypad)
{
    OpenPlot();
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    const struct {
        int v, h, code, just;
    } cases[] = {{4, 4, 210, 5}, {4, 3, 209, 4}, {4, 1, 212, 6}, {0, 4, 202, 2}, {2, 4, 226, 8}, {2, 3, 225, 7},
                 {2, 1, 228, 9}, {0, 3, 201, 1}, {0, 1, 204, 3}, {7, 3, 225, 5}, {4, 9, 209, 5}};
    for (const auto& c : cases) Oli_Graphic_Text_Aligned_Fixed(0, 0, c.v, c.h, "x");
    std::vector<std::string> recs = Split_Lines(Records());
    std::vector<std::string> ents;
    for (const std::string& l : Split_Lines(Entities()))
        if (l.compare(0, 5, "-text") == 0) ents.push_back(l);
    ASSERT_EQ(recs.size(), 11u);
    ASSERT_EQ(ents.size(), 11u);
    for (size_t i = 0; i < 11; ++i) {
        int code = 0, just = 0;
        sscanf(recs[i].c_str(), " 9 %*f %*f %*f %*f %d", &code);
        sscanf(ents[i].c_str(), "-text / 1 %*d %*d 2 1 %d", &just);
        EXPECT_EQ(code, cases[i].code) << i;
        EXPECT_EQ(just, cases[i].just) << i;
    }
}

TEST_F(PrimitiveTest, TextsAreBoundedAndKeepTheirDelimiters)
{
    Oli_Graphic_Begin(f_, 0, 0, 10, 5, 1, 1);
    std::string longtext(400, 'a');
    Oli_Graphic_Text_Plain(0, 0, longtext.c_str());
    Oli_Graphic_Text_Plain(0, 0,
                           "a\xAF"
                           "b\nc");
    std::vector<std::string> lines = Split_Lines(Records());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], " 2 0.000000 0.000000 \xAE" + std::string(254, 'a') + "\xAF");
    EXPECT_EQ(lines[1], " 2 0.000000 0.000000 \xAE"
                        "a b c\xAF");
}

TEST_F(PrimitiveTest, Comparators)
{
    Point2D a{1, 5}, b{2, 3};
    EXPECT_EQ(Oli_Compare_Point_X_Asc(&a, &b), -1);
    EXPECT_EQ(Oli_Compare_Point_X_Desc(&a, &b), 1);
    EXPECT_EQ(Oli_Compare_Point_Y_Asc(&a, &b), 1);
    EXPECT_EQ(Oli_Compare_Point_Y_Desc(&a, &b), -1);
    EXPECT_EQ(Oli_Compare_Point_X_Asc(&a, &a), 0);
}

TEST_F(PrimitiveTest, NullStreamWritesOnlyThePlot)
{
    OpenPlot();
    Oli_Graphic_Begin(nullptr, 0, 0, 10, 5, 1, 1);
    Oli_Graphic_Line(0, 0, 1, 1);
    Oli_Graphic_Text_Middle(0, 0, "x");
    std::string e = Entities();
    EXPECT_EQ(Count_Prefix(e, "-line @"), 1);
    EXPECT_EQ(Count_Prefix(e, "-text"), 1);
}

} // namespace
