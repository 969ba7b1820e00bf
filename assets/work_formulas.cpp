#include "assets/work_formulas.h"

#include "assets/ink.h"
#include "assets/typeset.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace work_formulas {

namespace {

using namespace typeset;

constexpr int letters = 384;
const Style style{.bold = true, .italic = true};
const QString symbolFamily = QStringLiteral("Symbol");

// The signs are sized against the letters, whatever cell the stand-in for "Symbol" has.
QFont sign(double timesTheLetters)
{
    QFont f = ink::cellFont(symbolFamily, letters);
    f.setPixelSize(
        static_cast<int>(std::lround(timesTheLetters * typeset::font(word("I", letters), style).pixelSize())));
    return f;
}

// Large operators stand on the height of the "=" bars, not on the baseline.
constexpr double axis = letters / 4.0;

// How the window shows a formula: the picture's extent stretched onto its holder's
// rectangle in twips. The index labels are places of the window, and the letters they
// complete are set from there.
//
// A label draws an index's baseline 14 pixels below its top and the top of a digit 5
// pixels below it, 2 pixels above the top of an "n". A digit passes under the "=" that
// directly follows the I, so each letter's baseline lies `indexDepth` below the top of
// its label: as deep as keeps the "=" a clear pixel above a digit, which leaves the
// index a little below the letter.
struct Shown {
    QRectF extent;
    QRectF holder;
    double indexDepth; // twips

    double x(double twips) const { return extent.left() + (twips - holder.left()) * extent.width() / holder.width(); }
    double y(double twips) const { return extent.top() + (twips - holder.top()) * extent.height() / holder.height(); }
    double baselineFor(double indexTop) const { return y(indexTop + indexDepth); }
};

// Baseline starts of "I=" and of the two limits' r, each letter ending just left of its
// index label; and where the I's index label ends. Numbers of up to three digits fill
// that label, and the integral sign, whose foot reaches down beside them, keeps right of
// it.
struct Placement {
    QPointF start;
    QPointF upper;
    QPointF lower;
    double indexEnd;
};

// About two pixels: no ink of the sign's foot beside a digit's.
constexpr double indexClearance = 30;

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
    draw(painter, at.upper, limit, style);
    draw(painter, at.lower, limit, style);

    // The sign's top curls right, under the index of the upper limit; a little left of
    // the space's middle and well below the middle between the limits it clears it.
    // Where the I's index reaches further, the sign and the rest of the line move right.
    const double lowerTop = at.lower.y() - vectorHeight(u'r', typeset::font(limit[0], style));
    const QFont integralFont = sign(1.55);
    const QString integralSign = ink::symbol(integralFont, U'∫', 0xF2);
    const QPointF middle(gapStart + width(space, style) / 2 - 20, (at.upper.y() + lowerTop) / 2 + 60);
    const double signLeft = middle.x() - QFontMetricsF(integralFont).tightBoundingRect(integralSign).width() / 2;
    const double shift = std::max(0.0, at.indexEnd + indexClearance - signLeft);
    centred(painter, middle + QPointF(shift, 0), integralSign, integralFont);
    draw(painter, {gapStart + shift, at.start.y()}, after, style);
}

} // namespace

void drawSegment(QPainter& painter)
{
    const Shown shown{segmentExtent, places::Image1, 120};
    integral(painter, {{3067, shown.baselineFor(places::Labelin.top())},
                       {3420, shown.baselineFor(places::Labeln[1].top())},
                       {3379, shown.baselineFor(places::Labeln[0].top())},
                       shown.x(places::Labelin.right())});
}

void drawTotal(QPainter& painter)
{
    // Squeezed into less height, this formula's "=" stands nearer its line, which must
    // therefore lie higher.
    const Shown shown{totalExtent, places::Image2, 105};
    const double baseline = shown.baselineFor(places::Labeln[3].top());
    constexpr double sumMiddle = 2980; // its right side a pixel short of the I
    const QFont sumFont = sign(1.1);
    const QString sum = ink::symbol(sumFont, U'∑', 0xE5);
    centred(painter, {sumMiddle, baseline - axis}, sum, sumFont);

    const double sumBottom = baseline - axis + QFontMetricsF(sumFont).tightBoundingRect(sum).height() / 2;
    const QFont index = ink::cellFont(QStringLiteral("Times New Roman"), 192, {.italic = true});
    const QString from = QStringLiteral("I=1");
    const double indexHeight = QFontMetricsF(index).tightBoundingRect(from).height();
    centred(painter, {sumMiddle, sumBottom + 40 + indexHeight / 2}, from, index);

    integral(painter, {{3146, baseline},
                       {3571, shown.baselineFor(places::Labeln[4].top())},
                       {3517, shown.baselineFor(places::Labeln[5].top())},
                       shown.x(places::Labeln[3].right())});
}

} // namespace work_formulas
