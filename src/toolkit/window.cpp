// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include "windows1252.h"

#include <cstdio>
#include <cstdlib>

namespace toolkit {
namespace {

std::variant<Label, Picture, TextBox, Shape> controlFor(const ElementSpec& spec) {
    switch (spec.kind) {
    case ElementKind::Label:
        return Label{};
    case ElementKind::Picture:
        return Picture{};
    case ElementKind::TextBox:
        return TextBox{};
    case ElementKind::Shape:
        return Shape{};
    }
    std::abort();
}

} // namespace

Window::Window(const WindowSpec& spec, WindowHost& host) : spec_(spec), host_(host) {
    elements_.reserve(spec.elements.size());
    for (const ElementSpec& element : spec.elements) {
        elements_.push_back(Element{&element, controlFor(element)});
    }
    restoreFromLayout();
}

void Window::Show() {
    if (!loaded_) {
        restoreFromLayout();
        loaded_ = true;
        if (Load) {
            Load();
        }
    }
    host_.showWindow(*this);
}

void Window::Unload() {
    if (!loaded_) {
        return;
    }
    host_.unloadWindow(*this);
    loaded_ = false;
}

void Window::restoreFromLayout() {
    Caption = windows1252::fromUtf8(spec_.caption);
    Enabled = true;
    for (Element& element : elements_) {
        const ElementSpec& spec = *element.spec;
        if (auto* label = std::get_if<Label>(&element.control)) {
            label->Caption = windows1252::fromUtf8(spec.caption);
            label->Visible = true;
            label->BorderStyle = 0;
        } else if (auto* picture = std::get_if<Picture>(&element.control)) {
            picture->Visible = true;
        } else if (auto* box = std::get_if<TextBox>(&element.control)) {
            box->Text.clear();
            box->Enabled = true;
            box->Visible = true;
            box->ForeColor = spec.foreColor;
        } else if (auto* shape = std::get_if<Shape>(&element.control)) {
            shape->Visible = true;
        }
    }
}

template <typename Control> Control& Window::control(std::string_view name) {
    for (Element& element : elements_) {
        if (element.spec->name == name) {
            if (auto* found = std::get_if<Control>(&element.control)) {
                return *found;
            }
        }
    }
    std::fprintf(stderr, "%.*s has no control %.*s of that kind\n",
                 static_cast<int>(spec_.name.size()), spec_.name.data(),
                 static_cast<int>(name.size()), name.data());
    std::abort();
}

Label& Window::label(std::string_view name) {
    return control<Label>(name);
}
Picture& Window::picture(std::string_view name) {
    return control<Picture>(name);
}
TextBox& Window::textBox(std::string_view name) {
    return control<TextBox>(name);
}
Shape& Window::shape(std::string_view name) {
    return control<Shape>(name);
}

} // namespace toolkit
