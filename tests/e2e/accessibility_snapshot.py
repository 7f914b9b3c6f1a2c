"""Prints, as JSON, what a screen reader sees of one running application: every accessible
object below it with its role, name, text and states.

Run as a fresh process for every snapshot: the AT-SPI client caches states and only a main
loop would refresh them. Usage: accessibility_snapshot.py APPLICATION_NAME TIMEOUT_SECONDS
"""

import json
import sys
import time

import pyatspi

MAX_OBJECTS = 5000


def find_application(name, timeout):
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


def text_of(accessible):
    try:
        text = accessible.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def describe(accessible):
    states = accessible.getState()
    return {
        "role": accessible.getRoleName(),
        "name": accessible.name,
        "text": text_of(accessible),
        "showing": states.contains(pyatspi.STATE_SHOWING),
        "enabled": states.contains(pyatspi.STATE_ENABLED),
    }


def objects_below(app):
    found, pending = [], [app]
    while pending and len(found) < MAX_OBJECTS:
        accessible = pending.pop()
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is not None:
                found.append(describe(child))
                pending.append(child)
    return found


def main():
    name, timeout = sys.argv[1], float(sys.argv[2])
    app, names = find_application(name, timeout)
    if app is None:
        print(f"no accessible application {name!r}; applications seen: {names}", file=sys.stderr)
        return 1
    json.dump(objects_below(app), sys.stdout, ensure_ascii=False)
    return 0


if __name__ == "__main__":
    sys.exit(main())
