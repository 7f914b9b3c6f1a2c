// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "time_of_day.h"

#include "toolkit/runtime.h"

#include <optional>

namespace clock_window {
using namespace time_of_day;

namespace {
// The hour that follows noon; midnight is followed by one o'clock.
constexpr int afterNoon = twelveOClock + 1;

int minutesToGo(int m) {
    return minutesPerHour - m;
}

// The next-hour box's length limits in one half-day mode, by the hour on the dial: before
// nine o'clock, at nine, and at twelve. The other hours, and twelve without a limit, leave
// the box unguarded, so it can hold any number of digits.
struct NextHourLimits {
    double beforeNine;
    double atNine;
    std::optional<double> atTwelve;
};

NextHourLimits firstHalfLimits(float lenh) {
    return {lenh, lenh + 1, std::nullopt};
}

NextHourLimits secondHalfLimits(int h) {
    return {double(toolkit::Len(h + hoursOnTheDial)), double(toolkit::Len(h + hoursOnTheDial + 1)),
            double(toolkit::Len(h + hoursOnTheDial - 1))};
}

void nextHourGuard(toolkit::TextBox& Text6, int h, const NextHourLimits& limits) {
    if (h >= oneOClock && h < nineOClock) {
        rules::lengthGuard(Text6, limits.beforeNine);
    }
    if (h == nineOClock) {
        rules::lengthGuard(Text6, limits.atNine);
    }
    if (limits.atTwelve && h == twelveOClock) {
        rules::lengthGuard(Text6, *limits.atTwelve);
    }
}

// The row check reads both values afresh, so it succeeds whether or not Text5 is locked.
void checkNextHour(toolkit::TextBox& Text6, const toolkit::TextBox& Text5, FeedbackFaces& faces,
                   int expectedHour, int m) {
    if (rules::holdsValue(Text6, expectedHour)) {
        rules::boxLock(Text6);
    }
    if (rules::holdsValue(Text6, expectedHour) && rules::holdsValue(Text5, minutesToGo(m))) {
        faces.successState();
    }
}

// The key release's checks in one half-day mode: the next hour from one to eleven o'clock,
// the hour after twelve at twelve (on the hour there is no next hour to give).
void checkNextHourRow(toolkit::TextBox& Text6, const toolkit::TextBox& Text5, FeedbackFaces& faces,
                      int h, int m, int nextHour, int afterTwelve) {
    if (h >= oneOClock && h <= elevenOClock) {
        checkNextHour(Text6, Text5, faces, nextHour, m);
    }
    if (h == twelveOClock && m != onTheHour) {
        checkNextHour(Text6, Text5, faces, afterTwelve, m);
    }
}
} // namespace

// From ten o'clock on (and at noon in the first half) the next-hour box has no guard.
void Form1::Text6_KeyPress(std::int16_t& KeyAscii) {
    rules::digitKeyFilter(KeyAscii);
    if (sclt == firstHalfOfDay) {
        faces_.typingState();
        nextHourGuard(Text6, h, firstHalfLimits(lenh));
    }
    if (sclt == secondHalfOfDay) {
        faces_.typingState();
        nextHourGuard(Text6, h, secondHalfLimits(h));
    }
}

void Form1::Text6_KeyUp() {
    if (sclt == firstHalfOfDay) {
        nextHourGuard(Text6, h, firstHalfLimits(lenh));
        checkNextHourRow(Text6, Text5, faces_, h, m, h + 1, afterNoon);
    }
    if (sclt == secondHalfOfDay) {
        nextHourGuard(Text6, h, secondHalfLimits(h));
        checkNextHourRow(Text6, Text5, faces_, h, m, h + hoursOnTheDial + 1, oneOClock);
    }
}

void Form1::Text5_KeyPress(std::int16_t& KeyAscii) {
    rules::digitKeyFilter(KeyAscii);
    faces_.typingState();
    rules::lengthGuard(Text5, toolkit::Len(minutesToGo(m)));
}

// No guard here: a third digit typed at a two-digit limit stays until the next key press.
void Form1::Text5_KeyUp() {
    if (rules::holdsValue(Text5, minutesToGo(m))) {
        rules::boxLock(Text5);
    }
    if (rules::bothLocked(Text5, Text6)) {
        faces_.successState();
    }
}

} // namespace clock_window
