#include "app/shape.h"

#include <QPainter>

Shape::Shape(QWidget* parent, const QString& name, units::TwipsRect twips, uint32_t borderColor)
    : QWidget(parent), twips_(twips), borderColor_(borderColor)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(units::pixelGeometry(twips));
}

void Shape::setBorderColor(uint32_t bgr)
{
    if (bgr == borderColor_)
        return;
    borderColor_ = bgr;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    // The circle sits at its exact twips position, not at the whole pixels of the widget.
    const QRectF exact = units::pixels(twips_).translated(-pos());
    const double diameter = std::min(exact.width(), exact.height()) - 1;
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(exact.center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(units::fromBgr(borderColor_), 1));
    painter.drawEllipse(circle);
}
