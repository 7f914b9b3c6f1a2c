#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real program on a private X server inside a private D-Bus session, so nothing
# outlives the test and nothing of the user's desktop is touched. The server repeats a held
# key after 250 ms, every 40 ms.
# Usage: run_play.sh PROGRAM ARTIFACT_DIR
set -euo pipefail

readonly skip=77
for tool in xvfb-run xdotool import convert dbus-run-session dbus-send openbox wmctrl \
    /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit "$skip"
    fi
done
if ! /usr/bin/python3 -c "import pyatspi" 2>/dev/null; then
    echo "SKIP: the screen reader library pyatspi is not installed (python3-pyatspi)"
    exit "$skip"
fi

here="$(cd "$(dirname "$0")" && pwd)"
# What reads the dial and the screen reader's view is shared with the start-up check.
export PYTHONPATH="$here/../e2e"
export PYTHONDONTWRITEBYTECODE=1 # nothing written into the source tree
# Displays are looked for from 160 up, away from where other X tests start theirs.
exec xvfb-run -a -n 160 -s "-screen 0 1280x1024x24 -noreset -ardelay 250 -arinterval 40" \
    dbus-run-session -- /usr/bin/python3 "$here/child_plays.py" "$@"
