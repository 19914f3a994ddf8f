// Charring depths and residual sections, worked by hand along the charring
// law of EN 1995-1-2 3.4.3 layer by layer (beta 0.65 mm/min unless stated).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "clt/cltfire.h"
#include "clt/tests/clt_fixture.h"

namespace {

CltSection Burnable(std::initializer_list<std::pair<double, int>> layers, double beta = 0.65)
{
    CltSection s = Clt_Test_Section(layers);
    Clt_Section_Values(&s);
    s.charring_rate = beta;
    return s;
}

} // namespace

TEST(CltFire, Unprotected)
{
    CltSection five = Burnable({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}});
    CltSection stays = five;
    stays.char_stays = 1;
    CltSection thin_first = Burnable({{20, 0}, {40, 1}});
    CltSection twenty_five = Burnable({{20, 0}, {25, 1}, {40, 0}});
    CltSection none = Burnable({});
    struct {
        const char* what;
        const CltSection* s;
        unsigned side;
        double t, expected;
    } rows[] = {
        {"t 10: 6.5 + 7 * 0.5", &five, 0, 10, 10.0},
        {"t 60: 25 + 14 in the first layer", &five, 0, 60, 46.0},
        {"t 90: 40 + 20 + 17 at 1.3 mm/min", &five, 0, 90, 84.0},
        {"side 1 of a symmetric section", &five, 1, 90, 84.0},
        {"side 2: 0.65 * 90", &five, 2, 90, 65.5},
        {"side 3", &five, 3, 90, 65.5},
        {"char stays: every layer at beta", &stays, 0, 90, 65.5},
        // 20 at beta (30.77 min), then 25 at 1.3 (19.23 min), then 10 min at beta
        {"thin first layer", &thin_first, 0, 60, 51.5 + 7.0},
        // 40 at beta first from the bottom: 25 + 0.65 * 21.54
        {"from the bottom", &thin_first, 1, 60, 46.0},
        // 20 (30.77 min), the 25 mm layer through at 1.3 (19.23 min), 15 min of 40 at 1.3
        {"25 mm layer chars through at 2 beta", &twenty_five, 0, 65, 20 + 25 + 1.3 * 15.0 + 7.0},
        {"no layers", &none, 0, 90, 7.0},
        {"t 0", &five, 0, 0, 0.0},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(Clt_Effective_Char_Depth(r.s, r.side, r.t, 0, 0, 0, 0), r.expected, 1e-9) << r.what;
    EXPECT_EQ(Clt_Effective_Char_Depth_2(&five, 0, 90, 0, 0, 0, 0), Clt_Effective_Char_Depth(&five, 0, 90, 0, 0, 0, 0));
}

TEST(CltFire, ProtectedCharringBeforeFailure)
{
    // t_ch 10, t_f 30, k2 0.6, k3 2: t_a = 30 + (25 - 7.8) / 1.3 = 43.2308.
    CltSection thick = Burnable({{100, 0}});
    CltSection five = Burnable({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}});
    const double t_a = 30 + 17.2 / 1.3;
    struct {
        const char* what;
        const CltSection* s;
        unsigned side;
        double t, expected;
    } rows[] = {
        {"side 2, cladding holds", &five, 2, 20, 0.39 * 10 + 7.0},
        {"side 2, after t_a", &five, 2, 90, 7.8 + 17.2 + 0.65 * (90 - t_a) + 7.0},
        {"side 2, between t_f and t_a", &five, 2, 40, 7.8 + 1.3 * 10 + 7.0},
        {"side 2 before charring", &five, 2, 8, 0.0 + 7.0 * 8 / 20},
        // The fire ends while the cladding holds: 3.9 mm, not the 25 mm of t_a.
        {"layers, cladding holds", &five, 0, 20, 3.9 + 7.0},
        {"layers, one thick layer", &thick, 0, 90, 55.4 + 7.0},
        // 40 through at 66.31 min, 20 through at 2 beta by 81.69, then 8.31 min at 2 beta
        {"layers, five", &five, 0, 90, 40 + 20 + 1.3 * (90 - t_a - 15 / 0.65 - 20 / 1.3) + 7.0},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(Clt_Effective_Char_Depth(r.s, r.side, r.t, 30, 10, 0.6, 2), r.expected, 1e-9) << r.what;
    EXPECT_NEAR(Clt_Effective_Char_Depth(&five, 2, 90, 30, 10, 0.6, 2), 62.4, 1e-9);
}

TEST(CltFire, ProtectedCharringFromFailure)
{
    // t_ch = t_f = 20: 2 beta until min(40, 20 + 25 / 1.3) = 39.23 min.
    CltSection one = Burnable({{40, 0}});
    CltSection three = Burnable({{20, 0}, {20, 1}, {40, 0}});
    const double m = 20 + 25 / 1.3;
    struct {
        const char* what;
        const CltSection* s;
        unsigned side;
        double t, t_ch, expected;
    } rows[] = {
        {"one layer: 25 at 1.3, then 0.65", &one, 0, 60, 20, 25 + 0.65 * (60 - m) + 7.0},
        {"before charring: 7 * 15 / 30", &one, 0, 15, 30, 3.5},
        {"side 2", &one, 2, 60, 20, 25 + 0.65 * (60 - m) + 7.0},
        {"side 2 during the doubled rate", &one, 2, 30, 20, 1.3 * 10 + 7.0},
        // 20 through at 2 beta, the next 5 mm to m, the rest of that layer at
        // 2 beta, the third layer at beta
        {"three layers", &three, 0, 60, 20, 40 + 0.65 * (60 - m - 15 / 1.3) + 7.0},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(Clt_Effective_Char_Depth(r.s, r.side, r.t, r.t_ch, r.t_ch, 0, 0), r.expected, 1e-9) << r.what;
    // 38.5 and 45.5 to the accuracy of the worked example
    EXPECT_NEAR(Clt_Effective_Char_Depth(&one, 0, 60, 20, 20, 0, 0), 45.5, 0.01);
}

TEST(CltFire, NoValidDepth)
{
    CltSection s = Burnable({{40, 0}, {20, 1}, {40, 0}});
    CltSection flat = Burnable({{40, 0}}, 0.0);
    CltSection undefined = Burnable({{40, 0}}, std::nan(""));
    EXPECT_EQ(Clt_Effective_Char_Depth(&flat, 2, 20, 30, 10, 0.6, 2), -1.0);
    EXPECT_EQ(Clt_Effective_Char_Depth(&flat, 0, 20, 0, 0, 0, 0), -1.0);
    EXPECT_EQ(Clt_Effective_Char_Depth(&undefined, 0, 20, 0, 0, 0, 0), -1.0);
    EXPECT_EQ(Clt_Effective_Char_Depth(&s, 4, 20, 0, 0, 0, 0), -1.0);
    EXPECT_EQ(Clt_Effective_Char_Depth(&s, 0, -1, 0, 0, 0, 0), -1.0);
    EXPECT_EQ(Clt_Effective_Char_Depth(&s, 0, std::nan(""), 0, 0, 0, 0), -1.0);
    EXPECT_EQ(Clt_Effective_Char_Depth(&s, 0, 60, 30, 10, 0.0, 2), -1.0);
    EXPECT_EQ(Clt_Effective_Char_Depth(&s, 0, 60, 30, 10, 0.6, -2), -1.0);
    EXPECT_EQ(Clt_Effective_Char_Depth(nullptr, 2, 60, 0, 0, 0, 0), -1.0);
    // Charring from failure does not use k2 and k3.
    EXPECT_GT(Clt_Effective_Char_Depth(&s, 0, 60, 20, 20, 0.0, 0.0), 0.0);
}

TEST(CltFire, ResidualSection)
{
    CltSection five = Burnable({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}});
    CltSection out;
    EXPECT_EQ(Clt_Residual_Section(&out, &five, 0, 0, 50), &out);
    ASSERT_EQ(out.layer_count, 4);
    const double t[4] = {10, 40, 20, 40};
    const int dir[4] = {1, 0, 1, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(out.layers[i].t, t[i]) << i;
        EXPECT_EQ(out.layers[i].direction, dir[i]) << i;
        EXPECT_DOUBLE_EQ(out.layers[i].E, 11000000.0);
    }
    EXPECT_DOUBLE_EQ(out.thickness, 110.0);
    EXPECT_DOUBLE_EQ(out.thickness_x, 80.0);
    EXPECT_DOUBLE_EQ(out.thickness_y, 30.0);
    // x centroid: (30 + 90) / 2 = 60; y centroid (10 * 5 + 20 * 60) / 30
    EXPECT_DOUBLE_EQ(out.centroid_x, 60.0);
    EXPECT_NEAR(out.centroid_y, 1250.0 / 30.0, 1e-12);
    EXPECT_DOUBLE_EQ(out.layers[1].z, 60.0 - 30.0);
    EXPECT_NEAR(out.layers[3].s_bottom_x, 0.0, 1e-12);
    EXPECT_NEAR(out.shear_stiffness_sum, 0.25 * 690000 * 110 * 0.001, 1e-9);
    EXPECT_TRUE(out.shear_correction_x > 0.0 && out.shear_correction_x < 5.0 / 6.0);

    // Referred to the y centroid, the y moments close at the bottom face.
    Clt_Residual_Section(&out, &five, 1, 0, 50);
    EXPECT_NEAR(out.layers[0].z, 1250.0 / 30.0 - 5.0, 1e-12);
    EXPECT_NEAR(out.layers[3].s_bottom_y, 0.0, 1e-12);

    // From both faces, in place; negative depths remove nothing.
    CltSection both = five;
    Clt_Residual_Section(&both, &both, 0, 45, 50);
    ASSERT_EQ(both.layer_count, 3);
    EXPECT_DOUBLE_EQ(both.layers[2].t, 15.0);
    EXPECT_DOUBLE_EQ(both.thickness, 65.0);
    Clt_Residual_Section(&out, &five, 0, -5, -1);
    EXPECT_EQ(out.layer_count, 5);
    EXPECT_DOUBLE_EQ(out.thickness, 160.0);
    // Everything charred: no layers left.
    Clt_Residual_Section(&out, &five, 0, 100, 100);
    EXPECT_EQ(out.layer_count, 0);
    EXPECT_EQ(out.thickness, 0.0);
    EXPECT_EQ(Clt_Residual_Section(nullptr, &five, 0, 0, 0), nullptr);
    EXPECT_EQ(Clt_Residual_Section(&out, nullptr, 0, 0, 0), &out);
}

// Charring from failure of the cladding (t_ch = t_f = 10 min) on a plate of
// one 200 mm layer, beta 0.65: EN 1995-1-2 (3.8a) with k3 = 2 ends the
// doubled rate at t_a = min(2 * 10, 10 + 25 / 1.3) = 20 min, whether the fire
// meets the layers from a face or a face across them, and whether the char
// stays or not. 60 min: 1.3 * 10 + 0.65 * 40 = 39 mm, k0 = 1: 46.0 mm;
// 30 min: 13 + 6.5 + 7 = 26.5; 15 min: 6.5 + 7 * 15 / 20 = 11.75.
TEST(CltFire, ProtectedCharringOneRuleOnEverySide)
{
    struct {
        double t, expected;
    } rows[] = {{60, 46.0}, {30, 26.5}, {15, 11.75}};
    for (int stays = 0; stays <= 1; ++stays) {
        CltSection plate = Burnable({{200, 0}});
        plate.char_stays = stays;
        for (const auto& r : rows)
            for (unsigned side = 0; side <= 3; ++side)
                EXPECT_NEAR(Clt_Effective_Char_Depth(&plate, side, r.t, 10, 10, 0, 0), r.expected, 1e-9)
                    << "t " << r.t << " side " << side << " char_stays " << stays;
    }
}

// Nonsense is refused with -1, never charred as if unprotected or from a
// layer of negative thickness.
TEST(CltFire, UndefinedCladdingTimesAndLayersAreRefused)
{
    CltSection s = Burnable({{40, 0}, {20, 1}, {40, 0}});
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    for (unsigned side : {0u, 2u}) {
        EXPECT_EQ(Clt_Effective_Char_Depth(&s, side, 60, nan, 0, 0, 0), -1.0) << side;
        EXPECT_EQ(Clt_Effective_Char_Depth(&s, side, 60, 30, nan, 0.6, 2), -1.0) << side;
        EXPECT_EQ(Clt_Effective_Char_Depth(&s, side, 60, nan, nan, 0, 0), -1.0) << side;
        EXPECT_EQ(Clt_Effective_Char_Depth(&s, side, 60, 30, -10, 0.6, 2), -1.0) << side;
        EXPECT_EQ(Clt_Effective_Char_Depth(&s, side, 60, -30, 0, 0, 0), -1.0) << side;
        EXPECT_EQ(Clt_Effective_Char_Depth(&s, side, 60, inf, 10, 0.6, 2), -1.0) << side;
        EXPECT_EQ(Clt_Effective_Char_Depth(&s, side, 60, 30, 10, inf, 2), -1.0) << side;
        EXPECT_EQ(Clt_Effective_Char_Depth(&s, side, 60, 30, 10, 0.6, nan), -1.0) << side;
    }
    CltSection negative = Burnable({{40, 0}, {-20, 1}, {40, 0}});
    EXPECT_EQ(Clt_Effective_Char_Depth(&negative, 0, 60, 0, 0, 0, 0), -1.0);
    // Unprotected: t_f and t_ch 0 as before (0.65 * 30 + 7).
    EXPECT_NEAR(Clt_Effective_Char_Depth(&s, 0, 30, 0, 0, 0, 0), 26.5, 1e-9);
}
