// Withdrawal and head pull-through parameters (EN 1995-1-1 (8.25), (8.26)
// with rho_k capped at 500), the axial-load rule and washer areas, by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "connections/withdrawal.h"
#include "test_support/annex/scopedannex.h"

TEST(Withdrawal, NailsAndStaples)
{
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_NEAR(Withdrawal_Param_Nail(0, 50, 0, 0, 380), 2.5992, 1e-12);
        EXPECT_NEAR(Withdrawal_Param_Nail(0, 50, 0, 0, 600), 4.5, 1e-12);
        EXPECT_NEAR(Withdrawal_Param_Nail(1, 25, 0, 0, 380), 0.3333333 * 2.5992, 1e-12);
        EXPECT_NEAR(Withdrawal_Param_Nail(19, 0, 1, 0, 380), 40e-6 * 144400, 1e-12);
        EXPECT_NEAR(Withdrawal_Param_Nail(22, 0, 0, 1, 380), 0.7 * 50e-6 * 144400, 1e-12);
        EXPECT_EQ(Withdrawal_Param_Nail(30, 0, 0, 0, 380), 0.0);
    }
    ScopedAnnex annex(1);
    EXPECT_NEAR(Withdrawal_Param_Nail(0, 50, 0, 0, 380), 2.888, 1e-12);
    EXPECT_NEAR(Withdrawal_Param_Nail(0, 50, 0, 0, 600), 5.0, 1e-12);
    EXPECT_NEAR(Withdrawal_Param_Nail(1, 25, 0, 0, 380), 2.0 / 3.0 * 2.888, 1e-12);
    EXPECT_EQ(Withdrawal_Param_Nail(19, 0, 1, 0, 380), 0.0);
    EXPECT_NEAR(Withdrawal_Param_Nail(16, 0, 0, 0, 380), 30e-6 * 144400, 1e-12);
    EXPECT_NEAR(Withdrawal_Param_Nail(40, 0, 0, 0, 380), 50e-6 * 144400, 1e-12);
    annex.record.na_de = 0;
    EXPECT_EQ(Withdrawal_Param_Nail(40, 0, 0, 0, 380), 0.0);
}

TEST(Withdrawal, Screws)
{
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_NEAR(Withdrawal_Param_Screw(3, 0, 0, 420, 6), 10.584, 1e-12);
        EXPECT_NEAR(Withdrawal_Param_Screw(6, 0, 0, 420, 6), 70e-6 * 176400, 1e-12);
        EXPECT_NEAR(Withdrawal_Param_Screw(10, 0, 0, 600, 6), 80e-6 * 250000, 1e-12);
        EXPECT_NEAR(Withdrawal_Param_Screw(14, 0, 0, 350, 5), 80e-6 * 122500, 1e-12);
        EXPECT_EQ(Withdrawal_Param_Screw(44, 0, 0, 350, 5.99), 14.0);
        EXPECT_EQ(Withdrawal_Param_Screw(44, 0, 0, 350, 6), 12.0);
    }
    ScopedAnnex annex(1);
    EXPECT_EQ(Withdrawal_Param_Screw(14, 0, 0, 350, 5), 12.0);
    EXPECT_EQ(Withdrawal_Param_Screw(11, 0, 0, 350, 12.5), 10.0);
    EXPECT_NEAR(Withdrawal_Param_Screw(3, 0, 0, 420, 6), 10.584, 1e-12);
    annex.record.na_de = 0;
    EXPECT_EQ(Withdrawal_Param_Screw(3, 0, 0, 420, 6), 0.0);
    const struct {
        double d, p, q;
    } tables[] = {{2.98, 10, 14}, {3, 12, 14}, {5.001, 12, 14},   {5.5, 10, 14}, {6, 11.5, 12},
                  {7.5, 10, 12},  {8, 11, 12}, {8.002, 10, 11.5}, {12, 10, 11},  {12.002, 10, 10}};
    for (const auto& t : tables) {
        EXPECT_EQ(Withdrawal_Param_Product_Ec5(t.d), t.p) << t.d;
        EXPECT_EQ(Withdrawal_Param_Product_Din(t.d), t.q) << t.d;
    }
}

TEST(HeadPullThrough, NailsAndScrews)
{
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_NEAR(Head_Pull_Through_Nail(0, 1, 380), 60e-6 * 144400, 1e-12);
        EXPECT_NEAR(Head_Pull_Through_Screw(3, 0, 380, 24, 10, 0), 80e-6 * 144400, 1e-12);
        // screw product 11 in timber, countersunk law: 27 - 10
        EXPECT_NEAR(Head_Pull_Through_Screw(11, 0, 380, 40, 10, 0), 17, 1e-12);
        EXPECT_NEAR(Head_Pull_Through_Screw(12, 0, 380, 40, 20, 0), 13, 1e-12);
        // in OSB of 10 mm: 80e-6 * 380^2 = 11.552, then the panel rules keep it (t >= 8, t >= 1.2 d_h)
        EXPECT_NEAR(Head_Pull_Through_Screw(12, 4, 600, 10, 8, 0), 11.552, 1e-12);
        EXPECT_EQ(Head_Pull_Through_Screw(12, 4, 600, 7, 8, 0), 0.0);
    }
    ScopedAnnex annex(1);
    EXPECT_NEAR(Head_Pull_Through_Nail(0, 1, 380), 6.738667, 1e-6);
    EXPECT_NEAR(Head_Pull_Through_Nail(36, 0, 380), 160e-6 * 144400, 1e-12);
    annex.record.na_de = 0;
    EXPECT_EQ(Head_Pull_Through_Nail(36, 0, 380), 0.0);
    EXPECT_NEAR(Head_Pull_Through_Nail(0, 0, 380), 70e-6 * 144400, 1e-12);
}

TEST(HeadPullThrough, ScrewProductRules)
{
    const struct {
        const char* what;
        double value, expected;
    } cases[] = {
        {"H3 above 32", Head_Pull_Through_Product_A(11, 0, 33, 8, 0, 80, 0), 0},
        {"H4 general at 32", Head_Pull_Through_Product_B(12, 0, 33, 8, 0, 80, 0), 8},
        {"H4 countersunk at 32", Head_Pull_Through_Product_B(11, 0, 33, 8, 0, 80, 0), 7.8},
        {"H3 countersunk", Head_Pull_Through_Product_A(44, 2, 15, 8, 1, 80, 0), 12},
        {"H3 general middle band", Head_Pull_Through_Product_A(44, 3, 20, 8, 1, 80, 0), 13},
        {"H3 general small head", Head_Pull_Through_Product_A(44, 3, 15, 8, 1, 80, 0), 14},
        {"panel 12 to 20 mm", Head_Pull_Through_Product_A(44, 3, 15, 8, 1, 15, 4), 8},
        {"gypsum thinner than 12", Head_Pull_Through_Product_A(44, 3, 15, 8, 1, 10, 5), 0},
        {"panel thinner than 1.2 d_h", Head_Pull_Through_Product_A(44, 3, 15, 6, 1, 10, 4), 0},
        {"H1 small head", Head_Pull_Through_Param_A(15, 0, 8, 80, 0), 13},
        {"H1 with washer", Head_Pull_Through_Param_A(15, 1, 8, 80, 0), 10},
        {"H1 head below 1.8 d", Head_Pull_Through_Param_A(12, 0, 6.7, 80, 0), 0},
        {"H2 capped head", Head_Pull_Through_Param_B(40, 8, 80, 0), 10},
        {"H2 head below 1.8 d", Head_Pull_Through_Param_B(14, 8, 80, 0), 0},
    };
    for (const auto& c : cases) EXPECT_NEAR(c.value, c.expected, 1e-12) << c.what;
}

TEST(AxialLoad, WhoMayCarryAxialLoad)
{
    // type, resin, predrilled, kind1, kind2, DIN, EC5 annex number 0, EC5 German annex
    const struct {
        const char* what;
        int type, resin, predrilled, kind1, kind2;
        int din, annex0, annex;
    } cases[] = {
        {"nail in softwood", 0, 0, 0, 0, 0, 0, 1, 1},
        {"nail predrilled", 0, 0, 1, 0, 0, 0, 0, 0},
        {"nail in gypsum fibre board", 0, 0, 0, 9, 0, 1, 1, 1},
        {"nail in gypsum board", 0, 0, 0, 5, 0, 0, 0, 0},
        {"nail in LVL 13", 0, 0, 0, 13, 0, 0, 1, 0},
        {"nail in a user material", 0, 0, 0, -999, 0, 0, 1, 0},
        {"nail from a steel plate into OSB", 0, 0, 0, 12, 4, 0, 1, 1},
        {"Kerto against steel", 30, 0, 0, 10, 12, 0, 0, 0},
        {"steel against Kerto", 30, 0, 0, 12, 11, 0, 0, 0},
        {"bolt", 30, 0, 0, 0, 0, 1, 1, 1},
        {"bolt from steel into a panel", 30, 0, 0, 12, 4, 1, 1, 1},
        {"staple not resin-coated", 1, 0, 0, 0, 0, 0, 0, 0},
        {"staple resin-coated", 1, 1, 0, 0, 0, 1, 1, 1},
        {"wood screw", 3, 0, 0, 0, 0, 1, 1, 1},
        {"wood screw in OSB", 3, 0, 0, 4, 0, 1, 1, 1},
        {"screw product", 11, 0, 0, 0, 0, 1, 1, 1},
        {"dowel", 29, 0, 0, 0, 0, 0, 0, 0},
        {"connector C10", 28, 0, 0, 0, 0, 1, 1, 1},
        {"special nail class 3 from steel into a panel", 22, 0, 0, 12, 6, 1, 1, 1},
        {"special nail class 1 in a panel", 16, 0, 0, 6, 0, 0, 1, 1},
        {"special nail class 3 in hardwood", 22, 0, 0, 1, 0, 0, 1, 1},
    };
    for (const auto& c : cases) {
        {
            ScopedAnnex din(ScopedAnnex::kNone);
            EXPECT_EQ(Axial_Load_Allowed(c.type, c.resin, c.predrilled, 0, c.kind1, c.kind2), c.din) << c.what;
        }
        {
            ScopedAnnex annex(0);
            EXPECT_EQ(Axial_Load_Allowed(c.type, c.resin, c.predrilled, 0, c.kind1, c.kind2), c.annex0) << c.what;
        }
        ScopedAnnex annex(1);
        EXPECT_EQ(Axial_Load_Allowed(c.type, c.resin, c.predrilled, 0, c.kind1, c.kind2), c.annex) << c.what;
    }
}

TEST(Washers, Areas)
{
    {
        ScopedAnnex annex(1);
        EXPECT_NEAR(Washer_Bearing_Area(16, 56), 6625.619, 1e-3);
        EXPECT_NEAR(Washer_Bearing_Area(12, 22), 678.584, 1e-3);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_EQ(Washer_Bearing_Area(16, 56), 2670);
    EXPECT_EQ(Washer_Bearing_Area(12, 22), 390);
    EXPECT_EQ(Washer_Bearing_Area(30, 106), 9430);
    EXPECT_NEAR(Washer_Bearing_Area(16, 60), 2812.964, 1e-3);
    EXPECT_NEAR(Washer_Bearing_Area(12, 23.5), 855.548, 1e-3);
    EXPECT_NEAR(Washer_Area_Effective(12, 0, 0, 3), 885.144, 1e-3);
    EXPECT_NEAR(Washer_Area(12, 40), 0.7853981633975 * (1600 - 169), 1e-9);
}
