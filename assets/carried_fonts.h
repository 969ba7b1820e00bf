#pragma once

#include <QString>

// The font faces built into the program (assets/fonts), made known to Qt before the first
// font is built. Every font request goes through here first, so that the window and its
// pictures can never be drawn in whatever the system has under the same names.
namespace carried_fonts {

void load();

// The carried face that stands in for `designed`, a family the window or its pictures
// were designed in; any other name as it is.
QString family(const QString& designed);

} // namespace carried_fonts
