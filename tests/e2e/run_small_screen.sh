#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the small-screen check on a private 640x480 X server inside a private D-Bus session.
# Usage: run_small_screen.sh PROGRAM ARTIFACT_DIR
set -euo pipefail

readonly skip=77
for tool in xvfb-run xdotool xprop xwininfo openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit "$skip"
    fi
done

here="$(cd "$(dirname "$0")" && pwd)"
exec xvfb-run -a -n 140 -s "-screen 0 640x480x24 -noreset" \
    dbus-run-session -- /usr/bin/python3 "$here/small_screen.py" "$@"
