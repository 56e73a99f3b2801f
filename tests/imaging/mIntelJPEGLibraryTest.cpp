// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG codec binding on TurboJPEG: quality, orientation, the
// replace-in-place contract and error 26001.
#include "imaging/cDIBSection.h"
#include "imaging/mIntelJPEGLibrary.h"
#include "platform/AppError.h"

#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A photo-like picture: smooth colour fields, soft blobs, hard edges and a
// little deterministic grain.
QImage photoLike(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    quint32 noise = 2463534242u;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const int grain = int(noise % 7) - 3;
            const double fx = double(x) / w, fy = double(y) / h;
            const int r = int(128 + 90 * std::sin(6.0 * fx + 1.0) * std::cos(3.0 * fy)) + grain;
            const int g = int(110 + 70 * std::sin(4.0 * fy + 2.0 * fx)) + grain;
            const int b = int(150 + 80 * std::cos(5.0 * fx * fy + 0.5)) + grain;
            image.setPixel(x, y, qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255)));
        }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(QColor(230, 200, 40));
    p.drawEllipse(QPointF(w * 0.3, h * 0.4), w * 0.12, h * 0.15);
    p.setBrush(QColor(40, 90, 200));
    p.drawRect(QRectF(w * 0.6, h * 0.55, w * 0.25, h * 0.3));
    return image;
}

double psnr(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d[3] = {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)};
            for (int v : d)
                sum += double(v) * v;
        }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

// Runs f and returns the AppError it raised (number 0 when none).
AppError raised(const std::function<void()>& f)
{
    try {
        f();
    } catch (const AppError& e) {
        return e;
    }
    return AppError(0, QString());
}

cDIBSection sectionOf(const QImage& image)
{
    cDIBSection dib;
    dib.CreateFromPicture(image);
    return dib;
}

} // namespace

TEST(mIntelJPEGLibrary, QualityNinetyOfAPhotoReadsBackAbove35dB)
{
    QTemporaryDir dir;
    const QImage source = photoLike(256, 192);
    const cDIBSection dib = sectionOf(source);
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(dib, path, 90));
    QImage back(path);
    ASSERT_FALSE(back.isNull());
    ASSERT_EQ(back.size(), source.size());
    back = back.convertToFormat(QImage::Format_RGB32);
    const double db = psnr(source, back);
    EXPECT_GE(db, 35.0) << db << " dB";
    std::printf("PSNR at quality 90: %.2f dB, %lld bytes\n", db, QFileInfo(path).size());
    // The bytes are a JPEG (SOI marker).
    EXPECT_TRUE(fileBytes(path).startsWith("\xFF\xD8\xFF"));
    // Lower quality gives a smaller file of lower fidelity.
    const QString low = dir.filePath(QStringLiteral("low.jpg"));
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(dib, low, 20));
    EXPECT_LT(QFileInfo(low).size(), QFileInfo(path).size());
    EXPECT_LT(psnr(source, QImage(low).convertToFormat(QImage::Format_RGB32)), db);
}

TEST(mIntelJPEGLibrary, TheJpegComesOutUpright)
{
    QTemporaryDir dir;
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(220, 20, 20));
    QPainter(&image).fillRect(0, 24, 61, 24, QColor(20, 20, 220)); // odd width: row filler in play
    const QString path = dir.filePath(QStringLiteral("upright.jpg"));
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(sectionOf(image), path, 90));
    const QImage back(path);
    ASSERT_EQ(back.size(), QSize(64, 48));
    EXPECT_GT(qRed(back.pixel(10, 5)), 180);
    EXPECT_LT(qBlue(back.pixel(10, 5)), 60);
    EXPECT_GT(qBlue(back.pixel(10, 40)), 180);
    EXPECT_LT(qRed(back.pixel(10, 40)), 60);
    // Odd sizes work too.
    QImage odd = photoLike(37, 23);
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(sectionOf(odd), dir.filePath(QStringLiteral("odd.jpg")), 90));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("odd.jpg"))).size(), QSize(37, 23));
}

TEST(mIntelJPEGLibrary, QualityOutsideTheRangeIsTakenAsTheNearestEnd)
{
    QTemporaryDir dir;
    const cDIBSection dib = sectionOf(photoLike(64, 64));
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(dib, dir.filePath(QStringLiteral("q0.jpg")), 0));
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(dib, dir.filePath(QStringLiteral("q1.jpg")), 1));
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(dib, dir.filePath(QStringLiteral("q500.jpg")), 500));
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(dib, dir.filePath(QStringLiteral("q100.jpg")), 100));
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("q0.jpg"))), fileBytes(dir.filePath(QStringLiteral("q1.jpg"))));
    EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("q500.jpg"))), fileBytes(dir.filePath(QStringLiteral("q100.jpg"))));
}

TEST(mIntelJPEGLibrary, AReplacedFileKeepsItsTimesAndPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Animals cat.bmp.jpg"));
    writeBytes(path, QByteArray("old picture"));
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(::chmod(native.constData(), 0640), 0);
    struct timespec times[2];
    times[0].tv_sec = 1000000000; // access: 2001-09-09
    times[0].tv_nsec = 250000000;
    times[1].tv_sec = 1100000000; // modification: 2004-11-09
    times[1].tv_nsec = 500000000;
    ASSERT_EQ(::utimensat(AT_FDCWD, native.constData(), times, 0), 0);

    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(sectionOf(photoLike(80, 60)), path, 90));

    struct stat st {};
    ASSERT_EQ(::stat(native.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1100000000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 500000000);
    EXPECT_EQ(st.st_atim.tv_sec, 1000000000);
    EXPECT_EQ(QImage(path).size(), QSize(80, 60)); // the content is new
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(mIntelJPEGLibrary, ANewFileGetsTheCurrentTime)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.jpg"));
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(sectionOf(photoLike(16, 16)), path, 90));
    EXPECT_GE(QFileInfo(path).lastModified().toSecsSinceEpoch(), before - 2);
}

TEST(mIntelJPEGLibrary, ANewFileInAMissingFolderRaises26001)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no such folder/picture.jpg"));
    const AppError e = raised([&] { mIntelJPEGLibrary::SaveJPG(sectionOf(photoLike(16, 16)), path, 90); });
    EXPECT_EQ(e.number(), ErrorNumber::JpegLibrary);
    EXPECT_EQ(e.number(), ErrorNumber::JpegLibrary);
    EXPECT_EQ(e.description(), QStringLiteral("Failed to save to JPG -1"));
    EXPECT_EQ(e.source(), QStringLiteral("tintaloo.mIntelJPEGLibrary"));
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(mIntelJPEGLibrary, ANewFileUnderARegularFileRaises26001)
{
    // Even root cannot make a folder entry inside a regular file.
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    writeBytes(notAFolder, QByteArray("x"));
    const AppError e = raised([&] {
        mIntelJPEGLibrary::SaveJPG(sectionOf(photoLike(16, 16)), notAFolder + QStringLiteral("/picture.jpg"), 90);
    });
    EXPECT_EQ(e.number(), ErrorNumber::JpegLibrary);
    EXPECT_EQ(e.description(), QStringLiteral("Failed to save to JPG -1"));
    EXPECT_EQ(fileBytes(notAFolder), QByteArray("x"));
}

TEST(mIntelJPEGLibrary, AFailedReplaceLeavesTheOldFileWhole)
{
    // The write itself fails: a file size limit applies to root as well.
    // The limit is below the new JPEG's size, so the temporary file cannot
    // be completed; the old file must be untouched and no temporary left.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("coloured.jpg"));
    const cDIBSection dib = sectionOf(photoLike(256, 192));
    ASSERT_TRUE(mIntelJPEGLibrary::SaveJPG(dib, path, 60));
    const QByteArray old = fileBytes(path);
    ASSERT_GT(old.size(), 2048);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN); // write() fails with EFBIG instead
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const AppError e = raised([&] { mIntelJPEGLibrary::SaveJPG(dib, path, 95); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(e.number(), ErrorNumber::JpegLibrary);
    EXPECT_EQ(e.description(), QStringLiteral("Failed to save to JPG -1"));
    EXPECT_EQ(e.source(), QStringLiteral("tintaloo.mIntelJPEGLibrary"));
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(mIntelJPEGLibrary, AReadOnlyFolderRaises26001WhenNotRoot)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; covered by the tests above";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("coloured.jpg"));
    writeBytes(path, QByteArray("old"));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const AppError e = raised([&] { mIntelJPEGLibrary::SaveJPG(sectionOf(photoLike(16, 16)), path, 90); });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(e.number(), ErrorNumber::JpegLibrary);
    EXPECT_EQ(fileBytes(path), QByteArray("old"));
}

TEST(mIntelJPEGLibrary, AnEmptySectionRaises26001)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.jpg"));
    writeBytes(path, QByteArray("old"));
    const AppError e = raised([&] { mIntelJPEGLibrary::SaveJPG(cDIBSection(), path, 90); });
    EXPECT_EQ(e.number(), ErrorNumber::JpegLibrary);
    EXPECT_EQ(e.description(), QStringLiteral("Failed to save to JPG -1"));
    EXPECT_EQ(fileBytes(path), QByteArray("old"));
}

TEST(mIntelJPEGLibrary, NonAsciiPathsWork)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Bücher – 鳥.jpg"));
    EXPECT_TRUE(mIntelJPEGLibrary::SaveJPG(sectionOf(photoLike(16, 16)), path, 90));
    EXPECT_EQ(QImage(path).size(), QSize(16, 16));
}

// The image is encoded from its own bits; the JPEG is the very one the
// 24-bit section copy gives, for every 32-bit format, odd widths (section
// rows with filler) and a format that is converted first.
TEST(MIntelJpegLibrary, ImageBitsGiveTheSectionCopysJpeg)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage base = photoLike(203, 131);
    const QImage images[] = {base, base.convertToFormat(QImage::Format_ARGB32),
                             base.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                             base.convertToFormat(QImage::Format_RGB888), photoLike(1024, 768)};
    int i = 0;
    for (const QImage& image : images) {
        const QString fromSection = dir.filePath(QStringLiteral("section%1.jpg").arg(i));
        const QString fromImage = dir.filePath(QStringLiteral("image%1.jpg").arg(i));
        cDIBSection dib;
        dib.CreateFromPicture(image);
        ASSERT_TRUE(mIntelJPEGLibrary::SaveJPG(dib, fromSection, 90));
        ASSERT_TRUE(mIntelJPEGLibrary::SaveJPG(image, fromImage, 90));
        const QByteArray expected = fileBytes(fromSection);
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(fileBytes(fromImage), expected) << "image " << i;
        // The encoder on its own gives the bytes the file holds.
        EXPECT_EQ(mIntelJPEGLibrary::EncodeJPG(image, 90), expected) << "image " << i;
        ++i;
    }
}

TEST(MIntelJpegLibrary, NullImageRaisesTheEmptySectionsError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("null.jpg"));
    try {
        mIntelJPEGLibrary::SaveJPG(QImage(), path, 90);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::JpegLibrary);
        EXPECT_EQ(e.description(), QStringLiteral("Failed to save to JPG -1"));
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_THROW(mIntelJPEGLibrary::EncodeJPG(QImage(), 90), AppError);
}
