// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1_layout_rows.h"

#include <array>

// The dial of the clock window: numbers round it, banners on it, the alarm clock and the
// disc at its centre. The dial centre is (4200, 4200) twips.
namespace clock_window::layout_tables {

using namespace layout_rows;
using toolkit::colours::white;
using toolkit::colours::yellow;

// Centred within 75 twips of the point at 6k degrees clockwise from up on the circle of
// radius 4130 about the dial centre, clamped to the client area: the numbers at the left
// and top touch its edges.
inline constexpr std::array<ElementSpec, 60> minuteNumbers = {
    minuteNumber("Label1", "1", 4520, 0, white),
    minuteNumber("Label2", "2", 4960, 60, white),
    minuteNumber("Label3", "3", 5340, 180, white),
    minuteNumber("Label4", "4", 5720, 320, white),
    minuteNumber("Label5", "5", 6120, 500, yellow),
    minuteNumber("Label6", "6", 6500, 731, white),
    minuteNumber("Label7", "7", 6836, 1003, white),
    minuteNumber("Label8", "8", 7142, 1309, white),
    minuteNumber("Label9", "9", 7414, 1645, white),
    minuteNumber("Label10", "10", 7680, 2040, yellow),
    minuteNumber("Label11", "11", 7845, 2393, white),
    minuteNumber("Label12", "12", 8000, 2796, white),
    minuteNumber("Label13", "13", 8112, 3214, white),
    minuteNumber("Label14", "14", 8180, 3641, white),
    minuteNumber("Label15", "15", 8240, 4035, yellow),
    minuteNumber("Label16", "16", 8180, 4504, white),
    minuteNumber("Label17", "17", 8112, 4931, white),
    minuteNumber("Label18", "18", 8000, 5349, white),
    minuteNumber("Label19", "19", 7845, 5752, white),
    minuteNumber("Label20", "20", 7720, 6120, yellow),
    minuteNumber("Label21", "21", 7414, 6500, white),
    minuteNumber("Label22", "22", 7142, 6836, white),
    minuteNumber("Label23", "23", 6836, 7142, white),
    minuteNumber("Label24", "24", 6500, 7414, white),
    minuteNumber("Label25", "25", 6120, 7680, yellow),
    minuteNumber("Label26", "26", 5752, 7845, white),
    minuteNumber("Label27", "27", 5349, 8000, white),
    minuteNumber("Label28", "28", 4931, 8112, white),
    minuteNumber("Label29", "29", 4504, 8180, white),
    minuteNumber("Label30", "30", 4040, 8200, yellow),
    minuteNumber("Label31", "31", 3641, 8180, white),
    minuteNumber("Label32", "32", 3214, 8112, white),
    minuteNumber("Label33", "33", 2796, 8000, white),
    minuteNumber("Label34", "34", 2393, 7845, white),
    minuteNumber("Label35", "35", 2040, 7700, yellow),
    minuteNumber("Label36", "36", 1645, 7414, white),
    minuteNumber("Label37", "37", 1309, 7142, white),
    minuteNumber("Label38", "38", 1003, 6836, white),
    minuteNumber("Label39", "39", 731, 6500, white),
    minuteNumber("Label40", "40", 480, 6120, yellow),
    minuteNumber("Label41", "41", 300, 5752, white),
    minuteNumber("Label42", "42", 145, 5349, white),
    minuteNumber("Label43", "43", 0, 4931, white),
    minuteNumber("Label44", "44", 0, 4504, white),
    minuteNumber("Label45", "45", 0, 4035, yellow),
    minuteNumber("Label46", "46", 0, 3641, white),
    minuteNumber("Label47", "47", 33, 3214, white),
    minuteNumber("Label48", "48", 145, 2796, white),
    minuteNumber("Label49", "49", 300, 2393, white),
    minuteNumber("Label50", "50", 500, 1980, yellow),
    minuteNumber("Label51", "51", 731, 1645, white),
    minuteNumber("Label52", "52", 1003, 1309, white),
    minuteNumber("Label53", "53", 1309, 1003, white),
    minuteNumber("Label54", "54", 1645, 731, white),
    minuteNumber("Label55", "55", 1980, 500, yellow),
    minuteNumber("Label56", "56", 2393, 300, white),
    minuteNumber("Label57", "57", 2796, 145, white),
    minuteNumber("Label58", "58", 3214, 33, white),
    minuteNumber("Label59", "59", 3641, 0, white),
    minuteNumber("Label60", "60", 4080, 0, yellow),
};

// The afternoon and night hours on an inner circle; the numerals 1 to 12 belong to the
// background picture.
inline constexpr std::array<ElementSpec, 12> hourNumbers = {
    hourNumber("Label91", "24", 3960, 960),   hourNumber("Label92", "13", 5400, 1560),
    hourNumber("Label93", "14", 6360, 2520),  hourNumber("Label94", "15", 6840, 3960),
    hourNumber("Label95", "16", 6600, 5520),  hourNumber("Label96", "17", 5400, 6600),
    hourNumber("Label97", "18", 3960, 6960),  hourNumber("Label98", "19", 2520, 6480),
    hourNumber("Label99", "20", 1440, 5400),  hourNumber("Label100", "21", 1080, 3960),
    hourNumber("Label101", "22", 1440, 2520), hourNumber("Label102", "23", 2520, 1440),
};

// The part of the day, all at one place on the upper half of the face. Label66's caption
// is rewritten by every draw that shows it.
inline constexpr std::array<ElementSpec, 8> partOfDayBanners = {
    banner("Label110", "È  NOTTE", 2400, 2400, 4095),
    banner("Label84", "È  L'ALBA", 2400, 2400, 4095),
    banner("Label89", "È  MATTINA", 2520, 2400, 3975),
    banner("Label66", "È   POMERIGGIO", 2400, 2400, 4095),
    banner("Label71", "È  POMERIGGIO", 2400, 2400, 3975),
    banner("Label80", "È  IL TRAMONTO", 2400, 2400, 4095),
    banner("Label85", "È  SERA", 2520, 2400, 4095),
    banner("Label90", "È  NOTTE", 2400, 2400, 4095),
};

inline constexpr std::array<ElementSpec, 2> dialCentre = {{
    {.name = "Image124",
     .kind = ElementKind::Picture,
     .place = {3600, 3480, 1185, 1140},
     .pointer = pointingHand,
     .tooltip = "TI DÒ LE ORE",
     .picture = {"alarm-clock", 0},
     .stretch = true,
     .accessibleName = "SVEGLIETTA"},
    {.name = "Shape1",
     .kind = ElementKind::Shape,
     .place = {3720, 3600, 1095, 1095},
     .backColor = purple},
}};

} // namespace clock_window::layout_tables
