// The joint sketch of the output list: its geometry worked out by hand, the
// scale, and what the list and the plot file receive.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QLineF>

#include "app/tests/print_fixture.h"
#include "platform/kovcp.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

using printtest::Count;

namespace {

const double kTol = 0.005;

void Expect_Point(const QPointF& p, double x, double y, const char* what)
{
    EXPECT_NEAR(p.x(), x, kTol) << what;
    EXPECT_NEAR(p.y(), y, kTol) << what;
}

std::string Capture_Sketch(NELU52_DATA& d)
{
    FILE* f = std::tmpfile();
    EXPECT_NE(f, nullptr);
    if (!f) return std::string();
    print_skizze(d, f);
    std::fflush(f);
    std::rewind(f);
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

class SketchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        apptest::Use_German_Ec5();
        printtest::Reset_Writers();
        Oli_Graphic_Set_Extended(1); // as the list's head does
        printtest::Example_Position(d, 0);
        d.lv_min = 200.0;
        ASSERT_EQ(Nelu52_Set_Position("VERSATZ", "1"), 1);
    }
    NELU52_DATA d;
    apptest::Workdir dir;
};

// Defaults h_G 180, h_D 100, t_1 30, gamma 60, l_v 200, Stirnversatz:
// s = 100/sin 60 = 115.470, a = 30 tan 30 = 17.321, d = s - a = 98.150.
TEST_F(SketchTest, StirnversatzExampleByHand)
{
    SketchGeometry g;
    Sketch_Compute(d, &g);
    EXPECT_EQ(g.typ, 0);
    EXPECT_NEAR(g.s, 115.470, kTol);
    EXPECT_NEAR(g.a, 17.321, kTol);
    EXPECT_NEAR(g.d, 98.150, kTol);

    ASSERT_EQ(g.sill_outline.size(), 7);
    Expect_Point(g.sill_outline[0], 0, 0, "P0");
    Expect_Point(g.sill_outline[1], 182.68, 0, "P1");
    Expect_Point(g.sill_outline[2], 200, 30, "P2");
    Expect_Point(g.sill_outline[3], 298.15, 0, "P3");
    Expect_Point(g.sill_outline[4], 396.30, 0, "P4");
    Expect_Point(g.sill_outline[5], 396.30, 180, "P5");
    Expect_Point(g.sill_outline[6], 0, 180, "P6");

    // Mirrored: y' = 180 - y, the notch opens upwards.
    ASSERT_EQ(g.sill.size(), 7);
    Expect_Point(g.sill[0], 0, 180, "Q0");
    Expect_Point(g.sill[2], 200, 150, "Q2");
    Expect_Point(g.sill[3], 298.15, 180, "Q3");
    Expect_Point(g.sill[6], 0, 0, "Q6");

    // Strut: the rectangle from Q1 to Q4 (213.62 long) and 100 deep, turned
    // by 60 degrees about Q1 = (182.68, 180): far corners
    // Q1 + 213.62 (cos 60, sin 60) = (289.49, 365.00) and that + 100 (sin 60, -cos 60).
    ASSERT_EQ(g.strut.size(), 5);
    Expect_Point(g.strut[0], 182.68, 180, "S0");
    Expect_Point(g.strut[1], 289.49, 365.00, "S1");
    Expect_Point(g.strut[2], 376.09, 315.00, "S2");
    Expect_Point(g.strut[3], 298.15, 180, "S3 = Q3");
    Expect_Point(g.strut[4], 200, 30, "S4 = (l_v, t_1)");
    Expect_Point(g.strut_end1, 289.49, 365.00, "end 1");
    Expect_Point(g.strut_end2, 376.09, 315.00, "end 2");

    // Extent and scale: X = 200 + 2 s = 430.94, Y = 2*100 + 180 = 380;
    // m = min(14.6/430.94, 10.2/380) = 0.026842; 1/37.25 would be needed, 40 fits.
    EXPECT_NEAR(g.X, 430.94, kTol);
    EXPECT_DOUBLE_EQ(g.Y, 380.0);
    EXPECT_NEAR(g.m, 0.026842, 1e-6);
    EXPECT_DOUBLE_EQ(g.F, 40.0);

    // Chains: bottom P0..P3 unmirrored, left Q0 and Q2, right Q0 and Q6.
    ASSERT_EQ(g.chain_bottom.size(), 4);
    Expect_Point(g.chain_bottom[3], 298.15, 0, "bottom P3");
    ASSERT_EQ(g.chain_left.size(), 2);
    Expect_Point(g.chain_left[1], 200, 150, "left Q2");
    ASSERT_EQ(g.chain_right.size(), 2);
    Expect_Point(g.chain_right[1], 0, 0, "right Q6");
    EXPECT_TRUE(g.chain_heel.isEmpty());
}

TEST(SketchScale, FirstFittingNumberOfTheList)
{
    struct Case {
        double m;
        double F;
    };
    const Case cases[] = {
        {0.026842, 40},                              // the example
        {1.0 / 37.3, 40},      {0.025, 40},          // 1/40 fits exactly
        {0.0249, 50},          {10.0, 0.1},          // the smallest number first
        {1.0 / 10000, 10000},  {1.0 / 10001, 10000}, // nothing fits: the largest number
        {-0.05, 10000},                              // graphic narrower than its margins
        {std::nan(""), 10000},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(Sketch_Scale_Number(c.m), c.F) << c.m;
    // 1/F cm per mm: 1 mm at F = 40 is drawn 0.25 mm long, scale 1:4.
    EXPECT_DOUBLE_EQ(Sketch_True_Scale(40), 4.0);
}

// g = s - (c + e) = 115.47 - (17.32 + 51.96) = 46.19 exceeds l_v = 20: the
// notch begins at g.
TEST_F(SketchTest, FersenversatzNotchStartsAtG)
{
    d.typ = 2;
    d.lv_min = 20.0;
    SketchGeometry g;
    Sketch_Compute(d, &g);
    ASSERT_EQ(g.sill_outline.size(), 7);
    EXPECT_NEAR(g.g, 46.188, kTol);
    Expect_Point(g.sill_outline[1], 46.188, 0, "P1 at g");
    Expect_Point(g.sill_outline[2], 46.188 + 51.962, 30, "P2 = P1 + (e, t2)");
    Expect_Point(g.sill_outline[3], 46.188 + 51.962 + 17.321, 0, "P3 = P2 + (c, -t2)");
    EXPECT_NEAR(g.r, 40.0, kTol); // 100 - 30/cos 60
    // The strut's lower corner is held on the lower face of the sill.
    EXPECT_GE(g.strut[1].y(), -1e-9);
    // Far end S3-S4 is h_D long.
    EXPECT_NEAR(QLineF(g.strut_end1, g.strut_end2).length(), 100.0, kTol);
}

// Brustversatz: Q3 becomes the point where the strut's lower edge meets the
// upper face y = 180.
TEST_F(SketchTest, BrustversatzUpperFaceMeetsStrutEdge)
{
    d.typ = 1;
    SketchGeometry g;
    Sketch_Compute(d, &g);
    ASSERT_EQ(g.sill.size(), 7);
    ASSERT_EQ(g.strut.size(), 5);
    EXPECT_NEAR(g.sill[3].y(), 180.0, kTol);
    // On the line through S1 and S2: the cross product vanishes.
    const QPointF a = g.strut[1], b = g.strut[2], p = g.sill[3];
    const double cross = (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
    EXPECT_NEAR(cross / QLineF(a, b).length(), 0.0, kTol);
    EXPECT_NEAR(QLineF(g.strut_end1, g.strut_end2).length(), 100.0, kTol);
}

// Double step joint: nine sill points, the heel chain from Q4 to Q5.
TEST_F(SketchTest, DoppelterVersatzHasHeelChain)
{
    d.typ = 3;
    SketchGeometry g;
    Sketch_Compute(d, &g);
    ASSERT_EQ(g.sill_outline.size(), 9);
    ASSERT_EQ(g.chain_bottom.size(), 6);
    ASSERT_EQ(g.chain_heel.size(), 2);
    // k = g - a = 46.188 - 17.321 = 28.868; Q4 = (200 + k + e, 180 - 30).
    Expect_Point(g.chain_heel[0], 200 + 28.868 + 51.962, 150, "Q4");
    Expect_Point(g.chain_heel[1], 200 + 28.868 + 51.962 + 17.321, 180, "Q5");
    Expect_Point(g.strut[1], 200, 150, "S1 = Q2");
    Expect_Point(g.strut[2], 182.68, 180, "S2 = Q1");
}

// What the list and the plot file receive for the example.
TEST_F(SketchTest, ListAndPlotOfTheExample)
{
    const std::string list = Capture_Sketch(d);
    // Reserved: Y/F + 2.8 = 380/40 + 2.8 = 12.3 cm.
    EXPECT_NE(list.find("#OLI_RESERVESPACE 12.3000\n"), std::string::npos);
    // Drawn at 1/40 cm per mm, which is the scale 1:4 on paper.
    EXPECT_NE(list.find(std::string("\xCE"
                                    "b") +
                        cp850("Ansicht Maßstab 1: 4") +
                        "\xCE"
                        "r" +
                        cp850(", Längeneinheit in [mm]")),
              std::string::npos);
    EXPECT_EQ(list.find("1:40"), std::string::npos);
    EXPECT_NE(list.find("#SHOWGRAFIC"), std::string::npos);
    EXPECT_NE(list.find(" 6 0.050000\n"), std::string::npos);
    EXPECT_NE(list.find(" 38 2 0.15 0.30 0\n"), std::string::npos);
    // Wood colour fill of strut and sill, colour index 43.
    EXPECT_NE(list.find("51 248 195 62\n"), std::string::npos);
    EXPECT_NE(list.find(" 20  43\n"), std::string::npos);
    EXPECT_EQ(list.substr(list.size() - 4), " -1\n");

    const std::string plot = apptest::Slurp(dir.file("VERSATZ01.SPF"));
    ASSERT_FALSE(plot.empty());
    // The plot file is drawn at the same 1/40 cm per mm and says 1:4.
    EXPECT_EQ(plot.rfind("zorv-PlanSchau (1.0)A\nAnsicht M 1:4\n", 0), 0u);
    EXPECT_EQ(plot.substr(plot.size() - 6), "*EOI\n\n");
    EXPECT_NE(plot.find("-setlayer 0\n"), std::string::npos);
    EXPECT_TRUE(kovtest::temporaries_beside(dir.file("VERSATZ01.SPF")).empty());
}

// Dimensions: the strut's end, the chains (three gaps at the bottom, one left,
// one right), and for the double step joint also the heel chain and five
// bottom gaps.
TEST_F(SketchTest, DimensionCountByJointType)
{
    const int expected[4] = {6, 6, 6, 9};
    for (int typ = 0; typ < 4; ++typ) {
        printtest::Reset_Writers();
        Oli_Graphic_Set_Extended(1);
        d.typ = typ;
        const std::string list = Capture_Sketch(d);
        int texts = 0;
        for (size_t p = list.find("\n 10 "); p != std::string::npos; p = list.find("\n 10 ", p + 1)) ++texts;
        EXPECT_EQ(texts, expected[typ]) << "type " << typ;
    }
}

// A graphic too small for any scale, and an angle that leaves no outline:
// nothing infinite or undefined reaches the list or the plot file.
TEST_F(SketchTest, NoInfiniteFactorReachesListOrPlot)
{
    struct Case {
        double width, gamma;
    };
    for (const Case c : {Case{2.0, 60.0}, Case{2.4, 60.0}, Case{17.0, 0.0}}) {
        printtest::Reset_Writers();
        Oli_Graphic_Set_Extended(1);
        d.graf_breite = c.width;
        d.gamma = c.gamma;
        const std::string list = Capture_Sketch(d);
        const std::string plot = apptest::Slurp(dir.file("VERSATZ01.SPF"));
        for (const std::string* s : {&list, &plot}) {
            EXPECT_EQ(s->find("inf"), std::string::npos) << c.width << " " << c.gamma;
            EXPECT_EQ(s->find("nan"), std::string::npos) << c.width << " " << c.gamma;
        }
        if (c.gamma > 0.0) {
            // Largest number of the list: 1/10000 cm per mm, scale 1:1000.
            EXPECT_NE(list.find(cp850("Ansicht Maßstab 1:1000")), std::string::npos);
            EXPECT_EQ(plot.rfind("zorv-PlanSchau (1.0)A\nAnsicht M 1:1000\n", 0), 0u);
        }
    }
}

// Without a plot file the list is the same.
TEST_F(SketchTest, PlotFileThatCannotBeCreatedLeavesTheListAlone)
{
    const std::string with_plot = Capture_Sketch(d);
    printtest::Reset_Writers();
    Oli_Graphic_Set_Extended(1);
    std::snprintf(nelu52_spf_name, sizeof nelu52_spf_name, "%s", "no/such/dir/VERSATZ01.SPF");
    const std::string without = Capture_Sketch(d);
    EXPECT_EQ(with_plot, without);
}

// A plot file that opens but cannot be written completely (a full disk) is
// reported, and the old plot file stays whole; the list is the same.
TEST_F(SketchTest, PlotFileThatCannotBeWrittenIsReportedAndKeepsTheOldOne)
{
    const std::string with_plot = Capture_Sketch(d);
    const std::string plot_name = dir.file("VERSATZ01.SPF");
    const std::string old_plot = apptest::Slurp(plot_name);
    ASSERT_GT(old_plot.size(), 2000u);
    printtest::Reset_Writers();
    Oli_Graphic_Set_Extended(1);
    Kov_Script_Reset();

    char* bytes = nullptr;
    size_t size = 0;
    FILE* list = open_memstream(&bytes, &size); // in memory: not held by the size limit
    ASSERT_NE(list, nullptr);
    testing::internal::CaptureStderr(); // batch mode: the message goes there
    {
        // Room for the message on standard error, not for the plot file.
        kovtest::FileSizeLimit full_disk(1000);
        print_skizze(d, list);
    }
    const std::string said = testing::internal::GetCapturedStderr() + Kov_Script_Log_Text();
    std::fclose(list);
    const std::string without = std::string(bytes, size);
    std::free(bytes);

    EXPECT_EQ(without, with_plot);
    EXPECT_EQ(apptest::Slurp(plot_name), old_plot);
    EXPECT_TRUE(kovtest::temporaries_beside(plot_name).empty());
    EXPECT_NE(said.find("Die Plotdatei VERSATZ01.SPF konnte nicht geschrieben werden!"), std::string::npos) << said;
}

} // namespace
