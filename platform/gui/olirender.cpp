// Page layout and painting of output lists and plot files.
#include "platform/gui/olirender.h"

#include "platform/kovlocale.h"
#include "platform/kovmath.h"
#include "platform/kovnamedfile.h"
#include "platform/kovreplace.h"
#include "platform/olirecords.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QtMath>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <unistd.h>

namespace {

// A picture that the list names: read only from a regular file of at most
// KOV_NAMED_PICTURE_MAX bytes, never from a FIFO or a device (which would hold
// the viewer for ever). Null with the reason in why when it cannot be had.
QImage named_picture(const std::string& file, std::string* why)
{
    std::string bytes;
    const int rc = Kov_Read_Named_File(file, KOV_NAMED_PICTURE_MAX, &bytes);
    QImage img;
    if (rc != KOV_NAMED_OK)
        *why = std::string("cannot be read (") + Kov_Named_File_Text(rc) + ")";
    else
        img.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()));
    return img;
}

// ---- page geometry and fonts ------------------------------------------------

const double kAreaX = 2.0;
const double kAreaTop = 2.0;
const double kAreaBottom = 27.7;
const double kTextWidth = 17.0;
const double kAdvance = 0.602; // advance of DejaVu Sans Mono per em
const double kAscent = 0.76;   // height of capitals and ascenders per em
const double kBlockGap = 0.6;  // space after a table or graphics block
const double kWrapEdge = 20.2; // lines are wrapped only beyond this (cm from the left edge)
const int kChars[11] = {106, 106, 165, 125, 96, 73, 106, 106, 132, 132, 165};

double char_width(int font)
{
    const int c = font >= 0 && font <= 10 ? kChars[font] : 96;
    return kTextWidth / c;
}
double pitch_of(double cw) { return 0.38 * cw / (kTextWidth / 106.0); }
double em_of(double cw) { return cw / kAdvance; }

bool finite_all(std::initializer_list<double> v)
{
    for (double d : v)
        if (!std::isfinite(d) || std::fabs(d) > 1e7) return false;
    return true;
}

// ---- a marked-up line in character cells --------------------------------------

struct Cell {
    QChar ch;
    unsigned style = 0;
    unsigned rgb = 0;
    double x = 0;         // cm from the line start
    double w = 0;         // advance
    bool tab_gap = false; // a tab jumped before this cell
};

struct Group {
    OliSpan span;
    size_t at = 0; // index of the cell it stands before
};

struct MarkedLine {
    std::vector<Cell> cells;
    std::vector<Group> groups;
    unsigned all_styles = 0;
    bool visible() const
    {
        for (const Cell& c : cells)
            if (!c.ch.isSpace()) return true;
        return false;
    }
};

MarkedLine mark_line(const std::string& text, double cw, std::set<char>* unknown)
{
    MarkedLine m;
    std::string unk;
    for (const OliSpan& s : Oli_Markup_Spans(text, &unk)) {
        if (s.kind != OliSpan::TEXT) {
            m.groups.push_back(Group{s, m.cells.size()});
            continue;
        }
        for (unsigned char b : s.bytes) {
            Cell c;
            c.ch = QChar(char16_t(Oli_Char_Of_Byte(b)));
            c.style = s.style;
            c.rgb = s.coloured ? s.rgb : 0;
            c.w = (s.style & (OLI_ST_SUBSCRIPT | OLI_ST_SUPERSCRIPT)) ? 0.8 * cw : cw;
            m.all_styles |= s.style;
            m.cells.push_back(c);
        }
    }
    if (unknown)
        for (char c : unk) unknown->insert(c);
    return m;
}

// Positions the cells from x = 0; tabs jump to the next stop. The table
// writers count every character as one column of the list font, sub- and
// superscripts included: with columns kept, smaller script letters stand closer
// together and the next letter of normal size goes back to its column, so that
// the texts after them keep to the table's columns and rules.
double place_cells(MarkedLine* m, double cw, const std::vector<OliTabStop>* tabs, double tab_spacing,
                   bool keep_columns = false)
{
    double x = 0, column = 0;
    for (Cell& c : m->cells) {
        if (c.ch == QLatin1Char('\t')) {
            if (keep_columns) x = std::max(x, column);
            double next = -1;
            if (tabs)
                for (const OliTabStop& t : *tabs)
                    if (t.pos > x + 1e-6 && (next < 0 || t.pos < next)) next = t.pos;
            if (next < 0 && tab_spacing > 0) next = (std::floor(x / tab_spacing + 1e-9) + 1) * tab_spacing;
            if (next < 0) next = x + cw;
            c.x = x;
            c.w = next - x;
            c.ch = QLatin1Char(' ');
            c.tab_gap = true;
            x = column = next;
            continue;
        }
        if (keep_columns && !(c.style & (OLI_ST_SUBSCRIPT | OLI_ST_SUPERSCRIPT))) x = std::max(x, column);
        c.x = x;
        x += c.w;
        column += cw;
    }
    return x;
}

// Breaks the cells into lines no wider than avail, at blanks where possible.
std::vector<std::pair<size_t, size_t>> wrap_cells(const MarkedLine& m, double avail)
{
    std::vector<std::pair<size_t, size_t>> out;
    size_t start = 0;
    const size_t n = m.cells.size();
    while (start < n) {
        const double x0 = m.cells[start].x;
        size_t end = start;
        size_t last_blank = std::string::npos;
        while (end < n && (m.cells[end].x + m.cells[end].w - x0 <= avail + 1e-6 || end == start)) {
            if (m.cells[end].ch == QLatin1Char(' ')) last_blank = end;
            ++end;
        }
        if (end < n && last_blank != std::string::npos && last_blank > start) end = last_blank + 1;
        out.push_back({start, end});
        start = end;
        // Blanks at the start of a continued line are not shown.
        while (start < n && start != 0 && m.cells[start].ch == QLatin1Char(' ') && !out.empty() &&
               start == out.back().second)
            ++start;
    }
    if (out.empty()) out.push_back({0, 0});
    return out;
}

// Text items of cells [a, b) with the baseline at (x0, base) on the page,
// turned by angle degrees about that point.
void emit_runs(OliPage* page, const MarkedLine& m, size_t a, size_t b, double x0, double base, double cw,
               double angle = 0)
{
    const double rad = angle * KOV_DEG_TO_RAD;
    const double ux = std::cos(rad), uy = -std::sin(rad);  // along the text (y down)
    const double vx = -std::sin(rad), vy = -std::cos(rad); // up
    const double shift = a < m.cells.size() ? m.cells[a].x : 0;
    size_t i = a;
    while (i < b) {
        const Cell& first = m.cells[i];
        size_t j = i + 1;
        while (j < b && m.cells[j].style == first.style && m.cells[j].rgb == first.rgb && !m.cells[j].tab_gap) ++j;
        QString text;
        for (size_t k = i; k < j; ++k) text += m.cells[k].ch;
        // Trailing blanks draw nothing (underlined ones do).
        if (!(first.style & OLI_ST_UNDERLINE)) {
            while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
        }
        if (!text.trimmed().isEmpty() || (first.style & OLI_ST_UNDERLINE && !text.isEmpty())) {
            OliPaintItem it;
            it.kind = OliPaintItem::TEXT;
            it.text = text;
            const bool small = first.style & (OLI_ST_SUBSCRIPT | OLI_ST_SUPERSCRIPT);
            it.char_width = small ? 0.8 * cw : cw;
            double rise = 0;
            if (first.style & OLI_ST_SUPERSCRIPT) rise = 0.33 * em_of(cw);
            if (first.style & OLI_ST_SUBSCRIPT) rise = -0.15 * em_of(cw);
            const double dx = first.x - shift;
            it.pos = QPointF(x0 + ux * dx + vx * rise, base + uy * dx + vy * rise);
            it.style = first.style;
            if (first.style & OLI_ST_HEADING) it.style |= OLI_ST_BOLD;
            it.rgb = first.rgb;
            it.angle = angle;
            page->items.push_back(it);
        }
        i = j;
    }
}

OliPaintItem line_item(double x1, double y1, double x2, double y2, double width, unsigned rgb)
{
    OliPaintItem it;
    it.kind = OliPaintItem::LINE;
    it.points << QPointF(x1, y1) << QPointF(x2, y2);
    it.width = width;
    it.rgb = rgb;
    return it;
}

// ---- the list's flow of blocks ------------------------------------------------

struct Flow {
    OliPages* out;
    int page = -1;
    double y = kAreaTop;
    double left = 0, right = 0;
    std::vector<std::pair<double, double>> margin_stack;
    int slot_page[10];
    double slot_y[10];
    int flags = 896;
    bool content = false; // the page holds something
    std::set<char> unknown_codes;
    std::set<std::string> said;
    // An open frame of the mark-up.
    bool frame_open = false;
    int frame_page = 0;
    double frame_top = 0, frame_x1 = 0, frame_x2 = 0;
    int bookmark_depth = 0;
    // The headings that stand last on a page so far: they go over to the next
    // page with the block that follows them (-1 none, -2 headings that begin
    // their page and stay).
    int keep_page = -1;
    size_t keep_item = 0;
    double keep_y = 0;

    explicit Flow(OliPages* p) : out(p)
    {
        for (int k = 0; k < 10; ++k) slot_page[k] = -1, slot_y[k] = 0;
    }

    void warn_once(const std::string& key, const std::string& text)
    {
        if (said.insert(key).second) out->warnings.push_back(text);
    }
    OliPage& pg()
    {
        if (page < 0) new_page();
        return out->pages[size_t(page)];
    }
    void new_page()
    {
        if (frame_open && page >= 0) frame_side(kAreaBottom);
        const double old_y = y;
        const int old_page = page;
        out->pages.push_back(OliPage());
        page = int(out->pages.size()) - 1;
        y = kAreaTop;
        content = false;
        if (frame_open) {
            frame_page = page;
            frame_top = y;
        }
        const bool carried = keep_page >= 0 && keep_page == old_page && !frame_open;
        if (carried) carry_headings(old_y);
        keep_page = carried ? -2 : -1;
    }
    // The headings at the foot of the page before, and what stands after them,
    // move to the top of the new page.
    void carry_headings(double old_y)
    {
        std::vector<OliPaintItem>& from = out->pages[size_t(keep_page)].items;
        std::vector<OliPaintItem>& to = out->pages[size_t(page)].items;
        const double dy = kAreaTop - keep_y;
        for (size_t k = keep_item; k < from.size(); ++k) {
            OliPaintItem it = from[k];
            it.pos.ry() += dy;
            it.points.translate(0, dy);
            it.rect.translate(0, dy);
            it.path.translate(0, dy);
            to.push_back(it);
        }
        from.resize(std::min(keep_item, from.size()));
        for (OliBookmarkEntry& b : out->bookmarks)
            if (b.page == keep_page && b.y >= keep_y - 1e-6) {
                b.page = page;
                b.y += dy;
            }
        y = std::max(kAreaTop, old_y + dy);
        content = true;
    }
    void ensure(double h)
    {
        if (page < 0) new_page();
        if (y + h > kAreaBottom + 1e-9 && content) new_page();
        if (y < kAreaTop) y = kAreaTop;
    }
    double x0() const { return kAreaX + left; }
    double avail() const { return std::max(1.0, kTextWidth - left - right); }
    void move(double cm)
    {
        if (!std::isfinite(cm)) return;
        y += cm;
        if (y < kAreaTop) y = kAreaTop;
        if (y > kAreaBottom) new_page();
    }
    void frame_side(double bottom)
    {
        OliPaintItem it;
        it.kind = OliPaintItem::FRAME;
        it.rect = QRectF(QPointF(frame_x1, frame_top - 0.05), QPointF(frame_x2, bottom + 0.05));
        it.width = 0.02;
        out->pages[size_t(frame_page)].items.push_back(it);
    }

    void layout_record(const OliLayoutRecord& r, int line)
    {
        auto n = [&](size_t k, double def) { return k < r.num.size() ? r.num[k] : def; };
        if (r.name == "SETFLAGS")
            flags = int(n(0, 896));
        else if (r.name == "SETMARGINS") {
            // Into the page's left margin at most up to 0.5 cm from its edge.
            left = std::max(-1.5, std::min(n(1, 0), 40.0));
            right = std::max(0.0, std::min(n(2, 0), 40.0));
        } else if (r.name == "SETYPOSITION") {
            if (int(n(0, 1)) == 1) move(n(1, 0));
        } else if (r.name == "RESERVESPACE") {
            const double h = n(0, 0);
            if (h > 0 && h < kAreaBottom - kAreaTop) ensure(h);
        } else if (r.name == "PUSHMARGINS") {
            if (margin_stack.size() < 100) margin_stack.push_back({left, right});
        } else if (r.name == "POPMARGINS") {
            if (!margin_stack.empty()) {
                left = margin_stack.back().first;
                right = margin_stack.back().second;
                margin_stack.pop_back();
            }
        } else if (r.name == "STOREYPOSITION") {
            const int s = int(n(0, -1));
            if (s >= 0 && s < 10) {
                if (page < 0) new_page();
                slot_page[s] = page;
                slot_y[s] = y;
            }
        } else if (r.name == "RESTOREYPOSITION") {
            const int s = int(n(0, -1));
            if (s >= 0 && s < 10 && slot_page[s] >= 0) {
                // A position on an earlier page cannot be gone back to.
                if (slot_page[s] == page)
                    y = slot_y[s];
                else
                    warn_once("restore" + std::to_string(line),
                              "line " + std::to_string(line) + ": stored position of an earlier page not restored");
            }
        } else if (r.name == "SETBOOKMARK") {
            const int code = int(n(0, 0));
            if (code == 17) {
                if (bookmark_depth > 0) --bookmark_depth;
            } else if (code == 16 || code == 0) {
                if (page < 0) new_page();
                OliBookmarkEntry b;
                b.text = Oli_Plain_Text(r.text);
                b.level = bookmark_depth;
                b.page = page;
                b.y = y;
                if (!b.text.isEmpty()) out->bookmarks.push_back(b);
                if (code == 16 && bookmark_depth < 20) ++bookmark_depth;
            }
        }
    }

    // Rules and frames standing in a line; top and bottom of the line on the page.
    void groups_of(const MarkedLine& m, double top, double bottom, double line_x0, double line_x1)
    {
        for (const Group& g : m.groups) {
            const std::vector<double>& v = g.span.num;
            if (g.span.kind == OliSpan::RULE) {
                const double a = v.size() > 1 ? v[1] : -1;
                const double b = v.size() > 2 ? v[2] : -1;
                const double t = v.size() > 3 ? v[3] : 0;
                double xa = a >= 0 ? x0() + a : line_x0;
                double xb = b > a && b >= 0 ? x0() + b : line_x1;
                // Its height value places it within the line: 0 above the
                // text (a totals row), 1 under it; alone in its line (which
                // takes no room) it stands under the line before.
                const double yy = top + std::max(0.0, std::min(t, 1.0)) * (bottom - top);
                const double w = std::max(0.01, std::min(t, 5.0) * 0.0353); // points
                pg().items.push_back(line_item(xa, yy, xb, yy, w, 0));
            } else if (g.span.kind == OliSpan::FRAME) {
                const bool close = v.size() >= 5 && v[1] < 0 && v[2] < 0 && v[3] < 0 && v[4] < 0;
                if (close) {
                    if (frame_open) {
                        frame_side(bottom);
                        frame_open = false;
                    }
                } else {
                    if (frame_open) frame_side(top);
                    frame_open = true;
                    frame_page = page;
                    frame_top = top;
                    const double a = v.size() > 1 ? v[1] : 0;
                    const double b = v.size() > 2 ? v[2] : 0;
                    frame_x1 = x0() + (a > 0 && a < kTextWidth ? a : 0) - 0.1;
                    frame_x2 = b > a && b <= kTextWidth + 2 ? x0() + b : kAreaX + kTextWidth - right + 0.1;
                }
            }
        }
    }

    void note_unknown_codes(int line)
    {
        if (unknown_codes.empty()) return;
        std::string s;
        for (char c : unknown_codes) s += c;
        unknown_codes.clear();
        warn_once("codes" + s, "line " + std::to_string(line) + ": unknown mark-up codes \"" + s + "\" not shown");
    }

    // One text line of a paragraph or outside a block (wrapped).
    void text_line(const std::string& bytes, int font, double factor, const OliParaFormatView* f, double extra_left,
                   bool bold_heading)
    {
        const double cw = char_width(font);
        const double pitch = pitch_of(cw) * factor;
        MarkedLine m = mark_line(bytes, cw, &unknown_codes);
        // The heading mark-up (it shows nothing) makes a line a heading.
        const bool heading = bytes.find("\xCE@") != std::string::npos;
        if (bold_heading)
            for (Cell& c : m.cells) c.style |= OLI_ST_BOLD;
        double lx = x0() + extra_left;
        // A line may run into the right margin before it is wrapped.
        const double av = std::max(1.0, std::max(avail() - extra_left - (f ? f->length_c : 0), kWrapEdge - lx));
        place_cells(&m, cw, f ? &f->tabs : nullptr, f ? f->tab_spacing : 0);
        const auto parts = wrap_cells(m, av);
        if (parts.size() == 1 && lx > kAreaX) {
            // A line set in from the left (the version line at the page's
            // top right) ends at the text's right edge, under the head rule.
            double end = 0;
            for (size_t k = parts[0].first; k < parts[0].second; ++k)
                if (!m.cells[k].ch.isSpace()) end = m.cells[k].x + m.cells[k].w;
            const double over = lx + end - (kAreaX + kTextWidth);
            if (over > 1e-6) lx = std::max(kAreaX, lx - over);
        }
        for (size_t p = 0; p < parts.size(); ++p) {
            ensure(pitch);
            const double top = y;
            if (heading && m.visible() && keep_page == -1) {
                // Something stands above the heading on this page: it may go
                // over to the next page with its block.
                keep_page = content ? page : -2;
                keep_item = pg().items.size();
                keep_y = top;
            } else if (!heading && m.visible()) {
                keep_page = -1;
            }
            const double base = y + pitch * 0.74;
            const bool takes_room = m.visible() || m.groups.empty();
            if (p == 0) groups_of(m, top, takes_room ? top + pitch : top, lx, lx + av);
            emit_runs(&pg(), m, parts[p].first, parts[p].second, lx, base, cw);
            // A line of nothing but a rule or frame takes no room.
            if (takes_room) {
                y += pitch;
                content = true;
            }
        }
        if (m.all_styles & OLI_ST_SPACE_BELOW) y += 0.5 * pitch;
    }

    void paragraph(const std::vector<OliParaPart>& parts, int line)
    {
        for (const OliParaPart& part : parts) {
            const OliParaFormatView& f = part.format;
            if (f.space > 0 && f.space < 10) move(f.space);
            bool first = true;
            for (const std::string& l : part.lines) {
                const bool heading = l.size() >= 2 && (unsigned char)l[0] == 0xCE && l[1] == '@';
                const double indent = std::max(0.0, std::min(f.length_b + (first ? f.length_d : 0), 15.0));
                text_line(l, f.font, f.factor, &f, indent, heading);
                first = false;
            }
            if (part.space_after > 0 && part.space_after < 10) move(part.space_after);
        }
        note_unknown_codes(line);
    }

    void table(const OliTableBlock& t, int line)
    {
        const double cw = char_width(7);
        const double pitch = pitch_of(cw);
        const int title_font[3] = {5, 4, 3};
        // Everything is measured first so that a table can be kept on one page.
        double title_h = 0;
        for (int g = 0; g < 3; ++g) title_h += double(t.titles[g].size()) * pitch_of(char_width(title_font[g]));
        const bool is_table = t.head_rows > 0 || t.unit_row || !t.separators.empty();
        std::vector<MarkedLine> rows;
        for (const std::string& l : t.lines) {
            // In a table the blank that begins a line opens its first column;
            // in a block of plain text it only begins the line.
            const bool prefix = !is_table && !l.empty() && l[0] == ' ';
            MarkedLine m = mark_line(prefix ? l.substr(1) : l, cw, &unknown_codes);
            place_cells(&m, cw, nullptr, 0, true);
            rows.push_back(m);
        }
        const int head = std::min<int>(t.head_rows + (t.unit_row ? 1 : 0), int(rows.size()));
        double rows_h = 0;
        double width = 0;
        for (const MarkedLine& m : rows) {
            if (m.visible() || m.groups.empty()) rows_h += pitch;
            if (!m.cells.empty()) width = std::max(width, m.cells.back().x + m.cells.back().w);
        }
        for (double s : t.separators) width = std::max(width, s * cw);
        const double full = title_h + rows_h;
        if (flags != 640 && full <= kAreaBottom - kAreaTop)
            ensure(full);
        else
            ensure(title_h + (head + 1) * pitch);
        keep_page = -1; // the headings stand with the table's first rows now

        for (int g = 0; g < 3; ++g)
            for (const std::string& l : t.titles[g]) {
                text_line(l, title_font[g], 1.0, nullptr, 0, g == 0 || g == 1);
            }
        const double tx = x0();
        double seg_top = y;
        auto close_segment = [&](double bottom) {
            if (!is_table || bottom <= seg_top + 1e-6) return;
            double last = -1;
            for (double s : t.separators) {
                if (s <= 0 || s == last || !std::isfinite(s) || s > 1000) continue;
                last = s;
                const double x = tx + (s + 0.5) * cw; // in the blank that opens the next column
                pg().items.push_back(line_item(x, seg_top, x, bottom, 0.01, 0));
            }
            pg().items.push_back(line_item(tx, seg_top, tx + width, seg_top, 0.02, 0));
            pg().items.push_back(line_item(tx, bottom, tx + width, bottom, 0.02, 0));
        };
        auto draw_row = [&](const MarkedLine& m, int index) {
            const bool takes_room = m.visible() || m.groups.empty();
            if (takes_room && y + pitch > kAreaBottom + 1e-9 && content) {
                close_segment(y);
                new_page();
                seg_top = y;
                // The heading rows again on the new page.
                if (index >= head)
                    for (int h = 0; h < head; ++h) {
                        emit_runs(&pg(), rows[size_t(h)], 0, rows[size_t(h)].cells.size(), tx, y + pitch * 0.74, cw);
                        y += pitch;
                    }
                if (index >= head && head > 0) pg().items.push_back(line_item(tx, y, tx + width, y, 0.015, 0));
            }
            const double top = y;
            groups_of(m, top, takes_room ? top + pitch : top, tx, tx + width);
            emit_runs(&pg(), m, 0, m.cells.size(), tx, y + pitch * 0.74, cw);
            if (takes_room) {
                y += pitch;
                content = true;
            }
            if (m.all_styles & OLI_ST_SPACE_BELOW) y += 0.5 * pitch;
        };
        for (int k = 0; k < int(rows.size()); ++k) {
            draw_row(rows[size_t(k)], k);
            if (k == head - 1) pg().items.push_back(line_item(tx, y, tx + width, y, 0.015, 0));
        }
        close_segment(y);
        if (page < 0) new_page();
        keep_page = -1;
        y += (rows.empty() && title_h > 0) ? 0.85 : kBlockGap;
        note_unknown_codes(line);
    }

    void graphic(const OliGraphicBlock& g, int line);
};

// ---- graphics blocks -------------------------------------------------------------

struct GState {
    double width = 0.02;
    unsigned line_rgb = 0, fill_rgb = 0;
    std::vector<double> dashes;
    double em = em_of(char_width(7));
    double angle = 0;
};

// One graphics block being drawn: where it stands on the page, its scale and
// the drawing state that its records change.
struct GDraw {
    Flow* flow;
    OliPage* page;
    const OliGraphicBlock* g;
    double s, ox, oy, bw, bh, ymin, ymax;
    GState st;
    std::vector<GState> stack;
    std::set<int> said_ops;

    QPointF map(double bx, double by) const
    {
        const double px = ox + s * (g->x2 >= g->x1 ? bx - g->x1 : g->x1 - bx);
        const double py = oy + s * (g->y1 < g->y2 ? ymax - by : by - ymin);
        return QPointF(px, py);
    }
    void warn(const OliGraphicRecord& r, const std::string& text)
    {
        flow->out->warnings.push_back("line " + std::to_string(r.line) + ": " + text);
    }
    // false (with one warning per record number) when r has fewer than n numbers
    bool need(const OliGraphicRecord& r, size_t n)
    {
        if (r.num.size() >= n) return true;
        if (said_ops.insert(r.op).second)
            warn(r, "graphics record " + std::to_string(r.op) + " with too few numbers skipped");
        return false;
    }
    void text_at(double bx, double by, const std::string& text, int code, double angle);
};

void GDraw::text_at(double bx, double by, const std::string& text, int code, double angle)
{
    if (!finite_all({bx, by})) return;
    const double em = st.em * s;
    const double cw = em * kAdvance;
    MarkedLine m = mark_line(text, cw, &flow->unknown_codes);
    const double w = place_cells(&m, cw, nullptr, 0);
    double dx = 0, dy = 0; // offsets along the text and up
    if (code) {
        const int h = code & 0x7;
        const int v = code & 0x38;
        if (h == 2)
            dx = -w / 2;
        else if (h == 4)
            dx = -w;
        if (v == 0x08)
            dy = 0.2 * em;
        else if (v == 0x10)
            dy = -0.36 * em;
        else if (v == 0x20)
            dy = -kAscent * em;
        if (code & 0x100) angle = 90;
    }
    const QPointF p = map(bx, by);
    const double rad = angle * KOV_DEG_TO_RAD;
    const double ux = std::cos(rad), uy = -std::sin(rad), vx = -std::sin(rad), vy = -std::cos(rad);
    for (Cell& c : m.cells) c.rgb = c.rgb ? c.rgb : st.line_rgb;
    emit_runs(page, m, 0, m.cells.size(), p.x() + ux * dx + vx * dy, p.y() + uy * dx + vy * dy, cw, angle);
}

// The drawing functions, one per record kind.

void g_nothing(GDraw&, const OliGraphicRecord&) {}

void g_line(GDraw& d, const OliGraphicRecord& r)
{
    const std::vector<double>& v = r.num;
    if (!d.need(r, 4) || !finite_all({v[0], v[1], v[2], v[3]})) return;
    OliPaintItem it = line_item(0, 0, 0, 0, std::max(0.005, d.st.width * d.s), d.st.line_rgb);
    it.points.clear();
    it.points << d.map(v[0], v[1]) << d.map(v[2], v[3]);
    for (double dash : d.st.dashes) it.dashes.push_back(dash * d.s);
    d.page->items.push_back(it);
}

void g_text(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 2)) d.text_at(r.num[0], r.num[1], r.text, 0, 0);
}

void g_text_turned(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 2)) d.text_at(r.num[0], r.num[1], r.text, 0, d.st.angle);
}

void g_text_aligned(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 5)) d.text_at(r.num[0], r.num[1], r.text, int(r.num[4]), 0);
}

void g_text_aligned_turned(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 5)) d.text_at(r.num[0], r.num[1], r.text, int(r.num[4]), d.st.angle);
}

void g_line_class(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 1)) d.st.width = r.num[0] >= 2 ? 0.05 : 0.02;
}

void g_line_width(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 1) && std::isfinite(r.num[0])) d.st.width = r.num[0] > 0 ? std::min(r.num[0], 2.0) : 0.005;
}

void g_char_size(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 1)) d.st.em = em_of(char_width(int(r.num[0])));
}

void g_text_height(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 1) && r.num[0] > 0 && r.num[0] < 20) d.st.em = r.num[0] / 0.73;
}

void g_text_angle(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 1) && std::isfinite(r.num[0])) d.st.angle = std::fmod(r.num[0], 360.0);
}

void g_polygon(GDraw& d, const OliGraphicRecord& r)
{
    const std::vector<double>& v = r.num;
    if (!d.need(r, 1)) return;
    const int n = int(v[0]);
    if (n < 1 || size_t(1 + 2 * n) > v.size()) {
        d.need(r, size_t(1 + 2 * std::max(n, 1)) + 1);
        return;
    }
    OliPaintItem it;
    it.kind = OliPaintItem::POLYGON;
    it.rgb = d.st.fill_rgb;
    for (int k = 0; k < n; ++k)
        if (finite_all({v[size_t(1 + 2 * k)], v[size_t(2 + 2 * k)]}))
            it.points << d.map(v[size_t(1 + 2 * k)], v[size_t(2 + 2 * k)]);
    d.page->items.push_back(it);
}

void g_colour(GDraw& d, const OliGraphicRecord& r)
{
    if (d.need(r, 1)) d.st.line_rgb = d.st.fill_rgb = Oli_Palette_Rgb(int(r.num[0]));
}

void g_box(GDraw& d, const OliGraphicRecord& r)
{
    const std::vector<double>& v = r.num;
    if (!d.need(r, 4) || !finite_all({v[0], v[1], v[2], v[3]})) return;
    OliPaintItem it;
    it.kind = OliPaintItem::RECT;
    it.rect = QRectF(d.map(v[0], v[1]), d.map(v[2], v[3])).normalized();
    it.rgb = d.st.fill_rgb;
    d.page->items.push_back(it);
}

void g_symbol(GDraw& d, const OliGraphicRecord& r)
{
    const std::vector<double>& v = r.num;
    // The diameter sign of the reinforcement labels is shown as the
    // letter O with stroke (code page 850 0x9D), its top left corner at
    // the symbol's point.
    const size_t slash = r.text.find_last_of('\\');
    std::string symbol = slash == std::string::npos ? std::string() : r.text.substr(slash + 1);
    for (char& ch : symbol) ch = char(std::toupper((unsigned char)ch));
    if (symbol == "DURCHM.OCM" && v.size() >= 2) {
        d.text_at(v[0], v[1], "\x9D", 0xC0 + 1 + 0x20, 0);
        return;
    }
    // A picture of the viewer's picture folder: "x y %FONT%\name". It
    // fills the block, kept in its proportions.
    const size_t at = r.text.find("%FONT%");
    std::string name = at == std::string::npos ? std::string() : r.text.substr(at + 6);
    while (!name.empty() && (name[0] == '\\' || name[0] == '/')) name.erase(0, 1);
    const char* dir = std::getenv("KOV_OLI_FONT_DIR");
    std::string why = "cannot be read";
    const QImage img = dir && *dir && !name.empty() ? named_picture(std::string(dir) + "/" + name, &why) : QImage();
    OliPaintItem it;
    it.rect = QRectF(d.ox, d.oy, d.bw * d.s, d.bh * d.s);
    if (img.isNull()) {
        d.warn(r, "picture \"" + name + "\" of the picture folder (KOV_OLI_FONT_DIR) " + why +
                      ": a frame stands in its place");
        it.kind = OliPaintItem::FRAME;
        it.width = 0.02;
    } else {
        const QSizeF fit = QSizeF(img.size()).scaled(it.rect.size(), Qt::KeepAspectRatio);
        it.rect = QRectF(it.rect.topLeft(), fit);
        it.kind = OliPaintItem::IMAGE;
        it.image = img;
    }
    d.page->items.push_back(it);
}

void g_push(GDraw& d, const OliGraphicRecord&)
{
    if (d.stack.size() < 100) d.stack.push_back(d.st);
}

void g_pop(GDraw& d, const OliGraphicRecord&)
{
    if (d.stack.empty()) return;
    d.st = d.stack.back();
    d.stack.pop_back();
}

void g_dashes(GDraw& d, const OliGraphicRecord& r)
{
    const std::vector<double>& v = r.num;
    std::vector<double>& dashes = d.st.dashes;
    dashes.clear();
    const int n = v.empty() ? 0 : int(v[0]);
    for (int k = 0; k < n && size_t(k + 1) < v.size(); ++k)
        if (v[size_t(k + 1)] > 0 && v[size_t(k + 1)] < 10) dashes.push_back(v[size_t(k + 1)]);
    if (dashes.size() % 2) dashes.push_back(dashes.back());
}

void g_rgb(GDraw& d, const OliGraphicRecord& r)
{
    if (!d.need(r, 3)) return;
    auto c = [](double x) { return unsigned(x < 0 ? 0 : x > 255 ? 255 : x); };
    const unsigned rgb = (c(r.num[0]) << 16) | (c(r.num[1]) << 8) | c(r.num[2]);
    (r.op == OLI_G_LINE_RGB ? d.st.line_rgb : d.st.fill_rgb) = rgb;
}

void g_picture(GDraw& d, const OliGraphicRecord& r)
{
    if (!d.need(r, 3)) return;
    const double w = r.num[1] * d.s, h = r.num[2] * d.s;
    if (!finite_all({w, h}) || w <= 0 || h <= 0) return;
    std::string why = "cannot be read";
    QImage img;
    if (!r.data.empty())
        img.loadFromData(reinterpret_cast<const uchar*>(r.data.data()), int(r.data.size()));
    else
        img = named_picture(r.text, &why);
    OliPaintItem it;
    it.rect = QRectF(d.ox, d.oy, w, h);
    if (img.isNull()) {
        d.warn(r, "picture \"" + r.text + "\" " + why + ": a frame stands in its place");
        it.kind = OliPaintItem::FRAME;
        it.width = 0.02;
    } else {
        it.kind = OliPaintItem::IMAGE;
        it.image = img;
    }
    d.page->items.push_back(it);
}

// One line per record kind of kOliGraphicRecords.
struct GDrawer {
    int op;
    void (*draw)(GDraw&, const OliGraphicRecord&);
};

const GDrawer kGDrawers[] = {
    {OLI_G_LINE, g_line},
    {OLI_G_TEXT, g_text},
    {OLI_G_TEXT_TURNED, g_text_turned},
    {OLI_G_LINE_CLASS, g_line_class},
    {OLI_G_LINE_WIDTH, g_line_width},
    {OLI_G_CHAR_SIZE, g_char_size},
    {OLI_G_FONT, g_nothing},
    {OLI_G_TEXT_ALIGNED, g_text_aligned},
    {OLI_G_TEXT_ALIGNED_TURNED, g_text_aligned_turned},
    {OLI_G_TEXT_HEIGHT, g_text_height},
    {OLI_G_TEXT_ANGLE, g_text_angle},
    {OLI_G_16, g_nothing},
    {OLI_G_POLYGON, g_polygon},
    {OLI_G_COLOUR, g_colour},
    {OLI_G_23, g_nothing},
    {OLI_G_BOX, g_box},
    {OLI_G_SYMBOL, g_symbol},
    {OLI_G_PUSH, g_push},
    {OLI_G_POP, g_pop},
    {OLI_G_DASHES, g_dashes},
    {OLI_G_LINE_RGB, g_rgb},
    {OLI_G_FILL_RGB, g_rgb},
    {OLI_G_PUSH_EXTENDED, g_nothing},
    {OLI_G_POP_EXTENDED, g_nothing},
    {OLI_G_PATTERN_BEGIN, g_nothing},
    {OLI_G_PATTERN_END, g_nothing},
    {OLI_G_PATTERN_AREA, g_nothing},
    {OLI_G_PATTERN, g_nothing},
    {OLI_G_PICTURE, g_picture},
};
static_assert(std::size(kGDrawers) == std::size(kOliGraphicRecords),
              "every graphics record of the list has its drawing function");

const GDrawer* drawer_of(int op)
{
    for (const GDrawer& k : kGDrawers)
        if (k.op == op) return &k;
    return nullptr;
}

void Flow::graphic(const OliGraphicBlock& g, int line)
{
    const double bw = std::fabs(g.x2 - g.x1), bh = std::fabs(g.y2 - g.y1);
    if (!finite_all({g.x1, g.x2, g.y1, g.y2}) || bw < 1e-6 || bh < 1e-6) {
        out->warnings.push_back("line " + std::to_string(line) + ": graphics block with an empty extent skipped");
        return;
    }
    const double title_pitch = pitch_of(char_width(7));
    const double titles_h = double(g.titles_top.size()) * title_pitch;
    double s = 1.0;
    s = std::min(s, avail() / bw);
    s = std::min(s, (kAreaBottom - kAreaTop - titles_h) / bh);
    if (s <= 0) s = 1.0;
    ensure(titles_h + bh * s);
    keep_page = -1;
    for (const std::string& t : g.titles_top) text_line(t, 7, 1.0, nullptr, 0, true);
    const double ox = x0(), oy = y;
    const double ymin = std::min(g.y1, g.y2), ymax = std::max(g.y1, g.y2);
    GDraw d{this, &pg(), &g, s, ox, oy, bw, bh, ymin, ymax, GState(), {}, {}};
    std::set<int> unknown_ops;
    for (const OliGraphicRecord& r : g.records) {
        if (const GDrawer* drawer = drawer_of(r.op))
            drawer->draw(d, r);
        else if (unknown_ops.insert(r.op).second)
            d.warn(r, "unknown graphics record " + std::to_string(r.op) + " skipped");
    }
    y = oy + bh * s;
    content = true;
    keep_page = -1;
    for (const std::string& t : g.titles_bottom) text_line(t, 7, 1.0, nullptr, 0, false);
    y += kBlockGap;
    note_unknown_codes(line);
}

// Page heads: the list's title and the page number.
void add_heads(OliPages* p)
{
    const int n = int(p->pages.size());
    const double cw = char_width(8);
    for (int k = 0; k < n; ++k) {
        OliPage& page = p->pages[size_t(k)];
        const double base = 1.3;
        if (!p->title.isEmpty()) {
            OliPaintItem it;
            it.kind = OliPaintItem::TEXT;
            it.text = p->title;
            it.pos = QPointF(kAreaX, base);
            it.char_width = cw;
            page.items.push_back(it);
        }
        OliPaintItem num;
        num.kind = OliPaintItem::TEXT;
        num.text = QString::fromUtf8("Seite %1 von %2").arg(k + 1).arg(n);
        num.char_width = cw;
        num.pos = QPointF(kAreaX + kTextWidth - num.text.size() * cw, base);
        page.items.push_back(num);
        page.items.push_back(line_item(kAreaX, base + 0.15, kAreaX + kTextWidth, base + 0.15, 0.015, 0));
    }
}

// ---- plot files ----------------------------------------------------------------------

void ring_points(const std::vector<SpfVertex>& ring, std::vector<QPointF>* out)
{
    const size_t n = ring.size();
    for (size_t k = 0; k < n; ++k) {
        const SpfVertex& a = ring[k];
        const SpfVertex& b = ring[(k + 1) % n];
        out->push_back(QPointF(a.x, a.y));
        if (a.radius == 0 || n < 2) continue;
        // An arc of that radius to the next vertex, counter-clockwise.
        const double r = std::fabs(a.radius);
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double d = std::hypot(dx, dy);
        if (d < 1e-12 || d > 2 * r + 1e-9 * r) continue;
        const double h = std::sqrt(std::max(0.0, r * r - d * d / 4));
        const double mx = (a.x + b.x) / 2 - dy / d * h, my = (a.y + b.y) / 2 + dx / d * h;
        double a0 = std::atan2(a.y - my, a.x - mx), a1 = std::atan2(b.y - my, b.x - mx);
        while (a1 <= a0) a1 += 2 * KOV_PI;
        const int steps = 32;
        for (int q = 1; q < steps; ++q) {
            const double t = a0 + (a1 - a0) * q / steps;
            out->push_back(QPointF(mx + r * std::cos(t), my + r * std::sin(t)));
        }
    }
}

} // namespace

// ==== public ============================================================================

OliPages Oli_Layout_List(const OliDocument& doc)
{
    OliPages p;
    p.warnings = doc.warnings;
    p.title = Oli_Plain_Text(doc.contents);
    Flow f(&p);
    for (const OliItem& it : doc.items) {
        switch (it.kind) {
            case OliItem::NEWPAGE:
                if (f.page < 0 || f.content) f.new_page();
                break;
            case OliItem::LAYOUT: f.layout_record(it.layout, it.line); break;
            case OliItem::PARA: f.paragraph(it.para, it.line); break;
            case OliItem::TABLE: f.table(it.table, it.line); break;
            case OliItem::GRAPHIC: f.graphic(it.graphic, it.line); break;
            case OliItem::TEXT:
                f.text_line(it.text, 7, 1.0, nullptr, 0, false);
                f.note_unknown_codes(it.line);
                break;
        }
    }
    if (f.frame_open) {
        f.frame_side(f.y);
        p.warnings.push_back("a frame of the list is not closed: it ends with the list");
    }
    if (p.pages.empty()) p.pages.push_back(OliPage());
    add_heads(&p);
    return p;
}

OliPages Oli_Layout_Plot(const SpfDocument& doc)
{
    OliPages p;
    p.warnings = doc.warnings;
    p.title = Oli_Decode(doc.title).trimmed();
    // The drawing's extent in plot coordinates.
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    auto take = [&](double x, double y, double r = 0) {
        if (!finite_all({x, y, r})) return;
        x0 = std::min(x0, x - r), x1 = std::max(x1, x + r);
        y0 = std::min(y0, y - r), y1 = std::max(y1, y + r);
    };
    for (const SpfEntity& e : doc.entities) {
        if (e.kind == SpfEntity::LINE) {
            if (e.pen < 0) continue;
            take(e.x1, e.y1), take(e.x2, e.y2);
        } else if (e.kind == SpfEntity::AREA) {
            for (const auto& ring : e.rings)
                for (const SpfVertex& v : ring) take(v.x, v.y, std::fabs(v.radius) < 1e6 ? std::fabs(v.radius) : 0);
        } else {
            take(e.x1, e.y1);
        }
    }
    if (x0 > x1) {
        x0 = y0 = 0;
        x1 = y1 = 1;
    }
    const double w = std::max(x1 - x0, 1e-9), h = std::max(y1 - y0, 1e-9);
    if (w > h * 1.15) std::swap(p.width, p.height);
    p.pages.push_back(OliPage());
    OliPage& page = p.pages[0];
    const double margin = 1.5, title_h = 1.2;
    const double aw = p.width - 2 * margin, ah = p.height - 2 * margin - title_h;
    // Room for the texts that stand beyond the outermost points.
    const double s = std::min(aw / w, ah / h) * 0.94;
    const double ox = margin + (aw - w * s) / 2, oy = margin + title_h + (ah - h * s) / 2;
    auto map = [&](double x, double y) { return QPointF(ox + (x - x0) * s, oy + (y1 - y) * s); };
    auto colour_of_pen = [&](int pen) -> unsigned {
        if (pen < 0 || size_t(pen) >= doc.pens.size()) return 0;
        const int c = doc.pens[size_t(pen)].colour;
        return c >= 0 && size_t(c) < doc.colours.size() ? doc.colours[size_t(c)] : 0;
    };
    auto width_of_pen = [&](int pen) {
        double mm = pen >= 0 && size_t(pen) < doc.pens.size() ? doc.pens[size_t(pen)].width : 0.18;
        return std::max(0.005, std::min(mm, 5.0) / 10.0);
    };
    if (!p.title.isEmpty()) {
        OliPaintItem t;
        t.kind = OliPaintItem::TEXT;
        t.text = p.title;
        t.char_width = char_width(5);
        t.style = OLI_ST_BOLD;
        t.pos = QPointF(margin, margin + 0.6);
        page.items.push_back(t);
    }
    std::set<int> unknown_fill;
    for (const SpfEntity& e : doc.entities) {
        if (e.kind == SpfEntity::LINE) {
            if (e.pen < 0 || !finite_all({e.x1, e.y1, e.x2, e.y2})) continue;
            OliPaintItem it = line_item(0, 0, 0, 0, width_of_pen(e.pen), colour_of_pen(e.pen));
            it.points.clear();
            it.points << map(e.x1, e.y1) << map(e.x2, e.y2);
            if (e.linetype > 0 && size_t(e.linetype) < doc.linetypes.size())
                for (double d : doc.linetypes[size_t(e.linetype)].dashes)
                    it.dashes.push_back(std::max(0.005, d / 10.0));
            page.items.push_back(it);
        } else if (e.kind == SpfEntity::AREA) {
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            for (const auto& ring : e.rings) {
                std::vector<QPointF> pts;
                ring_points(ring, &pts);
                QPolygonF poly;
                for (const QPointF& q : pts)
                    if (finite_all({q.x(), q.y()})) poly << map(q.x(), q.y());
                if (poly.size() >= 3) path.addPolygon(poly), path.closeSubpath();
            }
            if (path.isEmpty()) continue;
            const SpfFilling* fill =
                e.filling >= 0 && size_t(e.filling) < doc.fillings.size() ? &doc.fillings[size_t(e.filling)] : nullptr;
            if (!fill || fill->hatches.empty()) {
                if (unknown_fill.insert(e.filling).second)
                    p.warnings.push_back("filling " + std::to_string(e.filling) +
                                         " is not in the plot file's table: shown grey");
                OliPaintItem it;
                it.kind = OliPaintItem::PATH;
                it.path = path;
                it.rgb = 0xC0C0C0;
                page.items.push_back(it);
                continue;
            }
            for (const SpfHatch& hh : fill->hatches) {
                OliPaintItem it;
                it.path = path;
                it.rgb = colour_of_pen(hh.pen);
                const double spacing = hh.spacing / 10.0; // mm on paper
                if (spacing <= 0.03) {
                    it.kind = OliPaintItem::PATH;
                } else if (spacing > 50) {
                    continue;
                } else {
                    it.kind = OliPaintItem::HATCH;
                    it.spacing = spacing;
                    it.angle = hh.angle;
                    it.width = width_of_pen(hh.pen);
                }
                page.items.push_back(it);
            }
        } else {
            if (!finite_all({e.x1, e.y1, e.angle})) continue;
            double mm = e.font >= 0 && size_t(e.font) < doc.fonts.size() ? doc.fonts[size_t(e.font)].height : 2.0;
            if (!(mm > 0 && mm < 100)) mm = 2.0;
            const double em = mm / 10.0 / 0.73;
            const double cw = em * kAdvance;
            MarkedLine m;
            for (unsigned char b : e.text) {
                Cell c;
                c.ch = QChar(char16_t(Oli_Char_Of_Byte(b)));
                c.w = cw;
                c.rgb = 0;
                if (e.font >= 0 && size_t(e.font) < doc.fonts.size() && doc.fonts[size_t(e.font)].slant > 0)
                    c.style = OLI_ST_S;
                m.cells.push_back(c);
            }
            const double tw = place_cells(&m, cw, nullptr, 0);
            const int j = e.justification >= 1 && e.justification <= 9 ? e.justification : 7;
            const int col = (j - 1) % 3, row = (j - 1) / 3; // row 0 bottom, 2 top
            double dx = col == 1 ? -tw / 2 : col == 2 ? -tw : 0;
            double dy = row == 0 ? 0.2 * em : row == 1 ? -0.36 * em : -kAscent * em;
            const QPointF q = map(e.x1, e.y1);
            const double rad = e.angle * KOV_DEG_TO_RAD;
            const double ux = std::cos(rad), uy = -std::sin(rad), vx = -std::sin(rad), vy = -std::cos(rad);
            emit_runs(&page, m, 0, m.cells.size(), q.x() + ux * dx + vx * dy, q.y() + uy * dx + vy * dy, cw, e.angle);
        }
    }
    return p;
}

bool Oli_Load_Pages(const std::string& path, OliPages* pages)
{
    std::string bytes;
    bool cut = false;
    if (!Oli_Read_Bytes_Of(path, &bytes, &cut)) {
        *pages = OliPages();
        pages->pages.push_back(OliPage());
        pages->warnings.push_back("\"" + path + "\" cannot be read");
        return false;
    }
    if (Spf_Is_Plot(bytes)) {
        SpfDocument d;
        Spf_Parse(bytes, &d);
        *pages = Oli_Layout_Plot(d);
    } else {
        OliDocument d;
        Oli_Parse_List(bytes, &d);
        *pages = Oli_Layout_List(d);
    }
    if (cut) pages->warnings.push_back("the file is larger than the viewer reads: its end is left out");
    return true;
}

bool Oli_Ensure_Gui()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app) return qobject_cast<QGuiApplication*>(app) != nullptr;
    // A batch run without a Qt application: an offscreen one for fonts and
    // painting, kept for the rest of the run.
    static int argc = 3;
    static char arg0[] = "kov";
    static char arg1[] = "-platform";
    static char arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    new QGuiApplication(argc, argv);
    Kov_Numeric_C_Locale();
    return true;
}

namespace {

// Painting works in units of 1/1000 cm.
const double kUnit = 1000.0;

double font_ratio(const QFont& base)
{
    static std::map<QString, double> cache;
    const QString key = base.family() + (base.bold() ? "b" : "") + (base.italic() ? "i" : "");
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    QFont f(base);
    f.setPixelSize(1000);
    QFontMetricsF fm(f);
    double r = fm.horizontalAdvance(QLatin1Char('0')) / 1000.0;
    if (!(r > 0.2 && r < 1.5)) r = kAdvance;
    cache[key] = r;
    return r;
}

QFont list_font(double char_width, unsigned style)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setBold(style & OLI_ST_BOLD);
    f.setItalic(style & OLI_ST_S);
    const double r = font_ratio(f);
    f.setPixelSize(std::max(1, int(std::lround(char_width * kUnit / r))));
    f.setUnderline(style & OLI_ST_UNDERLINE);
    return f;
}

QColor colour(unsigned rgb) { return QColor(int((rgb >> 16) & 255), int((rgb >> 8) & 255), int(rgb & 255)); }

// A line is at least one device pixel wide, so that thin rules stay visible
// on the screen (px: the size of a device pixel in cm).
QPen pen_of(const OliPaintItem& it, double px)
{
    QPen pen(colour(it.rgb));
    const double w = std::max(std::max(it.width, 0.003), px);
    pen.setWidthF(w * kUnit);
    pen.setCapStyle(Qt::FlatCap);
    if (!it.dashes.empty()) {
        QVector<qreal> pattern;
        for (double d : it.dashes) pattern << std::max(d / w, 0.1);
        pen.setDashPattern(pattern);
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

QPointF U(const QPointF& p) { return QPointF(p.x() * kUnit, p.y() * kUnit); }
QRectF U(const QRectF& r) { return QRectF(r.x() * kUnit, r.y() * kUnit, r.width() * kUnit, r.height() * kUnit); }

} // namespace

void Oli_Paint_Page(QPainter* painter, const OliPages& pages, int index, const QRectF& target)
{
    if (!painter || index < 0 || size_t(index) >= pages.pages.size()) return;
    painter->save();
    painter->translate(target.topLeft());
    painter->scale(target.width() / (pages.width * kUnit), target.height() / (pages.height * kUnit));
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->fillRect(QRectF(0, 0, pages.width * kUnit, pages.height * kUnit), Qt::white);
    const double px = 1.0 / std::max(1e-9, std::fabs(painter->worldTransform().m11())) / kUnit;
    for (const OliPaintItem& it : pages.pages[size_t(index)].items) {
        switch (it.kind) {
            case OliPaintItem::TEXT: {
                painter->save();
                painter->setFont(list_font(it.char_width, it.style));
                painter->setPen(colour(it.rgb));
                painter->translate(U(it.pos));
                if (it.angle != 0) painter->rotate(-it.angle);
                painter->drawText(QPointF(0, 0), it.text);
                painter->restore();
                break;
            }
            case OliPaintItem::LINE:
                if (it.points.size() >= 2) {
                    painter->setPen(pen_of(it, px));
                    painter->drawLine(U(it.points[0]), U(it.points[1]));
                }
                break;
            case OliPaintItem::POLYGON: {
                QPolygonF poly;
                for (const QPointF& q : it.points) poly << U(q);
                painter->setPen(Qt::NoPen);
                painter->setBrush(colour(it.rgb));
                painter->drawPolygon(poly);
                painter->setBrush(Qt::NoBrush);
                break;
            }
            case OliPaintItem::RECT: painter->fillRect(U(it.rect), colour(it.rgb)); break;
            case OliPaintItem::FRAME:
                painter->setPen(pen_of(it, px));
                painter->setBrush(Qt::NoBrush);
                painter->drawRect(U(it.rect));
                break;
            case OliPaintItem::PATH: {
                QTransform t = QTransform::fromScale(kUnit, kUnit);
                painter->fillPath(t.map(it.path), colour(it.rgb));
                break;
            }
            case OliPaintItem::HATCH: {
                const QPainterPath path = QTransform::fromScale(kUnit, kUnit).map(it.path);
                const QRectF b = path.boundingRect();
                painter->save();
                painter->setClipPath(path, Qt::IntersectClip);
                painter->setPen(pen_of(it, px));
                const double step = std::max(it.spacing * kUnit, 10.0);
                const QPointF c = b.center();
                const double r = std::hypot(b.width(), b.height()) / 2 + step;
                painter->translate(c);
                painter->rotate(-it.angle);
                for (double d = -r; d <= r; d += step) painter->drawLine(QPointF(-r, d), QPointF(r, d));
                painter->restore();
                break;
            }
            case OliPaintItem::IMAGE: painter->drawImage(U(it.rect), it.image); break;
        }
    }
    painter->restore();
}

namespace {

// The integer after the last occurrence of key in text; -1 when there is none.
long pdf_int_after(const std::string& text, const std::string& key, size_t from = 0)
{
    const size_t p = text.rfind(key);
    if (p == std::string::npos || p < from) return -1;
    size_t k = p + key.size();
    while (k < text.size() && (text[k] == ' ' || text[k] == '\r' || text[k] == '\n')) ++k;
    long v = 0;
    bool any = false;
    while (k < text.size() && text[k] >= '0' && text[k] <= '9' && v < 100000000) {
        v = v * 10 + (text[k++] - '0');
        any = true;
    }
    return any ? v : -1;
}

// The bookmarks of the list as the PDF's outline, added to the file as an
// incremental update (the objects Qt wrote stay as they are). Anything
// unexpected in the file leaves it without an outline.
bool add_pdf_outline(const std::string& file, const OliPages& pages)
{
    if (pages.bookmarks.empty()) return true;
    std::string pdf;
    if (!Oli_Read_Bytes_Of(file, &pdf) || pdf.size() < 100) return false;
    const size_t trailer = pdf.rfind("trailer");
    if (trailer == std::string::npos) return false;
    const long size = pdf_int_after(pdf, "/Size", trailer);
    const long root = pdf_int_after(pdf, "/Root", trailer);
    const long info = pdf_int_after(pdf, "/Info", trailer);
    const long prev = pdf_int_after(pdf, "startxref", trailer);
    if (size <= 0 || root <= 0 || prev <= 0) return false;
    // The catalog's dictionary, to be written again with the outline.
    const std::string head = "\n" + std::to_string(root) + " 0 obj";
    const size_t cs = pdf.find(head);
    if (cs == std::string::npos) return false;
    const size_t ce = pdf.find("endobj", cs);
    if (ce == std::string::npos) return false;
    const std::string catalog = pdf.substr(cs + head.size(), ce - cs - head.size());
    const size_t lt = catalog.find("<<"), gt = catalog.rfind(">>");
    if (lt == std::string::npos || gt == std::string::npos || gt < lt || catalog.find("/Outlines") != std::string::npos)
        return false;
    const std::string body = catalog.substr(lt + 2, gt - lt - 2);
    // The page objects in their order.
    const size_t kp = pdf.find("/Kids", pdf.find("/Type /Pages"));
    if (kp == std::string::npos) return false;
    const size_t ke = pdf.find(']', kp);
    if (ke == std::string::npos) return false;
    std::vector<long> kids;
    {
        std::vector<std::string> tok;
        std::string cur;
        for (size_t k = pdf.find('[', kp) + 1; k < ke; ++k) {
            const char c = pdf[k];
            if (c == ' ' || c == '\n' || c == '\r') {
                if (!cur.empty()) tok.push_back(cur), cur.clear();
            } else {
                cur += c;
            }
        }
        if (!cur.empty()) tok.push_back(cur);
        for (size_t k = 0; k + 2 < tok.size(); k += 3) {
            if (tok[k + 2] != "R") return false;
            kids.push_back(std::strtol(tok[k].c_str(), nullptr, 10));
        }
    }
    if (kids.size() != pages.pages.size()) return false;

    // The tree: each entry's parent, neighbours and children.
    const size_t n = pages.bookmarks.size();
    std::vector<long> parent(n, -1), first(n, -1), last(n, -1), before(n, -1), after(n, -1), count(n, 0);
    long top_first = -1, top_last = -1;
    std::vector<size_t> stack;
    for (size_t k = 0; k < n; ++k) {
        const size_t level = std::min(size_t(std::max(0, pages.bookmarks[k].level)), stack.size());
        stack.resize(level);
        parent[k] = level == 0 ? -1 : long(stack.back());
        long& f = level == 0 ? top_first : first[size_t(parent[k])];
        long& l = level == 0 ? top_last : last[size_t(parent[k])];
        if (l >= 0) {
            before[k] = l;
            after[size_t(l)] = long(k);
        } else {
            f = long(k);
        }
        l = long(k);
        for (long p = parent[k]; p >= 0; p = parent[size_t(p)]) ++count[size_t(p)];
        stack.push_back(k);
    }
    const long outline = size;
    auto id = [&](long k) { return std::to_string(size + 1 + k) + " 0 R"; };
    std::string out = pdf;
    if (out.back() != '\n') out += '\n';
    std::vector<std::pair<long, size_t>> offsets;
    offsets.push_back({outline, out.size()});
    out += std::to_string(outline) + " 0 obj\n<<\n/Type /Outlines\n/First " + id(top_first) + "\n/Last " +
           id(top_last) + "\n/Count " + std::to_string(n) + "\n>>\nendobj\n";
    const double page_h = (pages.height / 2.54) * 72.0;
    for (size_t k = 0; k < n; ++k) {
        const OliBookmarkEntry& b = pages.bookmarks[k];
        std::string title = "<FEFF";
        for (const QChar c : b.text) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%04X", unsigned(c.unicode()));
            title += hex;
        }
        title += ">";
        const int page = std::max(0, std::min(b.page, int(kids.size()) - 1));
        char top[32];
        std::snprintf(top, sizeof top, "%.1f", std::max(0.0, page_h - (b.y - 0.2) / 2.54 * 72.0));
        offsets.push_back({size + 1 + long(k), out.size()});
        out += std::to_string(size + 1 + long(k)) + " 0 obj\n<<\n/Title " + title + "\n/Parent " +
               (parent[k] < 0 ? std::to_string(outline) + " 0 R" : id(parent[k]));
        if (before[k] >= 0) out += "\n/Prev " + id(before[k]);
        if (after[k] >= 0) out += "\n/Next " + id(after[k]);
        if (first[k] >= 0)
            out += "\n/First " + id(first[k]) + "\n/Last " + id(last[k]) + "\n/Count " + std::to_string(count[k]);
        out += "\n/Dest [" + std::to_string(kids[size_t(page)]) + " 0 R /XYZ 0 " + top + " null]\n>>\nendobj\n";
    }
    const size_t cat_at = out.size();
    out += std::to_string(root) + " 0 obj\n<<" + body + "/Outlines " + std::to_string(outline) +
           " 0 R\n/PageMode /UseOutlines\n>>\nendobj\n";
    const size_t xref = out.size();
    char entry[32];
    out += "xref\n" + std::to_string(root) + " 1\n";
    std::snprintf(entry, sizeof entry, "%010lu 00000 n \n", (unsigned long)cat_at);
    out += entry;
    out += std::to_string(size) + " " + std::to_string(n + 1) + "\n";
    for (const auto& o : offsets) {
        std::snprintf(entry, sizeof entry, "%010lu 00000 n \n", (unsigned long)o.second);
        out += entry;
    }
    out += "trailer\n<<\n/Size " + std::to_string(size + long(n) + 1) + "\n";
    if (info > 0) out += "/Info " + std::to_string(info) + " 0 R\n";
    out += "/Root " + std::to_string(root) + " 0 R\n/Prev " + std::to_string(prev) + "\n>>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    // The file without the outline stays until the one with it is complete.
    return Kov_Replace_File(file.c_str(), [&out](FILE* f) {
               return std::fwrite(out.data(), 1, out.size(), f) == out.size();
           }) == KOV_REPLACE_OK;
}

} // namespace

bool Oli_Write_Pdf(const OliPages& pages, const std::string& path, std::string* error)
{
    if (!Oli_Ensure_Gui()) {
        if (error) *error = "no Qt GUI application for painting";
        return false;
    }
    // The painter writes the temporary file by its name.
    KovReplacement r;
    if (Kov_Replace_Open(path.c_str(), &r) != KOV_REPLACE_OK) {
        if (error) *error = "\"" + path + "\" cannot be written";
        return false;
    }
    std::fclose(r.f);
    r.f = nullptr;
    const std::string tmp = r.temp;
    bool ok = true;
    {
        QPdfWriter w(QString::fromLocal8Bit(tmp.c_str()));
        w.setResolution(1200);
        w.setTitle(pages.title);
        w.setCreator(QStringLiteral("KOV"));
        const bool landscape = pages.width > pages.height;
        w.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                    landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&w)) {
            ok = false;
        } else {
            for (size_t k = 0; k < pages.pages.size(); ++k) {
                if (k > 0 && !w.newPage()) {
                    ok = false;
                    break;
                }
                Oli_Paint_Page(&painter, pages, int(k), QRectF(0, 0, w.width(), w.height()));
            }
            if (!painter.end()) ok = false;
        }
    }
    QFile check(QString::fromLocal8Bit(tmp.c_str()));
    if (ok && (!check.exists() || check.size() == 0)) ok = false;
    // Without its outline the PDF is still complete.
    if (ok) add_pdf_outline(tmp, pages);
    if (Kov_Replace_Close(&r, ok ? 1 : 0) != KOV_REPLACE_OK) {
        if (error) *error = "\"" + path + "\" cannot be written";
        return false;
    }
    return true;
}

bool Oli_Print_Pages(const OliPages& pages, QPrinter* printer)
{
    if (!printer || !Oli_Ensure_Gui()) return false;
    printer->setFullPage(true);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(pages.width > pages.height ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(printer)) return false;
    int from = printer->fromPage(), to = printer->toPage();
    if (from <= 0) from = 1;
    if (to <= 0 || to > int(pages.pages.size())) to = int(pages.pages.size());
    bool first = true;
    for (int k = from - 1; k < to; ++k) {
        if (!first && !printer->newPage()) break;
        first = false;
        const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
        Oli_Paint_Page(&painter, pages, k, QRectF(0, 0, paper.width(), paper.height()));
    }
    return painter.end();
}

QImage Oli_Page_Image(const OliPages& pages, int index, double dpi)
{
    if (!Oli_Ensure_Gui() || !(dpi > 1 && dpi < 2400)) return QImage();
    const int w = int(std::lround(pages.width / 2.54 * dpi)), h = int(std::lround(pages.height / 2.54 * dpi));
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setDotsPerMeterX(int(dpi / 0.0254));
    img.setDotsPerMeterY(int(dpi / 0.0254));
    QPainter painter(&img);
    Oli_Paint_Page(&painter, pages, index, QRectF(0, 0, w, h));
    painter.end();
    return img;
}
