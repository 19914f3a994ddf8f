// Parameter heads and vectors, the records every object of the host's export files is built
// from: their line format, bounded readers, getters and setters.
#include "hostenv/kovparam.h"

#include <climits>
#include <cstring>

#include "base/kovfile.h"
#include "base/kovmem.h"
#include "base/kovtxt.h"

#define PAR_MALLOC(n) Mem_Malloc_Tagged(__FILE__, __LINE__, "null", (n))
#define PAR_REALLOC(p, n) Mem_Realloc_Tagged(__FILE__, __LINE__, "null", (p), (n))
#define PAR_FREE(p) Mem_Free_Tagged(__FILE__, __LINE__, "null", (p))
#define PAR_STRDUP(s) Mem_Strdup_Tagged(__FILE__, __LINE__, "null", (s))

namespace {

// Handed out for strings out of range; callers must not write into it.
char g_empty[1] = {0};

const unsigned char kOpen = 0xAE;  // «
const unsigned char kClose = 0xAF; // »
const int kNameMax = 199;          // what the head reader keeps of a name

// Resizes one array of elem-sized entries from old_n to new_n, zeroing what is
// added. Returns 0 when the allocation fails or the size does not fit an int.
int resize_array(void** arr, int old_n, int new_n, int elem)
{
    if (new_n == old_n) return 1;
    if (new_n <= 0) {
        if (*arr) PAR_FREE(*arr);
        *arr = nullptr;
        return 1;
    }
    if (new_n > INT_MAX / elem) return 0;
    void* p = PAR_REALLOC(*arr, new_n * elem);
    if (!p) return 0;
    if (new_n > old_n) {
        int from = old_n > 0 && *arr ? old_n : 0;
        std::memset(static_cast<char*>(p) + (size_t)from * elem, 0, (size_t)(new_n - from) * elem);
    }
    *arr = p;
    return 1;
}

char* dup_or_null(const char* s, int* ok)
{
    if (!s) return nullptr;
    char* c = PAR_STRDUP(s);
    if (!c) *ok = 0;
    return c;
}

} // namespace

int Par_Head_Init(ParamHead* h)
{
    if (!h) return 0;
    h->type = h->number = h->id = 0;
    h->name = nullptr;
    h->comment = nullptr;
    return 1;
}

int Par_Head_Set(int type, int number, int id, const char* name, ParamHead* h)
{
    if (!h) return 0;
    h->type = type;
    h->number = number;
    h->id = id;
    if (h->name) PAR_FREE(h->name);
    h->name = nullptr;
    int ok = 1;
    h->name = dup_or_null(name, &ok);
    return ok;
}

int Par_Head_Set_Comment(char* text, ParamHead* h)
{
    if (!h) return 0;
    if (h->comment && h->comment != text) PAR_FREE(h->comment);
    h->comment = text;
    return 1;
}

int Par_Head_Free(ParamHead* h)
{
    if (!h) return 0;
    if (h->name) PAR_FREE(h->name);
    if (h->comment) PAR_FREE(h->comment);
    h->name = h->comment = nullptr;
    return 1;
}

int Par_Head_Read(FILE* f, ParamHead* h)
{
    if (!f || !h) return 0;
    Par_Head_Init(h);
    int type = 0, number = 0;
    if (std::fscanf(f, " %i%d", &type, &number) != 2) return 0;
    char name[kNameMax + 1];
    Txt_Read_Delimited(f, name, sizeof name, (char)kOpen, (char)kClose);
    int rest[2] = {0, 0};
    if (!Read_Line_Ints(f, rest, 2)) rest[0] = rest[1] = 0;
    h->type = type;
    h->number = number;
    h->id = rest[0];
    h->name = PAR_STRDUP(name);
    if (!h->name) return 0;
    if (rest[1] & 1) {
        h->comment = Txb_Read(f);
        Txt_Find_Keyword_Line(f, "#EOC", 0);
    }
    return 1;
}

int Par_Head_Write(FILE* f, const ParamHead* h)
{
    if (!f || !h) return 0;
    // A name holding the closing byte could not be read back, and the reader
    // keeps 199 bytes: write what it will read.
    char name[kNameMax + 1];
    int n = 0;
    for (const char* s = h->name; s && *s && n < kNameMax; ++s)
        if ((unsigned char)*s != kClose) name[n++] = *s;
    name[n] = 0;
    if (std::fprintf(f, "0x%x %d %c%s%c %d %d\n", (unsigned)h->type, h->number, kOpen, name, kClose, h->id,
                     h->comment ? 1 : 0) < 0)
        return 0;
    if (h->comment) {
        Txb_Write(f, h->comment);
        if (std::fprintf(f, "#EOC\n") < 0) return 0;
    }
    return std::ferror(f) ? 0 : 1;
}

int Par_Vector_Init(ParamVector* v)
{
    if (!v) return 0;
    std::memset(v, 0, sizeof *v);
    return 1;
}

int Par_Vector_Resize(ParamVector* v, int n_int, int n_double, int n_string)
{
    if (!v) return 0;
    if (n_int < 0) n_int = 0;
    if (n_double < 0) n_double = 0;
    if (n_string < 0) n_string = 0;

    if (!resize_array(reinterpret_cast<void**>(&v->ints), v->ints ? v->n_int : 0, n_int, sizeof(int))) return 0;
    v->n_int = n_int;
    if (!resize_array(reinterpret_cast<void**>(&v->doubles), v->doubles ? v->n_double : 0, n_double, sizeof(double)))
        return 0;
    v->n_double = n_double;

    int old_s = v->strings ? v->n_string : 0;
    if (n_string < old_s)
        for (int k = n_string; k < old_s; ++k)
            if (v->strings[k]) {
                PAR_FREE(v->strings[k]);
                v->strings[k] = nullptr;
            }
    if (!resize_array(reinterpret_cast<void**>(&v->strings), old_s, n_string, sizeof(char*))) {
        // The surplus strings are gone already; the count must not claim them.
        if (n_string < old_s) v->n_string = n_string;
        return 0;
    }
    v->n_string = n_string;
    return 1;
}

int Par_Vector_Free(ParamVector* v)
{
    if (!v) return 0;
    if (v->strings)
        for (int k = 0; k < v->n_string; ++k)
            if (v->strings[k]) PAR_FREE(v->strings[k]);
    if (v->strings) PAR_FREE(v->strings);
    if (v->ints) PAR_FREE(v->ints);
    if (v->doubles) PAR_FREE(v->doubles);
    std::memset(v, 0, sizeof *v);
    return 1;
}

int Par_Vector_Clear(ParamVector* v)
{
    if (!v) return 0;
    for (int k = 0; v->ints && k < v->n_int; ++k) v->ints[k] = 0;
    for (int k = 0; v->doubles && k < v->n_double; ++k) v->doubles[k] = 0.0;
    for (int k = 0; v->strings && k < v->n_string; ++k)
        if (v->strings[k]) {
            PAR_FREE(v->strings[k]);
            v->strings[k] = nullptr;
        }
    return 1;
}

int Par_Vector_Read(FILE* f, int n_int, int n_double, int n_string, ParamVector* v, int flags)
{
    if (!f || !v) return 0;
    Par_Vector_Init(v);
    const int args[3] = {n_int, n_double, n_string};
    int file_n[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        if (args[k] < 0) continue;
        if (std::fscanf(f, " %d", &file_n[k]) != 1) return 0;
        // A damaged count must not become a huge allocation or a negative loop.
        if (file_n[k] < 0 || file_n[k] > PAR_MAX_FILE_COUNT) return 0;
    }
    if (flags & 1) {
        if (!Par_Vector_Resize(v, file_n[0], file_n[1], file_n[2])) return 0;
    } else {
        if (!Par_Vector_Resize(v, n_int, n_double, n_string)) return 0;
    }
    for (int k = 0; k < file_n[0]; ++k) {
        int x;
        if (std::fscanf(f, " %d", &x) != 1) return 0;
        if (k < v->n_int) v->ints[k] = x;
    }
    for (int k = 0; k < file_n[1]; ++k) {
        double x;
        if (std::fscanf(f, " %lf", &x) != 1) return 0;
        if (k < v->n_double) v->doubles[k] = x;
    }
    for (int k = 0; k < file_n[2]; ++k) {
        char buf[100];
        Txt_Read_Guillemets(f, buf);
        if (k < v->n_string) {
            v->strings[k] = PAR_STRDUP(buf);
            if (!v->strings[k]) return 0;
        }
    }
    return 1;
}

int Par_Vector_Write(FILE* f, const ParamVector* v)
{
    if (!f || !v) return 0;
    int ni = v->ints ? v->n_int : 0;
    int nd = v->doubles ? v->n_double : 0;
    int ns = v->strings ? v->n_string : 0;
    if (std::fprintf(f, "%d %d %d\n", ni, nd, ns) < 0) return 0;
    if (ni > 0) {
        for (int k = 0; k < ni; ++k)
            if (std::fprintf(f, " %d", v->ints[k]) < 0) return 0;
        if (std::fprintf(f, "\n") < 0) return 0;
    }
    if (nd > 0) {
        for (int k = 0; k < nd; ++k)
            if (std::fprintf(f, " %.6e", v->doubles[k]) < 0) return 0;
        if (std::fprintf(f, "\n") < 0) return 0;
    }
    for (int k = 0; k < ns; ++k) {
        if (Txt_Write_Guillemets(f, v->strings[k]) != 0) return 0;
        if (std::fprintf(f, "\n") < 0) return 0;
    }
    return std::ferror(f) ? 0 : 1;
}

int Par_Vector_Any_Set(const ParamVector* v)
{
    if (!v) return 0;
    for (int k = 0; v->ints && k < v->n_int; ++k)
        if (v->ints[k] != 0) return 1;
    for (int k = 0; v->doubles && k < v->n_double; ++k)
        if (v->doubles[k] != 0.0) return 1;
    for (int k = 0; v->strings && k < v->n_string; ++k)
        if (v->strings[k]) return 1;
    return 0;
}

int Par_Vector_Copy(ParamVector* dst, const ParamVector* src)
{
    if (!dst) return 0;
    if (!src) return Par_Vector_Resize(dst, 0, 0, 0);
    if (dst == src) return 1;
    if (!Par_Vector_Resize(dst, src->n_int, src->n_double, src->n_string)) return 0;
    for (int k = 0; k < dst->n_int; ++k) dst->ints[k] = src->ints ? src->ints[k] : 0;
    for (int k = 0; k < dst->n_double; ++k) dst->doubles[k] = src->doubles ? src->doubles[k] : 0.0;
    int ok = 1;
    for (int k = 0; k < dst->n_string; ++k) {
        if (dst->strings[k]) PAR_FREE(dst->strings[k]);
        dst->strings[k] = dup_or_null(src->strings ? src->strings[k] : nullptr, &ok);
    }
    return ok;
}

int Par_Vector_Get_Int(const ParamVector* v, int i)
{
    if (!v || !v->ints || i < 0 || i >= v->n_int) return 0;
    return v->ints[i];
}

double Par_Vector_Get_Double(const ParamVector* v, int i)
{
    if (!v || !v->doubles || i < 0 || i >= v->n_double) return 0.0;
    return v->doubles[i];
}

char* Par_Vector_Get_String(const ParamVector* v, int i)
{
    if (!v || !v->strings || i < 0 || i >= v->n_string) return g_empty;
    return v->strings[i];
}

int Par_Vector_Get_Arrays(const ParamVector* v, int* ints, const int* ints_default, int n_int, double* dbls,
                          const double* dbls_default, int n_dbl, char** strs, char* const* strs_default, int n_str)
{
    if (!v) return 0;
    if (ints && n_int > 0)
        for (int k = 0; k < n_int; ++k)
            ints[k] = k < v->n_int && v->ints ? v->ints[k] : ints_default ? ints_default[k] : 0;
    if (dbls && n_dbl > 0)
        for (int k = 0; k < n_dbl; ++k)
            dbls[k] = k < v->n_double && v->doubles ? v->doubles[k] : dbls_default ? dbls_default[k] : 0.0;
    if (strs && n_str > 0)
        for (int k = 0; k < n_str; ++k)
            strs[k] = k < v->n_string && v->strings ? v->strings[k] : strs_default ? strs_default[k] : g_empty;
    return 1;
}

namespace {

int needed_size(int n, const int* to)
{
    if (!to) return n;
    int need = 0;
    for (int k = 0; k < n; ++k)
        if (to[k] >= 0 && to[k] + 1 > need) need = to[k] + 1;
    return need;
}

} // namespace

int Par_Vector_Set_Arrays(ParamVector* v, const int* ints, const int* ints_from, int n_int, const int* ints_to,
                          const double* dbls, const int* dbls_from, int n_dbl, const int* dbls_to,
                          const char* const* strs, const int* strs_from, int n_str, const int* strs_to)
{
    if (!v) return 0;
    n_int = n_int < 0 ? 0 : n_int;
    n_dbl = n_dbl < 0 ? 0 : n_dbl;
    n_str = n_str < 0 ? 0 : n_str;
    int ni = needed_size(n_int, ints_to), nd = needed_size(n_dbl, dbls_to), ns = needed_size(n_str, strs_to);
    if (ni < v->n_int) ni = v->n_int;
    if (nd < v->n_double) nd = v->n_double;
    if (ns < v->n_string) ns = v->n_string;
    if (!Par_Vector_Resize(v, ni, nd, ns)) return 0;

    if (ints)
        for (int k = 0; k < n_int; ++k) {
            int d = ints_to ? ints_to[k] : k, s = ints_from ? ints_from[k] : k;
            if (d >= 0 && s >= 0) v->ints[d] = ints[s];
        }
    if (dbls)
        for (int k = 0; k < n_dbl; ++k) {
            int d = dbls_to ? dbls_to[k] : k, s = dbls_from ? dbls_from[k] : k;
            if (d >= 0 && s >= 0) v->doubles[d] = dbls[s];
        }
    int ok = 1;
    if (strs)
        for (int k = 0; k < n_str; ++k) {
            int d = strs_to ? strs_to[k] : k, s = strs_from ? strs_from[k] : k;
            if (d < 0 || s < 0) continue;
            if (v->strings[d]) PAR_FREE(v->strings[d]);
            v->strings[d] = dup_or_null(strs[s], &ok);
            if (!ok) return 0;
        }
    return ok;
}
