# SPDX-License-Identifier: GPL-3.0-or-later
"""How the window manager is asked to frame the clock window, read with xprop: a fixed size,
no minimise or maximise button, the application's WM_CLASS and its alarm-clock icon."""

import re
import subprocess

# Motif window-manager hints: which fields are set, then the functions and decorations; an
# ALL bit turns the listed ones from offered into withheld.
MWM_HINTS_FUNCTIONS = 1
MWM_HINTS_DECORATIONS = 2
MWM_FUNC_ALL, MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE = 1, 8, 16
MWM_DECOR_ALL, MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE = 1, 32, 64


def xprop(window, *arguments):
    return subprocess.run(["xprop", "-id", window, *arguments], capture_output=True, text=True,
                          check=True, timeout=10).stdout


def offered(bits, all_bit):
    return ~bits if bits & all_bit else bits


def frame_failures(window, client_size, wm_class):
    failures = []
    hints = xprop(window, "WM_NORMAL_HINTS")
    smallest = re.search(r"minimum size: (\d+) by (\d+)", hints)
    largest = re.search(r"maximum size: (\d+) by (\d+)", hints)
    sizes = {tuple(map(int, m.groups())) for m in (smallest, largest) if m}
    if not (smallest and largest) or sizes != {client_size}:
        failures.append(f"the window can be resized: size hints {sorted(sizes)}")

    motif = re.search(r"= (.*)$", xprop(window, "_MOTIF_WM_HINTS").strip())
    values = [int(v, 16) for v in motif[1].split(",")] if motif and "0x" in motif[1] else []
    if len(values) < 3:
        failures.append("the window asks for no frame hints: it gets minimise and maximise")
    else:
        flags, functions, decorations = values[:3]
        can = offered(functions, MWM_FUNC_ALL) if flags & MWM_HINTS_FUNCTIONS else ~0
        shows = offered(decorations, MWM_DECOR_ALL) if flags & MWM_HINTS_DECORATIONS else ~0
        if can & (MWM_FUNC_MINIMIZE | MWM_FUNC_MAXIMIZE):
            failures.append("the window manager may minimise or maximise the window")
        if shows & (MWM_DECOR_MINIMIZE | MWM_DECOR_MAXIMIZE):
            failures.append("the window's frame has a minimise or maximise button")

    found_class = re.search(r'= "([^"]*)", "([^"]*)"', xprop(window, "WM_CLASS"))
    if not found_class or found_class[2] != wm_class:
        failures.append(f"WM_CLASS {found_class and found_class.groups()}, expected the desktop "
                        f"entry's StartupWMClass {wm_class!r}")

    icons = window_icons(window)
    if not icons:
        failures.append("the window shows no icon")
    else:
        side, pixels = max(icons)
        red = sum(is_opaque_red(pixel) for pixel in pixels) / len(pixels)
        if red < MIN_RED_ICON_SHARE:
            failures.append(f"the window's {side} px icon is not the red alarm clock: "
                            f"{red:.0%} of it is red")
    return failures


# The alarm clock's body. A window manager may put a grey stand-in on a window without an
# icon, so the icon's mere presence proves nothing.
MIN_RED_ICON_SHARE = 0.1


def is_opaque_red(argb):
    alpha, red, green, blue = argb >> 24, (argb >> 16) & 255, (argb >> 8) & 255, argb & 255
    return alpha > 128 and red > 170 and green < 90 and blue < 90


def window_icons(window):
    """The window's icons as (side, ARGB pixels), from _NET_WM_ICON: width, height, then the
    pixels, for each size in turn."""
    raw = xprop(window, "-notype", "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON")
    if "=" not in raw:
        return []
    values = [int(v) for v in raw.split("=", 1)[1].split(",")]
    icons = []
    while len(values) >= 2:
        width, height = values[:2]
        pixels = values[2 : 2 + width * height]
        if width != height or len(pixels) != width * height or not pixels:
            break
        icons.append((width, pixels))
        values = values[2 + width * height :]
    return icons
