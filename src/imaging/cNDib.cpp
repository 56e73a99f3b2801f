// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/cNDib.h"

#include "platform/PictureSurface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Rounds to the nearest integer, halves to even (the default rounding mode).
int roundEven(double v)
{
    return int(std::nearbyint(v));
}

// Whole-row copies between the buffer and 32-bit images, four pixels at a
// time where SSE2 is there (every x86-64): dst = (src AND keep) OR set.
void copyRow(const quint32* __restrict src, quint32* __restrict dst, int n, quint32 keep, quint32 set)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i k = _mm_set1_epi32(int(keep));
    const __m128i o = _mm_set1_epi32(int(set));
    for (; i + 8 <= n; i += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 4));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_or_si128(_mm_and_si128(a, k), o));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 4), _mm_or_si128(_mm_and_si128(b, k), o));
    }
#endif
    for (; i < n; ++i)
        dst[i] = (src[i] & keep) | set;
}

// Buffer pixels (byte 3 unused) to opaque image pixels.
inline void rowToImage(const quint32* src, quint32* dst, int n)
{
    copyRow(src, dst, n, 0xFFFFFFFFu, 0xFF000000u);
}

} // namespace

cNDib::cNDib(const cNDib& other)
{
    *this = other;
}

cNDib& cNDib::operator=(const cNDib& other)
{
    if (this == &other)
        return *this;
    if (!other.m_bits) {
        m_bits.reset();
        m_width = m_height = 0;
        return *this;
    }
    const size_t bytes = size_t(other.m_width) * size_t(other.m_height) * 4;
    if (!m_bits || m_width != other.m_width || m_height != other.m_height)
        m_bits.reset(new uint8_t[bytes]);
    m_width = other.m_width;
    m_height = other.m_height;
    std::memcpy(m_bits.get(), other.m_bits.get(), bytes);
    return *this;
}

cNDib::cNDib(cNDib&& other) noexcept
    : m_bits(std::move(other.m_bits))
    , m_width(std::exchange(other.m_width, 0))
    , m_height(std::exchange(other.m_height, 0))
{
}

cNDib& cNDib::operator=(cNDib&& other) noexcept
{
    if (this != &other) {
        m_bits = std::move(other.m_bits);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
    }
    return *this;
}

void cNDib::throwOutOfRange()
{
    throw AppError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

bool cNDib::Create(int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    const size_t bytes = size_t(width) * size_t(height) * 4;
    if (!m_bits || m_width != width || m_height != height)
        m_bits.reset(new (std::nothrow) uint8_t[bytes]);
    if (!m_bits) {
        m_width = m_height = 0;
        return false;
    }
    m_width = width;
    m_height = height;
    std::memset(m_bits.get(), 0, bytes);
    return true;
}

bool cNDib::Make_From_Picture(const PictureSurface& picture)
{
    return Make_From_Image(picture.image());
}

bool cNDib::Make_From_Image(const QImage& source)
{
    if (source.isNull())
        return false;
    // Only these two store 0xAARRGGBB words with plain colour values; other
    // 32-bit formats (RGBA8888, RGBX8888, A2BGR30, premultiplied) differ in
    // byte order or meaning and are converted.
    const QImage image = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return false;
    const int w = image.width();
    const int h = image.height();
    const size_t bytes = size_t(w) * size_t(h) * 4;
    if (!m_bits || m_width != w || m_height != h) {
        m_bits.reset(new (std::nothrow) uint8_t[bytes]);
        if (!m_bits) {
            m_width = m_height = 0;
            return false;
        }
    }
    m_width = w;
    m_height = h;
    for (int y = 0; y < h; ++y) {
        const quint32* src = reinterpret_cast<const quint32*>(image.constScanLine(y));
        quint32* dst = reinterpret_cast<quint32*>(m_bits.get() + qsizetype(y) * w * 4);
        copyRow(src, dst, w, 0x00FFFFFFu, 0);
    }
    return true;
}

QImage cNDib::toImage() const
{
    if (!m_bits)
        return {};
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        const quint32* src = reinterpret_cast<const quint32*>(m_bits.get() + qsizetype(y) * m_width * 4);
        quint32* dst = reinterpret_cast<quint32*>(image.scanLine(y));
        rowToImage(src, dst, m_width);
    }
    return image;
}

void cNDib::Set_dib(PictureSurface& picture, bool resize) const
{
    requirePixels();
    if (resize || picture.isEmpty())
        picture.resize(QSize(m_width, m_height));
    QImage& target = picture.image();
    const int rows = std::min(m_height, target.height());
    const int cols = std::min(m_width, target.width());
    for (int y = 0; y < rows; ++y) {
        const quint32* src = reinterpret_cast<const quint32*>(m_bits.get() + qsizetype(y) * m_width * 4);
        quint32* dst = reinterpret_cast<quint32*>(target.scanLine(y));
        rowToImage(src, dst, cols);
    }
}

QRect cNDib::fitRect(int dX, int dY, int dWidth, int dHeight) const
{
    requirePixels();
    return fitRectFor(QSize(m_width, m_height), dX, dY, dWidth, dHeight);
}

QRect cNDib::fitRectFor(QSize picture, int dX, int dY, int dWidth, int dHeight)
{
    const double W = picture.width();
    const double H = picture.height();
    int x, y, w, h;
    if (H < W) {
        w = dWidth;
        h = roundEven(H * (double(dWidth) / W));
        x = dX;
        y = roundEven(dHeight / 2.0 + dY - h / 2.0);
    } else {
        h = dHeight;
        w = roundEven(double(dHeight) / H * W);
        y = dY;
        x = roundEven(dWidth / 2.0 + dX - w / 2.0);
    }
    if (dHeight < h) {
        w = roundEven(double(dHeight) / h * w);
        h = dHeight;
        x = roundEven(dWidth / 2.0 + dX - w / 2.0);
        y = dY;
    }
    if (dWidth < w) {
        h = roundEven(double(dWidth) / w * h);
        w = dWidth;
        y = roundEven(dHeight / 2.0 + dY - h / 2.0);
        x = dX;
    }
    return QRect(x, y, w, h);
}

void cNDib::Set_dib_Fit(QImage& target, int dX, int dY, int dWidth, int dHeight) const
{
    const QRect fit = fitRect(dX, dY, dWidth, dHeight);
    Stretch_dib_area(fit.x(), fit.y(), 0, 0, m_width, m_height, fit.width(), fit.height(), target);
}

void cNDib::Stretch_dib_area(int DestX, int DestY, int SourceX, int SourceY, int SourceWidth,
                             int SourceHeight, int DestWidth, int DestHeight, QImage& target) const
{
    requirePixels();
    if (target.isNull() || SourceWidth <= 0 || SourceHeight <= 0 || DestWidth <= 0 || DestHeight <= 0)
        return;
    // The source rectangle as an opaque image; outside the buffer is black.
    QImage source(SourceWidth, SourceHeight, QImage::Format_RGB32);
    if (source.isNull())
        return;
    const int x0 = std::max(0, -SourceX);
    const int y0 = std::max(0, -SourceY);
    const int x1 = std::min(SourceWidth, m_width - SourceX);
    const int y1 = std::min(SourceHeight, m_height - SourceY);
    if (x0 > 0 || y0 > 0 || x1 < SourceWidth || y1 < SourceHeight)
        source.fill(0xFF000000u);
    for (int y = y0; y < y1; ++y) {
        const quint32* src = reinterpret_cast<const quint32*>(at(SourceX + x0, SourceY + y));
        quint32* dst = reinterpret_cast<quint32*>(source.scanLine(y)) + x0;
        rowToImage(src, dst, x1 - x0);
    }
    // QImage's smooth scaling averages areas when shrinking, as halftone
    // stretching does; QPainter's smooth transform would only sample.
    if (SourceWidth != DestWidth || SourceHeight != DestHeight)
        source = source.scaled(DestWidth, DestHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(DestX, DestY), source);
}

void cNDib::Bit_Blt_Dib(int DestX, int DestY, QImage& target, quint32 RasterOP) const
{
    requirePixels();
    if (target.isNull() || target.depth() != 32)
        return;
    const int sx0 = std::max(0, -DestX);
    const int sy0 = std::max(0, -DestY);
    const int sx1 = std::min(m_width, target.width() - DestX);
    const int sy1 = std::min(m_height, target.height() - DestY);
    if (sx0 >= sx1 || sy0 >= sy1)
        return;
    const int count = sx1 - sx0;
    for (int sy = sy0; sy < sy1; ++sy) {
        const quint32* src = reinterpret_cast<const quint32*>(m_bits.get() + (qsizetype(sy) * m_width + sx0) * 4);
        quint32* dst = reinterpret_cast<quint32*>(target.scanLine(sy + DestY)) + (sx0 + DestX);
        switch (RasterOP) {
        case RopAnd:
            for (int i = 0; i < count; ++i)
                dst[i] = (dst[i] & src[i]) | 0xFF000000u;
            break;
        case RopOr:
            for (int i = 0; i < count; ++i)
                dst[i] |= src[i] | 0xFF000000u;
            break;
        default:
            rowToImage(src, dst, count);
            break;
        }
    }
}

int cNDib::Set_dib_Area(int DestX, int DestY, int SourceX, int SourceY, int Width, int Height,
                        QImage& target) const
{
    requirePixels();
    if (target.isNull() || target.depth() != 32 || Width <= 0 || Height <= 0)
        return 0;
    // Clip the source rectangle to the buffer and the destination to the target.
    int sx = SourceX, sy = SourceY, dx = DestX, dy = DestY, w = Width, h = Height;
    auto clipStart = [](int& s, int& d, int& len) {
        const int shift = std::max({0, -s, -d});
        s += shift;
        d += shift;
        len -= shift;
    };
    clipStart(sx, dx, w);
    clipStart(sy, dy, h);
    w = std::min({w, m_width - sx, target.width() - dx});
    h = std::min({h, m_height - sy, target.height() - dy});
    if (w <= 0 || h <= 0)
        return 0;
    for (int row = 0; row < h; ++row) {
        const quint32* src = reinterpret_cast<const quint32*>(m_bits.get() + (qsizetype(sy + row) * m_width + sx) * 4);
        quint32* dst = reinterpret_cast<quint32*>(target.scanLine(dy + row)) + dx;
        rowToImage(src, dst, w);
    }
    return h;
}

void cNDib::Set_Pixel_Alpha(int x, int y, uint8_t red, uint8_t green, uint8_t blue, float alpha)
{
    requirePixels();
    if (!inside(x, y))
        throwOutOfRange();
    uint8_t* p = at(x, y);
    const uint8_t colour[3] = {blue, green, red};
    const float keep = 1.0f - alpha;
    for (int c = 0; c < 3; ++c) {
        const float v = float(p[c]) * keep + float(colour[c]) * alpha;
        // Within a byte (NaN fails too); rounding is half to even.
        if (!(v >= -0.5f && v <= 255.5f))
            throw AppError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
        const long r = std::lrint(v);
        if (r < 0 || r > 255)
            throw AppError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
        p[c] = uint8_t(r);
    }
}
