// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the clock window shows at start-up, written down from the game's description and never
// derived from the code under test; what a draw shows is game_invariants' (expected_draw.h).

#include "visible_elements.h"

#include "expected_draw.h"

#include "support/clock_window_fixture.h"

#include <array>
#include <set>
#include <string>
#include <string_view>

namespace draw_test {

using clock_test::Time;

// The static part: what start-up leaves visible and no draw touches.
inline std::set<std::string> staticPart() {
    std::set<std::string> names{"Label61", "Label111", "Label83", "Image124", "Shape1"};
    for (int k = 1; k <= 60; ++k) {
        names.insert("Label" + std::to_string(k)); // the minute numbers
    }
    for (int k = 91; k <= 102; ++k) {
        names.insert("Label" + std::to_string(k)); // the hour numbers 13 to 24
    }
    return names;
}

// The elements start-up hides by name: banners, answer panel, faces, sun and moon.
inline constexpr std::array<std::string_view, 54> hiddenAtStartUp{
    "Label84",  "Label89",  "Label66",  "Label71",  "Label80",  "Label85",  "Label90",  "Label110",
    "Label87",  "Image125", "Image126", "Label65",  "Label107", "Label108", "Label109", "Label104",
    "Label105", "Text12",   "Text13",   "Label103", "Text11",   "Label106", "Text10",   "Label88",
    "Text9",    "Label86",  "Label81",  "Label82",  "Label77",  "Label78",  "Label79",  "Text7",
    "Text8",    "Label75",  "Label76",  "Label67",  "Label68",  "Label69",  "Label70",  "Text3",
    "Text4",    "Image121", "Image122", "Image123", "Label62",  "Label63",  "Label64",  "Text1",
    "Text2",    "Label73",  "Label74",  "Label72",  "Text6",    "Text5"};

// Every element visible after the draw of t: the static part and what the draw shows.
inline std::set<std::string> windowVisibleAfterDraw(Time t) {
    std::set<std::string> names = staticPart();
    names.merge(game_invariants::visibleAfterDraw(t));
    return names;
}

} // namespace draw_test
