// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game_observer.h"

#include "clock_window/form1.h"
#include "credits_window/credits.h"
#include "support/scripted_random.h"
#include "toolkit/window_host.h"

#include <optional>
#include <string>
#include <vector>

// Both windows on a headless host, with every rule a child relies on checked after each event
// (game_invariants::GameObserver). Random values come from a script, or from the program's
// own generator when the script is empty; either way the rig logs what a draw took.
class GameRig {
  public:
    GameRig();

    clock_window::Form1& form1() { return form1_; }
    credits_window::Credits& credits() { return credits_; }
    toolkit::TextBox& box(const std::string& name) { return form1_.textBox(name); }

    // A click on the alarm clock drawing this time; returns the first rule broken, or "".
    std::string draw(game_invariants::DrawnTime t);
    // A click on the alarm clock with these four random values.
    std::string drawWith(const std::vector<float>& values);
    // A click on the alarm clock with the program's generator and clock.
    std::string drawFromGenerator();
    // A key, a held key or a paste already delivered to a box; checks it.
    std::string checkBox(const std::string& name) { return observer_->afterBoxEvent(name); }
    std::string checkCredits() { return observer_->afterCreditsEvent(); }

    // The time the last draw showed.
    game_invariants::DrawnTime lastTime() const { return last_; }

  private:
    std::string clickAndCheck();

    toolkit::HeadlessHost host_;
    clock_test::ScriptedRandom source_;
    clock_window::Form1 form1_{host_, source_};
    credits_window::Credits credits_{form1_, host_};
    std::optional<game_invariants::GameObserver> observer_;
    game_invariants::DrawnTime last_;
};
