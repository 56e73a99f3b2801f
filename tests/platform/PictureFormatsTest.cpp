// SPDX-License-Identifier: GPL-3.0-or-later
// Which files are pictures: only BMP, GIF and JPEG are ever decoded, whatever
// a file is called, and hostile files are refused before any work is done.
#include "platform/AppError.h"
#include "platform/ImageFile.h"

#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString dataFile(const char* name)
{
    return QStringLiteral(TINTALOO_TEST_DATA "/") + QLatin1String(name);
}

QImage smallPicture()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    image.setPixel(1, 1, qRgb(0, 0, 0));
    return image;
}

// A progressive JPEG of picture whose largest scan is repeated until it has
// scans in all; with hidden, what the decoder skips (a comment segment and
// stray bytes) comes before its first scan.
QByteArray repeatedScans(const QImage& picture, int scans, bool hidden)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.setQuality(95);
    EXPECT_TRUE(writer.write(picture));
    const QByteArray jpeg = buffer.data();
    QList<qsizetype> starts;
    for (qsizetype at = jpeg.indexOf("\xFF\xDA"); at >= 0; at = jpeg.indexOf("\xFF\xDA", at + 2))
        starts << at;
    const qsizetype end = jpeg.lastIndexOf("\xFF\xD9");
    starts << end;
    QByteArray largest;
    for (qsizetype k = 0; k + 1 < starts.size(); ++k)
        if (starts[k + 1] - starts[k] > largest.size())
            largest = jpeg.mid(starts[k], starts[k + 1] - starts[k]);
    QByteArray out = jpeg.left(starts.first());
    if (hidden)
        out += QByteArray("\xFF\xFE\x00\x06" "note", 8) + "stray";
    out += jpeg.mid(starts.first(), end - starts.first());
    for (qsizetype k = starts.size() - 1; k < scans; ++k)
        out += largest;
    return out + "\xFF\xD9";
}

// Sensor noise: every pixel random.
QImage noise(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    std::mt19937 random(5);
    for (int y = 0; y < side; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x)
            row[x] = 0xFF000000u | (random() & 0xFFFFFFu);
    }
    return image;
}

} // namespace

TEST(PictureFormats, ForeignFormatsAreDamagedWhateverTheirName)
{
    QTemporaryDir dir;
    for (const char* format : {"PNG", "ICO", "PPM", "XPM"}) {
        const QString path = dir.filePath(QStringLiteral("zebra.bmp"));
        writeBytes(path, encodedImage(smallPicture(), format));
        EXPECT_EQ(errorNumber([&] { ImageFile::read(path); }), ErrorNumber::InvalidPicture) << format;
        // A picture a parent adds from outside may also be a PNG; no other.
        if (QByteArray(format) != "PNG")
            EXPECT_EQ(errorNumber([&] { ImageFile::readForImport(path); }), ErrorNumber::InvalidPicture) << format;
    }
    // The formats of a book are read whatever they are called (Qt cannot
    // write GIF; GIF files are read in other tests).
    for (const char* format : {"BMP", "JPG"}) {
        const QString path = dir.filePath(QStringLiteral("cat.gif"));
        writeBytes(path, encodedImage(smallPicture(), format));
        EXPECT_EQ(ImageFile::read(path).size(), QSize(6, 4)) << format;
    }
}

TEST(PictureFormats, SvgUnderABmpNameIsRefusedAtOnce)
{
    QElapsedTimer clock;
    clock.start();
    // Decoding this one never ends: it uses itself.
    EXPECT_EQ(errorNumber([] { ImageFile::read(dataFile("self-referencing-svg.bmp")); }),
              ErrorNumber::InvalidPicture);
    EXPECT_EQ(errorNumber([] { ImageFile::read(dataFile("gzipped-svg.bmp")); }), ErrorNumber::InvalidPicture);
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(PictureFormats, ATopDownBmpIsReadTheRightWayUp)
{
    const QImage image = ImageFile::read(dataFile("top-down.bmp"));
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 1), qRgb(128, 128, 128));

    // Cut short, it is damaged like any other BMP.
    QFile file(dataFile("top-down.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(errorNumber([&] { ImageFile::decode(bytes.left(bytes.size() - 1)); }), ErrorNumber::InvalidPicture);
}

TEST(PictureFormats, HugeBmpHeaderFieldsAreDamagedWithoutOverflow)
{
    // Width, height and depth at their largest: the size check must not
    // overflow (the sanitizers report it) and the file is simply damaged.
    QByteArray bmp(54 + 16, '\0');
    uchar* p = reinterpret_cast<uchar*>(bmp.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(0xFFFFFFFFu, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    for (const auto& [width, height] : {std::pair<qint32, qint32>{0x7FFFFFFF, 0x7FFFFFFF},
                                        {0x7FFFFFFF, qint32(0x80000000)}, {100, qint32(0x80000000)}}) {
        qToLittleEndian<qint32>(width, p + 18);
        qToLittleEndian<qint32>(height, p + 22);
        qToLittleEndian<quint16>(1, p + 26);
        qToLittleEndian<quint16>(32, p + 28);
        EXPECT_EQ(errorNumber([&] { ImageFile::decode(bmp); }), ErrorNumber::InvalidPicture);
    }
}

TEST(PictureFormats, AJpegWithTooManyScansIsDamaged)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorNumber([] { ImageFile::read(dataFile("many-scans.jpg")); }), ErrorNumber::InvalidPicture);
    EXPECT_LT(clock.elapsed(), 1000);

    // An ordinary progressive JPEG has about ten scans and is read.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progressive.jpg"));
    const QImage source = smallPicture().scaled(64, 48);
    QImageWriter writer(path, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(source));
    EXPECT_EQ(ImageFile::read(path).size(), QSize(64, 48));

    // Counted as the decoder meets them, whatever lies in front.
    const QImage small = smallPicture().scaled(64, 48);
    EXPECT_EQ(ImageFile::decode(repeatedScans(small, 12, true)).size(), QSize(64, 48));
    const QByteArray many = repeatedScans(small, 2006, true);
    clock.restart();
    EXPECT_EQ(errorNumber([&] { ImageFile::decode(many); }), ErrorNumber::InvalidPicture);
    EXPECT_LT(clock.elapsed(), 1000);

    // Each scan is a pass over the whole picture: large pictures may have
    // fewer, yet always enough for the usual ten.
    EXPECT_EQ(ImageFile::jpegScanLimit(2048 * 2048), 100);
    EXPECT_EQ(ImageFile::jpegScanLimit(4096 * 4096), 25);
    EXPECT_EQ(ImageFile::jpegScanLimit(8000 * 8000), 16);
}

TEST(PictureFormats, NoPictureKeepsTheDecoderLongerThanItsTimeLimit)
{
    // Within every rule, yet much to decode.
    const QByteArray heavy = repeatedScans(noise(1024), ImageFile::MaxJpegScans, false);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorNumber([&] { ImageFile::decode(heavy, {}, 10); }), ErrorNumber::InvalidPicture);
    EXPECT_LT(clock.elapsed(), 400);
    // Within the usual limit the same picture is read.
    EXPECT_EQ(ImageFile::decode(heavy).size(), QSize(1024, 1024));
}

TEST(PictureFormats, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    // A FIFO would block the reader for ever; a device never ends.
    const QString fifo = dir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_NE(errorNumber([&] { ImageFile::read(fifo); }), 0);
    const QString zero = dir.filePath(QStringLiteral("zero.bmp"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_NE(errorNumber([&] { ImageFile::read(zero); }), 0);
}

TEST(PictureFormats, AGifIsMeasuredByItsLogicalScreen)
{
    // A 2 x 1 frame on a screen 54,018 pixels wide: the screen is what would
    // be allocated, and it is too wide.
    const QByteArray gif("GIF89a\x02\xD3\x05\x00\x80\x00\x00"
                         "\x00\x00\x00\xFF\x00\x00"
                         "\x21\xF9\x04\x01\x00\x00\x00\x00"
                         "\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00"
                         "\x02\x02\x44\x0A\x00\x3B",
                         43);
    EXPECT_EQ(errorNumber([&] { ImageFile::decode(gif); }), ErrorNumber::InvalidPicture);
}
