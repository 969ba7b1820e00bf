#include "app/controls/array_layer.h"

#include <QEvent>
#include <QPaintEvent>

#include <algorithm>

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

void ArrayLayer::updateArea(const QRectF& area)
{
    if (!area.isEmpty())
        update(area.toAlignedRect());
}

void ArrayLayer::dropCache()
{
    cache_.drop();
    cachedArea_ = QRectF();
    update();
}

void ArrayLayer::changed(int index, const QRectF& before)
{
    if (cached(index)) {
        dropCache();
    } else {
        updateArea(before);
        updateArea(area(index));
    }
    emit elementChanged(index);
}

void ArrayLayer::loaded(int index)
{
    if (index > frozenEnd_) {
        const int from = frozenEnd_;
        frozenEnd_ = index;
        // A cache to be drawn anew takes the new ones with the rest.
        if (!cache_.isStale(*this))
            drawIntoCache(from, index);
    }
    emit elementChanged(index);
}

void ArrayLayer::unloaded(int index, const QRectF& before)
{
    if (cached(index))
        dropCache();
    else
        updateArea(before);
    frozenEnd_ = std::min(frozenEnd_, end());
    emit elementChanged(index);
}

void ArrayLayer::drawIntoCache(int from, int to)
{
    QRectF drawn;
    for (int i = from; i < to; ++i)
        if (isShown(i))
            drawn |= area(i);
    // Only a layer that has something to keep holds an image for it.
    if (drawn.isEmpty())
        return;
    coverInCache(drawn);
    cachedArea_ |= drawn;
    QPainter painter(&cache_.image());
    painter.setCompositionMode(mode_);
    drawElements(painter, cache_.image(), from, to);
}

void ArrayLayer::drawElements(QPainter& painter, const QImage&, int from, int to) const
{
    for (int i = from; i < to; ++i)
        if (isShown(i))
            drawElement(painter, i);
}

// The cache covers the window and whatever it keeps, even where the window, made smaller,
// no longer reaches: made larger again, it shows the elements there without drawing them
// anew.
void ArrayLayer::coverInCache(const QRectF& area)
{
    const QRect needed = area.toAlignedRect();
    const bool empty = cache_.isStale(*this);
    const QSize size = (empty ? this->size() : cache_.image().deviceIndependentSize().toSize())
                           .expandedTo(QSize(needed.right() + 1, needed.bottom() + 1));
    if (!empty && !cache_.isStale(*this, size))
        return;
    const QImage kept = empty ? QImage() : cache_.image();
    QImage& grown = cache_.start(*this, size, blank_);
    if (!kept.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, kept);
    }
}

void ArrayLayer::paintEvent(QPaintEvent* event)
{
    // Dropped, or the window came to a screen of another pixel ratio.
    if (cache_.isStale(*this)) {
        cachedArea_ = QRectF();
        drawIntoCache(0, frozenEnd_);
    }
    QPainter painter(this);
    painter.setCompositionMode(mode_);
    // Only where cached elements lie: elsewhere the cache is blank and drawing it would
    // change nothing.
    const QRect cached = event->rect() & cachedArea_.toAlignedRect();
    if (!cached.isEmpty()) {
        const double ratio = cache_.image().devicePixelRatio();
        painter.drawImage(cached, cache_.image(),
                          QRectF(QPointF(cached.topLeft()) * ratio, QSizeF(cached.size()) * ratio));
    }
    for (int i = frozenEnd_; i < end(); ++i)
        if (isShown(i))
            drawElement(painter, i);
}
