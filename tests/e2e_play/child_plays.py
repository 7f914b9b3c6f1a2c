# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real program as a child would, on an X display with a window manager and the
accessibility bus: clicks the alarm clock, reads the time off the dial (the hands from a
screenshot, the part of the day from the banner a screen reader finds showing), types a
wrong hour, holds Backspace, then types the right hour and minutes among keys the boxes
must swallow, and checks after every step what the boxes hold (through the screen reader)
and which face shows (on the screenshot). Run inside dbus-run-session on an X server (see
run_play.sh).

Usage: child_plays.py PROGRAM ARTIFACT_DIR
"""

import re
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

import screen_checks
import x_session
from x_session import Failed, program_report, run, wait_until

TITLE = "Io gioco con l'ardesino"
APPLICATION_NAME = "Ardesino"

DRAWS = 5
ALARM_CLOCK_CLICK = (280, 280)
POINTER_PARKING = (5, 5)  # off the window, so no tooltip covers the dial
# Client-area places of the digits row's boxes, from the layout, and where to click in them.
BOX_PLACES = {"Text1": (616, 80), "Text2": (688, 80)}
BOX_SIZE = (49, 25)
PLACE_TOLERANCE = 2
# The feedback faces' box, 9600,3000 twips, 56 px square: (left, top, right, bottom).
FACE_BOX = (640, 200, 696, 256)
# The happy face's open mouth is dark red; no other face has that colour.
MIN_OPEN_MOUTH_PIXELS = 30
MIN_CHANGED_FACE_PIXELS = 30
KEY_DELAY_MS = "60"
HOLD_SECONDS = 1.2  # well past the server's auto-repeat delay (see run_play.sh)

# The sanitizer build starts several times slower; these bound a hang, not a speed.
WINDOW_TIMEOUT = 60
STATE_TIMEOUT = 15
SETTLE_TIMEOUT = 20
READER_TIMEOUT = 20
PLAY_TIMEOUT = 200  # the whole play: no draw starts later


# Banners by caption: the half-day mode and the dial's hours each one is shown for, and
# whether it shows only on the hour (True), never on the hour (False) or either (None).
@dataclass(frozen=True)
class Banner:
    sclt: int
    hours: tuple
    on_the_hour: bool | None = None


BANNERS = {
    "È  NOTTE": [Banner(1, (1, 2, 3, 4)), Banner(2, (11, 12))],
    "È  L'ALBA": [Banner(1, (5, 6, 7))],
    "È  MATTINA": [Banner(1, (8, 9, 10, 11))],
    "È POMERIGGIO": [Banner(1, (12,), on_the_hour=False)],
    "È GIORNO": [Banner(1, (12,), on_the_hour=True)],
    "È  POMERIGGIO": [Banner(2, (1, 2, 3, 4, 5))],
    "È  IL TRAMONTO": [Banner(2, (6, 7))],
    "È  SERA": [Banner(2, (8, 9, 10))],
}


class Screen:
    """The window as a person sees it: screenshots, each kept as a PNG."""

    def __init__(self, window, artifacts):
        self.window = window
        self.artifacts = artifacts
        self.saved = []

    def settled(self, name):
        """The client area once two grabs in a row agree, saved as NAME.png."""
        path = self.artifacts / f"{name}.png"
        data = x_session.settled_grab(self.window, SETTLE_TIMEOUT, path)
        self.saved.append(path.name)
        return screen_checks.read_ppm(data)


@dataclass
class Look:
    """One look through the screen reader: the banner shown and the digits row's boxes."""

    banners: list
    boxes: dict  # name: {"text", "enabled"} for the showing boxes found at their places
    other_boxes: int  # showing text boxes elsewhere (the other rows)

    def describe(self):
        boxes = ", ".join(f"{name} {box['text']!r} {'open' if box['enabled'] else 'locked'}"
                          for name, box in sorted(self.boxes.items()))
        return (f"banners shown {self.banners}; boxes: {boxes or 'none'}; "
                f"{self.other_boxes} other boxes showing")


def look():
    objects = x_session.accessible_objects(APPLICATION_NAME, READER_TIMEOUT)
    windows = [o for o in objects if o["extents"] and o["role"] != "text" and TITLE in o["name"]]
    if len(windows) != 1:
        raise Failed(f"screen reader: {len(windows)} windows titled {TITLE!r}")
    left, top = windows[0]["extents"][:2]
    banners = [o["name"] for o in objects
               if o["role"] == "label" and o["showing"] and o["name"] in BANNERS]
    boxes, others = {}, 0
    for o in objects:
        if o["role"] != "text" or not o["showing"]:
            continue
        x, y, width, height = o["extents"]
        name = next((name for name, (bx, by) in BOX_PLACES.items()
                     if abs(x - left - bx) <= PLACE_TOLERANCE
                     and abs(y - top - by) <= PLACE_TOLERANCE
                     and (width, height) == BOX_SIZE), None)
        if name is None:
            others += 1
        else:
            boxes[name] = {"text": o["text"], "enabled": o["enabled"]}
    return Look(banners, boxes, others)


def look_until(what, wanted):
    """Looks again until wanted(look) holds; raises with the last look when it never does."""
    seen = None

    def probe():
        nonlocal seen
        seen = look()
        return wanted(seen)

    try:
        wait_until(what, STATE_TIMEOUT, probe)
    except Failed as failure:
        raise Failed(f"{failure}; the screen reader sees {seen.describe()}") from None
    return seen


def box_is(name, text, enabled):
    return lambda seen: (name in seen.boxes and seen.boxes[name]["text"] == text
                         and seen.boxes[name]["enabled"] == enabled)


# The face, read off the screenshot.
def is_mouth_red(c):
    return 110 < c[0] < 190 and c[1] < 60 and c[2] < 70


def face_pixels(picture):
    return [picture.at(x, y) for x, y in screen_checks.box_pixels(FACE_BOX)]


def open_mouth_pixels(picture):
    return sum(is_mouth_red(c) for c in face_pixels(picture))


def changed_face_pixels(picture, neutral):
    return sum(a != b for a, b in zip(face_pixels(picture), neutral))


def face_text(picture, neutral):
    return (f"face box: {open_mouth_pixels(picture)} open-mouth pixels, "
            f"{changed_face_pixels(picture, neutral)} pixels differ from the neutral face")


def shows_neutral_face(picture, neutral):
    return open_mouth_pixels(picture) == 0 and changed_face_pixels(picture, neutral) == 0


def shows_happy_face(picture, neutral):
    return (open_mouth_pixels(picture) >= MIN_OPEN_MOUTH_PIXELS
            and changed_face_pixels(picture, neutral) >= MIN_CHANGED_FACE_PIXELS)


@dataclass(frozen=True)
class Reading:
    minute_tick: int
    hour_tick: int
    banner: str
    sclt: int
    h: int
    m: int

    @property
    def hour_answer(self):
        return str(self.h + 12 * (self.sclt - 1))

    def describe(self):
        return (f"minute hand on tick {self.minute_tick}, hour hand on tick {self.hour_tick}, "
                f"banner {self.banner!r}: read as {self.hour_answer}:{self.m % 60:02d} "
                f"(mode {self.sclt}, h {self.h}, m {self.m})")


def read_time(picture, seen):
    """The time as a person reads it: minutes from the long hand, the hour from the short
    one's hour mark, the half of the day from the banner, with the hour telling apart the two
    "È  NOTTE" banners."""
    failures, hands = screen_checks.after_draw_failures(picture)
    if failures or hands is None:
        raise Failed("reading the hands: " + "; ".join(failures))
    m = hands.minute_tick or 60
    h = (hands.hour_tick - screen_checks.hour_hand_step(hands.minute_tick)) // 5 or 12
    if len(seen.banners) != 1:
        raise Failed(f"{len(seen.banners)} banners show: {seen.banners}")
    banner = seen.banners[0]
    fitting = [b for b in BANNERS[banner]
               if h in b.hours and b.on_the_hour in (None, m == 60)]
    if len(fitting) != 1:
        raise Failed(f"the banner {banner!r} does not go with the hands (h {h}, m {m})")
    return Reading(hands.minute_tick, hands.hour_tick, banner, fitting[0].sclt, h, m)


def wrong_hour(reading):
    """An hour of the right number of digits that is not the answer, so it stays in the box."""
    answer = int(reading.hour_answer)
    if answer < 10:
        return str(answer % 9 + 1)
    return str(answer - 1 if answer > 13 else answer + 1)


def wrong_minutes(reading):
    """Minutes of the right number of digits that are not the answer."""
    if reading.m < 10:
        return str(reading.m % 9 + 1)
    return str(reading.m - 1 if reading.m > 10 else reading.m + 1)


class Child:
    """Mouse and keyboard, through the X server as a person's would come."""

    def __init__(self, window):
        self.window = window

    def click(self, point):
        run("xdotool", "mousemove", "--window", self.window, *map(str, point), "click", "1")
        run("xdotool", "mousemove", *map(str, POINTER_PARKING))

    def click_box(self, name):
        x, y = BOX_PLACES[name]
        self.click((x + BOX_SIZE[0] // 2, y + BOX_SIZE[1] // 2))

    def type(self, text):
        run("xdotool", "type", "--delay", KEY_DELAY_MS, text)

    def hold(self, key):
        run("xdotool", "keydown", key)
        time.sleep(HOLD_SECONDS)
        run("xdotool", "keyup", key)


class Play:
    def __init__(self, window, artifacts):
        self.child = Child(window)
        self.screen = Screen(window, artifacts)
        self.held_key_repeats_seen = 0

    def draw(self, number):
        """One exercise; raises Failed with what was seen and where the screenshots are."""
        name = f"draw-{number}"
        context = name
        try:
            self.child.click(ALARM_CLOCK_CLICK)
            # The draw empties and opens the hours box; the draw before left it locked.
            seen = look_until("the hours box did not show empty and open after the click",
                              box_is("Text1", "", True))
            picture = self.screen.settled(name)
            reading = read_time(picture, seen)
            context = f"{name} ({reading.describe()})"
            print(context)
            self.answer(name, reading, seen, picture)
        except Failed as failure:
            self.screen.settled(f"{name}-failed")
            shots = [shot for shot in self.screen.saved if re.match(rf"{name}\b", shot)]
            raise Failed(f"{context}: {failure}; screenshots: {', '.join(shots)}")

    def answer(self, name, reading, seen, picture):
        on_the_hour = reading.m == 60
        if ("Text2" in seen.boxes) == on_the_hour:
            raise Failed(f"the minutes box {'shows' if on_the_hour else 'is missing'}: "
                         + seen.describe())
        neutral = face_pixels(picture)
        if open_mouth_pixels(picture):
            raise Failed("the face after the draw: " + face_text(picture, neutral))

        # A wrong hour, after a letter and a blank that type nothing: it stays, open.
        wrong = wrong_hour(reading)
        self.child.click_box("Text1")
        self.child.type("a " + wrong)
        look_until(f"{wrong!r} did not stay open in the hours box", box_is("Text1", wrong, True))
        picture = self.screen.settled(f"{name}-wrong-hour")
        if not shows_neutral_face(picture, neutral):
            raise Failed("after the wrong hour: " + face_text(picture, neutral))

        self.hold_backspace("Text1", wrong)

        # The right hour, a letter first: the box locks with it.
        self.child.type("x" + reading.hour_answer)
        look_until(f"the hours box did not lock on {reading.hour_answer!r}",
                   box_is("Text1", reading.hour_answer, False))
        picture = self.screen.settled(f"{name}-hour")
        if on_the_hour:
            if not shows_happy_face(picture, neutral):
                raise Failed("the hour alone is the answer on the hour: "
                             + face_text(picture, neutral))
            return
        if not shows_neutral_face(picture, neutral):
            raise Failed("with the minutes still open: " + face_text(picture, neutral))

        wrong = wrong_minutes(reading)
        minutes = str(reading.m)
        self.child.click_box("Text2")
        self.child.type(wrong)
        look_until(f"{wrong!r} did not stay open in the minutes box", box_is("Text2", wrong, True))
        self.hold_backspace("Text2", wrong)
        self.child.type("b " + minutes)
        look_until(f"the minutes box did not lock on {minutes!r}",
                   box_is("Text2", minutes, False))
        seen = look()
        if seen.boxes["Text1"] != {"text": reading.hour_answer, "enabled": False}:
            raise Failed("the hours box changed: " + seen.describe())
        picture = self.screen.settled(f"{name}-minutes")
        if not shows_happy_face(picture, neutral):
            raise Failed("with the whole row right: " + face_text(picture, neutral))

    def hold_backspace(self, box, text):
        """Held down, Backspace repeats until the box is empty; one press would leave all but
        the last character, so two characters show that the repeats arrived."""
        self.child.hold("BackSpace")
        look_until(f"holding Backspace did not empty the box {box} holding {text!r}",
                   box_is(box, "", True))
        if len(text) > 1:
            self.held_key_repeats_seen += 1


def check(program, artifacts):
    process = x_session.start_program(program, artifacts)
    failures = []
    try:
        window = x_session.find_window(process, artifacts, TITLE, WINDOW_TIMEOUT)
        play = Play(window, artifacts)
        deadline = time.monotonic() + PLAY_TIMEOUT
        played = 0
        for number in range(1, DRAWS + 1):
            if time.monotonic() > deadline:
                failures.append(f"only {played} of {DRAWS} draws within {PLAY_TIMEOUT} s")
                break
            try:
                play.draw(number)
                played += 1
            except Failed as failure:
                failures.append(str(failure))
        if played == DRAWS and play.held_key_repeats_seen == 0:
            failures.append("no draw had a box of two digits to hold Backspace in, so the "
                            "held key's repeats were never seen")
        if process.poll() is not None:
            failures.append(program_report(process, artifacts))
    finally:
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
    return failures


def main():
    program, artifacts = Path(sys.argv[1]), Path(sys.argv[2])
    return x_session.run_check(program, artifacts, lambda: check(program, artifacts))


if __name__ == "__main__":
    sys.exit(main())
