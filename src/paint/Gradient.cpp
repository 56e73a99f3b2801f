// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/Gradient.h"

#include "paint/Rounding.h"

#include <algorithm>

void PaintGradient(QImage& surface, int left, int top, int width, int height, QRgb topColour,
                   QRgb bottomColour)
{
    if (surface.isNull() || surface.depth() != 32)
        return;
    if (width == -1)
        width = surface.width();
    if (height == -1)
        height = surface.height();
    const int L = height;
    if (L <= 0 || width < 0)
        return;

    double colour[3] = {double(qRed(topColour)), double(qGreen(topColour)), double(qBlue(topColour))};
    const double step[3] = {(qRed(bottomColour) - colour[0]) / L, (qGreen(bottomColour) - colour[1]) / L,
                            (qBlue(bottomColour) - colour[2]) / L};
    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + width, surface.width() - 1);
    quint32* bits = reinterpret_cast<quint32*>(surface.bits());
    const qsizetype stride = surface.bytesPerLine() / 4;

    for (int r = 0; r <= L; ++r) {
        const int y = top + r;
        if (y >= 0 && y < surface.height()) {
            const double t = double(L - r) / L;
            const double u = 1.0 - t;
            quint32* row = bits + qsizetype(y) * stride;
            for (int x = x0; x <= x1; ++x) {
                const quint32 p = row[x];
                const int red = roundHalfEven(colour[0] * t + qRed(p) * u);
                const int green = roundHalfEven(colour[1] * t + qGreen(p) * u);
                const int blue = roundHalfEven(colour[2] * t + qBlue(p) * u);
                row[x] = 0xFF000000u | (quint32(red) << 16) | (quint32(green) << 8) | quint32(blue);
            }
        }
        for (int c = 0; c < 3; ++c)
            colour[c] += step[c];
    }
}
