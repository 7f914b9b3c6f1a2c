#include "game_rig.h"

float GameRig::LoggingRandom::next() {
    float value = 0;
    if (script.empty()) {
        value = generator_.next();
    } else {
        value = script.front();
        script.pop_front();
    }
    drawn.push_back(value);
    return value;
}

void GameRig::LoggingRandom::reseed(double seconds) {
    reseededAfter.push_back(drawn.size());
    if (script.empty()) {
        generator_.reseed(seconds);
    }
}

// The observer takes the shown clock window as its start-up state.
GameRig::GameRig() {
    form1_.Show();
    observer_.emplace(form1_, credits_);
}

std::vector<float> randomValuesFor(game_invariants::DrawnTime t) {
    const float mode = (t.sclt - 0.5f) / 2;
    return {mode, mode, (t.m - 0.5f) / 60, (t.h - 0.5f) / 12};
}

std::string GameRig::draw(game_invariants::DrawnTime t) {
    return drawWith(randomValuesFor(t));
}

std::string GameRig::drawWith(const std::vector<float>& values) {
    source_.script.assign(values.begin(), values.end());
    return clickAndCheck();
}

std::string GameRig::drawFromGenerator() {
    source_.script.clear();
    return clickAndCheck();
}

std::string GameRig::clickAndCheck() {
    source_.drawn.clear();
    source_.reseededAfter.clear();
    form1_.Image124.Click();
    const auto& v = source_.drawn;
    if (v.size() != 4 || source_.reseededAfter != std::vector<std::size_t>{2}) {
        return "the draw took " + std::to_string(v.size()) + " random values and reseeded " +
               std::to_string(source_.reseededAfter.size()) + " times";
    }
    last_ = game_invariants::timeFromRandomValues(v[1], v[2], v[3]);
    return observer_->afterDraw(last_);
}
