#pragma once

// What the clock window must show, written down as tables from the game's description and
// never derived from the code under test.

#include "visible_elements.h"

#include "support/clock_window_fixture.h"

#include <array>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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

inline constexpr std::array<std::string_view, 13> answerBoxNames{
    "Text1", "Text2", "Text3",  "Text4",  "Text5",  "Text6", "Text7",
    "Text8", "Text9", "Text10", "Text11", "Text12", "Text13"};

inline bool isQuarter(int m) {
    return m == 15 || m == 30 || m == 45;
}
inline bool isMenoMinute(int m) {
    return m == 35 || m == 40 || m == 50 || m == 55;
}

// Final visibility of the answer panel after a draw: each control is visible exactly when
// its condition holds.
struct VisibilityRule {
    std::vector<std::string_view> controls;
    bool (*visibleWhen)(Time);
};

inline const std::vector<VisibilityRule>& answerPanelVisibility() {
    static const std::vector<VisibilityRule> rules{
        {{"Label62", "Text1"}, [](Time) { return true; }},
        {{"Label63", "Label64", "Text2"}, [](Time t) { return t.m != 60; }},
        {{"Label74"}, [](Time t) { return t.sclt == 1 && t.h == 1; }},
        {{"Label73"}, [](Time t) { return !(t.sclt == 1 && t.h == 1); }},
        {{"Label72", "Text6", "Text5"}, [](Time t) { return isMenoMinute(t.m); }},
        {{"Label82"}, [](Time t) { return isMenoMinute(t.m) && (t.sclt == 1 || t.h != 12); }},
        {{"Label81"}, [](Time t) { return isMenoMinute(t.m) && t.sclt == 2 && t.h == 12; }},
        {{"Label86", "Label88", "Text9"}, [](Time t) { return t.h == 12 && t.m == 60; }},
        {{"Label67", "Label68", "Label69", "Label70", "Text3", "Text4"},
         [](Time t) { return isQuarter(t.m); }},
        {{"Label76"}, [](Time t) { return isQuarter(t.m) && (t.sclt == 2 || t.h > 1); }},
        {{"Label75"}, [](Time t) { return isQuarter(t.m) && t.sclt == 1 && t.h == 1; }},
        {{"Label103", "Text11", "Label106", "Text10"},
         [](Time t) { return isQuarter(t.m) && t.h == 12; }},
        {{"Label109", "Label87"}, [](Time t) { return t.h == 12 && (t.m == 30 || t.m == 45); }},
        {{"Label79", "Label65", "Text7", "Text8"}, [](Time t) { return t.m == 45; }},
        {{"Label77"}, [](Time t) { return t.m == 45 && (t.sclt == 1 || t.h != 12); }},
        {{"Label78"}, [](Time t) { return t.m == 45 && t.sclt == 2 && t.h == 12; }},
        {{"Label108", "Text12", "Label107", "Text13", "Label104", "Label105"},
         [](Time t) { return t.m == 45 && t.h == 11; }},
    };
    return rules;
}

// The part-of-day banner of each mode and hour, with the caption it shows (UTF-8).
struct BannerRule {
    int sclt;
    int firstHour;
    int lastHour;
    std::string_view label;
    std::string_view caption;
};

inline constexpr std::array<BannerRule, 8> banners{{
    {1, 1, 4, "Label110", "È  NOTTE"},
    {1, 5, 7, "Label84", "È  L'ALBA"},
    {1, 8, 11, "Label89", "È  MATTINA"},
    {1, 12, 12, "Label66", "È POMERIGGIO"}, // "È GIORNO" on the hour
    {2, 1, 5, "Label71", "È  POMERIGGIO"},
    {2, 6, 7, "Label80", "È  IL TRAMONTO"},
    {2, 8, 10, "Label85", "È  SERA"},
    {2, 11, 12, "Label90", "È  NOTTE"},
}};

inline const BannerRule& bannerFor(Time t) {
    for (const BannerRule& rule : banners) {
        if (rule.sclt == t.sclt && t.h >= rule.firstHour && t.h <= rule.lastHour) {
            return rule;
        }
    }
    throw std::logic_error("no banner for this time");
}

// Label66's caption after a draw, shown or not.
inline std::string_view label66CaptionAfter(Time t) {
    return t.sclt == 1 && t.h == 12 && t.m == 60 ? "È GIORNO" : "È POMERIGGIO";
}

struct HourWords {
    std::string_view oraFirstHalf, oramenoFirstHalf, oraSecondHalf, oramenoSecondHalf;
};

// Row h - 1 holds the words of hour h.
inline constexpr std::array<HourWords, 12> hourWords{{
    {"UNA", "DUE", "TREDICI", "QUATTORDICI"},
    {"DUE", "TRE", "QUATTORDICI", "QUINDICI"},
    {"TRE", "QUATTRO", "QUINDICI", "SEDICI"},
    {"QUATTRO", "CINQUE", "SEDICI", "DICIASSETTE"},
    {"CINQUE", "SEI", "DICIASSETTE", "DICIOTTO"},
    {"SEI", "SETTE", "DICIOTTO", "DICIANNOVE"},
    {"SETTE", "OTTO", "DICIANNOVE", "VENTI"},
    {"OTTO", "NOVE", "VENTI", "VENTUNO"},
    {"NOVE", "DIECI", "VENTUNO", "VENTIDUE"},
    {"DIECI", "UNDICI", "VENTIDUE", "VENTITRE"},
    {"UNDICI", "DODICI", "VENTITRE", "VENTIQUATTRO"},
    {"DODICI", "TREDICI", "VENTIQUATTRO", "UNA"},
}};

inline std::string_view oraFor(Time t) {
    const HourWords& words = hourWords[t.h - 1];
    return t.sclt == 1 ? words.oraFirstHalf : words.oraSecondHalf;
}

inline std::string_view oramenoFor(Time t) {
    const HourWords& words = hourWords[t.h - 1];
    return t.sclt == 1 ? words.oramenoFirstHalf : words.oramenoSecondHalf;
}

// How far the hour hand stands past the hour mark, by minutes.
struct HourHandStep {
    int firstMinute;
    int lastMinute;
    int step;
};

inline constexpr std::array<HourHandStep, 5> hourHandSteps{{
    {60, 60, 0},
    {1, 15, 1},
    {16, 30, 2},
    {31, 45, 3},
    {46, 59, 4},
}};

inline int hourHandStepFor(int m) {
    for (const HourHandStep& range : hourHandSteps) {
        if (m >= range.firstMinute && m <= range.lastMinute) {
            return range.step;
        }
    }
    throw std::logic_error("no hour-hand step for these minutes");
}

inline std::string minuteHandFor(Time t) {
    return imageName(t.m);
}
inline std::string hourHandFor(Time t) {
    return imageName(61 + 5 * (t.h % 12) + hourHandStepFor(t.m));
}

// Number of digits of the minutes and of the dial's hour.
inline float digitsOf(int number) {
    return number <= 9 ? 1.0f : 2.0f;
}

// Every element visible after the draw of t.
inline std::set<std::string> visibleAfterDraw(Time t) {
    std::set<std::string> names = staticPart();
    for (const VisibilityRule& rule : answerPanelVisibility()) {
        if (rule.visibleWhen(t)) {
            names.insert(rule.controls.begin(), rule.controls.end());
        }
    }
    names.insert(std::string(bannerFor(t).label));
    names.insert("Image122"); // the neutral face
    names.insert(minuteHandFor(t));
    names.insert(hourHandFor(t));
    return names;
}

} // namespace draw_test
