#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, installs it on this machine and checks what a user of a system install gets: the
# program in /usr/bin with its desktop entry, icons, AppStream metadata, manual page, copyright and changelog, a
# package lintian finds clean (no error or warning), metadata appstreamcli and desktop-file-validate accept, a first
# start as an ordinary user (fresh home, TZ=Europe/Berlin) that writes ~/.config/dorvane/prefs.cal with Berlin's zone
# and place, a start with a read-only ~/.config that says so once and goes on, the German dialog under
# LANG=de_DE.UTF-8, and a removal of the package that leaves the user's file alone. Needs root (dpkg -i); CI runs as
# root.
# usage: bash tests/install/check-deb.sh
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "check-deb: run as root (installs a package)"; exit 2; }
for tool in cmake cpack dpkg dpkg-deb dpkg-shlibdeps appstreamcli lintian desktop-file-validate Xvfb openbox trayer xdotool xprop xwininfo \
    xdpyinfo runuser useradd; do
    command -v "$tool" >/dev/null || { echo "check-deb: missing $tool (run scripts/install-deps.sh)"; exit 2; }
done

# shellcheck source=../e2e/harness.sh
source "$root/tests/e2e/harness.sh" check-deb
chmod 755 "$work"
user=dorvane-check
created_user=0
was_installed=0
dpkg-query -W -f='${db:Status-Status}' dorvane 2>/dev/null | grep -qx installed && was_installed=1
# Leaves the machine as it was: the package purged unless it was there before, the test user gone.
harness_tidy()
{
    if [ "$was_installed" = 0 ] && dpkg-query -W dorvane >/dev/null 2>&1; then
        dpkg --purge dorvane >/dev/null 2>&1
    fi
    [ "$created_user" = 1 ] && userdel "$user" 2>/dev/null
}

# ---- The package
cd "$root" || exit 2
if ! { cmake --preset deb >"$work/build.log" 2>&1 && cmake --build --preset deb >>"$work/build.log" 2>&1 &&
    (cd build/deb && cpack -G DEB) >>"$work/build.log" 2>&1; }; then
    tail -30 "$work/build.log"
    echo "FAIL  the package builds"
    exit 1
fi
deb=$(ls -t build/deb/dorvane_*.deb 2>/dev/null | head -1)
check "the package builds" test -f "$deb"
echo "      package: $deb"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
has() { grep -qx "$1" <<<"$contents"; }
check "the program in /usr/bin" has ./usr/bin/dorvane
# Where the program looks for it, from /usr/bin.
check "the web calendars' fetch module in the program's library folder" \
    has "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/dorvane/dorvane-webfetch.so"
check "the desktop entry" has ./usr/share/applications/org.dorvane.Dorvane.desktop
for size in 16 22 24 32 48 64 128 256; do
    check "the icon at ${size}x$size in the hicolor theme" has ./usr/share/icons/hicolor/${size}x$size/apps/dorvane.png
done
check "the scalable icon" has ./usr/share/icons/hicolor/scalable/apps/dorvane.svg
check "the session bus's service file" has ./usr/share/dbus-1/services/org.dorvane.Dorvane.service
check "the manual page" has ./usr/share/man/man1/dorvane.1.gz
check "the copyright file" has ./usr/share/doc/dorvane/copyright
check "the holidays as files of their own" has ./usr/share/dorvane/holidays/index.txt
check "the changelog" has ./usr/share/doc/dorvane/changelog.gz
check "the AppStream metadata" has ./usr/share/metainfo/org.dorvane.Dorvane.metainfo.xml
check "no settings file in the package" bash -c '! grep -q prefs.cal <<<"$0"' "$contents"
depends=$(dpkg-deb -f "$deb" Depends)
echo "      depends: $depends"
check "depends on the Qt widgets library it links" bash -c '[[ $0 == *libqt6widgets6* ]]' "$depends"
check "depends on the time-zone database" bash -c '[[ $0 == *tzdata* ]]' "$depends"
check "depends on Qt's own translations" bash -c '[[ $0 == *qt6-translations-l10n* ]]' "$depends"
check "depends on the iCalendar library it links" bash -c '[[ $0 == *libical3* ]]' "$depends"
dpkg-deb -x "$deb" "$work/unpacked"
metainfo=$work/unpacked/usr/share/metainfo/org.dorvane.Dorvane.metainfo.xml
# --strict fails on any warning or info; the one pedantic hint left is the upper-case D of the id, which is the
# program's name on the session bus.
check "appstreamcli accepts the metadata with no warning" appstreamcli validate --pedantic --strict --no-net "$metainfo"
check "the metadata has screenshots, addresses, developer, release notes and branding" bash -c \
    'for tag in "<screenshot type=\"default\">" "<caption>" "<url type=\"homepage\">" "<url type=\"bugtracker\">" \
        "<developer_name>" "<release version=" "<branding>" "<keywords>" "<binary>dorvane</binary>"; do
        grep -qF "$tag" "$0" || { echo "      missing $tag"; exit 1; }; done' "$metainfo"
check "desktop-file-validate accepts the desktop entry with nothing to say" bash -c \
    'out=$(desktop-file-validate "$0" 2>&1) && [ -z "$out" ] || { echo "$out"; exit 1; }' \
    "$work/unpacked/usr/share/applications/org.dorvane.Dorvane.desktop"
check "the licence is the GPL, version 3 or later, in the copyright file and the metadata" bash -c \
    'grep -qx "License: GPL-3+" "$0" && grep -q "/usr/share/common-licenses/GPL-3" "$0" &&
        grep -q "<project_license>GPL-3.0-or-later</project_license>" "$1" && ! grep -q LicenseRef "$0" "$1"' \
    "$work/unpacked/usr/share/doc/dorvane/copyright" "$metainfo"
# Clean: any error or warning fails; the notes lintian gives for information are shown.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1
lintian_status=$?
sed 's/^/      lintian: /' "$work/lintian.log"
check "lintian finds no error or warning" test "$lintian_status" -eq 0
check "the program is stripped" bash -c \
    '! file -L "$0" | grep -q "not stripped"' "$work/unpacked/usr/bin/dorvane"
check "the program does not load the network library at start" bash -c \
    '! readelf -d "$0" | grep -q "libQt6Network"' "$work/unpacked/usr/bin/dorvane"
check "the desktop entry runs /usr/bin/dorvane, activated through the session bus" bash -c \
    'grep -qx "Exec=\"/usr/bin/dorvane\"" "$0" && grep -qx DBusActivatable=true "$0"' \
    "$work/unpacked/usr/share/applications/org.dorvane.Dorvane.desktop"
check "the bus starts /usr/bin/dorvane by its name" grep -qx 'Exec="/usr/bin/dorvane"' \
    "$work/unpacked/usr/share/dbus-1/services/org.dorvane.Dorvane.service"

# ---- Installed, started by an ordinary user
check "dpkg installs the package" dpkg -i "$deb"
check "the program is installed" test -x /usr/bin/dorvane
if ! id "$user" >/dev/null 2>&1; then
    # Its home in the password database, where a start without HOME must look.
    useradd --no-create-home --home-dir "$work/account" --shell /usr/sbin/nologin "$user" && created_user=1
fi
home="$work/home"
mkdir -p "$home" && chown "$user:" "$home"

# shellcheck source=../e2e/desktop.sh
source "$root/tests/e2e/desktop.sh"
start_desktop check-deb || finish
runuser -u "$user" -- env -i HOME="$home" TZ=Europe/Berlin DISPLAY="$DISPLAY" LC_ALL=C.UTF-8 PATH=/usr/bin:/bin \
    /usr/bin/dorvane >"$work/app.log" 2>&1 &
pids+=($!)
# --name ignores case: "^Dorvane" alone also finds the toolkit's hidden leader window "dorvane".
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Dorvane ' 2>/dev/null | head -1)
check "the main window appears for an ordinary user" test -n "$window"
settings="$home/.config/dorvane/prefs.cal"
wait_for 20 test -s "$settings"
printf '01\r\nE\xb013.37\r\nN\xb052.50\r\n1\r\nEurope/Berlin\r\n' >"$work/berlin.cal"
check "first start writes Berlin's zone and place to ~/.config/dorvane/prefs.cal" cmp -s "$settings" "$work/berlin.cal"
check "the settings file belongs to the user" bash -c '[ "$(stat -c %U "$0")" = "$1" ]' "$settings" "$user"
check "nothing is written beside the program" test ! -e /usr/bin/prefs.cal

# Save from the Parameters dialog writes the same file: tick "Display military time" and press Save.
geometry() { client_geometry "$1"; }
dialog=
dialog_shown() { dialog=$(xdotool search --onlyvisible --name '^Parameters$' 2>/dev/null | head -1); [ -n "$dialog" ]; }
dialog_gone() { ! dialog_shown; }
boxes() { xdotool search --onlyvisible --name '^Dorvane$' 2>/dev/null; }
box_shown() { [ -n "$(boxes)" ]; }
first_line_is() { [ "$(head -c 2 "$settings" 2>/dev/null)" = "$1" ]; }
if [ -n "$window" ] && [ -z "$(boxes)" ] && geometry "$window"; then
    # The wrench: toolbar button at left 670, width 29, in the toolbar at top 428.
    xdotool mousemove $((X - 1 + 670 + 14)) $((Y + 428 + 12)) click 1
    wait_for 5 dialog_shown && geometry "$dialog" &&
        xdotool mousemove $((X + 15)) $((Y + 115)) click 1 mousemove $((X + 101)) $((Y + 149)) click 1
    # Ticking military time asks for a restart; the box closes with Return.
    wait_for 10 box_shown && xdotool windowactivate --sync "$(boxes | head -1)" key --clearmodifiers Return >/dev/null
    # Military time ticked, the first start's hints kept on.
    check "Save writes the user's file" wait_for 10 first_line_is 11
    check "Save keeps the zone and place" cmp -s <(tail -c +3 "$settings") <(tail -c +3 "$work/berlin.cal")
else
    echo "FAIL  Save writes the user's file (the main window is missing or a message box is open)"
    failed=$((failed + 1))
fi
kill "${pids[-1]}" 2>/dev/null && wait "${pids[-1]}" 2>/dev/null
[ -f "$settings" ] && cp "$settings" "$work/settings.before"

# A read-only ~/.config: the first start says it cannot create the file, once, and the program goes on.
locked="$work/locked"
mkdir -p "$locked/.config" && chown -R "$user:" "$locked" && chmod 555 "$locked/.config"
runuser -u "$user" -- env -i HOME="$locked" TZ=Europe/Berlin DISPLAY="$DISPLAY" LC_ALL=C.UTF-8 PATH=/usr/bin:/bin \
    /usr/bin/dorvane >"$work/locked.log" 2>&1 &
pids+=($!)
main_shown() { [ -n "$(xdotool search --onlyvisible --name '^Dorvane ' 2>/dev/null)" ]; }
check "read-only ~/.config: the main window appears" wait_for 30 main_shown
check "read-only ~/.config: a box says so" wait_for 10 box_shown
[ -n "$(boxes)" ] && xdotool windowactivate --sync "$(boxes | head -1)" key --clearmodifiers Return
check "read-only ~/.config: one box only" bash -c 'sleep 2; [ -z "$(xdotool search --onlyvisible --name "^Dorvane\$" 2>/dev/null)" ]'
check "read-only ~/.config: the program runs on" kill -0 "${pids[-1]}"
check "read-only ~/.config: no file written" test ! -e "$locked/.config/dorvane"
kill "${pids[-1]}" 2>/dev/null && wait "${pids[-1]}" 2>/dev/null

# A German user: the dialog speaks German, from the catalogues built into the program.
runuser -u "$user" -- env -i HOME="$home" TZ=Europe/Berlin DISPLAY="$DISPLAY" LANG=de_DE.UTF-8 PATH=/usr/bin:/bin \
    /usr/bin/dorvane >"$work/german.log" 2>&1 &
pids+=($!)
german=
german_shown() { german=$(xdotool search --onlyvisible --name '^Dorvane ' 2>/dev/null | head -1); [ -n "$german" ]; }
german_dialog() { [ -n "$(xdotool search --onlyvisible --name '^Einstellungen$' 2>/dev/null)" ]; }
if wait_for 30 german_shown && geometry "$german"; then
    xdotool mousemove $((X - 1 + 670 + 14)) $((Y + 428 + 12)) click 1
    check "LANG=de_DE.UTF-8: the Parameters dialog is called Einstellungen" wait_for 10 german_dialog
else
    echo "FAIL  LANG=de_DE.UTF-8: the main window appears"
    failed=$((failed + 1))
fi
kill "${pids[-1]}" 2>/dev/null && wait "${pids[-1]}" 2>/dev/null

# No HOME at all: the first start finds the account's home in the password database, never "//.config".
if [ "$created_user" = 1 ]; then
    mkdir -p "$work/account" && chown "$user:" "$work/account"
    runuser -u "$user" -- env -i TZ=Europe/Berlin DISPLAY="$DISPLAY" LC_ALL=C.UTF-8 PATH=/usr/bin:/bin \
        /usr/bin/dorvane >"$work/nohome.log" 2>&1 &
    pids+=($!)
    check "no HOME: the main window appears" wait_for 30 main_shown
    check "no HOME: the first start writes the account's ~/.config/dorvane/prefs.cal" \
        wait_for 20 cmp -s "$work/account/.config/dorvane/prefs.cal" "$work/berlin.cal"
    check "no HOME: no box" bash -c 'sleep 2; [ -z "$(xdotool search --onlyvisible --name "^Dorvane\$" 2>/dev/null)" ]'
    kill "${pids[-1]}" 2>/dev/null && wait "${pids[-1]}" 2>/dev/null
else
    echo "      no HOME: left out, $user existed before with a home of its own"
fi

# ---- Removal
check "dpkg removes the package" dpkg -r dorvane
check "the program is gone" test ! -e /usr/bin/dorvane
check "removal leaves the user's prefs.cal alone" cmp -s "$settings" "$work/settings.before"
dpkg --purge dorvane >/dev/null 2>&1
check "purging leaves the user's prefs.cal alone" cmp -s "$settings" "$work/settings.before"
finish
