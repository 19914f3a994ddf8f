// Draws the pictures of the user-comment sheet:
//
//   QT_QPA_PLATFORM=offscreen kovsheetpics data
//
// writes into the given folder (where the screen looks for pictures, under
// DATA):
//   Glory3.bmp    the sheet's three buttons, 36 x 36 pixels each, one row per
//                 button (y 0 "abbrechen", 36 "Hilfe", 72 "bestätigen") and
//                 four pictures per row (x 0 inactive, 36 normal, 72 hovered,
//                 108 pressed)
//   UComment.bmp  the sheet's picture, 62 x 66: a sheet of paper with a pencil
// The background is the sheet's colour (255, 251, 240), which the sheet takes
// as transparent. Our own drawings, without smoothing so that no pixel mixes
// with the key colour.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cstdio>
#include <string>

#include "platform/kovreplace.h"
#include "tools/toolpicture.h"

namespace {

const QColor kKey(255, 251, 240);
const int kSize = 36;

enum Face { INACTIVE = 0, NORMAL = 1, HOVERED = 2, PRESSED = 3 };

// The round face of a button; the symbol is drawn on it by the caller.
void face(QPainter& p, int ox, int oy, Face f)
{
    const QColor rim = f == INACTIVE ? QColor(150, 150, 150) : QColor(70, 70, 70);
    QColor fill(236, 236, 232);
    if (f == HOVERED) fill = QColor(255, 255, 255);
    if (f == PRESSED) fill = QColor(210, 210, 205);
    const int shift = f == PRESSED ? 1 : 0;
    p.setPen(QPen(rim, 1));
    p.setBrush(fill);
    p.drawEllipse(ox + 2 + shift, oy + 2 + shift, kSize - 6, kSize - 6);
}

QColor symbol_colour(Face f, const QColor& c) { return f == INACTIVE ? QColor(160, 160, 160) : c; }

void cancel_symbol(QPainter& p, int ox, int oy, Face f)
{
    const int s = f == PRESSED ? 1 : 0;
    p.setPen(QPen(symbol_colour(f, QColor(200, 30, 30)), 4, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(ox + 11 + s, oy + 11 + s, ox + 23 + s, oy + 23 + s);
    p.drawLine(ox + 23 + s, oy + 11 + s, ox + 11 + s, oy + 23 + s);
}

void help_symbol(QPainter& p, int ox, int oy, Face f)
{
    const int s = f == PRESSED ? 1 : 0;
    const QColor c = symbol_colour(f, QColor(30, 70, 170));
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ox + 12 + s, oy + 8 + s, 11, 10, 180 * 16, -270 * 16);
    p.drawLine(ox + 17 + s, oy + 18 + s, ox + 17 + s, oy + 22 + s);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(ox + 16 + s, oy + 25 + s, 3, 3);
}

void confirm_symbol(QPainter& p, int ox, int oy, Face f)
{
    const int s = f == PRESSED ? 1 : 0;
    p.setPen(QPen(symbol_colour(f, QColor(20, 140, 40)), 4, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(ox + 10 + s, oy + 18 + s, ox + 15 + s, oy + 24 + s);
    p.drawLine(ox + 15 + s, oy + 24 + s, ox + 25 + s, oy + 10 + s);
}

QImage buttons()
{
    QImage img(4 * kSize, 3 * kSize, QImage::Format_RGB32);
    img.fill(kKey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    typedef void (*Symbol)(QPainter&, int, int, Face);
    const Symbol rows[3] = {cancel_symbol, help_symbol, confirm_symbol};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            const int ox = c * kSize, oy = r * kSize;
            face(p, ox, oy, Face(c));
            rows[r](p, ox, oy, Face(c));
        }
    return img;
}

QImage comment_picture()
{
    QImage img(62, 66, QImage::Format_RGB32);
    img.fill(kKey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    // A sheet of paper with a folded corner and written lines.
    const QPolygon paper({QPoint(6, 4), QPoint(40, 4), QPoint(50, 14), QPoint(50, 61), QPoint(6, 61)});
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(paper);
    p.setBrush(QColor(215, 215, 210));
    p.drawPolygon(QPolygon({QPoint(40, 4), QPoint(40, 14), QPoint(50, 14)}));
    p.setPen(QPen(QColor(90, 110, 160), 1));
    for (int i = 0; i < 8; ++i) {
        const int y = 20 + 5 * i;
        p.drawLine(12, y, i % 3 == 2 ? 30 : 44, y);
    }
    // A pencil lying across the lower right corner.
    const QPolygon body({QPoint(56, 30), QPoint(60, 34), QPoint(34, 60), QPoint(30, 56)});
    p.setPen(QPen(QColor(70, 50, 20), 1));
    p.setBrush(QColor(240, 190, 40));
    p.drawPolygon(body);
    p.setBrush(QColor(230, 200, 160));
    p.drawPolygon(QPolygon({QPoint(30, 56), QPoint(34, 60), QPoint(26, 63)}));
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygon({QPoint(28, 61), QPoint(29, 62), QPoint(26, 63)}));
    p.setBrush(QColor(230, 120, 130));
    p.drawPolygon(QPolygon({QPoint(56, 30), QPoint(60, 34), QPoint(61, 33), QPoint(57, 29)}));
    return img;
}

bool save(const QImage& img, const std::string& path) { return Tool_Save_Bmp(img, path, "kovsheetpics"); }

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovsheetpics FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = save(buttons(), dir + "/Glory3.bmp") && save(comment_picture(), dir + "/UComment.bmp");
    return ok ? 0 : 1;
}
