// Timber connection formulas. Expected values worked by hand from the
// formulas (EN 1995-1-1 8.1.2, 8.5.1.1, 8.9, 8.10; DIN 1052).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "materials/connformulas.h"
#include "test_support/annex/scopedannex.h"

TEST(ConnFormulas, EffectiveNumbers)
{
    {
        ScopedAnnex annex(0);
        EXPECT_NEAR(Nef_Bolt(12, 5, 84, 0), 3.6464, 5e-5);
        EXPECT_NEAR(Nef_Bolt(12, 5, 84, 45), 4.3232, 5e-5);
        // The angle is folded into 0..90 degrees.
        EXPECT_DOUBLE_EQ(Nef_Bolt(12, 5, 84, -30), Nef_Bolt(12, 5, 84, 30));
        EXPECT_DOUBLE_EQ(Nef_Bolt(12, 5, 84, 210), Nef_Bolt(12, 5, 84, 30));
        EXPECT_DOUBLE_EQ(Nef_Bolt(12, 5, 84, 90), 5.0);
        EXPECT_DOUBLE_EQ(Nef_Bolt(12, 1, 84, 0), 1.0);
        // The annex value falls for long rows; it never goes below zero.
        EXPECT_DOUBLE_EQ(Nef_Connector(4, 0), 2.0 + 0.8 * 2.0);
        EXPECT_DOUBLE_EQ(Nef_Connector(30, 0), 0.0);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_NEAR(Nef_Bolt(12, 5, 84, 0), 3.8936, 5e-5);
    EXPECT_NEAR(Nef_Nail(4, 0, 10, 48, 0), 8.4140, 5e-5);
    // k_ef 0.5 not predrilled at 5 d; 0.5667 predrilled.
    EXPECT_NEAR(Nef_Nail(4, 0, 10, 20, 0), std::pow(10.0, 0.5), 1e-12);
    EXPECT_NEAR(Nef_Nail(4, 1, 10, 20, 0), std::pow(10.0, 0.5 + 0.2 / 3.0), 1e-12);
    EXPECT_DOUBLE_EQ(Nef_Connector(20, 90), 10.0);
    EXPECT_DOUBLE_EQ(Nef_Connector(20, 0), 2.0);
    EXPECT_DOUBLE_EQ(Nef_Power(1), 1.0);
    EXPECT_NEAR(Nef_Power(10), std::pow(10.0, 0.9), 1e-12);
    EXPECT_NEAR(Nef_Bolt_Product(12, 5, 100, 72, 0), std::min(5.0, std::pow(5.0, 0.9) * std::pow(1.0, 0.25)), 1e-12);

    const struct {
        int type;
        double d;
        double expected;
    } by_type[] = {
        {2, 6.001, Nef_Nail(6.001, 0, 6, 60, 0)},
        {2, 8.0, Nef_Bolt(8.0, 6, 60, 0)},
        {1, 8.0, Nef_Nail(8.0, 0, 6, 60, 0)},
        {29, 8.0, Nef_Bolt(8.0, 6, 60, 0)},
        {25, 65.0, Nef_Connector(6, 0)},
        {45, 4.0, Nef_Nail(4.0, 0, 6, 60, 0)},
        {-1, 8.0, 6.0},
        {47, 8.0, 6.0},
    };
    for (const auto& c : by_type) EXPECT_DOUBLE_EQ(Nef_By_Fastener(c.type, c.d, 0, 6, 60, 0), c.expected) << c.type;
}

TEST(ConnFormulas, NoResultIsInfiniteOrNaN)
{
    ScopedAnnex annex(0);
    const double values[] = {
        Nef_Bolt(0, 5, 84, 0),
        Nef_Nail(0, 0, 5, 20, 0),
        Nef_Bolt_Product(0, 5, 1, 1, 0),
        Connector_Capacity_Two_Thickness(0, 15, 0, 30, 50, 380, nullptr),
        Connector_Capacity_Two_Thickness(65, 0, 0, 30, 50, 380, nullptr),
        Connector_Capacity_One_Thickness(65, 15, 0, 0, 50, 0, nullptr),
        Fire_Time_ta(0, 30, 20, 25, 0, 1, 1),
        Percent_Ratio(1, 0, 0, nullptr),
        Three_Mode_Resistance(1, 1, 1, 1, 1, 1, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        Three_Mode_Resistance_Short(1, 1, 1, 1, 0, 0, nullptr, nullptr, nullptr, nullptr),
    };
    for (double v : values) {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_DOUBLE_EQ(v, 0.0);
    }
}

TEST(ConnFormulas, ConnectorCapacities)
{
    ConnectionResult r;
    std::memset(&r, 0, sizeof r);
    {
        ScopedAnnex annex(0);
        // Split ring A1, d_c 65, h_e 15, t 30 / 50, rho 380, 30 degrees:
        // k_a 0.916380, 35 d_c^1.5 = 18341.7, k1 = 30/45, k3 = 380/350.
        EXPECT_NEAR(Connector_Capacity_Two_Thickness(65, 15, 30, 30, 50, 380, &r), 12165.73, 0.01);
        EXPECT_DOUBLE_EQ(r.k_4, 1.0);
        EXPECT_NEAR(r.k_alpha, 1.0 / (1.365 * 0.25 + 0.75), 1e-12);
        EXPECT_NEAR(r.k_density, 380.0 / 350.0, 1e-12);
        EXPECT_NEAR(r.k_thickness, 30.0 / 45.0, 1e-12);
        EXPECT_DOUBLE_EQ(r.t_req, 45.0);
        EXPECT_DOUBLE_EQ(r.t_req_2, 75.0);
        // A smaller connector afterwards keeps the larger requirements.
        Connector_Capacity_Two_Thickness(50, 6, 0, 30, 50, 380, &r);
        EXPECT_DOUBLE_EQ(r.t_req, 45.0);
        EXPECT_DOUBLE_EQ(r.t_req_2, 75.0);
        EXPECT_DOUBLE_EQ(r.k_thickness, 1.0);
        // Density factor capped at 1.75.
        Connector_Capacity_Two_Thickness(65, 15, 0, 100, 100, 700, &r);
        EXPECT_DOUBLE_EQ(r.k_density, 1.75);

        // Shear plate d_c 67, h_e 15 in 50 mm, rho 350: the member needs the
        // full 75 mm (k1 = 2/3), not a tenth of it.
        EXPECT_NEAR(Connector_Capacity_One_Thickness(67, 15, 0, 999, 50, 350, &r), 14076.08, 0.01);
        EXPECT_NEAR(r.k_thickness, 50.0 / 75.0, 1e-12);
        EXPECT_DOUBLE_EQ(r.t_req_2, 75.0);
        EXPECT_NEAR(Connector_Capacity_One_Thickness(67, 15, 0, 0, 2.4, 350, nullptr), 21114.12 * 2.4 / 75.0, 0.01);
    }
    ScopedAnnex din(ScopedAnnex::kNone); // without the factor 1.1
    EXPECT_NEAR(Connector_Capacity_One_Thickness(67, 15, 0, 0, 75, 350, nullptr), 35.0 * std::pow(67.0, 1.5), 1e-6);
    EXPECT_NEAR(Connector_Angle_Factor(100, 90), 1.0 / 1.4, 1e-12);
}

TEST(ConnFormulas, PlatesHolesSpacingsAndRods)
{
    const struct {
        int type, kind;
        double d, t;
        int cls;
        double ratio;
    } plates[] = {
        {0, 12, 4, 4, 2, 1.0},    {0, 12, 4, 3, 1, 0.5},
        {0, 12, 4, 2, 0, 0.0},    {0, 16, 4, 4, 1, 2.0 * 4 / (4 * 1.4422495703074083) - 1.0},
        {0, 16, 4, 5.77, 2, 1.0}, {22, 12, 6, 2.0, 2, 1.0},
        {22, 16, 6, 2.0, 0, 0.0}, {45, 12, 4, 0.5, 2, -1.0},
    };
    for (const auto& p : plates) {
        double ratio = 99;
        EXPECT_EQ(Plate_Thickness_Class(p.type, p.kind, p.d, p.t, &ratio), p.cls) << p.type << " " << p.t;
        EXPECT_NEAR(ratio, p.ratio, 1e-12) << p.type << " " << p.t;
    }
    const double holes[][2] = {{12, 13}, {15.98, 16.98}, {16, 18}, {24, 26}, {27, 30}};
    for (const auto& h : holes) EXPECT_DOUBLE_EQ(Bolt_Hole_Diameter(h[0]), h[1]) << h[0];
    const double rods[][2] = {{100, 4.0}, {250, 4.0}, {400, 3.25}, {500, 2.75}, {800, 2.3}, {1000, 2.0}, {2000, 2.0}};
    for (const auto& r : rods) EXPECT_NEAR(Glued_Rod_Bond_Strength(r[0]), r[1], 1e-12) << r[0];
    EXPECT_EQ(Spacing_Check_Sum(10, 5, 40, 5), 1);
    EXPECT_EQ(Spacing_Check_Sum(10, 6, 40, 5), 0);
    EXPECT_EQ(Spacing_Check_Diff(50, 10, 10), 1);
    EXPECT_EQ(Spacing_Check_Diff(50, 10, 11), 0);
    EXPECT_DOUBLE_EQ(Nail_Min_Thickness(4, 350), 28.0);
    EXPECT_DOUBLE_EQ(Nail_Min_Thickness(8, 400), 74.0);
    EXPECT_DOUBLE_EQ(Nail_Min_Thickness_Splitting(8, 400), 148.0);
    for (int type = -3; type <= 48; ++type)
        EXPECT_EQ(Fastener_Uses_Pin_Rules(type), (type >= 0 && type <= 24) || (type >= 34 && type <= 46)) << type;
}

TEST(ConnFormulas, ModesRatioAndFire)
{
    int mode = -1;
    double r0 = 0, r1 = 0, r2 = 0;
    ScopedAnnex din(ScopedAnnex::kNone);
    // r0 = 2 * 3 / 4 = 1.5, r1 = min(5, 1) * 1 * 3 * 1 = 3, r2 = 1 * 1 * 35 * 3 / 100 = 1.05
    EXPECT_DOUBLE_EQ(Three_Mode_Resistance(2, 1, 5, 1, 3, 1, 4, 100, 1, 1, &mode, &r0, &r1, &r2), 1.05);
    EXPECT_EQ(mode, 2);
    EXPECT_DOUBLE_EQ(r0, 1.5);
    EXPECT_DOUBLE_EQ(r1, 3.0);
    {
        ScopedAnnex annex(0); // l < m / 2 scales r0 by l / (m / 2)
        EXPECT_DOUBLE_EQ(Three_Mode_Resistance(2, 1, 5, 1, 3, 1, 4, 1, 1, 4, &mode, &r0, &r1, &r2), 0.75);
        EXPECT_EQ(mode, 0);
    }
    // r0 = 1 / 2, r1 = 1 * 1 * 1 = 1, r2 = 1 * 20 * 1 / 40 = 0.5: r2 not below r0, r0 < r1
    EXPECT_DOUBLE_EQ(Three_Mode_Resistance_Short(1, 1, 1, 1, 2, 40, &mode, &r0, &r1, &r2), 0.5);
    EXPECT_EQ(mode, 0);
    double percent = 0;
    EXPECT_DOUBLE_EQ(Percent_Ratio(-5, 20, 50, &percent), 0.5);
    EXPECT_DOUBLE_EQ(percent, 25.0);
    EXPECT_DOUBLE_EQ(Fire_Time_ta(1, 30, 20, 1000, 0.65, 2, 2), 60.0);
    EXPECT_NEAR(Fire_Time_ta(1, 30, 20, 25, 0.65, 2, 2), 30 + 25 / 1.3, 1e-12);
    EXPECT_NEAR(Fire_Time_ta(0, 30, 20, 25, 0.65, 2, 2), 30 + (25 - 10 * 1.3) / 1.3, 1e-12);
}

TEST(ConnFormulas, ScrewProductPreset)
{
    UserScrewProduct p;
    std::memset(&p, 0x55, sizeof p);
    const unsigned char reserved = p.reserved[0];
    ASSERT_EQ(Screw_Product_Preset(43, &p), 1);
    EXPECT_EQ(std::memcmp(p.name, "Assy                      ", 26), 0);
    EXPECT_EQ(p.name[26], '\0');
    const int ints[] = {p.designation_flag, p.sub_type,   p.thread_layout,  p.product_class,
                        p.variant,          p.has_washer, p.diameter_index, p.preset_done};
    const int expected[] = {1, 6, 2, 0, 0, 0, 1, 1};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(ints[i], expected[i]) << i;
    EXPECT_EQ(p.reserved[0], reserved);
    const double doubles[] = {
        p.d, p.d_head, p.d_inner, p.length, p.head_thread_length, p.thread_length, p.washer_diameter, p.axis_angle};
    const double dexp[] = {8, 10, 5, 100, 20, 20, 28, 90};
    for (int i = 0; i < 8; ++i) EXPECT_DOUBLE_EQ(doubles[i], dexp[i]) << i;

    ASSERT_EQ(Screw_Product_Preset(44, &p), 1);
    EXPECT_EQ(std::memcmp(p.name, "Spax ", 5), 0);
    EXPECT_EQ(p.sub_type, 1);
    EXPECT_EQ(p.diameter_index, 3);

    std::memset(&p, 0, sizeof p);
    EXPECT_EQ(Screw_Product_Preset(13, &p), 0);
    EXPECT_EQ(p.preset_done, 1);
    EXPECT_DOUBLE_EQ(p.d, 0.0);
}

// Time limit of the charring phase, worked by hand from EN 1995-1-2 (3.8), (3.9).
TEST(FireTimeTa, BothForms)
{
    struct {
        int same_time;
        double t_f, t_ch, depth, beta, k2, k3, expected;
    } rows[] = {
        // 30 + (25 - 20 * 0.65 * 0.6) / 1.3
        {0, 30, 10, 25, 0.65, 0.6, 2, 30 + 17.2 / 1.3},
        // min(40, 20 + 25 / 1.3)
        {1, 20, 20, 25, 0.65, 1, 2, 20 + 25 / 1.3},
        // a large depth gives 2 t_f
        {1, 20, 20, 100, 0.65, 1, 2, 40},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(Fire_Time_ta(r.same_time, r.t_f, r.t_ch, r.depth, r.beta, r.k2, r.k3), r.expected, 1e-12);
}
