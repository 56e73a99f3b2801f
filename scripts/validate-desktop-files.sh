#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the menu entry, the software-centre description and the picture-pack
# MIME type with the freedesktop.org tools, as a distribution would.
#   scripts/validate-desktop-files.sh [FOLDER]   (default resources/desktop)
# Exit 77 (a skip for CTest) when a tool is not installed, naming its package.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$here/resources/desktop}

missing=()
command -v desktop-file-validate >/dev/null || missing+=("desktop-file-validate (package desktop-file-utils)")
command -v appstreamcli >/dev/null || missing+=("appstreamcli (package appstream)")
command -v update-mime-database >/dev/null || missing+=("update-mime-database (package shared-mime-info)")
if [ "${#missing[@]}" -gt 0 ]; then
  printf 'SKIPPED: cannot validate the desktop files: missing %s\n' "${missing[@]}"
  exit 77
fi

desktop-file-validate "$dir/org.example.Tintaloo.desktop"
appstreamcli validate --no-net "$dir/org.example.Tintaloo.metainfo.xml"
# The MIME type must compile into a database and map *.tpk to the pack type.
mime=$(mktemp -d)
trap 'rm -rf "$mime"' EXIT
mkdir -p "$mime/packages"
cp "$dir/org.example.Tintaloo.mime.xml" "$mime/packages/"
# (It warns that the temporary folder is not searched; that is expected.)
XDG_DATA_DIRS="$(dirname "$mime")" update-mime-database "$mime" >/dev/null 2>"$mime/log" || { cat "$mime/log"; exit 1; }
if grep -qiE 'error|invalid|unknown' "$mime/log"; then cat "$mime/log"; exit 1; fi
grep -q '^application/x-tintaloo-pack:\*\.tpk$' "$mime/globs"
echo "desktop files: desktop entry, metainfo and MIME type are valid"
