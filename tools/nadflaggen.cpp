// Draws the pictures of the annex library's own sheets from the flags that the
// application's annex dialog shows:
//
//   QT_QPA_PLATFORM=offscreen nadflaggen app/gui/images data/NAD
//
// reads the dialog's pictures (flags/ef01.ico .. ef20.ico, dialogs/zorv_ok.ico,
// dialogs/zorv_abbruch.ico) from the first folder, so that both places show
// the same flags, and writes into the second:
//   EuroFlags.bmp  20 flags of 26 x 19 pixels, flag i (ef<i+1>.ico) at x 0,
//                  y 19i (18 Germany, 19 the EC recommended values); the key
//                  colour (255, 251, 240) around them
//   Buttons.bmp    bitmap buttons, four states side by side (inactive, normal,
//                  under the mouse, pressed) of w x h each from x 0:
//                    y 435  20 x 20  "abbrechen" (the dialogs' cross)
//                    y 458  20 x 21  "ok" (the dialogs' tick)
//                    y 577  42 x  8  three small flags beside "Auswahl:"
//                    y 587   9 x  7  a pencil: edit the annexes
//                    y 598  40 x 41  two flags: choose another annex
//                  background: the key colour each sheet passes, (212, 208,
//                  200) for the two header pictures at 577 and 587, (255, 251,
//                  240) for the others
// Our own drawings. Partly transparent pixels of the dialog's pictures are
// made either opaque or key colour, so that no pixel mixes with the key colour.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "platform/kovreplace.h"
#include "tools/toolpicture.h"

namespace {

const QColor kCream(255, 251, 240);
const QColor kHeader(212, 208, 200);

QString g_in;

QImage load(const QString& rel)
{
    QImage img(g_in + "/" + rel);
    if (img.isNull()) {
        std::fprintf(stderr, "nadflaggen: cannot read %s\n", qPrintable(g_in + "/" + rel));
        std::exit(2);
    }
    return img.convertToFormat(QImage::Format_ARGB32);
}

// Copies src scaled to (w, h) at (x, y) of dst: pixels at least half opaque
// become opaque, the others leave dst as it is.
void put(QImage& dst, const QImage& src, int x, int y, int w, int h)
{
    const QImage s =
        (src.width() == w && src.height() == h)
            ? src
            : src.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QRgb p = s.pixel(i, j);
            if (qAlpha(p) >= 128) dst.setPixel(x + i, y + j, qRgb(qRed(p), qGreen(p), qBlue(p)));
        }
}

// The four states of a button whose normal picture stands at (0, y), w x h,
// on the background bg: inactive greyed, normal, under the mouse lightened,
// pressed moved one pixel right and down. Background pixels stay background.
void states(QImage& img, int y, int w, int h, const QColor& bg)
{
    const QImage normal = img.copy(0, y, w, h);
    const QRgb key = bg.rgb();
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QRgb p = normal.pixel(i, j);
            if (p == key) continue;
            const int g = 128 + (qRed(p) * 30 + qGreen(p) * 59 + qBlue(p) * 11) / 200;
            const QRgb grey = qRgb(g, g, g);
            const QRgb light = QColor(p).lighter(125).rgb();
            img.setPixel(i, y + j, grey == key ? qRgb(g, g, g - 1) : grey);
            img.setPixel(w + i, y + j, p);
            img.setPixel(2 * w + i, y + j, light == key ? p : light);
            if (i + 1 < w && j + 1 < h) img.setPixel(3 * w + i + 1, y + j + 1, p);
        }
}

bool save(const QImage& img, const QString& path)
{
    return Tool_Save_Bmp(img.convertToFormat(QImage::Format_RGB888), path.toLocal8Bit().toStdString(), "nadflaggen");
}

QImage euro_flags(const QImage* flags)
{
    QImage img(26, 19 * 20, QImage::Format_RGB32);
    img.fill(kCream);
    for (int i = 0; i < 20; ++i) put(img, flags[i], 0, 19 * i, 26, 19);
    return img;
}

QImage buttons(const QImage* flags)
{
    QImage img(4 * 42, 640, QImage::Format_RGB32);
    img.fill(kCream);
    QPainter band(&img);
    band.fillRect(0, 577, img.width(), 598 - 577, kHeader);
    band.end();

    put(img, load("dialogs/zorv_abbruch.ico"), 0, 435, 20, 20);
    states(img, 435, 20, 20, kCream);
    put(img, load("dialogs/zorv_ok.ico"), 0, 458, 20, 21);
    states(img, 458, 20, 21, kCream);

    // Beside "Auswahl:": the EC flag, Germany and one more, 12 x 8 each.
    put(img, flags[19], 0, 577, 12, 8);
    put(img, flags[18], 15, 577, 12, 8);
    put(img, flags[3], 30, 577, 12, 8);
    states(img, 577, 42, 8, kHeader);

    // A pencil pointing to the lower left, 9 x 7.
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(40, 40, 40));
        p.setBrush(QColor(240, 190, 60));
        p.drawPolygon(QPolygon({QPoint(1, 592), QPoint(7, 587), QPoint(8, 588), QPoint(2, 593)}));
        p.setPen(QColor(40, 40, 40));
        p.drawPoint(0, 593);
    }
    states(img, 587, 9, 7, kHeader);

    // Choose another annex: the EC flag behind Germany's, framed, with an
    // arrow pointing at Germany's.
    {
        put(img, flags[19], 2, 600, 26, 19);
        put(img, flags[18], 12, 612, 26, 19);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(0, 0, 0));
        p.setBrush(QColor(0, 0, 0));
        p.drawPolygon(QPolygon({QPoint(3, 626), QPoint(10, 626), QPoint(10, 623), QPoint(3, 630)}));
        p.drawLine(3, 626, 3, 636);
        p.drawLine(1, 636, 5, 636);
    }
    states(img, 598, 40, 41, kCream);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: nadflaggen <folder of the dialog pictures> <output folder>\n");
        return 2;
    }
    g_in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QImage flags[20];
    for (int i = 0; i < 20; ++i) flags[i] = load(QString::asprintf("flags/ef%02d.ico", i + 1));
    const bool ok = save(euro_flags(flags), out + "/EuroFlags.bmp") && save(buttons(flags), out + "/Buttons.bmp");
    return ok ? 0 : 1;
}
