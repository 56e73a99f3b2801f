// Reading and writing whole image files: the size guard, errors, BMP round
// trips and the replace-in-place writer.
#include "platform/AppError.h"
#include "platform/ImageFile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int errorNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const AppError& e) {
        return e.number();
    }
    return 0;
}

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

int filesIn(const QString& dir)
{
    return int(QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size());
}

} // namespace

TEST(ImageFile, AHeaderAnnouncingAHugeSideIsAnInvalidPicture)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.bmp"));
    writeAll(path, bmpHeader(20000, 10));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(path); }), ErrorNumber::InvalidPicture);
}

TEST(ImageFile, AHeaderAnnouncingTooManyPixelsIsAnInvalidPicture)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.bmp"));
    writeAll(path, bmpHeader(9000, 9000)); // 81 million pixels
    EXPECT_EQ(errorNumber([&] { ImageFile::read(path); }), ErrorNumber::InvalidPicture);
    // Just inside both limits the size guard lets the header through; the
    // missing pixel bytes still make the file a damaged picture.
    writeAll(path, bmpHeader(16384, 10));
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
    writeAll(garbage, bytes);
    EXPECT_EQ(errorNumber([&] { ImageFile::read(garbage); }), ErrorNumber::InvalidPicture);

    const QString empty = dir.filePath(QStringLiteral("empty.gif"));
    writeAll(empty, QByteArray());
    EXPECT_EQ(errorNumber([&] { ImageFile::read(empty); }), ErrorNumber::InvalidPicture);

    // A BMP cut short (Qt alone would fill the missing rows).
    const QByteArray bmp = ImageFile::encodeBmp24(pattern(100, 100));
    const QString shortBmp = dir.filePath(QStringLiteral("short.bmp"));
    writeAll(shortBmp, bmp.left(15000));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(shortBmp); }), ErrorNumber::InvalidPicture);
    writeAll(shortBmp, bmp.left(bmp.size() - 1)); // one pixel byte missing
    EXPECT_EQ(errorNumber([&] { ImageFile::read(shortBmp); }), ErrorNumber::InvalidPicture);
    // Rows of 101 pixels take 303 bytes and a filler byte; even the very
    // last filler byte must be there.
    const QByteArray padded = ImageFile::encodeBmp24(pattern(101, 100));
    writeAll(shortBmp, padded.left(padded.size() - 1));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(shortBmp); }), ErrorNumber::InvalidPicture);
    writeAll(shortBmp, padded);
    EXPECT_EQ(ImageFile::read(shortBmp), pattern(101, 100));

    // A JPEG cut off after its header.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    pattern(64, 64).save(&buffer, "JPG", 90);
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    writeAll(cut, jpeg.left(40));
    EXPECT_EQ(errorNumber([&] { ImageFile::read(cut); }), ErrorNumber::InvalidPicture);
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
        ASSERT_TRUE(ImageFile::writeReplacing(path, bmp));
        const QImage back = ImageFile::read(path);
        EXPECT_EQ(back.format(), QImage::Format_RGB32);
        EXPECT_EQ(back, image) << "width " << w;
    }
}

TEST(ImageFile, ReadDecidesTheFormatFromTheContent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("really-a-bmp.jpg"));
    ASSERT_TRUE(ImageFile::writeReplacing(path, ImageFile::encodeBmp24(pattern(9, 4))));
    EXPECT_EQ(ImageFile::read(path), pattern(9, 4));
}

TEST(ImageFile, TransparentPartsShowWhite)
{
    QTemporaryDir dir;
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));     // fully transparent
    image.setPixel(1, 0, qRgba(255, 0, 0, 128)); // half red
    const QString path = dir.filePath(QStringLiteral("alpha.png"));
    ASSERT_TRUE(image.save(path, "PNG"));
    const QImage back = ImageFile::read(path);
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(qRed(back.pixel(1, 0)), 255);
    EXPECT_NEAR(qGreen(back.pixel(1, 0)), 127, 1);
}

TEST(ImageFile, WriteReplacingReplacesAndKeepsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    writeAll(path, QByteArray("old"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    EXPECT_TRUE(ImageFile::writeReplacing(path, QByteArray("new contents")));
    EXPECT_EQ(readAll(path), QByteArray("new contents"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(filesIn(dir.path()), 1);
}

TEST(ImageFile, WriteReplacingGivesNewFilesTheAskedPermissions)
{
    QTemporaryDir dir;
    const QString own = dir.filePath(QStringLiteral("Settings.ini"));
    EXPECT_TRUE(ImageFile::writeReplacing(own, QByteArray("a"), QFile::ReadOwner | QFile::WriteOwner));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(own).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    const mode_t mask = ::umask(022);
    ::umask(mask);
    const QString plain = dir.filePath(QStringLiteral("thumb.tnl"));
    EXPECT_TRUE(ImageFile::writeReplacing(plain, QByteArray("b")));
    ASSERT_EQ(::stat(QFile::encodeName(plain).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
}

TEST(ImageFile, WriteReplacingLeavesTheOldFileWholeWhenItCannotWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cat.bmp.tnl"));
    const QByteArray old(30000, 'o');
    writeAll(path, old);

    // A file size limit binds root too: the new file cannot be completed.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = ImageFile::writeReplacing(path, QByteArray(20000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(filesIn(dir.path()), 1); // no temporary left behind
}

TEST(ImageFile, WriteReplacingFailsWhereNoFileCanBe)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ImageFile::writeReplacing(dir.filePath(QStringLiteral("missing/x.bmp")), QByteArray("x")));
    writeAll(dir.filePath(QStringLiteral("plain")), QByteArray("p"));
    EXPECT_FALSE(ImageFile::writeReplacing(dir.filePath(QStringLiteral("plain/x.bmp")), QByteArray("x")));
    QDir().mkpath(dir.filePath(QStringLiteral("folder")));
    EXPECT_FALSE(ImageFile::writeReplacing(dir.filePath(QStringLiteral("folder")), QByteArray("x")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    EXPECT_FALSE(ImageFile::writeReplacing(QString(), QByteArray("x")));
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("plain"))), QByteArray("p"));
}

TEST(ImageFile, WriteReplacingHandlesLongNamesAndLinks)
{
    QTemporaryDir dir;
    // 250 characters: no room for the usual temporary suffix.
    const QString longName = dir.filePath(QString(246, QLatin1Char('a')) + QStringLiteral(".bmp"));
    EXPECT_TRUE(ImageFile::writeReplacing(longName, QByteArray("long")));
    EXPECT_EQ(readAll(longName), QByteArray("long"));
    EXPECT_TRUE(ImageFile::writeReplacing(longName, QByteArray("longer")));
    EXPECT_EQ(readAll(longName), QByteArray("longer"));
    EXPECT_EQ(filesIn(dir.path()), 1);

    const QString target = dir.filePath(QStringLiteral("target.ini"));
    const QString link = dir.filePath(QStringLiteral("link.ini"));
    writeAll(target, QByteArray("t"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_TRUE(ImageFile::writeReplacing(link, QByteArray("through the link")));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(target), QByteArray("through the link"));
}
