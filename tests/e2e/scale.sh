#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sharpness at a display scale of 2: runs the built program on a private X server at QT_SCALE_FACTOR 1 and 2 and
# compares toolbar glyphs. A picture drawn for two device pixels per pixel has detail finer than a pixel; the
# scale-1 picture scaled up has none (pixel replication) or only a blur (bilinear).
#
# The measure, "device detail" of a crop: average each aligned 2 x 2 block of device pixels, put the averages back
# in place of the four, and take the mean absolute difference from the crop (grey, 0..1). A picture scaled up by
# replicating pixels scores 0 at the alignment of its blocks, so the least of the four alignments is taken.
# Checked on the glyphs that cover their whole square (the year entry's "Yr" grid and the week-number page), so
# that the toolbar's grain, which is drawn at device resolution too, does not count.
# Usage: tests/e2e/scale.sh path/to/dorvane [folder for screenshot-scale2.png]
set -uo pipefail

binary=${1:-}
shots=${2:-}
for tool in Xvfb openbox xdotool xwininfo xdpyinfo import convert; do
    command -v "$tool" >/dev/null || { echo "scale: missing $tool (run scripts/install-deps.sh)"; exit 2; }
done
[ -n "$binary" ] && [ -x "$binary" ] || { echo "usage: $0 path/to/dorvane [screenshot folder]"; exit 2; }
binary=$(cd "$(dirname "$binary")" && pwd)/$(basename "$binary")

# shellcheck source=harness.sh
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh" scale
# shellcheck source=desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

# A screen large enough for the window at scale 2 (1600 x 970 device pixels and a frame).
Xvfb -displayfd 3 -screen 0 1800x1200x24 -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 20 test -s "$work/display" || { echo "scale: Xvfb did not start"; exit 1; }
DISPLAY=":$(tr -dc 0-9 <"$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C.UTF-8
wait_for 20 xdpyinfo >/dev/null 2>&1
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 20 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"

mkdir "$work/app"
cp "$binary" "$work/app/dorvane"
cp "$(dirname "${BASH_SOURCE[0]}")/../../assets/prefs.cal.default" "$work/app/prefs.cal"

window=
find_window() { window=$(xdotool search --onlyvisible --name '^Dorvane' 2>/dev/null | head -n 1) && [ -n "$window" ]; }
# The client area in device pixels: X Y W H.
geometry() { client_geometry "$window"; }
# Settled: two shots of the client area a moment apart are the same (the first report and hints are drawn).
settled()
{
    geometry || return 1
    import -window root -crop "${W}x${H}+${X}+${Y}" +repage "$work/a.png" 2>/dev/null || return 1
    sleep 0.3
    import -window root -crop "${W}x${H}+${X}+${Y}" +repage "$work/b.png" 2>/dev/null || return 1
    [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" == 0 ]
}
# run SCALE: starts the program at that scale, keeps its client area as client-SCALE.png, and stops it.
run()
{
    local scale=$1 app
    QT_SCALE_FACTOR=$scale "$work/app/dorvane" >"$work/out-$scale.log" 2>&1 &
    app=$!
    pids+=("$app")
    wait_for 20 find_window || { echo "      no window at scale $scale"; return 1; }
    wait_for 10 client_is $((794 * scale)) || note "client width at scale $scale: $W"
    # The pointer is placed on a button at the first activation; a hovered button draws a frame.
    xdotool mousemove 0 0
    wait_for 10 settled
    cp "$work/b.png" "$work/client-$scale.png"
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Dorvane' >/dev/null 2>&1"
}
client_is() { geometry && [ "$W" -eq "$1" ]; }

run 1 && check "at scale 1 the client area is 794 x 453" test "${W}x${H}" == 794x453
run 2 && check "at scale 2 the client area is 1588 x 906 device pixels" test "${W}x${H}" == 1588x906

# The glyphs' squares in client pixels: the toolbar panel at (-1, 428), its textured face 1 lower, the button 2
# lower; the button centres its 16 x 16 glyph.
detail()
{
    local file=$1 best=
    local w h ox oy d
    w=$(identify -format '%w' "$file")
    h=$(identify -format '%h' "$file")
    for ox in 0 1; do
        for oy in 0 1; do
            d=$(convert "$file" -colorspace gray -crop "$(((w - ox) / 2 * 2))x$(((h - oy) / 2 * 2))+$ox+$oy" +repage \
                \( +clone -scale 50% -scale 200% \) -compose difference -composite -format '%[fx:mean]' info:)
            if [ -z "$best" ] || awk -v a="$d" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$d; fi
        done
    done
    printf '%.4f' "$best"
}
# Edge sharpness of a crop: over the differences d between neighbouring pixels (grey, across and down),
# sum(d^2) / sum(|d|). A step of contrast c crossed in one pixel scores c; blurred over k pixels, c / k.
sharpness()
{
    local file=$1 roll num=0 den=0 a b
    for roll in +1+0 +0+1; do
        convert "$file" -colorspace gray \( +clone -roll "$roll" \) -compose difference -composite \
            -gravity southeast -crop "$(($(identify -format '%w' "$file") - 1))x$(($(identify -format '%h' "$file") - 1))+0+0" \
            +repage "$work/d.png"
        a=$(convert "$work/d.png" -format '%[fx:mean]' info:)
        b=$(convert "$work/d.png" -evaluate pow 2 -format '%[fx:mean]' info:)
        num=$(awk -v x="$num" -v y="$b" 'BEGIN { print x + y }')
        den=$(awk -v x="$den" -v y="$a" 'BEGIN { print x + y }')
    done
    awk -v n="$num" -v d="$den" 'BEGIN { printf "%.4f", (d > 0 ? n / d : 0) }'
}
# measure NAME LEFT WIDTH: the button at that left and width.
measure()
{
    local name=$1 left=$2 width=$3
    local x=$((-1 + left + (width - 16) / 2)) y=$((428 + 1 + 2 + (19 - 16) / 2))
    # The opaque middle of the glyph, 12 x 10 pixels from (2, 4) of its square, clear of its edges by a pixel.
    convert "$work/client-1.png" -crop "12x10+$((x + 2))+$((y + 4))" +repage "$work/$name-1.png"
    convert "$work/client-2.png" -crop "24x20+$((2 * x + 4))+$((2 * y + 8))" +repage "$work/$name-2.png"
    convert "$work/$name-1.png" -scale 200% "$work/$name-replicated.png"
    convert "$work/$name-1.png" -filter Triangle -resize 200% "$work/$name-bilinear.png"
    local d2 dr s2 sb
    d2=$(detail "$work/$name-2.png")
    dr=$(detail "$work/$name-replicated.png")
    s2=$(sharpness "$work/$name-2.png")
    sb=$(sharpness "$work/$name-bilinear.png")
    note "$name: edge sharpness at scale 2 $s2, scale 1 scaled up bilinear $sb (scale 1 itself $(sharpness "$work/$name-1.png"))"
    note "$name: device detail at scale 2 $d2, scale 1 scaled up by replication $dr"
    check "$name glyph at scale 2 has edges at least 1.5 times sharper than the scale-1 glyph scaled up" \
        awk -v a="$s2" -v b="$sb" 'BEGIN { exit !(a >= 1.5 * b) }'
    check "$name glyph at scale 2 has detail finer than a pixel (not a replicated bitmap)" \
        awk -v a="$d2" -v r="$dr" 'BEGIN { exit !(a >= 0.01 && a > r + 0.005) }'
}
if [ -f "$work/client-1.png" ] && [ -f "$work/client-2.png" ]; then
    measure year 412 25
    measure week 639 29
    if [ -n "$shots" ]; then
        mkdir -p "$shots" && cp "$work/client-2.png" "$shots/screenshot-scale2.png"
        convert "$work/client-2.png" -crop "1588x50+0+$((2 * 428 - 2))" +repage "$shots/toolbar-scale2.png"
        convert "$work/client-1.png" -crop "794x25+0+427" +repage -scale 200% "$shots/toolbar-scale1-replicated.png"
    fi
fi
finish
