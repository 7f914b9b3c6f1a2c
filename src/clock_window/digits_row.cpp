// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "time_of_day.h"

#include "toolkit/runtime.h"

namespace clock_window {
using namespace time_of_day;

namespace {
// The key release of the hours box with the expected hour and limit of one half-day mode.
void checkHours(toolkit::TextBox& Text1, const toolkit::TextBox& Text2, FeedbackFaces& faces, int m,
                int expectedHour, double limit) {
    rules::lengthGuard(Text1, limit);
    if (m != onTheHour) {
        if (rules::holdsValue(Text1, expectedHour)) {
            rules::boxLock(Text1);
        }
        if (rules::holdsValue(Text1, expectedHour) && rules::holdsValue(Text2, m)) {
            faces.successState();
        }
    }
    // On the hour the minutes box is hidden and stays empty, so the hours alone make the row.
    if (m == onTheHour) {
        if (rules::holdsValue(Text1, expectedHour)) {
            rules::boxLock(Text1);
        }
        if (rules::holdsValue(Text1, expectedHour) && rules::holdsValue(Text2, 0)) {
            faces.successState();
        } else {
            faces.typingState();
        }
    }
}

// The key release of the minutes box, with the partner's expected hour of one half-day mode.
void checkMinutes(toolkit::TextBox& Text2, const toolkit::TextBox& Text1, FeedbackFaces& faces,
                  int m, double lenm, int expectedHour) {
    rules::lengthGuard(Text2, lenm);
    if (rules::holdsValue(Text2, m)) {
        rules::boxLock(Text2);
    }
    if (rules::holdsValue(Text2, m) && rules::holdsValue(Text1, expectedHour)) {
        faces.successState();
    }
}
} // namespace

void Form1::Text1_KeyPress(std::int16_t& KeyAscii) {
    rules::digitKeyFilter(KeyAscii);
    if (sclt == firstHalfOfDay) {
        rules::lengthGuard(Text1, lenh);
        faces_.typingState();
    }
    if (sclt == secondHalfOfDay) {
        rules::lengthGuard(Text1, toolkit::Len(h + hoursOnTheDial));
        faces_.typingState();
    }
}

void Form1::Text1_KeyUp() {
    if (sclt == firstHalfOfDay) {
        checkHours(Text1, Text2, faces_, m, h, lenh);
    }
    if (sclt == secondHalfOfDay) {
        checkHours(Text1, Text2, faces_, m, h + hoursOnTheDial, toolkit::Len(h + hoursOnTheDial));
    }
}

// The minutes limit is the same in both half-day modes, so the key press tests no mode.
void Form1::Text2_KeyPress(std::int16_t& KeyAscii) {
    rules::digitKeyFilter(KeyAscii);
    rules::lengthGuard(Text2, lenm);
    faces_.typingState();
}

void Form1::Text2_KeyUp() {
    if (sclt == firstHalfOfDay) {
        checkMinutes(Text2, Text1, faces_, m, lenm, h);
    }
    if (sclt == secondHalfOfDay) {
        checkMinutes(Text2, Text1, faces_, m, lenm, h + hoursOnTheDial);
    }
}

} // namespace clock_window
