#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Release benchmark tree and measures Dorvane beside a bare Qt window of twelve calendars, with its 10 ms
# timer and without (bench/BareWindow.cpp). All programs run on Qt's offscreen platform (QT_QPA_PLATFORM=offscreen):
# no display server takes part, so the figures leave out what a real X server or compositor would add to both.
#
#   bash scripts/bench.sh                 everything (about 5 minutes on 2 cores)
#   RUNS=10 IDLE_SECONDS=60 IDLE_ROUNDS=3 BUILD=dir     the defaults
#
# Instruction counts come from callgrind and repeat within a fraction of a percent; milliseconds and CPU shares
# depend on the machine and its load.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build-bench}
RUNS=${RUNS:-10}
IDLE_SECONDS=${IDLE_SECONDS:-60}
IDLE_ROUNDS=${IDLE_ROUNDS:-3}
OUT=$BUILD/bench-results
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDORVANE_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$BUILD" -j2 >/dev/null
BIN=$BUILD/bench
mkdir -p "$OUT"
rm -f "$OUT"/*

BARE=$BIN/BareWindow
DORVANE=$BIN/DorvaneStartup

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
verdict() { awk -v v="$1" -v t="$2" -v dir="$3" 'BEGIN { ok = dir == "<=" ? v <= t : v >= t; print ok ? "met" : "MISSED" }'; }
callgrind_total() { # program args... -> total instructions
    local log
    log=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file="$OUT/callgrind.$(basename "$1").$$.$RANDOM.out" "$@" >/dev/null 2>"$log"
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$log"
    rm -f "$log"
}

echo "== (a) start-up to first paint, instructions (callgrind)"
bare_ir=$(callgrind_total "$BARE" --quit-at-first-paint)
dorvane_ir=$(callgrind_total "$DORVANE" --quit-at-first-paint)
echo "bare $bare_ir  dorvane $dorvane_ir"

echo "== (a) start-up to first paint, ms (median of $RUNS runs, process start to exit)"
: >"$OUT/startup-bare.ms"
: >"$OUT/startup-dorvane.ms"
for ((i = 0; i < RUNS; ++i)); do
    for which in bare dorvane; do
        program=$BARE
        [[ $which == dorvane ]] && program=$DORVANE
        t0=$(date +%s%N)
        "$program" --quit-at-first-paint >/dev/null 2>&1
        t1=$(date +%s%N)
        echo $(((t1 - t0) / 1000)) | awk '{ printf "%.2f\n", $1 / 1000 }' >>"$OUT/startup-$which.ms"
    done
done
bare_ms=$(median <"$OUT/startup-bare.ms")
dorvane_ms=$(median <"$OUT/startup-dorvane.ms")
echo "bare $bare_ms ms  dorvane $dorvane_ms ms"

echo "== (b) peak RSS, kB (/usr/bin/time, run 3 s, median of 3)"
peak_rss() {
    for _ in 1 2 3; do
        /usr/bin/time -f "%M" -o "$OUT/time.txt" "$1" --run-seconds 3 >/dev/null 2>&1
        cat "$OUT/time.txt"
    done | median
}
bare_rss=$(peak_rss "$BARE")
dorvane_rss=$(peak_rss "$DORVANE")
echo "bare $bare_rss kB  dorvane $dorvane_rss kB"
# The program's own pages (heap, stacks, the libraries' relocated data): what it adds to a desktop whose other Qt
# programs already hold the libraries' code and fonts, counted in the peak above.
own_rss() {
    for _ in 1 2 3; do
        "$1" --run-seconds 3 --print-rss 2>/dev/null | sed -n 's/.*RssAnon_kB=\([0-9]*\).*/\1/p'
    done | median
}
bare_own=$(own_rss "$BARE")
dorvane_own=$(own_rss "$DORVANE")
echo "own (anonymous) at 3 s: bare $bare_own kB  dorvane $dorvane_own kB"

echo "== (c) idle CPU and wake-ups, $IDLE_ROUNDS rounds of $IDLE_SECONDS s, all programs side by side in each round"
# From 4 s after the first paint (past the start-up and the return to today's report) to the end: CPU from getrusage,
# wake-ups as the voluntary context switches of all the process's threads (/proc/self/task/*/status). Running the
# programs at the same time puts them under the same load, which on a shared machine moves these figures more than
# the programs do; the median round is reported. "hidden" hides the window after its first paint, as the tray does.
VARIANTS="bare bare-notimer dorvane dorvane-hidden bare-notimer-hidden"
command_of() { # variant -> program and arguments
    case $1 in
    bare) echo "$BARE" ;;
    bare-notimer) echo "$BARE --no-timer" ;;
    bare-notimer-hidden) echo "$BARE --no-timer --hide" ;;
    dorvane) echo "$DORVANE" ;;
    dorvane-hidden) echo "$DORVANE --hide" ;;
    esac
}
share() { sed -n 's/idle_cpu_us=\([0-9]*\) idle_wall_us=\([0-9]*\).*/\1 \2/p' "$1" | awk '{ printf "%.4f", 100 * $1 / $2 }'; }
wakeups() { sed -n 's/.*idle_wall_us=\([0-9]*\) idle_wakeups=\([0-9]*\).*/\1 \2/p' "$1" | awk '{ printf "%.2f", $2 / ($1 / 1e6) }'; }
for v in $VARIANTS; do : >"$OUT/idle-$v.rounds"; done
for ((i = 0; i < IDLE_ROUNDS; ++i)); do
    pids=()
    for v in $VARIANTS; do
        # shellcheck disable=SC2046
        $(command_of "$v") --run-seconds $((IDLE_SECONDS + 4)) >"$OUT/idle-$v.txt" 2>/dev/null &
        pids+=($!)
    done
    wait "${pids[@]}"
    for v in $VARIANTS; do
        echo "$(share "$OUT/idle-$v.txt") $(wakeups "$OUT/idle-$v.txt")" >>"$OUT/idle-$v.rounds"
        echo "round $((i + 1)) $v: CPU $(share "$OUT/idle-$v.txt") %, wake-ups $(wakeups "$OUT/idle-$v.txt") per s"
    done
done
idle_cpu() { cut -d' ' -f1 "$OUT/idle-$1.rounds" | median; }
idle_wakeups() { cut -d' ' -f2 "$OUT/idle-$1.rounds" | median; }
for v in $VARIANTS; do
    echo "median: $v CPU $(idle_cpu "$v") % of a core, $(idle_wakeups "$v") wake-ups per s" | tee -a "$OUT/idle.txt"
done
dorvane_idle=$(idle_cpu dorvane)
bare_idle=$(idle_cpu bare)
bare_notimer_idle=$(idle_cpu bare-notimer)
idle_ratio=$(ratio "$dorvane_idle" "$bare_idle")

echo "== (c) what an idle second costs: user-space instructions (callgrind, 12 s run minus 7 s run, per second)"
idle_ir() { echo $((($(callgrind_total "$@" --run-seconds 12) - $(callgrind_total "$@" --run-seconds 7)) / 5)); }
bare_idle_ir=$(idle_ir "$BARE")
bare_notimer_idle_ir=$(idle_ir "$BARE" --no-timer)
dorvane_idle_ir=$(idle_ir "$DORVANE")
echo "bare $bare_idle_ir  bare without timer $bare_notimer_idle_ir  dorvane $dorvane_idle_ir instructions per idle second"

echo "== (c) system calls of 5 idle seconds (strace -f -c, 12 s run minus 7 s run)"
syscalls() { # seconds program args... -> "name count" lines
    local seconds=$1
    shift
    strace -f -c -o "$OUT/strace.txt" "$@" --run-seconds "$seconds" >/dev/null 2>&1
    awk 'NR > 2 && $1 !~ /^-/ && $NF != "total" { print $NF, $4 }' "$OUT/strace.txt"
}
if ! command -v strace >/dev/null; then
    bash "$ROOT/scripts/install-deps.sh"
fi
: >"$OUT/syscalls.txt"
for v in $VARIANTS; do
    # shellcheck disable=SC2046
    syscalls 12 $(command_of "$v") | sort >"$OUT/sys12-$v.txt"
    # shellcheck disable=SC2046
    syscalls 7 $(command_of "$v") | sort >"$OUT/sys7-$v.txt"
    join -a1 -e0 -o 0,1.2,2.2 "$OUT/sys12-$v.txt" "$OUT/sys7-$v.txt" |
        awk -v w="$v" '{ d = $2 - $3; if ($1 ~ /poll/) polls += d; else if (d > 0) other += d }
            END { printf "%s polls %.1f per s, other calls %.1f per s\n", w, polls / 5, other / 5 }' |
        tee -a "$OUT/syscalls.txt"
done
polls() { awk -v w="$1" '$1 == w { print $3 }' "$OUT/syscalls.txt"; }

echo "== (d) idle tick, instructions per tick (callgrind, only runTicks collected, 10,000 ticks minus 0 ticks)"
callgrind_ticks() {
    local n=$1
    shift
    local log
    log=$(mktemp)
    valgrind --tool=callgrind --collect-atstart=no --toggle-collect='runTicks*' \
        --callgrind-out-file="$OUT/callgrind.TickLoop.$n$(echo "$@" | tr -d ' -').out" "$BIN/TickLoop" --ticks "$n" "$@" \
        >/dev/null 2>"$log"
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$log"
    rm -f "$log"
}
tick_fake=$((($(callgrind_ticks 10000) - $(callgrind_ticks 0)) / 10000))
tick_system=$((($(callgrind_ticks 10000 --system-clock) - $(callgrind_ticks 0 --system-clock)) / 10000))
echo "fake clock $tick_fake  system clock $tick_system instructions per tick"
"$BIN/BenchTick" --benchmark_min_time=1 | tee "$OUT/BenchTick.txt"

echo "== (e) a day click to the report shown"
"$BIN/BenchDayClick" --benchmark_min_time=1 | tee "$OUT/BenchDayClick.txt"
click_us=$(awk '$1 == "BM_DayClick/3" { print $2 }' "$OUT/BenchDayClick.txt")
click_painted_us=$(awk '$1 == "BM_DayClickPainted" { print $2 }' "$OUT/BenchDayClick.txt")

echo "== (e2) the window deactivated and activated again with nothing changed, instructions per round trip"
# The window's thread alone: the year's marks computed on a worker meanwhile are no part of an activation.
main_thread_total() { # benchmark filter -> instructions of the main thread
    local out="$OUT/callgrind.BenchActivation.$$.$RANDOM.out"
    valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out" "$BIN/BenchActivation" \
        --benchmark_filter="$1" >/dev/null 2>&1
    sed -n 's/^totals: //p' "$out-01"
    rm -f "$out"*
}
round_trip_ir() { # benchmark name -> instructions per round trip
    echo $((($(main_thread_total "^$1/iterations:120\$") - $(main_thread_total "^$1/iterations:20\$")) / 100))
}
activation_ir=$(round_trip_ir BM_ActivationUnchanged)
activation_bare_ir=$(round_trip_ir BM_ActivationBare/1)
activation_empty_ir=$(round_trip_ir BM_ActivationBare/0)
echo "$activation_ir instructions per round trip (bare window $activation_bare_ir, empty window $activation_empty_ir)"

echo "== (f) SunRiseSet"
"$BIN/BenchAstro" --benchmark_filter=BM_SunRiseSet --benchmark_min_time=1 | tee "$OUT/BenchAstro.txt"
sun_per_s=$(awk '$1 == "BM_SunRiseSet" { for (i = 1; i <= NF; ++i) if ($i ~ /items_per_second=/) { sub("items_per_second=", "", $i); print $i } }' "$OUT/BenchAstro.txt")
sun_m=$(echo "$sun_per_s" | awk '{ v = $1; if (v ~ /M\/s$/) { sub("M/s", "", v); v *= 1 } else if (v ~ /k\/s$/) { sub("k/s", "", v); v /= 1000 } else if (v ~ /G\/s$/) { sub("G/s", "", v); v *= 1000 } printf "%.2f", v }')

echo "== (g) a simulated day on the fake clock (midnight, clocks going forward), wake-ups and resident memory"
"$BIN/DaySimulation" | tee "$OUT/DaySimulation.txt"
day_growth=$(sed -n 's/.*growth_kB=\([-0-9]*\).*/\1/p' "$OUT/DaySimulation.txt")
day_wakeups=$(sed -n 's/.* growth_kB=[-0-9]* wakeups=\([0-9]*\).*/\1/p' "$OUT/DaySimulation.txt")

tick_fake_us=$(awk '$1 == "BM_IdleTick" { print $2 " " $3 }' "$OUT/BenchTick.txt")
tick_system_us=$(awk '$1 == "BM_IdleTickSystemClock" { print $2 " " $3 }' "$OUT/BenchTick.txt")

{
    echo
    echo "| measure | Dorvane | bare window | ratio | target | result |"
    echo "|---|---|---|---|---|---|"
    r=$(ratio "$dorvane_ir" "$bare_ir")
    echo "| start-up to first paint, instructions | $dorvane_ir | $bare_ir | $r | <= 1.15 | $(verdict "$r" 1.15 "<=") |"
    r=$(ratio "$dorvane_ms" "$bare_ms")
    echo "| start-up to first paint, ms (median of $RUNS) | $dorvane_ms | $bare_ms | $r | - | for information |"
    r=$(ratio "$dorvane_rss" "$bare_rss")
    echo "| peak RSS, kB | $dorvane_rss | $bare_rss | $r | <= 1.10 | $(verdict "$r" 1.10 "<=") |"
    r=$(ratio "$dorvane_own" "$bare_own")
    echo "| the program's own memory at 3 s (RssAnon), kB | $dorvane_own | $bare_own | $r | - | for information |"
    echo "| idle CPU, % of a core over $IDLE_SECONDS s (median of $IDLE_ROUNDS rounds) | $dorvane_idle | $bare_idle (no timer $bare_notimer_idle) | $idle_ratio | within noise of no timer | - |"
    echo "| idle CPU, hidden | $(idle_cpu dorvane-hidden) | no timer, hidden $(idle_cpu bare-notimer-hidden) | - | within noise of no timer | - |"
    w=$(idle_wakeups dorvane)
    echo "| idle wake-ups per s (voluntary context switches) | $w | $(idle_wakeups bare) (no timer $(idle_wakeups bare-notimer)) | - | <= 1 | $(verdict "$w" 1 "<=") |"
    w=$(idle_wakeups dorvane-hidden)
    echo "| idle wake-ups per s, hidden | $w | no timer, hidden $(idle_wakeups bare-notimer-hidden) | - | <= 1 | $(verdict "$w" 1 "<=") |"
    echo "| idle polls per s (strace) | $(polls dorvane) (hidden $(polls dorvane-hidden)) | $(polls bare) (no timer $(polls bare-notimer)) | - | - | - |"
    echo "| idle user-space instructions per s | $dorvane_idle_ir | $bare_idle_ir (no timer $bare_notimer_idle_ir) | - | - | - |"
    echo "| idle tick, instructions (fake clock) | $tick_fake | - | - | <= 8000 | $(verdict "$tick_fake" 8000 "<=") |"
    echo "| idle tick, instructions (system clock) | $tick_system | - | - | <= 8000 | $(verdict "$tick_system" 8000 "<=") |"
    echo "| idle tick, wall time (fake / system clock) | $tick_fake_us / $tick_system_us | - | - | - | - |"
    echo "| day click to report, wall us (handler / with repaint) | $click_us / $click_painted_us | - | - | <= 1000 | $(verdict "$click_painted_us" 1000 "<=") |"
    r=$(ratio "$activation_ir" "$activation_bare_ir")
    echo "| activation with nothing changed, instructions per round trip (an empty Qt window: $activation_empty_ir) | $activation_ir | $activation_bare_ir | $r | a few thousand | - |"
    echo "| SunRiseSet, million calls per second | $sun_m | - | - | >= 1 | $(verdict "$sun_m" 1 ">=") |"
    echo "| simulated day, VmRSS growth kB / wake-ups | $day_growth / $day_wakeups | - | - | flat | - |"
} | tee "$OUT/summary.md"
