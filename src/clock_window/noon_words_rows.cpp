// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "time_of_day.h"

#include <string_view>

// Around twelve o'clock: "MEZZOGIORNO" or "MEZZANOTTE" in place of the hour word.
// Noon words row: Text11 then Text10 (the fraction). Noon words meno row: Text12 then Text13
// ("UN QUARTO"). Every key release locks its own box first, then checks the row by locks,
// so the happy face comes at the release that locks the second box, in either order.
namespace clock_window {
using namespace time_of_day;

namespace {
constexpr std::string_view noon = rules::mezzogiorno;
constexpr std::string_view midnight = rules::mezzanotte;
constexpr double text11NoonLimit = 10;
constexpr double text11MidnightLimit = 11;
constexpr double text12NoonLimit = 11;
constexpr double text12MidnightLimit = 10;
constexpr double unQuartoLimit = 9; // the length of "UN QUARTO"

// A word box's key release: locks the box on the mode's word, then checks the row by locks.
void checkWordBox(toolkit::TextBox& box, const toolkit::TextBox& partner, FeedbackFaces& faces,
                  std::string_view word) {
    if (rules::holdsWord(box, word)) {
        rules::boxLock(box);
    }
    if (rules::bothLocked(box, partner)) {
        faces.successState();
    }
}
} // namespace

// Both limits let the mode's word through and empty the box at the key after one more
// character; that key's character is then the whole content.
void Form1::Text11_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    if (sclt == firstHalfOfDay) {
        rules::lengthGuard(Text11, text11NoonLimit);
    }
    if (sclt == secondHalfOfDay) {
        rules::lengthGuard(Text11, text11MidnightLimit);
    }
    faces_.typingState();
}

// The row is shown only at twelve; at any other hour the release checks nothing.
void Form1::Text11_KeyUp() {
    if (sclt == firstHalfOfDay && h == twelveOClock) {
        checkWordBox(Text11, Text10, faces_, noon);
    }
    if (sclt == secondHalfOfDay && h == twelveOClock) {
        checkWordBox(Text11, Text10, faces_, midnight);
    }
}

// No limit: the box takes any number of characters.
void Form1::Text10_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    faces_.typingState();
}

// Only the fraction word that reads the drawn minutes locks the box: any of the three would
// let a wrong time be reported as right.
void Form1::Text10_KeyUp() {
    if (rules::holdsFractionFor(Text10, m)) {
        rules::boxLock(Text10);
    }
    if (rules::bothLocked(Text11, Text10)) {
        faces_.successState();
    }
}

void Form1::Text12_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    faces_.typingState();
    if (sclt == firstHalfOfDay) {
        rules::lengthGuard(Text12, text12NoonLimit);
    }
    if (sclt == secondHalfOfDay) {
        rules::lengthGuard(Text12, text12MidnightLimit);
    }
}

void Form1::Text12_KeyUp() {
    if (sclt == firstHalfOfDay) {
        checkWordBox(Text12, Text13, faces_, noon);
    }
    if (sclt == secondHalfOfDay) {
        checkWordBox(Text12, Text13, faces_, midnight);
    }
}

void Form1::Text13_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    rules::lengthGuard(Text13, unQuartoLimit);
    faces_.typingState();
}

void Form1::Text13_KeyUp() {
    if (rules::holdsWord(Text13, rules::unQuarto)) {
        rules::boxLock(Text13);
    }
    if (rules::bothLocked(Text12, Text13)) {
        faces_.successState();
    }
}

} // namespace clock_window
