#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>

#include <cmath>
#include <cstdint>

// The window is described in twips (1440 per inch) and colours with blue in the high
// byte. These are the only places where they meet Qt's logical pixels and QColor; Qt
// scales logical pixels to the screen, so the layout stays crisp at any pixel ratio.
namespace units {

constexpr double twipsPerPixel = 15;

struct TwipsRect {
    float left, top, width, height;
};

constexpr double pixels(double twips)
{
    return twips / twipsPerPixel;
}

constexpr float twips(double pixels)
{
    return static_cast<float>(pixels * twipsPerPixel);
}

inline QPointF pixels(QPointF twipsPoint)
{
    return twipsPoint / twipsPerPixel;
}

inline QRectF pixels(const TwipsRect& r)
{
    return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}

// The whole pixels a control occupies: each edge rounded on its own.
inline QRect pixelGeometry(const TwipsRect& r)
{
    const int left = static_cast<int>(std::lround(pixels(r.left)));
    const int top = static_cast<int>(std::lround(pixels(r.top)));
    const int right = static_cast<int>(std::lround(pixels(r.left + r.width)));
    const int bottom = static_cast<int>(std::lround(pixels(r.top + r.height)));
    return {left, top, right - left, bottom - top};
}

// 0xBBGGRR, as the window description writes colours; the controls hold the QColor.
constexpr QColor fromBgr(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace units
