// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour.h"

#include <optional>
#include <span>
#include <string_view>

// Display-free description of a window and its elements, as constant data. Places are in
// twips (15 twips are one pixel) from the top-left corner of the client area.
namespace toolkit {

inline constexpr int twipsPerPixel = 15;

enum class ElementKind { Label, Picture, TextBox, Shape };

enum class Alignment { Left, Centre };

struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontSpec {
    std::string_view family;
    double points = 0;
    bool bold = false;
};

// A picture by name, with an index for families of pictures (the hands by tick).
struct PictureId {
    std::string_view name;
    int index = 0;

    friend constexpr bool operator==(const PictureId&, const PictureId&) = default;
};

struct ElementSpec {
    std::string_view name;
    ElementKind kind = ElementKind::Label;
    Place place;
    std::string_view caption;          // labels, UTF-8 source text
    Colour foreColor = colours::white; // labels and text boxes
    std::optional<Colour> backColor;   // empty: transparent; shapes: the fill
    FontSpec font;                     // labels and text boxes
    Alignment alignment = Alignment::Left;
    std::string_view pointer; // a named mouse pointer; empty: the default one
    std::string_view tooltip; // UTF-8
    PictureId picture;        // pictures
    bool stretch = false;     // pictures: scaled to the box, else natural size
    int tabIndex = -1;        // text boxes: keyboard focus order

    // UTF-8; what a screen reader names a text box or a picture (a label is named by its
    // caption); empty: no name.
    std::string_view accessibleName;
};

struct WindowSpec {
    std::string_view name;
    std::string_view caption; // UTF-8
    int clientWidth = 0;      // twips
    int clientHeight = 0;     // twips
    PictureId background;     // drawn unscaled from the top-left corner
    std::optional<Colour> backColor;
    bool closeButton = true; // maximise and minimise buttons are never offered
    // Listed back to front: a later element is drawn over an earlier one where they
    // overlap; text boxes are drawn over every label and picture in any case.
    std::span<const ElementSpec> elements;
};

} // namespace toolkit
