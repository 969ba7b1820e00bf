#pragma once

#include <Qt>

#include <cstdint>

class QKeyEvent;

// The numbers the window's handlers receive for Qt's input events.

// Buttons as 1 (left), 2 (right) and 4 (middle), summed for buttons held together.
constexpr int16_t leftButton = 1;
constexpr int16_t rightButton = 2;
constexpr int16_t middleButton = 4;
int16_t buttonCode(Qt::MouseButtons buttons);
// Shift as 1, Ctrl as 2, Alt as 4, summed.
int16_t shiftCode(Qt::KeyboardModifiers modifiers);
// The key code of a Qt key: the virtual-key numbering, letters as capitals.
int16_t keyCode(const QKeyEvent& event);
