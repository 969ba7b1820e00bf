#include "assets/diagram_axes.h"

#include "assets/ink.h"

#include <QPainter>

#include <cmath>

namespace axes {

namespace {

constexpr QPointF crossing(16307, 14910);
constexpr double lineWidth = 100; // about a pixel in the box
const QColor olive(128, 128, 0);  // 008080 with blue in the high byte

void arrow(QPainter& painter, QPointF from, QPointF tip, QPointF barb, QPointF otherBarb)
{
    ink::line(painter, {from, tip}, Qt::black, lineWidth);
    ink::fill(painter, QPolygonF{tip, barb, otherBarb}, Qt::black);
}

} // namespace

void draw(QPainter& painter)
{
    painter.fillRect(extent, Qt::white);
    arrow(painter, {16307, 29075}, {16307, 2160}, {15966, 3860}, {16648, 3860});
    arrow(painter, {2107, 14910}, {30508, 14910}, {28804, 14570}, {28804, 15250});
    arrow(painter, {9207, 21993}, {21988, 9243}, {20567, 9952}, {21560, 10010});

    const QString symbolFamily = QStringLiteral("Symbol");
    const QFont sumFont = ink::cellFont(symbolFamily, 2204);
    const QFont integralFont = ink::cellFont(symbolFamily, 2207);
    ink::text(painter, {13467, 3991}, ink::symbol(sumFont, U'∑', 0xE5), sumFont);
    ink::text(painter, {14887, 3990}, ink::symbol(integralFont, U'∫', 0xF2), integralFont);
    const QFont letter = ink::cellFont(QStringLiteral("Arial"), 1813);
    ink::text(painter, {29149, 16986}, QStringLiteral("x"), letter);
    painter.save();
    painter.translate(23100, 11325);
    painter.rotate(-45); // along the slanting axis, rising to the right
    ink::text(painter, {0, 0}, QStringLiteral("y"), letter);
    painter.restore();

    const QPointF frame[] = {{0, 35}, {32638, 35}, {32638, 29783}, {0, 29783}};
    for (int i = 0; i + 1 < 4; ++i)
        ink::line(painter, {frame[i], frame[i + 1]}, olive, lineWidth);
}

// The crossing does not sit in the middle of the box, so no single stretch both puts it
// on the origin and reaches every edge. Each quarter of the picture is stretched onto
// its own quarter of the box instead: the picture covers the box, its frame on the box's
// edges. The left quarters stretch across as much more as keeps the slanting axis, which
// runs through the lower left and the upper right, straight; what that pushes past the
// box's left edge is blank.
QList<PicturePart> placement(const QSizeF& box, QPointF origin)
{
    const double right = (box.width() - origin.x()) / (extent.right() - crossing.x());
    const double up = origin.y() / (crossing.y() - extent.top());
    const double down = (box.height() - origin.y()) / (extent.bottom() - crossing.y());
    const double left = right * down / up;
    const auto part = [&](QRectF clip, double sx, double sy) {
        return PicturePart{clip, QTransform::fromTranslate(-crossing.x(), -crossing.y()) *
                                     QTransform::fromScale(sx, sy) * QTransform::fromTranslate(origin.x(), origin.y())};
    };
    // The quarters meet on whole pixels, each axis line inside one of them.
    const QPointF split(std::round(origin.x()), std::round(origin.y()));
    const QPointF corner(box.width(), box.height());
    return {part({{0, 0}, split}, left, up), part({{split.x(), 0}, QPointF(corner.x(), split.y())}, right, up),
            part({{0, split.y()}, QPointF(split.x(), corner.y())}, left, down), part({split, corner}, right, down)};
}

} // namespace axes
