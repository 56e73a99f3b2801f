// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ImageFile.h"
#include "support/TestTools.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QByteArray encoded(const char* format)
{
    QImage image = filledImage(30, 20, qRgb(255, 255, 255));
    image.setPixel(3, 3, 0xFF000000);
    return encodedImage(image, format);
}

// A JPEG skeleton with this many empty scans.
QByteArray scans(int count)
{
    QByteArray bytes("\xFF\xD8", 2);
    for (int i = 0; i < count; ++i)
        bytes += QByteArray("\xFF\xDA\x00\x02\x12\x34", 6);
    return bytes + QByteArray("\xFF\xD9", 2);
}

TEST(ImageFromMemory, DecodesOnlyTheKindAskedFor)
{
    const QByteArray bmp = ImageFile::encodeBmp24(QImage(30, 20, QImage::Format_RGB32));
    const QByteArray jpeg = encoded("JPG");
    EXPECT_TRUE(ImageFile::decodes(bmp, "bmp"));
    EXPECT_TRUE(ImageFile::decodes(jpeg, "jpeg"));
    EXPECT_TRUE(ImageFile::decodes(jpeg));
    EXPECT_FALSE(ImageFile::decodes(jpeg, "bmp"));
    EXPECT_FALSE(ImageFile::decodes(encoded("PNG"))); // only BMP, GIF and JPEG
    EXPECT_EQ(ImageFile::decode(jpeg).size(), QSize(30, 20));
    qint64 pixels = 0;
    EXPECT_TRUE(ImageFile::decodes(bmp, "bmp", &pixels));
    EXPECT_EQ(pixels, 600);
}

TEST(ImageFromMemory, StructureTellsWhereAPictureEnds)
{
    const QByteArray jpeg = encoded("JPG");
    const QByteArray bmp = ImageFile::encodeBmp24(QImage(30, 20, QImage::Format_RGB32));
    const QByteArray both = jpeg + bmp + "tail";
    EXPECT_EQ(ImageFile::structuralEnd(both, 0, "jpeg"), jpeg.size());
    EXPECT_EQ(ImageFile::structuralEnd(both, jpeg.size(), "bmp"), jpeg.size() + bmp.size());
    // Cut short anywhere: no end, and nothing that decodes.
    for (qsizetype cut : {qsizetype(3), jpeg.size() / 2, jpeg.size() - 1}) {
        EXPECT_EQ(ImageFile::structuralEnd(jpeg.left(cut), 0, "jpeg"), -1);
        EXPECT_FALSE(ImageFile::decodes(jpeg.left(cut), "jpeg"));
    }
    EXPECT_FALSE(ImageFile::decodes(bmp.left(bmp.size() - 1), "bmp"));
    // A progressive JPEG may have a few scans, not hundreds.
    EXPECT_EQ(ImageFile::structuralEnd(scans(ImageFile::MaxJpegScans), 0, "jpeg"),
              scans(ImageFile::MaxJpegScans).size());
    EXPECT_EQ(ImageFile::structuralEnd(scans(ImageFile::MaxJpegScans + 1), 0, "jpeg"), -1);
}

} // namespace
