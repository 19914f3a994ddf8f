// Minimum dimensions and minimum spacings of fasteners. Expected spacings
// worked by hand from EN 1995-1-1 Tables 8.2 to 8.7 (and DIN 1052 where the
// rule set is switched off).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "materials/fastcat.h"
#include "materials/fastspace.h"
#include "platform/kovhost.h"
#include "test_support/annex/scopedannex.h"

namespace {

const double kDeg = 0.017453292519944444;

struct Spacings {
    double v[6] = {-7, -7, -7, -7, -7, -7};
    int code = -1;
};

Spacings Space(int type, int predrilled, int fitted, int douglas, int wide, int kind, double rho, double d,
               double d_bolt, double alpha_deg, double theta_deg = 0)
{
    Spacings s;
    s.code = Fastener_Min_Spacings(type, predrilled, fitted, douglas, wide, kind, rho, d, d_bolt, alpha_deg * kDeg,
                                   theta_deg * kDeg, 40, 40, &s.v[0], &s.v[1], &s.v[2], &s.v[3], &s.v[4], &s.v[5]);
    return s;
}

void Expect(const Spacings& s, int code, const double (&v)[6], const char* what)
{
    EXPECT_EQ(s.code, code) << what;
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(s.v[i], v[i], 0.005) << what << " value " << i;
}

ConnectionInput Nail_Input()
{
    ConnectionInput c;
    std::memset(&c, 0, sizeof c);
    c.type = 0;
    c.d = 4;
    c.kind1 = c.kind2 = 0;
    c.grade1 = c.grade2 = 5; // C24, rho_k 350
    c.t1 = 40;
    c.t2 = 80;
    c.shear_planes = 1;
    c.fu = 600;
    c.length = 100;
    c.service_class1 = c.service_class2 = 1;
    return c;
}

} // namespace

TEST(MinSpacings, WithAnnex)
{
    ScopedAnnex annex(0);
    const double s3 = std::sin(120 * kDeg);
    Expect(Space(0, 0, 0, 0, 0, 0, 380, 5, 0, 90), 2, {25, 25, 50, 50, 50, 25}, "nail d 5 at 90");
    Expect(Space(0, 0, 0, 0, 0, 0, 350, 4, 0, 0), 2, {40, 20, 60, 40, 20, 20}, "nail d 4 at 0");
    Expect(Space(30, 0, 0, 0, 0, 0, 350, 12, 0, 120), 4, {54, 48, 84, 12 * (1 + 6 * s3), 24 * (1 + s3), 36},
           "bolt d 12 at 120");
    Expect(Space(30, 0, 0, 0, 0, 0, 350, 12, 0, 30), 4, {12 * (4 + std::cos(30 * kDeg)), 48, 84, 48, 36, 36},
           "bolt d 12 at 30");
    // A fitted bolt is a dowel; in the unloaded-end sectors a3,c = max(7 d, 80) |sin|.
    Expect(Space(30, 0, 1, 0, 0, 0, 350, 8, 0, 90), 5, {24, 24, 80, 80, 32, 24}, "fitted bolt d 8 at 90");
    Expect(Space(29, 0, 0, 0, 0, 0, 350, 8, 0, 120), 5, {32, 24, 80, 80 * s3, 16 * (1 + s3), 24}, "dowel at 120");
    Expect(Space(29, 0, 0, 0, 0, 0, 350, 8, 0, 0), 5, {40, 24, 80, 24, 24, 24}, "dowel at 0");
    // Staples: a1 by the crown angle.
    EXPECT_NEAR(Space(1, 0, 0, 0, 0, 0, 350, 1.53, 0, 0, 25).v[0], 30.6, 1e-9);
    EXPECT_NEAR(Space(1, 0, 0, 0, 0, 0, 350, 1.53, 0, 0, 35).v[0], 22.95, 1e-9);
    EXPECT_EQ(Space(1, 0, 0, 0, 0, 0, 350, 1.53, 0, 0, 35).code, 3);
    EXPECT_NEAR(Space(1, 0, 0, 0, 0, 4, 350, 1.53, 0, 0, 35).v[0], 22.95 * 0.85, 1e-9);
    // Wood screws: nail rules up to 6.01 mm, bolt rules above.
    EXPECT_EQ(Space(2, 0, 0, 0, 0, 0, 350, 6.01, 0, 0).code, 2);
    EXPECT_EQ(Space(2, 0, 0, 0, 0, 0, 350, 6.02, 0, 0).code, 4);
    // Screw products take the predrilled values whether predrilled or not.
    Expect(Space(13, 0, 0, 0, 0, 0, 350, 6, 0, 0), 2, {30, 18, 72, 42, 18, 18}, "SPAX not predrilled");
    Expect(Space(13, 1, 0, 0, 0, 0, 350, 6, 0, 0), 2, {30, 18, 72, 42, 18, 18}, "SPAX predrilled");
    // Boards and metal plates.
    Expect(Space(0, 0, 0, 0, 0, 4, 350, 4, 0, 0), 2, {34, 17, 60, 40, 20, 20}, "nail in OSB");
    Expect(Space(2, 0, 0, 0, 0, 12, 350, 6, 0, 0), 2, {21, 12.6, 72, 42, 18, 18}, "screw at a steel plate");
    Expect(Space(2, 0, 0, 0, 0, 12, 350, 6.005, 0, 0), 2, {30.025, 18.015, 72.06, 42.035, 18.015, 18.015},
           "screw of 6.005 at a steel plate");
    // Wide edge distances and Douglas fir.
    Expect(Space(0, 0, 0, 0, 1, 0, 350, 4, 0, 0), 2, {40, 20, 60, 40, 40, 40}, "wide edges");
    Expect(Space(0, 0, 0, 0, 1, 0, 500, 4, 0, 0), 2, {60, 28, 80, 60, 56, 56}, "wide edges, dense");
    Expect(Space(0, 0, 0, 1, 0, 0, 380, 5, 0, 90), 2, {37.5, 25, 75, 75, 50, 25}, "Douglas fir");
    Expect(Space(30, 0, 0, 1, 0, 0, 350, 12, 0, 30), 4, {1.5 * 12 * (4 + std::cos(30 * kDeg)), 48, 126, 72, 36, 36},
           "Douglas fir bolt");
    // The Simpson connector screws of 5 mm take the rules of 4 mm.
    Expect(Space(46, 0, 0, 0, 0, 0, 350, 5, 0, 0), 2, {40, 20, 60, 40, 20, 20}, "CSA 5.0");
    // Connectors: the larger of the connector and the bolt values.
    Expect(Space(25, 0, 0, 0, 0, 0, 350, 65, 12, 0), 7, {130, 78, 130, 78, 39, 39}, "ring A1");
    Expect(Space(27, 0, 0, 0, 0, 0, 350, 100, 12, 90), 8, {120, 120, 200, 150, 80, 60}, "plate C5 at 90");
    Expect(Space(26, 0, 0, 0, 0, 0, 350, 100, 12, 90), 8, {120, 120, 150, 150, 80, 60}, "plate C1 at 90");
}

TEST(MinSpacings, WithoutAnnexAndWithoutRule)
{
    ScopedAnnex din(ScopedAnnex::kNone);
    Expect(Space(0, 0, 0, 0, 0, 0, 350, 4, 0, 0), 10, {40, 20, 48, 28, 20, 20}, "nail");
    Expect(Space(0, 0, 0, 0, 0, 12, 350, 4, 0, 0), 10, {20, 20, 48, 28, 20, 20}, "nail at a steel plate");
    Expect(Space(2, 0, 0, 0, 0, 0, 350, 4, 0, 0), 10, {20, 12, 48, 28, 12, 12}, "wood screw");
    Expect(Space(2, 0, 0, 0, 0, 0, 350, 6.02, 0, 90), 9, {4 * 6.02, 4 * 6.02, 80, 7 * 6.02, 3 * 6.02, 3 * 6.02},
           "thick wood screw");
    Expect(Space(29, 0, 0, 0, 0, 0, 350, 8, 0, 90), 8, {24, 24, 80, 56, 24, 24}, "dowel keeps 7 d");
    Expect(Space(1, 0, 0, 0, 0, 0, 350, 2, 0, 0, 45), 13,
           {30, 2 * (5 + 10 * std::sin(45 * kDeg)), 40, 30, 20, 10 * (1 + std::sin(45 * kDeg))}, "staple");
    Expect(Space(25, 0, 0, 0, 0, 0, 350, 65, 12, 0), 18, {130, 78, 130, 78, 39, 39}, "ring A1");

    // No rule: nothing written.
    for (int type : {-2, -1, 47}) {
        const Spacings s = Space(type, 0, 0, 0, 0, 0, 350, 4, 0, 0);
        EXPECT_EQ(s.code, 0) << type;
        EXPECT_DOUBLE_EQ(s.v[0], -7.0) << type;
    }
}

TEST(MinSpacings, KertoMembers)
{
    ScopedAnnex annex(0);
    // A wood screw of 6.05 mm in Kerto-S: the Kerto bolt rule.
    Expect(Space(2, 0, 0, 0, 0, 10, 480, 6.05, 0, 0), 4, {7 * 6.05, 4 * 6.05, 105, 4 * 6.05, 3 * 6.05, 3 * 6.05},
           "screw 6.05 in Kerto-S");
    // The ASSY user screw of 6 mm in Kerto-Q has no rule.
    const Spacings user = Space(43, 0, 0, 0, 0, 11, 480, 6, 0, 0);
    EXPECT_EQ(user.code, 0);
    EXPECT_DOUBLE_EQ(user.v[0], -7.0);
    Expect(Space(0, 0, 0, 0, 0, 11, 480, 4, 0, 90), 2, {20, 20, 16, 20, 28, 12}, "nail in Kerto-Q");
    Expect(Space(0, 0, 0, 0, 0, 10, 480, 4, 0, 0), 2, {40, 20, 60, 40, 20, 20}, "nail in Kerto-S");
    Expect(Space(29, 0, 0, 0, 0, 11, 480, 12, 0, 90), 4, {36, 36, 60, 48, 48, 36}, "dowel in Kerto-Q");
    Expect(Space(29, 0, 0, 0, 0, 10, 480, 12, 0, 90), 4, {48, 48, 105, 105, 48, 36}, "dowel in Kerto-S");
    Expect(Space(30, 0, 0, 0, 0, 11, 480, 12, 0, 0), 4, {48, 48, 60, 48, 36, 36}, "bolt in Kerto-Q");
    Expect(Space(1, 0, 0, 0, 0, 10, 480, 2, 0, 0, 45), 3, {25.5, 25.5, 40, 30, 30, 20}, "staple in Kerto-S");
}

TEST(MinSpacings, DrillingTipsOfTheUserScrews)
{
    UserScrewProduct p;
    std::memset(&p, 0, sizeof p);
    p.d = 6;
    Spacings s;
    double* v = s.v;
    const double a = 90 * kDeg;
    EXPECT_EQ(Fastener_Min_Spacings_Cut_Tip(p, 0, 0, a, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), 0); // "Normalspitze"
    EXPECT_DOUBLE_EQ(v[0], -7.0);
    p.product_class = 1;
    EXPECT_EQ(Fastener_Min_Spacings_Cut_Tip(p, 0, 4, a, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), 0); // OSB
    EXPECT_EQ(Fastener_Min_Spacings_Cut_Tip(p, 1, 0, a, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), 0); // skip
    EXPECT_DOUBLE_EQ(v[0], -7.0);
    for (int kind : {2, 3, 17}) {
        s = Spacings();
        v = s.v;
        EXPECT_EQ(Fastener_Min_Spacings_Cut_Tip(p, 0, kind, a, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), 1);
        Expect(Spacings(s), -1, {30, 24, 72, 72, 42, 18}, "SPAX CUT tip");
    }
    EXPECT_EQ(Fastener_Min_Spacings_Assy_Tip(p, 0, 0, a, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), 0);
    p.product_class = 3;
    p.d = 3;
    EXPECT_EQ(Fastener_Min_Spacings_Assy_Tip(p, 0, 0, a, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]), 1);
    Expect(Spacings(s), -1, {15, 7.5, 36, 15, 15, 9}, "ASSY drilling tip");
    EXPECT_EQ(Fastener_Min_Spacings_Assy_Tip(p, 0, 0, a, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
}

namespace {

// One input changed from the nail connection and the code the check of the
// minimum dimensions returns for it.
struct DimensionCase {
    const char* what;
    int annex; // 0 DIN, 1 annex with na_de 0, 2 German annex
    void (*change)(ConnectionInput*);
    int code;
};

void Expect_Min_Dimensions(const std::vector<DimensionCase>& cases)
{
    for (const DimensionCase& k : cases) {
        ConnectionInput c = Nail_Input();
        k.change(&c);
        if (k.annex) {
            ScopedAnnex annex(0);
            annex.record.na_de = k.annex == 2 ? 1 : 0;
            EXPECT_EQ(Fastener_Min_Dimensions(c), k.code) << k.what;
        } else {
            ScopedAnnex din(ScopedAnnex::kNone);
            EXPECT_EQ(Fastener_Min_Dimensions(c), k.code) << k.what;
        }
    }
}

} // namespace

// Every test reads the catalogue of the C1 toothed plates (h_e 3) from the test
// folder first: the connector cases are checked against it.
class MinDimensions : public testing::Test {
protected:
    void SetUp() override
    {
        Set_CurOb_Privat_Datapath(KOV_TEST_DIR "/fastcat/good");
        ASSERT_EQ(Catalogue_Read_Schduebel_C1(), 1); // h_e 3
    }
    void TearDown() override { Set_CurOb_Privat_Datapath(nullptr); }
};

// Nails and staples: thin members, splitting, wide edge distances, boards,
// special nails under the recommended rules and the German annex.
TEST_F(MinDimensions, NailsStaplesAndMembers)
{
    Expect_Min_Dimensions({
        {"nail, annex", 1, [](ConnectionInput*) {}, 14},
        {"nail, DIN", 0, [](ConnectionInput*) {}, 14},
        {"nail, thin member 1, DIN", 0, [](ConnectionInput* c) { c->t1 = 20; }, 21},
        {"two steel plates", 1, [](ConnectionInput* c) { c->kind1 = c->kind2 = 12; }, 12},
        {"two steel plates, DIN", 0, [](ConnectionInput* c) { c->kind1 = c->kind2 = 12; }, 12},
        {"no fastener", 0,
         [](ConnectionInput* c) {
             c->type = -1;
             c->t1 = 1;
         },
         0},
        {"staple without f_u", 1,
         [](ConnectionInput* c) {
             c->type = 1;
             c->fu = 0;
         },
         82},
        {"nail predrilled", 1, [](ConnectionInput* c) { c->predrilled = 1; }, 0},
        {"nail thick", 1, [](ConnectionInput* c) { c->t1 = 60; }, 0},
        {"two planes, middle splits", 1,
         [](ConnectionInput* c) {
             c->t1 = 60;
             c->t2 = 40;
             c->shear_planes = 2;
         },
         16},
        {"one plane, member 2 splits", 1,
         [](ConnectionInput* c) {
             c->t1 = 60;
             c->t2 = 40;
         },
         15},
        {"wide edges, member 2", 1,
         [](ConnectionInput* c) {
             c->wide_edge_distances = 1;
             c->t2 = 20;
         },
         19},
        {"wide edges, member 1", 1,
         [](ConnectionInput* c) {
             c->wide_edge_distances = 1;
             c->t1 = 20;
         },
         18},
        {"wide edges, member 1, DIN", 0,
         [](ConnectionInput* c) {
             c->wide_edge_distances = 1;
             c->t1 = 27;
             c->t2 = 20;
             c->kind2 = 4;
             c->grade2 = 0;
         },
         18},
        {"boards only", 0,
         [](ConnectionInput* c) {
             c->kind1 = c->kind2 = 4;
             c->grade1 = c->grade2 = 0;
             c->t1 = 10;
         },
         0},
        {"member 2 thin, DIN", 0,
         [](ConnectionInput* c) {
             c->predrilled = 1;
             c->t2 = 20;
         },
         24},
        {"special nail, recommended rules", 1, [](ConnectionInput* c) { c->type = 16; }, 89},
        {"special nail, German annex", 2, [](ConnectionInput* c) { c->type = 16; }, 14},
    });
}

// Self-tapping screws: boards and gypsum as members, thin members, hardwood,
// lengths, diameters and service classes.
TEST_F(MinDimensions, Screws)
{
    Expect_Min_Dimensions({
        {"SPAX, board as member 2", 1,
         [](ConnectionInput* c) {
             c->type = 11;
             c->kind2 = 4;
         },
         64},
        {"SPAX, thin member 1", 1,
         [](ConnectionInput* c) {
             c->type = 11;
             c->t1 = 10;
         },
         65},
        {"SPAX, gypsum board", 1,
         [](ConnectionInput* c) {
             c->type = 11;
             c->kind1 = 5;
             c->grade1 = 0;
             c->t1 = 20;
             c->d = 6;
         },
         27},
        {"SPAX full thread, 25 mm", 1,
         [](ConnectionInput* c) {
             c->type = 13;
             c->d = 8;
             c->t1 = 25;
         },
         36},
        {"SPAX in hardwood", 1,
         [](ConnectionInput* c) {
             c->type = 11;
             c->d = 6;
             c->kind2 = 1;
             c->grade2 = 0;
         },
         63},
        {"SPAX 8 mm, species", 1,
         [](ConnectionInput* c) {
             c->type = 11;
             c->d = 8;
         },
         58},
        {"SPAX 8 mm, spruce", 1,
         [](ConnectionInput* c) {
             c->type = 11;
             c->d = 8;
             c->dimension_check_switch = 1;
         },
         0},
        {"SPAX short", 1,
         [](ConnectionInput* c) {
             c->type = 11;
             c->d = 6;
             c->predrilled = 1;
             c->length = 8;
         },
         5},
        {"ASSY cylinder head on steel", 1,
         [](ConnectionInput* c) {
             c->type = 14;
             c->kind1 = 12;
             c->grade1 = 0;
             c->t1 = 5;
         },
         32},
        {"ASSY 10 mm in 35 mm", 1,
         [](ConnectionInput* c) {
             c->type = 15;
             c->d = 10;
             c->t1 = 35;
         },
         50},
        {"ASSY carbon steel, class 3", 1,
         [](ConnectionInput* c) {
             c->type = 15;
             c->d = 6;
             c->t1 = 50;
             c->service_class2 = 3;
         },
         59},
        {"ASSY 4 mm, class 2", 1,
         [](ConnectionInput* c) {
             c->type = 15;
             c->d = 4;
             c->t1 = 50;
             c->service_class2 = 2;
         },
         60},
        {"ASSY stainless, class 3", 1,
         [](ConnectionInput* c) {
             c->type = 15;
             c->d = 6;
             c->t1 = 50;
             c->service_class2 = 3;
             c->variant = 1;
         },
         0},
    });
}

// Ring and toothed-plate connectors: dense timber, service class 3, and the
// member thicknesses of the C1 plates.
TEST_F(MinDimensions, RingsAndToothedPlates)
{
    Expect_Min_Dimensions({
        {"toothed plate in hardwood, DIN", 0,
         [](ConnectionInput* c) {
             c->type = 26;
             c->kind2 = 1;
             c->grade2 = 0;
         },
         97},
        {"ring in dense timber, DIN", 0,
         [](ConnectionInput* c) {
             c->type = 25;
             c->kind2 = 1;
             c->grade2 = 3;
         },
         44},
        {"ring, class 3, German annex", 2,
         [](ConnectionInput* c) {
             c->type = 25;
             c->service_class1 = 3;
         },
         81},
        {"ring, class 3, recommended", 1,
         [](ConnectionInput* c) {
             c->type = 25;
             c->service_class1 = 3;
         },
         0},
        {"ring, class 3, DIN", 0,
         [](ConnectionInput* c) {
             c->type = 25;
             c->service_class1 = 3;
         },
         81},
        {"C1, thin side member", 1,
         [](ConnectionInput* c) {
             c->type = 26;
             c->t1 = 8;
         },
         25},
        {"C1, thick members", 1, [](ConnectionInput* c) { c->type = 26; }, 0},
        {"C1, thin middle member", 1,
         [](ConnectionInput* c) {
             c->type = 26;
             c->shear_planes = 2;
             c->t2 = 11;
         },
         26},
        {"C1 at a steel plate", 1,
         [](ConnectionInput* c) {
             c->type = 26;
             c->kind1 = 12;
             c->grade1 = 0;
             c->t1 = 5;
             c->t2 = 6.5;
         },
         25},
    });
}
