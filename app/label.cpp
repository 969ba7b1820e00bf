#include "app/label.h"

Label::Label(const QString& name, units::TwipsRect twips, const QString& caption, const QFont& font, QWidget* parent)
    : QLabel(caption, parent), twips_(twips)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(font);
    setGeometry(units::pixelGeometry(twips));
}
