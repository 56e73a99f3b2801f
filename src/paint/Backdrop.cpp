// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/Backdrop.h"

#include "paint/Gradient.h"
#include "paint/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Band = 10;
constexpr int CornerRadius = 12;

// Writes one halo pixel whose channels come from value(C) for each channel C
// of the backdrop colour.
class HaloPainter
{
public:
    HaloPainter(QImage& image, QRgb colour)
        : m_bits(reinterpret_cast<quint32*>(image.bits()))
        , m_width(image.width())
        , m_height(image.height())
        , m_stride(image.bytesPerLine() / 4)
        , m_channels{qRed(colour), qGreen(colour), qBlue(colour)}
    {
    }

    template<typename Value>
    void set(int x, int y, Value value)
    {
        if (unsigned(x) >= unsigned(m_width) || unsigned(y) >= unsigned(m_height))
            return;
        const int red = value(m_channels[0]);
        const int green = value(m_channels[1]);
        const int blue = value(m_channels[2]);
        m_bits[qsizetype(y) * m_stride + x] =
            0xFF000000u | (quint32(red) << 16) | (quint32(green) << 8) | quint32(blue);
    }

private:
    quint32* m_bits;
    int m_width;
    int m_height;
    qsizetype m_stride;
    int m_channels[3];
};

} // namespace

namespace Backdrop {

void paint(QImage& backdrop, QRgb colour, const QRect& canvas)
{
    if (backdrop.isNull())
        return;
    backdrop.fill(colour | 0xFF000000u);
    if (!canvas.isNull())
        drawHalo(backdrop, colour, canvas);
    drawTopShadow(backdrop, colour);
}

void drawHalo(QImage& backdrop, QRgb colour, const QRect& canvas)
{
    if (backdrop.isNull() || backdrop.depth() != 32)
        return;
    HaloPainter halo(backdrop, colour);
    const int X = canvas.x();
    const int Y = canvas.y();
    const int W = canvas.width();
    const int H = canvas.height();

    // Left and right bands: black at the picture, the backdrop colour 10 out.
    for (int y = Y + 2; y <= Y + H - 2; ++y) {
        for (int x = X - Band; x <= X; ++x)
            halo.set(x, y, [&](int C) { return roundHalfEven(C - C * (x - X + Band) / 10.0); });
        for (int x = X + W; x <= X + W + Band; ++x)
            halo.set(x, y, [&](int C) { return roundHalfEven(C * (x - X - W) / 10.0); });
    }
    // Top and bottom bands.
    for (int k = 0; k <= Band; ++k) {
        auto value = [&](int C) { return roundHalfEven(C - C * k / 10.0); };
        for (int x = X + 2; x <= X + W - 2; ++x) {
            halo.set(x, Y - Band + k, value);
            halo.set(x, Y + H + Band - k, value);
        }
    }
    // Corners: quarter rings about points two pixels inside the corners; the
    // right ones mirror the left ones about the picture's middle.
    for (int k = 0; k <= CornerRadius; ++k) {
        const int first = X + 12 - roundHalfEven(std::sqrt(double(144 - k * k)) + 10);
        const int last = k <= 2 ? roundHalfEven(X + 2 - std::sqrt(double(4 - k * k))) : X + 2;
        for (int x = first; x <= last; ++x) {
            const double distance = std::sqrt(double((x - X - 2) * (x - X - 2) + k * k));
            auto value = [&](int C) { return std::min(255, roundHalfEven(std::fabs(C * (distance - 2) / 10))); };
            const int mirrored = 2 * X + W - x;
            halo.set(x, Y + 2 - k, value);
            halo.set(mirrored, Y + 2 - k, value);
            halo.set(x, Y + H - 2 + k, value);
            halo.set(mirrored, Y + H - 2 + k, value);
        }
    }
}

void drawTopShadow(QImage& backdrop, QRgb colour)
{
    PaintGradient(backdrop, 0, 0, backdrop.width(), Band, 0xFF000000u, colour);
}

}
