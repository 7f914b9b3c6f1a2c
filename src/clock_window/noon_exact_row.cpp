// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "time_of_day.h"

#include "toolkit/colour.h"
#include "toolkit/runtime.h"

#include <string_view>

// Text9: twelve o'clock on the hour in words. One box makes the whole row, so its lock and
// the happy face come at the same key release, together with the sun or the moon.
namespace clock_window {
using namespace time_of_day;

namespace {
constexpr std::string_view noon = rules::mezzogiorno;
constexpr std::string_view midnight = rules::mezzanotte;
constexpr int noonLength = static_cast<int>(noon.size());
constexpr int midnightLength = static_cast<int>(midnight.size());
constexpr toolkit::Colour noonTextColour = toolkit::colours::yellow;
constexpr toolkit::Colour midnightTextColour = toolkit::colours::black;

// The key press in one half-day mode: the mode's colour, and the typing state unless the box
// is already as long as the mode's word.
void pressTwelveWord(toolkit::TextBox& Text9, FeedbackFaces& faces, toolkit::Colour colour,
                     int wordLength) {
    Text9.ForeColor = colour;
    if (toolkit::Len(Text9.Text) != wordLength) {
        faces.typingState();
    }
}

// The mode's exact word puts up the happy face and the sun or the moon, and locks the box.
void checkTwelveWord(toolkit::TextBox& Text9, FeedbackFaces& faces, std::string_view word,
                     int wordLength, toolkit::Picture& sunOrMoon) {
    if (rules::holdsWord(Text9, word) && toolkit::Len(Text9.Text) == wordLength) {
        faces.successState();
        sunOrMoon.Visible = true;
        rules::boxLock(Text9);
    }
}
} // namespace

// Every key reaches the box. The colour follows the mode at each key press and is what a
// later draw leaves behind. The typing state looks only at the length before the key: a box
// already as long as the word keeps whatever face another row showed.
void Form1::Text9_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    if (sclt == firstHalfOfDay) {
        pressTwelveWord(Text9, faces_, noonTextColour, noonLength);
    }
    if (sclt == secondHalfOfDay) {
        pressTwelveWord(Text9, faces_, midnightTextColour, midnightLength);
    }
}

// Only the first half of the day limits the box; the second takes any length and accepts
// only the exact word. A wrong text changes nothing.
void Form1::Text9_KeyUp() {
    if (sclt == firstHalfOfDay) {
        rules::lengthGuard(Text9, noonLength);
        checkTwelveWord(Text9, faces_, noon, noonLength, Image125);
    }
    if (sclt == secondHalfOfDay) {
        checkTwelveWord(Text9, faces_, midnight, midnightLength, Image126);
    }
}

} // namespace clock_window
