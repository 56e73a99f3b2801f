// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <cmath>

// Synthetic pictures for the painting tests.
namespace PaintFixtures {

constexpr QRgb Black = 0xFF000000u;
constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Grey = 0xFF808080u;

// A line picture: white with a black frame, split by a black bar at x = 60
// into a left and a right room; grey anti-aliasing pixels run beside the bar
// in the left room (x = 59) for rows 20..59.
inline QImage linePicture(int width = 120, int height = 80)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, Black);
        image.setPixel(x, height - 1, Black);
    }
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, Black);
        image.setPixel(width - 1, y, Black);
        image.setPixel(width / 2, y, Black);
    }
    for (int y = 20; y < 60 && y < height; ++y)
        image.setPixel(width / 2 - 1, y, Grey);
    return image;
}

// A soft grey disc: darkest in the middle, white outside radius.
inline QImage softBrush(int width, int height, int darkest)
{
    QImage image(width, height, QImage::Format_RGB32);
    const double cx = (width - 1) / 2.0;
    const double cy = (height - 1) / 2.0;
    const double radius = std::min(width, height) / 2.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot(x - cx, y - cy) / radius;
            const int g = d >= 1.0 ? 255 : int(darkest + (255 - darkest) * d * d);
            image.setPixel(x, y, qRgb(g, g, g));
        }
    return image;
}

inline QImage crayon() { return softBrush(38, 34, 92); }
inline QImage paintbrush() { return softBrush(112, 106, 126); }
inline QImage pencil() { return softBrush(8, 8, 165); }

// Pixels of a and b that differ, counted; -1 when the sizes differ.
inline int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                ++n;
    return n;
}

}
