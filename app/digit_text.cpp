#include "app/digit_text.h"

#include "app/inked_tiles.h"

#include <QPainter>
#include <QTextLayout>

namespace {

// The glyph runs of `text` laid out on one line in `font`.
QList<QGlyphRun> shaped(const QString& text, const QFont& font, qreal* width = nullptr, qreal* height = nullptr)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (width)
        *width = line.naturalTextWidth();
    if (height)
        *height = line.height();
    return layout.glyphRuns();
}

} // namespace

// Every pair, so that kerning between two digits is kept. A font that takes digits from
// another font, or joins them, leaves every caption to drawText.
std::optional<DigitText::Digits> DigitText::shapeDigits(const QFont& font)
{
    Digits d{};
    for (int first = 0; first < 10; ++first)
        for (int second = 0; second < 10; ++second) {
            const QList<QGlyphRun> runs = shaped(QString(QChar(u'0' + first)) + QChar(u'0' + second), font);
            if (runs.size() != 1 || runs[0].glyphIndexes().size() != 2)
                return std::nullopt;
            const QList<QPointF> at = runs[0].positions();
            if (first == 0 && second == 0) {
                d.font = runs[0].rawFont();
                d.left = at[0].x();
                d.ascent = at[0].y();
            } else if (runs[0].rawFont() != d.font) {
                return std::nullopt;
            }
            d.glyph[static_cast<size_t>(first)] = runs[0].glyphIndexes()[0];
            d.step[static_cast<size_t>(first)][static_cast<size_t>(second)] = at[1].x() - at[0].x();
        }
    // The outline and a pixel around it, for smoothing and for hinting, which moves an edge
    // by less than that.
    for (size_t digit = 0; digit < 10; ++digit) {
        shaped(QString(QChar(u'0' + int(digit))), font, &d.advance[digit], &d.height);
        d.ink[digit] = d.font.boundingRect(d.glyph[digit]).adjusted(-1, -1, 1, 1);
    }
    return d;
}

const DigitText::Digits* DigitText::digits() const
{
    if (!shaped_) {
        shaped_ = true;
        digits_ = shapeDigits(font_);
    }
    return digits_ ? &*digits_ : nullptr;
}

std::optional<DigitText::Laid> DigitText::lay(const QRectF& box, const QString& caption) const
{
    const Digits* d = digits();
    if (!d || caption.isEmpty())
        return std::nullopt;
    Laid laid{d, {}, {}};
    qreal x = d->left;
    size_t previous = 0;
    for (const QChar c : caption) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const auto digit = static_cast<size_t>(c.unicode() - u'0');
        if (!laid.digits.isEmpty())
            x += d->step[previous][digit];
        laid.digits.append(digit);
        laid.positions.append(QPointF(x, d->ascent));
        previous = digit;
    }
    // drawText clips what does not fit; such captions take its way.
    if (x + d->advance[previous] > box.width() || d->height > box.height())
        return std::nullopt;
    return laid;
}

void DigitText::draw(QPainter& painter, const QRectF& box, const QString& caption) const
{
    Batch(*this, painter).draw(box, caption);
}

// Black over opaque black stays opaque black at any coverage: where every pixel a digit could
// touch is opaque black already, drawing it changes none.
DigitText::Batch::Batch(const DigitText& text, QPainter& painter)
    : text_(text), painter_(painter), toDevice_(painter.deviceTransform())
{
    const auto* image =
        painter.device()->devType() == QInternal::Image ? static_cast<const QImage*>(painter.device()) : nullptr;
    if (image && image->format() == QImage::Format_ARGB32_Premultiplied &&
        painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.pen().color() == Qt::black &&
        toDevice_.type() <= QTransform::TxScale)
        blackOn_ = image;
}

bool DigitText::Batch::changesNothing(const QRectF& ink) const
{
    return blackOn_ && inkedEverywhere(*blackOn_, toDevice_.mapRect(ink).toAlignedRect(), qRgba(0, 0, 0, 255));
}

void DigitText::Batch::draw(const QRectF& box, const QString& caption)
{
    const std::optional<Laid> laid = text_.lay(box, caption);
    if (!laid) {
        flush();
        painter_.setFont(text_.font_);
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
        return;
    }
    for (qsizetype i = 0; i < laid->digits.size(); ++i) {
        const size_t digit = laid->digits[i];
        const QPointF at = box.topLeft() + laid->positions[i];
        if (changesNothing(laid->shaped->ink[digit].translated(at)))
            continue;
        glyphs_.append(laid->shaped->glyph[digit]);
        positions_.append(at);
    }
    // What is drawn early lets more be left out later.
    if (glyphs_.size() >= 512)
        flush();
}

void DigitText::Batch::flush()
{
    if (glyphs_.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(text_.digits()->font);
    run.setRawData(glyphs_.constData(), positions_.constData(), static_cast<int>(glyphs_.size()));
    painter_.drawGlyphRun(QPointF(), run);
    glyphs_.clear();
    positions_.clear();
}
