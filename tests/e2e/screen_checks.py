# SPDX-License-Identifier: GPL-3.0-or-later
"""What a person sees on the clock window, measured from a screenshot of its client area.

Every check returns a list of failure messages (empty when the picture is right), so one run
reports everything that is wrong at once. Places are client-area pixels; the dial is centred
at (280, 280).
"""

import functools
import math
from dataclasses import dataclass

CLIENT_SIZE = (792, 566)
DIAL_CENTRE = (280, 280)

# Rings about the dial centre, in pixels. The alarm clock's box reaches 63 px from the centre
# and the magenta face 256 px, so hands are looked for in between.
FACE_RING = (64, 248)
RIM_RING = (258, 265)
MINUTE_TIP_RING = (185, 245)  # beyond the longest hour hand, where the minute blade is narrow
HOUR_BLADE_RING = (100, 170)
# Farthest pixel of a hand's fill colour. The outline alone makes the last 20 to 30 px of a
# point, so these lie short of the hands' lengths; the two ranges do not overlap.
MINUTE_TIP_RANGE = (195, 250)
HOUR_TIP_RANGE = (150, 194)

# Boxes as (left, top, right, bottom), right and bottom exclusive.
ANSWER_PANEL = (580, 76, 786, 556)  # everything there is hidden at start-up
BANNER_BAND = (175, 162, 416, 192)  # where the part-of-day banners stand
ALARM_CLOCK_BOX = (240, 232, 319, 308)
ALARM_CLOCK_CENTRE = (279.5, 270)
DISC_CENTRE = (284.5, 276.5)
DISC_RADIUS = 36.5

MIN_CLUSTER_PIXELS = 10
MAX_MINUTE_SPREAD_DEGREES = 8
MAX_HOUR_SPREAD_DEGREES = 20
MAX_OFF_TICK_DEGREES = 2.5
MAX_STRAY_PANEL_PIXELS = 10


@dataclass(frozen=True)
class Picture:
    width: int
    height: int
    rgb: bytes  # row-major, three bytes per pixel

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return self.rgb[i], self.rgb[i + 1], self.rgb[i + 2]


def read_ppm(data):
    """Reads a binary PPM (P6, maxval 255), as ImageMagick writes it."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        if data[pos : pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        start = pos
        while not data[pos : pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError(f"not an 8-bit binary PPM: {fields[0]!r}, maxval {fields[3]!r}")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1 : pos + 1 + 3 * width * height]
    if len(pixels) != 3 * width * height:
        raise ValueError("PPM pixel data is cut short")
    return Picture(width, height, pixels)


# Colour classes, loose enough for anti-aliased edges to fall outside all of them.
def is_blue(c):
    return c[0] < 40 and c[1] < 40 and c[2] > 215


def is_magenta(c):
    return c[0] > 215 and c[1] < 40 and c[2] > 215


def is_yellow(c):
    return c[0] > 215 and c[1] > 215 and c[2] < 60


def is_green(c):
    return c[0] < 60 and c[1] > 215 and c[2] < 60


def is_purple(c):
    return 160 < c[0] < 225 and c[1] < 40 and 160 < c[2] < 225


def is_red(c):
    return c[0] > 170 and c[1] < 90 and c[2] < 90


def box_pixels(box):
    left, top, right, bottom = box
    for y in range(top, bottom):
        for x in range(left, right):
            yield x, y


def ring_pixels(ring, centre=DIAL_CENTRE):
    return [(x, y) for x, y, _, _ in polar_ring(ring, centre)]


@functools.lru_cache(maxsize=None)
def polar_ring(ring, centre=DIAL_CENTRE):
    """The pixels of a ring with their distance and direction from the centre."""
    inner, outer = ring
    cx, cy = centre
    pixels = []
    for y in range(math.floor(cy - outer), math.ceil(cy + outer) + 1):
        for x in range(math.floor(cx - outer), math.ceil(cx + outer) + 1):
            r = math.hypot(x - cx, y - cy)
            if inner <= r <= outer:
                pixels.append((x, y, r, clockwise_degrees(x, y, centre)))
    return tuple(pixels)


def clockwise_degrees(x, y, centre=DIAL_CENTRE):
    """Angle of a pixel about the centre, clockwise from straight up, in [0, 360)."""
    return math.degrees(math.atan2(x - centre[0], centre[1] - y)) % 360


def fraction(picture, pixels, is_colour):
    pixels = list(pixels)
    return sum(is_colour(picture.at(x, y)) for x, y in pixels) / len(pixels)


@dataclass(frozen=True)
class Sector:
    """A run of directions round the dial in which pixels of one colour were found."""

    first_degree: int
    last_degree: int  # inclusive, may be below first_degree when the run crosses 12 o'clock
    pixel_count: int

    @property
    def spread(self):
        return (self.last_degree - self.first_degree) % 360 + 1


def sectors(picture, ring, is_colour, gap_degrees=2):
    """Groups the matching pixels of a ring by direction. Runs of non-empty one-degree bins
    separated by at most gap_degrees empty bins form one sector; tiny sectors are noise."""
    bins = [0] * 360
    for x, y, _, degrees in polar_ring(ring):
        if is_colour(picture.at(x, y)):
            bins[int(degrees) % 360] += 1
    occupied = [d for d in range(360) if bins[d]]
    if not occupied:
        return []
    # Start scanning after the widest gap so that no run is split at 0 degrees.
    following = occupied[1:] + occupied[:1]
    gaps = [((after - d) % 360 or 360, d) for d, after in zip(occupied, following)]
    _, before_start = max(gaps)
    order = [(before_start + 1 + k) % 360 for k in range(360)]
    runs, current, empty = [], None, 0
    for d in order:
        if bins[d]:
            if current is None:
                current = [d, d, 0]
            current[1] = d
            current[2] += bins[d]
            empty = 0
        elif current is not None:
            empty += 1
            if empty > gap_degrees:
                runs.append(current)
                current, empty = None, 0
    if current is not None:
        runs.append(current)
    return [Sector(a, b, n) for a, b, n in runs if n >= MIN_CLUSTER_PIXELS]


def axis_degrees(picture, ring, sector, is_colour, band_width=10):
    """Direction of a hand: the median over radius bands of the mean direction of its pixels,
    so a label or another hand covering part of it in one band does not pull the result."""
    half = sector.spread / 2
    middle = (sector.first_degree + half) % 360
    means = []
    for inner in range(ring[0], ring[1], band_width):
        offsets = []
        for x, y, _, degrees in polar_ring((inner, inner + band_width)):
            offset = (degrees - middle + 180) % 360 - 180
            if abs(offset) <= half + 1 and is_colour(picture.at(x, y)):
                offsets.append(offset)
        if offsets:
            means.append(sum(offsets) / len(offsets))
    if not means:
        return None
    means.sort()
    return (middle + means[len(means) // 2]) % 360


def farthest_radius(picture, sector, is_colour, outer):
    best = 0.0
    for x, y, r, degrees in polar_ring((FACE_RING[0], outer)):
        offset = (degrees - sector.first_degree) % 360
        if offset < sector.spread and is_colour(picture.at(x, y)):
            best = max(best, r)
    return best


def size_failures(picture):
    if (picture.width, picture.height) != CLIENT_SIZE:
        return [f"client area is {picture.width}x{picture.height}, expected 792x566"]
    return []


def dial_failures(picture):
    """The static dial: blue field, magenta face, yellow rim, purple disc, red and yellow
    alarm clock at the centre."""
    failures = []
    blue = fraction(picture, box_pixels(ANSWER_PANEL), is_blue)
    if blue < 0.9:
        failures.append(f"blue field: only {blue:.0%} of the answer panel is blue")
    magenta = fraction(picture, ring_pixels(FACE_RING), is_magenta)
    if magenta < 0.75:
        failures.append(f"dial face: only {magenta:.0%} of it is magenta")
    rim = fraction(picture, ring_pixels(RIM_RING), is_yellow)
    if rim < 0.5:
        failures.append(f"dial rim: only {rim:.0%} of it is yellow")
    purple = sum(is_purple(picture.at(x, y)) for x, y in ring_pixels((0, DISC_RADIUS), DISC_CENTRE))
    if purple < 40:
        failures.append(f"purple disc: {purple} purple pixels round the centre")
    red = [(x, y) for x, y in box_pixels(ALARM_CLOCK_BOX) if is_red(picture.at(x, y))]
    yellow = sum(is_yellow(picture.at(x, y)) for x, y in box_pixels(ALARM_CLOCK_BOX))
    if len(red) < 150 or yellow < 60:
        failures.append(f"alarm clock: {len(red)} red and {yellow} yellow pixels in its box")
    else:
        cx = sum(x for x, _ in red) / len(red)
        cy = sum(y for _, y in red) / len(red)
        if math.hypot(cx - ALARM_CLOCK_CENTRE[0], cy - ALARM_CLOCK_CENTRE[1]) > 15:
            failures.append(f"alarm clock: its red body is centred at ({cx:.0f}, {cy:.0f})")
    return failures


def startup_failures(picture):
    """What shows before the first draw: the dial and nothing of an exercise."""
    failures = size_failures(picture)
    if failures:
        return failures
    failures += dial_failures(picture)
    stray = sum(not is_blue(picture.at(x, y)) for x, y in box_pixels(ANSWER_PANEL))
    if stray > MAX_STRAY_PANEL_PIXELS:
        failures.append(f"answer panel: {stray} pixels that are not the blue field")
    yellow = sum(is_yellow(picture.at(x, y)) for x, y in ring_pixels(FACE_RING))
    green = sum(is_green(picture.at(x, y)) for x, y in ring_pixels(FACE_RING))
    if yellow > 5:
        failures.append(f"a minute hand shows: {yellow} yellow pixels on the face")
    if green > 5:
        failures.append(f"an hour hand shows: {green} green pixels on the face")
    banner = fraction(picture, box_pixels(BANNER_BAND), is_magenta)
    if banner < 0.97:
        failures.append(f"a banner shows: only {banner:.0%} of the banner band is magenta")
    return failures


@dataclass(frozen=True)
class HandReading:
    minute_tick: int  # 0..59
    hour_tick: int


def hour_hand_step(minute_tick):
    """Ticks the hour hand stands past its hour mark for the minutes the minute hand shows."""
    minutes = minute_tick or 60
    if minutes == 60:
        return 0
    return (minutes + 14) // 15


def read_hand(picture, name, is_colour, blade_ring, tip_range, max_spread, failures):
    found = sectors(picture, blade_ring, is_colour)
    if len(found) != 1:
        where = ", ".join(f"{s.first_degree}..{s.last_degree} deg" for s in found)
        failures.append(f"{name} hand: {len(found)} show ({where or 'none'}), expected one")
        return None
    sector = found[0]
    if sector.spread > max_spread:
        failures.append(f"{name} hand: spread over {sector.spread} degrees, too wide for one")
        return None
    tip = farthest_radius(picture, sector, is_colour, FACE_RING[1])
    if not tip_range[0] <= tip <= tip_range[1]:
        failures.append(f"{name} hand: reaches {tip:.0f} px from the centre, expected {tip_range}")
    degrees = axis_degrees(picture, blade_ring, sector, is_colour)
    tick = round(degrees / 6) % 60
    off = abs((degrees - 6 * tick + 180) % 360 - 180)
    if off > MAX_OFF_TICK_DEGREES:
        failures.append(f"{name} hand: points at {degrees:.1f} degrees, between two ticks")
    return tick


def after_draw_failures(picture):
    """What shows after a draw: the dial, exactly one yellow minute hand and one green hour
    hand, the hour hand standing as far past its hour mark as the minutes call for.
    Returns (failures, HandReading or None)."""
    failures = size_failures(picture)
    if failures:
        return failures, None
    failures += dial_failures(picture)
    minute = read_hand(picture, "minute", is_yellow, MINUTE_TIP_RING, MINUTE_TIP_RANGE,
                       MAX_MINUTE_SPREAD_DEGREES, failures)
    hour = read_hand(picture, "hour", is_green, HOUR_BLADE_RING, HOUR_TIP_RANGE,
                     MAX_HOUR_SPREAD_DEGREES, failures)
    if minute is None or hour is None:
        return failures, None
    if hour % 5 != hour_hand_step(minute):
        failures.append(f"hour hand on tick {hour} does not go with the minute hand on tick "
                        f"{minute}: expected {hour_hand_step(minute)} ticks past an hour mark")
    return failures, HandReading(minute, hour)
