#include "form1_layout.h"

#include "assets/hand_geometry.h"
#include "credits_window/contacts.h"
#include "form1_layout_dial.h"
#include "form1_layout_hands.h"
#include "form1_layout_panel.h"
#include "form1_layout_stacking.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>

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

// Throwing here stops the compilation: the stacking order must name every element once.
constexpr std::array<ElementSpec, allElements.size()> stacked() {
    std::array<ElementSpec, allElements.size()> result{};
    for (std::size_t position = 0; position < tables::backToFront.size(); ++position) {
        const std::string_view name = tables::backToFront[position];
        for (std::size_t earlier = 0; earlier < position; ++earlier) {
            if (tables::backToFront[earlier] == name) {
                throw std::logic_error("an element is stacked twice");
            }
        }
        std::size_t matches = 0;
        for (const ElementSpec& element : allElements) {
            if (element.name == name) {
                result[position] = element;
                ++matches;
            }
        }
        if (matches != 1) {
            throw std::logic_error("a stacked name is not exactly one element");
        }
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
                                          .caption = credits_window::contacts::windowCaption,
                                          .clientWidth = clientWidth,
                                          .clientHeight = clientHeight,
                                          .background = {"dial-background", 0},
                                          .closeButton = true,
                                          .elements = placedElements()};
    return spec;
}

} // namespace clock_window
