// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The values of the exercise state that the draw of a new time and the answer rows compare
// with.
namespace clock_window::time_of_day {

// sclt, the half-day mode.
inline constexpr float firstHalfOfDay = 1;  // hours 1 to 12, 12 being noon
inline constexpr float secondHalfOfDay = 2; // hours 13 to 24, 24 being midnight

// h, the hour on the dial.
inline constexpr int hoursOnTheDial = 12;
inline constexpr int oneOClock = 1;
inline constexpr int nineOClock = 9;
inline constexpr int elevenOClock = 11;
inline constexpr int twelveOClock = 12;

// m, the minutes: 60 stands for on the hour, never 0.
inline constexpr int minutesPerHour = 60;
inline constexpr int onTheHour = 60;
inline constexpr int quarterPast = 15;
inline constexpr int halfPast = 30;
inline constexpr int twentyFiveTo = 35;
inline constexpr int twentyTo = 40;
inline constexpr int quarterTo = 45;
inline constexpr int tenTo = 50;
inline constexpr int fiveTo = 55;

} // namespace clock_window::time_of_day
