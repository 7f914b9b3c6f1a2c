#include "random.h"

#include <bit>
#include <chrono>
#include <ctime>

namespace toolkit {
namespace {
constexpr int floatMantissaBits = 24;
constexpr float unitPerStep = 1.0f / (1u << floatMantissaBits);
} // namespace

float DefaultRandom::next() {
    // The top 24 bits give every float step of [0, 1) and never 1 itself.
    return static_cast<float>(engine_() >> (32 - floatMantissaBits)) * unitPerStep;
}

void DefaultRandom::reseed(double secondsSinceMidnight) {
    const auto bits = std::bit_cast<std::uint64_t>(secondsSinceMidnight);
    std::seed_seq seq{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    engine_.seed(seq);
}

double secondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const double wholeSeconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    const auto fraction = duration<double>(now - system_clock::from_time_t(t)).count();
    return wholeSeconds + fraction;
}

Randomness::Randomness(RandomSource& source, Timer timer)
    : source_(source), timer_(std::move(timer)) {}

} // namespace toolkit
