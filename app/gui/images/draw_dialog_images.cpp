// Draws the pictures of the annex, options and exit dialogs into this folder:
// the 20 flags of the annex list, the annex editor's button and the icons of
// the dialog button boxes. Run it after changing a picture:
//   bash draw_dialog_images.sh
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>

static QString outDir;

static void save(const QImage& img, const QString& rel)
{
    const QString path = outDir + "/" + rel;
    QDir().mkpath(QFileInfo(path).path());
    const char* fmt = rel.endsWith(".ico") ? "ICO" : "PNG";
    if (!img.save(path, fmt)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

static QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// Three stripes, horizontal or vertical.
static QImage tricolour(QColor a, QColor b, QColor c, bool vertical)
{
    QImage img = canvas(26, 19);
    QPainter p(&img);
    const QColor col[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        if (vertical)
            p.fillRect(QRectF(i * 26.0 / 3, 0, 26.0 / 3 + 0.5, 19), col[i]);
        else
            p.fillRect(QRectF(0, i * 19.0 / 3, 26, 19.0 / 3 + 0.5), col[i]);
    }
    p.setPen(QColor(90, 90, 90));
    p.drawRect(0, 0, 25, 18);
    return img;
}

static QImage cross(QColor field, QColor bar)
{
    QImage img = canvas(26, 19);
    QPainter p(&img);
    p.fillRect(0, 0, 26, 19, field);
    p.fillRect(7, 0, 3, 19, bar);
    p.fillRect(0, 8, 26, 3, bar);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(0, 0, 25, 18);
    return img;
}

static QImage europe()
{
    QImage img = canvas(26, 19);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, 26, 19, QColor(0, 51, 153));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 204, 0));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawEllipse(QPointF(13 + 6 * std::cos(a), 9.5 + 6 * std::sin(a)), 1.0, 1.0);
    }
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 25, 18);
    return img;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    const QColor red(206, 17, 38), white(255, 255, 255), blue(0, 57, 166), green(0, 146, 70), black(0, 0, 0),
        gold(255, 206, 0), orange(255, 136, 62), lblue(0, 106, 167);
    QImage flags[20] = {
        tricolour(red, white, red, false),     // 0
        tricolour(black, gold, red, true),     // 1
        cross(red, white),                     // 2
        tricolour(blue, white, red, true),     // 3
        tricolour(green, white, red, true),    // 4
        tricolour(green, white, orange, true), // 5
        cross(lblue, gold),                    // 6
        tricolour(red, white, blue, false),    // 7
        tricolour(white, red, white, false),   // 8
        tricolour(white, blue, red, false),    // 9
        tricolour(white, green, red, false),   // 10
        tricolour(red, white, green, false),   // 11
        cross(white, blue),                    // 12
        tricolour(blue, gold, red, true),      // 13
        tricolour(green, white, red, false),   // 14
        tricolour(gold, green, red, false),    // 15
        tricolour(lblue, white, lblue, false), // 16
        tricolour(red, blue, white, false),    // 17
        tricolour(black, red, gold, false),    // 18 Deutschland
        europe(),                              // 19 EC-Standardparameter
    };
    for (int i = 0; i < 20; ++i) save(flags[i], QString::asprintf("flags/ef%02d.ico", i + 1));

    // The annex editor's button: a pencil over a small flag strip, 43 x 10.
    {
        QImage img = canvas(43, 10);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(0, 1, 12, 8, QColor(0, 51, 153));
        p.fillRect(14, 1, 12, 3, black);
        p.fillRect(14, 4, 12, 3, red);
        p.fillRect(14, 7, 12, 2, gold);
        QPainterPath pen;
        pen.moveTo(29, 8);
        pen.lineTo(31, 6);
        pen.lineTo(41, 1);
        pen.lineTo(42, 3);
        pen.lineTo(32, 8);
        pen.closeSubpath();
        p.setPen(QPen(QColor(80, 60, 20), 0.8));
        p.setBrush(QColor(240, 190, 60));
        p.drawPath(pen);
        save(img, "flags/ec_tool.ico");
    }

    // Button-box icons: a green tick, a red cross, a blue question mark.
    auto round_icon = [](QColor fill, int kind) {
        QImage img = canvas(32, 32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(fill.darker(140), 1.5));
        p.setBrush(fill);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        if (kind == 0) {
            p.drawPolyline(QPolygonF({QPointF(9, 16), QPointF(14, 21), QPointF(23, 11)}));
        } else if (kind == 1) {
            p.drawLine(QPointF(11, 11), QPointF(21, 21));
            p.drawLine(QPointF(21, 11), QPointF(11, 21));
        } else {
            QFont f(QStringLiteral("DejaVu Sans"), 15, QFont::Bold);
            p.setFont(f);
            p.drawText(QRectF(2, 1, 28, 28), Qt::AlignCenter, QStringLiteral("?"));
        }
        return img;
    };
    const QImage ok = round_icon(QColor(40, 160, 60), 0);
    const QImage abbruch = round_icon(QColor(200, 40, 40), 1);
    const QImage hilfe = round_icon(QColor(30, 100, 190), 2);
    save(ok, "dialogs/zorv_ok.ico");
    save(abbruch, "dialogs/zorv_abbruch.ico");
    save(abbruch, "dialogs/zorv_abbruch.png");
    save(hilfe, "dialogs/zorv_hilfe.ico");
    return 0;
}
