// Tests of the material and fastener kind sets: each predicate answers exactly for its members,
// threads and heads of user screws, rule type and strength direction.
#include <gtest/gtest.h>

#include <set>

#include "materials/matkind.h"

namespace {

std::set<int> Range(int lo, int hi)
{
    std::set<int> s;
    for (int i = lo; i <= hi; ++i) s.insert(i);
    return s;
}

std::set<int> Join(std::initializer_list<std::set<int>> parts)
{
    std::set<int> s;
    for (const auto& p : parts) s.insert(p.begin(), p.end());
    return s;
}

struct SetCase {
    const char* name;
    int (*test)(int);
    std::set<int> members;
};

} // namespace

// Every predicate answers 1 exactly for its members over a range wider than all codes.
TEST(MaterialKinds, KindSetsHaveExactlyTheirMembers)
{
    const SetCase cases[] = {
        {"board", Mat_Is_Board, Join({Range(4, 11), {18, 19}, Range(-13, -10)})},
        {"sheathing", Mat_Is_Sheathing_Board, {4, 5, 7, 8, 9}},
        {"steico", Mat_Is_Steico_Wall_Or_Joist, {-12, -13}},
        {"solid", Mat_Is_Solid_Timber, {0, 1, -10}},
        {"metal", Mat_Is_Metal_Plate, {12, 16}},
        {"glulam", Mat_Is_Glulam, {2, 3, 17}},
        {"timber", Mat_Is_Timber, {0, 1, 2, 3, 17, -10}},
    };
    for (const auto& c : cases)
        for (int k = -1000; k <= 60; ++k) EXPECT_EQ(c.test(k), c.members.count(k) ? 1 : 0) << c.name << " kind " << k;
}

TEST(MaterialKinds, FastenerSetsHaveExactlyTheirMembers)
{
    const SetCase cases[] = {
        {"wood screw", Fastener_Is_Wood_Screw, Range(2, 10)},
        {"spax", Fastener_Is_Spax, {11, 12, 13, 44}},
        {"assy", Fastener_Is_Assy, {14, 15, 43}},
        {"special nail", Fastener_Is_Special_Nail, Join({Range(16, 24), Range(34, 42), {45, 46}})},
        {"nail", Fastener_Is_Nail, Join({{0}, Range(16, 24), Range(34, 42), {45, 46}})},
        {"nail or screw", Fastener_Is_Nail_Or_Screw, Join({{0}, Range(2, 24), Range(34, 46)})},
        {"pin", Fastener_Is_Pin, Join({Range(0, 24), Range(34, 46)})},
        {"pin type", Fastener_Is_Pin_Type, Join({Range(0, 24), Range(34, 46)})},
        {"connector", Fastener_Is_Connector, Join({Range(25, 28), Range(31, 33)})},
    };
    for (const auto& c : cases)
        for (int t = -5; t <= 60; ++t) EXPECT_EQ(c.test(t), c.members.count(t) ? 1 : 0) << c.name << " type " << t;
}

TEST(MaterialKinds, MembershipsCallersRelyOn)
{
    // The unnamed softwood kind is timber, solid and a board at once.
    EXPECT_EQ(Mat_Is_Timber(-10), 1);
    EXPECT_EQ(Mat_Is_Solid_Timber(-10), 1);
    EXPECT_EQ(Mat_Is_Board(-10), 1);
    EXPECT_EQ(Mat_Is_Board(13), 0);
    EXPECT_EQ(Mat_Is_Board(-14), 0);
    // Beech GL75 is glulam and timber but not solid; the LVL products are boards.
    EXPECT_EQ(Mat_Is_Glulam(17), 1);
    EXPECT_EQ(Mat_Is_Solid_Timber(17), 0);
    EXPECT_EQ(Mat_Is_Timber(19), 0);
    EXPECT_EQ(Mat_Is_Board(-11), 1);
    // The staple is a pin but neither a nail nor in the nail-or-screw set.
    EXPECT_EQ(Fastener_Is_Pin(1), 1);
    EXPECT_EQ(Fastener_Is_Nail(1), 0);
    EXPECT_EQ(Fastener_Is_Nail_Or_Screw(1), 0);
    EXPECT_EQ(Fastener_Is_Pin(47), 0);
    EXPECT_EQ(Fastener_Is_Pin(-1), 0);
}

TEST(MaterialKinds, ThreadAndHeadOfUserScrews)
{
    for (int t : {13, 14, 15}) EXPECT_EQ(Fastener_Is_Full_Thread(t, 0, 0), 1);
    for (int t : {11, 12, 2, 0}) EXPECT_EQ(Fastener_Is_Full_Thread(t, 2, 2), 0);
    EXPECT_EQ(Fastener_Is_Full_Thread(43, 0, 2), 0); // SPAX thread not read for ASSY
    for (int th : {1, 2, 3}) EXPECT_EQ(Fastener_Is_Full_Thread(43, th, 0), 1);
    EXPECT_EQ(Fastener_Is_Full_Thread(43, 4, 0), 0);
    EXPECT_EQ(Fastener_Is_Full_Thread(44, 3, 2), 1);
    EXPECT_EQ(Fastener_Is_Full_Thread(44, 3, 1), 1);
    EXPECT_EQ(Fastener_Is_Full_Thread(44, 2, 0), 0);

    for (int t : {11, 13, 15}) EXPECT_EQ(Fastener_Is_Countersunk(t, 99), 1);
    for (int t : {12, 14}) EXPECT_EQ(Fastener_Is_Countersunk(t, 0), 0);
    for (int h = 0; h < 4; ++h) EXPECT_EQ(Fastener_Is_Countersunk(43, h), 1);
    EXPECT_EQ(Fastener_Is_Countersunk(43, 4), 0);
    EXPECT_EQ(Fastener_Is_Countersunk(43, -1), 0); // compared unsigned
    EXPECT_EQ(Fastener_Is_Countersunk(44, 2), 1);
    EXPECT_EQ(Fastener_Is_Countersunk(44, 4), 1);
    EXPECT_EQ(Fastener_Is_Countersunk(44, 3), 0);
    EXPECT_EQ(Fastener_Is_Countersunk(44, 0), 0);
}

TEST(MaterialKinds, RuleTypeAndStrengthDirection)
{
    EXPECT_EQ(Fastener_Rule_Type(5, 6.001), 0);
    EXPECT_EQ(Fastener_Rule_Type(5, 6.0011), 30);
    EXPECT_EQ(Fastener_Rule_Type(15, 8.0), 30);
    EXPECT_EQ(Fastener_Rule_Type(43, 5.0), 0);
    EXPECT_EQ(Fastener_Rule_Type(44, 10.0), 30);
    EXPECT_EQ(Fastener_Rule_Type(16, 10.0), 16);
    EXPECT_EQ(Fastener_Rule_Type(29, 12), 29);
    EXPECT_EQ(Fastener_Rule_Type(-1, 12), -1);

    EXPECT_EQ(Mat_Strength_Direction(0, 1.0), 7);
    EXPECT_EQ(Mat_Strength_Direction(0, 0.999), 6);
    EXPECT_EQ(Mat_Strength_Direction(17, -0.5), 6);
    EXPECT_EQ(Mat_Strength_Direction(3, -1.0), 7);
    EXPECT_EQ(Mat_Strength_Direction(5, 0.0), 2);
    EXPECT_EQ(Mat_Strength_Direction(6, 2.0), 3);
    for (int k : {7, 8, 9, 10, 11, 18, 19, -11}) EXPECT_EQ(Mat_Strength_Direction(k, 5.0), 5) << k;
    for (int k : {12, 13, 14, 15, 16, -10, -12, -13, -999}) EXPECT_EQ(Mat_Strength_Direction(k, 0.0), -1) << k;
}
