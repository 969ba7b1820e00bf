#include "app/label_array.h"

#include "app/units.h"

LabelArray::LabelArray(const QString& name, LabelProperties design, const QFont& font, QWidget* parent)
    : StoredLayer(name, QPainter::CompositionMode_SourceOver, Qt::transparent, std::move(design), parent), font_(font),
      text_(font)
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
    text_.draw(painter, QRectF(place(index)), at(index).Caption);
}

void LabelArray::drawCached(QImage& cache, int from, int to) const
{
    QPainter painter(&cache);
    painter.setPen(Qt::black);
    DigitText::Batch batch(text_, painter);
    for (int i = from; i < to; ++i)
        if (isDrawn(i))
            batch.draw(QRectF(place(i)), at(i).Caption);
}
