#include "app/controls/label_array.h"

#include "app/units.h"

LabelArray::LabelArray(const QString& name, LabelProperties design, const QFont& font, QWidget* parent)
    : StoredLayer(name, QPainter::CompositionMode_SourceOver, Qt::transparent, std::move(design), parent), font_(font)
{
}

QRect LabelArray::pixelRect(int index) const
{
    const LabelProperties& p = properties(index);
    return units::pixelGeometry({p.Left, p.Top, p.Width, p.Height});
}

QRectF LabelArray::area(int index) const
{
    return properties(index).Visible ? QRectF(pixelRect(index)) : QRectF();
}

void LabelArray::drawElement(QPainter& painter, int index) const
{
    painter.setPen(Qt::black);
    painter.setFont(font_);
    painter.drawText(QRectF(pixelRect(index)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     properties(index).Caption);
}
