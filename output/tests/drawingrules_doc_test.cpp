// The worked examples of the drawing rules in docs/engineering.md: every case
// of the tables below is quoted there row by row, and the code gives it. The
// expected values are worked out by hand and by an independent script (the
// lens with the textbook area of two crossing circles).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "output/geo2dcut.h"
#include "output/iolidiag.h"
#include "output/ioliplot.h"
#include "output/tests/comp_fixture.h"
#include "test_support/kovtestutil.h"

namespace {

// The section of the document on the drawing rules.
std::string Section() { return kovtest::engineering_section("## Drawing rules of the output lists"); }

std::string Num(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

std::string Fixed6(double v)
{
    if (v == std::floor(v)) return Num(v);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

class DrawingRulesDoc : public CompositeFixture {};

TEST_F(DrawingRulesDoc, TheDocumentQuotesTheCases)
{
    const std::string doc = Section();
    ASSERT_FALSE(doc.empty());

    // ---- chart ticks -------------------------------------------------------
    struct Tick {
        double step, x_max;
        int decimals;
        std::vector<std::string> labels;
    } const ticks[] = {
        {10, 30, 0, {"10", "20"}},
        {2.5, 10, 1, {"2.5", "5.0", "7.5"}},
        {0.5, 2, 1, {"0.5", "1.0", "1.5"}},
        {0.05, 0.2, 2, {"0.05", "0.10", "0.15"}},
        {0.125, 0.5, 3, {"0.125", "0.250", "0.375"}},
        {0.0625, 0.25, 4, {"0.0625", "0.1250", "0.1875"}},
    };
    for (const Tick& t : ticks) {
        std::string row = "| " + Num(t.step) + " | " + std::to_string(t.decimals) + " | ";
        for (size_t i = 0; i < t.labels.size(); ++i) row += (i ? ", " : "") + t.labels[i];
        row += " (axis to " + Num(t.x_max) + ") |";
        EXPECT_NE(doc.find(row), std::string::npos) << row;

        Clear();
        OliChart c;
        Oli_Chart_Init(&c);
        c.x_min = 0;
        c.x_max = t.x_max;
        c.x_step = t.step;
        ASSERT_EQ(Oli_Chart_Begin(f_, &c), 0);
        const std::vector<std::string> texts = Texts();
        ASSERT_GE(texts.size(), 2u);
        // The axis titles come first and last.
        EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end() - 1), t.labels) << t.step;
    }

    // ---- lens of two circles -----------------------------------------------
    struct Lens {
        double r1, r2, d;
        int result;
        double area, depth, chord;
    } const lenses[] = {
        {1, 1, 3, 0, 0, 0, 0},
        {1, 1, 2, 1, 0, 0, 0},
        {1, 3, 0.5, 1, 3.141593, 2, 2},
        {1, 5, 2, 1, 3.141593, 2, 2},
        {2, 2, 0, 1, 12.566371, 4, 4},
        {1, 1, 1, 1, 1.228370, 1, 1.732051},
        {2, 1, 2, 1, 1.403066, 1, 1.936492},
    };
    for (const Lens& l : lenses) {
        const std::string row = "| " + Num(l.r1) + " | " + Num(l.r2) + " | " + Num(l.d) + " | " +
                                std::to_string(l.result) + " | " + Fixed6(l.area) + " | " + Fixed6(l.depth) + " | " +
                                Fixed6(l.chord) + " |";
        EXPECT_NE(doc.find(row), std::string::npos) << row;
        double area = -1, depth = -1, chord = -1;
        EXPECT_EQ(Geo_Circle_Circle_Lens(l.r1, l.r2, l.d, &area, &depth, &chord), l.result) << row;
        EXPECT_NEAR(area, l.area, 5e-7) << row;
        EXPECT_NEAR(depth, l.depth, 5e-7) << row;
        EXPECT_NEAR(chord, l.chord, 5e-7) << row;
        EXPECT_NEAR(Geo_Circle_Circle_Area(l.r1, l.r2, l.d), l.area, 5e-7) << row;
    }

    // ---- point in polygon --------------------------------------------------
    struct Polygon {
        const char* quoted;
        std::vector<double> x, y;
    };
    const Polygon square{"square (0,0) (10,0) (10,10) (0,10)", {0, 10, 10, 0}, {0, 0, 10, 10}};
    const Polygon unit{"unit square (0,0) (1,0) (1,1) (0,1)", {0, 1, 1, 0}, {0, 0, 1, 1}};
    const Polygon ell{"L (0,0) (4,0) (4,1) (1,1) (1,4) (0,4)", {0, 4, 4, 1, 1, 0}, {0, 0, 1, 1, 4, 4}};
    struct Inside {
        const Polygon* p;
        double px, py;
        int result;
    } const points[] = {
        {&square, 5, 5, 1}, {&square, 15, 5, 0}, {&square, 10, 5, 2}, {&square, 0, 0, 2}, {&unit, 1, 2, 0},
        {&unit, 1, 0.5, 2}, {&ell, 2, 2, 0},     {&ell, 0.5, 3, 1},   {&ell, 3, 0.5, 1},  {&ell, 1, 2, 2},
    };
    for (const Inside& c : points) {
        const std::string row = "| " + std::string(c.p->quoted) + " | (" + Num(c.px) + "," + Num(c.py) + ") | " +
                                std::to_string(c.result) + " |";
        EXPECT_NE(doc.find(row), std::string::npos) << row;
        EXPECT_EQ(Geo_Point_In_Polygon(int(c.p->x.size()), c.p->x.data(), c.p->y.data(), c.px, c.py), c.result) << row;
    }

    // ---- value-diagram stations --------------------------------------------
    struct Stations {
        std::vector<double> s;
        bool bottom_title;
        std::vector<double> y;
        const char* quoted;
    } const stations[] = {
        {{2, 3, 4}, true, {0.65, 4.325, 8}, "| 2, 3, 4 | 0 to 8, h = 0.5, with | 0.65, 4.325, 8 |"},
        {{0, 1, 4}, false, {0, 2, 8}, "| 0, 1, 4 | 0 to 8, h = 0.5, without | 0, 2, 8 |"},
    };
    for (const Stations& st : stations) {
        EXPECT_NE(doc.find(st.quoted), std::string::npos) << st.quoted;
        Clear();
        Oli_Graphic_Begin(f_, 0, 0, 200, 100, 1, 1);
        double v[3] = {1, 3, 2};
        ASSERT_EQ(Oli_Graphic_Value_Diagram(0, 0, 10, 8, st.s.data(), v, 3, "S", st.bottom_title ? "unten" : "", 0.5),
                  1);
        // The outline's lines start at the closing point, then at each station.
        const std::vector<std::string> lines = Lines(" 1  ");
        ASSERT_GE(lines.size(), 4u);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(Numbers(lines[size_t(i) + 1])[1], st.y[size_t(i)], 1e-5) << i;
    }
}

} // namespace
