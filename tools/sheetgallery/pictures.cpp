// The pictures the gallery shows in its sheets, painted at each start into a
// temporary folder: the framework draws pictures of its callers, which
// data/ has only for the buttons of the framework itself.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <unistd.h>

#include <cstdio>
#include <functional>

#include "tools/sheetgallery/gallery.h"
#include "tools/toolpicture.h"

namespace gallery {
namespace {

Pictures g_pictures;

const QColor kMagenta(255, 0, 255);
const QColor kKey(192, 192, 192);
const QColor kWood(214, 170, 110);
const QColor kDark(90, 60, 30);

bool save(const QImage& img, const std::string& path, std::string* out)
{
    *out = path;
    return Tool_Save_Bmp(img, path, "sheetgallery");
}

QImage canvas(int w, int h, const QColor& fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

// The four cross-sections of the strips: rectangle, I, circle, T, in a box
// of w x h from (x, y).
void section(QPainter& p, int kind, int x, int y, int w, int h, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const int cx = x + w / 2, cy = y + h / 2;
    switch (kind) {
        case 0: p.drawRect(cx - 6, y + 3, 12, h - 6); break;
        case 1:
            p.drawRect(cx - 8, y + 3, 16, 3);
            p.drawRect(cx - 2, y + 6, 4, h - 12);
            p.drawRect(cx - 8, y + h - 6, 16, 3);
            break;
        case 2: p.drawEllipse(QPoint(cx, cy), h / 2 - 3, h / 2 - 3); break;
        default:
            p.drawRect(cx - 9, y + 3, 18, 4);
            p.drawRect(cx - 2, y + 7, 4, h - 10);
            break;
    }
}

// A 12 x 12 picture of a radio button (round) or check box, on or off.
QImage state_picture(bool radio, bool on, bool grey)
{
    QImage img = canvas(12, 12, Qt::white);
    QPainter p(&img);
    const QColor c = grey ? QColor(150, 150, 150) : QColor(0, 84, 147);
    p.setPen(c);
    p.setBrush(Qt::white);
    if (radio) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(QRectF(0.5, 0.5, 11, 11));
        if (on) {
            p.setBrush(c);
            p.drawEllipse(QRectF(3.5, 3.5, 5, 5));
        }
    } else {
        p.drawRect(0, 0, 11, 11);
        if (on) {
            QPen pen(c, 2);
            p.setPen(pen);
            p.drawLine(2, 6, 5, 9);
            p.drawLine(5, 9, 10, 2);
        }
    }
    return img;
}

} // namespace

bool paint_pictures(const std::string& dir, Pictures* out)
{
    bool ok = true;
    {
        // A beam on two supports, the key colour around it.
        QImage img = canvas(48, 32, kMagenta);
        QPainter p(&img);
        p.fillRect(2, 10, 44, 8, kWood);
        p.setPen(kDark);
        p.drawRect(2, 10, 43, 7);
        p.setBrush(kDark);
        p.drawPolygon(QPolygon({QPoint(8, 18), QPoint(3, 26), QPoint(13, 26)}));
        p.drawPolygon(QPolygon({QPoint(40, 18), QPoint(35, 26), QPoint(45, 26)}));
        p.end();
        ok = save(img, dir + "/gal_picture.bmp", &out->picture) && ok;
    }
    {
        QImage img = canvas(80, 96, Qt::white);
        QPainter p(&img);
        for (int r = 0; r < 4; ++r) {
            section(p, r, 0, 24 * r, 40, 24, kDark);
            section(p, r, 40, 24 * r, 40, 24, QColor(160, 160, 160));
        }
        p.end();
        ok = save(img, dir + "/gal_sections.bmp", &out->sections) && ok;
    }
    {
        // Grey (inactive) left, active right; a disc with a cross.
        // No smoothing: every pixel is the key colour or the picture's own.
        // Inactive, normal, hovered and pressed side by side: a disc with a cross.
        QImage img = canvas(96, 24, kMagenta);
        QPainter p(&img);
        const QColor colours[4] = {QColor(160, 160, 160), QColor(30, 140, 40), QColor(60, 190, 70),
                                   QColor(20, 100, 30)};
        for (int i = 0; i < 4; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(colours[i]);
            p.drawEllipse(QRect(24 * i + 2, 2, 20, 20));
            p.setPen(QPen(Qt::white, 3));
            p.drawLine(24 * i + 12, 7, 24 * i + 12, 17);
            p.drawLine(24 * i + 7, 12, 24 * i + 17, 12);
        }
        p.end();
        ok = save(img, dir + "/gal_button.bmp", &out->button) && ok;
    }
    {
        QImage img = canvas(16, 16, kMagenta);
        QPainter p(&img);
        p.fillRect(1, 4, 14, 10, QColor(240, 200, 80));
        p.fillRect(1, 2, 6, 3, QColor(240, 200, 80));
        p.setPen(kDark);
        p.drawRect(1, 4, 13, 9);
        p.end();
        ok = save(img, dir + "/gal_tree.bmp", &out->tree) && ok;
    }
    {
        // The menus lay their buttons 5 pixels apart: the pictures keep that pitch.
        QImage row = canvas(116, 24, kKey), column = canvas(24, 116, kKey);
        QPainter pr(&row), pc(&column);
        for (int i = 0; i < 4; ++i) {
            section(pr, i, 29 * i, 0, 24, 24, kDark);
            section(pc, i, 0, 29 * i, 24, 24, kDark);
        }
        pr.end();
        pc.end();
        ok = save(row, dir + "/gal_popup_row.bmp", &out->popup_row) && ok;
        ok = save(column, dir + "/gal_popup_column.bmp", &out->popup_column) && ok;
    }
    {
        QImage on = canvas(24, 24, kMagenta), off = canvas(24, 24, kMagenta);
        QPainter pa(&on), pb(&off);
        pa.fillRect(3, 3, 18, 18, QColor(0, 84, 147));
        pa.fillRect(7, 7, 10, 10, Qt::white);
        pb.fillRect(3, 3, 18, 18, QColor(170, 170, 170));
        pb.fillRect(7, 7, 10, 10, Qt::white);
        pa.end();
        pb.end();
        ok = save(on, dir + "/gal_icon.bmp", &out->icon) && ok;
        ok = save(off, dir + "/gal_icon_off.bmp", &out->icon_off) && ok;
    }
    ok = save(state_picture(true, true, false), dir + "/gal_radio_on.bmp", &out->radio_on) && ok;
    ok = save(state_picture(true, false, false), dir + "/gal_radio_off.bmp", &out->radio_off) && ok;
    ok = save(state_picture(true, true, true), dir + "/gal_radio_on_grey.bmp", &out->radio_on_grey) && ok;
    ok = save(state_picture(true, false, true), dir + "/gal_radio_off_grey.bmp", &out->radio_off_grey) && ok;
    ok = save(state_picture(false, true, false), dir + "/gal_check_on.bmp", &out->check_on) && ok;
    ok = save(state_picture(false, false, false), dir + "/gal_check_off.bmp", &out->check_off) && ok;
    ok = save(state_picture(false, true, true), dir + "/gal_check_on_grey.bmp", &out->check_on_grey) && ok;
    ok = save(state_picture(false, false, true), dir + "/gal_check_off_grey.bmp", &out->check_off_grey) && ok;
    g_pictures = *out;
    return ok;
}

const Pictures& pictures() { return g_pictures; }

std::string program_dir()
{
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string p(buf, size_t(n));
    const size_t slash = p.rfind('/');
    return slash == std::string::npos ? "." : p.substr(0, slash);
}

} // namespace gallery
