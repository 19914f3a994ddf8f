// The axial-capacity entry, worked by hand: wood screw type 5, d 8, thread
// 70 mm in C24 under the German annex: f_ax,k = 0.52 d^-0.5 l^-0.1 rho^0.8
// = 13.038, head 60e-6 * 350^2 * 14^2 = 1440.6 N governs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "connections/conndesign.h"
#include "connections/connmsg.h"
#include "connections/tests/annex_rules.h"

namespace {

ConnectionInput Screw()
{
    ConnectionInput in;
    std::memset(&in, 0, sizeof in);
    in.type = 5;
    in.steel_grade = -1;
    in.d = 8;
    in.d_inner = 5.2;
    in.d_head = 14;
    in.length = 120;
    in.thread_length = 70;
    in.shear_planes = 1;
    in.kind1 = in.kind2 = 0;
    in.grade1 = in.grade2 = 5; // C24
    in.t1 = 40;
    in.t2 = 100;
    in.service_class1 = in.service_class2 = 1;
    in.duration = 2;
    in.kmod_from_materials = 1;
    in.gamma_m1 = in.gamma_m2 = 1.3;
    in.gamma_m_fastener = 1.1;
    in.fu = 400;
    in.axis_angle = 90;
    return in;
}

} // namespace

TEST(ConnAxialDesign, WoodScrewUnderTheAnnex)
{
    AnnexRules annex(1);
    const ConnectionInput in = Screw();
    ConnectionResult r;
    std::memset(&r, 0x3C, sizeof r);
    EXPECT_EQ(Conn_Axial_Design(in, &r), 0);
    EXPECT_EQ(r.rho1, 350.0);
    EXPECT_EQ(r.rho2, 350.0);
    EXPECT_DOUBLE_EQ(r.kmod1, 0.8);
    EXPECT_DOUBLE_EQ(r.kmod2, 0.8);
    EXPECT_NEAR(r.penetration, 80, 1e-9);
    EXPECT_NEAR(r.faxk, 1440.6, 1e-9);
    EXPECT_NEAR(r.faxd, 886.523, 1e-3);
    EXPECT_EQ(r.gamma_m, 1.0);
    EXPECT_EQ(r.fvk, 0.0);
    EXPECT_EQ(r.message_code, 0);

    ConnectionInput kn = Screw();
    kn.result_in_kN = 1;
    EXPECT_EQ(Conn_Axial_Design(kn, &r), 0);
    EXPECT_NEAR(r.faxk, 1.4406, 1e-12);
    EXPECT_NEAR(r.faxd, 0.886523, 1e-6);
    EXPECT_NEAR(r.penetration, 80, 1e-9);
}

TEST(ConnAxialDesign, EdgeCases)
{
    AnnexRules annex(1);
    ConnectionResult r;
    // a nail that does not reach member 2 still gets its capacity and no code is returned
    ConnectionInput nail = Screw();
    nail.type = 0;
    nail.d = 4;
    nail.d_head = 10;
    nail.length = 38; // ends in member 1 (t1 40), 38 >= 8 d
    nail.axis_angle = 60; // worked as 90 for a nail
    EXPECT_EQ(Conn_Axial_Design(nail, &r), 0);
    ASSERT_GT(ConnMessageListB.count, 0); // 84 from every penetration analysis of the run
    for (int i = 0; i < ConnMessageListB.count; ++i) EXPECT_EQ(ConnMessageListB.codes[i], 84);
    EXPECT_GT(r.faxk, 0.0);
    EXPECT_EQ(nail.axis_angle, 60); // the caller's record is untouched
    // a steel plate as member 1: k_mod of member 2 for both, f_c,90 of member 2 alone
    ConnectionInput bolt = Screw();
    bolt.type = 30;
    bolt.d = 12;
    bolt.washer_diameter = 44;
    bolt.kind1 = 12;
    bolt.grade1 = 0;
    bolt.t1 = 10;
    bolt.shear_planes = 1;
    EXPECT_EQ(Conn_Axial_Design(bolt, &r), 0);
    EXPECT_DOUBLE_EQ(r.kmod1, 0.8);
    // single shear: the washer's pi/4 (44^2 - 13^2) below the plate's pi/4 (min(12 t1, 4 d)^2 - 13^2);
    // fc 2.5 of C24: 3 * 2.5 * 1387.80 = 10 408.49
    EXPECT_NEAR(r.faxk, 10408.489, 1e-3);
    // nothing to design
    ConnectionInput bad = Screw();
    bad.d = 0;
    EXPECT_EQ(Conn_Axial_Design(bad, &r), 4);
    bad = Screw();
    bad.length = 0;
    EXPECT_EQ(Conn_Axial_Design(bad, &r), 6);
    bad = Screw();
    bad.type = 26;
    bad.d_bolt = 0;
    EXPECT_EQ(Conn_Axial_Design(bad, &r), 4);
}

TEST(ConnAxialDesign, UserProductTakesItsBlock)
{
    ConnectionInput in = Screw();
    in.type = 43;
    in.d = 99;  // not read
    in.assy_product.d = 8;
    in.assy_product.d_inner = 5.4;
    in.assy_product.d_head = 14;
    in.assy_product.length = 160;
    in.assy_product.thread_length = 100;
    in.assy_product.axis_angle = 90;
    in.assy_product.has_washer = 0;
    in.assy_product.washer_diameter = 30;
    ConnectionInput applied = in;
    Conn_Apply_User_Product(&applied);
    EXPECT_EQ(applied.d, 8);
    EXPECT_EQ(applied.length, 160);
    EXPECT_EQ(applied.washer_diameter, -1.0);
    applied.assy_product.has_washer = 1;
    Conn_Apply_User_Product(&applied);
    EXPECT_EQ(applied.washer_diameter, 30);
    AnnexRules annex(1);
    ConnectionResult r;
    EXPECT_EQ(Conn_Axial_Design(in, &r), 0);
    EXPECT_GT(r.faxk, 0.0);
    EXPECT_TRUE(std::isfinite(r.faxd));
    EXPECT_EQ(in.d, 99);
}
