// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <bit>
#include <chrono>
#include <ctime>

namespace toolkit {
namespace {
constexpr int floatMantissaBits = 24;
constexpr float unitPerStep = 1.0f / (1u << floatMantissaBits);
constexpr std::uint64_t splitMixIncrement = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t splitMixFirstMultiplier = 0xBF58476D1CE4E5B9ULL;
constexpr std::uint64_t splitMixSecondMultiplier = 0x94D049BB133111EBULL;
} // namespace

float DefaultRandom::next() {
    state_ += splitMixIncrement;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * splitMixFirstMultiplier;
    z = (z ^ (z >> 27)) * splitMixSecondMultiplier;
    z ^= z >> 31;
    // The top 24 bits give every float step of [0, 1) and never 1 itself.
    return static_cast<float>(z >> (64 - floatMantissaBits)) * unitPerStep;
}

void DefaultRandom::reseed(double secondsSinceMidnight) {
    state_ = std::bit_cast<std::uint64_t>(secondsSinceMidnight);
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

} // namespace toolkit
