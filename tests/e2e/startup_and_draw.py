# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the real program on an X display with a window manager and the accessibility bus,
and checks what a person and a screen reader meet: the clock window at start-up, then the
same window after each of several clicks on the alarm clock, and what a screen reader is told
of the clock window while the credits window is open. Run inside dbus-run-session on an X
server (see run_in_x_session.sh).

Usage: startup_and_draw.py PROGRAM DESKTOP_FILE ARTIFACT_DIR
"""

import re
import subprocess
import sys
import time
from pathlib import Path

import screen_checks
import window_frame
import x_session
from x_session import Failed, program_report, run, start_program, wait_until

TITLE = "Io gioco con l'ardesino"
CAPTION_SEPARATOR = "   "
MAX_OFF_CENTRE = 40  # px; the window manager's title bar shifts the client area down
APPLICATION_NAME = "Ardesino"
ALARM_CLOCK_CLICK = (280, 280)
INFO_CLICK = (40, 548)
OK_CLICK = (160, 208)  # in the credits window
ALARM_CLOCK_NAME = "SVEGLIETTA"
TYPING_FACE_NAME = "FACCINA SERIA"
DRAWS = 8
REDRAW_PAUSE = 0.3  # lets a click's repaint start before the screen is taken as settled

# The sanitizer build starts several times slower; these bound a hang, not a speed.
WINDOW_TIMEOUT = 60
SETTLE_TIMEOUT = 20
ACCESSIBILITY_TIMEOUT = 20
EXIT_TIMEOUT = 30

# Captions a screen reader must find on labels that show at start-up.
STARTUP_CAPTIONS = [
    "INFO",
    "CLICCA SULLA SVEGLIETTA AL CENTRO E SCRIVI L'ORA INDICATA DALL'ARDESINO",
    "NELLE CASELLE LUNGHE SCRIVI IN LETTERE",
    "60",
    "24",
]


def window_failures(window, desktop_file):
    failures = []
    caption = run("xdotool", "getwindowname", window).rstrip("\n")
    credit, separator, title = caption.rpartition(CAPTION_SEPARATOR)
    if title != TITLE or not separator or not credit.strip():
        failures.append(f"caption {caption!r}: expected a credit text, three blanks, {TITLE!r}")
    geometry = run("xdotool", "getwindowgeometry", window)
    x, y = map(int, re.search(r"Position: (-?\d+),(-?\d+)", geometry).groups())
    size = tuple(map(int, re.search(r"Geometry: (\d+)x(\d+)", geometry).groups()))
    if size != screen_checks.CLIENT_SIZE:
        failures.append(f"client area {size[0]}x{size[1]}, expected 792x566")
    screen = tuple(map(int, run("xdotool", "getdisplaygeometry").split()))
    off_centre = (x + size[0] / 2 - screen[0] / 2, y + size[1] / 2 - screen[1] / 2)
    if max(map(abs, off_centre)) > MAX_OFF_CENTRE:
        failures.append(f"the window is not centred on the screen: its middle is off by "
                        f"{off_centre[0]:.0f}, {off_centre[1]:.0f} px")
    wm_class = re.search(r"^StartupWMClass=(.*)$", desktop_file.read_text(), re.M)[1]
    failures += window_frame.frame_failures(window, screen_checks.CLIENT_SIZE, wm_class)
    return failures


def screenshot(window, artifacts, name):
    """The client area once it has stopped changing, as a Picture; also saved as a PNG."""
    return screen_checks.read_ppm(
        x_session.settled_grab(window, SETTLE_TIMEOUT, artifacts / f"{name}.png"))


def hand_shows(window):
    picture = screen_checks.read_ppm(x_session.grab(window))
    return any(screen_checks.is_yellow(picture.at(x, y))
               for x, y in screen_checks.ring_pixels(screen_checks.FACE_RING))


def click_alarm_clock(window):
    run("xdotool", "mousemove", "--window", window, *map(str, ALARM_CLOCK_CLICK), "click", "1")
    run("xdotool", "mousemove", "5", "5")


def draw_failures(window, artifacts, draw):
    failures, reading = screen_checks.after_draw_failures(
        screenshot(window, artifacts, f"draw-{draw}"))
    if reading:
        print(f"draw {draw}: minute hand on tick {reading.minute_tick}, "
              f"hour hand on tick {reading.hour_tick}")
    return [f"draw {draw}: {failure}" for failure in failures]


def showing_text_boxes(objects):
    return [o for o in objects if o["role"] == "text" and o["showing"] and o["enabled"]]


def showing_image_names(objects):
    return sorted(o["name"] for o in objects
                  if o["role"] == "image" and o["showing"] and o["name"])


def startup_accessibility_failures(objects):
    failures = []
    showing_labels = {o["name"] for o in objects if o["role"] == "label" and o["showing"]}
    for caption in STARTUP_CAPTIONS:
        if caption not in showing_labels:
            failures.append(f"screen reader: no showing label {caption!r}")
    if showing_text_boxes(objects):
        failures.append("screen reader: an answer box shows before the first draw")
    if showing_image_names(objects) != [ALARM_CLOCK_NAME]:
        failures.append(f"screen reader: named pictures at start-up "
                        f"{showing_image_names(objects)}, expected only the alarm clock "
                        f"{ALARM_CLOCK_NAME!r}")
    return failures


def draw_accessibility_failures(objects):
    """The answer boxes say what goes in them, each differently, without an answer's digits;
    the hands are the question and stay unnamed."""
    failures = []
    boxes = showing_text_boxes(objects)
    names = [box["name"] for box in boxes]
    if not boxes:
        failures.append("screen reader: no answer box shows after the draw")
    if not all(names) or len(set(names)) != len(names) or any(
            character.isdigit() for name in names for character in name):
        failures.append(f"screen reader: the answer boxes' names {names} are not all distinct, "
                        "non-empty and free of digits")
    if showing_image_names(objects) != sorted([ALARM_CLOCK_NAME, TYPING_FACE_NAME]):
        failures.append(f"screen reader: named pictures after the draw "
                        f"{showing_image_names(objects)}, expected the alarm clock and "
                        f"{TYPING_FACE_NAME!r}")
    return failures


def screen_reader_objects():
    return x_session.accessible_objects(APPLICATION_NAME, ACCESSIBILITY_TIMEOUT)


def clock_frame(objects):
    """The clock window's own object: the frame of the window that holds "INFO"."""
    window = next(o["window"] for o in objects if o["role"] == "label" and o["name"] == "INFO")
    return next(o for o in objects if o["role"] == "frame" and o["window"] == window)


def credits_failures(window):
    """While the credits window is open a screen reader hears the clock window disabled; after
    "OK" or a window-manager close, enabled again."""
    failures = []
    if not clock_frame(screen_reader_objects())["enabled"]:
        failures.append("screen reader: the clock window is disabled before INFO")
    clock_windows = x_session.windows_titled(TITLE)
    for close_by in ("OK", "the window manager"):
        run("xdotool", "mousemove", "--window", window, *map(str, INFO_CLICK), "click", "1")
        credits = wait_until("no credits window appeared after a click on INFO", WINDOW_TIMEOUT,
                             lambda: x_session.windows_titled(TITLE) - clock_windows).pop()
        if clock_frame(screen_reader_objects())["enabled"]:
            failures.append("screen reader: the clock window is enabled while the credits "
                            "window is open")
        if close_by == "OK":
            run("xdotool", "mousemove", "--window", credits, *map(str, OK_CLICK), "click", "1")
        else:
            run("wmctrl", "-i", "-c", credits)
        wait_until(f"the credits window did not close by {close_by}", WINDOW_TIMEOUT,
                   lambda: credits not in x_session.windows_titled(TITLE))
        if not clock_frame(screen_reader_objects())["enabled"]:
            failures.append(f"screen reader: the clock window is still disabled after {close_by} "
                            "closed the credits window")
    run("xdotool", "mousemove", "5", "5")
    return failures


def close(window, process, artifacts):
    """Closes the window as a user does and expects a clean exit."""
    run("wmctrl", "-i", "-c", window)
    try:
        status = process.wait(EXIT_TIMEOUT)
    except subprocess.TimeoutExpired:
        return [f"the program did not exit within {EXIT_TIMEOUT} s of closing its window"]
    if status != 0:
        return ["closing the window: " + program_report(process, artifacts)]
    return []


def check(program, desktop_file, artifacts):
    failures = []
    process = start_program(program, artifacts)
    try:
        window = x_session.find_window(process, artifacts, TITLE, WINDOW_TIMEOUT)
        run("xdotool", "mousemove", "5", "5")  # keep the pointer and its tooltips off the dial
        failures += window_failures(window, desktop_file)
        failures += screen_checks.startup_failures(screenshot(window, artifacts, "startup"))
        objects = x_session.accessible_objects(APPLICATION_NAME, ACCESSIBILITY_TIMEOUT)
        print(f"at start-up the screen reader sees {len(objects)} objects")
        failures += startup_accessibility_failures(objects)

        click_alarm_clock(window)
        wait_until("no hand showed after the click on the alarm clock", SETTLE_TIMEOUT,
                   lambda: hand_shows(window))
        failures += draw_failures(window, artifacts, 1)
        objects = x_session.accessible_objects(APPLICATION_NAME, ACCESSIBILITY_TIMEOUT)
        print(f"after the first draw the screen reader sees "
              f"{[box['name'] for box in showing_text_boxes(objects)]}")
        failures += draw_accessibility_failures(objects)

        # Each further draw must leave exactly the new pair of hands; the previous pair may
        # show through only if the new time happens to be the same.
        for draw in range(2, DRAWS + 1):
            click_alarm_clock(window)
            time.sleep(REDRAW_PAUSE)
            failures += draw_failures(window, artifacts, draw)

        failures += credits_failures(window)
        failures += close(window, process, artifacts)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    return failures


def main():
    program, desktop_file, artifacts = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    return x_session.run_check(program, artifacts,
                               lambda: check(program, desktop_file, artifacts))


if __name__ == "__main__":
    sys.exit(main())
