// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_window_fixture.h"

#include <sstream>

namespace clock_test {

std::vector<float> randomValuesFor(Time t) {
    const int otherMode = 3 - t.sclt;
    return {(otherMode - 0.5f) / 2, (t.sclt - 0.5f) / 2, (t.m - 0.5f) / 60, (t.h - 0.5f) / 12};
}

namespace {
// sclt is held as a float; a whole one prints without a fraction.
std::string timeText(float sclt, int h, int m) {
    std::ostringstream text;
    text << sclt << ' ' << h << ':' << m;
    return text.str();
}
} // namespace

std::string timeText(Time t) {
    return timeText(float(t.sclt), t.h, t.m);
}

void ClockWindow::click(const std::vector<float>& values) {
    source.give(values);
    form.Image124.Click();
}

std::string ClockWindow::drawnTime() const {
    const clock_window::ExerciseState state = form.exerciseState();
    std::string drawn = timeText(state.sclt, state.h, state.m);
    if (source.undrawn() != 0 || source.overdrawn) {
        drawn += " with the random values miscounted";
    }
    return drawn;
}

} // namespace clock_test
