#include "assets/typeset.h"

#include "assets/ink.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <vector>

namespace typeset {

namespace {

// Subscripts hang a fifth of the main size below the baseline; the "=" bars stand a
// quarter of it above.
constexpr double subscriptDrop = 96;
constexpr double operatorHeight = 120;

// Italic letters lean right; an arrow above one moves with the lean.
constexpr double italicLean = 0.25;

// Runs follow each other by their advances, but italic letters lean past theirs. Beside
// a subscript, which stands lower, the lean runs into the neighbour: the subscript's top
// into a bracket after it, a letter's top into its subscript. There a run moves right in
// small steps until its outline keeps this far from the one before it, about one and a
// half pixels where the window shows a formula smallest.
constexpr double inkGap = 40;
constexpr double nudge = 4;

// The arrow's proportions, in ems of its letter.
constexpr double arrowGap = 0.06;
constexpr double arrowBar = 0.035;
constexpr double arrowHeadLength = 0.16;
constexpr double arrowHeadHalf = 0.06;

} // namespace

Run word(const char* text, int size)
{
    return {QString::fromUtf8(text), size};
}

Run vector(const char* text, int size)
{
    return {QString::fromUtf8(text), size, Place::line, true};
}

Run subscript(const char* text, int size)
{
    return {QString::fromUtf8(text), size, Place::lowered};
}

Run boldOperator(const char* text, int size)
{
    return {QString::fromUtf8(text), size, Place::centred, false, true};
}

Run boldSubscript(const char* text, int size)
{
    return {QString::fromUtf8(text), size, Place::lowered, false, true};
}

Run times()
{
    return {QStringLiteral("•"), 256, Place::centred};
}

QFont font(const Run& run, const Style& style)
{
    return ink::cellFont(QStringLiteral("Times New Roman"), run.size,
                         {.bold = style.bold || run.bold, .italic = style.italic});
}

namespace {

double rise(const Run& run, const QFont& font)
{
    switch (run.place) {
    case Place::lowered: return -subscriptDrop;
    case Place::centred: return operatorHeight + QFontMetricsF(font).tightBoundingRect(run.text).center().y();
    case Place::line: break;
    }
    return 0;
}

struct Placed {
    QPointF at; // the start of the run's baseline
    QFont font;
};

struct Layout {
    std::vector<Placed> runs;
    double end; // where the baseline ends
};

Layout layout(QPointF origin, std::span<const Run> runs, const Style& style)
{
    Layout result{{}, origin.x()};
    QPainterPathStroker margin;
    margin.setWidth(2 * inkGap);
    QPainterPath before;
    const Run* previous = nullptr;
    for (const Run& run : runs) {
        const QFont f = font(run, style);
        QPointF at(result.end, origin.y() - rise(run, f));
        QPainterPath outline;
        outline.addText(at, f, run.text);
        if (previous && (previous->place == Place::lowered || run.place == Place::lowered)) {
            const QPainterPath near = margin.createStroke(before);
            while (before.intersects(outline) || near.intersects(outline)) {
                at.rx() += nudge;
                outline.translate(nudge, 0);
            }
        }
        result.runs.push_back({at, f});
        result.end = at.x() + QFontMetricsF(f).horizontalAdvance(run.text);
        before = outline;
        previous = &run;
    }
    return result;
}

} // namespace

double width(std::span<const Run> runs, const Style& style)
{
    return layout({0, 0}, runs, style).end;
}

std::vector<double> starts(QPointF origin, std::span<const Run> runs, const Style& style)
{
    std::vector<double> result;
    for (const Placed& p : layout(origin, runs, style).runs)
        result.push_back(p.at.x());
    return result;
}

double draw(QPainter& painter, QPointF origin, std::span<const Run> runs, const Style& style)
{
    const Layout placed = layout(origin, runs, style);
    for (size_t i = 0; i < runs.size(); ++i) {
        const Placed& p = placed.runs[i];
        if (runs[i].arrow)
            vectorArrow(painter, p.at, runs[i].text.front(), p.font);
        ink::text(painter, p.at, runs[i].text, p.font);
    }
    return placed.end;
}

void vectorArrow(QPainter& painter, QPointF origin, QChar letter, const QFont& font)
{
    const double em = font.pixelSize();
    const QRectF glyph = QFontMetricsF(font).tightBoundingRect(letter).translated(origin);
    const double gap = arrowGap * em;
    const double bar = arrowBar * em;
    const double headLength = arrowHeadLength * em;
    const double headHalf = arrowHeadHalf * em;
    const double length = std::max(0.45 * em, 0.8 * glyph.width());
    const double middle = glyph.center().x() + italicLean * (glyph.height() / 2 + gap + headHalf);
    ink::arrow(painter, {middle - length / 2, glyph.top() - gap - 2 * headHalf, length, 2 * headHalf}, bar, headLength);
}

double vectorHeight(QChar letter, const QFont& font)
{
    const double em = font.pixelSize();
    return -QFontMetricsF(font).tightBoundingRect(letter).top() + (arrowGap + 2 * arrowHeadHalf) * em;
}

} // namespace typeset
