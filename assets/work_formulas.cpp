#include "assets/work_formulas.h"

#include "assets/ink.h"
#include "assets/typeset.h"

#include <QFontMetricsF>
#include <QPainter>

namespace work {

namespace {

using namespace typeset;

constexpr int letters = 384;
const Style style{true};
const QString symbolFamily = QStringLiteral("Symbol");

// Large operators stand on the height of the "=" bars, not on the baseline.
constexpr double axis = letters / 4.0;

// Baseline starts of "I=" and of the two limits' r. Each index label hangs from the
// baseline of its letter, or up to three pixels above it, and begins where the letter's
// foot ends, so that it reads as the letter's subscript; the heights are the ones that
// keep the labels clear of the "=" after the I and of the arrow over the F.
struct Placement {
    QPointF start;
    QPointF upper;
    QPointF lower;
};

void centred(QPainter& painter, QPointF centre, const QString& text, const QFont& font)
{
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    ink::text(painter, centre - ink.center(), text, font);
}

// "I= F • dr =" with the integral sign in the space between "=" and "F", upright
// between its limits.
void integral(QPainter& painter, const Placement& at)
{
    const Run before[] = {word("I=", letters)};
    const Run space[] = {word(" ", letters)};
    const Run after[] = {word(" ", letters), vector("F ", letters), word("•", letters),
                         word("d", letters), vector("r", letters),  word("=", letters)};
    const Run limit[] = {vector("r", letters)};
    const double gapStart = draw(painter, at.start, before, style);
    draw(painter, {gapStart, at.start.y()}, after, style);
    draw(painter, at.upper, limit, style);
    draw(painter, at.lower, limit, style);

    // The sign's top curls right, under the index hanging from the upper limit; a little
    // left of the space's middle and below the middle between the limits it clears it.
    const double lowerTop = at.lower.y() - vectorHeight(u'r', typeset::font(limit[0], style));
    const QFont sign = ink::font(symbolFamily, 595); // 1.55 times the letters
    centred(painter, {gapStart + width(space, style) / 2 - 20, (at.upper.y() + lowerTop) / 2 + 20},
            ink::symbol(sign, U'∫', 0xF2), sign);
}

} // namespace

void drawSegment(QPainter& painter)
{
    integral(painter, {{3067, 971}, {3420, 525}, {3379, 1539}});
}

void drawTotal(QPainter& painter)
{
    constexpr double baseline = 2606;
    constexpr double sumMiddle = 2980;               // its right side a pixel short of the I
    const QFont sign = ink::font(symbolFamily, 422); // 1.1 times the letters
    const QString sum = ink::symbol(sign, U'∑', 0xE5);
    centred(painter, {sumMiddle, baseline - axis}, sum, sign);

    const double sumBottom = baseline - axis + QFontMetricsF(sign).tightBoundingRect(sum).height() / 2;
    const QFont index = ink::font(QStringLiteral("Times New Roman"), 192, false, true);
    const QString from = QStringLiteral("I=1");
    const double indexHeight = QFontMetricsF(index).tightBoundingRect(from).height();
    centred(painter, {sumMiddle, sumBottom + 40 + indexHeight / 2}, from, index);

    integral(painter, {{3146, baseline}, {3571, 2066}, {3517, 3070}});
}

} // namespace work
