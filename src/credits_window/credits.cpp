// SPDX-License-Identifier: GPL-3.0-or-later
#include "credits.h"

namespace credits_window {

Credits::Credits(clock_window::Form1& clockWindow, toolkit::WindowHost& host)
    : clockWindow_(clockWindow), host_(host) {
    clockWindow_.Label83.Click = [this] { Label83_Click(); };
}

Credits::~Credits() {
    clockWindow_.Label83.Click = nullptr;
    // The host must not keep showing a window whose model is going away.
    if (creditsWindow_) {
        creditsWindow_->Unload();
    }
}

// Shown modeless: the disabled clock window is what keeps it in front of the game.
void Credits::Label83_Click() {
    clockWindow_.Enabled = false;
    if (!creditsWindow_) {
        creditsWindow_ = std::make_unique<Form2>(host_, clockWindow_);
    }
    creditsWindow_->Show();
}

} // namespace credits_window
