#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

class QPainter;

// The window's fixed pictures, drawn as vectors at paint time so that they stay sharp at
// every pixel ratio. Each one draws in its own units; its holder maps `extent` onto the
// area it shows the picture in.
struct Picture {
    QRectF extent; // the drawing's own units: origin and size
    void (*draw)(QPainter&);
};

// Part of a picture as its holder shows it: drawn through `transform`, clipped to
// `clip` (a null one clips nothing), both in the holder's pixels.
struct PicturePart {
    QRectF clip;
    QTransform transform;
};

namespace pictures {

const Picture& field(int entry);   // entries 0 to 7 of the field list
const Picture* formula(int entry); // nullptr for entry 0, which shows no formula
const Picture& segmentWork();      // the work of one segment, beside its read-out
const Picture& totalWork();        // the work of the whole path, beside its read-out
const Picture& diagramAxes();      // the axes of the work diagram

// How a box of the given size in pixels shows the axes picture: their crossing on
// `origin`, the pixel at which the diagram draws the field origin.
QList<PicturePart> diagramAxesPlacement(const QSizeF& box, QPointF origin);

// The whole picture as an image control shows it: its extent stretched onto `target`,
// independently across and down.
PicturePart stretched(const Picture& picture, const QRectF& target);

// Draws `picture` smoothed, through `part`.
void draw(QPainter& painter, const Picture& picture, const PicturePart& part);

} // namespace pictures
