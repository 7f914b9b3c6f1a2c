// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1_layout.h"

#include "assets/hand_geometry.h"
#include "form1_layout_dial.h"
#include "form1_layout_hands.h"
#include "form1_layout_panel.h"
#include "form1_layout_stacking.h"
#include "window_caption.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace clock_window {
namespace {

using toolkit::ElementSpec;

constexpr int clientWidth = 11880;
constexpr int clientHeight = 8490;

template <std::size_t... Sizes>
constexpr std::array<ElementSpec, (Sizes + ...)>
joined(const std::array<ElementSpec, Sizes>&... tables) {
    std::array<ElementSpec, (Sizes + ...)> all{};
    std::size_t next = 0;
    ((std::copy(tables.begin(), tables.end(), all.begin() + next), next += Sizes), ...);
    return all;
}

namespace tables = layout_tables;

constexpr auto allElements =
    joined(tables::minuteNumbers, tables::hourNumbers, tables::partOfDayBanners, tables::dialCentre,
           tables::instructionTexts, tables::answerBoxes, tables::panelLabels,
           tables::panelPictures, tables::minuteHands, tables::hourHands);

static_assert(allElements.size() == tables::backToFront.size());

// Every element's name is a kind and a number; each name has a slot of its own, so the
// stacking check below looks names up in one step and stays cheap to evaluate at compile time.
constexpr std::array<std::string_view, 4> elementKinds{"Label", "Image", "Text", "Shape"};
constexpr std::size_t numbersPerKind = 128;
constexpr std::size_t nameSlots = elementKinds.size() * numbersPerKind;
constexpr std::size_t noElement = allElements.size();

constexpr std::size_t slotOf(std::string_view name) {
    for (std::size_t kind = 0; kind < elementKinds.size(); ++kind) {
        if (!name.starts_with(elementKinds[kind])) {
            continue;
        }
        const std::string_view digits = name.substr(elementKinds[kind].size());
        std::size_t number = 0;
        for (const char digit : digits) {
            if (digit < '0' || digit > '9') {
                throw std::logic_error("an element name is not a kind and a number");
            }
            number = number * 10 + static_cast<std::size_t>(digit - '0');
        }
        if (digits.empty() || number >= numbersPerKind) {
            throw std::logic_error("an element number is out of range");
        }
        return kind * numbersPerKind + number;
    }
    throw std::logic_error("an element name has an unknown kind");
}

// Throwing here stops the compilation: the stacking order must name every element once.
constexpr std::array<ElementSpec, allElements.size()> stacked() {
    std::array<std::size_t, nameSlots> elementInSlot{};
    elementInSlot.fill(noElement);
    for (std::size_t index = 0; index < allElements.size(); ++index) {
        std::size_t& slot = elementInSlot[slotOf(allElements[index].name)];
        if (slot != noElement) {
            throw std::logic_error("two elements share a name");
        }
        slot = index;
    }
    std::array<bool, nameSlots> stackedAlready{};
    std::array<ElementSpec, allElements.size()> result{};
    for (std::size_t position = 0; position < tables::backToFront.size(); ++position) {
        const std::size_t slot = slotOf(tables::backToFront[position]);
        if (stackedAlready[slot]) {
            throw std::logic_error("an element is stacked twice");
        }
        if (elementInSlot[slot] == noElement) {
            throw std::logic_error("a stacked name is no element");
        }
        stackedAlready[slot] = true;
        result[position] = allElements[elementInSlot[slot]];
    }
    return result;
}

constexpr auto stackedElements = stacked();

bool isHand(const ElementSpec& element) {
    return element.picture.name == layout_rows::minuteHandPicture ||
           element.picture.name == layout_rows::hourHandPicture;
}

toolkit::Place handPlace(const toolkit::PictureId& picture) {
    const assets::HandKind kind = picture.name == layout_rows::minuteHandPicture
                                      ? assets::HandKind::Minute
                                      : assets::HandKind::Hour;
    const assets::PixelBox box = assets::handPictureBox(kind, picture.index);
    return {box.left * toolkit::twipsPerPixel, box.top * toolkit::twipsPerPixel,
            box.width * toolkit::twipsPerPixel, box.height * toolkit::twipsPerPixel};
}

const std::array<ElementSpec, allElements.size()>& placedElements() {
    static const auto placed = [] {
        auto elements = stackedElements;
        for (ElementSpec& element : elements) {
            if (isHand(element)) {
                element.place = handPlace(element.picture);
            }
        }
        return elements;
    }();
    return placed;
}

} // namespace

const toolkit::WindowSpec& form1Layout() {
    static const toolkit::WindowSpec spec{.name = "Form1",
                                          .caption = windowCaption,
                                          .clientWidth = clientWidth,
                                          .clientHeight = clientHeight,
                                          .background = {"dial-background", 0},
                                          .closeButton = true,
                                          .elements = placedElements()};
    return spec;
}

} // namespace clock_window
