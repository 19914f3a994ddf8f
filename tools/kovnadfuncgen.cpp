// Draws the formula pictures of the EC2 annex editor page:
//
//   QT_QPA_PLATFORM=offscreen kovnadfuncgen data/NAD
//
// writes NAD_Func1.bmp ... NAD_Func8.bmp into the folder. Each picture shows the
// formula of EN 1992-1-1 (or EN 1992-1-2) whose coefficient x the selector row
// beside it edits; x stands where the recommended value of the standard stands.
// Every picture is as large as its place on the page (177 pixels wide, the
// height of the rectangle the page gives it). White is the transparent colour
// of the page, so the pictures are drawn on white, without smoothing, in black.
// The formulas were written from memory of the two standards and are not yet
// checked against their printed text.
#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/kovreplace.h"
#include "tools/toolpicture.h"

namespace {

const int kWidth = 177;

// A piece of a formula line: normal text, a subscript or a superscript.
struct Piece {
    enum Kind { N, SUB, SUP } kind;
    QString text;
};
using Line = std::vector<Piece>;

Piece n(const char* t) { return {Piece::N, QString::fromUtf8(t)}; }
Piece sub(const char* t) { return {Piece::SUB, QString::fromUtf8(t)}; }
Piece sup(const char* t) { return {Piece::SUP, QString::fromUtf8(t)}; }

struct Picture {
    const char* file;
    int height;
    std::vector<Line> lines;
};

// The formulas. Sources: EN 1992-1-1:2004 5.5(4), 5.8.3.1(1), 6.2.2(1) and (6),
// 6.2.3(3), 9.2.1.1(1), 9.2.2(5), 9.5.2(2), 9.6.2(1), 11.6.1(1), 11.6.2(1);
// EN 1992-1-2:2004 3.3.3(2).
std::vector<Picture> pictures()
{
    return {
        {"NAD_Func1.bmp",
         71,
         {{n("\u03B4 \u2265 k"), sub("1"), n(" + k"), sub("2"), n("\u00B7x"), sub("u"), n("/d"), n("  f"), sub("ck"),
           n(" \u2264 50")},
          {n("\u03B4 \u2265 k"), sub("3"), n(" + k"), sub("4"), n("\u00B7x"), sub("u"), n("/d"), n("  f"), sub("ck"),
           n(" > 50")},
          {n("k"), sub("2"), n(" = k"), sub("4"), n(" = x\u00B7(0,6 + 0,0014/\u03B5"), sub("cu2"), n(")")}}},
        {"NAD_Func2a.bmp",
         21,
         {{n("\u03BD"), sub("min"), n(" = x\u00B7k"), sup("3/2"), n("\u00B7f"), sub("ck"), sup("1/2")}}},
        {"NAD_Func2b.bmp", 36, {{n("\u03BD = x\u00B7(1 \u2212 f"), sub("ck"), n("/250)")}}},
        {"NAD_Func2c.bmp",
         36,
         {{n("\u03BD"), sub("l,min"), n(" = x\u00B7k"), sup("3/2"), n("\u00B7f"), sub("lck"), sup("1/2")}}},
        {"NAD_Func2d.bmp",
         36,
         {{n("\u03BD"), sub("l"), n(" = x\u00B7\u03B7"), sub("1"), n("\u00B7(1 \u2212 f"), sub("lck"), n("/250)")}}},
        {"NAD_Func3a.bmp",
         51,
         {{n("A"), sub("s,min"), n(" = x\u00B7N"), sub("Ed"), n("/f"), sub("yd")},
          {n("A"), sub("s,min"), n(" \u2265 min A"), sub("s,min"), n("\u00B7A"), sub("c")}}},
        {"NAD_Func3b.bmp", 36, {{n("A"), sub("s,vmin"), n(" = x\u00B7A"), sub("c")}}},
        {"NAD_Func4.bmp",
         36,
         {{n("\u03BB"), sub("c,o"), n(" = 2 \u2212 0,2451\u00B7\u03B8/100 + 0,0107\u00B7(\u03B8/100)"), sup("2")},
          {n("\u03BB"), sub("c,u"), n(" = 1,36 \u2212 0,136\u00B7\u03B8/100 + 0,0057\u00B7(\u03B8/100)"), sup("2")}}},
        {"NAD_Func5.bmp",
         36,
         {{n("A"), sub("s,min"), n(" = x\u00B7f"), sub("ctm"), n("/f"), sub("yk"), n("\u00B7b"), sub("t"),
           n("\u00B7d")}}},
        {"NAD_Func6.bmp", 36, {{n("\u03C1"), sub("w,min"), n(" = x\u00B7\u221Af"), sub("ck"), n("/f"), sub("yk")}}},
        {"NAD_Func7a.bmp", 36, {{n("\u03BD"), sub("1"), n(" = x\u00B7(1 \u2212 f"), sub("ck"), n("/250)")}}},
        {"NAD_Func7b.bmp",
         36,
         {{n("\u03BD"), sub("1"), n(" = x\u00B7\u03B7"), sub("1"), n("\u00B7(1 \u2212 f"), sub("lck"), n("/250)")}}},
        {"NAD_Func8.bmp", 16, {{n("\u03BB"), sub("lim"), n(" = x\u00B7A\u00B7B\u00B7C/\u221An")}}},
    };
}

// The width of a line in the fonts; the main font shrinks until every line fits.
int line_width(const Line& line, const QFont& main, const QFont& small)
{
    const QFontMetrics fm(main), fs(small);
    int w = 0;
    for (const Piece& p : line) w += (p.kind == Piece::N ? fm : fs).horizontalAdvance(p.text);
    return w;
}

QImage draw(const Picture& pic)
{
    QImage img(kWidth, pic.height, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(Qt::black);
    const int n_lines = int(pic.lines.size());
    int size = std::min(12, (pic.height - 2) / n_lines);
    QFont main("DejaVu Sans"), small("DejaVu Sans");
    main.setStyleStrategy(QFont::NoAntialias);
    small.setStyleStrategy(QFont::NoAntialias);
    for (;; --size) {
        main.setPixelSize(size);
        small.setPixelSize(std::max(6, size * 3 / 4));
        bool fits = true;
        for (const Line& l : pic.lines)
            if (line_width(l, main, small) > kWidth - 4) fits = false;
        if (fits || size <= 7) break;
    }
    const QFontMetrics fm(main);
    const int pitch = pic.height / n_lines;
    for (int i = 0; i < n_lines; ++i) {
        // Base line in the middle of the line's share of the height.
        const int base = i * pitch + (pitch + fm.ascent() - fm.descent()) / 2;
        int x = 2;
        for (const Piece& piece : pic.lines[i]) {
            const bool is_main = piece.kind == Piece::N;
            p.setFont(is_main ? main : small);
            const int y = piece.kind == Piece::SUB   ? base + size / 4
                          : piece.kind == Piece::SUP ? base - size / 2
                                                     : base;
            p.drawText(x, y, piece.text);
            x += QFontMetrics(is_main ? main : small).horizontalAdvance(piece.text);
        }
    }
    return img;
}

bool save(const QImage& img, const std::string& path) { return Tool_Save_Bmp(img, path, "kovnadfuncgen"); }

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovnadfuncgen <folder>\n");
        return 2;
    }
    bool ok = true;
    for (const Picture& pic : pictures()) ok = save(draw(pic), std::string(argv[1]) + "/" + pic.file) && ok;
    return ok ? 0 : 1;
}
