#pragma once

#include "clock_window/form1.h"
#include "toolkit/random.h"
#include "toolkit/window_host.h"

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace draw_test {

// Random values given in advance. Every draw and every reseeding is logged in order, "D" and
// "R", so a test sees how many of each a click took and in which order.
class ScriptedRandom final : public toolkit::RandomSource {
  public:
    void give(const std::vector<float>& values) {
        values_.insert(values_.end(), values.begin(), values.end());
    }

    float next() override {
        log += 'D';
        if (used_ < values_.size()) {
            return values_[used_++];
        }
        overdrawn = true;
        return 0.0f;
    }

    void reseed(double seconds) override {
        log += 'R';
        seeds.push_back(seconds);
    }

    std::string log;
    std::vector<double> seeds;
    bool overdrawn = false; // a draw asked for more values than the test gave

  private:
    std::vector<float> values_;
    std::size_t used_ = 0;
};

// One draw's outcome: the half-day mode, the hour on the dial and the minutes.
struct Time {
    int sclt = 1;
    int h = 1;
    int m = 1;
};

// Four random values that a draw turns into the time: the middle of each value's band. The
// first value, which the draw overwrites, is one of the other mode, so using it shows.
inline std::vector<float> randomValuesFor(Time t) {
    const int otherMode = 3 - t.sclt;
    return {(otherMode - 0.5f) / 2, (t.sclt - 0.5f) / 2, (t.m - 0.5f) / 60, (t.h - 0.5f) / 12};
}

// The clock window with a scripted generator, loaded as at start-up.
struct ClockWindow {
    toolkit::HeadlessHost host;
    ScriptedRandom source;
    double timerValue = 45296.25;
    toolkit::Randomness randomness{source, [this] { return timerValue; }};
    clock_window::Form1 form{host, randomness};

    ClockWindow() { form.Show(); }

    // A click on the alarm clock, through the handler the window bound.
    void click(const std::vector<float>& values) {
        source.give(values);
        form.Image124.Click();
    }
    void draw(Time t) { click(randomValuesFor(t)); }
};

inline bool isVisible(const toolkit::Element& element) {
    return std::visit([](const auto& control) { return control.Visible; }, element.control);
}

inline void setVisible(toolkit::Element& element, bool visible) {
    std::visit([visible](auto& control) { control.Visible = visible; }, element.control);
}

inline std::string imageName(int number) {
    return "Image" + std::to_string(number);
}

inline std::set<std::string> visibleNames(const toolkit::Window& window) {
    std::set<std::string> names;
    for (const toolkit::Element& element : window.elements()) {
        if (isVisible(element)) {
            names.insert(std::string(element.spec->name));
        }
    }
    return names;
}

// Names in one set and not the other, for failure messages.
inline std::string differences(const std::set<std::string>& actual,
                               const std::set<std::string>& expected) {
    std::string text;
    for (const std::string& name : actual) {
        if (!expected.count(name)) {
            text += " +" + name;
        }
    }
    for (const std::string& name : expected) {
        if (!actual.count(name)) {
            text += " -" + name;
        }
    }
    return text;
}

} // namespace draw_test
