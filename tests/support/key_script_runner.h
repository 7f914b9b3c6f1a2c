// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "key_script.h"

#include "clock_window/form1.h"

#include <string>

// Runs key scripts on the clock window's answer boxes, with the caret at the end of the text.
namespace clock_test {

// Runs the step on the window as a child would, the faces left as the procedures set them.
void runStep(clock_window::Form1& form, const Step& step);

// Runs the script and returns a trace of it: one token per key (one per paste or release),
// blank-separated. A token is what the key press did to the faces, then what the key release
// did: "t" typing state, "s" success state, "-" faces untouched, "." no such event ("p" for a
// paste); then "u" when the sun is shown, "o" when the moon is. Before each event the faces
// are put in a state no answer box produces (the sad face alone), so the token tells exactly
// what that one procedure did; for the same reason a ShowSuccess step gives no token.
std::string runTraced(clock_window::Form1& form, const Script& script);

} // namespace clock_test
