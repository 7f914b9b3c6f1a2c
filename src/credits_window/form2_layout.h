// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/layout.h"

namespace credits_window {

// The credits window as laid out: a chalkboard with six labels, back to front.
const toolkit::WindowSpec& form2Layout();

} // namespace credits_window
