# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens the credits window of the real program and closes it by the window manager, by
Alt+F4 and by "OK", checking each time that the clock window takes input again, and that
while the credits window is open the clock window keeps its look and ignores "INFO"; then
closes the clock window while the credits window is open, which ends the program.
Run on an X server inside dbus-run-session (see tests/e2e/run_in_x_session.sh).

Usage: credits_e2e.py PROGRAM ARTIFACT_DIR
"""

import re
import subprocess
import sys
import time
from pathlib import Path

import screen_checks
import x_session
from x_session import Failed, run, wait_until

TITLE = "Io gioco con l'ardesino"
CREDITS_SIZE = (322, 240)
# Client-area points, in pixels: the middle of "INFO" on the clock window, of "OK" on the
# credits window, and the alarm clock.
INFO = (40, 548)
OK = (160, 208)
ALARM_CLOCK = (280, 280)
# The clock window's left part, which the centred credits window never covers.
UNCOVERED_WIDTH = 200
# The dial between the disc and the rim, where the hands show after a draw.
DIAL_BOX = (40, 40, 520, 520)

# The sanitizer build starts several times slower; these bound a hang, not a speed.
WINDOW_TIMEOUT = 60
SETTLE_TIMEOUT = 20
# How long a click or key the program must ignore is given to show an effect.
IGNORED_INPUT_WAIT = 1.5


def windows():
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", re.escape(TITLE)],
                            capture_output=True, text=True, timeout=10)
    return set(result.stdout.split())


def client_size(window):
    geometry = re.search(r"Geometry: (\d+)x(\d+)", run("xdotool", "getwindowgeometry", window))
    return int(geometry[1]), int(geometry[2])


def click(window, point):
    run("xdotool", "mousemove", "--window", window, str(point[0]), str(point[1]), "click", "1")


def pixels_of(window, data):
    """A screenshot as (width, height, rows of RGB bytes)."""
    if not data:
        raise Failed(f"no screenshot of window {window}")
    picture = screen_checks.read_ppm(data)
    row = 3 * picture.width
    rows = [picture.rgb[y * row:(y + 1) * row] for y in range(picture.height)]
    return picture.width, picture.height, rows


def settled_grab(window, png=None):
    """The client area once it has stopped changing; also saved at `png` when given."""
    return pixels_of(window, x_session.settled_grab(window, SETTLE_TIMEOUT, png))


def crop(picture, left, top, width, height):
    return [row[left * 3:(left + width) * 3] for row in picture[2][top:top + height]]


def open_credits(clock, process):
    click(clock, INFO)
    new = wait_until("no credits window appeared after a click on INFO", WINDOW_TIMEOUT,
                     lambda: windows() - {clock})
    if process.poll() is not None:
        raise Failed(f"the program ended with status {process.returncode}")
    if len(new) != 1:
        raise Failed(f"{len(new)} new windows after a click on INFO, expected one")
    credits = new.pop()
    run("xdotool", "windowactivate", "--sync", credits)
    return credits


def wait_closed(credits, how):
    wait_until(f"the credits window did not close by {how}", WINDOW_TIMEOUT,
               lambda: credits not in windows())


def check(program, artifacts):
    failures = []
    process = x_session.start_program(program, artifacts, accessibility=False)
    try:
        found = wait_until("no clock window appeared", WINDOW_TIMEOUT, windows)
        if len(found) != 1:
            raise Failed(f"{len(found)} windows at start-up, expected one")
        clock = found.pop()
        run("xdotool", "windowactivate", "--sync", clock)
        startup = settled_grab(clock)

        # 1. Open, look, try the clock window, close by the window manager.
        credits = open_credits(clock, process)
        if client_size(credits) != CREDITS_SIZE:
            failures.append(f"credits window client area {client_size(credits)}, expected "
                            f"{CREDITS_SIZE}")
        settled_grab(credits, artifacts / "credits.png")
        while_open = settled_grab(clock, artifacts / "clock-while-credits-open.png")
        if crop(while_open, 0, 0, UNCOVERED_WIDTH, startup[1]) != crop(
                startup, 0, 0, UNCOVERED_WIDTH, startup[1]):
            failures.append("the clock window's look changed while the credits window is open")
        click(clock, INFO)
        run("xdotool", "windowactivate", "--sync", credits)
        run("xdotool", "key", "--clearmodifiers", "Escape", "Return", "space")
        time.sleep(IGNORED_INPUT_WAIT)
        if windows() != {clock, credits}:
            failures.append("INFO on the disabled clock window, or Escape, Return or space in "
                            f"the credits window, changed the windows: {windows()}")
        run("wmctrl", "-i", "-c", credits)
        wait_closed(credits, "the window manager")

        # 2. The clock window takes clicks again; this time Alt+F4 closes the credits window.
        credits = open_credits(clock, process)
        run("xdotool", "key", "--clearmodifiers", "alt+F4")
        wait_closed(credits, "Alt+F4")
        if process.poll() is not None:
            raise Failed("Alt+F4 in the credits window ended the program")

        # 3. Again, closed by "OK"; then the alarm clock draws a time.
        credits = open_credits(clock, process)
        click(credits, OK)
        wait_closed(credits, "OK")
        run("xdotool", "mousemove", "--window", clock, "5", "5")
        if settled_grab(clock) != startup:
            failures.append("the clock window is not in its start-up state after the visits")
        click(clock, ALARM_CLOCK)
        run("xdotool", "mousemove", "--window", clock, "5", "5")
        drawn = settled_grab(clock, artifacts / "clock-after-credits-and-draw.png")
        if crop(drawn, *DIAL_BOX) == crop(startup, *DIAL_BOX):
            failures.append("a click on the alarm clock after the credits window drew nothing")

        # 4. Closing the clock window ends the program, also while the credits window is open.
        open_credits(clock, process)
        run("wmctrl", "-i", "-c", clock)
        try:
            status = process.wait(WINDOW_TIMEOUT)
            if status != 0:
                failures.append(f"the program exited with status {status}")
        except subprocess.TimeoutExpired:
            failures.append("the program did not end when its clock window was closed while "
                            "the credits window was open")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    return failures


def main():
    program, artifacts = Path(sys.argv[1]), Path(sys.argv[2])
    return x_session.run_check(program, artifacts, lambda: check(program, artifacts),
                               accessibility=False)


if __name__ == "__main__":
    sys.exit(main())
