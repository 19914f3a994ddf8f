// The table writer of the output list: columns, row choice, marks, totals,
// footnote markers, and the "#SHOWTABLE" block.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "base/kovnum.h"
#include "output/ioliwrt.h"
#include "output/olilocale.h"
#include "platform/kovhost.h"
#include "platform/kovoli.h"
#include "platform/olirecords.h"

namespace {

const char* const kTooFewColumns = "Fehler in Funktion 'OliTabelle': zu wenig Spalten allociert! -> Programmabbruch";
const int kHeadSize = 512;     // heading rows: 511 characters
const int kHeadStartCap = 256; // running start position for placing

struct Footnote {
    int key;
    char marker[10];
    char explanation[200];
    int uses;
};

// Settings that hold from one table to the next: the columns the caller allocated and the row
// count from which a table is printed as a long one.
struct TableSettings {
    int allocated = 0;
    int long_rows = 100;
};
TableSettings g_tables;
Footnote* g_notes = nullptr;
int g_note_count = 0;
int g_note_capacity = 0;
char g_heads[3][kHeadSize];

enum Kind { kTxt, kChar, kGew, kZz, kNumber };

Kind kind_of(const char* kind)
{
    if (!kind) return kNumber;
    if (std::strncmp(kind, "TXT", 3) == 0) return kTxt;
    if (std::strncmp(kind, "CHAR", 4) == 0) return kChar;
    if (std::strncmp(kind, "GEW", 3) == 0) return kGew;
    if (std::strncmp(kind, "ZZ", 2) == 0) return kZz;
    return kNumber;
}

bool is_zero(double v, int decimals) { return Round_To_Decimals(v, decimals) == 0.0; }

// Index of the sentinel the value stands for (0..5 for -1e100, 1e100, 2e100,
// -2e100, 3e100, -3e100), -1 for an ordinary value.
const double kSentinels[6] = {-1e100, 1e100, 2e100, -2e100, 3e100, -3e100};
const char* const kSentinelText[6] = {"-\xEC  ", " \xEC  ", "n.e. ", "---", "auto", "    "};

int sentinel_of(double v)
{
    for (int i = 0; i < 6; i++)
        if (is_zero(v - kSentinels[i], 2)) return i;
    return -1;
}

// Values the marks and the extreme search leave out: +-2e100, +-3e100.
bool ignored_for_marks(double v) { return sentinel_of(v) >= 2; }

double read_double(const void* p)
{
    double v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Address of row r's element of a column whose elements are size bytes apart
// unless a stride is given.
const void* element(const OliColumn& c, int r, size_t size)
{
    if (!c.data) return nullptr;
    size_t step = c.stride > 0 ? (size_t)c.stride : size;
    return (const char*)c.data + (size_t)r * step;
}

double value_of(const OliColumn& c, int r)
{
    const void* p = element(c, r, sizeof(double));
    return p ? read_double(p) : OLI_EMPTY;
}

int round_half_away(double x) { return (int)(x < 0 ? -std::floor(-x + 0.5) : std::floor(x + 0.5)); }

std::string blanks(int n) { return n > 0 ? std::string((size_t)n, ' ') : std::string(); }

std::string right_align(const std::string& s, int width)
{
    if ((int)s.size() >= width) return s;
    return blanks(width - (int)s.size()) + s;
}

std::string format_number(double v, int decimals, int width)
{
    char buf[KOV_FORMAT_NUMBER_MAX];
    formatNumber(v, decimals == 0 ? KOV_FORMAT_NO_DECIMALS : 0, width, 0, decimals, buf);
    return right_align(buf, width);
}

std::string unit_text(const OliColumn& c)
{
    switch (kind_of(c.kind)) {
        case kNumber: return c.kind;
        case kTxt:
        case kGew: return std::strlen(c.kind) > 3 ? std::string(c.kind + 4) : std::string();
        default: return "";
    }
}

const char* printed_title(const OliColumn& c)
{
    return (c.title[0] == '-' || c.title[0] == '+') ? c.title + 1 : c.title;
}

int widest_marker()
{
    int w = 0;
    for (int i = 0; i < g_note_count; i++) {
        int n = (int)std::strlen(g_notes[i].marker);
        if (n > w) w = n;
    }
    return w;
}

Footnote* find_note(int key)
{
    for (int i = 0; i < g_note_count; i++)
        if (g_notes[i].key == key) return &g_notes[i];
    return nullptr;
}

// ---- cells -------------------------------------------------------------------------------------

std::string wrap(const std::string& field, bool underline, bool bold)
{
    if (underline)
        return " \xCE"
               "u" +
               field +
               "\xCE"
               "r";
    if (bold)
        return " \xCE"
               "b" +
               field +
               "\xCE"
               "r";
    return " " + field;
}

std::string text_cell(const void* data, int row, int f, int width, int decimals, bool bold)
{
    int t = decimals > width ? decimals : width;
    if (t < 1) t = 1;
    std::string text;
    if (data) {
        const char* p = (const char*)data + (size_t)row * (size_t)t;
        size_t len = strnlen(p, (size_t)t);
        text = len >= 1000 ? std::string("?????") : std::string(p, len);
    }
    int room = f - 1;
    if (room < 0) room = 0;
    std::string field;
    int markup = 0;
    for (size_t i = 0; i < text.size() && (int)field.size() < room; i++) {
        if ((unsigned char)text[i] == 0xCE) {
            // A code is kept whole or not at all.
            if ((int)field.size() + 2 > room || i + 1 >= text.size()) break;
            field += text[i];
            field += text[i + 1];
            markup += 2;
            i++;
            continue;
        }
        field += text[i];
    }
    field += blanks(room - (int)field.size());
    field += blanks(markup); // the display width stays that of the field
    if (bold)
        return "  \xCE"
               "b" +
               field +
               "\xCE"
               "r";
    return "  " + field;
}

std::string char_cell(const void* data, int row, int f)
{
    std::string field = blanks(f);
    char ch = data ? ((const char*)data)[row] : '\0';
    if (ch && f > 0) field[(size_t)(f / 2)] = ch;
    return " " + field;
}

std::string bar_cell(const void* data, int row, int f, bool underline)
{
    static const int kDiameters[10] = {6, 8, 10, 12, 14, 16, 20, 25, 28, 32};
    std::string s;
    if (data) {
        OliBarChoice rec;
        std::memcpy(&rec, (const char*)data + (size_t)row * sizeof rec, sizeof rec);
        if (rec.count < 0 || (rec.count > 0 && (rec.diameter_index < 0 || rec.diameter_index > 9))) {
            s = "---  ";
        } else if (rec.count > 0) {
            char buf[160];
            const char* ul = underline ? "\xCE"
                                         "u"
                                       : "";
            double dia = kDiameters[rec.diameter_index];
            if (rec.per_bundle >= 2)
                std::snprintf(buf, sizeof buf,
                              " \xCE"
                              "b%s%d %s %.0f %der Bnd.\xCE"
                              "r",
                              ul, rec.count, "\x8C", dia, rec.per_bundle);
            else
                std::snprintf(buf, sizeof buf,
                              " \xCE"
                              "b%s%d %s %.0f\xCE"
                              "r",
                              ul, rec.count, "\x8C", dia);
            s = buf;
        }
    }
    return blanks(f - MT_String_Length(s.c_str()) + 1) + s;
}

std::string zz_cell(int row, int f, int decimals, bool underline, bool bold)
{
    int first = decimals > 1 ? decimals : 1;
    char buf[KOV_FORMAT_NUMBER_MAX];
    formatNumber((double)(row + first), KOV_FORMAT_NO_DECIMALS, f, 0, 0, buf);
    return wrap(right_align(buf, f), underline, bold);
}

std::string number_cell(const char* kind, const void* data, int row, int f, int decimals, double factor, bool underline,
                        bool bold)
{
    double raw = data ? read_double((const char*)data + (size_t)row * sizeof(double)) : OLI_EMPTY;
    int s = sentinel_of(raw);
    if (s >= 0) {
        std::string marker = kSentinelText[s];
        if ((int)marker.size() > f) marker = marker.substr(0, f > 0 ? (size_t)f : 0);
        return wrap(right_align(marker, f), false, bold);
    }
    double v = raw * factor;
    std::string field = format_number(v, decimals, f);
    if (std::strstr(kind, "cm\xCE/2") && v > -1e-8 && v < 1e-8) {
        field = blanks(f);
        if (f > 0) field[(size_t)(f / 2)] = '-';
    }
    return wrap(field, underline, bold);
}

std::string format_cell(const char* kind, const void* data, int row, int f, int width, int decimals, double factor,
                        bool underline, bool bold, bool table)
{
    if (!kind) kind = "";
    switch (kind_of(kind)) {
        case kTxt: return text_cell(data, row, f, width, decimals, table && bold);
        case kChar: return char_cell(data, row, f);
        case kGew: return bar_cell(data, row, f, underline);
        case kZz: return zz_cell(row, f, decimals, underline, table && bold);
        default: return number_cell(kind, data, row, f, decimals, factor, underline, table && bold);
    }
}

char* copy_out(const std::string& s, char* buffer)
{
    size_t n = s.size() < (size_t)OLI_CELL_SIZE - 1 ? s.size() : (size_t)OLI_CELL_SIZE - 1;
    std::memcpy(buffer, s.data(), n);
    buffer[n] = '\0';
    return buffer;
}

// ---- heading rows -------------------------------------------------------------------------------

// Places texts at display positions; every text is preceded by the regular code.
struct RowBuilder {
    std::string row;
    int pos = 0;
    void place(int start, const std::string& text)
    {
        row += "\xCE"
               "r";
        if (text.empty()) return; // nothing to place, no blanks needed
        row += blanks(start - pos);
        if (start > pos) pos = start;
        row += text;
        pos += Oli_Display_Width(text.c_str());
    }
    void store(char* dst) const
    {
        size_t n = row.size() < (size_t)kHeadSize - 1 ? row.size() : (size_t)kHeadSize - 1;
        std::memcpy(dst, row.data(), n);
        dst[n] = '\0';
    }
};

// Offset of a centred text in a segment of width w + 1; for numbers with
// decimals it ends no further left than just before the decimal point.
int centred_offset(const std::string& text, int w, int decimals, bool numeric)
{
    int dw = Oli_Display_Width(text.c_str());
    int off = round_half_away((w + 1 - dw) / 2.0);
    if (numeric && decimals > 0 && off + dw - 1 < w - decimals - 1) off = w - decimals - dw;
    // A text as wide as its column stays off the blank that carries the rule.
    if (off + dw > w) off = std::max(0, w - dw);
    return off;
}

int cap_start(int s) { return s > kHeadStartCap ? kHeadStartCap : s; }

void rule(FILE* f, double a, double b)
{
    File_Printf(f,
                " \xCE{\xCE"
                "L 0 -1 -1 %f %f }",
                a, b);
}

} // namespace

// ---- columns -------------------------------------------------------------------------------------

OliColumn* Oli_Alloc_Columns(int n, OliColumn** columns)
{
    if (!columns) return nullptr;
    if (n < 1 || (size_t)n > (size_t)INT32_MAX / sizeof(OliColumn)) {
        void* old = *columns;
        if (old) Mem_Free_Null(&old);
        *columns = nullptr;
        g_tables.allocated = 0;
        return nullptr;
    }
    OliColumn* c = (OliColumn*)Mem_Realloc(*columns, (int)(n * sizeof(OliColumn)), 1);
    for (int i = 0; i < n; i++) {
        std::strcpy(c[i].title, "Nr");
        std::strcpy(c[i].kind, "ZZ");
        c[i].width = 4;
        c[i].stride = -1;
        c[i].factor = 1.0;
    }
    *columns = c;
    g_tables.allocated = n;
    return c;
}

int Oli_Column_Is_Numeric(const OliColumn* column) { return column && kind_of(column->kind) == kNumber ? 1 : 0; }

void Oli_Set_Long_Table_Rows(int rows) { g_tables.long_rows = rows; }

// ---- footnotes -------------------------------------------------------------------------------------

void Oli_Add_Footnote(int key, const char* marker, const char* explanation)
{
    char m[10];
    std::snprintf(m, sizeof m, "%s", marker ? marker : "");
    for (int i = 0; i < g_note_count; i++)
        if (g_notes[i].key == key || std::strcmp(g_notes[i].marker, m) == 0) return;
    if (g_note_count >= g_note_capacity) {
        g_note_capacity += 5;
        g_notes = (Footnote*)Mem_Realloc(g_notes, (int)(g_note_capacity * sizeof(Footnote)), 0);
    }
    Footnote& n = g_notes[g_note_count++];
    n.key = key;
    std::memcpy(n.marker, m, sizeof m);
    std::snprintf(n.explanation, sizeof n.explanation, "%s", explanation ? explanation : "");
    n.uses = 0;
}

int Oli_Footnote_Count(void) { return g_note_count; }

void Oli_Clear_Footnotes(void)
{
    void* p = g_notes;
    if (p) Mem_Free_Null(&p);
    g_notes = nullptr;
    g_note_count = 0;
    g_note_capacity = 0;
}

// ---- cell formatters ---------------------------------------------------------------------------------

char* Oli_Format_Table_Cell(const char* kind, const void* data, int row, int field_width, int width, int decimals,
                            double factor, int underline, int bold, char* buffer, const int* footnote_key)
{
    OliCLocaleScope numeric_c;
    if (!buffer) return nullptr;
    int f = field_width;
    int wm = 0;
    if (footnote_key && g_note_count > 0) {
        // The marker takes the room of the widest marker from the field.
        wm = widest_marker();
        f -= wm;
        if (f < 0) f = 0;
    }
    std::string cell = format_cell(kind, data, row, f, width, decimals, factor, underline != 0, bold != 0, true);
    if (footnote_key) {
        Footnote* n = find_note(*footnote_key);
        const char* marker = "";
        if (n) {
            n->uses++;
            marker = n->marker;
        }
        cell += "\xCE/";
        cell += marker;
        cell += "\xCE"
                "r";
        if (g_note_count > 0) cell += blanks(wm - (int)std::strlen(marker));
    }
    return copy_out(cell, buffer);
}

char* Oli_Format_Cell(const char* kind, const void* data, int row, int field_width, int width, int decimals,
                      double factor, int underline, char* buffer)
{
    OliCLocaleScope numeric_c;
    if (!buffer) return nullptr;
    return copy_out(format_cell(kind, data, row, field_width, width, decimals, factor, underline != 0, false, false),
                    buffer);
}

// ---- options ----------------------------------------------------------------------------------------------

void Oli_Init_Table_Options(OliTableOptions* opt, int rows)
{
    if (!opt) return;
    opt->flags = 0;
    opt->row_flags = nullptr;
    if (rows > 0) {
        opt->row_flags = (int*)Mem_Realloc(nullptr, (int)(rows * sizeof(int)), 0);
        for (int i = 0; i < rows; i++) opt->row_flags[i] = 1;
    }
    opt->thick_rules = nullptr;
    opt->thin_rules = nullptr;
    opt->abscissa = -1;
}

void Oli_Free_Table_Options(OliTableOptions* opt)
{
    if (!opt || !opt->row_flags) return;
    void* p = opt->row_flags;
    Mem_Free_Null(&p);
    opt->row_flags = nullptr;
}

void Oli_Reset_Tables(void)
{
    Oli_Clear_Footnotes();
    g_tables = TableSettings();
    std::memset(g_heads, 0, sizeof g_heads);
}

// ---- the table ------------------------------------------------------------------------------------------------

namespace {

// One call of the table writer: what the caller asked for and what the steps work out from it.
struct Table {
    FILE* f = nullptr;
    int n = 0; // columns
    int m = 0; // rows
    unsigned flags = 0;
    const int* row_flags = nullptr;
    const int* thick_rules = nullptr;
    const int* thin_rules = nullptr; // per printed row
    int abscissa = -1;               // column of the x values of a diagram table
    int mark_selector = 0;

    std::vector<OliColumn> cols;
    std::vector<Kind> kinds;
    std::vector<char> sel; // rows to print
    // Per numeric column the rows whose value is underlined (first mark) or bold (second mark).
    std::vector<int> mark1a, mark1b, mark2a, mark2b;
    std::vector<double> total;
    std::vector<char> has_total;
    bool any_total = false;
    std::vector<int> w;          // print widths
    std::vector<char> continues; // the column continues the group heading of the one before
    bool any_group = false;

    bool numeric(int c) const { return kinds[c] == kNumber; }
    double value(int c, int r) const { return value_of(cols[c], r); }
};

Table new_table(FILE* f, int n, int m, const int* row_flags, const int* thick_rules, int mark_selector, unsigned flags)
{
    Table t;
    t.f = f;
    t.n = n;
    t.m = m;
    t.row_flags = row_flags;
    t.thick_rules = thick_rules;
    t.mark_selector = mark_selector;
    t.flags = flags;
    return t;
}

void set_list_flags(const Table& t)
{
    if (t.flags & OLI_TAB_NORMAL_FIRST) {
        OLI_setFlags(t.f, 896);
    } else {
        if (t.flags & OLI_TAB_LONG) OLI_setFlags(t.f, 640);
        if (t.m >= g_tables.long_rows) OLI_setFlags(t.f, 640);
    }
}

// The rows of every numeric column's least and greatest value.
void select_extremes(Table& t)
{
    for (int c = 0; c < t.n; c++) {
        if (!t.numeric(c)) continue;
        int lo = 0, hi = 0;
        for (int r = 1; r < t.m; r++) {
            double v = t.value(c, r);
            if (v < t.value(c, lo)) lo = r;
            if (v > t.value(c, hi)) hi = r;
        }
        t.sel[(size_t)lo] = t.sel[(size_t)hi] = 1;
    }
}

// The first and last row, every turning point, both rows of a change of sign and, beside an
// abscissa, both rows of a jump (the same x with two values).
void select_changes(Table& t)
{
    t.sel[0] = t.sel[(size_t)t.m - 1] = 1;
    const bool with_abscissa = t.abscissa >= 0 && t.abscissa < t.n && t.numeric(t.abscissa);
    for (int c = 0; c < t.n; c++) {
        if (!t.numeric(c)) continue;
        const int d = t.cols[c].decimals;
        for (int r = 1; r + 1 < t.m; r++) {
            double prev = t.value(c, r - 1), v = t.value(c, r), next = t.value(c, r + 1);
            double d1 = Round_To_Decimals(v - prev, d), d2 = Round_To_Decimals(next - v, d);
            if (d1 != 0.0 && d2 != 0.0 && (d1 > 0) != (d2 > 0)) t.sel[(size_t)r] = 1;
        }
        for (int r = 1; r < t.m; r++) {
            double prev = Round_To_Decimals(t.value(c, r - 1), d);
            double v = Round_To_Decimals(t.value(c, r), d);
            if (prev != 0.0 && v != 0.0 && (prev > 0) != (v > 0)) t.sel[(size_t)r] = t.sel[(size_t)r - 1] = 1;
            if (with_abscissa) {
                const OliColumn& a = t.cols[t.abscissa];
                bool same_x = is_zero(value_of(a, r) - value_of(a, r - 1), a.decimals);
                bool jump = !is_zero(t.value(c, r) - t.value(c, r - 1), d);
                if (same_x && jump) t.sel[(size_t)r] = t.sel[(size_t)r - 1] = 1;
            }
        }
    }
}

void choose_rows(Table& t)
{
    t.sel.assign((size_t)t.m, 0);
    if (t.flags & (OLI_TAB_CHOOSE_ROWS | OLI_TAB_EXTREME_ROWS)) select_extremes(t);
    if (t.flags & OLI_TAB_CHOOSE_ROWS) select_changes(t);
    if (!(t.flags & (OLI_TAB_CHOOSE_ROWS | OLI_TAB_EXTREME_ROWS)))
        for (int r = 0; r < t.m; r++) t.sel[(size_t)r] = 1;
    if (t.row_flags)
        for (int r = 0; r < t.m; r++)
            if (t.row_flags[r] == 0) t.sel[(size_t)r] = 0;
}

// The row(s) a mark mode picks among the printed rows of column c.
void pick_mark(const Table& t, int c, int mode, int* a, int* b)
{
    if (mode == 0) return;
    const double factor = t.cols[c].factor;
    int best_max = -1, best_min = -1, mag_max = -1, mag_min = -1;
    for (int r = 0; r < t.m; r++) {
        if (!t.sel[(size_t)r]) continue;
        double raw = t.value(c, r);
        if (ignored_for_marks(raw)) continue;
        double v = raw * factor;
        if (best_max < 0 || v > t.value(c, best_max) * factor) best_max = r;
        if (best_min < 0 || v < t.value(c, best_min) * factor) best_min = r;
        if (mag_max < 0 || std::fabs(v) > std::fabs(t.value(c, mag_max) * factor)) mag_max = r;
        if (mag_min < 0 || std::fabs(v) < std::fabs(t.value(c, mag_min) * factor)) mag_min = r;
    }
    switch (mode) {
        case 2: *a = mag_max; break;
        case 3:
            *a = mag_min;
            *b = mag_max;
            break;
        case -1: *a = best_min; break;
        case -2: *a = mag_min; break;
        default: *a = best_max; break; // 1 and every value outside -2..3
    }
}

// The sum over all rows, printed or not; "not determinable" (2e100) makes the whole sum so.
double column_total(const Table& t, int c)
{
    double sum = 0.0;
    for (int r = 0; r < t.m; r++) {
        double v = t.value(c, r) * t.cols[c].factor;
        if (is_zero(v - 2e100, 3)) return 2e100;
        if (is_zero(v + 2e100, 3) || is_zero(v + 3e100, 3) || is_zero(v - 3e100, 3)) continue;
        sum += v;
    }
    return sum;
}

void marks_and_totals(Table& t)
{
    t.mark1a.assign(t.n, -1);
    t.mark1b.assign(t.n, -1);
    t.mark2a.assign(t.n, -1);
    t.mark2b.assign(t.n, -1);
    t.total.assign(t.n, OLI_NO_VALUE);
    t.has_total.assign(t.n, 0);
    for (int c = 0; c < t.n; c++) {
        if (!t.numeric(c)) continue;
        pick_mark(t, c, t.cols[c].first_mark, &t.mark1a[c], &t.mark1b[c]);
        pick_mark(t, c, t.cols[c].second_mark, &t.mark2a[c], &t.mark2b[c]);
        if (t.cols[c].totals) {
            t.any_total = true;
            t.has_total[c] = 1;
            t.total[c] = column_total(t, c);
        }
    }
}

// A column is as wide as asked, its title, its unit, its widest printed number (on request) and
// the footnote marker need.
int print_width(const Table& t, int c, int wm)
{
    const OliColumn& col = t.cols[c];
    int width = col.width;
    if (!(t.flags & OLI_TAB_NO_TITLE_WIDTH)) {
        int title = Oli_Display_Width(printed_title(col)) + (c > 0 ? 1 : 0);
        if (title > width) width = title;
        std::string unit = unit_text(col);
        int u = unit.empty() ? 1 : Oli_Display_Width(unit.c_str()) + 1;
        if (u > width) width = u;
    }
    if ((t.flags & OLI_TAB_FIT_NUMBERS) && t.numeric(c)) {
        int best = -1;
        for (int r = 0; r < t.m; r++) {
            if (!t.sel[(size_t)r] || sentinel_of(t.value(c, r)) >= 0) continue;
            if (best < 0 || std::fabs(t.value(c, r)) > std::fabs(t.value(c, best))) best = r;
        }
        if (best >= 0) {
            std::string s = format_number(t.value(c, best) * col.factor, col.decimals, col.width);
            size_t first = s.find_first_not_of(' ');
            s = first == std::string::npos ? "" : s.substr(first);
            int bound = Oli_Display_Width(s.c_str()) + 1;
            if (bound > width) width = bound;
        }
    }
    if (col.footnote_keys && g_note_count > 0) width += wm;
    return width;
}

void print_widths(Table& t)
{
    const int wm = widest_marker();
    t.w.assign(t.n, 0);
    for (int c = 0; c < t.n; c++) t.w[c] = print_width(t, c, wm);
}

// Groups: a column opens one, the following "=" columns continue it.
void find_groups(Table& t)
{
    t.continues.assign(t.n, 0);
    bool in_group = false;
    for (int c = 0; c < t.n; c++) {
        const char* g = t.cols[c].group_heading;
        if (g[0] == '=' && in_group) {
            t.continues[c] = 1;
        } else if (g[0] != '\0' && g[0] != '=') {
            in_group = true;
            t.any_group = true;
        } else {
            in_group = false;
        }
    }
}

// Lays out the group, title and unit heading rows into g_heads.
void build_heads(const Table& t)
{
    std::vector<int> start(t.n);
    for (int c = 0, s = 0; c < t.n; c++) {
        start[c] = s;
        s += t.w[c] + 1;
    }
    RowBuilder group_row, title_row, unit_row;
    for (int c = 0; c < t.n; c++) {
        const OliColumn& col = t.cols[c];
        const int seg = cap_start(start[c]);
        if (t.any_group && !t.continues[c]) {
            const char* g = col.group_heading;
            if (g[0] != '\0' && g[0] != '=') {
                int span = t.w[c] + 1;
                for (int k = c + 1; k < t.n && t.continues[k]; k++) span += t.w[k] + 1;
                int off = round_half_away((span - Oli_Display_Width(g)) / 2.0);
                group_row.place(seg + off, g);
            } else {
                group_row.place(seg, "");
            }
        }
        const std::string title = printed_title(col);
        int off;
        if (col.title[0] == '-')
            off = 1;
        else if (col.title[0] == '+')
            off = t.w[c] - Oli_Display_Width(title.c_str());
        else
            off = centred_offset(title, t.w[c], col.decimals, t.numeric(c));
        title_row.place(seg + off, title);
        const std::string unit = unit_text(col);
        unit_row.place(seg + centred_offset(unit, t.w[c], col.decimals, t.numeric(c)), unit);
    }
    group_row.store(g_heads[0]);
    title_row.store(g_heads[1]);
    unit_row.store(g_heads[2]);
}

// The "#SHOWTABLE" record up to the column head lines: the caller's head lines, the head shape,
// the column borders and the heading rows.
void write_head(const Table& t, const int* title_counts, char** title_lines)
{
    FILE* f = t.f;
    if (!(t.flags & OLI_TAB_NO_Y_MOVES)) OLI_setYPositionCM(f, 1, 0.1f);
    if (title_counts && title_lines) {
        int counts[3];
        for (int i = 0; i < 3; i++) counts[i] = title_counts[i] > 0 ? title_counts[i] : 0;
        File_Printf(f, OLI_REC_SHOWTABLE "\n %d %d %d\n", title_counts[0], title_counts[1], title_counts[2]);
        for (int i = 0; i < counts[0] + counts[1] + counts[2]; i++)
            File_Printf(f, " %s\n", title_lines[i] ? title_lines[i] : "");
    } else {
        File_Printf(f, OLI_REC_SHOWTABLE "\n 0 0 0\n");
    }
    const int head_rows = t.any_group ? 2 : 1;
    File_Printf(f, (t.flags & OLI_TAB_NO_UNITS) ? " %d 0 -1 -1 %d" : " %d 1 -1 -1 %d", head_rows, t.n - 1);
    if (t.flags & OLI_TAB_EXTRA_LINE) File_Printf(f, " 0 0 0 0 0 0 0 %d", 2);
    File_Printf(f, "\n");
    if (t.n > 1) {
        double previous = 0.0, position = 0.0;
        for (int c = 0; c < t.n - 1; c++) {
            position += t.w[c] + 1;
            if (!t.continues[c + 1]) previous = position;
            File_Printf(f, " %f", previous);
        }
        File_Printf(f, "\n");
    }
    if (t.any_group) File_Printf(f, " %s\n", g_heads[0]);
    File_Printf(f, " %s\n", g_heads[1]);
    if (!(t.flags & OLI_TAB_NO_UNITS)) File_Printf(f, " %s\n", g_heads[2]);
}

// The greatest and least magnitude of the whole table and how the mark selector shows them.
struct SelectorMarks {
    int big_c = -1, big_r = -1, small_c = -1, small_r = -1;
    bool bold_big = false, bold_small = false, ul_big = false, ul_small = false;
};

SelectorMarks selector_marks(const Table& t)
{
    SelectorMarks s;
    for (int c = 0; c < t.n; c++) {
        if (!t.numeric(c)) continue;
        const double factor = t.cols[c].factor;
        for (int r = 0; r < t.m; r++) {
            if (!t.sel[(size_t)r]) continue;
            double raw = t.value(c, r);
            if (sentinel_of(raw) >= 0) continue;
            double a = std::fabs(raw * factor);
            if (s.big_c < 0 || a > std::fabs(t.value(s.big_c, s.big_r) * t.cols[s.big_c].factor))
                s.big_c = c, s.big_r = r;
            if (s.small_c < 0 || a < std::fabs(t.value(s.small_c, s.small_r) * t.cols[s.small_c].factor))
                s.small_c = c, s.small_r = r;
        }
    }
    const int sel = t.mark_selector;
    if (sel == 999)
        s.bold_big = true;
    else if (sel == -999)
        s.bold_small = true;
    else if (sel == 999999)
        s.bold_big = s.bold_small = true;
    else if (sel == 9999)
        s.ul_big = s.ul_small = true;
    else if (sel > t.n)
        s.ul_big = true;
    else if (sel < -t.n)
        s.ul_small = true;
    return s;
}

// The printed rows in print order, without the all-zero rows when these are to be skipped.
std::vector<int> printed_rows(const Table& t)
{
    std::vector<int> order;
    for (int i = 0; i < t.m; i++) {
        int r = (t.flags & OLI_TAB_REVERSE) ? t.m - 1 - i : i;
        if (!t.sel[(size_t)r]) continue;
        if (t.flags & OLI_TAB_SKIP_ZERO_ROWS) {
            bool any_numeric = false, all_zero = true;
            for (int c = 0; c < t.n; c++) {
                if (!t.numeric(c)) continue;
                any_numeric = true;
                if (!is_zero(std::fabs(t.value(c, r)), t.cols[c].decimals)) all_zero = false;
            }
            if (any_numeric && all_zero) continue;
        }
        order.push_back(r);
    }
    return order;
}

void write_row(const Table& t, const SelectorMarks& s, int r)
{
    char cell[OLI_CELL_SIZE];
    for (int c = 0; c < t.n; c++) {
        const OliColumn& col = t.cols[c];
        const bool row_bold = col.bold_rows && col.bold_rows[r];
        bool underline = false, bold = row_bold;
        if (t.numeric(c)) {
            underline = r == t.mark1a[c] || r == t.mark1b[c] || (s.ul_big && c == s.big_c && r == s.big_r) ||
                        (s.ul_small && c == s.small_c && r == s.small_r);
            bold = bold || r == t.mark2a[c] || r == t.mark2b[c] || (s.bold_big && c == s.big_c && r == s.big_r) ||
                   (s.bold_small && c == s.small_c && r == s.small_r);
        }
        const int* key = col.footnote_keys ? &col.footnote_keys[r] : nullptr;
        const void* data = col.data;
        int row = r;
        if ((t.kinds[c] == kNumber || t.kinds[c] == kGew) && col.stride > 0 && col.data) {
            data = element(col, r, 0);
            row = 0;
        }
        Oli_Format_Table_Cell(col.kind, data, row, t.w[c], col.width, col.decimals, col.factor, underline, bold, cell,
                              key);
        File_Printf(t.f, "%s", cell);
    }
}

void write_rows(const Table& t)
{
    const SelectorMarks s = selector_marks(t);
    const std::vector<int> order = printed_rows(t);
    for (size_t p = 0; p < order.size(); p++) {
        const int r = order[p];
        write_row(t, s, r);
        if (t.thin_rules && t.thin_rules[p]) {
            File_Printf(t.f, "\n");
            rule(t.f, 0.5, 0.5);
        }
        if (t.thick_rules && t.thick_rules[r] && p + 1 != order.size()) {
            File_Printf(t.f, "\n");
            rule(t.f, 1.0, 1.0);
        }
        File_Printf(t.f, "\n");
    }
}

// The totals row under a rule; the first column without a total carries the sum sign.
void write_totals(const Table& t)
{
    if (!t.any_total) return;
    for (int c = 0; c < t.n; c++) {
        std::string s;
        if (!t.has_total[c]) {
            s = blanks(t.w[c]);
            if (c == 0 && t.w[c] > 0) {
                size_t at = t.kinds[c] == kZz ? (size_t)t.w[c] - 1 : (t.w[c] > 1 ? 1 : 0);
                s[at] = '\xB2';
            }
        } else if (is_zero(t.total[c] - 2e100, 3)) {
            s = right_align("n.e.", t.w[c]);
        } else {
            s = format_number(t.total[c], t.cols[c].decimals, t.w[c]);
        }
        File_Printf(t.f, " %s", s.c_str());
    }
    rule(t.f, 0.0, 0.0);
    File_Printf(t.f, "\n");
}

// The explanations of the footnote markers the table used, then the caller's notes.
void write_footnotes(FILE* f, int note_count, char** notes)
{
    if (g_note_count > 0) {
        float saved = Oli_Get_Left_Margin();
        OLI_reserveSpaceCM(f, (float)(g_note_count * 0.286));
        OLI_setYPositionCM(f, 1, -0.114f);
        for (int i = 0; i < g_note_count; i++)
            if (g_notes[i].uses > 0)
                Oli_Text_Block(f,
                               "\xCE/%s\xCE"
                               "r %s",
                               g_notes[i].marker, g_notes[i].explanation);
        OLI_setYPositionCM(f, 1, 0.228f);
        Oli_Set_Left_Margin(f, saved);
    }
    if (note_count > 0 && notes) {
        OLI_reserveSpaceCM(f, (float)(note_count * 0.286));
        OLI_setYPositionCM(f, 1, -0.19f);
        for (int i = 0; i < note_count; i++) Oli_Text_Block(f, "%s", notes[i] ? notes[i] : "");
        OLI_setYPositionCM(f, 1, 0.19f);
    }
}

void write_table(Table& t, const OliColumn* columns, const int* title_counts, char** title_lines, int note_count,
                 char** notes)
{
    OliCLocaleScope numeric_c;
    if (!t.f || t.n < 1 || t.m < 1 || !columns) {
        if (t.f && (t.flags & OLI_TAB_LONG)) OLI_setFlags(t.f, 896);
        return;
    }
    if (t.n > g_tables.allocated) {
        Msg_Set_Output_Mode(0);
        Kov_Fatal_Stop(kTooFewColumns);
    }
    t.cols.assign(columns, columns + t.n);
    t.kinds.resize(t.n);
    for (int c = 0; c < t.n; c++) t.kinds[c] = kind_of(t.cols[c].kind);

    set_list_flags(t);
    choose_rows(t);
    marks_and_totals(t);
    print_widths(t);
    find_groups(t);
    build_heads(t);
    write_head(t, title_counts, title_lines);
    write_rows(t);
    write_totals(t);
    File_Printf(t.f, OLI_REC_END_OF_TEXT "\n");
    if (!(t.flags & OLI_TAB_NO_Y_MOVES)) OLI_setYPositionCM(t.f, 1, -0.4f);
    write_footnotes(t.f, note_count, notes);
    if (t.flags & OLI_TAB_LONG) OLI_setFlags(t.f, 896);
}

} // namespace

void OliTabelle(FILE* f, int n, int m, const OliColumn* columns, const int* row_flags, const int* thick_rules,
                int mark_selector, unsigned flags, const int* title_counts, char** title_lines, int note_count,
                char** notes)
{
    Table t = new_table(f, n, m, row_flags, thick_rules, mark_selector, flags);
    write_table(t, columns, title_counts, title_lines, note_count, notes);
}

void Oli_Table_With_Options(FILE* f, int rows, int ncols, const OliColumn* columns, const OliTableOptions* opt)
{
    OliTableOptions defaults;
    const OliTableOptions* o = opt;
    if (!o) {
        Oli_Init_Table_Options(&defaults, rows);
        o = &defaults;
    }
    const int counts[3] = {0, 0, 0};
    Table t = new_table(f, ncols, rows, o->row_flags, o->thick_rules, 0, o->flags);
    t.thin_rules = o->thin_rules;
    t.abscissa = o->abscissa;
    write_table(t, columns, counts, nullptr, 0, nullptr);
    if (!opt) Oli_Free_Table_Options(&defaults);
}
