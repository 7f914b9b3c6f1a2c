// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour.h"

#include <cstdint>
#include <functional>
#include <string>

// The controls as the event procedures see them: exactly the properties they set or read,
// plus the events they handle. Texts are Windows-1252. Properties are public on purpose:
// the procedures assign them one at a time, and the view mirrors them after each event.
namespace toolkit {

struct Label {
    std::string Caption;
    bool Visible = true;
    int BorderStyle = 0; // 0 no frame, 1 a thin single frame
    std::function<void()> Click;
    std::function<void()> MouseMove;
};

struct Picture {
    bool Visible = true;
    std::function<void()> Click;
};

struct Shape {
    bool Visible = true;
};

struct TextBox {
    std::string Text;
    bool Enabled = true; // a disabled box keeps showing its text and takes no keys
    bool Visible = true;
    Colour ForeColor = colours::white;
    // The character code of a typed key; the procedure may replace it, 0 types nothing.
    std::function<void(std::int16_t& KeyAscii)> KeyPress;
    // Every key released in the box, after its character has entered.
    std::function<void()> KeyUp;
};

} // namespace toolkit
