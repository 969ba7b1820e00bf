#include "assets/field_frame.h"

#include "assets/ink.h"

#include <QPainter>

namespace field {

namespace {

const QColor gridGrey(178, 178, 178);
constexpr double gridWidth = 6;
constexpr double axisThickness = 24;

void drawGrid(QPainter& painter)
{
    for (int i = -5; i <= 5; ++i) {
        ink::line(painter, {at(i, 5), at(i, -5)}, gridGrey, gridWidth);
        ink::line(painter, {at(-5, i), at(5, i)}, gridGrey, gridWidth);
    }
}

// A barbed arrow: the bar runs into the notch, so the head's point stays sharp where
// it is narrower than the bar.
void drawXAxis(QPainter& painter, double tip)
{
    const double y = at(0, 0).y();
    ink::line(painter, {at(-5, 0), {tip - 117, y}}, Qt::black, axisThickness);
    ink::fill(painter, QPolygonF{{tip, y}, {tip - 171, y - 85}, {tip - 117, y}, {tip - 171, y + 86}}, Qt::black);
}

void drawYAxis(QPainter& painter, double tip)
{
    const double x = at(0, 0).x();
    ink::line(painter, {at(0, -5), {x, tip + 118}}, Qt::black, axisThickness);
    ink::fill(painter, QPolygonF{{x, tip}, {x - 85, tip + 172}, {x, tip + 118}, {x + 86, tip + 172}}, Qt::black);
}

} // namespace

void drawFrame(QPainter& painter, const Frame& frame)
{
    drawGrid(painter);
    drawXAxis(painter, frame.xTip);
    drawYAxis(painter, frame.yTip);
    const QString serif = QStringLiteral("Times New Roman");
    const QString sans = QStringLiteral("Arial");
    ink::text(painter, frame.oneOnX, QStringLiteral("1"), ink::cellFont(serif, frame.oneOnXHeight, {.bold = true}));
    ink::text(painter, frame.oneOnY, QStringLiteral("1"), ink::cellFont(serif, 160, {.bold = true}));
    ink::text(painter, frame.xName, QStringLiteral("X /cm"), ink::cellFont(sans, 144, {.bold = true}));
    ink::text(painter, frame.yName, QStringLiteral("Y /cm"), ink::cellFont(sans, 144, {.bold = true}));
}

} // namespace field
