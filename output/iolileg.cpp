// The symbol legend of a verification page, its literature list and the
// column lines (paragraph cells at tab stops) that the two-column legend uses.
#include "output/ioliins.h"
#include "output/olilocale.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "base/kovnum.h"
#include "output/iolipara.h"
#include "platform/kovoli.h"

namespace {

enum {
    kSymbolMax = 25,       // characters of a symbol
    kDescriptionMax = 200, // characters of a description or a source
    kLineMax = 235,        // characters of a formatted legend line
    kCellMax = 255         // characters of a column cell
};

struct LegendEntry {
    char symbol[kSymbolMax + 1];
    char description[kDescriptionMax + 1];
    char line[kLineMax + 1];
};

struct LiteratureEntry {
    char text[kDescriptionMax + 1];
};

// A growing array of plain records on the counted allocator.
template <typename T> struct Grown {
    T* items = nullptr;
    int capacity = 0;
    T* slot(int index)
    {
        if (index >= capacity) {
            const int cap = capacity ? capacity * 2 : 16;
            items = (T*)Mem_Realloc(items, (int)(cap * sizeof(T)), 0);
            capacity = cap;
        }
        return &items[index];
    }
    void release()
    {
        void* p = items;
        if (p) Mem_Free_Null(&p);
        items = nullptr;
        capacity = 0;
    }
};

Grown<LegendEntry> g_legend;
int g_legend_count = 0;
int g_legend_saved = 0;

Grown<LiteratureEntry> g_literature;
int g_literature_count = 0;

struct ColumnLines {
    int font = 7;
    int count = 0;
    int current = -1;
    int active = 0;
    int pending_end = 0;
    int first_at_margin = 0;
    std::vector<double> tabs; // the tab stops of the layout in force
};
ColumnLines g_columns;

std::string vformat(const char* fmt, va_list ap)
{
    OliCLocaleScope numeric_c;
    if (!fmt) return std::string();
    char buf[1024];
    if (vsnprintf(buf, sizeof buf, fmt, ap) < 0) return std::string();
    return buf;
}

std::string format_int(const char* fmt, int n)
{
    OliCLocaleScope numeric_c;
    if (!fmt) return std::string();
    char buf[1024];
    if (std::snprintf(buf, sizeof buf, fmt, n) < 0) return std::string();
    return buf;
}

// A format without arguments as its text: "%%" is a per cent sign, any other
// '%' stands as it is (nothing is read from missing arguments).
std::string format_plain(const char* fmt)
{
    std::string s;
    for (const char* p = fmt ? fmt : ""; *p; ++p) {
        s += *p;
        if (p[0] == '%' && p[1] == '%') ++p;
    }
    return s;
}

void copy_cut(char* dst, size_t size, const std::string& s) { std::snprintf(dst, size, "%s", s.c_str()); }

int find_symbol(const char* symbol)
{
    char cut[kSymbolMax + 1];
    copy_cut(cut, sizeof cut, symbol ? symbol : "");
    for (int i = 0; i < g_legend_count; ++i)
        if (std::strcmp(g_legend.items[i].symbol, cut) == 0) return i;
    return -1;
}

// Adds the symbol (a text) with its description already filled in.
int legend_add(const char* symbol, const std::string& description)
{
    if (find_symbol(symbol) >= 0) return 0;
    LegendEntry* e = g_legend.slot(g_legend_count);
    copy_cut(e->symbol, sizeof e->symbol, symbol ? symbol : "");
    copy_cut(e->description, sizeof e->description, description);
    copy_cut(e->line, sizeof e->line,
             std::string(symbol ? symbol : "") +
                 "\xCE"
                 "r - " +
                 description +
                 "\xCE"
                 "r");
    g_legend_count++;
    return (int)std::strlen(e->line);
}

int round_half_away(double v) { return (int)(v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5)); }

// The legend lines packed into output lines of the text width.
std::vector<std::string> packed_lines()
{
    const double w = Oli_Get_Text_Width();
    const int e = w != 0.0 ? round_half_away((w - Oli_Get_Left_Margin()) * 160.0 / w) : 160;
    std::vector<std::string> out;
    std::string line;
    int sum = 0;
    for (int i = 0; i < g_legend_count; ++i) {
        const std::string entry = g_legend.items[i].line;
        const int len = (int)entry.size();
        if (sum > 0 && sum + len > e) {
            out.push_back(line.substr(0, line.size() - 3));
            line.clear();
            sum = 0;
        }
        line += entry + "     ";
        sum += len;
    }
    if (!line.empty()) out.push_back(line.substr(0, line.size() - 3));
    return out;
}

void apply_tabs()
{
    Oli_Para_Set_Font(g_columns.font);
    if (!g_columns.tabs.empty()) Oli_Para_Set_Tabs(2, nullptr, g_columns.tabs.data(), (int)g_columns.tabs.size());
}

void reset_columns()
{
    g_columns.count = 0;
    g_columns.current = -1;
    g_columns.active = 0;
    g_columns.pending_end = 0;
    g_columns.first_at_margin = 0;
    g_columns.tabs.clear();
}

} // namespace

// ---- legend -------------------------------------------------------------------------

void Oli_Legend_Clear(void) { g_legend_count = 0; }

int Oli_Legend_Add(const char* symbol, const char* description_fmt, ...)
{
    if (find_symbol(symbol) >= 0) return 0;
    va_list ap;
    va_start(ap, description_fmt);
    const std::string description = vformat(description_fmt, ap);
    va_end(ap);
    return legend_add(symbol, description);
}

int Oli_Legend_Add_Number(const char* symbol_fmt, const char* description_fmt, int n)
{
    const std::string symbol = format_int(symbol_fmt, n);
    if (find_symbol(symbol.c_str()) >= 0) return 0;
    return legend_add(symbol.c_str(), format_int(description_fmt, n));
}

int Oli_Legend_Add_Source(const char* symbol_fmt, const char* description_fmt, const char* source)
{
    const std::string symbol = format_plain(symbol_fmt);
    const int k = Oli_Literature_Add(source);
    return legend_add(symbol.c_str(), format_int(description_fmt, k));
}

int Oli_Legend_Add_Number_Source(const char* symbol_fmt, const char* description_fmt, int n, const char* source)
{
    const std::string symbol = format_int(symbol_fmt, n);
    const int k = Oli_Literature_Add(source);
    return legend_add(symbol.c_str(), format_int(description_fmt, k));
}

int Oli_Legend_Count(void) { return g_legend_count; }
void Oli_Legend_Save(void) { g_legend_saved = g_legend_count; }
void Oli_Legend_Restore(void) { g_legend_count = g_legend_saved; }

void Oli_Legend_Drop(int n)
{
    g_legend_count -= n;
    if (g_legend_count < 0) g_legend_count = 0;
}

const char* Oli_Legend_Symbol(int i) { return i >= 0 && i < g_legend_count ? g_legend.items[i].symbol : nullptr; }
const char* Oli_Legend_Line(int i) { return i >= 0 && i < g_legend_count ? g_legend.items[i].line : nullptr; }

void Oli_Legend_Print(FILE* f)
{
    if (!f || g_legend_count < 1) return;
    const std::vector<std::string> lines = packed_lines();
    OLI_setYPositionCM(f, 1, 0.1f);
    for (const std::string& l : lines) Oli_Text_Block(f, "%s", l.c_str());
    OLI_setYPositionCM(f, 1, 0.4f);
}

void Oli_Legend_Print_Columns(FILE* f)
{
    if (!f || g_legend_count < 1) return;
    OLI_setYPositionCM(f, 1, 0.1f);
    int widest = 0;
    for (int i = 0; i < g_legend_count; ++i) {
        const int w = MT_String_Length(g_legend.items[i].symbol);
        if (w > widest) widest = w;
    }
    Oli_Set_Column_Font(3);
    Oli_Columns_2(0.0, widest + 1);
    for (int i = 0; i < g_legend_count; ++i) {
        Oli_Column_Printf(f, "%s", g_legend.items[i].symbol);
        Oli_Column_Printf(f, "%s", g_legend.items[i].description);
    }
    Oli_Columns_End(f);
}

// ---- literature ------------------------------------------------------------------------

void Oli_Literature_Clear(void) { g_literature_count = 0; }

int Oli_Literature_Add(const char* text)
{
    char cut[kDescriptionMax + 1];
    copy_cut(cut, sizeof cut, text ? text : "");
    for (int i = 0; i < g_literature_count; ++i)
        if (std::strcmp(g_literature.items[i].text, cut) == 0) return i + 1;
    std::memcpy(g_literature.slot(g_literature_count)->text, cut, sizeof cut);
    return ++g_literature_count;
}

int Oli_Literature_Count(void) { return g_literature_count; }

void Oli_Literature_Print(FILE* f)
{
    if (!f || g_literature_count < 1) return;
    File_Printf(f, "#SHOWTABLE\n 0 1 %d\n Literatur und Normen:\n", g_literature_count);
    for (int i = 0; i < g_literature_count; ++i) File_Printf(f, "  [%d] %s\n", i + 1, g_literature.items[i].text);
    File_Printf(f, "0 0 -1 -1\n");
    File_Printf(f, "#END_OF_TEXT\n");
}

// ---- column lines -----------------------------------------------------------------------

void Oli_Set_Column_Font(int font) { g_columns.font = font; }
int Oli_Get_Column_Font(void) { return g_columns.font; }

void Oli_Columns_Set(int n, const double* positions)
{
    Oli_Para_Set_Font(g_columns.font);
    if (n < 1 || !positions) {
        // No layout: nothing to set a cell in.
        reset_columns();
        return;
    }
    std::vector<double> tabs;
    int at_margin = 0;
    if (Round_To_Decimals(positions[0], 2) != 0.0) {
        tabs.assign(positions, positions + n);
    } else {
        tabs.assign(positions + 1, positions + n);
        at_margin = 1;
    }
    const int was_active = g_columns.active;
    g_columns.tabs = tabs;
    g_columns.first_at_margin = at_margin;
    apply_tabs();
    if (was_active) g_columns.pending_end = 1;
    g_columns.active = 1;
    g_columns.current = 0;
    g_columns.count = n;
}

int Oli_Columns_2(double a, double b)
{
    const int was = g_columns.active;
    const double p[2] = {a, b};
    Oli_Columns_Set(2, p);
    return was;
}

int Oli_Columns_3(double a, double b, double c)
{
    const int was = g_columns.active;
    const double p[3] = {a, b, c};
    Oli_Columns_Set(3, p);
    return was;
}

void Oli_Column_Printf(FILE* f, const char* fmt, ...)
{
    if (!g_columns.active) return;
    if (g_columns.pending_end) {
        // A layout set while another was in force: the old paragraph ends here
        // and this cell opens the new layout's first line.
        Oli_Para_End(f);
        g_columns.pending_end = 0;
        g_columns.current = 0;
        apply_tabs();
    }
    va_list ap;
    va_start(ap, fmt);
    std::string text = vformat(fmt, ap);
    va_end(ap);
    if (text.size() > kCellMax) text.resize(kCellMax);
    Oli_Para_Set_Font(g_columns.font);
    const bool last = g_columns.current >= g_columns.count - 1;
    if (g_columns.current == 0 && g_columns.first_at_margin)
        Oli_Para_Printf(f, "%s", text.c_str());
    else
        Oli_Para_Printf(f, "\t%s", text.c_str());
    if (last) Oli_Para_Printf(f, "\n");
    g_columns.current = last ? 0 : g_columns.current + 1;
}

void Oli_Columns_End(FILE* f)
{
    Oli_Para_End(f);
    reset_columns();
}

void Oli_Reset_Legend(void)
{
    g_legend.release();
    g_legend_count = 0;
    g_legend_saved = 0;
    g_literature.release();
    g_literature_count = 0;
    reset_columns();
    g_columns.font = 7;
}
