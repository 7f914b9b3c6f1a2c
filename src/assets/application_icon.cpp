// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/application_icon.h"

#include "assets/alarm_clock.h"
#include "assets/painting.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <map>
#include <utility>

namespace assets {

namespace {

constexpr int largestWindowIconSide = 64;
constexpr qreal unscaled = 1.0;

QPixmap drawIcon(QSize size) {
    return QPixmap::fromImage(
        paintImage(size, unscaled, applicationIconDesign, paintApplicationIcon));
}

class AlarmClockIconEngine final : public QIconEngine {
  public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.isEmpty()) {
            return {};
        }
        const std::pair key(size.width(), size.height());
        auto found = drawn_.find(key);
        if (found == drawn_.end()) {
            found = drawn_.emplace(key, drawIcon(size)).first;
        }
        return found->second;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : unscaled;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : desktopIconSides) {
            if (side <= largestWindowIconSide) {
                sizes << QSize(side, side);
            }
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new AlarmClockIconEngine(*this); }
    QString key() const override { return QStringLiteral("ardesino-alarm-clock"); }

  private:
    std::map<std::pair<int, int>, QPixmap> drawn_;
};

} // namespace

void paintApplicationIcon(QPainter& painter) {
    // The clock centred from top to bottom.
    painter.save();
    painter.translate(0, (applicationIconDesign.height() - alarmClockDesign.height()) / 2);
    drawAlarmClock(painter);
    painter.restore();
}

QIcon applicationIcon() {
    return QIcon(new AlarmClockIconEngine);
}

} // namespace assets
