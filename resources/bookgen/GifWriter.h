// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Qt reads GIF files but cannot write them, so the default books carry their
// own small encoder: one GIF89a image, a global palette of 256 greys (index
// equals grey level) and LZW-compressed pixels.
namespace GifWriter {

// image must be Format_Grayscale8; the result is a complete .gif file.
QByteArray encodeGrey(const QImage& image);

}
