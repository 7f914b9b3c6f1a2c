#include "clock_fixture.h"

#include "toolkit/key_delivery.h"
#include "toolkit/windows1252.h"

namespace noon_rows {
namespace {
constexpr std::int16_t backspaceCode = 8;

std::int16_t codeOf(char c) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(c));
}

Script keys(const std::string& box, std::string_view text, StepKind kind) {
    Script script;
    for (const char c : text) {
        script.push_back({box, kind, codeOf(c)});
    }
    return script;
}

// Random values that the draw's formulas turn into the wanted numbers, each in the middle
// of its interval so single-precision rounding cannot move it.
float valueForSclt(float sclt) {
    return (sclt - 1) / 2 + 0.25f;
}
float valueForMinutes(int m) {
    return (m - 0.5f) / 60;
}
float valueForHour(int h) {
    return (h - 0.5f) / 12;
}
} // namespace

void ScriptedRandom::give(std::vector<float> values) {
    values_.assign(values.begin(), values.end());
    ranDry_ = false;
}

float ScriptedRandom::next() {
    if (values_.empty()) {
        ranDry_ = true;
        return 0;
    }
    const float value = values_.front();
    values_.pop_front();
    return value;
}

Script typed(const std::string& box, std::string_view text) {
    return keys(box, text, StepKind::Typed);
}

Script held(const std::string& box, std::string_view text) {
    return keys(box, text, StepKind::Held);
}

Script backspace(const std::string& box) {
    return {{box, StepKind::Typed, backspaceCode}};
}

Script typesNothing(const std::string& box) {
    return {{box, StepKind::TypesNothing}};
}

Script pasted(const std::string& box, std::string_view text) {
    return {{box, StepKind::Pasted, 0, std::string(text)}};
}

Script operator+(Script first, const Script& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::string repeated(int n, std::string_view token) {
    std::string result;
    for (int i = 0; i < n; ++i) {
        result += (i == 0 ? "" : " ");
        result += token;
    }
    return result;
}

std::string trace(std::initializer_list<std::string> parts) {
    std::string result;
    for (const std::string& part : parts) {
        if (!part.empty()) {
            result += (result.empty() ? "" : " ") + part;
        }
    }
    return result;
}

BoxState locked(const std::string& box, std::string_view text) {
    return {box, std::string(text), true};
}

BoxState open(const std::string& box, std::string_view text) {
    return {box, std::string(text), false};
}

std::string describe(const BoxStates& states) {
    std::string result;
    for (const BoxState& state : states) {
        result += state.box + " \"" + toolkit::windows1252::toUtf8(state.text) + "\" " +
                  (state.locked ? "locked" : "open") + "\n";
    }
    return result;
}

Clock::Clock() : randomness_(source_, [] { return 0.0; }), form_(host_, randomness_) {
    form_.Show();
}

bool Clock::draw(ClockTime time) {
    source_.give({valueForSclt(time.sclt), valueForSclt(time.sclt), valueForMinutes(time.m),
                  valueForHour(time.h)});
    form_.Image124.Click();
    const clock_window::ExerciseState state = form_.exerciseState();
    return !source_.ranDry() && state.sclt == time.sclt && state.h == time.h && state.m == time.m;
}

std::string Clock::run(const Script& script) {
    std::string result;
    for (const Step& step : script) {
        toolkit::TextBox& target = box(step.box);
        std::string token;
        switch (step.kind) {
        case StepKind::Typed:
        case StepKind::Held:
            markFaces();
            toolkit::pressKey(target, step.code);
            token += facesEffect();
            if (step.kind == StepKind::Held) {
                token += '.';
                break;
            }
            markFaces();
            toolkit::runKeyUp(target);
            token += facesEffect();
            break;
        case StepKind::TypesNothing:
            token += '.';
            markFaces();
            toolkit::runKeyUp(target);
            token += facesEffect();
            break;
        case StepKind::Pasted:
            toolkit::pasteText(target, step.pasted);
            token += 'p';
            break;
        }
        token += form_.Image125.Visible ? "u" : "";
        token += form_.Image126.Visible ? "o" : "";
        result += (result.empty() ? "" : " ") + token;
    }
    return result;
}

BoxStates Clock::statesOf(const BoxStates& expected) {
    BoxStates actual;
    for (const BoxState& state : expected) {
        const toolkit::TextBox& b = box(state.box);
        actual.push_back({state.box, b.Text, !b.Enabled});
    }
    return actual;
}

bool Clock::showsTypingState() const {
    return !form_.Image121.Visible && form_.Image122.Visible && !form_.Image123.Visible;
}

bool Clock::showsSuccessState() const {
    return !form_.Image121.Visible && !form_.Image122.Visible && form_.Image123.Visible;
}

void Clock::markFaces() {
    form_.Image121.Visible = true;
    form_.Image122.Visible = false;
    form_.Image123.Visible = false;
}

char Clock::facesEffect() const {
    if (showsTypingState()) {
        return 't';
    }
    if (showsSuccessState()) {
        return 's';
    }
    const bool untouched =
        form_.Image121.Visible && !form_.Image122.Visible && !form_.Image123.Visible;
    return untouched ? '-' : '?';
}

} // namespace noon_rows
