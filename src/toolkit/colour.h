// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace toolkit {

// A 24-bit colour in the layouts' notation, &H00BBGGRR&: red in the low byte.
using Colour = std::uint32_t;

constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}

namespace colours {
inline constexpr Colour black = 0x00000000;
inline constexpr Colour white = 0x00FFFFFF;
inline constexpr Colour blue = 0x00FF0000;
inline constexpr Colour green = 0x0000FF00;
inline constexpr Colour yellow = 0x0000FFFF;
} // namespace colours

} // namespace toolkit
