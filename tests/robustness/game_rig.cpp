// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_rig.h"

#include "support/clock_window_fixture.h"

// The observer takes the shown clock window as its start-up state.
GameRig::GameRig() {
    form1_.Show();
    observer_.emplace(form1_, credits_);
}

std::string GameRig::draw(game_invariants::DrawnTime t) {
    return drawWith(clock_test::randomValuesFor(t));
}

std::string GameRig::drawWith(const std::vector<float>& values) {
    source_.give(values);
    return clickAndCheck();
}

std::string GameRig::drawFromGenerator() {
    return clickAndCheck();
}

std::string GameRig::clickAndCheck() {
    source_.clearLog();
    form1_.Image124.Click();
    if (source_.log != "DDRDD" || source_.undrawn() != 0) {
        return "the draw took its random values and reseedings as " + source_.log + ", leaving " +
               std::to_string(source_.undrawn()) + " given values";
    }
    const std::vector<float>& v = source_.drawn;
    last_ = game_invariants::timeFromRandomValues(v[1], v[2], v[3]);
    return observer_->afterDraw(last_);
}
