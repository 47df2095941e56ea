#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (address and undefined-behaviour sanitizers) and runs each for a bounded
# time on a copy of its seed corpus, so the repository is never written. A crash, a sanitizer report, a broken
# property or a hang fails the run; the input that did it is kept under build/fuzz/findings/.
# Usage: scripts/fuzz.sh [Target ...]
# FUZZ_SECONDS per target (default 30), FUZZ_JOBS targets at a time (default: cores), FUZZ_BUILD (build/fuzz).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${FUZZ_BUILD:-$root/build/fuzz}
seconds=${FUZZ_SECONDS:-30}
all=(FuzzPrefsFile FuzzNumberText FuzzNumberEdit FuzzDateText FuzzSunMoon FuzzZoneLine FuzzCoordinateText FuzzIcsReader FuzzWindowState)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

command -v clang++ >/dev/null || { echo "fuzz: clang++ not found (apt package clang)"; exit 2; }

mkdir -p "$build"
# -O1 and Qt's own asserts (a Debug configuration) let an index past the end of a string abort at once.
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DBUILD_TESTING=OFF -DDORVANE_FUZZ=ON -DDORVANE_WERROR=ON >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; echo "fuzz: configure failed"; exit 2; }
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)" || { echo "fuzz: build failed"; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
mkdir -p "$build/findings"

export LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/fuzz/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# One target: fuzzes a copy of its corpus, leaves its log and exit status in the work folder.
run_target()
{
    local target=$1 corpus=$work/$1/corpus artifacts=$work/$1/artifacts/ maxlen=4096 timeout=10 stack=unlimited
    mkdir -p "$corpus" "$artifacts"
    [ -d "$root/fuzz/corpus/$target" ] && cp -r "$root/fuzz/corpus/$target/." "$corpus/"
    # A prefs.cal line is cut at 4096 characters, so that target needs room beyond it.
    [ "$target" = FuzzPrefsFile ] && maxlen=10000
    # A calendar's reading has a deadline of a second per file and recurses only as deep as a calendar nests:
    # an input that takes 5 s or a stack of 2 MB (a quarter of a worker thread's) is a finding.
    if [ "$target" = FuzzIcsReader ]; then
        timeout=5
        stack=2048
    fi
    (
        ulimit -s "$stack" 2>/dev/null
        "$build/fuzz/$target" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -max_len="$maxlen" \
            -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" >"$work/$target.log" 2>&1
    )
    echo $? >"$work/$target.rc"
}

# Targets run side by side, one per core (FUZZ_JOBS), each single-threaded.
jobs=${FUZZ_JOBS:-$(nproc)}
echo "fuzz: ${#targets[@]} targets, ${seconds} s each, $jobs at a time"
running=0
for target in "${targets[@]}"; do
    run_target "$target" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait

passed=0
failed=0
for target in "${targets[@]}"; do
    echo "== $target"
    if [ "$(cat "$work/$target.rc")" = 0 ]; then
        grep -E '^stat::number_of_executed_units' "$work/$target.log"
        echo "$target: passed"
        passed=$((passed + 1))
    else
        tail -n 60 "$work/$target.log"
        cp "$work/$target/artifacts/"* "$build/findings/" 2>/dev/null
        echo "$target: FAILED (inputs kept in $build/findings)"
        failed=$((failed + 1))
    fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
