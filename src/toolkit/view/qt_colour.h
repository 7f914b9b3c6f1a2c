// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/colour.h"

#include <QColor>

namespace toolkit {

inline QColor toQColor(Colour colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace toolkit
