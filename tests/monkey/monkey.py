#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Random mouse and keyboard input against the real program on an X server.

Run inside an X server of its own (run_monkey.sh starts one). For a bounded time it clicks the
alarm clock, "INFO", "OK" and the answer boxes, presses, holds and releases keys, types and
pastes random text and closes the credits window through the window manager. Between bursts
and at the end it checks that the program is alive and answers (a click on the alarm clock
changes the dial), that a disabled clock window takes no clicks, that the clock window is
enabled again once the credits window is gone, and that the resident memory the program
allocates itself does not keep growing.

    monkey.py --program PATH --seconds N [--seed S]
"""

import argparse
import hashlib
import os
import random
import shutil
import statistics
import subprocess
import sys
import time

import screen_checks
import x_session

# Both windows carry the game's title in their caption.
CAPTION = "Io gioco con l'ardesino"
CLOCK_SIZE = (792, 566)
CREDITS_SIZE = (322, 240)

# Places in client-area pixels, from the two windows' layouts.
ALARM_CLOCK = (280, 280)
INFO = (40, 548)
OK = (160, 208)
SELECTIONS = ("clipboard", "primary")  # what Ctrl+V and the middle button paste
DIAL_SIZE = 560  # the square at the top left where the hands are: a draw always changes it
ANSWER_BOXES = {
    "Text1": (640, 92), "Text2": (712, 92), "Text9": (668, 142), "Text6": (624, 141),
    "Text5": (720, 141), "Text3": (648, 356), "Text4": (752, 356), "Text11": (648, 388),
    "Text10": (752, 388), "Text8": (616, 461), "Text7": (752, 459), "Text12": (616, 493),
    "Text13": (752, 493),
}
# Over "OK", the two upper texts, the e-mail lines and the bare chalkboard.
CREDITS_SPOTS = [(160, 208), (161, 24), (161, 68), (161, 120), (161, 152), (161, 176), (20, 225)]

# Keys a child may press. No Alt or Super: those belong to the window manager, and Alt+F4
# would end the program by design.
KEYS = (
    [str(d) for d in range(10)]
    + [chr(c) for c in range(ord("a"), ord("z") + 1)]
    + [chr(c) for c in range(ord("A"), ord("Z") + 1)]
    + ["space", "BackSpace", "Delete", "Return", "KP_Enter", "Escape", "Tab", "ISO_Left_Tab",
       "Left", "Right", "Up", "Down", "Home", "End", "Shift_L", "Shift_R", "Control_L",
       "Caps_Lock", "egrave", "Egrave", "agrave", "ograve", "ugrave", "eacute", "EuroSign",
       "minus", "period", "comma", "apostrophe", "KP_1", "KP_5", "F1", "F5", "Insert"]
)
CONTROL_COMBINATIONS = ["ctrl+a", "ctrl+c", "ctrl+x", "ctrl+v", "ctrl+z", "ctrl+y",
                        "ctrl+BackSpace", "ctrl+Left", "shift+Home", "shift+End"]
WORDS = ["MEZZOGIORNO", "MEZZANOTTE", "UN QUARTO", "MEZZO", "TRE QUARTI", "mezzanotte",
         "VENTIQUATTRO", "una", "12", "24", "45", "013", "0" * 40 + "11"]
ODD_TEXT = ["È  L'", "€ 5", "ÀÉÌÒÙ àéìòù", "日本語", "😀 MEZZO", "Ω≈ç√", "\t12\t", "x" * 300]

TOOL_TIMEOUT = 30
WINDOW_MANAGER_CLOSE = shutil.which("wmctrl") is not None and shutil.which("openbox") is not None
SAMPLE_EVERY = 1.0
CHECK_EVERY = 10.0
WARM_UP_FRACTION = 0.2
MEMORY_MARGIN_FRACTION = 0.05
MEMORY_MARGIN_KB = 2048
# Draws in which all 60 minute hands and all 60 hour hands are almost certainly drawn: about
# 280 are needed on average, and 900 miss a given hand with a chance of 3e-7.
WARM_UP_DRAWS = 900


class MonkeyFailure(Exception):
    pass


def run(*args, check=True, text_input=None):
    result = subprocess.run(list(args), input=text_input, capture_output=True, text=True,
                            timeout=TOOL_TIMEOUT)
    if check and result.returncode != 0:
        raise MonkeyFailure(f"{' '.join(args)} failed: {result.stderr.strip()}")
    return result.stdout


def hold_in_selections(text):
    """The text in the clipboard and in the primary selection, for Ctrl+V and the middle
    button: one xclip in the foreground for each, serving requests until it is stopped.
    Returns once both selections give the text back. An xclip exits when another client
    takes its selection (the game owns the primary selection while text in a box is
    selected, which a slow run may do only now): such an owner is started again."""
    owners = {}

    def take(selection):
        owner = subprocess.Popen(["xclip", "-quiet", "-selection", selection, "-target",
                                  "UTF8_STRING", "-in"], stdin=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        owner.stdin.write(text.encode())
        owner.stdin.close()
        owners[selection] = owner

    def served(selection):
        if owners[selection].poll() is not None:
            take(selection)
            return False
        result = subprocess.run(["xclip", "-out", "-selection", selection, "-target",
                                 "UTF8_STRING"], capture_output=True, timeout=TOOL_TIMEOUT)
        return result.returncode == 0 and result.stdout == text.encode()

    for selection in SELECTIONS:
        take(selection)
    try:
        x_session.wait_until("xclip did not take the selections", TOOL_TIMEOUT,
                             lambda: all(served(selection) for selection in SELECTIONS))
    except x_session.Failed as failure:
        for owner in owners.values():
            owner.kill()
            owner.wait()
        raise MonkeyFailure(str(failure)) from failure
    return list(owners.values())


class Program:
    def __init__(self, path, rng):
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.rng = rng
        self.counts = {}
        self.clock = self.wait_for_window(CLOCK_SIZE, 20)
        if self.clock is None:
            raise MonkeyFailure("the clock window never showed")
        # The process that owns the window: the one started, or its child under a wrapper
        # such as a memory profiler.
        self.pid = int(run("xdotool", "getwindowpid", self.clock).strip())

    def count(self, action):
        self.counts[action] = self.counts.get(action, 0) + 1

    def alive(self):
        return self.process.poll() is None

    def resident_kb(self):
        """The program's own resident memory (RssAnon), where a leak shows. File-backed pages
        are left out: a fallback font is mapped the first time its script is shown (the CJK
        one adds 2.4 MiB), and the kernel may drop such pages at any time."""
        with open(f"/proc/{self.pid}/status") as status:
            for line in status:
                if line.startswith("RssAnon:"):
                    return int(line.split()[1])
        raise MonkeyFailure("no RssAnon")

    def windows(self):
        """The program's visible top-level windows, by size."""
        out = run("xdotool", "search", "--onlyvisible", "--name", CAPTION, check=False)
        found = {}
        for window in out.split():
            geometry = run("xdotool", "getwindowgeometry", "--shell", window, check=False)
            fields = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
            if "WIDTH" in fields:
                found[(int(fields["WIDTH"]), int(fields["HEIGHT"]))] = window
        return found

    def wait_for_window(self, size, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            window = self.windows().get(size)
            if window:
                return window
            time.sleep(0.1)
        return None

    def credits(self):
        return self.windows().get(CREDITS_SIZE)

    def click(self, window, place, button=1):
        run("xdotool", "mousemove", "--window", window, str(place[0]), str(place[1]),
            "click", str(button), check=False)

    def dial(self):
        data = x_session.grab(self.clock)
        if not data:
            return None
        picture = screen_checks.read_ppm(data)
        row, dial_row = 3 * picture.width, 3 * DIAL_SIZE
        return hashlib.sha256(b"".join(picture.rgb[y * row:y * row + dial_row]
                                       for y in range(DIAL_SIZE))).hexdigest()

    # The random actions.

    def draw(self):
        self.click(self.clock, ALARM_CLOCK)

    def info(self):
        self.click(self.clock, INFO)

    def ok(self):
        credits = self.credits()
        if credits:
            self.click(credits, OK)

    def close_credits(self):
        """The window manager's close (what Alt+F4 asks for), where one runs."""
        credits = self.credits()
        if credits and WINDOW_MANAGER_CLOSE:
            run("wmctrl", "-i", "-c", credits, check=False)

    def move_over_credits(self):
        credits = self.credits()
        if credits:
            x, y = self.rng.choice(CREDITS_SPOTS)
            run("xdotool", "mousemove", "--window", credits, str(x), str(y), check=False)

    def focus_box(self):
        self.click(self.clock, self.rng.choice(list(ANSWER_BOXES.values())))

    def key(self):
        key = self.rng.choice(KEYS)
        if self.rng.random() < 0.5:
            run("xdotool", "key", "--delay", "0", key, check=False)
        else:  # press and release as separate steps, maybe with the mouse moving between
            run("xdotool", "keydown", key, check=False)
            if self.rng.random() < 0.3:
                self.focus_box()
            run("xdotool", "keyup", key, check=False)

    def combination(self):
        run("xdotool", "key", self.rng.choice(CONTROL_COMBINATIONS), check=False)

    def held_key(self):
        key = self.rng.choice(KEYS[:62] + ["BackSpace", "space"])
        run("xdotool", "keydown", key, check=False)
        time.sleep(self.rng.uniform(0.8, 2.0))  # past the server's auto-repeat delay
        run("xdotool", "keyup", key, check=False)

    def type_text(self):
        text = self.rng.choice(WORDS + ODD_TEXT)
        run("xdotool", "type", "--delay", "1", text, check=False)

    def paste(self, text=None):
        if text is None:
            text = self.rng.choice(WORDS + ODD_TEXT)
            if self.rng.random() < 0.2:
                text *= self.rng.randint(10, 100)
        owners = hold_in_selections(text)
        try:
            box = self.rng.choice(list(ANSWER_BOXES.values()))
            if self.rng.random() < 0.5:
                self.click(self.clock, box)
                run("xdotool", "key", "ctrl+v", check=False)
            else:
                self.click(self.clock, box, button=2)  # the primary selection
            time.sleep(0.05)
        finally:
            for owner in owners:
                owner.terminate()
                owner.wait(timeout=TOOL_TIMEOUT)

    ACTIONS = [  # (action, weight)
        ("draw", 8), ("info", 2), ("ok", 3), ("close_credits", 1), ("move_over_credits", 2),
        ("focus_box", 10), ("key", 30), ("combination", 3), ("held_key", 2), ("type_text", 4),
        ("paste", 3),
    ]

    def random_action(self):
        names = [name for name, _ in self.ACTIONS]
        weights = [weight for _, weight in self.ACTIONS]
        name = self.rng.choices(names, weights)[0]
        getattr(self, name)()
        self.count(name)

    def show_every_hand(self):
        """Enough draws that every one of the 120 hand pictures has been shown, so the
        program's picture cache has reached its full size before memory is compared."""
        run("xdotool", "mousemove", "--window", self.clock, str(ALARM_CLOCK[0]),
            str(ALARM_CLOCK[1]), "click", "--repeat", str(WARM_UP_DRAWS), "--delay", "5", "1")
        self.count("draw")

    def every_action_once(self):
        for name, _ in self.ACTIONS:
            if name in ("ok", "close_credits", "move_over_credits"):
                self.info()
            getattr(self, name)()
            self.count(name)
        for text in ODD_TEXT:  # fallback fonts for every script come in now, not later
            self.paste(text)

    # The checks.

    def close_credits_by_ok(self):
        for _ in range(20):
            credits = self.credits()
            if not credits:
                return
            self.click(credits, OK)
            time.sleep(0.1)
        raise MonkeyFailure('"OK" does not close the credits window')

    def clock_answers(self, tries=6):
        """A click on the alarm clock changes the dial (a new time), within a few tries."""
        for _ in range(tries):
            before = self.dial()
            self.draw()
            time.sleep(0.3)
            if self.dial() != before:
                return True
        return False

    def check(self, when):
        if not self.alive():
            raise MonkeyFailure(f"the program ended {when} (exit code {self.process.returncode})")
        if self.credits():
            before = self.dial()
            self.draw()
            time.sleep(0.3)
            if self.dial() != before:
                raise MonkeyFailure(f"the clock window took a click under the credits window {when}")
            self.close_credits_by_ok()
        if not self.clock_answers():
            raise MonkeyFailure(f"the clock window does not answer a click {when}")

    def end(self):
        if self.alive():
            self.process.terminate()
            try:
                self.process.wait(timeout=TOOL_TIMEOUT)
            except subprocess.TimeoutExpired:
                self.process.kill()


def memory_verdict(samples, seconds, judge):
    """Median own resident memory after the warm-up against the median of the last samples."""
    start = samples[0][0]
    warm = [kb for t, kb in samples if WARM_UP_FRACTION * seconds <= t - start < 2 * WARM_UP_FRACTION * seconds]
    last = [kb for t, kb in samples if t - start >= (1 - WARM_UP_FRACTION) * seconds]
    if not warm or not last:
        raise MonkeyFailure("too few memory samples")
    after_warm_up, at_end = statistics.median(warm), statistics.median(last)
    allowed = max(MEMORY_MARGIN_KB, MEMORY_MARGIN_FRACTION * after_warm_up)
    print(f"monkey: own resident memory after warm-up {after_warm_up / 1024:.1f} MiB, "
          f"at the end {at_end / 1024:.1f} MiB (allowed growth {allowed / 1024:.1f} MiB)")
    if judge and at_end - after_warm_up > allowed:
        raise MonkeyFailure("resident memory keeps growing")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--memory-log", help="write the memory samples here, one a line")
    parser.add_argument("--memory-report-only", action="store_true",
                        help="print the memory figures without judging them (a sanitizer's "
                             "quarantine holds freed memory on purpose)")
    args = parser.parse_args()
    print(f"monkey: seed {args.seed}, {args.seconds:.0f} s")
    if not WINDOW_MANAGER_CLOSE:
        print("monkey: no openbox or wmctrl: the credits window is closed by \"OK\" only")

    rng = random.Random(args.seed)
    program = Program(args.program, rng)
    try:
        program.check("at start-up")
        program.show_every_hand()
        program.every_action_once()
        program.check("after every action once")

        start = time.monotonic()
        samples = [(start, program.resident_kb())]
        next_sample, next_check = start + SAMPLE_EVERY, start + CHECK_EVERY
        while time.monotonic() - start < args.seconds:
            program.random_action()
            now = time.monotonic()
            if now >= next_sample:
                samples.append((now, program.resident_kb()))
                next_sample = now + SAMPLE_EVERY
            if now >= next_check:
                program.check(f"after {now - start:.0f} s")
                next_check = time.monotonic() + CHECK_EVERY
        program.check("at the end of the run")
        if args.memory_log:
            with open(args.memory_log, "w") as log:
                log.writelines(f"{t - start:.1f} {kb}\n" for t, kb in samples)
        memory_verdict(samples, args.seconds, judge=not args.memory_report_only)
        actions = ", ".join(f"{name} {n}" for name, n in sorted(program.counts.items()))
        print(f"monkey: passed; actions: {actions}")
        return 0
    except MonkeyFailure as failure:
        print(f"monkey: FAILED: {failure} (seed {args.seed})", file=sys.stderr)
        return 1
    finally:
        program.end()


if __name__ == "__main__":
    sys.exit(main())
