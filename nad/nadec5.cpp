// EC5 (timber) parameters of a national annex: defaults, comparison, copy, the switch to the
// German rules, and reading and writing the "#EC5" section without losing typed digits.
#include "nad/nadec5.h"

#include <cstdio>
#include <cstdlib>

#include "nad/nadspool.h"

namespace {

// A value as the layout writes it ("%.2f", "%lf", ...) when those decimals
// give it back exactly, else with as many digits as it takes: a γM of 1.255
// typed into an annex must not become 1.26 on the first save. Files of values
// with few decimals stay byte for byte as they were.
struct Number {
    char s[40];
};

Number Num(double v, int decimals)
{
    Number n;
    std::snprintf(n.s, sizeof n.s, "%.*f", decimals, v);
    for (int digits = 15; digits <= 17 && std::strtod(n.s, nullptr) != v; ++digits)
        std::snprintf(n.s, sizeof n.s, "%.*g", digits, v);
    return n;
}

} // namespace

NadEc5Record* Nad_Default_Ec5(NadEc5Record* r)
{
    if (!r) return r;
    static const double kmod[5][3] = {
        {0.6, 0.6, 0.5}, {0.7, 0.7, 0.55}, {0.8, 0.8, 0.65}, {0.9, 0.9, 0.7}, {1.1, 1.1, 0.9}};
    static const double limits[3][2] = {{300, 150}, {200, 100}, {300, 150}};

    r->na_de = 0;
    r->version = NAD_EC5_LAYOUT;
    r->use_table_na1 = 0;
    r->use_na11 = 0;
    r->gamma_m_lvl = 1.2;
    r->gamma_m_particleboard = 1.3;
    r->gamma_m_hardboard = 1.3;
    r->gamma_m_mediumboard = 1.3;
    r->gamma_m_mdf = 1.3;
    r->gamma_m_softboard = 1.3;
    r->gamma_m_connections = 1.3;
    r->gamma_m_nail_plates = 1.25;
    r->gamma_m_steel = 1.3;
    r->gamma_m_gypsum = 1.3;
    r->use_table_na4 = 0;
    r->use_table_na15 = 0;
    r->threaded_rods_na = 0;
    r->ltb_na = 0;
    r->simplified_fasteners_na = 0;
    r->kmod_na1_index_b = 0;
    r->v10_flag = 1;
    r->gamma_m_solid = 1.3;
    r->gamma_m_glulam = 1.3;
    r->gamma_m_accidental = 1.0;
    r->gamma_m_fire = 1.0;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) r->k_mod[i][j] = kmod[i][j];
    r->k_def[0] = 0.6;
    r->k_def[1] = 0.8;
    r->k_def[2] = 2.0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j) r->deflection_limits[i][j] = limits[i][j];
    r->k_cr_mode = 1;
    r->w_net_fin_combination = 1;
    r->k_cr_solid = 0.67;
    r->k_cr_other = 1.0;
    r->use_na20 = 0;
    r->use_na21 = 0;
    r->use_na816 = 0;
    r->use_na7 = 0;
    r->k_shape_factor = 0.15;
    r->k_shape_max = 2.0;
    r->ltb_glulam_factor = 1.0;
    r->gamma_m_clt = 1.3;
    return r;
}

NadEc5Record* Nad_Set_Ec5_Na_De(NadEc5Record* r, int value)
{
    if (r) r->na_de = value;
    return r;
}

void Nad_Write_Ec5(FILE* f, const NadEc5Record* r)
{
    if (!f || !r) return;
// Every write must succeed; the first failing one ends the section.
#define W(...)                                                                                                         \
    do {                                                                                                               \
        if (fprintf(f, __VA_ARGS__) < 0) return;                                                                       \
    } while (0)
    W(" %d\n", (int)NAD_EC5_LAYOUT);
    W(" %d\n", r->na_de);
    W(" %d\n", r->use_table_na1);
    // slots of older layouts, skipped by the reader
    W(" %d %s %s %s\n", r->k_cr_mode == 0 ? 1 : 0, Num(r->k_cr_solid, 6).s, Num(r->k_cr_solid, 6).s,
      Num(r->k_cr_other, 6).s);
    W(" %d\n", r->use_na11);
    W(" %s %s %s %s %s %s\n", Num(r->gamma_m_solid, 6).s, Num(r->gamma_m_glulam, 6).s, Num(r->gamma_m_lvl, 6).s,
      Num(r->gamma_m_particleboard, 6).s, Num(r->gamma_m_hardboard, 6).s, Num(r->gamma_m_mediumboard, 6).s);
    W(" %s %s %s %s %s\n", Num(r->gamma_m_mdf, 6).s, Num(r->gamma_m_softboard, 6).s, Num(r->gamma_m_connections, 6).s,
      Num(r->gamma_m_nail_plates, 6).s, Num(r->gamma_m_accidental, 6).s);
    W(" %s %s\n", Num(r->gamma_m_steel, 6).s, Num(r->gamma_m_gypsum, 6).s);
    W(" %d\n", r->use_table_na4);
    W(" %d\n", r->use_table_na15);
    W(" %d\n", r->threaded_rods_na);
    W(" %d %d\n", r->ltb_na, r->simplified_fasteners_na);
    W(" %d %s %s %s\n", r->kmod_na1_index_b, Num(r->gamma_m_solid, 2).s, Num(r->gamma_m_glulam, 2).s,
      Num(r->gamma_m_accidental, 2).s);
    for (int sc = 0; sc < 3; ++sc)
        W(" %s %s %s %s %s\n", Num(r->k_mod[0][sc], 2).s, Num(r->k_mod[1][sc], 2).s, Num(r->k_mod[2][sc], 2).s,
          Num(r->k_mod[3][sc], 2).s, Num(r->k_mod[4][sc], 2).s);
    W(" %s %s %s\n", Num(r->k_def[0], 2).s, Num(r->k_def[1], 2).s, Num(r->k_def[2], 2).s);
    W(" %s %s %s", Num(r->deflection_limits[0][0], 0).s, Num(r->deflection_limits[1][0], 0).s,
      Num(r->deflection_limits[2][0], 0).s);
    W(" %s %s %s", Num(r->deflection_limits[0][1], 0).s, Num(r->deflection_limits[1][1], 0).s,
      Num(r->deflection_limits[2][1], 0).s);
    W(" %d %s %s", r->k_cr_mode, Num(r->k_cr_solid, 2).s, Num(r->k_cr_other, 2).s);
    W(" %d", r->w_net_fin_combination);
    W(" %d %s\n", r->v10_flag, Num(r->gamma_m_fire, 2).s);
    W(" %d  \n", r->use_na21);
    W(" %d  \n", r->use_na20);
    W(" %d  \n", r->use_na816);
    W(" %d  \n", r->use_na7);
    W(" %s %s %s\n", Num(r->k_shape_factor, 6).s, Num(r->k_shape_max, 6).s, Num(r->ltb_glulam_factor, 6).s);
    W(" %s \n", Num(r->gamma_m_clt, 6).s);
#undef W
}

void Nad_Read_Ec5(FILE* f, NadEc5Record* r, int positioned)
{
    if (!r) return;
    r->version = 0;
    if (!f) return;
    Nad_Default_Ec5(r);

    if (positioned == 0 && Nad_Spool(f, " EC5 Parameter", "#NAD", nullptr) != 1) return;

// Each item must convert completely; the first that does not ends the reading
// and leaves every later field at its default.
#define R(n, ...)                                                                                                      \
    do {                                                                                                               \
        if (fscanf(f, __VA_ARGS__) != (n)) return;                                                                     \
    } while (0)

    int v = 0;
    double skip[4];
    int iskip = 0;
    R(1, "%d", &v);
    R(1, "%d", &r->na_de);
    r->version = v;
    if (v > NAD_EC5_LAYOUT) v = NAD_EC5_LAYOUT;

    if (v == 0) R(1, "%lf", &skip[0]);
    if (v >= 1) {
        R(1, "%d", &r->use_table_na1);
        R(4, " %d %lf %lf %lf", &iskip, &skip[0], &skip[1], &skip[2]);
    }
    if (v >= 2) R(1, "%d", &r->use_na11);
    if (v >= 3) {
        R(6, " %lf %lf %lf %lf %lf %lf", &skip[0], &skip[1], &r->gamma_m_lvl, &r->gamma_m_particleboard,
          &r->gamma_m_hardboard, &r->gamma_m_mediumboard);
        R(5, " %lf %lf %lf %lf %lf", &r->gamma_m_mdf, &r->gamma_m_softboard, &r->gamma_m_connections,
          &r->gamma_m_nail_plates, &skip[0]);
        R(2, " %lf %lf", &r->gamma_m_steel, &r->gamma_m_gypsum);
        R(1, "%d", &r->use_table_na4);
    }
    if (v >= 4) R(1, "%d", &r->use_table_na15);
    if (v >= 5) R(1, "%d", &r->threaded_rods_na);
    if (v >= 6) R(2, " %d %d", &r->ltb_na, &r->simplified_fasteners_na);
    if (v >= 7) {
        R(4, "%d%lf%lf%lf", &r->kmod_na1_index_b, &r->gamma_m_solid, &r->gamma_m_glulam, &r->gamma_m_accidental);
        for (int sc = 0; sc < 3; ++sc)
            R(5, "%lf%lf%lf%lf%lf", &r->k_mod[0][sc], &r->k_mod[1][sc], &r->k_mod[2][sc], &r->k_mod[3][sc],
              &r->k_mod[4][sc]);
        R(3, "%lf%lf%lf", &r->k_def[0], &r->k_def[1], &r->k_def[2]);
        for (int col = 0; col < 2; ++col)
            R(3, "%lf%lf%lf", &r->deflection_limits[0][col], &r->deflection_limits[1][col],
              &r->deflection_limits[2][col]);
    }
    if (v >= 8) R(3, "%d%lf%lf", &r->k_cr_mode, &r->k_cr_solid, &r->k_cr_other);
    if (v >= 9) R(1, "%d", &r->w_net_fin_combination);
    if (v >= 10) R(2, "%d%lf", &r->v10_flag, &r->gamma_m_fire);

    // Switches and torsion factors an older layout lacks follow the rules of
    // the annex the section was written for.
    const int na = r->na_de != 0 ? 1 : 0;
    if (v >= 11)
        R(1, " %d", &r->use_na21);
    else
        r->use_na21 = na;
    if (v >= 12)
        R(1, " %d", &r->use_na20);
    else
        r->use_na20 = na;
    if (v >= 13)
        R(1, " %d", &r->use_na816);
    else
        r->use_na816 = na;
    if (v >= 14)
        R(1, " %d", &r->use_na7);
    else
        r->use_na7 = na;
    if (v >= 15) {
        R(2, "%lf%lf", &r->k_shape_factor, &r->k_shape_max);
    } else {
        r->k_shape_factor = na ? 0.05 : 0.15;
        r->k_shape_max = na ? 1.3 : 2.0;
    }
    if (v >= 16) R(1, "%lf", &r->ltb_glulam_factor);
    if (v >= 17) R(1, " %lf ", &r->gamma_m_clt);
#undef R
}

int Nad_Differs_Ec5(const NadEc5Record* a, const NadEc5Record* b)
{
    if (!a || !b) return a != b;
    if (a->version < 10 || b->version < 10) return 0;
#define D(field)                                                                                                       \
    do {                                                                                                               \
        if (a->field != b->field) return 1;                                                                            \
    } while (0)
    D(na_de);
    D(use_table_na1);
    D(use_na11);
    D(gamma_m_lvl);
    D(gamma_m_particleboard);
    D(gamma_m_hardboard);
    D(gamma_m_mediumboard);
    D(gamma_m_mdf);
    D(gamma_m_softboard);
    D(gamma_m_connections);
    D(gamma_m_nail_plates);
    D(gamma_m_steel);
    D(gamma_m_gypsum);
    D(use_table_na4);
    D(use_table_na15);
    D(threaded_rods_na);
    D(ltb_na);
    D(simplified_fasteners_na);
    D(kmod_na1_index_b);
    D(gamma_m_solid);
    D(gamma_m_glulam);
    D(gamma_m_accidental);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) D(k_mod[i][j]);
    for (int j = 0; j < 3; ++j) D(k_def[j]);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j) D(deflection_limits[i][j]);
    D(k_cr_mode);
    D(w_net_fin_combination);
    D(k_cr_solid);
    D(k_cr_other);
    D(use_na20);
    D(use_na21);
    D(use_na816);
    D(use_na7);
    D(k_shape_factor);
    D(k_shape_max);
    D(ltb_glulam_factor);
    D(gamma_m_clt);
#undef D
    return 0;
}

void Nad_Copy_Ec5(NadEc5Record* dst, const NadEc5Record* src)
{
    if (!dst || !src || dst == src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

int Nad_Ec5_Zero() { return 0; }
