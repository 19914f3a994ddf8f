// Tests of the design strengths and moduli of timber and panels: size factors under the annex
// and the DIN rules, directions, glulam and beech, and single values.
#include <gtest/gtest.h>

#include <cmath>

#include "materials/matvalues.h"
#include "test_support/annex/scopedannex.h"

namespace {

struct S {
    double m = -1, t = -1, c = -1, v = -1, c90 = -1, kh = -1;
    int r = -9;
};

S Str(int kind, int grade, int sc, int dir, double b, double h, bool with_kh = true)
{
    S s;
    s.r = Mat_Strengths(kind, grade, sc, dir, b, h, &s.m, &s.t, &s.c, &s.v, &s.c90, with_kh ? &s.kh : nullptr);
    return s;
}

struct M {
    double e = -1, g = -1, e05 = -1, g05 = -1;
    int r = -9;
};

M Mod(int kind, int grade, int variant, double t)
{
    M m;
    m.r = Mat_Moduli(kind, grade, variant, t, &m.e, &m.g, &m.e05, &m.g05);
    return m;
}

} // namespace

TEST(Strengths, SoftwoodWithSizeFactorUnderAnnex)
{
    ScopedAnnex annex(0);
    const S s = Str(0, 5, 1, 6, 60, 100);
    const double k_h = std::pow(1.5, 0.2); // (150 / 100)^0.2
    EXPECT_EQ(s.r, 1);
    EXPECT_NEAR(s.kh, k_h, 1e-12);
    EXPECT_NEAR(s.kh, 1.0845, 5e-5);
    EXPECT_NEAR(s.m, 24000 * k_h, 1e-9);
    EXPECT_NEAR(s.t, 14500 * k_h, 1e-9);
    EXPECT_DOUBLE_EQ(s.c, 21000);
    EXPECT_DOUBLE_EQ(s.v, 4000);
    EXPECT_DOUBLE_EQ(s.c90, 2500);

    EXPECT_DOUBLE_EQ(Str(0, 5, 1, 6, 150, 40).kh, 1.0);
    EXPECT_EQ(Str(0, 5, 1, 6, 150.001, 40).kh, -1);      // no k_h above 150 mm
    EXPECT_NEAR(Str(0, 5, 1, 6, 20, 20).kh, 1.3, 1e-12); // capped
    // Perpendicular: tension and compression across the grain, f_t scaled too.
    const S p = Str(0, 5, 1, 7, 60, 100);
    EXPECT_NEAR(p.t, 400 * k_h, 1e-9);
    EXPECT_DOUBLE_EQ(p.c, 2500);
    // Without a k_h slot nothing is scaled.
    const S n = Str(0, 5, 1, 6, 60, 100, false);
    EXPECT_DOUBLE_EQ(n.m, 24000);
    EXPECT_DOUBLE_EQ(n.t, 14500);
}

TEST(Strengths, SoftwoodUnderDinRules)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    const S s = Str(0, 5, 1, 6, 60, 100);
    EXPECT_EQ(s.r, 1);
    EXPECT_DOUBLE_EQ(s.m, 24000);
    EXPECT_DOUBLE_EQ(s.t, 14000);
    EXPECT_DOUBLE_EQ(s.c, 21000);
    EXPECT_DOUBLE_EQ(s.v, 2000);
    EXPECT_DOUBLE_EQ(s.c90, 2500);
    EXPECT_EQ(s.kh, -1); // solid timber under DIN rules has no k_h
    // Generic LVL reads the softwood table of the rules, its grades only.
    EXPECT_DOUBLE_EQ(Str(13, 11, 1, 6, 60, 100).m, 50000);
    const S bad = Str(13, 12, 1, 6, 60, 100);
    EXPECT_EQ(bad.r, 0);
    EXPECT_EQ(bad.m, 0.0);
    EXPECT_EQ(bad.kh, 0.0);
}

TEST(Strengths, DirectionsWithoutMemberValuesLeaveTensionAndCompression)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    for (int d : {0, 1, 2, 3, 4, 5, 10}) {
        const S s = Str(2, 2, 1, d, 100, 300);
        EXPECT_EQ(s.r, 1);
        EXPECT_EQ(s.t, -1) << d;
        EXPECT_EQ(s.c, -1) << d;
        EXPECT_NEAR(s.m, 24000 * 1.1, 1e-9) << d;
    }
}

TEST(Strengths, HardwoodSizeFactorOnlyUpToDensity700)
{
    ScopedAnnex annex(0);
    const double k_h = std::pow(150.0 / 100.0, 0.2);
    const S d60 = Str(1, 6, 1, 6, 80, 100); // D60, rho_k 700
    EXPECT_NEAR(d60.kh, k_h, 1e-12);
    EXPECT_NEAR(d60.m, 60000 * k_h, 1e-9);
    const S d70 = Str(1, 7, 1, 6, 80, 100); // D70, rho_k 900
    EXPECT_EQ(d70.kh, -1);
    EXPECT_DOUBLE_EQ(d70.m, 70000);
    EXPECT_DOUBLE_EQ(d70.t, 42000);
}

TEST(Strengths, GlulamSizeFactorAndShear)
{
    {
        ScopedAnnex annex(0);
        const S s = Str(2, 2, 1, 6, 120, 300); // GL24h
        EXPECT_NEAR(s.kh, std::pow(2.0, 0.1), 1e-12);
        EXPECT_NEAR(s.kh, 1.0718, 5e-5);
        EXPECT_NEAR(s.m, 24000 * std::pow(2.0, 0.1), 1e-9);
        EXPECT_NEAR(s.t, 19200 * std::pow(2.0, 0.1), 1e-9);
        EXPECT_DOUBLE_EQ(s.c, 24000);
        EXPECT_EQ(Str(2, 2, 1, 6, 120, 600).kh, -1);
        annex.record.k_cr_mode = 1;
        EXPECT_DOUBLE_EQ(Str(3, 0, 1, 6, 120, 300).v, 2700);
        annex.record.k_cr_mode = 2;
        EXPECT_DOUBLE_EQ(Str(3, 0, 1, 6, 120, 300).v, 3500);
        EXPECT_DOUBLE_EQ(Str(3, 1, 1, 6, 120, 300).v, 3500);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_DOUBLE_EQ(Str(2, 2, 1, 6, 120, 300).kh, 1.1); // 2^0.14 = 1.102, capped
    EXPECT_NEAR(Str(2, 2, 1, 6, 120, 450).kh, std::pow(600.0 / 450.0, 0.14), 1e-12);
    EXPECT_DOUBLE_EQ(Str(3, 0, 1, 6, 120, 300).v, 2500);
    EXPECT_DOUBLE_EQ(Str(2, 1, 1, 6, 120, 600).c, 22000); // GL22h f_c,0,g,k
}

TEST(Strengths, BeechGl75)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    const S s = Str(17, 1, 2, 7, 100, 600);
    EXPECT_EQ(s.r, 1);
    EXPECT_DOUBLE_EQ(s.t, 1500);
    EXPECT_NEAR(s.c, 1.18 * 49500, 1e-9);
    EXPECT_NEAR(s.c, 58410, 1e-9);
    EXPECT_NEAR(s.m, 75000, 1e-9);
    EXPECT_DOUBLE_EQ(s.c90, 12300);
    EXPECT_NEAR(Str(17, 1, 1, 7, 100, 600).c, 70092, 1e-9);
    EXPECT_DOUBLE_EQ(Str(17, 1, 1, 7, 100, 600).c90, 14800);

    const S f = Str(17, 0, 2, 6, 80, 100);
    EXPECT_NEAR(f.kh, std::pow(6.0, 0.1), 1e-12);
    EXPECT_NEAR(f.kh, 1.1962, 5e-5);
    EXPECT_NEAR(f.m, 75000 * std::pow(6.0, 0.1), 1e-9);
    EXPECT_NEAR(f.v, 4500 * std::pow(6.0, 0.13), 1e-9);
    EXPECT_NEAR(f.v / 4500, 1.2623, 5e-5);
    EXPECT_NEAR(f.t, 60000 * std::pow(6.0, 0.1), 1e-9);
    EXPECT_DOUBLE_EQ(f.c, 49500);
    // The factors apply without a k_h slot as well; k_c uses the larger side.
    const S g = Str(17, 0, 1, 9, 200, 100, false);
    EXPECT_NEAR(g.m, 75000 * std::pow(6.0, 0.1), 1e-9);
    EXPECT_NEAR(g.t, 600 * std::pow(3.0, 0.1), 1e-9);
    EXPECT_NEAR(g.c, (0.892 + 0.0009 * 200) * 59400, 1e-9);
    const S bad = Str(17, 0, 1, 6, 100, 0);
    EXPECT_EQ(bad.r, 0);
    EXPECT_EQ(bad.m, 0.0);
}

TEST(Strengths, Panels)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    // OSB: f_c90 10 for every direction; other values only for the four sets.
    const S o = Str(4, 1, 1, 6, 15, 0);
    EXPECT_EQ(o.r, 1);
    EXPECT_DOUBLE_EQ(o.c90, 10000);
    EXPECT_EQ(o.m, -1);
    const S o4 = Str(4, 2, 1, 9, 8, 0); // "OSB 4", plate perpendicular, 6 < t <= 10
    EXPECT_DOUBLE_EQ(o4.m, 13000);
    EXPECT_DOUBLE_EQ(o4.t, 8500);
    EXPECT_DOUBLE_EQ(o4.c, 14300);
    EXPECT_DOUBLE_EQ(o4.v, 1100);
    EXPECT_EQ(o4.kh, -1);
    // Gypsum: between the thickness bands nothing, reported as undefined.
    const S gk = Str(5, 0, 1, 0, 14, 0);
    EXPECT_EQ(gk.r, 0);
    EXPECT_EQ(gk.m, 0.0);
    const S gk12 = Str(5, 0, 1, 0, 12, 0);
    EXPECT_EQ(gk12.r, 1);
    EXPECT_DOUBLE_EQ(gk12.m, 6500);
    EXPECT_DOUBLE_EQ(gk12.c90, 3500);
    EXPECT_DOUBLE_EQ(Str(5, 2, 1, 8, 15, 0).m, 3800); // "GKBi" in-plane parallel
    // Plywood F50/25 sheet perpendicular.
    const S pw = Str(6, 4, 1, 5, 20, 0);
    EXPECT_DOUBLE_EQ(pw.m, 24000);
    EXPECT_DOUBLE_EQ(pw.v, 11000);
    EXPECT_DOUBLE_EQ(pw.c90, 4000);
    // Particleboard comes from the thickness bands.
    const S pb = Str(7, 0, 1, 0, 32, 0);
    EXPECT_DOUBLE_EQ(pb.m, 9200);
    EXPECT_DOUBLE_EQ(pb.c90, 8000);
    // A thickness in no band answers 1 and leaves the caller's values; a grade
    // outside "Typ P4" .. "Typ P7" is undefined.
    const S pb60 = Str(7, 0, 1, 0, 60, 0);
    EXPECT_EQ(pb60.r, 1);
    EXPECT_EQ(pb60.m, -1);
    EXPECT_EQ(pb60.v, -1);
    EXPECT_EQ(pb60.c90, -1);
    const S pb6 = Str(7, 2, 1, 5, 6, 0);
    EXPECT_EQ(pb6.r, 1);
    EXPECT_EQ(pb6.t, -1);
    const S pb13 = Str(7, 2, 1, 5, 13, 0); // "Typ P6" in-plane, first band
    EXPECT_DOUBLE_EQ(pb13.m, 10500);
    EXPECT_DOUBLE_EQ(pb13.c90, 14100);
    EXPECT_DOUBLE_EQ(pb13.v, 7800);
    EXPECT_EQ(Str(7, 4, 1, 0, 20, 0).r, 0);
    // Fibreboard "Hart" 3.5 < t <= 5.5, in-plane.
    EXPECT_DOUBLE_EQ(Str(8, 0, 1, 5, 5.5, 0).v, 18000);
    EXPECT_DOUBLE_EQ(Str(8, 0, 1, 5, 6, 0).v, 16000);
    EXPECT_DOUBLE_EQ(Str(8, 1, 1, 0, 10.5, 0).v, 3250);
    // Fermacell writes no f_c90.
    const S fc = Str(9, 1, 1, 5, 12.5, 0);
    EXPECT_DOUBLE_EQ(fc.c, 8500);
    EXPECT_EQ(fc.c90, -1);
    // Kerto-S perpendicular; other codes f_c90 only.
    EXPECT_DOUBLE_EQ(Str(10, 0, 1, 3, 40, 0).t, 800);
    const S k6 = Str(10, 0, 1, 6, 40, 0);
    EXPECT_DOUBLE_EQ(k6.c90, 6000);
    EXPECT_EQ(k6.m, -1);
    // Beech panel: the marked values rise by 1.2 in service class 1.
    EXPECT_DOUBLE_EQ(Str(18, 0, 1, 0, 40, 0).c, 69000);
    EXPECT_DOUBLE_EQ(Str(18, 0, 2, 0, 40, 0).c, 57500);
    EXPECT_DOUBLE_EQ(Str(18, 2, 1, 0, 24, 0).c90, 26400);
    EXPECT_NEAR(Str(18, 2, 1, 3, 30, 0).c, 26400, 1e-9);
    const S q = Str(18, 2, 1, 3, 25, 0); // between the Q bands
    EXPECT_EQ(q.r, 1);
    EXPECT_DOUBLE_EQ(q.v, 7800);
    EXPECT_NEAR(q.c90, 26400, 1e-9);
    EXPECT_EQ(q.m, -1);
    // LVL products.
    EXPECT_DOUBLE_EQ(Str(19, 0, 1, 6, 40, 0).m, 44000);
    EXPECT_DOUBLE_EQ(Str(-11, 2, 1, 1, 40, 0).t, 5000);
    EXPECT_EQ(Str(19, 0, 1, 4, 40, 0).m, -1);
    // Kinds and grades without values.
    for (int kind : {12, 14, 15, 16, -10, -12, -13, -999, 20}) {
        const S s = Str(kind, 0, 1, 0, 20, 0);
        EXPECT_EQ(s.r, 0) << kind;
        EXPECT_EQ(s.m, 0.0) << kind;
        EXPECT_EQ(s.kh, 0.0) << kind;
    }
    EXPECT_EQ(Str(6, 6, 1, 0, 20, 0).r, 0);
    EXPECT_EQ(Str(10, 1, 1, 0, 20, 0).r, 0);
    EXPECT_EQ(Str(9, 5, 1, 0, 20, 0).r, 0);
}

TEST(Strengths, NullOutputsAreSkipped)
{
    ScopedAnnex annex(0);
    double f_v = -1;
    EXPECT_EQ(Mat_Strengths(0, 5, 1, 6, 60, 100, nullptr, nullptr, nullptr, &f_v, nullptr, nullptr), 1);
    EXPECT_DOUBLE_EQ(f_v, 4000);
    EXPECT_EQ(Mat_Strengths(0, 99, 1, 6, 60, 100, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

TEST(Moduli, Timber)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    const M c14 = Mod(0, 0, 0, 0);
    EXPECT_EQ(c14.r, 1);
    EXPECT_DOUBLE_EQ(c14.e, 7000000);
    EXPECT_DOUBLE_EQ(c14.g, 440000);
    EXPECT_NEAR(c14.e05, 4666666.7, 0.05);
    EXPECT_NEAR(c14.g05, 293333.3, 0.05);
    const M gl75 = Mod(17, 1, 0, 0);
    EXPECT_DOUBLE_EQ(gl75.e, 16800000);
    EXPECT_NEAR(gl75.e05, 14000000, 1e-6);
    EXPECT_NEAR(gl75.g05, 760000 * 2.0 / 3.0, 1e-6);
    const M gl24 = Mod(2, 2, 6, 40);
    EXPECT_NEAR(gl24.e05, 11500000 * 5.0 / 6.0, 1e-6);
    EXPECT_NEAR(gl24.g05, 650000 * 5.0 / 6.0, 1e-6);
    const M d30 = Mod(1, 0, 0, 0); // DIN D30
    EXPECT_NEAR(d30.e05, 10000000 * 5.0 / 6.0, 1e-6);
    EXPECT_NEAR(d30.g05, 600000 * 2.0 / 3.0, 1e-6);
    const M bad = Mod(1, 6, 0, 0);
    EXPECT_EQ(bad.r, 0);
    EXPECT_EQ(bad.e, 0.0);
    EXPECT_EQ(bad.g05, 0.0);
    ScopedAnnex annex(0);
    EXPECT_DOUBLE_EQ(Mod(1, 6, 0, 0).e, 17000000);
    double e90 = -1;
    EXPECT_EQ(Mat_E90_Mean(0, 5, &e90), 1);
    EXPECT_DOUBLE_EQ(e90, 370000);
    EXPECT_EQ(Mat_E90_Mean(4, 0, &e90), 0);
    EXPECT_EQ(e90, 0.0);
}

TEST(Moduli, Panels)
{
    // Particleboard: plate and in-plane variants by band only.
    const M p0 = Mod(7, 0, 0, 10);
    EXPECT_EQ(p0.r, 1);
    EXPECT_EQ(p0.e, -1);
    EXPECT_EQ(Mod(7, 0, 4, 6).r, 0);
    const M p4 = Mod(7, 0, 4, 6.5);
    EXPECT_DOUBLE_EQ(p4.e, 3200000);
    EXPECT_DOUBLE_EQ(p4.g, 200000);
    EXPECT_DOUBLE_EQ(p4.e05, 0.8 * 3200000);
    EXPECT_EQ(p4.g05, -1);
    EXPECT_DOUBLE_EQ(Mod(7, 3, 4, 45).g, 100000);
    EXPECT_DOUBLE_EQ(Mod(7, 3, 5, 45).g, 1000000);
    // OSB variant 5 as variant 2; gypsum variant 5 as variant 3.
    EXPECT_DOUBLE_EQ(Mod(4, 0, 5, 15).e, 3800000);
    EXPECT_DOUBLE_EQ(Mod(4, 2, 0, 15).e05, 5763000);
    EXPECT_DOUBLE_EQ(Mod(5, 1, 5, 12.5).e, 1000000);
    EXPECT_DOUBLE_EQ(Mod(6, 4, 3, 12).g, 700000);
    // Fibreboard bands.
    EXPECT_DOUBLE_EQ(Mod(8, 0, 5, 5).g, 2000000);
    EXPECT_DOUBLE_EQ(Mod(8, 0, 5, 3.5).e, 4600000);
    EXPECT_DOUBLE_EQ(Mod(8, 1, 5, 12).g, 1200000);
    EXPECT_DOUBLE_EQ(Mod(9, 0, 4, 12).e05, 0.0);
    // Products.
    EXPECT_DOUBLE_EQ(Mod(10, 0, 4, 40).e, 13800000);
    EXPECT_DOUBLE_EQ(Mod(11, 1, 3, 40).e, 2500000);
    EXPECT_DOUBLE_EQ(Mod(18, 2, 2, 24.01).e, 11800000);
    EXPECT_EQ(Mod(18, 2, 2, 25).r, 0);
    EXPECT_DOUBLE_EQ(Mod(18, 2, 4, 50).g, 430000);
    EXPECT_DOUBLE_EQ(Mod(19, 1, 3, 20).g, 60000);
    EXPECT_DOUBLE_EQ(Mod(-11, 0, 6, 20).e, 14000000);
    EXPECT_EQ(Mod(18, 0, 6, 20).e, -1);
    for (int kind : {12, 14, 15, 16, -10, -12, -13, -999}) EXPECT_EQ(Mod(kind, 0, 2, 20).r, 0) << kind;
    EXPECT_EQ(Mod(6, 6, 0, 20).r, 0);
}

TEST(SingleValues, Fc90kAndFt90k)
{
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_DOUBLE_EQ(Mat_Fc90k(0, 5, 1, 1), 2500);
        EXPECT_DOUBLE_EQ(Mat_Fc90k(1, 0, 1, 1), 8000); // DIN D30
        EXPECT_DOUBLE_EQ(Mat_Fc90k(3, 2, 1, 1), 3000);
        EXPECT_EQ(Mat_Fc90k(0, 12, 1, 1), 0.0);
        EXPECT_DOUBLE_EQ(Mat_Ft90k(1, 0), 0.5);
    }
    ScopedAnnex annex(0);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(1, 0, 1, 1), 4800); // D18
    EXPECT_DOUBLE_EQ(Mat_Fc90k(6, 4, 1, 0), 9000);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(6, 4, 1, 1), 10000);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(6, 4, 1, 2), 10000);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(19, 0, 1, 1), 40000);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(19, 0, 1, 0), 3600);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(-11, 0, 1, 2), 3600);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(17, 1, 1, 1), 14800);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(17, 1, 2, 1), 12300);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(18, 2, 1, 1), 26400);
    EXPECT_DOUBLE_EQ(Mat_Fc90k(18, 1, 1, 1), 14000);
    EXPECT_EQ(Mat_Fc90k(9, 0, 1, 1), 0.0);
    EXPECT_EQ(Mat_Fc90k(12, 0, 1, 1), 0.0);
    EXPECT_DOUBLE_EQ(Mat_Ft90k(1, 0), 0.6);
    EXPECT_DOUBLE_EQ(Mat_Ft90k(0, 99), 0.4);
    EXPECT_DOUBLE_EQ(Mat_Ft90k(17, 0), 0.6);
    EXPECT_DOUBLE_EQ(Mat_Ft90k(17, 1), 1.5);
    EXPECT_DOUBLE_EQ(Mat_Ft90k(19, 0), 3.6);
    EXPECT_DOUBLE_EQ(Mat_Ft90k(-11, 2), 4.0);
    EXPECT_EQ(Mat_Ft90k(4, 0), 0.0);
}
