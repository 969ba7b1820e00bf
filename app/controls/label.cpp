#include "app/controls/label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <cmath>

Label::Label(const QString& name, units::TwipsRect twips, const QString& caption, const QFont& font, QWidget* parent)
    : QLabel(caption, parent), twips_(twips)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(font);
    setGeometry(units::pixelGeometry(twips));
}

namespace {

// Where Qt puts the first baseline: at the tallest ascent among the faces the caption's
// glyphs come from, lower than the label font's own where a fallback face draws one.
double laidOutAscent(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.isValid() ? line.ascent() : QFontMetricsF(font).ascent();
}

} // namespace

// The captions were laid out with each line's baseline on a whole device pixel, the
// font's ascent rounded up. Qt sets it at the exact ascent, which for the carried Bookman
// (13.04 pixels at the index labels' size) would lift the index digits onto the formulas'
// letters, and at the taller ascent of the face that draws the Arabic decimal separator,
// which would drop a read-out by a pixel whenever it shows one.
void Label::paintEvent(QPaintEvent*)
{
    const double ratio = devicePixelRatioF();
    const double baseline = std::ceil(QFontMetricsF(font()).ascent() * ratio) / ratio;
    QPainter painter(this);
    painter.translate(0, baseline - laidOutAscent(text(), font()));
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), text(), foregroundRole());
}
