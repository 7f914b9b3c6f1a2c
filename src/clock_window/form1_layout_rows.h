// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/layout.h"

#include <string_view>

// Row makers and shared values for the clock window's layout tables, so that each table
// row reads as the one element it describes.
namespace clock_window::layout_rows {

using toolkit::Alignment;
using toolkit::Colour;
using toolkit::ElementKind;
using toolkit::ElementSpec;
using toolkit::FontSpec;
using toolkit::Place;

inline constexpr Colour purple = 0x00C000C0;
inline constexpr Colour pink = 0x00FF80FF;

inline constexpr std::string_view pointingHand = "pointing-hand";
inline constexpr std::string_view writingHand = "writing-hand";

inline constexpr std::string_view msSansSerif = "MS Sans Serif";
inline constexpr std::string_view tahoma = "Tahoma";
inline constexpr std::string_view timesNewRoman = "Times New Roman";

inline constexpr int minuteNumberSide = 255;
inline constexpr int hourNumberSide = 495;
inline constexpr int bannerHeight = 495;

constexpr ElementSpec minuteNumber(std::string_view name, std::string_view caption, int left,
                                   int top, Colour colour) {
    return {.name = name,
            .kind = ElementKind::Label,
            .place = {left, top, minuteNumberSide, minuteNumberSide},
            .caption = caption,
            .foreColor = colour,
            .font = {msSansSerif, 9.75, true},
            .alignment = Alignment::Centre};
}

constexpr ElementSpec hourNumber(std::string_view name, std::string_view caption, int left,
                                 int top) {
    return {.name = name,
            .kind = ElementKind::Label,
            .place = {left, top, hourNumberSide, hourNumberSide},
            .caption = caption,
            .font = {msSansSerif, 18, false},
            .alignment = Alignment::Centre};
}

constexpr ElementSpec banner(std::string_view name, std::string_view caption, int left, int top,
                             int width) {
    return {.name = name,
            .kind = ElementKind::Label,
            .place = {left, top, width, bannerHeight},
            .caption = caption,
            .foreColor = toolkit::colours::black,
            .font = {timesNewRoman, 20.25, true},
            .alignment = Alignment::Centre};
}

// A bold white label on the window, transparent unless given a back colour.
constexpr ElementSpec panelLabel(std::string_view name, std::string_view caption, Place place,
                                 FontSpec font, Alignment alignment) {
    return {.name = name,
            .kind = ElementKind::Label,
            .place = place,
            .caption = caption,
            .font = font,
            .alignment = alignment};
}

// The white "È" on a blue square before the first box of a noon row.
constexpr ElementSpec opaqueLabel(std::string_view name, std::string_view caption, Place place,
                                  FontSpec font, Colour back) {
    ElementSpec spec = panelLabel(name, caption, place, font, Alignment::Centre);
    spec.backColor = back;
    return spec;
}

// An answer box is named after what goes in it, never after the answer.
constexpr ElementSpec answerBox(std::string_view name, Place place, Colour text, double points,
                                int tabIndex, std::string_view accessibleName) {
    return {.name = name,
            .kind = ElementKind::TextBox,
            .place = place,
            .foreColor = text,
            .backColor = toolkit::colours::blue,
            .font = {timesNewRoman, points, true},
            .alignment = Alignment::Centre,
            .pointer = writingHand,
            .tabIndex = tabIndex,
            .accessibleName = accessibleName};
}

constexpr ElementSpec stretchedPicture(std::string_view name, std::string_view picture, Place place,
                                       std::string_view accessibleName) {
    return {.name = name,
            .kind = ElementKind::Picture,
            .place = place,
            .picture = {picture, 0},
            .stretch = true,
            .accessibleName = accessibleName};
}

inline constexpr std::string_view minuteHandPicture = "minute-hand";
inline constexpr std::string_view hourHandPicture = "hour-hand";

// Hands stand at natural size with their pivot on the dial centre; their places come from
// the hand geometry when the layout is assembled.
constexpr ElementSpec minuteHand(std::string_view name, int tick) {
    return {.name = name, .kind = ElementKind::Picture, .picture = {minuteHandPicture, tick}};
}

constexpr ElementSpec hourHand(std::string_view name, int tick) {
    return {.name = name, .kind = ElementKind::Picture, .picture = {hourHandPicture, tick}};
}

} // namespace clock_window::layout_rows
