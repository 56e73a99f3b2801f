// SPDX-License-Identifier: GPL-3.0-or-later
#include "BrowserFixture.h"
#include "support/WindowWatch.h"
#include "ui/frmMessage.h"
#include "ui/frmParentMessage.h"
#include "ui/LinkLabel.h"
#include "library/frmManagePictures.h"


#include <QDir>
#include <QLabel>

namespace {

const QString LoadProblem = QStringLiteral(
    "There was a problem loading the pictures. Make sure that none of them are damaged. If you do "
    "not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.");
const QString LoadProblemChild =
    QStringLiteral("Oh no! something strange has happened! Call someone who can help you!");

// Answers the load failure notice with OK after checking its texts.
ModalDriver::Action expectLoadFailureNotice()
{
    return [](QWidget* modal) {
        auto* notice = qobject_cast<frmMessage*>(modal);
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(ModalDriver::childText(notice, "Label1"), LoadProblemChild);
        EXPECT_EQ(ModalDriver::childText(notice, "Label2"), LoadProblem);
        EXPECT_TRUE(ModalDriver::child(notice, "cOut2")->isHidden());
        ModalDriver::clickChild(notice, "cOut1");
    };
}

class BrowserFailure : public Browser
{
protected:
    void expectFailedLoad()
    {
        EXPECT_EQ(openFailing(expectLoadFailureNotice()), QDialog::Rejected);
        EXPECT_TRUE(browser().LoadFailed);
        EXPECT_TRUE(browser().Filename.isEmpty());
        EXPECT_FALSE(browser().isVisible());
        ASSERT_FALSE(progress.events.isEmpty());
        EXPECT_EQ(progress.events.last(), QStringLiteral("end"));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
};

TEST_F(BrowserFailure, OnlyDamagedPicturesEndTheLoad)
{
    data.writeFile(QStringLiteral("/books/Zoo/broken.jpg"), QByteArray("\xFF\xD8 broken", 9));
    expectFailedLoad();
}

TEST_F(Browser, DamagedPicturesAreLeftOutAndNamedToTheParentOnce)
{
    writeSolid(data, QStringLiteral("/books/Animals/cat.bmp"), QSize(50, 50), qRgb(0, 0, 200));
    data.writeFile(QStringLiteral("/books/Animals/aardvark.bmp"), "BM broken");
    data.writeFile(QStringLiteral("/books/Zoo/broken.jpg"), QByteArray("\xFF\xD8 broken", 9));
    data.writePicture(QStringLiteral("/books/Zoo/lion.bmp"));
    const QString told = openAndReadTheLeftOutNotice();
    EXPECT_TRUE(told.contains(QStringLiteral("Animals/aardvark.bmp\nZoo/broken.jpg"))) << told.toStdString();
    QStringList shown;
    for (const PictureEntry& entry : browser().pictureTable())
        shown << entry.fileName;
    EXPECT_EQ(shown, (QStringList{"cat.bmp", "lion.bmp"}));
    // The first cell holds cat, not a hole.
    EXPECT_TRUE(nearColor(shownAt(&browser(), centre(browser().pictureTable().at(0))) & 0xFFFFFF,
                          qRgb(0, 0, 200) & 0xFFFFFF));

    // Coming back to the loaded browser tells nothing again.
    open([](QWidget* w) {
        ASSERT_NE(qobject_cast<frmOpen*>(w), nullptr);
        clickButton(w, "cClose");
    });
}

TEST_F(BrowserFailure, MissingBooksEndTheLoad)
{
    expectFailedLoad();
}

TEST_F(BrowserFailure, BooksWithoutAnyPictureEndTheLoad)
{
    makeFolder(data, QStringLiteral("/books/Empty"));
    makeFolder(data, QStringLiteral("/books/own pictures"));
    expectFailedLoad();
}

TEST_F(Browser, CloseHandsBackNothingWithACancelSound)
{
    settings.Play_Sound = true;
    sounds.setEnabled(true);
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    EXPECT_EQ(open([](QWidget* w) { clickButton(w, "cClose"); }), QDialog::Rejected);
    EXPECT_TRUE(browser().Filename.isEmpty());
    EXPECT_FALSE(browser().UnloadRequested);
    EXPECT_TRUE(QStringList({"CANCEL0", "CANCEL1", "CANCEL2", "CANCEL3"}).contains(sounds.lastPlayed()));
}

TEST_F(Browser, NeitherTheWindowManagerNorEscapeCloseIt)
{
    settings.Play_Sound = true;
    sounds.setEnabled(true);
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    open([this](QWidget* w) {
        EXPECT_FALSE(ModalDriver::closeByWindowManager(w));
        EXPECT_TRUE(w->isVisible());
        sounds.clearLastPlayed();
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(sounds.lastPlayed().isEmpty());
        clickButton(w, "cClose");
    });
    EXPECT_TRUE(browser().Filename.isEmpty());
}

TEST_F(Browser, ANewPictureIsABlankOwnPage)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    open([](QWidget* w) { clickButton(w, "cPicadd"); });
    EXPECT_EQ(browser().Filename, file(QStringLiteral("/books/own pictures/own_0.bmp")));
    EXPECT_TRUE(browser().UnloadRequested);
    const QImage page(browser().Filename);
    ASSERT_EQ(page.size(), QSize(750, 480));
    EXPECT_EQ(page.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(749, 479), qRgb(255, 255, 255));
}

TEST_F(Browser, ANewPictureTakesTheLowestFreeNumber)
{
    data.writePicture(QStringLiteral("/books/own pictures/own_0.bmp"));
    data.writePicture(QStringLiteral("/books/own pictures/own_2.bmp"));
    open([](QWidget* w) { clickButton(w, "cPicadd"); });
    EXPECT_EQ(browser().Filename, file(QStringLiteral("/books/own pictures/own_1.bmp")));
    EXPECT_TRUE(exists(QStringLiteral("/books/own pictures/own_1.bmp")));
}

TEST_F(Browser, ANewPictureThatCannotBeWrittenIsReportedAndTheBrowserStays)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    data.writeFile(QStringLiteral("/books/own pictures"), "a file where the folder should be");
    open([](QWidget* w) {
        ModalDriver::answerNext([](QWidget* modal) {
            auto* notice = qobject_cast<frmMessage*>(modal);
            ASSERT_NE(notice, nullptr);
            EXPECT_EQ(ModalDriver::childText(notice, "Label1"),
                      QStringLiteral("Help! A new picture could not be started! Call someone who can "
                                     "help you sort it out! Go!"));
            EXPECT_TRUE(ModalDriver::childText(notice, "Label2").startsWith(
                QStringLiteral("An unknown error occurred when there was an attempt to start drawing")));
            EXPECT_TRUE(ModalDriver::child(notice, "cOut2")->isHidden());
            ModalDriver::clickChild(notice, "cOut1");
        });
        clickButton(w, "cPicadd");
        EXPECT_TRUE(w->isVisible());
        clickButton(w, "cClose");
    });
    EXPECT_TRUE(browser().Filename.isEmpty());
    EXPECT_FALSE(browser().UnloadRequested);
}

TEST_F(Browser, MorePicturesRefusedKeepsTheBrowserOpen)
{
    settings.Use_Parental_password = true;
    settings.Parental_Password = QStringLiteral("secret");
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    open([](QWidget* w) {
        ModalDriver::answerNext([](QWidget* modal) {
            auto* prompt = qobject_cast<frmMessage*>(modal);
            ASSERT_NE(prompt, nullptr);
            EXPECT_EQ(ModalDriver::childText(prompt, "Label1"),
                      QStringLiteral("Would you like more pictures? Call someone who can get them for you!"));
            EXPECT_EQ(ModalDriver::childText(prompt, "Label2"),
                      QStringLiteral("You or your child has asked for more pictures to be added to The "
                                     "Tintaloo. If you wish to allow this, please press OK to continue."));
            // The password is asked: a first OK only reveals its row.
            ModalDriver::clickChild(prompt, "cOut1");
            EXPECT_TRUE(prompt->isVisible());
            ModalDriver::clickChild(prompt, "cOut2");
        });
        clickButton(w, "pMorePics");
        EXPECT_TRUE(w->isVisible());
        clickButton(w, "cClose");
    });
    EXPECT_FALSE(browser().UnloadRequested);
    EXPECT_TRUE(browser().Filename.isEmpty());
}

TEST_F(Browser, MorePicturesAllowedOpensThePictureManager)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    data.writePicture(QStringLiteral("/books/Zoo/lion.bmp"));
    const QString open = file(QStringLiteral("/books/Animals/cat.bmp"));
    browser().setCurrentPicture(open);
    bool managerShown = false;
    this->open([&](QWidget* w) {
        // The manager opens after the browser's own loop has ended.
        ModalDriver::answerNext([&, w](QWidget* modal) {
            ModalDriver::answerNext([&, w](QWidget* window) {
                auto* manager = qobject_cast<frmManagePictures*>(window);
                ASSERT_NE(manager, nullptr);
                managerShown = true;
                // The browser is already out of sight, and the canvas's picture is known.
                EXPECT_FALSE(w->isVisible());
                EXPECT_EQ(manager->CurrentPicture(), open);
                EXPECT_EQ(WindowWatch::cBooks(manager)->count(), 2);
                ModalDriver::click(manager->cFunc(4));
            });
            ModalDriver::clickChild(modal, "cOut1");
        });
        clickButton(w, "pMorePics");
    });
    EXPECT_TRUE(managerShown);
    EXPECT_TRUE(browser().UnloadRequested);
    EXPECT_TRUE(browser().Filename.isEmpty());
}

TEST_F(Browser, MorePicturesWithoutBooksTellsTheParentToReinstall)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    open([this](QWidget* w) {
        QDir(file(QStringLiteral("/books"))).removeRecursively();
        ModalDriver::answerNext([](QWidget* modal) {
            ModalDriver::answerNext([](QWidget* notice) {
                auto* parent = qobject_cast<frmParentMessage*>(notice);
                ASSERT_NE(parent, nullptr);
                EXPECT_EQ(ModalDriver::childText(parent, "lMessage"),
                          QStringLiteral("Could not find the books path. Please reinstall The Tintaloo!"));
                ModalDriver::clickChild(parent, "lContinue");
            });
            ModalDriver::clickChild(modal, "cOut1");
        });
        clickButton(w, "pMorePics");
    });
    EXPECT_TRUE(browser().UnloadRequested);
    EXPECT_TRUE(browser().Filename.isEmpty());
}

// ---------------------------------------------------------------- scrolling

// One book of 21 pictures: five rows, the last at 421, so the strip is
// 526 high and 100 pixels of it are hidden below the 426-pixel viewport.
TEST_F(Browser, ScrollingDownStopsExactlyAtTheEnd)
{
    static_assert(frmOpen::ViewportHeight == 426);
    for (int i = 0; i < 21; ++i)
        data.writePicture(QStringLiteral("/books/Animals/p%1.bmp").arg(i, 2, 10, QLatin1Char('0')));
    open([](QWidget* w) {
        ThumbnailStrip* s = strip(w);
        ASSERT_EQ(s->height(), 526);
        ASSERT_TRUE(button(w, "cScroll1")->isEnabled());
        clickButton(w, "cScroll1");
        EXPECT_EQ(s->y(), -100);
        pButton* ball = button(w, "sBall");
        EXPECT_EQ(ball->y() + ball->height(), button(w, "cScroll1")->y());
        clickButton(w, "cScroll1");
        EXPECT_EQ(s->y(), -100);
        // The bottom row is now where a click finds it.
        clickStrip(w, QPoint(56, 471));
    });
    EXPECT_TRUE(browser().Filename.endsWith(QStringLiteral("/p20.bmp")));
}

// A finger drags the strip as far as there is more to see, and a tap that
// does not move opens the picture under it; a second finger does nothing.
TEST_F(Browser, AFingerScrollsTheStripAndATapOpens)
{
    for (int i = 0; i < 40; ++i) // eight rows: the strip is 841 high
        data.writePicture(QStringLiteral("/books/Animals/p%1.bmp").arg(i, 2, 10, QLatin1Char('0')));
    open([](QWidget* w) {
        ThumbnailStrip* s = strip(w);
        QPointingDevice* screen = QTest::createTouchDevice();
        const QPoint start = s->mapTo(w, QPoint(56, 300));
        QTest::touchEvent(w, screen).press(0, start);
        QTest::touchEvent(w, screen).move(0, start - QPoint(0, 100)).press(1, start + QPoint(200, 0));
        QTest::touchEvent(w, screen).move(0, start - QPoint(0, 250)).move(1, start + QPoint(200, 200));
        QTest::touchEvent(w, screen).release(0, start - QPoint(0, 250)).release(1, start + QPoint(200, 200));
        EXPECT_TRUE(w->isVisible()) << "a drag opened a picture";
        EXPECT_EQ(s->y(), -250);
        pButton* ball = button(w, "sBall");
        EXPECT_GT(ball->y(), button(w, "cScroll0")->height()) << "the ball did not follow";
        // Not past the end.
        QTest::touchEvent(w, screen).press(0, start);
        QTest::touchEvent(w, screen).move(0, start - QPoint(0, 400));
        QTest::touchEvent(w, screen).release(0, start - QPoint(0, 400));
        EXPECT_EQ(s->y(), -415);
        // A tap on the second cell of the last row.
        const QPoint cell = s->mapTo(w, QPoint(111 + 50, 736 + 50));
        QTest::touchEvent(w, screen).press(0, cell);
        QTest::touchEvent(w, screen).release(0, cell);
    });
    EXPECT_TRUE(browser().Filename.endsWith(QStringLiteral("/p36.bmp"))) << browser().Filename.toStdString();
}

TEST_F(Browser, ScrollButtonsMove160PixelsAtATime)
{
    for (int i = 0; i < 40; ++i) // eight rows: the strip is 841 high
        data.writePicture(QStringLiteral("/books/Animals/p%1.bmp").arg(i, 2, 10, QLatin1Char('0')));
    open([](QWidget* w) {
        ThumbnailStrip* s = strip(w);
        ASSERT_EQ(s->height(), 841);
        clickButton(w, "cScroll1");
        EXPECT_EQ(s->y(), -160);
        clickButton(w, "cScroll1");
        EXPECT_EQ(s->y(), -320);
        clickButton(w, "cScroll1");
        EXPECT_EQ(s->y(), -415);
        clickButton(w, "cScroll0");
        EXPECT_EQ(s->y(), -255);
        clickButton(w, "cScroll0");
        clickButton(w, "cScroll0");
        EXPECT_EQ(s->y(), 0);
        EXPECT_EQ(button(w, "sBall")->y(), button(w, "cScroll0")->height());
        clickButton(w, "cClose");
    });
}

TEST_F(Browser, DraggingTheBallScrollsTheStrip)
{
    for (int i = 0; i < 40; ++i)
        data.writePicture(QStringLiteral("/books/Animals/p%1.bmp").arg(i, 2, 10, QLatin1Char('0')));
    open([](QWidget* w) {
        ThumbnailStrip* s = strip(w);
        pButton* ball = button(w, "sBall");
        const int lowest = button(w, "cScroll1")->y() - ball->height();
        QTest::mousePress(ball, Qt::LeftButton, Qt::NoModifier, QPoint(18, 10));
        QTest::mouseMove(ball, QPoint(18, 10 + 1000));
        EXPECT_EQ(ball->y(), lowest);
        EXPECT_EQ(s->y(), 426 - 841);
        QTest::mouseRelease(ball, Qt::LeftButton, Qt::NoModifier, QPoint(18, 10));
        clickButton(w, "cClose");
    });
}

TEST_F(Browser, AShortStripDisablesScrolling)
{
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    open([](QWidget* w) {
        EXPECT_FALSE(button(w, "cScroll0")->isEnabled());
        EXPECT_FALSE(button(w, "cScroll1")->isEnabled());
        EXPECT_FALSE(button(w, "sBall")->isEnabled());
        clickButton(w, "cClose");
    });
}

} // namespace
