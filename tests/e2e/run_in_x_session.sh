#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one check of the real program on a private X server inside a private D-Bus session,
# so nothing outlives the test and nothing of the user's desktop is touched. The check is a
# Python script that may use the shared helpers of x_session.py.
# Usage: run_in_x_session.sh WIDTHxHEIGHT SCRIPT ARGS...
set -euo pipefail

readonly skip=77
for tool in xvfb-run xdotool xprop xwininfo import openbox wmctrl dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit "$skip"
    fi
done

screen="$1"
script="$2"
shift 2
here="$(cd "$(dirname "$0")" && pwd)"
export PYTHONPATH="$here"          # the shared X-session helpers
export PYTHONDONTWRITEBYTECODE=1   # nothing written into the source tree
# Displays are looked for from 140 up, away from where other X tests start theirs.
exec xvfb-run -a -n 140 -s "-screen 0 ${screen}x24 -noreset" \
    dbus-run-session -- /usr/bin/python3 "$script" "$@"
