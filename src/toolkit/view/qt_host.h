// SPDX-License-Identifier: GPL-3.0-or-later
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
// closing it ends the program. Registers the layouts' fonts and what screen readers are told
// when constructed, before any window is built.
class QtHost final : public WindowHost {
  public:
    explicit QtHost(PictureSource& pictures);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    void showWindow(Window& window) override;
    void unloadWindow(Window& window) override;

    // The view of a shown window; null when the window is not shown.
    WindowView* viewOf(const Window& window) const;
    // Mirrors every shown window; run after an event procedure ran in any of them.
    void syncAllFromModels();

    // Reported by a view: the window manager asks to close its window (a system key, the
    // window menu).
    void closeRequested(WindowView& view);
    // Reported by a view: its window, which takes no input, was made the active one.
    void disabledWindowActivated(WindowView& view);

  private:
    PictureSource& pictures_;
    const Window* startupWindow_ = nullptr;
    // In the order they were shown.
    std::vector<std::unique_ptr<WindowView>> views_;
    // Unloaded views wait for the event loop to delete them: an unload is often asked for
    // from inside one of the window's own event procedures.
    std::vector<QPointer<WindowView>> unloaded_;
};

} // namespace toolkit
