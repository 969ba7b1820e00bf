#pragma once

#include "state/number.h"

#include <QLineF>

// Pointer positions and the work diagram. Positions arrive in twips from the field
// picture's top-left corner; everything here is single precision unless noted.
namespace geometry {

// The pointer snapped to a multiple of 10 twips: Round(X / 100, 1) * 100.
float snapped(float twips);

// Field units in centimetres, in steps of 0.05: the origin lies 3360 twips right of and
// below the picture's corner, 3330 twips make 5 cm across and 3320 twips 5 cm upward.
float fieldX(float X);
float fieldY(float Y);

// The oblique work diagram. A field point in snapped twips at height h above base line b:
// u = x / 30 + 35, v = y / 30 + 25, H = u + (100 - v / 1.4), V = v / 1.4 + b - h.
double diagramH(float x, float y);
double diagramV(float y, double baseLine, double height);

constexpr double oldBaseLine = 32;
constexpr double newBaseLine = 33;

// The two lines a segment from P to Q adds to the diagram, drawn from Q's end to P's:
// the work line, its new end one unit above the old so that consecutive lines step, and
// its projection onto the plane of zero work, whose new end is a whole pixel row.
struct DiagramSegment {
    QLineF work;
    QLineF ground;
};
DiagramSegment diagramSegment(float px, float py, float qx, float qy, float summe, const Number& arbeit);

} // namespace geometry
