#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the end-to-end check on a private X server inside a private D-Bus session, so nothing
# outlives the test and nothing of the user's desktop is touched.
# Usage: run_e2e.sh PROGRAM DESKTOP_FILE ARTIFACT_DIR
set -euo pipefail

readonly skip=77
for tool in xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit "$skip"
    fi
done

here="$(cd "$(dirname "$0")" && pwd)"
# Displays are looked for from 140 up, away from where other X tests start theirs.
exec xvfb-run -a -n 140 -s "-screen 0 1280x1024x24 -noreset" \
    dbus-run-session -- /usr/bin/python3 "$here/startup_and_draw.py" "$@"
