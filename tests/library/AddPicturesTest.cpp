// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryWindowsFixture.h"
#include "library/frmLineArtPreview.h"
#include "library/frmManagePictures.h"
#include "paint/BlackAndWhite.h"
#include "support/FileDialogDriver.h"

#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

namespace {

const QString AddCommand = QStringLiteral("Add pictures to this book");

class AddPictures : public LibraryWindows
{
protected:
    void SetUp() override
    {
        data.writePicture(QStringLiteral("/books/The Tintaloo/sun.bmp"));
        data.writePicture(QStringLiteral("/books/own pictures/own_0.bmp"));
        data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    }

    // A picture in the parent's own folder, outside the program's.
    QString outside(const QString& name) const { return m_home.path() + QLatin1Char('/') + name; }
    void writeOutside(const QString& name, const QByteArray& bytes) const
    {
        QFile out(outside(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    // A pure black-and-white line picture of the test folder's kind.
    void drawOutside(const QString& name)
    {
        const QString tail = QStringLiteral("/drawn/") + name;
        data.writePicture(tail, 90, 60);
        ASSERT_TRUE(QFile::rename(file(tail), outside(name)));
    }

    QTemporaryDir m_home;
};

TEST_F(AddPictures, SomeBooksTakeNoPicturesAndNoBookTakesItsOwn)
{
    frmManagePictures w(data.folder());
    WindowWatch::Notices notices;
    run<frmManagePictures>(w, [this](frmManagePictures* win) {
        EXPECT_EQ(win->cFunc(2)->text(), AddCommand);
        chooseBook(win, QStringLiteral("The Tintaloo"));
        command(win, 2);
        chooseBook(win, QStringLiteral("own pictures"));
        command(win, 2);
        chooseBook(win, QStringLiteral("Animals"));
        chooseFiles({file(QStringLiteral("/books/Animals/cat.bmp"))});
        command(win, 2);
        EXPECT_EQ(shown(win), QStringList({"cat.bmp"}));
        command(win, 4);
    });
    const QString refused = QStringLiteral("Pictures cannot be added to this book. Please select another book to add "
                                           "pictures to.");
    EXPECT_EQ(notices.texts(),
              QStringList({refused, refused,
                           QStringLiteral("You are attempting to copy picture(s) from one book into the same book!")}));
}

TEST_F(AddPictures, OnlyPureNewReadablePicturesAreCopiedWhole)
{
    drawOutside(QStringLiteral("bee.bmp"));
    drawOutside(QStringLiteral("owl.gif"));
    drawOutside(QStringLiteral("cat.bmp"));
    drawOutside(QStringLiteral("fox.jpg")); // compression noise: not pure
    writeOutside(QStringLiteral("bad.gif"), "GIF89a and nothing more");
    // Left over from an earlier bee.bmp: it must not stand for the new one.
    writeSolid(data, QStringLiteral("/books/Animals/bee.bmp.tnl"), QSize(100, 100), qRgb(255, 0, 0));
    frmManagePictures w(data.folder());
    WindowWatch::Notices notices(true); // questions are answered "Cancel"
    FileDialogDriver::SeenPtr seen;
    run<frmManagePictures>(w, [this, &seen](frmManagePictures* win) {
        seen = chooseFiles({outside("bee.bmp"), outside("owl.gif"), outside("cat.bmp"),
                                         outside("fox.jpg"), outside("bad.gif")});
        WindowWatch::answer<frmLineArtPreview>(
            [](frmLineArtPreview* preview) { ModalDriver::clickChild(preview, "lCancel"); });
        command(win, 2);
        EXPECT_EQ(shown(win), QStringList({"bee.bmp", "cat.bmp", "owl.gif"}));
        command(win, 4);
    });
    ASSERT_TRUE(seen->shown);
    EXPECT_TRUE(seen->multipleSelection);
    EXPECT_TRUE(seen->mustExist);
    EXPECT_TRUE(notices.texts().contains(QStringLiteral(
        "A picture by this name already exists within the book 'Animals' . Please rename the picture before you try "
        "to add it.")));
    EXPECT_TRUE(notices.texts().contains(
        QStringLiteral("Could not add the file 'fox.jpg' because it is not pure Black and White.")));
    EXPECT_TRUE(notices.texts().contains(
        QStringLiteral("The file 'bad.gif' is faulty. Not all pictures you selected may have been added.")));
    // Copied byte for byte, and the existing cat.bmp untouched.
    EXPECT_EQ(fileBytes(file(QStringLiteral("/books/Animals/bee.bmp"))),
              fileBytes(outside("bee.bmp")));
    EXPECT_EQ(fileBytes(file(QStringLiteral("/books/Animals/owl.gif"))),
              fileBytes(outside("owl.gif")));
    EXPECT_NE(fileBytes(file(QStringLiteral("/books/Animals/cat.bmp"))),
              fileBytes(outside("cat.bmp")));
    EXPECT_NE(QImage(file(QStringLiteral("/books/Animals/bee.bmp.tnl"))).pixel(50, 50), qRgb(255, 0, 0));
    // No copy of the refused ones, and no temporary file left behind.
    EXPECT_EQ(QDir(file(QStringLiteral("/books/Animals")))
                  .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
              QStringList({"bee.bmp", "bee.bmp.tnl", "cat.bmp", "cat.bmp.tnl", "owl.gif", "owl.gif.tnl"}));
}

TEST_F(AddPictures, APhotoCanComeInAsLineArtSeenFirst)
{
    // A dark disc and a dark line on a light, slightly noisy page.
    QImage photo(240, 160, QImage::Format_RGB32);
    photo.fill(qRgb(235, 230, 220));
    {
        QPainter painter(&photo);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 40, 60));
        painter.drawEllipse(QPoint(80, 80), 50, 50);
        painter.setPen(QPen(QColor(30, 30, 30), 2));
        painter.drawLine(170, 20, 170, 140);
    }
    ASSERT_TRUE(photo.save(outside("photo.jpg"), "JPG", 90));
    ASSERT_FALSE(BlackAndWhite::isPure(QImage(outside("photo.jpg"))));

    frmManagePictures w(data.folder());
    WindowWatch::Notices notices;
    QStringList questions;
    QImage previewed;
    auto look = [&](bool ok) {
        WindowWatch::answer<frmLineArtPreview>([&, ok](frmLineArtPreview* preview) {
            questions << ModalDriver::childText(preview, "lMessage");
            previewed = ModalDriver::child<QLabel>(preview, "pPreview")->pixmap().toImage();
            // Nothing is written before the parent says so.
            EXPECT_FALSE(exists(QStringLiteral("/books/Animals/photo.bmp")));
            ModalDriver::clickChild(preview, ok ? "lOK" : "lCancel");
        });
    };
    run<frmManagePictures>(w, [&](frmManagePictures* win) {
        look(false);
        chooseFiles({outside("photo.jpg")});
        command(win, 2);
        EXPECT_EQ(shown(win), QStringList({"cat.bmp"}));
        look(true);
        chooseFiles({outside("photo.jpg")});
        command(win, 2);
        EXPECT_EQ(shown(win), QStringList({"cat.bmp", "photo.bmp"}));
        command(win, 4);
    });
    const QString offer = QStringLiteral("Would you like to add a black and white copy of 'photo.jpg' instead? It will "
                                         "be added to the book as 'photo.bmp'.");
    const QString notPure = QStringLiteral("Could not add the file 'photo.jpg' because it is not pure Black and White.");
    EXPECT_EQ(notices.texts(), QStringList({notPure, notPure}));
    EXPECT_EQ(questions, QStringList({offer, offer}));
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/photo.jpg")));
    const QImage page(file(QStringLiteral("/books/Animals/photo.bmp")));
    ASSERT_EQ(page.size(), QSize(240, 160));
    EXPECT_TRUE(BlackAndWhite::isPure(page));
    EXPECT_EQ(previewed.convertToFormat(QImage::Format_RGB32), page.convertToFormat(QImage::Format_RGB32));
    // The page stays white, the disc is outlined rather than filled, the
    // line stays a line.
    EXPECT_EQ(page.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(page.pixel(80, 80) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(page.pixel(80, 31) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(page.pixel(170, 80) & 0xFFFFFF, 0x000000u);
}

TEST_F(AddPictures, APngComesInAsABmp)
{
    drawOutside(QStringLiteral("bee.bmp"));
    ASSERT_TRUE(QImage(outside("bee.bmp")).save(outside("bee.png"), "PNG"));
    // Under a PNG name, but a BMP inside: refused like any picture that is
    // not what it says.
    ASSERT_TRUE(QFile::copy(outside("bee.bmp"), outside("ant.png")));
    frmManagePictures w(data.folder());
    WindowWatch::Notices notices;
    FileDialogDriver::SeenPtr seen;
    run<frmManagePictures>(w, [this, &seen](frmManagePictures* win) {
        seen = chooseFiles({outside("bee.png"), outside("ant.png")});
        command(win, 2);
        EXPECT_EQ(shown(win), QStringList({"bee.bmp", "cat.bmp"}));
        command(win, 4);
    });
    EXPECT_EQ(seen->shownFilters, QStringList{QStringLiteral("Pictures (*.bmp,*.gif,*.jpg,*.png)")});
    EXPECT_EQ(notices.texts(),
              QStringList{QStringLiteral("The file 'ant.png' is faulty. Not all pictures you selected may have been "
                                         "added.")});
    const QImage added(file(QStringLiteral("/books/Animals/bee.bmp")));
    EXPECT_EQ(added, QImage(outside("bee.bmp")).convertToFormat(added.format()));
    EXPECT_EQ(fileBytes(file(QStringLiteral("/books/Animals/bee.bmp"))).left(2), QByteArray("BM"));
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/bee.png")));
}

TEST_F(AddPictures, APictureLargerThanThePageIsOfferedFitted)
{
    QImage big(400, 100, QImage::Format_RGB32);
    big.fill(Qt::white);
    for (int y = 40; y < 60; ++y)
        for (int x = 0; x < 400; ++x)
            big.setPixel(x, y, qRgb(0, 0, 0));
    ASSERT_TRUE(big.save(outside("wide.gif"), "BMP")); // a BMP under a GIF name is read all the same
    ASSERT_TRUE(big.save(outside("long.bmp"), "BMP"));
    frmManagePictures w(data.folder());
    w.setCanvasArea(QSize(200, 150));
    WindowWatch::Notices notices;
    run<frmManagePictures>(w, [this, &notices](frmManagePictures* win) {
        chooseFiles({outside("wide.gif")});
        command(win, 2);
        notices.setPressCancel(true);
        chooseFiles({outside("long.bmp")});
        command(win, 2);
        EXPECT_EQ(shown(win), QStringList({"cat.bmp", "wide.bmp"}));
        command(win, 4);
    });
    EXPECT_EQ(notices.texts(),
              QStringList({QStringLiteral("The picture 'wide.gif' is larger than the page (400 x 100 pixels). Would "
                                          "you like to add it made smaller to fit, 200 x 50 pixels, as 'wide.bmp'?"),
                           QStringLiteral("The picture 'long.bmp' is larger than the page (400 x 100 pixels). Would "
                                          "you like to add it made smaller to fit, 200 x 50 pixels, as "
                                          "'long.bmp'?")}));
    const QImage page(file(QStringLiteral("/books/Animals/wide.bmp")));
    ASSERT_EQ(page.size(), QSize(200, 50));
    EXPECT_TRUE(BlackAndWhite::isPure(page));
    EXPECT_EQ(page.pixel(100, 25) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(page.pixel(100, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/long.bmp")));
}

TEST_F(AddPictures, AFailedWriteIsReportedAndStopsTheAdding)
{
    drawOutside(QStringLiteral("ant.bmp"));
    drawOutside(QStringLiteral("bee.bmp"));
    // Something that is not a picture file already stands where ant.bmp would go.
    QDir().mkpath(file(QStringLiteral("/books/Animals/ant.bmp")));
    frmManagePictures w(data.folder());
    WindowWatch::Notices notices;
    run<frmManagePictures>(w, [this](frmManagePictures* win) {
        chooseFiles({outside("ant.bmp"), outside("bee.bmp")});
        command(win, 2);
        command(win, 4);
    });
    EXPECT_EQ(notices.texts(), QStringList({QStringLiteral("Could not add the file 'ant.bmp'. Please make sure that the "
                                                           "folder '")
                                            + file(QStringLiteral("/books/Animals"))
                                            + QStringLiteral("' is not write protected.")}));
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/bee.bmp")));
}

TEST(BlackAndWhiteTest, OneGreyPixelMakesAPictureImpure)
{
    QImage page(64, 40, QImage::Format_RGB32);
    page.fill(qRgb(255, 255, 255));
    page.setPixel(10, 20, qRgb(0, 0, 0));
    EXPECT_TRUE(BlackAndWhite::isPure(page));
    page.setPixel(63, 39, qRgb(254, 255, 255));
    EXPECT_FALSE(BlackAndWhite::isPure(page));
}

} // namespace
