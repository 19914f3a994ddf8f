// Draws the small pictures of the row tables and the text buttons of the mask
// pages:
//
//   QT_QPA_PLATFORM=offscreen kovrowpicgen data
//
// writes into the given folder (where the screen looks for pictures, under DATA):
//   RowTableDelete.bmp          14 x 16  a red cross (delete a row)
//   RowTableDuplicate.bmp       18 x 16  two sheets, one over the other (duplicate a row)
//   RowTableDuplicateGrey.bmp   18 x 16  the same in grey (row limit reached)
//   RowTableAppend.bmp          35 x 16  a green plus beside a row (append a row)
//   RowTableColumn.bmp          28 x 16  a small column head with a triangle (column menu)
//     magenta (255, 0, 255) is the transparent key colour of these five
//   TextButtonBg.bmp            400 x 19 face of an active text button
//   TextButtonBg_ro.bmp         400 x 19 the same, lit while the mouse is over it
//   TextButtonBgInaktive.bmp    400 x 19 face of an inactive text button
//   TextButtonBgInaktive_ro.bmp 400 x 19 the same while the mouse is over it
//     white is their key colour, so they use no pure white; the buttons cut
//     them at their own width
// Our own drawings; drawn without smoothing so that no pixel mixes with the key
// colour.
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

const QColor kKey(255, 0, 255);

QImage canvas(int w, int h, const QColor& fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QImage delete_button()
{
    QImage img = canvas(14, 16, kKey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(196, 32, 32), 2));
    p.drawLine(3, 4, 10, 11);
    p.drawLine(10, 4, 3, 11);
    return img;
}

QImage duplicate_button(bool grey)
{
    QImage img = canvas(18, 16, kKey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor edge = grey ? QColor(160, 160, 160) : QColor(32, 80, 160);
    const QColor face = grey ? QColor(224, 224, 224) : QColor(214, 230, 250);
    p.setPen(edge);
    p.setBrush(face);
    p.drawRect(2, 2, 9, 8);
    p.drawRect(6, 6, 9, 8);
    return img;
}

QImage append_button()
{
    QImage img = canvas(35, 16, kKey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 60));
    p.drawRect(3, 7, 10, 3);
    p.drawRect(7, 3, 3, 11);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(QColor(214, 214, 214));
    p.drawRect(17, 4, 15, 8);
    p.drawLine(22, 4, 22, 12);
    p.drawLine(27, 4, 27, 12);
    return img;
}

QImage column_marker()
{
    QImage img = canvas(28, 16, kKey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(96, 96, 96));
    p.setBrush(QColor(236, 236, 236));
    p.drawRect(4, 2, 19, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(32, 32, 32));
    p.drawPolygon(QPolygon({QPoint(10, 6), QPoint(18, 6), QPoint(14, 10)}));
    return img;
}

// A vertical gradient from top to bottom colour (no pure white).
QImage text_button(const QColor& top, const QColor& bottom)
{
    const int w = 400, h = 19;
    QImage img = canvas(w, h, top);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < h; ++y) {
        const double t = double(y) / (h - 1);
        const QColor c(int(top.red() + t * (bottom.red() - top.red())),
                       int(top.green() + t * (bottom.green() - top.green())),
                       int(top.blue() + t * (bottom.blue() - top.blue())));
        p.setPen(c);
        p.drawLine(0, y, w - 1, y);
    }
    return img;
}

bool save(const QImage& img, const std::string& path) { return Tool_Save_Bmp(img, path, "kovrowpicgen"); }

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovrowpicgen <folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = save(delete_button(), dir + "/RowTableDelete.bmp");
    ok = save(duplicate_button(false), dir + "/RowTableDuplicate.bmp") && ok;
    ok = save(duplicate_button(true), dir + "/RowTableDuplicateGrey.bmp") && ok;
    ok = save(append_button(), dir + "/RowTableAppend.bmp") && ok;
    ok = save(column_marker(), dir + "/RowTableColumn.bmp") && ok;
    ok = save(text_button(QColor(246, 246, 246), QColor(214, 214, 214)), dir + "/TextButtonBg.bmp") && ok;
    ok = save(text_button(QColor(234, 244, 254), QColor(176, 208, 240)), dir + "/TextButtonBg_ro.bmp") && ok;
    ok = save(text_button(QColor(240, 240, 240), QColor(228, 228, 228)), dir + "/TextButtonBgInaktive.bmp") && ok;
    ok = save(text_button(QColor(236, 236, 236), QColor(220, 220, 220)), dir + "/TextButtonBgInaktive_ro.bmp") && ok;
    return ok ? 0 : 1;
}
