// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// What a child does to the answer boxes, step by step, as data a test writes down.
namespace clock_test {

enum class StepKind {
    Typed,       // each key pressed, its character entered, the key released
    Held,        // each key pressed and its character entered, no release yet (a held key)
    Released,    // one key release that types nothing (an arrow, Shift); no keys
    Pasted,      // the keys enter at the end with no key event at all
    ShowSuccess, // the happy face put up as another row would; no box
};

struct Step {
    std::string box;
    StepKind kind;
    std::string keys; // Windows-1252 bytes, one key each
};

using Script = std::vector<Step>;

Script typed(const std::string& box, std::string_view keys);
Script held(const std::string& box, std::string_view keys);
Script backspace(const std::string& box);
Script typesNothing(const std::string& box);
Script pasted(const std::string& box, std::string_view text);
Script operator+(Script first, const Script& second);

// Expected traces: n tokens alike, blank-separated, e.g. repeated(3, "t-") is "t- t- t-".
std::string repeated(int n, std::string_view token);
// Joins trace parts with one blank, skipping empty ones.
std::string trace(std::initializer_list<std::string> parts);

} // namespace clock_test
