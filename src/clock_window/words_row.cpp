// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "time_of_day.h"

#include "toolkit/runtime.h"

namespace clock_window {
using namespace time_of_day;

void Form1::Text3_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    rules::lengthGuard(Text3, toolkit::Len(ora));
    faces_.typingState();
}

void Form1::Text3_KeyUp() {
    if (rules::holdsWord(Text3, ora)) {
        rules::boxLock(Text3);
    }
    if (rules::bothLocked(Text3, Text4)) {
        faces_.successState();
    }
}

// The fraction box has no guard and leaves the faces alone while keys go in.
void Form1::Text4_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
}

// Only the fraction that fits m locks the box: a locked wrong fraction could never be put
// right before the next draw. Away from twelve, a text whose length does not fit m brings
// back the typing state, even at the release that has just completed the row.
void Form1::Text4_KeyUp() {
    if (h != twelveOClock) {
        if (rules::holdsFractionFor(Text4, m)) {
            rules::boxLock(Text4);
        }
        if (rules::bothLocked(Text3, Text4)) {
            faces_.successState();
        }
        if (m == quarterPast && toolkit::Len(Text4.Text) != toolkit::Len(rules::unQuarto)) {
            faces_.typingState();
        }
        if (m == halfPast && toolkit::Len(Text4.Text) != toolkit::Len(rules::mezzo)) {
            faces_.typingState();
        }
        if (m == quarterTo && toolkit::Len(Text4.Text) != toolkit::Len(rules::treQuarti)) {
            faces_.typingState();
        }
    }
    if (h == twelveOClock) {
        if (rules::holdsFractionFor(Text4, m)) {
            rules::boxLock(Text4);
        }
        if (rules::bothLocked(Text3, Text4)) {
            faces_.successState();
        }
    }
}

} // namespace clock_window
