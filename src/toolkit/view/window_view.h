#pragma once

#include "element_owner.h"
#include "toolkit/window.h"

#include <QPixmap>
#include <QWidget>

#include <string>
#include <vector>

namespace toolkit {

class PictureSource;

// What a window's view reports to the host that shows it.
class WindowViewHost {
  public:
    // After an event procedure ran in any window.
    virtual void afterEvent() = 0;
    // The window manager asks to close this window (a system key, the window menu).
    virtual void closeRequested(class WindowView& view) = 0;
    // A window that takes no input was made the active one.
    virtual void disabledWindowActivated(WindowView& view) = 0;

  protected:
    ~WindowViewHost() = default;
};

// One top-level window showing a model window: a fixed client area, the background picture
// at its own size from the top-left corner, and one widget per element, stacked as the
// layout lists them with the text boxes in front. An element's widget is made when the
// element is first shown: most of a layout starts hidden, and a text box's font costs more
// to set up than the rest of the window. It holds no state of its own beyond what it
// mirrors. While the model window is disabled it looks the same and takes no input.
class WindowView final : public QWidget, public ElementOwner {
  public:
    WindowView(Window& model, PictureSource& pictures, WindowViewHost& host);

    Window* model() const { return model_; }
    // Copies every property of the model window and its controls into the widgets.
    void syncFromModel();
    // The model window was unloaded: forward nothing more.
    void detach();

    PictureSource& pictures() const override { return pictures_; }
    bool isAttached() const override { return model_ != nullptr; }
    void afterEvent() override { host_.afterEvent(); }

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
    bool takesInput() const { return model_ && model_->Enabled; }

    Window* model_;
    PictureSource& pictures_;
    WindowViewHost& host_;
    std::string caption_;
    QPixmap background_;
    // Per element, in layout order; null until the element is first shown.
    std::vector<MirroredElement*> mirrored_;
    std::vector<QWidget*> elementWidgets_;
};

} // namespace toolkit
