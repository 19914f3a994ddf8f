// Reinforcing bars. Areas worked out by hand (pi/4 d^2) and checked with python3.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "materials/rebar.h"

TEST(RebarAreas, AreasAndCounts)
{
    EXPECT_EQ(RebarDiameters[0], 0.006);
    EXPECT_EQ(RebarDiameters[9], 0.032);
    // 3 * pi/4 * 0.012^2 = 3.3929e-4, rounded to 6 decimals.
    EXPECT_DOUBLE_EQ(Rebar_Area(3, 0.012), 0.000339);
    EXPECT_EQ(Rebar_Count_For_Area(0.0003, 0.012), 3);
    EXPECT_EQ(Rebar_Group_Count_For_Area(0.0003, 0.012, -2), 2); // 1.33 bars per group
    // Two bundles of three 20 mm bars: 2 * 3 * pi/4 * 0.02^2.
    EXPECT_NEAR(Rebar_Bundle_Area(2, 3, 0.02), 6 * 0.785398163397448279 * 0.0004, 1e-15);
    EXPECT_EQ(Rebar_Bundle_Area(-1, 3, 0.02), 0.0);
    EXPECT_EQ(Rebar_Bundle_Area(2, -3, 0.02), 0.0);
}

TEST(RebarAreas, CountsOfQuotientsThatAreNoNumbersAreZero)
{
    EXPECT_EQ(Rebar_Count_For_Area(0.0003, 0.0), 0);
    EXPECT_EQ(Rebar_Count_For_Area(1e300, 0.006), 0);
    EXPECT_EQ(Rebar_Count_For_Area(NAN, 0.012), 0);
    EXPECT_EQ(Rebar_Group_Count_For_Area(0.0003, 0.012, 0), 0);
    EXPECT_EQ(Rebar_Count_For_Length(1.0, 0.0), 0);
    EXPECT_EQ(Rebar_Count_For_Length(1e300, 1e-10), 0);
    EXPECT_EQ(Rebar_Count_In_Width(0.1, 0.05, 0.0, 0.0), 0); // pitch 0, free width 0
}

TEST(RebarAreas, AreasPerLength)
{
    // d in cm: pi/4 / 0.15 = 5.236 cm2/m; rounded down to the half: 5.235.
    EXPECT_NEAR(Rebar_Area_Per_Length_Rounded(0.15, 1.0), 5.235, 1e-12);
    // 100 pi/4 0.8^2 / 0.2 = 251.3: 2.51.
    EXPECT_NEAR(Rebar_Area_Per_Length_Rounded(0.2, 0.8), 2.51, 1e-12);
    EXPECT_EQ(Rebar_Area_Per_Length_Rounded(5e-9, 1.0), 0.0);
    // pi/4 0.01^2 / 0.15 = 5.236e-4.
    EXPECT_DOUBLE_EQ(Rebar_Area_Per_Length(0.15, 0.01), 0.000524);
    EXPECT_EQ(Rebar_Area_Per_Length(-5e-9, 0.01), 0.0);
}

TEST(RebarAreas, DiameterForArea)
{
    // 4 x 16 mm = 8.04e-4 < 0.001 <= 4 x 20 mm = 1.257e-3.
    EXPECT_EQ(Rebar_Diameter_For_Area(0.001, 4, 1), 6);
    EXPECT_EQ(Rebar_Diameter_For_Area(0.001, 2, 2), 6);
    EXPECT_EQ(Rebar_Diameter_For_Area(0.1, 4, 1), -1);
    EXPECT_EQ(Rebar_Diameter_For_Area(0.0, 1, 1), 0);
}

TEST(RebarAreas, CountAndDiameterSearch)
{
    int n = -7, i = -7;
    // Counts first: 2 bars of 12..16 mm give at most 4.02e-4, 3 x 14 mm = 4.62e-4.
    EXPECT_EQ(Rebar_Count_And_Diameter_For_Area(0.00045, 2, 3, 5, 1, &n, &i), 3);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(i, 4);
    // Two groups halve the count.
    EXPECT_EQ(Rebar_Count_And_Diameter_For_Area(0.0009, 2, 3, 5, 2, &n, &i), 3);
    EXPECT_EQ(i, 4);
    // Null outputs are skipped.
    EXPECT_EQ(Rebar_Count_And_Diameter_For_Area(0.0, 0, 0, 9, 1, nullptr, nullptr), 0);

    struct Refused {
        double A;
        int n_start, i_first, i_last, groups;
    } refused[] =
        {
            {0.001, 1, 0, 9, 0},  {0.001, 1, 0, 9, -3},   {0.001, 1, -1, 9, 1},
            {0.001, 1, 0, 10, 1}, {0.001, 1, 6, 5, 1},    {0.001, -1, 0, 9, 1},
            {NAN, 1, 0, 9, 1},    {INFINITY, 1, 0, 9, 1}, {1e6, 1, 0, 9, 1}, // 10,000 bars of 32 mm are not enough
        };
    for (const Refused& r : refused) {
        n = i = -7;
        EXPECT_EQ(Rebar_Count_And_Diameter_For_Area(r.A, r.n_start, r.i_first, r.i_last, r.groups, &n, &i), -1)
            << r.A << " " << r.n_start << " " << r.i_first << " " << r.i_last << " " << r.groups;
        EXPECT_EQ(n, -7);
        EXPECT_EQ(i, -7);
    }
}

TEST(RebarAreas, NextSmallerDiameter)
{
    EXPECT_EQ(Rebar_Next_Smaller_Diameter(0.032), 0.028);
    EXPECT_EQ(Rebar_Next_Smaller_Diameter(0.028), 0.025);
    EXPECT_EQ(Rebar_Next_Smaller_Diameter(0.0285), 0.028);
    EXPECT_EQ(Rebar_Next_Smaller_Diameter(0.1), 0.032);
    EXPECT_EQ(Rebar_Next_Smaller_Diameter(0.006), -1.0);
    EXPECT_EQ(Rebar_Next_Smaller_Diameter(0.0), -1.0);
}

TEST(RebarSpacing, LinesWidthsAndAxes)
{
    EXPECT_DOUBLE_EQ(Rebar_Axis_Distance(0.03, 0.01, 1, 0.02), 0.05);
    EXPECT_DOUBLE_EQ(Rebar_Axis_Distance(0.03, 0.01, 2, 0.02), 0.06);
    EXPECT_DOUBLE_EQ(Rebar_Axis_Distance(0.03, 0.01, (unsigned)-1, 0.02), 0.06); // taken unsigned
    EXPECT_EQ(Rebar_Count_For_Length(0.5, 1.0), 2);
    EXPECT_EQ(Rebar_Count_For_Length(1.0, 0.15), 7);
    // B 0.30, c 0.03, e 0.03, d 0.02: w = 0.22, p = 0.05: 4.
    EXPECT_EQ(Rebar_Count_In_Width(0.30, 0.03, 0.03, 0.02), 4);
    EXPECT_EQ(Rebar_Count_In_Width(0.10, 0.03, 0.03, 0.02), 0);
    EXPECT_DOUBLE_EQ(Rebar_Line_Spacing(5, 1.0), 0.25);
    EXPECT_EQ(Rebar_Line_Spacing(1, 1.0), 1e100);
}

TEST(RebarSpacing, Circle)
{
    EXPECT_NEAR(Rebar_Circle_Spacing(4, 0.1), 0.1414, 5e-5);
    EXPECT_EQ(Rebar_Circle_Spacing(0, 0.1), 1e100);
    EXPECT_EQ(Rebar_Circle_Count(0.1414, 0.1), 4);
    EXPECT_EQ(Rebar_Circle_Count(0.1415, 0.1), 3);
    // The chord of n bars gives n back (7, 8, 25, ... come back a hair below n).
    for (int n = 2; n <= 60; ++n) EXPECT_EQ(Rebar_Circle_Count(Rebar_Circle_Spacing(n, 0.1), 0.1), n) << n;
    EXPECT_EQ(Rebar_Circle_Count(Rebar_Circle_Spacing(7, 0.1), 0.1), 7);
    EXPECT_EQ(Rebar_Circle_Count(0.2, 0.1), 2);
    EXPECT_EQ(Rebar_Circle_Count(0.25, 0.1), 1);
    EXPECT_EQ(Rebar_Circle_Count(0.0, 0.1), 0);
    EXPECT_EQ(Rebar_Circle_Count(-0.1, 0.1), 0);
    EXPECT_EQ(Rebar_Circle_Count(0.1, 0.0), 0);
    EXPECT_EQ(Rebar_Circle_Count(NAN, 0.1), 0);
    EXPECT_EQ(Rebar_Circle_Count(1e-300, 0.1), 0); // beyond an int
}
