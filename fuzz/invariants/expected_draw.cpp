// SPDX-License-Identifier: GPL-3.0-or-later
#include "expected_draw.h"

#include <array>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace game_invariants {
namespace {

constexpr int onTheHour = 60;
constexpr int twelve = 12;
constexpr int hoursOnTheDial = 12;
constexpr int handsPerFamily = 60;
constexpr int firstHourHand = 61;
constexpr int ticksPerHour = 5;
constexpr int answerBoxes = 13;

bool quarterMinute(int m) {
    return m == 15 || m == 30 || m == 45;
}
bool menoMinute(int m) {
    return m == 35 || m == 40 || m == 50 || m == 55;
}

// The answer-row controls and when each group is visible after a draw.
struct RowRule {
    std::string_view names; // blank-separated
    bool (*visible)(DrawnTime);
};

constexpr std::array rowRules{
    RowRule{"Label62 Text1", [](DrawnTime) { return true; }},
    RowRule{"Label63 Label64 Text2", [](DrawnTime t) { return t.m != onTheHour; }},
    RowRule{"Label74", [](DrawnTime t) { return t.sclt == 1 && t.h == 1; }},
    RowRule{"Label73", [](DrawnTime t) { return !(t.sclt == 1 && t.h == 1); }},
    RowRule{"Label72 Text6 Text5", [](DrawnTime t) { return menoMinute(t.m); }},
    RowRule{"Label82",
            [](DrawnTime t) { return menoMinute(t.m) && (t.sclt == 1 || t.h != twelve); }},
    RowRule{"Label81", [](DrawnTime t) { return menoMinute(t.m) && t.sclt == 2 && t.h == twelve; }},
    RowRule{"Label86 Label88 Text9", [](DrawnTime t) { return t.h == twelve && t.m == onTheHour; }},
    RowRule{"Label67 Label68 Label69 Label70 Text3 Text4",
            [](DrawnTime t) { return quarterMinute(t.m); }},
    RowRule{"Label76", [](DrawnTime t) { return quarterMinute(t.m) && (t.sclt == 2 || t.h > 1); }},
    RowRule{"Label75", [](DrawnTime t) { return quarterMinute(t.m) && t.sclt == 1 && t.h == 1; }},
    RowRule{"Label103 Text11 Label106 Text10",
            [](DrawnTime t) { return quarterMinute(t.m) && t.h == twelve; }},
    RowRule{"Label109 Label87",
            [](DrawnTime t) { return t.h == twelve && (t.m == 30 || t.m == 45); }},
    RowRule{"Label79 Label65 Text7 Text8", [](DrawnTime t) { return t.m == 45; }},
    RowRule{"Label77", [](DrawnTime t) { return t.m == 45 && (t.sclt == 1 || t.h != twelve); }},
    RowRule{"Label78", [](DrawnTime t) { return t.m == 45 && t.sclt == 2 && t.h == twelve; }},
    RowRule{"Label108 Text12 Label107 Text13 Label104 Label105",
            [](DrawnTime t) { return t.m == 45 && t.h == 11; }},
};

// The part-of-day banner of each half-day mode and hours, with the caption it shows (UTF-8;
// Label66 says "È GIORNO" instead at noon on the hour).
constexpr std::array bannerRules{
    Banner{1, 1, 4, "Label110", "È  NOTTE"},     Banner{1, 5, 7, "Label84", "È  L'ALBA"},
    Banner{1, 8, 11, "Label89", "È  MATTINA"},   Banner{1, 12, 12, "Label66", "È POMERIGGIO"},
    Banner{2, 1, 5, "Label71", "È  POMERIGGIO"}, Banner{2, 6, 7, "Label80", "È  IL TRAMONTO"},
    Banner{2, 8, 10, "Label85", "È  SERA"},      Banner{2, 11, 12, "Label90", "È  NOTTE"},
};

// The faces, then the sun and the moon.
constexpr std::array<std::string_view, 5> feedbackPictures{"Image121", "Image122", "Image123",
                                                           "Image125", "Image126"};
constexpr std::string_view neutralFace = "Image122";

constexpr std::array<std::string_view, 24> hourWords{
    "UNA",        "DUE",         "TRE",      "QUATTRO",  "CINQUE",      "SEI",
    "SETTE",      "OTTO",        "NOVE",     "DIECI",    "UNDICI",      "DODICI",
    "TREDICI",    "QUATTORDICI", "QUINDICI", "SEDICI",   "DICIASSETTE", "DICIOTTO",
    "DICIANNOVE", "VENTI",       "VENTUNO",  "VENTIDUE", "VENTITRE",    "VENTIQUATTRO"};

std::vector<std::string> splitNames(std::string_view names) {
    std::vector<std::string> out;
    std::istringstream in{std::string(names)};
    for (std::string name; in >> name;) {
        out.push_back(name);
    }
    return out;
}

std::string imageName(int number) {
    return "Image" + std::to_string(number);
}

// Quarter hours begun: 0 on the hour, 1 for 1 to 15, ... 4 for 46 to 59.
int hourHandStep(int m) {
    if (m == onTheHour) {
        return 0;
    }
    return (m + 14) / 15;
}

int wholeFromOneTo(int count, float r) {
    return static_cast<int>(std::floor(count * static_cast<double>(r) + 1.0));
}

} // namespace

DrawnTime timeFromRandomValues(float second, float third, float fourth) {
    return {.sclt = wholeFromOneTo(2, second),
            .h = wholeFromOneTo(hoursOnTheDial, fourth),
            .m = wholeFromOneTo(onTheHour, third)};
}

const std::set<std::string>& controlsOfAnExercise() {
    static const std::set<std::string> names = [] {
        std::set<std::string> all;
        for (const RowRule& rule : rowRules) {
            for (std::string& name : splitNames(rule.names)) {
                all.insert(std::move(name));
            }
        }
        for (const Banner& banner : bannerRules) {
            all.insert(std::string(banner.name));
        }
        for (int k = 1; k <= 2 * handsPerFamily; ++k) {
            all.insert(imageName(k));
        }
        for (std::string_view name : feedbackPictures) {
            all.insert(std::string(name));
        }
        return all;
    }();
    return names;
}

std::set<std::string> visibleAfterDraw(DrawnTime t) {
    std::set<std::string> visible;
    for (const RowRule& rule : rowRules) {
        if (rule.visible(t)) {
            for (std::string& name : splitNames(rule.names)) {
                visible.insert(std::move(name));
            }
        }
    }
    visible.insert(std::string(bannerFor(t).name));
    visible.insert(imageName(t.m)); // Image60 is the minute hand at twelve
    visible.insert(
        imageName(firstHourHand + ticksPerHour * (t.h % hoursOnTheDial) + hourHandStep(t.m)));
    visible.insert(std::string(neutralFace));
    return visible;
}

const Banner& bannerFor(DrawnTime t) {
    for (const Banner& banner : bannerRules) {
        if (banner.sclt == t.sclt && t.h >= banner.firstHour && t.h <= banner.lastHour) {
            return banner;
        }
    }
    throw std::logic_error("no banner for this time");
}

std::string_view label66Caption(DrawnTime t) {
    if (t.sclt == 1 && t.h == twelve && t.m == onTheHour) {
        return "È GIORNO";
    }
    return "È POMERIGGIO";
}

std::string_view expectedOra(DrawnTime t) {
    return hourWords[t.h + hoursOnTheDial * (t.sclt - 1) - 1];
}

std::string_view expectedOrameno(DrawnTime t) {
    const int next = t.h + 1 + hoursOnTheDial * (t.sclt - 1);
    return hourWords[next > static_cast<int>(hourWords.size()) ? 0 : next - 1];
}

int digitsOf(int n) {
    return n >= 10 ? 2 : 1;
}

const std::vector<std::string>& answerBoxNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (int k = 1; k <= answerBoxes; ++k) {
            all.push_back("Text" + std::to_string(k));
        }
        return all;
    }();
    return names;
}

} // namespace game_invariants
