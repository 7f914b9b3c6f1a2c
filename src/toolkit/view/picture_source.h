#pragma once

#include "toolkit/layout.h"

#include <QCursor>
#include <QPixmap>
#include <QSize>

#include <string_view>
#include <vector>

namespace toolkit {

// A picture as a box of `size` logical pixels asks for it.
struct PictureRequest {
    PictureId id;
    QSize size;
};

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
    // Says which pictures a window about to be shown will ask for first, so that a source
    // may start drawing them while the window is being built. Only a hint.
    virtual void drawAhead(const std::vector<PictureRequest>& /*requests*/,
                           qreal /*devicePixelRatio*/) const {}
};

} // namespace toolkit
