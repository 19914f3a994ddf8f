// Tests of the numeric helpers: rounding of halves and sentinels, tolerant sorts and index
// sorts, extremes and interpolation in tables in one and two dimensions.
#include "base/kovmem.h"
#include "base/kovnum.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <vector>

// ---- rounding ----------------------------------------------------------------------------

TEST(RoundToDecimals, HalvesRoundTowardsPlusInfinity)
{
    const struct {
        double x;
        int n;
        double expect;
    } cases[] = {
        {0.125, 2, 0.13},
        {-0.125, 2, -0.12},
        {-2.5, 0, -2.0},
        {2.5, 0, 3.0},
        {12.5, 0, 13.0},
        {-2.51, 0, -3.0},
        {0.0, 5, 0.0},
        {1.23456, 3, 1.235},
        {-1.23456, 3, -1.235},
        {0.4, 0, 0.0},
        {-0.4, 0, 0.0},
        {1e-6, 5, 0.0},
        {2.567, -1, 3.0},
        {2.567, -7, 3.0}, // a negative count means no decimals
        {1234.5678, 13, 1234.5678},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Round_To_Decimals(c.x, c.n), c.expect) << c.x << " n=" << c.n;
}

TEST(RoundToDecimals, SentinelsAndHugeValuesComeBackUnchanged)
{
    const double values[] = {1e100, -1e100, 2e100, -2e100, 3e100, -3e100, 1e300, 4503599627370497.0};
    for (double v : values)
        for (int n = 0; n <= 20; ++n) EXPECT_EQ(Round_To_Decimals(v, n), v) << v << " n=" << n;
    EXPECT_TRUE(std::isinf(Round_To_Decimals(HUGE_VAL, 3)));
    EXPECT_TRUE(std::isnan(Round_To_Decimals(NAN, 3)));
    EXPECT_TRUE(std::isnan(Round_To_Decimals(NAN, 20)));
}

TEST(RoundToDecimals, ManyDecimalsGoThroughText)
{
    EXPECT_EQ(Round_To_Decimals(1.23456789012345678, 14), atof("1.23456789012346"));
    EXPECT_EQ(Round_To_Decimals(-1.23456789012345678, 14), atof("-1.23456789012346"));
    EXPECT_EQ(Round_To_Decimals(123.456, 20), 123.456);
    EXPECT_EQ(Round_To_Decimals(0.1, 14), 0.1);
    // A text that would not fit its buffer leaves the value as it is.
    EXPECT_EQ(Round_To_Decimals(1.5, 190), 1.5);
    EXPECT_EQ(Round_To_Decimals(1.0 / 3.0, 250), 1.0 / 3.0);
    EXPECT_EQ(Round_To_Decimals(1e99 / 3.0, 150), 1e99 / 3.0);
    EXPECT_EQ(Round_To_Decimals(0.7, INT_MAX), 0.7);
}

// ---- small helpers -------------------------------------------------------------------------

TEST(PowerOfPositive, GuardsNonPositiveBase)
{
    EXPECT_EQ(Power_Of_Positive(-8, 3), 0.0);
    EXPECT_EQ(Power_Of_Positive(0, 2), 0.0);
    EXPECT_EQ(Power_Of_Positive(3, 2), 9.0);
    EXPECT_EQ(Power_Of_Positive(2, 10), 1024.0);
    EXPECT_DOUBLE_EQ(Power_Of_Positive(2, 0.5), std::sqrt(2.0));
}

TEST(DigitCount, CountsDecimalDigits)
{
    const struct {
        int n, digits;
    } cases[] = {
        {9, 1},        {10, 2},        {0, 1},         {-123, 1},        {1, 1},        {99, 2},      {100, 3},
        {99999999, 8}, {999999995, 9}, {999999999, 9}, {1000000000, 10}, {INT_MAX, 10}, {INT_MIN, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Digit_Count(c.n), c.digits) << c.n;
}

TEST(IndexOfExtreme, FirstOccurrenceWins)
{
    const double one[] = {7};
    const double v[] = {3, 5, 1, 5, 1};
    EXPECT_EQ(Index_Of_Extreme(1, one, 1), 0);
    EXPECT_EQ(Index_Of_Extreme(0, nullptr, 0), 0);
    EXPECT_EQ(Index_Of_Extreme(5, v, 1), 1);
    EXPECT_EQ(Index_Of_Extreme(5, v, 0), 2);
    double a = 1, b = 2;
    Swap_Doubles(&a, &b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

TEST(Comparators, ToleranceOf1e5)
{
    const struct {
        double a, b;
        int up;
    } cases[] = {
        {1.0, 1.0, 0}, {1.0, 1.0 + 9e-6, 0}, {1.0, 1.0 - 9e-6, 0}, {1.0, 1.00002, -1}, {1.00002, 1.0, 1}, {-5, 5, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cmp_Double_Up(&c.a, &c.b), c.up) << c.a << " " << c.b;
        EXPECT_EQ(Cmp_Double_Down(&c.a, &c.b), -c.up) << c.a << " " << c.b;
    }
}

// ---- sorts ---------------------------------------------------------------------------------

TEST(SortDoubles, UpAndDown)
{
    std::vector<double> v = {3, -1, 2.5, 10, 0};
    Sort_Doubles((int)v.size(), v.data(), 1);
    EXPECT_EQ(v, (std::vector<double>{-1, 0, 2.5, 3, 10}));
    Sort_Doubles((int)v.size(), v.data(), 0);
    EXPECT_EQ(v, (std::vector<double>{10, 3, 2.5, 0, -1}));
    Sort_Doubles(0, nullptr, 1); // nothing to do
}

TEST(SortUniqueDoubles, DropsNeighboursThatRoundToNoDistance)
{
    Mem_Reset_Live_Blocks();
    const struct {
        std::vector<double> in;
        int ascending, decimals;
        std::vector<double> kept;
    } cases[] = {
        {{1.2, 1.0, 1.004}, 1, 2, {1.0, 1.2}},
        {{1.2, 1.0, 1.004}, 1, 3, {1.0, 1.004, 1.2}},
        {{1.2, 1.0, 1.004}, 0, 2, {1.2, 1.004}},
        // Compared with the predecessor, not with the last value kept.
        {{1.0, 1.004, 1.008, 1.012}, 1, 2, {1.0}},
        {{5.0}, 1, 2, {5.0}},
    };
    for (const auto& c : cases) {
        std::vector<double> v = c.in;
        const int count = Sort_Unique_Doubles((int)v.size(), v.data(), c.ascending, c.decimals);
        ASSERT_EQ(count, (int)c.kept.size());
        v.resize(count);
        EXPECT_EQ(v, c.kept);
    }
    EXPECT_EQ(Sort_Unique_Doubles(0, nullptr, 1, 2), 0);
    EXPECT_EQ(Mem_Live_Blocks(), 0); // the scratch array is given back
}

TEST(SortIndex, LeavesKeysInPlace)
{
    const double keys[] = {3.0, 1.0, 2.0, 0.5};
    int index[4];
    Sort_Index_Ascending(keys, index, 4);
    EXPECT_EQ(std::vector<int>(index, index + 4), (std::vector<int>{3, 1, 2, 0}));
    Sort_Index_By_Doubles(4, keys, index, 0);
    EXPECT_EQ(std::vector<int>(index, index + 4), (std::vector<int>{0, 2, 1, 3}));
    EXPECT_EQ(keys[0], 3.0);

    const int ikeys[] = {5, -2, 9};
    int iindex[3];
    Sort_Index_By_Ints(3, ikeys, iindex, 1);
    EXPECT_EQ(std::vector<int>(iindex, iindex + 3), (std::vector<int>{1, 0, 2}));
    Sort_Index_By_Ints(3, ikeys, iindex, 0);
    EXPECT_EQ(std::vector<int>(iindex, iindex + 3), (std::vector<int>{2, 0, 1}));
    int single = 7;
    Sort_Index_By_Ints(1, ikeys, &single, 1);
    EXPECT_EQ(single, 0);
}

TEST(SortPairs, TiesAreOrderedByY)
{
    Mem_Reset_Live_Blocks();
    std::vector<double> x = {3, 1, 2, 1.000001};
    std::vector<double> y = {30, 10, 20, 5};
    Sort_Pairs(4, x.data(), 1, y.data(), 1, 3);
    EXPECT_EQ(x, (std::vector<double>{1.000001, 1, 2, 3}));
    EXPECT_EQ(y, (std::vector<double>{5, 10, 20, 30}));

    // Downwards: the run still goes upwards by y.
    x = {1, 3, 1.000001, 2};
    y = {10, 30, 5, 20};
    Sort_Pairs(4, x.data(), 0, y.data(), 1, 3);
    EXPECT_EQ(x, (std::vector<double>{3, 2, 1.000001, 1}));
    EXPECT_EQ(y, (std::vector<double>{30, 20, 5, 10}));

    // Without tie sorting the pairs stay together.
    x = {2, 1, 3};
    y = {20, 10, 30};
    Sort_Pairs(3, x.data(), 1, y.data(), 0, 3);
    EXPECT_EQ(x, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(y, (std::vector<double>{10, 20, 30}));

    // A run that only the rounding joins (0.0004 apart at 3 decimals).
    x = {0.5, 0.5004, 0.9};
    y = {7, 3, 1};
    Sort_Pairs(3, x.data(), 1, y.data(), 1, 3);
    EXPECT_EQ(x, (std::vector<double>{0.5004, 0.5, 0.9}));
    EXPECT_EQ(y, (std::vector<double>{3, 7, 1}));
    Sort_Pairs(0, x.data(), 1, y.data(), 1, 3);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}

// ---- interpolation -------------------------------------------------------------------------

TEST(TableInterpolate, AscendingTable)
{
    // rows (x, y): (1, 10), (2, 20), (4, 0)
    const double t[] = {1, 10, 2, 20, 4, 0};
    const struct {
        double x;
        int extrapolate;
        double expect;
    } cases[] = {
        {1.5, 0, 15},
        {3.0, 0, 10},
        {1.0, 0, 10},
        {4.0, 0, 0},
        {0.5, 0, 10},
        {0.5, 1, 5}, // before the start
        {1 - 1e-6, 0, 10 - 1e-5},
        {1 - 1e-6, 1, 10 - 1e-5}, // within the tolerance
        {5.0, 0, 0},
        {5.0, 1, -10}, // beyond the end
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Table_Interpolate(t, 3, 2, c.x, 0, 1, c.extrapolate), c.expect, 1e-12)
            << "x=" << c.x << " extrapolate=" << c.extrapolate;
}

TEST(TableInterpolate, DescendingTableAndWiderRows)
{
    // rows (y, unused, x): x descending 4, 2, 1 with ordinates 0, 20, 10
    const double t[] = {0, -1, 4, 20, -1, 2, 10, -1, 1};
    const struct {
        double x;
        int extrapolate;
        double expect;
    } cases[] = {
        {3.0, 0, 10}, {1.5, 0, 15}, {5.0, 0, 0}, {5.0, 1, -10}, {0.5, 0, 10}, {0.5, 1, 5},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Table_Interpolate(t, 3, 3, c.x, 2, 0, c.extrapolate), c.expect, 1e-12)
            << "x=" << c.x << " extrapolate=" << c.extrapolate;
}

TEST(TableInterpolate, VerticalSegmentGivesSignedInfinity)
{
    const double t[] = {0, 1, 0, 3, 1, 5};
    EXPECT_EQ(Table_Interpolate(t, 3, 2, 0.0, 0, 1, 0), 1e100);
    EXPECT_EQ(Table_Interpolate(t, 3, 2, -1e-6, 0, 1, 0), -1e100);
    EXPECT_EQ(Table_Interpolate(t, 3, 2, -1.0, 0, 1, 0), 1.0); // clamped to row 0
    const double same[] = {0, 1, 0, 1, 1, 5};
    EXPECT_EQ(Table_Interpolate(same, 3, 2, 0.0, 0, 1, 0), 1.0);
    // Degenerate tables are answered, not read past.
    EXPECT_EQ(Table_Interpolate(t, 1, 2, 7.0, 0, 1, 1), 1.0);
    EXPECT_EQ(Table_Interpolate(t, 0, 2, 7.0, 0, 1, 1), 0.0);
}

TEST(TableInterpolate2D, BilinearWithClampingAndExtrapolation)
{
    // columns y = 10, 20; rows x = 1, 3
    const double grid[] = {
        0, 10, 20, 1, 100, 200, 3, 300, 400,
    };
    const struct {
        double x, y;
        int extrapolate;
        double expect;
    } cases[] = {
        {2, 15, 0, 250}, {2, 10, 0, 200}, {1, 20, 0, 200}, {3, 20, 0, 400}, {0, 15, 0, 150},
        {0, 15, 1, 50},  {2, 30, 0, 300}, {2, 30, 1, 400}, {2, 5, 0, 200},  {2, 5, 1, 150},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Table_Interpolate_2D(grid, 2, 2, c.x, c.y, c.extrapolate), c.expect, 1e-9)
            << "x=" << c.x << " y=" << c.y << " extrapolate=" << c.extrapolate;

    const double twin_columns[] = {
        0, 10, 10, 1, 100, 200, 3, 300, 400,
    };
    EXPECT_EQ(Table_Interpolate_2D(twin_columns, 2, 2, 2, 10, 0), 1e100);
    EXPECT_EQ(Table_Interpolate_2D(twin_columns, 2, 2, 2, -10, 1), -1e100);
}

TEST(InterpolateUnsorted, PolylineThroughSortedPoints)
{
    Mem_Reset_Live_Blocks();
    const double one_x[] = {5};
    const double one_y[] = {42};
    EXPECT_EQ(Interpolate_Unsorted(1, one_x, one_y, -100), 42);
    EXPECT_EQ(Interpolate_Unsorted(1, one_x, one_y, 100), 42);
    EXPECT_EQ(Interpolate_Unsorted(0, one_x, one_y, 1), 0);

    const double x[] = {3, 1, 2};
    const double y[] = {30, 10, 20};
    EXPECT_DOUBLE_EQ(Interpolate_Unsorted(3, x, y, 2.5), 25);
    EXPECT_DOUBLE_EQ(Interpolate_Unsorted(3, x, y, 0), 0);  // first segment extended
    EXPECT_DOUBLE_EQ(Interpolate_Unsorted(3, x, y, 4), 40); // last segment extended

    // Points with the same x keep their given order.
    const double sx[] = {1, 2, 2, 3};
    const double up[] = {10, 20, 40, 50};
    const double down[] = {10, 40, 20, 50};
    EXPECT_DOUBLE_EQ(Interpolate_Unsorted(4, sx, up, 2.5), 45);
    EXPECT_DOUBLE_EQ(Interpolate_Unsorted(4, sx, down, 2.5), 35);
    EXPECT_DOUBLE_EQ(Interpolate_Unsorted(4, sx, up, 1.5), 15);

    const double vx[] = {0, 0};
    const double vy[] = {1, 2};
    const double ey[] = {3, 3};
    EXPECT_EQ(Interpolate_Unsorted(2, vx, vy, 0), 1e100);
    EXPECT_EQ(Interpolate_Unsorted(2, vx, vy, -1), -1e100);
    EXPECT_EQ(Interpolate_Unsorted(2, vx, ey, 7), 3);
    EXPECT_EQ(Mem_Live_Blocks(), 0);
}
