#pragma once

#include <cstdint>

// The circles' colours, which the window's description gives and the field choice sets
// again; blue in the high byte, as the description writes colours.
namespace colours {
constexpr uint32_t green = 0x00C000;
constexpr uint32_t lightGreen = 0x80FF80;
constexpr uint32_t blue = 0xFF0000;
} // namespace colours
