// Steel grade registry: both built-in tables, fallback grades, design strengths,
// user grades and the list functions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "materials/stguete.h"
#include "platform/kovstrlist.h"

namespace {

struct Row {
    int row;
    const char* name_en;
    const char* name_din;
    double f_y_en, f_y_din, f_y_thick_en, f_y_thick_din, t_limit, t_max, f_u, factor;
};

// f_y of S355 for 40 < t <= 80 mm: 335 after EN 1993-1-1 Table 3.1, 325 after
// DIN 18800-1 Table 1 (the DIN table and the DIN 1052 grade); f_u of S460 N/NL:
// 540 in both thickness bands of EN 1993-1-1 Table 3.1.
const Row kRows[] = {
    {0, "S235JR (St37-2)", "S235JR (St37-2)", 235, 240, 215, 215, 40, 100, 360, 0.95},
    {1, "S235JRG1 (USt37-2)", "S235JRG1 (USt37-2)", 235, 240, 215, 215, 40, 100, 360, 0.95},
    {2, "S235JRG2 (RSt37-2)", "S235JRG2 (RSt37-2)", 235, 240, 215, 215, 40, 100, 360, 0.95},
    {3, "S235J0 (St37-3)", "S235J0 (St37-3)", 235, 240, 215, 215, 40, 100, 360, 0.95},
    {4, "S355J0 (St52-3)", "S355J0 (St52-3)", 355, 360, 335, 325, 40, 80, 490, 0.8},
    {5, "S235", "S235 (St37)", 235, 240, 215, 215, 40, 100, 360, 0.95},
    {6, "S275", "S275 (St44)", 275, 275, 255, 255, 40, 80, 410, 0.95},
    {7, "S355", "S355 (St52)", 355, 360, 335, 325, 40, 80, 490, 0.8},
    {8, "S275 N/NL", "S275 N/NL", 275, 275, 255, 255, 40, 80, 370, 0.95},
    {9, "S275 M/ML", "S275 M/ML", 275, 275, 255, 255, 40, 80, 370, 0.95},
    {10, "S355 N/NL", "S355 N/NL", 355, 360, 335, 325, 40, 80, 470, 0.8},
    {11, "S355 M/ML", "S355 M/ML", 355, 360, 335, 325, 40, 80, 450, 0.8},
    {12, "S460 N/NL", "S460 N/NL", 460, 460, 430, 430, 40, 80, 540, 0.6},
    {13, "S460 M/ML", "S460 M/ML", 460, 460, 430, 430, 40, 80, 530, 0.6},
    {14, "S 240 GP", "S 240 GP", 240, 240, 215, 215, 40, 80, 340, 0.95},
    {15, "S 270 GP", "S 270 GP", 270, 270, 250, 250, 40, 80, 410, 0.95},
    {16, "S 320 GP", "S 320 GP", 320, 320, 295, 295, 40, 80, 440, 0.95},
    {17, "S 355 GP", "S 355 GP", 355, 355, 330, 330, 40, 80, 480, 0.8},
    {18, "S 390 GP", "S 390 GP", 390, 390, 365, 365, 40, 80, 490, 0.8},
    {19, "S 430 GP", "S 430 GP", 430, 430, 400, 400, 40, 80, 510, 0.6},
    {20, "St Sp 460", "St Sp 460", 460, 460, 430, 430, 40, 80, 550, 0.6},
    {21, "St Sp 500", "St Sp 500", 500, 500, 460, 460, 40, 80, 590, 0.6},
    {22, "FK 3.6", "FK 3.6", 180, 180, 180, 180, 80, 80, 300, 0.6},
    {23, "FK 4.6", "FK 4.6", 240, 240, 240, 240, 80, 80, 400, 0.6},
    {24, "FK 4.8", "FK 4.8", 320, 320, 320, 320, 80, 80, 400, 0.6},
    {25, "FK 5.6", "FK 5.6", 300, 300, 300, 300, 80, 80, 500, 0.6},
    {26, "FK 5.8", "FK 5.8", 400, 400, 400, 400, 80, 80, 500, 0.6},
    {27, "FK 8.8", "FK 8.8", 640, 640, 640, 640, 80, 80, 800, 0.6},
    {28, "FK 10.9", "FK 10.9", 900, 900, 900, 900, 80, 80, 1000, 0.6},
    {29, "S235 (1052)", "S235 (1052)", 240, 240, 215, 215, 40, 100, 360, 0.95},
    {30, "S275 (1052)", "S275 (1052)", 275, 275, 255, 255, 40, 80, 430, 0.95},
    {31, "S355 (1052)", "S355 (1052)", 360, 360, 325, 325, 40, 80, 510, 0.8},
    {32, "S450", "S450", 440, 440, 410, 410, 40, 80, 550, 0.6},
    {33, "S420 N/NL", "S420 N/NL", 420, 420, 390, 390, 40, 80, 520, 0.6},
    {34, "S420 M/ML", "S420 M/ML", 420, 420, 390, 390, 40, 80, 520, 0.6},
    {35, "S220GD", "S220GD", 220, 220, 220, 220, 40, 100, 300, 0.6},
    {36, "S250GD", "S250GD", 250, 250, 250, 250, 40, 100, 330, 0.6},
    {37, "S280GD", "S280GD", 280, 280, 280, 280, 40, 100, 360, 0.6},
    {38, "S320GD", "S320GD", 320, 320, 320, 320, 40, 100, 390, 0.6},
    {39, "S350GD", "S350GD", 350, 350, 350, 350, 40, 100, 420, 0.6},
    {40, "S390GD", "S390GD", 390, 390, 390, 390, 40, 100, 460, 0.6},
    {41, "S420GD", "S420GD", 420, 420, 420, 420, 40, 100, 480, 0.6},
    {42, "S450GD", "S450GD", 450, 450, 450, 450, 40, 100, 510, 0.6},
    {43, "S550GD", "S550GD", 550, 550, 550, 550, 40, 100, 560, 0.6},
};

class SteelGuete : public ::testing::Test {
protected:
    void SetUp() override { Steel_Guete_Clear(); }
    void TearDown() override { Steel_Guete_Clear(); }
};

} // namespace

TEST_F(SteelGuete, BothTables)
{
    ASSERT_EQ(sizeof kRows / sizeof kRows[0], (size_t)STEEL_GRADE_COUNT);
    for (const auto& r : kRows) {
        const SteelGrade* en = Steel_Guete_Record(0x10000 | r.row);
        const SteelGrade* din = Steel_Guete_Record(r.row);
        EXPECT_STREQ(en->name, r.name_en) << r.row;
        EXPECT_STREQ(din->name, r.name_din) << r.row;
        EXPECT_EQ(en->code, r.row);
        EXPECT_EQ(din->code, r.row);
        EXPECT_DOUBLE_EQ(en->f_y_thin, r.f_y_en) << r.row;
        EXPECT_DOUBLE_EQ(din->f_y_thin, r.f_y_din) << r.row;
        EXPECT_DOUBLE_EQ(en->f_y_thick, r.f_y_thick_en) << r.row;
        EXPECT_DOUBLE_EQ(din->f_y_thick, r.f_y_thick_din) << r.row;
        for (const SteelGrade* g : {en, din}) {
            EXPECT_DOUBLE_EQ(g->t_limit, r.t_limit) << r.row;
            EXPECT_DOUBLE_EQ(g->t_max, r.t_max) << r.row;
            EXPECT_DOUBLE_EQ(g->f_u, r.f_u) << r.row;
            EXPECT_DOUBLE_EQ(g->factor, r.factor) << r.row;
            EXPECT_DOUBLE_EQ(g->e_modulus, 210000.0);
            EXPECT_DOUBLE_EQ(g->g_modulus, 81000.0);
            EXPECT_DOUBLE_EQ(g->poisson, 0.3);
            EXPECT_DOUBLE_EQ(g->alpha_t, 1.2e-5);
        }
    }
}

TEST_F(SteelGuete, YieldStrengthByThickness)
{
    struct {
        int code;
        double t, f_y;
    } const cases[] = {
        {0, 40, 240},       {0, 40.5, 215},     {0x10000, 40.5, 215}, {0x10000, 10, 235}, {0x10000, 40, 235},
        {27, 100, 640},     {27, 10, 640},      {0x10007, 20, 355},   {7, 20, 360},       {44, 10, 240},
        {0x1002C, 10, 235}, {0x2002C, 10, 240}, {-1, 10, 240},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Steel_Guete_Fy(c.code, c.t), c.f_y) << std::hex << c.code;
}

TEST_F(SteelGuete, NamesAndFallbacks)
{
    EXPECT_STREQ(Steel_Guete_Name(0x10005), "S235");
    EXPECT_STREQ(Steel_Guete_Name(5), "S235 (St37)");
    EXPECT_STREQ(Steel_Guete_Name(7), "S355 (St52)");
    EXPECT_STREQ(Steel_Guete_Name(44), "?????");
    EXPECT_STREQ(Steel_Guete_Name(0x8003), "?????");
    EXPECT_EQ(Steel_Guete_Record(0x18003), Steel_Guete_Fallback(1));
    EXPECT_EQ(Steel_Guete_Record(0x8003), Steel_Guete_Fallback(0));
    EXPECT_EQ(Steel_Guete_Record(50), Steel_Guete_Fallback(7));
    EXPECT_DOUBLE_EQ(Steel_Guete_Fallback(1)->f_y_thin, 235.0);
    EXPECT_DOUBLE_EQ(Steel_Guete_Fallback(0)->f_y_thin, 240.0);
    EXPECT_EQ(Steel_Guete_Fallback(1)->code, 44);
    EXPECT_STREQ(Steel_Guete_Fallback(0)->name, "?????");
    double g = 0;
    EXPECT_DOUBLE_EQ(Steel_Guete_Moduli(3, &g), 210000.0);
    EXPECT_DOUBLE_EQ(g, 81000.0);
    EXPECT_DOUBLE_EQ(Steel_Guete_Moduli(99, nullptr), 210000.0);
}

TEST_F(SteelGuete, DesignStrengths)
{
    double out[4] = {0, 0, 0, 0};
    EXPECT_EQ(Steel_Guete_Design_Strengths(0x10007, 20, 1.1, out), 1);
    EXPECT_NEAR(out[0], 355.0 / 1.1, 1e-12);
    EXPECT_NEAR(out[1], 355.0 / 1.1, 1e-12);
    EXPECT_NEAR(out[2], 355.0 / 1.1 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(out[3], 355.0 / 1.1, 1e-12);
    EXPECT_NEAR(out[0], 322.727272727, 1e-8);
    EXPECT_NEAR(out[2], 186.3266, 1e-4);
    EXPECT_EQ(Steel_Guete_Design_Strengths(50, 20, 1.0, out), 0);
    EXPECT_DOUBLE_EQ(out[0], 240.0);
    EXPECT_EQ(Steel_Guete_Design_Strengths(0x8005, 20, 1.0, out), 1); // undefined user code
    EXPECT_EQ(Steel_Guete_Design_Strengths(5, 20, 0.0, out), 1);
    for (double v : out) EXPECT_DOUBLE_EQ(v, 0.0);
    EXPECT_EQ(Steel_Guete_Design_Strengths(5, 20, 1.0, nullptr), 0);
}

TEST_F(SteelGuete, UserGrades)
{
    SteelGrade g = *Steel_Guete_Record(0x10007);
    char name[] = "S355 eigene";
    g.code = 3;
    g.name = name;
    g.f_y_thin = 400.0;
    EXPECT_EQ(Steel_Guete_Add(&g), 0x8003);
    std::strcpy(name, "zerstoert!!");
    EXPECT_STREQ(Steel_Guete_Name(0x8003), "S355 eigene");
    EXPECT_DOUBLE_EQ(Steel_Guete_Fy(0x8003, 10), 400.0);
    EXPECT_DOUBLE_EQ(Steel_Guete_Fy(0x18003, 10), 400.0); // the table selector does not matter

    g.code = 0x8003;
    g.name = "ersetzt";
    EXPECT_EQ(Steel_Guete_Add(&g), 0x8003);
    EXPECT_EQ(Steel_Guete_User_Count(), 1);
    EXPECT_STREQ(Steel_Guete_Name(0x8003), "ersetzt");

    g.code = 4;
    g.name = nullptr;
    EXPECT_EQ(Steel_Guete_Add(&g), 0x8004);
    EXPECT_STREQ(Steel_Guete_User_Record(1)->name, "?????");
    EXPECT_EQ(Steel_Guete_Remove(0x8003), 1);
    EXPECT_EQ(Steel_Guete_User_Record(0)->code, 0x8004);
    EXPECT_EQ(Steel_Guete_User_Record(1), Steel_Guete_Fallback(1));
    EXPECT_EQ(Steel_Guete_Remove(0x8003), 0);
    EXPECT_EQ(Steel_Guete_Remove(3), 0);
    Steel_Guete_Clear();
    EXPECT_EQ(Steel_Guete_Remove(0x8004), 0);
    EXPECT_EQ(Steel_Guete_Add(nullptr), 0);
    // Growing past the first ten entries while adding a stored record.
    g.code = 1;
    g.name = "viele";
    Steel_Guete_Add(&g);
    for (int i = 2; i <= 21; ++i) {
        SteelGrade copy = *Steel_Guete_User_Record(0);
        copy.code = i;
        ASSERT_EQ(Steel_Guete_Add(&copy), i | 0x8000);
    }
    EXPECT_EQ(Steel_Guete_Add(Steel_Guete_User_Record(20)), 21 | 0x8000);
    EXPECT_EQ(Steel_Guete_User_Count(), 21);
    EXPECT_STREQ(Steel_Guete_Name(0x8015), "viele");
}

TEST_F(SteelGuete, FillListAndCodeAt)
{
    Kov_Stringlist_Clear_All();
    const int codes[] = {5, 0x10005, 7, 5, 99};
    EXPECT_EQ(Steel_Guete_Fill_List(3, codes, 5, 5), 3);
    ASSERT_EQ(Kov_Stringlist_Count(3), 5);
    EXPECT_STREQ(Kov_Stringlist_Text(3, 0), "S235 (St37)");
    EXPECT_STREQ(Kov_Stringlist_Text(3, 1), "S235");
    EXPECT_STREQ(Kov_Stringlist_Text(3, 2), "S355 (St52)");
    EXPECT_STREQ(Kov_Stringlist_Text(3, 4), "?????");
    EXPECT_EQ(Kov_Stringlist_Colour(3, 4), BLACK_CI);
    EXPECT_EQ(Steel_Guete_Fill_List(4, codes, 5, 12345), 0);
    EXPECT_EQ(Steel_Guete_Fill_List(5, nullptr, 5, 5), 0);
    EXPECT_EQ(Kov_Stringlist_Count(5), 0);
    EXPECT_EQ(Steel_Guete_Code_At(2, codes, 3), 7);
    EXPECT_EQ(Steel_Guete_Code_At(3, codes, 3), 5);
    EXPECT_EQ(Steel_Guete_Code_At(-1, codes, 3), 5);
}
