// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/window.h"
#include "toolkit/windows1252.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Display-free helpers for driving the clock window and the credits window in tests.
namespace credits_test {

// The random values of the first draw in a test: a morning time that leaves the minutes box
// open. Later draws take the program's generator unless a test gives more.
inline const std::vector<float> firstDraw{0.1f, 0.3f, 0.6f, 0.4f};

// Records what the windows ask of the screen, with the clock window's Enabled at that
// moment, so the order of the steps inside a procedure is visible.
class RecordingHost final : public toolkit::WindowHost {
  public:
    void showWindow(toolkit::Window& window) override { record("show", window); }
    void unloadWindow(toolkit::Window& window) override { record("unload", window); }

    const toolkit::Window* clockWindow = nullptr;
    QStringList calls;

  private:
    void record(const char* what, const toolkit::Window& window) {
        QString call = QString(what) + " " +
                       QString::fromUtf8(window.spec().name.data(), window.spec().name.size());
        if (clockWindow && &window != clockWindow) {
            call += clockWindow->Enabled ? " (clock enabled)" : " (clock disabled)";
        }
        calls << call;
    }
};

inline QString utf8(const std::string& windows1252Text) {
    return QString::fromStdString(toolkit::windows1252::toUtf8(windows1252Text));
}

// Everything a window shows, one line per control, to compare before and after.
inline QStringList snapshot(const toolkit::Window& window) {
    QStringList lines;
    lines << QString("window Caption=%1 Enabled=%2 loaded=%3")
                 .arg(utf8(window.Caption))
                 .arg(window.Enabled)
                 .arg(window.isLoaded());
    for (const toolkit::Element& element : window.elements()) {
        const QString name =
            QString::fromUtf8(element.spec->name.data(), element.spec->name.size());
        if (const auto* label = std::get_if<toolkit::Label>(&element.control)) {
            lines << QString("%1 Caption=%2 Visible=%3 BorderStyle=%4")
                         .arg(name, utf8(label->Caption))
                         .arg(label->Visible)
                         .arg(label->BorderStyle);
        } else if (const auto* picture = std::get_if<toolkit::Picture>(&element.control)) {
            lines << QString("%1 Visible=%2").arg(name).arg(picture->Visible);
        } else if (const auto* box = std::get_if<toolkit::TextBox>(&element.control)) {
            lines << QString("%1 Text=%2 Enabled=%3 Visible=%4 ForeColor=%5")
                         .arg(name, utf8(box->Text))
                         .arg(box->Enabled)
                         .arg(box->Visible)
                         .arg(box->ForeColor, 6, 16, QChar('0'));
        } else if (const auto* shape = std::get_if<toolkit::Shape>(&element.control)) {
            lines << QString("%1 Visible=%2").arg(name).arg(shape->Visible);
        }
    }
    return lines;
}

// A mouse move as the view delivers it: to the label under the pointer, or to the
// window's background when the name is empty. A control without a procedure ignores it.
inline void moveOver(toolkit::Window& window, std::string_view name) {
    if (name.empty()) {
        if (window.MouseMove) {
            window.MouseMove();
        }
        return;
    }
    if (const auto& handler = window.label(name).MouseMove) {
        handler();
    }
}

// A click as the view delivers it; a label without a procedure ignores it.
inline void clickOn(toolkit::Window& window, std::string_view name) {
    if (const auto& handler = window.label(name).Click) {
        handler();
    }
}

} // namespace credits_test
