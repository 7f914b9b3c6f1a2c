#pragma once

#include "toolkit/random.h"

#include <cstddef>
#include <string>
#include <vector>

namespace clock_test {

// Hands out the values a test gives, in order. Every draw and every reseeding is logged in
// order, "D" and "R", with the seed each reseeding got, so a test sees how many of each a
// click took and in which order.
class ScriptedRandom final : public toolkit::RandomSource {
  public:
    // Queued after the values not drawn yet.
    void give(const std::vector<float>& values);

    float next() override;
    void reseed(double seconds) override;

    // Values given and not drawn yet.
    std::size_t undrawn() const { return values_.size() - used_; }

    std::string log;
    std::vector<double> seeds;
    bool overdrawn = false; // a draw asked for more values than the test gave

  private:
    std::vector<float> values_;
    std::size_t used_ = 0;
};

} // namespace clock_test
