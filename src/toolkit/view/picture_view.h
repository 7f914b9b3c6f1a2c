// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "click_tracker.h"
#include "hover_pointer.h"
#include "mirrored_element.h"
#include "toolkit/controls.h"
#include "toolkit/layout.h"

#include <QPixmap>
#include <QWidget>

namespace toolkit {

class WindowView;

// A picture element: its picture stretched to the box or at its own size, with what lies
// behind showing through its transparent parts. It takes the mouse over its whole box.
class PictureView final : public QWidget, public MirroredElement {
  public:
    PictureView(const ElementSpec& spec, Picture& model, WindowView& owner, QWidget* parent);

    void syncFromModel() override;

  protected:
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // The size the element's picture is drawn at: its box when stretched, else its own.
    QSize pictureSize() const;

    const ElementSpec& spec_;
    Picture& model_;
    WindowView& owner_;
    HoverPointer pointer_;
    QPixmap picture_;
    ClickTracker clicks_;
};

} // namespace toolkit
