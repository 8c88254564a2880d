#pragma once
#include <cstdint>

// A colour as the platform's 32-bit value 0x00BBGGRR: red in the lowest byte.
// Deliberately not called COLORREF so it never clashes with <windows.h>.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour green = 0x00FF00;
constexpr Colour red = 0x0000FF;
constexpr Colour blue = 0xFF0000;
constexpr Colour white = 0xFFFFFF;
constexpr Colour magenta = 0xFF00FF;
}  // namespace colours
