#include "platform/FloodFill.h"

#include <vector>

namespace {

struct Span
{
    int x1;
    int x2;
    int y;
    int dy;
};

} // namespace

qint64 floodFill(QImage& image, int x, int y, QRgb fillColor)
{
    if (image.isNull() || image.depth() != 32)
        return 0;
    quint32* bits = reinterpret_cast<quint32*>(image.bits());
    return floodFill(bits, image.width(), image.height(), image.bytesPerLine() / 4, x, y, fillColor);
}

// Span filling (Heckbert / Fishkin): each run of seed-coloured pixels is
// filled with one pass, and only the edges of that run are looked at in the
// rows above and below. No recursion; the span stack grows geometrically.
qint64 floodFill(quint32* pixels, int width, int height, qsizetype stride, int x, int y,
                 quint32 fillColor)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const quint32 seed = pixels[qsizetype(y) * stride + x];
    if (seed == fillColor)
        return 0;

    qint64 filled = 0;
    std::vector<Span> stack;
    stack.reserve(1024);
    stack.push_back({x, x, y, 1});
    stack.push_back({x, x, y - 1, -1});

    while (!stack.empty()) {
        Span s = stack.back();
        stack.pop_back();
        if (s.y < 0 || s.y >= height)
            continue;
        quint32* row = pixels + qsizetype(s.y) * stride;
        int x1 = s.x1;
        const int x2 = s.x2;
        int lx = x1;
        if (row[lx] == seed) {
            while (lx > 0 && row[lx - 1] == seed)
                --lx;
            for (int i = lx; i < x1; ++i)
                row[i] = fillColor;
            filled += x1 - lx;
            if (lx < x1)
                stack.push_back({lx, x1 - 1, s.y - s.dy, -s.dy});
        }
        while (x1 <= x2) {
            int start = x1;
            while (x1 < width && row[x1] == seed)
                ++x1;
            for (int i = start; i < x1; ++i)
                row[i] = fillColor;
            filled += x1 - start;
            if (x1 > lx)
                stack.push_back({lx, x1 - 1, s.y + s.dy, s.dy});
            if (x1 - 1 > x2)
                stack.push_back({x2 + 1, x1 - 1, s.y - s.dy, -s.dy});
            ++x1;
            while (x1 < x2 && row[x1] != seed)
                ++x1;
            lx = x1;
        }
    }
    return filled;
}
