// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/alarm_clock.h"

#include <QIcon>
#include <QPainter>
#include <QSizeF>

#include <array>

namespace assets {

// The sides, in pixels, of the icon pictures installed for desktop menus.
inline constexpr std::array<int, 7> desktopIconSides{16, 24, 32, 48, 64, 128, 256};

// The program's icon: the alarm clock of the dial centre, drawn when a size is first asked
// for. It offers the window system the sizes up to 64 pixels only, since it draws every size
// offered when a window is created; larger pictures come from the installed icons.
QIcon applicationIcon();

// The drawing every size of the icon is made from, the scalable one included: the alarm
// clock centred in a square as wide as the clock, in that square's coordinates.
inline constexpr QSizeF applicationIconDesign{alarmClockDesign.width(), alarmClockDesign.width()};
void paintApplicationIcon(QPainter& painter);

} // namespace assets
