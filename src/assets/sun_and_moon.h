// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QSize>
#include <QSizeF>

namespace assets {

// The sun and the moon that join the happy face at noon and at midnight. Each is drawn in
// coordinates of the shape it is shown at, so that it looks round where it is seen.
inline constexpr QSize sunSize{56, 54};
inline constexpr QSizeF sunDesign{98, 108}; // shown at 49 x 54
inline constexpr QSize moonSize{85, 94};
inline constexpr QSizeF moonDesign{106, 108}; // shown at 53 x 54

void drawSun(QPainter& painter);
void drawMoon(QPainter& painter);

} // namespace assets
