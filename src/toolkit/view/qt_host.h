#pragma once

#include "toolkit/window_host.h"
#include "window_view.h"

#include <QPointer>

#include <memory>
#include <vector>

namespace toolkit {

class PictureSource;

// Shows model windows on the screen, one top-level view each, and mirrors every shown
// window after each event procedure. The first window shown is the start-up window:
// closing it ends the program. Registers the layouts' fonts when constructed, before any
// window is built.
class QtHost final : public WindowHost, private WindowViewHost {
  public:
    explicit QtHost(PictureSource& pictures);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    void showWindow(Window& window) override;
    void unloadWindow(Window& window) override;

    // The view of a shown window; null when the window is not shown.
    WindowView* viewOf(const Window& window) const;
    void syncAllFromModels();

  private:
    void afterEvent() override { syncAllFromModels(); }
    void closeRequested(WindowView& view) override;
    void disabledWindowActivated(WindowView& view) override;

    PictureSource& pictures_;
    const Window* startupWindow_ = nullptr;
    // In the order they were shown.
    std::vector<std::unique_ptr<WindowView>> views_;
    // Unloaded views wait for the event loop to delete them: an unload is often asked for
    // from inside one of the window's own event procedures.
    std::vector<QPointer<WindowView>> unloaded_;
};

} // namespace toolkit
