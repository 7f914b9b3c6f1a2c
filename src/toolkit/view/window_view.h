// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirrored_element.h"
#include "toolkit/window.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

class PictureSource;
class QtHost;

// One top-level window showing a model window: a fixed client area, the background picture
// at its own size from the top-left corner, and one widget per element, stacked as the
// layout lists them with the text boxes in front. An element's widget is made when the
// element is first shown: most of a layout starts hidden, and a text box's font costs more
// to set up than the rest of the window. It holds no state of its own beyond what it
// mirrors. While the model window is disabled it looks the same and takes no input.
class WindowView final : public QWidget {
  public:
    WindowView(Window& model, PictureSource& pictures, QtHost& host);

    Window* model() const { return model_; }
    // Copies every property of the model window and its controls into the widgets.
    void syncFromModel();
    // The model window was unloaded: forward nothing more.
    void detach();

    // What an element's widget needs of the window it stands in.
    PictureSource& pictures() const { return pictures_; }
    // False once the model window has been unloaded: the widgets only wait for deletion
    // and forward nothing.
    bool isAttached() const { return model_ != nullptr; }
    // Called after an event procedure ran: it may have changed any shown window.
    void afterEvent();
    // False while the model window is disabled or after it was unloaded.
    bool takesInput() const { return model_ && model_->Enabled; }

    // The element's widget by its layout name, made now if the element was never shown;
    // null for an unknown name.
    QWidget* elementWidget(std::string_view name);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Makes the element's widget unless it exists, in its place in the stacking and the tab
    // order.
    void ensureWidget(std::size_t index);
    void stackInLayoutOrder(std::size_t index);
    void setTabOrderFromLayout();
    // Tells screen readers when the model window is enabled or disabled.
    void mirrorEnabled();

    Window* model_;
    PictureSource& pictures_;
    QtHost& host_;
    std::string caption_;
    bool takesInput_ = true;
    QPixmap background_;
    // Per element, in layout order; null until the element is first shown.
    std::vector<MirroredElement*> mirrored_;
    std::vector<QWidget*> elementWidgets_;
};

// Runs an event procedure, if the control has one, then lets the window mirror what it
// changed. The handler is copied first: a procedure may unload its own window.
inline void runEventProcedure(WindowView& owner, const std::function<void()>& procedure) {
    if (!owner.isAttached() || !procedure) {
        return;
    }
    const std::function<void()> running = procedure;
    running();
    owner.afterEvent();
}

} // namespace toolkit
