// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_rules.h"
#include "time_of_day.h"

#include "toolkit/runtime.h"

namespace clock_window {

void FeedbackFaces::typingState() {
    sad.Visible = false;
    neutral.Visible = true;
    happy.Visible = false;
}

void FeedbackFaces::successState() {
    sad.Visible = false;
    neutral.Visible = false;
    happy.Visible = true;
}

namespace rules {
namespace {
constexpr std::int16_t backspace = 8;
constexpr std::int16_t digitZero = '0';
constexpr std::int16_t digitNine = '9';
constexpr std::int16_t lowerA = 'a';
constexpr std::int16_t lowerZ = 'z';
constexpr std::int16_t toCapital = 'a' - 'A';

struct FractionWord {
    int minutes;
    std::string_view word;
};
constexpr FractionWord fractionWords[] = {
    {.minutes = time_of_day::quarterPast, .word = unQuarto},
    {.minutes = time_of_day::halfPast, .word = mezzo},
    {.minutes = time_of_day::quarterTo, .word = treQuarti},
};
} // namespace

std::string_view fractionWordFor(int m) {
    for (const FractionWord& fraction : fractionWords) {
        if (fraction.minutes == m) {
            return fraction.word;
        }
    }
    return {};
}

void digitKeyFilter(std::int16_t& KeyAscii) {
    const bool digit = KeyAscii >= digitZero && KeyAscii <= digitNine;
    if (KeyAscii != backspace && !digit) {
        KeyAscii = 0;
    }
}

void capitalsKeyFilter(std::int16_t& KeyAscii) {
    if (KeyAscii >= lowerA && KeyAscii <= lowerZ) {
        KeyAscii = static_cast<std::int16_t>(KeyAscii - toCapital);
    }
}

void lengthGuard(toolkit::TextBox& box, double limit) {
    if (toolkit::Len(box.Text) > limit) {
        box.Text.clear();
    }
}

void boxLock(toolkit::TextBox& box) {
    box.Enabled = false;
}

bool holdsValue(const toolkit::TextBox& box, double expected) {
    return toolkit::Val(box.Text) == expected;
}

bool holdsWord(const toolkit::TextBox& box, std::string_view word) {
    return box.Text == word;
}

bool holdsFractionFor(const toolkit::TextBox& box, int m) {
    const std::string_view word = fractionWordFor(m);
    return !word.empty() && holdsWord(box, word);
}

bool bothLocked(const toolkit::TextBox& first, const toolkit::TextBox& second) {
    return !first.Enabled && !second.Enabled;
}

} // namespace rules
} // namespace clock_window
