#include "assets/diagram_axes.h"

#include "assets/ink.h"

#include <QPainter>

#include <algorithm>

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
    const QFont sumFont = ink::font(symbolFamily, 2204);
    const QFont integralFont = ink::font(symbolFamily, 2207);
    ink::text(painter, {13467, 3991}, ink::symbol(sumFont, U'∑', 0xE5), sumFont);
    ink::text(painter, {14887, 3990}, ink::symbol(integralFont, U'∫', 0xF2), integralFont);
    const QFont letter = ink::font(QStringLiteral("Arial"), 1813);
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

QList<PicturePart> placement(const QSizeF& box, QPointF origin)
{
    // Each direction takes the largest scale that keeps both sides of the crossing inside.
    const double sx = std::min(origin.x() / (crossing.x() - extent.left()),
                               (box.width() - origin.x()) / (extent.right() - crossing.x()));
    const double sy = std::min(origin.y() / (crossing.y() - extent.top()),
                               (box.height() - origin.y()) / (extent.bottom() - crossing.y()));
    return {{QRectF(QPointF(0, 0), box), QTransform::fromTranslate(-crossing.x(), -crossing.y()) *
                                             QTransform::fromScale(sx, sy) *
                                             QTransform::fromTranslate(origin.x(), origin.y())}};
}

} // namespace axes
