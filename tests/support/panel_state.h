// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_window/form1.h"

#include <string>
#include <string_view>

// What a child sees of the answer panel, as short texts for readable comparisons.
namespace clock_test {

// "typing" (the neutral face alone), "success" (the happy face alone), otherwise the three
// visibilities sad, neutral, happy, e.g. "faces 100".
std::string facesOf(const clock_window::Form1& form);

// The pictures shown beside the faces: "sun", "moon", both blank-separated, or "".
std::string picturesOf(const clock_window::Form1& form);

// The box's text in UTF-8 and whether it has locked itself, e.g. "MEZZO" locked.
std::string boxState(const toolkit::TextBox& box);

// The faces another row's success leaves: the happy face alone.
void showSuccess(clock_window::Form1& form);

} // namespace clock_test
