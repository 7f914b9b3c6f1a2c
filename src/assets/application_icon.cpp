#include "assets/application_icon.h"

#include "assets/alarm_clock.h"
#include "assets/painting.h"

#include <array>

namespace assets {

namespace {

constexpr std::array<int, 7> iconSides{16, 24, 32, 48, 64, 128, 256};
constexpr qreal unscaled = 1.0;

} // namespace

QIcon applicationIcon() {
    // A square as wide as the clock, the clock centred in it from top to bottom.
    const qreal side = alarmClockDesign.width();
    const qreal top = (side - alarmClockDesign.height()) / 2;
    QIcon icon;
    for (const int pixels : iconSides) {
        icon.addPixmap(
            paintPixmap(QSize(pixels, pixels), unscaled, QSizeF(side, side), [&](QPainter& p) {
                p.save();
                p.translate(0, top);
                drawAlarmClock(p);
                p.restore();
            }));
    }
    return icon;
}

} // namespace assets
