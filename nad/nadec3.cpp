// EC3 (steel) parameters of a national annex in two parts, each with its own layout version:
// defaults, German values, comparison, copy, reading and writing.
#include "nad/nadec3.h"

#include <cmath>

#include "nad/nadspool.h"

namespace {

const double kTolerance = 0.0001;

bool differs(double a, double b) { return std::fabs(a - b) > kTolerance; }

} // namespace

// ---------------------------------------------------------------------------
// EN 1993-1-1 / -1-2 part

NadEc31Record* Nad_Default_Ec31(NadEc31Record* p)
{
    if (!p) return p;
    p->version = NAD_EC3_LAYOUT;
    p->gamma_m0 = 1.0;
    p->gamma_m1 = 1.0;
    p->gamma_m2 = 1.25;
    p->gamma_m0_acc = 1.0;
    p->gamma_m1_acc = 1.0;
    p->gamma_m2_acc = 1.25;
    p->use_f_modification = 0;
    p->gamma_m_fi = 1.0;
    p->lambda_lt0 = 0.4;
    p->beta_lt = 0.75;
    p->f_given = 0;
    p->f_value = 1.0;
    p->k_c_from_table = 1;
    p->k_c_value = 1.0;
    return p;
}

NadEc31Record* Nad_Default_Ec31_De(NadEc31Record* p)
{
    if (!Nad_Default_Ec31(p)) return p;
    p->gamma_m1 = 1.1;
    p->gamma_m2_acc = 1.15;
    p->use_f_modification = 1;
    return p;
}

void Nad_Write_Ec31(FILE* f, const NadEc31Record* p)
{
    if (!f || !p) return;
    if (fprintf(f, " %d %lf %lf %lf %lf %lf %lf %d %lf\n", (int)NAD_EC3_LAYOUT, p->gamma_m0, p->gamma_m1, p->gamma_m2,
                p->gamma_m0_acc, p->gamma_m1_acc, p->gamma_m2_acc, p->use_f_modification, p->gamma_m_fi) < 0)
        return;
    fprintf(f, " %lf %lf %d %lf %d %lf\n", p->lambda_lt0, p->beta_lt, p->f_given, p->f_value, p->k_c_from_table,
            p->k_c_value);
}

int Nad_Read_Ec31(FILE* f, NadEc31Record* p)
{
    if (!p) return 1;
    Nad_Default_Ec31(p);
    p->version = 0;
    if (!f) return 1;

    int v = 0;
    if (fscanf(f, "%d", &v) != 1) return 1;
    p->version = v;
    if (fscanf(f, "%lf", &p->gamma_m0) != 1) return 1;
    if (fscanf(f, "%lf", &p->gamma_m1) != 1) return 1;
    if (fscanf(f, "%lf", &p->gamma_m2) != 1) return 1;
    if (v >= 1) {
        if (fscanf(f, "%lf", &p->gamma_m0_acc) != 1) return 1;
        if (fscanf(f, "%lf", &p->gamma_m1_acc) != 1) return 1;
        if (fscanf(f, "%lf", &p->gamma_m2_acc) != 1) return 1;
    }
    if (v >= 2 && fscanf(f, "%d", &p->use_f_modification) != 1) return 1;
    if (v >= 3 && fscanf(f, "%lf", &p->gamma_m_fi) != 1) return 1;
    if (v >= 4) {
        // The lateral-torsional-buckling group may be incomplete: what converts
        // is taken, the rest keeps its defaults, and only a file that ends
        // before its first number fails. The item that does not convert is
        // given back (with the blanks before it), so that a keyword line behind
        // a short group is still found at its line start.
        const char* const fmt[6] = {"%lf", "%lf", "%d", "%lf", "%d", "%lf"};
        void* const dst[6] = {&p->lambda_lt0, &p->beta_lt, &p->f_given, &p->f_value, &p->k_c_from_table, &p->k_c_value};
        for (int i = 0; i < 6; ++i) {
            fpos_t before;
            const bool have_pos = fgetpos(f, &before) == 0;
            const int n = fmt[i][1] == 'd' ? fscanf(f, fmt[i], (int*)dst[i]) : fscanf(f, fmt[i], (double*)dst[i]);
            if (n == 1) continue;
            if (n == EOF && i == 0) return 1;
            if (have_pos) {
                clearerr(f);
                fsetpos(f, &before);
            }
            break;
        }
    }
    return 0;
}

int Nad_Differs_Ec31(const NadEc31Record* a, const NadEc31Record* b)
{
    if (!a || !b) return a != b;
    if (a->version < 2 || b->version < 2) return 0;
    if (differs(a->gamma_m0, b->gamma_m0)) return 1;
    if (differs(a->gamma_m0_acc, b->gamma_m0_acc)) return 1;
    if (differs(a->gamma_m1, b->gamma_m1)) return 1;
    if (differs(a->gamma_m1_acc, b->gamma_m1_acc)) return 1;
    if (differs(a->gamma_m2, b->gamma_m2)) return 1;
    if (differs(a->gamma_m2_acc, b->gamma_m2_acc)) return 1;
    if (a->use_f_modification != b->use_f_modification) return 1;
    if (differs(a->gamma_m_fi, b->gamma_m_fi)) return 1;
    if (differs(a->lambda_lt0, b->lambda_lt0)) return 1;
    if (differs(a->beta_lt, b->beta_lt)) return 1;
    if (a->f_given != b->f_given) return 1;
    if (differs(a->f_value, b->f_value)) return 1;
    if (a->k_c_from_table != b->k_c_from_table) return 1;
    if (differs(a->k_c_value, b->k_c_value)) return 1;
    return 0;
}

NadEc31Record* Nad_Copy_Ec31(NadEc31Record* dst, const NadEc31Record* src)
{
    if (!dst || !src || dst == src) return dst;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
    return dst;
}

int Nad_Ec31_Zero() { return 0; }

// ---------------------------------------------------------------------------
// EN 1993-1-8 / -1-5 / -1-9 / -6 part

NadEc38Record* Nad_Default_Ec38(NadEc38Record* p)
{
    if (!p) return p;
    p->version = NAD_EC3_LAYOUT;
    p->gamma_m3 = 1.25;
    p->gamma_m4 = 1.0;
    p->gamma_m5 = 1.0;
    p->gamma_m6_ser = 1.0;
    p->gamma_m7 = 1.1;
    p->gamma_m3_ser = 1.1;
    p->shear_lag_note = 3;
    p->eta = 1.2;
    p->gamma_mf_tolerant_low = 1.0;
    p->gamma_mf_safe_life_low = 1.15;
    p->gamma_mf_tolerant_high = 1.15;
    p->gamma_mf_safe_life_high = 1.35;
    p->gamma_m_ser = 1.0;
    return p;
}

NadEc38Record* Nad_Default_Ec38_De(NadEc38Record* p) { return Nad_Default_Ec38(p); }

void Nad_Write_Ec38(FILE* f, const NadEc38Record* p)
{
    if (!f || !p) return;
    if (fprintf(f, " %d %lf %lf %lf %lf %lf %lf\n", (int)NAD_EC3_LAYOUT, p->gamma_m3, p->gamma_m4, p->gamma_m5,
                p->gamma_m6_ser, p->gamma_m7, p->gamma_m3_ser) < 0)
        return;
    if (fprintf(f, " %d %lf\n", p->shear_lag_note, p->eta) < 0) return;
    if (fprintf(f, " %lf %lf %lf %lf\n", p->gamma_mf_tolerant_low, p->gamma_mf_safe_life_low, p->gamma_mf_tolerant_high,
                p->gamma_mf_safe_life_high) < 0)
        return;
    fprintf(f, " %lf\n", p->gamma_m_ser);
}

int Nad_Read_Ec38(FILE* f, NadEc38Record* p)
{
    if (!p) return 1;
    Nad_Default_Ec38(p);
    p->version = 0;
    if (!f) return 1;

    int v = 0;
    if (fscanf(f, "%d", &v) != 1) return 1;
    double* const first[6] = {&p->gamma_m3,     &p->gamma_m4, &p->gamma_m5,
                              &p->gamma_m6_ser, &p->gamma_m7, &p->gamma_m3_ser};
    for (double* d : first)
        if (fscanf(f, "%lf", d) != 1) return 1;
    if (v >= 2) {
        if (fscanf(f, "%d", &p->shear_lag_note) != 1) return 1;
        if (fscanf(f, "%lf", &p->eta) != 1) return 1;
    }
    if (v >= 3) {
        double* const fatigue[4] = {&p->gamma_mf_tolerant_low, &p->gamma_mf_safe_life_low, &p->gamma_mf_tolerant_high,
                                    &p->gamma_mf_safe_life_high};
        for (double* d : fatigue)
            if (fscanf(f, "%lf", d) != 1) return 1;
    }
    if (v >= 4 && fscanf(f, "%lf", &p->gamma_m_ser) != 1) return 1;
    p->version = v;
    return 0;
}

int Nad_Differs_Ec38(const NadEc38Record* a, const NadEc38Record* b)
{
    if (!a || !b) return 1;
    if (a->version < 1 || b->version < 1) return 0;
    if (differs(a->gamma_m3, b->gamma_m3)) return 1;
    if (differs(a->gamma_m4, b->gamma_m4)) return 1;
    if (differs(a->gamma_m5, b->gamma_m5)) return 1;
    if (differs(a->gamma_m6_ser, b->gamma_m6_ser)) return 1;
    if (differs(a->gamma_m7, b->gamma_m7)) return 1;
    if (differs(a->gamma_m3_ser, b->gamma_m3_ser)) return 1;
    if (a->shear_lag_note != b->shear_lag_note) return 1;
    if (differs(a->eta, b->eta)) return 1;
    if (differs(a->gamma_mf_tolerant_low, b->gamma_mf_tolerant_low)) return 1;
    if (differs(a->gamma_mf_safe_life_low, b->gamma_mf_safe_life_low)) return 1;
    if (differs(a->gamma_mf_tolerant_high, b->gamma_mf_tolerant_high)) return 1;
    if (differs(a->gamma_mf_safe_life_high, b->gamma_mf_safe_life_high)) return 1;
    if (differs(a->gamma_m_ser, b->gamma_m_ser)) return 1;
    return 0;
}

void Nad_Copy_Ec38(NadEc38Record* dst, const NadEc38Record* src)
{
    if (!dst || !src || dst == src) return;
    const int version = dst->version;
    *dst = *src;
    dst->version = version;
}

int Nad_Ec38_Zero() { return 0; }

// ---------------------------------------------------------------------------
// The combined record and its "#EC3" section

void Nad_Default_Ec3(NadEc3Record* r)
{
    if (!r) return;
    r->na_de = 0;
    Nad_Default_Ec31(&r->ec31);
    Nad_Default_Ec38(&r->ec38);
}

void Nad_Default_Ec3_De(NadEc3Record* r)
{
    if (!r) return;
    r->na_de = 1;
    Nad_Default_Ec31_De(&r->ec31);
    Nad_Default_Ec38_De(&r->ec38);
}

void Nad_Set_Ec3_Na_De(NadEc3Record* r, int value)
{
    if (r) r->na_de = value;
}

void Nad_Write_Ec3(FILE* f, const NadEc3Record* r)
{
    if (!f || !r) return;
    if (fprintf(f, " EC3-1 Parameter\n") < 0) return;
    Nad_Write_Ec31(f, &r->ec31);
    if (ferror(f)) return;
    if (fprintf(f, " EC3-8 Parameter\n") < 0) return;
    Nad_Write_Ec38(f, &r->ec38);
}

void Nad_Read_Ec3(FILE* f, NadEc3Record* r, int positioned)
{
    if (!f || !r) return;
    r->na_de = 0;
    Nad_Default_Ec31(&r->ec31);
    Nad_Default_Ec38(&r->ec38);
    r->ec31.version = 0;
    r->ec38.version = 0;

    if (positioned == 0) {
        if (Nad_Spool(f, " EC3 Parameter", "#NAD", nullptr) == 1) {
            if (fscanf(f, "%d", &r->na_de) != 1) return;
        } else {
            // oldest layout: the flag and both parts under the EC3-8 keyword
            if (Nad_Spool(f, " EC3-8 Parameter", "#NAD", nullptr) != 1) return;
            if (fscanf(f, "%d", &r->na_de) != 1) return;
            if (Nad_Read_Ec31(f, &r->ec31) != 0) return;
            double* const g[6] = {&r->ec38.gamma_m3,     &r->ec38.gamma_m4, &r->ec38.gamma_m5,
                                  &r->ec38.gamma_m6_ser, &r->ec38.gamma_m7, &r->ec38.gamma_m3_ser};
            for (double* d : g)
                if (fscanf(f, "%lf", d) != 1) return;
            return;
        }
    }

    if (Nad_Spool(f, " EC3-1 Parameter", "#NAD", nullptr) != 1) return;
    if (Nad_Read_Ec31(f, &r->ec31) != 0) return;
    if (Nad_Spool(f, " EC3-8 Parameter", "#NAD", nullptr) != 1) return;
    Nad_Read_Ec38(f, &r->ec38);
}

int Nad_Differs_Ec3(const NadEc3Record* a, const NadEc3Record* b)
{
    if (!a || !b) return a != b;
    const int d31 = Nad_Differs_Ec31(&a->ec31, &b->ec31);
    const int dna = a->na_de != b->na_de;
    const int d38 = Nad_Differs_Ec38(&a->ec38, &b->ec38);
    return d31 || dna || d38 ? 1 : 0;
}

void Nad_Copy_Ec3(NadEc3Record* dst, const NadEc3Record* src)
{
    if (!dst || !src) return;
    Nad_Copy_Ec31(&dst->ec31, &src->ec31);
    Nad_Copy_Ec38(&dst->ec38, &src->ec38);
}

int Nad_Ec3_Zero() { return 0; }
