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
    // A square as wide as the clock, the clock centred in it from top to bottom.
    const qreal side = alarmClockDesign.width();
    const qreal top = (side - alarmClockDesign.height()) / 2;
    return QPixmap::fromImage(paintImage(size, unscaled, QSizeF(side, side), [&](QPainter& p) {
        p.save();
        p.translate(0, top);
        drawAlarmClock(p);
        p.restore();
    }));
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

QIcon applicationIcon() {
    return QIcon(new AlarmClockIconEngine);
}

} // namespace assets
