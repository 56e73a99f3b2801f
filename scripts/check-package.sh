#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, unpacks it into a temporary root (dpkg -x) and
# starts the unpacked program headless, as CI does:
#   - --version answers "The Tintaloo Version 6.0";
#   - on a fresh --data-dir it seeds the folder from the package's own default
#     books and help, and is still running a few seconds later, waiting in the
#     first-run welcome; a second start on that folder is answered by it (so
#     its event loop runs) and ends at once.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
deb=$("$here/scripts/build-deb.sh")

root=$(mktemp -d)
pid=
cleanup() { if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi; rm -rf "$root"; }
trap cleanup EXIT
fail() { echo "check-package: FAILED: $*" >&2; [ -f "$root/first.log" ] && cat "$root/first.log" >&2; exit 1; }

dpkg -x "$deb" "$root/pkg"
echo "check-package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB, $(dpkg -c "$deb" | grep -vc '/$') files"
dpkg-deb -f "$deb" Depends | sed 's/^/check-package: Depends: /'
if command -v lintian >/dev/null; then
  lint=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $lint"
  echo "check-package: lintian finds nothing to complain about"
else
  echo "check-package: lintian not installed, Debian policy not checked (apt-get install lintian)"
fi
program="$root/pkg/usr/bin/tintaloo"
[ -x "$program" ] || fail "no usr/bin/tintaloo in the package"
export QT_QPA_PLATFORM=offscreen
# The English answers are compared, whatever the machine's language.
export LANGUAGE=en

version=$("$program" --version)
[ "$version" = "The Tintaloo Version 6.0" ] || fail "--version said '$version'"

data="$root/data"
"$program" --data-dir "$data" >"$root/first.log" 2>&1 &
pid=$!
packaged=$(cd "$root/pkg/usr/share/tintaloo" && find . -type f | sort)
seeded=
for _ in $(seq 1 100); do
  if [ -f "$data/.tintaloo.lock" ] && [ -d "$data/books" ] && [ -d "$data/help" ]; then
    seeded=$(cd "$data" && find ./books ./help -type f | sort)
    [ "$packaged" = "$seeded" ] && break
  fi
  kill -0 "$pid" 2>/dev/null || fail "the program ended during start-up"
  sleep 0.2
done
[ "$packaged" = "$seeded" ] || fail "the data folder was not seeded with the packaged default books and help"
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the program did not stay open at the first-run welcome"

second=$(timeout 20 "$program" --data-dir "$data" 2>&1) || fail "a second start failed: $second"
case $second in *"did not answer"*) fail "the running program did not answer a second start: $second";; esac
kill -0 "$pid" 2>/dev/null || fail "the first program ended when the second started"
echo "check-package: the unpacked program starts, seeds $(echo "$seeded" | wc -l) files and waits at the welcome"
