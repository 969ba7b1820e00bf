#pragma once

#include <QImage>
#include <QWidget>

// An image covering `widget` in the screen's own pixels, so that what is cached in it
// stays as sharp as what would be painted directly.
namespace screen_image {

inline bool fits(const QImage& image, const QWidget& widget)
{
    const double ratio = widget.devicePixelRatioF();
    return image.size() == (QSizeF(widget.size()) * ratio).toSize() && image.devicePixelRatio() == ratio;
}

// `size` in the widget's logical pixels.
inline QImage blank(const QWidget& widget, QColor fill, QSize size)
{
    const double ratio = widget.devicePixelRatioF();
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

inline QImage blank(const QWidget& widget, QColor fill)
{
    return blank(widget, fill, widget.size());
}

} // namespace screen_image
