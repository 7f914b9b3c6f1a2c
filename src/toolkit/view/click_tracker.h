// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMouseEvent>
#include <QRect>

namespace toolkit {

// A click is the left button pressed on a widget and released over it.
class ClickTracker {
  public:
    void press(const QMouseEvent& event) { pressed_ = event.button() == Qt::LeftButton; }

    bool releaseMakesClick(const QMouseEvent& event, const QRect& widgetRect) {
        const bool click = pressed_ && event.button() == Qt::LeftButton &&
                           widgetRect.contains(event.position().toPoint());
        pressed_ = false;
        return click;
    }

  private:
    bool pressed_ = false;
};

} // namespace toolkit
