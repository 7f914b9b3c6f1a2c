// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_window_fixture.h"
#include "key_script.h"

#include <QString>
#include <QStringList>

#include <optional>

// Key scripts written as lines, each step checked as it ends. A line reads
//   <box> <verb> "<keys>" => "<text>" <open|locked> <faces>
// with the verbs
//   types     Typed: press and release each key
//   presses   Held: press each key without releasing it, as a held key does
//   pastes    Pasted: the keys enter at the end with no key event at all
// or `<box> releases => ...`, one key release that types nothing. Keys are raw text with a
// few escapes: \b Backspace, \r Enter, \xHH any code, \\ a backslash. After "=>" the box is
// described as boxState and facesOf write it, e.g. "20" locked success. The line
// `show success` puts the happy face up as another row would.
namespace clock_test {

// The step a line's part before "=>" names, if it reads as one.
std::optional<Step> parseStep(const QString& action);

// Runs every line on the window; returns the first mismatch, or "" when all steps hold.
QString runScriptLines(clock_window::Form1& form, const QStringList& lines);

// The same on a fresh window with t drawn; a draw that missed t is the first mismatch.
QString runScriptLinesAt(Time t, const QStringList& lines);

} // namespace clock_test
