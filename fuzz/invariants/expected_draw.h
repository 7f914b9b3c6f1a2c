// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

// What a draw must leave on the clock window, written as tables from the game's rules and
// never derived from the draw's own code, so a fault in the draw cannot hide itself.
namespace game_invariants {

struct DrawnTime {
    int sclt = 0; // 1 or 2
    int h = 0;    // 1 to 12
    int m = 0;    // 1 to 60, 60 on the hour
};

// The time a draw must pick from its random values: the second gives the half-day mode, the
// third the minutes, the fourth the hour (the first is overwritten). Worked exactly: a float
// times a small whole number is exact in double precision.
DrawnTime timeFromRandomValues(float second, float third, float fourth);

// Every control a draw shows or hides; every other control keeps its start-up visibility.
const std::set<std::string>& controlsOfAnExercise();

// The controls of controlsOfAnExercise() that are visible after the draw of this time: the
// answer rows, the neutral face, the two hands and the part-of-day banner.
std::set<std::string> visibleAfterDraw(DrawnTime t);

// A part-of-day banner: the label shown for hours firstHour to lastHour of a half-day mode.
struct Banner {
    int sclt;
    int firstHour;
    int lastHour;
    std::string_view name;
    std::string_view caption; // UTF-8
};

const Banner& bannerFor(DrawnTime t);

// The caption of Label66 after the draw of this time, UTF-8.
std::string_view label66Caption(DrawnTime t);

// The hour words of the exercise state for this time.
std::string_view expectedOra(DrawnTime t);
std::string_view expectedOrameno(DrawnTime t);

// Number of decimal digits of a whole number from 1 to 99.
int digitsOf(int n);

// The thirteen answer boxes, Text1 to Text13.
const std::vector<std::string>& answerBoxNames();

} // namespace game_invariants
