// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/layout.h"

#include <QRect>
#include <QSize>

namespace toolkit {

// Twips to logical pixels. Edges are rounded, not sizes, so that neighbouring boxes that
// touch in twips touch on screen.
int pixelsOf(int twips);
QRect pixelRectOf(const Place& place);
QSize clientSizeOf(const WindowSpec& spec);

} // namespace toolkit
