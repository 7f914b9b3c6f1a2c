// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/controls.h"

#include <cstdint>
#include <string_view>

// The rules every answer box is built from.
namespace clock_window {

// The three faces at one place, always set together.
struct FeedbackFaces {
    toolkit::Picture& sad;
    toolkit::Picture& neutral;
    toolkit::Picture& happy;

    void typingState();  // neutral face only
    void successState(); // happy face only
};

namespace rules {

// The fraction words, as the child types them.
inline constexpr std::string_view unQuarto = "UN QUARTO";
inline constexpr std::string_view mezzo = "MEZZO";
inline constexpr std::string_view treQuarti = "TRE QUARTI";

// Twelve o'clock in words, in place of an hour word: noon in the first half of the day,
// midnight in the second.
inline constexpr std::string_view mezzogiorno = "MEZZOGIORNO";
inline constexpr std::string_view mezzanotte = "MEZZANOTTE";

// The fraction word that says m minutes past: 15, 30 and 45 have one; any other minute
// gives the empty text.
std::string_view fractionWordFor(int m);

// Digit boxes keep digits and Backspace; every other code types nothing.
void digitKeyFilter(std::int16_t& KeyAscii);
// Word boxes turn lower-case a to z into capitals; every other code passes.
void capitalsKeyFilter(std::int16_t& KeyAscii);
// Empties the box whole when its text is longer than the limit.
void lengthGuard(toolkit::TextBox& box, double limit);
// A box found right locks itself until the next draw.
void boxLock(toolkit::TextBox& box);

// A digit box is right when the value of its text is the expected number.
bool holdsValue(const toolkit::TextBox& box, double expected);
// A word box is right when its whole text is the word, letter for letter.
bool holdsWord(const toolkit::TextBox& box, std::string_view word);
// A fraction box is right only with the fraction word that fits m; at minutes without one
// no text is right, the empty text included.
bool holdsFractionFor(const toolkit::TextBox& box, int m);
// Row check by locks: both boxes of the row are locked.
bool bothLocked(const toolkit::TextBox& first, const toolkit::TextBox& second);

} // namespace rules
} // namespace clock_window
