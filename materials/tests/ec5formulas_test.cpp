// Timber member formulas. Expected values are worked out by hand or with an
// independent script from the EN 1995-1-1 and DIN 1052 formulas.
#include <gtest/gtest.h>

#include <cmath>

#include "materials/ec5formulas.h"
#include "test_support/annex/scopedannex.h"

namespace {
const double kPi = 3.14159265358979323846;
double Rad(double deg) { return deg * kPi / 180.0; }
} // namespace

TEST(Ec5Buckling, BetaC)
{
    struct {
        int kind;
        double beta;
    } const cases[] = {{0, 0.2},  {1, 0.2},    {2, 0.1},  {3, 0.1},  {17, 0.1},
                       {19, 0.1}, {-999, 0.1}, {-1, 0.1}, {-10, 0.1}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Ec5_Beta_c(c.kind), c.beta) << c.kind;
}

TEST(Ec5Buckling, StrutChainC24)
{
    // C24 under the annex rules: E_0.05 = 7333.33, f_c,0,k = 21, h = 100,
    // l_ef = 3000; i = h / sqrt(12) as the strut check forms it.
    const double lambda = 3000.0 / (100.0 * 0.28867513);
    const double lrel = Ec5_Lambda_Rel(lambda, 21.0, 7333.33);
    EXPECT_NEAR(lrel, 1.77019, 5e-6);
    const double k = Ec5_Buckling_k(Ec5_Beta_c(0), lrel);
    EXPECT_NEAR(k, 2.21381, 5e-6);
    EXPECT_NEAR(Ec5_Buckling_kc(k, lrel), 0.28223, 5e-6);
}

TEST(Ec5Buckling, KcCapsAtOne)
{
    // lambda_rel = 0: k = 0.5 (1 - 0.3 beta_c) = 0.47, 1 / (2 k) = 1.06 -> 1.
    EXPECT_NEAR(Ec5_Buckling_k(0.2, 0.0), 0.47, 1e-15);
    EXPECT_DOUBLE_EQ(Ec5_Buckling_kc(0.47, 0.0), 1.0);
    // At lambda_rel = 0.3 the factor is exactly 1 as well.
    EXPECT_DOUBLE_EQ(Ec5_Buckling_kc(Ec5_Buckling_k(0.1, 0.3), 0.3), 1.0);
    const double k = Ec5_Buckling_k(0.1, 0.5);
    EXPECT_LT(Ec5_Buckling_kc(k, 0.5), 1.0);
}

TEST(Ec5FcAlpha, AngleTable)
{
    // f_c,0 21, f_c,90 2.5, f_v 4.0 (C24).
    struct {
        double deg, f;
    } const cases[] = {
        {0, 21.0}, {15, 17.874232634094536}, {30, 12.212208380449605}, {45, 8.312249434462737}, {60, 6.253492811496619},
        {90, 5.0}, // 2 f_c,90
    };
    for (const auto& c : cases) EXPECT_NEAR(Ec5_Fc_Alpha(Rad(c.deg), 21.0, 2.5, 4.0), c.f, 1e-9) << c.deg;
    EXPECT_NEAR(Ec5_Fc_Alpha(Rad(30), 21.0, 2.5, 4.0), 12.2122, 5e-5);
}

TEST(Ec5FcAlpha, NonPositiveStrengthsGiveZero)
{
    EXPECT_DOUBLE_EQ(Ec5_Fc_Alpha(Rad(30), 21.0, 2.5, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(Ec5_Fc_Alpha(Rad(30), 21.0, 0.0, 4.0), 0.0);
    EXPECT_DOUBLE_EQ(Ec5_Fc_Alpha(Rad(30), 0.0, 2.5, 4.0), 0.0);
    EXPECT_DOUBLE_EQ(Ec5_Fc_Alpha(Rad(30), -21.0, 2.5, 4.0), 0.0);
    EXPECT_DOUBLE_EQ(Ec5_Fc_Alpha(NAN, 21.0, 2.5, -1.0), 0.0);
}

TEST(Ec5FcAlpha, LinearFactor)
{
    EXPECT_NEAR(Fc_Alpha_Linear(21.0, 2.5, 4.0, 0.5), 0.2036766568109729, 1e-12);
    EXPECT_DOUBLE_EQ(Fc_Alpha_Linear(21.0, 2.5, 4.0, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(Fc_Alpha_Linear(21.0, 0.0, 4.0, 0.5), 1e-7);
    EXPECT_DOUBLE_EQ(Fc_Alpha_Linear(21.0, 2.5, 1e-9, 0.5), 1e-7);
}

TEST(ContactAreas, EffectiveAreas)
{
    double a1 = 0, a2 = 0, a3 = 0;
    // Overhang 100 left (full 30 mm spread), 10 right (10 + 30).
    Contact_Areas_Ef(100, 10, 150, 120, 80, &a1, &a2, &a3);
    EXPECT_DOUBLE_EQ(a1, 80 * 210.0);
    EXPECT_DOUBLE_EQ(a2, 80 * 190.0);
    EXPECT_DOUBLE_EQ(a3, 80 * 180.0);
    Contact_Areas_Ef(30, 0, 150, 120, 80, &a1, nullptr, nullptr);
    EXPECT_DOUBLE_EQ(a1, 80 * 210.0); // a = 30 exactly: l + a + 30
}

TEST(ContactAreas, CapacityUsesKc90)
{
    // A_ef (n = 2) = b (l_ef,l + l_ef,r) = 100 x (160 + 160) = 32000.
    struct {
        int kind;
        double l1, h;
        int n;
        double expected;
    } const cases[] = {
        {2, 400, 200, 2, 2.5 * 1.5 * 32000},
        {2, 399.99, 200, 2, 2.5 * 1.0 * 32000},
        {0, 400, 200, 2, 2.5 * 1.25 * 32000},
        {19, 400, 80, 2, 2.5 * 1.0 * 32000},
        {19, 400, 79, 2, 2.5 * 1.25 * 32000},
        {1, 400, 100, 2, 2.5 * 1.0 * 32000},
        {0, 400, 200, 4, 2.5 * 1.25 * (32000 + 2 * 60 * 100)},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Contact_Area_Capacity(c.kind, 2.5, c.l1, c.h, 50, 50, 100, 100, c.n), c.expected, 1e-9)
            << c.kind << " " << c.l1 << " " << c.n;
}

TEST(ContactAreas, Shares)
{
    double share = 0;
    const double F = 32000 * 1.25 * 2.5;
    const double s = Contact_Area_Share(0, 400, 200, 50, 50, 100, 100, 2, 3.0, 4.0, 2.0, 2.5, &share);
    EXPECT_NEAR(share, 2.0 * 3.0 / (2.0 * 4.0 + F), 1e-15);
    EXPECT_NEAR(s, share / 2.0, 1e-15);
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_NEAR(Contact_Area_Share_Din(0, 400, 200, 50, 50, 100, 100, 2, 3.0, 4.0, 2.5), F / (F + 12.0), 1e-12);
        EXPECT_DOUBLE_EQ(Half_Width_Factor(60, 100, 1), 0.67);
        EXPECT_DOUBLE_EQ(Half_Width_Factor(60, 100, 0), 0.75);
        EXPECT_DOUBLE_EQ(Half_Width_Factor(50, 100, 0), 1.0);
    }
    ScopedAnnex annex(0);
    EXPECT_DOUBLE_EQ(Contact_Area_Share_Din(0, 400, 200, 50, 50, 100, 100, 2, 3.0, 4.0, 2.5), 1.0);
    EXPECT_DOUBLE_EQ(Half_Width_Factor(60, 100, 1), 1.0);
}

TEST(Notches, FactorsAndForces)
{
    EXPECT_NEAR(Notch_Kv(5, 1, 200, 0.75, 50), 0.6261075435018931, 1e-12);
    EXPECT_NEAR(Notch_Kv(4, 2, 400, 0.5, 100), 0.30227598174394205, 1e-12);
    EXPECT_DOUBLE_EQ(Notch_Kv(50, 0, 100, 0.9, 0), 1.0); // capped
    double alpha = 0;
    EXPECT_NEAR(Transverse_Tension_Force(200, 50, 1000, &alpha), (1 - 3 * 0.0625 + 2 * 0.015625) * 1000, 1e-9);
    EXPECT_DOUBLE_EQ(alpha, 0.25);
    // 1.3 V [3 (1 - a)^2 - 2 (1 - a)^3] with a = 0.75.
    EXPECT_NEAR(Notch_Tension_Force(200, 150, 1000, &alpha), 1.3 * 1000 * (3 * 0.0625 - 2 * 0.015625), 1e-9);
    EXPECT_DOUBLE_EQ(alpha, 0.75);
    EXPECT_NEAR(Notch_Tension_Force(200, 150, 1000, nullptr), 203.125, 1e-9);
}

TEST(Holes, TableOfCases)
{
    EXPECT_DOUBLE_EQ(Hole_Lt90(0, 100, 400), 250.0);
    EXPECT_DOUBLE_EQ(Hole_Lt90(1, 100, 400), 235.3);
    EXPECT_DOUBLE_EQ(Hole_Lt90(2, 100, 400), -1.0);
    EXPECT_DOUBLE_EQ(Hole_Hr(0, 150, 120, 100), 120.0);
    EXPECT_DOUBLE_EQ(Hole_Hr(1, 150, 120, 100), 135.0);
    EXPECT_DOUBLE_EQ(Hole_Hr(-1, 150, 120, 100), -1.0);
    EXPECT_NEAR(Hole_Kt90(600), std::sqrt(0.75), 1e-15);
    EXPECT_DOUBLE_EQ(Hole_Kt90(300), 1.0);
    EXPECT_DOUBLE_EQ(Hole_Kt90(0.0005), -1.0);
    EXPECT_NEAR(Hole_Ft_V(1000, 100, 400), 1000 * 100 / 1600.0 * (3 - 1.0 / 16), 1e-9);
    EXPECT_DOUBLE_EQ(Hole_Ft_V(1000, 100, 0), -1.0);
    EXPECT_DOUBLE_EQ(Hole_Ft_M(1e6, 100), 80.0);
    EXPECT_DOUBLE_EQ(Hole_Ft_M(1e6, 0), -1.0);
    EXPECT_DOUBLE_EQ(Hole_Resistance(0.5, 250, 100, 0.9), 0.5 * 250 * 100 * 0.9 * 0.5);
    EXPECT_DOUBLE_EQ(Hole_Resistance(0.5, 250, 100, 0.0), -1.0);
    EXPECT_DOUBLE_EQ(Hole_Resistance(0.0, 250, 100, 0.9), -1.0);
}

TEST(Notches, DepthRatio)
{
    double e = 0, d = 0;
    // a 400, b 100, c 100: e = 0.75, d = 200 / 300.
    const double r = Depth_Ratio_Factor(400, 100, 100, &e, &d);
    EXPECT_DOUBLE_EQ(e, 0.75);
    EXPECT_NEAR(d, 2.0 / 3.0, 1e-15);
    EXPECT_NEAR(r, (2.0 / 9.0 + 1.0) * (2.0 / 3.0) * 1.25, 1e-12);
}

TEST(ContinuousBeams, Reactions)
{
    // Three spans of 4 m, q = q_g: 0.4 q_g w' s plus |f| a / L d + g.
    const double s = 4000, L = 12000, w = 500, qg = 2.0;
    EXPECT_NEAR(Continuous_Beam_End_Reaction(1000, L, s, 3, w, -6, 7, qg, qg),
                0.4 * qg * 0.5 * s + 6 * 1000 / L * 3 + 7, 1e-9);
    EXPECT_NEAR(Continuous_Beam_Inner_Reaction(1000, L, s, 3, w, -6, 7, qg, qg),
                1.099 * qg * 0.5 * s + 6 * 1000 / L * 3 + 7, 1e-9);
    // Load difference: q - q_g = 1, G(3) = 0.3663 (end), 0.7992 (inner).
    EXPECT_NEAR(Continuous_Beam_End_Reaction(0, L, s, 0, w, 0, 0, qg, 3.0), (0.5 * 0.3663 + 0.4 * qg * 0.5) * s, 1e-9);
    EXPECT_NEAR(Continuous_Beam_Inner_Reaction(0, L, s, 0, w, 0, 0, qg, 3.0), (0.5 * 0.7992 + 1.099 * qg * 0.5) * s,
                1e-9);
    // Eight spans: E = 0.4 / 1.141, G = r x 0.0546333 / r x 0.1415882.
    EXPECT_NEAR(Continuous_Beam_End_Reaction(0, 8 * s, s, 0, w, 0, 0, qg, 3.0),
                (0.5 * 8 * 0.0546333 + 0.4 * qg * 0.5) * s, 1e-9);
    EXPECT_NEAR(Continuous_Beam_Inner_Reaction(0, 8 * s, s, 0, w, 0, 0, qg, 3.0),
                (0.5 * 8 * 0.1415882 + 1.141 * qg * 0.5) * s, 1e-9);
    // One span: E 0.5 / 0, G 1/3 / 0.
    EXPECT_NEAR(Continuous_Beam_End_Reaction(0, s, s, 0, w, 0, 0, qg, 3.0), (0.5 / 3.0 + 0.5 * qg * 0.5) * s, 1e-9);
    EXPECT_NEAR(Continuous_Beam_Inner_Reaction(0, s, s, 0, w, 0, 0, qg, 3.0), 0.0, 1e-12);
    // A zero span length counts as no span (no undefined conversion).
    EXPECT_DOUBLE_EQ(Continuous_Beam_End_Reaction(0, L, 0.0, 0, w, 0, 7, qg, 3.0), 7.0);
}

TEST(Floors, FrequencyAndStiffness)
{
    EXPECT_NEAR(Floor_Frequency(2.0, 16.0, 1.0), kPi / 2 / 4 * 4, 1e-11);
    EXPECT_DOUBLE_EQ(Stiffness_Ratio_Root(6, 3, 16, 1), 4.0);
    EXPECT_NEAR(Inverse_Fourth_Power_Root(1.0), std::sqrt(2.0), 1e-15);
}

TEST(FormulaPieces, Table)
{
    EXPECT_DOUBLE_EQ(Sqrt_Product_Ratio(2, 4, 9, 3), 4.0);
    EXPECT_DOUBLE_EQ(Safe_Sqrt_Ratio(8, 2), 2.0);
    EXPECT_DOUBLE_EQ(Safe_Sqrt_Ratio(8, 1e-18), 0.0);
    EXPECT_DOUBLE_EQ(Beam_Term_Quadratic(2, 3, 1, 0, 4, 1, 1), (2 * 3 + 2 * 3) * 4 / 4.0);
    EXPECT_DOUBLE_EQ(Beam_Term_Ratio(2, 3, 4, 5, 40), 40.0 / 20 * 3 / 2);
    EXPECT_DOUBLE_EQ(Beam_Term_Cubic(2, 2, 1, 1, 3), (2 + 8.0 / 4) * 2);
    EXPECT_NEAR(Beam_Term_Shear(1, 3, 2, 6, 1, 1, 5), 2 * 3 * 2 * 5.0 / 6 * 6 / 5, 1e-12);
    EXPECT_DOUBLE_EQ(Length_Ratio_Factor(2, 4, 1), (1 * 2 / 8.0 + 1) * 0.5);
    EXPECT_DOUBLE_EQ(Length_Ratio_Factor(2, 4, 4), 1.0);
    EXPECT_NEAR(Inverse_Root_Sum_Capped(3, 4, 1, 1), 1 / std::sqrt(1 + 9 + 1), 1e-15);
    EXPECT_NEAR(Inverse_Root_Sum(3, 2, 1, 1), 1 / std::sqrt(1 + 9 + 1), 1e-15);
    EXPECT_NEAR(Power_Ratio_Factor(1, 1, 1), 3.68, 1e-15);
    EXPECT_DOUBLE_EQ(Power_Ratio_Factor(1, 0.0005, 1), 1.0);
    EXPECT_NEAR(Ratio_Polynomial(1, 2), 1.27282084375, 1e-12);
}

TEST(FormulaPieces, RatioLimitTable)
{
    struct {
        double r, v;
    } const cases[] = {{0.4, -1}, {0.5, 150}, {0.75, 135}, {1.0, 120},  {1.5, 100},
                       {2.0, 80}, {3.0, 65},  {4.0, 50},   {4.001, -1}, {5, -1}};
    for (const auto& c : cases) EXPECT_NEAR(Ratio_Limit_Table(c.r), c.v, 1e-9) << c.r;
}

TEST(FormulaPieces, RatioBandFactorFollowsItsTable)
{
    struct {
        double r, v;
    } const cases[] = {
        {0.0, 0.912}, {0.05, 0.915}, {0.1, 0.918}, {0.15, 0.9225}, {0.5, 0.969},
        {0.75, 1.1},  {0.9, 1.4},    {0.95, 1.7},  {1.0, 2.0},     {1.1, 2.6},
    };
    for (const auto& c : cases) EXPECT_NEAR(Ratio_Band_Factor(c.r, 1.0), c.v, 1e-9) << c.r;
    // Continuous at the band limits.
    EXPECT_NEAR(Ratio_Band_Factor(0.0999999, 1.0), Ratio_Band_Factor(0.1000001, 1.0), 1e-6);
    EXPECT_NEAR(Ratio_Band_Factor(1.9, 2.0), 1.7, 1e-9);
}
