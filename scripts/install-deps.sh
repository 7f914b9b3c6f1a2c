#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages of the named lists, and only those that are missing: a
# machine that has them all installs nothing and needs no network.
#
#   scripts/install-deps.sh [play] [test] [robustness]
#
# play: building and playing the game. test: the end-to-end, accessibility and install
# tests. robustness: fuzzing, benchmarks and memory checks. Without a name: all three.
set -euo pipefail

# Building and playing.
play_packages=(
    build-essential
    cmake
    qt6-base-dev
    qt6-base-dev-tools
    qt6-svg-dev       # QSvgGenerator, which draws the scalable application icon at build time
    pkg-config
    fonts-wine        # "Tahoma" and "MS Sans Serif"
    fonts-liberation  # metric stand-in for "Times New Roman"
)

# The end-to-end, accessibility and install tests.
test_packages=(
    xvfb
    xauth
    xdotool
    xclip             # the monkey test's clipboard and primary selection
    x11-utils         # xprop, for the window's frame hints and icon
    imagemagick
    openbox
    wmctrl
    dbus
    at-spi2-core
    python3-pyatspi
    desktop-file-utils
    appstream
    libglib2.0-bin    # gio, which launches the installed menu entry as a desktop does
    librsvg2-bin      # rsvg-convert, which renders the scalable icon as GTK desktops do
)

# Fuzzing, benchmarks and memory checks.
robustness_packages=(
    clang-14
    libclang-rt-14-dev  # the sanitizer runtimes, only a Recommends of clang-14
    libfuzzer-14-dev
    libbenchmark-dev
    libx11-dev          # the start-up probe
    hyperfine
    valgrind
)

if (($# == 0)); then
    set -- play test robustness
fi
wanted=()
for list in "$@"; do
    case "$list" in
        play) wanted+=("${play_packages[@]}") ;;
        test) wanted+=("${test_packages[@]}") ;;
        robustness) wanted+=("${robustness_packages[@]}") ;;
        *) echo "install-deps: no package list $list (play, test, robustness)" >&2; exit 2 ;;
    esac
done

is_installed() {
    [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == "installed" ]]
}

missing=()
for package in "${wanted[@]}"; do
    is_installed "$package" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: every package of $* is installed"
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: missing ${missing[*]}; run this script as root or install sudo" >&2
        exit 1
    fi
    as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y "${missing[@]}"
