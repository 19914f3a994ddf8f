// Tests of the LVL products: records with scaled moduli, section geometry and formulas, k_mod
// of web and flanges, and the choice lists of the section names.
#include <gtest/gtest.h>

#include <cmath>

#include "materials/matlvl.h"

TEST(LvlProducts, BuildFillsRecordsWithScaledModuli)
{
    LvlSection* s = Lvl_Wall_Build(1000);
    const LvlProduct* w = Lvl_Wall_Product();
    ASSERT_EQ(s, w->sections);
    EXPECT_STREQ(w->name, "Steico Wall");
    EXPECT_EQ(w->count, 8);
    EXPECT_EQ(w->scale, 1000);
    EXPECT_EQ(w->values[3], 11000.0 * 1000);
    EXPECT_EQ(w->values[4], 10000.0 * 1000);
    EXPECT_EQ(w->values[11], 5300.0 * 1000);
    EXPECT_EQ(w->values[12], 2100.0 * 1000);
    EXPECT_EQ(w->values[5], 480.0);
    EXPECT_EQ(w->values[6], 6.0);
    EXPECT_EQ(w->values[13], 900.0);
    EXPECT_STREQ(s[7].name, "SW LVL,HB 60/300");
    EXPECT_EQ(s[7].index, 7);
    EXPECT_EQ(s[0].e_ef, 10884.0 * 1000);

    // A later ensure keeps the first scale.
    Lvl_Wall_Ensure(1);
    EXPECT_EQ(w->values[3], 11000.0 * 1000);
    EXPECT_EQ(w->sections[0].e_ef, 10884.0 * 1000);

    Lvl_Joist_Build(1);
    const LvlProduct* j = Lvl_Joist_Product();
    EXPECT_STREQ(j->name, "Steico Joist");
    EXPECT_EQ(j->count, 18);
    EXPECT_EQ(j->values[3], 13800.0);
    EXPECT_EQ(j->values[0], 48.0);
    EXPECT_STREQ(j->sections[17].name, "SJ LVL,HB 90/400");
}

// The derived columns of every section agree with the section's own geometry:
// h_w = h - 2 h_f and z = (h - h_f) / 2 raised to whole millimetres.
TEST(LvlProducts, SectionGeometryIsConsistent)
{
    Lvl_Wall_Ensure(1000);
    Lvl_Joist_Ensure(1000);
    for (const LvlProduct* p : {Lvl_Wall_Product(), Lvl_Joist_Product()})
        for (int i = 0; i < p->count; ++i) {
            const LvlSection& s = p->sections[i];
            EXPECT_EQ(s.h_w, s.h - 2 * s.h_f) << s.name;
            EXPECT_EQ(s.z, std::ceil((s.h - s.h_f) / 2)) << s.name;
        }
}

TEST(LvlProducts, SectionFormulas)
{
    Lvl_Wall_Ensure(1000);
    Lvl_Joist_Ensure(1000);
    const LvlProduct* w = Lvl_Wall_Product();
    const LvlProduct* j = Lvl_Joist_Product();

    EXPECT_EQ(Lvl_Find_Section(j, 300, 90), 15);
    EXPECT_EQ(Lvl_Find_Section(j, 300, 70), 3);
    EXPECT_EQ(Lvl_Find_Section(j, 300.9, 89.1), 15);
    EXPECT_EQ(Lvl_Find_Section(w, 350, 45), -1);
    EXPECT_EQ(Lvl_Find_Section(nullptr, 300, 45), -1);

    double a1 = -1, a2 = -1, a3 = -1;
    Lvl_Bearing_Areas(w, 0, 10, 100, &a1, &a2, &a3);
    EXPECT_DOUBLE_EQ(a1, 2 * 39 * (30 + 30 + 45) + 3 * 6 * 82); // 9666
    EXPECT_DOUBLE_EQ(a1, 9666);
    EXPECT_DOUBLE_EQ(a2, 2 * 39 * (100 + 30 + 45) + 1476); // 15126
    EXPECT_DOUBLE_EQ(a3, 9666);
    Lvl_Bearing_Areas(w, 0, 10, 100, nullptr, &a2, nullptr);
    EXPECT_DOUBLE_EQ(a2, 15126);
    Lvl_Bearing_Areas(w, 8, 10, 100, &a1, &a2, &a3);
    EXPECT_EQ(a1, 0.0);
    EXPECT_EQ(a3, 0.0);

    EXPECT_DOUBLE_EQ(Lvl_Mass_Per_Length(w, 0), 6 * 900 * 82 + 2 * 480 * 45 * 39); // 2,127,600
    EXPECT_DOUBLE_EQ(Lvl_Mass_Per_Length(w, 0), 2127600);
    EXPECT_DOUBLE_EQ(Lvl_Flange_Area(j, 17), 2 * 90 * 39);
    EXPECT_EQ(Lvl_Flange_Area(j, 18), 0.0);
    EXPECT_EQ(Lvl_Mass_Per_Length(j, -1), 0.0);
}

TEST(LvlProducts, KmodOfWebAndFlanges)
{
    EXPECT_DOUBLE_EQ(Lvl_Web_Kmod(1, 5), 0.975);
    EXPECT_DOUBLE_EQ(Lvl_Web_Kmod(2, 0), 0.2);
    EXPECT_DOUBLE_EQ(Lvl_Web_Kmod(2, 7), 1.1);
    EXPECT_EQ(Lvl_Web_Kmod(3, 0), 0.0);
    EXPECT_EQ(Lvl_Web_Kmod(1, 8), 0.0);
    EXPECT_EQ(Lvl_Flange_Kmod(2, 8), 0.0);
    EXPECT_DOUBLE_EQ(Lvl_Flange_Kmod(2, 4), 1.1);
    EXPECT_EQ(Lvl_Flange_Kmod(0, 1), 0.0);
    for (int sc = 0; sc <= 3; ++sc)
        for (unsigned step = 0; step <= 9; ++step) EXPECT_EQ(Lvl_Flange_Kmod_2(sc, step), Lvl_Flange_Kmod(sc, step));
    // Step 5 is the mean of steps 3 and 4 in every table.
    for (int sc = 1; sc <= 2; ++sc) {
        EXPECT_NEAR(Lvl_Web_Kmod(sc, 5), (Lvl_Web_Kmod(sc, 3) + Lvl_Web_Kmod(sc, 4)) / 2, 1e-12);
        EXPECT_NEAR(Lvl_Flange_Kmod(sc, 5), (Lvl_Flange_Kmod(sc, 3) + Lvl_Flange_Kmod(sc, 4)) / 2, 1e-12);
    }
}

TEST(LvlProducts, ChoiceListsOfTheSectionNames)
{
    // Not built yet: the list builds the wall's tables with the scale 1000.
    int flags = -1, count = -1;
    ChoiceEntry* wall = Lvl_Wall_Choice_List(&flags, &count, 5);
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(flags, 13);
    EXPECT_EQ(count, 8);
    EXPECT_EQ(Lvl_Wall_Product()->scale, 1000);
    EXPECT_EQ(Lvl_Wall_Product()->values[3], 11000.0 * 1000);
    EXPECT_STREQ(wall[0].text, "SW LVL,HB 45/160");
    EXPECT_STREQ(wall[7].text, "SW LVL,HB 60/300");
    // The texts are copies, not the section records' own names.
    EXPECT_NE(wall[0].text, Lvl_Wall_Product()->sections[0].name);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(wall[i].colour, 5) << i;

    // Every call re-colours every entry; the texts stay the first copies.
    const char* first_text = wall[3].text;
    wall[3].colour = 99;
    EXPECT_EQ(Lvl_Wall_Choice_List(nullptr, nullptr, 12), wall);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(wall[i].colour, 12) << i;
    EXPECT_EQ(wall[3].text, first_text);

    ChoiceEntry* joist = Lvl_Joist_Choice_List(&flags, &count, 7);
    EXPECT_EQ(flags, 13);
    EXPECT_EQ(count, 18);
    EXPECT_STREQ(joist[0].text, "SJ LVL,HB 45/200");
    EXPECT_STREQ(joist[15].text, "SJ LVL,HB 90/300");
    EXPECT_STREQ(joist[17].text, "SJ LVL,HB 90/400");
    EXPECT_EQ(joist[17].colour, 7);
    EXPECT_EQ(Lvl_Joist_Product()->sections[0].e_ef, 14044.0 * 1000);
}

TEST(LvlProducts, ChoiceListKeepsTheScaleOfAnEarlierBuild)
{
    Lvl_Joist_Build(1);
    int count = 0;
    Lvl_Joist_Choice_List(nullptr, &count, 0);
    EXPECT_EQ(count, 18);
    EXPECT_EQ(Lvl_Joist_Product()->scale, 1);
    EXPECT_EQ(Lvl_Joist_Product()->values[3], 13800.0);
}
