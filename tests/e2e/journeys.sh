#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end journeys: drives the built program on a private X server (with a window manager and a
# notification-area host) the way a person would, and checks what they would see.
# Usage: tests/e2e/journeys.sh path/to/dorvane [folder for the README screenshots]
# Without a folder the screenshots are still taken and checked, then thrown away with the temporary folder.
set -uo pipefail

binary=${1:-}
shots=${2:-}

for tool in Xvfb openbox trayer faketime xdotool xprop xwininfo xdpyinfo xmessage import convert identify od md5sum xclip pdfinfo pdftotext pdftoppm; do
    command -v "$tool" >/dev/null || { echo "journeys: missing $tool (run scripts/install-deps.sh)"; exit 2; }
done
[ -n "$binary" ] && [ -x "$binary" ] || { echo "usage: $0 path/to/dorvane [screenshot folder]"; exit 2; }
binary=$(cd "$(dirname "$binary")" && pwd)/$(basename "$binary")
# The journeys' servers are on this machine: a proxy the session names is not for them.
unset https_proxy HTTPS_PROXY all_proxy ALL_PROXY

# shellcheck source=harness.sh
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh" journeys
[ -n "$shots" ] || shots=$work/shots
mkdir -p "$shots" || exit 2

# check NUMBER TEXT COMMAND...: one numbered line per condition.
check()
{
    local number=$1 text=$2 from=$SECONDS took
    shift 2
    if "$@"; then
        took=$((SECONDS - from))
        echo "ok    $number $text$( ((took < 2)) || echo " [${took} s]")"
        passed=$((passed + 1))
    else
        took=$((SECONDS - from))
        echo "FAIL  $number $text$( ((took < 2)) || echo " [${took} s]")"
        failed=$((failed + 1))
        if [ -n "${JOURNEYS_ARTIFACTS:-}" ] && mkdir -p "$JOURNEYS_ARTIFACTS"; then
            import -window root "$JOURNEYS_ARTIFACTS/fail-$number-$failed.png" && note "screen: $JOURNEYS_ARTIFACTS/fail-$number-$failed.png"
        fi
    fi
}
journey() { echo "== $1 (at $((SECONDS - started)) s)"; }

# ---- the desktop: X server, window manager, notification-area host

# shellcheck source=desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
start_desktop journeys || exit 1
tray_panel() { desktop_tray_panel; }

# ---- the program

app=
window=
X=0 Y=0 W=0 H=0
program_locale=
# A command the program is started through (journey 33's own view of the certificates); none when empty.
program_wrap=()
# start_program FOLDER: runs the copy in FOLDER (under LC_ALL=$program_locale when set); sets app and window (empty
# when no main window shows).
start_program()
{
    (cd "$1" && exec "${program_wrap[@]}" env ${program_locale:+LC_ALL=$program_locale} ./dorvane) >>"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
    main_window() { window=$(xdotool search --all --onlyvisible --pid "$app" --name '^Dorvane   Today:' 2>/dev/null | head -1); [ -n "$window" ]; }
    window=
    wait_for 30 main_window
}
# stop_program: ends the running copy by its process id.
stop_program()
{
    [ -n "$app" ] || return 0
    kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    app=
}
# program_folder NAME [prefs lines...]: a fresh folder with its own copy; no lines means no prefs.cal.
program_folder()
{
    local folder=$work/$1
    shift
    mkdir -p "$folder"
    cp "$binary" "$folder/dorvane"
    # The web calendars' fetch, a module the program loads from beside itself.
    if [ -e "$(dirname "$binary")/dorvane-webfetch.so" ]; then cp "$(dirname "$binary")/dorvane-webfetch.so" "$folder/"; fi
    if (($# > 0)); then printf '%s\r\n' "$@" >"$folder/prefs.cal"; fi
    echo "$folder"
}
# Refreshes the client area's origin and size (X, Y, W, H); openbox moves the client inside its frame.
geometry() { client_geometry "$window"; }
client_is() { geometry && [ "${W}x${H}" == "$1" ]; }
caption() { xprop -id "$window" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
# Without a window xwininfo would wait for a click on one.
visible() { [ -n "$window" ] && xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# click X Y: a left click at client coordinates of the main window.
click()
{
    geometry
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}
# Rests the pointer on the blue gap between the first two calendars, where nothing reacts to it.
rest_pointer()
{
    geometry
    xdotool mousemove $((X + 198)) $((Y + 60))
}
toolbar_top=428
# toolbar LEFT WIDTH: clicks the toolbar button at that left (the toolbar stands at left -1, its buttons 3 px lower).
toolbar() { click $((-1 + $1 + $2 / 2)) $((toolbar_top + 1 + 2 + 9)); }

# grab X Y W H: the raw RGB bytes of a client rectangle, as seen on the screen.
grab() { geometry && import -window root -crop "$3x$4+$((X + $1))+$((Y + $2))" -depth 8 rgb:-; }
region_hash() { grab "$@" | md5sum | cut -c1-32; }
first_title() { region_hash 40 7 112 16; }
# count_colour CLASS X Y W H: pixels of a client rectangle that are navy-like, maroon-like or face-coloured.
count_colour()
{
    local class=$1
    shift
    grab "$@" | od -An -tu1 -v -w3 | awk -v c="$class" '
        c == "navy" && $3 > 100 && $1 < 60 && $2 < 60 {n++}
        c == "maroon" && $1 > 100 && $2 < 60 && $3 < 60 {n++}
        c == "face" && $1 == 224 && $2 == 208 && $3 == 168 {n++}
        c == "selected" && $3 > 200 && $1 < 80 && $2 < 80 {n++}
        c == "green" && $2 > 120 && $1 < 60 && $3 < 130 && $3 > 40 {n++}
        END {print n + 0}'
}
# labels_are navy|maroon: sunrise Label3 at client (23, 434) and sunset Label4 at (79, 434), 28 by 13 each, show
# text of that colour and none of the other. One grab serves both, since a grab is the slow part of a poll.
labels_are()
{
    grab 23 434 84 13 | od -An -tu1 -v -w3 | awk -v want="$1" '
        { x = (NR - 1) % 84; label = x < 28 ? 1 : x >= 56 ? 2 : 0 }
        label && $3 > 100 && $1 < 60 && $2 < 60 { navy[label]++ }
        label && $1 > 100 && $2 < 60 && $3 < 60 { maroon[label]++ }
        END {
            for (i = 1; i <= 2; i++) {
                if (want == "navy" && (navy[i] < 10 || maroon[i] > 0)) exit 1
                if (want == "maroon" && (maroon[i] < 10 || navy[i] > 0)) exit 1
            }
        }'
}
labels_hash() { region_hash 23 434 84 13; }
year_panel_open() { (($(count_colour face 323 215 155 54) > 2000)); }
panel_closed() { ! year_panel_open; }
painted() { [ "$(count_colour navy 4 8 30 10)" -eq 300 ]; }

# Message boxes are titled "Dorvane" alone; the main window's caption is longer.
boxes() { xdotool search --onlyvisible --name '^Dorvane$' 2>/dev/null; }
box_count() { boxes | grep -c .; }
no_box() { [ "$(box_count)" -eq 0 ]; }
some_box() { [ "$(box_count)" -ge 1 ]; }
stays_without_box() { ! wait_for "$1" some_box; }
# The box must have the focus before Return, or the key would reach the main window.
close_box()
{
    local box
    box=$(boxes | head -1)
    [ -n "$box" ] || return 1
    xdotool windowactivate --sync "$box" >/dev/null 2>&1
    xdotool key --clearmodifiers Return
    wait_for 10 no_box
}
# expect_one_box NUMBER TEXT: exactly one box shows, it closes with Return, and no other box follows it.
expect_one_box()
{
    local n=$1 text=$2
    check "$n" "$text: a box appears" wait_for 10 some_box
    sleep 1 # a second box would follow the first at once; give it the chance to show
    check "$n" "$text: exactly one box" test "$(box_count)" -eq 1
    check "$n" "$text: the box closes with Return" close_box
    # Closing a box activates the main window again, which must not bring the box back.
    check "$n" "$text: no further box within 5 s" stays_without_box 5
    no_box || close_box
}

# ---- dates as the program writes them

today_head() { echo "Dorvane   Today:  $(date '+(%-m) %b %d, %Y')"; }
# julian YEAR MONTH DAY: "yy.ddd"; the program counts February by the two-digit year alone.
julian()
{
    local yy=$(($1 % 100)) m=$((10#$2)) d=$((10#$3)) days=0 i
    local lengths=(31 28 31 30 31 30 31 31 30 31 30 31)
    ((yy % 4 == 0)) && lengths[1]=29
    for ((i = 0; i < m - 1; i++)); do days=$((days + lengths[i])); done
    printf '%02d.%03d' "$yy" $((days + d))
}
epoch_day() { echo $(($(date -u -d "$1" +%s) / 86400)); }
# Weeks run Sunday to Saturday and belong to the year of their Thursday; the index counts 52 per year.
week_index()
{
    local dow thursday
    dow=$(date -d "$1" +%w)
    thursday=$(date -d "$1 $((4 - dow)) days" +%F)
    echo $((52 * $(date -d "$thursday" +%Y) + ($(date -d "$thursday" +%-j) - 1) / 7 + 1))
}
# span_figures DATE1 DATE2 (YYYY-MM-DD): "Dy = n  Wk = n  Mo = n" as the caption shows them.
span_figures()
{
    local a=$1 b=$2 days weeks
    days=$(($(epoch_day "$b") - $(epoch_day "$a")))
    ((days < 0)) && days=$((-days))
    weeks=$(($(week_index "$a") - $(week_index "$b")))
    ((weeks < 0)) && weeks=$((-weeks))
    [[ $a > $b ]] && { local t=$a; a=$b; b=$t; }
    local y1=$((10#${a:0:4})) m1=$((10#${a:5:2})) d1=$((10#${a:8:2}))
    local y2=$((10#${b:0:4})) m2=$((10#${b:5:2})) d2=$((10#${b:8:2}))
    local months=$((12 * (y2 - y1) + m2 - m1 + 1))
    ((d2 < d1)) && months=$((months - 1))
    echo "Dy = $((days + 1))  Wk = $((weeks + 1))  Mo = $months"
}
dotted() { date -d "$1" '+%-m.%-d.%Y'; }
# A clicked day must not be today: a day on today's date may send the grid back to the first of its month.
not_today() { [ "$1" == "$(date +%F)" ] && date -d "$1 -1 day" +%F || echo "$1"; }

# day_cell N DATE: client coordinates of DATE's cell in calendar N (a calendar showing DATE's month), in weeks that
# start on week_start (0 Sunday, 1 Monday).
# Cells are 28 wide from 1 px in, 16 high from 43 px down; the week of the 1st is found from the highlight of
# the selected 1st (the control puts a whole week of the month before first when the month starts on the week's
# first day).
week_start=0
day_cell()
{
    local n=$1 date=$2 left top first row0 index
    left=$(((n - 1) % 4 * 199))
    top=$(((n - 1) / 4 * 143))
    first=$((($(date -d "${date:0:8}01" +%w) - week_start + 7) % 7))
    if (($(count_colour selected $((left + 1 + 28 * first + 3)) $((top + 43 + 3)) 4 4) == 16)); then
        row0=0
    elif (($(count_colour selected $((left + 1 + 28 * first + 3)) $((top + 59 + 3)) 4 4) == 16)); then
        row0=1
    else
        row0=$((first == 0 ? 1 : 0))
    fi
    index=$((first + 10#${date:8:2} - 1))
    echo "$((left + 1 + 28 * (index % 7) + 14)) $((top + 43 + 16 * (row0 + index / 7) + 8))"
}
click_day()
{
    local cell
    cell=$(day_cell "$1" "$2")
    click ${cell% *} ${cell#* }
    rest_pointer
}
caption_is() { [ "$(caption)" == "$(today_head)$1" ]; }
caption_has() { [[ $(caption) == *"$1"* ]]; }
show_caption() { note "caption: $(caption)"; }

# screenshot NAME: the window with its frame, as the window manager draws it.
screenshot()
{
    local target=$1 id=$2 info x y w h extents l r t b
    info=$(xwininfo -id "$id") || return 1
    x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    w=$(awk '/Width:/ {print $2}' <<<"$info")
    h=$(awk '/Height:/ {print $2}' <<<"$info")
    extents=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
    import -window root -crop "$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))" +repage "$target" &&
        echo "$((w + l + r))x$((h + t + b))"
}
# Waits until the screen stops changing, so a screenshot shows finished paint.
settled()
{
    local a b
    a=$(import -window root -depth 8 rgb:- | md5sum)
    sleep 0.2
    b=$(import -window root -depth 8 rgb:- | md5sum)
    [ "$a" == "$b" ]
}
sanitizer_quiet() { ! grep -qE 'runtime error:|ERROR: AddressSanitizer' "$work/app.log"; }

year=$(date +%Y)
full_size="" compact_size="" dialog_size=""
main=$(program_folder main 00 $'W\xb097.45' $'N\xb030.15' -6)
cp "$main/prefs.cal" "$work/prefs.before"

# ---- 1. The window appears centred with today's caption
journey "1 The window appears centred with today's caption"
head_before=$(today_head)
start_program "$main"
head_after=$(today_head)
check 1 "the main window appears" test -n "$window"
[ -n "$window" ] || finish
wait_for 10 painted
geometry
first_seen="$X,$Y"
check 1 "client area is 794x453" test "${W}x${H}" == 794x453
# The frame's extents are known only once the window manager has framed the window.
centred()
{
    local extents fl fr ft fb dx dy
    geometry || return 1
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r fl fr ft fb <<<"${extents:-0,0,0,0}"
    dx=$((X - fl + (W + fl + fr) / 2 - 640)) dy=$((Y - ft + (H + ft + fb) / 2 - 512))
    ((dx * dx <= 16 && dy * dy <= 16))
}
check 1 "the frame is centred on the 1280x1024 screen" wait_for 5 centred
note "client at $X,$Y (first seen at $first_seen)"
full_x=$X full_y=$Y
show_caption
expected_tail="   Julian: $(date +%y.%j)"
check 1 "the caption names today and its Julian number" \
    bash -c '[[ $0 == "$1$3" || $0 == "$2$3" ]]' "$(caption)" "$head_before" "$head_after" "$expected_tail"
check 1 "the sunrise and sunset times are navy" wait_for 10 labels_are navy

# ---- 2. A day click shows that day's figures and maroon times, then today's in navy
journey "2 A day click shows that day's figures and maroon times, then today's in navy"
day1=$(not_today "$year-03-15")
click_day 3 "$day1"
clicked=$SECONDS
check 2 "a click on $day1 shows its Julian number and starts a span" \
    wait_for 5 caption_is "   Julian: $(julian ${day1//-/ })     $(dotted "$day1") > "
show_caption
check 2 "the sunrise and sunset times turn maroon" wait_for 2 labels_are maroon
check 2 "they turn navy again" wait_for 10 labels_are navy
note "navy again after about $((SECONDS - clicked)) s"

# ---- 3. Two clicks give the span
journey "3 Two clicks give the span"
day2=$(not_today "$year-10-20")
click_day 10 "$day2"
check 3 "a second click on $day2 reports the span from $day1" \
    wait_for 5 caption_is "   Julian: $(julian ${day2//-/ })     $(dotted "$day1") > $(dotted "$day2")   $(span_figures "$day1" "$day2")"
show_caption
day3=$(not_today "$year-11-28")
day4=$(not_today "$year-02-03")
click_day 11 "$day3"
check 3 "a third click on $day3 starts a new span" \
    wait_for 5 caption_is "   Julian: $(julian ${day3//-/ })     $(dotted "$day3") > "
click_day 2 "$day4"
check 3 "an earlier day clicked second ($day4) keeps the click order and the same figures" \
    wait_for 5 caption_is "   Julian: $(julian ${day4//-/ })     $(dotted "$day3") > $(dotted "$day4")   $(span_figures "$day3" "$day4")"
show_caption

# ---- 4. The triangles change the year; the year button brings it back
journey "4 The triangles change the year; the year button brings it back"
span_caption=$(caption)
title0=$(first_title)
title_differs() { [ "$(first_title)" != "$1" ]; }
title_equals() { [ "$(first_title)" == "$1" ]; }
toolbar 344 25
check 4 "next changes the first month title" wait_for 5 title_differs "$title0"
title_next=$(first_title)
toolbar 236 25
check 4 "previous brings the first title back" wait_for 5 title_equals "$title0"
toolbar 236 25
wait_for 5 title_differs "$title0"
check 4 "previous again shows a third year" bash -c '[ "$0" != "$1" ] && [ "$0" != "$2" ]' \
    "$(first_title)" "$title0" "$title_next"
toolbar 265 75
check 4 "the year button brings back today's year" wait_for 5 title_equals "$title0"
check 4 "the caption is unchanged by the navigation" test "$(caption)" == "$span_caption"

# ---- 5. The compact view and its sizes
journey "5 The compact view and its sizes"
toolbar 378 32
check 5 "the view toggle gives the two-month compact view (396x167)" wait_for 5 client_is 396x167
toolbar_top=142
toolbar 207 21
check 5 "the compact-size button gives three months (594x166)" wait_for 5 client_is 594x166
toolbar 304 21
check 5 "then one month (197x166)" wait_for 5 client_is 197x166
toolbar 165 21
check 5 "then two months again (396x167)" wait_for 5 client_is 396x167
toolbar 173 32
check 5 "the view toggle returns to the full view (794x453)" wait_for 5 client_is 794x453
toolbar_top=428
back_in_place() { geometry && [ "$X,$Y" == "$full_x,$full_y" ]; }
check 5 "at the window's first position" wait_for 5 back_in_place
wait_for 5 painted

# ---- 6. The year entry
journey "6 The year entry"
field() { click $((323 + 28 + 60)) $((215 + 7 + 10)); }
title0=$(first_title)
caption0=$(caption)
toolbar 412 25
check 6 "Yr opens the year-entry panel" wait_for 5 year_panel_open
field
xdotool type --delay 30 1999
xdotool key Return
check 6 "1999 and Return change the first month title" wait_for 5 title_differs "$title0"
check 6 "and close the panel" wait_for 5 panel_closed
check 6 "the caption stays" test "$(caption)" == "$caption0"
day5=1999-06-10
click_day 6 "$day5"
check 6 "a day of the grid is a day of 1999 (Julian $(julian 1999 06 10))" \
    wait_for 5 caption_has "   Julian: $(julian 1999 06 10)     "
show_caption
toolbar 412 25
wait_for 5 year_panel_open
field
xdotool type --delay 30 1500
xdotool key Return
expect_one_box 6 "1500 is refused"
check 6 "the panel stays open after the refusal" year_panel_open
field
xdotool type --delay 30 0
xdotool key Return
check 6 "0 and Return close the panel" wait_for 5 panel_closed
day6=$(not_today "$year-07-09")
click_day 7 "$day6"
check 6 "a later click still changes the caption" \
    wait_for 5 caption_has "   Julian: $(julian ${day6//-/ })     "
check 6 "and completes the span begun in 1999" wait_for 5 caption_has " > $(dotted "$day6")   Dy = "
show_caption

# ---- 7. Parameters, military time, Save
journey "7 Parameters, military time, Save"
wait_for 10 labels_are navy
labels0=$(labels_hash)
dialog=
dialog_shown() { dialog=$(xdotool search --onlyvisible --name '^Parameters$' 2>/dev/null | head -1); [ -n "$dialog" ]; }
dialog_gone() { ! dialog_shown; }
toolbar 670 29
check 7 "the wrench opens the Parameters dialog" wait_for 5 dialog_shown
if [ -n "$dialog" ]; then
    info=$(xwininfo -id "$dialog")
    dx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    dy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    # 204x164, the readings' column to the right, the time-zone and city rows and the zone's city below Save, the
    # week rules, the desktop's autostart and the holidays' row at the bottom.
    check 7 "its client area is 429x356" test "$(awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}' <<<"$info")" == 429x356
    xdotool mousemove $((dx + 15)) $((dy + 115)) click 1
    xdotool mousemove $((dx + 101)) $((dy + 149)) click 1
    check 7 "ticking military time and saving asks nothing: no box" stays_without_box 3
    check 7 "the dialog closes" wait_for 5 dialog_gone
fi
first_line() { head -c 1 "$main/prefs.cal"; }
check 7 "prefs.cal now starts with 1" test "$(first_line)" == 1
check 7 "prefs.cal keeps the position and offset" \
    cmp -s <(tail -c +3 "$work/prefs.before") <(tail -c +3 "$main/prefs.cal")
# The activation after the dialog reports today again: maroon for a while, then navy with the new texts.
new_navy_labels() { labels_are navy && [ "$(labels_hash)" != "$labels0" ]; }
check 7 "the sunrise and sunset times change to their 24-hour texts" wait_for 10 new_navy_labels

# ---- 8. Tray and back
journey "8 Tray and back"
toolbar 732 29
hidden() { ! visible; }
check 8 "Tray hides the window" wait_for 5 hidden
icon=
panel=$(tray_panel)
[ -n "$panel" ] && icon=$(xwininfo -tree -id "$panel" | awk '/\("dorvane" "dorvane"\)/ {print $(NF - 1), $NF; exit}')
check 8 "the icon is docked in the notification area" test -n "$icon"
if [ -n "$icon" ]; then
    size=${icon%% *} size=${size%%+*}
    at=${icon#* }
    ix=$(sed 's/^+\([0-9-]*\)+\([0-9-]*\)$/\1/' <<<"$at")
    iy=$(sed 's/^+\([0-9-]*\)+\([0-9-]*\)$/\2/' <<<"$at")
    xdotool mousemove $((ix + ${size%x*} / 2)) $((iy + ${size#*x} / 2)) click 1
fi
check 8 "a click on the icon shows the window again" wait_for 5 visible
check 8 "with its full client area" wait_for 5 client_is 794x453
toolbar 446 48
ended() { ! kill -0 "$app" 2>/dev/null; }
check 8 "the close button ends the program" wait_for 10 ended
status=1
ended && { wait "$app"; status=$?; }
check 8 "the program exits with status 0" test "$status" -eq 0
app=

# one_box_then_responsive NUMBER LABEL [BOX]: one box shows and closes, then next still changes the year.
one_box_then_responsive()
{
    local title0
    expect_one_box "$1" "$2${3:+ $3}"
    title0=$(first_title)
    toolbar 344 25
    check "$1" "$2: the program still responds (next changes the year)" wait_for 5 title_differs "$title0"
    some_box && note "a box showed after next; closed" && close_box
}
# ---- 9. A polar position and a prefs.cal that cannot be opened
journey "9 A polar position and a prefs.cal that cannot be opened"
# At 89.99 degrees the sun stays up or down all day on any date, or at most rises or sets once.
polar=$(program_folder polar 00 $'W\xb097.45' $'N\xb089.99' -6)
start_program "$polar"
check 9 "polar position: the main window appears" test -n "$window"
if [ -n "$window" ]; then
    one_box_then_responsive 9 "polar position"
fi
stop_program
# A first start writes its own file, so the file that cannot be opened is a folder of that name.
missing=$(program_folder missing)
mkdir "$missing/prefs.cal"
start_program "$missing"
check 9 "unreadable prefs.cal: the main window appears" test -n "$window"
[ -n "$window" ] && expect_one_box 9 "unreadable prefs.cal (Cannot open file)"
check 9 "unreadable prefs.cal: the program is still running" kill -0 "$app"
stop_program

# ---- 10. Screenshots for the README
journey "10 Screenshots for the README"
# A fresh start, so the captions and grids are the ones a new user sees.
png_size() { [ "$(identify -format '%wx%h' "$1" 2>/dev/null)" == "$2" ]; }
toolbar_top=428
fresh=$(program_folder fresh 00 $'W\xb097.45' $'N\xb030.15' -6)
start_program "$fresh"
if [ -n "$window" ]; then
    wait_for 5 centred
    wait_for 10 painted
    wait_for 10 labels_are navy
    xdotool mousemove 5 1000
    wait_for 5 settled
    full_size=$(screenshot "$shots/screenshot-full.png" "$window")
    toolbar 378 32
    wait_for 5 client_is 396x167
    toolbar_top=142
    wait_for 10 painted
    xdotool mousemove 5 1000
    wait_for 5 settled
    compact_size=$(screenshot "$shots/screenshot-compact.png" "$window")
    toolbar 173 32
    wait_for 5 client_is 794x453
    toolbar_top=428
    toolbar 670 29
    if wait_for 5 dialog_shown; then
        xdotool mousemove 5 1000
        wait_for 5 settled
        dialog_size=$(screenshot "$shots/screenshot-parameters.png" "$dialog")
        # Escape leaves the dialog without writing the file.
        xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
        xdotool key Escape
        wait_for 5 dialog_gone
    fi
fi
stop_program
check 10 "full view screenshot ($full_size with the frame)" png_size "$shots/screenshot-full.png" "$full_size"
check 10 "compact view screenshot ($compact_size)" png_size "$shots/screenshot-compact.png" "$compact_size"
check 10 "Parameters dialog screenshot ($dialog_size)" png_size "$shots/screenshot-parameters.png" "$dialog_size"
check 10 "no sanitizer reports" sanitizer_quiet
# ---- 11. Grey days of the neighbouring months; a FIFO and a huge prefs.cal
# count_shade navy|grey X Y W H: pixels of a client rectangle drawn navy or in a neutral grey.
count_shade()
{
    local shade=$1
    shift
    grab "$@" | od -An -tu1 -v -w3 | awk -v s="$shade" '
        s == "navy" && $3 > 100 && $1 < 60 && $2 < 60 {n++}
        s == "grey" && $1 > 60 && $1 < 200 && ($1 - $2) ^ 2 < 400 && ($2 - $3) ^ 2 < 400 {n++}
        END {print n + 0}'
}
# shade_at SHADE X Y: the count of SHADE in the 20 by 12 pixels around a cell's centre.
shade_at() { count_shade "$1" $(($2 - 10)) $(($3 - 6)) 20 12; }
journey_neighbouring_days_and_hostile_prefs()
{
    journey "11 Grey days of the neighbouring months; a FIFO and a huge prefs.cal"
    local folder cell x y own dec31 feb1 jan31 title0 before rss taken i
    folder=$(program_folder grey 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_program "$folder"
    check 11 "grey days: the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        wait_for 10 painted
        rest_pointer
        wait_for 5 settled
        # The January calendar: 31 December stands left of the 1st (or a row above it when the 1st is a Sunday),
        # 1 February right of the 31st (or a row below it when the 31st is a Saturday).
        cell=$(day_cell 1 "$year-01-01")
        x=${cell% *} y=${cell#* }
        if ((x - 28 > 0)); then dec31="$((x - 28)) $y"; else dec31="$((x + 6 * 28)) $((y - 16))"; fi
        jan31=$(day_cell 1 "$year-01-31")
        x=${jan31% *} y=${jan31#* }
        if ((x + 28 < 199)); then feb1="$((x + 28)) $y"; else feb1="$((x - 6 * 28)) $((y + 16))"; fi
        own=$(day_cell 1 "$(not_today "$year-01-14")")
        note "cells: 31 Dec at $dec31, 1 Feb at $feb1, a January day at $own"
        check 11 "a day of January is navy" test "$(shade_at navy $own)" -gt 5
        check 11 "31 December in the January calendar is grey, not navy" \
            test "$(shade_at navy $dec31)" -eq 0 -a "$(shade_at grey $dec31)" -gt 5
        check 11 "1 February in the January calendar is grey, not navy" \
            test "$(shade_at navy $feb1)" -eq 0 -a "$(shade_at grey $feb1)" -gt 5
    fi
    stop_program

    folder=$(program_folder fifo)
    mkfifo "$folder/prefs.cal"
    start_program "$folder"
    check 11 "FIFO prefs.cal: the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        one_box_then_responsive 11 "FIFO prefs.cal" "(Cannot open file)"
    fi
    stop_program

    # Five lines, the zone the last one read, then the junk.
    folder=$(program_folder huge 00 $'W\xb097.45' $'N\xb030.15' -6 America/Chicago)
    yes 'x' | head -c $((50 * 1024 * 1024)) >>"$folder/prefs.cal"
    before=$(stat -c '%s %Y' "$folder/prefs.cal")$(md5sum <"$folder/prefs.cal")
    start_program "$folder"
    check 11 "huge prefs.cal: the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        wait_for 10 painted
        check 11 "huge prefs.cal: no box" stays_without_box 2
        taken=$(now_us)
        for i in 1 2 3 4 5; do
            title0=$(first_title)
            toolbar 344 25
            wait_for 10 title_differs "$title0" || break
        done
        note "five activations (next year) took $((($(now_us) - taken) / 1000)) ms"
        check 11 "huge prefs.cal: five next presses each change the year" test "$i" -eq 5
        rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$app/status")
        note "resident memory ${rss} kB"
        check 11 "huge prefs.cal: resident memory stays under 200 MB" test "${rss:-999999}" -lt 204800
    fi
    stop_program
    check 11 "huge prefs.cal: the file is not rewritten" \
        test "$(stat -c '%s %Y' "$folder/prefs.cal")$(md5sum <"$folder/prefs.cal")" == "$before"
}
journey_neighbouring_days_and_hostile_prefs

# ---- 12. Weeks as the user's locale has them
# first_sunday YEAR-MM: the date of the month's first Sunday.
first_sunday() { date -d "$1-01 +$(((7 - $(date -d "$1-01" +%w)) % 7)) days" +%F; }
# dotted_in LOCALE DATE: the span's date as that locale's reader reads it, day first under German.
dotted_in() { [ "$1" == de_DE ] && date -d "$2" '+%-d.%-m.%Y' || dotted "$2"; }
locale_quiet() { ! grep -qiE 'locale|codec' "$work/app.log"; }
journey_locales()
{
    journey "12 Weeks start on Monday under de_DE and on Sunday under en_US; clicks still report their day"
    local locale name start folder day sunday
    for locale in de_DE.UTF-8 en_US.UTF-8; do
        name=${locale%%.*}
        [ "$name" == de_DE ] && start=1 || start=0
        folder=$(program_folder "locale-$name" 00 $'W\xb097.45' $'N\xb030.15' -6)
        program_locale=$locale
        start_program "$folder"
        program_locale=
        check 12 "$name: the main window appears" test -n "$window"
        if [ -n "$window" ]; then
            wait_for 5 centred
            wait_for 10 painted
            wait_for 10 labels_are navy
            xdotool mousemove 5 1000
            wait_for 5 settled
            check 12 "$name: screenshot $(screenshot "$shots/screenshot-$name.png" "$window")" \
                test -s "$shots/screenshot-$name.png"
            # A cell found in weeks from the wrong day would hold the day before or after.
            week_start=$start
            day=$(not_today "$year-03-15")
            click_day 3 "$day"
            check 12 "$name: $day clicked where weeks from $( ((start)) && echo Monday || echo Sunday) put it" \
                wait_for 5 caption_has "   Julian: $(julian ${day//-/ })     $(dotted_in "$name" "$day") > "
            sunday=$(not_today "$(first_sunday "$year-03")")
            click_day 3 "$sunday"
            check 12 "$name: the first Sunday of March ($sunday) too" \
                wait_for 5 caption_has "   Julian: $(julian ${sunday//-/ })     "
            show_caption
            week_start=0
        fi
        stop_program
    done
    check 12 "no locale warnings on standard error" locale_quiet
}
journey_locales

# ---- 13. Coming back from another application keeps what the window shows
# other_client: a second X client (xmessage) that takes the focus away from the program.
other=
other_client()
{
    local found
    xmessage -geometry +20+60 "another application" >>"$work/xmessage.log" 2>&1 &
    pids+=($!)
    # xmessage sets no process id on its window; its class names it.
    found() { other=$(xdotool search --onlyvisible --class '^Xmessage$' 2>/dev/null | head -1); [ -n "$other" ]; }
    wait_for 10 found
}
focus_on() { [ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]; }
focus_elsewhere() { xdotool windowactivate --sync "$other" >/dev/null 2>&1; wait_for 5 focus_on "$other"; }
main_focused() { geometry && focus_on "$window"; }
# Clicks the middle of the main window's title bar, as drawn by the window manager.
click_title_bar()
{
    local extents t
    geometry
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r _ _ t _ <<<"${extents:-0,0,0,0}"
    xdotool mousemove $((X + W / 2)) $((Y - (t > 0 ? t / 2 : 10))) click 1
    rest_pointer
}
journey_back_from_another_application()
{
    journey "13 Coming back from another application keeps what the window shows"
    local folder grid0 titles0 title0 today_title shown day later
    folder=$(program_folder back 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_program "$folder"
    check 13 "the main window appears" test -n "$window"
    other_client
    check 13 "a second X client (xmessage) is running" test -n "$other"
    # The title bar: the window asks for the close button alone (Motif functions without minimise 0x8 and maximise
    # 0x10), and the window manager offers no maximising. Openbox still draws the two buttons, inert for maximise.
    motif_functions() { xprop -id "$window" _MOTIF_WM_HINTS | sed -n 's/.* = [^,]*, \([^,]*\),.*/\1/p'; }
    asks_close_only() { local f=$(($(motif_functions))); ((f & 0x20 && !(f & 0x18))); }
    [ -n "$window" ] && check 13 "the window asks for the close button only (Motif hints)" asks_close_only
    [ -n "$window" ] && check 13 "the window manager allows no maximising" \
        bash -c '! xprop -id "$0" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE' "$window"
    if [ -n "$window" ] && [ -n "$other" ]; then
        toolbar_top=428
        wait_for 10 painted
        today_title=$(first_title)
        later=$((year + 2))
        for _ in 1 2; do
            title0=$(first_title)
            toolbar 344 25
            wait_for 5 title_differs "$title0"
        done
        rest_pointer
        wait_for 5 settled
        grid0=$(region_hash 0 0 794 424)
        titles0=$(region_hash 0 4 794 23)$(region_hash 0 147 794 23)$(region_hash 0 290 794 23)
        check 13 "the second client takes the focus" focus_elsewhere
        click_title_bar
        check 13 "a click on the title bar gives the focus back" wait_for 5 main_focused
        wait_for 5 settled
        check 13 "the grid still shows $later, pixel for pixel" test "$(region_hash 0 0 794 424)" == "$grid0"
        check 13 "the second client takes the focus again" focus_elsewhere
        day=$later-03-15
        click_day 3 "$day"
        check 13 "a click on 15 March $later brings the window back and reports that day" \
            wait_for 5 caption_has "   Julian: $(julian ${day//-/ })     $(dotted "$day") > "
        show_caption
        wait_for 5 settled
        check 13 "the month titles still show $later" \
            test "$(region_hash 0 4 794 23)$(region_hash 0 147 794 23)$(region_hash 0 290 794 23)" == "$titles0"

        # The compact view: two months moved on, another client, then the title bar.
        toolbar 378 32
        wait_for 5 client_is 396x167
        toolbar_top=142
        for _ in 1 2; do
            title0=$(first_title)
            toolbar 141 25
            wait_for 5 title_differs "$title0"
        done
        rest_pointer
        wait_for 5 settled
        shown=$(region_hash 0 0 396 167)
        check 13 "compact view: the second client takes the focus" focus_elsewhere
        click_title_bar
        check 13 "compact view: the title bar gives the focus back" wait_for 5 main_focused
        wait_for 5 settled
        check 13 "compact view: the months and the year button are unchanged" \
            test "$(region_hash 0 0 396 167)" == "$shown"
        toolbar 173 32
        wait_for 5 client_is 794x453
        toolbar_top=428

        # A box of the program's own: the pointer lands on its OK button, and closing it brings back today's year.
        toolbar 344 25
        wait_for 5 title_differs "$today_title"
        toolbar 412 25
        wait_for 5 year_panel_open
        field
        xdotool type --delay 30 1500
        xdotool key Return
        check 13 "1500 is refused with a box" wait_for 10 some_box
        pointer_on_ok() {
            local box info bx by bw bh px py
            box=$(boxes | head -1)
            [ -n "$box" ] || return 1
            info=$(xwininfo -id "$box") || return 1
            bx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
            by=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
            bw=$(awk '/Width:/ {print $2}' <<<"$info")
            bh=$(awk '/Height:/ {print $2}' <<<"$info")
            eval "$(xdotool getmouselocation --shell)"
            px=$X py=$Y
            geometry # X and Y are the window's again
            # The OK button sits in the bottom right quarter of the box.
            ((px > bx + bw / 2 && px < bx + bw && py > by + bh / 2 && py < by + bh))
        }
        check 13 "the pointer is on the box's OK button (its bottom right quarter)" wait_for 5 pointer_on_ok
        check 13 "the box closes with Return" close_box
        check 13 "closing it brings back the grid of $year" wait_for 5 title_equals "$today_title"
        check 13 "the year-entry panel stays open for another try" year_panel_open
    fi
    stop_program
}
journey_back_from_another_application

# ---- 14. The Parameters dialog from the keyboard; a saved position in use at once, without a box
journey_parameters_keyboard()
{
    journey "14 Parameters dialog: Ctrl+, Tab, typing and Enter save; Escape closes without saving; no box after Save"
    local folder box_pid
    folder=$(program_folder keys 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_program "$folder"
    check 14 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    wait_for 10 painted
    params=
    params_shown() { params=$(xdotool search --all --onlyvisible --pid "$app" --name '^Parameters$' 2>/dev/null | head -1); [ -n "$params" ]; }
    params_gone() { ! params_shown; }
    params_focused() { params_shown && focus_on "$params"; }
    saved_as() { cmp -s "$folder/prefs.cal" <(printf '%s\r\n' "$@"); }
    keys() { xdotool key --clearmodifiers --delay 60 "$@"; }
    typed() { xdotool type --delay 40 "$1"; }

    # Ctrl+, opens it with the focus on Save; five Tabs reach the latitude (the time-zone and week rows and the
    # desktop's start lie below Save).
    main_active() { xdotool windowactivate --sync "$window" >/dev/null 2>&1; wait_for 2 main_focused; }
    wait_for 10 main_active
    keys ctrl+comma
    check 14 "Ctrl+, opens the Parameters dialog" wait_for 5 params_focused
    # The degree sign stays: only the number is typed over.
    keys Tab Tab Tab Tab Tab End BackSpace BackSpace BackSpace BackSpace BackSpace
    typed 45.5
    keys Return
    check 14 "a latitude typed and Enter pressed: saved without a box" stays_without_box 3
    check 14 "the dialog closes" wait_for 5 params_gone
    check 14 "prefs.cal holds the new latitude, every other line as before" \
        wait_for 5 saved_as 00 $'W\xb097.45' $'N\xb045.5' -6

    # Tab on from the latitude: longitude, then the boxes; Space ticks Hints, Escape closes without saving.
    wait_for 10 main_active
    keys ctrl+comma
    check 14 "Ctrl+, opens it again" wait_for 5 params_focused
    keys Tab Tab Tab Tab Tab Tab End BackSpace BackSpace BackSpace BackSpace BackSpace
    typed 10
    keys Tab Tab Tab space Escape
    check 14 "Escape closes the dialog" wait_for 5 params_gone
    check 14 "closing with Escape asks nothing" stays_without_box 3
    check 14 "and saves nothing" saved_as 00 $'W\xb097.45' $'N\xb045.5' -6

    # Opened from the toolbar, the position changed with the mouse: Save closes the dialog and no box follows.
    toolbar 670 29
    check 14 "the wrench opens the dialog" wait_for 5 params_shown
    if [ -n "$params" ]; then
        local info px py
        info=$(xwininfo -id "$params")
        px=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
        py=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
        xdotool mousemove $((px + 120)) $((py + 23)) click 1
        keys End BackSpace BackSpace BackSpace BackSpace
        typed 30.15
        xdotool mousemove $((px + 101)) $((py + 149)) click 1
        check 14 "a position changed in the dialog opened from the toolbar: the dialog closes" wait_for 5 params_gone
        check 14 "and no box follows" stays_without_box 3
    fi
    # Opening reads the file again (the longitude typed before Escape is gone), but reading never unticks a box:
    # Hints, ticked before Escape, is still ticked, and Save saves what the dialog shows.
    check 14 "prefs.cal is back to the first latitude, with Hints as the dialog showed it" \
        wait_for 5 saved_as 01 $'W\xb097.45' $'N\xb030.15' -6

    # The time-zone row: typing "sydn" opens the list of matching zones. Enter closes that list choosing nothing,
    # and the next Enter saves, keeping line 4 and saying nothing; picked from the list with Down and Enter, the
    # zone is chosen and the dialog stays open for the next Enter.
    wait_for 10 main_active
    keys ctrl+comma
    check 14 "Ctrl+, opens it for the time zone" wait_for 5 params_focused
    keys Tab
    typed sydn
    sleep 0.5 # the list of matching zones opens
    keys Return
    check 14 "sydn typed, then Enter: the list closes, the dialog stays" stays_without_box 1
    check 14 "the dialog still open after the first Enter" params_shown
    keys Return
    check 14 "the second Enter saves and closes the dialog" wait_for 5 params_gone
    check 14 "with no box" stays_without_box 3
    check 14 "and the offset and the four lines kept" saved_as 01 $'W\xb097.45' $'N\xb030.15' -6
    wait_for 10 main_active
    keys ctrl+comma
    wait_for 5 params_focused
    keys Tab
    typed sydn
    sleep 0.5 # the list of matching zones opens
    keys Down Return
    check 14 "sydn, Down and Enter pick a zone and leave the dialog open" stays_without_box 2
    check 14 "the dialog still open" params_shown
    keys Return
    check 14 "Enter then saves the zone and closes the dialog" wait_for 5 params_gone
    check 14 "with no box" stays_without_box 3
    check 14 "prefs.cal holds Australia/Sydney with its standard offset, the position kept" \
        wait_for 5 saved_as 01 $'W\xb097.45' $'N\xb030.15' 10 Australia/Sydney
    stop_program
}
journey_parameters_keyboard

# ---- 15-18. The tray, a second start, midnight
# tray_icon: the program's icon in the notification area as "WxH X Y" (screen coordinates), empty when not docked.
tray_icon()
{
    local panel line size at
    panel=$(tray_panel)
    [ -n "$panel" ] || return 1
    line=$(xwininfo -tree -id "$panel" 2>/dev/null | awk '/\("dorvane" "dorvane"\)/ {print $(NF - 1), $NF; exit}')
    [ -n "$line" ] || return 1
    size=${line%% *} size=${size%%+*}
    at=${line#* }
    echo "$size $(sed 's/^+\([0-9-]*\)+\([0-9-]*\)$/\1 \2/' <<<"$at")"
}
icon_docked() { [ -n "$(tray_icon)" ]; }
icon_count()
{
    local panel
    panel=$(tray_panel)
    [ -n "$panel" ] || { echo 0; return; }
    xwininfo -tree -id "$panel" 2>/dev/null | grep -c '("dorvane" "dorvane")'
}
# click_icon [BUTTON]: a click on the middle of the program's tray icon.
click_icon()
{
    local icon w h x y
    icon=$(tray_icon) || return 1
    read -r wh x y <<<"$icon"
    w=${wh%x*} h=${wh#*x}
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "${1:-1}"
}
start_tray()
{
    trayer --edge top --align right --widthtype pixel --width 100 --height 24 >>"$work/trayer.log" 2>&1 &
    pids+=($!)
    wait_for 20 desktop_tray_ready
}
# stop_tray: ends the notification-area host by the process id its panel names.
stop_tray()
{
    local panel pid
    panel=$(tray_panel)
    [ -n "$panel" ] || return 0
    pid=$(xprop -id "$panel" _NET_WM_PID 2>/dev/null | sed -n 's/.* = //p')
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    wait_for 10 bash -c '! xwininfo -root -tree | grep -q "\"panel\": (\"panel\" \"trayer\")"'
}
hidden() { ! visible; }
# The window's WM_STATE: 1 normal, 3 iconic (minimised).
wm_state() { xprop -id "$window" WM_STATE 2>/dev/null | awk '/window state:/ {print $3}'; }
minimised() { [ "$(wm_state)" == "Iconic" ]; }
ctrl_key()
{
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers "$1"
}
# The popup menu of the tray icon: a visible override-redirect window of the program.
menu_shown()
{
    local w
    for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        [[ $(xwininfo -id "$w" 2>/dev/null) == *"Override Redirect State: yes"* ]] && return 0
    done
    return 1
}
# start_faked TIME FOLDER: the copy in FOLDER under a clock that starts at TIME (UTC) and runs on. The library is
# preloaded rather than run through the faketime wrapper, so the program keeps the process id it is stopped by.
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
start_faked()
{
    (cd "$2" && exec env TZ=UTC LD_PRELOAD="$faketime_lib" FAKETIME="@$1" ./dorvane) >>"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
    window=
    wait_for 30 main_window
}

journey_tray_after_the_program()
{
    journey "15 Tray: the notification area starts after the program; the icon's menu"
    local folder status
    stop_tray
    check 15 "no notification area before the start" bash -c '[ -z "$(xwininfo -root -tree | grep "\"panel\": (\"panel\" \"trayer\")")" ]'
    folder=$(program_folder tray-later 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_program "$folder"
    check 15 "the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        check 15 "a notification area starts later (trayer)" start_tray
        check 15 "the icon docks in it without any action" wait_for 10 icon_docked
        ctrl_key ctrl+h
        check 15 "Ctrl+H hides the window" wait_for 5 hidden
        check 15 "the icon is there to bring it back" icon_docked
        click_icon 1
        check 15 "a click on the icon shows the window again" wait_for 5 visible
        check 15 "with its full client area" wait_for 5 client_is 794x453
        ctrl_key ctrl+h
        wait_for 5 hidden
        click_icon 3
        check 15 "a right click opens the icon's menu" wait_for 5 menu_shown
        check 15 "and leaves the window hidden" hidden
        xdotool key Down Return
        check 15 "its first item, Show, shows the window" wait_for 5 visible
        ctrl_key ctrl+h
        wait_for 5 hidden
        stop_tray
        check 15 "the notification area goes away while hidden: the window comes back minimised" wait_for 10 minimised
        check 15 "a notification area again" start_tray
        check 15 "the icon docks again" wait_for 10 icon_docked
        click_icon 1
        check 15 "a click on it shows the window" wait_for 5 visible
        click_icon 3
        wait_for 5 menu_shown
        xdotool key Up Return
        check 15 "Quit in the icon's menu ends the program" wait_for 10 ended
        status=1
        ended && { wait "$app"; status=$?; }
        check 15 "with status 0" test "$status" -eq 0
        app=
    fi
    stop_program
    desktop_tray_ready || start_tray
}
journey_tray_after_the_program

journey_second_start()
{
    journey "16 Tray: a second start brings the running window forward"
    local folder first second status windows
    folder=$(program_folder second 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_program "$folder"
    check 16 "the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        first=$app
        wait_for 10 icon_docked
        ctrl_key ctrl+h
        wait_for 5 hidden
        (cd "$folder" && exec ./dorvane) >>"$work/app.log" 2>&1 &
        second=$!
        second_ended() { ! kill -0 "$second" 2>/dev/null; }
        check 16 "the second start ends by itself" wait_for 10 second_ended
        status=1
        second_ended && { wait "$second"; status=$?; }
        check 16 "with status 0" test "$status" -eq 0
        check 16 "the hidden window comes back from the tray" wait_for 5 visible
        windows() { xdotool search --all --onlyvisible --name '^Dorvane   Today:' 2>/dev/null | grep -c .; }
        check 16 "one main window on the screen" test "$(windows)" -eq 1
        check 16 "one icon in the notification area" test "$(icon_count)" -eq 1
        other_client
        focus_elsewhere
        (cd "$folder" && exec ./dorvane) >>"$work/app.log" 2>&1 &
        second=$!
        check 16 "over another application: the second start ends" wait_for 10 second_ended
        active() { [ "$(xdotool getactivewindow 2>/dev/null)" == "$window" ]; }
        check 16 "the running window is the active one again" wait_for 5 active
        # The session bus answers a second start; the local network library is not loaded for it.
        check 16 "no network library in the running program" bash -c '! grep -q libQt6Network "/proc/$0/maps"' "$first"
        # Without a session bus there is no one to ask: the start runs on its own, as before the bus.
        local alone
        alone=$(program_folder alone 00 $'W\xb097.45' $'N\xb030.15' -6)
        (cd "$alone" && DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus exec ./dorvane) >"$work/alone.log" 2>&1 &
        second=$!
        pids+=("$second")
        alone_window() { xdotool search --all --onlyvisible --pid "$second" --name '^Dorvane   Today:' >/dev/null 2>&1; }
        check 16 "without a session bus a start opens its own window" wait_for 30 alone_window
        check 16 "and says nothing" test ! -s "$work/alone.log"
        kill "$second" 2>/dev/null && wait "$second" 2>/dev/null
        # A crash ends the copy's hold on its name; the next start must not take the name for a running copy.
        kill -KILL "$first" 2>/dev/null
        wait "$first" 2>/dev/null
        app=
        start_program "$folder"
        check 16 "after a crash the next start shows its window" test -n "$window"
    fi
    stop_program
}
journey_second_start

journey_midnight()
{
    journey "17 Midnight: everything naming today moves on (faketime, 31 Dec 2026 23:59:40)"
    local folder before after button
    [ -n "$faketime_lib" ] || { check 17 "faketime is installed" false; return; }
    folder=$(program_folder midnight 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_faked '2026-12-31 23:59:40' "$folder"
    check 17 "the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        check 17 "the caption names 31 December 2026" caption_has "Today:  (12) Dec 31, 2026   Julian: 26.365"
        toolbar_top=428
        wait_for 10 painted
        rest_pointer
        wait_for 5 settled
        before=$(first_title)
        # The year button: toolbar button at left 265, 75 wide.
        year_button() { region_hash 265 431 75 18; }
        button=$(year_button)
        check 17 "after midnight the caption names 1 January 2027" \
            wait_for 40 caption_has "Today:  (1) Jan 01, 2027   Julian: 27.001"
        show_caption
        check 17 "the grid moves on to 2027 by itself" wait_for 5 title_differs "$before"
        after=$(first_title)
        year_button_moved() { [ "$(year_button)" != "$button" ]; }
        check 17 "the year button changes with it" wait_for 5 year_button_moved
        ctrl_key ctrl+Home
        sleep 1
        check 17 "Ctrl+Home keeps 2027" title_equals "$after"
        check 17 "and the caption still names 1 January 2027" caption_has "Today:  (1) Jan 01, 2027"
    fi
    stop_program
}
journey_midnight

journey_restore_keeps_the_view()
{
    journey "18 Tray: back from the tray as it was hidden (compact December, full view's year)"
    local folder shown grid title0
    folder=$(program_folder restore 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_faked '2026-12-15 10:00:00' "$folder"
    check 18 "the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        toolbar_top=428
        wait_for 10 painted
        wait_for 10 icon_docked
        toolbar 378 32
        check 18 "the compact view" wait_for 5 client_is 396x167
        toolbar_top=142
        rest_pointer
        wait_for 5 settled
        shown=$(region_hash 0 0 396 124)
        ctrl_key ctrl+h
        check 18 "compact view: Ctrl+H hides" wait_for 5 hidden
        click_icon 1
        check 18 "compact view: the icon brings it back" wait_for 5 visible
        rest_pointer
        wait_for 5 settled
        check 18 "compact view: it shows December 2026 again, pixel for pixel" \
            test "$(region_hash 0 0 396 124)" == "$shown"
        toolbar 173 32
        wait_for 5 client_is 794x453
        toolbar_top=428
        title0=$(first_title)
        toolbar 344 25
        wait_for 5 title_differs "$title0"
        rest_pointer
        wait_for 5 settled
        grid=$(region_hash 0 0 794 424)
        ctrl_key ctrl+h
        check 18 "full view: Ctrl+H hides" wait_for 5 hidden
        click_icon 1
        check 18 "full view: the icon brings it back" wait_for 5 visible
        rest_pointer
        wait_for 5 settled
        check 18 "full view: it keeps the year it showed (2027), pixel for pixel" \
            test "$(region_hash 0 0 794 424)" == "$grid"
    fi
    stop_program
}
journey_restore_keeps_the_view

# ---- 19-21. Files and figures: the first start, hostile zone lines, a day without sunrise or sunset
# label_ink: the pixels of the sunrise and of the sunset label clearly bluer or redder than the grey texture, "n1 n2";
# a dash (thin, so drawn in lighter shades) is a few, a time many.
label_ink()
{
    grab 23 434 84 13 | od -An -tu1 -v -w3 | awk '
        { x = (NR - 1) % 84; label = x < 28 ? 1 : x >= 56 ? 2 : 0 }
        label && (($3 - $1 > 50 && $3 - $2 > 50) || ($1 - $2 > 50 && $1 - $3 > 50)) { n[label]++ }
        END { print n[1] + 0, n[2] + 0 }'
}
dashes_shown() { local a b; read -r a b <<<"$(label_ink)"; ((a > 0 && a <= 12 && b > 0 && b <= 12)); }
times_shown() { local a b; read -r a b <<<"$(label_ink)"; ((a > 25 && b > 25)); }
file_sum() { md5sum <"$1" | cut -c1-32; }
line_of() { sed -n "$2{s/\r$//;p}" "$1"; }
opens_named() { ls -l "/proc/$app/fd" 2>/dev/null | grep -c -- "$1"; }
journey_files_and_figures()
{
    local folder sum fifo_line i title0
    toolbar_top=428

    journey "19 Files and figures: a first start in a folder of one's own writes the machine default, once"
    folder=$(program_folder first-start)
    TZ=Europe/Berlin start_program "$folder"
    check 19 "first start: the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        check 19 "first start: no box (no Cannot open file)" stays_without_box 3
        check 19 "first start: a prefs.cal appears" test -s "$folder/prefs.cal"
        check 19 "first start: its flags are 01 (hints on)" test "$(line_of "$folder/prefs.cal" 1)" == 01
        check 19 "first start: its zone is the machine's (Europe/Berlin)" \
            test "$(line_of "$folder/prefs.cal" 5)" == Europe/Berlin
        wait_for 10 painted
        check 19 "first start: the toolbar shows today's times" wait_for 10 times_shown
        some_box && note "a box showed; closed" && close_box
    fi
    stop_program
    printf '%s\r\n' 00 $'E\xb010.75' $'N\xb059.91' 1 Europe/Oslo >"$folder/prefs.cal"
    sum=$(file_sum "$folder/prefs.cal")
    TZ=Europe/Berlin start_program "$folder"
    check 19 "second start: the main window appears" test -n "$window"
    [ -n "$window" ] && check 19 "second start: no box" stays_without_box 3
    check 19 "second start: the edited file is not overwritten" test "$(file_sum "$folder/prefs.cal")" == "$sum"
    stop_program
    check 19 "second start: the file is unchanged after the program ends" \
        test "$(file_sum "$folder/prefs.cal")" == "$sum"

    journey "20 Files and figures: a fifth line naming a FIFO or the terminal is an unknown zone, said once"
    folder=$(program_folder zone-fifo)
    mkfifo "$folder/zone-fifo"
    # From the zone database's folder (/usr/share/zoneinfo) three steps up reach the root.
    fifo_line=../../..$folder/zone-fifo
    printf '%s\r\n' 00 $'W\xb097.45' $'N\xb030.15' -6 "$fifo_line" >"$folder/prefs.cal"
    start_program "$folder"
    check 20 "FIFO zone line: the main window appears within 30 s" test -n "$window"
    if [ -n "$window" ]; then
        one_box_then_responsive 20 "FIFO zone line" "(Unknown time zone ...)"
        check 20 "FIFO zone line: the FIFO is not open" test "$(opens_named zone-fifo)" -eq 0
    fi
    stop_program
    folder=$(program_folder zone-tty 00 $'W\xb097.45' $'N\xb030.15' -6 ../../../dev/tty)
    start_program "$folder"
    check 20 "terminal zone line: the main window appears within 30 s" test -n "$window"
    if [ -n "$window" ]; then
        one_box_then_responsive 20 "terminal zone line" "(Unknown time zone ...)"
        check 20 "terminal zone line: /dev/tty is not open" test "$(opens_named /dev/tty)" -eq 0
    fi
    stop_program

    journey "21 Files and figures: at Tromso 18 May 2026 shows a dash, not 25 November's times"
    folder=$(program_folder tromso 00 $'E\xb018.96' $'N\xb069.65' 1 Europe/Oslo)
    start_program "$folder"
    check 21 "Tromso: the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        wait_for 10 painted
        # Today may be a day of midnight sun or polar night there, which has its box.
        if wait_for 3 some_box; then
            note "today's box at start; closed"
            close_box
        fi
        for ((i = year; i != 2026; i += (year > 2026 ? -1 : 1))); do
            title0=$(first_title)
            toolbar $((year > 2026 ? 236 : 344)) 25
            wait_for 5 title_differs "$title0"
        done
        click_day 11 "$(not_today 2026-11-25)"
        check 21 "Tromso: 25 November 2026 shows a sunrise and a sunset" wait_for 5 times_shown
        note "label ink on 25 November: $(label_ink)"
        click_day 5 "$(not_today 2026-05-18)"
        expect_one_box 21 "Tromso, 18 May 2026 (Sun up or down all day)"
        note "label ink on 18 May: $(label_ink)"
        check 21 "Tromso: after the box, both labels show a dash" wait_for 5 dashes_shown
        check 21 "Tromso: the caption reports 18 May" wait_for 5 caption_has "$(dotted 2026-05-18)"
    fi
    stop_program
}
journey_files_and_figures

# ---- 22-23. The Parameters dialog: the Hints flag and switch, one box at a time
journey_parameters_hints_and_boxes()
{
    local folder px py
    dialog_keys() { xdotool key --clearmodifiers --delay 60 "$@"; }
    opened() { params=$(xdotool search --all --onlyvisible --pid "$app" --name '^Parameters$' 2>/dev/null | head -1); [ -n "$params" ]; }
    closed() { ! opened; }
    opened_focused() { opened && focus_on "$params"; }
    window_active() { xdotool windowactivate --sync "$window" >/dev/null 2>&1; wait_for 2 main_focused; }
    saved() { cmp -s "$folder/prefs.cal" <(printf '%s\r\n' "$@"); }
    # A tooltip is a visible override-redirect window of the program just below the pointer (the tray icon is one
    # too, far away in the panel).
    tip_shown()
    {
        local w info x y px py
        read -r px py < <(xdotool getmouselocation 2>/dev/null | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')
        for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
            info=$(xwininfo -id "$w" 2>/dev/null)
            [[ $info == *"Override Redirect State: yes"* ]] || continue
            read -r x y < <(awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4} END {print x, y}' <<<"$info")
            ((y >= py && y <= py + 60 && x >= px - 400 && x <= px + 30)) && return 0
        done
        return 1
    }
    # Rests the pointer on the always-on-top button (toolbar left 318, 29 wide), coming from where no hint shows.
    on_top_button() { rest_pointer && sleep 0.5 && geometry && xdotool mousemove $((X + 331)) $((Y + toolbar_top + 12)); }
    hint_after_rest() { on_top_button && wait_for 5 tip_shown; }
    no_hint_after_rest() { on_top_button && ! wait_for 3 tip_shown; }
    # From Save, where the dialog opens: the time zone, the two week rules, the desktop's start, latitude,
    # longitude, Offset List, military time, Hints.
    to_hints() { dialog_keys Tab Tab Tab Tab Tab Tab Tab Tab Tab; }

    journey "22 Parameters dialog and Hints: the flag read turns them on, the click off at once, Escape saves nothing"
    folder=$(program_folder hints 01 $'W\xb097.45' $'N\xb030.15' -6)
    start_program "$folder"
    check 22 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    wait_for 10 painted
    check 22 "flags 01: the always-on-top button shows its hint" hint_after_rest
    rest_pointer
    wait_for 10 window_active
    dialog_keys ctrl+comma
    check 22 "Ctrl+, opens the dialog" wait_for 5 opened_focused
    to_hints
    dialog_keys space Escape
    check 22 "Hints unticked, then Escape: the dialog closes" wait_for 5 closed
    check 22 "with no box" stays_without_box 2
    check 22 "and prefs.cal as it was" saved 01 $'W\xb097.45' $'N\xb030.15' -6
    # The window reads the file again when it is active again: flag 2 turns the hints back on.
    check 22 "the file still says hints: the hint shows again" hint_after_rest
    rest_pointer
    wait_for 10 window_active
    dialog_keys ctrl+comma
    check 22 "Ctrl+, opens the dialog again, Hints ticked as read" wait_for 5 opened_focused
    to_hints
    dialog_keys space Return
    check 22 "Hints unticked, then Enter: the dialog closes" wait_for 5 closed
    check 22 "with no box: Hints needs no restart" stays_without_box 3
    check 22 "prefs.cal now says 00, the rest kept" saved 00 $'W\xb097.45' $'N\xb030.15' -6
    check 22 "the always-on-top button shows no hint" no_hint_after_rest
    rest_pointer
    stop_program

    journey "23 Parameters dialog with a position that does not convert: one box at a time, each said once"
    folder=$(program_folder boxes 00 $'W\xb097.45' $'N\xb0x' -6)
    start_program "$folder"
    check 23 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    expect_one_box 23 "the start warns of the latitude"
    toolbar 670 29
    check 23 "the wrench opens the dialog" wait_for 5 opened
    if [ -n "$params" ]; then
        read -r px py < <(xwininfo -id "$params" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4} END {print x, y}')
        # Held open past the report's countdown (3 s): today's report comes back meanwhile and must wait.
        sleep 4
        check 23 "no box while the dialog is open" test "$(box_count)" -eq 0
        xdotool mousemove $((px + 15)) $((py + 115)) click 1
        xdotool mousemove $((px + 101)) $((py + 149)) click 1
        check 23 "military time ticked and saved: the dialog closes" wait_for 5 closed
        check 23 "no box follows, the latitude not said again" stays_without_box 3
    fi
    check 23 "prefs.cal says 10, the rest as typed" saved 10 $'W\xb097.45' $'N\xb0x' -6
    click_day 3 "$(not_today "$year-03-10")"
    expect_one_box 23 "a day clicked says the latitude again"
    stop_program
}
journey_parameters_hints_and_boxes

# ---- 24. The settings file: a first start under UTC writes the shipped sample, byte for byte
journey_settings_sample()
{
    local folder sample
    sample=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets" && pwd)/prefs.cal.default
    journey "24 Settings file: a first start under UTC writes the shipped sample byte for byte, asks for the place once; Escape keeps the sample"
    folder=$(program_folder first-start-utc)
    local params=
    asked() { params=$(xdotool search --all --onlyvisible --pid "$app" --name '^Parameters$' 2>/dev/null | head -1); [ -n "$params" ]; }
    not_asked() { ! asked; }
    stays_not_asked() { ! wait_for 3 asked; }
    TZ=UTC start_program "$folder"
    check 24 "UTC first start: the main window appears" test -n "$window"
    if [ -n "$window" ]; then
        check 24 "UTC first start: the Parameters dialog opens by itself" wait_for 10 asked
        check 24 "UTC first start: no box" stays_without_box 3
        if [ -n "$params" ]; then
            xdotool windowactivate --sync "$params" >/dev/null 2>&1
            xdotool key --clearmodifiers Escape
        fi
        check 24 "UTC first start: Escape closes the dialog" wait_for 5 not_asked
        check 24 "UTC first start: prefs.cal is the shipped sample" cmp -s "$folder/prefs.cal" "$sample"
        check 24 "UTC first start: the sample's times are shown" wait_for 10 times_shown
    fi
    stop_program
    TZ=UTC start_program "$folder"
    check 24 "a second start under UTC: the main window appears" test -n "$window"
    [ -n "$window" ] && check 24 "a second start under UTC: the dialog does not open again" stays_not_asked
    stop_program
    TZ=Europe/Berlin start_program "$folder"
    check 24 "a start in another zone: the main window appears" test -n "$window"
    stop_program
    check 24 "a start in another zone: the sample is not replaced" cmp -s "$folder/prefs.cal" "$sample"
}
journey_settings_sample

# ---- 25. The window comes back as it was left: its place, the view and the week numbers
journey_window_state()
{
    local folder before_x before_y before_calendars full_x full_y state
    keys() { xdotool windowactivate --sync "$window" >/dev/null 2>&1; xdotool key --clearmodifiers --delay 60 "$@"; }
    # Drags the window by the middle of its title bar, as a person moves it.
    drag_window()
    {
        geometry
        xdotool mousemove $((X + W / 2)) $((Y - 10)) mousedown 1 sleep 0.3 mousemove $((X + W / 2 + $1 / 2)) \
            $((Y - 10 + $2 / 2)) sleep 0.3 mousemove $((X + W / 2 + $1)) $((Y - 10 + $2)) sleep 0.3 mouseup 1
    }
    at() { geometry && [ "$X,$Y" == "$1,$2" ]; }
    moved_from() { geometry && [ "$X,$Y" != "$1,$2" ]; }
    calendars() { region_hash 0 27 396 110; }
    state=dorvane-state.ini

    journey "25 Window state: moved, compact and with week numbers, it comes back so after a restart"
    folder=$(program_folder window-state 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_program "$folder"
    check 25 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    wait_for 10 painted
    geometry
    full_x=$X full_y=$Y
    keys ctrl+m
    check 25 "Ctrl+M: the compact view of two months" wait_for 5 client_is 396x167
    geometry
    before_x=$X before_y=$Y
    drag_window -150 420
    check 25 "the title bar drags the window down and left" wait_for 5 moved_from "$before_x" "$before_y"
    keys ctrl+w
    rest_pointer
    sleep 1
    geometry
    before_x=$X before_y=$Y before_calendars=$(calendars)
    note "left at $X,$Y"
    stop_program
    check 25 "the state is kept beside prefs.cal" test -s "$folder/$state"
    check 25 "prefs.cal is left as it was" cmp -s "$folder/prefs.cal" <(printf '%s\r\n' 00 $'W\xb097.45' $'N\xb030.15' -6)

    start_program "$folder"
    check 25 "restarted: the main window appears" test -n "$window"
    [ -n "$window" ] || return
    check 25 "restarted: the compact view of two months" wait_for 10 client_is 396x167
    check 25 "restarted: where it was left" wait_for 5 at "$before_x" "$before_y"
    rest_pointer
    check 25 "restarted: the same months with week numbers" wait_for 5 test "$(calendars)" == "$before_calendars"
    keys ctrl+w
    rest_pointer
    check 25 "Ctrl+W: the week numbers go" wait_for 5 test "$(calendars)" != "$before_calendars"
    keys ctrl+m
    check 25 "Ctrl+M: the full view, where it stood at the first start" wait_for 5 at "$full_x" "$full_y"
    check 25 "the full view is 794x453" client_is 794x453
    drag_window -200 -250
    check 25 "the full view dragged to the top left" wait_for 5 moved_from "$full_x" "$full_y"
    sleep 1
    geometry
    before_x=$X before_y=$Y
    stop_program
    start_program "$folder"
    check 25 "restarted in the full view, where it was left" wait_for 10 at "$before_x" "$before_y"
    stop_program

    printf '[window]\nview=compact\n[compact]\nleft=5000\ntop=4000\n' >"$folder/$state"
    start_program "$folder"
    check 25 "a place on no screen: the compact view opens where it first did" wait_for 10 client_is 396x167
    geometry
    check 25 "and it lies on the screen" test "$X" -ge 0 -a "$Y" -ge 0 -a $((X + W)) -le 1280 -a $((Y + H)) -le 1024
    stop_program
}
journey_window_state

# ---- 26. The city search: on the first start's dialog "berl" typed, Berlin picked, saved
journey_city_search()
{
    local reference folder berlin_labels params=
    journey "26 City search: berl typed in the dialog a first start under UTC opens, Berlin picked, Save: Berlin's file and times"
    params_shown() { params=$(xdotool search --all --onlyvisible --pid "$app" --name '^Parameters$' 2>/dev/null | head -1); [ -n "$params" ]; }
    params_gone() { ! params_shown; }
    keys() { xdotool key --clearmodifiers --delay 80 "$@"; }
    berlin=(00 $'E\xb013.40' $'N\xb052.52' 1 Europe/Berlin)
    # The toolbar as a start with Berlin's file shows it today, to compare with; the sample's flags stay.
    reference=$(program_folder berlin-reference "${berlin[@]}")
    TZ=UTC start_program "$reference"
    if [ -n "$window" ]; then
        wait_for 10 painted
        wait_for 10 labels_are navy
        berlin_labels=$(labels_hash)
    fi
    stop_program
    folder=$(program_folder city-search)
    TZ=UTC start_program "$folder"
    check 26 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    check 26 "the Parameters dialog opens by itself" wait_for 10 params_shown
    [ -n "$params" ] || return
    xdotool windowactivate --sync "$params" >/dev/null 2>&1
    xdotool type --delay 120 berl
    sleep 1 # the list of matching cities opens
    xdotool mousemove 5 1000
    # The list reaches below the dialog: the shot takes the dialog and the list under it.
    local info x y w h
    info=$(xwininfo -id "$params")
    x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    w=$(awk '/Width:/ {print $2}' <<<"$info")
    h=$(awk '/Height:/ {print $2}' <<<"$info")
    import -window root -crop "$((w + 2 + 60))x$((h + 21 + 80))+$((x - 1))+$((y - 20))" +repage "$shots/screenshot-parameters-city.png"
    keys Down Return
    check 26 "berl, Down and Enter pick Berlin and leave the dialog open" stays_without_box 2
    check 26 "the dialog still open" params_shown
    xdotool mousemove 5 1000
    screenshot "$shots/screenshot-parameters-berlin.png" "$params" >/dev/null
    keys Return
    check 26 "Enter then saves Berlin and closes the dialog" wait_for 5 params_gone
    check 26 "with no box" stays_without_box 3
    saved_berlin() { cmp -s "$folder/prefs.cal" <(printf '%s\r\n' "${berlin[@]}"); }
    check 26 "prefs.cal holds Berlin's five lines" wait_for 5 saved_berlin
    saved_berlin || note "prefs.cal: $(od -c "$folder/prefs.cal" 2>/dev/null | head -3 | tr -s ' ' | tr '\n' ' ')"
    berlin_times() { [ -n "$berlin_labels" ] && labels_are navy && [ "$(labels_hash)" == "$berlin_labels" ]; }
    check 26 "the toolbar shows Berlin's times, as a start with Berlin's file does" wait_for 15 berlin_times
    # New York's zone typed over Berlin's place: the dialog names the zone's city and warns of the offset, and
    # Escape leaves the file as it was.
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    keys ctrl+comma
    check 26 "Ctrl+, opens the dialog again" wait_for 5 params_shown
    if [ -n "$params" ]; then
        xdotool windowactivate --sync "$params" >/dev/null 2>&1
        keys Tab
        xdotool type --delay 60 America/New_York
        sleep 0.5 # the list of matching zones opens
        keys Escape Tab
        sleep 0.5
        xdotool mousemove 5 1000
        screenshot "$shots/screenshot-parameters-zone.png" "$params" >/dev/null
        check 26 "the dialog is still open" params_shown
        xdotool windowactivate --sync "$params" >/dev/null 2>&1
        keys Escape
        check 26 "Escape closes it" wait_for 5 params_gone
        check 26 "and the file is Berlin's still" saved_berlin
    fi
    stop_program
}
journey_city_search

# ---- 27. The Day panel: Ctrl+D opens it beside the window, it follows two clicked days, Copy gives its text
journey_day_panel()
{
    local folder panel first second info px wx ww l r t b x0 y0 x1 y1 pinfo ph pw py wy wh
    journey "27 Day panel: Ctrl+D opens it beside the window, two days clicked make a span, Copy puts it on the clipboard"
    folder=$(program_folder day-panel 00 $'E\xb013.40' $'N\xb052.52' 1 Europe/Berlin)
    TZ=Europe/Berlin start_program "$folder"
    check 27 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    wait_for 10 painted
    first=$(not_today "$year-03-10")
    second=$(not_today "$year-03-20")
    # Moved to the screen's left edge, its title bar in sight: beside it is room for the panel.
    xdotool windowmove --sync "$window" 0 40
    click_day 3 "$first"
    xdotool windowactivate --sync "$window" key ctrl+d
    panel_shown() { panel=$(xdotool search --all --onlyvisible --pid "$app" --name '^Day$' 2>/dev/null | head -1); [ -n "$panel" ]; }
    check 27 "Ctrl+D opens the Day panel" wait_for 5 panel_shown
    [ -n "$panel" ] || { stop_program; return; }
    info=$(xwininfo -id "$window")
    wx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    ww=$(awk '/Width:/ {print $2}' <<<"$info")
    pinfo=$(xwininfo -id "$panel")
    px=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$pinfo")
    beside() { ((px >= wx + ww || px + $(awk '/Width:/ {print $2}' <<<"$pinfo") <= wx)) || { note "window x $wx width $ww, panel x $px"; false; }; }
    check 27 "the panel stands beside the window, not over it" beside
    click_day 3 "$second"
    xdotool windowactivate --sync "$panel" key alt+c
    span_copied()
    {
        xclip -o -selection clipboard 2>/dev/null |
            grep -q "^Span: $(((10#$(date -d "$second" +%j) - 10#$(date -d "$first" +%j)))) days from "
    }
    check 27 "Copy puts the panel with the span on the clipboard" wait_for 5 span_copied
    check 27 "the copied text names the clicked day's sunrise" \
        bash -c 'xclip -o -selection clipboard | grep -q "^Sunrise: .*'"$(date -d "$second" +%-d)"'"'
    check 27 "the panel stays open after the clicks" panel_shown
    # The panel beside the window, as one picture.
    wait_for 5 settled
    IFS=, read -r l r t b <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')"
    wy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    wh=$(awk '/Height:/ {print $2}' <<<"$info")
    pinfo=$(xwininfo -id "$panel")
    px=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$pinfo")
    py=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$pinfo")
    pw=$(awk '/Width:/ {print $2}' <<<"$pinfo")
    ph=$(awk '/Height:/ {print $2}' <<<"$pinfo")
    x0=$((wx - ${l:-0} < px - ${l:-0} ? wx - ${l:-0} : px - ${l:-0}))
    y0=$((wy - ${t:-0} < py - ${t:-0} ? wy - ${t:-0} : py - ${t:-0}))
    x1=$((wx + ww + ${r:-0} > px + pw + ${r:-0} ? wx + ww + ${r:-0} : px + pw + ${r:-0}))
    y1=$((wy + wh + ${b:-0} > py + ph + ${b:-0} ? wy + wh + ${b:-0} : py + ph + ${b:-0}))
    check 27 "screenshot of the panel beside the window" \
        import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$shots/screenshot-daypanel.png"
    stop_program
}
journey_day_panel

journey_calendars_and_paper()
{
    local folder chooser ics marked plain cell pdf export
    journey "28 Your calendars and the year on paper: an .ics chosen marks its day, Ctrl+Shift+E writes the year as a PDF"
    folder=$(program_folder calendars 00 $'E\xb013.40' $'N\xb052.52' 1 Europe/Berlin)
    marked=$(not_today "$year-03-12")
    plain=$(date -d "$marked +2 day" +%F)
    ics=$folder/journey.ics
    printf '%s\r\n' BEGIN:VCALENDAR VERSION:2.0 PRODID:-//journeys//EN X-WR-CALNAME:Journey BEGIN:VEVENT UID:dentist \
        "DTSTART;VALUE=DATE:${marked//-/}" SUMMARY:Dentist END:VEVENT END:VCALENDAR >"$ics"
    TZ=Europe/Berlin start_program "$folder"
    check 28 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    geometry
    wait_for 10 painted
    xdotool windowactivate --sync "$window" key ctrl+e
    calendars_shown() { chooser=$(xdotool search --all --onlyvisible --pid "$app" --name '^Your calendars$' 2>/dev/null | head -1); [ -n "$chooser" ]; }
    check 28 "Ctrl+E opens Your calendars" wait_for 5 calendars_shown
    [ -n "$chooser" ] || { stop_program; return; }
    xdotool windowactivate --sync "$chooser" key alt+a
    file_dialog() { xdotool search --all --onlyvisible --pid "$app" --name '^Add calendar files$' 2>/dev/null | head -1 | grep -q .; }
    check 28 "Add... asks for the files" wait_for 5 file_dialog
    xdotool type --delay 5 "$ics"
    xdotool key Return
    event_marked() { local n; cell=$(day_cell 3 "$marked"); n=$(count_colour green $((${cell% *} - 13)) $((${cell#* } - 7)) 27 15); ((n >= 6)) || { note "cell $cell of $marked: $n green pixels"; false; }; }
    no_mark() { cell=$(day_cell 3 "$plain"); (($(count_colour green $((${cell% *} - 13)) $((${cell#* } - 7)) 27 15) == 0)); }
    xdotool windowactivate --sync "$chooser" key Escape
    closed() { ! xdotool search --all --onlyvisible --pid "$app" --name '^Your calendars$' >/dev/null 2>&1; }
    check 28 "Escape closes Your calendars" wait_for 5 closed
    check 28 "the event's day shows the event mark" wait_for 10 event_marked
    check 28 "a day without events has none" no_mark
    wait_for 5 settled
    check 28 "screenshot of the marked year" screenshot "$shots/screenshot-marks.png" "$window"
    pdf=$folder/year.pdf
    xdotool windowactivate --sync "$window" key ctrl+shift+e
    export_dialog() { export=$(xdotool search --all --onlyvisible --pid "$app" --name '^Export year$' 2>/dev/null | head -1); [ -n "$export" ]; }
    check 28 "Ctrl+Shift+E asks where to write the year" wait_for 5 export_dialog
    xdotool type --delay 5 "$pdf"
    xdotool key Return
    check 28 "the PDF is written" wait_for 10 test -s "$pdf"
    check 28 "it is one landscape page" bash -c "pdfinfo '$pdf' | grep -qE '^Pages: +1$' && pdfinfo '$pdf' | grep -qE 'Page size: +(842 x 595|792 x 612)'"
    check 28 "its text names the year and March" bash -c "pdftotext '$pdf' - | grep -q '$year' && pdftotext '$pdf' - | grep -q March"
    pdftoppm -png -r 100 -singlefile "$pdf" "$work/year-page"
    # The same year written from the command line without calendars: only the legend's sample is green there.
    plain=$(program_folder calendars-plain 00 $'E\xb013.40' $'N\xb052.52' 1 Europe/Berlin)
    (cd "$plain" && TZ=Europe/Berlin ./dorvane --export "$year" "$plain/year.pdf") >>"$work/app.log" 2>&1
    pdftoppm -png -r 100 -singlefile "$plain/year.pdf" "$work/year-plain"
    green() { convert "$1" -fx '(g>0.45 && r<0.25 && b<0.5 && b>0.15) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:; }
    page_marked() { local a b; a=$(green "$work/year-page.png"); b=$(green "$work/year-plain.png"); ((a > b && b > 0)) || { note "green pixels: $a with the calendar, $b without"; false; }; }
    check 28 "its picture shows the event mark beside the same page without calendars" page_marked
    check 28 "screenshot of the page" cp "$work/year-page.png" "$shots/screenshot-year-page.png"
    stop_program
    check 28 "the state file keeps the chosen file, prefs.cal does not" \
        bash -c "grep -q 'journey.ics' '$folder/dorvane-state.ini' && ! grep -q 'journey.ics' '$folder/prefs.cal'"
}
journey_calendars_and_paper

journey_start_with_the_desktop()
{
    journey "29 Start with the desktop: the icon's menu writes the autostart entry; started from it, the window waits behind the icon"
    local folder entry command
    entry=$XDG_CONFIG_HOME/autostart/org.dorvane.Dorvane.desktop
    folder=$(program_folder autostart 00 $'W\xb097.45' $'N\xb030.15' -6)
    start_program "$folder"
    check 29 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    wait_for 10 icon_docked
    # The item above Quit, past the separator.
    menu_item_above_quit() { click_icon 3 && wait_for 5 menu_shown && xdotool key Up Up Return; }
    menu_item_above_quit
    check 29 "the icon's menu writes the entry in the autostart folder" wait_for 5 test -f "$entry"
    check 29 "it starts this copy behind the icon" grep -qx "Exec=\"$folder/dorvane\" --hidden" "$entry"
    check 29 "the desktop's validator accepts it" desktop-file-validate "$entry"
    ctrl_key ctrl+q
    wait_for 10 ended
    app=

    # A start as the desktop makes it at login: the entry's command. Behind the icon the window has not been made
    # yet; minimised it has, unmapped.
    command=$(sed -n 's/^Exec=//p' "$entry")
    start_from_entry()
    {
        (exec bash -c "exec $command") >>"$work/app.log" 2>&1 &
        app=$!
        pids+=("$app")
        window=
    }
    any_window() { window=$(xdotool search --all --pid "$app" --name '^Dorvane   Today:' 2>/dev/null | head -1); [ -n "$window" ]; }
    start_from_entry
    check 29 "started from the entry, its icon docks" wait_for 30 icon_docked
    check 29 "and no window shows" bash -c 'sleep 1; ! xdotool search --all --onlyvisible --pid "$0" --name "^Dorvane   Today:" >/dev/null 2>&1' "$app"
    click_icon 1
    check 29 "a click on the icon shows the window" wait_for 10 main_window
    check 29 "laid out, with its full client area" wait_for 5 client_is 794x453
    check 29 "and the year drawn" wait_for 10 painted
    stop_program

    # At login the panel may come after the program: minimised until its notification area appears.
    stop_tray
    start_from_entry
    minimised_start() { any_window && minimised; }
    check 29 "without a notification area it starts minimised" wait_for 30 minimised_start
    check 29 "a notification area starts (trayer)" start_tray
    check 29 "the icon docks" wait_for 10 icon_docked
    check 29 "and the minimised window goes behind it" wait_for 10 bash -c '! xwininfo -id "$0" 2>/dev/null | grep -q "Map State: IsViewable" && [ "$(xprop -id "$0" WM_STATE 2>/dev/null | awk "/window state:/ {print \$3}")" != Iconic ]' "$window"
    click_icon 1
    check 29 "from where a click brings it" wait_for 10 visible
    menu_item_above_quit
    check 29 "the item again removes the entry" wait_for 5 test ! -e "$entry"
    stop_program
}
journey_start_with_the_desktop

# ---- 30. The sky as pictures: the Day panel draws the day, its button opens the year's daylight chart, a click on
# the chart chooses that day in the grid
journey_sky_pictures()
{
    local folder panel chart info cx cy cw ch vw x y day today target last size
    journey "30 Sky pictures: the Day panel draws the day, its button opens the year's daylight chart, a click on it chooses a day"
    folder=$(program_folder sky-pictures 00 $'E\xb013.40' $'N\xb052.52' 1 Europe/Berlin)
    TZ=Europe/Berlin start_program "$folder"
    check 30 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    wait_for 10 painted
    xdotool windowmove --sync "$window" 0 40
    click_day 6 "$(not_today "$year-06-21")"
    xdotool windowactivate --sync "$window" key ctrl+d
    panel_shown() { panel=$(xdotool search --all --onlyvisible --pid "$app" --name '^Day$' 2>/dev/null | head -1); [ -n "$panel" ]; }
    check 30 "Ctrl+D opens the Day panel" wait_for 5 panel_shown
    [ -n "$panel" ] || { stop_program; return; }
    wait_for 5 settled
    size=$(screenshot "$shots/screenshot-daypicture.png" "$panel")
    check 30 "screenshot of the panel with the day's picture ($size)" test -s "$shots/screenshot-daypicture.png"
    xdotool windowactivate --sync "$panel" key alt+y
    chart_shown() { chart=$(xdotool search --all --onlyvisible --pid "$app" --name "^Daylight of $year\$" 2>/dev/null | head -1); [ -n "$chart" ]; }
    check 30 "the panel's button opens the year's daylight chart" wait_for 5 chart_shown
    [ -n "$chart" ] || { stop_program; return; }
    wait_for 5 settled
    size=$(screenshot "$shots/screenshot-yearchart.png" "$chart")
    check 30 "screenshot of the chart ($size)" test -s "$shots/screenshot-yearchart.png"
    # The chart's days end 6 pixels from its view's right edge; the view fills the window but for the layout's
    # margins of 9 pixels or so, and the hours' texts take a width of their own at the left. Counted from the right,
    # a click mid-height on 1 December (5 December when today is that near) picks it or a neighbour.
    info=$(xwininfo -id "$chart")
    cx=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    cy=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    cw=$(awk '/Width:/ {print $2}' <<<"$info")
    ch=$(awk '/Height:/ {print $2}' <<<"$info")
    target=$year-12-01
    day=$((10#$(date -d "$target" +%j)))
    today=$((10#$(date +%j)))
    ((today - day <= 1 && day - today <= 1)) && target=$year-12-05 && day=$((day + 4))
    last=$((10#$(date -d "$year-12-31" +%j)))
    # The days' width: the window less its margins, the right edge's 6 pixels and some 60 for the hours.
    vw=$((cw - 18 - 6 - 60))
    x=$((cx + cw - 9 - 6 - vw * (2 * (last - day) + 1) / (2 * last)))
    y=$((cy + ch / 3))
    xdotool mousemove "$x" "$y" click 1
    chosen()
    {
        local d
        for d in $((day - 1)) "$day" $((day + 1)); do
            caption_has "$(date -d "$target" +%y).$(printf %03d "$d")" && return 0
        done
        show_caption
        false
    }
    check 30 "a click on the chart chooses its day: the caption gives its Julian figure" wait_for 5 chosen
    xdotool windowactivate --sync "$chart" key Escape
    check 30 "Escape closes the chart" wait_for 5 bash -c '! xdotool search --all --onlyvisible --pid "$0" --name "^Daylight of" >/dev/null 2>&1' "$app"
    stop_program
}
journey_sky_pictures

# ---- 31. Your days: a span dragged across two months, Ctrl+N marks it in a dialog, the calendar file holds it, the
# menu edits it, Ctrl+Z undoes the edit, the year printed to PDF shows and lists it, and the next start draws it
journey_your_days()
{
    local folder file dialog size first last from to editor pdf export
    journey "31 Your days: drag a span across two months, mark, edit, undo, print, and find it at the next start"
    folder=$(program_folder your-days 00 $'E\xb013.40' $'N\xb052.52' 1 Europe/Berlin)
    file=$XDG_DATA_HOME/dorvane/your-days.ics
    rm -f "$file"
    TZ=Europe/Berlin start_program "$folder"
    check 31 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    wait_for 10 painted
    xdotool windowmove --sync "$window" 0 40
    # From 29 June (the sixth calendar) to 2 July (the seventh): pressed on one day, released on the other.
    first=$year-06-29
    last=$year-07-02
    from=$(day_cell 6 "$first")
    to=$(day_cell 7 "$last")
    geometry
    xdotool mousemove $((X + ${from% *})) $((Y + ${from#* })) mousedown 1 sleep 0.2 \
        mousemove $((X + ${from% *} + 30)) $((Y + ${from#* })) sleep 0.2 \
        mousemove $((X + ${to% *})) $((Y + ${to#* })) sleep 0.2 mouseup 1
    rest_pointer
    xdotool windowactivate --sync "$window" key ctrl+n
    dialog_shown() { dialog=$(xdotool search --all --onlyvisible --pid "$app" --name '^Mark days$' 2>/dev/null | head -1); [ -n "$dialog" ]; }
    check 31 "Ctrl+N opens the marking dialog" wait_for 5 dialog_shown
    [ -n "$dialog" ] || { stop_program; return; }
    xdotool windowactivate --sync "$dialog" type --delay 20 "Lisbon"
    xdotool windowactivate --sync "$dialog" key Return
    saved() { grep -q $'^SUMMARY:Lisbon\r$' "$file" 2>/dev/null; }
    check 31 "Save writes the days to the user's calendar file" wait_for 5 saved
    check 31 "the dragged span runs from its first day to the day after its last, across the months" \
        bash -c "grep -q 'DTSTART;VALUE=DATE:${first//-/}' '$file' && grep -q 'DTEND;VALUE=DATE:${year}0703' '$file'"
    wait_for 5 settled
    size=$(screenshot "$shots/screenshot-yourdays.png" "$window")
    check 31 "screenshot of the marked days ($size)" test -s "$shots/screenshot-yourdays.png"
    # The calendars' menu on a day of the span: Mark days..., then Edit "Lisbon"...
    geometry
    xdotool mousemove $((X + ${to% *})) $((Y + ${to#* })) click 3
    sleep 0.5
    xdotool key Down Down Return
    editor_shown() { editor=$(xdotool search --all --onlyvisible --pid "$app" --name '^Edit marked days$' 2>/dev/null | head -1); [ -n "$editor" ]; }
    check 31 "the menu's Edit opens the marked days in the dialog" wait_for 5 editor_shown
    if [ -n "$editor" ]; then
        xdotool windowactivate --sync "$editor" key ctrl+a
        xdotool type --delay 20 "Lisbon and Porto"
        xdotool key Return
        edited() { grep -q $'^SUMMARY:Lisbon and Porto\r$' "$file" 2>/dev/null; }
        check 31 "Save writes the new title" wait_for 5 edited
        xdotool windowactivate --sync "$window" key ctrl+z
        check 31 "Ctrl+Z undoes the edit" wait_for 5 saved
        xdotool windowactivate --sync "$window" key ctrl+shift+z
        check 31 "Ctrl+Shift+Z redoes it" wait_for 5 edited
        xdotool windowactivate --sync "$window" key ctrl+z
        check 31 "and Ctrl+Z undoes it again" wait_for 5 saved
    fi
    pdf=$folder/year.pdf
    xdotool windowactivate --sync "$window" key ctrl+shift+e
    export_dialog() { export=$(xdotool search --all --onlyvisible --pid "$app" --name '^Export year$' 2>/dev/null | head -1); [ -n "$export" ]; }
    check 31 "Ctrl+Shift+E asks where to write the year" wait_for 5 export_dialog
    xdotool type --delay 5 "$pdf"
    xdotool key Return
    check 31 "the PDF is written" wait_for 10 test -s "$pdf"
    check 31 "it has the year's page and a page of the marked days" bash -c "pdfinfo '$pdf' | grep -qE '^Pages: +2$'"
    check 31 "its second page lists the span by its title" \
        bash -c "pdftotext -f 2 -l 2 '$pdf' - | grep -q 'Lisbon' && ! pdftotext '$pdf' - | grep -q 'Porto'"
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "$work/yourdays-page"
    check 31 "screenshot of the printed year with the span" cp "$work/yourdays-page.png" "$shots/screenshot-yourdays-page.png"
    stop_program
    TZ=Europe/Berlin start_program "$folder"
    check 31 "the next start finds the file and opens without a box" test -n "$window"
    stop_program
}
journey_your_days

# ---- 32. Holidays at the first start: the zone names all of Germany, the place in the settings is Munich, so
# Bavaria's holidays are marked, named in the Day panel, and the Parameters dialog says where they came from
journey_holidays()
{
    local folder epiphany panel params size
    journey "32 Holidays: a first start in Munich marks Bavaria's holidays and the dialog says why"
    folder=$(program_folder holidays 00 $'E\xb011.58' $'N\xb048.14' 1 Europe/Berlin)
    rm -f "$folder/dorvane-state.ini"
    TZ=Europe/Berlin start_program "$folder"
    check 32 "the main window appears" test -n "$window"
    [ -n "$window" ] || return
    wait_for 10 painted
    xdotool windowmove --sync "$window" 0 40
    epiphany=$(not_today "$year-01-06")
    click_day 1 "$epiphany"
    xdotool windowactivate --sync "$window" key ctrl+d
    panel_shown() { panel=$(xdotool search --all --onlyvisible --pid "$app" --name '^Day$' 2>/dev/null | head -1); [ -n "$panel" ]; }
    check 32 "Ctrl+D opens the Day panel" wait_for 5 panel_shown
    if [ -n "$panel" ]; then
        holiday_copied() { xdotool windowactivate --sync "$panel" key alt+c; xclip -o -selection clipboard 2>/dev/null | grep -q "^Holidays: .*Epiphany"; }
        [ "$epiphany" == "$year-01-06" ] && check 32 "the Day panel names 6 January Epiphany, a holiday of Bavaria" wait_for 5 holiday_copied
        xdotool windowactivate --sync "$panel" key Escape
    fi
    wait_for 5 settled
    size=$(screenshot "$shots/screenshot-holidays.png" "$window")
    check 32 "screenshot of the year with Bavaria's holidays ($size)" test -s "$shots/screenshot-holidays.png"
    xdotool windowactivate --sync "$window" key ctrl+comma
    params_up() { params=$(xdotool search --all --onlyvisible --pid "$app" --name '^Parameters$' 2>/dev/null | head -1); [ -n "$params" ]; }
    check 32 "Ctrl+, opens the Parameters dialog" wait_for 5 params_up
    if [ -n "$params" ]; then
        wait_for 5 settled
        size=$(screenshot "$shots/screenshot-parameters-holidays.png" "$params")
        check 32 "screenshot of the dialog's Holidays row ($size)" test -s "$shots/screenshot-parameters-holidays.png"
        xdotool windowactivate --sync "$params" key Escape
    fi
    check 32 "a first start's choice is not kept as the user's" bash -c '! grep -q "^\[holidays\]" "$0/dorvane-state.ini" 2>/dev/null' "$folder"
    stop_program
}
journey_holidays

# ---- 33. A calendar by web address: a local HTTPS server serves an .ics, its address pasted into "Add by
# address..." marks its event's day and is kept in the state file, the copy in the user's cache
journey_web_calendar()
{
    local folder certs port chooser asker marked state
    journey "33 A calendar by web address: pasted, fetched over https, its event marked"
    if ! command -v unshare >/dev/null || ! command -v openssl >/dev/null || ! command -v python3 >/dev/null; then
        note "no unshare, openssl or python3 here: journey 33 left out"
        return
    fi
    # The server's certificate is trusted by the program alone: it sees the machine's certificates with that one
    # added, in a mount namespace of its own; the machine's store stays as it is.
    certs=$work/certs
    mkdir -p "$certs" "$work/www"
    cp -a /etc/ssl/certs/. "$certs/"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 \
        -keyout "$work/web.key" -out "$work/web.pem" 2>/dev/null
    cp "$work/web.pem" "$certs/$(openssl x509 -hash -noout -in "$work/web.pem").0"
    if [ "$(id -u)" -eq 0 ]; then program_wrap=(unshare -m); else program_wrap=(unshare -Urm); fi
    program_wrap+=(sh -c 'mount --bind "$0" /etc/ssl/certs && exec "$@"' "$certs")
    "${program_wrap[@]}" true 2>/dev/null || { note "no mount namespace here: journey 33 left out"; program_wrap=(); return; }
    marked=$(not_today "$year-04-14")
    printf '%s\r\n' BEGIN:VCALENDAR VERSION:2.0 PRODID:-//journeys//EN BEGIN:VEVENT UID:planning \
        "DTSTART;VALUE=DATE:${marked//-/}" SUMMARY:Planning END:VEVENT END:VCALENDAR >"$work/www/work.ics"
    python3 -c '
import http.server, ssl, sys, os
os.chdir(sys.argv[1])
server = http.server.HTTPServer(("127.0.0.1", 0), http.server.SimpleHTTPRequestHandler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(sys.argv[2], sys.argv[3])
server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()' "$work/www" "$work/web.pem" "$work/web.key" >"$work/web.port" 2>>"$work/web.log" &
    pids+=($!)
    wait_for 5 test -s "$work/web.port"
    port=$(head -1 "$work/web.port")
    folder=$(program_folder web 00 $'E\xb013.40' $'N\xb052.52' 1 Europe/Berlin)
    TZ=Europe/Berlin start_program "$folder"
    check 33 "the main window appears" test -n "$window"
    [ -n "$window" ] || { program_wrap=(); return; }
    wait_for 10 painted
    xdotool windowmove --sync "$window" 0 40
    xdotool windowactivate --sync "$window" key ctrl+e
    calendars_shown() { chooser=$(xdotool search --all --onlyvisible --pid "$app" --name '^Your calendars$' 2>/dev/null | head -1); [ -n "$chooser" ]; }
    check 33 "Ctrl+E opens Your calendars" wait_for 5 calendars_shown
    [ -n "$chooser" ] || { stop_program; program_wrap=(); return; }
    xdotool windowactivate --sync "$chooser" key alt+d
    asker_shown() { asker=$(xdotool search --all --onlyvisible --pid "$app" --name '^Add a calendar by address$' 2>/dev/null | head -1); [ -n "$asker" ]; }
    check 33 "Add by address... asks for the address" wait_for 5 asker_shown
    [ -n "$asker" ] || { stop_program; program_wrap=(); return; }
    xdotool windowactivate --sync "$asker" type --delay 5 "webcal://127.0.0.1:$port/work.ics"
    xdotool key --window "$asker" Tab
    xdotool type --delay 5 "Work"
    xdotool windowactivate --sync "$asker" key Return
    fetched() { grep -q "GET /work.ics" "$work/web.log"; }
    check 33 "the calendar is fetched at once over https" wait_for 10 fetched
    cached() { ls "$XDG_CACHE_HOME"/dorvane/web/*.ics >/dev/null 2>&1; }
    check 33 "its copy is kept in the user's cache" wait_for 10 cached
    event_marked() { local n cell; cell=$(day_cell 4 "$marked"); n=$(count_colour green $((${cell% *} - 13)) $((${cell#* } - 7)) 27 15); ((n >= 6)) || { note "cell $cell of $marked: $n green pixels"; false; }; }
    check 33 "its event's day shows the event mark" wait_for 10 event_marked
    wait_for 5 settled
    check 33 "screenshot of Your calendars with the web calendar's line" \
        screenshot "$shots/screenshot-webcalendar.png" "$chooser"
    xdotool windowactivate --sync "$chooser" key Escape
    stop_program
    program_wrap=()
    state=$folder/dorvane-state.ini
    check 33 "the state file keeps the address, prefs.cal does not" \
        bash -c "grep -q '127.0.0.1:$port/work.ics' '$state' && ! grep -q '127.0.0.1' '$folder/prefs.cal'"
    check 33 "the state file holding an address is the user's alone" bash -c "[ \"\$(stat -c %a '$state')\" = 600 ]"
}
journey_web_calendar

if [ "$failed" -ne 0 ]; then
    echo "---- program output"
    cat "$work/app.log"
fi
finish
