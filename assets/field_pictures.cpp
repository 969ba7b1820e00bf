#include "assets/field_pictures.h"

#include "assets/field_frame.h"
#include "assets/ink.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace field {

namespace {

// Colour CC3333 with blue in the high byte.
const QColor lineBlue(51, 51, 204);
constexpr double lineWidth = 6;

// Arrowheads are shaped in centimetres, which the holder shows square, so that they
// keep their angles whichever way a line runs.
constexpr double headLength = 0.18;
constexpr double openHalfAngle = 30 * std::numbers::pi / 180;
constexpr double filledHalfWidth = 0.07;

struct Cm {
    double x, y;
};

Cm along(Cm p, double dx, double dy, double distance)
{
    const double norm = std::hypot(dx, dy);
    return {p.x + dx / norm * distance, p.y + dy / norm * distance};
}

void stroke(QPainter& painter, Cm a, Cm b)
{
    ink::line(painter, {at(a.x, a.y), at(b.x, b.y)}, lineBlue, lineWidth);
}

// Two strokes back from the tip, opening against the direction (dx, dy).
void openHead(QPainter& painter, Cm tip, double dx, double dy)
{
    const double back = std::atan2(-dy, -dx);
    for (double side : {-openHalfAngle, openHalfAngle})
        stroke(painter, tip, {tip.x + headLength * std::cos(back + side), tip.y + headLength * std::sin(back + side)});
}

void filledHead(QPainter& painter, Cm tip, double dx, double dy)
{
    const Cm base = along(tip, -dx, -dy, headLength);
    const double norm = std::hypot(dx, dy);
    const double nx = -dy / norm * filledHalfWidth;
    const double ny = dx / norm * filledHalfWidth;
    ink::fill(painter, QPolygonF{at(tip.x, tip.y), at(base.x + nx, base.y + ny), at(base.x - nx, base.y - ny)},
              lineBlue);
}

void openArrow(QPainter& painter, Cm from, Cm to)
{
    stroke(painter, from, to);
    openHead(painter, to, to.x - from.x, to.y - from.y);
}

// The line stops where the head begins, so that its width does not blunt the point.
void filledArrow(QPainter& painter, Cm from, Cm tip)
{
    const double dx = tip.x - from.x;
    const double dy = tip.y - from.y;
    stroke(painter, from, along(tip, -dx, -dy, headLength));
    filledHead(painter, tip, dx, dy);
}

void homogeneousDown(QPainter& painter)
{
    for (double x : {-3.5, -2.5, -1.5, -0.5, 0.5, 1.5, 2.5, 3.4})
        openArrow(painter, {x, 4}, {x, -4});
}

void homogeneousDiagonal(QPainter& painter)
{
    for (Cm start : {Cm{-4, -1}, Cm{-3, -2.07}, Cm{-2, -3.07}, Cm{-1, -4.07}})
        openArrow(painter, start, {start.x + 5, start.y + 5});
}

void homogeneousLeft(QPainter& painter)
{
    for (double y : {3.43, 2.43, 1.43, 0.43, -0.57, -1.57, -2.57, -3.57})
        openArrow(painter, {4, y}, {-4, y});
}

// Three rays a quadrant, none along an axis.
void radial(QPainter& painter)
{
    for (double degrees : {21, 45, 70, 110, 134, 159, 201, 225, 251, 291, 315, 339}) {
        const double a = degrees * std::numbers::pi / 180;
        filledArrow(painter, {0, 0}, {4.8 * std::cos(a), 4.8 * std::sin(a)});
    }
}

void flow(QPainter& painter)
{
    for (double x : {-3.15, -0.75, -0.15, 0.15, 0.75, 3.15})
        filledArrow(painter, {x, 4.5}, {x, -4.5});
}

// Only the direction of the turning: the circles themselves are shapes of the window.
// Each head straddles the y axis, on top of its circle.
void vortex(QPainter& painter)
{
    for (double y : {0.38, 0.99, 2.69})
        filledHead(painter, {headLength / 2, y}, 1, 0);
}

} // namespace

void draw(QPainter& painter, int entry)
{
    drawFrame(painter, entry == 7 ? vortexFrame : entry == 6 ? flowFrame : standardFrame);
    switch (entry) {
    case 1: homogeneousDown(painter); break;
    case 2: homogeneousDiagonal(painter); break;
    case 3: homogeneousLeft(painter); break;
    case 4:
    case 5: radial(painter); break;
    case 6: flow(painter); break;
    case 7: vortex(painter); break;
    default: break;
    }
}

} // namespace field
