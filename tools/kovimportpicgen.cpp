// Draws the pictures of the import buttons and of the program hints page:
//
//   QT_QPA_PLATFORM=offscreen kovimportpicgen data
//
// writes into the given folder (where the screen looks for pictures, under DATA):
//   ZovGrImportButton.bmp          204 x 112  three buttons 51 wide, four states
//                                  side by side (inactive, normal, hovered,
//                                  pressed): row 0 (33 high) import from a
//                                  component, row 36 (36 high) delete all load
//                                  combinations, row 76 (36 high) import from a file
//   ZovQ8.bmp                      55 x 14    the product family's logo
//   deskbuts.bmp                   152 x 288  the explorer button 38 x 38 at
//                                  row 250, four states as above
//   but_hinweise_reaktivieren.bmp  848 x 21   the hints button 212 x 21, four states
// Key colours: white for the import rows 0 and 76 and the logo, (198, 222, 228)
// for the delete row, (255, 251, 240) for the explorer and hints buttons; the
// faces avoid them. Our own drawings; drawn without smoothing so that no pixel
// mixes with the key colour.
#include "platform/kovreplace.h"
#include "tools/toolpicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <cstdio>
#include <string>

namespace {

enum State { kInactive, kNormal, kHovered, kPressed };

// The face of one button state at (x, y), w x h, corners left in the key colour.
void face(QPainter& p, int x, int y, int w, int h, State s)
{
    QColor top, bottom, edge;
    switch (s) {
        case kInactive:
            top = QColor(232, 232, 232), bottom = QColor(210, 210, 210), edge = QColor(170, 170, 170);
            break;
        case kNormal: top = QColor(244, 244, 238), bottom = QColor(204, 210, 214), edge = QColor(96, 112, 128); break;
        case kHovered: top = QColor(236, 246, 254), bottom = QColor(176, 208, 240), edge = QColor(48, 96, 160); break;
        case kPressed: top = QColor(184, 196, 206), bottom = QColor(226, 230, 234), edge = QColor(48, 64, 96); break;
    }
    for (int k = 1; k < h - 1; ++k) {
        const double t = double(k) / (h - 1);
        p.setPen(QColor(int(top.red() + t * (bottom.red() - top.red())),
                        int(top.green() + t * (bottom.green() - top.green())),
                        int(top.blue() + t * (bottom.blue() - top.blue()))));
        p.drawLine(x + 1, y + k, x + w - 2, y + k);
    }
    p.setPen(edge);
    p.drawLine(x + 1, y, x + w - 2, y);
    p.drawLine(x + 1, y + h - 1, x + w - 2, y + h - 1);
    p.drawLine(x, y + 1, x, y + h - 2);
    p.drawLine(x + w - 1, y + 1, x + w - 1, y + h - 2);
}

QColor ink(State s, const QColor& c) { return s == kInactive ? QColor(150, 150, 150) : c; }

// A green arrow pointing down into a tray.
void import_sign(QPainter& p, int cx, int top, int h, State s)
{
    const int dy = s == kPressed ? 1 : 0;
    p.setPen(Qt::NoPen);
    p.setBrush(ink(s, QColor(40, 140, 60)));
    p.drawRect(cx - 3, top + dy, 6, h / 2);
    p.drawPolygon(QPolygon(
        {QPoint(cx - 8, top + h / 2 + dy), QPoint(cx + 8, top + h / 2 + dy), QPoint(cx, top + h / 2 + 8 + dy)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(ink(s, QColor(64, 64, 64)));
    p.drawLine(cx - 12, top + h - 2 + dy, cx + 12, top + h - 2 + dy);
    p.drawLine(cx - 12, top + h - 6 + dy, cx - 12, top + h - 2 + dy);
    p.drawLine(cx + 12, top + h - 6 + dy, cx + 12, top + h - 2 + dy);
}

// A small beam (component import) or a sheet of paper (file import) left of the arrow.
void source_sign(QPainter& p, int x, int y, bool file, State s)
{
    const int dy = s == kPressed ? 1 : 0;
    p.setPen(ink(s, QColor(96, 64, 32)));
    p.setBrush(ink(s, file ? QColor(248, 248, 240) : QColor(222, 184, 135)));
    if (file)
        p.drawRect(x, y + dy, 10, 14);
    else
        p.drawRect(x, y + 4 + dy, 14, 6);
}

// A red cross over a short list.
void delete_sign(QPainter& p, int cx, int cy, State s)
{
    const int dy = s == kPressed ? 1 : 0;
    p.setPen(ink(s, QColor(96, 96, 96)));
    for (int k = 0; k < 4; ++k) p.drawLine(cx - 10, cy - 8 + 5 * k + dy, cx + 10, cy - 8 + 5 * k + dy);
    p.setPen(QPen(ink(s, QColor(196, 32, 32)), 3));
    p.drawLine(cx - 8, cy - 9 + dy, cx + 8, cy + 9 + dy);
    p.drawLine(cx + 8, cy - 9 + dy, cx - 8, cy + 9 + dy);
    p.setPen(QPen());
}

QImage import_strip()
{
    QImage img(204, 112, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    // The delete row's key colour fills its band so that its corners stay clear.
    p.fillRect(0, 36, 204, 36, QColor(198, 222, 228));
    for (int s = 0; s < 4; ++s) {
        const State st = State(s);
        const int x = 51 * s;
        face(p, x, 0, 51, 33, st);
        source_sign(p, x + 6, 8, false, st);
        import_sign(p, x + 32, 4, 24, st);
        face(p, x, 36, 51, 36, st);
        delete_sign(p, x + 25, 54, st);
        face(p, x, 76, 51, 36, st);
        source_sign(p, x + 6, 86, true, st);
        import_sign(p, x + 32, 81, 26, st);
    }
    return img;
}

QImage logo()
{
    // The mark fills the place of the text "Q8-" (21 pixels); the rest stays
    // white, the key colour it is drawn with, so "Programmen ..." shows
    // beside it.
    QImage img(55, 14, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 140));
    p.drawRect(0, 0, 20, 14);
    p.setBrush(QColor(250, 250, 250));
    // "Q" as a ring with a tail, "8" as a block with two holes.
    p.drawRect(2, 2, 7, 10);
    p.drawRect(11, 2, 7, 10);
    p.setBrush(QColor(0, 70, 140));
    p.drawRect(4, 4, 3, 6);
    p.drawRect(13, 4, 3, 2);
    p.drawRect(13, 8, 3, 2);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(7, 10, 3, 3);
    return img;
}

// A yellow folder with a magnifier.
QImage explorer_strip()
{
    QImage img(152, 288, QImage::Format_RGB32);
    img.fill(QColor(255, 251, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int s = 0; s < 4; ++s) {
        const State st = State(s);
        const int x = 38 * s, y = 250, dy = st == kPressed ? 1 : 0;
        face(p, x, y, 38, 38, st);
        p.setPen(ink(st, QColor(150, 110, 20)));
        p.setBrush(ink(st, QColor(240, 200, 80)));
        p.drawRect(x + 6, y + 11 + dy, 22, 16);
        p.drawRect(x + 6, y + 8 + dy, 9, 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink(st, QColor(40, 40, 40)), 2));
        p.drawEllipse(x + 19, y + 17 + dy, 8, 8);
        p.drawLine(x + 27, y + 25 + dy, x + 32, y + 30 + dy);
        p.setPen(QPen());
    }
    return img;
}

// A face with a bell on the left; the count is in the button's tooltip.
QImage hints_strip()
{
    QImage img(848, 21, QImage::Format_RGB32);
    img.fill(QColor(255, 251, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont f = p.font();
    f.setPixelSize(11);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    for (int s = 0; s < 4; ++s) {
        const State st = State(s);
        const int x = 212 * s, dy = st == kPressed ? 1 : 0;
        face(p, x, 0, 212, 21, st);
        p.setPen(ink(st, QColor(150, 110, 20)));
        p.setBrush(ink(st, QColor(240, 200, 80)));
        p.drawPolygon(QPolygon({QPoint(x + 8, 15 + dy), QPoint(x + 10, 6 + dy), QPoint(x + 15, 4 + dy),
                                QPoint(x + 20, 6 + dy), QPoint(x + 22, 15 + dy)}));
        p.setPen(ink(st, QColor(0, 95, 0)));
        p.drawText(QRect(x + 28, dy, 180, 21), Qt::AlignVCenter | Qt::AlignLeft, "Hinweise wieder aktivieren");
    }
    return img;
}

bool save(const QImage& img, const std::string& path) { return Tool_Save_Bmp(img, path, "kovimportpicgen"); }

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovimportpicgen <folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = save(import_strip(), dir + "/ZovGrImportButton.bmp");
    ok = save(logo(), dir + "/ZovQ8.bmp") && ok;
    ok = save(explorer_strip(), dir + "/deskbuts.bmp") && ok;
    ok = save(hints_strip(), dir + "/but_hinweise_reaktivieren.bmp") && ok;
    return ok ? 0 : 1;
}
