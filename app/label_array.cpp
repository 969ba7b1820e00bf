#include "app/label_array.h"

LabelArray::LabelArray(QWidget* parent, const QString& name, LabelProperties design, const QFont& font)
    : StoredLayer(parent, name, QPainter::CompositionMode_SourceOver, Qt::transparent, std::move(design)), font_(font)
{
}

QRectF LabelArray::area(int index) const
{
    const LabelProperties& p = at(static_cast<int16_t>(index));
    return p.Visible ? QRectF(units::pixelGeometry(p.twips)) : QRectF();
}

void LabelArray::drawElement(QPainter& painter, int index) const
{
    const LabelProperties& p = at(static_cast<int16_t>(index));
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(units::pixelGeometry(p.twips)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     p.Caption);
}
