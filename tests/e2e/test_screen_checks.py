# SPDX-License-Identifier: GPL-3.0-or-later
"""The screen checks must reject what a broken program would show, not only accept a good
picture: each case paints a synthetic client area and states which failures it must raise."""

import math
import sys
import unittest

import screen_checks as sc

BLUE = (0, 0, 255)
MAGENTA = (255, 0, 255)
YELLOW = (255, 255, 0)
GREEN = (0, 255, 0)
PURPLE = (192, 0, 192)
RED = (220, 30, 30)
BLACK = (0, 0, 0)


class Canvas:
    def __init__(self, width=792, height=566, colour=BLUE):
        self.width, self.height = width, height
        self.rgb = bytearray(bytes(colour) * (width * height))

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            i = 3 * (y * self.width + x)
            self.rgb[i : i + 3] = bytes(colour)

    def span(self, y, first_x, last_x, colour):
        first_x, last_x = max(first_x, 0), min(last_x, self.width - 1)
        if 0 <= y < self.height and first_x <= last_x:
            i = 3 * (y * self.width + first_x)
            self.rgb[i : i + 3 * (last_x - first_x + 1)] = bytes(colour) * (last_x - first_x + 1)

    def disc(self, centre, radius, colour):
        cx, cy = centre
        for y in range(math.floor(cy - radius), math.ceil(cy + radius) + 1):
            if abs(y - cy) <= radius:
                half = math.sqrt(radius**2 - (y - cy) ** 2)
                self.span(y, math.ceil(cx - half), math.floor(cx + half), colour)

    def box(self, box, colour):
        left, top, right, bottom = box
        for y in range(top, bottom):
            self.span(y, left, right - 1, colour)

    def hand(self, degrees, length, width, colour):
        """A straight hand from the dial centre with a two-pixel black outline."""
        cx, cy = sc.DIAL_CENTRE
        dx, dy = math.sin(math.radians(degrees)), -math.cos(math.radians(degrees))
        tip_x, tip_y = cx + length * dx, cy + length * dy
        margin = width / 2 + 3
        for y in range(int(min(cy, tip_y) - margin), int(max(cy, tip_y) + margin) + 1):
            for x in range(int(min(cx, tip_x) - margin), int(max(cx, tip_x) + margin) + 1):
                along = (x - cx) * dx + (y - cy) * dy
                across = abs((x - cx) * dy - (y - cy) * dx)
                half = width / 2 * max(0.2, 1 - along / length)
                if 0 <= along <= length and across <= half + 2:
                    self.put(x, y, colour if across <= half and along <= length - 2 else BLACK)

    def picture(self):
        return sc.Picture(self.width, self.height, bytes(self.rgb))


def dial(alarm_clock=True, disc=True, face=MAGENTA, rim=YELLOW):
    canvas = Canvas()
    canvas.disc(sc.DIAL_CENTRE, 267, BLACK)
    canvas.disc(sc.DIAL_CENTRE, 266, rim)
    canvas.disc(sc.DIAL_CENTRE, 257, BLACK)
    canvas.disc(sc.DIAL_CENTRE, 256, face)
    if disc:
        canvas.disc(sc.DISC_CENTRE, sc.DISC_RADIUS, PURPLE)
    if alarm_clock:
        canvas.disc((280, 276), 24, RED)
        canvas.disc((280, 276), 15, YELLOW)
    return canvas


def minute_hand(canvas, tick):
    canvas.hand(6 * tick, 237, 24, YELLOW)


def hour_hand(canvas, tick):
    canvas.hand(6 * tick, 182, 30, GREEN)


def expect(test, failures, wanted):
    if wanted is None:
        test.assertEqual(failures, [])
    else:
        test.assertTrue(any(wanted in f for f in failures),
                        f"no failure mentions {wanted!r}: {failures}")


class StartupChecks(unittest.TestCase):
    def test_cases(self):
        def with_minute_hand():
            c = dial()
            minute_hand(c, 20)
            return c

        def with_hour_hand():
            c = dial()
            hour_hand(c, 3)
            return c

        def with_banner():
            c = dial()
            c.box((200, 168, 380, 188), BLACK)
            return c

        def with_box_on_panel():
            c = dial()
            c.box((616, 80, 665, 105), (160, 160, 160))
            c.box((617, 81, 664, 104), BLUE)
            return c

        cases = {
            "good start-up": (dial, None),
            "nothing drawn": (lambda: Canvas(colour=(0, 0, 0)), "blue field"),
            "wrong size": (lambda: Canvas(800, 600), "client area is 800x600"),
            "no dial face": (lambda: dial(face=BLUE), "dial face"),
            "no rim": (lambda: dial(rim=MAGENTA), "dial rim"),
            "no disc": (lambda: dial(disc=False), "purple disc"),
            "no alarm clock": (lambda: dial(alarm_clock=False), "alarm clock"),
            "minute hand already shown": (with_minute_hand, "a minute hand shows"),
            "hour hand already shown": (with_hour_hand, "an hour hand shows"),
            "banner already shown": (with_banner, "a banner shows"),
            "answer box already shown": (with_box_on_panel, "answer panel"),
        }
        for name, (paint, wanted) in cases.items():
            with self.subTest(name):
                expect(self, sc.startup_failures(paint().picture()), wanted)


class AfterDrawChecks(unittest.TestCase):
    def test_cases(self):
        # (minute ticks, hour ticks, failure wanted or None, hand reading when good)
        cases = {
            "twelve o'clock, both hands up": ([0], [0], None),
            "half past six": ([30], [32], None),
            "a quarter past three": ([15], [16], None),
            "eleven fifty-nine, hands across 12": ([59], [59], None),
            "hour hand covers the minute hand": ([25], [27], None),
            "no hand at all": ([], [], "minute hand: 0 show"),
            "no hour hand": ([10], [], "hour hand: 0 show"),
            "two minute hands": ([10, 40], [52], "minute hand: 2 show"),
            "two hour hands": ([10], [52, 22], "hour hand: 2 show"),
            "two neighbouring minute hands": ([10, 12], [52], "minute hand"),
            "hour hand on the mark at ten past": ([10], [50], "does not go with"),
            "hour hand past the mark on the hour": ([0], [3], "does not go with"),
            "hour hand one quarter behind": ([31], [37], "does not go with"),
        }
        for name, (minutes, hours, wanted) in cases.items():
            with self.subTest(name):
                canvas = dial()
                for tick in minutes:
                    minute_hand(canvas, tick)
                for tick in hours:
                    hour_hand(canvas, tick)
                failures, reading = sc.after_draw_failures(canvas.picture())
                expect(self, failures, wanted)
                if wanted is None:
                    self.assertEqual(reading, sc.HandReading(minutes[0], hours[0]))

    def test_hand_between_ticks_is_reported(self):
        canvas = dial()
        canvas.hand(6 * 20 + 3, 237, 24, YELLOW)
        hour_hand(canvas, 12)
        failures, _ = sc.after_draw_failures(canvas.picture())
        expect(self, failures, "between two ticks")

    def test_short_minute_hand_is_reported(self):
        canvas = dial()
        canvas.hand(6 * 20, 192, 24, YELLOW)
        hour_hand(canvas, 12)
        failures, _ = sc.after_draw_failures(canvas.picture())
        expect(self, failures, "minute hand: reaches")


class HourHandStep(unittest.TestCase):
    def test_steps(self):
        # minute tick -> ticks past the hour mark
        for tick, step in {0: 0, 1: 1, 15: 1, 16: 2, 30: 2, 31: 3, 45: 3, 46: 4, 59: 4}.items():
            with self.subTest(minute_tick=tick):
                self.assertEqual(sc.hour_hand_step(tick), step)


class ReadPpm(unittest.TestCase):
    def test_reads_header_with_comment(self):
        picture = sc.read_ppm(b"P6\n# made by hand\n2 1\n255\n\x01\x02\x03\x04\x05\x06")
        self.assertEqual((picture.width, picture.height), (2, 1))
        self.assertEqual(picture.at(1, 0), (4, 5, 6))

    def test_rejects_short_or_foreign_data(self):
        for name, data in {"cut short": b"P6 2 2 255\n\x00\x00\x00",
                           "text PPM": b"P3 1 1 255\n0 0 0\n",
                           "16-bit": b"P6 1 1 65535\n\x00\x00\x00\x00\x00\x00"}.items():
            with self.subTest(name):
                with self.assertRaises(ValueError):
                    sc.read_ppm(data)


if __name__ == "__main__":
    sys.exit(unittest.main())
