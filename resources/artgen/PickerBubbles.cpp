// SPDX-License-Identifier: GPL-3.0-or-later
// The colour picker's 18 bubbles: round soap bubbles on pure black (the
// transparent colour), all drawn in red so that the picker can move them to
// any hue. Their groups matter to the tinting: 0 to 9 run from full red to
// pale pink, 10 is a near-black grey, 11 to 16 are dark reds, 17 is white.
// Bubbles 10 and 17 are drawn in greys only, so they look the same whatever
// colour the picker is opened with. Each bubble is a flat interior (its
// centre pixel is the colour it gives) inside a lighter rim with a shine.
#include "ArtStyle.h"
#include "ArtWriter.h"
#include "Generators.h"

#include <QColor>

#include <algorithm>
#include <cmath>

using namespace ArtStyle;

namespace {

struct PickerDesign {
    int size;             // width and height; the radius is half of it
    int red, green, blue; // the interior
};

constexpr PickerDesign kPicker[18] = {
    {46, 255, 0, 0},     {40, 255, 38, 38},   {34, 255, 70, 70},   {42, 255, 98, 98},
    {28, 255, 124, 124}, {36, 255, 148, 148}, {24, 255, 170, 170}, {38, 255, 190, 190},
    {30, 255, 208, 208}, {22, 255, 226, 226}, {32, 36, 36, 36},    {44, 212, 0, 0},
    {26, 180, 0, 0},     {36, 150, 0, 0},     {20, 124, 0, 0},     {30, 100, 0, 0},
    {40, 76, 0, 0},      {34, 255, 255, 255},
};

double coverage(int x, int y, double c, double r)
{
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const double dx = x + (sx + 0.5) / 4.0 - c;
            const double dy = y + (sy + 0.5) / 4.0 - c;
            inside += dx * dx + dy * dy <= r * r;
        }
    return inside / 16.0;
}

QColor grey(int level)
{
    return QColor(level, level, level);
}

QColor pickerPixel(const PickerDesign& b, double dx, double dy, double r)
{
    const QColor colour(b.red, b.green, b.blue);
    const bool neutral = b.red == b.green && b.green == b.blue;
    const bool white = neutral && b.red == 255;
    const double d = std::hypot(dx, dy);
    const double rim = std::max(1.6, r * 0.22);

    // A thin darker edge of the same hue keeps the bubble crisp on white.
    if (d > r - 1.25)
        return white ? grey(150) : mix(colour, neutral ? grey(0) : QColor(90, 0, 0), neutral ? 0.3 : 0.45);
    if (d > r - rim) {
        const double t = (d - (r - rim)) / rim;
        return white ? grey(int(250 - 40 * t)) : mix(colour, Qt::white, 0.25 + 0.4 * t);
    }
    // Shine on the upper left, well away from the centre pixel.
    const double h = std::hypot(dx + r * 0.42, dy + r * 0.42);
    const double spot = std::max(1.3, r * 0.2);
    if (h < spot) {
        const double t = 0.75 * (1.0 - (h / spot) * (h / spot)) + 0.1;
        return white ? grey(int(255 - 25 * t)) : mix(colour, Qt::white, t);
    }
    return colour;
}

QImage pickerBubble(const PickerDesign& b)
{
    QImage image(b.size, b.size, QImage::Format_RGB32);
    image.fill(Qt::black);
    const double c = b.size / 2.0;
    const double r = c - 0.5;
    for (int y = 0; y < b.size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < b.size; ++x) {
            if (coverage(x, y, c, r) < 0.6)
                continue;
            QRgb p = pickerPixel(b, x + 0.5 - c, y + 0.5 - c, r).rgb() | 0xFF000000u;
            if ((p & 0xFFFFFFu) == 0) // pure black would turn transparent
                p = qRgb(1, 1, 1);
            row[x] = p;
        }
    }
    return image;
}

} // namespace

void makePickerBubbles(ArtWriter& out)
{
    for (int k = 0; k < 18; ++k)
        out.addImage(QString("picker/%1.png").arg(k), pickerBubble(kPicker[k]));
}
