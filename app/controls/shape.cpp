#include "app/controls/shape.h"

#include "assets/ink.h"

#include <QPainter>

#include <algorithm>

Shape::Shape(const QString& name, units::TwipsRect twips, const QColor& borderColor, QWidget* parent)
    : QWidget(parent), twips_(twips), borderColor_(borderColor)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(units::pixelGeometry(twips));
}

void Shape::setBorderColor(const QColor& color)
{
    if (color == borderColor_)
        return;
    borderColor_ = color;
    update();
}

// A smoothed outline at fractional places spreads over two pixels of partial strength,
// and a light colour on the light background all but vanishes. Snapped to whole device
// pixels and drawn unsmoothed, every pixel of the outline has the shape's own colour.
void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The control's own whole pixels may round the other way: it clips at them.
    const QRect box = ink::wholeDevicePixels(painter, units::pixels(twips_).translated(-pos())) &
                      painter.deviceTransform().mapRect(QRectF(rect())).toAlignedRect();
    // A circle in the middle of its rectangle. Unsmoothed, an ellipse covers one pixel
    // more than its rectangle's size.
    const int diameter = std::min(box.width(), box.height());
    const QRect circle(box.left() + (box.width() - diameter) / 2, box.top() + (box.height() - diameter) / 2,
                       diameter - 1, diameter - 1);
    ink::inDevicePixels(painter, [&] {
        painter.setPen(QPen(borderColor_, 1));
        painter.drawEllipse(circle);
    });
}
