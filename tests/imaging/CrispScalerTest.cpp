// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/CrispScaler.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// White with a one-pixel black frame, a diagonal and a red square.
QImage drawing()
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(0xFFFFFFFF);
    for (int x = 0; x < 60; ++x) {
        image.setPixel(x, 0, 0xFF000000);
        image.setPixel(x, 39, 0xFF000000);
    }
    for (int y = 0; y < 40; ++y) {
        image.setPixel(0, y, 0xFF000000);
        image.setPixel(59, y, 0xFF000000);
        image.setPixel(y + 10, y, 0xFF000000);
    }
    for (int y = 10; y < 20; ++y)
        for (int x = 35; x < 45; ++x)
            image.setPixel(x, y, 0xFFFF0000);
    return image;
}

QSet<QRgb> coloursOf(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

int blackPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == 0xFF000000u;
    return count;
}

} // namespace

TEST(CrispScaler, AFactorOfOneIsAnExactCopy)
{
    const QImage source = drawing();
    const QImage copy = CrispScaler::enlarged(source, 1.0);
    EXPECT_EQ(copy, source);
    QImage target(source.size(), QImage::Format_RGB32);
    target.fill(0xFF00FF00);
    CrispScaler().scale(source, target, target.rect(), 1.0);
    EXPECT_EQ(target, source);
}

TEST(CrispScaler, EnlargingInventsNoColourAndKeepsLinesInProportion)
{
    const QImage source = drawing();
    for (qreal factor : {1.25, 1.40625, 1.875, 2.0, 2.8125, 3.0}) {
        const QImage big = CrispScaler::enlarged(source, factor);
        ASSERT_EQ(big.width(), int(std::ceil(60 * factor))) << factor;
        EXPECT_EQ(big.devicePixelRatio(), factor);
        EXPECT_EQ(coloursOf(big), coloursOf(source)) << "colours changed at " << factor;
        // Black covers about as much of the enlarged picture as of the
        // original: lines neither vanish nor double in weight.
        const qreal share = qreal(blackPixels(big)) / (big.width() * big.height());
        const qreal original = qreal(blackPixels(source)) / (60 * 40);
        EXPECT_NEAR(share / original, 1.0, 0.2) << factor;
        // The frame is as thick as the factor, to a pixel.
        int frame = 0;
        while (big.pixel(frame, big.height() / 2) == 0xFF000000u)
            ++frame;
        EXPECT_NEAR(frame, factor, 1.0) << factor;
    }
}

TEST(CrispScaler, ADiagonalStaysOneUnbrokenLineWithoutStairsOfBlocks)
{
    const QImage big = CrispScaler::enlarged(drawing(), 2.0);
    // Nearest-pixel doubling would draw 2 x 2 blocks meeting only at their
    // corners; the enlarged diagonal has neighbours along it on every row.
    for (int y = 4; y < 76; ++y) {
        int black = 0;
        for (int x = 2 * (y / 2 + 10) - 6; x <= 2 * (y / 2 + 10) + 6; ++x)
            black += big.pixel(x, y) == 0xFF000000u;
        EXPECT_GE(black, 1) << "the diagonal breaks at row " << y;
        EXPECT_LE(black, 3) << "the diagonal thickens at row " << y;
    }
}

TEST(CrispScaler, OnlyTheAskedAreaIsFilled)
{
    const QImage source = drawing();
    QImage target(120, 80, QImage::Format_RGB32);
    target.fill(0xFF00FF00);
    CrispScaler().scale(source, target, QRect(10, 10, 20, 20), 2.0);
    EXPECT_EQ(target.pixel(9, 9), 0xFF00FF00u);
    EXPECT_EQ(target.pixel(30, 30), 0xFF00FF00u);
    EXPECT_EQ(target.pixel(10, 10), 0xFFFFFFFFu);
    // An area reaching past the target is clipped, not written beyond it.
    CrispScaler().scale(source, target, QRect(100, 60, 500, 500), 2.0);
    EXPECT_EQ(target.pixel(119, 79), 0xFF000000u);
}

namespace {

// The rule written out plainly, pixel by pixel: among the four source
// pixels nearest a device pixel's centre, the colour whose bilinear weights
// sum highest (the nearest pixel on a tie).
QRgb plainRule(const QImage& source, int x, int y, qreal factor)
{
    const auto taps = [](qreal at, int length, int& first, int& second, int& weight) {
        first = int(std::floor(at));
        weight = int(std::lround((at - std::floor(at)) * 256.0));
        if (first < 0)
            first = 0, weight = 0;
        if (first >= length - 1)
            first = length - 1, weight = 0;
        second = std::min(first + 1, length - 1);
    };
    int x0, x1, right, y0, y1, down;
    taps((x + 0.5) / factor - 0.5, source.width(), x0, x1, right);
    taps((y + 0.5) / factor - 0.5, source.height(), y0, y1, down);
    const QRgb c[4] = {source.pixel(x0, y0), source.pixel(x1, y0), source.pixel(x0, y1), source.pixel(x1, y1)};
    const int w[4] = {(256 - right) * (256 - down), right * (256 - down), (256 - right) * down, right * down};
    int best = 0, bestWeight = -1;
    for (int k = 0; k < 4; ++k) {
        int sum = 0;
        for (int m = 0; m < 4; ++m)
            sum += c[m] == c[k] ? w[m] : 0;
        if (sum > bestWeight)
            bestWeight = sum, best = k;
    }
    return c[best];
}

} // namespace

// The quick roads (a plain repeat at twice the size, flat areas) give what
// the rule gives, at the factors the interface uses.
TEST(CrispScaler, EveryFactorFollowsThePlainRule)
{
    QImage source = drawing();
    // Noise too, where neighbours rarely agree.
    for (int y = 25; y < 35; ++y)
        for (int x = 40; x < 55; ++x)
            source.setPixel(x, y, ((x * 7 + y * 13) % 3 == 0) ? 0xFF00FF00 : 0xFF0000FF);
    CrispScaler scaler;
    for (const qreal factor : {1.0, 1.25, 1.875, 2.0, 2.5, 3.0}) {
        QImage target(int(std::ceil(source.width() * factor)), int(std::ceil(source.height() * factor)),
                      QImage::Format_RGB32);
        scaler.scale(source, target, target.rect(), factor);
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                ASSERT_EQ(target.pixel(x, y), plainRule(source, x, y, factor))
                    << "at (" << x << ", " << y << ") enlarged " << factor << " times";
    }
}
