#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages needed to build, run and test Dorvane; a no-op when they are all present.
set -euo pipefail

packages=(
    cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    pkg-config libgweather-4-dev libgweather-4-common
    clang libclang-rt-14-dev clang-format
    xvfb openbox xdotool trayer x11-utils imagemagick fonts-dejavu-core xauth faketime
    qt6-wayland weston
    locales-all
    libbenchmark-dev valgrind strace
    libnova-dev python3-ephem xclip poppler-utils
    libical-dev
    dpkg-dev appstream lintian desktop-file-utils file
    dbus-daemon dbus-bin
)

# One query for all; a package only known from leftover configuration files counts as missing.
installed=$(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
    grep -qx "installed $p" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to install: ${missing[*]}"; exit 1; }
    as_root=(sudo)
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
