// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Surface-mode flood fill: every pixel 4-connected to (x, y) whose colour is
// exactly the colour at (x, y) becomes fillColour. Works on 32-bit images
// (RGB32 or ARGB32); colours compare as whole 32-bit words. Returns the
// number of pixels changed (0 when the point is outside the image or already
// has fillColour).
qint64 floodFill(QImage& image, int x, int y, QRgb fillColour);

// The same on a raw 32-bit buffer: width and height in pixels, stride in
// pixels (not bytes).
qint64 floodFill(quint32* pixels, int width, int height, qsizetype stride, int x, int y,
                 quint32 fillColour);
