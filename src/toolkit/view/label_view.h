// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "caption_layout.h"
#include "click_tracker.h"
#include "hover_pointer.h"
#include "mirrored_element.h"
#include "toolkit/controls.h"
#include "toolkit/layout.h"

#include <QLabel>

#include <string>

namespace toolkit {

class WindowView;

// A label: a real QLabel, so screen readers read its caption. It wraps at blanks inside its
// box, cuts off what does not fit, and takes the mouse over its whole box. The caption is
// drawn as `CaptionLayout` lays it out, with the label's font, alignment and box.
class LabelView final : public QLabel, public MirroredElement {
  public:
    LabelView(const ElementSpec& spec, Label& model, WindowView& owner, QWidget* parent);

    void syncFromModel() override;
    bool hasFrame() const { return borderStyle_ == 1; }
    // Where the caption's ink stands in the label.
    QRectF captionInkBounds() const { return captionLayout_.inkBounds(); }

  protected:
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    Label& model_;
    WindowView& owner_;
    HoverPointer pointer_;
    QColor textColour_;
    std::string caption_;
    CaptionLayout captionLayout_;
    int borderStyle_ = 0;
    ClickTracker clicks_;
};

} // namespace toolkit
