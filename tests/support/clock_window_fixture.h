// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qtest_std_string.h"
#include "scripted_random.h"

#include "clock_window/form1.h"
#include "expected_draw.h"
#include "toolkit/random.h"
#include "toolkit/window_host.h"

#include <string>
#include <string_view>
#include <vector>

namespace clock_test {

// One draw's outcome: the half-day mode, the hour on the dial and the minutes (60 on the hour).
using Time = game_invariants::DrawnTime;

// Four random values that a draw turns into t: the middle of each value's band, so
// single-precision rounding cannot move it. The first value, which the draw overwrites, is
// one of the other mode, so using it shows.
std::vector<float> randomValuesFor(Time t);

// "mode h:m", e.g. "2 12:45".
std::string timeText(Time t);

// The clock window on a headless host with a scripted generator, shown as at start-up
// (showing runs its load procedure).
struct ClockWindow {
    ClockWindow() { form.Show(); }
    // Shown, then t drawn.
    explicit ClockWindow(Time t) : ClockWindow() { draw(t); }
    ClockWindow(const ClockWindow&) = delete;
    ClockWindow& operator=(const ClockWindow&) = delete;

    // A click on the alarm clock, through the handler the window bound, with these values.
    void click(const std::vector<float>& values);
    void draw(Time t) { click(randomValuesFor(t)); }

    toolkit::TextBox& box(std::string_view name) { return form.textBox(name); }

    // The time in the exercise state as timeText writes it, with a note when the clicks so
    // far took more or fewer random values than they were given.
    std::string drawnTime() const;

    toolkit::HeadlessHost host;
    ScriptedRandom source;
    clock_window::Form1 form{host, source};
};

} // namespace clock_test
