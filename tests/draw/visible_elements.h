// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/window.h"

#include <set>
#include <string>
#include <variant>

// Which elements of a window are visible, by name, for whole-window comparisons.
namespace draw_test {

inline bool isVisible(const toolkit::Element& element) {
    return std::visit([](const auto& control) { return control.Visible; }, element.control);
}

inline void setVisible(toolkit::Element& element, bool visible) {
    std::visit([visible](auto& control) { control.Visible = visible; }, element.control);
}

inline std::string imageName(int number) {
    return "Image" + std::to_string(number);
}

inline std::set<std::string> visibleNames(const toolkit::Window& window) {
    std::set<std::string> names;
    for (const toolkit::Element& element : window.elements()) {
        if (isVisible(element)) {
            names.insert(std::string(element.spec->name));
        }
    }
    return names;
}

// Names in one set and not the other, for failure messages.
inline std::string differences(const std::set<std::string>& actual,
                               const std::set<std::string>& expected) {
    std::string text;
    for (const std::string& name : actual) {
        if (!expected.count(name)) {
            text += " +" + name;
        }
    }
    for (const std::string& name : expected) {
        if (!actual.count(name)) {
            text += " -" + name;
        }
    }
    return text;
}

} // namespace draw_test
