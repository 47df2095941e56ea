#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Removes an installed Dorvane: the program folder's files, the desktop entry and the icon.
# Your prefs.cal stays unless you pass --purge.
# usage: bash scripts/uninstall.sh [--purge] [install folder, default ~/.local/opt/dorvane]
set -euo pipefail
purge=0
if [ "${1:-}" = "--purge" ]; then purge=1; shift; fi
prefix="${1:-$HOME/.local/opt/dorvane}"
data_home="${DORVANE_DATA_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}}"
rm -f "$prefix/dorvane" "$prefix/dorvane.png" "$prefix/prefs.cal.default"
rm -rf "$prefix/share/dorvane/holidays"
rmdir "$prefix/share/dorvane" "$prefix/share" 2>/dev/null || true
rm -f "$data_home/applications/org.dorvane.Dorvane.desktop" "$data_home/applications/dorvane.desktop" \
    "$data_home/dbus-1/services/org.dorvane.Dorvane.service" "$data_home/icons/hicolor/32x32/apps/dorvane.png"
if [ "$purge" = 1 ]; then rm -f "$prefix/prefs.cal"; fi
rmdir "$prefix" 2>/dev/null || true
echo "Dorvane removed from $prefix"
