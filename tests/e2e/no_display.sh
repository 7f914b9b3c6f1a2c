#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so in one line and ends with status 1, not with an
# abort. Tried with no display named and with a display no server answers on.
# Usage: no_display.sh PROGRAM
set -uo pipefail

program="$1"
failures=0
try() {
    local what="$1"
    shift
    local output status
    output="$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1 >/dev/null)"
    status=$?
    local lines
    lines="$(printf '%s\n' "$output" | grep -c .)"
    if [[ $status -ne 1 || $lines -ne 1 || "$output" != "ardesino: cannot open the display"* ]]; then
        echo "FAIL ($what): status $status, $lines lines of output:" >&2
        printf '%s\n' "$output" >&2
        failures=$((failures + 1))
    else
        echo "ok ($what): $output"
    fi
}

try "no DISPLAY" -u DISPLAY
# Display 99999 is far past any a test or a desktop starts.
try "unreachable DISPLAY" DISPLAY=:99999
exit $((failures > 0))
