#pragma once
// Draws the side view of the step joint (app/screensketch.h) into a scene.
#include <QBrush>

#include "app/screensketch.h"

class QGraphicsScene;

// Adds the sketch to the scene: the strut first, then the sill above it.
void sketch_draw(QGraphicsScene* scene, const ScreenSketch& g, const QBrush& wood);
