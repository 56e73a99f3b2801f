// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// A photograph made into a colouring page: its edges drawn as black lines
// on white, instead of the dark areas a plain threshold leaves. Edges are
// where a finely blurred copy is darker than a coarsely blurred one (a
// difference of Gaussians), so a dark line stays a line and a dark area
// keeps only its outline. The lines are then thickened and the white areas
// too small for a child's brush are filled in.
namespace LineArt {

// Every white area of the result has at least this many pixels...
constexpr int MinRegionPixels = 40;
// ...and every black pixel lies in a black square of this side.
constexpr int MinLineWidth = 3;

// A photo with a longer side is made this size first (aspect kept): no
// colouring page is larger, and the work stays within memory.
constexpr int MaxSide = 2048;

// The line art of photo (any format), RGB32, pure black and white
// (BlackAndWhite::isPure), as large as the photo up to MaxSide. A null
// photo gives a null image.
QImage fromPhoto(const QImage& photo);

} // namespace LineArt
