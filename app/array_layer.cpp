#include "app/array_layer.h"

#include "app/screen_image.h"

#include <QEvent>
#include <QPaintEvent>

ArrayLayer::ArrayLayer(const QString& name, QPainter::CompositionMode mode, QColor blank, QWidget* parent)
    : QWidget(parent), mode_(mode), blank_(blank)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The layer covers the whole window, whatever its size.
    setGeometry(parent->rect());
    parent->installEventFilter(this);
}

// The elements stay where they are whatever the window's size, and so does the cache.
bool ArrayLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
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
    } else {
        repaint(before);
        repaint(area(index));
    }
    emit elementChanged(index);
}

void ArrayLayer::loaded(int index)
{
    if (index > frozenEnd_) {
        const int from = frozenEnd_;
        frozenEnd_ = index;
        if (cacheValid_)
            drawIntoCache(from, index);
    }
    emit elementChanged(index);
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
    emit elementChanged(index);
}

void ArrayLayer::drawIntoCache(int from, int to)
{
    QRectF drawn;
    for (int i = from; i < to; ++i)
        if (isDrawn(i))
            drawn |= area(i);
    // Only a layer that has something to keep holds an image for it.
    if (drawn.isEmpty())
        return;
    coverInCache(drawn);
    drawCached(cache_, from, to);
    cachedArea_ |= drawn;
}

void ArrayLayer::drawCached(QImage& cache, int from, int to) const
{
    QPainter painter(&cache);
    painter.setCompositionMode(mode_);
    for (int i = from; i < to; ++i)
        if (isDrawn(i))
            drawElement(painter, i);
}

// The cache covers the window and whatever it keeps, even where the window, made smaller,
// no longer reaches: made larger again, it shows the elements there without drawing them
// anew.
void ArrayLayer::coverInCache(const QRectF& area)
{
    const QRect needed = area.toAlignedRect();
    const QSize size = (cache_.isNull() ? this->size() : cache_.deviceIndependentSize().toSize())
                           .expandedTo(QSize(needed.right() + 1, needed.bottom() + 1));
    if (!cache_.isNull() && size == cache_.deviceIndependentSize().toSize())
        return;
    QImage grown = screen_image::blank(*this, blank_, size);
    if (!cache_.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, cache_);
    }
    cache_ = std::move(grown);
}

void ArrayLayer::ensureCache()
{
    // Another pixel ratio needs every element drawn anew.
    if (cacheValid_ && (cache_.isNull() || cache_.devicePixelRatio() == devicePixelRatioF()))
        return;
    cache_ = QImage();
    cachedArea_ = QRectF();
    drawIntoCache(0, frozenEnd_);
    cacheValid_ = true;
}

void ArrayLayer::paintEvent(QPaintEvent* event)
{
    ensureCache();
    QPainter painter(this);
    painter.setCompositionMode(mode_);
    // Only where cached elements lie: elsewhere the cache is blank and drawing it would
    // change nothing.
    const QRect cached = event->rect() & cachedArea_.toAlignedRect();
    if (!cached.isEmpty()) {
        const double ratio = cache_.devicePixelRatio();
        painter.drawImage(cached, cache_, QRectF(QPointF(cached.topLeft()) * ratio, QSizeF(cached.size()) * ratio));
    }
    for (int i = frozenEnd_; i < elementEnd(); ++i)
        if (isDrawn(i))
            drawElement(painter, i);
}
