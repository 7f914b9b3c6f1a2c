"""Checks an installed prefix the way a desktop and a software centre read it: one menu entry
that validates, whose program and icon are installed, an AppStream record that validates and
names that entry, and the icon in the hicolor theme as a scalable SVG and PNGs of every size
from 16 to 256 pixels, each as large as its folder says and not blank.

Usage: check_installed_tree.py PREFIX
"""

import configparser
import os
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

REQUIRED_PNG_SIDES = (16, 32, 48, 64, 128, 256)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
PNG_COLOUR_TYPES_WITH_ALPHA = (4, 6)
# Share of the icon's area the picture covers: a blank or a filled square is wrong.
COVERAGE_RANGE = (0.15, 0.95)


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
    return failures


def metainfo_failures(prefix, desktop_path, executable):
    metainfo_dir = prefix / "share/metainfo"
    records = sorted(metainfo_dir.glob("*.metainfo.xml"))
    if len(records) != 1:
        return [f"expected one AppStream record in {metainfo_dir}, found {len(records)}"]
    record = records[0]
    failures = validator_failures(["appstreamcli", "validate", "--no-net"], record,
                                  fatal=("E:", "W:"))
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
    return failures


def check(prefix):
    applications = prefix / "share/applications"
    entries = sorted(applications.glob("*.desktop"))
    if len(entries) != 1:
        return [f"expected one menu entry in {applications}, found {len(entries)}"]
    desktop_path = entries[0]
    failures = validator_failures(["desktop-file-validate"], desktop_path)
    entry = read_desktop_entry(desktop_path)
    for key in ("Name", "Comment", "Icon", "Exec", "Categories", "StartupWMClass"):
        if not entry.get(key):
            failures.append(f"{desktop_path.name} has no {key}")
    if failures:
        return failures

    executable = entry["Exec"].split()[0]
    program = prefix / "bin" / executable
    if not (program.is_file() and os.access(program, os.X_OK)):
        failures.append(f"the menu entry runs {executable!r}, which is not installed in bin")
    categories = entry["Categories"].rstrip(";").split(";")
    for category in ("Education", "Game"):
        if category not in categories:
            failures.append(f"{desktop_path.name} is not in the category {category}")
    failures += icon_failures(prefix, entry["Icon"])
    failures += metainfo_failures(prefix, desktop_path, executable)
    return failures


def main():
    prefix = Path(sys.argv[1])
    failures = check(prefix)
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    if not failures:
        print(f"installed tree in {prefix} is complete and validates")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
