// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryFixture.h"
#include "library/BookStore.h"
#include "platform/AppError.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class Books : public ::testing::Test
{
protected:
    QString file(const QString& tail) const { return data.root() + tail; }
    bool exists(const QString& tail) const { return QFileInfo::exists(file(tail)); }

    TempDataFolder data;
    BookStore store{data.folder()};
};

TEST(ProperCase, TitlesFolderNamesByCharacterCode)
{
    EXPECT_EQ(BookStore::ProperCase(QStringLiteral("the tintaloo")), QStringLiteral("The Tintaloo"));
    EXPECT_EQ(BookStore::ProperCase(QStringLiteral("my book2go")), QStringLiteral("My Book2Go"));
    EXPECT_EQ(BookStore::ProperCase(QStringLiteral("bob's pics")), QStringLiteral("Bob'S Pics"));
    EXPECT_EQ(BookStore::ProperCase(QStringLiteral("OWN PICTURES")), QStringLiteral("Own Pictures"));
    // Accented letters lie outside a-z: they stay lower case and start a word.
    EXPECT_EQ(BookStore::ProperCase(QStringLiteral("ÉLAN vital")), QStringLiteral("éLan Vital"));
    EXPECT_EQ(BookStore::ProperCase(QString()), QString());
}

TEST(SafeNames, OnlyNamesOfOneFolderEntryPass)
{
    EXPECT_TRUE(BookStore::isSafeBookName(QStringLiteral("Bob's pics")));
    for (const char* bad : {"", ".", "..", "a/b", "..\\x", "/etc"})
        EXPECT_FALSE(BookStore::isSafeBookName(QLatin1String(bad))) << bad;
    EXPECT_TRUE(BookStore::isSafePictureName(QStringLiteral("Cat.GIF")));
    EXPECT_FALSE(BookStore::isSafePictureName(QStringLiteral("cat.png")));
    EXPECT_FALSE(BookStore::isSafePictureName(QStringLiteral("../cat.bmp")));
}

TEST_F(Books, BooksAndPicturesAreSortedWithoutRegardToCase)
{
    makeFolder(data, QStringLiteral("/books/zoo"));
    makeFolder(data, QStringLiteral("/books/Animals"));
    makeFolder(data, QStringLiteral("/books/own pictures"));
    makeFolder(data, QStringLiteral("/books/bugs"));
    EXPECT_EQ(store.books(), (QStringList{"Animals", "bugs", "own pictures", "zoo"}));

    for (const char* name : {"b.JPG", "a.bmp", "C.gif", "d.png", "a.bmp.tnl", "notes.txt"})
        data.writeFile(QStringLiteral("/books/zoo/") + QLatin1String(name), "x");
    EXPECT_EQ(BookStore::pictures(store.bookFolder(QStringLiteral("zoo"))),
              (QStringList{"a.bmp", "b.JPG", "C.gif"}));
}

TEST_F(Books, OwnPicturesTakeTheLowestFreeNumber)
{
    EXPECT_EQ(store.nextOwnPicturePath(), file(QStringLiteral("/books/own pictures/own_0.bmp")));
    data.writePicture(QStringLiteral("/books/own pictures/own_0.bmp"));
    data.writePicture(QStringLiteral("/books/own pictures/own_2.bmp"));
    EXPECT_EQ(store.nextOwnPicturePath(), file(QStringLiteral("/books/own pictures/own_1.bmp")));
    // A name that differs only in case is taken as well.
    data.writePicture(QStringLiteral("/books/own pictures/OWN_1.BMP"));
    EXPECT_EQ(store.nextOwnPicturePath(), file(QStringLiteral("/books/own pictures/own_3.bmp")));
}

TEST_F(Books, AWidePictureIsFittedBetweenWhiteBands)
{
    writeSolid(data, QStringLiteral("/books/A/wide.bmp"), QSize(400, 200), qRgb(200, 0, 0));
    const QString thumbPath = file(QStringLiteral("/books/A/wide.bmp.tnl"));
    BookStore::makeThumbnail(file(QStringLiteral("/books/A/wide.bmp")), thumbPath);

    QFile written(thumbPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray header = written.read(30);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(quint8(header.at(28)), 24); // bits per pixel

    const QImage thumb(thumbPath);
    ASSERT_EQ(thumb.size(), QSize(100, 100));
    for (int y = 0; y < 100; ++y) {
        const bool picture = y >= 25 && y <= 74;
        for (int x = 0; x < 100; x += 9) {
            const QRgb expected = picture ? qRgb(200, 0, 0) : qRgb(255, 255, 255);
            ASSERT_TRUE(nearColor(thumb.pixel(x, y), expected, 2)) << "at " << x << "," << y;
        }
    }
}

TEST_F(Books, ASmallPictureIsEnlargedToFill)
{
    writeSolid(data, QStringLiteral("/books/A/small.bmp"), QSize(50, 50), qRgb(0, 0, 180));
    const QImage thumb = BookStore::makeThumbnail(file(QStringLiteral("/books/A/small.bmp")),
                                                  file(QStringLiteral("/books/A/small.bmp.tnl")));
    for (const QPoint p : {QPoint(0, 0), QPoint(99, 99), QPoint(0, 99), QPoint(50, 50)})
        EXPECT_TRUE(nearColor(thumb.pixel(p), qRgb(0, 0, 180), 2));
    EXPECT_EQ(QImage(file(QStringLiteral("/books/A/small.bmp.tnl"))).size(), QSize(100, 100));
}

TEST_F(Books, ADamagedPictureRaisesInvalidPictureAndWritesNoThumbnail)
{
    data.writeFile(QStringLiteral("/books/A/bad.bmp"), QByteArray("BM this is not a bitmap"));
    try {
        BookStore::makeThumbnail(file(QStringLiteral("/books/A/bad.bmp")),
                                 file(QStringLiteral("/books/A/bad.bmp.tnl")));
        FAIL() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::InvalidPicture);
    }
    EXPECT_FALSE(exists(QStringLiteral("/books/A/bad.bmp.tnl")));
}

TEST_F(Books, SweepDeletesOnlyThumbnailsWhosePictureIsGone)
{
    data.writePicture(QStringLiteral("/books/A/cat.bmp"));
    data.writeFile(QStringLiteral("/books/A/cat.bmp.tnl"), "t");
    data.writeFile(QStringLiteral("/books/A/dog.gif.tnl"), "t");
    data.writeFile(QStringLiteral("/books/A/Cat.BMP.TNL"), "t"); // its picture differs only in case
    EXPECT_EQ(store.sweepOrphanThumbnails(file(QStringLiteral("/books/A/"))), 1);
    EXPECT_TRUE(exists(QStringLiteral("/books/A/cat.bmp.tnl")));
    EXPECT_TRUE(exists(QStringLiteral("/books/A/Cat.BMP.TNL")));
    EXPECT_FALSE(exists(QStringLiteral("/books/A/dog.gif.tnl")));
    EXPECT_EQ(store.sweepOrphanThumbnails(file(QStringLiteral("/no such folder"))), 0);
}

TEST_F(Books, ReadingABookSweepsItsFolderAndItsColouredFolder)
{
    data.writePicture(QStringLiteral("/books/animals/cat.bmp"));
    data.writeFile(QStringLiteral("/books/animals/dog.gif.tnl"), "t");
    data.writeFile(QStringLiteral("/colored pictures/animals/cat.bmp.jpg"), "j");
    data.writeFile(QStringLiteral("/colored pictures/animals/cat.bmp.jpg.tnl"), "t");
    data.writeFile(QStringLiteral("/colored pictures/animals/old.bmp.jpg.tnl"), "t");

    const BookContents book = store.readBook(QStringLiteral("animals"));
    EXPECT_EQ(book.title, QStringLiteral("Animals"));
    EXPECT_EQ(book.pictures, QStringList{QStringLiteral("cat.bmp")});
    // Found under the title although it was created in lower case.
    EXPECT_TRUE(book.colored.exists());
    EXPECT_FALSE(exists(QStringLiteral("/books/animals/dog.gif.tnl")));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/animals/old.bmp.jpg.tnl")));
    EXPECT_TRUE(exists(QStringLiteral("/colored pictures/animals/cat.bmp.jpg.tnl")));
}

TEST_F(Books, ColouredPictureIsFoundWhateverTheCaseOfItsFolder)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    data.writeFile(QStringLiteral("/colored pictures/animals/cat.bmp.jpg"), "j");
    EXPECT_EQ(store.coloredPicturePath(file(QStringLiteral("/books/Animals/cat.bmp"))),
              file(QStringLiteral("/colored pictures/animals/cat.bmp.jpg")));
    // Not coloured yet: the path the saving code will create.
    EXPECT_EQ(store.coloredPicturePath(file(QStringLiteral("/books/Animals/dog.bmp"))),
              file(QStringLiteral("/colored pictures/animals/dog.bmp.jpg")));
    EXPECT_EQ(BookStore::thumbnailPath(file(QStringLiteral("/books/Animals/cat.bmp"))),
              file(QStringLiteral("/books/Animals/cat.bmp.tnl")));
}

TEST_F(Books, BrowserShowsTheColouredThumbnailWhenAColouredVersionExists)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    writeSolid(data, QStringLiteral("/colored pictures/animals/cat.bmp.jpg"), QSize(120, 80),
               qRgb(220, 30, 30));
    BookContents book = store.readBook(QStringLiteral("Animals"));
    const QImage thumb = BookStore::browserThumbnail(book, QStringLiteral("cat.bmp"));
    EXPECT_TRUE(nearColor(thumb.pixel(50, 50), qRgb(220, 30, 30)));
    EXPECT_TRUE(exists(QStringLiteral("/colored pictures/animals/cat.bmp.jpg.tnl")));
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/cat.bmp.tnl")));
}

TEST_F(Books, AnExistingThumbnailIsUsedWithoutAnyCheck)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp.tnl"), QSize(100, 100), qRgb(0, 160, 0));
    BookContents book = store.readBook(QStringLiteral("Animals"));
    const QImage thumb = BookStore::browserThumbnail(book, QStringLiteral("cat.bmp"));
    EXPECT_EQ(thumb.pixel(50, 50), qRgb(0, 160, 0));
}

TEST_F(Books, FolderPathsIgnoreLetterCase)
{
    makeFolder(data, QStringLiteral("/Books/Own Pictures"));
    EXPECT_TRUE(store.booksExist());
    EXPECT_EQ(store.ownPicturesFolder(), file(QStringLiteral("/Books/Own Pictures")));
    EXPECT_TRUE(store.isOwnPicturesName(QStringLiteral("Own Pictures")));
    EXPECT_EQ(store.coloredFolder(QStringLiteral("Zoo")), file(QStringLiteral("/colored pictures/Zoo")));
}

} // namespace
