#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The credits window in the real program on a private X server with a window manager, so
# it can be closed the ways a user closes it: the window manager's close and Alt+F4.
# Usage: credits_e2e.sh PROGRAM ARTIFACT_DIR
set -euo pipefail

readonly skip=77
for tool in xvfb-run openbox wmctrl xdotool import dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit "$skip"
    fi
done

here="$(cd "$(dirname "$0")" && pwd)"
export PYTHONPATH="$here/../e2e" # the shared X-session helpers
export PYTHONDONTWRITEBYTECODE=1   # nothing written into the source tree
exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    dbus-run-session -- /usr/bin/python3 "$here/credits_e2e.py" "$@"
