#include "app/controls/label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

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

// The captions were laid out with each line's baseline on a whole device pixel, the
// font's ascent rounded up. Qt sets it at the exact ascent, which for the carried Bookman
// (13.04 pixels at the index labels' size) would lift the index digits onto the formulas'
// letters.
void Label::paintEvent(QPaintEvent*)
{
    const double ratio = devicePixelRatioF();
    const double ascent = QFontMetricsF(font()).ascent() * ratio;
    QPainter painter(this);
    painter.translate(0, (std::ceil(ascent) - ascent) / ratio);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), text(), foregroundRole());
}
