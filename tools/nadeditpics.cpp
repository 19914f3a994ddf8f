// Draws the pictures of the annex editor pages, the tables over which the EC5
// and EC0 pages place their fields:
//
//   QT_QPA_PLATFORM=offscreen nadeditpics data/NAD
//
// writes into the given folder:
//   EC5DodevNads.bmp        nine strips one below the other (k_mod, Table NA.1
//                           (b), k_def, deflection limits, partial factors,
//                           crack factor, net final deflection, fire, torsion),
//                           each at the rows and in the width the page cuts;
//                           background (255, 251, 240), the page's key colour
//   NAD-Kbws.bmp            the load-factor tables for buildings, 520 x 1501
//   NAD_bridge_*.bmp        the seven bridge tables (partial factors of the
//                           four design situations, combination factors of
//                           road, foot and railway bridges), 382 wide
//                           background white, the key colour of the EC0 page
// Our own drawings: grids with the headings, symbols and row labels a reader
// needs to find a field; the cells where the fields lie stay empty. Drawn
// without smoothing so that no pixel mixes with the key colour. The row labels
// of the load-factor tables are those of the annex library.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "nad/nadec0.h"
#include "platform/kovcp.h"
#include "platform/kovreplace.h"
#include "tools/toolpicture.h"

namespace {

const QColor kEc5Key(255, 251, 240);
const QColor kWhite(255, 255, 255);
const QColor kLine(60, 60, 60);
const QColor kHead(222, 236, 232);
const QColor kInk(0, 0, 0);

// The texts of all pictures that a grid line crosses.
int Crossings = 0;

// A picture being drawn: texts by their base line, as the sheets place them.
class Sheet {
public:
    Sheet(int w, int h, const QColor& background) : img_(w, h, QImage::Format_RGB32), bg_(background)
    {
        img_.fill(background);
        p_.begin(&img_);
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setRenderHint(QPainter::TextAntialiasing, false);
    }
    // The picture; a text crossed by a grid line is named on standard error
    // and counted in Crossings.
    QImage done()
    {
        p_.end();
        Crossings += crossings(stderr);
        return img_;
    }
    int crossings(FILE* err) const
    {
        int n = 0;
        for (const Ink& t : inks_)
            for (const QLine& l : lines_) {
                const bool across = l.y1() == l.y2() && l.y1() >= t.box.top() && l.y1() <= t.box.bottom() &&
                                    std::min(l.x1(), l.x2()) <= t.box.right() &&
                                    std::max(l.x1(), l.x2()) >= t.box.left();
                const bool down = l.x1() == l.x2() && l.x1() >= t.box.left() && l.x1() <= t.box.right() &&
                                  std::min(l.y1(), l.y2()) <= t.box.bottom() && std::max(l.y1(), l.y2()) >= t.box.top();
                if (across || down) {
                    std::fprintf(err, "nadeditpics: a line crosses \"%s\" at (%d, %d)\n", t.text.toUtf8().constData(),
                                 t.box.left(), t.box.top());
                    ++n;
                }
            }
        return n;
    }
    void text(int x, int y, const QString& s, int px = 11, bool bold = false, const QColor& c = kInk)
    {
        QFont f("DejaVu Sans");
        f.setPixelSize(px);
        f.setBold(bold);
        f.setStyleStrategy(QFont::NoAntialias);
        p_.setFont(f);
        p_.setPen(c);
        p_.drawText(x, y, s);
        const QRect ink = QFontMetrics(f).tightBoundingRect(s);
        if (!ink.isEmpty()) inks_.push_back(Ink{ink.translated(x, y), s});
    }
    int width(const QString& s, int px = 11, bool bold = false)
    {
        QFont f("DejaVu Sans");
        f.setPixelSize(px);
        f.setBold(bold);
        return QFontMetrics(f).horizontalAdvance(s);
    }
    // A symbol with its index: "γ" and "F,sup" at (x, y).
    int symbol(int x, int y, const QString& s, const QString& index, int px = 11, bool bold = false)
    {
        text(x, y, s, px, bold);
        const int w = width(s, px, bold);
        if (index.isEmpty()) return x + w;
        text(x + w + 1, y + 3, index, px - 2, bold);
        return x + w + 1 + width(index, px - 2, bold);
    }
    void hline(int x1, int x2, int y) { line(x1, y, x2, y); }
    void vline(int x, int y1, int y2) { line(x, y1, x, y2); }
    void line(int x1, int y1, int x2, int y2)
    {
        p_.setPen(kLine);
        p_.drawLine(x1, y1, x2, y2);
        lines_.push_back(QLine(x1, y1, x2, y2));
    }
    void fill(int x1, int y1, int x2, int y2, const QColor& c) { p_.fillRect(x1, y1, x2 - x1 + 1, y2 - y1 + 1, c); }
    // A text in the list's mark-up (0xCE "\" index on, 0xCE "/" raised, 0xCE
    // "r" regular); the other bytes are code page 850.
    void marked(int x, int y, const char* bytes, int px = 11)
    {
        int mode = 0; // 0 regular, 1 index, 2 raised
        std::string run;
        auto flush = [&]() {
            if (run.empty()) return;
            const QString s = QString::fromStdString(Kov_Cp_To_Utf8(KOV_CP850, run));
            const int dy = mode == 1 ? 3 : (mode == 2 ? -4 : 0);
            const int size = mode == 0 ? px : px - 2;
            text(x, y + dy, s, size);
            x += width(s, size);
            run.clear();
        };
        for (const char* b = bytes; *b; ++b) {
            if (static_cast<unsigned char>(*b) == 0xCE && b[1]) {
                flush();
                ++b;
                mode = *b == '\\' ? 1 : (*b == '/' ? 2 : 0);
            } else {
                run += *b;
            }
        }
        flush();
    }

private:
    // Where a text's ink lies, to find the grid lines that would cross it.
    struct Ink {
        QRect box;
        QString text;
    };
    QImage img_;
    QColor bg_;
    QPainter p_;
    std::vector<Ink> inks_;
    std::vector<QLine> lines_;
};

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// ---- EC5 ----------------------------------------------------------------------
// Coordinates inside a strip: the page puts a strip's corner at its box's
// corner, so a field at (fx, fy) on the page stands at (fx - box x, fy - box y)
// here, with its text's base line at that y.

const char* const kKled[5] = {"ständig", "lang", "mittel", "kurz", "sehr kurz"};

// Rows [top, top + n * pitch] with vertical lines at the xs.
void grid(Sheet& s, int top, int rows, int pitch, const std::vector<int>& xs)
{
    for (int r = 0; r <= rows; ++r) s.hline(xs.front(), xs.back(), top + r * pitch);
    for (int x : xs) s.vline(x, top, top + rows * pitch);
}

void strip_kmod(Sheet& s, int o) // strip 1, rows 0..130; fields at (78 + 54 c, 51 + 18 r)
{
    s.symbol(4, o + 12, u("Modifikationsbeiwert k"), "mod", 11, true);
    // The head starts below the title's subscript and above "Nutzungsklasse".
    s.fill(2, o + 17, 234, o + 37, kHead);
    s.text(6, o + 33, "KLED", 11, true);
    s.text(80, o + 27, "Nutzungsklasse", 9);
    for (int c = 0; c < 3; ++c) s.text(95 + 54 * c, o + 36, QString::number(c + 1), 9, true);
    grid(s, o + 38, 5, 18, {2, 72, 126, 180, 234});
    s.hline(2, 234, o + 17);
    s.vline(2, o + 17, o + 38);
    s.vline(234, o + 17, o + 38);
    for (int r = 0; r < 5; ++r) s.text(6, o + 51 + 18 * r, u(kKled[r]));
}

void strip_na1(Sheet& s, int o) // strip 2, rows 142..237; check box at (22, 13)
{
    // Only the switch: the table itself is the annex's, not repeated here.
    s.text(24, o + 13, u("Tabelle NA.1 mit Index (b) anwenden"));
    s.hline(2, 366, o + 22);
}

void strip_kdef(Sheet& s, int o) // strip 3, rows 244..304; fields at (76 + 54 i, 52)
{
    s.symbol(4, o + 12, u("Verformungsbeiwert k"), "def", 11, true);
    s.fill(2, o + 17, 232, o + 38, kHead);
    s.text(78, o + 27, "Nutzungsklasse", 9);
    for (int c = 0; c < 3; ++c) s.text(93 + 54 * c, o + 36, QString::number(c + 1), 9, true);
    s.hline(2, 232, o + 17);
    s.vline(2, o + 17, o + 38);
    s.vline(232, o + 17, o + 38);
    grid(s, o + 38, 1, 20, {2, 70, 124, 178, 232});
    s.symbol(6, o + 52, "k", "def");
}

void strip_limits(Sheet& s, int o) // strip 4, rows 310..415; fields at (90, 154; 55, 76, 97)
{
    s.text(4, o + 12, u("Grenzwerte der Durchbiegungen"), 11, true);
    s.fill(2, o + 21, 224, o + 41, kHead);
    s.text(80, o + 36, u("Träger"), 11, true);
    s.text(144, o + 36, u("Kragträger"), 10, true);
    s.hline(2, 224, o + 21);
    s.vline(2, o + 21, o + 41);
    s.vline(224, o + 21, o + 41);
    grid(s, o + 41, 3, 21, {2, 70, 138, 224});
    const char* idx[3] = {"inst", "fin", "net,fin"};
    for (int r = 0; r < 3; ++r) {
        const int y = o + 55 + 21 * r;
        s.symbol(6, y, "w", idx[r]);
        s.text(73, y, "l/");
        s.text(141, y, "l/");
    }
}

void strip_gamma_upper(Sheet& s, int o) // strip 5, rows 418..541; fields at (185; 36, 58, 112)
{
    // Each row holds its texts of two lines between its lines, and its
    // field's frame (from 12 above to 4 below the base line).
    s.fill(2, o + 2, 230, o + 21, kHead);
    s.text(6, o + 16, u("Situation"), 10, true);
    s.text(104, o + 16, u("Holzart"), 10, true);
    s.symbol(186, o + 16, u("γ"), "M", 11, true);
    s.hline(2, 230, o + 2);
    s.hline(2, 230, o + 21);
    s.hline(100, 230, o + 42);
    for (int y : {72, 98, 121}) s.hline(2, 230, o + y);
    for (int x : {2, 100, 180, 230}) s.vline(x, o + 21, o + 121);
    s.text(6, o + 36, u("ständig und"), 10);
    s.text(6, o + 48, u("vorübergehend"), 10);
    s.text(104, o + 36, u("Vollholz"), 10);
    s.text(104, o + 57, u("Brettschicht-"), 10);
    s.text(104, o + 68, u("holz"), 10);
    s.text(6, o + 83, u("andere Holzwerk-"), 10);
    s.text(6, o + 94, u("stoffe"), 10);
    s.text(104, o + 83, u("siehe Tabelle"), 10);
    s.text(104, o + 94, u("2.3 (unten)"), 10);
    s.text(6, o + 113, u("außergewöhnlich"), 10);
    s.text(104, o + 113, u("alle Arten"), 10);
}

void strip_fire(Sheet& s, int o) // strip 8, rows 832..944; field at (184, 35)
{
    s.fill(1, o + 2, 229, o + 19, kHead);
    s.text(5, o + 15, u("Brandschutz (DIN EN 1995-1-2)"), 10, true);
    s.hline(1, 229, o + 2);
    grid(s, o + 19, 1, 24, {1, 179, 229});
    s.vline(1, o + 2, o + 19);
    s.vline(229, o + 2, o + 19);
    s.text(5, o + 35, u("alle Arten"), 10);
    s.symbol(120, o + 35, u("γ"), "M,fi", 11);
}

void strip_crack(Sheet& s, int o) // strip 6, rows 540..697; radios (98; 63, 110), fields (171; 66, 88)
{
    // o is 4 below the strip's top; each field's frame (12 above to 6 below
    // its base line) lies inside its row.
    s.symbol(4, o + 16, u("Rissfaktor k"), "cr", 11, true);
    s.text(4, o + 32, u("zur Festlegung der effektiven Querschnittsbreite"), 10);
    s.text(4, o + 44, u("bei Schub aus Querkraft (6.1.7(2))"), 10);
    grid(s, o + 48, 2, 22, {4, 70, 370});
    s.text(8, o + 63, "EC 5", 10, true);
    s.symbol(118, o + 62, "k", "cr", 10);
    s.text(146, o + 62, "=", 10);
    s.text(212, o + 62, u("Voll- und Brettschichtholz"), 10);
    s.symbol(118, o + 84, "k", "cr", 10);
    s.text(146, o + 84, "=", 10);
    s.text(212, o + 84, u("andere"), 10);
    grid(s, o + 96, 2, 22, {4, 70, 370});
    s.text(8, o + 110, "NA-DE", 10, true);
    s.text(112, o + 110, u("2,0/f"), 10);
    s.text(112 + s.width(u("2,0/f"), 10) + 1, o + 113, "v,k", 8);
    s.text(160, o + 110, u("Nadelholz;  0,67 Laubholz"), 10);
    s.text(112, o + 132, u("2,5/f"), 10);
    s.text(112 + s.width(u("2,5/f"), 10) + 1, o + 135, "v,k", 8);
    s.text(160, o + 132, u("Brettschichtholz;  1,0 sonst"), 10);
}

void strip_net(Sheet& s, int o) // strip 7, rows 700..829; radios at (144; 84, 105)
{
    s.text(4, o + 16, u("Netto-Enddurchbiegung (7.2)"), 11, true);
    s.symbol(4, o + 38, "w", "net,fin");
    s.text(52, o + 38, "=");
    s.symbol(64, o + 38, "w", "inst");
    s.text(96, o + 38, "+");
    s.symbol(108, o + 38, "w", "creep");
    s.text(150, o + 38, u("−"));
    s.symbol(162, o + 38, "w", "c");
    s.symbol(4, o + 62, "w", "inst");
    s.text(36, o + 62, u("aus der Einwirkungskombination:"), 10);
    grid(s, o + 70, 2, 21, {4, 120, 370});
    s.text(8, o + 84, "EC 5 (2.2)...(2.5)", 9);
    s.text(150, o + 84, u("charakteristisch"), 10);
    s.text(8, o + 105, "NA-DE (NA.A1)", 9);
    s.text(150, o + 105, u("quasi-ständig"), 10);
}

void strip_torsion(Sheet& s, int o) // strip 9, rows 940..1049; fields at (274; 80, 102)
{
    // o is 4 below the strip's top; the fields' frames (12 above to 6 below
    // the base line) lie inside their rows, the last line on the strip's last row.
    s.text(4, o + 16, u("Nachweis der Torsionsspannungen (6.1.8)"), 11, true);
    s.text(4, o + 36, u("Beiwert für die Querschnittsform,"), 10);
    s.text(4, o + 50, u("Rechteckquerschnitt mit h ≥ b:"), 10);
    for (int y : {62, 84, 105}) s.hline(4, 370, o + y);
    for (int x : {4, 260, 370}) s.vline(x, o + 62, o + 105);
    s.symbol(150, o + 76, "k", "shape", 11);
    s.text(196, o + 76, "= 1 +", 11);
    s.text(318, o + 76, "h/b", 11);
    s.text(150, o + 98, u("jedoch höchstens"), 10);
}

QImage ec5_strips()
{
    Sheet s(376, 1050, kEc5Key);
    strip_kmod(s, 0);
    strip_na1(s, 142);
    strip_kdef(s, 244);
    strip_limits(s, 310);
    strip_gamma_upper(s, 418);
    strip_crack(s, 544); // strip 6 starts at 540; its top rows stay free for strip 5's edge
    strip_net(s, 700);
    strip_fire(s, 832);
    strip_torsion(s, 944); // strip 9 starts at 940, where strip 8 ends
    return s.done();
}

// ---- EC0 ----------------------------------------------------------------------
// Rows 22 apart; a field's base line b lies in the cell from b - 15 to b + 7.

struct Column {
    int x1, x2;
    QString head, index;
};

// A table: titles, head row, rows at the given base lines with their labels.
// dash: rows without a field show a dash in every value column.
void table(Sheet& s, const QStringList& titles, int head_y, const std::vector<Column>& cols, const QString& label_head,
           const std::vector<int>& bases, const std::vector<QString>& labels, const std::vector<bool>& dash = {})
{
    int ty = head_y - 15 - 8 - 16 * (titles.size() - 1);
    for (const QString& t : titles) {
        s.text(cols.front().x1 + 2, ty, t, 11, true);
        ty += 16;
    }
    const int left = cols.front().x1, right = cols.back().x2;
    s.fill(left, head_y - 15, right, head_y + 7, kHead);
    s.text(left + 4, head_y, label_head, 10, true);
    for (size_t c = 1; c < cols.size(); ++c) s.symbol(cols[c].x1 + 8, head_y, cols[c].head, cols[c].index, 11, true);
    s.hline(left, right, head_y - 15);
    for (size_t i = 0; i < bases.size(); ++i) {
        const int b = bases[i];
        s.hline(left, right, b - 15);
        s.hline(left, right, b + 7);
        if (i < labels.size()) s.text(left + 4, b, labels[i], 10);
        if (i < dash.size() && dash[i])
            for (size_t c = 1; c < cols.size(); ++c) s.text(cols[c].x1 + 22, b, u("–"), 10);
    }
    for (const Column& c : cols) s.vline(c.x1, head_y - 15, bases.back() + 7);
    s.vline(right, head_y - 15, bases.back() + 7);
}

std::vector<Column> gamma_columns(int label_x1)
{
    return {{label_x1, 255, "", ""}, {255, 314, u("γ"), "F,sup"}, {314, 373, u("γ"), "F,inf"}};
}

std::vector<Column> psi_columns(int n)
{
    std::vector<Column> c = {{2, 225, "", ""}};
    const char* idx[4] = {"0", "1", "2", "2,E"};
    for (int i = 0; i < n; ++i) c.push_back({225 + 50 * i, 275 + 50 * i, u("ψ"), idx[i]});
    return c;
}

std::vector<int> steps(int first, int n, int pitch = 22)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i) v.push_back(first + pitch * i);
    return v;
}

QImage buildings()
{
    const NadEc0RowNames& n = NadEc0Rows;
    Sheet s(520, 1501, kWhite);
    const int off = 30; // the picture's top on the page
    auto actions = [&](std::initializer_list<int> rows) {
        std::vector<QString> v;
        for (int r : rows) v.push_back(u(n.building_actions[r]));
        return v;
    };
    const QString part = u("Teilsicherheitsbeiwerte für Einwirkungen");
    table(s, {part, u("ständige und vorübergehende Bemessungssituation")}, 124 - off - 22, gamma_columns(2),
          u("Einwirkungsart"), steps(124 - off, 5), actions({0, 1, 2, 3, 4}));
    table(s, {part, u("außergewöhnliche Bemessungssituation")}, 369 - off - 22, gamma_columns(2), u("Einwirkungsart"),
          steps(369 - off, 6), actions({0, 1, 2, 3, 4, 5}));
    table(s, {part, u("Erdbebenbemessungssituation")}, 613 - off - 22, gamma_columns(2), u("Einwirkungsart"),
          steps(613 - off, 7), actions({0, 1, 2, 3, 4, 5, 6}), {false, false, false, false, false, true, false});
    table(s, {part, u("Gebrauchstauglichkeits- und Ermüdungsnachweise")}, 861 - off - 22, gamma_columns(2),
          u("Einwirkungsart"), steps(861 - off, 5), actions({0, 1, 2, 3, 4}));
    // Combination factors: an empty line after rows 2 and 5.
    std::vector<int> bases;
    std::vector<QString> labels;
    for (int r = 0; r < 12; ++r) {
        const int gap = r <= 2 ? 0 : (r <= 5 ? 1 : 2);
        bases.push_back(1113 - off + 22 * (r + gap));
        labels.push_back(u(n.building_categories[r]));
    }
    table(s, {u("Kombinationsbeiwerte"), u("(ψ2,E: ψ2 für die Erdbebenbemessungssituation)")}, 1113 - off - 22,
          psi_columns(4), u("Einwirkung / Kategorie"), bases, labels);
    for (int r = 0; r < 12; ++r) s.text(178, bases[size_t(r)], u(n.building_letters[r]).trimmed(), 10, true);
    return s.done();
}

// A bridge partial-factor table: rows 0..10, row 11 (execution) without a
// field, then the situation's last rows.
QImage bridge_gamma(int height, const QString& situation, const std::vector<int>& last_rows)
{
    const NadEc0RowNames& n = NadEc0Rows;
    Sheet s(382, height, kWhite);
    std::vector<int> bases = steps(94, 12);
    std::vector<QString> labels;
    std::vector<bool> dash(12, false);
    dash[11] = true;
    for (int r = 0; r <= 11; ++r) labels.push_back(u(n.bridge_actions[r]));
    for (size_t i = 0; i < last_rows.size(); ++i) {
        bases.push_back(94 + 22 * (12 + int(i)));
        labels.push_back(u(n.bridge_actions[last_rows[i]]));
        dash.push_back(false);
    }
    table(s, {u("Teilsicherheitsbeiwerte für Einwirkungen"), situation}, 72, gamma_columns(2), u("Einwirkungsart"),
          bases, labels, dash);
    return s.done();
}

QImage road_psi()
{
    Sheet s(382, 401, kWhite);
    std::vector<QString> labels;
    for (const char* l : NadEc0Rows.road_bridge_actions) labels.push_back(u(l));
    table(s, {u("Kombinationsbeiwerte Straßenbrücken")}, 53, psi_columns(3), u("Einwirkung"), steps(75, 14), labels);
    return s.done();
}

QImage foot_psi()
{
    Sheet s(382, 242, kWhite);
    table(s, {u("Kombinationsbeiwerte Fußgängerbrücken")}, 53, psi_columns(3), u("Einwirkung"), steps(75, 7), {});
    for (int r = 0; r < 7; ++r) s.marked(6, 75 + 22 * r, NadEc0Rows.footbridge_labels[r], 10);
    return s.done();
}

QImage rail_psi()
{
    const NadEc0RowNames& n = NadEc0Rows;
    Sheet s(382, 865, kWhite);
    std::vector<int> bases = steps(75, 8);
    bases.push_back(251);
    for (int r = 9; r <= 30; ++r) bases.push_back(291 + 22 * (r - 9));
    std::vector<QString> labels;
    for (int r = 0; r <= 25; ++r) labels.push_back(r == 25 ? QString() : u(n.rail_bridge_actions[r]));
    table(s, {u("Kombinationsbeiwerte Eisenbahnbrücken")}, 53, psi_columns(3), u("Einwirkung"), bases, labels);
    // Row 8 runs over two lines, and so does row 25 in its cell.
    s.text(6, 272, u(n.rail_earth_pressure_2), 10);
    s.text(6, bases[25] - 5, u(n.rail_bridge_actions[25]), 9);
    s.text(6, bases[25] + 5, u(n.rail_maintenance_2), 9);
    for (int r = 26; r <= 30; ++r) s.marked(6, bases[size_t(r)], n.rail_bridge_labels[r - 26], 10);
    // Rows 0, 1 and 8 give a instead of psi1.
    for (int r : {0, 1, 8}) s.text(275 + 20, bases[size_t(r)], "a", 11, true);
    // The factor a by the number of loaded tracks.
    s.text(4, 783, u("Faktor a"), 11, true);
    const char* tracks[3] = {"nur 1 Gleis belastet", "2 Gleise gleichzeitig belastet",
                             "3 oder mehr Gleise gleichzeitig belastet"};
    for (int i = 0; i < 3; ++i) {
        const int b = 805 + 22 * i;
        s.hline(2, 381, b - 15);
        s.text(6, b, u(tracks[i]), 10);
        s.text(250, b, "a =", 11);
    }
    s.hline(2, 381, 849 + 7);
    s.vline(2, 790, 856);
    s.vline(381, 790, 856);
    s.vline(275, 790, 856);
    return s.done();
}

bool save(const QImage& img, const std::string& path)
{
    // Few colours: the 8-bit form keeps the files small.
    return Tool_Save_Bmp(img.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither), path,
                         "nadeditpics");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nadeditpics <folder>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    bool ok = save(ec5_strips(), dir + "EC5DodevNads.bmp");
    ok = save(buildings(), dir + "NAD-Kbws.bmp") && ok;
    ok = save(bridge_gamma(376, u("ständige und vorübergehende Bemessungssituation"), {12}),
              dir + "NAD_bridge_str_b.bmp") &&
         ok;
    ok = save(bridge_gamma(401, u("außergewöhnliche Bemessungssituation"), {12, 13}), dir + "NAD_bridge_ausser.bmp") &&
         ok;
    ok = save(bridge_gamma(401, u("Erdbebenbemessungssituation"), {12, 14}), dir + "NAD_bridge_erdbeben.bmp") && ok;
    ok = save(bridge_gamma(376, u("Gebrauchstauglichkeits- und Ermüdungsnachweise"), {12}),
              dir + "NAD_bridge_gebrauch.bmp") &&
         ok;
    ok = save(road_psi(), dir + "NAD_bridge_str_psi.bmp") && ok;
    ok = save(foot_psi(), dir + "NAD_bridge_fuss_psi.bmp") && ok;
    ok = save(rail_psi(), dir + "NAD_bridge_bahn_psi.bmp") && ok;
    if (Crossings) std::fprintf(stderr, "nadeditpics: %d texts crossed by lines\n", Crossings);
    return ok && Crossings == 0 ? 0 : 1;
}
