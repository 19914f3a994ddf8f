// Bending and rolling-shear check of a plate strip. Stresses and utilisations
// worked out by hand: sigma = M E z / EI, tau = V S / EI, strengths
// k_mod f_k / gamma_M.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "clt/cltaccess.h"
#include "clt/cltplate.h"
#include "clt/tests/clt_fixture.h"

namespace {

// 40/20/40/20/40 with E 11,000,000, G 690,000 and the strengths of the
// example, manufacturer 6 with strength factor 1.2.
CltSection FiveLayers()
{
    CltSection s = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}, {20, 1}, {40, 0}});
    Clt_Section_Values(&s);
    for (int i = 0; i < 5; ++i) {
        CltLayer& l = s.layers[i];
        l.f_m = 24000, l.f_t = 14000, l.f_c = 21000, l.f_v = 4000;
    }
    s.manufacturer = 6;
    s.strength_factor = 1.2;
    return s;
}

} // namespace

TEST(CltPlate, FiveLayerStripWithGivenKmod)
{
    CltSection s = FiveLayers();
    CltPlateCheck r;
    ASSERT_EQ(Clt_Plate_Check(&s, 1000, 0, 1, 8, 1.0, 0.9, 1.3, 50, 7, 30, &r), 1);
    EXPECT_NEAR(r.EI, 3344.0, 1e-9);
    EXPECT_NEAR(r.S, 15721.5190, 1e-4);
    EXPECT_DOUBLE_EQ(r.E_mean, 11000000.0);
    EXPECT_EQ(r.M, 50.0);
    EXPECT_EQ(r.F2, 7.0);
    EXPECT_EQ(r.V, 30.0);
    EXPECT_EQ(r.gamma_M, 1.3);
    EXPECT_EQ(r.duration, 8);
    EXPECT_EQ(r.service, 1);
    EXPECT_EQ(r.layer_count, 5);
    EXPECT_EQ(r.direction, 0);
    const CltPlateLayer& top = r.layers[0];
    EXPECT_EQ(top.k_mod, 0.9);
    EXPECT_NEAR(top.z[2], 80.0, 1e-12);
    EXPECT_NEAR(top.sigma[2], 13.1578947368, 1e-9);
    EXPECT_NEAR(top.sigma[0], 6.5789473684, 1e-9);
    EXPECT_NEAR(top.f_md, 16.6153846154, 1e-9);
    EXPECT_NEAR(top.f_td, 14 * 0.9 / 1.3, 1e-12);
    EXPECT_NEAR(top.f_cd, 21 * 0.9 / 1.3, 1e-12);
    EXPECT_NEAR(top.f_vd, 4 * 0.9 / 1.3, 1e-12);
    EXPECT_NEAR(r.layers[1].f_vd, 0.8307692308, 1e-9);
    EXPECT_NEAR(r.eta_m_max, 0.7919103314, 1e-9);
    EXPECT_EQ(r.layer_m, 0);
    EXPECT_NEAR(r.sigma_max, 13.1578947368, 1e-9);
    EXPECT_NEAR(r.sigma_min, -13.1578947368, 1e-9);
    // Cross layer: 30 * 26.4 / 3344 = 0.2368 against 0.8308.
    EXPECT_NEAR(r.layers[1].tau[1], 0.2368421053, 1e-9);
    EXPECT_NEAR(r.eta_v_max, 0.2850877193, 1e-9);
    EXPECT_EQ(r.layer_v, 1);
    // At the centroid: 30 * 28.6 / 3344.
    EXPECT_NEAR(r.tau_max, 0.2565789474, 1e-9);
    EXPECT_NEAR(r.eta_max, 0.7919103314, 1e-9);
    // Cross layers carry no bending stress; each level keeps the larger value.
    EXPECT_EQ(r.layers[1].sigma[0], 0.0);
    EXPECT_EQ(r.layers[1].eta[1], r.layers[1].eta_v[1]);
    EXPECT_EQ(top.eta[2], top.eta_m[2]);
}

TEST(CltPlate, DurationClassTakesKmodFromTheTables)
{
    CltSection s = FiveLayers();
    CltPlateCheck r;
    ASSERT_EQ(Clt_Plate_Check(&s, 1000, 0, 1, 2, 1.0, 0.3, 1.3, 50, 0, 30, &r), 1);
    for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(r.layers[i].k_mod, 0.8) << i;
    EXPECT_NEAR(r.eta_m_max, 0.8908991228, 1e-9);
    EXPECT_NEAR(r.eta_v_max, 0.3207236842, 1e-9);
}

TEST(CltPlate, CatalogueProductOfBinderholz)
{
    Clt_Test_Publish_Annex();
    // BBS 125 120/5s: 20 (30) 20 (30) 20, E 12,000,000, f_m 18, f_R 1.0.
    CltPlateCheck r;
    ASSERT_EQ(Clt_Plate_Check(Clt_Product(4, 6), 1000, 0, 1, 2, 1.0, 0.0, 1.3, 10, 0, 12, &r), 1);
    EXPECT_NEAR(r.EI, 1224.0, 1e-9);
    EXPECT_NEAR(r.sigma_max, 5.8823529412, 1e-9);
    EXPECT_NEAR(r.sigma_min, -5.8823529412, 1e-9);
    EXPECT_NEAR(r.eta_m_max, 0.5310457516, 1e-9);
    EXPECT_EQ(r.layer_m, 0);
    EXPECT_NEAR(r.eta_v_max, 0.1911764706, 1e-9);
    EXPECT_EQ(r.layer_v, 1);
}

TEST(CltPlate, NoCheckPossible)
{
    CltSection s = FiveLayers();
    struct {
        const char* what;
        double width, c, gamma_M, M, V;
        int d;
    } rows[] = {
        {"no layer of direction 2", 1000, 1, 1.3, 50, 30, 2},
        {"width 0", 0, 1, 1.3, 50, 30, 0},
        {"width negative", -1000, 1, 1.3, 50, 30, 0},
        {"gamma_M 0", 1000, 1, 0.0, 50, 30, 0},
        {"c 0", 1000, 0, 1.3, 50, 30, 0},
        {"c not a number", 1000, std::nan(""), 1.3, 50, 30, 0},
        {"M not a number", 1000, 1, 1.3, std::nan(""), 30, 0},
        {"V infinite", 1000, 1, 1.3, 50, std::numeric_limits<double>::infinity(), 0},
    };
    for (const auto& row : rows) {
        CltPlateCheck r;
        EXPECT_EQ(Clt_Plate_Check(&s, row.width, row.d, 1, 8, row.c, 0.9, row.gamma_M, row.M, 0, row.V, &r), 0)
            << row.what;
        EXPECT_EQ(r.eta_max, 99.9) << row.what;
        EXPECT_EQ(r.eta_m_max, 99.9) << row.what;
        EXPECT_EQ(r.eta_v_max, 99.9) << row.what;
        EXPECT_EQ(r.layer_m, -1) << row.what;
        EXPECT_EQ(r.layer_v, -1) << row.what;
    }

    CltSection xonly = Clt_Test_Section({{40, 0}, {40, 0}});
    Clt_Section_Values(&xonly);
    CltPlateCheck r;
    EXPECT_EQ(Clt_Plate_Check(&xonly, 1000, 1, 1, 2, 1, 0, 1.3, 5, 0, 5, &r), 0);
    EXPECT_EQ(r.E_mean, -1.0);
    EXPECT_EQ(r.eta_max, 99.9);

    CltSection none = Clt_Test_Section({});
    EXPECT_EQ(Clt_Plate_Check(&none, 1000, 0, 1, 2, 1, 0, 1.3, 5, 0, 5, &r), 0);
    EXPECT_EQ(r.S, std::numeric_limits<double>::infinity());
    EXPECT_EQ(r.E_mean, -1.0);
    EXPECT_EQ(r.eta_max, 99.9);

    // A layer of an undefined kind has E = 0: no stiffness, no check.
    CltSection undefined = Clt_Test_Section({{40, 0}, {20, 1}, {40, 0}});
    for (int i = 0; i < 3; ++i) undefined.layers[i].kind = 99;
    Clt_Section_Values(&undefined);
    EXPECT_EQ(Clt_Plate_Check(&undefined, 1000, 0, 1, 2, 1, 0, 1.3, 5, 0, 5, &r), 0);
    EXPECT_EQ(r.eta_max, 99.9);
}

TEST(CltPlate, NullPointers)
{
    CltSection s = FiveLayers();
    CltPlateCheck r;
    std::memset(&r, 0x5A, sizeof r);
    const CltPlateCheck before = r;
    EXPECT_EQ(Clt_Plate_Check(nullptr, 1000, 0, 1, 8, 1, 0.9, 1.3, 50, 0, 30, &r), 0);
    EXPECT_EQ(0, std::memcmp(&before, &r, sizeof r));
    EXPECT_EQ(Clt_Plate_Check(&s, 1000, 0, 1, 8, 1, 0.9, 1.3, 50, 0, 30, nullptr), 0);
}

TEST(CltPlate, MissingRollingShearStrengthIsInfiniteNeverNaN)
{
    Clt_Test_Publish_Annex();
    const CltSection* derix = Clt_Product(1, 0); // strength factor 0
    ASSERT_EQ(derix->strength_factor, 0.0);
    CltPlateCheck r;
    ASSERT_EQ(Clt_Plate_Check(derix, 1000, 0, 1, 2, 1, 0, 1.3, 5, 0, 0, &r), 1);
    EXPECT_EQ(r.eta_v_max, std::numeric_limits<double>::infinity());
    EXPECT_EQ(r.layers[1].eta_v[1], std::numeric_limits<double>::infinity()); // zero stress, no strength
    EXPECT_EQ(r.eta_max, std::numeric_limits<double>::infinity());
    EXPECT_EQ(r.layer_v, 1);
    for (int i = 0; i < r.layer_count; ++i)
        for (int k = 0; k < 3; ++k) {
            EXPECT_FALSE(std::isnan(r.layers[i].eta_m[k]));
            EXPECT_FALSE(std::isnan(r.layers[i].eta_v[k]));
            EXPECT_FALSE(std::isnan(r.layers[i].eta[k]));
        }
    // The bending check of the x layers is unaffected: 5 kNm on 20/20/20.
    EXPECT_TRUE(std::isfinite(r.eta_m_max));
    EXPECT_GT(r.eta_m_max, 0.0);
}

// Inputs that describe no check: refused with 0 and the sentinels, never a
// k_mod of 0 turned into an infinite utilisation or a negative layer into a
// "complete" check.
TEST(CltPlate, NonsenseIsRefused)
{
    const double nan = std::nan("");
    struct {
        const char* what;
        int service, duration;
        double kmod, gamma_M;
        double layer_t;
    } rows[] = {
        {"service class 7", 7, 2, 0, 1.3, 20},
        {"service class 0", 0, 2, 0, 1.3, 20},
        {"duration class 12", 1, 12, 0, 1.3, 20},
        {"duration class -1", 1, -1, 0, 1.3, 20},
        {"given k_mod 0", 1, 8, 0, 1.3, 20},
        {"given k_mod -1", 1, 8, -1, 1.3, 20},
        {"given k_mod 1.2", 1, 8, 1.2, 1.3, 20},
        {"given k_mod nan", 1, 8, nan, 1.3, 20},
        {"gamma_M below 1", 1, 2, 0, 0.99, 20},
        {"gamma_M infinite", 1, 2, 0, std::numeric_limits<double>::infinity(), 20},
        {"a layer of -20 mm", 1, 2, 0, 1.3, -20},
        {"a layer of undefined thickness", 1, 2, 0, 1.3, nan},
    };
    for (const auto& row : rows) {
        CltSection s = FiveLayers();
        s.layers[1].t = row.layer_t;
        Clt_Centroids(&s);
        Clt_Static_Moments(&s, 0);
        CltPlateCheck r;
        EXPECT_EQ(Clt_Plate_Check(&s, 1000, 0, row.service, row.duration, 1, row.kmod, row.gamma_M, 50, 0, 30, &r), 0)
            << row.what;
        EXPECT_EQ(r.eta_max, 99.9) << row.what;
        EXPECT_EQ(r.layer_m, -1) << row.what;
    }
    // The limits themselves are accepted: k_mod 1.1 given, gamma_M 1.0 (fire).
    CltSection s = FiveLayers();
    CltPlateCheck r;
    EXPECT_EQ(Clt_Plate_Check(&s, 1000, 0, 1, 8, 1.15, 1.1, 1.0, 50, 0, 30, &r), 1);
    // f_m,d = 1.15 * 1.1 * 24 / 1.0
    EXPECT_NEAR(r.layers[0].f_md, 1.15 * 1.1 * 24.0, 1e-12);
}

// The cross layer of generic LVL in Leno's "80 plus" and "100 plus" takes the
// k_mod of solid timber (0.8 in service class 1, duration class 2), so its
// rolling shear design strength is 0.8 * 0.85 / 1.3 = 0.5231 N/mm2 (f_R 0.85
// for a layer up to 115 mm) and the check is finite.
TEST(CltPlate, GenericLvlCrossLayerIsChecked)
{
    Clt_Test_Publish_Annex();
    for (int p : {2, 7}) {
        const CltSection* s = Clt_Product(0, p);
        ASSERT_NE(s, nullptr);
        ASSERT_EQ(s->layers[1].kind, 13) << p;
        CltPlateCheck r;
        ASSERT_EQ(Clt_Plate_Check(s, 1000, 0, 1, 2, 1, 0, 1.3, 12.656, 0, 11.25, &r), 1) << p;
        EXPECT_NEAR(r.layers[1].k_mod, 0.8, 1e-12) << p;
        EXPECT_NEAR(r.layers[1].f_vd, 0.8 * 0.85 / 1.3, 1e-12) << p;
        EXPECT_TRUE(std::isfinite(r.eta_v_max)) << p;
        EXPECT_TRUE(std::isfinite(r.eta_max)) << p;
        EXPECT_GT(r.eta_v_max, 0.0) << p;
    }
}
