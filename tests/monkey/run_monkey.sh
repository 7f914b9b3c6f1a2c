#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the monkey test against the program on a private X server with a window manager.
# Exit code 77 (skipped) when the tools it needs are missing.
#
#   run_monkey.sh PROGRAM [SECONDS] [--memory-report-only]
#   MONKEY_SECONDS and MONKEY_SEED override the time and the random seed.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
export PYTHONPATH="$here/../e2e" # the shared X-session helpers
export PYTHONDONTWRITEBYTECODE=1  # nothing written into the source tree

if [[ "${1:-}" == "--inside-x" ]]; then
    shift
    # openbox gives the credits window a frame and a close that reaches the program.
    wm=""
    if command -v openbox >/dev/null; then
        openbox --sm-disable >/dev/null 2>&1 &
        wm=$!
        sleep 0.5
    fi
    status=0
    /usr/bin/python3 "$here/monkey.py" "$@" || status=$?
    if [[ -n "$wm" ]]; then
        kill "$wm" 2>/dev/null || true
        wait "$wm" 2>/dev/null || true
    fi
    exit "$status"
fi

program="$1"
seconds="${MONKEY_SECONDS:-${2:-60}}"
extra=("${@:3}")
seed="${MONKEY_SEED:-$(date +%s)}"

for tool in xvfb-run xdotool xclip import dbus-run-session /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "monkey: $tool is missing; skipped"
        exit 77
    fi
done

exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" --inside-x --program "$program" --seconds "$seconds" --seed "$seed" "${extra[@]}"
