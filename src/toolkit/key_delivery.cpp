// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_delivery.h"

namespace toolkit {
namespace {
constexpr std::int16_t backspace = 8;
constexpr std::int16_t firstPrintable = 32;
constexpr std::int16_t deleteCode = 127;
constexpr std::int16_t lastCharacter = 255;

bool takesKeys(const TextBox& box) {
    return box.Visible && box.Enabled;
}
} // namespace

KeyAction actionFor(std::int16_t code) {
    if (code == backspace) {
        return KeyAction::DeleteBack;
    }
    if (code <= 0 || code == deleteCode || code > lastCharacter) {
        return KeyAction::Nothing;
    }
    return code < firstPrintable ? KeyAction::EditingCommand : KeyAction::Insert;
}

std::int16_t runKeyPress(TextBox& box, std::int16_t code) {
    if (!takesKeys(box)) {
        return 0;
    }
    if (box.KeyPress) {
        box.KeyPress(code);
    }
    return code;
}

void runKeyUp(TextBox& box) {
    if (takesKeys(box) && box.KeyUp) {
        box.KeyUp();
    }
}

void pressKey(TextBox& box, std::int16_t code) {
    const std::int16_t typed = runKeyPress(box, code);
    switch (actionFor(typed)) {
    case KeyAction::DeleteBack:
        if (!box.Text.empty()) {
            box.Text.pop_back();
        }
        break;
    case KeyAction::Insert:
        box.Text += static_cast<char>(static_cast<unsigned char>(typed));
        break;
    case KeyAction::Nothing:
    case KeyAction::EditingCommand:
        break;
    }
}

void typeKey(TextBox& box, std::int16_t code) {
    pressKey(box, code);
    runKeyUp(box);
}

void typeText(TextBox& box, std::string_view text) {
    for (const char c : text) {
        typeKey(box, static_cast<std::int16_t>(static_cast<unsigned char>(c)));
    }
}

void pasteText(TextBox& box, std::string_view text) {
    if (takesKeys(box)) {
        box.Text += text;
    }
}

} // namespace toolkit
