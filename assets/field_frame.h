#pragma once

#include <QPointF>

class QPainter;

// The centimetre coordinate system under every field picture.
namespace field {

// A point in field centimetres (y upward) in the drawing's units (y downward): one
// centimetre is 480 units across and 336 down, which the square holder makes square.
constexpr QPointF at(double x, double y)
{
    return {2880 + 480 * x, 2496 - 336 * y};
}

struct Frame {
    double xTip; // where the x axis's arrow ends, in units
    double yTip;
    QPointF oneOnX; // baseline starts of the four texts
    QPointF oneOnY;
    QPointF xName;
    QPointF yName;
    int oneOnXHeight;
};

inline constexpr Frame standardFrame{5280, 816, {3358, 2658}, {2938, 2242}, {4714, 2665}, {2974, 985}, 160};
inline constexpr Frame flowFrame{5280, 816, {3358, 2658}, {2938, 2242}, {4714, 2665}, {2974, 985}, 224};
inline constexpr Frame vortexFrame{5232, 864, {3390, 2658}, {2970, 2242}, {4742, 2665}, {3110, 985}, 160};

void drawFrame(QPainter& painter, const Frame& frame);

} // namespace field
