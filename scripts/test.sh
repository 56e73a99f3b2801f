#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up the machine, builds everything, runs each fuzzer briefly on its seed
# corpus, builds the Debian package and starts it unpacked, and runs every
# test headless.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup-debian.sh"
# Without debug information the cold build of CI links in far less time.
CMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-Release} "$here/scripts/build.sh" -DTINTALOO_BUILD_TESTS=ON \
  -DTINTALOO_BUILD_BENCH=ON "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG"
FUZZ_SECONDS=${FUZZ_SECONDS:-20} "$here/scripts/fuzz.sh"
"$here/scripts/check-package.sh"
cd "${TINTALOO_BUILD_DIR:-$here/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 300
