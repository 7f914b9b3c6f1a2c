// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_state.h"

#include "toolkit/windows1252.h"

namespace clock_test {

std::string facesOf(const clock_window::Form1& form) {
    const bool sad = form.Image121.Visible;
    const bool neutral = form.Image122.Visible;
    const bool happy = form.Image123.Visible;
    if (!sad && neutral && !happy) {
        return "typing";
    }
    if (!sad && !neutral && happy) {
        return "success";
    }
    return "faces " + std::to_string(int(sad)) + std::to_string(int(neutral)) +
           std::to_string(int(happy));
}

std::string picturesOf(const clock_window::Form1& form) {
    std::string pictures = form.Image125.Visible ? "sun" : "";
    if (form.Image126.Visible) {
        pictures += pictures.empty() ? "moon" : " moon";
    }
    return pictures;
}

std::string boxState(const toolkit::TextBox& box) {
    std::string state = "\"";
    state += toolkit::windows1252::toUtf8(box.Text);
    state += box.Enabled ? "\" open" : "\" locked";
    return state;
}

void showSuccess(clock_window::Form1& form) {
    form.Image121.Visible = false;
    form.Image122.Visible = false;
    form.Image123.Visible = true;
}

} // namespace clock_test
