#include "app/digit_text.h"

#include <QPainter>
#include <QTextLayout>
#include <QVarLengthArray>

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
    for (int digit = 0; digit < 10; ++digit)
        shaped(QString(QChar(u'0' + digit)), font, &d.advance[static_cast<size_t>(digit)], &d.height);
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

bool DigitText::drawDigits(QPainter& painter, const QRectF& box, const QString& caption) const
{
    const Digits* d = digits();
    if (!d || caption.isEmpty())
        return false;
    QVarLengthArray<quint32, 8> glyphs;
    QVarLengthArray<QPointF, 8> positions;
    qreal x = d->left;
    size_t previous = 0;
    for (const QChar c : caption) {
        if (c < u'0' || c > u'9')
            return false;
        const auto digit = static_cast<size_t>(c.unicode() - u'0');
        if (!glyphs.isEmpty())
            x += d->step[previous][digit];
        glyphs.append(d->glyph[digit]);
        positions.append(QPointF(x, d->ascent));
        previous = digit;
    }
    // drawText clips what does not fit; such captions take its way.
    if (x + d->advance[previous] > box.width() || d->height > box.height())
        return false;
    QGlyphRun run;
    run.setRawFont(d->font);
    run.setRawData(glyphs.constData(), positions.constData(), static_cast<int>(glyphs.size()));
    painter.drawGlyphRun(box.topLeft(), run);
    return true;
}

void DigitText::draw(QPainter& painter, const QRectF& box, const QString& caption) const
{
    if (drawDigits(painter, box, caption))
        return;
    painter.setFont(font_);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
}
