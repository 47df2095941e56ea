# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the real-window checks: starts an X server, a window manager and a notification-area host.
# The caller provides $work (a scratch folder), the array pids (what to stop at the end) and wait_for SECONDS CMD...
# usage: start_desktop NAME   (NAME prefixes the messages)
start_desktop()
{
    local name=$1 display
    # -displayfd lets the server choose a free display number, so parallel runs never collide.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    wait_for 20 test -s "$work/display"
    display=$(tr -dc 0-9 <"$work/display")
    if [ -z "$display" ]; then
        echo "$name: Xvfb did not start"
        cat "$work/xvfb.log"
        return 1
    fi
    export DISPLAY=":$display"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    export LC_ALL=C.UTF-8
    wait_for 20 xdpyinfo >/dev/null 2>&1

    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 20 desktop_wm_running || echo "$name: openbox did not announce itself"

    trayer --edge top --align right --widthtype pixel --width 100 --height 24 >"$work/trayer.log" 2>&1 &
    pids+=($!)
    wait_for 20 desktop_tray_ready || echo "$name: trayer did not start"
}

desktop_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
desktop_tray_panel() { xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}'; }
desktop_tray_ready() { [ -n "$(desktop_tray_panel)" ]; }
# client_geometry WINDOW: sets X, Y, W and H to the window's client area (openbox moves the client inside its frame).
client_geometry()
{
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    X=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    Y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    W=$(awk '/Width:/ {print $2}' <<<"$info")
    H=$(awk '/Height:/ {print $2}' <<<"$info")
}
