// Axial capacities worked by hand (python3 beside the formulas) from
// EN 1995-1-1 (8.23)-(8.26), (8.38)-(8.40), DIN 1052 and the approvals'
// rules; C24: rho_k 350, C30: rho_k 380.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "connections/axial.h"
#include "connections/connmsg.h"
#include "materials/matkind.h"
#include "test_support/annex/scopedannex.h"

namespace {

ConnectionInput Blank()
{
    ConnectionInput in;
    std::memset(&in, 0, sizeof in);
    in.steel_grade = -1;
    in.shear_planes = 1;
    in.kind1 = in.kind2 = MK_SOFTWOOD;
    in.grade1 = in.grade2 = 5; // C24
    in.axis_angle = 90;
    in.gamma_m1 = in.gamma_m2 = 1.3;
    in.gamma_m_fastener = 1.1;
    return in;
}

ConnectionResult Fresh(double rho1 = 350, double rho2 = 350)
{
    ConnectionResult r;
    Conn_Clear(&r);
    r.rho1 = rho1;
    r.rho2 = rho2;
    r.kmod1 = r.kmod2 = 0.8;
    return r;
}

ConnectionInput Wood_Screw_5()
{
    ConnectionInput in = Blank();
    in.type = FT_SCREW_2A;
    in.d = 8;
    in.d_inner = 5.2;
    in.length = 120;
    in.thread_length = 70;
    in.d_head = 14;
    in.t1 = 40;
    in.t2 = 100;
    return in;
}

} // namespace

TEST(AxialEta, WoodScrew)
{
    ScopedAnnex annex(1);
    ConnectionInput in = Wood_Screw_5();
    ConnectionResult r = Fresh();
    const double F = Axial_Capacity_Screw_Eta(in, 80, 2.5, &r);
    EXPECT_NEAR(r.f_ax_used, 13.03776, 1e-5);
    EXPECT_NEAR(r.fax_withdrawal, 7301.146, 1e-3);
    EXPECT_EQ(r.k_diameter, 1.0);
    EXPECT_NEAR(r.ax_head_param, 7.35, 1e-12);
    EXPECT_NEAR(r.fax_head, 1440.6, 1e-9);
    EXPECT_NEAR(F, 1440.6, 1e-9);
    EXPECT_NEAR(r.faxk, 1440.6, 1e-9);
    EXPECT_NEAR(r.faxd, 886.523, 1e-3);
    EXPECT_EQ(r.rho1, 350.0);
    EXPECT_EQ(r.ax_one, 1.0);
    in.type = FT_SCREW_2C;
    r = Fresh();
    EXPECT_NEAR(Axial_Capacity_Screw_Eta(in, 80, 2.5, &r), 2401.0, 1e-9);
    in.type = FT_SCREW_2A;
    in.axis_angle = 60;
    r = Fresh();
    Axial_Capacity_Screw_Eta(in, 80, 2.5, &r);
    EXPECT_NEAR(r.fax_withdrawal, 6953.472, 1e-3);
    // k_d = 0.75 for d 6, d_i 4.2
    in = Wood_Screw_5();
    in.d = 6;
    in.d_inner = 4.2;
    in.thread_length = 50;
    r = Fresh();
    Axial_Capacity_Screw_Eta(in, 60, 2.5, &r);
    EXPECT_NEAR(r.k_diameter, 0.75, 1e-12);
    EXPECT_NEAR(r.fax_withdrawal,
                0.52 * std::pow(6.0, -0.5) * std::pow(50.0, -0.1) * std::pow(350.0, 0.8) * 6 * 50 * 0.75, 1e-9);
    // group of four screws: 4^-0.1
    in = Wood_Screw_5();
    in.group_effect = 1;
    in.n_fasteners = 4;
    r = Fresh();
    EXPECT_NEAR(Axial_Capacity_Screw_Eta(in, 80, 2.5, &r), 1440.6 * 0.8705506, 1e-3);
    EXPECT_NEAR(r.group_factor, 0.8705506, 1e-7);
}

TEST(AxialEta, NailsAndRefusals)
{
    ScopedAnnex annex(1);
    ConnectionInput in = Blank();
    in.type = FT_NAIL;
    in.d = 3.4;
    in.d_head = 8;
    ConnectionResult r = Fresh(350, 380);
    // p between 8 d and 12 d: both parts times p / (4 d) - 2
    EXPECT_NEAR(Axial_Capacity_Screw_Eta(in, 36, 0, &r), 228.7296, 1e-4);
    EXPECT_NEAR(r.fax_head, 355.1059, 1e-4);
    r = Fresh(350, 380);
    EXPECT_EQ(Axial_Capacity_Screw_Eta(in, 26, 0, &r), 0.0);
    EXPECT_EQ(r.message_code, CONN_MSG_SMOOTH_NAIL_PENETRATION_8D);
    EXPECT_EQ(r.faxk, 0.0);
    // predrilled smooth nail: refused with an annex of its own, computed under annex number 0
    in.d = 4;
    in.d_head = 10;
    in.predrilled = 1;
    r = Fresh(350, 420);
    EXPECT_EQ(Axial_Capacity_Screw_Eta(in, 40, 0, &r), 0.0);
    EXPECT_EQ(r.message_code, CONN_MSG_PREDRILLED_NAIL_NO_WITHDRAWAL);
    annex.record.na_de = 0;
    r = Fresh(350, 420);
    EXPECT_NEAR(Axial_Capacity_Screw_Eta(in, 40, 0, &r), 282.24, 1e-9);
    annex.record.na_de = 1;
    // screw products: angle and thickness refusals
    const struct {
        int type;
        double angle, t1, t2;
        int code;
    } refusals[] = {{FT_ASSY_VG_CYLINDER, 20, 80, 80, CONN_MSG_ASSY_ANGLE_BELOW_30},
                    {FT_SPAX_CSK_PARTIAL, 20, 80, 80, CONN_MSG_SPAX_ANGLE_BELOW_30},
                    {FT_SPAX_CSK_PARTIAL, 10, 80, 80, CONN_MSG_SPAX_ANGLE_BELOW_15},
                    {FT_ASSY_VG_CYLINDER, 60, 8, 80, CONN_MSG_MEMBER_1_BELOW_1_2D},
                    {FT_SPAX_WASHER_PARTIAL, 60, 80, 8, CONN_MSG_MEMBER_2_BELOW_1_2D},
                    {FT_SCREW_2A, 90, 80, 80, CONN_MSG_SCREW_PENETRATION_6D}};
    for (const auto& c : refusals) {
        ConnectionInput s = Blank();
        s.type = c.type;
        s.d = 8;
        s.d_inner = 5.4;
        s.d_head = 15;
        s.thread_length = 80;
        s.length = 160;
        s.axis_angle = c.angle;
        s.t1 = c.t1;
        s.t2 = c.t2;
        r = Fresh();
        EXPECT_EQ(Axial_Capacity_Screw_Eta(s, c.code == CONN_MSG_SCREW_PENETRATION_6D ? 40 : 80, 0, &r), 0.0) << c.type;
        EXPECT_EQ(r.message_code, c.code) << c.type;
    }
}

TEST(AxialEta, BoltAndConnectorScrews)
{
    ScopedAnnex annex(1);
    ConnectionInput in = Blank();
    in.type = FT_BOLT;
    in.d = 12;
    in.washer_diameter = 44;
    in.fu = 400;
    in.t1 = 50;
    in.t2 = 90;
    ConnectionResult r = Fresh();
    EXPECT_NEAR(Axial_Capacity_Screw_Eta(in, 0, 2.5, &r), 10408.489, 1e-3);
    // connector screws carry nothing unless member 1 is a metal plate
    in = Blank();
    in.type = FT_SIMPSON_CSA;
    in.d = 5;
    in.thread_length = 40;
    in.t2 = 80;
    r = Fresh();
    EXPECT_EQ(Axial_Capacity_Screw_Eta(in, 50, 0, &r), 0.0);
    in.kind1 = MK_STEEL_PLATE;
    in.grade1 = 0;
    r = Fresh();
    EXPECT_NEAR(Axial_Capacity_Screw_Eta(in, 50, 0, &r), 15 * 5 * 40, 1e-9);
}

TEST(AxialEta, BucklingOfAProductScrew)
{
    ScopedAnnex annex(1);
    ConnectionInput in = Blank();
    in.type = FT_ASSY_VG_CYLINDER;
    in.d = 8;
    in.d_inner = 5.4;
    in.d_head = 14;
    in.thread_length = 200;
    in.length = 300;
    in.axis_angle = 60;
    in.grade1 = in.grade2 = 7; // C30
    in.t1 = 100;
    in.t2 = 200;
    ConnectionResult r = Fresh(380, 380);
    r.kmod1 = r.kmod2 = 0.9;
    Axial_Capacity_Screw_Eta(in, 100, 0, &r);
    EXPECT_NEAR(r.buckling.c_h, 90.5667, 1e-4);
    EXPECT_NEAR(r.buckling.N_ki_k, 28175.15, 0.01);
    EXPECT_NEAR(r.buckling.kappa_c, 0.598858, 1e-6);
    EXPECT_NEAR(r.buckling.R_ax_k, 10335.588, 1e-3);
    EXPECT_NEAR(r.buckling.R_ax_d, 7155.407, 1e-3);
    EXPECT_EQ(r.buckling.f_ax_k, 11.0);
    EXPECT_EQ(r.buckling.buckling_governs_k, 0);
    // k_ax at 30 degrees
    in.axis_angle = 30;
    r = Fresh(380, 380);
    Axial_Capacity_Screw_Eta(in, 100, 0, &r);
    EXPECT_NEAR(r.fax_withdrawal / (11 * 8 * 200 * std::pow(380 / 350.0, 0.8)), 0.7666667, 1e-6);
    // no thread: 0 and every field finite
    in.axis_angle = 60;
    in.thread_length = 0;
    r = Fresh(380, 380);
    EXPECT_EQ(Axial_Capacity_Screw_Eta(in, 100, 0, &r), 0.0);
    EXPECT_TRUE(std::isfinite(r.buckling.R_c_k) && std::isfinite(r.buckling.kappa_c) && std::isfinite(r.faxd));
}

TEST(AxialDin, NailsStaplesAndBolts)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    ConnectionInput in = Blank();
    in.type = FT_NAIL;
    in.d = 4;
    in.d_head = 10;
    in.predrilled = 1;
    ConnectionResult r = Fresh();
    EXPECT_EQ(Axial_Capacity_Nail_Screw(in, 60, 0, &r), 0.0);
    EXPECT_EQ(r.message_code, CONN_MSG_PREDRILLED_NAIL_NO_WITHDRAWAL_HINT);
    in.predrilled = 0;
    r = Fresh();
    EXPECT_EQ(Axial_Capacity_Nail_Screw(in, 40, 0, &r), 0.0);
    EXPECT_EQ(r.message_code, CONN_MSG_NAIL_PENETRATION_12D);
    // p 60 = 15 d: 18e-6 * 350^2 * 4 * 60 against 60e-6 * 350^2 * 100
    r = Fresh();
    EXPECT_NEAR(Axial_Capacity_Nail_Screw(in, 60, 0, &r), 2.205 * 4 * 60, 1e-9);
    EXPECT_NEAR(r.faxd, std::sqrt(0.64) * 529.2 / 1.3, 1e-9);
    // staples
    in.type = FT_STAPLE;
    in.d = 1.5;
    in.d_head = 11;
    r = Fresh();
    EXPECT_EQ(Axial_Capacity_Nail_Screw(in, 30, 0, &r), 0.0);
    EXPECT_EQ(r.message_code, CONN_MSG_STAPLE_NOT_RESIN_COATED);
    in.resin_coated = 1;
    in.thread_length = 40; // the coated length
    in.crown_angle1 = in.crown_angle2 = 45;
    r = Fresh();
    const double F = Axial_Capacity_Nail_Screw(in, 37.5, 0, &r); // 25 d: computed with 20 d
    EXPECT_EQ(r.message_code, CONN_MSG_PENETRATION_CUT_TO_20D);
    EXPECT_NEAR(F, std::fmin(2 * 2.205 * 1.5 * 30, 60e-6 * 122500 * 11 * 1.5), 1e-9);
    // bolt M12 with a 44 mm washer, fc 2.5, steel grade: A 1550 (band), F_w 3875
    in = Blank();
    in.type = FT_BOLT;
    in.d = 12;
    in.washer_diameter = 44;
    in.steel_grade = 0;
    r = Fresh();
    EXPECT_NEAR(Axial_Capacity_Nail_Screw(in, 0, 2.5, &r), 3875.0, 1e-9);
    // product 14 at 20 degrees
    in = Blank();
    in.type = FT_ASSY_VG_CYLINDER;
    in.d = 8;
    in.thread_length = 80;
    in.axis_angle = 20;
    in.t1 = in.t2 = 80;
    r = Fresh();
    EXPECT_EQ(Axial_Capacity_Nail_Screw(in, 80, 0, &r), 0.0);
    EXPECT_EQ(r.message_code, CONN_MSG_ASSY_ANGLE_BELOW_30);
    EXPECT_NEAR(Penetration_Factor(4, 50, 0), 0.94375, 1e-12);
    EXPECT_NEAR(Penetration_Factor(4, 20, 1), 0.5 + 0.2 * 4 / 12, 1e-12);
    EXPECT_NEAR(Penetration_Factor(4, 20, 0), 0.7 * 20 / 28, 1e-12);
    EXPECT_EQ(Penetration_Factor(4, 57, 0), 1.0);
}

TEST(RopeEffect, ShareByTypeAndRules)
{
    // a nail: 0.15 of F_ref under an annex (0.5 without), at most F_ax / 4
    ConnectionInput in = Blank();
    in.type = FT_NAIL;
    in.d = 4;
    in.d_head = 10;
    {
        ScopedAnnex annex(1);
        ConnectionResult r = Fresh(350, 350);
        const double F_ax = Axial_Capacity_Screw_Eta(in, 60, 0, &r);
        r = Fresh(350, 350);
        EXPECT_NEAR(Rope_Effect_Share(in, 2000, 60, 0, &r), std::fmin(300, F_ax / 4), 1e-9);
        EXPECT_NEAR(r.rope_share, std::fmin(300, F_ax / 4), 1e-9);
        // screws: the full F_ref, at most F_ax / 4
        ConnectionInput s = Wood_Screw_5();
        r = Fresh();
        EXPECT_NEAR(Rope_Effect_Share(s, 2000, 80, 2.5, &r), 1440.6 / 4, 1e-9);
        r = Fresh();
        EXPECT_NEAR(Rope_Effect_Share(s, 200, 80, 2.5, &r), 200, 1e-9);
        // type 45 on a steel plate: 0.6 F_ax whatever F_ref
        ConnectionInput c = Blank();
        c.type = FT_SIMPSON_CNA;
        c.d = 4;
        c.thread_length = 40;
        c.kind1 = MK_STEEL_PLATE;
        c.grade1 = 0;
        r = Fresh();
        const double F45 = Axial_Capacity_Screw_Eta(c, 50, 0, &r);
        r = Fresh();
        EXPECT_NEAR(Rope_Effect_Share(c, 1, 50, 0, &r), 0.6 * F45, 1e-9);
        // closed gate: gypsum board as member 1 keeps the earlier share
        ConnectionInput g = Wood_Screw_5();
        g.kind1 = MK_GYPSUM_BOARD;
        r = Fresh();
        r.rope_share = 123;
        EXPECT_EQ(Rope_Effect_Share(g, 2000, 80, 2.5, &r), 0.0);
        EXPECT_EQ(r.rope_share, 123);
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    // DIN: a nail in timber may carry no axial load (the gate is closed)
    ConnectionResult r = Fresh();
    r.rope_share = 7;
    EXPECT_EQ(Rope_Effect_Share(in, 2000, 60, 0, &r), 0.0);
    EXPECT_EQ(r.rope_share, 7);
    in.kind1 = MK_FERMACELL; // gypsum fibre board opens the gate for nails
    in.t1 = 15;
    r = Fresh();
    const double F_ax = Axial_Capacity_Nail_Screw(in, 60, 0, &r);
    r = Fresh();
    EXPECT_NEAR(Rope_Effect_Share(in, 2000, 60, 0, &r), std::fmin(1000, F_ax / 4), 1e-9);
}
