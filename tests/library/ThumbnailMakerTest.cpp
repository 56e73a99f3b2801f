// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnails made for many pictures in a row look exactly like those
// drawn from the whole picture through a pixel buffer; a large JPEG, decoded
// straight at its thumbnail's size, comes within a few levels of it.
#include "LibraryFixture.h"
#include "library/BookStore.h"
#include "library/ThumbnailMaker.h"
#include "platform/AppError.h"
#include "platform/ImageFile.h"

#include <QBuffer>
#include <QDirIterator>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// How far one colour channel of a JPEG's thumbnail may lie from the one made
// from the whole picture: a few pixels along outlines move by up to about
// half that (a coloured page of 750 x 480 by 10, a long thin picture by 28),
// on average less than a level.
constexpr int MaxJpegDifference = 32;
constexpr double MaxMeanJpegDifference = 0.5;

// The largest difference of one colour channel between two images of one size.
int largestDifference(const QImage& a, const QImage& b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

QImage wholeWay(const QString& path)
{
    return BookStore::thumbnailOf(ImageFile::read(path));
}

// A coloured page as the automatic save writes it: outlines and flat
// colours, JPEG at quality 90.
QByteArray colouredJpeg(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(230, 20, 20));
    painter.drawEllipse(page.rect().adjusted(40, 30, -size.width() / 2, -30));
    painter.setBrush(QColor(20, 20, 220));
    painter.drawRect(page.rect().adjusted(size.width() / 2, 60, -40, -60));
    painter.drawLine(0, 0, size.width() - 1, size.height() - 1);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    page.save(&buffer, "JPEG", 90);
    return bytes;
}

} // namespace

TEST(ThumbnailMaker, TheDefaultBooksGiveTheSamePixelsAsTheWholePicture)
{
    ThumbnailMaker maker;
    int compared = 0;
    QDirIterator it(QStringLiteral(TINTALOO_DEFAULTS_DIR "/books"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!BookStore::isPictureName(path))
            continue;
        EXPECT_TRUE(maker.make(path) == wholeWay(path)) << path.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 20);
}

TEST(ThumbnailMaker, PicturesOfEveryKindAndShapeGiveTheSamePixels)
{
    TempDataFolder data;
    ThumbnailMaker maker;
    const QList<QSize> sizes{{400, 200}, {200, 400}, {50, 50}, {100, 100}, {333, 77}, {7, 300}};
    for (const QSize& size : sizes) {
        writeSolid(data, QStringLiteral("/books/A/p.bmp"), size, qRgb(10, 200, 30));
        const QString bmp = data.root() + QStringLiteral("/books/A/p.bmp");
        EXPECT_TRUE(maker.make(bmp) == wholeWay(bmp)) << size.width() << "x" << size.height();
        data.writePicture(QStringLiteral("/books/A/p.gif"), size.width(), size.height());
        const QString gif = data.root() + QStringLiteral("/books/A/p.gif");
        EXPECT_TRUE(maker.make(gif) == wholeWay(gif)) << size.width() << "x" << size.height();
    }
    // A JPEG that is enlarged, or only just larger, is decoded whole.
    for (const QSize size : {QSize(80, 60), QSize(101, 90)}) {
        data.writeFile(QStringLiteral("/books/A/small.jpg"), colouredJpeg(size));
        const QString jpg = data.root() + QStringLiteral("/books/A/small.jpg");
        EXPECT_TRUE(maker.make(jpg) == wholeWay(jpg)) << size.width();
    }
}

// libjpeg's scaled decoding averages blocks of pixels much as shrinking the
// whole picture does; what differs is rounding and the smoothing of edges.
TEST(ThumbnailMaker, ALargeJpegComesWithinAFewLevelsOfTheWholePicture)
{
    TempDataFolder data;
    ThumbnailMaker maker;
    for (const QSize size : {QSize(750, 480), QSize(1600, 1200), QSize(480, 750), QSize(250, 200), QSize(820, 820),
                             QSize(3000, 100)}) {
        data.writeFile(QStringLiteral("/books/A/cat.bmp.jpg"), colouredJpeg(size));
        const QString jpg = data.root() + QStringLiteral("/books/A/cat.bmp.jpg");
        const QImage made = maker.make(jpg), whole = wholeWay(jpg);
        ASSERT_EQ(made.size(), whole.size());
        EXPECT_LE(largestDifference(made, whole), MaxJpegDifference) << size.width() << "x" << size.height();
        EXPECT_LE(meanDifference(made, whole), MaxMeanJpegDifference) << size.width() << "x" << size.height();
    }
}

TEST(ThumbnailMaker, ADamagedPictureIsRefusedAsReadingIt)
{
    TempDataFolder data;
    ThumbnailMaker maker;
    data.writeFile(QStringLiteral("/books/A/bad.jpg"), QByteArray("\xFF\xD8\xFF broken", 10));
    EXPECT_THROW(maker.make(data.root() + QStringLiteral("/books/A/bad.jpg")), AppError);
    EXPECT_THROW(maker.make(data.root() + QStringLiteral("/books/A/none.bmp")), AppError);
}
