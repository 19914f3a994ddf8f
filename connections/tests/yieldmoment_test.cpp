// Yield moments, effective bolt diameters and tensile capacities, worked by
// hand: M_y = 0.3 f_u d^2.6 (EN 1995-1-1 (8.30)) and the tables' bands.
#include <gtest/gtest.h>

#include <cmath>

#include "connections/yieldmoment.h"
#include "test_support/annex/scopedannex.h"

TEST(YieldMoment, EffectiveBoltDiameterBands)
{
    const struct {
        double d, d_ef;
    } cases[] = {{5.99, 5.0915}, {6, 5.39},  {7.99, 5.39}, {8, 7.23},  {10, 9.08},    {12, 10.9}, {16, 14.8},
                 {19.9, 14.8},   {20, 18.5}, {24, 22.2},   {30, 27.9}, {32.99, 27.9}, {33, 28.05}};
    for (const auto& c : cases) EXPECT_NEAR(Bolt_Effective_Diameter(c.d), c.d_ef, 1e-12) << c.d;
}

TEST(YieldMoment, ThreadedBoltUsesTheStressAreaDiameter)
{
    // 0.3 * 400 * 14.8^2.6 = 132 392.0; without thread 0.3 * 400 * 16^2.6 = 162 141.1
    EXPECT_NEAR(Fastener_Yield_Moment(30, 16, 400, 0, 1), 132391.99, 0.01);
    EXPECT_NEAR(Fastener_Yield_Moment(30, 16, 400, 0, 0), 162141.1, 0.05);
    // Outside the table: 0.85 d.  0.3 * 360 * (0.85 * 36)^2.6
    EXPECT_NEAR(Fastener_Yield_Moment(30, 36, 360, 0, 1), 108.0 * std::pow(30.6, 2.6), 1e-6);
    EXPECT_NEAR(Fastener_Yield_Moment(30, 5, 400, 0, 1), 120.0 * std::pow(4.25, 2.6), 1e-9);
}

TEST(YieldMoment, RuleByFastenerType)
{
    const double d8 = std::pow(8.0, 2.6); // 222.861
    {
        ScopedAnnex annex(1);
        EXPECT_NEAR(Yield_Moment_Screw_Table(8), 20057.5, 0.05);
        EXPECT_NEAR(Yield_Moment_Screw_Table(6), 9493.7, 0.05);
        EXPECT_NEAR(Fastener_Yield_Moment(11, 8, 0, 1, 0), 60 * d8, 1e-9);
        EXPECT_NEAR(Yield_Moment_Screw_Ec5(8), 60 * d8, 1e-9);
        EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_2(5.6), 9900);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    const struct {
        int type;
        double d, f_u;
        int variant;
        double m;
    } cases[] = {
        {0, 4, 600, 0, 180 * std::pow(4.0, 2.6)},
        {29, 16, 400, 0, 162141.1},
        {3, 8, 600, 0, 60 * d8},
        {11, 8, 0, 0, 20000},
        {11, 8, 0, 1, 0},
        {44, 6, 0, 0, 7900},
        {14, 8, 0, 0, 23000},
        {43, 8, 0, 1, 11000},
        {46, 4.09, 0, 0, 3500},
        {46, 4.1, 0, 0, 5000},
        {25, 65, 400, 0, 0},
        {45, 4, 600, 0, 180 * std::pow(4.0, 2.6)},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Fastener_Yield_Moment(c.type, c.d, c.f_u, c.variant, 0), c.m, 0.05) << c.type << " " << c.d;
    EXPECT_DOUBLE_EQ(Yield_Moment_Screw_Table(8), 20000);
    EXPECT_DOUBLE_EQ(Yield_Moment_Screw_Table(6), 7900);
    EXPECT_DOUBLE_EQ(Yield_Moment_Screw_Table(2.4), 0);
    EXPECT_DOUBLE_EQ(Yield_Moment_Screw_Ec5(8), 0);
    EXPECT_DOUBLE_EQ(Yield_Moment_Connector_Fastener(4.09, 0), 3500);
    EXPECT_DOUBLE_EQ(Yield_Moment_Connector_Fastener(4.1, 0), 5000);
    EXPECT_DOUBLE_EQ(Yield_Moment_Connector_Fastener(12, 2), 4270);
    EXPECT_NEAR(Yield_Moment_Half(8, 400), 60 * d8, 1e-9);
    EXPECT_NEAR(Yield_Moment_Round(8, 400), 120 * d8, 1e-9);
}

TEST(YieldMoment, TensileCapacityTables)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_2(5.6), 3800);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_2(7), 7500);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_2(2.4), 0);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_1(11.99), 28000);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_1(11.98), 20000);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_1(2.98), 0);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_3(12, 0), 41000);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_3(12, 1), 45000);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_3(3.3, 0), 2800);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_4(3.3), 1800);
    EXPECT_DOUBLE_EQ(Tensile_Capacity_Eta_Table_4(10), 19000);
    EXPECT_DOUBLE_EQ(Yield_Moment_Product_Table_1(2.8), 0);
    EXPECT_DOUBLE_EQ(Yield_Moment_Product_Table_2(6.4), 6800);
}
