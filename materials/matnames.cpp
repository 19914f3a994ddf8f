// Material and fastener names and the choice lists of the material library.
#include "materials/matnames.h"
#include "platform/kovscreen.h"

#include <cstdio>
#include <cstring>

#include "base/kovmem.h"
#include "base/ttool.h"
#include "materials/alguete.h"
#include "materials/fastener.h"
#include "materials/holzgueten.h"
#include "materials/matlvl.h"
#include "materials/stguete.h"
#include "nad/nadactive.h"
#include "platform/kovcp.h"
#include "platform/kovstrlist.h"

namespace {

const char kUndefinedMaterial[] = "nicht definiertes Material";
const char kUndefinedFastener[] = "nicht definiert";

// ---- fastener type names --------------------------------------------------------

struct FastenerNames {
    const char* short_form;
    const char* long_form; // NULL: same as the short form
};

// Texts in UTF-8, by type + 2 (types -2 .. 46).
const FastenerNames kFastenerNames[] = {
    {"ohne Verbund", nullptr},
    {"Klebeverbindung", nullptr},
    {"Nagel", nullptr},
    {"Klammer", nullptr},
    {"Schraube 1A", "Holzschraube"},
    {"Schraube 1B", "Holzschraube"},
    {"Schraube 1C", "Holzschraube"},
    {"Schraube 2A", "Holzschraube"},
    {"Schraube 2B", "Holzschraube"},
    {"Schraube 2C", "Holzschraube"},
    {"Schraube 3A", "Holzschraube"},
    {"Schraube 3B", "Holzschraube"},
    {"Schraube 3C", "Holzschraube"},
    {"SPAX Senkkopf Teilgewinde", nullptr},
    {"SPAX Tellerkopf Teilgewinde", nullptr},
    {"SPAX Senkkopf Vollgewinde", nullptr},
    {"ASSY-plus VG Zylinderkopf", nullptr},
    {"ASSY-plus VG Senkfräst.kopf", nullptr},
    {"Sondernagel 1A", "Sondernagel"},
    {"Sondernagel 1B", "Sondernagel"},
    {"Sondernagel 1C", "Sondernagel"},
    {"Sondernagel 2A", "Sondernagel"},
    {"Sondernagel 2B", "Sondernagel"},
    {"Sondernagel 2C", "Sondernagel"},
    {"Sondernagel 3A", "Sondernagel"},
    {"Sondernagel 3B", "Sondernagel"},
    {"Sondernagel 3C", "Sondernagel"},
    {"Ringdübel A1", "Ringdübel A1/B1"},
    {"Scheibendübel C1", "Scheibendübel C1/C2"},
    {"Scheibendübel C5", nullptr},
    {"Scheibendübel C10", "Scheibendübel C10/C11"},
    {"Stabdübel", nullptr},
    {"Bolzen", nullptr},
    {"Scheibendübel B1", "Scheibendübel B1/A1"},
    {"Scheibendübel C2", "Scheibendübel C2/C1"},
    {"Scheibendübel C11", "Scheibendübel C11/C10"},
    {"Sondernagel 1D", "Sondernagel"},
    {"Sondernagel 1E", "Sondernagel"},
    {"Sondernagel 1F", "Sondernagel"},
    {"Sondernagel 2D", "Sondernagel"},
    {"Sondernagel 2E", "Sondernagel"},
    {"Sondernagel 2F", "Sondernagel"},
    {"Sondernagel 3D", "Sondernagel"},
    {"Sondernagel 3E", "Sondernagel"},
    {"Sondernagel 3F", "Sondernagel"},
    {"ASSY benutzerdefiniert", nullptr},
    {"SPAX benutzerdefiniert", nullptr},
    {"Simpson CNA", nullptr},
    {"Simpson CSA", nullptr},
};

const char* Fastener_Name_Utf8(int type, int long_form)
{
    const int n = (int)(sizeof kFastenerNames / sizeof kFastenerNames[0]);
    if (type < -2 || type + 2 >= n) return nullptr;
    const FastenerNames& f = kFastenerNames[type + 2];
    return (long_form != 0 && f.long_form) ? f.long_form : f.short_form;
}

// ---- static lists -----------------------------------------------------------------

const char* const kKindNames[20] = {
    "Nadelholz",  "Laubholz",       "Brettschicht EC", "Brettschicht DIN",   "OSB",
    "Gipskarton", "Sperrholz",      "Spanplatte",      "Faserplatte",        "Fermacell",
    "Kerto-S",    "Kerto-Q",        "Stahlblech",      "Furnierschichtholz", "Frei",
    "Ohne",       "Aluminiumblech", "Baubuche GL75",   "Baubuche Platte",    "Steico LVL",
};
const char* const kServiceClasses[3] = {" 1", " 2", " 3"};
const char* const kPanelUse[4] = {"Platte parallel", "Platte senkrecht", "Scheibe parallel", "Scheibe senkrecht"};
const char* const kOsb[3] = {"OSB 2", "OSB 3", "OSB 4"};
const char* const kGypsum[3] = {"GKB", "GKF", "GKBi"};
const char* const kPlywood[6] = {"F20/10", "F20/15", "F25/10", "F40/30", "F50/25", "F60/10"};
const char* const kParticleboard[4] = {"Typ P4", "Typ P5", "Typ P6", "Typ P7"};
const char* const kFibreboard[2] = {"Hart", "Mittelhart"};
const char* const kFermacell[5] = {"10 mm", "12,5 mm", "15 mm", "18 mm", "25 mm"};
const char* const kKertoS[1] = {"21-75 mm"};
const char* const kKertoQ[2] = {"21-24 mm", "27-69 mm"};
const char* const kBeechPanel[3] = {"S 40 mm", "S 60 mm", "Q 40 mm"};
// "X t<=24" and "X t>=27" with the signs as the bytes 0xF3 and 0xF2.
const char* const kLvl[3] = {"R",
                             "X t\xF3"
                             "24",
                             "X t\xF2"
                             "27"};

struct List {
    ChoiceEntry* entries;
    int count;
};

ChoiceEntry g_kinds[20];
ChoiceEntry g_service[3];
ChoiceEntry g_panel_use[4];
ChoiceEntry g_no_grade[1];
ChoiceEntry g_softwood_ec[SOFTWOOD_GRADE_COUNT];
ChoiceEntry g_softwood_din[SOFTWOOD_GRADE_COUNT];
ChoiceEntry g_hardwood_ec[HARDWOOD_GRADE_COUNT_EC];
ChoiceEntry g_hardwood_din[HARDWOOD_GRADE_COUNT_DIN];
ChoiceEntry g_glulam_ec[GLULAM_GRADE_COUNT_EC];
ChoiceEntry g_glulam_din[GLULAM_GRADE_COUNT_DIN];
ChoiceEntry g_osb[3];
ChoiceEntry g_gypsum[3];
ChoiceEntry g_plywood[6];
ChoiceEntry g_particleboard[4];
ChoiceEntry g_fibreboard[2];
ChoiceEntry g_fermacell[5];
ChoiceEntry g_kerto_s[1];
ChoiceEntry g_kerto_q[2];
ChoiceEntry g_steel[2];
ChoiceEntry g_aluminium[ALU_GRADE_COUNT];
ChoiceEntry g_beech_gl75[BEECH_LVL_GRADE_COUNT];
ChoiceEntry g_beech_panel[3];
ChoiceEntry g_lvl[3];
ChoiceEntry g_lvl_studs[LVL_WALL_SECTIONS];
ChoiceEntry g_joists[LVL_JOIST_SECTIONS];

char g_stud_names[LVL_WALL_SECTIONS][64];
char g_joist_names[LVL_JOIST_SECTIONS][64];

// The fastener choice list and the catalogue's pools, each entry with a text
// buffer of its own.
ChoiceEntry g_fasteners[FASTENER_POSITION_COUNT];
char g_fastener_texts[FASTENER_POSITION_COUNT][MAT_CHOICE_TEXT_SIZE];
const char* g_position_names[FASTENER_POSITION_COUNT];
ChoiceEntry g_pools[3][MAT_CHOICE_POOL_SIZE];
char g_pool_texts[3][MAT_CHOICE_POOL_SIZE][MAT_CHOICE_TEXT_SIZE];

KindChoiceEntry g_panel_kinds[7];
KindChoiceEntry g_panel_or_none[10];
char* g_panel_or_none_copies[10];

bool g_built = false;

void Fill_Texts(ChoiceEntry* list, const char* const* texts, int n)
{
    for (int i = 0; i < n; ++i) list[i] = ChoiceEntry{0, texts[i]};
}

void Fill_Grades(ChoiceEntry* list, const TimberGrade* rows, int n)
{
    for (int i = 0; i < n; ++i) list[i] = ChoiceEntry{0, rows[i].name};
}

// Copies src into dst of size bytes, cut to fit.
void Copy_Bounded(char* dst, size_t size, const char* src)
{
    const size_t n = strnlen(src, size - 1);
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

void Fill_Sections(ChoiceEntry* list, char (*names)[64], int n, const LvlProduct* p)
{
    for (int i = 0; i < n; ++i) {
        const char* src = (p && p->sections && i < p->count) ? p->sections[i].name : "";
        Copy_Bounded(names[i], sizeof names[i], src);
        list[i] = ChoiceEntry{0, names[i]};
    }
}

// The fastener type whose long name stands for a fastener position.
const int kPositionTypes[FASTENER_POSITION_COUNT] = {-2, -1, 0,  1,  2,  11, 12, 13, 14, 15,
                                                     16, 25, 26, 27, 28, 29, 30, 31, 32, 33};

void Build_Lists()
{
    Fill_Texts(g_service, kServiceClasses, 3);
    Fill_Texts(g_kinds, kKindNames, 20);
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < MAT_CHOICE_POOL_SIZE; ++i) {
            g_pool_texts[p][i][0] = '\0';
            g_pools[p][i] = ChoiceEntry{0, g_pool_texts[p][i]};
        }
    for (int i = 0; i < FASTENER_POSITION_COUNT; ++i) {
        g_fastener_texts[i][0] = '\0';
        g_fasteners[i] = ChoiceEntry{0, g_fastener_texts[i]};
        g_position_names[i] = Fastener_Type_Name(kPositionTypes[i], 1);
    }
    Fill_Texts(g_panel_use, kPanelUse, 4);
    Fill_Grades(g_softwood_ec, SoftwoodGradesEc, SOFTWOOD_GRADE_COUNT);
    Fill_Grades(g_softwood_din, SoftwoodGradesDin, SOFTWOOD_GRADE_COUNT);
    Fill_Grades(g_hardwood_ec, HardwoodGradesEc, HARDWOOD_GRADE_COUNT_EC);
    Fill_Grades(g_hardwood_din, HardwoodGradesDin, HARDWOOD_GRADE_COUNT_DIN);
    Fill_Grades(g_glulam_ec, GlulamGradesEc, GLULAM_GRADE_COUNT_EC);
    Fill_Grades(g_glulam_din, GlulamGradesDin, GLULAM_GRADE_COUNT_DIN);
    Fill_Grades(g_beech_gl75, BeechLvlGrades, BEECH_LVL_GRADE_COUNT);
    Fill_Texts(g_osb, kOsb, 3);
    Fill_Texts(g_gypsum, kGypsum, 3);
    Fill_Texts(g_plywood, kPlywood, 6);
    Fill_Texts(g_particleboard, kParticleboard, 4);
    Fill_Texts(g_fibreboard, kFibreboard, 2);
    Fill_Texts(g_fermacell, kFermacell, 5);
    Fill_Texts(g_kerto_s, kKertoS, 1);
    Fill_Texts(g_kerto_q, kKertoQ, 2);
    Fill_Texts(g_beech_panel, kBeechPanel, 3);
    Fill_Texts(g_lvl, kLvl, 3);
    Fill_Sections(g_lvl_studs, g_stud_names, LVL_WALL_SECTIONS, Lvl_Wall_Product());
    Fill_Sections(g_joists, g_joist_names, LVL_JOIST_SECTIONS, Lvl_Joist_Product());
    g_steel[0] = ChoiceEntry{0, Steel_Guete_Name(5)};
    g_steel[1] = ChoiceEntry{0, Steel_Guete_Name(7)};
    for (int i = 0; i < ALU_GRADE_COUNT; ++i) g_aluminium[i] = ChoiceEntry{0, Alu_Guete_Name((unsigned)i)};
    g_no_grade[0] = ChoiceEntry{0, "-----"};

    static const int panel_kinds[7] = {4, 5, 6, 7, 8, 9, 19};
    for (int i = 0; i < 7; ++i) g_panel_kinds[i] = KindChoiceEntry{0, kKindNames[panel_kinds[i]], panel_kinds[i]};
    static const int panel_or_none[10] = {4, 5, 6, 7, 8, 9, 10, 11, 14, 15};
    for (int i = 0; i < 10; ++i)
        g_panel_or_none[i] = KindChoiceEntry{0, kKindNames[panel_or_none[i]], panel_or_none[i]};
}

// The grade list of a kind as Mat_Name and Mat_Grade_Name read it (the grade
// tables' names for the timber kinds), {NULL, 0} for a kind without one.
List Grade_List(int kind)
{
    const bool annex = ActiveNadEc5 != nullptr;
    switch (kind) {
        case 0: return annex ? List{g_softwood_ec, SOFTWOOD_GRADE_COUNT} : List{g_softwood_din, SOFTWOOD_GRADE_COUNT};
        case 1:
            return annex ? List{g_hardwood_ec, HARDWOOD_GRADE_COUNT_EC}
                         : List{g_hardwood_din, HARDWOOD_GRADE_COUNT_DIN};
        case 2: return {g_glulam_ec, GLULAM_GRADE_COUNT_EC};
        case 3: return {g_glulam_din, GLULAM_GRADE_COUNT_DIN};
        case 4: return {g_osb, 3};
        case 5: return {g_gypsum, 3};
        case 6: return {g_plywood, 6};
        case 7: return {g_particleboard, 4};
        case 8: return {g_fibreboard, 2};
        case 9: return {g_fermacell, 5};
        case 10: return {g_kerto_s, 1};
        case 11: return {g_kerto_q, 2};
        case 17: return {g_beech_gl75, BEECH_LVL_GRADE_COUNT};
        case 18: return {g_beech_panel, 3};
        case 19:
        case -11: return {g_lvl, 3};
        case -12: return {g_lvl_studs, LVL_WALL_SECTIONS};
        case -13: return {g_joists, LVL_JOIST_SECTIONS};
        default: return {nullptr, 0};
    }
}

const char* List_Text(int kind, int grade)
{
    const List l = Grade_List(kind);
    if (!l.entries || grade < 0 || grade >= l.count) return nullptr;
    return l.entries[grade].text;
}

void Set_Colour(ChoiceEntry* list, int n, int colour)
{
    for (int i = 0; i < n; ++i) list[i].colour = colour;
}

// The host palette's index nearest to a grey of (190, 190, 190).
int Grey_Colour_Index() { return Nearest_RGB_Color(190, 190, 190); }

char g_name[256];
char g_user_name[256];
char g_grade_name[256];

} // namespace

const char* Fastener_Type_Name(int type, int long_form)
{
    const char* utf8 = Fastener_Name_Utf8(type, long_form);
    return utf8 ? cp850(utf8) : kUndefinedFastener;
}

const char* Fastener_Type_Name_Win(int type, int long_form)
{
    const char* utf8 = Fastener_Name_Utf8(type, long_form);
    return utf8 ? cp1252(utf8) : kUndefinedFastener;
}

void Mat_Choice_Lists_Init(void)
{
    Assy_Head_List();
    Spax_Head_List();
    Lvl_Wall_Ensure(1000);
    Lvl_Joist_Ensure(1000);
    if (g_built) return;
    Build_Lists();
    g_built = true;
}

const char* Mat_Name(int kind, int grade)
{
    Mat_Choice_Lists_Init();
    const char* prefix;
    bool comma = false; // grade text after ", " (timber), else directly
    switch (kind) {
        case 0: prefix = "Nadelvollholz", comma = true; break;
        case 1: prefix = "Laubholz", comma = true; break;
        case 2: prefix = "Brettschichtholz EC", comma = true; break;
        case 3: prefix = "Brettschichtholz DIN", comma = true; break;
        case 17: prefix = "Baubuche GL75", comma = true; break;
        case 4: {
            // The grade text ("OSB 3") replaces the prefix.
            const char* t = List_Text(kind, grade);
            std::snprintf(g_name, sizeof g_name, "%s", t ? t : "OSB");
            return g_name;
        }
        case 5: prefix = "Gipskarton "; break;
        case 6: prefix = "Sperrholz "; break;
        case 7: prefix = "Spanplatte "; break;
        case 8: prefix = "Faserplatte "; break;
        case 9: prefix = "Fermacell "; break;
        case 10: prefix = "Kerto-S "; break;
        case 11: prefix = "Kerto-Q "; break;
        case 18: prefix = "Baubuche "; break;
        case 19: prefix = "Steico LVL "; break;
        case -11: prefix = "Steico GLVL "; break;
        case -12: prefix = "Steico Wall "; break;
        case -13: prefix = "Steico Joist "; break;
        case 12: {
            const char* t = "";
            if (grade >= 0) t = Steel_Guete_Name(grade == 0 ? 5 : grade <= 3 ? 7 : grade);
            std::snprintf(g_name, sizeof g_name, "Stahlblech %s", t);
            return g_name;
        }
        case 16: {
            const char* t = grade >= 0 ? Alu_Guete_Name((unsigned)grade) : "";
            std::snprintf(g_name, sizeof g_name, "Aluminiumblech %s", t);
            return g_name;
        }
        case 14: std::snprintf(g_name, sizeof g_name, "%s", "frei "); return g_name;
        case 15: std::snprintf(g_name, sizeof g_name, "%s", "ohne"); return g_name;
        default: std::snprintf(g_name, sizeof g_name, "%s", kUndefinedMaterial); return g_name;
    }
    const char* t = List_Text(kind, grade);
    if (!t)
        std::snprintf(g_name, sizeof g_name, "%s", prefix);
    else
        std::snprintf(g_name, sizeof g_name, comma ? "%s, %s" : "%s%s", prefix, t);
    return g_name;
}

const char* Mat_User_Name(int kind, int grade, const UserMaterial* user)
{
    if (kind != -999 && kind != 14 && grade != -999) return Mat_Name(kind, grade);
    if (!user) return nullptr;
    // The record's name need not be terminated within its field.
    const size_t n = strnlen(user->name, sizeof user->name);
    char own[sizeof user->name + 1];
    std::memcpy(own, user->name, n);
    own[n] = '\0';
    Str_Trim_Trailing_Blanks(own);
    std::snprintf(g_user_name, sizeof g_user_name, "%s (benutzerdefiniert)", own);
    Str_Trim_Trailing_Blanks(g_user_name);
    return g_user_name;
}

const char* Mat_Grade_Name(int kind, int grade)
{
    Mat_Choice_Lists_Init();
    const char* t;
    switch (kind) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 17:
        case 4:
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
        case 10:
        case 11:
        case 18:
        case 19:
        case -11: t = List_Text(kind, grade); break;
        case 12: t = Steel_Guete_Name(grade); break;
        case 14: t = "frei "; break;
        case 15: t = "--- "; break;
        default: return kUndefinedMaterial;
    }
    // A grade outside the kind's range has no text (never the previous one).
    std::snprintf(g_grade_name, sizeof g_grade_name, "%s", t ? t : "");
    return g_grade_name;
}

ChoiceEntry* Fastener_Choice_List(unsigned groups, int colour, int* count, int* positions)
{
    Mat_Choice_Lists_Init();
    Set_Colour(g_fasteners, FASTENER_POSITION_COUNT, colour);
    static const struct {
        unsigned bit;
        int first, last;
    } groups_in_order[] = {{0x20, 0, 0}, {0x10, 1, 1}, {0x01, 2, 10}, {0x02, 15, 16}, {0x04, 11, 14}, {0x08, 17, 19}};
    int n = 0;
    for (const auto& g : groups_in_order) {
        if (!(groups & g.bit)) continue;
        for (int p = g.first; p <= g.last; ++p) {
            Copy_Bounded(g_fastener_texts[n], MAT_CHOICE_TEXT_SIZE, g_position_names[p]);
            if (positions) positions[n] = p;
            ++n;
        }
    }
    if (count) *count = n;
    return g_fasteners;
}

KindChoiceEntry* Panel_Kind_Choice_List(int* width, int* count, int colour)
{
    Mat_Choice_Lists_Init();
    for (auto& e : g_panel_kinds) e.colour = colour;
    if (width) *width = 11;
    if (count) *count = 7;
    return g_panel_kinds;
}

KindChoiceEntry* Panel_Or_None_Choice_List(int* width, int* count, int colour)
{
    Mat_Choice_Lists_Init();
    for (int i = 0; i < 10; ++i) {
        KindChoiceEntry& e = g_panel_or_none[i];
        e.colour = colour;
        // A fresh copy of the text on every call; the previous one goes.
        char* copy = Mem_Strdup_Tagged(__FILE__, __LINE__, "matnames", kKindNames[e.kind]);
        if (g_panel_or_none_copies[i]) Mem_Free_Tagged(__FILE__, __LINE__, "matnames", g_panel_or_none_copies[i]);
        g_panel_or_none_copies[i] = copy;
        e.text = copy ? copy : kKindNames[e.kind];
    }
    if (width) *width = 11;
    if (count) *count = 10;
    return g_panel_or_none;
}

ChoiceEntry* Mat_Grade_Choice_List(int kind, int* width, int* count, int colour)
{
    const int grey = Grey_Colour_Index();
    Mat_Choice_Lists_Init();

    ChoiceEntry* const lists[] = {g_kinds,       g_service,      g_panel_use,     g_softwood_ec, g_softwood_din,
                                  g_hardwood_ec, g_hardwood_din, g_glulam_ec,     g_glulam_din,  g_osb,
                                  g_gypsum,      g_plywood,      g_particleboard, g_fibreboard,  g_fermacell,
                                  g_kerto_s,     g_kerto_q,      g_steel,         g_aluminium,   g_beech_gl75,
                                  g_beech_panel, g_lvl,          g_lvl_studs,     g_joists};
    const int counts[] = {20,
                          3,
                          4,
                          SOFTWOOD_GRADE_COUNT,
                          SOFTWOOD_GRADE_COUNT,
                          HARDWOOD_GRADE_COUNT_EC,
                          HARDWOOD_GRADE_COUNT_DIN,
                          GLULAM_GRADE_COUNT_EC,
                          GLULAM_GRADE_COUNT_DIN,
                          3,
                          3,
                          6,
                          4,
                          2,
                          5,
                          1,
                          2,
                          2,
                          ALU_GRADE_COUNT,
                          BEECH_LVL_GRADE_COUNT,
                          3,
                          3,
                          LVL_WALL_SECTIONS,
                          LVL_JOIST_SECTIONS};
    static_assert(sizeof lists / sizeof lists[0] == sizeof counts / sizeof counts[0], "one count per list");
    for (size_t i = 0; i < sizeof counts / sizeof counts[0]; ++i) Set_Colour(lists[i], counts[i], colour);
    g_no_grade[0].colour = 0;

    ChoiceEntry* list;
    int w, n;
    switch (kind) {
        case -999: list = nullptr, w = 4, n = 1; break;
        case -1: list = g_kinds, w = 14, n = 4; break;
        case -2: list = g_service, w = 2, n = 3; break;
        case -3: list = g_kinds, w = 14, n = 9; break;
        case -4: list = g_panel_use, w = 14, n = 4; break;
        case -5:
            g_kinds[2].colour = grey; // "Brettschicht EC" not offered
            list = g_kinds, w = 14, n = 4;
            break;
        case 12: list = g_steel, w = 9, n = 2; break;
        case 14:
        case 15: list = g_no_grade, w = 4, n = 1; break;
        case 16: list = g_aluminium, w = 15, n = ALU_GRADE_COUNT; break;
        default: {
            static const struct {
                int kind, width;
            } widths[] = {{0, 7}, {1, 3},  {2, 10}, {3, 10}, {4, 6},   {5, 6},  {6, 6},   {7, 7},    {8, 7},
                          {9, 5}, {10, 7}, {11, 7}, {17, 8}, {18, 11}, {19, 7}, {-11, 7}, {-12, 16}, {-13, 17}};
            list = nullptr, w = 0, n = 0;
            for (const auto& e : widths) {
                if (e.kind != kind) continue;
                const List l = Grade_List(kind);
                list = l.entries, w = e.width, n = l.count;
                break;
            }
            if (!list) return nullptr; // width and count stay as they are
            break;
        }
    }
    if (width) *width = w;
    if (count) *count = n;
    return list;
}

const char* Fastener_Approval(int type)
{
    const bool annex = ActiveNadEc5 != nullptr;
    switch (type) {
        case 11:
        case 12: return ", ABZ-9.1-449";
        case 13: return annex ? ", ETA-12/0114" : ", ABZ-9.1-519";
        case 14:
        case 15: return annex ? ", ETA-11/0190" : ", Z-9.1-614";
        case 45:
        case 46: return annex ? ", ETA-04/0013" : "";
        default: return "";
    }
}

double Fermacell_Thickness(unsigned grade)
{
    static const double t[5] = {10.0, 12.5, 15.0, 18.0, 25.0};
    return grade <= 4 ? t[grade] : 0.0;
}

double Beech_Panel_Thickness(int grade)
{
    if (grade == 0 || grade == 2) return 40.0;
    if (grade == 1) return 60.0;
    return 0.0;
}

ChoiceEntry* Mat_Choice_Pool(int which)
{
    if (which < 0 || which > 2) return nullptr;
    Mat_Choice_Lists_Init();
    return g_pools[which];
}

char* Mat_Choice_Pool_Text(int which, int index)
{
    if (which < 0 || which > 2 || index < 0 || index >= MAT_CHOICE_POOL_SIZE) return nullptr;
    Mat_Choice_Lists_Init();
    return g_pool_texts[which][index];
}
