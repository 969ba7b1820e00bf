#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QRect>
#include <QString>

// What every picture draws with. All lengths are in the picture's own units, which the
// holder's transform may stretch differently across and down.
namespace ink {

struct Style {
    bool bold = false;
    bool italic = false;
    QFont::Weight weight = QFont::Normal; // used when not bold
};

// `family`, drawn in the face the program carries for that name, in `style`, its em
// `pixels` high.
QFont font(const QString& family, int pixels, Style style = {});

// A text font whose character cell, ascent and descent together, is `height` units
// high. The pictures give their text heights as a metafile gives a font's height: the
// cell's, of which the em is a part (nine tenths in Times New Roman).
QFont cellFont(const QString& family, int height, Style style = {});

// The character `unicode` as `font` can show it. The font fontconfig gives for "Symbol"
// may know only the old symbol encoding, where the same sign sits at `symbolCode`.
QString symbol(const QFont& font, char32_t unicode, char16_t symbolCode);

// Draws `text` in black, the only colour the pictures' texts come in, with the start of
// its baseline at `origin`; returns the advance.
double text(QPainter& painter, QPointF origin, const QString& text, const QFont& font);

// A straight line `width` units wide, but never thinner than one device pixel, which
// a 6-unit line would be on screen. Lines along the pixel grid cover whole pixels, so
// that each stays a sharp row of pixels instead of smearing over two faint ones.
void line(QPainter& painter, QLineF line, const QColor& color, double width);

void fill(QPainter& painter, const QPolygonF& shape, const QColor& color);

// The whole device pixels that `area`, in the painter's units, covers: each edge rounded
// to the nearest pixel edge, and at least the pixel holding its middle across and down.
QRect wholeDevicePixels(const QPainter& painter, const QRectF& area);

// Runs `paint` with the painter drawing in device pixels instead of the picture's units.
template <typename Paint>
void inDevicePixels(QPainter& painter, Paint paint)
{
    painter.save();
    painter.setWorldTransform(painter.deviceTransform().inverted() * painter.worldTransform());
    paint();
    painter.restore();
}

// A black arrow pointing right across `place`: a bar `bar` units thick and a triangular
// head `headLength` long and as high as `place`. Where a formula is shown small, such a
// head smears over two or three partly covered pixels and reads as the end of an
// overbar; so the arrow lies on whole device pixels, in full black, and its head is
// never shorter than four pixels nor lower than three, one above and one below the bar.
// It grows upward from the place's bottom, clear of the letter below.
void arrow(QPainter& painter, const QRectF& place, double bar, double headLength);

} // namespace ink
