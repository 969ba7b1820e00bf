#include "app/label_array.h"

#include "app/units.h"

LabelArray::LabelArray(const QString& name, LabelProperties design, const QFont& font, QWidget* parent)
    : StoredLayer(name, QPainter::CompositionMode_SourceOver, Qt::transparent, std::move(design), parent), font_(font)
{
}

QRect LabelArray::place(int index) const
{
    const LabelProperties& p = at(index);
    return units::pixelGeometry({p.Left, p.Top, p.Width, p.Height});
}

QRectF LabelArray::area(int index) const
{
    return at(index).Visible ? QRectF(place(index)) : QRectF();
}

void LabelArray::drawElement(QPainter& painter, int index) const
{
    painter.setPen(Qt::black);
    painter.setFont(font_);
    painter.drawText(QRectF(place(index)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, at(index).Caption);
}
