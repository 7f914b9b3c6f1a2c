// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace toolkit {

// What screen readers are told beyond Qt's defaults: a window whose model is disabled
// reports itself disabled (it keeps its look and drops input on its own, so its widget
// stays enabled), and a picture reports itself as an image. Call it before any window is
// built. Safe to call more than once.
void installAccessibility();

} // namespace toolkit
