// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrowserFixture.h"

namespace {

TEST_F(Browser, AClickOnAThumbnailHandsBackItsPathAndHides)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    data.writePicture(QStringLiteral("/books/Animals/dog.gif"));
    const int result = open([this](QWidget* w) {
        ASSERT_TRUE(strip(w)->isVisible());
        clickStrip(w, QPoint(111 + 50, 1 + 50));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(browser().Filename, file(QStringLiteral("/books/Animals/dog.gif")));
    EXPECT_FALSE(browser().isVisible());
    EXPECT_FALSE(browser().UnloadRequested);
    // Thumbnails are made once and kept beside their pictures.
    EXPECT_TRUE(exists(QStringLiteral("/books/Animals/cat.bmp.tnl")));
    EXPECT_TRUE(exists(QStringLiteral("/books/Animals/dog.gif.tnl")));
}

TEST_F(Browser, AClickOnACellsBorderOpensNothing)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    open([](QWidget* w) {
        // The cell is (6, 1) to (106, 101); its edges do not count.
        for (const QPoint at : {QPoint(6, 50), QPoint(106, 50), QPoint(50, 1), QPoint(50, 101), QPoint(3, 50)})
            clickStrip(w, at);
        EXPECT_TRUE(w->isVisible());
        clickStrip(w, QPoint(7, 2));
    });
    EXPECT_EQ(browser().Filename, file(QStringLiteral("/books/Animals/cat.bmp")));
}

TEST_F(Browser, OwnPicturesComeFirstFramedAndEmptyBooksTakeNoRoom)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    makeFolder(data, QStringLiteral("/books/Bugs"));
    for (int i = 0; i < 6; ++i)
        data.writePicture(QStringLiteral("/books/Cars/car%1.bmp").arg(i));
    data.writePicture(QStringLiteral("/books/own pictures/own_0.bmp"));

    open([](QWidget* w) { clickButton(w, "cClose"); });
    const QList<PictureEntry>& table = browser().pictureTable();
    ASSERT_EQ(table.size(), 8);
    EXPECT_EQ(table.at(0).fileName, QStringLiteral("own_0.bmp"));
    EXPECT_EQ(QPoint(table.at(0).left, table.at(0).top), QPoint(6, 1));
    EXPECT_EQ(table.at(1).fileName, QStringLiteral("cat.bmp"));
    EXPECT_EQ(QPoint(table.at(1).left, table.at(1).top), QPoint(6, 141));
    // Bugs is empty: Cars follows Animals directly; five columns fit the strip.
    EXPECT_EQ(QPoint(table.at(2).left, table.at(2).top), QPoint(6, 281));
    EXPECT_EQ(QPoint(table.at(6).left, table.at(6).top), QPoint(426, 281));
    EXPECT_EQ(QPoint(table.at(7).left, table.at(7).top), QPoint(6, 386));
    EXPECT_EQ(table.at(7).folder, file(QStringLiteral("/books/Cars")));

    QWidget* w = &browser();
    EXPECT_EQ(shownAt(w, {6, 1}), qRgb(240, 240, 240));
    EXPECT_EQ(shownAt(w, {56, 1}), qRgb(240, 240, 240));
    EXPECT_EQ(shownAt(w, {106, 50}), qRgb(225, 225, 225));
    EXPECT_EQ(shownAt(w, {50, 101}), qRgb(225, 225, 225));
    // Other books' cells have no frame.
    EXPECT_EQ(shownAt(w, {6, 141}), qRgb(255, 255, 255));
    EXPECT_EQ(shownAt(w, {106, 190}), qRgb(255, 255, 255));
}

TEST_F(Browser, LoadingShowsItsProgressPerBook)
{
    data.writePicture(QStringLiteral("/books/animals/cat.bmp"));
    data.writePicture(QStringLiteral("/books/own pictures/own_0.bmp"));
    data.writePicture(QStringLiteral("/books/zoo/lion.bmp"));
    open([](QWidget* w) { clickButton(w, "cClose"); });
    EXPECT_EQ(progress.events, (QStringList{"begin", "Loading(33%)... Own Pictures.",
                                            "Loading(33%)... Animals.", "Loading(100%)... Zoo.", "end"}));
}

TEST_F(Browser, LoadingSweepsOrphanThumbnails)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    data.writeFile(QStringLiteral("/books/Animals/dog.gif.tnl"), "t");
    data.writeFile(QStringLiteral("/colored pictures/animals/old.bmp.jpg.tnl"), "t");
    open([](QWidget* w) { clickButton(w, "cClose"); });
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/dog.gif.tnl")));
    EXPECT_FALSE(exists(QStringLiteral("/colored pictures/animals/old.bmp.jpg.tnl")));
}

TEST_F(Browser, AColouredPictureShowsInColourEvenInALowerCaseFolder)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    writeSolid(data, QStringLiteral("/colored pictures/animals/cat.bmp.jpg"), QSize(200, 200),
               qRgb(230, 20, 20));
    open([](QWidget* w) { clickButton(w, "cClose"); });
    EXPECT_TRUE(nearColor(shownAt(&browser(), {56, 51}), qRgb(230, 20, 20)));
    EXPECT_TRUE(exists(QStringLiteral("/colored pictures/animals/cat.bmp.jpg.tnl")));
    EXPECT_FALSE(exists(QStringLiteral("/books/Animals/cat.bmp.tnl")));
}

TEST_F(Browser, ComingBackRedrawsTheChosenPictureFromItsColouredFile)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    data.writePicture(QStringLiteral("/books/Animals/dog.bmp"));
    open([](QWidget* w) { clickStrip(w, QPoint(111 + 50, 51)); });
    ASSERT_EQ(browser().Filename, file(QStringLiteral("/books/Animals/dog.bmp")));

    // The child coloured the dog; the save left an old coloured thumbnail.
    writeSolid(data, QStringLiteral("/colored pictures/Animals/dog.bmp.jpg"), QSize(120, 80),
               qRgb(20, 20, 220));
    writeSolid(data, QStringLiteral("/colored pictures/Animals/dog.bmp.jpg.tnl"), QSize(100, 100),
               qRgb(0, 200, 0));
    progress.events.clear();
    open([](QWidget* w) {
        EXPECT_TRUE(nearColor(shownAt(w, {161, 51}), qRgb(20, 20, 220)));
        // The other picture was left alone.
        EXPECT_FALSE(nearColor(shownAt(w, {56, 51}), qRgb(20, 20, 220)));
        clickButton(w, "cClose");
    });
    EXPECT_TRUE(progress.events.isEmpty()); // no second load
    EXPECT_TRUE(browser().Filename.isEmpty());
    const QImage rebuilt(file(QStringLiteral("/colored pictures/Animals/dog.bmp.jpg.tnl")));
    EXPECT_TRUE(nearColor(rebuilt.pixel(50, 50), qRgb(20, 20, 220)));
}

TEST_F(Browser, TheHandShowsOverThumbnailsOnly)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    open([](QWidget* w) {
        ThumbnailStrip* s = strip(w);
        QTest::mouseMove(s, QPoint(50, 50));
        EXPECT_TRUE(s->testAttribute(Qt::WA_SetCursor));
        QTest::mouseMove(s, QPoint(160, 50));
        EXPECT_FALSE(s->testAttribute(Qt::WA_SetCursor));
        clickButton(w, "cClose");
    });
}

} // namespace
