#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Retakes the screenshots that the software-centre description shows
# (resources/screenshots), from the program in the build folder, on a private
# virtual X server at 1024 x 768: the picture browser, and a picture being
# coloured. Needs xvfb, xdotool and imagemagick.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
program=${TINTALOO_BUILD_DIR:-$here/build}/src/tintaloo
out=$here/resources/screenshots
for t in Xvfb xdotool import; do
  command -v $t >/dev/null || { echo "screenshots: $t missing: apt-get install -y xvfb xdotool imagemagick" >&2; exit 2; }
done

work=$(mktemp -d)
display=:$((300 + RANDOM % 300))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display
# The software centre shows the English screenshots.
export LANGUAGE=en
sleep 1
# Settings that skip the first-run welcome: sound off, buttons shown.
mkdir -p "$work/data"
printf ' 0 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n' >"$work/data/Settings.ini"
"$program" --data-dir "$work/data" >"$work/log" 2>&1 &
app=$!
sleep 5
import -window root "$out/browser.png"

# Pick the butterfly, then colour a few of its rooms with bubbles of the
# palette: find a bubble of a wanted colour on screen and click it.
xdotool mousemove 490 455 click 1
sleep 2
pick() { # r g b: click the middle of the bubble nearest to that colour
  import -window root -crop 290x120+734+4 -depth 8 txt:- | python3 -c '
import re, sys
want = [int(v) for v in sys.argv[1:4]]
pixels = []
for line in sys.stdin:
    m = re.match(r"(\d+),(\d+): \((\d+),(\d+),(\d+)", line)
    if m:
        x, y, r, g, b = map(int, m.groups())
        pixels.append(((r - want[0]) ** 2 + (g - want[1]) ** 2 + (b - want[2]) ** 2, x, y))
best = min(pixels)
near = [(x, y) for d, x, y in pixels if d <= best[0] + 2500 and abs(x - best[1]) < 14 and abs(y - best[2]) < 14]
x = sum(p[0] for p in near) / len(near)
y = sum(p[1] for p in near) / len(near)
# Bubbles rise a few pixels before the click lands.
print(int(x) + 734, int(y) + 4 - 3)' "$@"
}
xdotool mousemove 510 65 click 1   # the paintbrush
sleep 0.5
backdrop_near() { # r g b: is the backdrop (the current colour) close to it?
  import -window root -crop 1x1+40+400 -depth 8 txt:- | python3 -c '
import re, sys
want = [int(v) for v in sys.argv[1:4]]
for line in sys.stdin:
    m = re.match(r"\d+,\d+: \((\d+),(\d+),(\d+)", line)
    if m:
        got = [int(v) for v in m.groups()]
        sys.exit(0 if sum((a - b) ** 2 for a, b in zip(got, want)) < 90 ** 2 else 1)
sys.exit(1)' "$@"
}
fill() { # r g b then points of a stroke
  local r=$1 g=$2 b=$3; shift 3
  for _ in $(seq 1 12); do
    read -r x y < <(pick "$r" "$g" "$b")
    xdotool mousemove "$x" "$y" click 1
    sleep 0.4
    backdrop_near "$r" "$g" "$b" && break
  done
  xdotool mousemove "$1" "$2" mousedown 1
  shift 2
  while [ $# -ge 2 ]; do xdotool mousemove "$1" "$2"; sleep 0.02; shift 2; done
  xdotool mouseup 1
  sleep 0.3
}
fill 255 40 40   300 380 330 420 380 440 460 430 470 390 420 300 350 300
fill 255 150 30  720 380 690 420 640 440 560 430 550 390 600 300 670 300
fill 40 120 255  380 500 420 580 470 590 480 520 440 480
fill 40 200 80   640 500 600 580 550 590 540 520 580 480
fill 255 220 40  500 520 512 470 520 520 512 540
fill 150 90 230  210 585 224 592 212 596
fill 40 120 255  800 585 812 592 802 596
sleep 1
import -window root "$out/colouring.png"
echo "screenshots: $out/browser.png $out/colouring.png"
