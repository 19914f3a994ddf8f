// Tests of the panel values: thickness bands, plate and in-plane values, direction aliases and
// values outside the tables.
#include <gtest/gtest.h>

#include "materials/matpanel.h"

namespace {

struct Five {
    double m = -1, t = -1, c = -1, v = -1, c90 = -1;
};

int Call(int grade, int direction, double t_mm, Five& f)
{
    return Panel_Values_By_Thickness(grade, direction, &f.m, t_mm, &f.t, &f.c, &f.v, &f.c90);
}

bool Untouched(const Five& f) { return f.m == -1 && f.t == -1 && f.c == -1 && f.v == -1 && f.c90 == -1; }

} // namespace

TEST(PanelValues, BandsAreOpenBelowClosedAbove)
{
    EXPECT_EQ(Panel_Thickness_Band(6.0), PANEL_BAND_NONE);
    EXPECT_EQ(Panel_Thickness_Band(6.0001), PANEL_BAND_6_13);
    EXPECT_EQ(Panel_Thickness_Band(13.0), PANEL_BAND_6_13);
    EXPECT_EQ(Panel_Thickness_Band(13.01), PANEL_BAND_13_20);
    EXPECT_EQ(Panel_Thickness_Band(25.0), PANEL_BAND_20_25);
    EXPECT_EQ(Panel_Thickness_Band(32.0), PANEL_BAND_25_32);
    EXPECT_EQ(Panel_Thickness_Band(40.0), PANEL_BAND_32_40);
    EXPECT_EQ(Panel_Thickness_Band(50.0), PANEL_BAND_40_50);
    EXPECT_EQ(Panel_Thickness_Band(50.0001), PANEL_BAND_NONE);
    EXPECT_EQ(Panel_Thickness_Band(-3.0), PANEL_BAND_NONE);
}

TEST(PanelValues, PlateAndInPlaneValues)
{
    Five f;
    EXPECT_EQ(Call(0, 0, 32, f), 1); // "Typ P4", plate
    EXPECT_DOUBLE_EQ(f.m, 9200);
    EXPECT_DOUBLE_EQ(f.t, 6100);
    EXPECT_DOUBLE_EQ(f.c, 9000);
    EXPECT_DOUBLE_EQ(f.v, 1200);
    EXPECT_DOUBLE_EQ(f.c90, 8000);

    Five g;
    EXPECT_EQ(Call(3, 8, 10, g), 1); // "Typ P7", in-plane
    EXPECT_DOUBLE_EQ(g.m, 11500);
    EXPECT_DOUBLE_EQ(g.t, 11500);
    EXPECT_DOUBLE_EQ(g.c, 15500);
    EXPECT_DOUBLE_EQ(g.c90, 15500);
    EXPECT_DOUBLE_EQ(g.v, 8600);

    // Plate f_c90 follows the band only.
    for (int grade = 0; grade < 4; ++grade) {
        const double t[] = {10, 15, 22, 30, 35, 45};
        const double c90[] = {10000, 10000, 10000, 8000, 6000, 6000};
        for (int b = 0; b < 6; ++b) {
            Five h;
            Call(grade, 4, t[b], h);
            EXPECT_DOUBLE_EQ(h.c90, c90[b]);
        }
    }
}

TEST(PanelValues, DirectionAliasesGiveTheSameSet)
{
    for (int grade = 0; grade < 4; ++grade)
        for (double t : {7.0, 13.0, 20.0, 25.0, 32.0, 40.0, 50.0}) {
            Five ref;
            Call(grade, 0, t, ref);
            for (int d : {1, 4, 9}) {
                Five f;
                EXPECT_EQ(Call(grade, d, t, f), 1);
                EXPECT_EQ(f.m, ref.m);
                EXPECT_EQ(f.v, ref.v);
                EXPECT_EQ(f.c90, ref.c90);
            }
            Five in5, in8;
            Call(grade, 5, t, in5);
            Call(grade, 8, t, in8);
            EXPECT_EQ(in5.m, in8.m);
            EXPECT_EQ(in5.v, in8.v);
            EXPECT_EQ(in5.c90, in8.c90);
            // f_t and f_c are the same numbers in both sets.
            EXPECT_EQ(in5.t, ref.t);
            EXPECT_EQ(in5.c, ref.c);
        }
}

TEST(PanelValues, NothingOrZeroOutsideTheTables)
{
    // Directions without a set: result 1, nothing written.
    for (int d : {2, 3, 6, 7, 10, -1}) {
        Five f;
        EXPECT_EQ(Call(1, d, 20, f), 1) << d;
        EXPECT_TRUE(Untouched(f)) << d;
    }
    // A grade without values: result 1, nothing written, whatever the
    // thickness; a thickness in no band: result 0, nothing written.
    for (int grade : {4, -1})
        for (double t : {20.0, 6.0, 60.0}) {
            Five f;
            EXPECT_EQ(Call(grade, 0, t, f), 1) << grade << " " << t;
            EXPECT_TRUE(Untouched(f)) << grade << " " << t;
        }
    for (int d : {2, 7, 10})
        for (double t : {6.0, 60.0}) {
            Five f;
            EXPECT_EQ(Call(0, d, t, f), 1) << d << " " << t;
            EXPECT_TRUE(Untouched(f));
        }
    for (int d : {0, 5})
        for (double t : {6.0, 50.0001, 0.0, -4.0}) {
            Five f;
            EXPECT_EQ(Call(0, d, t, f), 0) << d << " " << t;
            EXPECT_TRUE(Untouched(f)) << d << " " << t;
        }
    // Just above 6 the first band, 50 the last.
    Five first, last;
    EXPECT_EQ(Call(0, 0, 6.0001, first), 1);
    EXPECT_DOUBLE_EQ(first.m, 14200);
    EXPECT_EQ(Call(0, 0, 50.0, last), 1);
    EXPECT_DOUBLE_EQ(last.m, 5800);
    // Null outputs are skipped; an in-plane f_c90 is the band's f_c.
    double c90 = -1;
    EXPECT_EQ(Panel_Values_By_Thickness(0, 5, nullptr, 10, nullptr, nullptr, nullptr, &c90), 1);
    EXPECT_DOUBLE_EQ(c90, 12000);
    EXPECT_EQ(Panel_Values_By_Thickness(0, 5, nullptr, 5, nullptr, nullptr, nullptr, nullptr), 0);
}
