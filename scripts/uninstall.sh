#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Undoes an installation: removes every file its manifest lists (one path a line, blanks
# and all), then each folder its folder record lists that is now empty, the deepest first
# (lines starting with # are notes). A folder that was there before the installation, or
# that holds anything else, stays.
#
#   scripts/uninstall.sh MANIFEST FOLDER_RECORD
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 MANIFEST FOLDER_RECORD" >&2
    exit 2
fi
manifest="$1"
folders="$2"
if [[ ! -f "$manifest" ]]; then
    echo "uninstall: no $manifest: nothing was installed from this build" >&2
    exit 1
fi

# Every line must be an absolute path, checked before anything is removed.
for list in "$manifest" "$folders"; do
    if [[ -f "$list" ]] && grep -qv -e '^/' -e '^$' -e '^#' "$list"; then
        echo "uninstall: $list lists paths that are not absolute:" >&2
        grep -v -e '^/' -e '^$' -e '^#' "$list" >&2
        exit 1
    fi
done

# Each line as it is, the last one too when the file does not end in a newline.
removed=0
while IFS= read -r path || [[ -n "$path" ]]; do
    if [[ -n "$path" ]] && [[ -e "$path" || -L "$path" ]]; then
        rm -f -- "$path"
        removed=$((removed + 1))
    fi
done <"$manifest"

# The record keeps its notes and the folders that stay because they hold something else, so
# that installing again does not take a folder made since for one of its own.
emptied=0
if [[ -f "$folders" ]]; then
    kept=()
    while IFS= read -r folder || [[ -n "$folder" ]]; do
        if [[ "$folder" == /* && -d "$folder" && -z "$(ls -A -- "$folder")" ]]; then
            rmdir -- "$folder"
            emptied=$((emptied + 1))
        elif [[ "$folder" != /* || -d "$folder" ]]; then
            kept+=("$folder")
        fi
    done <"$folders"
    printf '%s\n' "${kept[@]}" >"$folders"
fi
echo "uninstall: removed $removed files and $emptied folders"
