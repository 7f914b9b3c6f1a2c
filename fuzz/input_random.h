// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzz_input.h"

#include "toolkit/random.h"

#include <cstddef>
#include <vector>

// The game's random sequence, taken from the fuzz input. Logs what one draw asked for, so the
// fuzzer knows which values made the time and can check the draw took them in order.
class InputRandom final : public toolkit::RandomSource {
  public:
    explicit InputRandom(FuzzInput& input) : input_(input) {}

    float next() override {
        values.push_back(input_.unitFloat());
        return values.back();
    }

    void reseedFromTimer() override { reseededAfter.push_back(values.size()); }

    void clearLog() {
        values.clear();
        reseededAfter.clear();
    }

    std::vector<float> values;
    std::vector<std::size_t> reseededAfter; // values drawn before each reseeding

  private:
    FuzzInput& input_;
};
