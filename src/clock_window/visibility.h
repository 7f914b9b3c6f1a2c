// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Visible set on several controls at once, one after the other in the order written, as the
// event procedures list them.
namespace clock_window {

template <typename... Controls> void show(Controls&... controls) {
    ((controls.Visible = true), ...);
}

template <typename... Controls> void hide(Controls&... controls) {
    ((controls.Visible = false), ...);
}

} // namespace clock_window
