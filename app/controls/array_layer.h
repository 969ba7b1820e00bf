#pragma once

#include "app/controls/screen_cache.h"

#include <QPainter>
#include <QWidget>

// The run-time elements of a control array drawn by one widget, which stands in the
// stacking order where the array's design-time element stands and lets the mouse through.
// Tens of thousands of widgets would make every movement slow; one layer stays fast.
//
// Elements below the newest one seldom change, so they are kept rendered in a cache at
// the screen's pixel ratio, through any resize of the window; only the newest is painted
// afresh. Elements are combined with the layer's composition mode, so a cache of several is
// the same as painting each.
class ArrayLayer : public QWidget {
    Q_OBJECT
public:
    ArrayLayer(const QString& name, QPainter::CompositionMode mode, QColor blank, QWidget* parent);

    virtual int end() const = 0;               // one past the highest loaded index
    virtual bool isShown(int index) const = 0; // loaded and visible

signals:
    // Element `index` was loaded, changed or unloaded, for those who mirror the elements.
    void elementChanged(int index);

protected:
    virtual QRectF area(int index) const = 0; // what it covers, logical pixels
    virtual void drawElement(QPainter& painter, int index) const = 0;
    // Draws the shown elements from `from` to `to` with `painter` into `cache`, where the
    // other cached elements lie on the blank colour: one by one, unless the array knows a
    // faster way to the same pixels.
    virtual void drawElements(QPainter& painter, const QImage& cache, int from, int to) const;

    // To be called around every change of an element: the area before and after.
    void changed(int index, const QRectF& before);
    // A newly loaded element becomes the newest; those below it join the cache.
    void loaded(int index);
    void unloaded(int index, const QRectF& before);

    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateArea(const QRectF& area);
    bool cached(int index) const { return index < frozenEnd_; }
    void dropCache();
    // Draws the shown elements from `from` to `to` into the cache, which grows to hold them.
    void drawIntoCache(int from, int to);
    void coverInCache(const QRectF& area);

    QPainter::CompositionMode mode_;
    QColor blank_;
    ScreenCache cache_; // none while no cached element is shown
    QRectF cachedArea_; // where the cached elements lie
    int frozenEnd_ = 0; // elements below this index are in the cache
};
