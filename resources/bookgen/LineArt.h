// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

// Turns a hand-drawn SVG line drawing into the picture a book carries: black
// outlines on white and nothing else, because the fill that keeps colour
// inside the outlines takes only pixels of exactly the pressed colour; a grey
// edge pixel would stay a pale fringe around every outline.
//
// The drawing is rendered anti-aliased at Supersample times its size, and each
// block of Supersample x Supersample pixels becomes one black or white pixel by
// its mean against half grey, so curves stay smooth without a single grey.
// White specks and slivers too small for a child's stroke are then closed in
// black.
namespace LineArt {

// The canvas shows pictures at their own size; this is the largest that fits
// the smallest supported screen below the button bar.
constexpr int MaxWidth = 750;
constexpr int MaxHeight = 480;

constexpr int Supersample = 4;
constexpr int HalfGrey = 128;       // a block's mean below this becomes black
constexpr int SmallestRegion = 40;  // white regions of fewer pixels are closed
constexpr int ThinnestRegion = 3;   // a region must hold a square this wide
constexpr int ThinnestLine = 3;     // a line must hold a square this wide

// Returns a Format_Grayscale8 image at the drawing's own size holding only 0
// and 255, or a null image with *error set when the file cannot be read or is
// too large.
QImage render(const QString& svgPath, QString* error);

// Reduces a Format_Grayscale8 image by Supersample in each direction; a block
// becomes 0 when its mean is below HalfGrey, else 255.
QImage reduceWithThreshold(const QImage& large);

// Makes every white 4-connected region of a 0/255 Format_Grayscale8 image that
// has fewer than SmallestRegion pixels, or holds no ThinnestRegion square,
// black. Returns the number of regions closed.
int closeSpecks(QImage& picture);

// Black pixels of a 0/255 Format_Grayscale8 image that lie in no black
// ThinnestLine square belong to a line too thin for small hands, or are the
// odd corner pixel of a rounded end. Returns the size of the largest
// 8-connected group of them and where it begins: a thin line shows as a long
// group.
struct ThinStretch
{
    int length = 0;
    QPoint at;
};
ThinStretch longestThinStretch(const QImage& picture);
constexpr int LongestThinStretch = 3;  // a rounded end or a corner, no more

}
