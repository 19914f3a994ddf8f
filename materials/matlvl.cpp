// LVL wall studs and I-joists.
#include "materials/matlvl.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct SectionRow {
    const char* name;
    double b, h, c3, c4, c5, c6, h_f, h_w, z, i_y, e_ef, c12, c13;
};

// e_ef for scale 1.
const SectionRow kWallRows[LVL_WALL_SECTIONS] = {
    {"SW LVL,HB 45/160", 45, 160, 3.37, 8.5, 148, 1.41, 39, 82, 61, 1357, 10884, 58, 2.6},
    {"SW LVL,HB 45/200", 45, 200, 4.46, 10.4, 260, 1.92, 39, 122, 81, 2410, 10785, 75, 2.9},
    {"SW LVL,HB 45/240", 45, 240, 5.58, 12.21, 406, 2.42, 39, 162, 101, 3802, 10681, 92, 3.2},
    {"SW LVL,HB 45/300", 45, 300, 7.32, 14.03, 691, 3.18, 39, 222, 131, 6569, 10525, 116, 3.6},
    {"SW LVL,HB 60/160", 60, 160, 4.49, 8.99, 196, 1.41, 39, 82, 61, 1800, 10913, 59, 3.3},
    {"SW LVL,HB 60/200", 60, 200, 5.92, 10.97, 345, 1.92, 39, 122, 81, 3183, 10837, 77, 3.6},
    {"SW LVL,HB 60/240", 60, 240, 7.39, 12.85, 538, 2.42, 39, 162, 101, 4999, 10758, 94, 3.9},
    {"SW LVL,HB 60/300", 60, 300, 9.66, 14.76, 912, 3.18, 39, 222, 131, 8577, 10636, 119, 4.3},
};

const SectionRow kJoistRows[LVL_JOIST_SECTIONS] = {
    {"SJ LVL,HB 45/200", 45, 200, 7.81, 13, 343, 2.55, 39, 122, 81, 2440, 14044, 74, 3.2},
    {"SJ LVL,HB 45/220", 45, 220, 8.79, 14.14, 433, 2.89, 39, 142, 91, 3110, 13935, 82, 3.4},
    {"SJ LVL,HB 45/240", 45, 240, 9.78, 15.26, 536, 3.23, 39, 162, 101, 3873, 13827, 90, 3.5},
    {"SJ LVL,HB 45/300", 45, 300, 12.82, 17.6, 912, 4.23, 39, 222, 131, 6752, 13506, 113, 4.1},
    {"SJ LVL,HB 45/360", 45, 360, 15.96, 18.6, 1397, 5.24, 39, 282, 161, 10581, 13200, 135, 4.6},
    {"SJ LVL,HB 45/400", 45, 400, 17.75, 19.2, 1783, 5.91, 39, 322, 181, 13706, 13006, 150, 4.9},
    {"SJ LVL,HB 60/200", 60, 200, 10.36, 13.71, 455, 2.55, 39, 122, 81, 3213, 14153, 75, 3.9},
    {"SJ LVL,HB 60/220", 60, 220, 11.65, 14.9, 575, 2.89, 39, 142, 91, 4083, 14070, 84, 4.1},
    {"SJ LVL,HB 60/240", 60, 240, 12.94, 16.07, 709, 3.23, 39, 162, 101, 5070, 13986, 92, 4.2},
    {"SJ LVL,HB 60/280", 60, 280, 15.58, 18.09, 1023, 3.9, 39, 202, 121, 7404, 13817, 108, 4.6},
    {"SJ LVL,HB 60/300", 60, 300, 16.91, 18.46, 1203, 4.23, 39, 222, 131, 8759, 13734, 116, 4.8},
    {"SJ LVL,HB 60/360", 60, 360, 20.98, 19.44, 1836, 5.24, 39, 282, 161, 13610, 13489, 140, 5.3},
    {"SJ LVL,HB 60/400", 60, 400, 23.61, 20.01, 2337, 5.91, 39, 322, 181, 17533, 13332, 155, 5.6},
    {"SJ LVL,HB 90/220", 90, 220, 17.37, 16.08, 857, 2.89, 39, 142, 91, 6029, 14209, 86, 5.5},
    {"SJ LVL,HB 90/240", 90, 240, 19.28, 17.31, 1056, 3.23, 39, 162, 101, 7463, 14151, 95, 5.6},
    {"SJ LVL,HB 90/300", 90, 300, 25.09, 19.81, 1785, 4.23, 39, 222, 131, 12774, 13975, 121, 6.2},
    {"SJ LVL,HB 90/360", 90, 360, 31.02, 20.78, 2714, 5.24, 39, 282, 161, 19668, 13801, 146, 6.7},
    {"SJ LVL,HB 90/400", 90, 400, 35.04, 21.35, 3447, 5.91, 39, 322, 181, 25186, 13687, 162, 7},
};

// Product values; the entries with kScaled set are multiplied by the scale.
const double kWallValues[15] = {26, 16, 22, 11000, 10000, 480, 6, 31, 20, 21, 14, 5300, 2100, 900, 2.4};
const double kJoistValues[15] = {48, 36, 36, 13800, 11600, 480, 6, 31, 20, 21, 14, 5300, 2100, 900, 2.4};
const bool kScaled[15] = {false, false, false, true, true, false, false, false,
                          false, false, false, true, true, false, false};

// k_mod by load-duration step; step 5 is the mean of steps 3 and 4.
const double kWebKmod[2][8] = {
    {0.3, 0.45, 0.65, 0.85, 1.1, 0.975, 1.1, 1.1},
    {0.2, 0.3, 0.45, 0.6, 0.9, 0.75, 1.1, 1.1},
};
const double kFlangeKmod[8] = {0.6, 0.7, 0.8, 0.9, 1.1, 1.0, 1.1, 1.1};

LvlProduct g_wall;
LvlProduct g_joist;
LvlSection g_wall_sections[LVL_WALL_SECTIONS];
LvlSection g_joist_sections[LVL_JOIST_SECTIONS];
bool g_wall_built = false;
bool g_joist_built = false;

// The choice lists: texts copied from the section names once.
struct SectionChoices {
    bool made = false;
    char texts[LVL_JOIST_SECTIONS][256];
    ChoiceEntry entries[LVL_JOIST_SECTIONS];
};
SectionChoices g_wall_choices;
SectionChoices g_joist_choices;

void CopyName(char* dst, const char* src)
{
    std::strncpy(dst, src, 255);
    dst[255] = '\0';
}

LvlSection* Build(LvlProduct& p, const char* name, const double* values, const SectionRow* rows, int count,
                  LvlSection* sections, int scale)
{
    CopyName(p.name, name);
    p.count = count;
    p.scale = scale;
    for (int i = 0; i < 15; ++i) p.values[i] = kScaled[i] ? values[i] * scale : values[i];
    for (int i = 0; i < count; ++i) {
        const SectionRow& r = rows[i];
        LvlSection& s = sections[i];
        CopyName(s.name, r.name);
        s.index = i;
        s.b = r.b;
        s.h = r.h;
        s.c3 = r.c3;
        s.c4 = r.c4;
        s.c5 = r.c5;
        s.c6 = r.c6;
        s.h_f = r.h_f;
        s.h_w = r.h_w;
        s.z = r.z;
        s.i_y = r.i_y;
        s.e_ef = r.e_ef * scale;
        s.c12 = r.c12;
        s.c13 = r.c13;
    }
    p.sections = sections;
    return sections;
}

const LvlSection* SectionOf(const LvlProduct* p, int section)
{
    if (!p || !p->sections || section < 0 || section >= p->count) return nullptr;
    return &p->sections[section];
}

ChoiceEntry* ChoicesOf(SectionChoices& c, const LvlProduct& p, int count, int* flags_out, int* count_out, int colour)
{
    if (!c.made) {
        for (int i = 0; i < count; ++i) {
            CopyName(c.texts[i], p.sections[i].name);
            c.entries[i].text = c.texts[i];
        }
        c.made = true;
    }
    for (int i = 0; i < count; ++i) c.entries[i].colour = colour;
    if (flags_out) *flags_out = 13;
    if (count_out) *count_out = count;
    return c.entries;
}

double KmodOf(const double* row, unsigned step) { return step <= 7u ? row[step] : 0.0; }

} // namespace

LvlProduct* Lvl_Wall_Product(void) { return &g_wall; }

LvlProduct* Lvl_Joist_Product(void) { return &g_joist; }

LvlSection* Lvl_Wall_Build(int scale)
{
    LvlSection* s = Build(g_wall, "Steico Wall", kWallValues, kWallRows, LVL_WALL_SECTIONS, g_wall_sections, scale);
    g_wall_built = true;
    return s;
}

LvlSection* Lvl_Joist_Build(int scale)
{
    LvlSection* s =
        Build(g_joist, "Steico Joist", kJoistValues, kJoistRows, LVL_JOIST_SECTIONS, g_joist_sections, scale);
    g_joist_built = true;
    return s;
}

void Lvl_Wall_Ensure(int scale)
{
    if (!g_wall_built) Lvl_Wall_Build(scale);
}

void Lvl_Joist_Ensure(int scale)
{
    if (!g_joist_built) Lvl_Joist_Build(scale);
}

ChoiceEntry* Lvl_Wall_Choice_List(int* flags_out, int* count_out, int colour)
{
    Lvl_Wall_Ensure(1000);
    return ChoicesOf(g_wall_choices, g_wall, LVL_WALL_SECTIONS, flags_out, count_out, colour);
}

ChoiceEntry* Lvl_Joist_Choice_List(int* flags_out, int* count_out, int colour)
{
    Lvl_Joist_Ensure(1000);
    return ChoicesOf(g_joist_choices, g_joist, LVL_JOIST_SECTIONS, flags_out, count_out, colour);
}

double Lvl_Web_Kmod(int service_class, unsigned step)
{
    if (service_class != 1 && service_class != 2) return 0.0;
    return KmodOf(kWebKmod[service_class - 1], step);
}

double Lvl_Flange_Kmod(int service_class, unsigned step)
{
    if (service_class != 1 && service_class != 2) return 0.0;
    return KmodOf(kFlangeKmod, step);
}

double Lvl_Flange_Kmod_2(int service_class, unsigned step) { return Lvl_Flange_Kmod(service_class, step); }

void Lvl_Bearing_Areas(const LvlProduct* p, int section, double l1, double l2, double* a1, double* a2, double* a3)
{
    const LvlSection* s = SectionOf(p, section);
    if (!s) {
        if (a1) *a1 = 0.0;
        if (a2) *a2 = 0.0;
        if (a3) *a3 = 0.0;
        return;
    }
    const double web = 3.0 * p->values[6] * s->h_w;
    if (a1) *a1 = 2.0 * s->h_f * (std::max(l1, 30.0) + 30.0 + s->b) + web;
    if (a2) *a2 = 2.0 * s->h_f * (std::max(l2, 30.0) + 30.0 + s->b) + web;
    if (a3) *a3 = 2.0 * s->h_f * (60.0 + s->b) + web;
}

double Lvl_Flange_Area(const LvlProduct* p, int section)
{
    const LvlSection* s = SectionOf(p, section);
    return s ? 2.0 * s->b * s->h_f : 0.0;
}

double Lvl_Mass_Per_Length(const LvlProduct* p, int section)
{
    const LvlSection* s = SectionOf(p, section);
    if (!s) return 0.0;
    return p->values[6] * p->values[13] * s->h_w + 2.0 * p->values[5] * s->b * s->h_f;
}

int Lvl_Find_Section(const LvlProduct* p, double h, double b)
{
    if (!p || !p->sections || p->count <= 0) return -1;
    for (int i = 0; i < p->count; ++i)
        if (std::fabs(p->sections[i].h - h) < 1.0 && std::fabs(p->sections[i].b - b) < 1.0) return i;
    for (int i = 0; i < p->count; ++i)
        if (std::fabs(p->sections[i].h - h) < 1.0) return i;
    return -1;
}
