// Material and fastener names and the choice lists, compared byte for byte in
// code page 850 (ä 0x84, ü 0x81, <= 0xF3, >= 0xF2) resp. the Windows code page.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "materials/alguete.h"
#include "materials/fastener.h"
#include "materials/matnames.h"
#include "materials/stguete.h"
#include "platform/kovstrlist.h"
#include "test_support/annex/scopedannex.h"

TEST(MatName, TimberUnderBothRuleSets)
{
    {
        ScopedAnnex annex(0);
        EXPECT_STREQ(Mat_Name(0, 5), "Nadelvollholz, C24 (S10)");
        EXPECT_STREQ(Mat_Name(1, 0), "Laubholz, D18");
        EXPECT_STREQ(Mat_Name(1, 6), "Laubholz, D60");
        EXPECT_STREQ(Mat_Name(1, 7), "Laubholz, D70");
        EXPECT_STREQ(Mat_Name(1, 8), "Laubholz");
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_STREQ(Mat_Name(0, 5), "Nadelvollholz, C24 (S10)");
    EXPECT_STREQ(Mat_Name(1, 0), "Laubholz, D30");
    EXPECT_STREQ(Mat_Name(1, 5), "Laubholz, D70");
    EXPECT_STREQ(Mat_Name(1, 6), "Laubholz");
}

TEST(MatName, EveryKind)
{
    ScopedAnnex annex(0);
    struct {
        int kind, grade;
        const char* text;
    } const cases[] = {
        {0, 0, "Nadelvollholz, C14"},
        {0, 11, "Nadelvollholz, C50"},
        {0, 12, "Nadelvollholz"},
        {0, -1, "Nadelvollholz"},
        {2, 13, "Brettschichtholz EC, GL32c"},
        {2, 14, "Brettschichtholz EC"},
        {3, 7, "Brettschichtholz DIN, GL36c (BS18)"},
        {3, 8, "Brettschichtholz DIN"},
        {4, 1, "OSB 3"},
        {4, -1, "OSB"},
        {4, 3, "OSB"},
        {5, 1, "Gipskarton GKF"},
        {5, 3, "Gipskarton "},
        {5, -1, "Gipskarton "},
        {6, 5, "Sperrholz F60/10"},
        {7, 0, "Spanplatte Typ P4"},
        {8, 1, "Faserplatte Mittelhart"},
        {9, 1, "Fermacell 12,5 mm"},
        {10, 0, "Kerto-S 21-75 mm"},
        {10, 1, "Kerto-S "},
        {11, 1, "Kerto-Q 27-69 mm"},
        {12, 0, "Stahlblech S235 (St37)"},
        {12, 1, "Stahlblech S355 (St52)"},
        {12, 2, "Stahlblech S355 (St52)"},
        {12, 3, "Stahlblech S355 (St52)"},
        {12, 4, "Stahlblech S355J0 (St52-3)"},
        {12, 27, "Stahlblech FK 8.8"},
        {12, -1, "Stahlblech "},
        {13, 0, "nicht definiertes Material"},
        {14, 3, "frei "},
        {15, 0, "ohne"},
        {16, -1, "Aluminiumblech "},
        {16, 0, "Aluminiumblech 3004 H14"},
        {16, 30,
         "Aluminiumblech 5083 O/H111 \xF3"
         " 50"},
        {17, 1, "Baubuche GL75, GL75 hochkant"},
        {17, 2, "Baubuche GL75"},
        {18, 1, "Baubuche S 60 mm"},
        {19, 1,
         "Steico LVL X t\xF3"
         "24"},
        {19, 2,
         "Steico LVL X t\xF2"
         "27"},
        {-11, 1,
         "Steico GLVL X t\xF3"
         "24"},
        {-11, 3, "Steico GLVL "},
        {-12, 0, "Steico Wall SW LVL,HB 45/160"},
        {-12, 7, "Steico Wall SW LVL,HB 60/300"},
        {-13, 0, "Steico Joist SJ LVL,HB 45/200"},
        {-13, 17, "Steico Joist SJ LVL,HB 90/400"},
        {-13, 18, "Steico Joist "},
        {-10, 0, "nicht definiertes Material"},
        {-999, 0, "nicht definiertes Material"},
        {20, 0, "nicht definiertes Material"},
    };
    for (const auto& c : cases) EXPECT_STREQ(Mat_Name(c.kind, c.grade), c.text) << c.kind << "/" << c.grade;
}

TEST(MatName, LongUserGradeNamesAreCut)
{
    const std::string long_name(1000, 'A');
    AluGrade g = *Alu_Guete_Record(0);
    g.id = 1;
    g.name = long_name.c_str();
    ASSERT_EQ(Alu_Guete_Add(&g), 0x8001);
    const char* text = Mat_Name(16, 0x8001);
    EXPECT_EQ(std::strncmp(text, "Aluminiumblech AAAA", 19), 0);
    EXPECT_LT(std::strlen(text), 1000u);
    Alu_Guete_Clear();
}

TEST(MatGradeName, TextsAndOutOfRange)
{
    ScopedAnnex annex(0);
    struct {
        int kind, grade;
        const char* text;
    } const cases[] = {
        {0, 5, "C24 (S10)"},
        {1, 0, "D18"},
        {2, 2, "GL24h"},
        {3, 1, "GL24c (BS11)"},
        {17, 0, "GL75 flachkant"},
        {4, 2, "OSB 4"},
        {5, 2, "GKBi"},
        {9, 4, "25 mm"},
        {18, 2, "Q 40 mm"},
        {19, 0, "R"},
        {-11, 2,
         "X t\xF2"
         "27"},
        {12, 2, "S235JRG2 (RSt37-2)"},
        {12, 0x10005, "S235"},
        {12, 99, "?????"},
        {14, 0, "frei "},
        {15, 0, "--- "},
        {13, 0, "nicht definiertes Material"},
        {16, 0, "nicht definiertes Material"},
        {-12, 0, "nicht definiertes Material"},
        {-13, 0, "nicht definiertes Material"},
    };
    for (const auto& c : cases) EXPECT_STREQ(Mat_Grade_Name(c.kind, c.grade), c.text) << c.kind << "/" << c.grade;
    // Out of range: an empty text, never the text of the previous call.
    struct {
        int kind, grade;
    } const outside[] = {{0, 12}, {0, -1}, {1, 8}, {2, 14}, {3, 8}, {17, 2}, {4, 3}, {5, -1}, {11, 2}, {-11, 3}};
    for (const auto& c : outside) {
        Mat_Grade_Name(0, 5);
        EXPECT_STREQ(Mat_Grade_Name(c.kind, c.grade), "") << c.kind << "/" << c.grade;
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_STREQ(Mat_Grade_Name(1, 0), "D30");
    EXPECT_STREQ(Mat_Grade_Name(1, 6), "");
}

TEST(MatUserName, UserMaterials)
{
    UserMaterial user = {};
    std::strcpy(user.name, "Eiche alt   ");
    EXPECT_STREQ(Mat_User_Name(-999, 0, &user), "Eiche alt (benutzerdefiniert)");
    EXPECT_STREQ(Mat_User_Name(0, -999, &user), "Eiche alt (benutzerdefiniert)");
    EXPECT_STREQ(Mat_User_Name(14, 3, &user), "Eiche alt (benutzerdefiniert)");
    EXPECT_EQ(Mat_User_Name(-999, 0, nullptr), nullptr);
    EXPECT_EQ(Mat_User_Name(14, 0, nullptr), nullptr);
    {
        ScopedAnnex annex(0);
        EXPECT_STREQ(Mat_User_Name(0, 5, nullptr), "Nadelvollholz, C24 (S10)");
    }
    // A name that fills its whole field without a terminator.
    std::memset(user.name, 'x', sizeof user.name);
    const char* text = Mat_User_Name(-999, 0, &user);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text), std::string(sizeof user.name, 'x') + " (benutzerdefiniert)");
}

TEST(FastenerTypeName, ShortAndLongForms)
{
    struct {
        int type, long_form;
        const char* text;
    } const cases[] = {
        {-2, 0, "ohne Verbund"},
        {-1, 1, "Klebeverbindung"},
        {0, 0, "Nagel"},
        {1, 1, "Klammer"},
        {2, 0, "Schraube 1A"},
        {2, 1, "Holzschraube"},
        {10, 0, "Schraube 3C"},
        {15, 0,
         "ASSY-plus VG Senkfr\x84"
         "st.kopf"},
        {16, 0, "Sondernagel 1A"},
        {24, 1, "Sondernagel"},
        {25, 0,
         "Ringd\x81"
         "bel A1"},
        {25, 1,
         "Ringd\x81"
         "bel A1/B1"},
        {27, 1,
         "Scheibend\x81"
         "bel C5"},
        {28, 1,
         "Scheibend\x81"
         "bel C10/C11"},
        {29, 1,
         "Stabd\x81"
         "bel"},
        {31, 1,
         "Scheibend\x81"
         "bel B1/A1"},
        {33, 0,
         "Scheibend\x81"
         "bel C11"},
        {34, 0, "Sondernagel 1D"},
        {42, 0, "Sondernagel 3F"},
        {42, 1, "Sondernagel"},
        {43, 0, "ASSY benutzerdefiniert"},
        {46, 1, "Simpson CSA"},
        {47, 0, "nicht definiert"},
        {-3, 1, "nicht definiert"},
    };
    for (const auto& c : cases) EXPECT_STREQ(Fastener_Type_Name(c.type, c.long_form), c.text) << c.type;
    EXPECT_STREQ(Fastener_Type_Name_Win(28, 0), "Scheibend\xFC"
                                                "bel C10");
    EXPECT_STREQ(Fastener_Type_Name_Win(15, 0), "ASSY-plus VG Senkfr\xE4"
                                                "st.kopf");
    EXPECT_STREQ(Fastener_Type_Name_Win(99, 0), "nicht definiert");
    // Fixed texts: they stay valid and unchanged across calls.
    const char* a = Fastener_Type_Name(2, 1);
    Fastener_Type_Name(2, 0);
    EXPECT_STREQ(a, "Holzschraube");
}

TEST(FastenerChoiceList, AllGroupsInOrder)
{
    int count = -1;
    int positions[FASTENER_POSITION_COUNT];
    ChoiceEntry* list = Fastener_Choice_List(0x3f, 5, &count, positions);
    ASSERT_EQ(count, 20);
    const int expected_positions[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 16, 11, 12, 13, 14, 17, 18, 19};
    const char* const texts[] = {
        "ohne Verbund",
        "Klebeverbindung",
        "Nagel",
        "Klammer",
        "Holzschraube",
        "SPAX Senkkopf Teilgewinde",
        "SPAX Tellerkopf Teilgewinde",
        "SPAX Senkkopf Vollgewinde",
        "ASSY-plus VG Zylinderkopf",
        "ASSY-plus VG Senkfr\x84"
        "st.kopf",
        "Sondernagel",
        "Stabd\x81"
        "bel",
        "Bolzen",
        "Ringd\x81"
        "bel A1/B1",
        "Scheibend\x81"
        "bel C1/C2",
        "Scheibend\x81"
        "bel C5",
        "Scheibend\x81"
        "bel C10/C11",
        "Scheibend\x81"
        "bel B1/A1",
        "Scheibend\x81"
        "bel C2/C1",
        "Scheibend\x81"
        "bel C11/C10",
    };
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(positions[i], expected_positions[i]) << i;
        EXPECT_STREQ(list[i].text, texts[i]) << i;
        EXPECT_EQ(list[i].colour, 5);
    }
    // Asking for other names later does not change the position names.
    Fastener_Type_Name(2, 0);
    list = Fastener_Choice_List(0x01, 6, &count, positions);
    EXPECT_EQ(count, 9);
    EXPECT_STREQ(list[2].text, "Holzschraube");
    EXPECT_EQ(positions[0], 2);
    list = Fastener_Choice_List(0x0A, 6, &count, positions);
    EXPECT_EQ(count, 5);
    EXPECT_STREQ(list[0].text, "Stabd\x81"
                               "bel");
    EXPECT_EQ(positions[4], 19);
    Fastener_Choice_List(0, 6, &count, positions);
    EXPECT_EQ(count, 0);
}

TEST(PanelChoiceLists, KindsAndFreshCopies)
{
    int width = 0, count = 0;
    KindChoiceEntry* panels = Panel_Kind_Choice_List(&width, &count, 3);
    EXPECT_EQ(width, 11);
    ASSERT_EQ(count, 7);
    const int kinds[] = {4, 5, 6, 7, 8, 9, 19};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(panels[i].kind, kinds[i]);
        EXPECT_EQ(panels[i].colour, 3);
    }
    EXPECT_STREQ(panels[6].text, "Steico LVL");
    KindChoiceEntry* none = Panel_Or_None_Choice_List(&width, &count, 4);
    ASSERT_EQ(count, 10);
    EXPECT_EQ(width, 11);
    const int kinds2[] = {4, 5, 6, 7, 8, 9, 10, 11, 14, 15};
    const char* const names2[] = {"OSB",       "Gipskarton", "Sperrholz", "Spanplatte", "Faserplatte",
                                  "Fermacell", "Kerto-S",    "Kerto-Q",   "Frei",       "Ohne"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(none[i].kind, kinds2[i]);
        EXPECT_STREQ(none[i].text, names2[i]);
        EXPECT_EQ(none[i].colour, 4);
    }
    none = Panel_Or_None_Choice_List(nullptr, nullptr, 4);
    EXPECT_STREQ(none[9].text, "Ohne");
}

TEST(GradeChoiceList, ListsWidthsAndCounts)
{
    ScopedAnnex annex(0);
    struct {
        int kind, width, count;
        const char* first;
        const char* last;
    } const cases[] = {
        {0, 7, 12, "C14", "C50"},
        {1, 3, 8, "D18", "D70"},
        {2, 10, 14, "GL20h", "GL32c"},
        {3, 10, 8, "GL24h (BS11)", "GL36c (BS18)"},
        {4, 6, 3, "OSB 2", "OSB 4"},
        {5, 6, 3, "GKB", "GKBi"},
        {6, 6, 6, "F20/10", "F60/10"},
        {7, 7, 4, "Typ P4", "Typ P7"},
        {8, 7, 2, "Hart", "Mittelhart"},
        {9, 5, 5, "10 mm", "25 mm"},
        {10, 7, 1, "21-75 mm", "21-75 mm"},
        {11, 7, 2, "21-24 mm", "27-69 mm"},
        {12, 9, 2, "S235 (St37)", "S355 (St52)"},
        {14, 4, 1, "-----", "-----"},
        {15, 4, 1, "-----", "-----"},
        {16, 15, 97, "3004 H14", "6082 T6 (T)"},
        {17, 8, 2, "GL75 flachkant", "GL75 hochkant"},
        {18, 11, 3, "S 40 mm", "Q 40 mm"},
        {19, 7, 3, "R",
         "X t\xF2"
         "27"},
        {-11, 7, 3, "R",
         "X t\xF2"
         "27"},
        {-12, 16, 8, "SW LVL,HB 45/160", "SW LVL,HB 60/300"},
        {-13, 17, 18, "SJ LVL,HB 45/200", "SJ LVL,HB 90/400"},
        {-1, 14, 4, "Nadelholz", "Brettschicht DIN"},
        {-2, 2, 3, " 1", " 3"},
        {-3, 14, 9, "Nadelholz", "Faserplatte"},
        {-4, 14, 4, "Platte parallel", "Scheibe senkrecht"},
    };
    for (const auto& c : cases) {
        int width = -1, count = -1;
        ChoiceEntry* list = Mat_Grade_Choice_List(c.kind, &width, &count, 9);
        ASSERT_NE(list, nullptr) << c.kind;
        EXPECT_EQ(width, c.width) << c.kind;
        ASSERT_EQ(count, c.count) << c.kind;
        EXPECT_STREQ(list[0].text, c.first) << c.kind;
        EXPECT_STREQ(list[count - 1].text, c.last) << c.kind;
        for (int i = 0; i < count; ++i) {
            ASSERT_NE(list[i].text, nullptr);
            EXPECT_NE(list[i].text[0], '\0') << c.kind << " " << i;
            EXPECT_EQ(list[i].colour, (c.kind == 14 || c.kind == 15) ? 0 : 9) << c.kind << " " << i;
        }
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    int width = -1, count = -1;
    ChoiceEntry* list = Mat_Grade_Choice_List(1, &width, &count, 9);
    EXPECT_EQ(count, 6);
    EXPECT_STREQ(list[0].text, "D30");
}

TEST(GradeChoiceList, AluminiumListHasEveryGrade)
{
    int width = 0, count = 0;
    ChoiceEntry* list = Mat_Grade_Choice_List(16, &width, &count, 2);
    ASSERT_EQ(count, 97);
    for (int i = 0; i < count; ++i) EXPECT_STREQ(list[i].text, Alu_Guete_Name((unsigned)i)) << i;
    EXPECT_STREQ(list[51].text, "5083 O/H111/F/H112");
}

TEST(GradeChoiceList, KindsWithoutList)
{
    int width = 77, count = 77;
    EXPECT_EQ(Mat_Grade_Choice_List(-999, &width, &count, 1), nullptr);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(count, 1);
    for (int kind : {13, -6, -10, 20, 100}) {
        width = count = 77;
        EXPECT_EQ(Mat_Grade_Choice_List(kind, &width, &count, 1), nullptr) << kind;
        EXPECT_EQ(width, 77);
        EXPECT_EQ(count, 77);
    }
}

TEST(GradeChoiceList, GreyEntryOnlyForKindMinus5)
{
    int width = 0, count = 0;
    ChoiceEntry* list = Mat_Grade_Choice_List(-5, &width, &count, 1);
    ASSERT_EQ(count, 4);
    EXPECT_EQ(list[0].colour, 1);
    EXPECT_EQ(list[1].colour, 1);
    EXPECT_NE(list[2].colour, 1);
    EXPECT_EQ(list[3].colour, 1);
    list = Mat_Grade_Choice_List(-1, &width, &count, 1);
    EXPECT_EQ(list[2].colour, 1);
}

TEST(FastenerApproval, FollowsTheRuleSet)
{
    {
        ScopedAnnex annex(0);
        EXPECT_STREQ(Fastener_Approval(11), ", ABZ-9.1-449");
        EXPECT_STREQ(Fastener_Approval(13), ", ETA-12/0114");
        EXPECT_STREQ(Fastener_Approval(14), ", ETA-11/0190");
        EXPECT_STREQ(Fastener_Approval(46), ", ETA-04/0013");
        EXPECT_STREQ(Fastener_Approval(2), "");
    }
    ScopedAnnex din(ScopedAnnex::kNone);
    EXPECT_STREQ(Fastener_Approval(12), ", ABZ-9.1-449");
    EXPECT_STREQ(Fastener_Approval(13), ", ABZ-9.1-519");
    EXPECT_STREQ(Fastener_Approval(15), ", Z-9.1-614");
    EXPECT_STREQ(Fastener_Approval(45), "");
    EXPECT_STREQ(Fastener_Approval(-1), "");
}

TEST(PanelThickness, FermacellAndBeech)
{
    const double fermacell[] = {10.0, 12.5, 15.0, 18.0, 25.0};
    for (unsigned g = 0; g < 5; ++g) EXPECT_DOUBLE_EQ(Fermacell_Thickness(g), fermacell[g]);
    EXPECT_DOUBLE_EQ(Fermacell_Thickness(5), 0.0);
    EXPECT_DOUBLE_EQ(Fermacell_Thickness((unsigned)-1), 0.0);
    EXPECT_DOUBLE_EQ(Beech_Panel_Thickness(0), 40.0);
    EXPECT_DOUBLE_EQ(Beech_Panel_Thickness(1), 60.0);
    EXPECT_DOUBLE_EQ(Beech_Panel_Thickness(2), 40.0);
    EXPECT_DOUBLE_EQ(Beech_Panel_Thickness(3), 0.0);
    EXPECT_DOUBLE_EQ(Beech_Panel_Thickness(-1), 0.0);
}

TEST(ChoicePools, WritableTextBuffers)
{
    for (int which = 0; which < 3; ++which) {
        ChoiceEntry* pool = Mat_Choice_Pool(which);
        ASSERT_NE(pool, nullptr);
        char* text = Mat_Choice_Pool_Text(which, 49);
        ASSERT_NE(text, nullptr);
        std::snprintf(text, MAT_CHOICE_TEXT_SIZE, "%d.0", which);
        EXPECT_EQ(pool[49].text, text);
    }
    EXPECT_NE(Mat_Choice_Pool(1), Mat_Choice_Pool(2));
    EXPECT_EQ(Mat_Choice_Pool(3), nullptr);
    EXPECT_EQ(Mat_Choice_Pool_Text(0, 50), nullptr);
}
