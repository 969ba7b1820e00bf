#include "app/array_layer.h"

#include "app/screen_image.h"

#include <QEvent>
#include <QPaintEvent>

#include <future>
#include <vector>

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

bool ArrayLayer::prepareCache(int from, int to)
{
    QRectF drawn;
    for (int i = from; i < to; ++i)
        if (isDrawn(i))
            drawn |= area(i);
    // Only a layer that has something to keep holds an image for it.
    if (drawn.isEmpty())
        return false;
    coverInCache(drawn);
    cachedArea_ |= drawn;
    return true;
}

void ArrayLayer::drawIntoCache(int from, int to)
{
    if (prepareCache(from, to))
        drawCached(cache_, from, to);
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

// A cached element changed, or the pixel ratio did: every element is drawn anew.
bool ArrayLayer::stale() const
{
    return !cacheValid_ || (!cache_.isNull() && cache_.devicePixelRatio() != devicePixelRatioF());
}

// A new pixel ratio leaves every layer of the window to be drawn anew at once. Those that
// may are drawn in other threads meanwhile, and all are done before the first one paints:
// no thread outlives this call, so nothing else touches the elements while one reads them.
void ArrayLayer::ensureCaches()
{
    if (!stale())
        return;
    std::vector<ArrayLayer*> toDraw;
    for (ArrayLayer* layer : parentWidget()->findChildren<ArrayLayer*>(Qt::FindDirectChildrenOnly)) {
        if (layer != this && (!layer->stale() || !layer->isVisible()))
            continue;
        layer->cache_ = QImage();
        layer->cachedArea_ = QRectF();
        layer->cacheValid_ = true;
        if (layer->prepareCache(0, layer->frozenEnd_))
            toDraw.push_back(layer);
    }
    const auto draw = [](ArrayLayer* layer) { layer->drawCached(layer->cache_, 0, layer->frozenEnd_); };
    // Where no thread can be started, the library draws on this one when asked for the result.
    std::vector<std::future<void>> elsewhere;
    for (ArrayLayer* layer : toDraw)
        if (layer->drawsInAnyThread())
            elsewhere.push_back(std::async(draw, layer));
    for (ArrayLayer* layer : toDraw)
        if (!layer->drawsInAnyThread())
            draw(layer);
    for (std::future<void>& drawing : elsewhere)
        drawing.get();
}

void ArrayLayer::paintEvent(QPaintEvent* event)
{
    ensureCaches();
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
