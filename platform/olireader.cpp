// Reader of output lists and plot files for the host's list viewer and printer.
#include "platform/olireader.h"

#include "platform/kovcp.h"
#include "platform/kovpath.h"
#include "platform/olirecords.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>

namespace {

// ---- small text helpers ---------------------------------------------------

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string trim(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && is_blank(s[a])) ++a;
    while (b > a && is_blank(s[b - 1])) --b;
    return s.substr(a, b - a);
}

bool starts_with(const std::string& s, const char* p) { return s.compare(0, std::strlen(p), p) == 0; }

// A number with a decimal point whatever the locale; false when there is none.
bool parse_double(const std::string& tok, double* out)
{
    if (tok.empty()) return false;
    const char* b = tok.data();
    const char* e = b + tok.size();
    if (*b == '+') ++b;
    double v = 0;
    auto r = std::from_chars(b, e, v);
    if (r.ec != std::errc() || r.ptr != e) {
        // "0." and "1.2" are fine for from_chars; accept a trailing point too.
        if (r.ec == std::errc() && r.ptr + 1 == e && *r.ptr == '.') {
            *out = v;
            return true;
        }
        return false;
    }
    if (!std::isfinite(v)) return false;
    *out = v;
    return true;
}

bool parse_int(const std::string& tok, long* out)
{
    double d;
    if (tok.size() > 2 && tok[0] == '0' && (tok[1] == 'x' || tok[1] == 'X')) {
        unsigned long v = 0;
        auto r = std::from_chars(tok.data() + 2, tok.data() + tok.size(), v, 16);
        if (r.ec != std::errc() || r.ptr != tok.data() + tok.size()) return false;
        *out = long(v & 0xFFFFFFFFul);
        return true;
    }
    if (!parse_double(tok, &d) || d != std::floor(d) || std::fabs(d) > 2147483647.0) return false;
    *out = long(d);
    return true;
}

// A number of a file as an int: a value outside the range of int (1e20 in a
// damaged file) cannot be converted at all and gives the fallback.
int int_of(double d, int fallback = 0)
{
    if (!(d >= double(INT_MIN) && d <= double(INT_MAX))) return fallback;
    return int(d);
}

// Tokens of a line: words separated by blanks, a «...» string is one token
// (kept with its guillemets so the caller can tell it apart).
std::vector<std::string> tokens_of(const std::string& line)
{
    std::vector<std::string> t;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && is_blank(line[i])) ++i;
        if (i >= line.size()) break;
        if ((unsigned char)line[i] == 0xAE) {
            size_t j = line.find('\xAF', i + 1);
            if (j == std::string::npos) j = line.size();
            t.push_back(line.substr(i, j - i) + "\xAF");
            i = j + 1;
            continue;
        }
        size_t j = i;
        while (j < line.size() && !is_blank(line[j]) && (unsigned char)line[j] != 0xAE) ++j;
        t.push_back(line.substr(i, j - i));
        i = j;
    }
    return t;
}

bool is_string_token(const std::string& t) { return !t.empty() && (unsigned char)t[0] == 0xAE; }
std::string string_of_token(const std::string& t)
{
    if (t.size() < 2) return std::string();
    return t.substr(1, t.size() - 2);
}

std::vector<double> numbers_of(const std::vector<std::string>& t, size_t from, bool* ok)
{
    std::vector<double> v;
    *ok = true;
    for (size_t k = from; k < t.size(); ++k) {
        if (is_string_token(t[k])) continue;
        double d;
        long n;
        if (parse_double(t[k], &d))
            v.push_back(d);
        else if (parse_int(t[k], &n))
            v.push_back(double(n));
        else
            *ok = false;
    }
    return v;
}

std::string where(int line) { return "line " + std::to_string(line); }

std::vector<std::string> split_lines(const std::string& bytes, std::vector<std::string>* warnings)
{
    std::vector<std::string> lines;
    size_t start = 0;
    bool warned = false;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string l = bytes.substr(start, end - start);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        if (l.size() > OLI_READ_MAX_LINE) {
            if (!warned && warnings)
                warnings->push_back(where(int(lines.size()) + 1) + ": overlong line cut to " +
                                    std::to_string(int(OLI_READ_MAX_LINE)) + " bytes");
            warned = true;
            l.resize(OLI_READ_MAX_LINE);
        }
        // A NUL byte ends the text of a line.
        size_t z = l.find('\0');
        if (z != std::string::npos) l.resize(z);
        lines.push_back(l);
        start = end + 1;
    }
    return lines;
}

// ---- list parser ------------------------------------------------------------

struct ListParser {
    const std::vector<std::string>& lines;
    OliDocument* doc;
    size_t i = 0;

    void warn(size_t line_index, const std::string& what)
    {
        if (doc->warnings.size() < 500)
            doc->warnings.push_back(where(int(line_index) + 1) + ": " + what);
        else if (doc->warnings.size() == 500)
            doc->warnings.push_back("further warnings left out");
    }
    bool at_end() const { return i >= lines.size(); }
    // A line that only a new record or block can begin with.
    bool is_keyword(const std::string& l) const { return !l.empty() && l[0] == '#'; }
    static std::string body(const std::string& l) { return !l.empty() && l[0] == ' ' ? l.substr(1) : l; }

    void run()
    {
        while (!at_end()) {
            const std::string& l = lines[i];
            const std::string t = trim(l);
            if (t.empty()) {
                ++i;
                continue;
            }
            if (starts_with(l, OLI_REC_LAYOUT_PREFIX))
                layout_record();
            else if (t == OLI_REC_NEWPAGE) {
                OliItem it;
                it.kind = OliItem::NEWPAGE;
                it.line = int(i) + 1;
                doc->items.push_back(it);
                ++i;
            } else if (t == OLI_REC_CONTENTS) {
                ++i;
                if (!at_end() && !is_keyword(lines[i])) {
                    doc->contents = trim(lines[i]);
                    ++i;
                } else {
                    warn(i - 1, "\"#CONTENTS\" without its line");
                }
            } else if (t == OLI_REC_SHOWTABLE)
                table();
            else if (t == OLI_REC_SHOWPARA)
                para();
            else if (t == OLI_REC_SHOWGRAFIC)
                graphic();
            else if (t == OLI_REC_END_OF_TEXT) {
                warn(i, "\"#END_OF_TEXT\" outside a block skipped");
                ++i;
            } else if (l[0] == '#') {
                warn(i, "unknown record \"" + t.substr(0, 40) + "\" skipped");
                ++i;
            } else {
                warn(i, "text outside a block shown as it stands");
                OliItem it;
                it.kind = OliItem::TEXT;
                it.line = int(i) + 1;
                it.text = body(l);
                doc->items.push_back(it);
                ++i;
            }
        }
    }

    void layout_record()
    {
        static const std::set<std::string> known = {
            OLI_REC_SETFLAGS,         OLI_REC_SETLAYOUT,   OLI_REC_SETMARGINS,    OLI_REC_SETYPOSITION,
            OLI_REC_RESERVESPACE,     OLI_REC_PUSHMARGINS, OLI_REC_POPMARGINS,    OLI_REC_STOREYPOSITION,
            OLI_REC_RESTOREYPOSITION, OLI_REC_SETBOOKMARK, OLI_REC_RESETMAXMARGIN};
        const std::string& l = lines[i];
        std::vector<std::string> t = tokens_of(l);
        OliItem it;
        it.kind = OliItem::LAYOUT;
        it.line = int(i) + 1;
        it.layout.name = t.empty() ? std::string() : t[0].substr(5);
        if (!known.count(it.layout.name)) {
            warn(i, "unknown layout record \"" + t[0].substr(0, 40) + "\" skipped");
            ++i;
            return;
        }
        // The bookmark text may hold blanks: take it from the line itself.
        size_t g = l.find('\xAE');
        if (g != std::string::npos) {
            it.layout.has_text = true;
            size_t e = l.find('\xAF', g + 1);
            if (e == std::string::npos) {
                warn(i, "bookmark text without its closing byte");
                e = l.size();
            }
            it.layout.text = l.substr(g + 1, e - g - 1);
        }
        bool ok;
        std::vector<std::string> head = tokens_of(g == std::string::npos ? l : l.substr(0, g));
        it.layout.num = numbers_of(head, 1, &ok);
        if (!ok) {
            warn(i, "layout record \"" + t[0] + "\" with unreadable numbers skipped");
            ++i;
            return;
        }
        doc->items.push_back(it);
        ++i;
    }

    // Reads a line of integers; false when the line is missing or not numeric.
    bool int_line(std::vector<long>* out)
    {
        out->clear();
        if (at_end() || is_keyword(lines[i])) return false;
        for (const std::string& t : tokens_of(lines[i])) {
            long n;
            if (!parse_int(t, &n)) return false;
            out->push_back(n);
        }
        ++i;
        return !out->empty();
    }

    // Skips to the line after the next "#END_OF_TEXT" of a broken block, or to
    // the next record.
    void skip_block()
    {
        while (!at_end()) {
            const std::string t = trim(lines[i]);
            if (t == OLI_REC_END_OF_TEXT) {
                ++i;
                return;
            }
            if (is_keyword(lines[i])) return;
            ++i;
        }
    }

    void table()
    {
        const size_t start = i;
        ++i;
        OliItem it;
        it.kind = OliItem::TABLE;
        it.line = int(start) + 1;
        OliTableBlock& tb = it.table;
        std::vector<long> n;
        if (!int_line(&n) || n.size() < 3) {
            warn(start, "table block without its title counts skipped");
            skip_block();
            return;
        }
        for (int g = 0; g < 3; ++g) {
            long c = n[g] < 0 ? 0 : n[g] > 100 ? 100 : n[g];
            for (long k = 0; k < c; ++k) {
                if (at_end() || is_keyword(lines[i])) {
                    warn(start, "table block ends inside its title lines");
                    doc->items.push_back(it);
                    return;
                }
                tb.titles[g].push_back(body(lines[i]));
                ++i;
            }
        }
        if (!int_line(&n) || n.size() < 2) {
            if (at_end())
                warn(start, "table block ends before its column line (file truncated?)");
            else
                warn(start, "table block without a readable column line: rows skipped");
            doc->items.push_back(it);
            skip_block();
            return;
        }
        tb.head_rows = int(n[0] < 0 ? 0 : n[0] > 10 ? 10 : n[0]);
        tb.unit_row = n[1] != 0;
        if (n.size() >= 3 && n[2] >= 0) tb.fixed_rows = int(n[2] > 100000 ? 100000 : n[2]);
        long last = n.size() >= 5 ? n[4] : 0;
        if (last >= 1 && tb.fixed_rows < 0) {
            if (at_end() || is_keyword(lines[i])) {
                warn(start, "table block ends before its column positions");
                doc->items.push_back(it);
                return;
            }
            bool ok;
            tb.separators = numbers_of(tokens_of(lines[i]), 0, &ok);
            if (!ok) warn(i, "unreadable column positions");
            if (long(tb.separators.size()) != last) warn(i, "column positions do not match the column count");
            ++i;
        }
        if (tb.fixed_rows >= 0) {
            for (int k = 0; k < tb.fixed_rows; ++k) {
                if (at_end() || is_keyword(lines[i])) {
                    warn(start, "table block has fewer rows than it announces");
                    break;
                }
                tb.lines.push_back(lines[i]);
                ++i;
            }
            doc->items.push_back(it);
            return;
        }
        while (true) {
            if (at_end()) {
                warn(start, "table block not closed (the file ends)");
                break;
            }
            const std::string& l = lines[i];
            if (trim(l) == OLI_REC_END_OF_TEXT) {
                ++i;
                break;
            }
            if (is_keyword(l)) {
                warn(start, "table block not closed before " + where(int(i) + 1));
                break;
            }
            tb.lines.push_back(l);
            ++i;
        }
        doc->items.push_back(it);
    }

    // Reads a paragraph format up to its line "-1"; false when the block breaks off.
    bool para_format(size_t start, OliParaFormatView* f)
    {
        std::vector<std::string> fl;
        while (true) {
            if (at_end()) {
                warn(start, "paragraph block ends inside its format (file truncated?)");
                return false;
            }
            if (is_keyword(lines[i])) {
                warn(start, "paragraph format not closed before " + where(int(i) + 1));
                return false;
            }
            std::string t = trim(lines[i]);
            ++i;
            if (t == "-1") break;
            fl.push_back(t);
            if (fl.size() > 200) {
                warn(start, "paragraph format too long: block skipped");
                return false;
            }
        }
        *f = OliParaFormatView();
        size_t k = 0;
        auto next = [&](std::vector<std::string>* t) {
            if (k >= fl.size()) return false;
            *t = tokens_of(fl[k++]);
            return true;
        };
        std::vector<std::string> t;
        long v;
        if (!next(&t) || t.empty() || !parse_int(t[0], &v)) {
            warn(start, "paragraph format without its flags");
            return true;
        }
        f->flags = unsigned(v);
        if (f->flags & 0x3) {
            // Head writers of a caller: their lines cannot be told apart from
            // the format; the font is taken from the last lines instead.
            warn(start, "paragraph head of a caller's writer skipped");
            f->font = 4;
            return true;
        }
        if (next(&t) && !t.empty() && parse_int(t[0], &v))
            f->font = int(v);
        else
            warn(start, "paragraph format without its font");
        double d;
        if (f->flags & 0x10) {
            if (next(&t) && t.size() >= 2 && parse_double(t[1], &d)) f->space = d;
        }
        if (f->flags & 0x20) {
            if (next(&t) && t.size() >= 4) {
                if (parse_double(t[1], &d)) f->length_b = d;
                if (parse_double(t[3], &d)) f->length_c = d;
            }
        }
        if (f->flags & 0x40) {
            if (next(&t) && !t.empty() && parse_int(t[0], &v)) {
                if ((v & 2) && t.size() == 1) {
                    if (next(&t) && t.size() >= 2 && parse_double(t[1], &d) && d > 0.01 && d <= 50) f->tab_spacing = d;
                } else {
                    long count = 0;
                    if (t.size() >= 2) parse_int(t[1], &count);
                    if (count < 0) count = 0;
                    if (count > 100) count = 100;
                    for (long c = 0; c < count; ++c) {
                        if (!next(&t) || t.size() < 2) break;
                        OliTabStop s;
                        long code;
                        if (parse_int(t[0], &code)) s.code = int(code);
                        // A stop must lie on a page.
                        if (parse_double(t[1], &d) && d >= 0 && d <= 50) {
                            s.pos = d;
                            f->tabs.push_back(s);
                        }
                    }
                }
            }
        }
        if (f->flags & 0x400) {
            if (next(&t) && !t.empty() && parse_double(t[0], &d) && d > 0.1 && d < 10) f->factor = d;
        }
        if (f->flags & 0x800) {
            if (next(&t) && t.size() >= 2 && parse_double(t[1], &d)) f->length_d = d;
        }
        if (f->flags & 0x200) next(&t);
        if (k < fl.size()) warn(start, "paragraph format with lines left over");
        return true;
    }

    void para()
    {
        const size_t start = i;
        ++i;
        OliItem it;
        it.kind = OliItem::PARA;
        it.line = int(start) + 1;
        OliParaPart part;
        if (!para_format(start, &part.format)) {
            skip_block();
            return;
        }
        while (true) {
            if (at_end()) {
                warn(start, "paragraph block not closed (the file ends)");
                it.para.push_back(part);
                doc->items.push_back(it);
                return;
            }
            const std::string& l = lines[i];
            if (trim(l) == OLI_REC_END_OF_TEXT) {
                ++i;
                // The end line: flags, the space after, then "-1" or a new format.
                std::vector<long> n;
                if (!int_line(&n)) {
                    warn(start, "paragraph block without its end line");
                    it.para.push_back(part);
                    doc->items.push_back(it);
                    return;
                }
                unsigned fl = unsigned(n[0]);
                if (fl & 0x1000) {
                    if (!at_end() && !is_keyword(lines[i])) {
                        std::vector<std::string> t = tokens_of(lines[i]);
                        double d;
                        if (t.size() >= 2 && parse_double(t[1], &d)) part.space_after = d;
                        ++i;
                    }
                }
                it.para.push_back(part);
                if (fl & 0x4) {
                    part = OliParaPart();
                    if (!para_format(start, &part.format)) {
                        doc->items.push_back(it);
                        skip_block();
                        return;
                    }
                    continue;
                }
                if (!at_end() && trim(lines[i]) == "-1")
                    ++i;
                else
                    warn(start, "paragraph block without its closing line");
                doc->items.push_back(it);
                return;
            }
            if (is_keyword(l)) {
                warn(start, "paragraph block not closed before " + where(int(i) + 1));
                it.para.push_back(part);
                doc->items.push_back(it);
                return;
            }
            part.lines.push_back(body(l));
            ++i;
        }
    }

    void graphic()
    {
        const size_t start = i;
        ++i;
        OliItem it;
        it.kind = OliItem::GRAPHIC;
        it.line = int(start) + 1;
        OliGraphicBlock& gb = it.graphic;
        for (int part = 0; part < 2; ++part) {
            std::vector<long> n;
            if (!int_line(&n) || n.size() < 3) {
                warn(start, "graphics block without its title flags skipped");
                skip_graphic();
                return;
            }
            for (int k = 0; k < 3; ++k) {
                if (!n[k]) continue;
                if (at_end() || is_keyword(lines[i])) {
                    warn(start, "graphics block ends inside its titles");
                    return;
                }
                (part ? gb.titles_bottom : gb.titles_top).push_back(body(lines[i]));
                ++i;
            }
        }
        std::vector<long> n;
        if (!int_line(&n)) {
            warn(start, "graphics block without its kind line skipped");
            skip_graphic();
            return;
        }
        const bool flagged = n[0] == -999 && n.size() >= 3;
        gb.kind = int(flagged ? n[2] : n[0]);
        // Four further values stand before the extent when the flags say so.
        if (flagged && (n[1] & 0x10000) && !at_end() && !is_keyword(lines[i])) ++i;
        if (at_end() || is_keyword(lines[i])) {
            warn(start, "graphics block ends before its extent (file truncated?)");
            return;
        }
        {
            bool ok;
            std::vector<double> e = numbers_of(tokens_of(lines[i]), 0, &ok);
            if (!ok || e.size() < 4) {
                warn(i, "graphics block with an unreadable extent skipped");
                skip_graphic();
                return;
            }
            gb.x1 = e[0];
            gb.x2 = e[1];
            gb.y1 = e[2];
            gb.y2 = e[3];
            ++i;
        }
        if (gb.kind == 3 && !at_end() && !is_keyword(lines[i])) ++i; // its scale
        std::set<int> unknown_seen;
        while (true) {
            if (at_end()) {
                warn(start, "graphics block not closed (the file ends)");
                break;
            }
            const std::string& l = lines[i];
            const std::string t = trim(l);
            if (t == "-1" || t == "0") {
                ++i;
                break;
            }
            if (t.empty()) {
                ++i;
                continue;
            }
            if (is_keyword(l)) {
                warn(start, "graphics block not closed before " + where(int(i) + 1));
                break;
            }
            std::vector<std::string> tok = tokens_of(l);
            long op;
            if (tok.empty() || !parse_int(tok[0], &op)) {
                warn(i, "unreadable graphics record skipped");
                ++i;
                continue;
            }
            OliGraphicRecord r;
            r.op = int(op);
            r.line = int(i) + 1;
            const OliGraphicRecordKind* kind = Oli_Graphic_Record_Kind(r.op);
            if (!kind) {
                if (unknown_seen.insert(r.op).second)
                    warn(i, "unknown graphics record " + std::to_string(op) + " skipped");
                ++i;
                continue;
            }
            if (kind->args == OLI_GA_REST) {
                size_t p = t.find(' ');
                r.text = p == std::string::npos ? std::string() : trim(t.substr(p));
                bool ok;
                r.num = numbers_of(tokens_of(r.text), 0, &ok);
                gb.records.push_back(r);
                ++i;
                continue;
            }
            for (size_t k = 1; k < tok.size(); ++k) {
                if (is_string_token(tok[k])) {
                    r.has_text = true;
                    r.text = string_of_token(tok[k]);
                    break;
                }
                double d;
                if (parse_double(tok[k], &d)) r.num.push_back(d);
            }
            // Texts keep their blanks: take them from the line.
            if (r.has_text) {
                size_t a = l.find('\xAE');
                size_t b = l.find('\xAF', a + 1);
                r.text = l.substr(a + 1, (b == std::string::npos ? l.size() : b) - a - 1);
            }
            ++i;
            if (r.op == OLI_G_PICTURE && !at_end() && !lines[i].empty() && lines[i][0] == '{') {
                std::string hex;
                bool closed = false;
                while (!at_end()) {
                    std::string h = lines[i];
                    ++i;
                    size_t end = h.find('}');
                    if (end != std::string::npos) {
                        h.resize(end);
                        closed = true;
                    }
                    for (char c : h)
                        if (std::isxdigit((unsigned char)c)) hex += c;
                    if (closed) break;
                    if (hex.size() > size_t(OLI_READ_MAX_BYTES)) break;
                }
                if (!closed) warn(r.line - 1, "embedded picture not closed");
                for (size_t k = 0; k + 1 < hex.size(); k += 2) r.data += char(std::stoi(hex.substr(k, 2), nullptr, 16));
            }
            gb.records.push_back(r);
        }
        doc->items.push_back(it);
    }

    void skip_graphic()
    {
        while (!at_end()) {
            const std::string t = trim(lines[i]);
            if (is_keyword(lines[i])) return;
            ++i;
            if (t == "-1" || t == "0") return;
        }
    }
};

// ---- plot file parser ----------------------------------------------------------

struct Token {
    std::string text;
    int line;
};

struct SpfParser {
    SpfDocument* doc;
    std::vector<Token> tok;
    size_t k = 0;

    void warn(int line, const std::string& what)
    {
        if (doc->warnings.size() < 500) doc->warnings.push_back(where(line) + ": " + what);
    }
    bool end() const { return k >= tok.size(); }
    bool is_cmd(const std::string& t) const
    {
        return t.size() > 1 && (t[0] == '-' || t[0] == '*') && std::isalpha((unsigned char)t[1]);
    }
    bool num(double* d)
    {
        if (end() || !parse_double(tok[k].text, d)) return false;
        ++k;
        return true;
    }
    bool expect(const char* s)
    {
        if (end() || tok[k].text != s) return false;
        ++k;
        return true;
    }
    bool ref(int* id)
    {
        if (end()) return false;
        const std::string& t = tok[k].text;
        if (t.size() < 2 || (t[0] != '@' && t[0] != '#')) return false;
        long v;
        if (!parse_int(t.substr(1), &v)) return false;
        *id = int(v);
        ++k;
        return true;
    }
    void skip_to_cmd()
    {
        while (!end() && !is_cmd(tok[k].text)) ++k;
    }

    // " 0 ( @e ( @p x y ) #next pen a b r )"
    bool vertex(SpfVertex* v)
    {
        int id;
        double d, a, b;
        if (!num(&d) || !expect("(") || !ref(&id) || !expect("(") || !ref(&id) || !num(&v->x) || !num(&v->y) ||
            !expect(")") || !ref(&id))
            return false;
        double pen;
        if (!num(&pen) || !num(&a) || !num(&b) || !num(&v->radius) || !expect(")")) return false;
        v->pen = int_of(pen);
        return true;
    }
};

void read_tables(const std::vector<std::string>& lines, size_t& i, SpfDocument* doc)
{
    auto rows_of = [&](long count) {
        std::vector<std::vector<std::string>> rows;
        for (long r = 0; r < count && i < lines.size(); ++r) {
            const std::string t = trim(lines[i]);
            if (!t.empty() && (t[0] == '*' || (t[0] == '-' && t.size() > 1 && std::isalpha((unsigned char)t[1]))))
                break;
            if (t.empty()) {
                ++i;
                --r;
                continue;
            }
            rows.push_back(tokens_of(t));
            ++i;
        }
        return rows;
    };
    while (i < lines.size()) {
        const std::string t = trim(lines[i]);
        if (t == "*EOT") {
            ++i;
            return;
        }
        if (t.empty() || t == "*TABLES") {
            ++i;
            continue;
        }
        if (t[0] == '*') return;
        std::vector<std::string> h = tokens_of(t);
        ++i;
        long count = 0;
        if (h.size() < 2 || !parse_int(h[1], &count) || count < 0 || count > 10000) {
            doc->warnings.push_back(where(int(i)) + ": unreadable table head \"" + t.substr(0, 30) + "\"");
            continue;
        }
        auto rows = rows_of(count);
        if (long(rows.size()) < count)
            doc->warnings.push_back(where(int(i)) + ": table \"" + h[0] + "\" has fewer rows than it announces");
        for (const auto& r : rows) {
            std::vector<double> v;
            std::vector<std::string> s;
            for (const std::string& x : r) {
                double d;
                if (is_string_token(x))
                    s.push_back(string_of_token(x));
                else if (parse_double(x, &d))
                    v.push_back(d);
            }
            if (v.empty()) continue;
            const int id = int_of(v[0], -1);
            if (id < 0 || id > 1000) continue;
            if (h[0] == "-colors" && v.size() >= 4) {
                if (doc->colours.size() <= size_t(id)) doc->colours.resize(size_t(id) + 1, 0u);
                auto c = [](double x) { return unsigned(x < 0 ? 0 : x > 255 ? 255 : x); };
                doc->colours[size_t(id)] = (c(v[1]) << 16) | (c(v[2]) << 8) | c(v[3]);
            } else if (h[0] == "-pens" && v.size() >= 3) {
                if (doc->pens.size() <= size_t(id)) doc->pens.resize(size_t(id) + 1);
                doc->pens[size_t(id)].width = v[1];
                doc->pens[size_t(id)].colour = int_of(v[2]);
            } else if (h[0] == "-linetypes" && v.size() >= 3) {
                if (doc->linetypes.size() <= size_t(id)) doc->linetypes.resize(size_t(id) + 1);
                const int pairs = int_of(v[1]);
                SpfLinetype lt;
                for (int p = 0; p < pairs && size_t(3 + 2 * p + 1) < v.size(); ++p) {
                    lt.dashes.push_back(v[size_t(3 + 2 * p)]);
                    lt.dashes.push_back(v[size_t(4 + 2 * p)]);
                }
                doc->linetypes[size_t(id)] = lt;
            } else if (h[0] == "-fonts" && v.size() >= 7) {
                if (doc->fonts.size() <= size_t(id)) doc->fonts.resize(size_t(id) + 1);
                doc->fonts[size_t(id)].height = v[3];
                doc->fonts[size_t(id)].slant = v[6];
            } else if (h[0] == "-fillings" && v.size() >= 3) {
                if (doc->fillings.size() <= size_t(id)) doc->fillings.resize(size_t(id) + 1);
                SpfFilling f;
                const int fam = int_of(v[2]);
                for (int q = 0; q < fam && size_t(3 + 4 * q + 3) < v.size(); ++q) {
                    SpfHatch hh;
                    hh.angle = v[1] + (v[size_t(3 + 4 * q)] != 0 ? 90.0 : 0.0);
                    hh.spacing = v[size_t(4 + 4 * q)];
                    hh.pen = int_of(v[size_t(5 + 4 * q)]);
                    hh.linetype = int_of(v[size_t(6 + 4 * q)]);
                    f.hatches.push_back(hh);
                }
                doc->fillings[size_t(id)] = f;
            }
        }
    }
}

} // namespace

// ==== text ======================================================================

unsigned Oli_Char_Of_Byte(unsigned char b)
{
    switch (b) {
        case 0xC0: return 0x03B3; // γ
        case 0xB8: return 0x03C8; // ψ
        case 0xBB: return 0x03B2; // β
        case 0xBC: return 0x03C7; // χ
        case 0xC1: return 0x03B7; // η
        case 0xC5: return 0x03BB; // λ
        case 0xC6: return 0x03BC; // μ
        case 0xC7: return 0x03BD; // ν
        case 0xBA:
        case 0xE0: return 0x03B1; // α
        case 0xBE: return 0x03B5; // ε
        case 0xB0: return 0x03B8; // θ
        case 0xA3: return 0x0394; // Δ
        case 0xCB: return 0x03C1; // ρ
        case 0x89: return 0x2030; // ‰
        case 0xEC: return 0x221E; // ∞
        case 0x8C: return 0x2300; // ⌀ diameter
        case 0xF7: return 0x2248; // ≈
        case 0xCC: return 0x03C3; // σ
        case 0xD6: return 0x03C4; // τ
        case 0xF3: return 0x2264; // ≤
        case 0x88: return 0x2192; // → before a governing value
        case 0xB2: return 0x03A3; // Σ sign of a totals row
        case 0xFA: return 0x00B3; // ³
        default: break;
    }
    if (b == '\t') return '\t';
    if (b < 0x20) return ' ';
    return Kov_Cp_Code_Point(KOV_CP850, b);
}

QString Oli_Decode(const std::string& bytes)
{
    QString s;
    s.reserve(int(bytes.size()));
    for (unsigned char b : bytes) s.append(QChar(char16_t(Oli_Char_Of_Byte(b))));
    return s;
}

unsigned Oli_Palette_Rgb(int index)
{
    static const unsigned vga16[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
                                       0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};
    if (index < 0 || index > 255) return 0;
    if (index < 16) return vga16[index];
    if (index < 32) {
        unsigned g = unsigned((index - 16) * 255 / 15);
        return (g << 16) | (g << 8) | g;
    }
    if (index >= 248) return 0;
    // 3 brightness levels x 3 saturations x 24 hues, the hue circle starting at blue.
    const int k = index - 32;
    const double value[3] = {1.0, 0.44, 0.25};
    const double sat[3] = {1.0, 0.5, 0.28};
    const double v = value[k / 72];
    const double s = sat[(k % 72) / 24];
    const double hue = std::fmod(240.0 + 15.0 * (k % 24), 360.0) / 60.0;
    const int hi = int(hue) % 6;
    const double f = hue - std::floor(hue);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r = 0, g = 0, b = 0;
    switch (hi) {
        case 0: r = v, g = t, b = p; break;
        case 1: r = q, g = v, b = p; break;
        case 2: r = p, g = v, b = t; break;
        case 3: r = p, g = q, b = v; break;
        case 4: r = t, g = p, b = v; break;
        default: r = v, g = p, b = q; break;
    }
    auto c = [](double x) { return unsigned(std::lround(x * 255)); };
    return (c(r) << 16) | (c(g) << 8) | c(b);
}

std::vector<OliSpan> Oli_Markup_Spans(const std::string& text, std::string* unknown)
{
    std::vector<OliSpan> out;
    unsigned style = 0;
    bool coloured = false;
    unsigned rgb = 0;
    OliSpan cur;
    auto flush = [&]() {
        if (!cur.bytes.empty()) out.push_back(cur);
        cur = OliSpan();
        cur.style = style;
        cur.coloured = coloured;
        cur.rgb = rgb;
    };
    flush();
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = (unsigned char)text[i];
        if (c != 0xCE) {
            cur.bytes += char(c);
            continue;
        }
        if (i + 1 >= n) break; // a mark-up byte at the very end shows nothing
        unsigned char code = (unsigned char)text[++i];
        if (code == '{') {
            size_t e = text.find('}', i + 1);
            std::string g = text.substr(i + 1, (e == std::string::npos ? n : e) - i - 1);
            i = e == std::string::npos ? n : e;
            // "\xCEL ..." or "C ..." : drop the mark-up byte, read the letter.
            size_t p = 0;
            while (p < g.size() && ((unsigned char)g[p] == 0xCE || is_blank(g[p]))) ++p;
            char letter = p < g.size() ? g[p] : 0;
            bool ok;
            std::vector<double> num = numbers_of(tokens_of(p < g.size() ? g.substr(p + 1) : ""), 0, &ok);
            OliSpan s;
            s.num = num;
            if (letter == 'L')
                s.kind = OliSpan::RULE;
            else if (letter == 'R')
                s.kind = OliSpan::FRAME;
            else if (letter == 'C') {
                s.kind = OliSpan::COLOUR;
                if (num.size() >= 4) {
                    auto cl = [](double x) { return unsigned(x < 0 ? 0 : x > 255 ? 255 : x); };
                    rgb = (cl(num[1]) << 16) | (cl(num[2]) << 8) | cl(num[3]);
                    coloured = true;
                } else if (!num.empty()) {
                    // An index outside the palette (the writers use 768) goes
                    // back to the text's own colour.
                    coloured = num[0] > 0 && num[0] <= 255;
                    rgb = coloured ? Oli_Palette_Rgb(int(num[0])) : 0;
                }
            } else {
                if (unknown) *unknown += '{';
                flush();
                continue;
            }
            flush();
            out.push_back(s);
            continue;
        }
        switch (code) {
            case 'r': style = 0; break;
            case 'b': style |= OLI_ST_BOLD; break;
            case 'u': style |= OLI_ST_UNDERLINE; break;
            case '\\':
                style |= OLI_ST_SUBSCRIPT;
                style &= ~unsigned(OLI_ST_SUPERSCRIPT);
                break;
            case '/':
                style |= OLI_ST_SUPERSCRIPT;
                style &= ~unsigned(OLI_ST_SUBSCRIPT);
                break;
            case '_': style |= OLI_ST_SPACE_BELOW; break;
            case 's': style |= OLI_ST_S; break;
            case 'H': style |= OLI_ST_HEADING; break;
            case '@': continue; // shows nothing and changes nothing
            default:
                if (unknown) *unknown += char(code);
                continue;
        }
        flush();
    }
    if (!cur.bytes.empty()) out.push_back(cur);
    return out;
}

QString Oli_Plain_Text(const std::string& text)
{
    QString s;
    for (const OliSpan& sp : Oli_Markup_Spans(text))
        if (sp.kind == OliSpan::TEXT) s += Oli_Decode(sp.bytes);
    return s.simplified();
}

// ==== files ==================================================================

bool Oli_Read_Bytes_Of(const std::string& path, std::string* bytes, bool* truncated)
{
    if (truncated) *truncated = false;
    bytes->clear();
    FILE* f = Kov_Fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        size_t room = size_t(OLI_READ_MAX_BYTES) - bytes->size();
        if (n > room) {
            bytes->append(buf, room);
            if (truncated) *truncated = true;
            break;
        }
        bytes->append(buf, n);
    }
    std::fclose(f);
    return true;
}

void Oli_Parse_List(const std::string& bytes, OliDocument* doc)
{
    *doc = OliDocument();
    std::vector<std::string> lines = split_lines(bytes, &doc->warnings);
    ListParser p{lines, doc};
    p.run();
}

bool Oli_Read_List(const std::string& path, OliDocument* doc)
{
    std::string bytes;
    bool cut = false;
    if (!Oli_Read_Bytes_Of(path, &bytes, &cut)) {
        *doc = OliDocument();
        doc->warnings.push_back("the list \"" + path + "\" cannot be read");
        return false;
    }
    Oli_Parse_List(bytes, doc);
    if (cut) doc->warnings.push_back("the list is larger than the viewer reads: its end is left out");
    return true;
}

// ==== plot files ================================================================

bool Spf_Is_Plot(const std::string& bytes) { return bytes.compare(0, 14, "zorv-PlanSchau") == 0; }

namespace {

// The head of a plot file: the magic line, the title and the sheet size. Returns the index of the
// first line after it.
size_t read_plot_head(const std::vector<std::string>& lines, SpfDocument* doc)
{
    if (lines.empty() || !Spf_Is_Plot(lines[0])) {
        doc->warnings.push_back("line 1: not a plot file (\"zorv-PlanSchau\" expected)");
        return 0;
    }
    size_t i = 1;
    if (i < lines.size()) doc->title = lines[i++];
    if (i < lines.size()) {
        std::vector<std::string> t = tokens_of(lines[i]);
        if (t.size() >= 2) {
            parse_double(t[0], &doc->width);
            parse_double(t[1], &doc->height);
        }
        ++i;
    }
    return i;
}

// The entity lines up to "*EOI" as one token stream; lines are counted from 1 for the warnings.
void collect_entity_tokens(const std::vector<std::string>& lines, size_t i, SpfParser* p)
{
    bool eoi = false;
    for (; i < lines.size(); ++i) {
        if (trim(lines[i]) == "*EOI") {
            eoi = true;
            break;
        }
        for (const std::string& t : tokens_of(lines[i])) p->tok.push_back(Token{t, int(i) + 1});
    }
    if (!eoi) p->doc->warnings.push_back("the plot file ends without \"*EOI\" (file truncated?)");
}

// Reads the entities one command at a time. A line names its end point, which may come later in
// the file, so lines wait in `pending` until every point is known.
struct SpfEntityReader {
    struct PendingLine {
        size_t entity;
        int to;
    };

    SpfParser& p;
    std::map<int, std::pair<double, double>> points;
    std::vector<PendingLine> pending;
    int layer = 0;
    std::set<std::string> unknown;

    SpfEntity entity(SpfEntity::Kind kind) const
    {
        SpfEntity e;
        e.kind = kind;
        e.layer = layer;
        return e;
    }

    void line(const Token& cmd)
    {
        SpfEntity e = entity(SpfEntity::LINE);
        int id, pid, to;
        double pen, lt;
        if (p.ref(&id) && p.expect("(") && p.ref(&pid) && p.num(&e.x1) && p.num(&e.y1) && p.expect(")") && p.ref(&to) &&
            p.num(&pen) && p.num(&lt)) {
            e.pen = int_of(pen);
            e.linetype = int_of(lt);
            points[pid] = {e.x1, e.y1};
            p.doc->entities.push_back(e);
            pending.push_back({p.doc->entities.size() - 1, to});
        } else {
            p.warn(cmd.line, "unreadable line skipped");
        }
    }

    void point(const Token& cmd)
    {
        int id;
        double x, y;
        if (p.ref(&id) && p.num(&x) && p.num(&y))
            points[id] = {x, y};
        else
            p.warn(cmd.line, "unreadable point skipped");
    }

    // One outer ring and its holes; a ring cut short is kept as far as it was read.
    void area(const Token& cmd)
    {
        SpfEntity e = entity(SpfEntity::AREA);
        double holes, filling;
        bool ok = p.expect("/") && p.num(&holes) && p.num(&filling) && holes >= 0 && holes < 1000;
        if (ok) {
            e.filling = int_of(filling);
            for (int r = 0; ok && r <= int(holes); ++r) {
                double count;
                if (!p.num(&count) || count < 0 || count > 100000) {
                    ok = false;
                    break;
                }
                std::vector<SpfVertex> ring;
                for (int v = 0; v < int(count); ++v) {
                    SpfVertex vx;
                    if (!p.vertex(&vx)) {
                        ok = false;
                        break;
                    }
                    ring.push_back(vx);
                }
                e.rings.push_back(ring);
            }
        }
        if (!ok) p.warn(cmd.line, "unreadable area: what was read of it is kept");
        if (!e.rings.empty() && !e.rings[0].empty()) p.doc->entities.push_back(e);
    }

    void text(const Token& cmd)
    {
        SpfEntity e = entity(SpfEntity::TEXT);
        double v[6], x, y, ang;
        bool ok = p.expect("/");
        for (int q = 0; ok && q < 6; ++q) ok = p.num(&v[q]);
        ok = ok && p.num(&x) && p.num(&y) && p.num(&ang);
        if (!ok) {
            p.warn(cmd.line, "unreadable text skipped");
            return;
        }
        e.font = int_of(v[2]);
        e.justification = int_of(v[5]);
        e.x1 = x;
        e.y1 = y;
        e.angle = ang;
        double dummy;
        for (int q = 0; q < 3 && p.num(&dummy); ++q) {}
        if (!p.end() && is_string_token(p.tok[p.k].text)) {
            e.text = string_of_token(p.tok[p.k].text);
            ++p.k;
            p.doc->entities.push_back(e);
        } else {
            p.warn(cmd.line, "text without its string skipped");
        }
    }

    void read_all()
    {
        while (!p.end()) {
            const Token cmd = p.tok[p.k];
            if (!p.is_cmd(cmd.text)) {
                p.warn(cmd.line, "unreadable plot entity skipped");
                ++p.k;
                p.skip_to_cmd();
                continue;
            }
            ++p.k;
            if (cmd.text == "-setlayer") {
                double d;
                if (p.num(&d)) layer = int_of(d, layer);
            } else if (cmd.text == "-setcoorsys" || cmd.text == "-opengroup" || cmd.text == "-closegroup") {
                p.skip_to_cmd();
                continue;
            } else if (cmd.text == "-line") {
                line(cmd);
            } else if (cmd.text == "-point") {
                point(cmd);
            } else if (cmd.text == "-area") {
                area(cmd);
            } else if (cmd.text == "-text") {
                text(cmd);
            } else {
                if (unknown.insert(cmd.text).second)
                    p.warn(cmd.line, "unknown plot entity \"" + cmd.text + "\" skipped");
            }
            p.skip_to_cmd();
        }
    }

    // Gives every line its end point; a line whose end point never came is left out of the drawing.
    void join_lines()
    {
        for (const PendingLine& pl : pending) {
            auto it = points.find(pl.to);
            SpfEntity& e = p.doc->entities[pl.entity];
            if (it == points.end()) {
                p.doc->warnings.push_back("a line without its end point is left out");
                e.x2 = e.x1;
                e.y2 = e.y1;
                e.pen = -1;
            } else {
                e.x2 = it->second.first;
                e.y2 = it->second.second;
            }
        }
    }
};

} // namespace

void Spf_Parse(const std::string& bytes, SpfDocument* doc)
{
    *doc = SpfDocument();
    std::vector<std::string> lines = split_lines(bytes, &doc->warnings);
    size_t i = read_plot_head(lines, doc);
    // Tables up to "*EOT", then the entities.
    while (i < lines.size() && trim(lines[i]) != "*TABLES" && trim(lines[i]) != "*ENTITIES") ++i;
    if (i < lines.size() && trim(lines[i]) == "*TABLES") read_tables(lines, i, doc);
    while (i < lines.size() && trim(lines[i]) != "*ENTITIES") ++i;
    if (i >= lines.size()) {
        doc->warnings.push_back("the plot file has no entities (\"*ENTITIES\" missing)");
        return;
    }
    SpfParser p{doc, {}};
    collect_entity_tokens(lines, i + 1, &p);
    SpfEntityReader reader{p, {}, {}, 0, {}};
    reader.read_all();
    reader.join_lines();
}

bool Spf_Read(const std::string& path, SpfDocument* doc)
{
    std::string bytes;
    bool cut = false;
    if (!Oli_Read_Bytes_Of(path, &bytes, &cut)) {
        *doc = SpfDocument();
        doc->warnings.push_back("the plot file \"" + path + "\" cannot be read");
        return false;
    }
    Spf_Parse(bytes, doc);
    if (cut) doc->warnings.push_back("the plot file is larger than the viewer reads: its end is left out");
    return true;
}
