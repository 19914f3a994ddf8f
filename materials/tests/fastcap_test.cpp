// Fastener capacities, geometry and stiffness. Expected values worked by hand
// (and by an independent script) from the formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "materials/fastcap.h"
#include "materials/fastcat.h"
#include "nad/nadec3.h"
#include "platform/kovhost.h"
#include "test_support/annex/scopedannex.h"

namespace {

ConnectionInput Screw_Input()
{
    ConnectionInput c;
    std::memset(&c, 0, sizeof c);
    c.type = 13;
    c.kind1 = 0;
    c.grade1 = 7; // C30, rho_k 380
    c.kind2 = 0;
    c.grade2 = 7;
    c.d = 8;
    c.d_inner = 5.4;
    c.axis_angle = 60;
    c.thread_length = 200;
    c.gamma_m1 = 1.3;
    c.gamma_m2 = 1.3;
    return c;
}

// The German annex's EC3 block in the published annex: gamma_M1 1.1, as
// without any annex.
void German_Ec3(ScopedAnnex& annex) { Nad_Default_Ec3_De(&annex.annex.ec3); }

} // namespace

TEST(ScrewBuckling, WithdrawalGovernsAtSixtyDegrees)
{
    ScopedAnnex annex(0);
    German_Ec3(annex);
    ConnectionResult r;
    std::memset(&r, 0, sizeof r);
    r.kmod1 = 0.9;
    r.kmod2 = 0.9;
    EXPECT_DOUBLE_EQ(Screw_Compression_Buckling(Screw_Input(), 100, &r), 0.0);
    const ScrewBucklingResult& b = r.buckling;
    EXPECT_NEAR(b.c_h, 90.5667, 1e-4);
    EXPECT_NEAR(b.N_pl_k, 22902.21, 0.01);
    EXPECT_NEAR(b.N_pl_d, 22902.21 / 1.1, 0.01);
    EXPECT_DOUBLE_EQ(b.gamma_m1, 1.1);
    EXPECT_DOUBLE_EQ(b.f_y_k, 1000.0);
    EXPECT_DOUBLE_EQ(b.E_s, 210000.0);
    EXPECT_NEAR(b.I_s, 41.7393, 1e-4);
    EXPECT_NEAR(b.N_ki_k, 28175.15, 0.01);
    EXPECT_NEAR(b.lambda_k, 0.9016, 1e-4);
    EXPECT_NEAR(b.kappa_c, 0.5989, 1e-4);
    EXPECT_NEAR(b.F_ki_k, 13715.18, 0.01);
    EXPECT_NEAR(b.F_ki_d, 12468.35, 0.01);
    EXPECT_DOUBLE_EQ(b.f_ax_k, 12.0);
    EXPECT_NEAR(b.f_ax_d, 12.0 * 0.9 / 1.3, 1e-12);
    EXPECT_NEAR(b.R_ax_k, 11275.19, 0.01);
    EXPECT_NEAR(b.R_ax_d, 7805.90, 0.01);
    EXPECT_NEAR(b.R_c_k, 11275.19, 0.01);
    EXPECT_NEAR(b.R_c_d, 7805.90, 0.01);
    EXPECT_EQ(b.buckling_governs_k, 0);
    EXPECT_EQ(b.buckling_governs_d, 0);
}

TEST(ScrewBuckling, RightAngleSteelKindsAndEc3Factor)
{
    ScopedAnnex annex(0);
    ConnectionResult r;
    std::memset(&r, 0, sizeof r);
    r.kmod1 = 1;
    r.kmod2 = 1;
    ConnectionInput c = Screw_Input();
    c.grade1 = 5; // C24, rho_k 350
    c.grade2 = 5;
    c.axis_angle = 90;
    c.gamma_m1 = c.gamma_m2 = 1.0;
    {
        German_Ec3(annex);
        Screw_Compression_Buckling(c, 100, &r);
    }
    EXPECT_NEAR(r.buckling.c_h, 100.1, 1e-9);
    EXPECT_NEAR(r.buckling.N_ki_k, 29620.96, 0.01);
    EXPECT_NEAR(r.buckling.kappa_c, 0.6126, 1e-4);
    EXPECT_NEAR(r.buckling.F_ki_k, 14029.88, 0.01);
    EXPECT_NEAR(r.buckling.R_ax_k, 9600.0, 1e-6);
    EXPECT_EQ(r.buckling.buckling_governs_k, 0);

    // Stainless steel halves N_pl,k.
    c.variant = 1;
    Screw_Compression_Buckling(c, 100, &r);
    EXPECT_NEAR(r.buckling.N_pl_k, 22902.21 / 2, 0.01);
    EXPECT_DOUBLE_EQ(r.buckling.f_y_k, 500.0);
    c.variant = 0;

    // gamma_M1 of the active EC3 block.
    annex.annex.ec3.ec31.gamma_m1 = 1.25;
    Screw_Compression_Buckling(c, 100, &r);
    German_Ec3(annex);
    EXPECT_DOUBLE_EQ(r.buckling.gamma_m1, 1.25);
    EXPECT_NEAR(r.buckling.N_pl_d, r.buckling.N_pl_k / 1.25, 1e-9);

    // A steel side plate: the screw beds in member 2 (C24), not in steel.
    c.kind1 = 12;
    c.grade1 = 0;
    Screw_Compression_Buckling(c, 100, &r);
    EXPECT_NEAR(r.buckling.c_h, 100.1, 1e-9);

    // f_ax,k by diameter.
    const double fax[][2] = {{5.99, 14}, {6.0, 12}, {8.001, 12}, {8.01, 11.5}, {10.001, 11.5}, {12.0, 11}, {14, 10}};
    c.kind1 = 0;
    for (const auto& f : fax) {
        c.d = f[0];
        Screw_Compression_Buckling(c, 100, &r);
        EXPECT_DOUBLE_EQ(r.buckling.f_ax_k, f[1]) << f[0];
    }

    // A screw along the grain holds with its whole thread length (the member
    // thickness does not limit it): L = 200, D = 1.2, R_ax,k = 12 * 8 * 200 /
    // 1.2 = 16000; c_h = 0.286 * 350 * 90 / 180 = 50.05, N_ki,k = 20945.18,
    // lambda_k = 1.04567, kappa_c = 0.51390: buckling governs.
    c.d = 8;
    c.grade1 = 5; // C24, rho_k 350
    c.axis_angle = 0;
    {
        German_Ec3(annex);
        Screw_Compression_Buckling(c, 100, &r);
    }
    EXPECT_NEAR(r.buckling.R_ax_k, 16000.0, 1e-6);
    EXPECT_NEAR(r.buckling.R_ax_d, 16000.0, 1e-6);
    EXPECT_NEAR(r.buckling.c_h, 50.05, 1e-9);
    EXPECT_NEAR(r.buckling.N_ki_k, 20945.18, 0.01);
    EXPECT_NEAR(r.buckling.lambda_k, 1.04567, 1e-5);
    EXPECT_NEAR(r.buckling.kappa_c, 0.51390, 1e-5);
    EXPECT_NEAR(r.buckling.F_ki_k, 11769.48, 0.01);
    EXPECT_NEAR(r.buckling.R_c_k, 11769.48, 0.01);
    EXPECT_NEAR(r.buckling.R_c_d, 10699.53, 0.01); // gamma_M1 1.1
    EXPECT_EQ(r.buckling.buckling_governs_k, 1);
    // A negative angle has no meaning here: zeros, never inf or NaN.
    c.axis_angle = -30;
    Screw_Compression_Buckling(c, 100, &r);
    EXPECT_DOUBLE_EQ(r.buckling.R_c_k, 0.0);
    EXPECT_DOUBLE_EQ(r.buckling.N_ki_k, 0.0);
    // A screw without core gives zeros.
    c.axis_angle = 90;
    c.d_inner = 0;
    Screw_Compression_Buckling(c, 100, &r);
    EXPECT_DOUBLE_EQ(r.buckling.lambda_k, 0.0);
    EXPECT_DOUBLE_EQ(Screw_Compression_Buckling(c, 100, nullptr), 0.0);
}

TEST(FastenerGeometry, CoreAndWasherDiameters)
{
    const struct {
        int form;
        double d, core;
    } cores[] = {{1, 4, 3},     {1, 4.5, 3.5}, {1, 5.1, 3.5}, {1, 14, 9},    {1, 9, -1},
                 {2, 4.5, 2.5}, {0, 7, 4},     {0, 12, 7},    {0, 11.85, -1}};
    for (const auto& c : cores) EXPECT_DOUBLE_EQ(Screw_Core_Diameter(c.form, c.d), c.core) << c.form << " " << c.d;
    const struct {
        int form;
        double d, washer;
    } washers[] = {{0, 13, 44},  {0, 13.5, 50}, {0, 4.7, -1}, {0, 18, -1}, {0, 0.1, 20}, {0, 4.5, -1},
                   {0, 30, 105}, {1, 12, 42},   {2, 11, -1},  {3, 6, 18},  {4, 6, -1}};
    for (const auto& w : washers) EXPECT_DOUBLE_EQ(Washer_Diameter(w.d, w.form), w.washer) << w.form << " " << w.d;
}

TEST(FastenerGeometry, AreaLoss)
{
    Set_CurOb_Privat_Datapath(KOV_TEST_DIR "/fastcat/good");
    ASSERT_EQ(Catalogue_Read_Ringduebel_A1(), 1); // d_c 65, h_e 15, F 975
    ASSERT_EQ(Catalogue_Read_Schduebel_C1(), 1);  // d_c 50, F 500
    ASSERT_EQ(Catalogue_Read_Nagel(), 1);         // 3.1, 4.0, 4.0
    Catalogue_Init_Dowel_Bolt();
    {
        ScopedAnnex annex(0);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(0, 6.0, 0, 0, 0, 0, 40), 0.0);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(0, 6.01, 0, 0, 0, 0, 40), 6.01 * 40);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(2, 5.0, 0, 0, 1, 0, 40), 200.0);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(1, 7.0, 0, 0, 0, 0, 40), 560.0);
        // A1 with the bolt of 12 mm (index 3) in a hole of 13 mm: 975 + (50 - 15) 13.
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(25, 0, 0, 3, 0, 0, 50), 1430.0);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(26, 0, 0, 3, 0, 1, 50), 500.0 + 50 * 12);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(29, 12, 0, 0, 0, 0, 50), 600.0);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(30, 12, 0, 0, 0, 0, 50), 650.0);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(30, 12, 0, 0, 0, 1, 50), 600.0);
        EXPECT_DOUBLE_EQ(Fastener_Area_Loss(-1, 12, 0, 0, 0, 0, 50), 0.0);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_DOUBLE_EQ(Fastener_Area_Loss(0, 6.01, 0, 0, 0, 0, 40), 0.9 * 6.01 * 40);
    EXPECT_DOUBLE_EQ(Fastener_Area_Loss(1, 7.0, 0, 0, 0, 0, 40), 1.8 * 7 * 40);

    double d_ef = 0;
    EXPECT_DOUBLE_EQ(Fastener_Area_Loss_Product(0, 1, 0, 1, 0, 40, &d_ef), 0.9 * 40 * 3.0);
    EXPECT_DOUBLE_EQ(d_ef, 3.0);
    EXPECT_DOUBLE_EQ(Fastener_Area_Loss_Product(0, 1, 0, 0, 0, 40, &d_ef), 0.0);
    EXPECT_DOUBLE_EQ(Fastener_Area_Loss_Product(29, 3, 0, 0, 0, 40, &d_ef), 480.0);
    EXPECT_DOUBLE_EQ(Fastener_Area_Loss_Product(30, 3, 0, 0, 0, 40, &d_ef), 520.0);
    EXPECT_DOUBLE_EQ(d_ef, 13.0);
    EXPECT_DOUBLE_EQ(Fastener_Area_Loss_Product(13, 0, 0, 0, 0, 40, &d_ef), 0.0);
    Set_CurOb_Privat_Datapath(nullptr);
}

TEST(FastenerGeometry, UserScrewProductsReplaceTheCommonFields)
{
    ConnectionInput c;
    std::memset(&c, 0, sizeof c);
    c.type = 43;
    c.d = 1;
    c.washer_diameter = 99;
    c.assy_product.variant = 1;
    c.assy_product.has_washer = 0;
    c.assy_product.washer_diameter = 28;
    c.assy_product.d = 8;
    c.assy_product.d_head = 10;
    c.assy_product.d_inner = 5;
    c.assy_product.length = 100;
    c.assy_product.thread_length = 80;
    c.assy_product.axis_angle = 45;
    c.spax_product.d = 6;
    EXPECT_EQ(User_Screw_Apply_Spax(&c), &c);
    EXPECT_DOUBLE_EQ(c.d, 1.0); // type 43: the SPAX block does not apply
    User_Screw_Apply_Assy(&c);
    EXPECT_EQ(c.variant, 1);
    EXPECT_DOUBLE_EQ(c.washer_diameter, -1.0);
    EXPECT_DOUBLE_EQ(c.d, 8.0);
    EXPECT_DOUBLE_EQ(c.d_head, 10.0);
    EXPECT_DOUBLE_EQ(c.d_inner, 5.0);
    EXPECT_DOUBLE_EQ(c.length, 100.0);
    EXPECT_DOUBLE_EQ(c.thread_length, 80.0);
    EXPECT_DOUBLE_EQ(c.axis_angle, 45.0);
    c.type = 44;
    c.spax_product.has_washer = 1;
    c.spax_product.washer_diameter = 25;
    User_Screw_Apply_Spax(&c);
    EXPECT_DOUBLE_EQ(c.d, 6.0);
    EXPECT_DOUBLE_EQ(c.washer_diameter, 25.0);
    EXPECT_EQ(User_Screw_Apply_Assy(nullptr), nullptr);
}

TEST(SlipModulus, ByTypeAndRules)
{
    {
        ScopedAnnex annex(0); // rho_m = 1.2 rho_k
        EXPECT_NEAR(Fastener_Slip_Modulus(30, 0, 12, 0, 5, 40, 0, 5, 40, nullptr), 4490.84, 0.005);
        const double nail = std::pow(420.0, 1.5) * std::pow(4.0, 0.8) / 30.0;
        EXPECT_NEAR(Fastener_Slip_Modulus(0, 0, 4, 0, 5, 40, 0, 5, 40, nullptr), nail, 1e-9);
        // Against a steel plate: the timber density alone, twice the value.
        EXPECT_NEAR(Fastener_Slip_Modulus(0, 0, 4, 12, 0, 5, 0, 5, 40, nullptr), 2 * nail, 1e-9);
        EXPECT_NEAR(Fastener_Slip_Modulus(0, 0, 4, 0, 5, 40, 16, 0, 5, nullptr), 2 * nail, 1e-9);
        EXPECT_NEAR(Fastener_Slip_Modulus(2, 1, 4, 0, 5, 40, 0, 5, 40, nullptr), std::pow(420.0, 1.5) * 4 / 23, 1e-9);
        EXPECT_NEAR(Fastener_Slip_Modulus(1, 0, 1.53, 0, 5, 40, 0, 5, 40, nullptr),
                    std::pow(420.0, 1.5) * std::pow(1.53, 0.8) / 40, 1e-9);
        EXPECT_NEAR(Fastener_Slip_Modulus(25, 0, 65, 0, 5, 40, 0, 5, 40, nullptr), 0.5 * 420 * 65, 1e-9);
        EXPECT_NEAR(Fastener_Slip_Modulus(32, 0, 65, 0, 5, 40, 0, 5, 40, nullptr), 0.375 * 420 * 65, 1e-9);
        EXPECT_NEAR(Fastener_Slip_Modulus(33, 0, 65, 0, 5, 40, 0, 5, 40, nullptr), 0.5 * 420 * 65, 1e-9);
        EXPECT_DOUBLE_EQ(Fastener_Slip_Modulus(47, 0, 4, 0, 5, 40, 0, 5, 40, nullptr), 0.0);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_NEAR(Fastener_Slip_Modulus(0, 0, 4, 0, 5, 40, 0, 5, 40, nullptr), 793.98, 0.005);
    EXPECT_NEAR(Fastener_Slip_Modulus(29, 0, 12, 0, 5, 40, 0, 5, 40, nullptr), std::pow(350.0, 1.5) * 12 / 20, 1e-9);
    EXPECT_NEAR(Fastener_Slip_Modulus(28, 0, 65, 0, 5, 40, 0, 5, 40, nullptr), 0.45 * 350 * 65, 1e-9);
    EXPECT_NEAR(Fastener_Slip_Modulus(26, 0, 65, 0, 5, 40, 0, 5, 40, nullptr), 0.3 * 350 * 65, 1e-9);
}

TEST(PlateBearing, MinimumDistances)
{
    double p1 = 0, e1 = 0, e2 = 0, p2 = 0;
    Plate_Min_Spacings(12, 0, &p1, &e1, &e2, &p2);
    EXPECT_DOUBLE_EQ(p1, 2.2 * 13);
    EXPECT_DOUBLE_EQ(e1, 1.2 * 13);
    EXPECT_DOUBLE_EQ(e2, 1.2 * 13);
    EXPECT_DOUBLE_EQ(p2, 2.4 * 13);
    Plate_Min_Spacings(12, 1, &p1, nullptr, nullptr, nullptr);
    EXPECT_DOUBLE_EQ(p1, 2.2 * 12);
    for (double d : {6.0, 12.0, 30.0}) {
        double k1 = 0, ab = 0;
        EXPECT_NEAR(Plate_Bearing_Resistance(d, 0, 1000, &k1, &ab), 664.0, 1e-9) << d;
        EXPECT_NEAR(k1, 1.66, 1e-12);
        EXPECT_NEAR(ab, 0.4, 1e-12);
        EXPECT_NEAR(Plate_K1(d, 1), 1.66, 1e-12);
        EXPECT_NEAR(Plate_Alpha_b(d, 1), 0.4, 1e-12);
    }
    EXPECT_NEAR(Plate_Bearing_Resistance_Full(12, 5, 0, 360, 7, 9, nullptr, nullptr), 0.664 * 360 * 5 * 12, 1e-9);
    EXPECT_DOUBLE_EQ(Plate_K1(0, 1), 0.0);
}
