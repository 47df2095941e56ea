#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Real-window smoke test: runs the built program on a private X server with a window manager and a
# notification-area host, and checks what a person would see.
# Usage: tests/e2e/smoke.sh [path/to/dorvane] [screenshot.png]
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
binary=${1:-$root/build/release/app/dorvane}
screenshot=${2:-$root/build/e2e/screenshot-full.png}

for tool in Xvfb openbox trayer xdotool xprop xwininfo xdpyinfo import convert od; do
    command -v "$tool" >/dev/null || { echo "e2e: missing $tool (run scripts/install-deps.sh)"; exit 2; }
done
[ -x "$binary" ] || { echo "e2e: no program at $binary"; exit 2; }

# shellcheck source=harness.sh
source "$root/tests/e2e/harness.sh" e2e

# The program's folder is a fresh copy, so it reads and may write only its own prefs.cal.
mkdir "$work/program"
cp "$binary" "$work/program/dorvane"
cp "$root/assets/prefs.cal.default" "$work/program/prefs.cal"
cp "$work/program/prefs.cal" "$work/prefs.before"

# -displayfd lets the server choose a free display number, so parallel runs never collide.
# shellcheck source=desktop.sh
source "$root/tests/e2e/desktop.sh"
start_desktop e2e || exit 1

export LC_ALL=C.UTF-8
today() { echo "Dorvane   Today:  $(date '+(%-m) %b %d, %Y')   Julian: $(date +%y.%j)"; }
caption_before=$(today)
(cd "$work/program" && exec ./dorvane) >"$work/app.log" 2>&1 &
app=$!
pids+=($app)

window=$(timeout 30 xdotool search --sync --name '^Dorvane   Today:' 2>/dev/null | head -1)
if [ -z "$window" ]; then
    echo "FAIL  the main window appears within 30 s"
    cat "$work/app.log"
    failed=$((failed + 1))
    finish
fi
caption_after=$(today)
echo "ok    the main window appears"
passed=$((passed + 1))

# Let the first paint land before looking at pixels.
mapped() { xwininfo -id "$window" | grep -q 'Map State: IsViewable'; }
wait_for 10 mapped

caption=$(xprop -id "$window" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
echo "      caption: $caption"
check 'caption starts with "Dorvane   Today:  "' bash -c '[[ $0 == "Dorvane   Today:  "* ]]' "$caption"
check 'caption carries "   Julian: "' bash -c '[[ $0 == *"   Julian: "* ]]' "$caption"
check "caption names today and its Julian number" \
    bash -c '[[ $0 == "$1" || $0 == "$2" ]]' "$caption" "$caption_before" "$caption_after"

info=$(xwininfo -id "$window")
x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
w=$(awk '/Width:/ {print $2}' <<<"$info")
h=$(awk '/Height:/ {print $2}' <<<"$info")
echo "      client area: ${w}x${h} at $x,$y on a 1280x1024 screen"
# The first paint has landed once the row bar Panel1 shows navy.
painted() { [ "$(import -window root -crop "1x1+$((x + 10))+$((y + 15))" -depth 8 rgb:- | od -An -tu1 | xargs)" == "0 0 128" ]; }
wait_for 10 painted || echo "      the row bar did not turn navy within 10 s"
check "client area is 794 x 453" test "$w" -eq 794 -a "$h" -eq 453
# The frame's title bar makes the client sit a little below the true centre; allow for it.
centred() { local dx=$((x + w / 2 - 640)) dy=$((y + h / 2 - 512)); ((dx * dx <= 32 * 32 && dy * dy <= 32 * 32)); }
check "window is centred on the screen" centred

pointer=$(xdotool getmouselocation --shell)
px=$(sed -n 's/^X=//p' <<<"$pointer")
py=$(sed -n 's/^Y=//p' <<<"$pointer")
# The close button lies at client 445..492, 431..449 (toolbar at left -1, top 428; button 446, 2 on a panel at top 1).
on_close_button() { ((px >= x + 445 && px <= x + 492 && py >= y + 431 && py <= y + 449)); }
echo "      pointer: $((px - x)),$((py - y)) in client coordinates"
check "pointer rests on the close button after start" on_close_button

import -window root "$work/root.png"
convert "$work/root.png" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 "rgb:$work/client.rgb"
pixel() { od -An -tu1 -v -j $((($2 * w + $1) * 3)) -N3 "$work/client.rgb" | xargs; }
is_colour()
{
    local got
    got=$(pixel "$1" "$2")
    [ "$got" == "$3" ] || { echo "      pixel $1,$2 is ($got), expected ($4 $3)"; return 1; }
}
check "blue background between the first two calendars" is_colour 197 60 "0 0 255" blue
check "blue background between the second and third calendars" is_colour 397 100 "0 0 255" blue
check "navy row bar Panel1" is_colour 10 15 "0 0 128" navy
check "navy row bar Panel9" is_colour 10 160 "0 0 128" navy
check "navy row bar Panel17" is_colour 10 300 "0 0 128" navy
check "face-coloured strip Panel0" is_colour 10 139 "224 208 168" face
yellow_in()
{
    local n
    n=$(convert "$work/root.png" -crop "$3x$4+$((x + $1))+$((y + $2))" +repage -depth 8 rgb:- |
        od -An -tu1 -v -w3 | awk '$1 > 200 && $2 > 200 && $3 < 100 {n++} END {print n + 0}')
    echo "      $n yellow pixels"
    ((n >= 20))
}
check "yellow month title in Panel30" yellow_in 40 7 112 16
check "yellow month title in Panel41" yellow_in 637 294 112 16

mkdir -p "$(dirname "$screenshot")"
# The screenshot shows the window with its frame (1 pixel sides, 20 pixel title bar under openbox).
convert "$work/root.png" -crop "$((w + 2))x$((h + 21))+$((x - 1))+$((y - 20))" +repage "$screenshot" &&
    echo "      screenshot: $screenshot"

panel=$(xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}')
icon=
if [ -n "$panel" ]; then
    icon=$(xwininfo -tree -id "$panel" | awk '/\("dorvane" "dorvane"\)/ {print $NF; exit}')
fi
check "notification-area icon docked in the tray host" test -n "$icon"

# "Tray" (toolbar left 732) hides the window; a click on the icon brings it back.
xdotool mousemove $((x - 1 + 732 + 14)) $((y + 428 + 1 + 2 + 9)) click 1
unmapped() { xwininfo -id "$window" | grep -q 'Map State: IsUnMapped'; }
check "Tray hides the window" wait_for 10 unmapped
if [ -n "$icon" ]; then
    ix=$(sed 's/^+\([0-9-]*\)+\([0-9-]*\)$/\1/' <<<"$icon")
    iy=$(sed 's/^+\([0-9-]*\)+\([0-9-]*\)$/\2/' <<<"$icon")
    xdotool mousemove $((ix + 11)) $((iy + 11)) click 1
fi
check "a click on the notification-area icon shows it again" wait_for 10 mapped

xdotool mousemove $((x - 1 + 446 + 24)) $((y + 428 + 1 + 2 + 9)) click 1
ended() { ! kill -0 "$app" 2>/dev/null; }
check "the close button ends the program" wait_for 15 ended
status=1
if ended; then
    wait "$app"
    status=$?
fi
check "the program exits with status 0" test "$status" -eq 0
check "prefs.cal is left as it was" cmp -s "$work/prefs.before" "$work/program/prefs.cal"
check "the program writes no other files beside itself than the window's state" \
    test "$(ls -A "$work/program" | sort | xargs)" == "dorvane dorvane-state.ini prefs.cal"
sanitizer_quiet() { ! grep -qE 'runtime error:|ERROR: AddressSanitizer|ERROR: LeakSanitizer' "$work/app.log"; }
check "no sanitizer reports" sanitizer_quiet
if [ "$failed" -ne 0 ]; then
    echo "---- program output"
    cat "$work/app.log"
fi
finish
