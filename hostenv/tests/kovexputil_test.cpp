// Tests of the coordinate systems of member cuts: a strut on a sill worked by hand, parallel
// axes, transformations and properties over random pairs.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "hostenv/kovexputil.h"
#include "test_support/kxp/kxp_fixture.h"

namespace {

const double r2 = 1.0 / std::sqrt(2.0);

void expect_row(const double* r, double x, double y, double z, const char* what)
{
    EXPECT_NEAR(r[0], x, 1e-9) << what;
    EXPECT_NEAR(r[1], y, 1e-9) << what;
    EXPECT_NEAR(r[2], z, 1e-9) << what;
}

KxpCutSpec sill()
{
    KxpCutSpec s;
    s.position = 0.5;
    s.length = 4000;
    s.id = 1;
    return s;
}

KxpCutSpec strut()
{
    KxpCutSpec s;
    s.origin[0] = -100;
    s.origin[2] = 100;
    s.x[0] = r2;
    s.x[2] = -r2;
    // z = x × y
    s.z[0] = r2;
    s.z[2] = r2;
    s.position = 0.9;
    s.length = 1414.2136;
    s.id = 2;
    return s;
}

} // namespace

// The joint of a strut at 45° bearing on a horizontal sill, worked by hand:
// n = a × b normalised is (0,-1,0); the strut lies below m = (0,0,-1)... the
// rules turn n and m so that the strut stands on the positive side.
TEST(JointSystems, WorkedStrutOnSill)
{
    KovExportObject* a = Kxp_Fixture_Cut(strut());
    KovExportObject* b = Kxp_Fixture_Cut(sill());
    KxpJointSystems js;
    ASSERT_EQ(Kxp_Make_Joint_Systems(a, b, &js), 1);
    expect_row(js.system_b.r0, 1, 0, 0, "sill x");
    expect_row(js.system_b.r1, 0, 1, 0, "sill y");
    expect_row(js.system_b.r2, 0, 0, 1, "sill z");
    expect_row(js.system_a.r0, -r2, 0, r2, "strut x");
    expect_row(js.system_a.r1, 0, 1, 0, "strut y");
    expect_row(js.system_a.r2, -r2, 0, -r2, "strut z");
    expect_row(js.point, 0, 0, 0, "X");
    EXPECT_NEAR(js.plane_distance, 100.0, 1e-9);

    KovExportObject* members[2] = {a, b};
    const int which[2] = {1, 0};
    KxpTrafoArray* arr = nullptr;
    ASSERT_EQ(Kxp_Trafo_Array_Build(&js, members, which, 2, &arr), 1);
    ASSERT_EQ(arr->count, 2);
    const double diag[9] = {1, 0, 0, 0, -1, 0, 0, 0, 1};
    for (int k = 0; k < 9; ++k) EXPECT_NEAR(arr->items[0].force[k], diag[k], 1e-9) << k;
    for (int k = 0; k < 9; ++k) EXPECT_NEAR(arr->items[1].force[k], k % 4 == 0 ? 1 : 0, 1e-9) << k;
    // The strut's axes against its joint system: x reversed (π), y equal (0), z reversed (π).
    EXPECT_NEAR(arr->items[0].angles[0], M_PI, 1e-6);
    EXPECT_NEAR(arr->items[0].angles[1], 0.0, 1e-6);

    // The sign of the axial force survives: the matrix is negated with the reversed x axis.
    double row[12] = {-30, 2, 3, 4, 5, 6, 10, 0, 0, 0, 0, 1};
    double out[12];
    Kxp_Trafo_Apply(arr, row, out);
    EXPECT_NEAR(out[0], -30, 1e-9);
    EXPECT_NEAR(out[1], -2, 1e-9);
    EXPECT_NEAR(out[2], 3, 1e-9);
    EXPECT_NEAR(out[4], -5, 1e-9);
    Kxp_Trafo_Array_Free(&arr);
    EXPECT_EQ(arr, nullptr);
    Kxp_Free_Object(a);
    Kxp_Free_Object(b);
}

TEST(JointSystems, ParallelAxesAndWrongTypes)
{
    KxpCutSpec s1 = sill(), s2 = sill();
    s2.origin[2] = 50;
    s2.y[1] = 0;
    s2.y[2] = 1; // a distinct y row for the second cut
    s2.z[1] = -1;
    s2.z[2] = 0;
    KovExportObject* a = Kxp_Fixture_Cut(s2);
    KovExportObject* b = Kxp_Fixture_Cut(s1);
    KxpJointSystems js;
    ASSERT_EQ(Kxp_Make_Joint_Systems(a, b, &js), 1);
    // n is the second cut's y row (up to the sign rules), and P = O_A: offset_a is b'·(O_A − O_A) = 0.
    EXPECT_NEAR(std::fabs(js.system_b.r1[1]), 1.0, 1e-12);
    EXPECT_NEAR(js.offset_a, 0.0, 1e-12);

    KovExportObject* sys = Kxp_New_Object(4, 1, 1, "K", 0, nullptr);
    ASSERT_EQ(Kxp_Make_Joint_Systems(a, sys, &js), 0);
    expect_row(js.system_a.r0, 1, 0, 0, "identity");
    Kxp_Free_Object(sys);
    Kxp_Free_Object(a);
    Kxp_Free_Object(b);
}

TEST(CoordSystem, RotationAngleAndTranspose)
{
    KxpCutSpec s;
    s.rotation = 1e-11;
    KovExportObject* o = Kxp_Fixture_Cut(s);
    KxpCoordSystem c;
    ASSERT_EQ(Kxp_Get_Coord_System(o, &c, 1, 1), 1);
    expect_row(c.r1, 0, 1, 0, "tiny angle ignored");
    Kxp_Free_Object(o);

    s.rotation = M_PI / 2;
    o = Kxp_Fixture_Cut(s);
    Kxp_Get_Coord_System(o, &c, 1, 0);
    expect_row(c.r0, 1, 0, 0, "r0");
    expect_row(c.r1, 0, 0, 1, "r1");
    expect_row(c.r2, 0, -1, 0, "r2");
    Kxp_Free_Object(o);

    // Stored columns come back as rows with transpose 1.
    KxpCutSpec t = strut();
    o = Kxp_Fixture_Cut(t);
    Kxp_Get_Coord_System(o, &c, 0, 1);
    expect_row(c.r0, r2, 0, -r2, "x");
    expect_row(c.r2, r2, 0, r2, "z");
    expect_row(c.origin, -100, 0, 100, "origin");
    Kxp_Free_Object(o);
}

TEST(Transformation, SameAndReversedAxes)
{
    KxpCoordSystem target;
    Kxp_Identity_System(&target);
    KovExportObject* same = Kxp_Fixture_Cut(KxpCutSpec());
    KxpTransformation t;
    ASSERT_EQ(Kxp_Transformation_Of_Member(&target, same, &t), 1);
    for (int k = 0; k < 9; ++k) EXPECT_NEAR(t.force[k], k % 4 == 0 ? 1 : 0, 1e-12);
    for (double a : t.angles) EXPECT_NEAR(a, 0.0, 1e-12);

    KxpCutSpec rev;
    rev.x[0] = -1;
    rev.y[1] = -1; // keeps a right-handed system
    KovExportObject* o = Kxp_Fixture_Cut(rev);
    Kxp_Transformation_Of_Member(&target, o, &t);
    EXPECT_NEAR(t.force[0], 1.0, 1e-12); // h = -1 makes force(0,0) = |c|
    EXPECT_NEAR(t.force[4], 1.0, 1e-12); // -(−1)
    EXPECT_NEAR(t.force[8], -1.0, 1e-12);
    EXPECT_EQ(Kxp_Transformation_Of_Member(&target, nullptr, &t), 0);
    EXPECT_EQ(t.force[0], 1.0);
    Kxp_Free_Object(same);
    Kxp_Free_Object(o);
}

TEST(Transformation, BuildLeavesNonCutsAtDefault)
{
    KxpJointSystems js;
    KovExportObject* a = Kxp_Fixture_Cut(strut());
    KovExportObject* b = Kxp_Fixture_Cut(sill());
    Kxp_Make_Joint_Systems(a, b, &js);
    KovExportObject* sys = Kxp_New_Object(4, 1, 1, "K", 0, nullptr);
    KovExportObject* members[3] = {sys, a, nullptr};
    KxpTrafoArray* arr = nullptr;
    ASSERT_EQ(Kxp_Trafo_Array_Build(&js, members, nullptr, 3, &arr), 1);
    for (int i : {0, 2}) {
        for (int k = 0; k < 9; ++k) EXPECT_EQ(arr->items[i].force[k], k % 4 == 0 ? 1.0 : 0.0);
        for (double x : arr->items[i].angles) EXPECT_EQ(x, 0.0);
    }
    EXPECT_NEAR(std::fabs(arr->items[1].force[0]), r2 * 1.0, 1e-9); // strut x against the sill's x: 45°
    ASSERT_EQ(Kxp_Trafo_Array_Resize(&arr, 1), 1);
    EXPECT_EQ(arr->count, 1);
    EXPECT_GE(arr->capacity, 3);
    Kxp_Trafo_Array_Free(&arr);
    Kxp_Free_Object(a);
    Kxp_Free_Object(b);
    Kxp_Free_Object(sys);
}

// Random member pairs: both systems orthonormal and sharing their second axis;
// applying in place equals applying out of place.
TEST(JointSystems, PropertiesOverRandomPairs)
{
    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    auto unit = [&](double* v) {
        double n;
        do {
            for (int k = 0; k < 3; ++k) v[k] = u(rng);
            n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        } while (n < 0.1);
        for (int k = 0; k < 3; ++k) v[k] /= n;
    };
    auto random_cut = [&](int id) {
        KxpCutSpec s;
        unit(s.x);
        double t[3];
        unit(t);
        // y = unit(t − (t·x)x), z = x × y
        double d = t[0] * s.x[0] + t[1] * s.x[1] + t[2] * s.x[2];
        for (int k = 0; k < 3; ++k) s.y[k] = t[k] - d * s.x[k];
        double n = std::sqrt(s.y[0] * s.y[0] + s.y[1] * s.y[1] + s.y[2] * s.y[2]);
        for (int k = 0; k < 3; ++k) s.y[k] /= n;
        s.z[0] = s.x[1] * s.y[2] - s.x[2] * s.y[1];
        s.z[1] = s.x[2] * s.y[0] - s.x[0] * s.y[2];
        s.z[2] = s.x[0] * s.y[1] - s.x[1] * s.y[0];
        for (double& o : s.origin) o = 1000 * u(rng);
        s.position = 0.5 * (u(rng) + 1);
        s.length = 500 + 2000 * (u(rng) + 1);
        s.id = id;
        return Kxp_Fixture_Cut(s);
    };
    auto dotp = [](const double* a, const double* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
    for (int trial = 0; trial < 200; ++trial) {
        KovExportObject* a = random_cut(1);
        KovExportObject* b = random_cut(2);
        KxpJointSystems js;
        ASSERT_EQ(Kxp_Make_Joint_Systems(a, b, &js), 1);
        for (const KxpCoordSystem* c : {&js.system_a, &js.system_b}) {
            const double* rows[3] = {c->r0, c->r1, c->r2};
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) EXPECT_NEAR(dotp(rows[i], rows[j]), i == j ? 1.0 : 0.0, 1e-9);
        }
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(js.system_a.r1[k], js.system_b.r1[k], 1e-12);

        KovExportObject* members[2] = {a, b};
        const int which[2] = {1, 0};
        KxpTrafoArray* arr = nullptr;
        ASSERT_EQ(Kxp_Trafo_Array_Build(&js, members, which, 2, &arr), 1);
        double in[12], sep[12], same[12];
        for (double& x : in) x = 100 * u(rng);
        std::copy(in, in + 12, same);
        Kxp_Trafo_Apply(arr, in, sep);
        Kxp_Trafo_Apply(arr, same, same);
        for (int k = 0; k < 12; ++k) EXPECT_DOUBLE_EQ(same[k], sep[k]);
        Kxp_Trafo_Array_Free(&arr);
        Kxp_Free_Object(a);
        Kxp_Free_Object(b);
    }
}

TEST(Geometry, AngleHelpers)
{
    const double x[3] = {1, 0, 0}, y2[3] = {0, 2, 0};
    EXPECT_NEAR(Kxp_Angle_Between(x, y2), M_PI / 2, 1e-12);
    EXPECT_NEAR(Kxp_Angle_Between(nullptr, x), 0.0, 1e-12);
    const double z[3] = {0, 0, 1};
    EXPECT_NEAR(Kxp_Direction_Angle(nullptr, z), -M_PI / 2, 1e-12);
    KxpCoordSystem c;
    Kxp_Identity_System(&c);
    Kxp_Coord_Flip_YZ(&c);
    expect_row(c.r1, 0, -1, 0, "flipped y");
    expect_row(c.r2, 0, 0, -1, "flipped z");
}

TEST(Geometry, MembersPlaneOfTwoCutsInXZ)
{
    // A sill along x and a strut at 45° in the x-z plane: the plane's normal is ±y.
    KovExportObject* a = Kxp_Fixture_Cut(sill());
    KovExportObject* b = Kxp_Fixture_Cut(strut());
    KovExportObject* m[2] = {a, b};
    KxpCoordSystem plane;
    double maxd = -1;
    ASSERT_EQ(Kxp_Members_Plane(m, 2, 0, &plane, &maxd), 1);
    EXPECT_NEAR(std::fabs(plane.r1[1]), 1.0, 1e-9);
    EXPECT_GE(plane.r2[2], 0.0);
    EXPECT_NEAR(maxd, 0.0, 1e-9);
    Kxp_Free_Object(a);
    Kxp_Free_Object(b);
}
