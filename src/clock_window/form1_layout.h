// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/layout.h"

namespace clock_window {

// The clock window as laid out: the window itself and its 251 elements, back to front.
const toolkit::WindowSpec& form1Layout();

} // namespace clock_window
