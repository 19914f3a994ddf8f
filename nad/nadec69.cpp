// EC6 (masonry) and EC9 (aluminium) partial factors of a national annex: defaults, German
// values, equality, copy, reading and writing.
#include "nad/nadec69.h"

#include <cmath>

namespace {

bool close_enough(double a, double b) { return std::fabs(a - b) <= 0.0001; }

} // namespace

// ---------------------------------------------------------------------------
// EC6

NadEc6Record* Nad_Default_Ec6(NadEc6Record* r)
{
    if (!r) return r;
    r->na_de = 0;
    r->gamma_m_persistent = 1.5;
    r->gamma_m_accidental = 1.5;
    r->gamma_m_seismic = 1.5;
    r->gamma_m_sls = 1.0;
    return r;
}

NadEc6Record* Nad_Default_Ec6_De(NadEc6Record* r)
{
    if (!r) return r;
    r->na_de = 1;
    r->gamma_m_persistent = 1.5;
    r->gamma_m_accidental = 1.3;
    r->gamma_m_seismic = 1.2;
    r->gamma_m_sls = 1.0;
    return r;
}

NadEc6Record* Nad_Set_Ec6_Na_De(NadEc6Record* r, int na_de)
{
    if (r) r->na_de = na_de;
    return r;
}

void Nad_Write_Ec6(FILE* f, const NadEc6Record* r)
{
    if (!f || !r) return;
    if (fprintf(f, " %d\n", (int)NAD_EC6_LAYOUT) < 0) return;
    if (fprintf(f, " %d\n", r->na_de) < 0) return;
    if (fprintf(f, " %lf", r->gamma_m_persistent) < 0) return;
    if (fprintf(f, " %lf", r->gamma_m_accidental) < 0) return;
    if (fprintf(f, " %lf", r->gamma_m_seismic) < 0) return;
    fprintf(f, " %lf\n", r->gamma_m_sls);
}

void Nad_Read_Ec6(FILE* f, NadEc6Record* r)
{
    if (!f || !r) return;
    // The block starts from zero, not from the defaults: a section that stops
    // early shows up as factors 0.
    r->na_de = 0;
    r->gamma_m_persistent = 0;
    r->gamma_m_accidental = 0;
    r->gamma_m_seismic = 0;
    r->gamma_m_sls = 0;
    int version = 0;
    if (fscanf(f, "%d", &version) != 1) return;
    if (fscanf(f, "%d", &r->na_de) != 1) return;
    if (version <= 0) return;
    double* const v[4] = {&r->gamma_m_persistent, &r->gamma_m_accidental, &r->gamma_m_seismic, &r->gamma_m_sls};
    for (double* d : v)
        if (fscanf(f, "%lf", d) != 1) return;
}

int Nad_Equal_Ec6(const NadEc6Record* a, const NadEc6Record* b)
{
    if (!a || !b) return 0;
    return a->na_de == b->na_de && close_enough(a->gamma_m_persistent, b->gamma_m_persistent) &&
                   close_enough(a->gamma_m_accidental, b->gamma_m_accidental) &&
                   close_enough(a->gamma_m_seismic, b->gamma_m_seismic) && close_enough(a->gamma_m_sls, b->gamma_m_sls)
               ? 1
               : 0;
}

void Nad_Copy_Ec6(NadEc6Record* dst, const NadEc6Record* src)
{
    if (!dst || !src || dst == src) return;
    *dst = *src;
}

// ---------------------------------------------------------------------------
// EC9

NadEc9Record* Nad_Default_Ec9(NadEc9Record* r)
{
    if (!r) return r;
    r->na_de = 0;
    r->version = NAD_EC9_LAYOUT;
    r->gamma_m1 = 1.1;
    r->gamma_m2 = 1.25;
    r->gamma_mp = 1.25;
    r->gamma_mw = 1.25;
    r->gamma_ms_ser = 1.1;
    r->gamma_ms_ult = 1.25;
    r->gamma_ma = 3.0;
    r->gamma_mp_ser = 1.0;
    r->c_6_15 = 1.2;
    return r;
}

NadEc9Record* Nad_Default_Ec9_De(NadEc9Record* r)
{
    if (!Nad_Default_Ec9(r)) return r;
    r->na_de = 1;
    return r;
}

NadEc9Record* Nad_Set_Ec9_Na_De(NadEc9Record* r, int na_de)
{
    if (r) r->na_de = na_de;
    return r;
}

void Nad_Write_Ec9(FILE* f, const NadEc9Record* r)
{
    if (!f || !r) return;
    if (fprintf(f, " %d\n", (int)NAD_EC9_LAYOUT) < 0) return;
    if (fprintf(f, " %d\n", r->na_de) < 0) return;
    const double line[7] = {r->gamma_m1,     r->gamma_m2,     r->gamma_mp, r->gamma_mw,
                            r->gamma_ms_ser, r->gamma_ms_ult, r->gamma_ma};
    for (double d : line)
        if (fprintf(f, " %lf", d) < 0) return;
    if (fprintf(f, " %lf\n", r->gamma_mp_ser) < 0) return;
    fprintf(f, " %lf\n", r->c_6_15);
}

void Nad_Read_Ec9(FILE* f, NadEc9Record* r)
{
    if (!f || !r) return;
    Nad_Default_Ec9(r);
    int version = 0;
    if (fscanf(f, "%d", &version) != 1) return;
    if (fscanf(f, "%d", &r->na_de) != 1) return;
    r->version = version;

    double* const since1[3] = {&r->gamma_m1, &r->gamma_m2, &r->gamma_mp};
    double* const since2[5] = {&r->gamma_mw, &r->gamma_ms_ser, &r->gamma_ms_ult, &r->gamma_ma, &r->gamma_mp_ser};
    if (version >= 1)
        for (double* d : since1)
            if (fscanf(f, "%lf", d) != 1) return;
    if (version >= 2)
        for (double* d : since2)
            if (fscanf(f, "%lf", d) != 1) return;
    if (version >= 3 && fscanf(f, "%lf", &r->c_6_15) != 1) return;
}

int Nad_Equal_Ec9(const NadEc9Record* a, const NadEc9Record* b)
{
    if (!a || !b) return 0;
    if (a->na_de != b->na_de) return 0;
    const double va[9] = {a->gamma_m1,     a->gamma_m2, a->gamma_mp,     a->gamma_mw, a->gamma_ms_ser,
                          a->gamma_ms_ult, a->gamma_ma, a->gamma_mp_ser, a->c_6_15};
    const double vb[9] = {b->gamma_m1,     b->gamma_m2, b->gamma_mp,     b->gamma_mw, b->gamma_ms_ser,
                          b->gamma_ms_ult, b->gamma_ma, b->gamma_mp_ser, b->c_6_15};
    for (int i = 0; i < 9; ++i)
        if (!close_enough(va[i], vb[i])) return 0;
    return 1;
}

void Nad_Copy_Ec9(NadEc9Record* dst, const NadEc9Record* src)
{
    if (!dst || !src || dst == src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}
