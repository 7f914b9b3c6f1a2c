# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks an installed prefix the way a desktop and a software centre read it: one menu entry
that validates and that a desktop launches with a PATH that leaves the prefix out, opening a
window of the entry's class; an AppStream record that validates and names that entry, its
program, licence and language; and the icon in the hicolor theme as PNGs of every size from
16 to 256 pixels, each as large as its folder says and not blank, and a scalable SVG that
shows the same picture as the 256 pixel PNG.

Usage: check_installed_tree.py PREFIX
"""

import configparser
import os
import re
import shlex
import signal
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

REQUIRED_PNG_SIDES = (16, 32, 48, 64, 128, 256)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
PNG_COLOUR_TYPES_WITH_ALPHA = (4, 6)
# Share of the icon's area the picture covers: a blank or a filled square is wrong.
COVERAGE_RANGE = (0.15, 0.95)

# The scalable icon, rendered as GTK desktops render it, against the largest PNG: both laid on
# a colour the drawing does not use, a pixel differs when a channel is off by more than
# CHANNEL_TOLERANCE; edges drawn by two renderers differ a little, another drawing a lot.
COMPARED_SIDE = 256
COMPARISON_BACKGROUND = "#00ffff"
CHANNEL_TOLERANCE = 26
MOST_DIFFERING_SHARE = 0.02

# What a desktop session's PATH holds when ~/.local/bin is not on it.
SESSION_PATH = "/usr/bin:/bin"
LAUNCH_SECONDS = 60


def read_desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def validator_failures(command, path, fatal=("error:", "warning:")):
    result = subprocess.run(command + [str(path)], capture_output=True, text=True)
    output = result.stdout + result.stderr
    bad = [line for line in output.splitlines() if any(word in line for word in fatal)]
    if result.returncode != 0 or bad:
        return [f"{command[0]} on {path.name} (status {result.returncode}):\n{output.strip()}"]
    return []


def png_header(path):
    """Width, height and colour type from a PNG's IHDR chunk."""
    data = path.read_bytes()[:33]
    if len(data) < 33 or data[:8] != PNG_SIGNATURE or data[12:16] != b"IHDR":
        return None
    width, height, _, colour_type = struct.unpack(">IIBB", data[16:26])
    return width, height, colour_type


def coverage(path):
    """Mean opacity of a picture, from ImageMagick."""
    result = subprocess.run(["convert", str(path), "-alpha", "extract", "-format", "%[fx:mean]",
                             "info:"], capture_output=True, text=True, check=True)
    return float(result.stdout)


def flattened_pixels(png_bytes):
    """RGB bytes of a PNG laid on the comparison background."""
    return subprocess.run(["convert", "png:-", "-background", COMPARISON_BACKGROUND, "-flatten",
                           "-depth", "8", "rgb:-"], input=png_bytes, capture_output=True,
                          check=True).stdout


def svg_matches_png_failures(svg, png):
    side = str(COMPARED_SIDE)
    rendered = subprocess.run(["rsvg-convert", "-w", side, "-h", side, str(svg)],
                              capture_output=True)
    if rendered.returncode != 0:
        return [f"rsvg-convert cannot render {svg}: {rendered.stderr.decode().strip()}"]
    drawn, expected = flattened_pixels(rendered.stdout), flattened_pixels(png.read_bytes())
    if len(drawn) != len(expected):
        return [f"{svg.name} renders {len(drawn)} bytes at {side} px, {png} has {len(expected)}"]
    pixels = len(drawn) // 3
    differing = sum(
        1 for i in range(0, len(drawn), 3)
        if max(abs(drawn[i + k] - expected[i + k]) for k in range(3)) > CHANNEL_TOLERANCE)
    if differing > MOST_DIFFERING_SHARE * pixels:
        return [f"{svg.name} rendered at {side} px differs from {png} in "
                f"{differing / pixels:.1%} of its pixels: another drawing"]
    return []


def icon_failures(prefix, icon_name):
    failures = []
    hicolor = prefix / "share/icons/hicolor"
    svg = hicolor / "scalable/apps" / f"{icon_name}.svg"
    if not svg.is_file():
        failures.append(f"no scalable icon {svg}")
    else:
        try:
            root = ElementTree.parse(svg).getroot()
            if root.tag != "{http://www.w3.org/2000/svg}svg":
                failures.append(f"{svg.name} is not an SVG picture but {root.tag}")
        except ElementTree.ParseError as error:
            failures.append(f"{svg.name} is not well-formed XML: {error}")

    sides = []
    for png in sorted(hicolor.glob(f"*/apps/{icon_name}.png")):
        folder = png.parent.parent.name
        match = re.fullmatch(r"(\d+)x(\d+)", folder)
        header = png_header(png)
        if not match or match[1] != match[2]:
            failures.append(f"icon in folder {folder}, not a square size folder")
        elif header is None:
            failures.append(f"{png} is not a PNG file")
        elif header[:2] != (int(match[1]),) * 2:
            failures.append(f"{png} is {header[0]}x{header[1]}, its folder says {folder}")
        elif header[2] not in PNG_COLOUR_TYPES_WITH_ALPHA:
            failures.append(f"{png} has no transparency (colour type {header[2]})")
        else:
            covered = coverage(png)
            if not COVERAGE_RANGE[0] <= covered <= COVERAGE_RANGE[1]:
                failures.append(f"{png} covers {covered:.0%} of its square: blank or boxed")
            sides.append(int(match[1]))
    missing = [side for side in REQUIRED_PNG_SIDES if side not in sides]
    if missing:
        failures.append(f"no PNG icon at {missing} pixels; found {sorted(sides)}")
    largest = hicolor / f"{COMPARED_SIDE}x{COMPARED_SIDE}/apps/{icon_name}.png"
    if not failures:
        failures += svg_matches_png_failures(svg, largest)
    return failures


def exec_arguments(value):
    """The arguments of an entry's Exec value: the value's escapes first, then its quoting,
    whose rules inside double quotes are the POSIX shell's; %% stands for %."""
    unescaped = re.sub(r"\\(.)", lambda m: {"s": " ", "n": "\n", "t": "\t", "r": "\r"}
                       .get(m[1], m[1]), value)
    return [argument.replace("%%", "%") for argument in shlex.split(unescaped)]


def launch_failures(desktop_path, wm_class):
    """Launches the entry as a desktop does (GLib, which hides an entry whose program it
    cannot find), on a private X server, with the session PATH."""
    env = dict(os.environ, PATH=SESSION_PATH)
    env.pop("QT_QPA_PLATFORM", None)
    # Displays are looked for from 160 up, away from where other X tests start theirs.
    command = ["xvfb-run", "-a", "-n", "160", "-s", "-screen 0 1280x1024x24",
               "dbus-run-session", "--", "/usr/bin/python3", __file__, "--launch-inside-x",
               str(desktop_path), wm_class]
    result = subprocess.run(command, env=env, capture_output=True, text=True,
                            timeout=LAUNCH_SECONDS + 30)
    if result.returncode != 0:
        return [f"with PATH={SESSION_PATH}: {(result.stdout + result.stderr).strip()}"]
    return []


def launch_inside_x(desktop_path, wm_class):
    # The program inherits gio's output: a pipe would stay open while it runs.
    with tempfile.TemporaryFile() as output:
        launched = subprocess.run(["gio", "launch", desktop_path], stdout=output,
                                  stderr=subprocess.STDOUT)
        if launched.returncode != 0:
            output.seek(0)
            print(f"gio launch {desktop_path} failed: {output.read().decode().strip()}")
            return 1
    try:
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class",
                                f"^{re.escape(wm_class)}$"], capture_output=True, text=True,
                               timeout=LAUNCH_SECONDS)
    except subprocess.TimeoutExpired:
        print(f"the launched entry showed no window of class {wm_class!r} "
              f"within {LAUNCH_SECONDS} s")
        return 1
    for window in found.stdout.split():
        pid = subprocess.run(["xdotool", "getwindowpid", window], capture_output=True,
                             text=True).stdout.strip()
        if pid:
            os.kill(int(pid), signal.SIGTERM)
    return 0


def metainfo_failures(prefix, desktop_path, executable):
    metainfo_dir = prefix / "share/metainfo"
    records = sorted(metainfo_dir.glob("*.metainfo.xml"))
    if len(records) != 1:
        return [f"expected one AppStream record in {metainfo_dir}, found {len(records)}"]
    record = records[0]
    failures = validator_failures(["appstreamcli", "validate", "--pedantic", "--no-net"],
                                  record, fatal=("E:", "W:", "I:", "P:"))
    root = ElementTree.parse(record).getroot()
    component_id = root.findtext("id")
    if f"{component_id}.desktop" != desktop_path.name:
        failures.append(f"AppStream id {component_id!r} does not match {desktop_path.name}")
    launchable = root.findtext("launchable[@type='desktop-id']")
    if launchable != desktop_path.name:
        failures.append(f"AppStream launchable {launchable!r}, expected {desktop_path.name}")
    binary = root.findtext("provides/binary")
    if binary != executable:
        failures.append(f"AppStream provides binary {binary!r}, the menu entry runs {executable!r}")
    if not root.findtext("project_license"):
        failures.append(f"{record.name} names no project licence")
    if not root.findall("languages/lang"):
        failures.append(f"{record.name} names no language the program speaks")
    return failures


def check(prefix):
    applications = prefix / "share/applications"
    entries = sorted(applications.glob("*.desktop"))
    if len(entries) != 1:
        return [f"expected one menu entry in {applications}, found {len(entries)}"]
    desktop_path = entries[0]
    failures = validator_failures(["desktop-file-validate"], desktop_path)
    entry = read_desktop_entry(desktop_path)
    for key in ("Name", "GenericName", "Comment", "Keywords", "Icon", "Exec", "Categories",
                "StartupWMClass"):
        if not entry.get(key):
            failures.append(f"{desktop_path.name} has no {key}")
    if failures:
        return failures

    program = Path(exec_arguments(entry["Exec"])[0])
    executable = program.name
    if program != prefix / "bin" / executable:
        failures.append(f"the menu entry runs {program}, not a program in {prefix / 'bin'}")
    elif not (program.is_file() and os.access(program, os.X_OK)):
        failures.append(f"the menu entry runs {program}, which is not installed")
    else:
        failures += launch_failures(desktop_path, entry["StartupWMClass"])
    if entry.get("StartupNotify") != "true":
        failures.append(f"{desktop_path.name} does not ask for startup notification")
    categories = entry["Categories"].rstrip(";").split(";")
    for category in ("Education", "Game", "KidsGame"):
        if category not in categories:
            failures.append(f"{desktop_path.name} is not in the category {category}")
    failures += icon_failures(prefix, entry["Icon"])
    failures += metainfo_failures(prefix, desktop_path, executable)
    return failures


def main():
    if sys.argv[1:2] == ["--launch-inside-x"]:
        return launch_inside_x(*sys.argv[2:4])
    prefix = Path(sys.argv[1]).absolute()
    failures = check(prefix)
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    if not failures:
        print(f"installed tree in {prefix} is complete and validates")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
