# SPDX-License-Identifier: GPL-3.0-or-later
"""What the tests of the real program under an X server share: running commands, waiting
for a state, the desktop services a person's session has, screenshots, what a screen reader
finds, and the run of one check with its failures reported.

Run as a script, it prints what a screen reader finds (see accessible_objects):
    x_session.py accessible-objects APPLICATION_NAME TIMEOUT_SECONDS
"""

import json
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

PYTHON = "/usr/bin/python3"  # Debian's, which has pyatspi
MAX_ACCESSIBLE_OBJECTS = 5000


class Failed(Exception):
    pass


def run(*command, timeout=10):
    result = subprocess.run(command, capture_output=True, text=True, timeout=timeout)
    if result.returncode != 0:
        raise Failed(f"{' '.join(command)} failed ({result.returncode}): {result.stderr.strip()}")
    return result.stdout


def succeeds(*command):
    return subprocess.run(command, capture_output=True).returncode == 0


def wait_until(what, timeout, probe):
    """The first true value of probe(); raises Failed with `what` once the time is up."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failed(f"{what} within {timeout} s")
        time.sleep(0.2)


def start_accessibility_bus(services):
    services.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]))
    wait_until("the accessibility bus did not start", 10, lambda: succeeds(
        "dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
        "org.a11y.Bus.GetAddress"))


def start_window_manager(services):
    """The window manager is what lets a test close a window the way a user does."""
    services.append(subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL))
    wait_until("the window manager did not start", 10, lambda: succeeds("wmctrl", "-m"))


def start_program(program, artifacts, *, accessibility=True):
    """The program on the X display, its output kept in the artifacts."""
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    if accessibility:
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    with open(artifacts / "program-output.txt", "wb") as output:
        return subprocess.Popen([program], env=env, stdout=output, stderr=subprocess.STDOUT)


def find_window(process, artifacts, title, timeout):
    """Waits for the one window titled `title` to be mapped, and gives up at once if the
    program ends first."""
    search = subprocess.Popen(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                               re.escape(title)], stdout=subprocess.PIPE, text=True)
    deadline = time.monotonic() + timeout
    try:
        while search.poll() is None:
            if process.poll() is not None or time.monotonic() > deadline:
                raise Failed(f"no window titled {title!r} appeared within {timeout} s; "
                             + program_report(process, artifacts))
            time.sleep(0.1)
    finally:
        if search.poll() is None:
            search.kill()
        found = search.communicate()[0].split()
    if len(found) != 1:
        raise Failed(f"{len(found)} windows titled {title!r}, expected one")
    return found[0]


def grab(window):
    """The window's client area as a binary PPM, as ImageMagick writes it; empty if the
    window is gone."""
    return subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"],
                          capture_output=True, timeout=10).stdout


def settled_grab(window, timeout, png=None):
    """The client area once two grabs in a row agree, as a binary PPM; also saved at the
    path `png` when one is given."""
    previous = None

    def same_twice():
        nonlocal previous
        data = grab(window)
        done = bool(data) and data == previous
        previous = data
        return done

    wait_until(f"window {window} did not stop changing", timeout, same_twice)
    if png is not None:
        subprocess.run(["convert", "ppm:-", str(png)], input=previous, check=True)
    return previous


def accessible_objects(application, timeout):
    """What a screen reader finds in the running application now: every accessible object
    with its role, name, states and the number of its window; for the text boxes also their texts, and for the boxes
    and the windows their places on the screen ([left, top, width, height]). Asked in a
    fresh process, as the AT-SPI client caches states and only a main loop would refresh
    them."""
    result = subprocess.run([PYTHON, str(Path(__file__).resolve()), "accessible-objects",
                             application, str(timeout)], capture_output=True, text=True,
                            timeout=timeout + 30)
    if result.returncode != 0:
        raise Failed(f"screen reader: {result.stderr.strip()}")
    return json.loads(result.stdout)


def windows_titled(title):
    """The shown windows whose title holds `title`."""
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", re.escape(title)],
                            capture_output=True, text=True, timeout=10)
    return set(result.stdout.split())


def program_report(process, artifacts):
    status = process.poll()
    state = "is still running" if status is None else f"exited with status {status}"
    tail = (artifacts / "program-output.txt").read_text(errors="replace")[-3000:]
    return f"the program {state}; its output ends with:\n{tail}"


def run_check(program, artifacts, check, *, accessibility=True):
    """Starts the window manager (and the accessibility bus), runs check(), which returns a
    list of failures or raises Failed, stops the services and prints the failures. Returns
    the exit status. The artifact folder starts empty."""
    shutil.rmtree(artifacts, ignore_errors=True)
    artifacts.mkdir(parents=True)
    if not program.is_file():
        print(f"FAIL: the program {program} has not been built", file=sys.stderr)
        return 1
    services = []
    try:
        if accessibility:
            start_accessibility_bus(services)
        start_window_manager(services)
        failures = check()
    except Failed as failure:
        failures = [str(failure)]
    finally:
        for service in reversed(services):
            service.terminate()
            service.wait()
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    print(f"screenshots and the program's output are in {artifacts}")
    return 1 if failures else 0


# The screen reader's side of accessible_objects, run in its own process.

def _find_application(pyatspi, name, timeout):
    deadline = time.monotonic() + timeout
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        names = []
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is None:
                continue
            names.append(app.name)
            if app.name == name:
                return app, names
        if time.monotonic() > deadline:
            return None, names
        time.sleep(0.25)


def _describe(pyatspi, accessible, placed):
    """Texts and places are asked for only where they are read: each is a round trip."""
    states = accessible.getState()
    role = accessible.getRoleName()
    is_box = role == "text"
    text = extents = None
    if is_box:
        try:
            content = accessible.queryText()
            text = content.getText(0, content.characterCount)
        except NotImplementedError:
            pass
    if is_box or placed:
        try:
            box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            extents = [box.x, box.y, box.width, box.height]
        except NotImplementedError:
            pass
    return {
        "role": role,
        "name": accessible.name,
        "text": text,
        "showing": states.contains(pyatspi.STATE_SHOWING),
        "enabled": states.contains(pyatspi.STATE_ENABLED),
        "extents": extents,
    }


def _print_accessible_objects(name, timeout):
    import pyatspi

    app, names = _find_application(pyatspi, name, timeout)
    if app is None:
        print(f"no accessible application {name!r}; applications seen: {names}", file=sys.stderr)
        return 1
    # The windows are the application's children; only they are placed among the non-boxes.
    # Each object also tells the number of the window it stands in.
    found, pending = [], [(app, 0, None)]
    while pending and len(found) < MAX_ACCESSIBLE_OBJECTS:
        accessible, depth, window = pending.pop()
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is not None:
                child_window = index if window is None else window
                found.append(dict(_describe(pyatspi, child, placed=depth == 0),
                                  window=child_window))
                pending.append((child, depth + 1, child_window))
    json.dump(found, sys.stdout, ensure_ascii=False)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[1] != "accessible-objects":
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(_print_accessible_objects(sys.argv[2], float(sys.argv[3])))
