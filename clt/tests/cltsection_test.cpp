// Section values of a cross-laminated timber plate. Expected numbers are worked
// out by hand from the layer build-ups (E 11,000,000, G 690,000, G_R 50,000
// kN/m2, the C24 values of the grade tables).
#include <gtest/gtest.h>

#include <cmath>

#include "clt/cltsection.h"
#include "clt/cltstiffness.h"
#include "clt/tests/clt_fixture.h"

namespace {

CltSection FiveLayers()
{
    CltSection s = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}});
    Clt_Section_Values(&s);
    return s;
}

} // namespace

TEST(CltSection, FiveLayerSectionValues)
{
    CltSection s = FiveLayers();
    EXPECT_DOUBLE_EQ(s.layers[0].E, 11000000.0);
    EXPECT_DOUBLE_EQ(s.layers[0].G, 690000.0);
    EXPECT_DOUBLE_EQ(s.thickness, 160.0);
    EXPECT_DOUBLE_EQ(s.thickness_x, 120.0);
    EXPECT_DOUBLE_EQ(s.thickness_y, 40.0);
    EXPECT_DOUBLE_EQ(s.centroid_x, 80.0);
    EXPECT_DOUBLE_EQ(s.centroid_y, 80.0);
    const double z[5] = {60, 30, 0, -30, -60};
    for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(s.layers[i].z, z[i]) << i;

    struct {
        const char* what;
        double value, expected, tol;
    } rows[] = {
        {"second moment x", Clt_Second_Moment(&s, 0), 304000.0, 1e-9},
        {"sum Gt", Clt_Sum_Gt(&s), 27600.0, 1e-9},
        {"stored sum Gt", s.shear_stiffness_sum, 27600.0, 1e-9},
        {"shear rigidity x", Clt_Shear_Rigidity(&s, 0), 84800000.0, 1e-6},
        {"shear stiffness x", Clt_Shear_Stiffness(&s, 0), 15721.5190, 1e-4},
        // 11e6 * (3 * 0.04^3/12 + 2 * 0.04 * 0.06^2)
        {"bending stiffness x", Clt_Bending_Stiffness(&s, 0), 3344.0, 1e-9},
        {"transformed inertia x", Clt_Transformed_Inertia(&s, 0), 3344.0 / 11e6, 1e-15},
        {"axial stiffness x", Clt_Axial_Stiffness(&s, 0), 11e6 * 120.0, 1e-3},
        {"lateral inertia y, b 10", Clt_Sum_Lateral_Inertia(&s, 1, 10.0), 40.0 * 1000.0 / 12.0, 1e-9},
        // (120 * 690000 + 40 * 50000) / 160
        {"mean shear modulus x", Clt_Mean_Shear_Modulus(&s, 0), 530000.0, 1e-9},
        {"weight sum", Clt_Weight_Sum(&s), 80000.0, 1e-9},
        // top layer s_mid: -11000 * 0.02 * 0.07; at the centroid -(26.4 + 2.2)
        {"s_mid_x layer 0", s.layers[0].s_mid_x, -15.4, 1e-12},
        {"s_bottom_x layer 0", s.layers[0].s_bottom_x, -26.4, 1e-12},
        {"s_mid_x layer 2", s.layers[2].s_mid_x, -28.6, 1e-12},
        {"s_top_x layer 1", s.layers[1].s_top_x, -26.4, 1e-12},
        {"s_bottom_x bottom face", s.layers[4].s_bottom_x, 0.0, 1e-12},
        {"s_bottom_y bottom face", s.layers[4].s_bottom_y, 0.0, 1e-12},
    };
    for (const auto& r : rows) EXPECT_NEAR(r.value, r.expected, r.tol) << r.what;

    s.edge_glued = 1;
    EXPECT_NEAR(Clt_Sum_Gt(&s), 110400.0, 1e-9);
}

TEST(CltSection, TorsionSumOverAllLayers)
{
    CltSection s = FiveLayers();
    // sum t G (t^2/6 + 2 z^2): 690000 * (40*(1600/6+7200)*2 + 20*(400/6+1800)*2 + 40*1600/6)
    const double expected = 690000.0 * (2 * 40 * (1600.0 / 6 + 7200) + 2 * 20 * (400.0 / 6 + 1800) + 40 * 1600.0 / 6);
    EXPECT_NEAR(Clt_Torsion_Sum(&s), expected, 1e-3);
}

TEST(CltSection, ThicknessBelowOneMillimetreIsTheLayerSum)
{
    struct {
        double given, expected;
    } rows[] = {{0.5, 160.0}, {-0.5, 160.0}, {0.0, 160.0}, {150.0, 150.0}, {1.0, 1.0}};
    for (const auto& r : rows) {
        CltSection s = Clt_Test_Section_EG({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}}, 11e6, 690000);
        s.thickness = r.given;
        Clt_Centroids(&s);
        EXPECT_DOUBLE_EQ(s.thickness, r.expected) << r.given;
        EXPECT_DOUBLE_EQ(s.centroid_x, 80.0);
    }
}

TEST(CltSection, TransformedInertiaTakesTheFirstLayerOfTheDirection)
{
    CltSection s = Clt_Test_Section_EG({{30, 1}, {30, 0}, {30, 1}, {30, 0}}, 11e6, 690000);
    s.layers[1].E = 8e6;  // first x layer from the top
    s.layers[3].E = 16e6; // stiffest x layer
    Clt_Centroids(&s);
    EXPECT_DOUBLE_EQ(Clt_Transformed_Inertia(&s, 0), Clt_Bending_Stiffness(&s, 0) / 8e6);
}

TEST(CltSection, UnsymmetricSectionTakesTheYMomentsFromTheXCentroid)
{
    // 40 x, 20 y, 30 x, 30 y: x centroid 43.571, y centroid 83.0.
    CltSection s = Clt_Test_Section({{40, 0}, {20, 1}, {30, 0}, {30, 1}});
    Clt_Section_Values(&s);
    EXPECT_NEAR(s.centroid_x, 43.5714285714, 1e-9);
    EXPECT_NEAR(s.centroid_y, 83.0, 1e-12);
    EXPECT_NEAR(s.layers[3].z, -61.4285714286, 1e-9);
    // -11000 * (0.02 * -0.0064286 + 0.03 * -0.0614286)
    EXPECT_NEAR(s.layers[3].s_bottom_y, 21.6857142857, 1e-9);
    EXPECT_NEAR(s.layers[3].s_bottom_x, 0.0, 1e-12);

    // Referred to its own centroid the y moment returns to 0.
    Clt_Centroids_Dir(&s, 1);
    EXPECT_NEAR(s.layers[3].z, 83.0 - 105.0, 1e-12);
    Clt_Static_Moments(&s, 1);
    EXPECT_NEAR(s.layers[3].s_bottom_y, 0.0, 1e-12);
}

TEST(CltSection, StaticMomentsOfAnotherDirectionDoNothing)
{
    CltSection s = FiveLayers();
    const CltSection before = s;
    Clt_Static_Moments(&s, 2);
    Clt_Static_Moments(&s, -1);
    EXPECT_EQ(0, std::memcmp(&before, &s, sizeof s));
}

TEST(CltSection, SectionWithoutLayers)
{
    for (int count : {0, -1, 21, 1000000}) {
        CltSection s = Clt_Test_Section({});
        s.layer_count = count;
        s.thickness = 0.5;
        Clt_Centroids(&s);
        EXPECT_EQ(s.thickness, 0.0) << count;
        EXPECT_TRUE(std::isnan(s.centroid_x)) << count;
        EXPECT_TRUE(std::isnan(s.centroid_y)) << count;
        Clt_Section_Values(&s);
        Clt_Static_Moments(&s, 0);
        EXPECT_TRUE(std::isnan(s.shear_correction_x)) << count;
        EXPECT_EQ(Clt_Sum_Gt(&s), 0.0);
        EXPECT_EQ(Clt_Second_Moment(&s, 0), 0.0);
        EXPECT_EQ(Clt_Torsion_Sum(&s), 0.0);
        EXPECT_EQ(Clt_Weight_Sum(&s), 0.0);
        EXPECT_EQ(Clt_Shear_Rigidity(&s, 0), 0.0);
        EXPECT_TRUE(std::isnan(Clt_Mean_Shear_Modulus(&s, 0)));
    }
}

TEST(CltSection, NullRecord)
{
    Clt_Section_Values(nullptr);
    Clt_Centroids(nullptr);
    Clt_Centroids_Dir(nullptr, 1);
    Clt_Static_Moments(nullptr, 0);
    EXPECT_EQ(Clt_Sum_Gt(nullptr), 0.0);
    EXPECT_EQ(Clt_Sum_Thickness(nullptr, 0), 0.0);
    EXPECT_EQ(Clt_Sum_Lateral_Inertia(nullptr, 0, 1.0), 0.0);
    EXPECT_EQ(Clt_Second_Moment(nullptr, 0), 0.0);
    EXPECT_EQ(Clt_Bending_Stiffness(nullptr, 0), 0.0);
    EXPECT_EQ(Clt_Transformed_Inertia(nullptr, 0), 0.0);
    EXPECT_EQ(Clt_Axial_Stiffness(nullptr, 0), 0.0);
    EXPECT_EQ(Clt_Shear_Rigidity(nullptr, 0), 0.0);
    EXPECT_TRUE(std::isnan(Clt_Mean_Shear_Modulus(nullptr, 0)));
    EXPECT_EQ(Clt_Torsion_Sum(nullptr), 0.0);
    EXPECT_EQ(Clt_Weight_Sum(nullptr), 0.0);
}
