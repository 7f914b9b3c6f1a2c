// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pictures.h"

#include "assets/alarm_clock.h"
#include "assets/chalkboard.h"
#include "assets/dial_background.h"
#include "assets/faces.h"
#include "assets/hands.h"
#include "assets/painting.h"
#include "assets/pointers.h"
#include "assets/sun_and_moon.h"

#include <array>

namespace assets {

namespace {

// A picture kind: its natural size and drawing space for an index, and how it draws. Most
// kinds are single pictures (index 0); the hands are a family indexed by tick.
struct PictureKind {
    std::string_view name;
    int indices;
    QSize (*naturalSize)(int index);
    QSizeF (*design)(int index);
    void (*draw)(QPainter& painter, int index);
};

template <const QSize& size> QSize fixedSize(int) {
    return size;
}
template <const QSize& size> QSizeF fixedDesign(int) {
    return QSizeF(size);
}
template <const QSizeF& design> QSizeF ownDesign(int) {
    return design;
}

QSize minuteHandSize(int tick) {
    return handPictureSize(HandKind::Minute, tick);
}
QSize hourHandSize(int tick) {
    return handPictureSize(HandKind::Hour, tick);
}

constexpr std::array<PictureKind, 10> kinds{{
    {"dial-background", 1, fixedSize<dialBackgroundSize>, fixedDesign<dialBackgroundSize>,
     [](QPainter& p, int) { drawDialBackground(p); }},
    {"minute-hand", ticksPerTurn, minuteHandSize,
     [](int tick) { return QSizeF(minuteHandSize(tick)); },
     [](QPainter& p, int tick) { drawHand(p, HandKind::Minute, tick); }},
    {"hour-hand", ticksPerTurn, hourHandSize, [](int tick) { return QSizeF(hourHandSize(tick)); },
     [](QPainter& p, int tick) { drawHand(p, HandKind::Hour, tick); }},
    {"alarm-clock", 1, fixedSize<alarmClockSize>, ownDesign<alarmClockDesign>,
     [](QPainter& p, int) { drawAlarmClock(p); }},
    {"sun", 1, fixedSize<sunSize>, ownDesign<sunDesign>, [](QPainter& p, int) { drawSun(p); }},
    {"moon", 1, fixedSize<moonSize>, ownDesign<moonDesign>, [](QPainter& p, int) { drawMoon(p); }},
    {"face-sad", 1, fixedSize<faceSize>, fixedDesign<faceSize>,
     [](QPainter& p, int) { drawFace(p, Mood::Sad); }},
    {"face-neutral", 1, fixedSize<faceSize>, fixedDesign<faceSize>,
     [](QPainter& p, int) { drawFace(p, Mood::Neutral); }},
    {"face-happy", 1, fixedSize<faceSize>, fixedDesign<faceSize>,
     [](QPainter& p, int) { drawFace(p, Mood::Happy); }},
    {"chalkboard", 1, fixedSize<chalkboardSize>, fixedDesign<chalkboardSize>,
     [](QPainter& p, int) { drawChalkboard(p); }},
}};

const PictureKind* kindOf(const toolkit::PictureId& id) {
    for (const PictureKind& kind : kinds) {
        if (kind.name == id.name) {
            return id.index >= 0 && id.index < kind.indices ? &kind : nullptr;
        }
    }
    return nullptr;
}

constexpr std::array<PointerShape, 2> pointers{{pointingHand, writingHand}};

const PointerShape* pointerNamed(std::string_view name) {
    for (const PointerShape& shape : pointers) {
        if (shape.name == name) {
            return &shape;
        }
    }
    return nullptr;
}

QImage drawPicture(const PictureKind& kind, int index, QSize size, qreal devicePixelRatio) {
    return paintImage(size, devicePixelRatio, kind.design(index),
                      [&](QPainter& p) { kind.draw(p, index); });
}

} // namespace

QSize Pictures::naturalSize(const toolkit::PictureId& id) const {
    const PictureKind* kind = kindOf(id);
    return kind ? kind->naturalSize(id.index) : QSize();
}

QPixmap Pictures::picture(const toolkit::PictureId& id, QSize size, qreal devicePixelRatio) const {
    const PictureKind* kind = kindOf(id);
    if (!kind || size.isEmpty() || !(devicePixelRatio > 0)) {
        return {};
    }
    return cached(keyOf(id, size, devicePixelRatio),
                  [&] { return drawPicture(*kind, id.index, size, devicePixelRatio); });
}

QCursor Pictures::pointer(std::string_view name, qreal devicePixelRatio) const {
    const PointerShape* shape = pointerNamed(name);
    if (!shape || !(devicePixelRatio > 0)) {
        return {};
    }
    const QPixmap pixmap = cached(keyOf({name, 0}, pointerSize, devicePixelRatio), [&] {
        return paintImage(pointerSize, devicePixelRatio, QSizeF(pointerSize), shape->draw);
    });
    return QCursor(pixmap, shape->hotSpot.x(), shape->hotSpot.y());
}

QPixmap Pictures::cached(Key key, const std::function<QImage()>& render) const {
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        found = cache_.emplace(std::move(key), QPixmap::fromImage(render())).first;
    }
    return found->second;
}

} // namespace assets
