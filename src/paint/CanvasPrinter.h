// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class QPagedPaintDevice;

// Printing the coloured picture: where it goes on the page, and the pages.
namespace PictureSaver {

// Where the picture goes on the printed page: as large as fits, aspect kept,
// centred; in the page's units.
struct PrintPlacement
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Page width and height, picture width and height; quotients in double
// precision, every result rounded half to even. A tall or square picture is
// fitted by height first, a wide one by width first.
PrintPlacement printPlacement(int PW, int PH, int W, int H);

// Prints copies pages of the picture in one document, placed on the
// device's drawable area. Returns false when there is nothing to print, the
// device cannot be opened or a page cannot be started.
bool printCanvas(QPagedPaintDevice& device, const QImage& picture, int copies);

} // namespace PictureSaver
