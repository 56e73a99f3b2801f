#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package tintaloo_6.0_amd64.deb with CPack into the build
# folder (build/ or $TINTALOO_BUILD_DIR), reusing what is built there already.
# Its dependencies are computed by dpkg-shlibdeps (package dpkg-dev).
#   scripts/build-deb.sh          prints the package's path when done
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${TINTALOO_BUILD_DIR:-$here/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  "$here/scripts/build.sh" -DTINTALOO_BUILD_TESTS=OFF -DTINTALOO_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/tintaloo_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
[ -f "$deb" ] || { echo "build-deb: $deb was not made" >&2; cat "$build/cpack.log"; exit 1; }
echo "$deb"
