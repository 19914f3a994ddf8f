// Fastener catalogue: product data files, built-in dowel and bolt diameters,
// accessors and choice lists.
#include "materials/fastcat.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ttool.h"
#include "materials/matkind.h"
#include "materials/matnames.h"
#include "platform/kovhost.h"
#include "platform/kovpath.h"

namespace {

// ---- tables --------------------------------------------------------------------

enum FastenerTableId {
    T_NAGEL,
    T_KLAMMER,
    T_SCHRAUBE,
    T_SPAX_S_TG,
    T_SPAX_T_TG,
    T_SPAX_S_VG,
    T_ASSY_Z,
    T_ASSY_S,
    T_SONDERNAGEL,
    T_SIMPSON_CNA,
    T_SIMPSON_CSA,
    FASTENER_TABLES
};

enum ConnectorTableId { T_A1, T_C1, T_C5, T_C10, T_B1, T_C2, T_C11, CONNECTOR_TABLES };

FastenerCatalogueTable g_fast[FASTENER_TABLES];
ConnectorCatalogueTable g_conn[CONNECTOR_TABLES];
int g_fast_loaded[FASTENER_TABLES];
int g_conn_loaded[CONNECTOR_TABLES];

const double kDowels[FASTCAT_DOWEL_COUNT] = {6, 8, 10, 12, 16, 20, 24};
const double kBolts[FASTCAT_BOLT_COUNT] = {6, 8, 10, 12, 16, 20, 24, 30};
double g_dowels[FASTCAT_DOWEL_COUNT];
double g_bolts[FASTCAT_BOLT_COUNT];
int g_n_dowels;
int g_n_bolts;

// Table of a type among the product accessors' types; -1 for others. With
// simpson set, also the two Simpson tables that no accessor serves.
int Fastener_Table_Of(int type, bool simpson)
{
    if (type == FT_NAIL) return T_NAGEL;
    if (type == FT_STAPLE) return T_KLAMMER;
    if (type >= FT_SCREW_1A && type <= FT_SCREW_3C) return T_SCHRAUBE;
    if (type == FT_SPAX_CSK_PARTIAL) return T_SPAX_S_TG;
    if (type == FT_SPAX_WASHER_PARTIAL) return T_SPAX_T_TG;
    if (type == FT_SPAX_CSK_FULL) return T_SPAX_S_VG;
    if (type == FT_ASSY_VG_CYLINDER) return T_ASSY_Z;
    if (type == FT_ASSY_VG_COUNTERSUNK) return T_ASSY_S;
    if ((type >= FT_SPECIAL_NAIL_1A && type <= FT_SPECIAL_NAIL_3C) ||
        (type >= FT_SPECIAL_NAIL_1D && type <= FT_SPECIAL_NAIL_3F))
        return T_SONDERNAGEL;
    if (simpson && type == FT_SIMPSON_CNA) return T_SIMPSON_CNA;
    if (simpson && type == FT_SIMPSON_CSA) return T_SIMPSON_CSA;
    return -1;
}

int Connector_Table_Of(int type)
{
    switch (type) {
        case FT_RING_A1: return T_A1;
        case FT_PLATE_C1: return T_C1;
        case FT_PLATE_C5: return T_C5;
        case FT_PLATE_C10: return T_C10;
        case FT_PLATE_B1: return T_B1;
        case FT_PLATE_C2: return T_C2;
        case FT_PLATE_C11: return T_C11;
        default: return -1;
    }
}

// The product of a served type, NULL for another type or an index outside the
// loaded products.
const FastenerProduct* Product_Of(int type, int product)
{
    const int t = Fastener_Table_Of(type, false);
    if (t < 0 || product < 0 || product >= g_fast[t].count) return nullptr;
    return &g_fast[t].products[product];
}

const ConnectorProduct* Connector_Of(int type, int product)
{
    const int t = Connector_Table_Of(type);
    if (t < 0 || product < 0 || product >= g_conn[t].count) return nullptr;
    return &g_conn[t].products[product];
}

// Built-in diameters of dowels and bolts; NULL for other types.
const double* Builtin_Diameters(int type, int* n)
{
    if (type == FT_DOWEL) {
        *n = g_n_dowels;
        return g_dowels;
    }
    if (type == FT_BOLT) {
        *n = g_n_bolts;
        return g_bolts;
    }
    *n = 0;
    return nullptr;
}

// ---- reading ---------------------------------------------------------------------

// An open product file, read data line by data line. The buffer holds a line
// of the limit and a carriage return behind it.
struct Reader {
    FILE* f;
    char line[FASTCAT_MAX_LINE + 2];
};

enum LineResult { LINE_OK, LINE_END, LINE_BAD };

// The next line that is not a comment into r->line (without its line break and
// a carriage return before it). LINE_BAD for a line longer than the limit.
LineResult Next_Data_Line(Reader* r)
{
    for (;;) {
        int n = 0;
        int c = 0;
        while ((c = std::fgetc(r->f)) != EOF && c != '\n') {
            if (n <= FASTCAT_MAX_LINE) r->line[n] = char(c);
            if (n <= FASTCAT_MAX_LINE + 1) ++n;
        }
        if (c == EOF && n == 0) return LINE_END;
        if (n <= FASTCAT_MAX_LINE + 1 && n > 0 && r->line[n - 1] == '\r') --n;
        if (n > FASTCAT_MAX_LINE) return LINE_BAD;
        r->line[n] = '\0';
        if (r->line[0] != '#') return LINE_OK;
    }
}

// A whole word as a finite double (C locale, decimal point); 0 when any of it
// is not part of the number.
int Word_Double(const char* w, double* v)
{
    if (!w || !*w) return 0;
    char* end = nullptr;
    errno = 0;
    const double x = std::strtod(w, &end);
    if (end == w || *end != '\0' || !std::isfinite(x) || errno == ERANGE) return 0;
    *v = x;
    return 1;
}

int Word_Int(const char* w, int* v)
{
    if (!w || !*w) return 0;
    char* end = nullptr;
    errno = 0;
    const long x = std::strtol(w, &end, 10);
    if (end == w || *end != '\0' || errno == ERANGE || x < -2147483647L || x > 2147483647L) return 0;
    *v = int(x);
    return 1;
}

// The words of a line, released on leaving scope.
struct Words {
    int n = 0;
    char** w = nullptr;
    explicit Words(const char* line)
    {
        if (!Str_Split_Words(line, &n, &w)) {
            n = 0;
            w = nullptr;
        }
    }
    ~Words()
    {
        for (int i = 0; i < n; ++i) std::free(w[i]);
        std::free(w);
    }
    Words(const Words&) = delete;
    Words& operator=(const Words&) = delete;
};

// The first word of the next data line as an int. LINE_END at the end of the
// file, LINE_BAD when the line holds no integer first.
LineResult Read_Header_Int(Reader* r, int* v)
{
    const LineResult got = Next_Data_Line(r);
    if (got != LINE_OK) return got;
    Words words(r->line);
    return (words.n >= 1 && Word_Int(words.w[0], v)) ? LINE_OK : LINE_BAD;
}

// Fastener product fields by the order of a file's fixed columns.
enum Field { F_D, F_D1, F_DK, F_DS, F_FAK, F_K, F_X100, F_X200, F_X200P };

double* Field_Of(FastenerProduct* p, Field f)
{
    switch (f) {
        case F_D: return &p->d;
        case F_D1: return &p->d1;
        case F_DK: return &p->dk;
        case F_DS: return &p->ds;
        case F_FAK: return &p->fak_lef;
        case F_K: return &p->k;
        case F_X100: return &p->xLE100;
        case F_X200: return &p->xLE200;
        case F_X200P: return &p->xGT200;
    }
    return &p->d;
}

// How the words after the fixed columns give lengths and effective lengths.
enum LengthRule {
    L_LIST,        // lengths; l_ef 0
    L_LIST_NEXT,   // lengths; l_ef from the next data line (staples)
    L_LIST_FAK,    // lengths; l_ef = fak_lef x l
    L_LIST_DEDUCT, // lengths; l_ef = l minus the deduction of its band
    L_PAIRS,       // pairs of length and l_ef
    L_ASSY         // by format: 1 as L_LIST_FAK, 2 lengths then l_ef values, else none
};

struct FastenerFile {
    const char* name;
    Field fixed[7];
    int n_fixed;
    LengthRule rule;
};

const FastenerFile kFastenerFiles[FASTENER_TABLES] = {
    {"ec5_nagel.dat", {F_D, F_DK}, 2, L_LIST},
    {"ec5_klammer.dat", {F_D, F_DK}, 2, L_LIST_NEXT},
    {"ec5_schraube.dat", {F_D, F_D1, F_DK, F_K, F_FAK}, 5, L_LIST_FAK},
    {"ec5_spax_s_tg.dat", {F_D, F_D1, F_DS, F_DK, F_K}, 5, L_PAIRS},
    {"ec5_spax_t_tg.dat", {F_D, F_D1, F_DS, F_DK, F_K}, 5, L_PAIRS},
    {"ec5_spax_s_vg.dat", {F_D, F_D1, F_DK, F_K, F_X100, F_X200, F_X200P}, 7, L_LIST_DEDUCT},
    {"ec5_assy_plus_vg_z.dat", {F_D, F_D1, F_DK, F_K, F_FAK}, 5, L_ASSY},
    {"ec5_assy_plus_vg_s.dat", {F_D, F_D1, F_DK, F_K, F_FAK}, 5, L_ASSY},
    {"ec5_sondernagel.dat", {F_D, F_DK}, 2, L_PAIRS},
    {"ec5_simpson_cna.dat", {F_D, F_DK}, 2, L_PAIRS},
    {"ec5_simpson_csa.dat", {F_D, F_D1, F_DS, F_DK}, 4, L_PAIRS},
};

// The effective length of a length in the deduction bands (strict at 100 and
// 200: 100 takes the middle band).
double Deducted_Length(const FastenerProduct& p, double l)
{
    if (l < 100.0) return l - p.xLE100;
    if (l < 200.0) return l - p.xLE200;
    return l - p.xGT200;
}

// One product from the current data line (and for staples the next one).
int Parse_Fastener(Reader* r, const FastenerFile& file, int format, FastenerProduct* p)
{
    std::memset(p, 0, sizeof *p);
    Words words(r->line);
    if (words.n < file.n_fixed) return 0;
    for (int k = 0; k < file.n_fixed; ++k)
        if (!Word_Double(words.w[k], Field_Of(p, file.fixed[k]))) return 0;
    const int rest = words.n - file.n_fixed;
    char** tail = words.w + file.n_fixed;

    LengthRule rule = file.rule;
    if (rule == L_ASSY) {
        if (format == 1)
            rule = L_LIST_FAK;
        else if (format != 2)
            return 1; // no lengths
    }
    int n = 0;
    if (rule == L_PAIRS || rule == L_ASSY)
        n = rest / 2; // a word after the last pair is left over
    else
        n = rest;
    if (n > FASTCAT_MAX_LENGTHS) return 0;
    p->n_l = n;

    for (int i = 0; i < n; ++i) {
        const char* lw = rule == L_PAIRS ? tail[2 * i] : tail[i];
        if (!Word_Double(lw, &p->l[i])) return 0;
        switch (rule) {
            case L_PAIRS:
                if (!Word_Double(tail[2 * i + 1], &p->l_ef[i])) return 0;
                break;
            case L_ASSY:
                if (!Word_Double(tail[n + i], &p->l_ef[i])) return 0;
                break;
            case L_LIST_FAK: p->l_ef[i] = p->fak_lef * p->l[i]; break;
            case L_LIST_DEDUCT: p->l_ef[i] = Deducted_Length(*p, p->l[i]); break;
            case L_LIST:
            case L_LIST_NEXT: break;
        }
    }
    if (rule == L_LIST_NEXT) {
        if (Next_Data_Line(r) != LINE_OK) return 0;
        Words values(r->line);
        if (values.n < n) return 0;
        for (int i = 0; i < n; ++i)
            if (!Word_Double(values.w[i], &p->l_ef[i])) return 0;
    }
    return 1;
}

// Connector columns.
enum CField {
    C_DC,
    C_HC,
    C_HE,
    C_T,
    C_R,
    C_T1,
    C_A1,
    C_A2,
    C_D1,
    C_D2,
    C_D3,
    C_D4,
    C_D5,
    C_H1,
    C_H2,
    C_H3,
    C_DBMIN,
    C_DBMAX,
    C_F,
    C_INT1,
    C_INT2
};

struct ConnectorFile {
    const char* name;
    CField cols[16];
    int n_cols;
};

const ConnectorFile kConnectorFiles[CONNECTOR_TABLES] = {
    {"ec5_ringduebel_a1.dat", {C_DC, C_HC, C_HE, C_T, C_R, C_DBMIN, C_DBMAX, C_F}, 8},
    {"ec5_schduebel_c1.dat", {C_DC, C_HC, C_HE, C_T, C_D1, C_INT1, C_INT2, C_H2, C_DBMIN, C_DBMAX, C_F}, 11},
    {"ec5_schduebel_c5.dat", {C_DC, C_HC, C_HE, C_T, C_D1, C_INT1, C_INT2, C_H2, C_DBMIN, C_DBMAX, C_F}, 11},
    {"ec5_schduebel_c10.dat", {C_DC, C_HC, C_HE, C_T, C_D1, C_D2, C_D3, C_D4, C_INT1, C_DBMIN, C_DBMAX, C_F}, 12},
    {"ec5_schduebel_B1.dat",
     {C_DC, C_HE, C_HC, C_T, C_T1, C_D1, C_D2, C_D3, C_D4, C_R, C_H1, C_A1, C_A2, C_DBMIN, C_DBMAX, C_F},
     16},
    {"ec5_schduebel_c2.dat", {C_DC, C_HC, C_HE, C_T, C_D2, C_H3, C_INT1, C_INT2, C_DBMIN, C_DBMAX, C_F}, 11},
    {"ec5_schduebel_c11.dat",
     {C_DC, C_HC, C_HE, C_T, C_D1, C_D2, C_D3, C_D4, C_D5, C_R, C_H1, C_INT1, C_DBMIN, C_DBMAX, C_F},
     15},
};

// The columns of the B1 file in format 1.
const CField kB1Format1[] = {C_DC, C_HE, C_HC, C_T, C_T1, C_D1, C_D2, C_DBMIN, C_DBMAX, C_F};

double* CField_Of(ConnectorProduct* p, CField f)
{
    switch (f) {
        case C_DC: return &p->dc;
        case C_HC: return &p->hc;
        case C_HE: return &p->he;
        case C_T: return &p->t;
        case C_R: return &p->r;
        case C_T1: return &p->t1;
        case C_A1: return &p->a1;
        case C_A2: return &p->a2;
        case C_D1: return &p->d1;
        case C_D2: return &p->d2;
        case C_D3: return &p->d3;
        case C_D4: return &p->d4;
        case C_D5: return &p->d5;
        case C_H1: return &p->h1;
        case C_H2: return &p->h2;
        case C_H3: return &p->h3;
        case C_DBMIN: return &p->db_min;
        case C_DBMAX: return &p->db_max;
        case C_F: return &p->F;
        case C_INT1:
        case C_INT2: break;
    }
    return nullptr;
}

int Parse_Connector(const char* line, const CField* cols, int n_cols, ConnectorProduct* p)
{
    std::memset(p, 0, sizeof *p);
    Words words(line);
    if (words.n < n_cols) return 0;
    for (int k = 0; k < n_cols; ++k) {
        int ok = 0;
        if (cols[k] == C_INT1)
            ok = Word_Int(words.w[k], &p->int_col_1);
        else if (cols[k] == C_INT2)
            ok = Word_Int(words.w[k], &p->int_col_2);
        else
            ok = Word_Double(words.w[k], CField_Of(p, cols[k]));
        if (!ok) return 0;
    }
    return 1;
}

// Opens a product file in the private data directory; NULL when there is none.
FILE* Open_Product_File(const char* name)
{
    const char* dir = CurOb_Privat_Datapath();
    if (!dir || !*dir) return nullptr;
    const std::string path = std::string(dir) + "\\" + name;
    return Kov_Fopen(path.c_str(), "r");
}

// Reads the header of a product file: *format once its line is read, *count
// once both are. 1: products follow; 2: the file holds no data line (loaded as
// it is); 0: failure.
int Read_Header(Reader* r, int* format, int* count)
{
    int v = 0;
    const LineResult got = Read_Header_Int(r, &v);
    if (got == LINE_END) return 2;
    if (got != LINE_OK) return 0;
    *format = v;
    if (Read_Header_Int(r, &v) != LINE_OK || v > FASTCAT_MAX_PRODUCTS) return 0;
    *count = v < 0 ? 0 : v;
    return 1;
}

// Reads a product file into its table: the header, then count products, each
// parsed by parse(reader, format, product) from the current data line. A
// product enters the table only when it was read completely.
template <class Table, class Parse> int Read_Table(const char* name, Table* table, int* loaded, Parse parse)
{
    if (*loaded) return 1;
    Reader r;
    r.f = Open_Product_File(name);
    if (!r.f) return 0;
    int format = table->format;
    int count = 0;
    const int head = Read_Header(&r, &format, &count);
    int ok = head != 0;
    table->format = format;
    if (head != 2) table->count = 0;
    for (int i = 0; head == 1 && i < count && ok; ++i) {
        auto p = table->products[i];
        ok = Next_Data_Line(&r) == LINE_OK && parse(&r, format, &p);
        if (ok) {
            table->products[i] = p;
            table->count = i + 1;
        }
    }
    std::fclose(r.f);
    if (ok) *loaded = 1;
    return ok;
}

int Read_Fastener_Table(int t)
{
    const FastenerFile& file = kFastenerFiles[t];
    return Read_Table(file.name, &g_fast[t], &g_fast_loaded[t], [&file](Reader* r, int format, FastenerProduct* p) {
        return Parse_Fastener(r, file, format, p);
    });
}

int Read_Connector_Table(int t)
{
    const ConnectorFile& file = kConnectorFiles[t];
    return Read_Table(file.name, &g_conn[t], &g_conn_loaded[t], [&file, t](Reader* r, int format, ConnectorProduct* p) {
        // The B1 file in format 1 has the short layout.
        if (t == T_B1 && format == 1)
            return Parse_Connector(r->line, kB1Format1, int(sizeof kB1Format1 / sizeof kB1Format1[0]), p);
        return Parse_Connector(r->line, file.cols, file.n_cols, p);
    });
}

ChoiceEntry* Diameter_Choice_List(int pool, int type, int colour, int* count)
{
    ChoiceEntry* entries = Mat_Choice_Pool(pool);
    const int n = Fastener_Product_Count(type);
    for (int i = 0; i < n && i < MAT_CHOICE_POOL_SIZE; ++i) {
        entries[i].colour = colour;
        std::snprintf(Mat_Choice_Pool_Text(pool, i), MAT_CHOICE_TEXT_SIZE, "%6.2lf mm", Fastener_Diameter(type, i));
    }
    if (count) *count = n;
    return entries;
}

} // namespace

// ---- readers ---------------------------------------------------------------------

int Catalogue_Read_Nagel(void) { return Read_Fastener_Table(T_NAGEL); }
int Catalogue_Read_Klammer(void) { return Read_Fastener_Table(T_KLAMMER); }
int Catalogue_Read_Schraube(void) { return Read_Fastener_Table(T_SCHRAUBE); }
int Catalogue_Read_Assy_Vg_Z(void) { return Read_Fastener_Table(T_ASSY_Z); }
int Catalogue_Read_Assy_Vg_S(void) { return Read_Fastener_Table(T_ASSY_S); }
int Catalogue_Read_Spax_S_Vg(void) { return Read_Fastener_Table(T_SPAX_S_VG); }
int Catalogue_Read_Spax_S_Tg(void) { return Read_Fastener_Table(T_SPAX_S_TG); }
int Catalogue_Read_Spax_T_Tg(void) { return Read_Fastener_Table(T_SPAX_T_TG); }
int Catalogue_Read_Sondernagel(void) { return Read_Fastener_Table(T_SONDERNAGEL); }
int Catalogue_Read_Simpson_Cna(void) { return Read_Fastener_Table(T_SIMPSON_CNA); }
int Catalogue_Read_Simpson_Csa(void) { return Read_Fastener_Table(T_SIMPSON_CSA); }
int Catalogue_Read_Ringduebel_A1(void) { return Read_Connector_Table(T_A1); }
int Catalogue_Read_Schduebel_C1(void) { return Read_Connector_Table(T_C1); }
int Catalogue_Read_Schduebel_C5(void) { return Read_Connector_Table(T_C5); }
int Catalogue_Read_Schduebel_C10(void) { return Read_Connector_Table(T_C10); }
int Catalogue_Read_Schduebel_B1(void) { return Read_Connector_Table(T_B1); }
int Catalogue_Read_Schduebel_C2(void) { return Read_Connector_Table(T_C2); }
int Catalogue_Read_Schduebel_C11(void) { return Read_Connector_Table(T_C11); }

int Catalogue_Init_Dowel_Bolt(void)
{
    std::memcpy(g_dowels, kDowels, sizeof g_dowels);
    std::memcpy(g_bolts, kBolts, sizeof g_bolts);
    g_n_dowels = FASTCAT_DOWEL_COUNT;
    g_n_bolts = FASTCAT_BOLT_COUNT;
    return 1;
}

void Catalogue_Reset(void)
{
    std::memset(g_fast, 0, sizeof g_fast);
    std::memset(g_conn, 0, sizeof g_conn);
    std::memset(g_fast_loaded, 0, sizeof g_fast_loaded);
    std::memset(g_conn_loaded, 0, sizeof g_conn_loaded);
    std::memset(g_dowels, 0, sizeof g_dowels);
    std::memset(g_bolts, 0, sizeof g_bolts);
    g_n_dowels = 0;
    g_n_bolts = 0;
}

// ---- accessors -------------------------------------------------------------------

int Fastener_Product_Count(int type)
{
    const int t = Fastener_Table_Of(type, false);
    if (t >= 0) return g_fast[t].count;
    const int c = Connector_Table_Of(type);
    if (c >= 0) return g_conn[c].count;
    int n = 0;
    Builtin_Diameters(type, &n);
    return n;
}

int Fastener_Length_Count(int type, int product)
{
    const FastenerProduct* p = Product_Of(type, product);
    return p ? p->n_l : 0;
}

double Fastener_Diameter(int type, int product)
{
    if (const FastenerProduct* p = Product_Of(type, product)) return p->d;
    if (const ConnectorProduct* c = Connector_Of(type, product)) return c->dc;
    int n = 0;
    const double* builtin = Builtin_Diameters(type, &n);
    if (builtin && product >= 0 && product < n) return builtin[product];
    return 0.0;
}

int Fastener_Find_Diameter(int type, double d)
{
    int found = 0;
    int n = 0;
    const double* builtin = Builtin_Diameters(type, &n);
    if (builtin) {
        for (int i = 0; i < n; ++i)
            if (std::fabs(builtin[i] - d) < 0.001) found = i;
        return found;
    }
    const int t = Fastener_Table_Of(type, false);
    if (t < 0) return 0;
    for (int i = 0; i < g_fast[t].count; ++i)
        if (std::fabs(g_fast[t].products[i].d - d) < 0.001) found = i;
    return found;
}

int Fastener_Find_Length(int type, int product, double l)
{
    const FastenerProduct* p = Product_Of(type, product);
    if (!p) return 0;
    int found = 0;
    for (int i = 0; i < p->n_l; ++i)
        if (std::fabs(p->l[i] - l) < 0.01) found = i;
    return found;
}

double Fastener_Length(int type, int product, int i)
{
    const FastenerProduct* p = Product_Of(type, product);
    return (p && i >= 0 && i < p->n_l) ? p->l[i] : 0.0;
}

double Fastener_Length_Value(int type, int product, int i)
{
    const FastenerProduct* p = Product_Of(type, product);
    return (p && i >= 0 && i < p->n_l) ? p->l_ef[i] : 0.0;
}

double Fastener_Value_By_Key(int type, int product, const char* key)
{
    const FastenerProduct* p = Product_Of(type, product);
    if (!p || !key) return 0.0;
    const struct {
        const char* key;
        double v;
    } fields[] = {
        {"d", p->d}, {"d1", p->d1},         {"dk", p->dk},         {"ds", p->ds},         {"fak_lef", p->fak_lef},
        {"k", p->k}, {"xLE100", p->xLE100}, {"xLE200", p->xLE200}, {"xGT200", p->xGT200}, {"n_l", double(p->n_l)}};
    for (const auto& f : fields)
        if (std::strcmp(key, f.key) == 0) return f.v;
    return 0.0;
}

double Connector_Value_By_Key(int type, int product, const char* key)
{
    const ConnectorProduct* p = Connector_Of(type, product);
    if (!p || !key) return 0.0;
    const struct {
        const char* key;
        double v;
    } fields[] = {{"t", p->t},   {"dc", p->dc},         {"a1", p->a1},         {"a2", p->a2}, {"d1", p->d1},
                  {"d2", p->d2}, {"d3", p->d3},         {"d4", p->d4},         {"d5", p->d5}, {"h1", p->h1},
                  {"h2", p->h2}, {"h3", p->h3},         {"hc", p->hc},         {"he", p->he}, {"r", p->r},
                  {"t1", p->t1}, {"db_max", p->db_max}, {"db_min", p->db_min}, {"F", p->F}};
    for (const auto& f : fields)
        if (std::strcmp(key, f.key) == 0) return f.v;
    return 0.0;
}

ChoiceEntry* Fastener_Length_Choice_List(int type, int product, int colour, int* count)
{
    ChoiceEntry* entries = Mat_Choice_Pool(0);
    const int n = Fastener_Length_Count(type, product);
    for (int i = 0; i < n; ++i) {
        entries[i].colour = colour;
        std::snprintf(Mat_Choice_Pool_Text(0, i), MAT_CHOICE_TEXT_SIZE, "%3.0lf mm", Fastener_Length(type, product, i));
    }
    if (count) *count = n;
    return entries;
}

ChoiceEntry* Fastener_Diameter_Choice_List(int type, int colour, int* count)
{
    return Diameter_Choice_List(1, type, colour, count);
}

ChoiceEntry* Fastener_Diameter_Choice_List_2(int type, int colour, int* count)
{
    return Diameter_Choice_List(2, type, colour, count);
}

const FastenerCatalogueTable* Fastener_Catalogue_Table(int type)
{
    const int t = Fastener_Table_Of(type, true);
    return t >= 0 ? &g_fast[t] : nullptr;
}

const ConnectorCatalogueTable* Connector_Catalogue_Table(int type)
{
    const int t = Connector_Table_Of(type);
    return t >= 0 ? &g_conn[t] : nullptr;
}
