// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QSize>

namespace assets {

// The clock window's background: a blue field with the dial centred on the hands' pivot.
inline constexpr QSize dialBackgroundSize{800, 600};

void drawDialBackground(QPainter& painter);

} // namespace assets
