// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_window/form1.h"
#include "form2.h"

#include <memory>

namespace credits_window {

// The "INFO" link of the clock window and the program's one reference to the credits
// window. Binds Label83's click on construction and unbinds it on destruction, so it must
// not outlive the clock window; the credits window is created by the first "INFO" and
// then kept, unloaded by "OK" and loaded afresh by the next "INFO".
class Credits {
  public:
    Credits(clock_window::Form1& clockWindow, toolkit::WindowHost& host);
    ~Credits();
    Credits(const Credits&) = delete;
    Credits& operator=(const Credits&) = delete;

    void Label83_Click();

    // The credits window, or null before the first "INFO".
    Form2* form2() const { return creditsWindow_.get(); }

  private:
    clock_window::Form1& clockWindow_;
    toolkit::WindowHost& host_;
    std::unique_ptr<Form2> creditsWindow_;
};

} // namespace credits_window
