#pragma once

#include <QImage>
#include <QWidget>

// What a widget paints, kept in an image in the screen's own pixels, so that it stays as
// sharp as what would be painted directly. It has to be drawn anew when it never was, when
// its owner drops it, and when the widget comes to a screen of another pixel ratio.
class ScreenCache {
public:
    bool isStale(const QWidget& widget) const
    {
        return image_.isNull() || image_.devicePixelRatio() != widget.devicePixelRatioF();
    }
    // Stale as above, or no longer of `size`, in the widget's logical pixels.
    bool isStale(const QWidget& widget, QSize size) const
    {
        return isStale(widget) || image_.size() != pixelSize(widget, size);
    }

    // A blank image of `size` logical pixels for the widget to draw into, in place of the old one.
    QImage& start(const QWidget& widget, QSize size, QColor fill)
    {
        image_ = QImage(pixelSize(widget, size), QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(widget.devicePixelRatioF());
        image_.fill(fill);
        return image_;
    }
    void drop() { image_ = QImage(); }

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

private:
    static QSize pixelSize(const QWidget& widget, QSize size)
    {
        return (QSizeF(size) * widget.devicePixelRatioF()).toSize();
    }

    QImage image_;
};
