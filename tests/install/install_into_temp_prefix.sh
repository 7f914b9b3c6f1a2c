#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a throw-away prefix, checks the result and uninstalls it again:
# - staged under DESTDIR first, every file lands inside the prefix (a rule with an absolute
#   destination would otherwise write into the live system);
# - installed for real, twice as an update would, the tree is what a desktop expects
#   (check_installed_tree.py);
# - uninstalled, the prefix's files and the folders the installation made are gone, and a
#   folder that was there before stays.
# The prefix's path holds blanks, as a user's folders may. Each component is installed on its
# own, so the files CMake and the install write for a whole installation (install_manifest.txt
# and install_folders.txt, which uninstalling a user's installation relies on) are left alone.
# Usage: install_into_temp_prefix.sh BUILD_DIR UNINSTALL_SCRIPT COMPONENT...
set -euo pipefail

build="$(cd "$1" && pwd)"
uninstall="$2"
shift 2
components=("$@")
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $1" >&2
    shift
    printf '%s\n' "$@" >&2
    exit 1
}

whole_installation_files() {
    for file in install_manifest.txt install_folders.txt; do
        if [[ -f "$build/$file" ]]; then
            echo "$file $(sha256sum <"$build/$file")"
        fi
    done
}
before="$(whole_installation_files)"

install_each_component() {
    for component in "${components[@]}"; do
        cmake --install "$build" --prefix "$prefix" --component "$component" >>"$work/install.log"
    done
}
manifests() { for component in "${components[@]}"; do cat "$build/install_manifest_$component.txt"; echo; done; }

home="$work/a home with blanks"
prefix="$home/.local"
mkdir "$home"

stage="$work/stage"
DESTDIR="$stage" install_each_component
outside="$(find "$stage" \( -type f -o -type l \) ! -path "$stage$prefix/*")"
[[ -z "$outside" ]] || fail "installed outside the prefix $prefix:" "${outside//$stage/}"
listed_outside="$(manifests | grep -v -e "^$prefix/" -e '^$' || true)"
[[ -z "$listed_outside" ]] || fail "the install manifest lists files outside the prefix:" "$listed_outside"

install_each_component
install_each_component
/usr/bin/python3 "$here/check_installed_tree.py" "$prefix"

uninstall_each_component() {
    for component in "${components[@]}"; do
        "$uninstall" "$build/install_manifest_$component.txt" "$build/install_folders_$component.txt"
    done
}
uninstall_each_component
left="$(find "$home" -mindepth 1)"
[[ -z "$left" ]] || fail "uninstalling left in $home:" "$left"

# A folder of the icon theme the user had before, empty: uninstalling leaves it and the
# folders above it.
kept=".local/share/icons/hicolor/48x48/apps"
mkdir -p "$home/$kept"
install_each_component
uninstall_each_component
left="$(cd "$home" && find . -mindepth 1 | sort)"
expected="$(folder="$kept"; while [[ "$folder" != . ]]; do echo "./$folder"; folder="$(dirname "$folder")"; done | sort)"
[[ "$left" == "$expected" ]] || fail "uninstalling left in $home:" "$left" "expected only:" "$expected"

after="$(whole_installation_files)"
[[ "$after" == "$before" ]] ||
    fail "the install test changed the build's record of a whole installation:" "before: $before" "after: $after"
echo "installed, checked and uninstalled under $prefix"
