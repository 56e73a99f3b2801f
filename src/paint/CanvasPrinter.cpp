// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/CanvasPrinter.h"

#include "paint/Rounding.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace PictureSaver {

PrintPlacement printPlacement(int PW, int PH, int W, int H)
{
    PrintPlacement p;
    if (W <= 0 || H <= 0 || PW <= 0 || PH <= 0)
        return p;
    int w = 0;
    int h = 0;
    if (H >= W) {
        h = PH;
        w = roundHalfEven(double(PH) / H * W);
    } else {
        w = PW;
        h = roundHalfEven(double(PW) / W * H);
    }
    if (h > PH)
        h = PH;
    w = roundHalfEven(double(h) / H * W);
    if (w > PW)
        w = PW;
    h = roundHalfEven(double(w) / W * H);
    p.width = w;
    p.height = h;
    p.left = roundHalfEven(PW / 2.0 - w / 2.0);
    p.top = roundHalfEven(PH / 2.0 - h / 2.0);
    return p;
}

bool printCanvas(QPagedPaintDevice& device, const QImage& picture, int copies)
{
    if (picture.isNull() || copies < 1)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // The painter's origin is the top-left of the drawable area, whose size
    // the device reports in the same units.
    const PrintPlacement place = printPlacement(device.width(), device.height(), picture.width(), picture.height());
    const QRect target(place.left, place.top, place.width, place.height);
    for (int copy = 1; copy <= copies; ++copy) {
        painter.drawImage(target, picture);
        // A new page between copies, not after the last: no blank sheet.
        if (copy < copies && !device.newPage()) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

}
