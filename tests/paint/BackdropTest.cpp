// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/Backdrop.h"
#include "paint/Gradient.h"

#include "support/TestTools.h"

#include <QImage>
#include <gtest/gtest.h>

// ---------------------------------------------------------------------------
// Gradient

TEST(Gradient, RunsFromBlackInTheFirstRowToTheBackdropOverElevenRows)
{
    const QRgb backdrop = qRgb(100, 150, 200);
    QImage image = filledImage(50, 20, backdrop);
    PaintGradient(image, 0, 0, 20, 10, qRgb(0, 0, 0), backdrop);

    for (int x = 0; x <= 20; ++x) {
        EXPECT_EQ(image.pixel(x, 0), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(image.pixel(x, 10), backdrop) << x;
    }
    EXPECT_EQ(image.pixel(21, 0), backdrop); // width + 1 columns, no more
    EXPECT_EQ(image.pixel(5, 11), backdrop);
    // Row 5: (0.5 * 0.5 + 0.5) * B, halves to even (112.5 -> 112).
    EXPECT_EQ(image.pixel(3, 5), qRgb(75, 112, 150));
}

TEST(Gradient, MinusOneMeansTheSurfaceAndZeroHeightDrawsNothing)
{
    QImage image = filledImage(30, 8, qRgb(90, 90, 90));
    const QImage before = image.copy();
    PaintGradient(image, 0, 0, 29, 0, qRgb(0, 0, 0), qRgb(90, 90, 90));
    EXPECT_EQ(image, before);
    PaintGradient(image, 0, 0, -1, -1, qRgb(0, 0, 0), qRgb(90, 90, 90));
    EXPECT_EQ(image.pixel(29, 0), qRgb(0, 0, 0));
    // L = 8: row 7 is (7/8 * 1/8 + 7/8) * 90 = 88.6; row 8 would be outside.
    EXPECT_EQ(image.pixel(29, 7), qRgb(89, 89, 89));
}

// ---------------------------------------------------------------------------
// Halo

class Halo : public ::testing::Test
{
protected:
    void paint(QRgb colour) { Backdrop::paint(image, colour, canvas); }

    QImage image = filledImage(200, 150, 0xFF000000u);
    const QRect canvas{50, 40, 80, 60};
    const int X = 50, Y = 40, W = 80, H = 60;
};

TEST_F(Halo, BandsRunFromBlackAtThePictureToTheBackdropTenPixelsOut)
{
    const QRgb c = qRgb(200, 100, 50);
    paint(c);
    EXPECT_EQ(image.pixel(X - 10, Y + 20), c);
    EXPECT_EQ(image.pixel(X - 5, Y + 20), qRgb(100, 50, 25));
    EXPECT_EQ(image.pixel(X - 3, Y + 20), qRgb(60, 30, 15));
    EXPECT_EQ(image.pixel(X, Y + 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(X + W, Y + 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(X + W + 5, Y + 20), qRgb(100, 50, 25));
    EXPECT_EQ(image.pixel(X + W + 10, Y + 20), c);
    EXPECT_EQ(image.pixel(X + 10, Y - 10), c);
    EXPECT_EQ(image.pixel(X + 10, Y - 5), qRgb(100, 50, 25));
    EXPECT_EQ(image.pixel(X + 10, Y), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(X + 10, Y + H + 10), c);
    EXPECT_EQ(image.pixel(X + 10, Y + H), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(X + W / 2, Y + H / 2), c); // under the picture: untouched
}

TEST_F(Halo, RoundsHalvesToEven)
{
    paint(qRgb(255, 255, 255));
    EXPECT_EQ(qRed(image.pixel(X - 9, Y + 20)), 230); // 229.5
    EXPECT_EQ(qRed(image.pixel(X - 7, Y + 20)), 178); // 178.5
}

TEST_F(Halo, CornersAreQuarterRingsMirroredOnTheRight)
{
    const QRgb c = qRgb(200, 100, 50);
    paint(c);
    // k = 12: the single pixel straight above the corner point.
    EXPECT_EQ(image.pixel(X + 2, Y - 10), c);
    // k = 1, x = X - 4: distance sqrt(37) = 6.083, value C * 4.083 / 10.
    const QRgb ring = qRgb(82, 41, 20);
    EXPECT_EQ(image.pixel(X - 4, Y + 1), ring);
    EXPECT_EQ(image.pixel(X + W + 4, Y + 1), ring);
    EXPECT_EQ(image.pixel(X - 4, Y + H - 1), ring);
    EXPECT_EQ(image.pixel(X + W + 4, Y + H - 1), ring);
    // Outside the ring the backdrop stays.
    EXPECT_EQ(image.pixel(X - 9, Y - 9), c);
}

TEST_F(Halo, AHiddenCanvasGetsNoHaloButTheShadowStays)
{
    const QRgb c = qRgb(200, 100, 50);
    Backdrop::paint(image, c, QRect());
    EXPECT_EQ(image.pixel(X, Y + 20), c);
    EXPECT_EQ(image.pixel(100, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(100, 10), c);
}

TEST_F(Halo, ACanvasAtTheEdgeIsClipped)
{
    Backdrop::paint(image, qRgb(9, 9, 9), QRect(0, 0, 200, 150));
    EXPECT_EQ(image.pixel(199, 149), qRgb(9, 9, 9));
}
