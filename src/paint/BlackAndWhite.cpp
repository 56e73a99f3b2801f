// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/BlackAndWhite.h"

#include <algorithm>

namespace BlackAndWhite {

namespace {

constexpr quint32 Black = 0x000000;
constexpr quint32 White = 0xFFFFFF;

QImage asRgb32(const QImage& picture)
{
    if (picture.format() == QImage::Format_RGB32)
        return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

bool isPure(const QImage& picture)
{
    if (picture.isNull())
        return false;
    const QImage image = asRgb32(picture);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const quint32* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 rgb = row[x] & 0xFFFFFF;
            if (rgb != Black && rgb != White)
                return false;
        }
    }
    return true;
}

QImage toPure(const QImage& picture)
{
    if (picture.isNull())
        return {};
    const QImage source = asRgb32(picture);
    QImage pure(source.size(), QImage::Format_RGB32);
    const int width = source.width();
    for (int y = 0; y < source.height(); ++y) {
        const quint32* in = reinterpret_cast<const quint32*>(source.constScanLine(y));
        quint32* out = reinterpret_cast<quint32*>(pure.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int r = int((in[x] >> 16) & 0xFF);
            const int g = int((in[x] >> 8) & 0xFF);
            const int b = int(in[x] & 0xFF);
            // Lightness (max + min) / 2 against half of 255, kept in integers.
            const int twiceLightness = std::max({r, g, b}) + std::min({r, g, b});
            out[x] = twiceLightness >= 255 ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    return pure;
}

} // namespace BlackAndWhite
