// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/layout.h"

#include <QCursor>
#include <QPixmap>
#include <QSize>

#include <string_view>

namespace toolkit {

// Where the view gets the pictures and mouse pointers a layout names.
class PictureSource {
  public:
    virtual ~PictureSource() = default;

    // The picture's own size in pixels, as it shows when it is not stretched.
    virtual QSize naturalSize(const PictureId& id) const = 0;
    // The picture drawn to fill a box of `size` logical pixels, crisp at the device pixel
    // ratio (the pixmap carries that ratio).
    virtual QPixmap picture(const PictureId& id, QSize size, qreal devicePixelRatio) const = 0;
    // A named mouse pointer, with its hot spot.
    virtual QCursor pointer(std::string_view name, qreal devicePixelRatio) const = 0;
};

} // namespace toolkit
