// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/BrushTools.h"

#include "paint/Rounding.h"
#include "platform/Random.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {

// a = g / 255 for every brush grey, so the stamp loop does no division.
constexpr std::array<double, 256> makeBrushAlpha()
{
    std::array<double, 256> table{};
    for (int g = 0; g < 256; ++g)
        table[size_t(g)] = g / 255.0;
    return table;
}
constexpr std::array<double, 256> BrushAlpha = makeBrushAlpha();

// Moves a canvas pixel toward one colour by a brush grey g: each channel
// becomes old * a + colour * b with a = g / 255 and b = 1 - a, in double
// precision, rounded half to even. The colour's share colour * b is worked
// out once per grey for the whole stamp; on x86 the three channels are mixed
// two at a time with the same double operations.
class BrushMixer
{
public:
    BrushMixer(uint8_t R, uint8_t G, uint8_t B)
    {
        for (int g = 0; g < 255; ++g) {
            const double b = 1.0 - BrushAlpha[size_t(g)];
#if defined(__SSE2__)
            m_blueGreen[g] = _mm_set_pd(G * b, B * b);
            m_red[g] = _mm_set_pd(0.0, R * b);
#else
            m_share[g][0] = B * b;
            m_share[g][1] = G * b;
            m_share[g][2] = R * b;
#endif
        }
    }

    // pixel: blue, green, red and an unused byte, which is kept.
    void mix(uint8_t* pixel, uint8_t grey) const
    {
        const double a = BrushAlpha[grey];
#if defined(__SSE2__)
        quint32 old;
        std::memcpy(&old, pixel, 4);
        const __m128i zero = _mm_setzero_si128();
        const __m128i channels =
            _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(int(old)), zero), zero);
        const __m128d av = _mm_set1_pd(a);
        const __m128d blueGreen = _mm_add_pd(_mm_mul_pd(_mm_cvtepi32_pd(channels), av), m_blueGreen[grey]);
        const __m128d red = _mm_add_pd(_mm_mul_pd(_mm_cvtepi32_pd(_mm_srli_si128(channels, 8)), av), m_red[grey]);
        __m128i mixed = _mm_unpacklo_epi64(_mm_cvtpd_epi32(blueGreen), _mm_cvtpd_epi32(red));
        mixed = _mm_packus_epi16(_mm_packs_epi32(mixed, mixed), mixed);
        const quint32 result = (quint32(_mm_cvtsi128_si32(mixed)) & 0x00FFFFFFu) | (old & 0xFF000000u);
        std::memcpy(pixel, &result, 4);
#else
        for (int c = 0; c < 3; ++c)
            pixel[c] = uint8_t(roundHalfEven(pixel[c] * a + m_share[grey][c]));
#endif
    }

private:
#if defined(__SSE2__)
    __m128d m_blueGreen[255];
    __m128d m_red[255];
#else
    double m_share[255][3];
#endif
};

// Direct access to a 32-bit surface, taken once per segment so the pixel
// routines make no Qt call.
struct PixelAccess
{
    explicit PixelAccess(QImage& image)
        : bits(image.depth() == 32 ? reinterpret_cast<quint32*>(image.bits()) : nullptr)
        , width(bits ? image.width() : 0)
        , height(bits ? image.height() : 0)
        , stride(bits ? image.bytesPerLine() / 4 : 0)
    {
    }

    bool inside(int x, int y) const { return unsigned(x) < unsigned(width) && unsigned(y) < unsigned(height); }
    quint32& at(int x, int y) const { return bits[qsizetype(y) * stride + x]; }

    quint32* bits;
    int width;
    int height;
    qsizetype stride;
};

quint32 opaque(int red, int green, int blue)
{
    return 0xFF000000u | (quint32(red) << 16) | (quint32(green) << 8) | quint32(blue);
}

void blend(const PixelAccess& s, const cNDib& mask, quint32 key, const PencilColour& pen, int x, int y, int w)
{
    if (!s.inside(x, y) || mask.Get_Pixel_Long(x, y) != key)
        return;
    quint32& pixel = s.at(x, y);
    if (w >= 253) {
        pixel = opaque(pen.red, pen.green, pen.blue);
        return;
    }
    const int ro = (pixel >> 16) & 0xFF;
    const int go = (pixel >> 8) & 0xFF;
    const int bo = pixel & 0xFF;
    pixel = opaque((pen.red * w + ro * (255 - w)) / 256, (pen.green * w + go * (255 - w)) / 256,
                   (pen.blue * w + bo * (255 - w)) / 256);
}

void setExact(const PixelAccess& s, const cNDib& mask, quint32 key, const PencilColour& pen, int x, int y)
{
    if (s.inside(x, y) && mask.Get_Pixel_Long(x, y) == key)
        s.at(x, y) = opaque(pen.red, pen.green, pen.blue);
}

int spreadChannel(int c, int k, Random& random)
{
    const int v = int(random.next() * 2 * k) + c - k;
    return std::clamp(v, 0, 255);
}

QPen markerPen(quint32 colour)
{
    return QPen(QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)), 2,
                Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

QRect stamp_brush(cNDib& canvas, const cNDib& mask, const cNDib& brush, int X, int Y, quint32 key,
                  uint8_t R, uint8_t G, uint8_t B, QImage& screen)
{
    if (canvas.isEmpty() || mask.isEmpty() || brush.isEmpty())
        return {};
    const int CW = canvas.pixelWidth();
    const int CH = canvas.pixelHeight();
    const int BW = brush.pixelWidth();
    const int BH = brush.pixelHeight();
    const int MW = mask.pixelWidth();
    const int MH = mask.pixelHeight();

    const int hw = (BW - 1) / 2;
    const int hh = (BH - 1) / 2;
    const int bx = X - hw;
    const int by = Y - hh;
    const int x0 = std::max(0, bx);
    const int y0 = std::max(0, by);
    const int x1 = X + hw > CW - 1 ? CW : X + hw + 1;
    const int y1 = Y + hh > CH - 1 ? CH : Y + hh + 1;

    const quint32 keyNative = nativeFromColour(key);
    const BrushMixer mixer(R, G, B);
    for (int y = y0; y < y1; ++y) {
        // The mask is read with clamping, as a pixel look-up would.
        const quint32* maskRow = reinterpret_cast<const quint32*>(mask.bits()) + qsizetype(std::min(y, MH - 1)) * MW;
        // x - bx never passes the brush's last column: x < x1 <= X + hw + 1.
        const uint8_t* brushRow = brush.bits() + qsizetype(std::min(y - by, BH - 1)) * BW * 4 - qsizetype(bx) * 4;
        uint8_t* canvasRow = canvas.bits() + qsizetype(y) * CW * 4;
        for (int x = x0; x < x1; ++x) {
            if ((maskRow[std::min(x, MW - 1)] & 0x00FFFFFFu) != keyNative)
                continue;
            const uint8_t grey = brushRow[qsizetype(x) * 4];
            if (grey == 255) // b = 1 - a = 0: a white brush pixel lays down nothing
                continue;
            mixer.mix(canvasRow + qsizetype(x) * 4, grey);
        }
    }

    const QRect copied(x0, y0, x1 - x0 + 2, y1 - y0 + 2);
    canvas.Set_dib_Area(copied.x(), copied.y(), copied.x(), copied.y(), copied.width(), copied.height(), screen);
    return copied;
}

PencilColour SetRGBComponents(quint32 colour)
{
    PencilColour pen;
    if (colour > 0x00FFFFFFu)
        return pen;
    pen.colour = colour;
    pen.red = int(colour & 0xFF);
    pen.green = int((colour >> 8) & 0xFF);
    pen.blue = int(colour >> 16);
    return pen;
}

void blend_pixel(QImage& surface, const cNDib& mask, quint32 key, const PencilColour& pen, int x, int y, int w)
{
    if (mask.isEmpty())
        return;
    blend(PixelAccess(surface), mask, key, pen, x, y, w);
}

QRect LineGP(QImage& surface, const cNDib& mask, int16_t x1, int16_t y1, int16_t x2, int16_t y2,
             quint32 colour, quint32 key)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int sx = dx >= 0 ? 1 : -1;
    const int sy = dy >= 0 ? 1 : -1;
    const int adx = std::abs(dx);
    const int ady = std::abs(dy);
    if (adx + ady == 0 || mask.isEmpty())
        return {};

    const PencilColour pen = SetRGBComponents(colour);
    const PixelAccess s(surface);
    if (!s.bits)
        return {};
    auto blendAt = [&](int x, int y, int w) { blend(s, mask, key, pen, x, y, w); };

    if (adx > ady) {
        // Mostly horizontal: the side pixels are above and below the core.
        const int w = ady * 85 / adx;
        blendAt(x1 - sx, y1 - sy, w);
        blendAt(x1 - sx, y1, 127);
        blendAt(x2 + sx, y2 + sy, w);
        blendAt(x2 + sx, y2, 127);
        int err = adx / 2;
        int x = x1;
        int y = y1;
        for (int i = 0; i <= adx; ++i) {
            setExact(s, mask, key, pen, x, y);
            const int h = err * 255 / adx;
            blendAt(x, y - sy, 255 - h);
            blendAt(x, y + sy, h);
            err += ady;
            if (err >= adx) {
                err -= adx;
                y += sy;
            }
            x += sx;
        }
    } else {
        // Mostly vertical (exact diagonals too): side pixels left and right.
        const int w = adx * 85 / ady;
        blendAt(x1 - sx, y1 - sy, w);
        blendAt(x1, y1 - sy, 127);
        blendAt(x2 + sx, y2 + sy, w);
        blendAt(x2, y2 + sy, 127);
        int err = ady / 2;
        int x = x1;
        int y = y1;
        for (int i = 0; i <= ady; ++i) {
            setExact(s, mask, key, pen, x, y);
            const int h = err * 255 / ady;
            blendAt(x - sx, y, 255 - h);
            blendAt(x + sx, y, h);
            err += adx;
            if (err >= ady) {
                err -= ady;
                x += sx;
            }
            y += sy;
        }
    }
    const QRect touched(QPoint(std::min<int>(x1, x2) - 1, std::min<int>(y1, y2) - 1),
                        QPoint(std::max<int>(x1, x2) + 1, std::max<int>(y1, y2) + 1));
    return touched.intersected(surface.rect());
}

quint32 spreadColour(uint8_t red, uint8_t green, uint8_t blue, int k, Random& random)
{
    const int r = spreadChannel(red, k, random);
    const int g = spreadChannel(green, k, random);
    const int b = spreadChannel(blue, k, random);
    return colourFromRgb(r, g, b);
}

QRect markerLine(QImage& surface, QPoint from, QPoint to, quint32 colour)
{
    if (from == to || surface.isNull())
        return {};
    QPainter painter(&surface);
    painter.setPen(markerPen(colour));
    painter.drawLine(from, to);
    return QRect(from, to).normalized().adjusted(-2, -2, 2, 2).intersected(surface.rect());
}

QRect markerDot(QImage& surface, QPoint point, quint32 colour)
{
    if (surface.isNull())
        return {};
    QPainter painter(&surface);
    painter.setPen(markerPen(colour));
    painter.drawPoint(point);
    return QRect(point, point).adjusted(-2, -2, 2, 2).intersected(surface.rect());
}
