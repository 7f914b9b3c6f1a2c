#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzer of the display-free game with clang-14 in its own build folder and runs it
# for the given number of seconds (default 60) from the committed seed corpus. New inputs go
# to a scratch corpus in the build folder; a crash or a broken rule leaves its input there
# too and fails the run.
#
#   fuzz/run.sh [seconds]          BUILD_DIR=... to build elsewhere (default ./build-fuzz)
set -euo pipefail

seconds="${1:-60}"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-fuzz}"
jobs="$(nproc)"

for tool in clang++-14 clang-14; do
    if ! command -v "$tool" >/dev/null; then
        echo "fuzz: $tool is missing (Debian packages clang-14, libclang-rt-14-dev, libfuzzer-14-dev)" >&2
        exit 1
    fi
done

mkdir -p "$build_dir"
cmake -S "$source_dir" -B "$build_dir" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 \
    -DCMAKE_CXX_COMPILER=clang++-14 \
    -DARDESINO_BUILD_FUZZERS=ON \
    -DARDESINO_BUILD_TESTS=OFF >"$build_dir/configure.log" 2>&1 ||
    { cat "$build_dir/configure.log" >&2; exit 1; }
cmake --build "$build_dir" --target fuzz_game --parallel "$jobs"

work_corpus="$build_dir/fuzz-corpus"
artifacts="$build_dir/fuzz-artifacts"
mkdir -p "$work_corpus" "$artifacts"

export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"

# -timeout catches a hang of one input; -rss_limit_mb a runaway allocation.
"$build_dir/fuzz/fuzz_game" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -max_len=8192 \
    -print_final_stats=1 \
    -artifact_prefix="$artifacts/" \
    -dict="$source_dir/fuzz/game.dict" \
    "$work_corpus" "$source_dir/fuzz/corpus"
