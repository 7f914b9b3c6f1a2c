// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_window_fixture.h"

#include <QString>
#include <QStringList>

// Key scripts written as lines, each step checked as it ends. A line reads
//   <box> <verb> "<keys>" => "<text>" <open|locked> <faces>[ <pictures>][; per key: <effects>]
// with the verbs
//   types     press and release each key
//   presses   press each key without releasing it, as a held key does
//   pastes    the keys enter at the end with no key event at all
// or `<box> releases => ...`, one key release that types nothing, or `<box> => ...`, no event:
// the box is only looked at. Keys are raw text with a few escapes: \b Backspace, \r Enter,
// \xHH any code, \\ a backslash. After "=>" the box, the faces and the sun or moon shown are
// described as boxState, facesOf and picturesOf write them, e.g. "MEZZO" locked success, or
// "MEZZOGIORNO" locked success sun; a line that names no picture says none is shown.
//
// A "per key" part checks every event of the step on its own, as runStepMarked runs it:
// "typing", "success" or "unchanged" for what each key's press did and, after a comma, what
// its release did (one effect for presses, one for releases; pastes have no events), all keys
// alike; the pictures named before it must then be shown after every key, not only the last.
// `Text9 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: typing, unchanged` says
// each of the ten presses showed the typing state and no release touched the faces.
//
// The line `show success` puts the happy face up as another row would.
namespace clock_test {

// Runs every line on the window; returns the first mismatch, or "" when all steps hold.
QString runScriptLines(clock_window::Form1& form, const QStringList& lines);

// The same on a fresh window with t drawn; a draw that missed t is the first mismatch.
QString runScriptLinesAt(Time t, const QStringList& lines);

} // namespace clock_test
