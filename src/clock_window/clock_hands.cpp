// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "time_of_day.h"

namespace clock_window {
using namespace time_of_day;

namespace {

constexpr int ticksPerHour = 5;

// How far the hour hand has gone past the hour mark: 0 on the hour, then one tick for each
// quarter hour begun. For m from 1 to 60.
int hourHandStep(int minutes) {
    if (minutes == onTheHour) {
        return 0;
    }
    if (minutes <= quarterPast) {
        return 1;
    }
    if (minutes <= halfPast) {
        return 2;
    }
    if (minutes <= quarterTo) {
        return 3;
    }
    return 4;
}

} // namespace

void Form1::handReset() {
    for (int i = 1; i <= handsPerTable; ++i) {
        lancm[i]->Visible = false;
    }
    for (int i = 1; i <= handsPerTable; ++i) {
        lanch[i]->Visible = false;
    }
}

// Slot m is the hand pointing at minute m; 60 points at 12.
void Form1::minuteHandShow() {
    lancm[m]->Visible = true;
}

// The hour hand of h and m; sclt plays no part. Twelve o'clock is the mark at tick 0, and slot
// t + 1 of lanch stands on tick t.
void Form1::hourHandShow() {
    const int tick = ticksPerHour * (h % hoursOnTheDial) + hourHandStep(m);
    lanch[tick + 1]->Visible = true;
    if (m == onTheHour) {
        onTheHourRowChanges();
    }
}

} // namespace clock_window
