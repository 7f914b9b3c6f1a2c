// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_observer.h"

#include "toolkit/runtime.h"
#include "toolkit/windows1252.h"

#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <utility>
#include <variant>

namespace game_invariants {
namespace {

constexpr std::size_t shownTextLength = 40;
constexpr int onTheHour = 60;
constexpr int twelve = 12;
constexpr int firstHourAfterNoon = 13;

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// Long pasted texts are cut for messages.
std::string shown(const std::string& text) {
    std::string out(1, '"');
    out.append(text, 0, shownTextLength);
    out += '"';
    if (text.size() > shownTextLength) {
        out += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return out;
}

std::string describe(const clock_window::ExerciseState& e) {
    return "sclt " + std::to_string(e.sclt) + " h " + std::to_string(e.h) + " m " +
           std::to_string(e.m) + " lenm " + std::to_string(e.lenm) + " lenh " +
           std::to_string(e.lenh) + " ora " + e.ora + " orameno " + e.orameno;
}

bool sameExercise(const clock_window::ExerciseState& a, const clock_window::ExerciseState& b) {
    return a.sclt == b.sclt && a.m == b.m && a.h == b.h && a.lenm == b.lenm && a.lenh == b.lenh &&
           a.ora == b.ora && a.orameno == b.orameno;
}

// Element names and their places in a layout, worked out once per layout: observers are
// built for every fuzz input.
struct LayoutIndex {
    const toolkit::WindowSpec* spec = nullptr;
    std::unordered_map<std::string_view, std::size_t> byName;
    std::vector<std::string> names;
};

const LayoutIndex& layoutIndex(const toolkit::WindowSpec& spec) {
    static LayoutIndex index;
    if (index.spec != &spec) {
        index = LayoutIndex{.spec = &spec};
        for (const toolkit::ElementSpec& element : spec.elements) {
            index.byName.emplace(element.name, index.names.size());
            index.names.emplace_back(element.name);
        }
    }
    return index;
}

// The answer rows, each as its boxes with the number a digit box must hold for this time.
// Word boxes have no number: a row of words is made right by its locks, since a word box
// locks only on an answer its own rules accept.
struct RowBox {
    std::string_view name;
    int (*expectedNumber)(const DrawnTime&); // null for a word box
};
using AnswerRow = std::vector<RowBox>;

int expectedHour(const DrawnTime& t) {
    return t.sclt == 1 ? t.h : t.h + twelve;
}
int expectedMinutes(const DrawnTime& t) {
    return t.m == onTheHour ? 0 : t.m; // on the hour the minutes box is hidden and empty
}
int expectedNextHour(const DrawnTime& t) {
    if (t.h == twelve) {
        return t.sclt == 1 ? firstHourAfterNoon : 1;
    }
    return expectedHour(t) + 1;
}
int expectedMinutesToGo(const DrawnTime& t) {
    return onTheHour - t.m;
}

const std::vector<AnswerRow>& answerRows() {
    static const std::vector<AnswerRow> rows{
        {{"Text1", expectedHour}, {"Text2", expectedMinutes}},
        {{"Text6", expectedNextHour}, {"Text5", expectedMinutesToGo}},
        {{"Text3", nullptr}, {"Text4", nullptr}},
        {{"Text8", nullptr}, {"Text7", nullptr}},
        {{"Text11", nullptr}, {"Text10", nullptr}},
        {{"Text12", nullptr}, {"Text13", nullptr}},
        {{"Text9", nullptr}},
    };
    return rows;
}

const AnswerRow& rowOf(std::string_view box) {
    for (const AnswerRow& row : answerRows()) {
        for (const RowBox& member : row) {
            if (member.name == box) {
                return row;
            }
        }
    }
    std::fprintf(stderr, "%.*s is in no answer row\n", static_cast<int>(box.size()), box.data());
    std::abort();
}

std::string describe(const DrawnTime& t) {
    return "mode " + std::to_string(t.sclt) + " " + std::to_string(t.h) + ":" + std::to_string(t.m);
}

} // namespace

GameObserver::GameObserver(clock_window::Form1& form1, credits_window::Credits& credits)
    : form1_(form1), credits_(credits) {
    capture(startUp_);
    before_ = startUp_;
    sad_ = indexOf("Image121");
    neutral_ = indexOf("Image122");
    happy_ = indexOf("Image123");
    sun_ = indexOf("Image125");
    moon_ = indexOf("Image126");
    label66_ = indexOf("Label66");
    text9_ = indexOf("Text9");
    for (const std::string& box : answerBoxNames()) {
        boxes_.push_back(indexOf(box));
    }
    controlOfAnExercise_.assign(startUp_.controls.size(), false);
    for (const std::string& exerciseControl : controlsOfAnExercise()) {
        const std::size_t i = indexOf(exerciseControl);
        controlOfAnExercise_[i] = true;
        if (startUp_.controls[i].visible) {
            std::fprintf(stderr, "%s is visible before the first draw\n", exerciseControl.c_str());
            std::abort();
        }
    }
}

void GameObserver::capture(Snapshot& into) const {
    const auto& elements = form1_.elements();
    into.controls.resize(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        ControlState& state = into.controls[i];
        std::visit(Overloaded{[&](const toolkit::Label& c) {
                                  state.visible = c.Visible;
                                  state.borderStyle = c.BorderStyle;
                                  state.text = c.Caption;
                              },
                              [&](const toolkit::TextBox& c) {
                                  state.visible = c.Visible;
                                  state.enabled = c.Enabled;
                                  state.foreColor = c.ForeColor;
                                  state.text = c.Text;
                              },
                              [&](const toolkit::Picture& c) { state.visible = c.Visible; },
                              [&](const toolkit::Shape& c) { state.visible = c.Visible; }},
                   elements[i].control);
    }
    into.exercise = form1_.exerciseState();
    into.form1Enabled = form1_.Enabled;
    const credits_window::Form2* form2 = credits_.form2();
    into.creditsLoaded = form2 != nullptr && form2->isLoaded();
}

std::size_t GameObserver::indexOf(std::string_view wanted) const {
    const auto& byName = layoutIndex(form1_.spec()).byName;
    if (const auto found = byName.find(wanted); found != byName.end()) {
        return found->second;
    }
    std::fprintf(stderr, "the clock window has no %.*s\n", static_cast<int>(wanted.size()),
                 wanted.data());
    std::abort();
}

const std::string& GameObserver::name(std::size_t index) const {
    return layoutIndex(form1_.spec()).names[index];
}

std::string GameObserver::describeChange(std::size_t i) const {
    const ControlState& was = before_.controls[i];
    const ControlState& is = now_.controls[i];
    std::string text = name(i) + " changed:";
    if (was.visible != is.visible) {
        text += is.visible ? " shown" : " hidden";
    }
    if (was.enabled != is.enabled) {
        text += is.enabled ? " unlocked" : " locked";
    }
    if (was.text != is.text) {
        text += " text " + shown(was.text) + " -> " + shown(is.text);
    }
    if (was.foreColor != is.foreColor) {
        text += " colour";
    }
    if (was.borderStyle != is.borderStyle) {
        text += " frame";
    }
    return text;
}

// What holds after every event, whatever it was.
std::string GameObserver::everyEvent() const {
    if (now_.controls[sad_].visible) {
        return "the sad face is shown";
    }
    const bool neutral = now_.controls[neutral_].visible;
    const bool happy = now_.controls[happy_].visible;
    if (drawn_ && neutral == happy) {
        return neutral ? "both the neutral and the happy face are shown" : "no face is shown";
    }
    if (!drawn_ && (neutral || happy)) {
        return "a face is shown before the first draw";
    }
    if (now_.form1Enabled == now_.creditsLoaded) {
        return now_.creditsLoaded ? "the clock window is enabled under the credits window"
                                  : "the clock window is disabled with no credits window";
    }
    for (const std::size_t box : boxes_) {
        const ControlState& state = now_.controls[box];
        if (!state.enabled && state.text.empty()) {
            return name(box) + " is locked empty";
        }
    }
    const ControlState& text9 = now_.controls[text9_];
    const bool noonOnTheHour = drawn_ && time_.h == 12 && time_.m == 60;
    if (now_.controls[sun_].visible &&
        !(noonOnTheHour && time_.sclt == 1 && !text9.enabled && text9.text == "MEZZOGIORNO")) {
        return "the sun is shown without MEZZOGIORNO locked at noon";
    }
    if (now_.controls[moon_].visible &&
        !(noonOnTheHour && time_.sclt == 2 && !text9.enabled && text9.text == "MEZZANOTTE")) {
        return "the moon is shown without MEZZANOTTE locked at midnight";
    }
    return {};
}

// A key or a paste aimed at `box` may change that box, if it is open, the faces, and show the
// sun or the moon; Text9's colour changes only through Text9. Nothing else moves.
std::string GameObserver::unchangedExceptBoxes(std::string_view box) const {
    const std::size_t target = indexOf(box);
    for (std::size_t i = 0; i < now_.controls.size(); ++i) {
        const ControlState& was = before_.controls[i];
        const ControlState& is = now_.controls[i];
        if (was == is) {
            continue;
        }
        if (i == sad_ || i == neutral_ || i == happy_) {
            continue; // checked by everyEvent
        }
        if ((i == sun_ || i == moon_) && !was.visible && is.visible) {
            continue;
        }
        if (i == target && was.visible && was.enabled && is.visible &&
            (is.foreColor == was.foreColor || i == text9_)) {
            continue;
        }
        if (i == target && !was.enabled) {
            return name(i) + " is locked and yet changed: " + describeChange(i);
        }
        if (i == target && !was.visible) {
            return name(i) + " is hidden and yet changed: " + describeChange(i);
        }
        return describeChange(i);
    }
    if (!sameExercise(before_.exercise, now_.exercise)) {
        return "the exercise state changed: " + describe(before_.exercise) + " -> " +
               describe(now_.exercise);
    }
    if (before_.form1Enabled != now_.form1Enabled) {
        return "the clock window's Enabled changed";
    }
    return {};
}

// The happy face comes only with the key release that completes the row of its box: every
// box of that row right, not one of them alone.
std::string GameObserver::happyFaceHasAWholeRow(std::string_view box) const {
    if (before_.controls[happy_].visible || !now_.controls[happy_].visible) {
        return {};
    }
    for (const RowBox& member : rowOf(box)) {
        const ControlState& state = now_.controls[indexOf(member.name)];
        if (member.expectedNumber) {
            const int expected = member.expectedNumber(time_);
            if (toolkit::Val(state.text) != expected) {
                return "the happy face is shown with " + std::string(member.name) + " holding " +
                       shown(state.text) + ", not " + std::to_string(expected);
            }
        } else if (state.enabled) {
            return "the happy face is shown with " + std::string(member.name) + " still open";
        }
    }
    return {};
}

std::string GameObserver::settle(std::string verdict) {
    std::swap(before_, now_); // the next capture overwrites every field of now_
    return verdict;
}

std::string GameObserver::afterDraw(DrawnTime drawn) {
    capture(now_);
    drawn_ = true;
    time_ = drawn;
    const std::string when = " after the draw of " + describe(drawn);
    const clock_window::ExerciseState& e = now_.exercise;
    const clock_window::ExerciseState expected{.sclt = static_cast<float>(drawn.sclt),
                                               .m = drawn.m,
                                               .h = drawn.h,
                                               .lenm = static_cast<float>(digitsOf(drawn.m)),
                                               .lenh = static_cast<float>(digitsOf(drawn.h)),
                                               .ora = std::string(expectedOra(drawn)),
                                               .orameno = std::string(expectedOrameno(drawn))};
    if (!sameExercise(e, expected)) {
        return settle("exercise state " + describe(e) + ", expected " + describe(expected) + when);
    }
    const std::set<std::string> visible = visibleAfterDraw(drawn);
    for (std::size_t i = 0; i < now_.controls.size(); ++i) {
        const std::string& controlName = name(i);
        const bool expectedVisible =
            controlOfAnExercise_[i] ? visible.count(controlName) > 0 : startUp_.controls[i].visible;
        if (now_.controls[i].visible != expectedVisible) {
            return settle(controlName + (expectedVisible ? " hidden" : " shown") + when);
        }
        if (i == label66_) {
            if (now_.controls[i].text != toolkit::windows1252::fromUtf8(label66Caption(drawn))) {
                return settle("Label66 reads " + shown(now_.controls[i].text) + when);
            }
        } else if (now_.controls[i].text != startUp_.controls[i].text) {
            return settle(controlName + " reads " + shown(now_.controls[i].text) + when);
        }
    }
    for (const std::size_t box : boxes_) {
        const ControlState& state = now_.controls[box];
        if (!state.enabled || !state.text.empty()) {
            return settle(name(box) + " is not empty and open" + when);
        }
    }
    if (now_.controls[text9_].foreColor != before_.controls[text9_].foreColor) {
        return settle("the draw changed Text9's colour" + when);
    }
    std::string verdict = everyEvent();
    return settle(verdict.empty() ? verdict : verdict + when);
}

std::string GameObserver::afterBoxEvent(std::string_view box) {
    capture(now_);
    std::string verdict = unchangedExceptBoxes(box);
    if (verdict.empty()) {
        verdict = happyFaceHasAWholeRow(box);
    }
    if (verdict.empty()) {
        verdict = everyEvent();
    }
    return settle(verdict.empty() ? verdict
                                  : verdict + " after a key or paste in " + std::string(box));
}

std::string GameObserver::afterCreditsEvent() {
    capture(now_);
    std::string verdict;
    for (std::size_t i = 0; i < now_.controls.size() && verdict.empty(); ++i) {
        if (!(now_.controls[i] == before_.controls[i])) {
            verdict = "the credits window changed the clock window: " + describeChange(i);
        }
    }
    if (verdict.empty() && !sameExercise(before_.exercise, now_.exercise)) {
        verdict = "the credits window changed the exercise state";
    }
    if (verdict.empty()) {
        verdict = everyEvent();
    }
    return settle(verdict);
}

} // namespace game_invariants
