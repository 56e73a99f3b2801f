#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up the machine, builds Tintaloo and starts it. Extra arguments go to
# the program (for example --data-dir DIR).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup-debian.sh"
"$here/scripts/build.sh" -DTINTALOO_BUILD_TESTS=OFF -DTINTALOO_BUILD_BENCH=OFF
exec "${TINTALOO_BUILD_DIR:-$here/build}/src/tintaloo" "$@"
