// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Line pictures must be pure black and white: colour fills a region up to
// the first pixel that is not white, so a grey edge pixel or the noise of a
// compressed photo would leave specks a child can never colour.
namespace BlackAndWhite {

// True when every pixel is exactly 0x000000 or 0xFFFFFF. No tolerance: a
// single grey pixel makes the picture impure. A null image is not pure.
bool isPure(const QImage& picture);

// The picture with each pixel made black or white by its lightness
// ((max + min) / 2 of red, green and blue): white from half lightness up,
// black below. The result (RGB32) always passes isPure.
QImage toPure(const QImage& picture);

} // namespace BlackAndWhite
