// Steel grade registry: the European and the DIN table and the user grades.
#include "materials/stguete.h"

#include <array>
#include <cmath>
#include <cstring>

#include "base/kovmem.h"
#include "platform/kovstrlist.h"

namespace {

const char kUndefined[] = "?????";

// E, G, nu and alpha_T are the same for every grade.
#define KOV_ST_CONST 210000.0, 81000.0, 0.3, 1.2e-5

// Columns: code, name, E, G, nu, alpha_T, f_y (t <= t_limit), f_y (t > t_limit),
// t_limit, t_max, f_u, factor.
const SteelGrade kGradesEn[STEEL_GRADE_COUNT] = {
    {0, "S235JR (St37-2)", KOV_ST_CONST, 235, 215, 40, 100, 360, 0.95},
    {1, "S235JRG1 (USt37-2)", KOV_ST_CONST, 235, 215, 40, 100, 360, 0.95},
    {2, "S235JRG2 (RSt37-2)", KOV_ST_CONST, 235, 215, 40, 100, 360, 0.95},
    {3, "S235J0 (St37-3)", KOV_ST_CONST, 235, 215, 40, 100, 360, 0.95},
    {4, "S355J0 (St52-3)", KOV_ST_CONST, 355, 335, 40, 80, 490, 0.8},
    {5, "S235", KOV_ST_CONST, 235, 215, 40, 100, 360, 0.95},
    {6, "S275", KOV_ST_CONST, 275, 255, 40, 80, 410, 0.95},
    {7, "S355", KOV_ST_CONST, 355, 335, 40, 80, 490, 0.8},
    {8, "S275 N/NL", KOV_ST_CONST, 275, 255, 40, 80, 370, 0.95},
    {9, "S275 M/ML", KOV_ST_CONST, 275, 255, 40, 80, 370, 0.95},
    {10, "S355 N/NL", KOV_ST_CONST, 355, 335, 40, 80, 470, 0.8},
    {11, "S355 M/ML", KOV_ST_CONST, 355, 335, 40, 80, 450, 0.8},
    {12, "S460 N/NL", KOV_ST_CONST, 460, 430, 40, 80, 540, 0.6},
    {13, "S460 M/ML", KOV_ST_CONST, 460, 430, 40, 80, 530, 0.6},
    {14, "S 240 GP", KOV_ST_CONST, 240, 215, 40, 80, 340, 0.95},
    {15, "S 270 GP", KOV_ST_CONST, 270, 250, 40, 80, 410, 0.95},
    {16, "S 320 GP", KOV_ST_CONST, 320, 295, 40, 80, 440, 0.95},
    {17, "S 355 GP", KOV_ST_CONST, 355, 330, 40, 80, 480, 0.8},
    {18, "S 390 GP", KOV_ST_CONST, 390, 365, 40, 80, 490, 0.8},
    {19, "S 430 GP", KOV_ST_CONST, 430, 400, 40, 80, 510, 0.6},
    {20, "St Sp 460", KOV_ST_CONST, 460, 430, 40, 80, 550, 0.6},
    {21, "St Sp 500", KOV_ST_CONST, 500, 460, 40, 80, 590, 0.6},
    {22, "FK 3.6", KOV_ST_CONST, 180, 180, 80, 80, 300, 0.6},
    {23, "FK 4.6", KOV_ST_CONST, 240, 240, 80, 80, 400, 0.6},
    {24, "FK 4.8", KOV_ST_CONST, 320, 320, 80, 80, 400, 0.6},
    {25, "FK 5.6", KOV_ST_CONST, 300, 300, 80, 80, 500, 0.6},
    {26, "FK 5.8", KOV_ST_CONST, 400, 400, 80, 80, 500, 0.6},
    {27, "FK 8.8", KOV_ST_CONST, 640, 640, 80, 80, 800, 0.6},
    {28, "FK 10.9", KOV_ST_CONST, 900, 900, 80, 80, 1000, 0.6},
    {29, "S235 (1052)", KOV_ST_CONST, 240, 215, 40, 100, 360, 0.95},
    {30, "S275 (1052)", KOV_ST_CONST, 275, 255, 40, 80, 430, 0.95},
    {31, "S355 (1052)", KOV_ST_CONST, 360, 325, 40, 80, 510, 0.8},
    {32, "S450", KOV_ST_CONST, 440, 410, 40, 80, 550, 0.6},
    {33, "S420 N/NL", KOV_ST_CONST, 420, 390, 40, 80, 520, 0.6},
    {34, "S420 M/ML", KOV_ST_CONST, 420, 390, 40, 80, 520, 0.6},
    {35, "S220GD", KOV_ST_CONST, 220, 220, 40, 100, 300, 0.6},
    {36, "S250GD", KOV_ST_CONST, 250, 250, 40, 100, 330, 0.6},
    {37, "S280GD", KOV_ST_CONST, 280, 280, 40, 100, 360, 0.6},
    {38, "S320GD", KOV_ST_CONST, 320, 320, 40, 100, 390, 0.6},
    {39, "S350GD", KOV_ST_CONST, 350, 350, 40, 100, 420, 0.6},
    {40, "S390GD", KOV_ST_CONST, 390, 390, 40, 100, 460, 0.6},
    {41, "S420GD", KOV_ST_CONST, 420, 420, 40, 100, 480, 0.6},
    {42, "S450GD", KOV_ST_CONST, 450, 450, 40, 100, 510, 0.6},
    {43, "S550GD", KOV_ST_CONST, 550, 550, 40, 100, 560, 0.6},
};

// DIN 18800-1 is the European table but for these rows: the S235 and S355
// grades yield at 240 and 360 N/mm2 in the lower band (S355 at 325 for
// 40 < t <= 80 mm), and rows 5 to 7 carry the old names as well. A null name
// keeps the European one.
struct DinDifference {
    int row;
    const char* name;
    double f_y_thin, f_y_thick;
};
const DinDifference kDinDifferences[] = {
    {0, nullptr, 240, 215},  {1, nullptr, 240, 215},       {2, nullptr, 240, 215},       {3, nullptr, 240, 215},
    {4, nullptr, 360, 325},  {5, "S235 (St37)", 240, 215}, {6, "S275 (St44)", 275, 255}, {7, "S355 (St52)", 360, 325},
    {10, nullptr, 360, 325}, {11, nullptr, 360, 325},
};

// The DIN table: the European one with the differences.
const SteelGrade* Din_Grades()
{
    static const std::array<SteelGrade, STEEL_GRADE_COUNT> table = [] {
        std::array<SteelGrade, STEEL_GRADE_COUNT> t;
        for (int i = 0; i < STEEL_GRADE_COUNT; ++i) t[i] = kGradesEn[i];
        for (const DinDifference& d : kDinDifferences) {
            SteelGrade& g = t[d.row];
            if (d.name) g.name = d.name;
            g.f_y_thin = d.f_y_thin;
            g.f_y_thick = d.f_y_thick;
        }
        return t;
    }();
    return table.data();
}

const SteelGrade kFallbackEn = {STEEL_GRADE_COUNT, kUndefined, KOV_ST_CONST, 235, 215, 40, 100, 360, 0.95};
const SteelGrade kFallbackDin = {STEEL_GRADE_COUNT, kUndefined, KOV_ST_CONST, 240, 215, 40, 100, 360, 0.95};

#undef KOV_ST_CONST

// User grades, held by value; each owns its name (or points to kUndefined).
SteelGrade* g_user = nullptr;
int g_count = 0;
int g_capacity = 0;
int g_last = -1;

bool European(int code) { return (code >> 16) == STEEL_TABLE_EN; }

const char* Copy_Text(const char* s)
{
    if (!s) return kUndefined;
    char* c = Mem_Strdup_Tagged(__FILE__, __LINE__, "stguete", s);
    return c ? c : kUndefined;
}

void Release_Text(const char* s)
{
    if (s && s != kUndefined) Mem_Free_Tagged(__FILE__, __LINE__, "stguete", const_cast<char*>(s));
}

int Find_User(int code)
{
    const int want = (code & 0x7FFF) | STEEL_USER_BIT;
    if (g_last >= 0 && g_last < g_count && g_user[g_last].code == want) return g_last;
    for (int i = 0; i < g_count; ++i) {
        if (g_user[i].code == want) {
            g_last = i;
            return i;
        }
    }
    return -1;
}

// The grade of a code, NULL when it is undefined.
const SteelGrade* Lookup(int code)
{
    if ((code & STEEL_USER_BIT) == 0) {
        const int row = code & 0xFFFF;
        if (row >= STEEL_GRADE_COUNT) return nullptr;
        return European(code) ? &kGradesEn[row] : &Din_Grades()[row];
    }
    const int i = Find_User(code);
    return i >= 0 ? &g_user[i] : nullptr;
}

} // namespace

int Steel_Guete_Add(const SteelGrade* g)
{
    if (!g) return 0;
    // Copy first: g may point into the array, which may move when it grows.
    SteelGrade stored = *g;
    const int code = (stored.code & 0x7FFF) | STEEL_USER_BIT;
    const int slot = Find_User(code);
    if (slot < 0 && g_count >= g_capacity) {
        const int cap = g_count + 10;
        void* p = Mem_Realloc_Tagged(__FILE__, __LINE__, "stguete", g_user, (int)(cap * sizeof(SteelGrade)));
        if (!p) return 0;
        g_user = static_cast<SteelGrade*>(p);
        g_capacity = cap;
    }
    stored.code = code;
    stored.name = Copy_Text(stored.name);
    if (slot >= 0) {
        const char* old = g_user[slot].name;
        g_user[slot] = stored;
        Release_Text(old);
    } else {
        g_user[g_count] = stored;
        g_last = g_count++;
    }
    return code;
}

int Steel_Guete_Remove(int code)
{
    if (g_count == 0 || (code & STEEL_USER_BIT) == 0) return 0;
    const int i = Find_User(code);
    if (i < 0) return 0;
    Release_Text(g_user[i].name);
    std::memmove(&g_user[i], &g_user[i + 1], (size_t)(g_count - i - 1) * sizeof(SteelGrade));
    --g_count;
    g_last = -1;
    return 1;
}

void Steel_Guete_Clear(void)
{
    for (int i = 0; i < g_count; ++i) Release_Text(g_user[i].name);
    g_count = 0;
    g_last = -1;
}

int Steel_Guete_User_Count(void) { return g_count; }

const SteelGrade* Steel_Guete_User_Record(int index)
{
    if (index < 0 || index >= g_count) return &kFallbackEn;
    return &g_user[index];
}

const SteelGrade* Steel_Guete_Fallback(int table) { return table == STEEL_TABLE_EN ? &kFallbackEn : &kFallbackDin; }

const SteelGrade* Steel_Guete_Record(int code)
{
    const SteelGrade* g = Lookup(code);
    return g ? g : Steel_Guete_Fallback(code >> 16);
}

double Steel_Guete_Fy(int code, double t)
{
    const SteelGrade* g = Steel_Guete_Record(code);
    return t > g->t_limit ? g->f_y_thick : g->f_y_thin;
}

double Steel_Guete_Moduli(int code, double* g_out)
{
    const SteelGrade* g = Steel_Guete_Record(code);
    if (g_out) *g_out = g->g_modulus;
    return g->e_modulus;
}

const char* Steel_Guete_Name(int code)
{
    const SteelGrade* g = Lookup(code);
    return g ? g->name : kUndefined;
}

int Steel_Guete_Design_Strengths(int code, double t, double gamma_m, double out[4])
{
    if (!out) return 0;
    const double f = Steel_Guete_Fy(code, t);
    if (gamma_m == 0.0 || std::isnan(gamma_m)) {
        out[0] = out[1] = out[2] = out[3] = gamma_m;
    } else {
        out[0] = out[1] = out[3] = f / gamma_m;
        out[2] = f / gamma_m * 0.5773502691896258;
    }
    return ((code & STEEL_USER_BIT) != 0 || (code & 0xFFFF) <= 43) ? 1 : 0;
}

int Steel_Guete_Fill_List(unsigned list, const int* codes, int n, int selected)
{
    if (!codes || n <= 0) return 0;
    int position = 0;
    for (int i = 0; i < n; ++i) {
        Fill_Stringlist_of_PS(list, BLACK_CI, Steel_Guete_Name(codes[i]));
        if (codes[i] == selected) position = i;
    }
    return position;
}

int Steel_Guete_Code_At(int position, const int* codes, int n)
{
    if (!codes || position < 0 || position >= n) return 5;
    return codes[position];
}
