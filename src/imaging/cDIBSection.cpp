// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/cDIBSection.h"

#include "platform/PictureSurface.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <tmmintrin.h>
#endif

namespace {

bool isDirect32(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied;
}

// n pixels 0xAARRGGBB -> 3n bytes B, G, R. Four pixels at a time become
// three 32-bit stores; the alpha byte is dropped.
void rowToBgrPlain(const quint32* src, uint8_t* dst, int n)
{
    int i = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    for (; i + 4 <= n; i += 4) {
        const quint32 a = src[i] & 0x00FFFFFFu;
        const quint32 b = src[i + 1] & 0x00FFFFFFu;
        const quint32 c = src[i + 2] & 0x00FFFFFFu;
        const quint32 d = src[i + 3];
        const quint32 w0 = a | (b << 24);
        const quint32 w1 = (b >> 8) | (c << 16);
        const quint32 w2 = (c >> 16) | (d << 8);
        std::memcpy(dst, &w0, 4);
        std::memcpy(dst + 4, &w1, 4);
        std::memcpy(dst + 8, &w2, 4);
        dst += 12;
    }
#endif
    for (; i < n; ++i) {
        const quint32 p = src[i];
        dst[0] = uint8_t(p);
        dst[1] = uint8_t(p >> 8);
        dst[2] = uint8_t(p >> 16);
        dst += 3;
    }
}

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#define TINTALOO_SSSE3_DISPATCH 1
// The same with SSSE3 (every x86-64 of the last fifteen years, chosen at run
// time): one byte shuffle packs four pixels into twelve bytes. Each 16-byte
// store runs four bytes past its twelve; the next store or the plain tail
// overwrites them, and the loop stops while they are still inside the row.
__attribute__((target("ssse3"))) void rowToBgrSsse3(const quint32* src, uint8_t* dst, int n)
{
    const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    int i = 0;
    for (; i + 6 <= n; i += 4) {
        const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 3 * i), _mm_shuffle_epi8(px, pack));
    }
    rowToBgrPlain(src + i, dst + 3 * i, n - i);
}
#endif

using RowToBgr = void (*)(const quint32*, uint8_t*, int);

RowToBgr pickRowToBgr()
{
#if defined(TINTALOO_SSSE3_DISPATCH)
    if (__builtin_cpu_supports("ssse3"))
        return rowToBgrSsse3;
#endif
    return rowToBgrPlain;
}

const RowToBgr rowToBgr = pickRowToBgr();

// 3n bytes B, G, R -> n opaque pixels 0xFFRRGGBB.
void rowFromBgr(const uint8_t* src, quint32* dst, int n)
{
    int i = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    for (; i + 4 <= n; i += 4) {
        quint32 w0, w1, w2;
        std::memcpy(&w0, src, 4);
        std::memcpy(&w1, src + 4, 4);
        std::memcpy(&w2, src + 8, 4);
        dst[i] = 0xFF000000u | w0;
        dst[i + 1] = 0xFF000000u | (w0 >> 24) | (w1 << 8);
        dst[i + 2] = 0xFF000000u | (w1 >> 16) | (w2 << 16);
        dst[i + 3] = 0xFF000000u | (w2 >> 8);
        src += 12;
    }
#endif
    for (; i < n; ++i) {
        dst[i] = 0xFF000000u | quint32(src[0]) | (quint32(src[1]) << 8) | (quint32(src[2]) << 16);
        src += 3;
    }
}

int roundEven(double v)
{
    return int(std::nearbyint(v));
}

// One released pixel buffer is kept for the next section of about the same
// size: the picture saver makes a fresh section for every save, and a fresh
// 2-3 MB allocation costs far more in page faults (and the zeroing of new
// pages) than the conversion into it. At most MaxSpare bytes are kept.
// Plain values, so that the spare outlives every section, even static ones
// destroyed at exit (the one kept buffer is then simply left to the system).
constexpr size_t MaxSpare = size_t(64) << 20;
thread_local uint8_t* spareBits = nullptr;
thread_local size_t spareBytes = 0;

std::unique_ptr<uint8_t[]> takeBuffer(size_t bytes, size_t& capacity)
{
    if (spareBits && spareBytes >= bytes && spareBytes / 2 <= bytes) {
        capacity = std::exchange(spareBytes, 0);
        return std::unique_ptr<uint8_t[]>(std::exchange(spareBits, nullptr));
    }
    capacity = bytes;
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[bytes]);
}

void giveBack(std::unique_ptr<uint8_t[]> bits, size_t capacity)
{
    if (bits && capacity <= MaxSpare && capacity >= spareBytes) {
        delete[] spareBits;
        spareBits = bits.release();
        spareBytes = capacity;
    }
}

} // namespace

cDIBSection::cDIBSection(cDIBSection&& other) noexcept
    : m_bits(std::move(other.m_bits))
    , m_capacity(std::exchange(other.m_capacity, 0))
    , m_width(std::exchange(other.m_width, 0))
    , m_height(std::exchange(other.m_height, 0))
    , m_stride(std::exchange(other.m_stride, 0))
{
}

cDIBSection& cDIBSection::operator=(cDIBSection&& other) noexcept
{
    if (this != &other) {
        ClearUp();
        m_bits = std::move(other.m_bits);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_stride = std::exchange(other.m_stride, 0);
    }
    return *this;
}

cDIBSection::~cDIBSection()
{
    ClearUp();
}

void cDIBSection::ClearUp()
{
    giveBack(std::move(m_bits), m_capacity);
    m_bits.reset();
    m_capacity = 0;
    m_width = m_height = m_stride = 0;
}

bool cDIBSection::Create(int width, int height)
{
    if (!allocate(width, height))
        return false;
    // Black pixels and zero filler bytes.
    std::memset(m_bits.get(), 0, size_t(m_stride) * size_t(m_height));
    return true;
}

bool cDIBSection::allocate(int width, int height)
{
    ClearUp();
    if (width <= 0 || height <= 0 || width > (0x7FFFFFFF - 3) / 3)
        return false;
    const int stride = (3 * width + 3) & ~3;
    const size_t bytes = size_t(stride) * size_t(height);
    m_bits = takeBuffer(bytes, m_capacity);
    if (!m_bits) {
        m_capacity = 0;
        return false;
    }
    m_width = width;
    m_height = height;
    m_stride = stride;
    return true;
}

void cDIBSection::CreateFromPicture(const QImage& picture)
{
    ClearUp();
    if (picture.isNull())
        return;
    const QImage source = isDirect32(picture.format()) ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (source.isNull() || !allocate(source.width(), source.height()))
        return;
    // Every pixel byte is written here, so only the filler is zeroed.
    const int filler = m_stride - 3 * m_width;
    for (int y = 0; y < m_height; ++y) {
        uint8_t* row = scanLineTopDown(y);
        rowToBgr(reinterpret_cast<const quint32*>(source.constScanLine(y)), row, m_width);
        if (filler)
            std::memset(row + 3 * m_width, 0, size_t(filler));
    }
}

void cDIBSection::CreateFromPicture(const PictureSurface& picture)
{
    CreateFromPicture(picture.image());
}

void cDIBSection::LoadPictureBlt(const QImage& sourceImage, int lSrcLeft, int lSrcTop, int lSrcWidth,
                                 int lSrcHeight, quint32 eRop)
{
    if (!m_bits || sourceImage.isNull())
        return;
    const QImage source = isDirect32(sourceImage.format())
        ? sourceImage
        : sourceImage.convertToFormat(QImage::Format_RGB32);
    if (source.isNull())
        return;
    const int w = lSrcWidth < 0 ? m_width : lSrcWidth;
    const int h = lSrcHeight < 0 ? m_height : lSrcHeight;
    // Offsets i (columns) and j (rows) into the rectangle: section pixel
    // (i, j) <- source pixel (lSrcLeft + i, lSrcTop + j).
    const int i0 = std::max(0, -lSrcLeft);
    const int j0 = std::max(0, -lSrcTop);
    const int i1 = std::min({w, m_width, source.width() - lSrcLeft});
    const int j1 = std::min({h, m_height, source.height() - lSrcTop});
    if (i0 >= i1 || j0 >= j1)
        return;
    const int n = i1 - i0;
    std::vector<uint8_t> temp;
    if (eRop != RopCopy)
        temp.resize(size_t(n) * 3);
    for (int j = j0; j < j1; ++j) {
        const quint32* src = reinterpret_cast<const quint32*>(source.constScanLine(lSrcTop + j)) + lSrcLeft + i0;
        uint8_t* dst = scanLineTopDown(j) + qsizetype(i0) * 3;
        switch (eRop) {
        case RopAnd:
            rowToBgr(src, temp.data(), n);
            for (int k = 0; k < 3 * n; ++k)
                dst[k] &= temp[k];
            break;
        case RopOr:
            rowToBgr(src, temp.data(), n);
            for (int k = 0; k < 3 * n; ++k)
                dst[k] |= temp[k];
            break;
        case RopXor:
            rowToBgr(src, temp.data(), n);
            for (int k = 0; k < 3 * n; ++k)
                dst[k] ^= temp[k];
            break;
        default:
            rowToBgr(src, dst, n);
            break;
        }
    }
}

void cDIBSection::PaintPicture(QImage& dest, int lDestLeft, int lDestTop, int lDestWidth, int lDestHeight,
                               int lSrcLeft, int lSrcTop, quint32 eRop) const
{
    if (!m_bits || dest.isNull())
        return;
    if (!isDirect32(dest.format())) {
        dest = dest.convertToFormat(QImage::Format_RGB32);
        if (dest.isNull())
            return;
    }
    const int w = lDestWidth < 0 ? m_width : lDestWidth;
    const int h = lDestHeight < 0 ? m_height : lDestHeight;
    // Offset (i, j): dest (lDestLeft + i, lDestTop + j) <- section
    // (lSrcLeft + i, lSrcTop + j), both inside their images.
    const int i0 = std::max({0, -lDestLeft, -lSrcLeft});
    const int j0 = std::max({0, -lDestTop, -lSrcTop});
    const int i1 = std::min({w, dest.width() - lDestLeft, m_width - lSrcLeft});
    const int j1 = std::min({h, dest.height() - lDestTop, m_height - lSrcTop});
    if (i0 >= i1 || j0 >= j1)
        return;
    const int n = i1 - i0;
    std::vector<quint32> temp;
    if (eRop != RopCopy)
        temp.resize(size_t(n));
    for (int j = j0; j < j1; ++j) {
        const uint8_t* src = scanLineTopDown(lSrcTop + j) + qsizetype(lSrcLeft + i0) * 3;
        quint32* dst = reinterpret_cast<quint32*>(dest.scanLine(lDestTop + j)) + lDestLeft + i0;
        switch (eRop) {
        case RopAnd:
            rowFromBgr(src, temp.data(), n);
            for (int k = 0; k < n; ++k)
                dst[k] &= temp[k];
            break;
        case RopOr:
            rowFromBgr(src, temp.data(), n);
            for (int k = 0; k < n; ++k)
                dst[k] |= temp[k];
            break;
        case RopXor:
            rowFromBgr(src, temp.data(), n);
            for (int k = 0; k < n; ++k)
                dst[k] = (dst[k] ^ temp[k]) | 0xFF000000u;
            break;
        default:
            rowFromBgr(src, dst, n);
            break;
        }
    }
}

std::unique_ptr<cDIBSection> cDIBSection::Resample(int lNewHeight, int lNewWidth) const
{
    if (!m_bits)
        return nullptr;
    auto result = std::make_unique<cDIBSection>();
    if (!result->Create(lNewWidth, lNewHeight))
        return nullptr;
    if (lNewWidth == m_width && lNewHeight == m_height) {
        std::memcpy(result->m_bits.get(), m_bits.get(), size_t(m_stride) * size_t(m_height));
        return result;
    }
    // Bilinear, in storage order (row 0 is the bottom row): the
    // interpolation works on the bits directly. For a source one pixel wide or high the
    // neighbour index is held at the last pixel (its weight is then 0).
    const double xs = double(m_width - 1) / lNewWidth;
    const double ys = double(m_height - 1) / lNewHeight;
    const uint8_t* bits = m_bits.get();
    for (int y = 0; y < lNewHeight; ++y) {
        const double sy = y * ys;
        const int y0 = int(std::floor(sy));
        const double fy = sy - y0;
        const int y1 = std::min(y0 + 1, m_height - 1);
        const uint8_t* r0 = bits + qsizetype(y0) * m_stride;
        const uint8_t* r1 = bits + qsizetype(y1) * m_stride;
        uint8_t* out = result->m_bits.get() + qsizetype(y) * result->m_stride;
        for (int x = 0; x < lNewWidth; ++x) {
            const double sx = x * xs;
            const int x0 = int(std::floor(sx));
            const double fx = sx - x0;
            const int x1 = std::min(x0 + 1, m_width - 1);
            for (int c = 0; c < 3; ++c) {
                const int left = roundEven((1.0 - fy) * r0[3 * x0 + c] + fy * r1[3 * x0 + c]);
                const int right = roundEven((1.0 - fy) * r0[3 * x1 + c] + fy * r1[3 * x1 + c]);
                const int v = roundEven((1.0 - fx) * left + fx * right);
                out[3 * x + c] = uint8_t(std::clamp(v, 0, 255));
            }
        }
    }
    return result;
}

QImage cDIBSection::toImage() const
{
    if (!m_bits)
        return {};
    QImage image(m_width, m_height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < m_height; ++y)
        rowFromBgr(scanLineTopDown(y), reinterpret_cast<quint32*>(image.scanLine(y)), m_width);
    return image;
}
