// Draws the host's animation pictures that the screen services show:
//
//   QT_QPA_PLATFORM=offscreen kovpicturegen data
//
// writes into the given folder (where the screen looks for pictures, under
// DATA):
//   Anima2.bmp         the wait box's spinner: 12 frames of 84 x 84 pixels at
//                      x = 1 + 85k, y = 1; the key colour yellow (255, 255, 0)
//                      is transparent, so the window shows between the dots
//   animsandclock.bmp  the sand clock: 12 frames of 32 x 62 pixels at x = 31k
//                      (neighbours share a column, which stays in the key
//                      colour); the key colour grey (192, 192, 192)
// Our own drawings; drawn without smoothing so that no pixel mixes with the key
// colour.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <cstdio>
#include <string>

#include "tools/toolpicture.h"

namespace {

const int kFrames = 12;

QImage spinner()
{
    const int size = 84, pitch = 85;
    QImage img(1 + pitch * kFrames, size + 2, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < kFrames; ++k) {
        const int ox = 1 + pitch * k, oy = 1;
        const double cx = ox + size / 2.0, cy = oy + size / 2.0, r = 30.0;
        for (int i = 0; i < kFrames; ++i) {
            // Dot i is the head when i == k; the ones behind it fade out.
            const int age = (k - i + kFrames) % kFrames;
            const double a = 2.0 * M_PI * i / kFrames - M_PI / 2.0;
            const int shade = age < 6 ? 40 + 30 * age : 215;
            const int dot = age == 0 ? 7 : (age < 6 ? 6 : 5);
            p.setBrush(QColor(shade / 3, shade / 2 + 30, shade));
            p.drawEllipse(QPointF(cx + r * std::cos(a), cy + r * std::sin(a)), dot, dot);
        }
    }
    return img;
}

QImage sandclock()
{
    const int w = 32, h = 62, pitch = 31;
    QImage img(pitch * (kFrames - 1) + w, h, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor wood(120, 72, 32), glass(250, 250, 245), sand(214, 170, 60), outline(40, 40, 40);
    for (int k = 0; k < kFrames; ++k) {
        const int ox = pitch * k;
        // Plates above and below.
        p.setPen(outline);
        p.setBrush(wood);
        p.drawRect(ox + 3, 1, 25, 4);
        p.drawRect(ox + 3, h - 6, 25, 4);
        // The two bulbs meeting at the waist.
        const QPolygon upper({QPoint(ox + 5, 6), QPoint(ox + 26, 6), QPoint(ox + 17, 30), QPoint(ox + 14, 30)});
        const QPolygon lower({QPoint(ox + 14, 31), QPoint(ox + 17, 31), QPoint(ox + 26, h - 7), QPoint(ox + 5, h - 7)});
        p.setBrush(glass);
        p.drawPolygon(upper);
        p.drawPolygon(lower);
        // Sand runs from the upper bulb into the lower one over the frames.
        p.setPen(Qt::NoPen);
        p.setBrush(sand);
        const int top_level = 10 + 18 * k / (kFrames - 1); // surface in the upper bulb
        const int heap = 2 + 20 * k / (kFrames - 1);       // height of the heap below
        if (top_level < 28) {
            const double t = (top_level - 6) / 24.0;
            const int half = int(10.5 * (1.0 - t));
            p.drawPolygon(QPolygon({QPoint(ox + 15 - half, top_level), QPoint(ox + 16 + half, top_level),
                                    QPoint(ox + 16, 29), QPoint(ox + 15, 29)}));
        }
        p.drawRect(ox + 15, 31, 1, h - 8 - heap - 31);
        const int base = h - 8;
        p.drawPolygon(QPolygon({QPoint(ox + 6, base), QPoint(ox + 25, base), QPoint(ox + 16, base - heap)}));
    }
    return img;
}

bool save(const QImage& img, const std::string& path) { return Tool_Save_Bmp(img, path, "kovpicturegen"); }

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kovpicturegen <folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = save(spinner(), dir + "/Anima2.bmp") && save(sandclock(), dir + "/animsandclock.bmp");
    return ok ? 0 : 1;
}
