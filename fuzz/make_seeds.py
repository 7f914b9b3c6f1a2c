#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the hand-made seed inputs of the game fuzzer into fuzz/corpus/.

An input is a sequence of events; see fuzz_game.cpp for the decoding. Run again after a
change to the decoding so the seeds keep meaning what their names say.
"""
import pathlib
import struct

DRAW, PRESS, RELEASE, TYPED_KEY, HELD_KEY, PASTE, LONG_PASTE, TYPED_TEXT, INFO, OK, CLOSE, MOVE = range(12)

# Random values, as fuzz_input.h reads them.
ZERO = bytes([0])
BELOW_ONE = bytes([1])


def edge(n_index, k, below):
    """k / n for n = (2, 12, 60)[n_index], or the float just below it."""
    return bytes([2, n_index, k, 1 if below else 0])


def draw(*values):
    return bytes([DRAW]) + b"".join(values)


def box(name):
    return int(name[4:]) - 1


def typed(name, text):
    data = text.encode("cp1252")
    return bytes([TYPED_TEXT, box(name), len(data)]) + data


def key(kind, name, code):
    return bytes([kind, box(name)]) + struct.pack("<h", code)


SEEDS = {
    # Random values of 0: mode 1, 1:01; the hours in digits.
    "draw-zeros-then-hour": draw(ZERO, ZERO, ZERO, ZERO) + typed("Text1", "1"),
    # Values just below 1 with the mode of the morning: noon on the hour, sun.
    "noon-on-the-hour-sun": draw(ZERO, ZERO, BELOW_ONE, BELOW_ONE)
    + typed("Text9", "mezzogiorno")
    + typed("Text1", "12"),
    # The same values with the mode of the night: midnight on the hour, moon.
    "midnight-on-the-hour-moon": draw(ZERO, BELOW_ONE, BELOW_ONE, BELOW_ONE)
    + typed("Text9", "mezzanotte")
    + typed("Text1", "24"),
    # Mode 2 at 11:45: the noon words meno row beside the words rows.
    "quarter-to-midnight-words": draw(ZERO, BELOW_ONE, edge(2, 45, True), edge(1, 11, True))
    + typed("Text12", "mezzanotte")
    + typed("Text13", "un quarto")
    + typed("Text8", "ventiquattro")
    + typed("Text7", "un quarto"),
    # Mode 2 at 12:45: four rows at once, all answered.
    "midnight-quarter-to-every-row": draw(ZERO, edge(0, 1, False), edge(2, 45, True), BELOW_ONE)
    + typed("Text1", "24")
    + typed("Text2", "45")
    + typed("Text3", "ventiquattro")
    + typed("Text4", "tre quarti")
    + typed("Text11", "mezzanotte")
    + typed("Text10", "tre quarti")
    + typed("Text8", "una")
    + typed("Text7", "un quarto"),
    # Every two-box row completed, in both orders of its boxes.
    "quarter-past-three-words-row": draw(ZERO, ZERO, edge(2, 15, True), edge(1, 3, True))
    + typed("Text4", "un quarto")
    + typed("Text3", "tre")
    + typed("Text2", "15")
    + typed("Text1", "3"),
    "twenty-to-four-digits-meno-row": draw(ZERO, ZERO, edge(2, 40, True), edge(1, 3, True))
    + typed("Text6", "4")
    + typed("Text5", "20")
    + draw(ZERO, BELOW_ONE, edge(2, 55, True), edge(1, 3, True))
    + typed("Text5", "5")
    + typed("Text6", "16"),
    "quarter-to-four-words-meno-row": draw(ZERO, ZERO, edge(2, 45, True), edge(1, 3, True))
    + typed("Text8", "quattro")
    + typed("Text7", "un quarto")
    + typed("Text4", "tre quarti")
    + typed("Text3", "tre"),
    "quarter-past-noon-noon-words-row": draw(ZERO, ZERO, edge(2, 15, True), BELOW_ONE)
    + typed("Text11", "mezzogiorno")
    + typed("Text10", "un quarto")
    + draw(ZERO, ZERO, edge(2, 30, True), BELOW_ONE)
    + typed("Text10", "mezzo")
    + typed("Text11", "mezzogiorno"),
    "quarter-to-noon-noon-words-meno-row": draw(ZERO, ZERO, edge(2, 45, True), edge(1, 11, True))
    + typed("Text13", "un quarto")
    + typed("Text12", "mezzogiorno"),
    # The credits window: open, frame on and off, OK, open again, closed by the window manager.
    "credits-open-frame-close": bytes([INFO, MOVE, 0, MOVE, 3, MOVE, 6, MOVE, 0, OK, 0])
    + bytes([INFO, MOVE, 1, CLOSE, 0])
    + draw(ZERO, ZERO, ZERO, ZERO),
    # 10:40, where the next-hour box has no length guard: a held key and a long paste.
    "guard-free-hour-held-key-long-paste": draw(ZERO, ZERO, edge(2, 40, True), edge(1, 10, True))
    + key(HELD_KEY, "Text6", ord("1"))
    + bytes([10])
    + bytes([LONG_PASTE, box("Text6"), 0])
    + b"9"
    + struct.pack("<H", 4000)
    + bytes([RELEASE, box("Text6")]),
    # Extreme character codes, Backspace and keys that type nothing, in the digits row.
    "extreme-codes": draw(ZERO, ZERO, edge(2, 20, True), edge(1, 3, True))
    + key(PRESS, "Text1", -32768)
    + bytes([RELEASE, box("Text1")])
    + key(TYPED_KEY, "Text2", 32767)
    + key(TYPED_KEY, "Text2", 255)
    + key(TYPED_KEY, "Text2", 8)
    + key(TYPED_KEY, "Text1", -1)
    + bytes([PASTE, box("Text2")])
    + struct.pack("<H", 3)
    + b"20\x00",
}

corpus = pathlib.Path(__file__).resolve().parent / "corpus"
corpus.mkdir(exist_ok=True)
for name, data in SEEDS.items():
    (corpus / name).write_bytes(data)
