// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_window/form1.h"

#include <string>
#include <vector>

// What a child does to the answer boxes, one step at a time, with the caret at the end of the
// text.
namespace clock_test {

enum class StepKind {
    Typed,       // each key pressed, its character entered, the key released
    Held,        // each key pressed and its character entered, no release yet (a held key)
    Released,    // one key release that types nothing (an arrow, Shift); no keys
    Pasted,      // the keys enter at the end with no key event at all
    ShowSuccess, // the happy face put up as another row would; no box
    Looked,      // no event: the box is only looked at
};

struct Step {
    std::string box;
    StepKind kind;
    std::string keys; // Windows-1252 bytes, one key each
};

// What one key of a marked step did: its press's and its release's effect on the faces
// ("typing", "success", "unchanged", or facesOf's text for anything else; "" where the step
// has no such event) and picturesOf after the key.
struct KeyEffect {
    std::string press;
    std::string release;
    std::string pictures;
};

// Runs the step on the window as a child would, the faces left as the procedures set them.
void runStep(clock_window::Form1& form, const Step& step);

// The same, with the faces put in a state no answer box produces (the sad face alone) before
// each key press and release, so each effect tells what that one procedure did. An event
// that leaves the faces alone gets them back as they were: the procedures never read the
// faces, so the step ends as runStep would end it. One entry per key, one for a release.
std::vector<KeyEffect> runStepMarked(clock_window::Form1& form, const Step& step);

} // namespace clock_test
