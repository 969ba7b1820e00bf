#include "app/array_layer.h"

#include <QEvent>
#include <QPaintEvent>

ArrayLayer::ArrayLayer(QWidget* parent, const QString& name, QPainter::CompositionMode mode, QColor blank)
    : QWidget(parent), mode_(mode), blank_(blank)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The layer covers the whole window, whatever its size.
    setGeometry(parent->rect());
    parent->installEventFilter(this);
}

bool ArrayLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        cacheValid_ = false;
    }
    return false;
}

void ArrayLayer::repaint(const QRectF& area)
{
    if (!area.isEmpty())
        update(area.toAlignedRect());
}

void ArrayLayer::changed(int index, const QRectF& before)
{
    if (cached(index)) {
        cacheValid_ = false;
        update();
        return;
    }
    repaint(before);
    repaint(area(index));
}

void ArrayLayer::loaded(int index)
{
    if (index <= frozenEnd_)
        return;
    if (cacheValid_) {
        QPainter painter(&cache_);
        drawInto(painter, frozenEnd_, index);
    }
    frozenEnd_ = index;
}

void ArrayLayer::unloaded(int index, const QRectF& before)
{
    if (cached(index)) {
        cacheValid_ = false;
        update();
    } else {
        repaint(before);
    }
    frozenEnd_ = std::min(frozenEnd_, elementEnd());
}

void ArrayLayer::drawInto(QPainter& painter, int from, int to) const
{
    painter.setCompositionMode(mode_);
    for (int i = from; i < to; ++i)
        if (isDrawn(i))
            drawElement(painter, i);
}

void ArrayLayer::ensureCache()
{
    const double ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (cacheValid_ && cache_.size() == pixels && cache_.devicePixelRatio() == ratio)
        return;
    cache_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(blank_);
    QPainter painter(&cache_);
    drawInto(painter, 0, frozenEnd_);
    cacheValid_ = true;
}

void ArrayLayer::paintEvent(QPaintEvent*)
{
    ensureCache();
    QPainter painter(this);
    painter.setCompositionMode(mode_);
    painter.drawImage(QPointF(0, 0), cache_);
    drawInto(painter, frozenEnd_, elementEnd());
}
