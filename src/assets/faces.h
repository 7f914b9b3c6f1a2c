// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QSize>

namespace assets {

// The feedback faces beside the answer boxes: icon-sized, drawn as vector art so that they
// stay smooth stretched to the size they are shown at.
inline constexpr QSize faceSize{32, 32};

enum class Mood { Sad, Neutral, Happy };

void drawFace(QPainter& painter, Mood mood);

} // namespace assets
