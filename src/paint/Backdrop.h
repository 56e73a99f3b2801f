// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

// The area around the canvas: the backdrop colour, a dark halo that frames
// the canvas (black where it meets the picture, the backdrop colour ten
// pixels further out, corners rounded to radius 12 about points two pixels
// inside the picture's corners) and a ten-pixel shadow under the bar at the
// top. Colours are QRgb (0xAARRGGBB, alpha ignored).
namespace Backdrop {

// Clears backdrop to colour, draws the halo around canvas (in backdrop
// coordinates; a null rectangle when the canvas is hidden) and the shadow.
void paint(QImage& backdrop, QRgb colour, const QRect& canvas);

// The halo alone, pixel by pixel; pixels outside the backdrop are skipped.
void drawHalo(QImage& backdrop, QRgb colour, const QRect& canvas);

// The shadow under the bar: black in the first row to the backdrop in the
// eleventh, across the whole width.
void drawTopShadow(QImage& backdrop, QRgb colour);

}
