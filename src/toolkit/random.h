#pragma once

#include <cstdint>
#include <functional>

namespace toolkit {

// One pseudo-random sequence shared by the whole program.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // The next value v of the sequence, 0 <= v < 1.
    virtual float next() = 0;
    // Restarts the sequence from a seed taken from the time of day.
    virtual void reseed(double secondsSinceMidnight) = 0;
};

// SplitMix64: a 64-bit state, so the reseeding every draw asks for costs nothing. It starts
// from a fixed state; reseeding takes the bits of the seconds since midnight, fractions
// included.
class DefaultRandom final : public RandomSource {
  public:
    float next() override;
    void reseed(double secondsSinceMidnight) override;

  private:
    std::uint64_t state_ = 0x853C49E6748FEA9BULL;
};

// Seconds since local midnight, with fractions.
double secondsSinceMidnight();

// The random services as the event procedures call them: a draw, and a reseeding from the
// timer value. Both the source and the timer can be replaced, so tests give exact values.
class Randomness {
  public:
    using Timer = std::function<double()>;

    explicit Randomness(RandomSource& source, Timer timer = secondsSinceMidnight);

    float randomDraw() { return source_.next(); }
    void reseedFromTimer() { source_.reseed(timer_()); }

  private:
    RandomSource& source_;
    Timer timer_;
};

} // namespace toolkit
