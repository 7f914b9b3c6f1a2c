# SPDX-License-Identifier: GPL-3.0-or-later
"""The clock window on a screen smaller than itself: its frame's top-left corner, title bar
included, stays on the screen, so the window can be taken by its title bar and moved.
Run inside an X server whose screen is smaller than the window (run_in_x_session.sh)."""

import re
import subprocess
import sys
from pathlib import Path

import x_session
from x_session import Failed, run

TITLE = "Io gioco con l'ardesino"
WINDOW_TIMEOUT = 30
CLIENT_SIZE = (792, 566)


def frame_extents(window):
    """Left, right, top and bottom of the frame the window manager put round the window."""
    def read():
        found = re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                          run("xprop", "-id", window, "_NET_FRAME_EXTENTS"))
        return found and tuple(map(int, found.groups()))
    return x_session.wait_until("the window manager gave the window no frame", 10, read)


def check(program, artifacts):
    screen = tuple(map(int, run("xdotool", "getdisplaygeometry").split()))
    if screen[0] >= CLIENT_SIZE[0] and screen[1] >= CLIENT_SIZE[1]:
        raise Failed(f"the screen {screen[0]}x{screen[1]} holds the whole window")
    process = x_session.start_program(program, artifacts, accessibility=False)
    try:
        window = x_session.find_window(process, artifacts, TITLE, WINDOW_TIMEOUT)
        left, _, top, _ = frame_extents(window)
        # The client area's corner in screen coordinates.
        info = run("xwininfo", "-id", window)
        x = int(re.search(r"Absolute upper-left X: +(-?\d+)", info)[1])
        y = int(re.search(r"Absolute upper-left Y: +(-?\d+)", info)[1])
        subprocess.run(["import", "-window", "root", str(artifacts / "small-screen.png")],
                       timeout=10, check=False)
        failures = []
        frame_corner = (x - left, y - top)
        if frame_corner != (0, 0):
            failures.append(f"on a {screen[0]}x{screen[1]} screen the frame's top-left corner "
                            f"is at {frame_corner}, expected the screen's corner (0, 0)")
        if top == 0:
            failures.append("the window has no title bar to be moved by")
        return failures
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def main():
    program, artifacts = Path(sys.argv[1]), Path(sys.argv[2])
    return x_session.run_check(program, artifacts, lambda: check(program, artifacts),
                               accessibility=False)


if __name__ == "__main__":
    sys.exit(main())
