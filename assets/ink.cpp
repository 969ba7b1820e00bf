#include "assets/ink.h"

#include "assets/carried_fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ink {

namespace {

// How many device pixels one unit across the line's direction becomes.
double pixelsAcross(const QPainter& painter, QLineF line)
{
    const QLineF normal = line.normalVector().unitVector();
    const QTransform& t = painter.deviceTransform();
    const QPointF d = t.map(normal.p2()) - t.map(normal.p1());
    return std::hypot(d.x(), d.y());
}

// The whole device pixels from lo to hi, at least the one holding their middle.
std::pair<int, int> wholePixels(double lo, double hi)
{
    int a = static_cast<int>(std::lround(lo));
    int b = static_cast<int>(std::lround(hi));
    if (b <= a) {
        a = static_cast<int>(std::floor((lo + hi) / 2));
        b = a + 1;
    }
    return {a, b};
}

// Lines along the pixel grid become rectangles of whole device pixels.
void alignedLine(QPainter& painter, QLineF line, const QColor& color, double width)
{
    const QPointF half = line.dx() == 0 ? QPointF(width / 2, 0) : QPointF(0, width / 2);
    const QRect pixels = wholeDevicePixels(painter, QRectF(line.p1() - half, line.p2() + half).normalized());
    inDevicePixels(painter, [&] { painter.fillRect(pixels, color); });
}

} // namespace

QRect wholeDevicePixels(const QPainter& painter, const QRectF& area)
{
    const QRectF exact = painter.deviceTransform().mapRect(area);
    const auto [left, right] = wholePixels(exact.left(), exact.right());
    const auto [top, bottom] = wholePixels(exact.top(), exact.bottom());
    return {left, top, right - left, bottom - top};
}

QFont font(const QString& family, int pixels, Style style)
{
    carried_fonts::load();
    QFont f(carried_fonts::family(family));
    f.setPixelSize(pixels);
    f.setWeight(style.bold ? QFont::Bold : style.weight);
    f.setItalic(style.italic);
    return f;
}

QFont cellFont(const QString& family, int height, Style style)
{
    QFont f = font(family, height, style);
    // Hinting at the drawing's large sizes would shape glyphs for pixels that the
    // stretch to the holder then moves; the outlines scale cleanly.
    f.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF cell(f);
    f.setPixelSize(static_cast<int>(std::lround(height * height / (cell.ascent() + cell.descent()))));
    return f;
}

QString symbol(const QFont& font, char32_t unicode, char16_t symbolCode)
{
    if (QFontMetricsF(font).inFontUcs4(unicode))
        return QString::fromUcs4(&unicode, 1);
    return QString(QChar(symbolCode));
}

double text(QPainter& painter, QPointF origin, const QString& text, const QFont& font)
{
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(origin, text);
    return QFontMetricsF(font).horizontalAdvance(text);
}

void line(QPainter& painter, QLineF line, const QColor& color, double width)
{
    if (line.dx() == 0 || line.dy() == 0) {
        alignedLine(painter, line, color, width);
        return;
    }
    const double across = pixelsAcross(painter, line);
    const double least = across > 0 ? 1 / across : width;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, std::max(width, least), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(line);
    painter.restore();
}

void fill(QPainter& painter, const QPolygonF& shape, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(shape);
    painter.restore();
}

void arrow(QPainter& painter, const QRectF& place, double bar, double headLength)
{
    const QTransform& t = painter.deviceTransform();
    const double across = std::hypot(t.m11(), t.m12()); // device pixels a unit becomes
    const double down = std::hypot(t.m21(), t.m22());
    const auto whole = [](double v) { return static_cast<int>(std::lround(v)); };
    const QRectF exact = t.mapRect(place);
    const int rows = std::max(1, whole(bar * down));
    const int flare = std::max(1, whole((exact.height() - rows) / 2)); // head rows above and below the bar
    const int bottom = whole(exact.bottom());
    const int top = bottom - rows - 2 * flare;
    const int right = whole(exact.right());
    const int neck = right - std::max(4, whole(headLength * across));
    const int left = whole(exact.left());
    inDevicePixels(painter, [&] {
        painter.fillRect(QRect(left, top + flare, neck - left, rows), Qt::black);
        fill(painter, QPolygonF{QPointF(neck, top), QPointF(right, top + flare + rows / 2.0), QPointF(neck, bottom)},
             Qt::black);
    });
}

} // namespace ink
