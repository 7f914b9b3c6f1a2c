// SPDX-License-Identifier: GPL-3.0-or-later
#include "hover_pointer.h"

#include "picture_source.h"

#include <QWidget>

namespace toolkit {

void HoverPointer::entered(QWidget& widget, const PictureSource& pictures) {
    const qreal ratio = widget.devicePixelRatioF();
    if (name_.empty() || ratio == drawnForRatio_) {
        return;
    }
    widget.setCursor(pictures.pointer(name_, ratio));
    drawnForRatio_ = ratio;
}

} // namespace toolkit
