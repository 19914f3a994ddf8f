// Draws the pictures of the step-joint program (icons, check marks, the wood
// texture and the joint-type sketches) into this folder. Run it after changing
// a picture:  bash draw_images.sh
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cstdio>

#include "app/gui/sketchview.h"

static QString outDir;

static QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

static void save(const QImage& img, const QString& rel)
{
    const QString path = outDir + "/" + rel;
    QDir().mkpath(QFileInfo(path).path());
    const char* fmt = rel.endsWith(".ico") ? "ICO" : "PNG";
    if (!img.save(path, fmt)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Tool-bar style plate behind each icon; the hover variant is lighter.
static void plate(QPainter& p, int s, bool active)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, active ? QColor(255, 255, 255) : QColor(236, 236, 236));
    g.setColorAt(1, active ? QColor(214, 230, 245) : QColor(196, 196, 196));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, s - 3, s - 3), 6, 6);
}

static QImage icon_nad(bool active, bool on)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    plate(p, 48, active);
    p.setBrush(QColor(0, 51, 153));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(7, 7, 34, 34));
    p.setBrush(QColor(255, 204, 0));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawEllipse(QPointF(24 + 13 * std::cos(a), 24 + 13 * std::sin(a)), 2, 2);
    }
    QFont f("DejaVu Sans", 9, QFont::Bold);
    p.setFont(f);
    p.setPen(on ? QColor(255, 204, 0) : Qt::white);
    p.drawText(QRectF(7, 7, 34, 34), Qt::AlignCenter, "NA");
    return img;
}

static void page(QPainter& p, QRectF r)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(110, 110, 110), 1));
    for (double y = r.top() + 5; y < r.bottom() - 3; y += 4)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

static QImage icon_prev(bool active)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    plate(p, 48, active);
    page(p, QRectF(9, 6, 24, 32));
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(QColor(200, 230, 255, 160));
    p.drawEllipse(QPointF(29, 27), 8, 8);
    p.drawLine(QPointF(35, 33), QPointF(42, 41));
    return img;
}

static QImage icon_dru(bool active)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    plate(p, 48, active);
    page(p, QRectF(14, 5, 20, 16));
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(6, 19, 36, 16), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13, 31, 22, 11));
    p.setBrush(QColor(80, 220, 80));
    p.drawEllipse(QPointF(37, 24), 1.8, 1.8);
    return img;
}

static QImage icon_sav(bool active, int size = 48)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.scale(size / 48.0, size / 48.0);
    plate(p, 48, active);
    p.setPen(QPen(QColor(20, 30, 60), 1.5));
    p.setBrush(QColor(40, 70, 150));
    QPolygonF d;
    d << QPointF(8, 8) << QPointF(36, 8) << QPointF(41, 13) << QPointF(41, 40) << QPointF(8, 40);
    p.drawPolygon(d);
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(QRectF(14, 8, 18, 11));
    p.setBrush(QColor(40, 70, 150));
    p.drawRect(QRectF(26, 10, 4, 7));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 25, 25, 15));
    return img;
}

static QImage icon_help(bool active)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    plate(p, 48, active);
    p.setPen(QPen(QColor(0, 90, 170), 2));
    p.setBrush(QColor(70, 150, 230));
    p.drawEllipse(QRectF(8, 8, 32, 32));
    p.setFont(QFont("DejaVu Sans", 18, QFont::Bold));
    p.setPen(Qt::white);
    p.drawText(QRectF(8, 8, 32, 32), Qt::AlignCenter, "?");
    return img;
}

static QImage icon_power(bool active, int size = 48, QColor col = QColor(190, 30, 30))
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.scale(size / 48.0, size / 48.0);
    plate(p, 48, active);
    QPen pen(col, 4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 12, 26, 26), 120 * 16, -240 * 16);
    p.drawLine(QPointF(24, 8), QPointF(24, 24));
    return img;
}

static QImage icon_cal()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    plate(p, 48, false);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(11, 5, 26, 38), 3, 3);
    p.setBrush(QColor(190, 230, 190));
    p.drawRect(QRectF(14, 8, 20, 9));
    p.setBrush(QColor(230, 230, 230));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(QRectF(14 + c * 7, 20 + r * 7.5, 5, 5));
    return img;
}

static QImage icon_tool()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    plate(p, 48, false);
    p.translate(24, 24);
    p.setPen(QPen(QColor(50, 50, 50), 1.2));
    p.setBrush(QColor(150, 150, 160));
    QPainterPath gear;
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45);
        p.drawRect(QRectF(-3.5, -16, 7, 8));
        p.restore();
    }
    p.drawEllipse(QPointF(0, 0), 11, 11);
    p.setBrush(QColor(236, 236, 236));
    p.drawEllipse(QPointF(0, 0), 4.5, 4.5);
    return img;
}

static QImage icon_auto(bool on)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    plate(p, 48, false);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(on ? QColor(40, 200, 60) : QColor(150, 150, 150));
    p.drawEllipse(QPointF(24, 17), 9, 9);
    p.setFont(QFont("DejaVu Sans", 8, QFont::Bold));
    p.setPen(Qt::black);
    p.drawText(QRectF(2, 28, 44, 14), Qt::AlignCenter, "auto");
    return img;
}

// The joint in a few strokes, for small pictures.
static void joint_glyph(QPainter& p, QRectF r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(222, 184, 135));
    const double y = r.top() + r.height() * 0.55;
    p.drawRect(QRectF(r.left(), y, r.width(), r.bottom() - y));
    QPolygonF st;
    st << QPointF(r.left() + r.width() * 0.30, y) << QPointF(r.left() + r.width() * 0.55, y)
       << QPointF(r.right(), r.top()) << QPointF(r.left() + r.width() * 0.7, r.top());
    p.drawPolygon(st);
    p.restore();
}

static QImage icon_tab_system()
{
    QImage img = canvas(24, 24);
    QPainter p(&img);
    joint_glyph(p, QRectF(1, 2, 22, 20));
    return img;
}

static void arrow(QPainter& p, QPointF a, QPointF b, QColor c, double w = 2)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QLineF l(b, a);
    const double ang = std::atan2(-l.dy(), l.dx());
    const double hs = 4 + 2 * w;
    QPolygonF head;
    head << b << b + QPointF(std::cos(ang + M_PI / 7) * hs, -std::sin(ang + M_PI / 7) * hs)
         << b + QPointF(std::cos(ang - M_PI / 7) * hs, -std::sin(ang - M_PI / 7) * hs);
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
    p.restore();
}

static QImage icon_tab_sgr()
{
    QImage img = canvas(24, 24);
    QPainter p(&img);
    arrow(p, QPointF(2, 6), QPointF(21, 6), QColor(200, 0, 0), 1.5);
    arrow(p, QPointF(4, 21), QPointF(4, 9), QColor(0, 0, 200), 1.5);
    arrow(p, QPointF(21, 21), QPointF(10, 13), QColor(0, 130, 0), 1.5);
    return img;
}

static QImage icon_import()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    plate(p, 48, false);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(20, 10, 22, 28));
    for (int r = 0; r < 4; ++r) p.drawLine(QPointF(20, 16 + r * 6), QPointF(42, 16 + r * 6));
    p.drawLine(QPointF(29, 10), QPointF(29, 38));
    arrow(p, QPointF(5, 24), QPointF(22, 24), QColor(0, 120, 0), 3);
    return img;
}

static QImage checkbox(bool ticked)
{
    QImage img = canvas(13, 13);
    QPainter p(&img);
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 12, 12));
    if (ticked) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPolygonF t;
        t << QPointF(3, 6.5) << QPointF(5.5, 9.5) << QPointF(10, 3);
        p.drawPolyline(t);
    }
    return img;
}

static QImage trash()
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(170, 170, 175));
    p.drawRect(QRectF(2.5, 3.5, 11, 2));
    p.drawRect(QRectF(6.5, 1.5, 3, 2));
    QPolygonF bin;
    bin << QPointF(3.5, 5.5) << QPointF(12.5, 5.5) << QPointF(11.5, 14.5) << QPointF(4.5, 14.5);
    p.drawPolygon(bin);
    for (double x : {6.0, 8.0, 10.0}) p.drawLine(QPointF(x, 7.5), QPointF(x, 13));
    return img;
}

static QImage wood()
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(QColor(238, 214, 175));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(205, 170, 120), 1));
    for (int k = 0; k < 4; ++k) {
        QPainterPath path;
        const double y0 = 4 + k * 8;
        path.moveTo(0, y0);
        path.cubicTo(10, y0 - 2, 22, y0 + 2, 32, y0);
        p.drawPath(path);
    }
    return img;
}

static QImage icon_undo()
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 90, 170), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6, 8, 20, 18), 90 * 16, -200 * 16);
    arrow(p, QPointF(14, 8), QPointF(6, 8), QColor(30, 90, 170), 3);
    return img;
}

// The joint-type pictures are the screen sketch itself at sample dimensions.
static QImage joint_picture(int typ, int w, int h, bool forces)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::white);
    const double hG = 180, hD = 120, t1 = 35, t2 = 35, gam = 40;
    ScreenSketch g = sketch_geometry(typ, hG, hD, t1, t2, gam);
    QGraphicsScene scene;
    QBrush woodBrush(Qt::white, QPixmap::fromImage(wood()));
    woodBrush.setStyle(Qt::TexturePattern);
    sketch_draw(&scene, g, woodBrush);
    QRectF src = scene.itemsBoundingRect();
    // Show the strut up to its break line, not the whole far end.
    src = src.adjusted(-10, -10, 10, 10);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF target = forces ? QRectF(44, 30, w - 80, h - 36) : QRectF(8, 8, w - 16, h - 16);
    const double sc = std::min(target.width() / src.width(), target.height() / src.height());
    QRectF placed(0, 0, src.width() * sc, src.height() * sc);
    placed.moveCenter(target.center());
    scene.render(&p, placed, src, Qt::IgnoreAspectRatio);
    if (forces) {
        // Where the scene landed in the picture, to place the force arrows.
        const QPointF off(placed.center().x() - src.center().x() * sc, placed.center().y() - src.center().y() * sc);
        auto map = [&](QPointF q) { return QPointF(q.x() * sc + off.x(), q.y() * sc + off.y()); };
        const QPointF pivot = map(g.pivot);
        const double gr = gam * M_PI / 180;
        const QPointF dir(std::cos(gr), -std::sin(gr));
        Q_UNUSED(pivot);
        const QPointF strutEnd = map(sketch_turn(g.strutLines[0].line.center(), g.pivot, gam));
        arrow(p, strutEnd + dir * 30, strutEnd + dir * 4, QColor(200, 0, 0), 2.5);
        const QPointF sillLeft = map(QPointF(0, 1.5 * hG));
        arrow(p, sillLeft, sillLeft - QPointF(24, 0), QColor(0, 0, 200), 2.5);
        arrow(p, sillLeft + QPointF(-12, -22), sillLeft + QPointF(-12, 2), QColor(0, 130, 0), 2.5);
        p.setPen(QPen(QColor(150, 0, 150), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(sillLeft.x() - 26, sillLeft.y() - 16, 20, 32), 100 * 16, 160 * 16);
        p.setFont(QFont("DejaVu Sans", 9, QFont::Bold));
        p.setPen(QColor(200, 0, 0));
        p.drawText(strutEnd + dir * 18 + QPointF(-26, -4), "Nd");
        p.setPen(QColor(0, 0, 200));
        p.drawText(sillLeft + QPointF(-40, 16), "Nd");
        p.setPen(QColor(0, 130, 0));
        p.drawText(sillLeft + QPointF(-8, -26), "Vd");
        p.setPen(QColor(150, 0, 150));
        p.drawText(sillLeft + QPointF(-42, -20), "Md");
    }
    return img;
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    for (int active = 0; active < 2; ++active) {
        const QString dir = active ? "button/" : "buttonbox/";
        save(icon_nad(active, false), dir + "nad.ico");
        save(icon_prev(active), dir + "prev.ico");
        save(icon_dru(active), dir + "dru.ico");
        save(icon_sav(active), dir + "sav.ico");
        save(icon_help(active), dir + "help.ico");
        save(icon_power(active), dir + "exit.ico");
    }
    save(icon_nad(false, true), "button/nadi.ico");
    save(icon_cal(), "buttonbox/zorv_cal.ico");
    save(icon_tool(), "buttonbox/tool.ico");
    save(icon_auto(false), "buttonbox/auto_aus.png");
    save(icon_auto(true), "buttonbox/auto_an.png");
    save(icon_tab_system(), "buttonbox/tab_system.png");
    save(icon_tab_sgr(), "buttonbox/tab_schnittgroessen.png");
    save(icon_import(), "button/snigrexport.png");
    save(checkbox(true), "button/checkbox_checked.png");
    save(checkbox(false), "button/checkbox_unchecked.png");
    save(trash(), "button/trash.png");
    save(wood(), "button/wood.png");
    save(icon_undo(), "button/Undo.ico");
    save(icon_power(false, 32, QColor(60, 60, 60)), "button/Turn off.ico");
    save(icon_sav(false, 32), "button/Save.ico");

    const char* names[4] = {"stirn", "brust", "ferse", "doppelt"};
    for (int t = 0; t < 4; ++t) {
        save(joint_picture(t, 365, 204, false), QString("skizzen/versatz_%1.png").arg(names[t]));
        save(joint_picture(t, 257, 142, true), QString("skizzen/versatz_%1_sgr.png").arg(names[t]));
    }
    return 0;
}
