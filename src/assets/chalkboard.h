// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QSize>

namespace assets {

// The credits window's background: a chalkboard in a wooden frame, with its ledge, a box of
// chalk and a sponge. Opaque everywhere.
inline constexpr QSize chalkboardSize{324, 243};

void drawChalkboard(QPainter& painter);

} // namespace assets
