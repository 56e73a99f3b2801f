// SPDX-License-Identifier: GPL-3.0-or-later
// The 23 palette bubbles: discs on pure black (the transparent colour), each
// a flat interior of exactly its colour inside a lighter, glassy rim with a
// small shine, like a soap bubble. Bubble 22 is a pale rainbow swirl that
// opens the colour picker. Drawn per pixel with supersampled edges that are
// snapped to the disc, so no half-black fringe shows on the bar.
#include "ArtStyle.h"
#include "ArtWriter.h"
#include "Generators.h"

#include <QColor>

#include <algorithm>
#include <cmath>

using namespace ArtStyle;

namespace {

struct BubbleDesign {
    int width, height;
    int red, green, blue; // red < 0: the colour-picker bubble
};

constexpr BubbleDesign kBubbles[23] = {
    {20, 20, 4, 255, 4},      {43, 43, 255, 0, 0},      {20, 19, 255, 255, 2},
    {26, 28, 3, 255, 255},    {19, 18, 6, 6, 255},      {44, 43, 199, 178, 153},
    {33, 29, 140, 98, 57},    {16, 17, 255, 2, 255},    {47, 43, 96, 57, 19},
    {23, 21, 0, 166, 81},     {23, 22, 16, 16, 16},     {46, 40, 129, 129, 129},
    {35, 34, 255, 255, 255},  {33, 29, 102, 45, 145},   {17, 17, 96, 92, 168},
    {26, 27, 46, 49, 146},    {19, 18, 0, 114, 188},    {26, 26, 58, 134, 57},
    {20, 22, 158, 11, 14},    {20, 20, 171, 160, 0},    {46, 40, 95, 95, 95},
    {26, 28, 255, 166, 3},    {44, 43, -1, -1, -1},
};

// Fraction of the pixel (x, y) inside the disc, from a 4 x 4 grid of samples.
double coverage(int x, int y, double cx, double cy, double r)
{
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const double dx = x + (sx + 0.5) / 4.0 - cx;
            const double dy = y + (sy + 0.5) / 4.0 - cy;
            inside += dx * dx + dy * dy <= r * r;
        }
    return inside / 16.0;
}

QColor pickerSwirl(double dx, double dy, double r)
{
    const double d = std::hypot(dx, dy) / r;
    double hue = std::atan2(dy, dx) / (2 * M_PI) + d * 0.45;
    hue -= std::floor(hue);
    const double saturation = 0.18 + 0.42 * d;
    return QColor::fromHsvF(float(hue), float(saturation), 1.0f);
}

QColor bubblePixel(const BubbleDesign& b, double dx, double dy, double r)
{
    const bool picker = b.red < 0;
    const QColor colour = picker ? pickerSwirl(dx, dy, r) : QColor(b.red, b.green, b.blue);
    const double d = std::hypot(dx, dy);
    const double rim = std::max(1.6, r * 0.2);
    const bool nearWhite = !picker && b.red + b.green + b.blue > 700;
    const QColor light = nearWhite ? QColor(196, 214, 242) : QColor(255, 255, 255);

    if (d > r - 1.25) // thin outer edge that keeps the bubble crisp on white
        return mix(colour, nearWhite ? QColor(120, 140, 180) : kInk, nearWhite ? 0.6 : 0.35);
    if (d > r - rim) {
        const double t = (d - (r - rim)) / rim;
        return mix(colour, light, 0.3 + 0.4 * t);
    }
    // Shine on the upper left, well away from the centre pixel.
    const double hx = dx + r * 0.42;
    const double hy = dy + r * 0.42;
    const double spot = std::max(1.3, r * 0.18);
    const double h = std::hypot(hx, hy);
    if (h < spot)
        return mix(colour, Qt::white, 0.75 * (1.0 - (h / spot) * (h / spot)) + 0.1);
    return colour;
}

QImage bubble(const BubbleDesign& b)
{
    QImage image(b.width, b.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    // The disc fills the shorter side less half a pixel (so it does not touch
    // the border in single-pixel nubs), centred; pixel centres sit at +0.5.
    const double r = std::min(b.width, b.height) / 2.0 - 0.5;
    const double pcx = b.width / 2.0;
    const double pcy = b.height / 2.0;
    for (int y = 0; y < b.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < b.width; ++x) {
            if (coverage(x, y, pcx, pcy, r) < 0.6)
                continue;
            QRgb c = bubblePixel(b, x + 0.5 - pcx, y + 0.5 - pcy, r).rgb() | 0xFF000000u;
            if ((c & 0xFFFFFFu) == 0) // pure black would turn transparent
                c = qRgb(1, 1, 1);
            row[x] = c;
        }
    }
    return image;
}

} // namespace

void makeBubbles(ArtWriter& out)
{
    for (int i = 0; i < 23; ++i)
        out.addImage(QString("bubbles/%1.png").arg(i), bubble(kBubbles[i]));
}
