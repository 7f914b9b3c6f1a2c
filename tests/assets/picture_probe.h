// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>

// Reading rendered pictures back as plain pixels, for measuring what they show.
namespace probe {

// Straight (not premultiplied) ARGB, one pixel per device pixel.
QImage pixelsOf(const QPixmap& pixmap);

constexpr int opaqueAlpha = 128; // at least half covered counts as part of the drawing

bool isOpaque(const QImage& image, QPoint at);
bool isClear(const QImage& image, QPoint at);

// The smallest rectangle holding every pixel with alpha above `minimumAlpha`.
QRect drawnBounds(const QImage& image, int minimumAlpha = 0);

// Largest difference of the red, green and blue channels.
int colourDistance(const QColor& a, const QColor& b);

} // namespace probe
