#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the hostile and unusual picture files the tests read. The files are
# kept in the repository; run this again only to change them. Needs python3,
# gzip, cjpeg and jpegtran (libjpeg-turbo-progs).
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An SVG that uses itself: a decoder that follows the reference never ends.
cat > self-referencing-svg.bmp <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"><use xlink:href="#a"/><g id="a"><use xlink:href="#a"/></g></svg>
SVG

# A plain SVG, gzip'd, under a BMP name.
printf '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64"><rect width="64" height="64" fill="red"/></svg>\n' \
  | gzip -9n > gzipped-svg.bmp

python3 - "$work" <<'PY'
import struct, sys
work = sys.argv[1]

# A 3 x 2 top-down BMP (negative height): red green blue / white black grey.
w, h = 3, 2
rows = [[(255, 0, 0), (0, 255, 0), (0, 0, 255)], [(255, 255, 255), (0, 0, 0), (128, 128, 128)]]
stride = (3 * w + 3) & ~3
pixels = b''
for row in rows:  # the first stored row is the top row
    line = b''.join(bytes((b, g, r)) for (r, g, b) in row)
    pixels += line + b'\0' * (stride - len(line))
header = b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, w, -h, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
open('top-down.bmp', 'wb').write(header + info + pixels)

# A 16 x 16 colour source for the many-scans JPEG.
with open(work + '/source.ppm', 'wb') as f:
    f.write(b'P6 16 16 255\n')
    f.write(bytes(v for y in range(16) for x in range(16) for v in (x * 16, y * 16, (x * y) & 255)))

PY
cjpeg -quality 90 -progressive "$work/source.ppm" > "$work/progressive.jpg"

# A progressive JPEG of 2,000 scans: its last scan repeated until there are
# that many (a decoder warns about the repeats and goes on decoding).
python3 - "$work/progressive.jpg" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
scans = []          # (start, end) of each SOS segment with its entropy data
i = 2
while i < len(data):
    assert data[i] == 0xFF
    marker = data[i + 1]
    if marker == 0xD9:
        break
    length = int.from_bytes(data[i + 2:i + 4], 'big')
    j = i + 2 + length
    if marker == 0xDA:
        while not (data[j] == 0xFF and data[j + 1] != 0 and not 0xD0 <= data[j + 1] <= 0xD7):
            j += 1
        scans.append((i, j))
    i = j
last = data[scans[-1][0]:scans[-1][1]]
repeats = 2000 - len(scans)
out = data[:scans[-1][1]] + last * repeats + data[scans[-1][1]:]
open('many-scans.jpg', 'wb').write(out)
PY
