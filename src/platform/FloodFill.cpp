// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FloodFill.h"

#include <algorithm>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// A run of pixels [x1, x2] in row y that was filled; the row y + dy is still
// to be scanned beneath it.
struct Span
{
    int x1;
    int x2;
    int y;
    int dy;
};

// The three row primitives of the fill. Each looks at whole runs at once:
// with SSE2 (every x86-64) four pixels are compared and, when all four are
// the seed colour, stored with one instruction; elsewhere plain loops.

// Fills row[from], row[from + 1], ... while they are seed, up to end
// (exclusive). Returns the first index that was not filled.
inline int fillRight(quint32* row, int from, int end, quint32 seed, quint32 fill)
{
    int i = from;
#if defined(__SSE2__)
    const __m128i s = _mm_set1_epi32(int(seed));
    const __m128i f = _mm_set1_epi32(int(fill));
    for (; i + 8 <= end; i += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i + 4));
        const int ma = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(a, s)));
        const int mb = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(b, s)));
        if ((ma & mb) != 0xF) {
            if (ma == 0xF) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), f);
                i += 4;
            }
            break; // the scalar loop finds the exact end within four pixels
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), f);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i + 4), f);
    }
#endif
    while (i < end && row[i] == seed)
        row[i++] = fill;
    return i;
}

// Fills row[from - 1], row[from - 2], ... while they are seed, down to 0.
// Returns the lowest index filled (from when none).
inline int fillLeft(quint32* row, int from, quint32 seed, quint32 fill)
{
    int i = from; // row[i .. from) is filled
#if defined(__SSE2__)
    const __m128i s = _mm_set1_epi32(int(seed));
    const __m128i f = _mm_set1_epi32(int(fill));
    for (; i >= 4; i -= 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i - 4));
        if (_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(a, s))) != 0xF)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i - 4), f);
    }
#endif
    while (i > 0 && row[i - 1] == seed)
        row[--i] = fill;
    return i;
}

// The first index in [from, to] whose pixel is seed; to + 1 when none.
inline int findSeed(const quint32* row, int from, int to, quint32 seed)
{
    int i = from;
#if defined(__SSE2__)
    const __m128i s = _mm_set1_epi32(int(seed));
    for (; i + 4 <= to + 1; i += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        const int m = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(a, s)));
        if (m)
            return i + __builtin_ctz(unsigned(m));
    }
#endif
    while (i <= to && row[i] != seed)
        ++i;
    return i;
}

} // namespace

qint64 floodFill(QImage& image, int x, int y, QRgb fillColour)
{
    if (image.isNull() || image.depth() != 32)
        return 0;
    quint32* bits = reinterpret_cast<quint32*>(image.bits());
    return floodFill(bits, image.width(), image.height(), image.bytesPerLine() / 4, x, y, fillColour);
}

// Span filling (Heckbert 1990, in the combined scan-and-fill form): a popped
// span names a filled run of the row above or below; the row is scanned only
// under that run, each seed-coloured run found there is filled in one pass
// (extending past the span's ends as far as it goes) and becomes a span for
// the next row in the same direction. Only the parts of a run that stick out
// past its parent span are pushed back towards the parent's row, so rows are
// not rescanned under runs that are already filled. 4-connected: a run
// continues only through pixels that share an edge with it, never through a
// diagonal gap. No recursion; the stack keeps only open spans.
qint64 floodFill(quint32* pixels, int width, int height, qsizetype stride, int x, int y,
                 quint32 fillColour)
{
    if (!pixels || x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const quint32 seed = pixels[qsizetype(y) * stride + x];
    if (seed == fillColour)
        return 0;

    qint64 filled = 0;
    std::vector<Span> stack;
    stack.reserve(256 + size_t(height));
    auto push = [&](int x1, int x2, int row, int dy) {
        if (unsigned(row) < unsigned(height))
            stack.push_back({x1, x2, row, dy});
    };

    // The seed's own run, then the rows above and below it.
    {
        quint32* row = pixels + qsizetype(y) * stride;
        const int left = fillLeft(row, x, seed, fillColour);
        const int right = fillRight(row, x, width, seed, fillColour);
        filled += right - left;
        push(left, right - 1, y - 1, -1);
        push(left, right - 1, y + 1, 1);
    }

    while (!stack.empty()) {
        const Span s = stack.back();
        stack.pop_back();
        quint32* row = pixels + qsizetype(s.y) * stride;
        const int x2 = s.x2;
        int x1 = findSeed(row, s.x1, x2, seed);
        if (x1 > x2)
            continue;
        // A run that starts at the span's left end may reach further left.
        int lx = x1;
        if (x1 == s.x1) {
            lx = fillLeft(row, x1, seed, fillColour);
            filled += x1 - lx;
            if (lx < s.x1 - 1)
                push(lx, s.x1 - 2, s.y - s.dy, -s.dy);
        }
        while (x1 <= x2) {
            const int end = fillRight(row, x1, width, seed, fillColour); // run is [lx, end)
            filled += end - x1;
            push(lx, end - 1, s.y + s.dy, s.dy);
            // Past the parent span's right end the run may have pixels
            // below/above it that the parent could not reach.
            if (end - 1 > x2 + 1)
                push(x2 + 2, end - 1, s.y - s.dy, -s.dy);
            x1 = findSeed(row, end + 1, x2, seed);
            lx = x1;
        }
    }
    return filled;
}
