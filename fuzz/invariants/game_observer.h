// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "expected_draw.h"

#include "clock_window/form1.h"
#include "credits_window/credits.h"
#include "toolkit/colour.h"

#include <string>
#include <string_view>
#include <vector>

namespace game_invariants {

// Watches the two windows between events and checks what a child relies on. Built once the
// clock window is shown and before any event; after each event the caller names what it did,
// and gets back the first rule broken, or an empty text. Display-free.
class GameObserver {
  public:
    GameObserver(clock_window::Form1& form1, credits_window::Credits& credits);

    // A click on the alarm clock that must have drawn this time.
    std::string afterDraw(DrawnTime drawn);
    // A key press, key release or paste aimed at one answer box.
    std::string afterBoxEvent(std::string_view box);
    // "INFO", "OK", a close of the credits window or a mouse move over it.
    std::string afterCreditsEvent();

  private:
    struct ControlState {
        bool visible = false;
        bool enabled = true;
        int borderStyle = 0;
        toolkit::Colour foreColor{};
        std::string text; // a label's caption or a box's text
        friend bool operator==(const ControlState&, const ControlState&) = default;
    };
    struct Snapshot {
        std::vector<ControlState> controls; // in the layout's order
        clock_window::ExerciseState exercise;
        bool form1Enabled = true;
        bool creditsLoaded = false;
    };

    void capture(Snapshot& into) const;
    std::size_t indexOf(std::string_view name) const;
    const std::string& name(std::size_t index) const;
    std::string everyEvent() const;
    std::string unchangedExceptBoxes(std::string_view box) const;
    std::string happyFaceHasAWholeRow(std::string_view box) const;
    std::string describeChange(std::size_t index) const;
    // Accepts the current state as the one the next event starts from.
    std::string settle(std::string verdict);

    clock_window::Form1& form1_;
    credits_window::Credits& credits_;
    Snapshot startUp_;
    Snapshot before_;
    Snapshot now_;
    bool drawn_ = false;
    DrawnTime time_;
    std::size_t sad_, neutral_, happy_, sun_, moon_, label66_, text9_;
    std::vector<std::size_t> boxes_;        // Text1 to Text13
    std::vector<bool> controlOfAnExercise_; // by layout index
};

} // namespace game_invariants
