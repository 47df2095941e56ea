# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the real-window checks: a scratch folder, the processes to stop at the end, counted checks and polling.
# usage: source harness.sh NAME
# Sets $work (removed at exit) and the array pids (stopped at exit, last started first); a caller that needs more
# tidying defines harness_tidy, which runs before the folder goes.
harness_name=$1
work=$(mktemp -d)
pids=()
harness_cleanup()
{
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null
    done
    if declare -F harness_tidy >/dev/null; then
        harness_tidy
    fi
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    rm -rf "$work"
}
trap harness_cleanup EXIT
# A session bus of the run's own, as a desktop has one: the programs started here find each other on it, and never
# a copy running on the bus of the desktop the checks are started from.
bus_pid=
if command -v dbus-daemon >/dev/null; then
    DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$work/bus.pid")
    export DBUS_SESSION_BUS_ADDRESS
    bus_pid=$(cat "$work/bus.pid")
fi
# The user's settings of the run's own: the desktop's autostart folder is the one the checks write.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
# And the user's data: the days the checks mark.
export XDG_DATA_HOME=$work/data
# And the cache the calendars fetched by web address are kept in.
export XDG_CACHE_HOME=$work/cache
trap 'exit 130' INT TERM

started=$SECONDS
passed=0
failed=0
# check TEXT COMMAND...: one line per condition.
check()
{
    local text=$1
    shift
    if "$@"; then
        echo "ok    $text"
        passed=$((passed + 1))
    else
        echo "FAIL  $text"
        failed=$((failed + 1))
    fi
}
note() { echo "      $*"; }
now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }
# Polls a condition every 0.1 s until it holds or $1 seconds of clock time have passed.
wait_for()
{
    local end=$(($(now_us) + $1 * 1000000))
    shift
    until "$@"; do
        (($(now_us) < end)) || return 1
        sleep 0.1
    done
}
finish()
{
    echo "$harness_name took $((SECONDS - started)) s"
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit $?
}
