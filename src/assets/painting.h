// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/colour.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSize>

#include <functional>

// What every picture renderer shares: colours in the layouts' notation, the black cartoon
// outline, and painting a drawing into an image of any size and device pixel ratio.
namespace assets {

constexpr QColor qColour(toolkit::Colour c) {
    return QColor(toolkit::redOf(c), toolkit::greenOf(c), toolkit::blueOf(c));
}

// Black, with round joins and caps, so that a stroked outline never reaches further than
// half its width from the outline.
QPen outlinePen(qreal width);

// Paints `draw`, which works in its own `design` coordinates, stretched to fill `size`
// logical pixels at `devicePixelRatio`. Transparent where nothing is painted. An image, not
// a pixmap: a pixmap made from it leaves out the alpha channel when no pixel is see-through,
// and is then drawn without blending.
QImage paintImage(QSize size, qreal devicePixelRatio, QSizeF design,
                  const std::function<void(QPainter&)>& draw);

} // namespace assets
