#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game and prints a short table: the model's draw and key (Google Benchmark),
# the same through the Qt view on the offscreen platform, and start-up under Xvfb (time from
# process start to the clock window painted, and peak resident memory) against a minimal Qt
# Widgets window as the floor. Each figure is a median. The start-up times are wall-clock
# times and move with the machine's load; the CPU time each program used until painted is
# printed beside them.
#
# Then a middle-click paste of 1 and 5 MiB of digits into Text1 followed by a click on the
# alarm clock, until the next draw shows, against the same paste into a plain line edit with
# no length limit until it shows; without and with a screen reader reading each changed
# text; and the game's resident memory after the draw against before the paste.
#
#   bench/run.sh   BUILD_DIR=... (default ./build, release)   STARTUP_RUNS=... (15)
#                  PASTE_RUNS=... (3)   PASTE_TIMEOUT=... (120 s a run)
set -euo pipefail

source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build}"
startup_runs="${STARTUP_RUNS:-15}"
paste_runs="${PASTE_RUNS:-3}"
paste_timeout="${PASTE_TIMEOUT:-120}" # seconds; a run that takes longer is shown as "> limit"
# A pixel of the dial, inside both windows; its painted colour is learnt by a first run.
probe_pixel="330,200"

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Inside the X server: one learning run per program, then the timed runs, alternated.
# Inside the X server and a D-Bus session: the long pastes, without and with a screen reader,
# the game and the plain line edit alternated. One line per run: subject, MiB, reader, result.
if [[ "${1:-}" == "--paste-inside-x" ]]; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    for ((i = 0; i < 100; ++i)); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && break
        sleep 0.1
    done
    reader="/usr/bin/python3 $source_dir/bench/paste_reader.py"
    for ((run = 0; run < paste_runs; ++run)); do
        for mebibytes in 1 5; do
            for subject in game plain; do
                echo "$subject $mebibytes none $(timeout "$paste_timeout" "$build_dir/bench/paste_bench" \
                    --subject "$subject" --mebibytes "$mebibytes" 2>/dev/null || echo ms=timeout)"
                echo "$subject $mebibytes reader $(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 timeout "$paste_timeout" \
                    "$build_dir/bench/paste_bench" --subject "$subject" --mebibytes "$mebibytes" \
                    --reader "$reader" 2>/dev/null || echo ms=timeout)"
            done
        done
    done
    kill "$launcher"
    exit 0
fi

if [[ "${1:-}" == "--startup-inside-x" ]]; then
    probe="$build_dir/bench/startup_probe"
    programs=("$build_dir/src/app/ardesino" "$build_dir/bench/minimal_window")
    declare -A colour
    for program in "${programs[@]}"; do
        line="$("$probe" --pixel "$probe_pixel" --settle-ms 1500 -- "$program")"
        colour[$program]="$(sed -E 's/.*colour=([0-9a-f]+).*/\1/' <<<"$line")"
    done
    for ((run = 0; run < startup_runs; ++run)); do
        for program in "${programs[@]}"; do
            echo "$(basename "$program") $("$probe" --pixel "$probe_pixel" --colour "${colour[$program]}" --settle-ms 300 -- "$program")"
        done
    done
    exit 0
fi

for tool in xvfb-run dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "bench: $tool is missing" >&2; exit 1; }
done

mkdir -p "$build_dir"
cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DARDESINO_BUILD_BENCHMARKS=ON \
    >"$build_dir/bench-configure.log" 2>&1 || { cat "$build_dir/bench-configure.log" >&2; exit 1; }
cmake --build "$build_dir" --parallel "$(nproc)" \
    --target bench_model bench_view minimal_window startup_probe paste_bench ardesino >/dev/null

cpu="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
qt="$(pkg-config --modversion Qt6Core 2>/dev/null || echo '?')"
echo "Machine: $cpu, $(nproc) logical CPUs, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo) RAM; $(. /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r), Qt $qt"
echo

row() { printf '%-50s %14s %12s  %s\n' "$@"; }
verdict() { awk -v value="$1" -v limit="$2" 'BEGIN { print (value + 0 <= limit + 0) ? "ok" : "MISSED" }'; }

row "what" "median" "target" ""
model_csv="$("$build_dir/bench/bench_model" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null)"
model_ns() { grep "^\"$1_median\"" <<<"$model_csv" | cut -d, -f3; }
ns_to_us() { awk -v ns="$1" 'BEGIN { printf "%.3f", ns / 1000 }'; }
draw_us="$(ns_to_us "$(model_ns drawWithScriptedValues)")"
generator_us="$(ns_to_us "$(model_ns drawWithTheProgramsGenerator)")"
key1_us="$(ns_to_us "$(model_ns keyPressAndRelease/digitInText1)")"
key3_us="$(ns_to_us "$(model_ns keyPressAndRelease/letterInText3)")"
row "model: draw of a new time (scripted values)" "$draw_us us" "< 2 us" "$(verdict "$draw_us" 2)"
row "model: draw with the program's generator" "$generator_us us" "< 2 us" "$(verdict "$generator_us" 2)"
row "model: key press + release, Text1" "$key1_us us" "< 1 us" "$(verdict "$key1_us" 1)"
row "model: key press + release, Text3" "$key3_us us" "< 1 us" "$(verdict "$key3_us" 1)"

view_table="$("$build_dir/bench/bench_view" 2>/dev/null)"
view_ms() { grep "^$1" <<<"$view_table" | awk '{ for (i = 1; i < NF; ++i) if ($(i + 1) == "ms") { print $i; exit } }'; }
click_ms="$(view_ms 'click on the alarm clock')"
whole_ms="$(view_ms 'same, whole window')"
key_ms="$(view_ms 'key press and release')"
row "view: click on the alarm clock to repainted window" "$click_ms ms" "< 2 ms" "$(verdict "$click_ms" 2)"
row "view: same, whole window repainted" "$whole_ms ms" "< 2 ms" "$(verdict "$whole_ms" 2)"
row "view: key press + release to repainted Text1" "$key_ms ms" "" ""

startup="$(dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -br -nolisten tcp" \
    "$0" --startup-inside-x 2>/dev/null)"
field() { grep "^$1 " <<<"$startup" | sed -E "s/.*$2=([0-9.]+).*/\1/" | median; }
app_ms="$(field ardesino painted_ms)"
floor_ms="$(field minimal_window painted_ms)"
app_cpu="$(field ardesino cpu_ms)"
floor_cpu="$(field minimal_window cpu_ms)"
app_kb="$(field ardesino vmhwm_kb)"
floor_kb="$(field minimal_window vmhwm_kb)"
time_ratio="$(awk -v a="$app_ms" -v f="$floor_ms" 'BEGIN { printf "%.2f", a / f }')"
cpu_ratio="$(awk -v a="$app_cpu" -v f="$floor_cpu" 'BEGIN { printf "%.2f", a / f }')"
memory_ratio="$(awk -v a="$app_kb" -v f="$floor_kb" 'BEGIN { printf "%.2f", a / f }')"
mib() { awk -v kb="$1" 'BEGIN { printf "%.1f MiB", kb / 1024 }'; }
runs_note="median of $startup_runs runs, Xvfb"
row "start-up to painted window: ardesino" "$app_ms ms" "" "$runs_note"
row "start-up to painted window: minimal Qt window" "$floor_ms ms" "" ""
row "  ratio" "${time_ratio}x" "<= 1.5x" "$(verdict "$time_ratio" 1.5)"
row "CPU time until painted: ardesino" "$app_cpu ms" "" "steadier than the times on a busy machine"
row "CPU time until painted: minimal Qt window" "$floor_cpu ms" "" ""
row "  ratio" "${cpu_ratio}x" "" ""
row "peak resident memory: ardesino" "$(mib "$app_kb")" "" ""
row "peak resident memory: minimal Qt window" "$(mib "$floor_kb")" "" ""
row "  ratio" "${memory_ratio}x" "<= 1.3x" "$(verdict "$memory_ratio" 1.3)"

pastes="$(xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" dbus-run-session -- \
    "$0" --paste-inside-x 2>/dev/null)"
# The median of a field over the runs of one subject, size and reader; "timeout" sorts last.
paste_field() {
    grep "^$1 $2 $3 " <<<"$pastes" | sed -E "s/.*$4=([0-9.]+|timeout).*/\1/" |
        sed "s/timeout/1e99/" | median
}
shown_ms() { awk -v v="$1" -v limit="$paste_timeout" 'BEGIN { if (v >= 1e98) printf "> %d s", limit; else printf "%.0f ms", v }'; }
for mebibytes in 1 5; do
    for reader in none reader; do
        label="paste $mebibytes MiB$([[ $reader == reader ]] && echo ' + reader' || true)"
        game="$(paste_field game "$mebibytes" "$reader" ms)"
        plain="$(paste_field plain "$mebibytes" "$reader" ms)"
        ratio="$(awk -v g="$game" -v p="$plain" 'BEGIN { printf "%.2f", g / p }')"
        row "$label: ardesino to next draw" "$(shown_ms "$game")" "" "median of $paste_runs runs"
        row "$label: plain line edit to shown" "$(shown_ms "$plain")" "" ""
        row "  ratio" "${ratio}x" "<= 1.5x" "$(verdict "$ratio" 1.5)"
        grown="$(grep "^game $mebibytes $reader " <<<"$pastes" |
            sed -E 's/.*rss_before_kb=([0-9]+) rss_after_kb=([0-9]+).*/\2 \1/' |
            awk '{ print ($1 - $2) / 1024 }' | median)"
        row "  ardesino memory after the draw" "+$(printf '%.1f' "$grown") MiB" "<= 20 MiB" "$(verdict "$grown" 20)"
    done
done
