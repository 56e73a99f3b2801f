#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package that building, testing and running Tintaloo
# needs. Safe to run any number of times.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
  libturbojpeg0-dev libjpeg-turbo-progs
  libgtest-dev googletest libbenchmark-dev
  fonts-comic-neue fonts-ebgaramond
  # Translations: lupdate and lrelease, CMake's qt_add_translations, and Qt's
  # own texts of the file and print dialogs in each language.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  qt6-qpa-plugins libgl-dev
  # Wayland: the shortcuts inhibitor (Qt's Wayland client, the protocol, and
  # Qt's private platform header that leads to a window's surface), and XCB
  # for telling XWayland that the program may grab the keyboard.
  qt6-wayland qt6-wayland-dev wayland-protocols qt6-base-private-dev
  libwayland-dev libwayland-bin libxcb1-dev
  clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream shared-mime-info
  # the printing test runs its own print server with a PDF queue
  cups-daemon cups-client cups-filters
  # The real-window tests (tests/e2e): a virtual X server, a window manager,
  # input and window queries (xprop, xwininfo, xmessage come with x11-utils).
  xvfb openbox xdotool x11-utils
  # The Wayland tests (tests/wayland): a headless compositor, keys, screenshots.
  sway wtype grim
)
# Only for taking screenshots of the running program by hand.
if [ "${TINTALOO_WITH_X:-0}" = 1 ]; then
  packages+=(imagemagick)
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
