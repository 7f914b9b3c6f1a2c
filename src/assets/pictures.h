// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/view/picture_source.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace assets {

// Every picture and pointer the layouts name, drawn on demand and kept, per name, index,
// size and device pixel ratio, for as long as this object lives. For use on the GUI thread.
class Pictures final : public toolkit::PictureSource {
  public:
    // An empty size for a name or index no layout uses.
    QSize naturalSize(const toolkit::PictureId& id) const override;
    // A null pixmap for an unknown picture, an empty size or a ratio that is not positive.
    QPixmap picture(const toolkit::PictureId& id, QSize size,
                    qreal devicePixelRatio) const override;
    // The default pointer for an unknown name.
    QCursor pointer(std::string_view name, qreal devicePixelRatio) const override;

  private:
    struct Key {
        std::string name;
        int index;
        int width;
        int height;
        qreal devicePixelRatio;
        auto operator<=>(const Key&) const = default;
    };
    static Key keyOf(const toolkit::PictureId& id, QSize size, qreal devicePixelRatio) {
        return {std::string(id.name), id.index, size.width(), size.height(), devicePixelRatio};
    }

    QPixmap cached(Key key, const std::function<QImage()>& render) const;

    mutable std::map<Key, QPixmap> cache_;
};

} // namespace assets
