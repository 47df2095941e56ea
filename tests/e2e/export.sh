#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The year written from the command line on a machine without a display: no X, no Wayland, no platform chosen.
# Usage: export.sh path/to/dorvane
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A program folder without prefs.cal and a home of its own: an export must not write a first start's file anywhere.
mkdir -p "$work/bin" "$work/home"
cp "$program" "$work/bin/dorvane"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME= "$work/bin/dorvane" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }

run --export 2027 "$work/year.pdf" --paper letter 2>"$work/err" || fail "PDF export: $(cat "$work/err")"
pdfinfo "$work/year.pdf" | grep -Eq '^Page size: +792 x 612 pts' || fail "not one landscape Letter page"
pdftotext "$work/year.pdf" - | grep -q December || fail "no December in the PDF's text"
run --export 2027 "$work/year.png" --paper a4 || fail "PNG export"
found=$(find "$work" -name 'prefs.cal' -o -name 'dorvane-state.ini')
[ -z "$found" ] || fail "an export wrote $found"

# Each refusal: a non-zero exit and one line on the standard error.
for refused in "1600 $work/old.pdf" "2027 $work/year.txt" "2027 $work/missing/year.pdf"; do
    code=0
    run --export $refused 2>"$work/err" >/dev/null || code=$?
    [ "$code" -ne 0 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "--export $refused: $code, $(cat "$work/err")"
done
# A link or anything but a regular file at the name is refused as an unwritable target, and left as it was.
printf 'the victim' >"$work/victim"
ln -s "$work/victim" "$work/link.pdf"
ln -s /dev/null "$work/device.pdf"
mkfifo "$work/fifo.pdf"
for target in link.pdf device.pdf fifo.pdf; do
    code=0
    timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME= \
        "$work/bin/dorvane" --export 2027 "$work/$target" 2>"$work/err" >/dev/null || code=$?
    [ "$code" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q 'not a regular file' "$work/err" ||
        fail "--export onto $target: $code, $(cat "$work/err")"
done
[ "$(cat "$work/victim")" = 'the victim' ] && [ -L "$work/link.pdf" ] && [ -L "$work/device.pdf" ] &&
    [ -p "$work/fifo.pdf" ] || fail "a refused target was changed"

# A write the system refuses tells the system's reason: here a file size limit.
code=0
(ulimit -f 4 && trap '' XFSZ && run --export 2027 "$work/big.pdf") 2>"$work/err" >/dev/null || code=$?
[ "$code" -eq 1 ] && grep -q 'File too large' "$work/err" && [ ! -e "$work/big.pdf" ] ||
    fail "--export beyond the size limit: $code, $(cat "$work/err")"

# The other answers of the command line need no display either; a misspelt option opens no window.
run --help >"$work/out" 2>"$work/err" && grep -q -- '--export <YEAR FILE>' "$work/out" && [ ! -s "$work/err" ] ||
    fail "--help: $(cat "$work/err")"
run --version >"$work/out" && grep -Eq '^Dorvane [0-9]' "$work/out" || fail "--version: $(cat "$work/out")"
for refused in --exprot stray; do
    code=0
    timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME= \
        "$work/bin/dorvane" $refused 2027 "$work/year.pdf" 2>"$work/err" >/dev/null || code=$?
    [ "$code" -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$refused: $code, $(cat "$work/err")"
done
echo "export without a display: ok"
