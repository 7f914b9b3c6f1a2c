// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QSize>
#include <QSizeF>

namespace assets {

// The little alarm clock at the dial centre. Its picture is taller than it is shown
// (303 x 364 stretched to 79 x 76), so it is drawn in coordinates of the shown shape
// and comes out round where it is seen.
inline constexpr QSize alarmClockSize{303, 364};
inline constexpr QSizeF alarmClockDesign{316, 304};

void drawAlarmClock(QPainter& painter);

} // namespace assets
