#include "app/line_array.h"

#include "app/units.h"

LineArray::LineArray(QWidget* parent, const QString& name, LineProperties design, uint32_t bgr, int widthPixels)
    : StoredLayer(parent, name, QPainter::RasterOp_SourceAndDestination, Qt::white, design),
      color_(units::fromBgr(bgr)), width_(widthPixels)
{
}

QRectF LineArray::area(int index) const
{
    const LineProperties& p = at(index);
    if (!p.Visible)
        return {};
    const double margin = width_;
    return QRectF(units::pixels(QPointF(p.X1, p.Y1)), units::pixels(QPointF(p.X2, p.Y2)))
        .normalized()
        .adjusted(-margin, -margin, margin, margin);
}

void LineArray::drawElement(QPainter& painter, int index) const
{
    const LineProperties& p = at(index);
    painter.setPen(QPen(color_, width_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(units::pixels(QPointF(p.X1, p.Y1)), units::pixels(QPointF(p.X2, p.Y2)));
}
