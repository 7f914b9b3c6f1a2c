// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/layout.h"

#include <QFont>

namespace toolkit {

// Registers the layouts' fonts that the system ships without telling fontconfig ("Tahoma"
// and "MS Sans Serif" from the Wine fonts, when installed). Safe to call more than once;
// call it before building any window.
void loadLayoutFonts();

// The font of a layout element. Sizes are converted from points at 96 dots per inch into
// pixels, so the layout does not move with the screen's resolution.
QFont fontFor(const FontSpec& spec);

} // namespace toolkit
