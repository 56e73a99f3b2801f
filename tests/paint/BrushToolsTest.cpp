// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/BrushTools.h"
#include "platform/Random.h"

#include "PaintFixtures.h"

#include <QImage>
#include <gtest/gtest.h>
#include <cmath>

namespace {

constexpr quint32 Key = 0x000000FF; // red in 0x00BBGGRR
constexpr QRgb KeyRgb = 0xFFFF0000u;
constexpr QRgb Magenta = 0xFFFF00FFu;

cNDib filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    cNDib dib;
    dib.Make_From_Image(image);
    return dib;
}

QRgb pixelOf(const cNDib& dib, int x, int y)
{
    uint8_t r = 0, g = 0, b = 0;
    dib.Get_Pixel(x, y, r, g, b);
    return qRgb(r, g, b);
}

// A brush whose greys run through many values, white included.
cNDib patternBrush(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int g = (x * 37 + y * 11 + 3) % 256;
            image.setPixel(x, y, qRgb(g, g, g));
        }
    image.setPixel(0, 0, qRgb(255, 255, 255));
    cNDib dib;
    dib.Make_From_Image(image);
    return dib;
}

int expectedChannel(int old, int colour, int grey)
{
    const double a = grey / 255.0;
    const double b = 1.0 - a;
    return int(std::nearbyint(old * a + colour * b));
}

} // namespace

// ---------------------------------------------------------------------------
// Brush stamp

TEST(BrushStamp, MixesEachPixelByTheBrushGreyWhereTheMaskHoldsTheKey)
{
    cNDib canvas = filled(60, 50, qRgb(200, 100, 50));
    QImage maskImage(60, 50, QImage::Format_RGB32);
    maskImage.fill(KeyRgb);
    maskImage.setPixel(30, 25, PaintFixtures::White); // another region
    maskImage.setPixel(27, 23, PaintFixtures::Black); // an outline
    cNDib mask;
    mask.Make_From_Image(maskImage);
    const cNDib brush = patternBrush(11, 9);
    QImage screen(60, 50, QImage::Format_RGB32);
    screen.fill(Magenta);

    const QRect copied = stamp_brush(canvas, mask, brush, 30, 25, Key, 10, 240, 77, screen);

    // hw = 5, hh = 4: the brush covers 25..35 x 21..29.
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool underBrush = x >= 25 && x <= 35 && y >= 21 && y <= 29;
            const bool masked = (x == 30 && y == 25) || (x == 27 && y == 23);
            QRgb expected = qRgb(200, 100, 50);
            if (underBrush && !masked) {
                const int g = (x - 25) * 37 + (y - 21) * 11 + 3;
                const int grey = (x == 25 && y == 21) ? 255 : g % 256;
                expected = qRgb(expectedChannel(200, 10, grey), expectedChannel(100, 240, grey),
                                expectedChannel(50, 77, grey));
            }
            ASSERT_EQ(pixelOf(canvas, x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(copied, QRect(25, 21, 13, 11));
}

TEST(BrushStamp, CopiesOnlyTheTouchedRectanglePlusTwoToTheScreen)
{
    cNDib canvas = filled(60, 50, qRgb(9, 9, 9));
    const cNDib mask = filled(60, 50, KeyRgb);
    const cNDib brush = patternBrush(11, 9);
    QImage screen(60, 50, QImage::Format_RGB32);
    screen.fill(Magenta);

    stamp_brush(canvas, mask, brush, 30, 25, Key, 200, 200, 200, screen);

    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool inCopy = x >= 25 && x < 38 && y >= 21 && y < 32;
            ASSERT_EQ(screen.pixel(x, y), inCopy ? (pixelOf(canvas, x, y) | 0xFF000000u) : Magenta)
                << x << "," << y;
        }
}

TEST(BrushStamp, AtTheCornerPaintsOnlyTheQuarterOnTheCanvas)
{
    cNDib canvas = filled(100, 80, qRgb(255, 255, 255));
    const cNDib mask = filled(100, 80, KeyRgb);
    cNDib brush;
    brush.Make_From_Image(PaintFixtures::crayon());
    QImage screen(100, 80, QImage::Format_RGB32);
    screen.fill(Magenta);

    const QRect copied = stamp_brush(canvas, mask, brush, 0, 0, Key, 0, 0, 0, screen);

    // The crayon (38 x 34) reaches X + 18 and Y + 16.
    EXPECT_EQ(copied, QRect(0, 0, 21, 19));
    EXPECT_NE(pixelOf(canvas, 0, 0), qRgb(255, 255, 255));
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            if (x > 18 || y > 16) {
                ASSERT_EQ(pixelOf(canvas, x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
            const bool inCopy = x < 21 && y < 19;
            ASSERT_EQ(screen.pixel(x, y) == Magenta, !inCopy) << x << "," << y;
        }
    // At the right edge the canvas's last column takes colour too.
    stamp_brush(canvas, mask, patternBrush(11, 9), 99, 40, Key, 0, 0, 0, screen);
    for (int y = 36; y <= 44; ++y)
        EXPECT_NE(pixelOf(canvas, 99, y), qRgb(255, 255, 255)) << y;
}

// ---------------------------------------------------------------------------
// Pencil line

TEST(PencilLine, DiagonalTakesTheMostlyVerticalBranch)
{
    QImage surface(40, 40, QImage::Format_RGB32);
    surface.fill(PaintFixtures::White);
    const cNDib mask = filled(40, 40, KeyRgb);

    const QRect changed = LineGP(surface, mask, 10, 10, 20, 20, 0x000000, Key);

    auto red = [&](int x, int y) { return qRed(surface.pixel(x, y)); };
    EXPECT_EQ(red(15, 15), 0);     // core
    EXPECT_EQ(red(10, 9), 127);    // end cap above the start: the vertical branch
    EXPECT_EQ(red(9, 9), 169);     // corner cap, weight 85
    EXPECT_EQ(red(9, 10), 126);    // side pixel, weight 128
    EXPECT_EQ(red(11, 10), 127);   // side pixel, weight 127
    EXPECT_EQ(red(20, 21), 127);   // end cap below the end
    EXPECT_EQ(red(21, 21), 169);
    EXPECT_EQ(red(30, 10), 255);   // untouched
    EXPECT_TRUE(changed.contains(QRect(9, 9, 13, 13)));
}

TEST(PencilLine, HorizontalSegmentPutsItsCapsBesideTheEnds)
{
    QImage surface(40, 20, QImage::Format_RGB32);
    surface.fill(PaintFixtures::White);
    const cNDib mask = filled(40, 20, KeyRgb);

    LineGP(surface, mask, 5, 10, 25, 10, 0x000000, Key);

    EXPECT_EQ(qRed(surface.pixel(4, 10)), 127);
    EXPECT_EQ(qRed(surface.pixel(26, 10)), 127);
    for (int x = 5; x <= 25; ++x)
        EXPECT_EQ(qRed(surface.pixel(x, 10)), 0) << x;
}

TEST(PencilLine, ZeroLengthDrawsNothing)
{
    QImage surface(20, 20, QImage::Format_RGB32);
    surface.fill(PaintFixtures::White);
    const QImage before = surface.copy();
    const cNDib mask = filled(20, 20, KeyRgb);

    EXPECT_TRUE(LineGP(surface, mask, 7, 7, 7, 7, 0x000000, Key).isEmpty());
    EXPECT_EQ(surface, before);
}

TEST(PencilLine, ChangesOnlyPixelsOfTheKeyAndIgnoresPointsOutside)
{
    QImage surface(20, 20, QImage::Format_RGB32);
    surface.fill(PaintFixtures::White);
    QImage maskImage(20, 20, QImage::Format_RGB32);
    maskImage.fill(PaintFixtures::White);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x)
            maskImage.setPixel(x, y, KeyRgb);
    cNDib mask;
    mask.Make_From_Image(maskImage);

    LineGP(surface, mask, -5, 10, 30, 12, 0x0000FF, Key);

    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            ASSERT_EQ(surface.pixel(x, y), PaintFixtures::White) << x << "," << y;
    const bool coreAtFive = surface.pixel(5, 10) == 0xFFFF0000u || surface.pixel(5, 11) == 0xFFFF0000u;
    EXPECT_TRUE(coreAtFive);
}

// ---------------------------------------------------------------------------
// Colour spread

struct SpreadRange
{
    int min[3] = {255, 255, 255};
    int max[3] = {0, 0, 0};
};

SpreadRange sampleSpread(uint8_t r, uint8_t g, uint8_t b, int k)
{
    Random random(42);
    SpreadRange range;
    for (int i = 0; i < 4000; ++i) {
        const quint32 c = spreadColour(r, g, b, k, random);
        const int channels[3] = {int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)};
        for (int j = 0; j < 3; ++j) {
            range.min[j] = std::min(range.min[j], channels[j]);
            range.max[j] = std::max(range.max[j], channels[j]);
        }
    }
    return range;
}

TEST(ColourSpread, NormalColoursMoveEachChannelFromMinusTenToPlusNine)
{
    const SpreadRange range = sampleSpread(128, 50, 200, 10);
    const int base[3] = {128, 50, 200};
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(range.min[j], base[j] - 10);
        EXPECT_EQ(range.max[j], base[j] + 9);
    }
}

TEST(ColourSpread, CrazyColoursSpreadAHundredAndTwenty)
{
    const SpreadRange range = sampleSpread(128, 128, 128, 120);
    for (int j = 0; j < 3; ++j) {
        EXPECT_GE(range.min[j], 8);
        EXPECT_LE(range.min[j], 20);
        EXPECT_LE(range.max[j], 247);
        EXPECT_GE(range.max[j], 235);
    }
}

TEST(ColourSpread, WhiteOnlyLowersAndBlackOnlyRaises)
{
    const SpreadRange white = sampleSpread(255, 255, 255, 10);
    const SpreadRange black = sampleSpread(0, 0, 0, 10);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(white.min[j], 245);
        EXPECT_EQ(white.max[j], 255);
        EXPECT_EQ(black.min[j], 0);
        EXPECT_EQ(black.max[j], 9);
    }
}
