// Tests of the plot file writer: the head byte for byte, unit and scale, origin, rotation,
// clamped setters, layers and the reset on opening.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "output/ioliplot.h"
#include "output/tests/plot_fixture.h"
#include "test_support/kovtestutil.h"

namespace {

const double kPi = 3.14159265358979323846;

class PlotFileTest : public ::testing::Test {
protected:
    void SetUp() override { Oli_Graphic_Reset(); }
    void TearDown() override { Plot_Close(); }
};

TEST_F(PlotFileTest, GreyOpenAndCloseWriteTheHeadByteForByte)
{
    TempPath tmp;
    FILE* f = fopen(tmp.path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    Plot_Open_Grey(f, 0, 0, 10, 5, 1, 0, "T");
    Plot_Close();
    EXPECT_EQ(Plot_Get_State()->stream, nullptr);
    std::string golden = kovtest::read_file(std::string(KOV_TEST_DIR) + "/plot_grey_open_close.golden");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(kovtest::read_file(tmp.path), golden);
}

TEST_F(PlotFileTest, UnitTenthGivesScaleThousand)
{
    TempPath tmp;
    Plot_Open_Grey(fopen(tmp.path.c_str(), "w"), 0, 0, 10, 5, 0.1, 0, "Ansicht M 1:%2.0lf", 40.0);
    Plot_Close();
    std::string s = kovtest::read_file(tmp.path);
    std::vector<std::string> lines = Split_Lines(s);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Ansicht M 1:40");
    EXPECT_EQ(lines[2], "1.000000 0.500000");
    EXPECT_NE(s.find("-coordinates 1\n 0 \xAE"
                     "1:1000\xAF 1000 0 0.000000 0.000000 0 0.0 0.0 0 0.0 0.0\n"),
              std::string::npos);
}

TEST_F(PlotFileTest, OriginComesFromTheSmallestCornerTimesUnit)
{
    TempPath tmp;
    Plot_Open_Grey(fopen(tmp.path.c_str(), "w"), -4, -2, 6, 3, 0.5, 0, "x");
    Plot_Close();
    std::string s = kovtest::read_file(tmp.path);
    EXPECT_EQ(Split_Lines(s)[2], "5.000000 2.500000");
    // origin (4, 2) times unit 0.5; 100 / 0.5 = 200
    EXPECT_NE(s.find(" 0 \xAE"
                     "1:200\xAF 200 0 2.000000 1.000000 0"),
              std::string::npos);
}

TEST_F(PlotFileTest, RotatedRectangleSwapsWidthAndHeight)
{
    TempPath tmp;
    Plot_Open_Grey(fopen(tmp.path.c_str(), "w"), 0, 0, 2, 1, 1, kPi / 2, "R");
    Plot_Close();
    EXPECT_EQ(Split_Lines(kovtest::read_file(tmp.path))[2], "1.000000 2.000000");
}

TEST_F(PlotFileTest, SettersClampToTheirTables)
{
    Plot_Set_Pen(-3);
    EXPECT_EQ(Plot_Get_State()->pen, 0);
    Plot_Set_Pen(99);
    EXPECT_EQ(Plot_Get_State()->pen, 41);
    Plot_Set_Filling(-2);
    EXPECT_EQ(Plot_Get_State()->filling, -1);
    Plot_Set_Linetype(4);
    EXPECT_EQ(Plot_Get_State()->line_type, 3);
    Plot_Set_Linetype(-1);
    EXPECT_EQ(Plot_Get_State()->line_type, 0);
    Plot_Set_Font(12);
    EXPECT_EQ(Plot_Get_State()->font, 11);
    Plot_Set_Font(-5);
    EXPECT_EQ(Plot_Get_State()->font, 0);
    Plot_Set_Layer(3); // no plot file open: nothing, no crash
}

TEST_F(PlotFileTest, FillingStaysInTheTableOfTheHeadWritten)
{
    TempPath grey, colour;
    Plot_Open_Grey(fopen(grey.path.c_str(), "w"), 0, 0, 1, 1, 1, 0, "g");
    Plot_Set_Filling(17);
    EXPECT_EQ(Plot_Get_State()->filling, 7); // "-fillings 8"
    Plot_Set_Filling(5);
    EXPECT_EQ(Plot_Get_State()->filling, 5);
    Plot_Open_Colour(fopen(colour.path.c_str(), "w"), 0, 0, 1, 1, 1, 0, "c");
    Plot_Set_Filling(40);
    EXPECT_EQ(Plot_Get_State()->filling, 17); // "-fillings 18"
}

TEST_F(PlotFileTest, LayerLineIsClampedAndWrittenOnlyWhileOpen)
{
    TempPath tmp;
    Plot_Open_Grey(fopen(tmp.path.c_str(), "w"), 0, 0, 1, 1, 1, 0, "L");
    Plot_Set_Layer(7);
    Plot_Set_Layer(-1);
    Plot_Close();
    Plot_Set_Layer(2);
    std::string s = kovtest::read_file(tmp.path);
    EXPECT_NE(s.find("-setlayer 0\n-setlayer 4\n-setlayer 0\n*EOI\n\n"), std::string::npos);
}

TEST_F(PlotFileTest, OpenResetsAttributesAndIds)
{
    TempPath a, b;
    Plot_Set_Pen(3);
    Plot_Set_Font(2);
    Plot_Open_Grey(fopen(a.path.c_str(), "w"), 0, 0, 10, 10, 1, 0, "A");
    EXPECT_EQ(Plot_Get_State()->pen, 0);
    EXPECT_EQ(Plot_Get_State()->font, 0);
    EXPECT_EQ(Plot_Get_State()->filling, 0);
    EXPECT_EQ(Plot_Get_State()->line_type, 0);
    Oli_Graphic_Begin(nullptr, 0, 0, 10, 10, 1, 1);
    Oli_Graphic_Line(0, 0, 1, 0);
    Oli_Graphic_Line(0, 1, 1, 1);
    EXPECT_EQ(Plot_Get_State()->next_entity, 3);
    EXPECT_EQ(Plot_Get_State()->next_point, 5);

    // A second open while the first file is open finishes and closes the first.
    Plot_Open_Grey(fopen(b.path.c_str(), "w"), 0, 0, 10, 10, 1, 0, "B");
    EXPECT_EQ(Plot_Get_State()->next_entity, 1);
    EXPECT_EQ(Plot_Get_State()->next_point, 1);
    std::string first = kovtest::read_file(a.path);
    EXPECT_NE(first.find("-line @1 ( @1 0.000000 0.000000 ) #2 0 0 1 0.0\n-point @2 1.000000 0.000000\n"
                         "-line @2 ( @3 0.000000 1.000000 ) #4 0 0 1 0.0\n-point @4 1.000000 1.000000\n"
                         "*EOI\n\n"),
              std::string::npos);
    Oli_Graphic_Line(0, 0, 1, 0);
    Plot_Close();
    EXPECT_NE(kovtest::read_file(b.path).find("-line @1 ( @1 "), std::string::npos);
}

TEST_F(PlotFileTest, NullStreamMeansNoPlotFile)
{
    Plot_Open_Grey(nullptr, 0, 0, 1, 1, 1, 0, "N");
    EXPECT_EQ(Plot_Get_State()->stream, nullptr);
    Plot_Close(); // nothing to close
    Oli_Graphic_Line(0, 0, 1, 1);
    EXPECT_EQ(Plot_Get_State()->next_entity, 1);
}

TEST_F(PlotFileTest, DegenerateUnitWritesNoInfOrNan)
{
    const double units[] = {0.0, INFINITY, NAN};
    for (double u : units) {
        TempPath tmp;
        Plot_Open_Grey(fopen(tmp.path.c_str(), "w"), 0, 0, 10, 5, u, NAN, "T");
        Plot_Close();
        std::string s = kovtest::read_file(tmp.path);
        EXPECT_FALSE(Has_Inf_Or_Nan(s)) << u;
        EXPECT_NE(s.find("*EOI\n\n"), std::string::npos);
    }
}

TEST_F(PlotFileTest, ColourHeadDiffersWhereItShould)
{
    TempPath tmp;
    Plot_Open_Colour(fopen(tmp.path.c_str(), "w"), 0, 0, 10, 5, 1, 0, "C");
    Plot_Close();
    std::string s = kovtest::read_file(tmp.path);
    EXPECT_NE(s.find("-colors 5\n 1  0 0 194\n 2  255 0 0\n 3  68 255 0\n 4  255 101 255\n"
                     " 5  255 255 0\n-pens 42\n 0  0.180000 0\n"),
              std::string::npos);
    // 42 pens, no extra pen and no empty line before the line types
    EXPECT_NE(s.find(" 41  0.020000 5\n-linetypes 4\n 0 0 1\n 1 1 0 2.0 1.0\n"
                     " 2 2 0 3.0 1.0 1.0 1.0\n 3 1 0 1.0 2.0\n-fonts 12\n"
                     " 0 \xAE 0.18  normal  \xAF 0 0 1.800000 0.700000 3.000000 0.000000 1\n"),
              std::string::npos);
    EXPECT_NE(s.find(" 9 \xAE 0.70  kursiv  \xAF 0 1 7.000000 0.700000 3.000000 15.000000 1\n"
                     " 10 \xAE 1.0   normal  \xAF 0 1 10.000000 0.700000 3.000000 0.000000 1\n"
                     " 11 \xAE 1.0   kursiv  \xAF 0 1 10.000000 0.700000 3.000000 15.000000 1\n"
                     "-fillings 18\n 0 -45.000000 1   0 1.000000 6 0\n"
                     " 1 45.000000 2   0 1.000000 6 0    1 1.000000 6 1 \n"
                     " 2 0.000000 1   0 0.010000 0 0\n 3 -45.000000 1   0 1.000000 13 0\n"),
              std::string::npos);
    EXPECT_NE(s.find(" 17 0.000000 1   0 0.010000 35 0\n-coordinates 1\n"), std::string::npos);
}

TEST_F(PlotFileTest, HeadWriterWithoutAnOpenUsesUnitOne)
{
    FILE* f = tmpfile();
    Plot_Write_Header_Grey(f, "H", 1, 2, 3, 4);
    std::string s = kovtest::contents(f);
    fclose(f);
    EXPECT_EQ(s.rfind("zorv-PlanSchau (1.0)A\nH\n3.000000 4.000000\n0\n\n*TABLES\n", 0), 0u);
    EXPECT_NE(s.find(" 0 \xAE"
                     "1:100\xAF 100 0 1.000000 2.000000 0 "),
              std::string::npos);
    EXPECT_EQ(Plot_Get_State()->next_point, 1);
}

void custom_head(FILE* f, int arg, double ox, double oy, double w, double h)
{
    fprintf(f, "HEAD %d %.1f %.1f %.1f %.1f\n", arg, ox, oy, w, h);
}

TEST_F(PlotFileTest, CustomHeadGetsTheValuesOfTheBuiltInHeads)
{
    TempPath tmp;
    Plot_Open_Custom(fopen(tmp.path.c_str(), "w"), -1, -2, 3, 4, 2, 0, 7, custom_head);
    Plot_Close();
    EXPECT_EQ(kovtest::read_file(tmp.path), "HEAD 7 1.0 2.0 8.0 12.0\n*ENTITIES\n-setcoorsys 0\n-setlayer 0\n*EOI\n\n");
}

} // namespace
