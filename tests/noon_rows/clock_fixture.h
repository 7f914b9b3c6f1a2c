#pragma once

#include "clock_window/form1.h"
#include "toolkit/random.h"
#include "toolkit/window_host.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// A started clock window whose draws land on the time a test asks for, and a small
// language of key scripts whose run is traced key by key.
namespace noon_rows {

struct ClockTime {
    float sclt;
    int h;
    int m;
};

// Hands out the values it is given, in order; reseeding does not disturb them.
class ScriptedRandom final : public toolkit::RandomSource {
  public:
    void give(std::vector<float> values);
    float next() override;
    void reseed(double) override {}
    bool ranDry() const { return ranDry_; }

  private:
    std::deque<float> values_;
    bool ranDry_ = false;
};

enum class StepKind {
    Typed,        // key press, its character enters, key release
    Held,         // key press and its character, no release yet
    TypesNothing, // an arrow or Shift: only the release runs
    Pasted,       // text enters at the end, no procedure runs
};

struct Step {
    std::string box;
    StepKind kind;
    std::int16_t code = 0;
    std::string pasted;
};

using Script = std::vector<Step>;

// Each byte of text, typed one key at a time.
Script typed(const std::string& box, std::string_view text);
Script held(const std::string& box, std::string_view text);
Script backspace(const std::string& box);
Script typesNothing(const std::string& box);
Script pasted(const std::string& box, std::string_view text);
Script operator+(Script first, const Script& second);

// Trace tokens for n steps alike, blank-separated, e.g. repeated(3, "t-") is "t- t- t-".
std::string repeated(int n, std::string_view token);
// Joins trace parts with one blank, skipping empty ones.
std::string trace(std::initializer_list<std::string> parts);

// What a box holds and whether it has locked itself.
struct BoxState {
    std::string box;
    std::string text;
    bool locked;
};
using BoxStates = std::vector<BoxState>;

BoxState locked(const std::string& box, std::string_view text);
BoxState open(const std::string& box, std::string_view text);
// One line per box, e.g. Text9 "MEZZOGIORNO" locked, for readable comparisons.
std::string describe(const BoxStates& states);

class Clock {
  public:
    Clock();

    // Draws the time through the alarm clock; false when the draw did not land on it.
    bool draw(ClockTime time);

    // Runs the script and returns one token per step, blank-separated. A token is what the
    // key press did to the faces, what the key release did, then the pictures shown after
    // the step: "t" typing state, "s" success state, "-" faces untouched, "." no such event
    // ("p" for a paste); then "u" when the sun is shown, "o" when the moon is. Before each
    // event the faces are put in a state no answer box produces (the sad face alone), so
    // the token tells exactly what that one procedure did.
    std::string run(const Script& script);

    // The boxes named by expected, as they are now.
    BoxStates statesOf(const BoxStates& expected);

    clock_window::Form1& form() { return form_; }
    toolkit::TextBox& box(const std::string& name) { return form_.textBox(name); }

    // Only the neutral face, only the happy face.
    bool showsTypingState() const;
    bool showsSuccessState() const;

  private:
    void markFaces();
    char facesEffect() const;

    toolkit::HeadlessHost host_;
    ScriptedRandom source_;
    toolkit::Randomness randomness_;
    clock_window::Form1 form_;
};

} // namespace noon_rows
