// Product factor and layer rules, worked by hand from the rules.
#include <gtest/gtest.h>

#include "clt/cltfactors.h"
#include "clt/tests/clt_fixture.h"

TEST(CltFactors, SectionRules)
{
    const CltSection two = Clt_Test_Section({{20, 0}, {20, 1}});
    const CltSection three = Clt_Test_Section({{20, 0}, {20, 1}, {20, 0}});
    const CltSection five = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}});
    struct {
        const char* what;
        double value, expected;
    } rows[] = {
        // min(8*60/160 = 3.0, 3.5, 4 * 5/12 * 2*185^2 / (160*185) = 3.85)
        {"board width (5, 60, 160)", Clt_Factor_Board_Width(5, 60, 160, 185, 185), 3.0},
        {"board width, widths swapped", Clt_Factor_Board_Width(5, 60, 160, 150, 185),
         Clt_Factor_Board_Width(5, 60, 160, 185, 150)},
        {"board width 2", Clt_Factor_Board_Width_2(5, 60, 160, 185, 185), 3.0},
        // 8*20/40 = 4 capped at 3.5; widths 1 * 5/12 * 2*185/40 = 3.85
        {"board width, two layers", Clt_Section_Factor_Board_Width(two), 3.5},
        {"board width 20/20/20", Clt_Section_Factor_Board_Width(three), 8.0 * 20 / 60},
        {"board width 2 20/20/20", Clt_Section_Factor_Board_Width_2(three), 8.0 * 20 / 60},
        {"board width 40/20/40/20/40", Clt_Section_Factor_Board_Width(five), 2.0},
        // P = 40 + 40: 80 / 180
        {"layer pairs 20/20/20", Clt_Section_Factor_Layer_Pairs(three), 80.0 / 180.0},
        // P = 4 * 50: 200 / 480
        {"layer pairs 40/20/40/20/40", Clt_Section_Factor_Layer_Pairs(five), 200.0 / 480.0},
        {"layer pairs given P", Clt_Factor_Layer_Pairs(40, 160, 2000), 2.0},
        {"layer pairs capped", Clt_Factor_Layer_Pairs(100, 160, 2000), 3.5},
        {"layer pairs one layer", Clt_Section_Factor_Layer_Pairs(Clt_Test_Section({{40, 0}})), 0.0},
        {"cross strength 30", Clt_Cross_Strength_By_Thickness(30), 1.05},
        {"cross strength 20", Clt_Cross_Strength_By_Thickness(20), 1.1},
        {"cross strength 10", Clt_Cross_Strength_By_Thickness(10), 1.1},
        {"cross strength 40", Clt_Cross_Strength_By_Thickness(40), 1.0},
        {"cross strength 60", Clt_Cross_Strength_By_Thickness(60), 1.0},
        {"step 115.01", Clt_Cross_Strength_Step(115.01), 0.85},
        {"step 115.02", Clt_Cross_Strength_Step(115.02), 0.7},
        {"direction 1", Clt_Direction_Factor(nullptr, 1), 0.6},
        {"direction 0", Clt_Direction_Factor(&five, 0), 0.8},
        {"direction 7", Clt_Direction_Factor(nullptr, 7), 0.8},
    };
    for (const auto& r : rows) EXPECT_NEAR(r.value, r.expected, 1e-12) << r.what;
}

TEST(CltFactors, ProductFactorByManufacturer)
{
    CltSection s = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}});
    s.product_factor = 2.7;
    struct {
        int manufacturer;
        double expected;
    } rows[] = {{0, 2.0}, {1, 200.0 / 480.0}, {2, 2.7}, {3, 2.0}, {4, 2.7}, {6, 2.7}, {7, 2.7}, {-1, 2.7}};
    for (const auto& r : rows) {
        s.manufacturer = r.manufacturer;
        EXPECT_NEAR(Clt_Product_Factor(s), r.expected, 1e-12) << r.manufacturer;
    }
    EXPECT_DOUBLE_EQ(s.product_factor, 2.7); // the rules leave the record alone
}

TEST(CltFactors, OuterPairSum)
{
    struct {
        CltSection s;
        double sum, t_max;
    } rows[] = {
        {Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}}), 60.0, 40.0},
        {Clt_Test_Section({{40, 0}, {40, 1}, {20, 0}, {40, 1}, {40, 0}}), 120.0, 40.0},
        {Clt_Test_Section({{10, 0}, {30, 1}}), 20.0 + 10.0, 30.0},
        {Clt_Test_Section({{40, 0}}), 0.0, 0.0},
        {Clt_Test_Section({}), 0.0, 0.0},
    };
    for (auto& r : rows) {
        double t_max = -1.0;
        EXPECT_DOUBLE_EQ(Clt_Outer_Pair_Sum(&r.s, &t_max), r.sum) << r.s.layer_count;
        EXPECT_DOUBLE_EQ(t_max, r.t_max) << r.s.layer_count;
        EXPECT_DOUBLE_EQ(Clt_Outer_Pair_Sum(&r.s, nullptr), r.sum);
    }
    EXPECT_EQ(Clt_Outer_Pair_Sum(nullptr, nullptr), 0.0);
}
