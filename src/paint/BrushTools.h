// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/cNDib.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>

class Random;

// The painting routines of the tools. Colours given as single values are
// 0x00BBGGRR (red in the low byte); a key is such a colour compared with the
// region mask. They work on images and buffers only and never allocate per
// pixel.

// A colour 0x00BBGGRR as the 32-bit word a QImage or cNDib stores (0x00RRGGBB).
constexpr quint32 nativeFromColour(quint32 colour)
{
    return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
constexpr quint32 colourFromNative(quint32 native)
{
    return nativeFromColour(native & 0x00FFFFFFu);
}
constexpr quint32 colourFromRgb(int red, int green, int blue)
{
    return quint32(red) | (quint32(green) << 8) | (quint32(blue) << 16);
}

// One brush dab centred at (X, Y): every canvas pixel under the brush whose
// mask colour is key moves toward (R, G, B) by the brush's darkness, then the
// touched rectangle is copied from the canvas onto screen. Returns the
// rectangle asked to be copied (screen coordinates, possibly reaching past the
// screen's edges) so the caller can repaint just that.
QRect stamp_brush(cNDib& canvas, const cNDib& mask, const cNDib& brush, int X, int Y, quint32 key,
                  uint8_t R, uint8_t G, uint8_t B, QImage& screen);

// The colour of the pencil segment being drawn, split into its parts.
struct PencilColour
{
    int red = 0;
    int green = 0;
    int blue = 0;
    quint32 colour = 0;
};

// Splits a colour for the pencil. Anything that is not a plain RGB value
// (a system-colour code, -1) translates to black, as a failed translation.
PencilColour SetRGBComponents(quint32 colour);

// Sets pixel (x, y) of surface to the pencil colour mixed with weight w
// (0..255) over what is there, but only where the mask holds key. Points
// outside the surface are ignored.
void blend_pixel(QImage& surface, const cNDib& mask, quint32 key, const PencilColour& pen, int x, int y,
                 int w);

// The pencil's anti-aliased segment from (x1, y1) to (x2, y2): a full-strength
// core one pixel wide, two side pixels sharing the weight by the distance of
// the ideal line, and soft end caps; only pixels whose mask colour is key
// change. A segment of length 0 draws nothing. Returns the rectangle that may
// have changed (empty when nothing was drawn).
QRect LineGP(QImage& surface, const cNDib& mask, int16_t x1, int16_t y1, int16_t x2, int16_t y2,
             quint32 colour, quint32 key);

// The tools' colour spread: each channel c becomes Int(r * 2k) + c - k,
// clamped to 0..255, with a fresh random r per channel (red, green, blue).
quint32 spreadColour(uint8_t red, uint8_t green, uint8_t blue, int k, Random& random);

// The marker pen: a straight aliased line two pixels wide with round ends.
// A segment of length 0 draws nothing. Returns the rectangle that may have
// changed.
QRect markerLine(QImage& surface, QPoint from, QPoint to, quint32 colour);
// One dot of the marker's width at point, as a press leaves.
QRect markerDot(QImage& surface, QPoint point, quint32 colour);
