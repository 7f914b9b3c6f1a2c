#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing the game need, and only
# those that are missing: a machine that has them all installs nothing and needs no network.
set -euo pipefail

# Building and playing.
build_packages=(
    build-essential
    cmake
    qt6-base-dev
    qt6-base-dev-tools
    pkg-config
    libqt6svg6        # SVG icon engine, for the scalable application icon
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

is_installed() {
    [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == "installed" ]]
}

missing=()
for package in "${build_packages[@]}" "${test_packages[@]}" "${robustness_packages[@]}"; do
    is_installed "$package" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "install-deps: every package is installed"
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
