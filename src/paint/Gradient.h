// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Paints a vertical two-stop gradient over what the surface already shows:
// row r of the L + 1 rows (L = height) mixes the row colour C, which runs
// from topColour toward bottomColour in steps of (bottom - top) / L, with the
// pixel there by t = (L - r) / L: round(C * t + P * (1 - t)), halves to even.
// So the first row is topColour and the last row is the surface untouched.
// Columns left .. left + width inclusive; -1 for width or height means the
// surface's own. Pixels outside the surface are skipped; a height of 0 draws
// nothing. Colours are QRgb (0xAARRGGBB, alpha ignored).
void PaintGradient(QImage& surface, int left, int top, int width, int height, QRgb topColour,
                   QRgb bottomColour);
