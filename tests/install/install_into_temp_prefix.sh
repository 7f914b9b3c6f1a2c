#!/usr/bin/env bash
# Installs a build into a throw-away prefix and checks the result: every file lands inside the
# prefix, and the tree is what a desktop expects (check_installed_tree.py).
# Staging under DESTDIR catches rules with absolute destinations, which would otherwise write
# into the live system. The build's install_manifest.txt, which uninstalling a real
# installation relies on, is kept as it was.
# Usage: install_into_temp_prefix.sh BUILD_DIR
set -euo pipefail

build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
manifest="$build/install_manifest.txt"

restore_manifest() {
    if [[ -f "$work/install_manifest.txt" ]]; then
        cp "$work/install_manifest.txt" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$work"
}
[[ -f "$manifest" ]] && cp "$manifest" "$work/install_manifest.txt"
trap restore_manifest EXIT

stage="$work/stage"
prefix="$work/prefix"
DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >"$work/install.log"

outside="$(find "$stage" \( -type f -o -type l \) ! -path "$stage$prefix/*")"
if [[ -n "$outside" ]]; then
    echo "FAIL: installed outside the prefix $prefix:" >&2
    echo "${outside//$stage/}" >&2
    exit 1
fi
listed_outside="$(grep -v "^$prefix/" "$manifest" || true)"
if [[ -n "$listed_outside" ]]; then
    echo "FAIL: the install manifest lists files outside the prefix:" >&2
    echo "$listed_outside" >&2
    exit 1
fi

/usr/bin/python3 "$here/check_installed_tree.py" "$stage$prefix"
