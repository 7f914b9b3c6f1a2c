// SPDX-License-Identifier: GPL-3.0-or-later
// The steady work of the display-free game: the draw of a new time and one key in an answer
// box, as the event procedures run them, without a display.

#include "clock_window/form1.h"
#include "toolkit/key_delivery.h"
#include "toolkit/random.h"
#include "toolkit/window_host.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace {

// A cheap stand-in for the generator: a fixed cycle of values spread over [0, 1), so the
// draws visit many times of the day and every kind of row.
class CyclingRandom final : public toolkit::RandomSource {
  public:
    CyclingRandom() {
        unsigned state = 1;
        for (float& value : values_) {
            state = state * 1664525u + 1013904223u;
            value = static_cast<float>(state >> 8) / (1u << 24);
        }
    }
    float next() override {
        next_ = (next_ + 1) % values_.size();
        return values_[next_];
    }
    void reseedFromTimer() override {}

  private:
    std::array<float, 4093> values_{}; // prime, so the four draws of a click drift
    std::size_t next_ = 0;
};

struct ClockWindow {
    explicit ClockWindow(toolkit::RandomSource& source) : form(host, source) { form.Show(); }
    toolkit::HeadlessHost host;
    clock_window::Form1 form;
};

void drawWithScriptedValues(benchmark::State& state) {
    CyclingRandom source;
    ClockWindow clock(source);
    for (auto _ : state) {
        clock.form.Image124_Click();
        benchmark::DoNotOptimize(clock.form.Image122.Visible);
    }
}
BENCHMARK(drawWithScriptedValues);

// The draw as the program runs it: the program's generator, reseeded from the clock.
void drawWithTheProgramsGenerator(benchmark::State& state) {
    toolkit::DefaultRandom source;
    ClockWindow clock(source);
    for (auto _ : state) {
        clock.form.Image124_Click();
        benchmark::DoNotOptimize(clock.form.Image122.Visible);
    }
}
BENCHMARK(drawWithTheProgramsGenerator);

// The same four values at every click: one chosen time.
class OneTime final : public toolkit::RandomSource {
  public:
    OneTime(int h, int m) : values_{0.25f, 0.25f, (m - 0.5f) / 60, (h - 0.5f) / 12} {}
    float next() override { return values_[used_++ % values_.size()]; }
    void reseedFromTimer() override {}

  private:
    std::array<float, 4> values_;
    std::size_t used_ = 0;
};

// One wrong key, pressed and released, in an open box at 3:m in the morning. The box
// alternates between holding the key and being emptied by its length guard, so it never
// locks.
void keyPressAndRelease(benchmark::State& state, const char* boxName, int m, std::int16_t code) {
    OneTime source(3, m);
    ClockWindow clock(source);
    clock.form.Image124_Click();
    toolkit::TextBox& box = clock.form.textBox(boxName);
    for (auto _ : state) {
        toolkit::pressKey(box, code);
        toolkit::runKeyUp(box);
        benchmark::DoNotOptimize(box.Text.data());
    }
    if (!box.Enabled || !box.Visible) {
        state.SkipWithError("the box was not open");
    }
}
BENCHMARK_CAPTURE(keyPressAndRelease, digitInText1, "Text1", 20, '5');
BENCHMARK_CAPTURE(keyPressAndRelease, letterInText3, "Text3", 15, 'q');

} // namespace
