"""Prints, as JSON, what a screen reader finds in one running application: every accessible
object with its role, name and states, and for the windows and the text boxes their places
on the screen (the place is what tells the answer boxes apart: they have no names), and the
boxes' texts.

Run as a fresh process for every look: the AT-SPI client caches states and only a main loop
would refresh them. Usage: screen_reader.py APPLICATION_NAME TIMEOUT_SECONDS
"""

import json
import sys

import pyatspi

from accessibility_snapshot import find_application, text_of

MAX_OBJECTS = 5000


def extents_of(accessible):
    """Left, top, width and height on the screen, or None."""
    try:
        box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return [box.x, box.y, box.width, box.height]


def describe(accessible, placed):
    """Texts and places are asked for only where they are read: each is a round trip."""
    states = accessible.getState()
    role = accessible.getRoleName()
    is_box = role == "text"
    return {
        "role": role,
        "name": accessible.name,
        "text": text_of(accessible) if is_box else None,
        "showing": states.contains(pyatspi.STATE_SHOWING),
        "enabled": states.contains(pyatspi.STATE_ENABLED),
        "extents": extents_of(accessible) if is_box or placed else None,
    }


def objects_below(app):
    """Every object below the application; the windows, its children, with their places."""
    found, pending = [], [(app, 0)]
    while pending and len(found) < MAX_OBJECTS:
        accessible, depth = pending.pop()
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is not None:
                found.append(describe(child, placed=depth == 0))
                pending.append((child, depth + 1))
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
