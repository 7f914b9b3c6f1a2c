// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace toolkit {

// Seconds since local midnight, with fractions.
double secondsSinceMidnight();

// The random services the draw of a new time calls: a value, and a reseeding from the time of
// day. An interface because the tests and the fuzzer hand out values of their own choosing.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // The next value v of the sequence, 0 <= v < 1.
    virtual float next() = 0;
    // Restarts the sequence from a seed taken from the time of day.
    virtual void reseedFromTimer() = 0;
};

// SplitMix64: a 64-bit state, so the reseeding every draw asks for costs nothing. It starts
// from a fixed state; reseeding takes the bits of the timer's seconds since midnight,
// fractions included. The timer can be replaced, so a test knows the seed.
class DefaultRandom final : public RandomSource {
  public:
    using Timer = std::function<double()>;

    explicit DefaultRandom(Timer timer = secondsSinceMidnight) : timer_(std::move(timer)) {}

    float next() override;
    void reseedFromTimer() override { reseed(timer_()); }
    void reseed(double secondsSinceMidnight);

  private:
    Timer timer_;
    std::uint64_t state_ = 0x853C49E6748FEA9BULL;
};

} // namespace toolkit
