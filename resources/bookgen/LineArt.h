#pragma once

#include <QImage>
#include <QString>

// Turns a hand-drawn SVG line drawing into the grey picture a book carries:
// black outlines on white, anti-aliased, with every near-white pixel made
// exactly white (the fill that keeps colour inside the outlines replaces only
// exactly-white pixels) and every near-black pixel made exactly black.
namespace LineArt {

// The canvas shows pictures at their own size; this is the largest that fits
// the smallest supported screen below the button bar.
constexpr int MaxWidth = 750;
constexpr int MaxHeight = 480;

constexpr int NearWhite = 250;  // and above becomes 255
constexpr int NearBlack = 40;   // and below becomes 0

// Returns a Format_Grayscale8 image at the drawing's own size, or a null image
// with *error set when the file cannot be read or is too large.
QImage render(const QString& svgPath, QString* error);

// Snaps near-white and near-black pixels of a Format_Grayscale8 image in place.
void snap(QImage& grey);

}
