// SPDX-License-Identifier: GPL-3.0-or-later
// DIB section: layout, creation, blits and resampling.
#include "imaging/cDIBSection.h"
#include "platform/PictureSurface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstring>

namespace {

QImage pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) & 255, (y * 53 + 7) & 255, (x * y + 11) & 255));
    return image;
}

} // namespace

TEST(cDIBSection, StrideIsThreeBytesAPixelRoundedUpToFour)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(1, 1));
    EXPECT_EQ(dib.BytesPerScanLine(), 4);
    ASSERT_TRUE(dib.Create(5, 2));
    EXPECT_EQ(dib.BytesPerScanLine(), 16);
    ASSERT_TRUE(dib.Create(4, 1));
    EXPECT_EQ(dib.BytesPerScanLine(), 12);
    ASSERT_TRUE(dib.Create(2, 1));
    EXPECT_EQ(dib.BytesPerScanLine(), 8);
    ASSERT_TRUE(dib.Create(1024, 768));
    EXPECT_EQ(dib.BytesPerScanLine(), 3072);
    EXPECT_EQ(dib.Width(), 1024); // counts, not last indices
    EXPECT_EQ(dib.Height(), 768);
}

TEST(cDIBSection, CreateReleasesTheOldSectionFirst)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(10, 10));
    std::memset(dib.DIBSectionBitsPtr(), 0xAB, size_t(dib.BytesPerScanLine()) * 10);
    ASSERT_TRUE(dib.Create(3, 2));
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.BytesPerScanLine(), 12);
    for (int i = 0; i < 24; ++i)
        ASSERT_EQ(dib.DIBSectionBitsPtr()[i], 0) << i; // a fresh, black section
    // A failed Create leaves the object empty, not holding the old one.
    EXPECT_FALSE(dib.Create(0, 5));
    EXPECT_TRUE(dib.isEmpty());
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
    EXPECT_FALSE(dib.Create(5, -1));
}

TEST(cDIBSection, BitsAreBottomUpBgrWithZeroFiller)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));     // top row
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9));     // bottom row
    image.setPixel(1, 1, qRgb(10, 11, 12));
    cDIBSection dib;
    dib.CreateFromPicture(image);
    ASSERT_EQ(dib.BytesPerScanLine(), 8);
    const uint8_t expected[16] = {9, 8, 7, 12, 11, 10, 0, 0,  // bottom row first
                                  3, 2, 1, 6, 5, 4, 0, 0};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(dib.DIBSectionBitsPtr()[i], expected[i]) << i;
}

TEST(cDIBSection, CreateFromPictureIsAnExactCopyAtEveryWidth)
{
    for (int w : {1, 2, 3, 4, 5, 7, 8, 13, 64, 101}) {
        const QImage image = pattern(w, 9);
        cDIBSection dib;
        dib.CreateFromPicture(image);
        ASSERT_EQ(dib.Width(), w);
        EXPECT_EQ(dib.toImage(), image) << "width " << w;
        for (int y = 0; y < 9; ++y)
            for (int k = 3 * w; k < dib.BytesPerScanLine(); ++k)
                ASSERT_EQ(dib.DIBSectionBitsPtr()[y * dib.BytesPerScanLine() + k], 0);
    }
    // Other formats are read by colour.
    QImage rgb888 = pattern(5, 3).convertToFormat(QImage::Format_RGB888);
    cDIBSection dib;
    dib.CreateFromPicture(rgb888);
    EXPECT_EQ(dib.toImage(), pattern(5, 3));
    // An empty picture leaves the section empty.
    dib.CreateFromPicture(QImage());
    EXPECT_TRUE(dib.isEmpty());
}

TEST(cDIBSection, CreateFromPictureSurfaceUsesTheDrawableImage)
{
    PictureSurface surface(QSize(6, 4));
    surface.image().setPixel(2, 3, qRgb(200, 100, 50));
    cDIBSection dib;
    dib.CreateFromPicture(surface);
    ASSERT_EQ(dib.Width(), 6);
    EXPECT_EQ(dib.toImage().pixel(2, 3), qRgb(200, 100, 50));
    EXPECT_EQ(dib.toImage().pixel(0, 0), qRgb(255, 255, 255));
}

TEST(cDIBSection, LoadPictureBltCopiesARectangleToTheOrigin)
{
    const QImage source = pattern(20, 10);
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(4, 3));
    dib.LoadPictureBlt(source, 5, 6, -1, -1); // negative: W x H
    const QImage got = dib.toImage();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(got.pixel(x, y), source.pixel(5 + x, 6 + y));
    // Clipped at the source's edges; the rest keeps its bytes.
    ASSERT_TRUE(dib.Create(4, 3));
    dib.LoadPictureBlt(source, 18, -1, 4, 3);
    const QImage clipped = dib.toImage();
    EXPECT_EQ(clipped.pixel(0, 1), source.pixel(18, 0));
    EXPECT_EQ(clipped.pixel(1, 2), source.pixel(19, 1));
    EXPECT_EQ(clipped.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(clipped.pixel(2, 1), qRgb(0, 0, 0));
}

TEST(cDIBSection, LoadPictureBltCombinesByRasterOperation)
{
    QImage source(2, 1, QImage::Format_RGB32);
    source.fill(qRgb(0x0F, 0xF0, 0x3C));
    cDIBSection dib;
    QImage start(2, 1, QImage::Format_RGB32);
    start.fill(qRgb(0x33, 0x55, 0xFF));
    dib.CreateFromPicture(start);
    dib.LoadPictureBlt(source, 0, 0, -1, -1, cDIBSection::RopAnd);
    EXPECT_EQ(dib.toImage().pixel(1, 0), qRgb(0x03, 0x50, 0x3C));
    dib.CreateFromPicture(start);
    dib.LoadPictureBlt(source, 0, 0, -1, -1, cDIBSection::RopOr);
    EXPECT_EQ(dib.toImage().pixel(1, 0), qRgb(0x3F, 0xF5, 0xFF));
    dib.CreateFromPicture(start);
    dib.LoadPictureBlt(source, 0, 0, -1, -1, cDIBSection::RopXor);
    EXPECT_EQ(dib.toImage().pixel(0, 0), qRgb(0x3C, 0xA5, 0xC3));
}

TEST(cDIBSection, PaintPictureCopiesOutWithClipping)
{
    const QImage source = pattern(6, 5);
    cDIBSection dib;
    dib.CreateFromPicture(source);
    QImage dest(4, 4, QImage::Format_RGB32);
    dest.fill(0xFFFFFFFFu);
    dib.PaintPicture(dest, -1, 2, -1, -1, 2, 1, cDIBSection::RopCopy);
    // dest (x, y) <- section (x + 3, y - 1) for x in 0..2 (section column
    // limit 5) and y in 2..3.
    EXPECT_EQ(dest.pixel(0, 2), source.pixel(3, 1));
    EXPECT_EQ(dest.pixel(2, 3), source.pixel(5, 2));
    EXPECT_EQ(dest.pixel(3, 2), 0xFFFFFFFFu);
    EXPECT_EQ(dest.pixel(0, 1), 0xFFFFFFFFu);
    // AND onto a 32-bit image keeps it opaque.
    QImage white(6, 5, QImage::Format_ARGB32);
    white.fill(0xFFFFFFFFu);
    dib.PaintPicture(white, 0, 0, -1, -1, 0, 0, cDIBSection::RopAnd);
    EXPECT_EQ(white.convertToFormat(QImage::Format_RGB32), source);
    // An empty section draws nothing.
    cDIBSection empty;
    QImage untouched = dest.copy();
    empty.PaintPicture(dest, 0, 0, -1, -1, 0, 0, cDIBSection::RopCopy);
    EXPECT_EQ(dest, untouched);
}

TEST(cDIBSection, ResampleToTheSameSizeIsAnExactCopy)
{
    cDIBSection dib;
    dib.CreateFromPicture(pattern(13, 7));
    const auto copy = dib.Resample(7, 13);
    ASSERT_TRUE(copy);
    ASSERT_EQ(copy->BytesPerScanLine(), dib.BytesPerScanLine());
    EXPECT_EQ(std::memcmp(copy->DIBSectionBitsPtr(), dib.DIBSectionBitsPtr(), size_t(dib.BytesPerScanLine()) * 7), 0);
    EXPECT_NE(copy->DIBSectionBitsPtr(), dib.DIBSectionBitsPtr());
}

TEST(cDIBSection, ResampleInterpolatesBilinearly)
{
    QImage row(3, 1, QImage::Format_RGB32);
    row.setPixel(0, 0, qRgb(0, 0, 0));
    row.setPixel(1, 0, qRgb(100, 10, 1));
    row.setPixel(2, 0, qRgb(200, 20, 4));
    cDIBSection dib;
    dib.CreateFromPicture(row);
    // xs = (3 - 1) / 4 = 0.5: samples at 0, 0.5, 1, 1.5.
    const auto wide = dib.Resample(1, 4);
    ASSERT_TRUE(wide);
    const QImage got = wide->toImage();
    EXPECT_EQ(got.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(got.pixel(1, 0), qRgb(50, 5, 0));   // 0.5 rounds to even: 0
    EXPECT_EQ(got.pixel(2, 0), qRgb(100, 10, 1));
    EXPECT_EQ(got.pixel(3, 0), qRgb(150, 15, 2)); // 2.5 rounds to even: 2
    // 0 and 3 to width 4: xs = 0.25, so 0.75 rounds up to 1 and 1.5 to 2.
    QImage pair(2, 1, QImage::Format_RGB32);
    pair.setPixel(0, 0, qRgb(0, 0, 0));
    pair.setPixel(1, 0, qRgb(3, 3, 3));
    dib.CreateFromPicture(pair);
    const QImage rounded = dib.Resample(1, 4)->toImage();
    EXPECT_EQ(rounded.pixel(1, 0), qRgb(1, 1, 1));
    EXPECT_EQ(rounded.pixel(2, 0), qRgb(2, 2, 2));
    // A constant picture stays constant at any size.
    QImage flat(9, 5, QImage::Format_RGB32);
    flat.fill(qRgb(12, 34, 56));
    dib.CreateFromPicture(flat);
    const auto small = dib.Resample(2, 3);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Width(), 3);
    EXPECT_EQ(small->Height(), 2);
    QImage expected(3, 2, QImage::Format_RGB32);
    expected.fill(qRgb(12, 34, 56));
    EXPECT_EQ(small->toImage(), expected);
    // Nothing for an impossible size or an empty section.
    EXPECT_FALSE(dib.Resample(0, 3));
    EXPECT_FALSE(cDIBSection().Resample(3, 3));
}

TEST(cDIBSection, ClearUpAndMoveLeaveAnEmptyObject)
{
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(8, 8));
    cDIBSection other = std::move(dib);
    EXPECT_TRUE(dib.isEmpty());
    EXPECT_EQ(dib.BytesPerScanLine(), 0);
    EXPECT_EQ(other.Width(), 8);
    other.ClearUp();
    EXPECT_TRUE(other.isEmpty());
    EXPECT_EQ(other.Height(), 0);
    QImage dest(2, 2, QImage::Format_RGB32);
    dest.fill(0xFF00FF00u);
    other.LoadPictureBlt(dest, 0, 0, -1, -1);
    EXPECT_TRUE(other.isEmpty());
}
