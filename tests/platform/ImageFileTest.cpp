// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing whole image files: the size guard, errors and BMP
// round trips.
#include "platform/AppError.h"
#include "platform/ImageFile.h"

#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <sys/stat.h>

namespace {

// A 24-bit BMP header that announces width x height, followed by a few
// bytes of pixels (far fewer than announced).
QByteArray bmpHeader(qint32 width, qint32 height)
{
    QByteArray b(54 + 64, '\0');
    uchar* p = reinterpret_cast<uchar*>(b.data());
    p[0] = 'B';
    p[1] = 'M';
    const quint32 stride = (quint32(3 * width) + 3) & ~3u;
    qToLittleEndian<quint32>(54 + stride * quint32(height), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(width, p + 18);
    qToLittleEndian<qint32>(height, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(24, p + 28);
    return b;
}

QImage pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 29) & 255, (y * 31) & 255, (x ^ y) & 255));
    return image;
}

} // namespace

TEST(ImageFile, AHeaderAnnouncingAHugeSideIsAnInvalidPicture)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.bmp"));
    writeBytes(path, bmpHeader(20000, 10));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(path); }), ErrorNumber::InvalidPicture);
}

TEST(ImageFile, AHeaderAnnouncingTooManyPixelsIsAnInvalidPicture)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.bmp"));
    writeBytes(path, bmpHeader(9000, 9000)); // 81 million pixels
    EXPECT_EQ(errorNumber([&] { ImageFile::read(path); }), ErrorNumber::InvalidPicture);
    // Just inside both limits the size guard lets the header through; the
    // missing pixel bytes still make the file a damaged picture.
    writeBytes(path, bmpHeader(16384, 10));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(path); }), ErrorNumber::InvalidPicture);
}

TEST(ImageFile, AMissingFileIsFileNotFound)
{
    QTemporaryDir dir;
    EXPECT_EQ(errorNumber([&] { ImageFile::read(dir.filePath(QStringLiteral("nothing.bmp"))); }),
              ErrorNumber::FileNotFound);
    // A folder is not a picture file either.
    EXPECT_EQ(errorNumber([&] { ImageFile::read(dir.path()); }), ErrorNumber::FileNotFound);
}

TEST(ImageFile, DamagedBytesAreAnInvalidPicture)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.bmp"));
    QByteArray bytes(500, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7919) % 251);
    writeBytes(garbage, bytes);
    EXPECT_EQ(errorNumber([&] { ImageFile::read(garbage); }), ErrorNumber::InvalidPicture);

    const QString empty = dir.filePath(QStringLiteral("empty.gif"));
    writeBytes(empty, QByteArray());
    EXPECT_EQ(errorNumber([&] { ImageFile::read(empty); }), ErrorNumber::InvalidPicture);

    // A BMP cut short (Qt alone would fill the missing rows).
    const QByteArray bmp = ImageFile::encodeBmp24(pattern(100, 100));
    const QString shortBmp = dir.filePath(QStringLiteral("short.bmp"));
    writeBytes(shortBmp, bmp.left(15000));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(shortBmp); }), ErrorNumber::InvalidPicture);
    writeBytes(shortBmp, bmp.left(bmp.size() - 1)); // one pixel byte missing
    EXPECT_EQ(errorNumber([&] { ImageFile::read(shortBmp); }), ErrorNumber::InvalidPicture);
    // Rows of 101 pixels take 303 bytes and a filler byte; even the very
    // last filler byte must be there.
    const QByteArray padded = ImageFile::encodeBmp24(pattern(101, 100));
    writeBytes(shortBmp, padded.left(padded.size() - 1));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(shortBmp); }), ErrorNumber::InvalidPicture);
    writeBytes(shortBmp, padded);
    EXPECT_EQ(ImageFile::read(shortBmp), pattern(101, 100));

    // A JPEG cut off after its header.
    const QByteArray jpeg = encodedImage(pattern(64, 64), "JPG", 90);
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    writeBytes(cut, jpeg.left(40));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(cut); }), ErrorNumber::InvalidPicture);
}

// The check without decoding that the browser's load applies to every
// thumbnail refuses, from the first bytes and the file's size, what read()
// refuses for the same reasons.
TEST(ImageFile, CheckRefusesWhatTheHeaderAndSizeGiveAway)
{
    QTemporaryDir dir;
    const auto check = [](const QString& path) { return errorNumber([&] { ImageFile::check(path); }); };
    const QString bmp = dir.filePath(QStringLiteral("good.bmp"));
    const QByteArray whole = ImageFile::encodeBmp24(pattern(101, 100));
    writeBytes(bmp, whole);
    EXPECT_EQ(check(bmp), 0);
    const QString jpeg = dir.filePath(QStringLiteral("good.jpg"));
    writeBytes(jpeg, encodedImage(pattern(20, 20), "JPG", 90));
    EXPECT_EQ(check(jpeg), 0);

    EXPECT_EQ(check(dir.filePath(QStringLiteral("nothing.bmp"))), ErrorNumber::FileNotFound);
    EXPECT_EQ(check(dir.path()), ErrorNumber::FileNotFound);
    const QString bad = dir.filePath(QStringLiteral("bad.bmp"));
    for (const QByteArray& bytes : {QByteArray(), QByteArray("not a picture at all"), whole.left(whole.size() - 1),
                                    bmpHeader(20000, 10), bmpHeader(9000, 9000), QByteArray("BM"),
                                    encodedImage(pattern(20, 20), "PNG", -1)}) {
        writeBytes(bad, bytes);
        EXPECT_EQ(check(bad), ErrorNumber::InvalidPicture) << bytes.left(16).toHex().toStdString();
    }
    // Neither a device behind a link nor a FIFO is read; the FIFO does not
    // hold the check.
    const QString link = dir.filePath(QStringLiteral("zero.bmp"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    EXPECT_EQ(check(link), ErrorNumber::InvalidPicture);
    const QString fifo = dir.filePath(QStringLiteral("fifo.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(check(fifo), ErrorNumber::InvalidPicture);
}

TEST(ImageFile, Bmp24RoundTripsExactly)
{
    QTemporaryDir dir;
    for (int w : {1, 2, 3, 5, 64, 101}) {
        const QImage image = pattern(w, 7);
        const QByteArray bmp = ImageFile::encodeBmp24(image);
        const int stride = (3 * w + 3) & ~3;
        ASSERT_EQ(bmp.size(), 54 + stride * 7);
        const uchar* p = reinterpret_cast<const uchar*>(bmp.constData());
        EXPECT_EQ(qFromLittleEndian<quint16>(p + 28), 24);
        EXPECT_EQ(qFromLittleEndian<qint32>(p + 22), 7); // positive: bottom-up
        // The first stored row is the bottom row.
        EXPECT_EQ(p[54], qBlue(image.pixel(0, 6)));
        const QString path = dir.filePath(QStringLiteral("round%1.bmp").arg(w));
        writeBytes(path, bmp);
        const QImage back = ImageFile::read(path);
        EXPECT_EQ(back.format(), QImage::Format_RGB32);
        EXPECT_EQ(back, image) << "width " << w;
    }
}

TEST(ImageFile, ReadDecidesTheFormatFromTheContent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("really-a-bmp.jpg"));
    writeBytes(path, ImageFile::encodeBmp24(pattern(9, 4)));
    EXPECT_EQ(ImageFile::read(path), pattern(9, 4));
}

TEST(ImageFile, TransparentPartsShowWhite)
{
    // A 2 x 1 GIF: a transparent pixel, then a red one.
    const QByteArray gif("GIF89a\x02\x00\x01\x00\x80\x00\x00"
                         "\x00\x00\x00\xFF\x00\x00"            // colours: black, red
                         "\x21\xF9\x04\x01\x00\x00\x00\x00"  // colour 0 is transparent
                         "\x2C\x00\x00\x00\x00\x02\x00\x01\x00\x00"
                         "\x02\x02\x44\x0A\x00\x3B",
                         43);
    const QImage back = ImageFile::decode(gif);
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(back.pixel(1, 0), qRgb(255, 0, 0));
}
