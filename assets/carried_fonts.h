#pragma once

// The font faces built into the program (assets/fonts), made known to Qt before the first
// font is built. Every font request goes through here first, so that the window and its
// pictures can never be drawn in whatever the system has under the same names.
namespace carried_fonts {

void load();

} // namespace carried_fonts
