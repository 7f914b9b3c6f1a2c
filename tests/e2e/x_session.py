"""What the tests of the real program under an X server share: running commands, waiting
for a state, the desktop services a person's session has, and the run of one check with
its failures reported."""

import os
import re
import shutil
import subprocess
import sys
import time


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
