// Stiffness values of cross-laminated timber plates. Reference values are
// worked out by hand or integrated numerically here, from the formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "clt/cltstiffness.h"
#include "clt/tests/clt_fixture.h"
#include "nad/nadec5.h"
#include "test_support/annex/scopedannex.h"

namespace {

const double kPi = 3.14159265358979323846;

// kappa of direction d by composite Simpson integration of S^2 / G* over each
// layer (S running downward from the top face), independent of the closed form.
double SimpsonKappa(const CltSection& s, int d)
{
    double EI = 0.0, GA = 0.0, J = 0.0, S = 0.0;
    for (int i = 0; i < s.layer_count; ++i) {
        const CltLayer& l = s.layers[i];
        const double e = l.direction == d ? l.E / 1000.0 : 0.0;
        const double g = (l.direction == d ? l.G : s.rolling_shear_modulus) / 1000.0;
        EI += e * (l.t * l.t * l.t / 12.0 + l.t * l.z * l.z);
        GA += g * l.t;
        const double ztop = l.z + l.t / 2.0, S0 = S;
        auto f = [&](double u) {
            const double m = S0 + e * (ztop * u - u * u / 2.0);
            return m * m / g;
        };
        const int n = 2000;
        const double h = l.t / n;
        double acc = f(0.0) + f(l.t);
        for (int k = 1; k < n; ++k) acc += (k % 2 ? 4.0 : 2.0) * f(k * h);
        J += acc * h / 3.0;
        S = S0 + e * (ztop * l.t - l.t * l.t / 2.0);
    }
    return EI * EI / (GA * J);
}

} // namespace

TEST(CltStiffness, ShearCorrectionFactor)
{
    struct {
        const char* what;
        CltSection s;
        int d;
        double expected, tol;
    } rows[] = {
        {"three x layers", Clt_Test_Section_EG({{30, 0}, {30, 0}, {30, 0}}, 11e6, 690000), 0, 5.0 / 6.0, 1e-12},
        {"x layers 10/50/30", Clt_Test_Section_EG({{10, 0}, {50, 0}, {30, 0}}, 11e6, 690000), 0, 5.0 / 6.0, 1e-12},
        {"one x layer", Clt_Test_Section_EG({{100, 0}}, 8e6, 500000), 0, 5.0 / 6.0, 1e-12},
        // Centroid on the middle interface: the whole integral, not half of it.
        {"22.5 x y y x", Clt_Test_Section_EG({{22.5, 0}, {22.5, 1}, {22.5, 1}, {22.5, 0}}, 11e6, 690000), 0, 0.158974,
         1e-6},
    };
    for (auto& r : rows) EXPECT_NEAR(Clt_Shear_Correction(&r.s, r.d), r.expected, r.tol) << r.what;

    CltSection s = rows[3].s;
    EXPECT_DOUBLE_EQ(Clt_Shear_Correction_X(&s), Clt_Shear_Correction(&s, 0));
    EXPECT_DOUBLE_EQ(Clt_Shear_Correction_Y(&s), Clt_Shear_Correction(&s, 1));
}

TEST(CltStiffness, ShearCorrectionClosedFormAgreesWithIntegration)
{
    CltSection sym = Clt_Test_Section_EG({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}}, 11e6, 690000);
    CltSection unsym = Clt_Test_Section_EG({{30, 0}, {20, 1}, {40, 0}, {25, 1}, {20, 0}}, 11e6, 690000);
    unsym.layers[2].E = 12e6, unsym.layers[2].G = 650000;
    unsym.layers[4].E = 9e6;
    Clt_Centroids(&unsym);
    for (CltSection* s : {&sym, &unsym}) {
        const double k = Clt_Shear_Correction(s, 0);
        EXPECT_NEAR(k, SimpsonKappa(*s, 0), 1e-9 * k);
        EXPECT_GT(k, 0.0);
        EXPECT_LT(k, 5.0 / 6.0);
    }
    // Direction y with the distances of the x centroid, as stored.
    EXPECT_NEAR(Clt_Shear_Correction(&unsym, 1), SimpsonKappa(unsym, 1), 1e-9 * Clt_Shear_Correction(&unsym, 1));
}

TEST(CltStiffness, ShearCorrectionOfDegenerateSections)
{
    CltSection none = Clt_Test_Section({});
    EXPECT_TRUE(std::isnan(Clt_Shear_Correction(&none, 0)));
    EXPECT_TRUE(std::isnan(Clt_Shear_Correction(nullptr, 0)));
    CltSection xonly = Clt_Test_Section_EG({{30, 0}, {30, 0}}, 11e6, 690000);
    EXPECT_TRUE(std::isnan(Clt_Shear_Correction(&xonly, 1)));
}

TEST(CltStiffness, GammaMethodOnThreeLayers)
{
    // 30/30/30 (x, y, x): EI0 = 49.5, EA2 = 594.0, R = 6.43478e-7, a = 0.06.
    CltSection s = Clt_Test_Section_EG({{30, 0}, {30, 1}, {30, 0}}, 11e6, 690000);
    s.thickness = 90.0;
    const double EI0 = 49.5, EA2 = 594.0, R = 0.015 / 690000 + 0.03 / 50000 + 0.015 / 690000, a = 0.06, l = 3.0;
    EXPECT_NEAR(R, 6.43478e-7, 1e-12);
    const double gamma = 1.0 / (1.0 + kPi * kPi * EA2 * R / ((l * a) * (l * a)));
    EXPECT_NEAR(gamma, 0.895710, 1e-6);
    EXPECT_NEAR(Clt_Effective_Bending_Stiffness(&s, 0, l), 581.552, 1e-3);

    // EN 1995-1-1 Annex B with two parts (the outer layers) joined by the
    // slip modulus 1/R per metre width: gamma_1 of part 1, part 2 rigid.
    const double EA = 11e6 * 0.03, EI_parts = 2 * 11e6 * 0.03 * 0.03 * 0.03 / 12.0;
    const double g1 = 1.0 / (1.0 + kPi * kPi * EA * R / (l * l));
    const double a2 = g1 * EA * a / (g1 * EA + EA), a1 = a - a2;
    const double annex_b = EI_parts + g1 * EA * a1 * a1 + EA * a2 * a2;
    EXPECT_NEAR(Clt_Effective_Bending_Stiffness(&s, 0, l), annex_b, 1e-9);
    EXPECT_NEAR(EI0 + gamma * EA2, annex_b, 1e-9);
}

TEST(CltStiffness, GammaMethodWithCrossingOuterLayers)
{
    // 20 y, 40 x, 30 y, 40 x, 20 y: the joint runs from the second to the
    // second-last layer, a = 0.07, R = 0.02/690000 + 0.03/50000 + 0.02/690000.
    CltSection s = Clt_Test_Section_EG({{20, 1}, {40, 0}, {30, 1}, {40, 0}, {20, 1}}, 11e6, 690000);
    s.thickness = 150.0;
    struct {
        double l, expected;
    } rows[] = {{3.0, 1047.6541102}, {5.0, 1137.0596072}};
    for (const auto& r : rows) EXPECT_NEAR(Clt_Effective_Bending_Stiffness(&s, 0, r.l), r.expected, 1e-6) << r.l;
}

TEST(CltStiffness, GammaMethodDegenerateCases)
{
    CltSection two = Clt_Test_Section_EG({{30, 0}, {30, 1}}, 11e6, 690000);
    two.thickness = 60.0;
    EXPECT_EQ(Clt_Effective_Bending_Stiffness(&two, 0, 3.0), 0.0);
    EXPECT_EQ(Clt_Effective_Bending_Stiffness(nullptr, 0, 3.0), 0.0);
    // Three layers with crossing outer layers: no joint (a = 0), EI0 alone.
    CltSection yxy = Clt_Test_Section_EG({{30, 1}, {30, 0}, {30, 1}}, 11e6, 690000);
    yxy.thickness = 90.0;
    EXPECT_NEAR(Clt_Effective_Bending_Stiffness(&yxy, 0, 3.0), 11e6 * 0.03 * 0.03 * 0.03 / 12.0, 1e-12);
}

TEST(CltStiffness, ShearDeformationFactor)
{
    CltSection s = Clt_Test_Section({{30, 0}, {30, 1}, {30, 0}});
    Clt_Section_Values(&s);
    EXPECT_NEAR(s.shear_correction_x, 0.1546178509, 1e-9);
    EXPECT_NEAR(Clt_Shear_Deformation_Factor(&s, 0, 3000.0), 1.051849, 1e-6);
    CltSection none = Clt_Test_Section({});
    EXPECT_TRUE(std::isnan(Clt_Shear_Deformation_Factor(&none, 0, 3000.0)));
}

TEST(CltStiffness, ShearStiffnessOfDegenerateSections)
{
    CltSection none = Clt_Test_Section({});
    EXPECT_EQ(Clt_Shear_Stiffness(&none, 0), std::numeric_limits<double>::infinity());
    // Without G_R a cross layer takes G/10: 40/20/40 with a = 0.06.
    CltSection s = Clt_Test_Section_EG({{40, 0}, {20, 1}, {40, 0}}, 11e6, 690000);
    s.rolling_shear_modulus = 0.0;
    EXPECT_NEAR(Clt_Shear_Stiffness(&s, 0), 0.06 * 0.06 / (0.04 / 690000 + 0.02 / 69000), 1e-6);
}

TEST(CltStiffness, MeansFromTheMaterialTables)
{
    CltSection s = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}});
    // The layer records are not read: values come from the tables.
    s.layers[0].E = 1.0, s.layers[0].f_c = 1.0;
    {
        ScopedAnnex annex(0);
        EXPECT_DOUBLE_EQ(Clt_Mean_Ft0k(&s, 0, 1), 14500.0);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_DOUBLE_EQ(Clt_Mean_Ft0k(&s, 0, 1), 14000.0);
    EXPECT_DOUBLE_EQ(Clt_Mean_Fc0k(&s, 0, 1), 21000.0);
    EXPECT_DOUBLE_EQ(Clt_Mean_E(&s, 0), 11000000.0);
    EXPECT_DOUBLE_EQ(Clt_Mean_E_Checked(&s, 1), 11000000.0);

    CltSection xonly = Clt_Test_Section({{40, 0}, {40, 0}});
    EXPECT_EQ(Clt_Mean_E_Checked(&xonly, 1), -1.0);
    EXPECT_TRUE(std::isnan(Clt_Mean_E(&xonly, 1)));
    EXPECT_TRUE(std::isnan(Clt_Mean_Fc0k(&xonly, 1, 1)));
    EXPECT_TRUE(std::isnan(Clt_Mean_Ft0k(&xonly, 1, 1)));
    CltSection none = Clt_Test_Section({});
    EXPECT_EQ(Clt_Mean_E_Checked(&none, 0), -1.0);
    EXPECT_EQ(Clt_Mean_E_Checked(nullptr, 0), 0.0);
}

// A layer of negative thickness or an undefined span is no section to compute
// from: the stiffness values give their failure results.
TEST(CltStiffness, NonsenseIsRefused)
{
    CltSection s = Clt_Test_Section_EG({{40, 0}, {-20, 1}, {40, 0}}, 11000000.0, 690000.0);
    EXPECT_TRUE(std::isnan(Clt_Shear_Correction(&s, 0)));
    EXPECT_EQ(Clt_Layers_Valid(&s), 0);
    EXPECT_EQ(Clt_Effective_Bending_Stiffness(&s, 0, 4.5), 0.0);
    EXPECT_TRUE(std::isnan(Clt_Shear_Deformation_Factor(&s, 0, 4500)));

    CltSection ok = Clt_Test_Section_EG({{40, 0}, {20, 1}, {40, 0}}, 11000000.0, 690000.0);
    ok.shear_correction_x = Clt_Shear_Correction(&ok, 0);
    EXPECT_EQ(Clt_Layers_Valid(&ok), 1);
    EXPECT_EQ(Clt_Layers_Valid(nullptr), 0);
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    for (double l : {0.0, -4.5, nan, inf}) {
        EXPECT_EQ(Clt_Effective_Bending_Stiffness(&ok, 0, l), 0.0) << l;
        EXPECT_TRUE(std::isnan(Clt_Shear_Deformation_Factor(&ok, 0, l * 1000.0))) << l;
    }
    EXPECT_GT(Clt_Effective_Bending_Stiffness(&ok, 0, 4.5), 0.0);
    EXPECT_GT(Clt_Shear_Deformation_Factor(&ok, 0, 4500), 1.0);
}
