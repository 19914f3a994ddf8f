// Tests of the material factors: k_mod and k_def by kind, service class and duration, rho_k,
// self weight, charring rate, crack factor and size factors.
#include <gtest/gtest.h>

#include <cmath>

#include "materials/matfactors.h"
#include "materials/matlvl.h"
#include "test_support/annex/scopedannex.h"

namespace {

double Kmod(int kind, int grade, int sc, int duration, int* result = nullptr, const UserMaterial* user = nullptr)
{
    double k = -7.0;
    const int r = Mat_Kmod(kind, grade, sc, duration, &k, user);
    if (result) *result = r;
    return k;
}

} // namespace

// EN 1995-1-1 Table 3.1, solid timber and glulam.
TEST(Kmod, SolidTimberByServiceClassAndDuration)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    const double sc12[8] = {0.6, 0.7, 0.8, 0.9, 1.1, 1.0, 1.1, 1.1};
    const double sc3[8] = {0.5, 0.55, 0.65, 0.7, 0.9, 0.8, 0.9, 0.9};
    for (int kind : {0, 1, 2, 3, 17, -10})
        for (int d = 0; d < 8; ++d) {
            int r = -1;
            EXPECT_NEAR(Kmod(kind, 5, 1, d, &r), sc12[d], 1e-12) << kind << "/" << d;
            EXPECT_EQ(r, 1);
            EXPECT_NEAR(Kmod(kind, 5, 2, d), sc12[d], 1e-12);
            EXPECT_NEAR(Kmod(kind, 5, 3, d), sc3[d], 1e-12);
        }
    int r = -1;
    double k = -7.0;
    r = Mat_Kmod(0, 5, 1, 8, &k, nullptr);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(k, 0.0); // defined output on failure
    EXPECT_EQ(Kmod(0, 5, 1, -1, &r), 0.0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Kmod(0, 5, 4, 0, &r), 0.0);
    EXPECT_EQ(r, 0);
    for (int d = 0; d <= 8; ++d) {
        EXPECT_EQ(Kmod(0, 5, 0, d, &r), 1.0);
        EXPECT_EQ(r, 1);
    }
    EXPECT_EQ(Mat_Kmod(0, 5, 1, 8, nullptr, nullptr), 0);
}

TEST(Kmod, CombinedShortInstantaneousUnderAnnex)
{
    ScopedAnnex annex(0);
    annex.record.kmod_na1_index_b = 0;
    EXPECT_NEAR(Kmod(0, 5, 1, 5), 0.9, 1e-12);
    EXPECT_NEAR(Kmod(0, 5, 3, 5), 0.7, 1e-12);
    annex.record.kmod_na1_index_b = 1;
    EXPECT_NEAR(Kmod(0, 5, 1, 5), 1.0, 1e-12);
    EXPECT_NEAR(Kmod(0, 5, 3, 5), 0.8, 1e-12);
}

TEST(Kmod, PanelsAndProducts)
{
    int r = -1;
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_EQ(Kmod(4, 0, 2, 0, &r), 0.0);
        EXPECT_EQ(r, 0);
        EXPECT_NEAR(Kmod(4, 1, 2, 4, &r), 0.9, 1e-12);
        EXPECT_EQ(r, 1);
        EXPECT_NEAR(Kmod(4, 0, 1, 5), 0.975, 1e-12);
        EXPECT_EQ(Kmod(4, 3, 1, 0, &r), 0.0);
        EXPECT_EQ(r, 0);
        EXPECT_NEAR(Kmod(7, 2, 1, 0), 0.3, 1e-12);
        EXPECT_NEAR(Kmod(7, 4, 1, 0, &r), 0.3, 1e-12);
        EXPECT_EQ(r, 1);
        EXPECT_NEAR(Kmod(7, 0, 2, 6), 0.8, 1e-12);
        EXPECT_NEAR(Kmod(7, 0, 2, 7), 0.8, 1e-12);
        EXPECT_NEAR(Kmod(5, 2, 1, 4), 1.1, 1e-12);
        EXPECT_NEAR(Kmod(9, 0, 2, 0), 0.15, 1e-12);
        EXPECT_NEAR(Kmod(8, 1, 1, 5), 0.95, 1e-12);
        EXPECT_NEAR(Kmod(8, 0, 2, 1), 0.3, 1e-12);
        EXPECT_EQ(Kmod(8, 2, 1, 0, &r), 0.0);
        EXPECT_EQ(r, 0);
        EXPECT_NEAR(Kmod(6, 3, 3, 1), 0.55, 1e-12);
        EXPECT_NEAR(Kmod(10, 0, 1, 2), 0.8, 1e-12);
    }
    {
        ScopedAnnex annex(0);
        EXPECT_NEAR(Kmod(7, 2, 1, 0), 0.4, 1e-12);
        EXPECT_NEAR(Kmod(7, 0, 2, 6), 0.8, 1e-12);
        EXPECT_NEAR(Kmod(7, 0, 2, 7), 0.8, 1e-12);
        EXPECT_EQ(Kmod(7, 4, 1, 0, &r), 0.0);
        EXPECT_EQ(r, 0);
    }
    for (int kind : {18, 19, -11}) {
        EXPECT_EQ(Kmod(kind, 0, 3, 0, &r), 0.0);
        EXPECT_EQ(r, 0);
        EXPECT_NEAR(Kmod(kind, 0, 2, 3, &r), 0.9, 1e-12);
        EXPECT_EQ(r, 1);
    }
    for (int kind : {12, 15, 16, 20, -1, -9, -14}) {
        EXPECT_EQ(Kmod(kind, 0, 1, 0, &r), 0.0) << kind;
        EXPECT_EQ(r, 0) << kind;
    }
}

// Generic LVL belongs to none of the kind sets but is a timber product: EN
// 1995-1-1 Table 3.1 gives LVL (EN 14374, EN 14279) the values of solid timber.
TEST(Kmod, GenericLvlTakesTheSolidTimberValues)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    const double sc12[8] = {0.6, 0.7, 0.8, 0.9, 1.1, 1.0, 1.1, 1.1};
    const double sc3[8] = {0.5, 0.55, 0.65, 0.7, 0.9, 0.8, 0.9, 0.9};
    for (int d = 0; d < 8; ++d) {
        int r = -1;
        EXPECT_NEAR(Kmod(MK_LVL, 5, 1, d, &r), sc12[d], 1e-12) << d;
        EXPECT_EQ(r, 1) << d;
        EXPECT_NEAR(Kmod(MK_LVL, 5, 2, d), sc12[d], 1e-12) << d;
        EXPECT_NEAR(Kmod(MK_LVL, 5, 3, d), sc3[d], 1e-12) << d;
    }
    int r = -1;
    EXPECT_EQ(Kmod(MK_LVL, 5, 4, 2, &r), 0.0);
    EXPECT_EQ(r, 0);
    // The sets stay as they are.
    EXPECT_EQ(Mat_Is_Timber(MK_LVL), 0);
    EXPECT_EQ(Mat_Is_Solid_Timber(MK_LVL), 0);
    EXPECT_EQ(Mat_Is_Board(MK_LVL), 0);
}

TEST(Kmod, StudAndJoistTakeTheWebValue)
{
    int r = -1;
    EXPECT_NEAR(Kmod(-13, 3, 1, 5, &r), 0.975, 1e-12);
    EXPECT_EQ(r, 1);
    EXPECT_NEAR(Kmod(-12, 0, 2, 0), 0.2, 1e-12);
    // No web value in service class 3: undefined, not a k_mod of 0 reported as valid.
    EXPECT_EQ(Kmod(-12, 0, 3, 0, &r), 0.0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Kmod(-13, 0, 1, 8, &r), 0.0);
    EXPECT_EQ(r, 0);
}

TEST(Kmod, UserDefinedMaterial)
{
    int r = -1;
    EXPECT_NEAR(Kmod(-999, 0, 1, 0, &r), 0.2, 1e-12);
    EXPECT_EQ(r, 1);
    EXPECT_NEAR(Kmod(0, 14, 1, 0, &r), 0.2, 1e-12);
    EXPECT_NEAR(Kmod(14, 0, 2, 3, &r), 0.2, 1e-12);

    UserMaterial u{};
    for (int sc = 0; sc < 3; ++sc)
        for (int d = 0; d < 5; ++d) u.k_mod[sc][d] = 0.1 * (sc + 1) + 0.01 * d;
    EXPECT_NEAR(Kmod(-999, 0, 2, 1, &r, &u), 0.21, 1e-12);
    EXPECT_NEAR(Kmod(6, -999, 3, 4, &r, &u), 0.34, 1e-12);
    EXPECT_NEAR(Kmod(-999, 0, 1, 5, &r, &u), (0.13 + 0.14) / 2, 1e-12);
    EXPECT_NEAR(Kmod(-999, 0, 1, 6, &r, &u), 0.14, 1e-12);
    EXPECT_NEAR(Kmod(-999, 0, 1, 7, &r, &u), 0.14, 1e-12);
    EXPECT_EQ(Kmod(-999, 0, 1, 8, &r, &u), 0.0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Kmod(-999, 0, 4, 0, &r, &u), 0.0);
    EXPECT_EQ(r, 0);
}

TEST(Kdef, ByKindAndServiceClass)
{
    struct {
        int kind, grade;
        double k1, k2, k3;
    } cases[] = {{0, 5, 0.6, 0.8, 2.0},  {17, 0, 0.6, 0.8, 2.0}, {-13, 2, 0.6, 0.8, 2.0}, {4, 0, 1.5, 2.25, 0.0},
                 {5, 0, 3.0, 4.0, 0.0},  {6, 2, 0.8, 1.0, 2.5},  {8, 0, 2.25, 3.0, 0.0},  {8, 1, 3.0, 4.0, 0.0},
                 {12, 0, 0.0, 0.0, 0.0}, {13, 0, 0.0, 0.0, 0.0}, {-10, 0, 0.0, 0.0, 0.0}};
    ScopedAnnex din(ScopedAnnex::kNone);
    for (const auto& c : cases) {
        double k = -1;
        EXPECT_EQ(Mat_Kdef(c.kind, c.grade, 1, &k), 1);
        EXPECT_EQ(k, c.k1) << c.kind;
        Mat_Kdef(c.kind, c.grade, 2, &k);
        EXPECT_EQ(k, c.k2) << c.kind;
        Mat_Kdef(c.kind, c.grade, 3, &k);
        EXPECT_EQ(k, c.k3) << c.kind;
        Mat_Kdef(c.kind, c.grade, 4, &k);
        EXPECT_EQ(k, 0.0);
    }
    EXPECT_EQ(Mat_Kdef(0, 0, 1, nullptr), 1);
    double k = -1;
    Mat_Kdef(7, 3, 1, &k);
    EXPECT_EQ(k, 2.25);
    ScopedAnnex annex(0);
    Mat_Kdef(7, 3, 1, &k);
    EXPECT_EQ(k, 1.5);
    Mat_Kdef(7, 1, 2, &k);
    EXPECT_EQ(k, 3.0);
}

TEST(RhoK, TimberPanelsAndThickness)
{
    double rho = -1;
    {
        ScopedAnnex annex(0);
        EXPECT_EQ(Mat_Rho_k(1, 7, 0, &rho, nullptr), 1);
        EXPECT_EQ(rho, 800); // D70 after EN 338:2016
        EXPECT_EQ(Mat_Rho_k(1, 0, 0, &rho, nullptr), 1);
        EXPECT_EQ(rho, 475);
        EXPECT_EQ(Mat_Rho_k(0, 5, 0, &rho, nullptr), 1);
        EXPECT_EQ(rho, 350);
        EXPECT_EQ(Mat_Rho_k(0, 6, 0, &rho, nullptr), 1);
        EXPECT_EQ(rho, 360);
    }
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_EQ(Mat_Rho_k(1, 7, 0, &rho, nullptr), 0);
        EXPECT_EQ(rho, 0.0);
        EXPECT_EQ(Mat_Rho_k(1, 0, 0, &rho, nullptr), 1);
        EXPECT_EQ(rho, 530);
        EXPECT_EQ(Mat_Rho_k(0, 6, 0, &rho, nullptr), 1);
        EXPECT_EQ(rho, 370);
        EXPECT_EQ(Mat_Rho_k(2, 1, 0, &rho, nullptr), 1);
        EXPECT_EQ(rho, 370);
        EXPECT_EQ(Mat_Rho_k(17, 1, 0, &rho, nullptr), 1);
        EXPECT_EQ(rho, 730);
        EXPECT_EQ(Mat_Rho_k(13, 0, 0, &rho, nullptr), 0);
        EXPECT_EQ(Mat_Rho_k(0, 12, 0, &rho, nullptr), 0);
    }
    struct {
        int kind, grade;
        double t, rho;
        int result;
    } cases[] = {
        {7, 0, 6.0, 0.0, 0},  {7, 0, 6.5, 650, 1}, {7, 3, 13, 650, 1},   {7, 1, 13.1, 600, 1}, {7, 0, 20.5, 550, 1},
        {7, 0, 32, 550, 1},   {7, 0, 50, 500, 1},  {7, 0, 51, 0.0, 0},   {7, 4, 10, 0.0, 0},   {8, 0, 5.5, 850, 1},
        {8, 0, 3.5, 800, 1},  {8, 1, 10, 650, 1},  {8, 1, 10.5, 600, 1}, {8, 2, 10, 0.0, 0},   {4, 2, 0, 550, 1},
        {4, 3, 0, 0.0, 0},    {5, 0, 0, 680, 1},   {5, 2, 0, 800, 1},    {6, 1, 0, 350, 1},    {6, 2, 0, 400, 1},
        {6, 5, 0, 600, 1},    {6, 6, 0, 0.0, 0},   {9, 4, 0, 1150, 1},   {10, 0, 0, 480, 1},   {10, 1, 0, 0.0, 0},
        {11, 1, 0, 480, 1},   {19, 9, 0, 480, 1},  {-12, 40, 0, 480, 1}, {18, 2, 0, 730, 1},   {12, 3, 0, 78500, 1},
        {16, 0, 0, 27000, 1}, {15, 0, 0, 0.0, 0},  {-10, 0, 0, 0.0, 0},
    };
    for (const auto& c : cases) {
        rho = -1;
        EXPECT_EQ(Mat_Rho_k(c.kind, c.grade, c.t, &rho, nullptr), c.result) << c.kind << "/" << c.grade << "/" << c.t;
        EXPECT_EQ(rho, c.rho) << c.kind << "/" << c.grade << "/" << c.t;
    }
    UserMaterial u{};
    u.rho_k = 512;
    EXPECT_EQ(Mat_Rho_k(-999, 0, 0, &rho, &u), 1);
    EXPECT_EQ(rho, 512);
    EXPECT_EQ(Mat_Rho_k(0, -999, 0, &rho, &u), 1);
    EXPECT_EQ(Mat_Rho_k(14, 0, 0, &rho, nullptr), 0);
    EXPECT_EQ(rho, 0.0);
}

TEST(SelfWeight, ByKindAndGrade)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_EQ(Mat_Self_Weight(0, 5), 4.2);
    EXPECT_EQ(Mat_Self_Weight(0, 8), 4.8);
    EXPECT_EQ(Mat_Self_Weight(0, 11), 5.5);
    EXPECT_EQ(Mat_Self_Weight(0, 12), 0.0);
    EXPECT_EQ(Mat_Self_Weight(1, 5), 7.0);
    EXPECT_EQ(Mat_Self_Weight(1, 6), 0.0);
    EXPECT_EQ(Mat_Self_Weight(2, 3), 4.45);
    EXPECT_EQ(Mat_Self_Weight(2, 13), 4.4);
    EXPECT_EQ(Mat_Self_Weight(3, 1), 3.5);
    EXPECT_EQ(Mat_Self_Weight(13, 99), 8.0);
    EXPECT_EQ(Mat_Self_Weight(-11, 2), 5.3);
    EXPECT_EQ(Mat_Self_Weight(12, 0), 0.0);
    {
        ScopedAnnex annex(0);
        EXPECT_EQ(Mat_Self_Weight(1, 7), 8.4);
    }
    Lvl_Joist_Ensure(1000);
    Lvl_Wall_Ensure(1000);
    // Joist 90/400: b 90, h_f 39, h_w 322, web 6 mm.
    EXPECT_NEAR(Mat_Self_Weight(-13, 17), (10.0 * 90 * 39 + 9.0 * 6 * 322) * 1e-6, 1e-15);
    EXPECT_EQ(Mat_Self_Weight(-13, 18), 0.0);
    EXPECT_NEAR(Mat_Self_Weight(-12, 0), (10.0 * 45 * 39 + 9.0 * 6 * 82) * 1e-6, 1e-15);
}

TEST(BetaN, ChargingRateByDensity)
{
    {
        ScopedAnnex annex(0);
        EXPECT_EQ(Mat_Beta_n(1, 0), 0.55); // D18, 475
        EXPECT_EQ(Mat_Beta_n(1, 8), 0.8);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_EQ(Mat_Beta_n(0, 5), 0.8);
    EXPECT_EQ(Mat_Beta_n(2, 0), 0.7);
    EXPECT_EQ(Mat_Beta_n(3, 7), 0.7);
    EXPECT_EQ(Mat_Beta_n(2, 14), 0.8);
    EXPECT_EQ(Mat_Beta_n(-999, 0), 0.8);
    EXPECT_EQ(Mat_Beta_n(4, 0), 0.8);
}

TEST(Kcr, CrackFactorByRules)
{
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        for (int kind : {0, 1, 2, 3, 4, 17, -10, 12}) EXPECT_EQ(Mat_Kcr(kind, 0, 60, 100), 1.0) << kind;
    }
    ScopedAnnex annex(0);
    annex.record.k_cr_mode = 2;
    annex.record.k_cr_solid = 0.67;
    annex.record.k_cr_other = 0.9;
    EXPECT_NEAR(Mat_Kcr(0, 5, 60, 100), 0.5, 1e-12); // C24: 2.0 / 4.0
    EXPECT_NEAR(Mat_Kcr(0, 0, 60, 100), 2.0 / 3.0, 1e-12);
    EXPECT_NEAR(Mat_Kcr(0, 0, 60, 100), 0.667, 5e-4);
    EXPECT_NEAR(Mat_Kcr(2, 4, 60, 100), 2.5 / 3.5, 1e-12);
    EXPECT_NEAR(Mat_Kcr(3, 7, 60, 100), 0.714, 5e-4);
    EXPECT_EQ(Mat_Kcr(1, 3, 60, 100), 0.67);
    EXPECT_EQ(Mat_Kcr(4, 0, 60, 100), 0.9);
    EXPECT_EQ(Mat_Kcr(0, 12, 60, 100), 0.0);
    EXPECT_EQ(Mat_Kcr(2, 14, 60, 100), 0.0);
    EXPECT_EQ(Mat_Kcr(3, 8, 60, 100), 0.0);
    EXPECT_NEAR(Mat_Kcr(-10, 0, 60, 100), 0.5, 1e-12);
    // GL75: f_v = 4.5 (600 / h)^0.13 with h the fourth argument; b plays no part.
    EXPECT_NEAR(Mat_Kcr(17, 1, 999, 300), 2.5 / (4.5 * std::pow(2.0, 0.13)), 1e-12);
    EXPECT_EQ(Mat_Kcr(17, 1, 100, 0), 0.0);

    annex.record.k_cr_mode = 1;
    for (int kind : {0, 1, -10, 2, 3, 17}) EXPECT_EQ(Mat_Kcr(kind, 0, 60, 100), 0.67) << kind;
    for (int kind : {4, 13, 19, 12}) EXPECT_EQ(Mat_Kcr(kind, 0, 60, 100), 0.9) << kind;
}

TEST(SizeFactors, LengthLinearAndPanelLimits)
{
    EXPECT_NEAR(Mat_Length_Factor(1000), std::pow(3.0, 0.06), 1e-12);
    EXPECT_NEAR(Mat_Length_Factor(1000), 1.0681, 5e-5);
    EXPECT_EQ(Mat_Length_Factor(3000), 1.0);
    EXPECT_EQ(Mat_Length_Factor(100), 1.1);
    EXPECT_EQ(Mat_Length_Factor(0), 1.1);
    EXPECT_NEAR(Mat_Length_Factor(6000), std::pow(0.5, 0.06), 1e-12);
    EXPECT_NEAR(Mat_Linear_Size_Factor(0, 100), 0.982, 1e-12);
    EXPECT_NEAR(Mat_Linear_Size_Factor(1, 200), 1.2, 1e-12);
    EXPECT_NEAR(Mat_Linear_Size_Factor(2, 200), 1.0, 1e-12);
    EXPECT_EQ(Panel_Min_Thickness(4), 6);
    EXPECT_EQ(Panel_Max_Thickness(4), 25);
    EXPECT_EQ(Panel_Min_Thickness(5), 12);
    EXPECT_EQ(Panel_Max_Thickness(5), 18.5);
    EXPECT_EQ(Panel_Max_Thickness(6), 999);
    EXPECT_EQ(Panel_Min_Thickness(8), 3.5);
    EXPECT_EQ(Panel_Max_Thickness(7), 50);
    EXPECT_EQ(Panel_Min_Thickness(0), 3);
    EXPECT_EQ(Panel_Max_Thickness(0), 999);
}
