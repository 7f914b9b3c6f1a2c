// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Reads a fuzz input as a stream of small values; past the end every value is 0, so any byte
// string decodes to some sequence of events.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool exhausted() const { return used_ >= size_; }

    std::uint8_t byte() { return exhausted() ? 0 : data_[used_++]; }

    std::uint16_t uint16() { return static_cast<std::uint16_t>(byte() | byte() << 8); }

    std::int16_t int16() { return static_cast<std::int16_t>(uint16()); }

    std::uint32_t uint32() {
        const std::uint32_t low = uint16();
        return low | static_cast<std::uint32_t>(uint16()) << 16;
    }

    // Up to `count` raw bytes, fewer when the input ends first.
    std::string_view bytes(std::size_t count) {
        const std::size_t left = size_ - used_;
        const std::size_t taken = count < left ? count : left;
        const std::string_view out(reinterpret_cast<const char*>(data_ + used_), taken);
        used_ += taken;
        return out;
    }

    // A float v with 0 <= v < 1 that is neither NaN nor infinite, weighted towards the values
    // where a draw's rounding can go wrong: 0, the largest float below 1, and the edges of the
    // bands that pick a half-day mode, an hour or a minute.
    float unitFloat() {
        switch (byte() % 5) {
        case 0:
            return 0.0f;
        case 1:
            return std::nextafter(1.0f, 0.0f);
        case 2:
            return bandEdge();
        case 3:
            return anyFloatBelowOne();
        default:
            return static_cast<float>(uint32() >> (32 - floatMantissaBits)) /
                   (1u << floatMantissaBits);
        }
    }

  private:
    static constexpr int floatMantissaBits = 24;
    static constexpr std::uint32_t bitsOfOne = 0x3F800000; // 1.0f
    static constexpr std::uint32_t signBit = 0x80000000;

    // k / n for the band counts of a draw, or the float just below it.
    float bandEdge() {
        constexpr int bandCounts[] = {2, 12, 60};
        const int n = bandCounts[byte() % 3];
        const int k = byte() % n;
        const float edge = static_cast<float>(k) / static_cast<float>(n);
        return (byte() & 1) && k > 0 ? std::nextafter(edge, 0.0f) : edge;
    }

    // Every non-negative float below 1, subnormals included, has a bit pattern below 1.0f's.
    float anyFloatBelowOne() { return std::bit_cast<float>((uint32() & ~signBit) % bitsOfOne); }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};
