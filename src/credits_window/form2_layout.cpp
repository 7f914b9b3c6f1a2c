// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2_layout.h"

#include "contacts.h"

#include "clock_window/window_caption.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace credits_window {
namespace {

using toolkit::Alignment;
using toolkit::ElementKind;
using toolkit::ElementSpec;

constexpr std::string_view tahoma = "Tahoma";
constexpr toolkit::Colour lightGrey = 0x00E0E0E0;

// The web address is shown with one blank after it.
constexpr auto webAddressText = [] {
    std::array<char, contacts::webAddress.size() + 1> text{};
    std::ranges::copy(contacts::webAddress, text.begin());
    text.back() = ' ';
    return text;
}();
constexpr std::string_view webAddressCaption{webAddressText.data(), webAddressText.size()};

constexpr ElementSpec creditsLabel(std::string_view name, toolkit::Place place,
                                   toolkit::FontSpec font, std::string_view caption) {
    return ElementSpec{.name = name,
                       .kind = ElementKind::Label,
                       .place = place,
                       .caption = caption,
                       .foreColor = toolkit::colours::white,
                       .font = font,
                       .alignment = Alignment::Centre};
}

// Label2 is wider than the window and starts left of it; its centred text still stands
// near the middle.
constexpr std::array<ElementSpec, 6> form2Elements = [] {
    std::array<ElementSpec, 6> elements{
        creditsLabel("Label2", {-720, 120, 6495, 495}, {tahoma, 12, true}, webAddressCaption),
        creditsLabel("Label3", {120, 600, 4575, 855}, {tahoma, 14.25, true},
                     "         Programmi freeware          per la scuola primaria"),
        creditsLabel("Label6", {240, 1560, 4455, 495}, {tahoma, 8.25, false},
                     "In caso di riscontro di errori, preghiamo cortesemente di contattarci:"),
        creditsLabel("Label4", {120, 2160, 4575, 255}, {tahoma, 8.25, true}, contacts::firstEmail),
        creditsLabel("Label5", {120, 2520, 4575, 255}, {tahoma, 8.25, true}, contacts::secondEmail),
        creditsLabel("Label1", {2040, 2880, 735, 495}, {tahoma, 20.25, true}, "OK"),
    };
    elements.back().pointer = "pointing-hand";
    return elements;
}();

// The 324 x 243 chalkboard is drawn unscaled into a 322 x 240 client area: its last two
// columns and three rows fall outside.
constexpr toolkit::WindowSpec form2Spec{.name = "Form2",
                                        .caption = clock_window::windowCaption,
                                        .clientWidth = 4830,
                                        .clientHeight = 3600,
                                        .background = {"chalkboard"},
                                        .backColor = lightGrey,
                                        .closeButton = false,
                                        .elements = form2Elements};

} // namespace

const toolkit::WindowSpec& form2Layout() {
    return form2Spec;
}

} // namespace credits_window
