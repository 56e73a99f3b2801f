// SPDX-License-Identifier: GPL-3.0-or-later
// The strip reads thumbnails only for the rows it shows: what scrolls into
// view must still show its own thumbnail, pixel for pixel as a strip drawn
// whole at load, and the memory held must not grow with the books.
#include "BrowserFixture.h"
#include "imaging/cNDib.h"
#include "platform/ImageFile.h"
#include "ui/frmParentMessage.h"

#include <QFile>

namespace {

class LazyStrip : public Browser
{
protected:
    static QRgb colourOf(int i) { return qRgb(20 + (i * 37) % 200, 30 + (i * 91) % 200, 40 + (i * 53) % 200); }

    // count pictures of one flat colour each in one book, "p000.bmp" on.
    void writeColouredBook(int count)
    {
        for (int i = 0; i < count; ++i)
            writeSolid(data, picture(i), QSize(20, 20), colourOf(i));
    }
    static QString picture(int i) { return QStringLiteral("/books/Animals/p%1.bmp").arg(i, 3, 10, QLatin1Char('0')); }

    static QWidget* viewport(QWidget* w) { return w->findChild<QWidget*>(QStringLiteral("PB")); }
    // What the viewport shows at one of its points, strip and buttons together.
    static QRgb seen(QWidget* w, QPoint at)
    {
        return viewport(w)->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
    }
    const PictureEntry& cell(int i) { return browser().pictureTable().at(i); }
    // Lets the shown browser make the thumbnails that were missing at load.
    void waitForEveryThumbnail()
    {
        for (int i = 0; i < 100000 && !browser().thumbnailsComplete(); ++i)
            QCoreApplication::processEvents();
        ASSERT_TRUE(browser().thumbnailsComplete());
    }

    // Drags the ball a few pixels at a time to the end of its travel (down
    // or up), letting the strip read ahead between moves; returns the most
    // cells the strip held on the way.
    static int dragBall(QWidget* w, bool down)
    {
        pButton* ball = button(w, "sBall");
        const int end = down ? button(w, "cScroll1")->y() - ball->height() : button(w, "cScroll0")->height();
        const int step = down ? 3 : -3;
        QTest::mousePress(ball, Qt::LeftButton, Qt::NoModifier, QPoint(18, 10));
        int most = 0;
        for (int i = 0; ball->y() != end && i < 1000; ++i) {
            QTest::mouseMove(ball, QPoint(18, 10 + step));
            QCoreApplication::processEvents();
            most = std::max(most, strip(w)->cachedCells());
        }
        QTest::mouseRelease(ball, Qt::LeftButton, Qt::NoModifier, QPoint(18, 10));
        return most;
    }
};

TEST_F(LazyStrip, ACellScrolledIntoViewShowsItsThumbnail)
{
    writeColouredBook(40); // eight rows, the last at 736: far below the viewport
    open([this](QWidget* w) {
        for (int i = 0; i < 3; ++i)
            clickButton(w, "cScroll1");
        ASSERT_EQ(strip(w)->y(), -415);
        for (int i : {0, 34, 35, 39}) {
            const QPoint inView = centre(cell(i)) + strip(w)->pos();
            if (inView.y() < 0)
                continue;
            EXPECT_TRUE(nearColor(seen(w, inView), colourOf(i))) << "cell " << i;
        }
        clickButton(w, "cClose");
    });
}

// Thumbnails on disk that are not square land half a pixel off-centre in
// their cells; rounded as the whole strip rounded them, rows at odd and
// even tops alike.
TEST_F(LazyStrip, CellsShowTheSamePixelsAsAStripDrawnWhole)
{
    for (int i = 0; i < 10; ++i) {
        data.writePicture(picture(i));
        QImage thumbnail(100, 50, QImage::Format_RGB32);
        for (int y = 0; y < thumbnail.height(); ++y)
            for (int x = 0; x < thumbnail.width(); ++x)
                thumbnail.setPixel(x, y, qRgb((x * 5 + i * 20) % 256, (y * 9) % 256, ((x + y) * 3) % 256));
        ASSERT_TRUE(thumbnail.save(file(picture(i) + QStringLiteral(".tnl")), "BMP"));
    }
    open([](QWidget* w) { clickButton(w, "cClose"); });

    const QRect rows(0, 0, strip(&browser())->width(), 211);
    QImage whole(rows.size(), QImage::Format_RGB32);
    whole.fill(0xFFFFFFFF);
    for (const PictureEntry& entry : browser().pictureTable()) {
        cNDib thumbnail;
        ASSERT_TRUE(thumbnail.Make_From_Image(ImageFile::read(entry.path() + QStringLiteral(".tnl"))));
        thumbnail.Set_dib_Fit(whole, entry.left + 1, entry.top + 1, 99, 99);
    }
    const QImage shownRows = strip(&browser())->grab(rows).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(shownRows == whole);
}

TEST_F(LazyStrip, ScrollingFarKeepsOnlyABoundedNumberOfThumbnails)
{
    constexpr int Count = 400; // 80 rows
    writeColouredBook(Count);
    open([this](QWidget* w) {
        ThumbnailStrip* s = strip(w);
        EXPECT_LE(s->cachedCells(), 40); // the rows in view and next to it
        const int most = dragBall(w, true);
        EXPECT_EQ(s->y(), 426 - s->height());
        EXPECT_LE(most, ThumbnailStrip::CacheCells);
        EXPECT_LT(most, Count / 2);
        // What the slide passed through was shown, and the end shows the end.
        EXPECT_TRUE(nearColor(seen(w, centre(cell(Count - 1)) + s->pos()), colourOf(Count - 1)));
        clickButton(w, "cClose");
    });
}

// The picture chosen last shows its coloured thumbnail when the browser
// comes back, also once its cell has been dropped from memory and read
// again (its coloured folder did not exist when the books were loaded).
TEST_F(LazyStrip, AColouredPictureStaysColouredWhenItsCellIsReadAgain)
{
    constexpr int Count = 400;
    writeColouredBook(Count);
    open([this](QWidget* w) { clickStrip(w, centre(cell(0))); });
    ASSERT_EQ(browser().Filename, file(picture(0)));
    writeSolid(data, QStringLiteral("/colored pictures/Animals/p000.bmp.jpg"), QSize(50, 50), qRgb(20, 20, 220));
    open([this](QWidget* w) {
        EXPECT_TRUE(nearColor(shownAt(w, centre(cell(0))), qRgb(20, 20, 220)));
        dragBall(w, true);
        dragBall(w, false);
        ASSERT_EQ(strip(w)->y(), 0);
        EXPECT_TRUE(nearColor(shownAt(w, centre(cell(0))), qRgb(20, 20, 220)));
        EXPECT_TRUE(nearColor(shownAt(w, centre(cell(1))), colourOf(1)));
        clickButton(w, "cClose");
    });
}

// The child clicks on what the viewport shows; the picture that opens is
// the one whose thumbnail is there.
TEST_F(LazyStrip, AClickAfterScrollingOpensThePictureShownThere)
{
    writeColouredBook(40);
    open([this](QWidget* w) {
        clickButton(w, "cScroll1");
        clickButton(w, "cScroll1");
        ASSERT_EQ(strip(w)->y(), -320);
        const QPoint at = centre(cell(34)) + strip(w)->pos(); // in the seventh row
        ASSERT_TRUE(viewport(w)->rect().contains(at));
        ASSERT_TRUE(nearColor(seen(w, at), colourOf(34)));
        QWidget* under = viewport(w)->childAt(at);
        ASSERT_EQ(under, strip(w));
        QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(viewport(w), at));
    });
    EXPECT_EQ(browser().Filename, file(picture(34)));
}

// A thumbnail that turns out broken only when its row is shown (spoilt
// after the load, or beyond what the load checks) leaves its cell white;
// the cell still opens its picture.
TEST_F(LazyStrip, AThumbnailBrokenWhenShownLeavesItsCellWhite)
{
    writeColouredBook(40);
    open([this](QWidget* w) {
        // Spoilt once made: the browser makes those below the first rows
        // while it shows.
        waitForEveryThumbnail();
        data.writeFile(picture(39) + QStringLiteral(".tnl"), "BM not a thumbnail");
        const QString link = file(picture(38) + QStringLiteral(".tnl"));
        ASSERT_TRUE(QFile::remove(link));
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
        for (int i = 0; i < 3; ++i)
            clickButton(w, "cScroll1");
        const QPoint offset = strip(w)->pos();
        EXPECT_EQ(seen(w, centre(cell(39)) + offset), qRgb(255, 255, 255));
        EXPECT_EQ(seen(w, centre(cell(38)) + offset), qRgb(255, 255, 255));
        EXPECT_TRUE(nearColor(seen(w, centre(cell(37)) + offset), colourOf(37)));
        clickStrip(w, centre(cell(39)));
    });
    EXPECT_EQ(browser().Filename, file(picture(39)));
}

// One that is broken on disk at load is found then: its picture is left
// out and the parent told, as for a picture that cannot be read.
TEST_F(LazyStrip, AThumbnailBrokenAtLoadLeavesItsPictureOut)
{
    writeColouredBook(3);
    data.writeFile(picture(1) + QStringLiteral(".tnl"), "BM cut short");
    const QString told = openAndReadTheLeftOutNotice();
    EXPECT_TRUE(told.contains(QStringLiteral("Animals/p001.bmp"))) << told.toStdString();
    ASSERT_EQ(browser().pictureTable().size(), 2);
    EXPECT_EQ(browser().pictureTable().at(1).fileName, QStringLiteral("p002.bmp"));
    EXPECT_TRUE(nearColor(shownAt(&browser(), centre(cell(1))), colourOf(2)));
}

} // namespace

// Thumbnails missing at load: those of the rows shown first are on disk as
// the browser shows, the others are made while it shows; each in the end is
// the thumbnail its picture gives.
TEST_F(LazyStrip, MissingThumbnailsAreMadeWhileTheBrowserShows)
{
    writeColouredBook(40);
    open([this](QWidget* w) {
        EXPECT_TRUE(exists(picture(0) + QStringLiteral(".tnl")));
        EXPECT_TRUE(nearColor(shownAt(w, centre(cell(0))), colourOf(0)));
        waitForEveryThumbnail();
        clickButton(w, "cClose");
    });
    for (int i = 0; i < 40; ++i) {
        const QString thumbnail = file(picture(i) + QStringLiteral(".tnl"));
        ASSERT_TRUE(QFileInfo::exists(thumbnail)) << i;
        EXPECT_TRUE(ImageFile::read(thumbnail) == BookStore::thumbnailOf(ImageFile::read(file(picture(i))))) << i;
    }
}

// A browser closed before it made them all makes the rest the next time it
// shows, and a cell scrolled into view before its turn shows its picture.
TEST_F(LazyStrip, ThumbnailsNotMadeYetAreMadeWhenShownOrNextTime)
{
    writeColouredBook(40);
    open([this](QWidget* w) {
        clickButton(w, "cScroll1");
        clickButton(w, "cScroll1");
        clickButton(w, "cScroll1");
        EXPECT_TRUE(nearColor(seen(w, centre(cell(39)) + strip(w)->pos()), colourOf(39)));
        clickButton(w, "cClose");
    });
    EXPECT_TRUE(exists(picture(39) + QStringLiteral(".tnl")));
    open([this](QWidget* w) {
        waitForEveryThumbnail();
        clickButton(w, "cClose");
    });
    for (int i = 0; i < 40; ++i)
        EXPECT_TRUE(exists(picture(i) + QStringLiteral(".tnl"))) << i;
}
