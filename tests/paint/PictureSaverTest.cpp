// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/Canvas.h"
#include "paint/PictureSaver.h"
#include "platform/AppError.h"
#include "platform/Random.h"

#include "PaintFixtures.h"
#include "support/DiskTricks.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include "support/TestTools.h"

#include <gtest/gtest.h>

using namespace PaintFixtures;

namespace {

class AutoSave : public ::testing::Test
{
protected:
    // Writes a line picture into the book and opens it on the canvas.
    QString openBookPicture(const QString& book, const QString& file, const QImage& picture = linePicture())
    {
        const QString path = data.root() + QStringLiteral("/books/") + book + QLatin1Char('/') + file;
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(picture.save(path, "BMP"));
        canvas.openPicture(path, PictureSaver::colouredPathFor(data.folder(), path));
        return path;
    }

    void paintSomething()
    {
        canvas.setCurrentColor(0x0000FF);
        canvas.selectTool(Canvas::Paintbrush);
        canvas.beginStroke(30, 40);
        canvas.endStroke();
    }

    TempDataFolder data;
    Random random{99};
    Canvas canvas{random};
};

} // namespace

TEST_F(AutoSave, WithoutAPictureDoesNothing)
{
    PictureSaver::autoSave(canvas, data.folder());
    EXPECT_FALSE(QFileInfo::exists(data.root() + QStringLiteral("/colored pictures")));
    EXPECT_TRUE(canvas.Last_saved_picture().isEmpty());
}

TEST_F(AutoSave, WritesTheCanvasAsAJpegBesideItsBook)
{
    openBookPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
    paintSomething();

    PictureSaver::autoSave(canvas, data.folder());

    const QString jpeg = data.root() + QStringLiteral("/colored pictures/Animals/cat.bmp.jpg");
    EXPECT_EQ(canvas.Last_saved_picture(), jpeg);
    QImageReader reader(jpeg);
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage written = reader.read();
    ASSERT_EQ(written.size(), QSize(120, 80));
    EXPECT_NEAR(qRed(written.pixel(30, 40)), qRed(canvas.P.image().pixel(30, 40)), 6);
    EXPECT_NEAR(qBlue(written.pixel(90, 40)), 255, 6);

    // Opening the picture again shows the coloured version.
    Canvas again(random);
    again.openPicture(canvas.CurrentPicture(), PictureSaver::colouredPathFor(data.folder(), canvas.CurrentPicture()));
    EXPECT_NEAR(qRed(again.P.image().pixel(30, 40)), qRed(canvas.P.image().pixel(30, 40)), 6);
}

TEST_F(AutoSave, EverySaveDeletesBothThumbnails)
{
    openBookPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
    const QString colouredThumb = QStringLiteral("/colored pictures/Animals/cat.bmp.jpg.tnl");
    const QString bookThumb = QStringLiteral("/books/Animals/cat.bmp.tnl");
    for (int round = 0; round < 2; ++round) {
        data.writeFile(colouredThumb, "thumbnail");
        data.writeFile(bookThumb, "thumbnail");
        PictureSaver::autoSave(canvas, data.folder());
        EXPECT_FALSE(QFileInfo::exists(data.root() + colouredThumb)) << round;
        EXPECT_FALSE(QFileInfo::exists(data.root() + bookThumb)) << round;
        EXPECT_TRUE(QFileInfo::exists(data.root() + QStringLiteral("/colored pictures/Animals/cat.bmp.jpg")));
    }
}

TEST_F(AutoSave, AFolderNameWithSpacesIsKept)
{
    openBookPicture(QStringLiteral("Farm Animals"), QStringLiteral("cow.gif"));
    PictureSaver::autoSave(canvas, data.folder());
    EXPECT_TRUE(QFileInfo::exists(data.root() + QStringLiteral("/colored pictures/Farm Animals/cow.gif.jpg")));
}

TEST_F(AutoSave, UsesAnExistingFolderWhateverItsLetterCase)
{
    QDir().mkpath(data.root() + QStringLiteral("/Colored Pictures/animals"));
    openBookPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
    PictureSaver::autoSave(canvas, data.folder());
    EXPECT_TRUE(QFileInfo::exists(data.root() + QStringLiteral("/Colored Pictures/animals/cat.bmp.jpg")));
    EXPECT_FALSE(QFileInfo::exists(data.root() + QStringLiteral("/colored pictures")));
}

TEST_F(AutoSave, AnOwnPictureKeepsItsMarkerLinesButNotTheFill)
{
    QImage blank(120, 80, QImage::Format_RGB32);
    blank.fill(White);
    const QString own = openBookPicture(QStringLiteral("own pictures"), QStringLiteral("page1.bmp"), blank);
    ASSERT_TRUE(PictureSaver::isOwnPicture(data.folder(), own));
    canvas.selectTool(Canvas::Marker);
    canvas.beginStroke(60, 2);
    canvas.moveStroke(60, 79);
    canvas.endStroke();
    paintSomething(); // leaves the red fill in the line picture's image

    PictureSaver::autoSave(canvas, data.folder());

    const QImage written(own);
    ASSERT_EQ(written.size(), QSize(120, 80));
    EXPECT_EQ(written.pixel(60, 40) & 0xFFFFFF, 0u);
    EXPECT_EQ(written.pixel(20, 40) & 0xFFFFFF, 0xFFFFFFu);

    // After a clear the next save writes a blank page into it.
    canvas.clearColours(true);
    PictureSaver::autoSave(canvas, data.folder());
    const QImage cleared(own);
    EXPECT_EQ(cleared.pixel(60, 40) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(AutoSave, ABookPictureIsNeverRewritten)
{
    const QString path = openBookPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
    const QByteArray before = fileBytes(path);
    EXPECT_FALSE(PictureSaver::isOwnPicture(data.folder(), path));
    canvas.selectTool(Canvas::Marker);
    canvas.beginStroke(30, 2);
    canvas.moveStroke(30, 79);
    canvas.endStroke();
    PictureSaver::autoSave(canvas, data.folder());
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(AutoSave, OwnPicturesAreRecognisedWhateverTheLetterCase)
{
    QDir().mkpath(data.root() + QStringLiteral("/Books/Own Pictures"));
    EXPECT_TRUE(PictureSaver::isOwnPicture(data.folder(), data.root() + QStringLiteral("/books/own pictures/x.bmp")));
    EXPECT_TRUE(PictureSaver::isOwnPicture(data.folder(), data.root() + QStringLiteral("/BOOKS/OWN PICTURES/x.bmp")));
    EXPECT_FALSE(PictureSaver::isOwnPicture(data.folder(), data.root() + QStringLiteral("/books/Animals/x.bmp")));
}

TEST_F(AutoSave, AFailedWriteLeavesThePreviousColouredPictureWhole)
{
    openBookPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
    const QString tail = QStringLiteral("/colored pictures/Animals/cat.bmp.jpg");
    data.writeFile(tail, "the old picture");
    // Wider than any JPEG can be: the encoder refuses it.
    canvas.P = PictureSurface(QSize(70000, 2));

    PictureSaver::autoSave(canvas, data.folder());

    EXPECT_EQ(fileBytes(data.root() + tail), QByteArray("the old picture"));
    EXPECT_TRUE(canvas.Last_saved_picture().isEmpty());
}

TEST_F(AutoSave, AFailedWriteLeavesTheOwnPictureAsItWas)
{
    QImage blank(120, 80, QImage::Format_RGB32);
    blank.fill(White);
    const QString own = openBookPicture(QStringLiteral("own pictures"), QStringLiteral("page1.bmp"), blank);
    const QByteArray before = fileBytes(own);
    canvas.selectTool(Canvas::Marker);
    canvas.beginStroke(60, 2);
    canvas.moveStroke(60, 79);
    canvas.endStroke();
    canvas.P = PictureSurface(QSize(70000, 2));

    EXPECT_EQ(PictureSaver::autoSave(canvas, data.folder()), PictureSaver::SaveResult::Failed);

    EXPECT_EQ(fileBytes(own), before);
}

TEST(CanvasToJpeg, RaisesTheCodecErrorWhenThePictureCannotBeWritten)
{
    TempDataFolder data;
    PictureSurface surface(QSize(70000, 2));
    try {
        PictureSaver::canvasToJpeg(surface, data.root() + QStringLiteral("/wide.jpg"));
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::JpegLibrary);
    }
    EXPECT_FALSE(QFileInfo::exists(data.root() + QStringLiteral("/wide.jpg")));
}

TEST(CanvasToJpeg, MakesTheWrittenImageTheStoredPicture)
{
    TempDataFolder data;
    PictureSurface surface(QSize(20, 10));
    surface.image().fill(qRgb(10, 200, 30));
    EXPECT_TRUE(PictureSaver::canvasToJpeg(surface, data.root() + QStringLiteral("/out.jpg")));
    EXPECT_EQ(surface.picture(), surface.image());
    EXPECT_EQ(QImage(data.root() + QStringLiteral("/out.jpg")).size(), QSize(20, 10));
}

TEST_F(AutoSave, AFailedSaveSaysWhyAndKeepsTheOldPicture)
{
    openBookPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
    paintSomething();
    ASSERT_EQ(PictureSaver::autoSave(canvas, data.folder()), PictureSaver::SaveResult::Saved);
    const QString jpeg = data.root() + QStringLiteral("/colored pictures/Animals/cat.bmp.jpg");
    const QByteArray old = fileBytes(jpeg);
    paintSomething();
    {
        FullDisk full;
        EXPECT_EQ(PictureSaver::autoSave(canvas, data.folder()), PictureSaver::SaveResult::DiskFull);
    }
    EXPECT_EQ(fileBytes(jpeg), old);
    {
        WriteProtectedFolder readOnly(data.root() + QStringLiteral("/colored pictures/Animals"));
        if (!readOnly.active())
            GTEST_SKIP() << "cannot write-protect a folder: " << readOnly.whyNot().toStdString();
        EXPECT_EQ(PictureSaver::autoSave(canvas, data.folder()), PictureSaver::SaveResult::WriteProtected);
    }
    EXPECT_EQ(fileBytes(jpeg), old);
    EXPECT_EQ(QDir(data.root() + QStringLiteral("/colored pictures/Animals")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("cat.bmp.jpg")});
}

TEST_F(AutoSave, NothingIsWrittenThroughLinks)
{
    QTemporaryDir outside;
    const QString precious = outside.filePath(QStringLiteral("cat.bmp.jpg"));
    {
        QFile file(precious);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    openBookPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
    paintSomething();
    // A coloured folder that leads outside is not written into.
    QDir().mkpath(data.root() + QStringLiteral("/colored pictures"));
    ASSERT_TRUE(QFile::link(outside.path(), data.root() + QStringLiteral("/colored pictures/Animals")));
    EXPECT_EQ(PictureSaver::autoSave(canvas, data.folder()), PictureSaver::SaveResult::Failed);
    EXPECT_EQ(fileBytes(precious), QByteArray("precious"));

    // A coloured picture that is a link is replaced, its target kept.
    QFile::remove(data.root() + QStringLiteral("/colored pictures/Animals"));
    QDir().mkpath(data.root() + QStringLiteral("/colored pictures/Animals"));
    const QString jpeg = data.root() + QStringLiteral("/colored pictures/Animals/cat.bmp.jpg");
    ASSERT_TRUE(QFile::link(precious, jpeg));
    EXPECT_EQ(PictureSaver::autoSave(canvas, data.folder()), PictureSaver::SaveResult::Saved);
    EXPECT_FALSE(QFileInfo(jpeg).isSymLink());
    EXPECT_EQ(QImageReader(jpeg).format(), "jpeg");
    EXPECT_EQ(fileBytes(precious), QByteArray("precious"));
}
