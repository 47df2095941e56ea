#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program natively on Wayland: a headless weston compositor, Qt's wayland platform, and checks that
# the window appears with its first frame painted, that a quit request (SIGTERM, as a session ending sends) ends it
# with status 0, and that standard error holds no repeated warning (what Wayland refuses, such as placing the
# pointer or the window, must pass silently).
# Usage: tests/e2e/wayland.sh path/to/dorvane [screenshot.png]
set -uo pipefail

binary=${1:-}
shot_out=${2:-}
for tool in weston weston-screenshooter convert identify; do
    command -v "$tool" >/dev/null || { echo "wayland: missing $tool (run scripts/install-deps.sh)"; exit 2; }
done
[ -n "$binary" ] && [ -x "$binary" ] || { echo "usage: $0 path/to/dorvane [screenshot.png]"; exit 2; }
binary=$(cd "$(dirname "$binary")" && pwd)/$(basename "$binary")

# shellcheck source=harness.sh
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh" wayland

# The compositor wants a private runtime folder; CI runs as root, whose /run/user may not exist.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
socket=dorvane-$$
unset DISPLAY
# --debug lets weston-screenshooter read the output; the pixman renderer draws into memory, as a display would.
weston --backend=headless-backend.so --use-pixman --debug --socket="$socket" --width=1024 --height=768 \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
pids+=($!)
check "weston starts its headless output" wait_for 20 test -S "$XDG_RUNTIME_DIR/$socket"
if [ ! -S "$XDG_RUNTIME_DIR/$socket" ]; then
    tail -n 20 "$work/weston.log"
    finish
fi
export WAYLAND_DISPLAY=$socket

# A folder of its own with the default preferences, so that the report has a position.
mkdir "$work/app"
cp "$binary" "$work/app/dorvane"
cp "$(dirname "${BASH_SOURCE[0]}")/../../assets/prefs.cal.default" "$work/app/prefs.cal"
export LC_ALL=C.UTF-8
QT_QPA_PLATFORM=wayland "$work/app/dorvane" >"$work/stdout.log" 2>"$work/stderr.log" &
app=$!
pids+=("$app")

# The window's first frame: the navy row bars (RGB 0, 0, 128) and the blue (RGB 0, 0, 255) of its background.
colour_count()
{
    convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}
shoot()
{
    rm -f "$work"/shots/wayland-screenshot*.png
    mkdir -p "$work/shots"
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1) || return 1
    shot=$(ls "$work"/shots/wayland-screenshot*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ]
}
painted()
{
    shoot || return 1
    navy=$(colour_count "$shot" 'rgb(0,0,128)')
    # Three row bars of 794 x 23, partly under the month titles: well over 30000 navy pixels.
    ((navy > 30000))
}
check "the program is running on the wayland platform" wait_for 5 kill -0 "$app"
check "its first frame is painted (navy row bars on screen)" wait_for 20 painted
note "navy pixels on screen: ${navy:-none}"
if [ -n "${shot:-}" ] && [ -f "$shot" ]; then
    note "screenshot $(identify -format '%wx%h' "$shot")"
    [ -n "$shot_out" ] && cp "$shot" "$shot_out"
fi
check "still running after its first frame" kill -0 "$app"

# The year is laid out although no one activated the window: the days of January and February differ, where an
# unfilled grid shows the same month twelve times. The navy row bars start 4 pixels below the client area's top.
laid_out()
{
    shoot || return 1
    local box x y
    box=$(convert "$shot" -alpha off -fill black +opaque 'rgb(0,0,128)' -fill white -opaque 'rgb(0,0,128)' \
        -format '%@' info:)
    x=$(sed 's/.*+\([0-9]*\)+[0-9]*$/\1/' <<<"$box")
    y=$(($(sed 's/.*+\([0-9]*\)$/\1/' <<<"$box") - 4))
    convert "$shot" -crop "190x80+$x+$((y + 50))" +repage "$work/january.png"
    convert "$shot" -crop "190x80+$((x + 199))+$((y + 50))" +repage "$work/february.png"
    [ "$(compare -metric AE "$work/january.png" "$work/february.png" null: 2>&1)" != 0 ]
}
check "the year is laid out (the first two calendars differ)" wait_for 10 laid_out

# A quit request: the event loop ends and the program returns 0.
kill -TERM "$app"
status=
for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
    check "the program ends within 10 s of SIGTERM" false
else
    wait "$app"
    status=$?
    check "the program ends on SIGTERM with status 0 (got $status)" test "$status" -eq 0
fi

# Standard error: no line at all is expected; any line repeated is a fault whatever it says.
lines=$(wc -l <"$work/stderr.log")
note "standard error: $lines lines"
sed 's/^/      | /' "$work/stderr.log" | head -n 20
repeated=$(sort "$work/stderr.log" | uniq -d | wc -l)
check "no warning on standard error is repeated" test "$repeated" -eq 0
check "no Qt warning on standard error" bash -c "! grep -qiE 'warning|qt\\.qpa|not (possible|supported)' '$work/stderr.log'"
finish
