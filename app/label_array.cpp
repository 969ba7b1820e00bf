#include "app/label_array.h"

#include "app/units.h"

namespace {

QRect pixelGeometry(const LabelProperties& p)
{
    return units::pixelGeometry({p.Left, p.Top, p.Width, p.Height});
}

} // namespace

LabelArray::LabelArray(QWidget* parent, const QString& name, LabelProperties design, const QFont& font)
    : StoredLayer(parent, name, QPainter::CompositionMode_SourceOver, Qt::transparent, std::move(design)), font_(font)
{
}

QRectF LabelArray::area(int index) const
{
    const LabelProperties& p = at(index);
    return p.Visible ? QRectF(pixelGeometry(p)) : QRectF();
}

void LabelArray::drawElement(QPainter& painter, int index) const
{
    const LabelProperties& p = at(index);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(pixelGeometry(p)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, p.Caption);
}
