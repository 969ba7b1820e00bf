#pragma once

#include "assets/pictures.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QPainter;

// The axes behind the oblique work diagram: height up, x across, y slanting back.
namespace axes {

// The picture's own units, 0.2 twips each, y downward.
inline constexpr QRectF extent(0, 0, 32670, 29808);

void draw(QPainter& painter);

// Maps the axes' units into a box of `box` pixels so that their crossing falls on
// `origin`, the box pixel where the work diagram draws the field origin, as large as the
// box allows without cutting any of the picture off.
QList<PicturePart> placement(const QSizeF& box, QPointF origin);

} // namespace axes
