// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <string_view>

class QWidget;

namespace toolkit {

class PictureSource;

// The mouse pointer an element shows, drawn when the mouse first comes over the element:
// most elements are never pointed at, and drawing every pointer would slow the start.
class HoverPointer {
  public:
    explicit HoverPointer(std::string_view name) : name_(name) {}

    // Call from the widget's enter event, before the base class runs.
    void entered(QWidget& widget, const PictureSource& pictures);

  private:
    std::string_view name_;
    qreal drawnForRatio_ = 0; // none drawn yet
};

} // namespace toolkit
