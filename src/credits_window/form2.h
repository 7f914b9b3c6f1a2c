// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/window.h"

namespace credits_window {

// The credits window. It shares one thing with the clock window: the clock window's
// Enabled, which it gives back when it closes.
class Form2 : public toolkit::Window {
  public:
    Form2(toolkit::WindowHost& host, toolkit::Window& clockWindow);

    void Label1_Click();
    void Label1_MouseMove();
    void Form_MouseMove();
    void Label2_MouseMove();
    void Label3_MouseMove();

    // "OK", framed while the mouse is over it.
    toolkit::Label& Label1;
    toolkit::Label& Label2;
    toolkit::Label& Label3;

  private:
    toolkit::Window& clockWindow_;
};

} // namespace credits_window
