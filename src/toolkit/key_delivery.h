// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <cstdint>
#include <string_view>

// The order of events for one key in a text box, written once for the on-screen box and
// for display-free drivers (tests, the fuzzer), which type with the caret at the end.
namespace toolkit {

// What a box does with a character code after its key press procedure has run.
enum class KeyAction {
    Nothing,        // 0, codes no Windows-1252 character has, and Delete (127)
    DeleteBack,     // 8, Backspace: the character before the caret, or the selection
    Insert,         // a printable Windows-1252 character: at the caret, over a selection
    EditingCommand, // another control code: its usual editing meaning, if it has one
};

KeyAction actionFor(std::int16_t code);

// Runs the box's key press procedure on a typed character code and returns the code the
// box goes on with. A box that is hidden or locked takes no keys: the result is then 0 and
// no procedure runs.
std::int16_t runKeyPress(TextBox& box, std::int16_t code);

// Runs the box's key release procedure, unless the box is hidden or locked.
void runKeyUp(TextBox& box);

// Display-free typing, caret at the end of the text, no clipboard.
void pressKey(TextBox& box, std::int16_t code);
void typeKey(TextBox& box, std::int16_t code);       // press, then release
void typeText(TextBox& box, std::string_view text);  // typeKey for each Windows-1252 byte
void pasteText(TextBox& box, std::string_view text); // enters at the end, no procedure runs

} // namespace toolkit
