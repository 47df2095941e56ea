#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a scratch folder and checks what a user gets: a self-contained folder whose
# prefs.cal survives a reinstall, a desktop entry pointing at it, an icon, and a clean uninstall.
set -u
build="$1"; source_dir="$2"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
prefix="$work/opt/dorvane"; export DORVANE_DATA_HOME="$work/share"
passed=0; failed=0
check() { if eval "$2"; then passed=$((passed+1)); else failed=$((failed+1)); echo "FAIL: $1"; fi; }

# A machine in UTC has no place of its own: it gets the sample.
TZ=UTC cmake --install "$build" --prefix "$prefix" >/dev/null
check "program installed" "[ -x '$prefix/dorvane' ]"
check "the sample preferences beside it in UTC" "[ -f '$prefix/prefs.cal' ] && cmp -s '$prefix/prefs.cal' '$source_dir/assets/prefs.cal.default'"
check "desktop entry runs the installed program" "grep -qx 'Exec=\"$prefix/dorvane\"' '$DORVANE_DATA_HOME/applications/org.dorvane.Dorvane.desktop'"
check "the session bus starts the installed program by its name" \
    "grep -qx 'Exec=\"$prefix/dorvane\"' '$DORVANE_DATA_HOME/dbus-1/services/org.dorvane.Dorvane.service'"
check "the holidays as files of their own beside it" \
    "cmp -s '$prefix/share/dorvane/holidays/DE.txt' '$source_dir/assets/holidays/DE.txt' && [ -f '$prefix/share/dorvane/holidays/index.txt' ]"
check "icon in the hicolor theme" "[ -f '$DORVANE_DATA_HOME/icons/hicolor/32x32/apps/dorvane.png' ]"
TZ=Europe/Berlin cmake --install "$build" --prefix "$work/berlin" >/dev/null
check "Berlin's zone and place in Berlin" \
    "cmp -s '$work/berlin/prefs.cal' <(printf '01\r\nE\xb013.37\r\nN\xb052.50\r\n1\r\nEurope/Berlin\r\n')"
printf '11\r\nW\xb010\r\nN\xb020\r\n3\r\n' > "$prefix/prefs.cal"
TZ=Europe/Berlin cmake --install "$build" --prefix "$prefix" >/dev/null
check "a reinstall keeps the user's preferences" "[ \"\$(head -c 2 '$prefix/prefs.cal')\" = 11 ]"
bash "$source_dir/scripts/uninstall.sh" "$prefix" >/dev/null
check "uninstall removes the program and its holidays" "[ ! -e '$prefix/dorvane' ] && [ ! -e '$prefix/share/dorvane/holidays' ]"
check "uninstall removes the desktop entry and the bus's service file" \
    "[ ! -e '$DORVANE_DATA_HOME/applications/org.dorvane.Dorvane.desktop' ] && [ ! -e '$DORVANE_DATA_HOME/dbus-1/services/org.dorvane.Dorvane.service' ]"
check "uninstall keeps the preferences" "[ -f '$prefix/prefs.cal' ]"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
