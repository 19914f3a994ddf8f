// Timber grade tables and the host material table.
#include "materials/holzgueten.h"

#include "materials/matrules.h"
#include "platform/kovstrlist.h"

// Columns: name, reserved, E_0_mean, E_90_mean, G_mean, rho_k, f_m_k, f_t_0_k,
// f_t_90_k, f_c_0_k, f_c_90_k, f_v_k.

// EN 338:2016, softwood C14..C50.
const TimberGrade SoftwoodGradesEc[SOFTWOOD_GRADE_COUNT] = {
    {"C14", 0, 7000, 230, 440, 290, 14, 7.2, 0.4, 16, 2.0, 3.0},
    {"C16 (S7)", 0, 8000, 270, 500, 310, 16, 8.5, 0.4, 17, 2.2, 3.2},
    {"C18", 0, 9000, 300, 560, 320, 18, 10, 0.4, 18, 2.2, 3.4},
    {"C20", 0, 9500, 320, 590, 330, 20, 11.5, 0.4, 19, 2.3, 3.6},
    {"C22", 0, 10000, 330, 630, 340, 22, 13, 0.4, 20, 2.4, 3.8},
    {"C24 (S10)", 0, 11000, 370, 690, 350, 24, 14.5, 0.4, 21, 2.5, 4.0},
    {"C27", 0, 11500, 380, 720, 360, 27, 16.5, 0.4, 22, 2.5, 4.0},
    {"C30 (S13)", 0, 12000, 400, 750, 380, 30, 19, 0.4, 24, 2.7, 4.0},
    {"C35", 0, 13000, 430, 810, 390, 35, 22.5, 0.4, 25, 2.7, 4.0},
    {"C40", 0, 14000, 470, 880, 400, 40, 26, 0.4, 27, 2.8, 4.0},
    {"C45", 0, 15000, 500, 940, 410, 45, 30, 0.4, 29, 2.9, 4.0},
    {"C50", 0, 16000, 530, 1000, 430, 50, 33.5, 0.4, 30, 3.0, 4.0},
};

// DIN 1052:2008, softwood.
const TimberGrade SoftwoodGradesDin[SOFTWOOD_GRADE_COUNT] = {
    {"C14", 0, 7000, 230, 440, 290, 14, 8, 0.4, 16, 2.0, 2.0},
    {"C16 (S7)", 0, 8000, 270, 500, 310, 16, 10, 0.4, 17, 2.2, 2.0},
    {"C18", 0, 9000, 300, 560, 320, 18, 11, 0.4, 18, 2.2, 2.0},
    {"C20", 0, 9500, 320, 590, 330, 20, 12, 0.4, 19, 2.3, 2.0},
    {"C22", 0, 10000, 330, 630, 340, 22, 13, 0.4, 20, 2.4, 2.0},
    {"C24 (S10)", 0, 11000, 370, 690, 350, 24, 14, 0.4, 21, 2.5, 2.0},
    {"C27", 0, 11500, 380, 720, 370, 27, 16, 0.4, 22, 2.6, 2.0},
    {"C30 (S13)", 0, 12000, 400, 750, 380, 30, 18, 0.4, 23, 2.7, 2.0},
    {"C35", 0, 13000, 430, 810, 400, 35, 21, 0.4, 25, 2.8, 2.0},
    {"C40", 0, 14000, 470, 880, 420, 40, 24, 0.4, 26, 2.9, 2.0},
    {"C45", 0, 15000, 500, 940, 440, 45, 27, 0.4, 27, 3.1, 2.0},
    {"C50", 0, 16000, 530, 1000, 460, 50, 30, 0.4, 29, 3.2, 2.0},
};

// EN 338:2016, hardwood D18..D70. E_90,mean and G_mean are E_0,mean / 15 and
// E_0,mean / 16 rounded to 10 N/mm2 as in the standard; D70 has rho_k 800 (900
// was its value in the 2009 edition).
const TimberGrade HardwoodGradesEc[HARDWOOD_GRADE_COUNT_EC] = {
    {"D18", 0, 9500, 630, 590, 475, 18, 11, 0.6, 18, 4.8, 3.5},
    {"D24", 0, 10000, 670, 630, 485, 24, 14, 0.6, 21, 4.9, 3.7},
    {"D30", 0, 11000, 730, 690, 530, 30, 18, 0.6, 24, 5.3, 3.9},
    {"D35", 0, 12000, 800, 750, 540, 35, 21, 0.6, 25, 5.4, 4.1},
    {"D40", 0, 13000, 870, 810, 550, 40, 24, 0.6, 27, 5.5, 4.2},
    {"D50", 0, 14000, 930, 880, 620, 50, 30, 0.6, 30, 6.2, 4.5},
    {"D60", 0, 17000, 1130, 1060, 700, 60, 36, 0.6, 33, 10.5, 4.8},
    {"D70", 0, 20000, 1330, 1250, 800, 70, 42, 0.6, 36, 12.0, 5.0},
};

// DIN 1052:2008, hardwood.
const TimberGrade HardwoodGradesDin[HARDWOOD_GRADE_COUNT_DIN] = {
    {"D30", 0, 10000, 640, 600, 530, 30, 18, 0.5, 23, 8.0, 3.0},
    {"D35", 0, 10000, 690, 650, 560, 35, 21, 0.5, 25, 8.4, 3.4},
    {"D40", 0, 11000, 750, 700, 590, 40, 24, 0.5, 26, 8.8, 3.8},
    {"D50", 0, 14000, 930, 880, 650, 50, 30, 0.5, 29, 9.7, 4.6},
    {"D60", 0, 17000, 1130, 1060, 700, 60, 36, 0.5, 32, 10.5, 5.3},
    {"D70", 0, 20000, 1330, 1250, 900, 70, 42, 0.5, 34, 13.5, 6.0},
};

// EN 14080:2013, homogeneous and combined glulam.
const TimberGrade GlulamGradesEc[GLULAM_GRADE_COUNT_EC] = {
    {"GL20h", 0, 8400, 300, 650, 340, 20, 16, 0.5, 20, 2.5, 3.5},
    {"GL22h", 0, 10500, 300, 650, 370, 22, 17.6, 0.5, 22.0, 2.5, 3.5},
    {"GL24h", 0, 11500, 300, 650, 385, 24, 19.2, 0.5, 24, 2.5, 3.5},
    {"GL26h", 0, 12100, 300, 650, 405, 26, 20.8, 0.5, 26, 2.5, 3.5},
    {"GL28h", 0, 12600, 300, 650, 425, 28, 22.3, 0.5, 28, 2.5, 3.5},
    {"GL30h", 0, 13600, 300, 650, 430, 30, 24, 0.5, 30, 2.5, 3.5},
    {"GL32h", 0, 14200, 300, 650, 440, 32, 25.6, 0.5, 32, 2.5, 3.5},
    {"GL20c", 0, 10400, 300, 650, 355, 20, 15, 0.5, 18.5, 2.5, 3.5},
    {"GL22c", 0, 10400, 300, 650, 355, 22, 16, 0.5, 20, 2.5, 3.5},
    {"GL24c", 0, 11000, 300, 650, 365, 24, 17, 0.5, 21.5, 2.5, 3.5},
    {"GL26c", 0, 12000, 300, 650, 385, 26, 19, 0.5, 23.5, 2.5, 3.5},
    {"GL28c", 0, 12500, 300, 650, 390, 28, 19.5, 0.5, 24, 2.5, 3.5},
    {"GL30c", 0, 13000, 300, 650, 390, 30, 19.5, 0.5, 24.5, 2.5, 3.5},
    {"GL32c", 0, 13500, 300, 650, 400, 32, 19.5, 0.5, 24.5, 2.5, 3.5},
};

// DIN 1052:2008, glulam.
const TimberGrade GlulamGradesDin[GLULAM_GRADE_COUNT_DIN] = {
    {"GL24h (BS11)", 0, 11600, 390, 720, 380, 24, 16.5, 0.5, 24, 2.7, 2.5},
    {"GL24c (BS11)", 0, 11600, 320, 590, 350, 24, 14, 0.5, 21, 2.4, 2.5},
    {"GL28h (BS14)", 0, 12600, 420, 780, 410, 28, 19.5, 0.5, 26.5, 3.0, 2.5},
    {"GL28c (BS14)", 0, 12600, 390, 720, 380, 28, 16.5, 0.5, 24, 2.7, 2.5},
    {"GL32h (BS16)", 0, 13700, 460, 850, 430, 32, 22.5, 0.5, 29, 3.3, 2.5},
    {"GL32c (BS16)", 0, 13700, 420, 780, 410, 32, 19.5, 0.5, 26.5, 3.0, 2.5},
    {"GL36h (BS18)", 0, 14700, 490, 910, 450, 36, 26, 0.5, 31, 3.6, 2.5},
    {"GL36c (BS18)", 0, 14700, 460, 850, 430, 36, 22.5, 0.5, 29, 3.3, 2.5},
};

// The DIN glulam grades under the annex rules: f_t_90_k and f_v_k differ.
const TimberGrade GlulamGradesDinEc[GLULAM_GRADE_COUNT_DIN] = {
    {"GL24h (BS11)", 0, 11600, 390, 720, 380, 24, 16.5, 0.4, 24, 2.7, 2.7},
    {"GL24c (BS11)", 0, 11600, 320, 590, 350, 24, 14, 0.35, 21, 2.4, 2.2},
    {"GL28h (BS14)", 0, 12600, 420, 780, 410, 28, 19.5, 0.45, 26.5, 3.0, 3.2},
    {"GL28c (BS14)", 0, 12600, 390, 720, 380, 28, 16.5, 0.4, 24, 2.7, 2.7},
    {"GL32h (BS16)", 0, 13700, 460, 850, 430, 32, 22.5, 0.5, 29, 3.3, 3.8},
    {"GL32c (BS16)", 0, 13700, 420, 780, 410, 32, 19.5, 0.45, 26.5, 3.0, 3.2},
    {"GL36h (BS18)", 0, 14700, 490, 910, 450, 36, 26, 0.6, 31, 3.6, 4.3},
    {"GL36c (BS18)", 0, 14700, 460, 850, 430, 36, 22.5, 0.5, 29, 3.3, 3.8},
};

// Beech LVL glulam GL75, flatwise and edgewise.
const TimberGrade BeechLvlGrades[BEECH_LVL_GRADE_COUNT] = {
    {"GL75 flachkant", 0, 16800, 470, 850, 730, 75, 60, 0.6, 49.5, 12.3, 4.5},
    {"GL75 hochkant", 0, 16800, 470, 760, 730, 75, 60, 1.5, 49.5, 11.7, 4.5},
};

const TimberGrade* Mat_Grade_Table(MaterialKind kind, int* count)
{
    const bool annex = Mat_Annex() != nullptr;
    const TimberGrade* table = nullptr;
    int n = 0;
    switch (kind) {
        case MK_SOFTWOOD:
        case MK_LVL:
            table = annex ? SoftwoodGradesEc : SoftwoodGradesDin;
            n = SOFTWOOD_GRADE_COUNT;
            break;
        case MK_HARDWOOD:
            table = annex ? HardwoodGradesEc : HardwoodGradesDin;
            n = annex ? HARDWOOD_GRADE_COUNT_EC : HARDWOOD_GRADE_COUNT_DIN;
            break;
        case MK_GLULAM_EC:
            table = GlulamGradesEc;
            n = GLULAM_GRADE_COUNT_EC;
            break;
        case MK_GLULAM_DIN:
            table = GlulamGradesDin;
            n = GLULAM_GRADE_COUNT_DIN;
            break;
        case MK_BEECH_GL75:
            table = BeechLvlGrades;
            n = BEECH_LVL_GRADE_COUNT;
            break;
        default: break;
    }
    if (count) *count = n;
    return table;
}

const TimberGrade* Mat_Grade_Row(MaterialKind kind, int grade)
{
    int n = 0;
    const TimberGrade* table = Mat_Grade_Table(kind, &n);
    if (!table || grade < 0 || grade >= n) return nullptr;
    return &table[grade];
}

// ---------------------------------------------------------------------------
// Host material table

namespace {

const int kGroupCount = 10;

// Rows of their own; the groups that repeat a grade table are copied from it.
const HostMaterialRecord kHardwoodExtra[2] = {
    {2006, "D18", 9500, 630, 590, 475, 18, 11, 0.5, 18, 7.5, 2.3},
    {2007, "D24", 10000, 670, 620, 485, 24, 14, 0.5, 21, 7.8, 2.7},
};

const HostMaterialRecord kGroup5[8] = {
    {5000, "D30", 11000, 730, 690, 530, 30, 18, 0.6, 23, 8.0, 4.0},
    {5001, "D35", 12000, 800, 750, 540, 35, 21, 0.6, 25, 8.1, 4.0},
    {5002, "D40", 13000, 860, 810, 550, 40, 24, 0.6, 26, 8.3, 4.0},
    {5003, "D50", 14000, 930, 880, 620, 50, 30, 0.6, 29, 9.3, 4.0},
    {5004, "D60", 17000, 1130, 1060, 700, 60, 36, 0.6, 32, 10.5, 4.5},
    {5005, "D70", 20000, 1330, 1250, 900, 70, 42, 0.6, 34, 13.5, 5.0},
    {5006, "D18", 9500, 630, 590, 475, 18, 11, 0.6, 18, 7.5, 3.4},
    {5007, "D24", 10000, 670, 620, 485, 24, 14, 0.6, 21, 7.8, 4.0},
};

const HostMaterialRecord kGroup8[7] = {
    {8000, "Tr\x84ger GL70", 16700, 470, 850, 680, 70, 55, 0.6, 49.5, 8.5, 4.0}, // "Träger GL70"
    {8001, "Pl. S 20-80 (w)", 16800, 470, 850, 730, 80, 60, 1.5, 57.5, 10, 8.0},
    {8002, "Pl. S 20-80 (s)", 16800, 470, 760, 730, 75, 60, 1.5, 57.5, 14, 8.0},
    {8003, "Pl. Q 20 (w)", 11800, 3900, 430, 730, 70, 45, 16, 45.6, 13, 3.8},
    {8004, "Pl. Q 20 (s)", 11800, 3900, 820, 730, 54, 45, 16, 45.6, 37, 7.8},
    {8005, "Pl. S 30-80 (w)", 13200, 2200, 430, 730, 75, 51, 8, 53.3, 13, 3.8},
    {8006, "Pl. S 30-80 (s)", 13200, 2200, 820, 730, 60, 51, 8, 53.3, 19, 7.8},
};

const HostMaterialRecord kGroup9[6] = {
    {9000, "S 21-90 (w)", 13800, 130, 600, 480, 50, 35, 0.8, 35, 1.8, 2.3},
    {9001, "S 21-90 (s)", 13800, 430, 600, 480, 44, 35, 0.8, 35, 6.0, 4.1},
    {9002, "Q 21-24 (w)", 10000, 1200, 60, 480, 32, 19, 0.01, 19, 2.2, 1.3},
    {9003, "Q 21-24 (s)", 10000, 1200, 600, 480, 28, 19, 6.0, 19, 9.0, 4.5},
    {9004, "Q 27-75 (w)", 10500, 2000, 120, 480, 36, 26, 0.01, 26, 2.2, 1.3},
    {9005, "Q 27-75 (s)", 10500, 2000, 600, 480, 32, 26, 6.0, 26, 9.0, 4.5},
};

const char* const kGroup3Names[15] = {"S7",   "S10", "S13",  "MS7",  "MS10", "MS13", "MS17", "BS11",
                                      "BS14", "B16", "BS18", "LH A", "LH B", "LH C", "Kerto"};

const double kGroup4Fv[12] = {3.0, 3.2, 3.4, 3.6, 3.8, 4.0, 4.0, 4.0, 4.0, 4.0, 4.0, 4.0};

const int kGroupBase[kGroupCount] = {1000, 2000, 3000, 0, 4000, 5000, 6000, 7000, 8000, 9000};
const int kGroupRows[kGroupCount] = {12, 8, 8, 15, 12, 8, 8, 14, 7, 6};

HostMaterialRecord g_group0[12], g_group1[8], g_group2[8], g_group3[15], g_group4[12], g_group6[8], g_group7[14];
HostMaterialRecord* const kGroupRowsPtr[kGroupCount] = {g_group0, g_group1, g_group2, g_group3, g_group4,
                                                        nullptr,  g_group6, g_group7, nullptr,  nullptr};
bool g_built = false;

HostMaterialRecord FromGrade(int id, const TimberGrade& g)
{
    return HostMaterialRecord{id,      g.name,    g.E_0_mean, g.E_90_mean, g.G_mean,   g.rho_k,
                              g.f_m_k, g.f_t_0_k, g.f_t_90_k, g.f_c_0_k,   g.f_c_90_k, g.f_v_k};
}

void Build()
{
    if (g_built) return;
    for (int i = 0; i < 12; ++i) {
        g_group0[i] = FromGrade(1000 + i, SoftwoodGradesDin[i]);
        g_group4[i] = FromGrade(4000 + i, SoftwoodGradesDin[i]);
        g_group4[i].f_v_k = kGroup4Fv[i];
    }
    for (int i = 0; i < 6; ++i) g_group1[i] = FromGrade(2000 + i, HardwoodGradesDin[i]);
    g_group1[6] = kHardwoodExtra[0];
    g_group1[7] = kHardwoodExtra[1];
    for (int i = 0; i < 8; ++i) {
        g_group2[i] = FromGrade(3000 + i, GlulamGradesDin[i]);
        g_group6[i] = FromGrade(6000 + i, GlulamGradesDinEc[i]);
    }
    for (int i = 0; i < 15; ++i) g_group3[i] = HostMaterialRecord{i, kGroup3Names[i], 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 14; ++i) g_group7[i] = FromGrade(7000 + i, GlulamGradesEc[i]);
    g_built = true;
}

} // namespace

int Mat_Id_Group_Count(int group) { return (group >= 0 && group < kGroupCount) ? kGroupRows[group] : 0; }

const HostMaterialRecord* Mat_Id_Group_Row(int group, int index)
{
    if (group < 0 || group >= kGroupCount || index < 0 || index >= kGroupRows[group]) return nullptr;
    switch (group) {
        case 5: return &kGroup5[index];
        case 8: return &kGroup8[index];
        case 9: return &kGroup9[index];
        default: Build(); return &kGroupRowsPtr[group][index];
    }
}

MaterialIdGroup Mat_Id_Group(unsigned id)
{
    // Unsigned, so a negative id lies in no group; the ranges do not overlap.
    for (int g = 0; g < kGroupCount; ++g) {
        const unsigned lo = (unsigned)kGroupBase[g];
        if (id >= lo && id - lo < (unsigned)kGroupRows[g]) return g;
    }
    return -1;
}

int Mat_Id_Make(int group, int index)
{
    if (group < 0 || group >= kGroupCount) return -1;
    if (group <= 2) return index + 1000 * (group + 1);
    if (group == 3) return index;
    return index + 1000 * group;
}

const HostMaterialRecord* Mat_Id_Record(unsigned id)
{
    const int g = Mat_Id_Group(id);
    if (g < 0) return Mat_Id_Group_Row(0, 0);
    return Mat_Id_Group_Row(g, (int)(id - (unsigned)kGroupBase[g]));
}

const char* Mat_Id_Name(unsigned id) { return Mat_Id_Record(id)->name; }

int Mat_Id_Zero(void) { return 0; }

int Mat_Id_Fill_List(unsigned list, const int* ids, int count, int key)
{
    if (!ids || count <= 0) return 0;
    int found = 0;
    for (int i = 0; i < count; ++i) {
        Fill_Stringlist_of_PS(list, BLACK_CI, Mat_Id_Name((unsigned)ids[i]));
        if (ids[i] == key) found = i;
    }
    return found;
}

int Mat_Id_At(int position, const int* ids, int count)
{
    if (!ids || position < 0 || position >= count) return 1001;
    return ids[position];
}

const char* Mat_Group_Name(unsigned group)
{
    static const char* const names[kGroupCount] = {"Nadelholz", "Laubholz", "Brettschichtholz", "",
                                                   "Nadelholz", "Laubholz", "Brettschichtholz", "Brettschichtholz",
                                                   "Furnier",   "Kerto"};
    if (group >= (unsigned)kGroupCount) return "nicht definiertes Material";
    return names[group];
}
