#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Day panel on a real display: at display scale 2 on a 2560 x 1440 screen it opens beside the window, not over
# the calendars, with a calendar event of a 110-character title; it keeps its size from day to day, stays on the
# screen, copies the whole title, and Escape closes it. Under German its times read on the 24-hour clock.
# Usage: tests/e2e/daypanel.sh path/to/dorvane [folder for the screenshots]
set -uo pipefail

binary=${1:-}
shots=${2:-}
for tool in Xvfb openbox xdotool xwininfo xprop xdpyinfo xclip import; do
    command -v "$tool" >/dev/null || { echo "daypanel: missing $tool (run scripts/install-deps.sh)"; exit 2; }
done
[ -n "$binary" ] && [ -x "$binary" ] || { echo "usage: $0 path/to/dorvane [screenshot folder]"; exit 2; }
binary=$(cd "$(dirname "$binary")" && pwd)/$(basename "$binary")

# shellcheck source=harness.sh
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh" daypanel
[ -n "$shots" ] || shots=$work/shots
mkdir -p "$shots" || exit 2

Xvfb -displayfd 3 -screen 0 2560x1440x24 -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 20 test -s "$work/display" || { echo "daypanel: Xvfb did not start"; exit 1; }
DISPLAY=":$(tr -dc 0-9 <"$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
wait_for 20 xdpyinfo >/dev/null 2>&1
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 20 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"

folder=$work/app
mkdir -p "$folder"
cp "$binary" "$folder/dorvane"
printf '%s\r\n' 00 $'E\xb013.40' $'N\xb052.52' 1 Europe/Berlin >"$folder/prefs.cal"
title="Quarterly planning meeting with the regional partners about the new delivery routes and the winter timetable"
printf '%s\r\n' BEGIN:VCALENDAR VERSION:2.0 PRODID:-//journeys//EN X-WR-CALNAME:Journey BEGIN:VEVENT UID:long \
    "DTSTART;VALUE=DATE:$(date +%Y%m%d)" "SUMMARY:$title" END:VEVENT END:VCALENDAR >"$folder/long.ics"
printf '[calendars]\n1\\path=%s\nsize=1\n' "$folder/long.ics" >"$folder/dorvane-state.ini"

app='' window='' panel=''
# start ENV...: the program under those variables; sets app and window.
start()
{
    (cd "$folder" && exec env "$@" ./dorvane) >>"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
    main_window() { window=$(xdotool search --all --onlyvisible --pid "$app" --name '^Dorvane   Today:' 2>/dev/null | head -1); [ -n "$window" ]; }
    wait_for 30 main_window
}
stop() { [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null; app=; }
panel_shown() { panel=$(xdotool search --all --onlyvisible --pid "$app" --name '^Day$' 2>/dev/null | head -1); [ -n "$panel" ]; }
panel_gone() { ! xdotool search --all --onlyvisible --pid "$app" --name '^Day$' >/dev/null 2>&1; }
# outer ID: "X Y W H" of the window with the frame its window manager draws, in device pixels.
outer()
{
    local info l r t b
    info=$(xwininfo -id "$1") || return 1
    IFS=, read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')"
    echo "$(($(awk '/Absolute upper-left X:/ {print $4}' <<<"$info") - ${l:-0})) \
$(($(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info") - ${t:-0})) \
$(($(awk '/Width:/ {print $2}' <<<"$info") + ${l:-0} + ${r:-0})) \
$(($(awk '/Height:/ {print $2}' <<<"$info") + ${t:-0} + ${b:-0}))"
}
client_size() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
settled()
{
    local a b
    a=$(import -window root -depth 8 rgb:- | md5sum)
    sleep 0.3
    b=$(import -window root -depth 8 rgb:- | md5sum)
    [ "$a" == "$b" ]
}

# ---- at scale 2: beside the window, on the screen, one size, the whole title copied, Escape
start LC_ALL=C.UTF-8 QT_SCALE_FACTOR=2
check "at scale 2 the main window appears" test -n "$window"
if [ -n "$window" ]; then
    xdotool windowactivate --sync "$window" key ctrl+d
    check "Ctrl+D opens the Day panel" wait_for 10 panel_shown
fi
if [ -n "$panel" ]; then
    wait_for 5 settled
    read -r mx my mw mh <<<"$(outer "$window")"
    read -r px py pw ph <<<"$(outer "$panel")"
    note "main window $mw x $mh at $mx,$my; panel $pw x $ph at $px,$py (device pixels, frames included)"
    check "the panel stands beside the window, not over the calendars" \
        test $((px >= mx + mw || px + pw <= mx)) -eq 1
    check "the panel is whole on the 2560 x 1440 screen" \
        test $((px >= 0 && py >= 0 && px + pw <= 2560 && py + ph <= 1440)) -eq 1
    check "the main window is whole on the screen too" \
        test $((mx >= 0 && my >= 0 && mx + mw <= 2560 && my + mh <= 1440)) -eq 1
    title_copied() { xclip -o -selection clipboard 2>/dev/null | grep -qF "Event: All day: $title (Journey)"; }
    xdotool windowactivate --sync "$panel" key alt+c
    check "Copy gives the whole 110-character title" wait_for 5 title_copied
    import -window root "$shots/daypanel-scale2.png"
    size=$(client_size "$panel")
    # Days of January clicked at scale 2 (cells 28 x 16 pixels from (1, 43), doubled): the panel keeps its size.
    read -r cx cy <<<"$(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4} END {print x, y}')"
    same=1
    for cell in "3 2" "5 3" "1 4"; do
        read -r column row <<<"$cell"
        xdotool mousemove $((cx + 2 * (1 + 28 * column + 14))) $((cy + 2 * (43 + 16 * row + 8))) click 1
        sleep 0.5
        [ "$(client_size "$panel")" == "$size" ] || { note "panel $size became $(client_size "$panel")"; same=0; }
    done
    check "the panel keeps its size ($size) from day to day" test "$same" -eq 1
    xdotool windowactivate --sync "$panel" key Tab key Escape
    check "Escape closes the panel with the focus on a button" wait_for 5 panel_gone
fi
stop

# ---- German: the panel's times on the 24-hour clock, as the toolbar's
panel=
start LC_ALL=de_DE.UTF-8
check "under German the main window appears" test -n "$window"
if [ -n "$window" ]; then
    xdotool windowactivate --sync "$window" key ctrl+d
    german_panel() { panel=$(xdotool search --all --onlyvisible --pid "$app" --name '^Tag$' 2>/dev/null | head -1); [ -n "$panel" ]; }
    check "Ctrl+D opens the Tag panel" wait_for 10 german_panel
fi
if [ -n "$panel" ]; then
    wait_for 5 settled
    xdotool windowactivate --sync "$panel" key alt+k
    copied() { xclip -o -selection clipboard 2>/dev/null | grep -q '^Sonnenaufgang: '; }
    wait_for 5 copied
    xclip -o -selection clipboard >"$work/german.txt"
    note "$(grep -E '^(Sonnenaufgang|Sonnenuntergang|Markiert):' "$work/german.txt" | tr '\n' ';')"
    check "Sonnenaufgang reads hh:mm on the 24-hour clock" grep -qE '^Sonnenaufgang: [0-2][0-9]:[0-5][0-9], ' "$work/german.txt"
    check "no time in the panel says AM or PM" bash -c "! grep -qE '[0-9] ?(AM|PM|am|pm)\\b' '$work/german.txt'"
    read -r px py pw ph <<<"$(outer "$panel")"
    import -window root -crop "${pw}x${ph}+${px}+${py}" +repage "$shots/daypanel-german.png"
fi
stop
finish
