// Draws the side view of the step joint into a graphics scene: the strut, then the sill.
#include "app/gui/sketchview.h"

#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QPen>

static QPen sketch_pen(ScreenSketchLine::Pen p)
{
    switch (p) {
        case ScreenSketchLine::Erase: return QPen(Qt::white);
        case ScreenSketchLine::Break: {
            QPen pen(Qt::black);
            pen.setStyle(Qt::DashLine);
            return pen;
        }
        case ScreenSketchLine::Axis:
        default: {
            QPen pen(Qt::darkGray);
            pen.setWidthF(1.0);
            pen.setStyle(Qt::DashDotLine);
            return pen;
        }
    }
}

static void turn_item(QGraphicsItem* item, const QPointF& pivot, double gammaDeg)
{
    const QTransform t = sketch_turn_transform(pivot, gammaDeg);
    item->setPos(t.map(item->pos()));
    item->setRotation(item->rotation() - gammaDeg);
}

void sketch_draw(QGraphicsScene* scene, const ScreenSketch& g, const QBrush& wood)
{
    if (!scene || !g.valid) return;
    QPen outline(Qt::black);
    outline.setWidthF(1.0);
    outline.setStyle(Qt::SolidLine);

    QGraphicsPolygonItem* strut = scene->addPolygon(g.strut, outline, wood);
    turn_item(strut, g.pivot, g.gamma);
    for (const ScreenSketchLine& l : g.strutLines) {
        QGraphicsLineItem* li = scene->addLine(l.line, sketch_pen(l.pen));
        turn_item(li, g.pivot, g.gamma);
    }
    scene->addPolygon(g.sill, outline, wood);
    for (const ScreenSketchLine& l : g.sillLines) scene->addLine(l.line, sketch_pen(l.pen));
}
