// Curved shapes, labelled marks, the fill-pattern sheet, member diagrams, charts
// and value diagrams, record by record. Expected numbers are worked out by hand.
#include "output/iolidiag.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "base/kovfile.h"
#include "base/kovmem.h"
#include "output/iolicomp.h"
#include "output/ioliplot.h"
#include "output/tests/comp_fixture.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

namespace {

const double kPi = 3.14159265358979323846;

class DiagramTest : public CompositeFixture {
protected:
    void Begin(double s = 1.0) { Oli_Graphic_Begin(f_, 0, 0, 200, 100, s, s); }
};

// ---- curved shapes and labels --------------------------------------------------------------

TEST_F(DiagramTest, FillSectorGridPoints)
{
    Begin();
    Oli_Graphic_Fill_Sector(0, 0, 2, 10, 50);
    std::vector<std::string> l = Lines(" 18 ");
    ASSERT_EQ(l.size(), 1u);
    std::vector<double> v = Numbers(l[0]);
    ASSERT_EQ(v.size(), 1u + 2u * 8u);
    EXPECT_EQ(v[0], 8);
    // centre, start at 10 degrees, pi/16 .. 5 pi/16, end at 60 degrees
    std::vector<double> angles = {10 * kPi / 180};
    for (int k = 1; k <= 5; ++k) angles.push_back(k * kPi / 16);
    angles.push_back(60 * kPi / 180);
    EXPECT_EQ(v[1], 0);
    EXPECT_EQ(v[2], 0);
    for (size_t i = 0; i < angles.size(); ++i) {
        EXPECT_NEAR(v[3 + 2 * i], std::cos(angles[i]), 1e-6) << i;
        EXPECT_NEAR(v[4 + 2 * i], std::sin(angles[i]), 1e-6) << i;
    }
    Clear();
    Begin();
    Oli_Graphic_Fill_Sector(0, 0, 2, 0, 90);
    EXPECT_EQ(Numbers(Lines(" 18 ")[0])[0], 11);
    Oli_Graphic_Fill_Sector(0, 0, 2, 0, 100);
    std::vector<double> w = Numbers(Lines(" 18 ")[1]);
    EXPECT_EQ(w[0], 11); // the grid stops at 90 degrees; then the end at 100
    EXPECT_NEAR(w[21], std::cos(100 * kPi / 180), 1e-6);
}

TEST_F(DiagramTest, SlotsReachTheirExtents)
{
    Begin();
    Oli_Graphic_Slot(1, 1, 6, 2); // lying: R = 1, centres at x -1 and 3
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const std::string& l : Lines(" 1  ")) {
        std::vector<double> v = Numbers(l);
        x0 = std::min({x0, v[0], v[2]});
        x1 = std::max({x1, v[0], v[2]});
        y0 = std::min({y0, v[1], v[3]});
        y1 = std::max({y1, v[1], v[3]});
    }
    EXPECT_NEAR(x0, -2, 1e-9);
    EXPECT_NEAR(x1, 4, 1e-9);
    EXPECT_NEAR(y0, 0, 1e-9);
    EXPECT_NEAR(y1, 2, 1e-9);
    EXPECT_EQ(Lines(" 1  ").size(), 2u + 32u);
    Clear();
    Begin();
    Oli_Graphic_Slot(0, 0, 2, 4); // upright: from y -3 to 3, a zero line first
    std::vector<std::string> l = Lines(" 1  ");
    EXPECT_EQ(l.size(), 1u + 16u + 1u + 16u + 1u);
    EXPECT_EQ(l[0], " 1  1.000000 2.000000 1.000000 2.000000");
    Oli_Graphic_Fill_Slot(0, 0, 2, 4);
    Oli_Graphic_Fill_Slot(1, 1, 6, 2);
    std::vector<std::string> f = Lines(" 18 ");
    ASSERT_EQ(f.size(), 2u);
    for (const std::string& s : f) EXPECT_EQ(Numbers(s).size(), 1u + 68u);
    EXPECT_EQ(Numbers(f[0])[0], 34);
    EXPECT_EQ(Numbers(f[1])[0], 34);
}

TEST_F(DiagramTest, BoxAndCircleLabels)
{
    Begin();
    Oli_Graphic_Label_Box(10, 10, 0.5, "ABC"); // hh = 0.4, hw = 3 x 0.8 x hh
    std::vector<double> r = Numbers(Lines(" 24 ")[0]);
    double hw = (r[2] - r[0]) / 2, hh = std::fabs(r[1] - r[3]) / 2;
    EXPECT_NEAR(hh, 0.4, 1e-6);
    EXPECT_NEAR(hw, 2.4 * hh, 1e-6);
    EXPECT_EQ(Lines(" 13 ")[0], " 13 0.500000");
    Oli_Graphic_Label_Box(10, 10, 0.5, "7");
    r = Numbers(Lines(" 24 ")[1]);
    EXPECT_NEAR(r[2] - r[0], std::fabs(r[1] - r[3]), 1e-6);
    Oli_Graphic_Label_Box_Scaled(10, 10, 0.5, 2.0, "12"); // hh = 0.2, hw = 1.6 hh
    EXPECT_EQ(Count_Prefix(Records(), " 13 "), 2);
    r = Numbers(Lines(" 24 ")[2]);
    EXPECT_NEAR(r[2] - r[0], 2 * 0.32, 1e-6);
    Clear();
    Begin();
    // "7" with size 0.5 and divisor 2: d = 1 x 0.25 x 1.52 x 1.5 = 0.57
    Oli_Graphic_Number_Circle(10, 10, 0.5, 2.0, 7);
    std::vector<double> c = Numbers(Lines(" 18 32")[0]);
    EXPECT_NEAR(c[1], 10 + 0.57 / 2, 1e-6);
    EXPECT_EQ(Texts(), std::vector<std::string>{"7"});
}

TEST_F(DiagramTest, PolygonWithHolesAndRing)
{
    Begin();
    FILE* plot = tmpfile();
    Plot_Open_Grey(plot, 0, 0, 200, 100, 1, 0, "T");
    const double x[4] = {0, 10, 10, 0}, y[4] = {0, 0, 10, 10};
    const int counts[1] = {3};
    const double hx[3] = {1, 3, 1}, hy[3] = {1, 1, 3};
    const double cx[1] = {6}, cy[1] = {6}, areas[1] = {2};
    Plot_Set_Filling(2);
    Oli_Graphic_Fill_Polygon_Holes(4, x, y, 1, counts, hx, hy, 1, cx, cy, areas);
    // r = sqrt(2 / pi) = 0.797885
    std::vector<double> c = Numbers(Lines(" 18 32")[0]);
    EXPECT_NEAR(c[1] - 6, 0.797885, 1e-6);
    std::string p = kovtest::contents(plot);
    EXPECT_NE(p.find("-area / 2 2\n 4 0 ( @"), std::string::npos) << p;
    EXPECT_EQ(Count_Prefix(Records(), " 18 "), 3);
    EXPECT_EQ(Lines(" 20 "), std::vector<std::string>{" 20  0"});
    size_t before = p.size();
    Plot_Set_Filling(-1);
    Oli_Graphic_Fill_Polygon_Holes(4, x, y, 1, counts, hx, hy, 1, cx, cy, areas);
    EXPECT_EQ(kovtest::contents(plot).size(), before); // no plot record at all
    EXPECT_EQ(Count_Prefix(Records(), " 18 "), 6);
    Plot_Set_Filling(1);
    Oli_Graphic_Fill_Ring(50, 50, 4, 2);
    EXPECT_EQ(Numbers(Lines(" 18 66")[0]).size(), 1u + 132u);
    p = kovtest::contents(plot);
    EXPECT_NE(p.find("-opengroup\n-area / 1 1\n 2 0 ( @"), std::string::npos);
    EXPECT_NE(p.find("2.000000 )\n 2 0 ( @"), std::string::npos);
    Plot_Close();
}

TEST_F(DiagramTest, FillPatternSheetBoxes)
{
    Oli_Graphic_Fill_Pattern_Sheet(f_);
    std::string s = kovtest::contents(f_);
    EXPECT_NE(s.find("\xCE"
                     "bAuswahl an "),
              std::string::npos)
        << s.substr(0, 80);
    EXPECT_NE(s.find("F\x81llmustern zur Schichtdarstelllung"), std::string::npos);
    EXPECT_NE(s.find("#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 15.000000 26.000000 0.000000\n"), std::string::npos);
    EXPECT_NE(s.find(" 20  37\n 24  2.500000 12.000000 5.000000 14.000000\n"), std::string::npos);
    EXPECT_NE(s.find(" 20  64\n 24  10.000000 20.000000 12.500000 22.000000\n"), std::string::npos);
    EXPECT_EQ(Count_Prefix(s, " 9 "), 65);
    EXPECT_EQ(s.substr(s.size() - 4), " -1\n");
}

TEST(DiagramSheet, ShowFillPatternsHandsTheListToTheViewer)
{
    kovtest::ScopedEnv env("KOV_OLI_VIEWER", nullptr);
    Oli_Graphic_Reset();
    Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
    Kov_Script_Reset();
    char dir[] = "/tmp/kovsheet_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::string base = std::string(dir) + "/POS_01";
    Base_Set_File(base.c_str());
    EXPECT_EQ(Oli_Graphic_Show_Fill_Patterns(), 0);
    EXPECT_EQ(std::string(Kov_Script_Log_Text()), "Quick_OLI_View " + base + " " + base + ".TMP\n");
    std::string list = kovtest::read_file(base + ".TMP");
    EXPECT_NE(list.find(" 20  64\n"), std::string::npos);
    EXPECT_EQ(Oli_Graphic_Stream(), nullptr); // the closed list is no longer the block's stream
    std::remove((base + ".TMP").c_str());
    rmdir(dir);
    Base_Set_File("/nonexistent-dir/POS_01");
    EXPECT_EQ(Oli_Graphic_Show_Fill_Patterns(), -1);
}

// ---- member diagrams -----------------------------------------------------------------------

TEST_F(DiagramTest, MemberDiagramLabelsAndSignMarks)
{
    Begin();
    struct {
        std::vector<double> values;
        std::vector<std::string> texts;
    } cases[] = {
        {{0, 4, 2}, {"0.00", "4.00", "+", "2.00"}},
        {{0, 5, 3, 3, -2}, {"0.00", "5.00", "+", "3.00", "+", "3.00", "+", "-2.00"}},
        {{0, -4, -1}, {"0.00", "+", "-4.00", "-", "-1.00"}},
        {{7}, {"7.00"}},
    };
    for (auto& c : cases) {
        Clear();
        Begin();
        OliMemberDiagram d;
        Oli_Member_Diagram_Init(&d, static_cast<int>(c.values.size()));
        d.x2 = 10;
        for (size_t i = 0; i < c.values.size(); ++i) {
            d.positions[i] = static_cast<double>(i);
            d.values[i] = c.values[i];
        }
        Oli_Graphic_Member_Diagram(&d);
        EXPECT_EQ(Texts(), c.texts);
        Oli_Member_Diagram_Free(&d);
    }
    EXPECT_EQ(Count_Prefix(Records(), " 38 2 0.1 0.1 0"), 1);
}

TEST_F(DiagramTest, MemberDiagramGeometryAndOptions)
{
    Begin();
    OliMemberDiagram d;
    Oli_Member_Diagram_Init(&d, 3);
    d.x2 = 10;
    const double v[3] = {0, 4, 2};
    for (int i = 0; i < 3; ++i) {
        d.positions[i] = i;
        d.values[i] = v[i];
    }
    Oli_Graphic_Member_Diagram(&d);
    std::vector<std::string> labels = Lines(" 9 ");
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[1], " 9 1.000000 -4.300000 1.000000 -4.300000 210 \xAE"
                         "4.00\xAF");
    EXPECT_EQ(Lines(" 20 ")[0], " 20  11");
    // the dashed reference line 0.1 to the right of the member
    EXPECT_EQ(Lines(" 1  ").back(), " 1  0.000000 -0.100000 10.000000 -0.100000");
    Clear();
    Begin();
    d.colour = -1;
    d.reference_line = 0;
    d.decimals = 99; // held to 15
    Oli_Graphic_Member_Diagram(&d);
    EXPECT_EQ(Count_Prefix(Records(), " 20  11"), 0);
    EXPECT_EQ(Count_Prefix(Records(), " 38 2"), 0);
    EXPECT_NE(Records().find("\xAE"
                             "4.000000000000000\xAF"),
              std::string::npos);
    Oli_Member_Diagram_Free(&d);
}

TEST(MemberDiagramRecord, CopyAndFree)
{
    Mem_Reset_Live_Blocks();
    OliMemberDiagram a, b;
    Oli_Member_Diagram_Init(&a, 3);
    Oli_Member_Diagram_Init(&b, 0);
    EXPECT_EQ(b.positions, nullptr);
    snprintf(a.name, sizeof a.name, "My");
    a.values[2] = 5;
    Oli_Member_Diagram_Copy(&b, &a);
    EXPECT_STREQ(b.name, "My");
    ASSERT_NE(b.values, nullptr);
    EXPECT_NE(b.values, a.values);
    EXPECT_EQ(b.values[2], 5);
    EXPECT_EQ(b.spare, 2);
    double* old_positions = a.positions;
    double* old_values = a.values;
    Oli_Member_Diagram_Init(&a, 0); // Init does not release what a held
    EXPECT_EQ(Mem_Live_Blocks(), 4);
    Oli_Member_Diagram_Copy(&b, &a);
    EXPECT_EQ(b.positions, nullptr);
    EXPECT_EQ(b.values, nullptr);
    EXPECT_EQ(b.count, 0);
    EXPECT_EQ(Mem_Live_Blocks(), 2);
    Mem_Free_Null(reinterpret_cast<void**>(&old_positions));
    Mem_Free_Null(reinterpret_cast<void**>(&old_values));
    Oli_Member_Diagram_Free(&b);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

// ---- charts -----------------------------------------------------------------------------------

TEST_F(DiagramTest, ChartScalesTicksAndLabels)
{
    OliChart c;
    Oli_Chart_Init(&c);
    EXPECT_EQ(Oli_Chart_Begin(f_, &c), 0);
    EXPECT_DOUBLE_EQ(Oli_Graphic_Get_State()->scale_x, 0.04);
    EXPECT_DOUBLE_EQ(Oli_Graphic_Get_State()->scale_y, 0.04);
    Oli_Chart_End();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"", ""})); // titles only, no ticks
    struct {
        double x_min, x_max, step;
        std::vector<std::string> labels;
    } cases[] = {
        {-50, 100, 25, {"-25", "25", "50", "75"}},
        {0, 10, 2.5, {"2.5", "5.0", "7.5"}},
        {0, 0.2, 0.05, {"0.05", "0.10", "0.15"}},
        {0, 2, 0.5, {"0.5", "1.0", "1.5"}},
        {0, 30, 10, {"10", "20"}},
    };
    for (auto& k : cases) {
        Clear();
        Oli_Chart_Init(&c);
        c.x_min = k.x_min;
        c.x_max = k.x_max;
        c.x_step = k.step;
        snprintf(c.x_title, sizeof c.x_title, "x in %%");
        ASSERT_EQ(Oli_Chart_Begin(f_, &c), 0);
        std::vector<std::string> t = Texts();
        ASSERT_GE(t.size(), 2u);
        EXPECT_EQ(t.front(), "x in %");
        EXPECT_EQ(std::vector<std::string>(t.begin() + 1, t.end() - 1), k.labels) << k.step;
    }
}

TEST_F(DiagramTest, ChartEmptyRangeAndCurve)
{
    OliChart c;
    Oli_Chart_Init(&c);
    c.x_max = c.x_min;
    EXPECT_EQ(Oli_Chart_Begin(f_, &c), 1);
    Oli_Chart_End();
    const double x[2] = {1, 3}, y[2] = {2, -1};
    Oli_Chart_Curve(f_, 2, x, y, 1, 0, 3, 3);
    EXPECT_EQ(kovtest::contents(f_), "");
    Oli_Chart_Init(&c);
    Clear();
    ASSERT_EQ(Oli_Chart_Begin(f_, &c), 0);
    Clear();
    Oli_Chart_Curve(f_, 2, x, y, 1, 0, 3, 3);
    EXPECT_EQ(kovtest::contents(f_), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n-1.000000 4.000000 -2.000000 3.000000\n"
                                     " 1  0.000000 0.000000 3.000000 0.000000\n"
                                     " 1  0.000000 -1.000000 0.000000 2.000000\n"
                                     " 1  1.000000 2.000000 3.000000 -1.000000\n"
                                     " -1\n");
    Clear();
    const double zx[2] = {0, 0};
    Oli_Chart_Curve(f_, 2, zx, y, 1, 0, 3, 3);
    EXPECT_EQ(kovtest::contents(f_), "");
}

// ---- value diagrams -----------------------------------------------------------------------------

TEST_F(DiagramTest, ValueDiagramSteps)
{
    struct {
        std::vector<double> values;
        std::vector<std::string> labels; // scale labels, then the side title
    } cases[] = {
        {{0, 150}, {"70", "140", "S"}},  {{0.2, 0.8}, {"0.3", "0.6", "S"}}, {{0, 10, 20, 37}, {"10", "20", "30", "S"}},
        {{-5, -20}, {"-7", "-14", "S"}}, {{-3, 5}, {"0", "4", "S"}},
    };
    for (auto& c : cases) {
        Clear();
        Begin();
        std::vector<double> st, v = c.values;
        for (size_t i = 0; i < v.size(); ++i) st.push_back(static_cast<double>(i));
        ASSERT_EQ(
            Oli_Graphic_Value_Diagram(0, 0, 10, 10, st.data(), v.data(), static_cast<int>(v.size()), "S", "", 0.3), 1);
        EXPECT_EQ(Texts(), c.labels) << c.values.front();
    }
    Clear();
    Begin();
    double flat[3] = {2, 2, 2};
    ASSERT_EQ(Oli_Graphic_Value_Diagram_Even(0, 0, 10, 10, 0, 2, flat, 3, "S", "unten", 0.3), 1);
    EXPECT_EQ(flat[0], 0);
    EXPECT_EQ(flat[1], 2);
    EXPECT_EQ(flat[2], 0);
    EXPECT_EQ(Count_Prefix(Records(), " 13 "), 1); // the scale's height only
    EXPECT_EQ(Lines(" 9 ").size(), 2u);            // upright side title and bottom title
}

TEST_F(DiagramTest, ValueDiagramStationsNotStartingAtZeroStayInTheRectangle)
{
    // Stations 2, 3, 4 (span 2) over the height 0 .. 8 with a bottom title of
    // h = 0.5: B = 0.65; station s at B + (s - 2) * (8 - B) / 2, so 0.65,
    // 4.325, 8. Values 1, 3, 2 (P, V = 2) from L = 0.46 to the right edge 10.
    Begin();
    const double st[3] = {2, 3, 4};
    double v[3] = {1, 3, 2};
    ASSERT_EQ(Oli_Graphic_Value_Diagram(0, 0, 10, 8, st, v, 3, "S", "unten", 0.5), 1);
    const double want_y[3] = {0.65, 4.325, 8.0};
    const double left = 0.5 - 0.04, sv = (10 - left) / 2.0;
    const double want_x[3] = {left, left + 2 * sv, left + sv};
    // The outline: closing point at (L, y0), the three points, closing point
    // at (L, y2); its lines come first.
    std::vector<std::string> lines = Lines(" 1  ");
    ASSERT_GE(lines.size(), 5u);
    std::vector<double> p[4];
    for (int i = 0; i < 4; ++i) p[i] = Numbers(lines[size_t(i)]);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(p[i + 1][0], want_x[i], 1e-5) << i;
        EXPECT_NEAR(p[i + 1][1], want_y[i], 1e-5) << i;
    }
    EXPECT_NEAR(p[0][0], left, 1e-5);
    EXPECT_NEAR(p[0][1], want_y[0], 1e-5);
    // Nothing is drawn above the rectangle's top or below its base, the
    // scale's ticks (up to 0.06 above the top line) apart.
    for (const std::string& l : lines) {
        std::vector<double> q = Numbers(l);
        ASSERT_EQ(q.size(), 4u) << l;
        for (int k : {1, 3}) {
            EXPECT_LE(q[size_t(k)], 8.0 + 0.06 + 1e-6) << l;
            EXPECT_GE(q[size_t(k)], 0.65 - 1e-6) << l;
        }
    }
}

TEST_F(DiagramTest, ValueDiagramRefusesWhatItCannotDraw)
{
    Begin();
    double v[101] = {1, 2};
    double st[101] = {0, 1};
    EXPECT_EQ(Oli_Graphic_Value_Diagram(0, 0, 10, 10, st, v, 1, "S", "", 0.3), 0);
    EXPECT_EQ(Oli_Graphic_Value_Diagram(0, 0, 10, 10, st, v, 101, "S", "", 0.3), 0);
    EXPECT_EQ(Oli_Graphic_Value_Diagram_Even(0, 0, 10, 10, 0, 0.05, v, 2, "S", "", 0.3), 0);
    EXPECT_EQ(Oli_Graphic_Value_Diagram(0, 0, 0.2, 10, st, v, 2, "S", "", 0.3), 0);
    EXPECT_EQ(Records(), "");
}

} // namespace
