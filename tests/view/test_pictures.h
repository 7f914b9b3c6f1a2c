// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/view/picture_source.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

#include <map>
#include <string>
#include <vector>

// Pictures for view tests: each name paints its left half in its colour and leaves its
// right half transparent, so tests can see both the picture and what shows through it.
// Like the program's pictures, an unknown name has an empty size.
class TestPictures final : public toolkit::PictureSource {
  public:
    struct Request {
        std::string name;
        QSize size;
        qreal devicePixelRatio;
    };

    void add(const std::string& name, QColor colour, QSize naturalSize) {
        pictures_[name] = {colour, naturalSize};
    }

    QSize naturalSize(const toolkit::PictureId& id) const override {
        const auto found = pictures_.find(std::string(id.name));
        return found == pictures_.end() ? QSize() : found->second.naturalSize;
    }

    QPixmap picture(const toolkit::PictureId& id, QSize size, qreal ratio) const override {
        requests.push_back({std::string(id.name), size, ratio});
        QPixmap pixmap(size * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.fillRect(QRectF(0, 0, size.width() / 2.0, size.height()),
                         pictures_.at(std::string(id.name)).colour);
        return pixmap;
    }

    QCursor pointer(std::string_view name, qreal) const override {
        pointersAsked.emplace_back(name);
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::black);
        return QCursor(pixmap, 12, 1);
    }

    mutable std::vector<Request> requests;
    mutable std::vector<std::string> pointersAsked;

  private:
    struct Entry {
        QColor colour;
        QSize naturalSize;
    };
    std::map<std::string, Entry> pictures_;
};
