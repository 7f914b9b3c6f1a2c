// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/random.h"

#include <cstddef>
#include <string>
#include <vector>

namespace clock_test {

// Hands out the values a test gives, in order; once they run out, the program's own
// generator's, and notes it. Every draw and every reseeding is logged in order, "D" and "R",
// and every value drawn is kept, so a test sees what a click took and in which order.
class ScriptedRandom final : public toolkit::RandomSource {
  public:
    // Queued after the values not drawn yet.
    void give(const std::vector<float>& values);

    float next() override;
    void reseedFromTimer() override;

    // Values given and not drawn yet.
    std::size_t undrawn() const { return values_.size() - used_; }
    // Forgets what was drawn and logged so far, not the values still to give.
    void clearLog();

    std::string log;
    std::vector<float> drawn;
    bool overdrawn = false; // a draw asked for more values than the test gave

  private:
    std::vector<float> values_;
    std::size_t used_ = 0;
    toolkit::DefaultRandom generator_;
};

} // namespace clock_test
