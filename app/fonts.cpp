#include "app/fonts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace fonts {

namespace {

constexpr double pixelsPerPoint = 96.0 / 72.0;

// Arabic and Persian regional settings give the read-outs a decimal separator that none of
// the window's faces has; named, the carried face that has it is found on every system. It
// carries a family name of its own: under the system's "DejaVu Sans", Qt would take an
// installed oblique bold, which lacks the separator, for the italic read-outs.
const QString separatorFamily = QStringLiteral("DejaVu Sans Kraftfeld");

} // namespace

QFont font(const QString& family, double points, ink::Style style)
{
    QFont f = ink::font(family, static_cast<int>(std::lround(points * pixelsPerPoint)), style);
    f.setFamilies({f.family(), separatorFamily});
    return f;
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
