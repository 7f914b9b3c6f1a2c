// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "layout.h"
#include "window_host.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace toolkit {

struct Element {
    const ElementSpec* spec;
    std::variant<Label, Picture, TextBox, Shape> control;
};

// A window built from its layout: one control per element, in the layout's order. Controls
// live as long as the window object; unloading restores them from the layout when the
// window is next shown, and keeps their event handlers.
class Window {
  public:
    Window(const WindowSpec& spec, WindowHost& host);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    std::string Caption;
    bool Enabled = true; // false: still shown, takes no mouse or key input

    std::function<void()> Load;      // run when Show loads the window
    std::function<void()> MouseMove; // over the window's background
    // The window manager asks to close the window (a system key, the window menu).
    std::function<void()> CloseRequest;

    // Loads the window from its layout if it is not loaded (running Load), then shows it.
    // Returns at once; never modal.
    void Show();
    // Hides the window and destroys its on-screen form; the next Show starts afresh.
    void Unload();
    bool isLoaded() const { return loaded_; }

    const WindowSpec& spec() const { return spec_; }
    std::vector<Element>& elements() { return elements_; }
    const std::vector<Element>& elements() const { return elements_; }

    // Controls by their layout name; a name the layout lacks is a programming error and
    // aborts.
    Label& label(std::string_view name);
    Picture& picture(std::string_view name);
    TextBox& textBox(std::string_view name);
    Shape& shape(std::string_view name);

  private:
    template <typename Control> Control& control(std::string_view name);
    void restoreFromLayout();

    const WindowSpec& spec_;
    WindowHost& host_;
    std::vector<Element> elements_;
    bool loaded_ = false;
};

} // namespace toolkit
