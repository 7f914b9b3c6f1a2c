// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_script.h"

namespace clock_test {

namespace {
constexpr char backspaceKey = 8;
} // namespace

Script typed(const std::string& box, std::string_view keys) {
    return {{box, StepKind::Typed, std::string(keys)}};
}

Script held(const std::string& box, std::string_view keys) {
    return {{box, StepKind::Held, std::string(keys)}};
}

Script backspace(const std::string& box) {
    return {{box, StepKind::Typed, std::string(1, backspaceKey)}};
}

Script typesNothing(const std::string& box) {
    return {{box, StepKind::Released, {}}};
}

Script pasted(const std::string& box, std::string_view text) {
    return {{box, StepKind::Pasted, std::string(text)}};
}

Script operator+(Script first, const Script& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::string repeated(int n, std::string_view token) {
    std::string result;
    for (int i = 0; i < n; ++i) {
        result += (i == 0 ? "" : " ");
        result += token;
    }
    return result;
}

std::string trace(std::initializer_list<std::string> parts) {
    std::string result;
    for (const std::string& part : parts) {
        if (!part.empty()) {
            result += (result.empty() ? "" : " ") + part;
        }
    }
    return result;
}

} // namespace clock_test
