// Embedment strengths worked by hand from EN 1995-1-1 (8.15), (8.16), (8.20),
// (8.22) and their DIN 1052 twins: f_h,0 = 0.082 (1 - 0.01 d) rho_k,
// f_h,alpha = f_h,0 / (k90 sin^2 + cos^2), k90 = 1.35 + 0.015 d (softwood).
#include <gtest/gtest.h>

#include <cmath>

#include "connections/connmsg.h"
#include "connections/embedment.h"
#include "test_support/annex/scopedannex.h"

namespace {
const double kDeg = 0.017453292519944444;

struct PairCase {
    const char* what;
    int type;
    double d;
    int predrilled;
    double a1, a2, t1, t2, rho1, rho2;
    int kind1, kind2, grade1, grade2;
    double f1, f2;
    int code;
};

void Check(const PairCase& c)
{
    double f1 = -1, f2 = -1;
    int code = Embedment_Pair(&f1, &f2, c.type, c.d, c.predrilled, c.a1 * kDeg, c.a2 * kDeg, c.t1, c.t2, c.rho1, c.rho2,
                              c.kind1, c.kind2, c.grade1, c.grade2, nullptr, nullptr);
    EXPECT_NEAR(f1, c.f1, 5e-4) << c.what;
    EXPECT_NEAR(f2, c.f2, 5e-4) << c.what;
    EXPECT_EQ(code, c.code) << c.what;
}

// Cases that hold in both rule sets.
const PairCase kBothModes[] = {
    {"bolt 16 C24 0/45", 30, 16, 0, 0, 45, 60, 60, 350, 350, 0, 0, 5, 5, 24.108, 18.61622, 0},
    {"bolt 12 350/380 0/90", 30, 12, 0, 0, 90, 60, 60, 350, 380, 0, 0, 5, 5, 25.256, 17.92209, 0},
    {"nail 3.1 C24/C30 smaller density", 0, 3.1, 0, 0, 0, 24, 60, 350, 380, 0, 0, 5, 7, 20.43965, 20.43965, 0},
    {"nail 3.1 plywood over C24", 0, 3.1, 0, 0, 0, 15, 60, 350, 350, 6, 0, 0, 5, 27.41904, 20.43965, 0},
    {"nail 3.1 OSB 15", 0, 3.1, 0, 0, 0, 15, 60, 600, 350, 4, 0, 0, 5, 38.59840, 20.43965, 0},
    {"nail 3.1 OSB 15 predrilled", 0, 3.1, 1, 0, 0, 15, 60, 600, 350, 4, 0, 0, 5, 43.58843, 0.082 * 0.969 * 350, 0},
    {"nail 4 450/380", 0, 4, 0, 0, 0, 24, 60, 450, 380, 0, 0, 5, 5, 20.55793, 20.55793, 0},
    {"nail 4 C24 over OSB 60", 0, 4, 0, 0, 0, 24, 60, 350, 600, 0, 4, 5, 0, 18.93494, 37.09253, 0},
    {"gypsum member 1 under a bolt", 30, 12, 0, 0, 0, 12.5, 60, 680, 350, 5, 0, 0, 5, 0, 25.256,
     CONN_MSG_NO_EMBEDMENT_MEMBER_1},
    {"kind 13 member 2 wins over member 1", 30, 12, 0, 0, 0, 12.5, 60, 680, 350, 5, 13, 0, 0, 0, 0,
     CONN_MSG_NO_EMBEDMENT_MEMBER_2},
    {"steel plate member 2 under a nail", 0, 4, 0, 0, 0, 24, 5, 350, 7850, 0, 12, 5, 0, 18.93494, 0, 0},
    {"steel plate member 1 under a nail", 0, 4, 0, 0, 0, 5, 60, 7850, 350, 12, 0, 0, 5, 18.93494, 18.93494, 0},
    {"two plates under a nail", 0, 4, 0, 0, 0, 5, 5, 7850, 7850, 12, 12, 0, 0, 0, 0, 0},
    {"steel plate member 2 under a bolt", 30, 12, 0, 0, 0, 60, 10, 350, 7850, 0, 12, 5, 0, 25.256, 25.256, 0},
    {"screw 8 counts as predrilled", 2, 8, 0, 0, 0, 40, 60, 350, 350, 0, 0, 5, 5, 0.082 * 0.92 * 350,
     0.082 * 0.92 * 350, 0},
    {"beech edgewise nail 8 x 0.8", 0, 8, 1, 0, 0, 40, 60, 650, 650, 17, 17, 1, 0, 0.8 * 0.082 * 0.92 * 650,
     0.8 * 0.082 * 0.92 * 650, 0},
    {"thin veneer product / 3", 0, 3, 0, 0, 0, 3, 60, 480, 350, -12, 0, 2, 5, 0.082 * 480 * std::pow(3.0, -0.3) / 3,
     0.082 * 350 * std::pow(3.0, -0.3), 0},
};
} // namespace

TEST(EmbedmentPair, CasesOfBothRuleSets)
{
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        for (const auto& c : kBothModes) Check(c);
    }
    ScopedAnnex annex(1);
    for (const auto& c : kBothModes) Check(c);
}

TEST(EmbedmentPair, RuleSetDecidesScrewsAndSmallDowels)
{
    const double nail = 0.082 * 350 * std::pow(6.5, -0.3);
    const double dowel = 0.082 * (1 - 0.065) * 350;
    const double dowel6 = 0.082 * 0.94 * 350;
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        Check({"screw 6.5 DIN: nail rule", 2, 6.5, 0, 0, 0, 40, 60, 350, 350, 0, 0, 5, 5, nail, nail, 0});
        Check({"dowel 6 DIN: k90 1, note", 29, 6, 0, 0, 90, 40, 60, 350, 350, 0, 0, 5, 5, dowel6, dowel6,
               CONN_MSG_K90_SET_TO_1});
        Check({"dowel 6 DIN in LVL: note", 29, 6, 0, 0, 90, 40, 60, 350, 350, 10, 10, 0, 0, 37 * 0.94, 37 * 0.94,
               CONN_MSG_K90_SET_TO_1});
    }
    ScopedAnnex annex(1);
    Check({"screw 6.5 EC5: dowel rule", 2, 6.5, 0, 0, 0, 40, 60, 350, 350, 0, 0, 5, 5, dowel, dowel, 0});
    Check({"dowel 6 EC5: k90 1.44", 29, 6, 0, 0, 90, 40, 60, 350, 350, 0, 0, 5, 5, dowel6, dowel6 / 1.44, 0});
    EXPECT_NEAR(Embedment_K90(16, 0), 1.59, 1e-12);
    EXPECT_NEAR(Embedment_K90(16, 17), 1.14, 1e-12);
    EXPECT_NEAR(Embedment_K90(16, -13), 1.54, 1e-12);
    EXPECT_EQ(Embedment_K90(16, 4), 0.0);
}

TEST(EmbedmentPair, UserDefinedMaterial)
{
    ScopedAnnex annex(1);
    UserEmbedmentLaw law = {2.0, -0.3, 0.1, 1.0, 1};
    double f1 = -1, f2 = -1;
    // f = c d^e_d t^e_t rho^e_rho with the member's own t and rho
    int code = Embedment_Pair(&f1, &f2, 0, 4, 0, 0, 0, 30, 60, 400, 350, -999, 0, -999, 5, &law, nullptr);
    EXPECT_NEAR(f1, 2.0 * std::pow(4.0, -0.3) * std::pow(30.0, 0.1) * 400, 1e-9);
    EXPECT_EQ(code, 0);
    law.active = 0;
    code = Embedment_Pair(&f1, &f2, 0, 4, 0, 0, 0, 30, 60, 400, 350, -999, 0, -999, 5, &law, nullptr);
    EXPECT_EQ(f1, 0.0);
    EXPECT_EQ(code, CONN_MSG_NO_EMBEDMENT_MEMBER_1);
}

TEST(EmbedmentPair, MissingDimensionsGiveZeroNotInfinity)
{
    ScopedAnnex annex(1);
    double f1 = -1, f2 = -1;
    EXPECT_EQ(Embedment_Pair(&f1, &f2, 0, 0, 0, 0, 0, 24, 60, 350, 350, 0, 0, 5, 5, nullptr, nullptr),
              CONN_MSG_NO_EMBEDMENT_MEMBER_2);
    EXPECT_EQ(f1, 0.0);
    EXPECT_EQ(f2, 0.0);
    EXPECT_EQ(Embedment_Pair(&f1, &f2, 0, 4, 0, 0, 0, 0, -5, 600, 600, 4, 5, 0, 0, nullptr, nullptr),
              CONN_MSG_NO_EMBEDMENT_MEMBER_2);
    EXPECT_TRUE(std::isfinite(f1) && std::isfinite(f2));
    EXPECT_EQ(Embedment_Timber(0, 350, 0), 0.0);
    EXPECT_EQ(Embedment_Gypsum(0, 12.5), 0.0);
    EXPECT_EQ(Embedment_Pair(nullptr, nullptr, 30, 12, 0, 0, 0, 60, 60, 350, 350, 0, 0, 5, 5, nullptr, nullptr), 0);
}

TEST(EmbedmentSingle, OneMember)
{
    double f = -1;
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_EQ(Embedment_Single(&f, 6, 29, 0, 0, 40, 350, -10, 0, nullptr), CONN_MSG_K90_SET_TO_1);
        EXPECT_NEAR(f, 0.082 * 0.94 * 350, 1e-9);
    }
    ScopedAnnex annex(1);
    EXPECT_EQ(Embedment_Single(&f, 16, 30, 0, 45 * kDeg, 60, 350, 0, 5, nullptr), 0);
    EXPECT_NEAR(f, 18.61622, 5e-5);
    EXPECT_EQ(Embedment_Single(&f, 16, 30, 0, 0, 10, 7850, 12, 0, nullptr), 0);
    EXPECT_EQ(f, 0.0);
    EXPECT_EQ(Embedment_Single(&f, 4, 0, 0, 0, 12.5, 680, 5, 0, nullptr), 0);
    EXPECT_NEAR(f, 3.9 * std::pow(4.0, -0.6) * std::pow(12.5, 0.7), 1e-9);
    EXPECT_EQ(Embedment_Single(&f, 4, 0, 0, 0, 12.5, 680, 13, 0, nullptr), CONN_MSG_NO_EMBEDMENT_MEMBER_1);
    EXPECT_EQ(Embedment_Single(nullptr, 4, 0, 0, 0, 12.5, 680, 13, 0, nullptr), 0);
}

TEST(EmbedmentFormulas, SingleFormulas)
{
    EXPECT_NEAR(Embedment_Timber(12, 350, 1), 25.256, 1e-9);
    EXPECT_NEAR(Embedment_Plywood(3.1, 350, 0), 27.41904, 5e-5);
    EXPECT_NEAR(Embedment_Plywood(10, 400, 1), 0.11 * 0.9 * 400, 1e-9);
    EXPECT_NEAR(Embedment_Osb_Particleboard(3.1, 15, 0), 38.59840, 5e-5);
    EXPECT_NEAR(Embedment_Fibreboard(3, 16), 30 * std::pow(3.0, -0.3) * std::pow(16.0, 0.6), 1e-9);
    EXPECT_NEAR(Embedment_Lvl(10), 33.3, 1e-12);
    EXPECT_NEAR(Embedment_Dowel_Parallel(16, 350), 24.108, 1e-9);
    // alpha 0, beta 90 deg, epsilon 90 deg: only 0.082 rho d^-0.15
    EXPECT_NEAR(Embedment_Three_Angles(8, 350, 0, 90 * kDeg, 90 * kDeg), 0.082 * 350 * std::pow(8.0, -0.15), 1e-9);
}
