// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel buffer: clamping, last-index sizes, silent skips, errors,
// fitted drawing, raster operations and rectangle copies.
#include "imaging/cNDib.h"
#include "platform/AppError.h"
#include "platform/PictureSurface.h"

#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <functional>

namespace {

// A W x H buffer whose pixel (x, y) has red = x, green = y, blue = x + y.
cNDib gradient(int w, int h)
{
    cNDib dib;
    EXPECT_TRUE(dib.Create(w, h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            dib.Set_Pixel(x, y, uint8_t(x), uint8_t(y), uint8_t(x + y));
    return dib;
}

// The bounding box of the pixels of target that are no longer white.
QRect paintedBox(const QImage& target)
{
    QRect box;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            if ((target.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(cNDib, WidthAndHeightAreLastIndices)
{
    cNDib dib;
    ASSERT_TRUE(dib.Create(640, 480));
    EXPECT_EQ(dib.Width(), 639);
    EXPECT_EQ(dib.Height(), 479);
    EXPECT_EQ(dib.BPP(), 32);
    EXPECT_EQ(dib.pixelWidth(), 640);
}

TEST(cNDib, MakeFromPictureCopiesTheDrawableImage)
{
    PictureSurface surface(QSize(7, 5), 0xFFFFFFFF);
    surface.image().setPixel(3, 2, qRgb(10, 20, 30));
    cNDib dib;
    ASSERT_TRUE(dib.Make_From_Picture(surface));
    EXPECT_EQ(dib.Width(), 6);
    EXPECT_EQ(dib.Height(), 4);
    uint8_t r = 0, g = 0, b = 0;
    dib.Get_Pixel(3, 2, r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(g, 20);
    EXPECT_EQ(b, 30);
    EXPECT_EQ(dib.Get_Pixel_Long(3, 2), 10u + 256u * 20u + 65536u * 30u);
    // Byte 3 of every pixel is 0 after a copy.
    for (int i = 0; i < 7 * 5; ++i)
        ASSERT_EQ(dib.bits()[4 * i + 3], 0);
    // An empty surface reports false.
    PictureSurface empty;
    EXPECT_FALSE(dib.Make_From_Picture(empty));
}

TEST(cNDib, MakeFromImageReadsOtherFormatsByColour)
{
    QImage rgba(2, 1, QImage::Format_RGBA8888);
    rgba.setPixel(0, 0, qRgb(1, 2, 3));
    rgba.setPixel(1, 0, qRgb(200, 100, 50));
    cNDib dib;
    ASSERT_TRUE(dib.Make_From_Image(rgba));
    EXPECT_EQ(dib.Get_Pixel_Long(0, 0), 1u + 256u * 2u + 65536u * 3u);
    EXPECT_EQ(dib.Get_Pixel_Long(1, 0), 200u + 256u * 100u + 65536u * 50u);
    QImage rgb888(1, 1, QImage::Format_RGB888);
    rgb888.setPixel(0, 0, qRgb(9, 8, 7));
    ASSERT_TRUE(dib.Make_From_Image(rgb888));
    EXPECT_EQ(dib.Get_Pixel_Long(0, 0), 9u + 256u * 8u + 65536u * 7u);
}

TEST(cNDib, GetPixelLongClampsIntoTheImage)
{
    const cNDib dib = gradient(10, 8);
    // x = -5, y = H + 10 reads pixel (0, H - 1).
    EXPECT_EQ(dib.Get_Pixel_Long(-5, 8 + 10), dib.Get_Pixel_Long(0, 7));
    EXPECT_EQ(dib.Get_Pixel_Long(-5, 18), 0u + 256u * 7u + 65536u * 7u);
    EXPECT_EQ(dib.Get_Pixel_Long(100, -3), 9u + 65536u * 9u);
}

TEST(cNDib, GetPixelClampWritesTheClampedCoordinatesBack)
{
    const cNDib dib = gradient(10, 8);
    int x = 10, y = 3; // x = W
    uint8_t r = 0, g = 0, b = 0;
    dib.Get_Pixel_Clamp(x, y, r, g, b);
    EXPECT_EQ(x, 9);
    EXPECT_EQ(y, 3);
    EXPECT_EQ(r, 9);
    EXPECT_EQ(g, 3);
    EXPECT_EQ(b, 12);
    x = -4;
    y = 50;
    dib.Get_Pixel_Clamp(x, y, r, g, b);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 7);
}

TEST(cNDib, GetChannelTakesLargeCoordinatesAsTheLastAndFailsOnNegative)
{
    const cNDib dib = gradient(10, 8);
    EXPECT_EQ(dib.Get_Channel(10 + 3, 2, 2), 9);  // red of column W - 1
    EXPECT_EQ(dib.Get_Channel(4, 100, 1), 7);     // green of row H - 1
    EXPECT_EQ(dib.Get_Channel(4, 5, 0), 9);       // blue
    EXPECT_EQ(errorNumber([&] { dib.Get_Channel(-1, 2, 0); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorNumber([&] { dib.Get_Channel(2, -1, 0); }), ErrorNumber::SubscriptOutOfRange);
}

TEST(cNDib, SetAndGetPixelOutsideAreSilent)
{
    cNDib dib = gradient(10, 8);
    const cNDib before = dib;
    dib.Set_Pixel(10, 0, 1, 2, 3); // (W, 0)
    dib.Set_Pixel(-1, 0, 1, 2, 3);
    dib.Set_Pixel(0, 8, 1, 2, 3);
    EXPECT_EQ(std::memcmp(dib.bits(), before.bits(), 10 * 8 * 4), 0);
    uint8_t r = 77, g = 88, b = 99;
    dib.Get_Pixel(10, 0, r, g, b);
    EXPECT_EQ(r, 77);
    EXPECT_EQ(g, 88);
    EXPECT_EQ(b, 99);
}

TEST(cNDib, EveryOperationOnAnEmptyBufferFails)
{
    cNDib dib;
    QImage target = filledImage(4, 4, 0xFFFFFFFF);
    PictureSurface surface(QSize(4, 4));
    uint8_t r = 0, g = 0, b = 0;
    int x = 0, y = 0;
    const int oor = ErrorNumber::SubscriptOutOfRange;
    EXPECT_EQ(errorNumber([&] { dib.Set_Pixel(0, 0, 1, 2, 3); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Get_Pixel(0, 0, r, g, b); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Get_Pixel_Long(0, 0); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Get_Pixel_Clamp(x, y, r, g, b); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Get_Channel(0, 0, 0); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Set_Pixel_Alpha(0, 0, 1, 2, 3, 0.5f); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Set_dib(surface, false); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Set_dib_Fit(target, 0, 0, 4, 4); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Stretch_dib_area(0, 0, 0, 0, 1, 1, 2, 2, target); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Bit_Blt_Dib(0, 0, target, cNDib::RopCopy); }), oor);
    EXPECT_EQ(errorNumber([&] { dib.Set_dib_Area(0, 0, 0, 0, 1, 1, target); }), oor);
}

TEST(cNDib, AMovedFromBufferIsEmpty)
{
    cNDib a = gradient(5, 5);
    cNDib b = std::move(a);
    EXPECT_TRUE(a.isEmpty());
    EXPECT_EQ(a.Width(), -1);
    EXPECT_EQ(b.Width(), 4);
    cNDib c;
    c = std::move(b);
    EXPECT_TRUE(b.isEmpty());
    EXPECT_EQ(b.pixelHeight(), 0);
    EXPECT_EQ(c.Get_Pixel_Long(4, 4), 4u + 256u * 4u + 65536u * 8u);
}

TEST(cNDib, SetPixelAlphaBlendsWithHalfToEvenRounding)
{
    cNDib dib;
    ASSERT_TRUE(dib.Create(4, 1));
    dib.Set_Pixel(0, 0, 0, 1, 3);
    // red 0 -> 0 * 0.5 + 255 * 0.5 = 127.5 -> 128; green 1 -> 0.5 -> 0;
    // blue 3 -> 1.5 -> 2.
    dib.Set_Pixel_Alpha(0, 0, 255, 0, 0, 0.5f);
    uint8_t r = 0, g = 0, b = 0;
    dib.Get_Pixel(0, 0, r, g, b);
    EXPECT_EQ(r, 128);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 2);
    dib.Set_Pixel(1, 0, 100, 100, 100);
    dib.Set_Pixel_Alpha(1, 0, 200, 0, 100, 1.0f);
    dib.Get_Pixel(1, 0, r, g, b);
    EXPECT_EQ(r, 200);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 100);
    dib.Set_Pixel_Alpha(1, 0, 0, 0, 0, 0.0f);
    dib.Get_Pixel(1, 0, r, g, b);
    EXPECT_EQ(r, 200);
}

TEST(cNDib, SetPixelAlphaFailsOutsideAndOnOverflow)
{
    cNDib dib;
    ASSERT_TRUE(dib.Create(4, 3));
    EXPECT_EQ(errorNumber([&] { dib.Set_Pixel_Alpha(4, 0, 1, 1, 1, 0.5f); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorNumber([&] { dib.Set_Pixel_Alpha(0, -1, 1, 1, 1, 0.5f); }), ErrorNumber::SubscriptOutOfRange);
    // Alpha 2 over black with white gives 510 in blue: overflow.
    EXPECT_EQ(errorNumber([&] { dib.Set_Pixel_Alpha(1, 1, 255, 255, 255, 2.0f); }), ErrorNumber::Overflow);
    // Alpha -1: 0 * 2 + 255 * -1 = -255.
    EXPECT_EQ(errorNumber([&] { dib.Set_Pixel_Alpha(1, 1, 255, 255, 255, -1.0f); }), ErrorNumber::Overflow);
    // Channels go blue, green, red: an overflow in green leaves blue written.
    dib.Set_Pixel(2, 2, 0, 200, 10);
    EXPECT_EQ(errorNumber([&] { dib.Set_Pixel_Alpha(2, 2, 0, 255, 20, 1.5f); }), ErrorNumber::Overflow);
    uint8_t r = 0, g = 0, b = 0;
    dib.Get_Pixel(2, 2, r, g, b);
    EXPECT_EQ(b, 25); // 10 * -0.5 + 20 * 1.5
    EXPECT_EQ(g, 200);
}

TEST(cNDib, SetDibWritesAllPixelsAndResizes)
{
    const cNDib dib = gradient(6, 4);
    PictureSurface surface(QSize(3, 3));
    dib.Set_dib(surface, true);
    EXPECT_EQ(surface.size(), QSize(6, 4));
    EXPECT_EQ(surface.image().pixel(5, 3), qRgb(5, 3, 8));
    // Without resize the image keeps its size; the top-left part is written.
    PictureSurface small(QSize(3, 3));
    dib.Set_dib(small, false);
    EXPECT_EQ(small.size(), QSize(3, 3));
    EXPECT_EQ(small.image().pixel(2, 2), qRgb(2, 2, 4));
}

TEST(cNDib, SetDibFitWideImageIsCentredVertically)
{
    cNDib dib;
    ASSERT_TRUE(dib.Create(100, 50)); // black
    QImage target = filledImage(100, 100, 0xFFFFFFFF);
    dib.Set_dib_Fit(target, 0, 0, 80, 80);
    EXPECT_EQ(paintedBox(target), QRect(0, 20, 80, 40));
    // 100 x 75 into 100 x 100: the offset 12.5 rounds half to even.
    ASSERT_TRUE(dib.Create(100, 75));
    target = filledImage(100, 100, 0xFFFFFFFF);
    dib.Set_dib_Fit(target, 0, 0, 100, 100);
    EXPECT_EQ(paintedBox(target), QRect(0, 12, 100, 75));
}

TEST(cNDib, SetDibFitTallImageIsCentredHorizontally)
{
    cNDib dib;
    ASSERT_TRUE(dib.Create(50, 100));
    QImage target = filledImage(100, 100, 0xFFFFFFFF);
    dib.Set_dib_Fit(target, 0, 0, 80, 80);
    EXPECT_EQ(paintedBox(target), QRect(20, 0, 40, 80));
}

TEST(cNDib, SetDibFitEnlargesSmallImagesAndHonoursTheOffset)
{
    cNDib dib;
    ASSERT_TRUE(dib.Create(10, 10));
    QImage target = filledImage(200, 200, 0xFFFFFFFF);
    dib.Set_dib_Fit(target, 30, 40, 100, 60);
    // Square into 100 x 60: h = 60, w = 60, x = 50 + 30 - 30 = 50, y = 40.
    EXPECT_EQ(paintedBox(target), QRect(50, 40, 60, 60));
}

TEST(cNDib, StretchDibAreaScalesSmoothly)
{
    cNDib dib;
    ASSERT_TRUE(dib.Create(4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            dib.Set_Pixel(x, y, (x + y) % 2 ? 255 : 0, (x + y) % 2 ? 255 : 0, (x + y) % 2 ? 255 : 0);
    QImage target = filledImage(10, 10, 0xFF00FF00u);
    // A checkerboard shrunk to one pixel is mid grey, not black or white.
    dib.Stretch_dib_area(3, 3, 0, 0, 4, 4, 1, 1, target);
    const int grey = qRed(target.pixel(3, 3));
    EXPECT_GT(grey, 100);
    EXPECT_LT(grey, 155);
    EXPECT_EQ(target.pixel(4, 3), 0xFF00FF00u);
    // 1:1 of a sub-rectangle is an exact copy; clipped at the target edge.
    const cNDib g = gradient(8, 8);
    QImage t2 = filledImage(5, 5, 0xFFFFFFFF);
    g.Stretch_dib_area(2, 2, 4, 1, 3, 3, 3, 3, t2);
    EXPECT_EQ(t2.pixel(2, 2), qRgb(4, 1, 5));
    EXPECT_EQ(t2.pixel(4, 4), qRgb(6, 3, 9));
    EXPECT_EQ(t2.pixel(1, 1), 0xFFFFFFFFu);
}

TEST(cNDib, BitBltAndOrCopyWithClipping)
{
    cNDib dib;
    ASSERT_TRUE(dib.Create(4, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            dib.Set_Pixel(x, y, 0x0F, 0xF0, 0x3C);
    const QRgb base = qRgb(0x33, 0x55, 0xFF);

    QImage t = filledImage(6, 6, base);
    dib.Bit_Blt_Dib(-2, -1, t, cNDib::RopAnd); // only 2 x 2 lands at (0, 0)
    EXPECT_EQ(t.pixel(0, 0), qRgb(0x33 & 0x0F, 0x55 & 0xF0, 0xFF & 0x3C));
    EXPECT_EQ(t.pixel(1, 1), qRgb(0x03, 0x50, 0x3C));
    EXPECT_EQ(t.pixel(2, 0), base);
    EXPECT_EQ(t.pixel(0, 2), base);

    t = filledImage(6, 6, base);
    dib.Bit_Blt_Dib(4, 4, t, cNDib::RopOr); // 2 x 2 at (4, 4)
    EXPECT_EQ(t.pixel(5, 5), qRgb(0x33 | 0x0F, 0x55 | 0xF0, 0xFF));
    EXPECT_EQ(t.pixel(3, 5), base);

    t = filledImage(6, 6, base);
    dib.Bit_Blt_Dib(1, -2, t, cNDib::RopCopy); // rows 2 of the dib at row 0
    EXPECT_EQ(t.pixel(1, 0), qRgb(0x0F, 0xF0, 0x3C));
    EXPECT_EQ(t.pixel(4, 0), qRgb(0x0F, 0xF0, 0x3C));
    EXPECT_EQ(t.pixel(5, 0), base);
    EXPECT_EQ(t.pixel(1, 1), base);
    EXPECT_EQ(qAlpha(t.pixel(1, 0)), 255);

    t = filledImage(6, 6, base);
    dib.Bit_Blt_Dib(-10, 0, t, cNDib::RopCopy); // entirely outside
    EXPECT_EQ(t, filledImage(6, 6, base));
}

TEST(cNDib, SetDibAreaCopiesARectangleAndReturnsItsRows)
{
    const cNDib dib = gradient(10, 8);
    QImage t = filledImage(6, 6, 0xFFFFFFFF);
    EXPECT_EQ(dib.Set_dib_Area(1, 1, 3, 2, 2, 3, t), 3);
    EXPECT_EQ(t.pixel(1, 1), qRgb(3, 2, 5));
    EXPECT_EQ(t.pixel(2, 3), qRgb(4, 4, 8));
    EXPECT_EQ(t.pixel(3, 1), 0xFFFFFFFFu);
    EXPECT_EQ(t.pixel(1, 4), 0xFFFFFFFFu);

    // Clipped by the destination (negative position and the far edge).
    t = filledImage(6, 6, 0xFFFFFFFF);
    EXPECT_EQ(dib.Set_dib_Area(-2, -1, 0, 0, 5, 5, t), 4);
    EXPECT_EQ(t.pixel(0, 0), qRgb(2, 1, 3));
    EXPECT_EQ(t.pixel(2, 3), qRgb(4, 4, 8));
    EXPECT_EQ(t.pixel(3, 0), 0xFFFFFFFFu);
    t = filledImage(6, 6, 0xFFFFFFFF);
    EXPECT_EQ(dib.Set_dib_Area(4, 3, 0, 0, 10, 8, t), 3);
    EXPECT_EQ(t.pixel(5, 5), qRgb(1, 2, 3));

    // Clipped by the source.
    t = filledImage(6, 6, 0xFFFFFFFF);
    EXPECT_EQ(dib.Set_dib_Area(0, 0, 8, 6, 5, 5, t), 2);
    EXPECT_EQ(t.pixel(1, 1), qRgb(9, 7, 16));
    EXPECT_EQ(t.pixel(2, 0), 0xFFFFFFFFu);
    // A negative source position moves the destination along with it.
    EXPECT_EQ(dib.Set_dib_Area(0, 0, -3, -3, 5, 5, t), 2);
    EXPECT_EQ(t.pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(t.pixel(4, 4), qRgb(1, 1, 2));
    EXPECT_EQ(t.pixel(2, 2), 0xFFFFFFFFu);

    // Nothing to copy.
    EXPECT_EQ(dib.Set_dib_Area(6, 0, 0, 0, 3, 3, t), 0);
    EXPECT_EQ(dib.Set_dib_Area(0, 0, 0, 0, 0, 3, t), 0);

    // A full copy is the whole buffer.
    QImage full = filledImage(10, 8, 0xFF123456u);
    EXPECT_EQ(dib.Set_dib_Area(0, 0, 0, 0, 10, 8, full), 8);
    EXPECT_EQ(full.pixel(9, 7), qRgb(9, 7, 16));
}

TEST(cNDib, CopiesAreDeep)
{
    cNDib a = gradient(3, 3);
    cNDib b = a;
    b.Set_Pixel(0, 0, 99, 99, 99);
    EXPECT_EQ(a.Get_Pixel_Long(0, 0), 0u);
    a = b;
    EXPECT_EQ(a.Get_Pixel_Long(0, 0), 99u + 256u * 99u + 65536u * 99u);
}
