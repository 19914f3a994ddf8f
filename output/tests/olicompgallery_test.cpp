// The gallery of the drawing composites: one output list with a graphics block
// per group of composites (y axis up and down, colour output on and off) and one
// plot file, kept in the build folder for review (render them with
// tools/olirender). Both must match their golden files byte for byte and be read
// by the viewer without a warning.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "oliwrt_fixture.h"
#include "output/iolicomp.h"
#include "output/iolidiag.h"
#include "output/ioliplot.h"
#include "output/ioliwrt.h"
#include "platform/gui/olirender.h"
#include "platform/kovcp.h"

namespace {

std::string gallery_dir()
{
    std::string d = std::string(KOV_BINARY_DIR) + "/test-artefacts";
    ::mkdir(d.c_str(), 0755);
    d += "/gallery";
    ::mkdir(d.c_str(), 0755);
    return d;
}

// Each block: 320 x 100 world units (millimetres) at scale 0.05, that is 16 x 5
// on paper, at its own place in the world so that the plot file shows them one
// above the other. y_down blocks give their corners with the y axis downward.
struct Block {
    FILE* f;
    double y0;
    void begin(const char* title, bool y_down, bool colour)
    {
        Oli_Text(f, "%s", title);
        Oli_Graphic_Set_Colour_Output(colour ? 1 : 0);
        if (y_down)
            Oli_Graphic_Begin(f, 0, y0 + 100, 320, y0, 0.05, 0.05);
        else
            Oli_Graphic_Begin(f, 0, y0, 320, y0 + 100, 0.05, 0.05);
    }
    void end()
    {
        std::fprintf(Oli_Graphic_Stream(), " -1\n");
        Oli_Graphic_Set_Colour_Output(1);
        y0 += 120;
    }
};

void symbols(Block& b, bool y_down, bool colour)
{
    double y = b.y0;
    Oli_Graphic_Axes_Symbol(20, y + 20, "x", "y", 1.0, 0);
    Oli_Graphic_Axes_Symbol(60, y + 20, "u", "v", 0.8, 0.5);
    Oli_Graphic_Arrow_Label(100, y + 30, 1.0, 0.0, "N");
    Oli_Graphic_Arrow_Label(100, y + 40, 1.0, 1.5707963267948966, "V 50 %");
    Oli_Graphic_Level_Line(150, y + 60, 3.0, "+0.00", "OK Decke", 11, 1.0);
    Oli_Graphic_Level_Mark(240, y + 60, "+2.75", 1, 1.0);
    Oli_Graphic_Level_Mark(280, y + 60, "-0.40", 0, 1.0);
    Oli_Graphic_Ground_Level_Mark(240, y + 20, "GOK", 1.0);
    Oli_Graphic_Support_Symbol(150, y + 20, 0, 11, 1, 1, 3.0);
    Oli_Graphic_Support_Symbol(190, y + 20, 90, 19, 0, 1, 3.0);
    Oli_Graphic_Clamp_Hatch(290, y + 20, 0, 3.0);
    Oli_Graphic_Double_Arrow(20, y + 80, 120, y + 80, "l = 1.00 m", "Feld 1");
    Oli_Graphic_Double_Arrow(20, y + 95, 120, y + 95, "", "a");
    Oli_Graphic_Section_Line(200, y + 85, 310, y + 85, y_down ? -0.3 : 0.3, "A", "A");
    Oli_Graphic_Bold_Text(10, y + 5, colour ? "Fett" : "Fett ohne Farbe");
}

void arrows(Block& b)
{
    double y = b.y0;
    Oli_Graphic_Arrow(30, y + 20, 0, 20, 4, 3, 0);
    Oli_Graphic_Arrow(30, y + 40, 0, 20, 4, 3, 1);
    Oli_Graphic_Arrow(30, y + 60, 0, 20, 4, 3, 2);
    Oli_Graphic_Arrow_Text(70, y + 50, 0.0, 20, 4, 3, 2, 0.2, "F 50 %");
    Oli_Graphic_Arrow_Text(70, y + 50, 1.5707963267948966, 20, 4, 3, 2, 0.2, "oben");
    Oli_Graphic_Arrow_Text(70, y + 50, 3.141592653589793, 20, 4, 3, 2, 0.2, "links");
    Oli_Graphic_Arrow_Text(70, y + 50, -1.5707963267948966, 20, 4, 3, 2, 0.2, "unten");
    Oli_Graphic_Arrow_Between(120, y + 20, 150, y + 50, 4, 3, 1);
    Oli_Graphic_Arc_Arrow(190, y + 50, 20, 0.0, 4.0, 4, 3, 2, 0.2, "M");
    Oli_Graphic_Arrow_Vertical_Text(240, y + 20, 30, "P");
    Oli_Graphic_Arrow_Horizontal_Text(260, y + 70, 30, "H");
}

void arrow_rows(Block& b)
{
    double y = b.y0;
    Oli_Graphic_Arrow_Row(10, y + 10, 100, y + 10, 20, 0.2, "q = 2.5 kN/m");
    Oli_Graphic_Arrow_Row_Linear(120, y + 10, 210, y + 10, 10, 30, 0.2, "q1 ... q2");
    // The inclined row takes its y axis downward.
    Oli_Graphic_Arrow_Row_Inclined(230, -(y + 20), 310, -(y + 40), 30, 15);
    Oli_Graphic_Arrow_Row_Inclined(10, -(y + 60), 300, -(y + 70), 15, 25);
}

void fasteners(Block& b)
{
    double y = b.y0;
    Oli_Graphic_Fastener_Symbol(0, 0, 16, 40, y + 30, 0);
    Oli_Graphic_Fastener_Symbol(0, 1, 16, 80, y + 30, 0);
    Oli_Graphic_Fastener_Symbol(0, 2, 16, 140, y + 30, 0);
    Oli_Graphic_Fastener_Symbol(0, 3, 16, 180, y + 30, 0);
    Oli_Graphic_Fastener_Symbol(0, 4, 16, 220, y + 30, 60);
    Oli_Graphic_Fastener_Symbol(0, 5, 16, 220, y + 60, 60);
    Oli_Graphic_Fastener_Symbol(0, 6, 16, 40, y + 75, 0);
    Oli_Graphic_Fastener_Symbol(0, 7, 16, 80, y + 75, 0);
    Oli_Graphic_Fastener_Symbol(0, 8, 16, 120, y + 75, 0);
}

void rebar_and_labels(Block& b)
{
    double y = b.y0;
    Oli_Graphic_Rebar_Label(10, y + 50, 150, y + 50, 0.1, 2, 4, 15, 13.4, 0.035, 2, 3);
    Oli_Graphic_Rebar_Label(170, y + 20, 300, y + 80, 0.1, 1, 2, 20, 5.65, 0.04, 1, 0);
    Oli_Graphic_Leader_Label(30, y + 10, 60, y + 25, 0.25, "Schwelle %s", "C24 ");
    Oli_Graphic_Leader_Label(150, y + 10, 100, y + 25, 0.25, "%d %%", 80);
    Oli_Graphic_Leader_Label_Flag(200, y + 10, 220, y + 25, 0, 0.25, "Pos. %d", 4);
    Oli_Graphic_Leader_Label_Flag(260, y + 10, 280, y + 25, 1, 0.25, "ohne");
    Oli_Graphic_Hatched_Band(10, y + 90, 150, y + 90, 6, 1);
    Oli_Graphic_Hatched_Band(170, y + 95, 300, y + 95, 6, 0);
}

void curves(Block& b)
{
    double y = b.y0;
    Oli_Graphic_Arc_Round(30, y + 30, 40, 0, 270);
    Oli_Graphic_Fill_Sector(80, y + 30, 40, 10, 120);
    Oli_Graphic_Slot(130, y + 30, 16, 40);
    Oli_Graphic_Fill_Slot(160, y + 30, 16, 40);
    Oli_Graphic_Slot(210, y + 15, 50, 16);
    Oli_Graphic_Fill_Slot(210, y + 45, 50, 16);
    Oli_Graphic_Fill_Ring(280, y + 30, 40, 20);
    const double px[4] = {10, 110, 110, 10}, py[4] = {y + 60, y + 60, y + 95, y + 95};
    const int counts[1] = {3};
    const double hx[3] = {20, 45, 20}, hy[3] = {y + 65, y + 65, y + 88};
    const double cx[2] = {70, 95}, cy[2] = {y + 78, y + 78}, areas[2] = {150, 60};
    Oli_Graphic_Fill_Polygon_Holes(4, px, py, 1, counts, hx, hy, 2, cx, cy, areas);
    Oli_Graphic_Label_Box(140, y + 80, 0.3, "A");
    Oli_Graphic_Number_Box(170, y + 80, 0.3, 12);
    Oli_Graphic_Label_Box_Scaled(200, y + 80, 0.3, 0.05, "Pos");
    Oli_Graphic_Label_Circle(240, y + 80, 0.3, 0.05, "7");
    Oli_Graphic_Number_Circle(280, y + 80, 0.3, 0.05, 12);
}

void member_diagrams(Block& b)
{
    double y = b.y0;
    OliMemberDiagram d;
    Oli_Member_Diagram_Init(&d, 5);
    d.x1 = 20;
    d.y1 = y + 50;
    d.x2 = 300;
    d.y2 = y + 50;
    const double v[5] = {0, 12.5, 8, 8, -6};
    for (int i = 0; i < 5; ++i) {
        d.positions[i] = 70.0 * i;
        d.values[i] = v[i];
    }
    d.factor = 2.5;
    d.decimals = 1;
    Oli_Graphic_Member_Diagram(&d);
    Oli_Member_Diagram_Free(&d);
}

// Charts, value diagrams and the pattern sheet open their own blocks.
void charts_and_sheet(FILE* f)
{
    Oli_Text(f, "Diagramm mit Achsen");
    OliChart c;
    Oli_Chart_Init(&c);
    c.width = 10;
    c.height = 5;
    c.x_min = -2;
    c.x_max = 10;
    c.y_min = -20;
    c.y_max = 60;
    c.x_step = 2.5;
    c.y_step = 20;
    c.grid = 1;
    snprintf(c.x_title, sizeof c.x_title, "t [s]");
    snprintf(c.y_title, sizeof c.y_title, "u [%%]");
    Oli_Chart_Begin(f, &c);
    const double cx[5] = {0, 2, 4, 6, 8}, cy[5] = {0, 30, 50, 40, -10};
    Oli_Graphic_Polyline(-5, cx, cy);
    Oli_Chart_End();
    Oli_Text(f, "Kurve");
    const double kx[4] = {1, 2, 3, 4}, ky[4] = {1, -1, 2, 0.5};
    Oli_Chart_Curve(f, 4, kx, ky, 1, 0, 6, 3);
    Oli_Text(f, "Werteverteilungen");
    Oli_Graphic_Begin(f, 0, 0, 16, 6, 1, 1);
    const double st[4] = {0, 1, 2.5, 4};
    double v1[4] = {0, 10, 20, 37};
    double v2[4] = {-3, 5, 2, -1};
    double v3[3] = {-5, -20, -12};
    Oli_Graphic_Value_Diagram(0.5, 0.5, 4.5, 5, st, v1, 4, "Spannung", "oben", 0.3);
    Oli_Graphic_Value_Diagram(6, 0.5, 10, 5, st, v2, 4, "gemischt", "", 0.3);
    Oli_Graphic_Value_Diagram_Even(11.5, 0.5, 15.5, 5, 0, 3, v3, 3, "negativ", "gleich", 0.3);
    std::fprintf(Oli_Graphic_Stream(), " -1\n");
    Oli_Graphic_Fill_Pattern_Sheet(f);
}

void gallery_write(const std::string& list, const std::string& plot)
{
    Oli_Reset_Writers();
    Oli_Graphic_Reset();
    FILE* f = std::fopen(list.c_str(), "w");
    ASSERT_NE(f, nullptr);
    FILE* pf = std::fopen(plot.c_str(), "w");
    ASSERT_NE(pf, nullptr);
    Oli_Text(f, "Galerie der Zeichenbausteine");
    Plot_Open_Grey(pf, 0, 0, 320, 2300, 1, 0, "Galerie M 1:%d", 20);
    Block b{f, 0};
    const struct {
        const char* title;
        bool y_down, colour;
    } symbol_blocks[] = {{"Symbole, y nach oben, farbig", false, true},
                         {"Symbole, y nach unten, farbig", true, true},
                         {"Symbole, y nach oben, ohne Farbe", false, false},
                         {"Symbole, y nach unten, ohne Farbe", true, false}};
    for (const auto& sb : symbol_blocks) {
        b.begin(sb.title, sb.y_down, sb.colour);
        symbols(b, sb.y_down, sb.colour);
        b.end();
    }
    b.begin("Pfeile, y nach oben", false, true);
    arrows(b);
    b.end();
    Oli_Graphic_Set_Extended(1);
    b.begin("Pfeile, y nach unten, erweitert", true, true);
    arrows(b);
    b.end();
    Oli_Graphic_Set_Extended(0);
    b.begin("Lastreihen", false, true);
    arrow_rows(b);
    b.end();
    b.begin("Verbindungsmittel, y nach oben", false, true);
    fasteners(b);
    b.end();
    b.begin("Verbindungsmittel, y nach unten, ohne Farbe", true, false);
    fasteners(b);
    b.end();
    b.begin(cp850("Bewehrung, Hinweise und Schraffurbänder"), false, true);
    rebar_and_labels(b);
    b.end();
    b.begin(cp850("Bewehrung, Hinweise und Schraffurbänder, y nach unten"), true, true);
    rebar_and_labels(b);
    b.end();
    b.begin(cp850("Bögen, Sektoren, Langlöcher, Ringe und Marken"), false, true);
    curves(b);
    b.end();
    b.begin(cp850("Bögen, Sektoren, Langlöcher, Ringe und Marken, y nach unten, ohne Farbe"), true, false);
    curves(b);
    b.end();
    b.begin("Stabdiagramm", false, true);
    member_diagrams(b);
    b.end();
    b.begin("Stabdiagramm, y nach unten", true, true);
    member_diagrams(b);
    b.end();
    Plot_Close();
    charts_and_sheet(f);
    std::fclose(f);
}

void gallery_check(const std::string& name)
{
    const std::string d = gallery_dir();
    const std::string list = d + "/" + name + ".oli", plot = d + "/" + name + "01.SPF";
    gallery_write(list, plot);
    const std::string golden = std::string(KOV_TEST_DIR) + "/" + name;
    const std::string got_list = Oli_Read_Bytes(list), got_plot = Oli_Read_Bytes(plot);
    EXPECT_EQ(Oli_Read_Bytes(golden + ".oli.golden"), got_list) << "compare " << list;
    EXPECT_EQ(Oli_Read_Bytes(golden + ".spf.golden"), got_plot) << "compare " << plot;
    for (const std::string& path : {list, plot}) {
        OliPages pages;
        ASSERT_TRUE(Oli_Load_Pages(path, &pages)) << path;
        EXPECT_TRUE(pages.warnings.empty()) << path << ": " << pages.warnings.front();
    }
}

} // namespace

TEST(OliGallery, CompositesMatchTheirGoldenFilesAndRender) { gallery_check("gallery_composites"); }
