// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1_layout_rows.h"

#include <array>

// The 120 hands, without places: those come from the hand geometry. Image k points at
// minute k (Image60 at 12); Image 61 + t stands on tick t.
namespace clock_window::layout_tables {

using namespace layout_rows;

inline constexpr std::array<ElementSpec, 60> minuteHands = {
    minuteHand("Image1", 1),   minuteHand("Image2", 2),   minuteHand("Image3", 3),
    minuteHand("Image4", 4),   minuteHand("Image5", 5),   minuteHand("Image6", 6),
    minuteHand("Image7", 7),   minuteHand("Image8", 8),   minuteHand("Image9", 9),
    minuteHand("Image10", 10), minuteHand("Image11", 11), minuteHand("Image12", 12),
    minuteHand("Image13", 13), minuteHand("Image14", 14), minuteHand("Image15", 15),
    minuteHand("Image16", 16), minuteHand("Image17", 17), minuteHand("Image18", 18),
    minuteHand("Image19", 19), minuteHand("Image20", 20), minuteHand("Image21", 21),
    minuteHand("Image22", 22), minuteHand("Image23", 23), minuteHand("Image24", 24),
    minuteHand("Image25", 25), minuteHand("Image26", 26), minuteHand("Image27", 27),
    minuteHand("Image28", 28), minuteHand("Image29", 29), minuteHand("Image30", 30),
    minuteHand("Image31", 31), minuteHand("Image32", 32), minuteHand("Image33", 33),
    minuteHand("Image34", 34), minuteHand("Image35", 35), minuteHand("Image36", 36),
    minuteHand("Image37", 37), minuteHand("Image38", 38), minuteHand("Image39", 39),
    minuteHand("Image40", 40), minuteHand("Image41", 41), minuteHand("Image42", 42),
    minuteHand("Image43", 43), minuteHand("Image44", 44), minuteHand("Image45", 45),
    minuteHand("Image46", 46), minuteHand("Image47", 47), minuteHand("Image48", 48),
    minuteHand("Image49", 49), minuteHand("Image50", 50), minuteHand("Image51", 51),
    minuteHand("Image52", 52), minuteHand("Image53", 53), minuteHand("Image54", 54),
    minuteHand("Image55", 55), minuteHand("Image56", 56), minuteHand("Image57", 57),
    minuteHand("Image58", 58), minuteHand("Image59", 59), minuteHand("Image60", 0),
};

inline constexpr std::array<ElementSpec, 60> hourHands = {
    hourHand("Image61", 0),   hourHand("Image62", 1),   hourHand("Image63", 2),
    hourHand("Image64", 3),   hourHand("Image65", 4),   hourHand("Image66", 5),
    hourHand("Image67", 6),   hourHand("Image68", 7),   hourHand("Image69", 8),
    hourHand("Image70", 9),   hourHand("Image71", 10),  hourHand("Image72", 11),
    hourHand("Image73", 12),  hourHand("Image74", 13),  hourHand("Image75", 14),
    hourHand("Image76", 15),  hourHand("Image77", 16),  hourHand("Image78", 17),
    hourHand("Image79", 18),  hourHand("Image80", 19),  hourHand("Image81", 20),
    hourHand("Image82", 21),  hourHand("Image83", 22),  hourHand("Image84", 23),
    hourHand("Image85", 24),  hourHand("Image86", 25),  hourHand("Image87", 26),
    hourHand("Image88", 27),  hourHand("Image89", 28),  hourHand("Image90", 29),
    hourHand("Image91", 30),  hourHand("Image92", 31),  hourHand("Image93", 32),
    hourHand("Image94", 33),  hourHand("Image95", 34),  hourHand("Image96", 35),
    hourHand("Image97", 36),  hourHand("Image98", 37),  hourHand("Image99", 38),
    hourHand("Image100", 39), hourHand("Image101", 40), hourHand("Image102", 41),
    hourHand("Image103", 42), hourHand("Image104", 43), hourHand("Image105", 44),
    hourHand("Image106", 45), hourHand("Image107", 46), hourHand("Image108", 47),
    hourHand("Image109", 48), hourHand("Image110", 49), hourHand("Image111", 50),
    hourHand("Image112", 51), hourHand("Image113", 52), hourHand("Image114", 53),
    hourHand("Image115", 54), hourHand("Image116", 55), hourHand("Image117", 56),
    hourHand("Image118", 57), hourHand("Image119", 58), hourHand("Image120", 59),
};

} // namespace clock_window::layout_tables
