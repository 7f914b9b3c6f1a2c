# SPDX-License-Identifier: GPL-3.0-or-later
"""A screen reader as far as a long paste is concerned: at every changed text it reads the
whole text, as a reader does to speak it, and prints the length it read from an editable
text (labels changed by a draw are read too, and not printed). Prints "ready" once it
listens."""

import sys

import pyatspi


def changed(event):
    try:
        if event.source.getRole() != pyatspi.ROLE_TEXT:
            return
        read = event.source.queryText().getText(0, -1)
    except Exception:  # the object may be gone by the time the event is read
        return
    print(len(read), flush=True)


pyatspi.Registry.registerEventListener(changed, "object:text-changed")
print("ready", flush=True)
pyatspi.Registry.start()
sys.exit(0)
