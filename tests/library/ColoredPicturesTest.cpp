// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryWindowsFixture.h"
#include "library/frmColoredPictures.h"

namespace {

const QString NothingSelected = QStringLiteral("Please select at least one picture to delete.");
const QString AreYouSure = QStringLiteral("Are you sure you wish to delete the selected picture(s)?");

class ColoredPictures : public LibraryWindows
{
protected:
    void colour(const QString& book, const QString& picture)
    {
        writeSolid(data, QStringLiteral("/colored pictures/") + book + QLatin1Char('/') + picture, QSize(75, 48),
                   qRgb(200, 40, 40));
    }
};

TEST_F(ColoredPictures, ShowsEveryReadableColouredPictureWithItsThumbnail)
{
    colour(QStringLiteral("Animals"), QStringLiteral("cat.bmp.jpg"));
    colour(QStringLiteral("Animals"), QStringLiteral("dog.gif.jpg"));
    data.writeFile(QStringLiteral("/colored pictures/Animals/broken.bmp.jpg"), "not a picture");
    colour(QStringLiteral("zoo"), QStringLiteral("lion.bmp.jpg"));
    frmColoredPictures w(data.folder());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Manage colored pictures"));
    EXPECT_EQ(ModalDriver::childText(&w, "Label1"), QStringLiteral("Select a book:"));
    EXPECT_EQ(books(&w), QStringList({"Animals", "zoo"}));
    EXPECT_EQ(WindowWatch::cBooks(&w)->currentText(), QStringLiteral("Animals"));
    EXPECT_EQ(shown(&w), QStringList({"cat.bmp.jpg", "dog.gif.jpg"}));
    EXPECT_EQ(WindowWatch::LV(&w)->viewMode(), QListView::IconMode);
    EXPECT_EQ(WindowWatch::LV(&w)->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(WindowWatch::LV(&w)->iconSize(), QSize(100, 100));
    // The thumbnail is made beside the coloured picture, red in the middle.
    const QImage thumbnail(file(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg.tnl")));
    ASSERT_EQ(thumbnail.size(), QSize(100, 100));
    EXPECT_TRUE(nearColor(thumbnail.pixel(50, 50), qRgb(200, 40, 40)));
    EXPECT_EQ(thumbnail.pixel(50, 5), qRgb(255, 255, 255));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/Animals/broken.bmp.jpg.tnl")));

    run<frmColoredPictures>(w, [](frmColoredPictures* win) {
        chooseBook(win, QStringLiteral("zoo"));
        EXPECT_EQ(shown(win), QStringList({"lion.bmp.jpg"}));
        EXPECT_EQ(win->cFunc(1)->text(), QStringLiteral("Delete selected picture(s)"));
        EXPECT_EQ(win->cFunc(2)->cursor().shape(), Qt::BitmapCursor);
        command(win, 2);
    });
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ColoredPictures, WithoutColouredPicturesTheWindowIsEmpty)
{
    frmColoredPictures w(data.folder());
    EXPECT_EQ(WindowWatch::cBooks(&w)->count(), 0);
    EXPECT_EQ(WindowWatch::LV(&w)->count(), 0);
}

TEST_F(ColoredPictures, AnEmptiedBookLeavesTheChooserAndAnotherIsShown)
{
    colour(QStringLiteral("Animals"), QStringLiteral("cat.bmp.jpg"));
    colour(QStringLiteral("Animals"), QStringLiteral("dog.bmp.jpg"));
    colour(QStringLiteral("Birds"), QStringLiteral("owl.bmp.jpg"));
    colour(QStringLiteral("Zoo"), QStringLiteral("lion.bmp.jpg"));
    frmColoredPictures w(data.folder());
    WindowWatch::Notices notices;
    run<frmColoredPictures>(w, [](frmColoredPictures* win) {
        chooseBook(win, QStringLiteral("Birds"));
        select(win, {QStringLiteral("owl.bmp.jpg")});
        command(win, 1);
        // Birds (index 1) is gone and the first book is shown instead.
        EXPECT_EQ(books(win), QStringList({"Animals", "Zoo"}));
        EXPECT_EQ(WindowWatch::cBooks(win)->currentText(), QStringLiteral("Animals"));
        EXPECT_EQ(shown(win), QStringList({"cat.bmp.jpg", "dog.bmp.jpg"}));

        select(win, {QStringLiteral("cat.bmp.jpg"), QStringLiteral("dog.bmp.jpg")});
        command(win, 1);
        EXPECT_EQ(books(win), QStringList({"Zoo"}));
        EXPECT_EQ(shown(win), QStringList({"lion.bmp.jpg"}));
        command(win, 2);
    });
    EXPECT_EQ(notices.texts(), QStringList({AreYouSure, AreYouSure}));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/Birds")));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/Animals")));
    EXPECT_TRUE(exists(QStringLiteral("/colored pictures/Zoo/lion.bmp.jpg")));
}

TEST_F(ColoredPictures, EmptyingTheOnlyBookKeepsItsFolderAndEntry)
{
    colour(QStringLiteral("Animals"), QStringLiteral("cat.bmp.jpg"));
    colour(QStringLiteral("Animals"), QStringLiteral("dog.bmp.jpg"));
    frmColoredPictures w(data.folder());
    WindowWatch::Notices notices(true);
    run<frmColoredPictures>(w, [&notices](frmColoredPictures* win) {
        command(win, 1);
        select(win, {QStringLiteral("cat.bmp.jpg"), QStringLiteral("dog.bmp.jpg")});
        command(win, 1); // "Cancel"
        EXPECT_EQ(WindowWatch::LV(win)->count(), 2);
        notices.setPressCancel(false);
        command(win, 1);
        EXPECT_EQ(WindowWatch::LV(win)->count(), 0);
        EXPECT_EQ(books(win), QStringList({"Animals"}));
        command(win, 2);
    });
    EXPECT_EQ(notices.texts(), QStringList({NothingSelected, AreYouSure, AreYouSure}));
    EXPECT_TRUE(exists(QStringLiteral("/colored pictures/Animals")));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg")));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg.tnl")));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/Animals/dog.bmp.jpg.tnl")));
}

TEST_F(ColoredPictures, APictureThatCannotBeDeletedStopsTheDeletion)
{
    colour(QStringLiteral("Animals"), QStringLiteral("ant.bmp.jpg"));
    colour(QStringLiteral("Animals"), QStringLiteral("bee.bmp.jpg"));
    colour(QStringLiteral("Animals"), QStringLiteral("cat.bmp.jpg"));
    const QString locked = file(QStringLiteral("/colored pictures/Animals/bee.bmp.jpg"));
    QFile::setPermissions(locked, QFile::ReadOwner);
    frmColoredPictures w(data.folder());
    WindowWatch::Notices notices;
    run<frmColoredPictures>(w, [](frmColoredPictures* win) {
        select(win, {QStringLiteral("ant.bmp.jpg"), QStringLiteral("bee.bmp.jpg"), QStringLiteral("cat.bmp.jpg")});
        command(win, 1);
        EXPECT_EQ(shown(win), QStringList({"bee.bmp.jpg", "cat.bmp.jpg"}));
        EXPECT_EQ(WindowWatch::LV(win)->selectedItems().size(), 2);
        command(win, 2);
    });
    ASSERT_EQ(notices.texts().size(), 2);
    EXPECT_EQ(notices.texts().at(1), QStringLiteral("The file '") + locked
                                         + QStringLiteral("' could not be removed. Please make sure it exists and "
                                                          "that it is not write protected."));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/Animals/ant.bmp.jpg")));
    EXPECT_TRUE(exists(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg")));
}

} // namespace
