// SPDX-License-Identifier: GPL-3.0-or-later
// Surface-mode flood fill: 4-connected, exactly the seed colour.
#include "platform/FloodFill.h"

#include <gtest/gtest.h>

#include <QImage>
#include <deque>
#include <random>
#include <vector>

namespace {

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;
constexpr QRgb Red = 0xFFFF0000u;

QImage whiteImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

qint64 countColour(const QImage& image, QRgb colour)
{
    qint64 n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// The obvious breadth-first fill, as the reference.
qint64 referenceFill(std::vector<quint32>& px, int w, int h, qsizetype stride, int x, int y, quint32 fill)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return 0;
    const quint32 seed = px[y * stride + x];
    if (seed == fill)
        return 0;
    qint64 n = 0;
    std::deque<std::pair<int, int>> queue{{x, y}};
    px[y * stride + x] = fill;
    while (!queue.empty()) {
        const auto [cx, cy] = queue.front();
        queue.pop_front();
        ++n;
        const int nx[4] = {cx - 1, cx + 1, cx, cx};
        const int ny[4] = {cy, cy, cy - 1, cy + 1};
        for (int k = 0; k < 4; ++k) {
            if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h)
                continue;
            quint32& p = px[ny[k] * stride + nx[k]];
            if (p == seed) {
                p = fill;
                queue.emplace_back(nx[k], ny[k]);
            }
        }
    }
    return n;
}

} // namespace

TEST(FloodFill, StopsAtOutlines)
{
    QImage image = whiteImage(40, 30);
    // A closed black frame from (10, 5) to (29, 24): 18 x 18 white inside.
    for (int x = 10; x <= 29; ++x) {
        image.setPixel(x, 5, Black);
        image.setPixel(x, 24, Black);
    }
    for (int y = 5; y <= 24; ++y) {
        image.setPixel(10, y, Black);
        image.setPixel(29, y, Black);
    }
    EXPECT_EQ(floodFill(image, 15, 15, Red), 18 * 18);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x > 10 && x < 29 && y > 5 && y < 24;
            const bool frame = !inside && x >= 10 && x <= 29 && y >= 5 && y <= 24;
            const QRgb expected = inside ? Red : frame ? Black : White;
            ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(FloodFill, NeverLeaksThroughADiagonalGap)
{
    // A wall that steps sideways: column 5 black for y <= 3, column 6 black
    // for y >= 4. The white pixels (6, 3) and (5, 4) touch only at a corner.
    QImage image = whiteImage(12, 8);
    for (int y = 0; y <= 3; ++y)
        image.setPixel(5, y, Black);
    for (int y = 4; y < 8; ++y)
        image.setPixel(6, y, Black);
    const qint64 n = floodFill(image, 0, 0, Red);
    // Left room: columns 0..4 on rows 0..3 and 0..5 on rows 4..7.
    EXPECT_EQ(n, 5 * 4 + 6 * 4);
    EXPECT_EQ(image.pixel(5, 4), Red);
    EXPECT_EQ(image.pixel(6, 3), White);
    EXPECT_EQ(image.pixel(11, 7), White);
}

TEST(FloodFill, NeverLeaksAcrossADiagonalLine)
{
    QImage image = whiteImage(64, 64);
    for (int i = 0; i < 64; ++i)
        image.setPixel(i, i, Black);
    const qint64 n = floodFill(image, 63, 0, Red); // upper-right triangle
    EXPECT_EQ(n, 64 * 63 / 2);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(image.pixel(x, y), x > y ? Red : x == y ? Black : White) << x << "," << y;
}

TEST(FloodFill, FillsExactlyTheSeedColour)
{
    QImage image = whiteImage(20, 10);
    // An almost-white block in the middle is not the seed colour.
    for (int y = 2; y < 8; ++y)
        for (int x = 6; x < 14; ++x)
            image.setPixel(x, y, 0xFFFFFEFFu);
    EXPECT_EQ(floodFill(image, 0, 0, Red), 20 * 10 - 8 * 6);
    EXPECT_EQ(countColour(image, 0xFFFFFEFFu), 8 * 6);
    // And a non-white seed: the almost-white block alone.
    EXPECT_EQ(floodFill(image, 10, 5, 0xFF00FF00u), 8 * 6);
    EXPECT_EQ(countColour(image, 0xFF00FF00u), 8 * 6);
    EXPECT_EQ(countColour(image, Red), 20 * 10 - 8 * 6);
}

TEST(FloodFill, ComparesWholeWordsIncludingAlpha)
{
    QImage image(8, 1, QImage::Format_ARGB32);
    image.fill(White);
    image.setPixel(4, 0, 0x00FFFFFFu); // same colour, other alpha: not the seed
    EXPECT_EQ(floodFill(image, 0, 0, Red), 4);
    EXPECT_EQ(image.pixel(5, 0), White);
}

TEST(FloodFill, SeedAlreadyFillColourChangesNothing)
{
    QImage image = whiteImage(10, 10);
    const QImage before = image.copy();
    EXPECT_EQ(floodFill(image, 3, 3, White), 0);
    EXPECT_EQ(image, before);
}

TEST(FloodFill, PointOutsideChangesNothing)
{
    QImage image = whiteImage(10, 10);
    const QImage before = image.copy();
    EXPECT_EQ(floodFill(image, -1, 3, Red), 0);
    EXPECT_EQ(floodFill(image, 3, -1, Red), 0);
    EXPECT_EQ(floodFill(image, 10, 3, Red), 0);
    EXPECT_EQ(floodFill(image, 3, 10, Red), 0);
    EXPECT_EQ(image, before);
    QImage empty;
    EXPECT_EQ(floodFill(empty, 0, 0, Red), 0);
    QImage grey(4, 4, QImage::Format_Grayscale8);
    grey.fill(255);
    EXPECT_EQ(floodFill(grey, 0, 0, Red), 0);
}

TEST(FloodFill, WholeImageAndOnePixelImages)
{
    QImage one = whiteImage(1, 1);
    EXPECT_EQ(floodFill(one, 0, 0, Red), 1);
    EXPECT_EQ(one.pixel(0, 0), Red);
    QImage column = whiteImage(1, 37);
    EXPECT_EQ(floodFill(column, 0, 20, Red), 37);
    QImage rowImage = whiteImage(37, 1);
    EXPECT_EQ(floodFill(rowImage, 20, 0, Red), 37);
    QImage big = whiteImage(333, 211);
    EXPECT_EQ(floodFill(big, 100, 100, Red), 333 * 211);
    EXPECT_EQ(countColour(big, Red), 333 * 211);
}

TEST(FloodFill, RespectsTheStrideOfARawBuffer)
{
    const int w = 13, h = 9, stride = 20;
    std::vector<quint32> px(size_t(stride) * h, 0xAAAAAAAAu);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            px[y * stride + x] = White;
    EXPECT_EQ(floodFill(px.data(), w, h, stride, 6, 4, Red), w * h);
    for (int y = 0; y < h; ++y)
        for (int x = w; x < stride; ++x)
            ASSERT_EQ(px[y * stride + x], 0xAAAAAAAAu);
}

TEST(FloodFill, MatchesABreadthFirstReferenceOnRandomPictures)
{
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + int(rng() % 70);
        const int h = 1 + int(rng() % 50);
        const qsizetype stride = w + qsizetype(rng() % 3);
        const int kinds = 2 + int(rng() % 2);
        const int density = 10 + int(rng() % 60); // percent of non-white
        std::vector<quint32> px(size_t(stride) * h, 0x12345678u);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                px[y * stride + x] = int(rng() % 100) < density ? (kinds == 2 ? Black : (rng() % 2 ? Black : Red))
                                                               : White;
        // Sometimes draw long walls, to get long runs and corners.
        if (rng() % 2)
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if ((x + 2 * y) % 11 == 0 || y % 7 == 3)
                        px[y * stride + x] = (x % 5 == 0) ? White : Black;
        std::vector<quint32> expected = px;
        const int sx = int(rng() % unsigned(w));
        const int sy = int(rng() % unsigned(h));
        const quint32 fill = 0xFF00FF00u;
        const qint64 expectedCount = referenceFill(expected, w, h, stride, sx, sy, fill);
        const qint64 count = floodFill(px.data(), w, h, stride, sx, sy, fill);
        ASSERT_EQ(count, expectedCount) << "round " << round;
        ASSERT_EQ(px, expected) << "round " << round;
    }
}

TEST(FloodFill, FillsARegionShapedLikeASpiral)
{
    // A spiral corridor forces spans to turn back many times.
    const int n = 61;
    QImage image = whiteImage(n, n);
    int x0 = 0, y0 = 0, x1 = n - 1, y1 = n - 1;
    bool draw = true;
    for (int ring = 0; x0 <= x1 && y0 <= y1; ++ring) {
        if (draw) {
            for (int x = x0; x <= x1; ++x)
                image.setPixel(x, y0, Black);
            for (int y = y0; y <= y1; ++y)
                image.setPixel(x1, y, Black);
            for (int x = x0; x <= x1; ++x)
                image.setPixel(x, y1, Black);
            for (int y = y0 + 2; y <= y1; ++y)
                image.setPixel(x0, y, Black);
        }
        draw = !draw;
        ++x0;
        ++y0;
        --x1;
        --y1;
    }
    std::vector<quint32> ref(size_t(n) * n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            ref[y * n + x] = image.pixel(x, y);
    const qint64 expected = referenceFill(ref, n, n, n, n / 2, n / 2, Red);
    const qint64 count = floodFill(image, n / 2, n / 2, Red);
    EXPECT_EQ(count, expected);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            ASSERT_EQ(image.pixel(x, y), ref[y * n + x]);
}
