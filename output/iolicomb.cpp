// The load-combination table: each combination as a sum of factored load
// cases, cases of equal factors grouped in parentheses.
#include "output/ioliins.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/kovmem.h"
#include "platform/kovhost.h"
#include "platform/kovoli.h"

namespace {

std::vector<std::string> g_texts; // the texts of the last table
int g_text_length = 0;            // their common length

const int kNameMax = 30;

// The raised dot between a factor and its load cases.
const char* const kTimes = "\xCE/.\xCE"
                           "r";

std::string factor_text(double v)
{
    char buf[KOV_FORMAT_NUMBER_MAX];
    formatNumber(v, KOV_FORMAT_COMPACT, 20, 5, 2, buf);
    return buf;
}

std::string drop_last_plus(std::string s)
{
    if (!s.empty() && s.back() == '+') s.pop_back();
    return s;
}

std::string combination_text(const OliLoadCombinations& c, const OliLoadCombination& k)
{
    const int n = c.load_count;
    std::vector<char> written((size_t)(n > 0 ? n : 0), 0);
    std::string s;
    for (int j = 0; j < n; ++j) {
        const double a = k.first[j], b = k.second[j];
        if (written[(size_t)j] || a == 0.0 || b == 0.0 || c.load_numbers[j] == -1) continue;
        std::vector<int> group(1, j);
        for (int m = j + 1; m < n; ++m)
            if (!written[(size_t)m] && c.load_numbers[m] != -1 && k.first[m] == a && k.second[m] == b)
                group.push_back(m);
        bool factor = false;
        if (a != 1.0) {
            s += factor_text(a) + kTimes;
            factor = true;
        }
        if (b != 1.0) {
            s += factor_text(b) + kTimes;
            factor = true;
        }
        const bool parens = group.size() > 1 && factor;
        if (parens) s += "(";
        std::string cases;
        for (int m : group) {
            written[(size_t)m] = 1;
            const char* name = c.load_name ? c.load_name(m) : nullptr;
            if (c.load_name)
                cases += std::string(name ? name : "") + "+";
            else
                cases += "Lf" + std::to_string(c.load_numbers[m]) + "+";
        }
        s += drop_last_plus(cases);
        if (parens) s += ")";
        s += "+";
    }
    return drop_last_plus(s);
}

// Texts of kNameMax characters at most, one per combination, in a block of
// rows of stride bytes for a "TXT" column.
char* text_block(const std::vector<std::string>& texts, int stride)
{
    char* block = (char*)Mem_Realloc(nullptr, (int)(texts.size() * (size_t)stride) + 1, 1);
    for (size_t i = 0; i < texts.size(); ++i)
        std::memcpy(block + i * (size_t)stride, texts[i].data(),
                    texts[i].size() < (size_t)stride ? texts[i].size() : (size_t)stride);
    return block;
}

// Column width of texts: the widest + 1. The table's text cells count the
// mark-up bytes (the raised dots) against the field, so the field holds the
// whole text in bytes: a combination is never cut short.
int widest_plus_one(const std::vector<std::string>& texts, int at_least)
{
    int w = 0;
    for (const std::string& t : texts) {
        const int n = (int)t.size() > MT_String_Length(t.c_str()) ? (int)t.size() : MT_String_Length(t.c_str());
        if (n > w) w = n;
    }
    w += 1;
    return w < at_least ? at_least : w;
}

void set_text_column(OliColumn& col, const char* title, int width, int length, void* data)
{
    std::snprintf(col.title, sizeof col.title, "%s", title);
    std::snprintf(col.kind, sizeof col.kind, "%s", "TXT");
    col.width = width;
    col.decimals = length;
    col.data = data;
}

void release(void* p)
{
    if (p) Mem_Free_Null(&p);
}

} // namespace

void Oli_Comb_Init(int load_count, int comb_count, OliLoadCombinations* c)
{
    if (!c) return;
    if (load_count < 0) load_count = 0;
    if (comb_count < 0) comb_count = 0;
    std::memset(c, 0, sizeof *c);
    c->table_style = 0;
    c->hide_names = 1;
    c->hide_situations = 0;
    c->load_count = load_count;
    c->comb_count = comb_count;
    if (load_count > 0) {
        c->load_numbers = (int*)Mem_Realloc(nullptr, (int)(load_count * sizeof(int)), 1);
        for (int j = 0; j < load_count; ++j) c->load_numbers[j] = j + 1;
    }
    if (comb_count > 0) {
        c->combs = (OliLoadCombination*)Mem_Realloc(nullptr, (int)(comb_count * sizeof(OliLoadCombination)), 1);
        for (int i = 0; i < comb_count; ++i) {
            OliLoadCombination& k = c->combs[i];
            k.name = nullptr;
            k.situation = 0;
            if (load_count > 0) {
                k.first = (double*)Mem_Realloc(nullptr, (int)(load_count * sizeof(double)), 1);
                k.second = (double*)Mem_Realloc(nullptr, (int)(load_count * sizeof(double)), 1);
                for (int j = 0; j < load_count; ++j) k.first[j] = k.second[j] = 1.0;
            }
        }
    }
}

void Oli_Comb_Free(OliLoadCombinations* c)
{
    if (!c) return;
    for (int i = 0; c->combs && i < c->comb_count; ++i) {
        release(c->combs[i].first);
        release(c->combs[i].second);
    }
    release(c->combs);
    release(c->load_numbers);
    c->combs = nullptr;
    c->load_numbers = nullptr;
    c->load_count = 0;
    c->comb_count = 0;
    c->situation_text = nullptr;
    c->load_name = nullptr;
}

void Oli_Load_Combination_Table(FILE* f, OliLoadCombinations* c)
{
    if (!c) return;
    const int rows = c->combs ? c->comb_count : 0;
    g_texts.clear();
    int longest = 0;
    for (int i = 0; i < rows; ++i) {
        g_texts.push_back(c->load_numbers ? combination_text(*c, c->combs[i]) : std::string());
        if ((int)g_texts.back().size() > longest) longest = (int)g_texts.back().size();
    }
    g_text_length = longest < 10 ? 10 : longest;
    const int text_width = widest_plus_one(g_texts, 10);

    std::vector<std::string> names, situations;
    if (!c->hide_names)
        for (int i = 0; i < rows; ++i)
            names.push_back(std::string(c->combs[i].name ? c->combs[i].name : "???").substr(0, kNameMax));
    if (!c->hide_situations)
        for (int i = 0; i < rows; ++i) {
            const char* s = c->situation_text ? c->situation_text(c->combs[i].situation) : nullptr;
            situations.push_back(std::string(s ? s : "???").substr(0, kNameMax));
        }
    if (!f) return;

    if (rows > 10) OLI_setFlags(f, 640);
    OliColumn* cols = nullptr;
    Oli_Alloc_Columns(7, &cols);
    int n = 0;
    std::snprintf(cols[n].title, sizeof cols[n].title, "%s", "LK");
    std::snprintf(cols[n].kind, sizeof cols[n].kind, "%s", "ZZ");
    cols[n].width = 3;
    ++n;
    // A text column reads its rows at a stride of the larger of width and length.
    std::vector<void*> blocks;
    auto add_texts = [&](const char* title, const std::vector<std::string>& texts, int width, int length) {
        const int stride = width > length ? width : length;
        char* block = text_block(texts, stride);
        blocks.push_back(block);
        set_text_column(cols[n++], title, width, length, block);
    };
    if (!c->hide_names) add_texts("Bezeichnung", names, widest_plus_one(names, 0), kNameMax);
    if (!c->hide_situations) add_texts("Bemessungssit.", situations, widest_plus_one(situations, 0), kNameMax);
    add_texts("Faktorisierung", g_texts, text_width, g_text_length);

    OliTabelle(f, n, rows, cols, nullptr, nullptr, 0, c->table_style ? 9u : 1u, nullptr, nullptr, 0, nullptr);

    for (void* b : blocks) release(b);
    release(cols);
    OLI_setFlags(f, 896);
}

const char* Oli_Comb_Text(int index)
{
    if (index < 0 || index >= (int)g_texts.size()) return "???";
    return g_texts[(size_t)index].c_str();
}

int Oli_Comb_Text_Count(void) { return (int)g_texts.size(); }

void Oli_Reset_Comb_Texts(void)
{
    g_texts.clear();
    g_text_length = 0;
}
