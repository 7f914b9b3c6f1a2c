// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace toolkit {

class Window;

// What shows windows on a screen. The Qt view is one; tests use a headless one.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual void showWindow(Window& window) = 0;
    virtual void unloadWindow(Window& window) = 0;
};

// Shows nothing; for running the windows' logic without a display.
class HeadlessHost final : public WindowHost {
  public:
    void showWindow(Window&) override {}
    void unloadWindow(Window&) override {}
};

} // namespace toolkit
