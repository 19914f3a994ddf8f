// Aluminium grade registry: the built-in table against the grade list and the
// fully given rows, the fallback grade, user grades and the list functions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "materials/alguete.h"
#include "platform/kovstrlist.h"

namespace {

struct NameRow {
    int id;
    const char* name; // the sign <= is the byte 0xF3
    double t_min, t_max;
};

// Every grade with its thickness range.
const NameRow kNames[] = {
    {0, "3004 H14", 0, 6},
    {1, "3004 H24/H34", 0, 3},
    {2, "3004 H16", 0, 4},
    {3, "3004 H26/H36", 0, 3},
    {4, "3005 H14", 0, 6},
    {5, "3005 H24", 0, 3},
    {6, "3005 H16", 0, 4},
    {7, "3005 H26", 0, 3},
    {8, "3103 H14", 0, 25},
    {9, "3103 H24", 0, 12.5},
    {10, "3103 H16", 0, 4},
    {11, "3103 H26", 0, 4},
    {12, "5005 O/H111", 0, 50},
    {13, "5005 H12", 0, 12.5},
    {14, "5005 H22/H32", 0, 12.5},
    {15, "5005 H14", 0, 12.5},
    {16, "5005 H24/H34", 0, 12.5},
    {17, "5052 H12", 0, 40},
    {18, "5052 H22/H32", 0, 40},
    {19, "5052 H14", 0, 25},
    {20, "5052 H24/H34", 0, 25},
    {21, "5049 O/H111", 0, 100},
    {22, "5049 H14", 0, 25},
    {23, "5049 H24/H34", 0, 25},
    {24, "5454 O/H111", 0, 80},
    {25, "5454 H14", 0, 25},
    {26, "5454 H24/H34", 0, 25},
    {27, "5754 O/H111", 0, 100},
    {28, "5754 H14", 0, 25},
    {29, "5754 H24/H34", 0, 25},
    {30,
     "5083 O/H111 \xF3"
     " 50",
     0, 50},
    {31, "5083 O/H111 > 50", 50.001, 80},
    {32, "5083 H12", 0, 40},
    {33, "5083 H22/H32", 0, 40},
    {34, "5083 H14", 0, 25},
    {35, "5083 H24/H34", 0, 25},
    {36, "6061 T4/T451", 0, 12.5},
    {37, "6061 T6/T651", 0, 12.5},
    {38, "6061 T651", 12.5, 80},
    {39, "6082 T4/T451", 0, 12.5},
    {40, "6082 T61/T6151", 0, 12.5},
    {41, "6082 T6151", 12.5, 100},
    {42, "6082 T6/T651", 0, 6},
    {43, "6082 T6/T651", 6.001, 12.5},
    {44, "6082 T651", 12.5, 100},
    {45, "7020 T6", 0, 12.5},
    {46, "7020 T651", 0, 40},
    {47, "8011A H14", 0, 12.5},
    {48, "8011A H24", 0, 12.5},
    {49, "8011A H16", 0, 4},
    {50, "8011A H26", 0, 4},
    {51, "5083 O/H111/F/H112", 0, 200},
    {52, "5083 H12/22/32", 0, 10},
    {53, "5083 H14/24/34", 0, 5},
    {54, "5454 O/H111/F/H112", 0, 25},
    {55, "5754 O/H111/F/H112", 0, 25},
    {56, "5754 H14/24/H34", 0, 10},
    {57,
     "6060 T5 \xF3"
     " 5",
     0, 5},
    {58, "6060 T5 > 5", 5.001, 25},
    {59,
     "6060 T6 \xF3"
     " 15",
     0, 15},
    {60,
     "6060 T6 \xF3"
     " 20",
     0, 20},
    {61, "6060 T64", 0, 15},
    {62,
     "6060 T66 \xF3"
     " 3",
     0, 3},
    {63, "6060 T66 > 3", 3, 25},
    {64, "6061 T4 < 25", 0, 25},
    {65,
     "6061 T4 \xF3"
     " 20",
     0, 20},
    {66, "6061 T6 < 25", 0, 25},
    {67,
     "6061 T6 \xF3"
     " 20",
     0, 20},
    {68,
     "6063 T5 \xF3"
     " 3",
     0, 3},
    {69, "6063 T5 > 3", 3, 25},
    {70,
     "6063 T6 \xF3"
     " 25",
     0, 25},
    {71,
     "6063 T6 \xF3"
     " 20",
     0, 20},
    {72,
     "6063 T66 \xF3"
     " 10",
     0, 10},
    {73, "6063 T66 > 10", 10, 25},
    {74,
     "6063 T66 \xF3"
     " 20",
     0, 20},
    {75,
     "6005A T6 \xF3"
     " 5",
     0, 5},
    {76,
     "6005A T6 \xF3"
     " 10",
     5, 10},
    {77, "6005A T6 > 10", 10.001, 25},
    {78,
     "6005A T6 \xF3"
     " 5",
     0, 5},
    {79, "6005A T6 > 5", 5.001, 10},
    {80, "6106 T6", 0, 10},
    {81, "6082 T4", 0, 25},
    {82, "6082 T5", 0, 5},
    {83,
     "6082 T6 \xF3"
     " 5 (EP,ET)",
     0, 5},
    {84, "6082 T6 > 5", 5.001, 15},
    {85,
     "6082 T6 \xF3"
     " 20",
     0, 20},
    {86, "6082 T6 > 20", 20.001, 150},
    {87,
     "6082 T6 \xF3"
     " 5 (DT)",
     0, 5},
    {88, "6082 T6 > 5 (DT)", 5.001, 20},
    {89,
     "7020 T6 \xF3"
     " 15",
     0, 15},
    {90,
     "7020 T6 \xF3"
     " 40",
     15.001, 40},
    {91,
     "7020 T6 \xF3"
     " 20",
     0, 20},
    {92, "5754 H112 (L)", 0, 150},
    {93, "5083 H112 (L)", 0, 150},
    {94, "5083 H112 (T)", 0, 150},
    {95, "6082 T6 (L)", 0, 100},
    {96, "6082 T6 (T)", 0, 100},
};

struct FullRow {
    int id;
    const char* name;
    double t_min, t_max, f_o, f_u, A, f_o_haz, f_u_haz, rho_o, rho_u;
    const char* cls;
    double n_p;
};

const FullRow kFull[] = {
    {0, "3004 H14", 0, 6, 180, 220, 1, 75, 155, 0.42, 0.70, "B", 23},
    {12, "5005 O/H111", 0, 50, 35, 100, 15, 35, 100, 1, 1, "B", 5},
    {13, "5005 H12", 0, 12.5, 95, 125, 2, 44, 100, 0.46, 0.80, "B", 18},
    {30,
     "5083 O/H111 \xF3"
     " 50",
     0, 50, 125, 275, 11, 125, 275, 1, 1, "B", 6},
    {31, "5083 O/H111 > 50", 50.001, 80, 115, 270, 14, 115, 270, 1, 1, "B", 6},
    {34, "5083 H14", 0, 25, 280, 340, 2, 155, 275, 0.55, 0.81, "A", 22},
    {42, "6082 T6/T651", 0, 6, 260, 310, 6, 125, 185, 0.48, 0.60, "A", 25},
    {43, "6082 T6/T651", 6.001, 12.5, 255, 300, 9, 125, 185, 0.49, 0.62, "A", 27},
    {66, "6061 T6 < 25", 0, 25, 240, 260, 8, 115, 175, 0.48, 0.67, "A", 55},
    {75,
     "6005A T6 \xF3"
     " 5",
     0, 5, 225, 270, 8, 115, 165, 0.51, 0.61, "A", 25},
    {78,
     "6005A T6 \xF3"
     " 5",
     0, 5, 215, 255, 8, 115, 165, 0.53, 0.65, "A", 26},
    {83,
     "6082 T6 \xF3"
     " 5 (EP,ET)",
     0, 5, 250, 290, 8, 125, 185, 0.50, 0.64, "A", 32},
    {87,
     "6082 T6 \xF3"
     " 5 (DT)",
     0, 5, 255, 310, 8, 125, 185, 0.49, 0.60, "A", 22},
    {92, "5754 H112 (L)", 0, 150, 80, 180, 15, 80, 180, 0, 0, "B", 0},
    {96, "6082 T6 (T)", 0, 100, 250, 290, 5, 125, 185, 0, 0, "A", 0},
};

class AluGuete : public ::testing::Test {
protected:
    void SetUp() override { Alu_Guete_Clear(); }
    void TearDown() override { Alu_Guete_Clear(); }
};

} // namespace

TEST_F(AluGuete, EveryGradeHasItsNameAndThicknessRange)
{
    ASSERT_EQ(sizeof kNames / sizeof kNames[0], (size_t)ALU_GRADE_COUNT);
    for (const auto& r : kNames) {
        const AluGrade* g = Alu_Guete_Record((unsigned)r.id);
        EXPECT_EQ(g->id, r.id);
        EXPECT_STREQ(Alu_Guete_Name((unsigned)r.id), r.name) << r.id;
        EXPECT_DOUBLE_EQ(Alu_Guete_T_Min((unsigned)r.id), r.t_min) << r.id;
        EXPECT_DOUBLE_EQ(Alu_Guete_T_Max((unsigned)r.id), r.t_max) << r.id;
        EXPECT_DOUBLE_EQ(g->e_modulus, 70000.0);
        EXPECT_DOUBLE_EQ(g->g_modulus, 27000.0);
        EXPECT_DOUBLE_EQ(g->poisson, 0.3);
        EXPECT_DOUBLE_EQ(g->alpha_t, 2.3e-5);
        EXPECT_EQ(g->reserved, 0);
        ASSERT_NE(g->alloy, nullptr);
        ASSERT_NE(g->temper, nullptr);
        // The alloy is the front of the name (6005A rows too: they carried
        // "6000A", an alloy EN 1999-1-1 does not know).
        const std::string name = r.name;
        const std::string alloy = g->alloy;
        if (r.id >= 13 && r.id <= 16)
            EXPECT_EQ(alloy, "5005/5005A");
        else
            EXPECT_EQ(name.substr(0, name.find(' ')), alloy) << r.id;
    }
}

TEST_F(AluGuete, FullyGivenRows)
{
    for (const auto& r : kFull) {
        const AluGrade* g = Alu_Guete_Record((unsigned)r.id);
        EXPECT_STREQ(g->name, r.name);
        EXPECT_DOUBLE_EQ(g->t_min, r.t_min) << r.id;
        EXPECT_DOUBLE_EQ(g->t_max, r.t_max) << r.id;
        EXPECT_DOUBLE_EQ(g->f_o, r.f_o) << r.id;
        EXPECT_DOUBLE_EQ(g->f_u, r.f_u) << r.id;
        EXPECT_DOUBLE_EQ(g->elongation, r.A) << r.id;
        EXPECT_DOUBLE_EQ(g->f_o_haz, r.f_o_haz) << r.id;
        EXPECT_DOUBLE_EQ(g->f_u_haz, r.f_u_haz) << r.id;
        EXPECT_DOUBLE_EQ(g->rho_o_haz, r.rho_o) << r.id;
        EXPECT_DOUBLE_EQ(g->rho_u_haz, r.rho_u) << r.id;
        EXPECT_STREQ(g->buckling_class, r.cls) << r.id;
        EXPECT_DOUBLE_EQ(g->n_p, r.n_p) << r.id;
    }
}

TEST_F(AluGuete, TableIsConsistentWithTheHazDefinition)
{
    // rho_o,haz = f_o,haz / f_o and rho_u,haz = f_u,haz / f_u (to two decimals);
    // forgings store 0. A typing error in a strength shows up here.
    for (int id = 0; id < ALU_GRADE_COUNT; ++id) {
        const AluGrade* g = Alu_Guete_Record((unsigned)id);
        EXPECT_LE(g->f_o, g->f_u) << id;
        EXPECT_LE(g->f_o_haz, g->f_o) << id;
        EXPECT_LE(g->f_u_haz, g->f_u) << id;
        EXPECT_LT(g->t_min, g->t_max) << id;
        EXPECT_TRUE(!strcmp(g->buckling_class, "A") || !strcmp(g->buckling_class, "B")) << id;
        if (id >= 92) {
            EXPECT_EQ(g->rho_o_haz + g->rho_u_haz + g->n_p, 0.0) << id;
            continue;
        }
        EXPECT_NEAR(g->rho_o_haz, g->f_o_haz / g->f_o, 0.0051) << id;
        EXPECT_NEAR(g->rho_u_haz, g->f_u_haz / g->f_u, 0.0051) << id;
        EXPECT_GT(g->n_p, 0.0) << id;
    }
}

TEST_F(AluGuete, TempersSpellTheThicknessOut)
{
    struct {
        int id;
        const char* temper;
    } const cases[] = {
        {0, "H14"},
        {30, "O/H111, t \xF3"
             " 50 mm"},
        {31, "O/H111, t > 50 mm"},
        {83, "T6, t \xF3"
             " 5 mm (EP,ET)"},
        {88, "T6, t > 5 mm (DT)"},
        {92, "H112, l\x84"
             "ngs"}, // längs
        {94, "H112, transversal"},
        {95, "T6, l\x84"
             "ngs"},
        {96, "T6, transversal"},
    };
    for (const auto& c : cases) EXPECT_STREQ(Alu_Guete_Temper((unsigned)c.id), c.temper) << c.id;
}

TEST_F(AluGuete, UndefinedIdsGiveTheFallback)
{
    EXPECT_DOUBLE_EQ(Alu_Guete_Fu(96), 290.0);
    for (unsigned id : {97u, 200u, 0xFFFFu, 0x8001u, 0xFFFFFFFFu}) {
        EXPECT_DOUBLE_EQ(Alu_Guete_Fu(id), 220.0) << id;
        EXPECT_DOUBLE_EQ(Alu_Guete_Fo(id), 180.0) << id;
        EXPECT_DOUBLE_EQ(Alu_Guete_T_Min(id), 0.0) << id;
        EXPECT_DOUBLE_EQ(Alu_Guete_T_Max(id), 10.0) << id;
        EXPECT_STREQ(Alu_Guete_Name(id), "?????") << id;
        EXPECT_STREQ(Alu_Guete_Alloy(id), "?????") << id;
        EXPECT_STREQ(Alu_Guete_Temper(id), "?????") << id;
        EXPECT_EQ(Alu_Guete_Record(id), Alu_Guete_Fallback());
    }
    const AluGrade* f = Alu_Guete_Fallback();
    EXPECT_EQ(f->id, 97);
    EXPECT_DOUBLE_EQ(f->elongation, 1.0);
    EXPECT_DOUBLE_EQ(f->f_o_haz, 75.0);
    EXPECT_DOUBLE_EQ(f->f_u_haz, 155.0);
    EXPECT_DOUBLE_EQ(f->rho_o_haz, 0.42);
    EXPECT_DOUBLE_EQ(f->rho_u_haz, 0.70);
    EXPECT_STREQ(f->buckling_class, "B");
    EXPECT_DOUBLE_EQ(f->n_p, 23.0);
    // High bits without the user bit: the low 16 bits are the row.
    EXPECT_STREQ(Alu_Guete_Name(0x10005u), "3005 H24");
}

TEST_F(AluGuete, AddReplaceAndRemoveUserGrades)
{
    AluGrade g = *Alu_Guete_Record(34);
    char name[] = "Eigene Legierung";
    char alloy[] = "5083";
    g.id = 7;
    g.name = name;
    g.alloy = alloy;
    g.f_u = 333.0;
    EXPECT_EQ(Alu_Guete_Add(&g), 0x8007);
    EXPECT_EQ(Alu_Guete_User_Count(), 1);
    // The registry keeps its own copies of the texts.
    std::strcpy(name, "XXXXXXXXXXXXXXXX");
    std::strcpy(alloy, "YYYY");
    EXPECT_STREQ(Alu_Guete_Name(0x8007), "Eigene Legierung");
    EXPECT_STREQ(Alu_Guete_Alloy(0x8007), "5083");
    EXPECT_DOUBLE_EQ(Alu_Guete_Fu(0x8007), 333.0);

    g.id = 0x8007;
    g.name = "Ersatz";
    g.f_u = 111.0;
    EXPECT_EQ(Alu_Guete_Add(&g), 0x8007);
    EXPECT_EQ(Alu_Guete_User_Count(), 1);
    EXPECT_STREQ(Alu_Guete_Name(0x8007), "Ersatz");
    EXPECT_DOUBLE_EQ(Alu_Guete_Fu(0x8007), 111.0);

    // Null texts are stored as "?????".
    g.id = 8;
    g.alloy = nullptr;
    g.name = nullptr;
    EXPECT_EQ(Alu_Guete_Add(&g), 0x8008);
    EXPECT_STREQ(Alu_Guete_Alloy(0x8008), "?????");
    EXPECT_STREQ(Alu_Guete_Name(0x8008), "?????");
    EXPECT_EQ(Alu_Guete_Remove(0x8008), 1);
    EXPECT_EQ(Alu_Guete_Remove(0x8008), 0);
    EXPECT_EQ(Alu_Guete_Remove(7), 0); // a built-in row is not a user grade
    EXPECT_EQ(Alu_Guete_Add(nullptr), 0);
}

TEST_F(AluGuete, RemovingShiftsIndexesButNotIds)
{
    AluGrade g = *Alu_Guete_Record(0);
    const char* names[] = {"eins", "zwei", "drei"};
    for (int i = 0; i < 3; ++i) {
        g.id = i + 1;
        g.name = names[i];
        ASSERT_EQ(Alu_Guete_Add(&g), (i + 1) | 0x8000);
    }
    EXPECT_STREQ(Alu_Guete_Name(0x8003), "drei"); // remembered index now 2
    EXPECT_EQ(Alu_Guete_Remove(0x8001), 1);
    EXPECT_EQ(Alu_Guete_User_Count(), 2);
    EXPECT_STREQ(Alu_Guete_User_Record(0)->name, "zwei");
    EXPECT_STREQ(Alu_Guete_Name(0x8002), "zwei");
    EXPECT_STREQ(Alu_Guete_Name(0x8003), "drei");
    EXPECT_STREQ(Alu_Guete_Name(0x8001), "?????");
    EXPECT_EQ(Alu_Guete_User_Record(2), Alu_Guete_Fallback());
    EXPECT_EQ(Alu_Guete_User_Record(-1), Alu_Guete_Fallback());
}

TEST_F(AluGuete, ReAddingAGradeFromTheRegistryItself)
{
    AluGrade g = *Alu_Guete_Record(0);
    g.id = 1;
    g.name = "erste";
    Alu_Guete_Add(&g);
    // Passing a stored record back (replace, and add while the array grows).
    EXPECT_EQ(Alu_Guete_Add(Alu_Guete_User_Record(0)), 0x8001);
    EXPECT_STREQ(Alu_Guete_Name(0x8001), "erste");
    for (int i = 2; i <= 25; ++i) {
        AluGrade copy = *Alu_Guete_User_Record(0);
        copy.id = i;
        ASSERT_EQ(Alu_Guete_Add(&copy), i | 0x8000);
    }
    EXPECT_EQ(Alu_Guete_User_Count(), 25);
    EXPECT_STREQ(Alu_Guete_Name(0x8019), "erste");
    Alu_Guete_Clear();
    EXPECT_EQ(Alu_Guete_User_Count(), 0);
    EXPECT_STREQ(Alu_Guete_Name(0x8001), "?????");
}

TEST_F(AluGuete, FillListAndIdAt)
{
    Kov_Stringlist_Clear_All();
    const int ids[] = {0, 1, 0};
    EXPECT_EQ(Alu_Guete_Fill_List(7, ids, 3, 0), 2);
    ASSERT_EQ(Kov_Stringlist_Count(7), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(Kov_Stringlist_Text(7, i), "3004");
        EXPECT_EQ(Kov_Stringlist_Colour(7, i), BLACK_CI);
    }
    const int others[] = {13, 200};
    EXPECT_EQ(Alu_Guete_Fill_List(8, others, 2, 5), 0);
    EXPECT_STREQ(Kov_Stringlist_Text(8, 0), "5005/5005A");
    EXPECT_STREQ(Kov_Stringlist_Text(8, 1), "?????");
    EXPECT_EQ(Alu_Guete_Fill_List(9, nullptr, 3, 0), 0);
    EXPECT_EQ(Alu_Guete_Fill_List(9, ids, 0, 0), 0);
    EXPECT_EQ(Kov_Stringlist_Count(9), 0);

    EXPECT_EQ(Alu_Guete_Id_At(1, others, 2), 200);
    EXPECT_EQ(Alu_Guete_Id_At(-1, others, 2), 0);
    EXPECT_EQ(Alu_Guete_Id_At(2, others, 2), 0);
}
