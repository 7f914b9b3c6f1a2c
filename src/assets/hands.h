// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/hand_geometry.h"

#include <QPainter>
#include <QSize>

namespace assets {

// A hand picture is exactly its hand's box; it draws in client-area pixels relative to
// that box, so that placed at the box its pivot lies on the dial centre.
QSize handPictureSize(HandKind kind, int tick);

void drawHand(QPainter& painter, HandKind kind, int tick);

} // namespace assets
