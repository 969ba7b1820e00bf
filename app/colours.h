#pragma once

#include "app/units.h"

// The circles' colours, which the window's description gives and the field choice sets
// again.
namespace colours {
constexpr QColor green = units::fromBgr(0x00C000);
constexpr QColor lightGreen = units::fromBgr(0x80FF80);
constexpr QColor blue = units::fromBgr(0xFF0000);
} // namespace colours
