#pragma once

#include "assets/ink.h"

#include <QFont>

// Fonts by the names the window description uses, drawn in the faces the program carries
// for them, at point sizes as a 96-dpi screen shows them, so that text keeps its size
// relative to the twips layout.
namespace fonts {

QFont font(const QString& family, double points, ink::Style style = {});

// `font` narrowed just enough for `text` to fit `width` pixels: the stand-ins for the older
// fonts run a little wider than the captions were laid out for.
QFont fitted(QFont font, const QString& text, int width);

// The label font the window uses when none is named.
QFont defaultLabelFont();

} // namespace fonts
