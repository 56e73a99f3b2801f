#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a real X server with a window manager: Tintaloo runs, its windows are
# minimised, and a second start on the same data folder brings them back and
# ends at once with 0, while the first keeps running.
#   second-start-raises.sh PROGRAM
# Exit 77 (a skip for CTest) when Xvfb, openbox or xdotool is missing.
set -u
program=$1
missing=()
command -v Xvfb >/dev/null || missing+=("Xvfb (package xvfb)")
command -v openbox >/dev/null || missing+=("openbox (package openbox)")
command -v xdotool >/dev/null || missing+=("xdotool (package xdotool)")
if [ "${#missing[@]}" -gt 0 ]; then
  printf 'SKIPPED: needs a real X server and window manager: missing %s\n' "${missing[@]}"
  exit 77
fi

work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; cat "$work"/*.log 2>/dev/null; exit 1; }

# A display number nobody uses: Xvfb refuses a taken one.
for n in $(seq 0 20); do
  display=:$((400 + (RANDOM % 200)))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  sleep 1
  kill -0 "$xvfb" 2>/dev/null && break
done
pids+=("$xvfb")
export DISPLAY=$display
# Windows are found by their English captions, whatever the machine's language.
export LANGUAGE=en
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
pids+=("$!")
sleep 1

# Settings already made, so the program goes straight to the picture browser.
mkdir -p "$work/data"
printf ' 0 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n' >"$work/data/Settings.ini"
"$program" --data-dir "$work/data" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
visible() { xdotool search --onlyvisible --name '^The Tintaloo$' 2>/dev/null | sort; }
for _ in $(seq 1 50); do [ -n "$(visible)" ] && break; sleep 0.2; done
# Start-up ends with the picture browser open over the main window.
sleep 3
shown=$(visible)
[ -n "$shown" ] || fail "the program showed no window"

for w in $shown; do xdotool windowminimize "$w"; done
for _ in $(seq 1 25); do [ -z "$(visible)" ] && break; sleep 0.2; done
[ -z "$(visible)" ] || fail "the windows could not be minimised"

timeout 20 "$program" --data-dir "$work/data" >"$work/second.log" 2>&1
rc=$?
[ "$rc" = 0 ] || fail "the second start ended with $rc"
for _ in $(seq 1 25); do [ "$(visible)" = "$shown" ] && break; sleep 0.2; done
[ "$(visible)" = "$shown" ] || fail "the running program did not come back to the front: shown [$shown] now [$(visible)]"
kill -0 "$first" 2>/dev/null || fail "the first program ended"
echo "second start: ended with 0 and brought the running program to the front"
