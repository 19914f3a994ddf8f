// Partial factors, size and support factors, stability factors, design
// strengths, fire factors and labels. Expected values are worked out by hand
// from EN 1995-1-1 / DIN 1052 formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "materials/matgamma.h"
#include "nad/nadactive.h"
#include "test_support/annex/scopedannex.h"

namespace {

// Distinct factors so that a mixed-up field shows.
void Distinct_Factors(NadEc5Record& r)
{
    r.gamma_m_solid = 1.31;
    r.gamma_m_glulam = 1.32;
    r.gamma_m_lvl = 1.33;
    r.gamma_m_particleboard = 1.34;
    r.gamma_m_hardboard = 1.35;
    r.gamma_m_mediumboard = 1.36;
    r.gamma_m_softboard = 1.37;
    r.gamma_m_gypsum = 1.38;
    r.gamma_m_steel = 1.39;
    r.gamma_m_mdf = 1.99;
    r.gamma_m_accidental = 1.05;
}

} // namespace

TEST(MatGammaM, WithoutAnnexEveryKindIs13AndAccidentalIs10)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    for (int kind : {0, 1, 2, 12, 16, 13, 999, -999}) {
        EXPECT_DOUBLE_EQ(Mat_Gamma_M(kind, 0, 0), 1.3) << kind;
        EXPECT_DOUBLE_EQ(Mat_Gamma_M(kind, 0, 1), 1.0) << kind;
    }
}

TEST(MatGammaM, AnnexFactorByKind)
{
    ScopedAnnex annex(0);
    Distinct_Factors(annex.record);
    struct {
        int kind, sub;
        double gamma;
    } const cases[] = {
        {0, 0, 1.31},  {1, 0, 1.31},  {2, 0, 1.32},  {3, 0, 1.32},   {10, 0, 1.32},  {11, 0, 1.32},
        {17, 0, 1.32}, {18, 0, 1.32}, {19, 0, 1.32}, {-11, 0, 1.32}, {-12, 0, 1.32}, {-13, 0, 1.32},
        {4, 0, 1.33},  {6, 0, 1.33},  {5, 0, 1.38},  {9, 0, 1.38},   {7, 0, 1.34},   {8, 0, 1.35},
        {8, 1, 1.36},  {8, 5, 1.37},  {8, -1, 1.37}, {12, 0, 1.39},  {20, 0, 1.3},   {13, 0, 0.0},
        {14, 0, 0.0},  {15, 0, 0.0},  {-10, 0, 0.0}, {-999, 0, 0.0}, {21, 0, 0.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Mat_Gamma_M(c.kind, c.sub, 0), c.gamma) << c.kind << "/" << c.sub;
    // The sub-grade only matters for fibreboard.
    EXPECT_DOUBLE_EQ(Mat_Gamma_M(0, 1, 0), 1.31);
    // Accidental situations take the annex's factor for every kind.
    for (int kind : {0, 8, 12, 13, 16}) EXPECT_DOUBLE_EQ(Mat_Gamma_M(kind, 0, 1), 1.05) << kind;
}

TEST(MatGammaM, AluminiumReadsTheEc9BlockOnlyWhenPublished)
{
    // An annex always brings its EC9 block: at its default, EN 1999-1-1 gamma_M1.
    ScopedAnnex annex(0);
    EXPECT_DOUBLE_EQ(Mat_Gamma_M(16, 0, 0), 1.1);
    annex.annex.ec9.gamma_m1 = 1.2;
    EXPECT_DOUBLE_EQ(Mat_Gamma_M(16, 0, 0), 1.2);
}

TEST(MatKcr, ModesAndKinds)
{
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_DOUBLE_EQ(Mat_K_cr(0, 4.0), 1.0);
        EXPECT_DOUBLE_EQ(Mat_K_cr(2, 3.5), 1.0);
    }
    ScopedAnnex annex(0);
    annex.record.k_cr_mode = 2;
    annex.record.k_cr_solid = 0.61;
    annex.record.k_cr_other = 0.91;
    EXPECT_DOUBLE_EQ(Mat_K_cr(0, 4.0), 0.5);
    EXPECT_DOUBLE_EQ(Mat_K_cr(1, 4.0), 0.67);
    EXPECT_DOUBLE_EQ(Mat_K_cr(2, 4.0), 0.625);
    EXPECT_DOUBLE_EQ(Mat_K_cr(3, 3.5), 2.5 / 3.5);
    EXPECT_DOUBLE_EQ(Mat_K_cr(17, 5.0), 0.5);
    EXPECT_DOUBLE_EQ(Mat_K_cr(19, 4.0), 1.0);
    annex.record.k_cr_mode = 1;
    for (int kind : {0, 1, 2, 3, 17, -10}) EXPECT_DOUBLE_EQ(Mat_K_cr(kind, 4.0), 0.61) << kind;
    for (int kind : {19, 4, 12, -11}) EXPECT_DOUBLE_EQ(Mat_K_cr(kind, 4.0), 0.91) << kind;
}

TEST(MatKh, SizeFactors)
{
    ScopedAnnex annex(0);
    EXPECT_DOUBLE_EQ(Mat_K_h(0, 5, 150.0), 1.0);
    EXPECT_NEAR(Mat_K_h(0, 5, 50.0), std::pow(3.0, 0.2), 1e-12);  // 1.2457
    EXPECT_NEAR(Mat_K_h(0, 5, 10.0), 1.3, 1e-12);                 // capped
    EXPECT_DOUBLE_EQ(Mat_K_h(0, 5, 1.0), 1.0);                    // h <= 1
    EXPECT_NEAR(Mat_K_h(2, 2, 100.0), 1.1, 1e-12);                // 6^0.1 = 1.196, capped
    EXPECT_NEAR(Mat_K_h(2, 2, 400.0), std::pow(1.5, 0.1), 1e-12); // 1.0414
    EXPECT_DOUBLE_EQ(Mat_K_h(2, 2, 600.0), 1.0);
    EXPECT_DOUBLE_EQ(Mat_K_h(2, 2, 800.0), 1.0);
    EXPECT_DOUBLE_EQ(Mat_K_h(4, 0, 20.0), 1.0);
    // Hardwood D70 (rho_k 900) is denser than 700 kg/m3: no size factor.
    EXPECT_DOUBLE_EQ(Mat_K_h(1, 7, 50.0), 1.0);
    EXPECT_NEAR(Mat_K_h(1, 0, 50.0), std::pow(3.0, 0.2), 1e-12); // D18, 475 kg/m3
}

TEST(MatKh, DinGlulam)
{
    EXPECT_NEAR(Din_K_h_Glulam(400.0), std::pow(1.5, 0.14), 1e-12);
    EXPECT_NEAR(Din_K_h_Glulam(300.0), 1.1, 1e-12); // 2^0.14 = 1.102, capped
    EXPECT_NEAR(Din_K_h_Glulam(100.0), 1.1, 1e-12); // 6^0.14 = 1.285, capped
    EXPECT_DOUBLE_EQ(Din_K_h_Glulam(600.0), 1.0);
    EXPECT_DOUBLE_EQ(Din_K_h_Glulam(601.0), 1.0);
    EXPECT_DOUBLE_EQ(Din_K_h_Glulam(0.5), 1.0);
}

TEST(Ec5Kc90, KindsAndDistance)
{
    struct {
        int kind;
        double l1, h, k;
    } const cases[] = {
        {0, 200, 100, 1.25},  {0, 199.9, 100, 1.0}, {1, 400, 100, 1.0},  {2, 200, 100, 1.5},
        {3, 300, 100, 1.5},   {17, 300, 100, 1.5},  {19, 200, 79, 1.25}, {19, 200, 80, 1.0},
        {-10, 400, 100, 1.0}, {-11, 400, 50, 1.0},  {4, 400, 10, 1.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(Ec5_Kc90(c.kind, c.l1, c.h), c.k) << c.kind << " " << c.l1;
        EXPECT_DOUBLE_EQ(Ec5_Kc90_Alt(c.kind, c.l1, c.h), c.k) << c.kind << " " << c.l1;
    }
}

TEST(Ec5KCrit, RectangularSections)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    // Values worked out from sigma_m,crit = pi sqrt(E G I_z I_tor) / (l_ef W_y).
    struct {
        double a, b, l_ef, k;
    } const cases[] = {
        {10, 30, 6, 0.8729923678220648}, // lambda^2 = 0.839: 1.56 - 0.75 lambda
        {8, 24, 8, 0.6730769606191553},  // lambda^2 = 1.398
        {6, 30, 10, 0.2703175726887641}, // eta between 4 and 6; 1 / lambda^2
        {20, 20, 8, 1.0},                // square: eta 0.14, lambda^2 = 0.256
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Ec5_K_crit(0, c.a, c.b, 24000, c.l_ef, 7400000, 460000), c.k, 1e-9) << c.a << "x" << c.b;
        EXPECT_NEAR(Ec5_K_crit(0, c.b, c.a, 24000, c.l_ef, 7400000, 460000), c.k, 1e-9) << "swapped";
    }
    EXPECT_DOUBLE_EQ(Ec5_K_crit(0, 0.0, 30, 24000, 6, 7400000, 460000), 0.0);
    EXPECT_DOUBLE_EQ(Ec5_K_crit(0, 10, -3, 24000, 6, 7400000, 460000), 0.0);
}

TEST(Ec5KCrit, GlulamFactorOfTheAnnex)
{
    ScopedAnnex annex(0);
    annex.record.ltb_glulam_factor = 1.4;
    // E G scaled by 1.4 is the same as E scaled by 1.4.
    EXPECT_NEAR(Ec5_K_crit(1, 8, 24, 24000, 8, 7400000, 460000), Ec5_K_crit(0, 8, 24, 24000, 8, 7400000 * 1.4, 460000),
                1e-12);
}

TEST(Ec5KcValues, ChainAndCap)
{
    double i = 0, lambda = 0, lrel = 0, k = 0;
    const double kc = Ec5_Kc_Values(11000.0 * 2.0 / 3.0, 21.0, 0.2, 3000.0, 100.0, &i, &lambda, &lrel, &k);
    EXPECT_NEAR(i, 28.9, 1e-12);
    EXPECT_NEAR(lambda, 103.80622837370242, 1e-9);
    EXPECT_NEAR(lrel, 1.7682044270804753, 1e-9);
    EXPECT_NEAR(k, 2.2100938906815433, 1e-9);
    EXPECT_NEAR(kc, 0.2828072063515297, 1e-9);
    // Stocky member: capped at 1, k stays uncapped; null outputs are allowed.
    EXPECT_DOUBLE_EQ(Ec5_Kc_Values(7333.0, 21.0, 0.2, 100.0, 200.0, nullptr, nullptr, nullptr, &k), 1.0);
    EXPECT_LT(k, 1.0);
    EXPECT_GT(k, 0.45);
}

TEST(MatKc, SoftwoodAndKindsWithoutValues)
{
    ScopedAnnex annex(0);
    double lrel = 0;
    // C24: E_0.05 = 2/3 x 11000, f_c,0,k = 21, beta_c 0.2.
    EXPECT_NEAR(Mat_Kc(0, 5, 3000.0, 100.0, 100.0, nullptr, nullptr, &lrel, nullptr), 0.2828072063515297, 1e-6);
    EXPECT_NEAR(lrel, 1.7682044270804753, 1e-6);
    double i = 1, lambda = 1, k = 1;
    EXPECT_DOUBLE_EQ(Mat_Kc(12, 0, 3000.0, 100.0, 100.0, &i, &lambda, &lrel, &k), 0.0);
    EXPECT_DOUBLE_EQ(i + lambda + lrel + k, 0.0);
    EXPECT_DOUBLE_EQ(Mat_Kc(0, 99, 3000.0, 100.0, 100.0, nullptr, nullptr, nullptr, nullptr), 0.0);
}

TEST(SectionAddStrip, TwoStripsGiveTheRectangle)
{
    // Two strips 0..10 and 10..20, each of weight 5 x (2 - 1), make a uniform
    // bar of weight 10 over 0..20: centroid 10, I = 10 x 20^2 / 12 about it.
    double I = 0, z = 0, S = 0, A = 0;
    Section_Add_Strip(&I, &z, &S, &A, 0.0, 10.0, 5.0, 2.0);
    EXPECT_DOUBLE_EQ(A, 5.0);
    EXPECT_DOUBLE_EQ(S, 25.0);
    EXPECT_DOUBLE_EQ(z, 5.0);
    Section_Add_Strip(&I, &z, &S, &A, 10.0, 20.0, 5.0, 2.0);
    EXPECT_DOUBLE_EQ(A, 10.0);
    EXPECT_DOUBLE_EQ(z, 10.0);
    EXPECT_DOUBLE_EQ(S, 100.0);
    EXPECT_NEAR(I, 10.0 * 400.0 / 12.0, 1e-9);
    // Null pointers read as 0 and receive nothing.
    Section_Add_Strip(nullptr, nullptr, nullptr, &A, 0.0, 1.0, 1.0, 1.0);
    EXPECT_DOUBLE_EQ(A, 10.0);
}

TEST(DesignStrengths, SoftwoodC24)
{
    ScopedAnnex annex(0);
    annex.record.na_de = 1;
    // C24 f_m 24, f_t 14.5, f_c 21, k_mod 0.8, gamma_M 1.3.
    double kh = 0;
    EXPECT_NEAR(Design_F_md(0, 5, 6, 200.0, 100.0, 0.8, 1.3, &kh), 24.0 * 0.8 / 1.3, 1e-9);
    EXPECT_NEAR(Design_F_td(0, 0, 0, 5, 6, 200.0, 100.0, 0.8, 1.3, nullptr), 14.5 * 0.8 / 1.3, 1e-9);
    EXPECT_NEAR(Design_F_c0d(0, 5, 1, 0, 200.0, 0.8, 1.3), 21.0 * 0.8 / 1.3, 1e-9);
    // Shear under NA-DE: 4.0 for softwood whatever the table, 3.5 for glulam.
    EXPECT_NEAR(Design_F_vd(0, 5, 6, 200.0, 0.8, 1.3), 4.0 * 0.8 / 1.3, 1e-12);
    EXPECT_NEAR(Design_F_vd(2, 2, 6, 200.0, 0.9, 1.3), 3.5 * 0.9 / 1.3, 1e-12);
    annex.record.na_de = 0;
    EXPECT_NEAR(Design_F_vd(0, 5, 6, 200.0, 0.8, 1.3), 4.0 * 0.67 * 0.8 / 1.3, 1e-9);
    // A kind without partial factor (gamma 0) has no design strength.
    EXPECT_DOUBLE_EQ(Design_F_md(0, 5, 6, 200.0, 100.0, 0.8, 0.0, nullptr), 0.0);
    EXPECT_DOUBLE_EQ(Design_F_vd(0, 5, 6, 200.0, 0.8, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(Design_Unit_Factor(), 1.0);
}

TEST(DesignStrengths, DinShearTakesTheTableValue)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    // DIN 1052 C24: f_v,k 2.0.
    EXPECT_NEAR(Design_F_vd(0, 5, 6, 200.0, 0.8, 1.3), 2.0 * 0.8 / 1.3, 1e-9);
}

TEST(ReducedTension, FactorKt)
{
    // DIN rules: staple and dowel 0.4, nails 0.4 only with nail_flag, others 2/3.
    ScopedAnnex din(ScopedAnnex::kNone);
    struct {
        int type, nail_flag;
        double k_t;
    } const cases[] = {
        {1, 0, 0.4},  {29, 0, 0.4}, {0, 1, 0.4},     {0, 0, 2.0 / 3},  {20, 1, 0.4},     {40, 1, 0.4},
        {45, 1, 0.4}, {46, 1, 0.4}, {2, 1, 2.0 / 3}, {30, 1, 2.0 / 3}, {-2, 1, 2.0 / 3}, {99, 0, 2.0 / 3},
    };
    // DIN C24 f_t,0,k 14 with b = h = 200 (no size factor).
    for (const auto& c : cases)
        EXPECT_NEAR(Mat_Ft0k_Reduced(c.type, c.nail_flag, 0, 5, 6, 200.0, 200.0, nullptr), 14.0 * c.k_t, 1e-9)
            << c.type;
    EXPECT_NEAR(Design_F_t0d_Reduced(1, 0, 0, 5, 6, 200.0, 200.0, 0.9, 1.3, nullptr), 14.0 * 0.4 * 0.9 / 1.3, 1e-9);
}

TEST(ReducedTension, AnnexSwitch)
{
    ScopedAnnex annex(0);
    annex.record.use_na816 = 0;
    EXPECT_NEAR(Mat_Ft0k_Reduced(1, 0, 0, 5, 6, 200.0, 200.0, nullptr), 14.5, 1e-9);
    annex.record.use_na816 = 1;
    EXPECT_NEAR(Mat_Ft0k_Reduced(1, 0, 0, 5, 6, 200.0, 200.0, nullptr), 14.5 * 0.4, 1e-9);
}

TEST(Fire, KfiByKind)
{
    struct {
        int kind;
        double k;
    } const cases[] = {{0, 1.25}, {1, 1.25},  {2, 1.15},  {11, 1.15}, {12, 1.0}, {16, 1.0},  {17, 1.1},
                       {19, 1.1}, {-11, 1.1}, {-13, 1.1}, {-10, 1.0}, {-1, 1.0}, {-14, 1.0}, {20, 1.0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Fire_K_fi(c.kind), c.k) << c.kind;
}

TEST(Fire, K0)
{
    EXPECT_DOUBLE_EQ(Fire_K0(1, 15.0, 30.0), 0.5);
    EXPECT_DOUBLE_EQ(Fire_K0(1, 40.0, 30.0), 1.0);
    EXPECT_DOUBLE_EQ(Fire_K0(1, 10.0, 15.0), 0.5); // t_ch below 20: t / 20
    EXPECT_DOUBLE_EQ(Fire_K0(0, 10.0, 30.0), 0.5);
    EXPECT_DOUBLE_EQ(Fire_K0(0, 25.0, 0.0), 1.0);
}

TEST(Fire, KmodFi)
{
    // b 100, h 200, d_ef 10: four sides: 80 x 180, p = 520.
    EXPECT_NEAR(Fire_K_mod_fi(0, 10, 100, 200), 1.0 - 520.0 / (225.0 * 80 * 180), 1e-12);
    // Three sides (1, 3): 80 x 190, p = 80 + 380.
    EXPECT_NEAR(Fire_K_mod_fi(1, 10, 100, 200), 1.0 - 460.0 / (225.0 * 80 * 190), 1e-12);
    EXPECT_NEAR(Fire_K_mod_fi(3, 10, 100, 200), 1.0 - 460.0 / (225.0 * 80 * 190), 1e-12);
    // (2, 4): 90 x 180, p = 180 + 180.
    EXPECT_NEAR(Fire_K_mod_fi(4, 10, 100, 200), 1.0 - 360.0 / (225.0 * 90 * 180), 1e-12);
    EXPECT_DOUBLE_EQ(Fire_K_mod_fi(5, 10, 100, 200), 1.0);
    EXPECT_DOUBLE_EQ(Fire_K_mod_fi(0, 60, 100, 200), 0.001);
}

TEST(Fire, EffectiveCharringDepth)
{
    // Unprotected: 0.35 t below 20 min, else 7 mm, plus beta_n t.
    EXPECT_NEAR(Fire_D_ef(0.8, 10, 0, 0, 1, 1), 3.5 + 8.0, 1e-12);
    EXPECT_NEAR(Fire_D_ef(0.8, 30, 0, 0, 1, 1), 7.0 + 24.0, 1e-12);
    // Protected, charring starts at 15 before failure at 20: k0 = 0.5 (t 10 / 20).
    EXPECT_NEAR(Fire_D_ef(0.7, 10, 20, 15, 0.5, 2), 3.5 + 0.7 * (((15 - 20) * 0.7 * 0.5 + 25) / (0.7 * 2) + 5), 1e-12);
    // t_ch >= t_f: k0 d0 + 25; t_ch 30 > t 20: k0 = 2/3.
    EXPECT_NEAR(Fire_D_ef(0.7, 20, 25, 30, 0.5, 2), 7.0 * 20 / 30 + 25, 1e-12);
    EXPECT_NEAR(Fire_D_ef(0.7, 40, 25, 30, 0.5, 2), 7.0 + 25, 1e-12);
}

TEST(Labels, FastenerMethod)
{
    struct {
        int method, annex;
        const char* text;
    } const cases[] = {
        {0, 1, "Vereinfachter Nachweis nach NAD 8.2.1"},
        {0, 0, "Vereinfachter Nachweis"},
        {1, 1, "Genauer Nachweis nach DIN EN 1995, 8.2.2"},
        {1, 0, "Genauer Nachweis"},
        {2, 0, "Bemessungswerte-Verfahren"},
        {2, 1, "Bemessungswerte-Verfahren"},
        {3, 1, ""},
        {-1, 0, ""},
    };
    for (const auto& c : cases) EXPECT_STREQ(Fastener_Method_Label(c.method, c.annex), c.text);
}

TEST(Labels, Equations)
{
    {
        ScopedAnnex annex(0);
        struct {
            int n;
            const char* text;
        } const cases[] = {{1, "Gl.(a)"},
                           {8, "Gl.(h)"},
                           {9, "Gl.(j)"},
                           {10, "Gl.(k)"},
                           {11, "Gl.(b)"},
                           {12, "Gl.(c)"},
                           {30, "Alu-Lochleibungsspannung"}};
        for (const auto& c : cases) EXPECT_STREQ(Equation_Label(c.n), c.text) << c.n;
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_STREQ(Equation_Label(11), "Gl.(11)");
    EXPECT_STREQ(Equation_Label(30), "Alu-Lochleibungsspannung");
    EXPECT_STREQ(Equation_Label(-2147483647 - 1), "Gl.(-2147483648)");
}
