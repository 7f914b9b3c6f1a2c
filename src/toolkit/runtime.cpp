// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime.h"

#include <cmath>
#include <string>

namespace toolkit {
namespace {
// Finite ceiling for Val: ten times it still fits a double, so accumulating never overflows.
constexpr double valCeiling = 1e300;
} // namespace

double Int(double x) {
    return std::floor(x);
}

int Len(std::string_view text) {
    return static_cast<int>(text.size());
}

int Len(long long number) {
    return static_cast<int>(std::to_string(number).size());
}

double Val(std::string_view text) {
    double value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        if (value < valCeiling) {
            value = value * 10 + (c - '0');
        }
    }
    return value < valCeiling ? value : valCeiling;
}

} // namespace toolkit
