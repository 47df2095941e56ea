#!/usr/bin/env bash
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
pdfinfo "$work/year.pdf" | grep -Eq '^Pages: +1$' || fail "not one page"
pdfinfo "$work/year.pdf" | grep -Eq '^Page size: +792 x 612 pts' || fail "not landscape Letter"
text=$(pdftotext "$work/year.pdf" -)
for word in 2027 January December 53; do
    grep -q "$word" <<<"$text" || fail "no $word in the PDF's text"
done
run --export 2027 "$work/year.png" --paper a4 || fail "PNG export"
file "$work/year.png" | grep -q '1754 x 1240' || fail "PNG not A4 at 150 dpi: $(file "$work/year.png")"
found=$(find "$work" -name 'prefs.cal' -o -name 'dorvane-state.ini')
[ -z "$found" ] || fail "an export wrote $found"

# Each refusal: a non-zero exit and one line on the standard error.
expect_refused() {
    local code=0
    run "$@" 2>"$work/err" >/dev/null || code=$?
    [ "$code" -ne 0 ] || fail "accepted: $*"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "not one line for $*: $(cat "$work/err")"
}
expect_refused --export 1600 "$work/old.pdf"
expect_refused --export 2027x "$work/bad.pdf"
expect_refused --export 2027 "$work/year.txt"
expect_refused --export 2027 "$work/missing/year.pdf"
expect_refused --export 2027
echo "export without a display: ok"
