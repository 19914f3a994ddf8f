#pragma once
// Side view of the step joint as the screen shows it: the sill with its
// notch, the strut standing in it, break lines at the far ends and the centre
// lines. Scene coordinates with y pointing downwards; the sill's upper face
// lies at y = h_G and the sill reaches down to 2 h_G. The window draws it
// (app/gui/sketchview.h); the geometry itself needs no window.
#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QTransform>
#include <QVector>

struct ScreenSketchLine {
    enum Pen { Erase, Break, Axis };
    QLineF line;
    Pen pen;
};

struct ScreenSketch {
    bool valid = false;                   // false when no joint type is chosen
    QPolygonF sill;                       // R0, R1, ... (closed implicitly)
    QPolygonF strut;                      // T0, T1, ... of the strut before it is turned
    QPointF pivot;                        // T0: the strut turns about it by gamma upwards
    double gamma = 0.0;                   // degrees
    QVector<ScreenSketchLine> strutLines; // in the coordinates of the unturned strut
    QVector<ScreenSketchLine> sillLines;
};

// typ: 0 Stirnversatz, 1 Brustversatz, 2 Fersenversatz, 3 Doppelter Versatz;
// any other value gives an invalid (empty) geometry.
ScreenSketch sketch_geometry(int typ, double hG, double hD, double t1, double t2, double gammaDeg);

// The turn of the strut about the pivot by gamma upwards (y points down).
QTransform sketch_turn_transform(const QPointF& pivot, double gammaDeg);

// A point of the unturned strut where it lies after the turn about the pivot.
QPointF sketch_turn(const QPointF& p, const QPointF& pivot, double gammaDeg);
