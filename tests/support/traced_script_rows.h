// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_window_fixture.h"
#include "key_script.h"

#include <string>
#include <string_view>
#include <vector>

// Table rows of traced key scripts: a time drawn on a fresh window, a script run as
// runTraced runs it, the trace it must give and what named boxes must hold at the end.
namespace clock_test {

struct BoxState {
    std::string box;
    std::string text;
    bool locked;
};
using BoxStates = std::vector<BoxState>;

BoxState locked(const std::string& box, std::string_view text);
BoxState open(const std::string& box, std::string_view text);

// The boxes named by expected, as they are now.
BoxStates statesOf(clock_window::Form1& form, const BoxStates& expected);

// One line per box, e.g. Text9 "MEZZOGIORNO" locked, for readable comparisons.
std::string describe(const BoxStates& states);

// The columns of such a table: Time "time", Script "script", QString "expectedTrace",
// BoxStates "expectedBoxes".
void addTracedScriptColumns();

// Checks the current row of such a table.
void checkTracedScriptRow();

} // namespace clock_test
