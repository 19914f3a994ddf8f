// The screen's side view of the step joint, built from the joint's dimensions.
#include "app/screensketch.h"

#include <cmath>

#include "platform/kovmath.h"

static const double DEG = KOV_DEG_TO_RAD;

QTransform sketch_turn_transform(const QPointF& pivot, double gammaDeg)
{
    QTransform t;
    t.translate(pivot.x(), pivot.y());
    t.rotate(-gammaDeg);
    t.translate(-pivot.x(), -pivot.y());
    return t;
}

QPointF sketch_turn(const QPointF& p, const QPointF& pivot, double gammaDeg)
{
    return sketch_turn_transform(pivot, gammaDeg).map(p);
}

static void end_lines(QVector<ScreenSketchLine>& out, const QPointF& u, const QPointF& v, double d)
{
    const QLineF l(u.x(), u.y() - d, v.x(), v.y() + d);
    out.append({l, ScreenSketchLine::Erase});
    out.append({l, ScreenSketchLine::Break});
}

ScreenSketch sketch_geometry(int typ, double hG, double hD, double t1, double t2, double gammaDeg)
{
    ScreenSketch g;
    if (typ < 0 || typ > 3) return g;
    const double gr = gammaDeg * DEG;
    const double s = hD / std::sin(gr);
    double a = 0, e = 0, c = 0, q = 0, p = 0;
    if (typ == 0 || typ == 1) {
        a = t1 / std::tan(KOV_PI / 2 - gr / 2);
        q = s - a;
        p = a;
    } else {
        if (typ == 3) a = t1 / std::tan(KOV_PI / 2 - gr / 2);
        e = t2 * std::tan(gr);
        c = t2 / std::tan(gr);
        q = c + e;
        p = s - (c + e);
    }
    const double x0 = (typ == 2 || typ == 3) ? 1.1 * s : hG;
    const double w = x0 - p;
    const double d = 0.1 * hG;

    QVector<QPointF> R;
    if (typ == 0 || typ == 1) {
        R << QPointF(0, hG) << QPointF(w, hG);
        R << R[1] + QPointF(a, t1);
        R << R[2] + QPointF(q, -t1);
        R << R[3] + QPointF(w, 0);
        R << R[4] + QPointF(0, hG);
        R << QPointF(0, R[5].y());
    } else if (typ == 2) {
        R << QPointF(0, hG) << QPointF(x0 - q, hG);
        R << R[1] + QPointF(e, t2);
        R << R[2] + QPointF(c, -t2);
        R << R[3] + QPointF(w, 0);
        R << R[4] + QPointF(0, hG);
        R << QPointF(0, R[5].y());
    } else {
        R << QPointF(0, hG) << QPointF(x0 - s, hG);
        R << R[1] + QPointF(a, t1);
        R << QPointF(x0 - q, hG);
        R << R[3] + QPointF(e, t2);
        R << R[4] + QPointF(c, -t2);
        R << R[5] + QPointF(w, 0);
        R << R[6] + QPointF(0, hG);
        R << QPointF(0, R[7].y());
    }

    QVector<QPointF> T;
    const double tg = std::tan(gr);
    if (typ == 0) {
        T << R[1] << R[4];
        T << T[1] + QPointF(0, hD);
        T << QPointF(R[1].x() + hD / tg, T[2].y());
        T << R[0];
        end_lines(g.strutLines, T[1], T[2], d);
        const double m = (T[0].y() + T[3].y()) / 2;
        g.strutLines.append({QLineF(T[0].x(), m, T[1].x(), m), ScreenSketchLine::Axis});
    } else if (typ == 1) {
        const double th = std::tan(gr / 2);
        T << R[2];
        T << T[0] + QPointF(hD / 2 * th, -hD / 2);
        T << QPointF(R[4].x(), T[1].y());
        T << T[2] + QPointF(0, hD);
        T << QPointF(T[0].x() - hD / 2 * th, T[3].y());
        end_lines(g.strutLines, T[2], T[3], d);
        g.strutLines.append({QLineF(T[0], QPointF(T[2].x(), T[0].y())), ScreenSketchLine::Axis});
    } else {
        const int i = (typ == 2) ? 1 : 3;
        const int j = (typ == 2) ? 4 : 6;
        const double r = hD - std::sqrt(t2 * t2 + e * e);
        T << R[i];
        T << QPointF(T[0].x(), hG);
        T << QPointF(T[0].x() - r / tg - t1, R[0].y() + t1 - r);
        T << QPointF(T[0].x() - r / tg, R[0].y() - r);
        T << QPointF(R[j].x(), T[3].y());
        T << QPointF(R[j].x(), T[4].y() + hD);
        T << QPointF(R[i].x(), T[5].y());
        end_lines(g.strutLines, T[4], T[5], d);
        const double m = (T[4].y() + T[5].y()) / 2;
        g.strutLines.append({QLineF(T[3].x(), m, T[4].x(), m), ScreenSketchLine::Axis});
    }

    if (typ == 1) {
        // The upper face meets the turned lower edge of the strut.
        const QPointF T0 = T[0];
        const QLineF face(R[0], R[4]);
        const QTransform tt = sketch_turn_transform(T0, gammaDeg);
        const QLineF lower(tt.map(QPointF(R[0].x(), T0.y() + hD / 2)), tt.map(QPointF(R[4].x(), T0.y() + hD / 2)));
        QPointF cut;
        if (face.intersects(lower, &cut) != QLineF::NoIntersection) R[3] = cut;
    }

    const int n = R.size();
    end_lines(g.sillLines, R[n - 3], R[n - 2], d);
    const double m = (R[0].y() + R[n - 1].y()) / 2;
    g.sillLines.append({QLineF(R[0].x(), m, R[n - 3].x(), m), ScreenSketchLine::Axis});

    g.sill = QPolygonF(R);
    g.strut = QPolygonF(T);
    g.pivot = T[0];
    g.gamma = gammaDeg;
    g.valid = true;
    return g;
}
