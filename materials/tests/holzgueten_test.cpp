// Tests of the timber grade tables against EN 338 and EN 14080, the German glulam values under
// the annex, the table choice and the host's material records and lists.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "materials/holzgueten.h"
#include "platform/kovstrlist.h"
#include "test_support/annex/scopedannex.h"

namespace {

// Characteristic values in the column order of the standards' tables:
// f_m, f_t0, f_t90, f_c0, f_c90, f_v [N/mm2], E_0,mean, E_90,mean, G_mean
// [kN/mm2], rho_k [kg/m3].
struct StdRow {
    const char* cls;
    double fm, ft0, ft90, fc0, fc90, fv, E0, E90, G, rho;
};

// EN 338:2016, Table 1 (softwood).
const StdRow kEn338Softwood[] = {
    {"C14", 14, 7.2, 0.4, 16, 2.0, 3.0, 7.0, 0.23, 0.44, 290},
    {"C16", 16, 8.5, 0.4, 17, 2.2, 3.2, 8.0, 0.27, 0.50, 310},
    {"C18", 18, 10, 0.4, 18, 2.2, 3.4, 9.0, 0.30, 0.56, 320},
    {"C20", 20, 11.5, 0.4, 19, 2.3, 3.6, 9.5, 0.32, 0.59, 330},
    {"C22", 22, 13, 0.4, 20, 2.4, 3.8, 10.0, 0.33, 0.63, 340},
    {"C24", 24, 14.5, 0.4, 21, 2.5, 4.0, 11.0, 0.37, 0.69, 350},
    {"C27", 27, 16.5, 0.4, 22, 2.5, 4.0, 11.5, 0.38, 0.72, 360},
    {"C30", 30, 19, 0.4, 24, 2.7, 4.0, 12.0, 0.40, 0.75, 380},
    {"C35", 35, 22.5, 0.4, 25, 2.7, 4.0, 13.0, 0.43, 0.81, 390},
    {"C40", 40, 26, 0.4, 27, 2.8, 4.0, 14.0, 0.47, 0.88, 400},
    {"C45", 45, 30, 0.4, 29, 2.9, 4.0, 15.0, 0.50, 0.94, 410},
    {"C50", 50, 33.5, 0.4, 30, 3.0, 4.0, 16.0, 0.53, 1.00, 430},
};

// EN 338:2016, Table 2 (hardwood), the classes the program offers.
const StdRow kEn338Hardwood[] = {
    {"D18", 18, 11, 0.6, 18, 4.8, 3.5, 9.5, 0.63, 0.59, 475},
    {"D24", 24, 14, 0.6, 21, 4.9, 3.7, 10.0, 0.67, 0.63, 485},
    {"D30", 30, 18, 0.6, 24, 5.3, 3.9, 11.0, 0.73, 0.69, 530},
    {"D35", 35, 21, 0.6, 25, 5.4, 4.1, 12.0, 0.80, 0.75, 540},
    {"D40", 40, 24, 0.6, 27, 5.5, 4.2, 13.0, 0.87, 0.81, 550},
    {"D50", 50, 30, 0.6, 30, 6.2, 4.5, 14.0, 0.93, 0.88, 620},
    {"D60", 60, 36, 0.6, 33, 10.5, 4.8, 17.0, 1.13, 1.06, 700},
    {"D70", 70, 42, 0.6, 36, 12.0, 5.0, 20.0, 1.33, 1.25, 800},
};

// EN 14080:2013, Tables 5 and 4 (homogeneous and combined glulam).
const StdRow kEn14080[] = {
    {"GL20h", 20, 16, 0.5, 20, 2.5, 3.5, 8.4, 0.30, 0.65, 340},
    {"GL22h", 22, 17.6, 0.5, 22, 2.5, 3.5, 10.5, 0.30, 0.65, 370},
    {"GL24h", 24, 19.2, 0.5, 24, 2.5, 3.5, 11.5, 0.30, 0.65, 385},
    {"GL26h", 26, 20.8, 0.5, 26, 2.5, 3.5, 12.1, 0.30, 0.65, 405},
    {"GL28h", 28, 22.3, 0.5, 28, 2.5, 3.5, 12.6, 0.30, 0.65, 425},
    {"GL30h", 30, 24, 0.5, 30, 2.5, 3.5, 13.6, 0.30, 0.65, 430},
    {"GL32h", 32, 25.6, 0.5, 32, 2.5, 3.5, 14.2, 0.30, 0.65, 440},
    {"GL20c", 20, 15, 0.5, 18.5, 2.5, 3.5, 10.4, 0.30, 0.65, 355},
    {"GL22c", 22, 16, 0.5, 20, 2.5, 3.5, 10.4, 0.30, 0.65, 355},
    {"GL24c", 24, 17, 0.5, 21.5, 2.5, 3.5, 11.0, 0.30, 0.65, 365},
    {"GL26c", 26, 19, 0.5, 23.5, 2.5, 3.5, 12.0, 0.30, 0.65, 385},
    {"GL28c", 28, 19.5, 0.5, 24, 2.5, 3.5, 12.5, 0.30, 0.65, 390},
    {"GL30c", 30, 19.5, 0.5, 24.5, 2.5, 3.5, 13.0, 0.30, 0.65, 390},
    {"GL32c", 32, 19.5, 0.5, 24.5, 2.5, 3.5, 13.5, 0.30, 0.65, 400},
};

void ExpectRow(const TimberGrade& g, const StdRow& s)
{
    EXPECT_EQ(std::strncmp(g.name, s.cls, std::strlen(s.cls)), 0) << g.name << " vs " << s.cls;
    EXPECT_EQ(g.reserved, 0) << s.cls;
    EXPECT_DOUBLE_EQ(g.f_m_k, s.fm) << s.cls;
    EXPECT_DOUBLE_EQ(g.f_t_0_k, s.ft0) << s.cls;
    EXPECT_DOUBLE_EQ(g.f_t_90_k, s.ft90) << s.cls;
    EXPECT_DOUBLE_EQ(g.f_c_0_k, s.fc0) << s.cls;
    EXPECT_DOUBLE_EQ(g.f_c_90_k, s.fc90) << s.cls;
    EXPECT_DOUBLE_EQ(g.f_v_k, s.fv) << s.cls;
    EXPECT_NEAR(g.E_0_mean, s.E0 * 1000, 1e-9) << s.cls;
    EXPECT_NEAR(g.E_90_mean, s.E90 * 1000, 1e-9) << s.cls;
    EXPECT_NEAR(g.G_mean, s.G * 1000, 1e-9) << s.cls;
    EXPECT_DOUBLE_EQ(g.rho_k, s.rho) << s.cls;
}

} // namespace

TEST(GradeTables, SoftwoodEqualsEn338)
{
    ASSERT_EQ(sizeof(kEn338Softwood) / sizeof(kEn338Softwood[0]), (size_t)SOFTWOOD_GRADE_COUNT);
    for (int i = 0; i < SOFTWOOD_GRADE_COUNT; ++i) ExpectRow(SoftwoodGradesEc[i], kEn338Softwood[i]);
    // C24 in the order the checks print it.
    const TimberGrade& c24 = SoftwoodGradesEc[5];
    EXPECT_STREQ(c24.name, "C24 (S10)");
    const double got[10] = {c24.E_0_mean, c24.E_90_mean, c24.G_mean,  c24.rho_k,    c24.f_m_k,
                            c24.f_t_0_k,  c24.f_t_90_k,  c24.f_c_0_k, c24.f_c_90_k, c24.f_v_k};
    const double want[10] = {11000, 370, 690, 350, 24, 14.5, 0.4, 21, 2.5, 4.0};
    for (int i = 0; i < 10; ++i) EXPECT_DOUBLE_EQ(got[i], want[i]) << i;
}

TEST(GradeTables, HardwoodEqualsEn338)
{
    for (int i = 0; i < HARDWOOD_GRADE_COUNT_EC; ++i) ExpectRow(HardwoodGradesEc[i], kEn338Hardwood[i]);
}

TEST(GradeTables, GlulamEqualsEn14080)
{
    for (int i = 0; i < GLULAM_GRADE_COUNT_EC; ++i) ExpectRow(GlulamGradesEc[i], kEn14080[i]);
    EXPECT_DOUBLE_EQ(GlulamGradesEc[1].f_c_0_k, 22.0); // GL22h
}

TEST(GradeTables, NamesTheApplicationCountsOn)
{
    const char* softwood[] = {"C14", "C16 (S7)",  "C18", "C20", "C22", "C24 (S10)",
                              "C27", "C30 (S13)", "C35", "C40", "C45", "C50"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_STREQ(SoftwoodGradesEc[i].name, softwood[i]);
        EXPECT_STREQ(SoftwoodGradesDin[i].name, softwood[i]);
    }
    const char* din_glulam[] = {"GL24h (BS11)", "GL24c (BS11)", "GL28h (BS14)", "GL28c (BS14)",
                                "GL32h (BS16)", "GL32c (BS16)", "GL36h (BS18)", "GL36c (BS18)"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(GlulamGradesDin[i].name, din_glulam[i]);
        EXPECT_STREQ(GlulamGradesDinEc[i].name, din_glulam[i]);
    }
}

TEST(GradeTables, DinGlulamUnderAnnexDiffersOnlyInTensionPerpendicularAndShear)
{
    for (int i = 0; i < GLULAM_GRADE_COUNT_DIN; ++i) {
        const TimberGrade& a = GlulamGradesDin[i];
        const TimberGrade& b = GlulamGradesDinEc[i];
        EXPECT_EQ(a.E_0_mean, b.E_0_mean);
        EXPECT_EQ(a.E_90_mean, b.E_90_mean);
        EXPECT_EQ(a.G_mean, b.G_mean);
        EXPECT_EQ(a.rho_k, b.rho_k);
        EXPECT_EQ(a.f_m_k, b.f_m_k);
        EXPECT_EQ(a.f_t_0_k, b.f_t_0_k);
        EXPECT_EQ(a.f_c_0_k, b.f_c_0_k);
        EXPECT_EQ(a.f_c_90_k, b.f_c_90_k);
        EXPECT_EQ(a.f_t_90_k, 0.5);
        EXPECT_EQ(a.f_v_k, 2.5);
    }
}

TEST(GradeTables, TableChoiceFollowsTheRules)
{
    int n = 0;
    {
        ScopedAnnex din(ScopedAnnex::kNone);
        EXPECT_EQ(Mat_Grade_Table(0, &n), SoftwoodGradesDin);
        EXPECT_EQ(n, 12);
        EXPECT_EQ(Mat_Grade_Table(13, &n), SoftwoodGradesDin);
        EXPECT_EQ(Mat_Grade_Table(1, &n), HardwoodGradesDin);
        EXPECT_EQ(n, 6);
        EXPECT_EQ(Mat_Grade_Row(1, 6), nullptr);
        EXPECT_STREQ(Mat_Grade_Row(1, 0)->name, "D30");
        EXPECT_EQ(Mat_Grade_Table(2, &n), GlulamGradesEc);
        EXPECT_EQ(Mat_Grade_Table(3, &n), GlulamGradesDin);
        EXPECT_EQ(Mat_Grade_Table(17, &n), BeechLvlGrades);
        EXPECT_EQ(Mat_Grade_Table(4, &n), nullptr);
        EXPECT_EQ(n, 0);
    }
    {
        ScopedAnnex annex(0);
        EXPECT_EQ(Mat_Grade_Table(0, &n), SoftwoodGradesEc);
        EXPECT_EQ(Mat_Grade_Table(1, &n), HardwoodGradesEc);
        EXPECT_EQ(n, 8);
        EXPECT_STREQ(Mat_Grade_Row(1, 0)->name, "D18");
        EXPECT_STREQ(Mat_Grade_Row(1, 7)->name, "D70");
        EXPECT_EQ(Mat_Grade_Table(3, &n), GlulamGradesDin);
        EXPECT_EQ(Mat_Grade_Row(0, 12), nullptr);
        EXPECT_EQ(Mat_Grade_Row(0, -1), nullptr);
        EXPECT_EQ(Mat_Grade_Row(2, 14), nullptr);
    }
}

TEST(HostMaterials, IdGroups)
{
    struct {
        unsigned id;
        int group;
    } cases[] = {{14, 3},    {15, -1},   {0, 3},     {1000, 0},  {1011, 0},          {1012, -1},
                 {999, -1},  {2007, 1},  {2008, -1}, {3007, 2},  {3008, -1},         {4011, 4},
                 {4012, -1}, {5007, 5},  {6007, 6},  {6008, -1}, {7013, 7},          {7014, -1},
                 {8006, 8},  {8007, -1}, {9005, 9},  {9006, -1}, {(unsigned)-1, -1}, {(unsigned)-1000, -1}};
    for (const auto& c : cases) EXPECT_EQ(Mat_Id_Group(c.id), c.group) << c.id;
    EXPECT_EQ(Mat_Id_Make(3, 7), 7);
    EXPECT_EQ(Mat_Id_Make(0, 5), 1005);
    EXPECT_EQ(Mat_Id_Make(2, 1), 3001);
    EXPECT_EQ(Mat_Id_Make(4, 3), 4003);
    EXPECT_EQ(Mat_Id_Make(9, 5), 9005);
    EXPECT_EQ(Mat_Id_Make(10, 0), -1);
    EXPECT_EQ(Mat_Id_Make(-1, 0), -1);
    // Every id made from a group and row lies in that group and finds its row.
    for (int g = 0; g < 10; ++g)
        for (int i = 0; i < Mat_Id_Group_Count(g); ++i) {
            const int id = Mat_Id_Make(g, i);
            EXPECT_EQ(Mat_Id_Group((unsigned)id), g) << id;
            EXPECT_EQ(Mat_Id_Record((unsigned)id)->id, id);
        }
}

TEST(HostMaterials, RecordsAndNames)
{
    EXPECT_STREQ(Mat_Id_Name(1005), "C24 (S10)");
    EXPECT_STREQ(Mat_Id_Name(8000), "Tr\x84ger GL70"); // "Träger GL70" in code page 850
    EXPECT_STREQ(Mat_Id_Name(12345), "C14");
    EXPECT_EQ(Mat_Id_Record(12345)->id, 1000);
    EXPECT_STREQ(Mat_Id_Name(10), "BS18");
    EXPECT_EQ(Mat_Id_Record(10)->E_0_mean, 0.0);

    // Group 4: the DIN softwood with the shear strengths of EN 338.
    const double fv4[12] = {3.0, 3.2, 3.4, 3.6, 3.8, 4.0, 4.0, 4.0, 4.0, 4.0, 4.0, 4.0};
    for (int i = 0; i < 12; ++i) {
        const HostMaterialRecord* r = Mat_Id_Record(4000 + i);
        EXPECT_EQ(r->f_v_k, fv4[i]);
        EXPECT_EQ(r->f_c_0_k, SoftwoodGradesDin[i].f_c_0_k);
        EXPECT_EQ(Mat_Id_Record(1000 + i)->f_v_k, 2.0);
    }
    const HostMaterialRecord* gl22 = Mat_Id_Record(7001);
    EXPECT_STREQ(gl22->name, "GL22h");
    EXPECT_EQ(gl22->f_c_0_k, 22.0);
    EXPECT_EQ(Mat_Id_Record(6000)->f_v_k, 2.7);
    EXPECT_EQ(Mat_Id_Record(2005)->f_c_90_k, 13.5);
    EXPECT_EQ(Mat_Id_Record(2006)->f_v_k, 2.3);

    EXPECT_STREQ(Mat_Group_Name(3), "");
    EXPECT_STREQ(Mat_Group_Name(0), "Nadelholz");
    EXPECT_STREQ(Mat_Group_Name(7), "Brettschichtholz");
    EXPECT_STREQ(Mat_Group_Name(9), "Kerto");
    EXPECT_STREQ(Mat_Group_Name(10), "nicht definiertes Material");
    EXPECT_EQ(Mat_Id_Zero(), 0);
}

TEST(HostMaterials, FillListAndPositions)
{
    Kov_Stringlist_Clear_All();
    const int ids[] = {1000, 2003, 1000};
    EXPECT_EQ(Mat_Id_Fill_List(4, ids, 3, 1000), 2);
    ASSERT_EQ(Kov_Stringlist_Count(4), 3);
    EXPECT_STREQ(Kov_Stringlist_Text(4, 0), "C14");
    EXPECT_STREQ(Kov_Stringlist_Text(4, 1), "D50");
    EXPECT_STREQ(Kov_Stringlist_Text(4, 2), "C14");
    EXPECT_EQ(Kov_Stringlist_Colour(4, 1), BLACK_CI);

    Kov_Stringlist_Clear_All();
    const int other[] = {2003, 77777};
    EXPECT_EQ(Mat_Id_Fill_List(5, other, 2, 9999), 0);
    EXPECT_STREQ(Kov_Stringlist_Text(5, 1), "C14"); // fallback row's name
    EXPECT_EQ(Mat_Id_Fill_List(5, nullptr, 2, 0), 0);
    EXPECT_EQ(Mat_Id_Fill_List(5, other, 0, 0), 0);
    EXPECT_EQ(Kov_Stringlist_Count(5), 2);

    EXPECT_EQ(Mat_Id_At(-1, ids, 3), 1001);
    EXPECT_EQ(Mat_Id_At(3, ids, 3), 1001);
    EXPECT_EQ(Mat_Id_At(1, ids, 3), 2003);
    EXPECT_EQ(Mat_Id_At(0, nullptr, 3), 1001);
}
