#include "app/fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace fonts {

namespace {

constexpr double pixelsPerPoint = 96.0 / 72.0;

// fontconfig knows the metric-compatible stand-ins for Arial and Times New Roman; these
// older names it would send to an unrelated default, so they are named here once.
void substituteOnce()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        QFont::insertSubstitutions(QStringLiteral("Bookman Old Style"), QStringList{QStringLiteral("URW Bookman")});
        QFont::insertSubstitutions(QStringLiteral("Symbol"), QStringList{QStringLiteral("Standard Symbols PS")});
        return true;
    }();
    (void)done;
}

} // namespace

QFont font(const QString& family, double points, ink::Style style)
{
    substituteOnce();
    return ink::font(family, static_cast<int>(std::lround(points * pixelsPerPoint)), style);
}

QFont fitted(QFont font, const QString& text, int width)
{
    constexpr int narrowest = 75;
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= width)
        return font;
    // Text narrows in proportion to the stretch; one step more absorbs the rounding. Where
    // every letter's advance is rounded to whole pixels, as in Windows' font system, it may
    // take a few steps more.
    int stretch = QFont::Unstretched * width / advance - 1;
    do
        font.setStretch(std::max(narrowest, stretch--));
    while (stretch >= narrowest && QFontMetrics(font).horizontalAdvance(text) > width);
    return font;
}

QFont defaultLabelFont()
{
    return font(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace fonts
