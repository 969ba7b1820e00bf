#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QVarLengthArray>

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

    // Draws captions one after another as draw() would, but hands the painter the digits of
    // many captions as one glyph run, which it draws glyph by glyph in the same order and at
    // the same places. In black on an image, a digit that would fall on nothing but opaque
    // black is left out. Blending tens of thousands of digits is most of what drawing the
    // segment numbers anew costs; once they crowd the field, a quarter of them are left out.
    class Batch {
    public:
        Batch(const DigitText& text, QPainter& painter);
        ~Batch() { flush(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        void draw(const QRectF& box, const QString& caption);

    private:
        void flush();
        bool changesNothing(const QRectF& ink) const;

        const DigitText& text_;
        QPainter& painter_;
        QTransform toDevice_;
        const QImage* blackOn_ = nullptr; // where digits may be left out
        QList<quint32> glyphs_;
        QList<QPointF> positions_; // in the painter's coordinates
    };

private:
    struct Digits {
        QRawFont font;
        std::array<quint32, 10> glyph;
        std::array<std::array<qreal, 10>, 10> step; // from one digit's origin to the next one's
        std::array<qreal, 10> advance;
        std::array<QRectF, 10> ink; // where each digit may put ink, from its origin
        qreal left, ascent, height; // the first glyph's origin, the line's height
    };

    struct Laid {
        const Digits* shaped;
        QVarLengthArray<size_t, 8> digits;
        QVarLengthArray<QPointF, 8> positions; // from the box's top left
    };

    static std::optional<Digits> shapeDigits(const QFont& font);
    // Shaped on first use, so that a window with no numbers yet pays nothing.
    const Digits* digits() const;
    std::optional<Laid> lay(const QRectF& box, const QString& caption) const;

    QFont font_;
    mutable bool shaped_ = false;
    mutable std::optional<Digits> digits_; // none when the font does not shape digits one by one
};
