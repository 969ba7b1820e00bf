#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>

class QPainter;

// Single-line text at the top left of a box, as QPainter::drawText draws it, pixel for
// pixel; captions of digits alone, such as the segment numbers, are drawn from glyphs shaped
// once. Shaping each caption anew is most of what drawing tens of thousands of them costs.
class DigitText {
public:
    explicit DigitText(const QFont& font) : font_(font) {}

    // In the painter's pen, as drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine).
    void draw(QPainter& painter, const QRectF& box, const QString& caption) const;

private:
    struct Digits {
        QRawFont font;
        std::array<quint32, 10> glyph;
        std::array<std::array<qreal, 10>, 10> step; // from one digit's origin to the next one's
        std::array<qreal, 10> advance;
        qreal left, ascent, height; // the first glyph's origin, the line's height
    };

    static std::optional<Digits> shapeDigits(const QFont& font);
    // Shaped on first use, so that a window with no numbers yet pays nothing.
    const Digits* digits() const;
    bool drawDigits(QPainter& painter, const QRectF& box, const QString& caption) const;

    QFont font_;
    mutable bool shaped_ = false;
    mutable std::optional<Digits> digits_; // none when the font does not shape digits one by one
};
