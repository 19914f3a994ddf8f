// Draws the pictures of the fastener families that the fastener pages show
// beside their choice (Fastener_Add_Bitmap):
//
//   QT_QPA_PLATFORM=offscreen fastenerpics data
//
// writes into the given folder (where the screen looks for pictures, under
// DATA) one picture of 154 x 101 pixels per family, the box the view area
// gives a fastener picture:
//   Nagel.bmp                  smooth nail
//   SonderNagel.bmp            ringed special nail
//   Schraube.bmp               wood screw with countersunk head
//   SPAX_Teil_Senk.bmp         partly threaded screw, countersunk head
//   SPAX_Teil_Teller.bmp       partly threaded screw, washer head
//   SPAX_Voll.bmp              fully threaded screw, cylinder head
//   Stabduebel_G10.bmp         dowel
//   Bolzen.bmp                 bolt with washers and nut
//   Ringduebel_A1.bmp          split ring
//   Scheibenduebel_B1.bmp      shear plate with flange
//   Scheibenduebel_C1.bmp      round toothed plate, teeth on both sides
//   Scheibenduebel_C2.bmp      round toothed plate, teeth on one side
//   Scheibenduebel_C5.bmp      square toothed plate, teeth on both sides
//   Scheibenduebel_C10.bmp     toothed ring, teeth on both sides
//   Scheibenduebel_C11.bmp     toothed ring, teeth on one side
// Connectors are shown in plan (left) and in section between two timber
// members (right). Our own schematic drawings of the families' shapes; they
// carry no dimensions or values. The background is white (255, 255, 255),
// which a page may pass as its key colour; drawn without smoothing so that no
// pixel mixes with it.
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

const int kW = 154;
const int kH = 101;
const QColor kKey(255, 255, 255);
const QColor kLine(40, 40, 40);
const QColor kSteel(175, 178, 185);
const QColor kDark(120, 124, 132);
const QColor kWood(225, 195, 145);
const QColor kGrain(190, 150, 95);

QImage canvas()
{
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(kKey);
    return img;
}

void pens(QPainter& p, const QColor& fill)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kLine, 1));
    p.setBrush(fill);
}

// A straight shank from x0 to x1 about the middle line yc, d pixels thick.
void shank(QPainter& p, int x0, int x1, int yc, int d)
{
    pens(p, kSteel);
    p.drawRect(x0, yc - d / 2, x1 - x0, d);
}

// A point from x0 (full thickness d) to the tip at x1.
void point(QPainter& p, int x0, int x1, int yc, int d)
{
    pens(p, kSteel);
    p.drawPolygon(QPolygon({QPoint(x0, yc - d / 2), QPoint(x1, yc), QPoint(x0, yc + d / 2)}));
}

// A thread from x0 to x1: the core and the flanks as a saw tooth.
void thread(QPainter& p, int x0, int x1, int yc, int d, int core)
{
    pens(p, kSteel);
    p.drawRect(x0, yc - core / 2, x1 - x0, core);
    const int pitch = 5;
    for (int x = x0; x + pitch <= x1; x += pitch) {
        p.drawPolygon(
            QPolygon({QPoint(x, yc - core / 2), QPoint(x + pitch - 1, yc - d / 2), QPoint(x + pitch, yc - core / 2)}));
        p.drawPolygon(
            QPolygon({QPoint(x, yc + core / 2), QPoint(x + pitch - 1, yc + d / 2), QPoint(x + pitch, yc + core / 2)}));
    }
}

// A countersunk head at x0 (its face) opening to the shank at x1.
void countersunk(QPainter& p, int x0, int x1, int yc, int face, int d)
{
    pens(p, kSteel);
    p.drawPolygon(QPolygon(
        {QPoint(x0, yc - face / 2), QPoint(x1, yc - d / 2), QPoint(x1, yc + d / 2), QPoint(x0, yc + face / 2)}));
    p.setPen(QPen(kDark, 2));
    p.drawLine(x0 + 1, yc - 4, x0 + 1, yc + 4); // the drive
}

QImage nail(bool ringed)
{
    QImage img = canvas();
    QPainter p(&img);
    const int yc = 50, d = 8;
    pens(p, kSteel);
    p.drawRect(14, yc - 13, 5, 26); // flat head
    shank(p, 19, 122, yc, d);
    if (ringed) {
        // Rings on the shank's lower part.
        p.setPen(QPen(kLine, 1));
        for (int x = 60; x < 120; x += 4) {
            p.drawLine(x, yc - d / 2 - 2, x + 3, yc - d / 2);
            p.drawLine(x, yc + d / 2 + 2, x + 3, yc + d / 2);
            p.drawLine(x, yc - d / 2 - 2, x, yc + d / 2 + 2);
        }
    }
    point(p, 122, 140, yc, d);
    return img;
}

QImage wood_screw()
{
    QImage img = canvas();
    QPainter p(&img);
    const int yc = 50;
    countersunk(p, 12, 24, yc, 24, 9);
    shank(p, 24, 62, yc, 9);
    thread(p, 62, 122, yc, 13, 7);
    point(p, 122, 140, yc, 7);
    return img;
}

// The self-tapping screws: head, smooth part (none for full thread), thread, tip.
QImage spax(int head, bool full)
{
    QImage img = canvas();
    QPainter p(&img);
    const int yc = 50;
    int x = 14;
    if (head == 0) {
        countersunk(p, x, x + 12, yc, 24, 9);
        x += 12;
    } else if (head == 1) {
        pens(p, kSteel);
        p.drawRect(x, yc - 18, 5, 36); // washer head: a wide flat disc
        p.drawPolygon(
            QPolygon({QPoint(x + 5, yc - 12), QPoint(x + 11, yc - 5), QPoint(x + 11, yc + 5), QPoint(x + 5, yc + 12)}));
        x += 11;
    } else {
        pens(p, kSteel);
        p.drawRect(x, yc - 8, 9, 16); // cylinder head
        x += 9;
    }
    if (!full) {
        shank(p, x, 70, yc, 8);
        x = 70;
    }
    thread(p, x, 124, yc, 13, 7);
    point(p, 124, 142, yc, 7);
    // The drilling tip's cut.
    p.setPen(QPen(kDark, 1));
    p.drawLine(128, yc - 2, 136, yc);
    return img;
}

QImage dowel()
{
    QImage img = canvas();
    QPainter p(&img);
    const int yc = 50, d = 20;
    pens(p, kSteel);
    p.drawPolygon(QPolygon({QPoint(16, yc - d / 2 + 3), QPoint(19, yc - d / 2), QPoint(135, yc - d / 2),
                            QPoint(138, yc - d / 2 + 3), QPoint(138, yc + d / 2 - 3), QPoint(135, yc + d / 2),
                            QPoint(19, yc + d / 2), QPoint(16, yc + d / 2 - 3)}));
    p.setPen(QPen(QColor(230, 232, 236), 1));
    p.drawLine(20, yc - d / 2 + 4, 134, yc - d / 2 + 4); // a highlight along the cylinder
    return img;
}

QImage bolt()
{
    QImage img = canvas();
    QPainter p(&img);
    const int yc = 50;
    pens(p, kSteel);
    p.drawRect(10, yc - 14, 10, 28); // hexagon head, seen on its flats
    p.drawLine(10, yc - 5, 20, yc - 5);
    p.drawLine(10, yc + 5, 20, yc + 5);
    p.drawRect(20, yc - 18, 3, 36); // washer
    shank(p, 23, 96, yc, 12);
    thread(p, 96, 141, yc, 12, 9);
    pens(p, kSteel);
    p.drawRect(112, yc - 18, 3, 36);  // washer
    p.drawRect(115, yc - 14, 11, 28); // nut
    p.drawLine(115, yc - 5, 126, yc - 5);
    p.drawLine(115, yc + 5, 126, yc + 5);
    return img;
}

// ---- connectors: plan on the left, section on the right --------------------------------

const int kPlanX = 38; // centre of the plan
const int kPlanY = 50;
const int kSecX = 112; // middle of the section

// The two timber members of the section, their joint at y = kPlanY, and the
// bolt through them.
void section_members(QPainter& p)
{
    pens(p, kWood);
    p.drawRect(80, 8, 64, kPlanY - 8);
    p.drawRect(80, kPlanY, 64, 92 - kPlanY);
    p.setPen(QPen(kGrain, 1));
    for (int y = 16; y < 92; y += 10)
        if (std::abs(y - kPlanY) > 3) p.drawLine(84, y, 140, y);
    pens(p, kSteel);
    p.drawRect(kSecX - 3, 8, 6, 84);
}

// Teeth around a circle of radius r: n triangles pointing outward.
void round_teeth(QPainter& p, int cx, int cy, int r, int n, int len)
{
    pens(p, kSteel);
    const double pi = 3.14159265358979;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * pi * i / n, b = a + pi / n;
        const QPoint p1(cx + int(std::lround(r * std::cos(a))), cy + int(std::lround(r * std::sin(a))));
        const QPoint p2(cx + int(std::lround((r + len) * std::cos(b))), cy + int(std::lround((r + len) * std::sin(b))));
        const QPoint p3(cx + int(std::lround(r * std::cos(a + 2 * pi / n))),
                        cy + int(std::lround(r * std::sin(a + 2 * pi / n))));
        p.drawPolygon(QPolygon({p1, p2, p3}));
    }
}

// Teeth of the section: upward (into the upper member) and/or downward.
void section_teeth(QPainter& p, int x0, int x1, int y, bool up, bool down)
{
    pens(p, kSteel);
    for (int x = x0; x + 6 <= x1; x += 9) {
        if (x <= kSecX + 4 && x + 6 >= kSecX - 4) continue; // the bolt's hole
        if (up) p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 3, y - 9), QPoint(x + 6, y)}));
        if (down) p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 3, y + 9), QPoint(x + 6, y)}));
    }
}

void hole(QPainter& p, int r)
{
    pens(p, kKey);
    p.drawEllipse(QPoint(kPlanX, kPlanY), r, r);
}

QImage split_ring()
{
    QImage img = canvas();
    QPainter p(&img);
    // Plan: a ring with its split.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLine, 7, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(kPlanX - 28, kPlanY - 28, 56, 56, 100 * 16, 340 * 16);
    p.setPen(QPen(kSteel, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(kPlanX - 28, kPlanY - 28, 56, 56, 101 * 16, 338 * 16);
    hole(p, 6);
    // Section: the ring half in each member's groove.
    section_members(p);
    pens(p, kSteel);
    p.drawRect(88, kPlanY - 10, 5, 20);
    p.drawRect(131, kPlanY - 10, 5, 20);
    return img;
}

QImage shear_plate()
{
    QImage img = canvas();
    QPainter p(&img);
    // Plan: the plate with its flange ring and the hub.
    pens(p, kSteel);
    p.drawEllipse(QPoint(kPlanX, kPlanY), 30, 30);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(kPlanX, kPlanY), 25, 25);
    p.setBrush(kDark);
    p.drawEllipse(QPoint(kPlanX, kPlanY), 10, 10);
    hole(p, 6);
    // Section: the plate let into the upper member, the flange in its groove.
    section_members(p);
    pens(p, kSteel);
    p.drawRect(86, kPlanY - 4, 52, 4);
    p.drawRect(86, kPlanY - 13, 4, 9);
    p.drawRect(134, kPlanY - 13, 4, 9);
    return img;
}

// Round or square toothed plates and toothed rings.
QImage toothed(bool square, bool ring, bool both_sides)
{
    QImage img = canvas();
    QPainter p(&img);
    pens(p, kSteel);
    if (square) {
        p.drawRect(kPlanX - 26, kPlanY - 26, 52, 52);
        for (int k = -20; k <= 20; k += 10) {
            p.drawPolygon(QPolygon({QPoint(kPlanX + k - 3, kPlanY - 26), QPoint(kPlanX + k, kPlanY - 34),
                                    QPoint(kPlanX + k + 3, kPlanY - 26)}));
            p.drawPolygon(QPolygon({QPoint(kPlanX + k - 3, kPlanY + 26), QPoint(kPlanX + k, kPlanY + 34),
                                    QPoint(kPlanX + k + 3, kPlanY + 26)}));
            p.drawPolygon(QPolygon({QPoint(kPlanX - 26, kPlanY + k - 3), QPoint(kPlanX - 34, kPlanY + k),
                                    QPoint(kPlanX - 26, kPlanY + k + 3)}));
            p.drawPolygon(QPolygon({QPoint(kPlanX + 26, kPlanY + k - 3), QPoint(kPlanX + 34, kPlanY + k),
                                    QPoint(kPlanX + 26, kPlanY + k + 3)}));
        }
    } else {
        round_teeth(p, kPlanX, kPlanY, 26, 18, 7);
        pens(p, kSteel);
        p.drawEllipse(QPoint(kPlanX, kPlanY), 26, 26);
        if (ring) {
            pens(p, kKey);
            p.drawEllipse(QPoint(kPlanX, kPlanY), both_sides ? 16 : 12, both_sides ? 16 : 12);
            if (!both_sides) {
                // The base plate of the one-sided ring shows through.
                pens(p, kDark);
                p.drawEllipse(QPoint(kPlanX, kPlanY), 12, 12);
            }
        } else if (!both_sides) {
            // The collar around the bolt's hole.
            pens(p, kDark);
            p.drawEllipse(QPoint(kPlanX, kPlanY), 11, 11);
        }
    }
    hole(p, 6);
    // Section.
    section_members(p);
    pens(p, kSteel);
    p.drawRect(84, kPlanY - 2, 56, 4);
    section_teeth(p, 85, 139, kPlanY - 2, true, false);
    if (both_sides)
        section_teeth(p, 85, 139, kPlanY + 2, false, true);
    else {
        // Let into the lower member with its collar or base.
        pens(p, kDark);
        p.drawRect(kSecX - 12, kPlanY + 2, 24, 6);
    }
    return img;
}

struct Picture {
    const char* file;
    QImage (*draw)();
};

QImage nail_plain() { return nail(false); }
QImage nail_ringed() { return nail(true); }
QImage spax_countersunk() { return spax(0, false); }
QImage spax_washer() { return spax(1, false); }
QImage spax_full() { return spax(2, true); }
QImage plate_c1() { return toothed(false, false, true); }
QImage plate_c2() { return toothed(false, false, false); }
QImage plate_c5() { return toothed(true, false, true); }
QImage ring_c10() { return toothed(false, true, true); }
QImage ring_c11() { return toothed(false, true, false); }

const Picture kPictures[] = {
    {"Nagel.bmp", nail_plain},
    {"SonderNagel.bmp", nail_ringed},
    {"Schraube.bmp", wood_screw},
    {"SPAX_Teil_Senk.bmp", spax_countersunk},
    {"SPAX_Teil_Teller.bmp", spax_washer},
    {"SPAX_Voll.bmp", spax_full},
    {"Stabduebel_G10.bmp", dowel},
    {"Bolzen.bmp", bolt},
    {"Ringduebel_A1.bmp", split_ring},
    {"Scheibenduebel_B1.bmp", shear_plate},
    {"Scheibenduebel_C1.bmp", plate_c1},
    {"Scheibenduebel_C2.bmp", plate_c2},
    {"Scheibenduebel_C5.bmp", plate_c5},
    {"Scheibenduebel_C10.bmp", ring_c10},
    {"Scheibenduebel_C11.bmp", ring_c11},
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fastenerpics FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = true;
    for (const Picture& pic : kPictures) ok = Tool_Save_Bmp(pic.draw(), dir + "/" + pic.file, "fastenerpics") && ok;
    return ok ? 0 : 1;
}
