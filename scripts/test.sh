#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the whole test suite: format check, the Debug build's tests, the sanitizer build's tests (each
# also checked for leaks at exit, LeakCheckIsOn showing that the check is on),
# the real-window smoke test and the end-to-end journeys of the Release program, its sharpness at display scale 2 and
# its native Wayland start, the Debian package installed and used, and the fuzz targets for a bounded time.
# Every stage runs; the exit status is non-zero if any failed.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
logs=$root/build/logs
mkdir -p "$logs"

results=()
notes=()
failures=0
# Runs one stage, timing it and recording its outcome.
stage()
{
    local name=$1
    shift
    local start=$SECONDS
    echo
    echo "==== $name"
    if "$@"; then
        results+=("$(printf '%-10s passed  %4ds' "$name" $((SECONDS - start)))")
    else
        results+=("$(printf '%-10s FAILED  %4ds' "$name" $((SECONDS - start)))")
        failures=$((failures + 1))
    fi
}
# Configures and builds a preset, keeping the compiler's output in build/logs unless it fails.
build()
{
    local preset=$1
    if cmake --preset "$preset" >"$logs/$preset-configure.log" 2>&1 &&
        cmake --build --preset "$preset" >"$logs/$preset-build.log" 2>&1; then
        echo "built $preset"
        return 0
    fi
    echo "build of $preset failed:"
    tail -n 60 "$logs/$preset-configure.log" "$logs/$preset-build.log" 2>/dev/null
    return 1
}
unit_tests()
{
    build "$1" || return 1
    ctest --preset "$1" 2>&1 | tee "$logs/$1-ctest.log"
    local status=${PIPESTATUS[0]}
    notes+=("$1: $(grep -E 'tests passed' "$logs/$1-ctest.log" | tail -n 1)")
    return "$status"
}
smoke()
{
    build release || return 1
    bash tests/e2e/smoke.sh build/release/app/dorvane build/e2e/screenshot-full.png 2>&1 | tee "$logs/smoke.log"
    local status=${PIPESTATUS[0]}
    notes+=("smoke: $(tail -n 1 "$logs/smoke.log")")
    return "$status"
}
journeys()
{
    build release || return 1
    bash tests/e2e/journeys.sh build/release/app/dorvane build/e2e 2>&1 | tee "$logs/journeys.log"
    local status=${PIPESTATUS[0]}
    notes+=("journeys: $(tail -n 1 "$logs/journeys.log")")
    return "$status"
}
# Sharpness at display scale 2, the Day panel at scale 2 and in German, and the native Wayland start, each on a
# private server.
displays()
{
    build release || return 1
    local status=0
    bash tests/e2e/scale.sh build/release/app/dorvane build/e2e 2>&1 | tee "$logs/scale.log"
    ((PIPESTATUS[0] == 0)) || status=1
    notes+=("scale: $(tail -n 1 "$logs/scale.log")")
    bash tests/e2e/daypanel.sh build/release/app/dorvane build/e2e 2>&1 | tee "$logs/daypanel.log"
    ((PIPESTATUS[0] == 0)) || status=1
    notes+=("daypanel: $(tail -n 1 "$logs/daypanel.log")")
    bash tests/e2e/wayland.sh build/release/app/dorvane build/e2e/screenshot-wayland.png 2>&1 | tee "$logs/wayland.log"
    ((PIPESTATUS[0] == 0)) || status=1
    notes+=("wayland: $(tail -n 1 "$logs/wayland.log")")
    return "$status"
}
fuzz()
{
    bash scripts/fuzz.sh 2>&1 | tee "$logs/fuzz.log"
    local status=${PIPESTATUS[0]}
    notes+=("fuzz: $(tail -n 1 "$logs/fuzz.log")")
    return "$status"
}

stage deps bash scripts/install-deps.sh
stage format bash scripts/check.sh --format-only
stage dev unit_tests dev
stage asan unit_tests asan
stage smoke smoke
stage journeys journeys
stage displays displays
# The Debian package installed and started as an ordinary user (needs root, as CI has).
stage package bash tests/install/check-deb.sh
stage fuzz fuzz

echo
echo "==== summary"
printf '%s\n' "${results[@]}"
printf '%s\n' "${notes[@]}"
echo "total $((SECONDS / 60))m $((SECONDS % 60))s"
[ "$failures" -eq 0 ]
