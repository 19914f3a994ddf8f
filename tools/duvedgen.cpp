// Draws the explanatory pictures of the free concrete and steel parameter
// pages:
//
//   QT_QPA_PLATFORM=offscreen duvedgen data/tools
//
// writes into the given folder (the pages find them as "tools\duved_*.bmp"
// under DATA):
//   duved_fcd.bmp  221 x 193: the parabola-rectangle diagram of concrete,
//                  stress over compressive strain, with f_cd, eps_c2, eps_cu2
//   duved_fyk.bmp  217 x 142: the design diagram of reinforcing steel with
//                  hardening, with f_yk, f_tk, eps_su
// The background RGB (239, 253, 238) is the pages' transparent colour. Our own
// drawings; drawn without smoothing so that no pixel mixes with that colour.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFont>
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

const QColor kKey(239, 253, 238);
const QColor kInk(0, 0, 0);
const QColor kCurve(0, 0, 160);
const QColor kGuide(128, 128, 128);

QFont font(int pixels)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void plain(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
}

// A symbol with its subscript; base line at y.
void symbol(QPainter& p, int x, int y, const QString& s, const QString& index)
{
    p.setFont(font(14));
    p.drawText(x, y, s);
    const int w = p.fontMetrics().horizontalAdvance(s);
    p.setFont(font(10));
    p.drawText(x + w + 1, y + 4, index);
}

// An arrow head at (x, y) pointing in the direction (dx, dy) (one of the axes).
void arrow(QPainter& p, int x, int y, int dx, int dy)
{
    QPolygon head;
    if (dx)
        head << QPoint(x, y) << QPoint(x - 7 * dx, y - 3) << QPoint(x - 7 * dx, y + 3);
    else
        head << QPoint(x, y) << QPoint(x - 3, y - 7 * dy) << QPoint(x + 3, y - 7 * dy);
    p.setBrush(kInk);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

void axes(QPainter& p, int ox, int oy, int right, int top, const QString& y_index, const QString& x_label,
          const QString& x_index)
{
    p.setPen(QPen(kInk, 1));
    p.drawLine(ox, oy, right, oy);
    p.drawLine(ox, oy, ox, top);
    arrow(p, right, oy, 1, 0);
    arrow(p, ox, top, 0, -1);
    symbol(p, ox + 6, top + 8, QString(QChar(0x03C3)), y_index);
    symbol(p, right - 16, oy - 8, x_label, x_index);
}

QImage concrete()
{
    const int w = 221, h = 193;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kKey);
    QPainter p(&img);
    plain(p);
    const int ox = 48, oy = 150, right = 212, top = 14;
    axes(p, ox, oy, right, top, "c", QString(QChar(0x03B5)), "c");
    // Parabola from 0 to eps_c2, constant to eps_cu2 (eps_c2 : eps_cu2 = 2 : 3.5).
    const int x_c2 = ox + 80, x_cu2 = ox + 140, y_f = oy - 100;
    QPolygon curve;
    for (int i = 0; i <= 45; ++i) {
        const double e = double(i) / 45.0;
        curve << QPoint(ox + int(e * (x_c2 - ox) + 0.5), oy - int((1.0 - (1.0 - e) * (1.0 - e)) * (oy - y_f) + 0.5));
    }
    curve << QPoint(x_cu2, y_f);
    p.setPen(QPen(kCurve, 2));
    p.drawPolyline(curve);
    p.setPen(QPen(kGuide, 1, Qt::DashLine));
    p.drawLine(x_c2, y_f, x_c2, oy);
    p.drawLine(x_cu2, y_f, x_cu2, oy);
    p.drawLine(ox, y_f, x_c2, y_f);
    p.setPen(kInk);
    symbol(p, ox - 30, y_f + 5, "f", "cd");
    symbol(p, x_c2 - 10, oy + 18, QString(QChar(0x03B5)), "c2");
    symbol(p, x_cu2 - 14, oy + 18, QString(QChar(0x03B5)), "cu2");
    p.end();
    return img;
}

QImage steel()
{
    const int w = 217, h = 142;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kKey);
    QPainter p(&img);
    plain(p);
    const int ox = 48, oy = 112, right = 208, top = 10;
    axes(p, ox, oy, right, top, "s", QString(QChar(0x03B5)), "s");
    // Elastic to f_yk, hardening to f_tk at eps_su.
    const int x_y = ox + 20, y_y = oy - 70, x_su = ox + 130, y_t = oy - 86;
    p.setPen(QPen(kCurve, 2));
    p.drawLine(ox, oy, x_y, y_y);
    p.drawLine(x_y, y_y, x_su, y_t);
    p.setPen(QPen(kGuide, 1, Qt::DashLine));
    p.drawLine(ox, y_y, x_y, y_y);
    p.drawLine(ox, y_t, x_su, y_t);
    p.drawLine(x_su, y_t, x_su, oy);
    p.setPen(kInk);
    symbol(p, ox - 32, y_y + 5, "f", "yk");
    symbol(p, ox - 32, y_t + 1, "f", "tk");
    symbol(p, x_su - 12, oy + 18, QString(QChar(0x03B5)), "su");
    p.end();
    return img;
}

bool save(const QImage& img, const std::string& path) { return Tool_Save_Bmp(img, path, "duvedgen"); }

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: duvedgen <folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = save(concrete(), dir + "/duved_fcd.bmp") && save(steel(), dir + "/duved_fyk.bmp");
    return ok ? 0 : 1;
}
