// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmMain.h"
#include "library/frmManagePictures.h"
#include "library/frmOpen.h"
#include "support/WindowWatch.h"
#include "ui/LinkLabel.h"
#include "paint/Backdrop.h"
#include "ui/frmColorPicker.h"
#include "ui/frmMessage.h"
#include "ui/frmParentMessage.h"
#include "ui/SurfaceView.h"
#include "support/DiskTricks.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDriver.h"
#include "ui/pButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {


void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A stroke as a child makes it: press, a few moves with the button held, release.
void stroke(QWidget* canvas, QPoint from, QPoint to)
{
    sendMouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        sendMouse(canvas, QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton);
    sendMouse(canvas, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

class MainWindowTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        makeWindow();
        window->setPictureChooser([this] { return chosen; });
        chosen = catPath();
    }

    QRgb canvasPixel(int x, int y) const { return window->canvasState().P.image().pixel(x, y) & 0xFFFFFF; }
    // The window's controls, by name.
    pButton* button(const QString& name) const { return window->findChild<pButton*>(name); }
    pButton* c(int i) const { return button(QStringLiteral("c%1").arg(i)); }
    pButton* pTool(int i) const { return button(QStringLiteral("pTool%1").arg(i)); }
    pButton* pFunc(int i) const { return button(QStringLiteral("pFunc%1").arg(i)); }
    SurfaceView* view(const char* name) const { return ModalDriver::child<SurfaceView>(window.get(), name); }

    QString chosen;
};

} // namespace

TEST_F(MainWindowTest, StartsFullScreenWithItsBarLaidOut)
{
    ASSERT_TRUE(window->startUp());
    EXPECT_TRUE(window->isLoaded());
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("The Tintaloo"));

    int x = 0;
    for (pButton* button : {c(0), c(1), c(2), c(3)}) {
        EXPECT_EQ(button->x(), x);
        EXPECT_EQ(button->y(), FrmMain::BarHeight / 2 - button->height() / 2);
        x += button->width();
    }
    for (pButton* tool : {pTool(0), pTool(1), pTool(2), pTool(3)}) {
        EXPECT_EQ(tool->x(), x);
        x += tool->width();
    }
    EXPECT_EQ(view("Pc")->geometry(), QRect(x, 0, 1024 - x, FrmMain::BarHeight));
    EXPECT_EQ(view("PB")->geometry(), QRect(0, FrmMain::BarHeight, 1024, 768 - FrmMain::BarHeight));
    EXPECT_EQ(window->hotCornerWidth(), pFunc(4)->x() + pFunc(4)->width());
    EXPECT_EQ(pFunc(0)->pos(), QPoint(0, 0));

    // The first picture is open and centred in the backdrop.
    EXPECT_TRUE(view("P")->isVisible());
    EXPECT_EQ(view("P")->size(), QSize(200, 120));
    EXPECT_EQ(view("P")->pos(), QPoint(512 - 100, (768 - FrmMain::BarHeight) / 2 - 60));
    EXPECT_TRUE(c(1)->isEnabled());
    EXPECT_FALSE(c(2)->isEnabled());
    EXPECT_TRUE(pFunc(1)->isEnabled());
    // The canvas shows the crayon, its tip at the hot spot.
    EXPECT_EQ(view("P")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view("P")->cursor().hotSpot(), QPoint(3, 52));
}

TEST_F(MainWindowTest, TheReloadLaysTheWindowOutAgain)
{
    ASSERT_TRUE(window->startUp());
    c(1)->hide();
    ASSERT_TRUE(window->reload()); // an invisible command button takes no room
    EXPECT_EQ(c(2)->x(), c(0)->width());
    EXPECT_EQ(pTool(0)->x(), c(3)->x() + c(3)->width());
    // The reload covers the screen again, the room below the bar with it.
    window->resize(1024, 60);
    ASSERT_TRUE(window->reload());
    EXPECT_EQ(window->size(), QSize(1024, 768));
    EXPECT_EQ(view("PB")->geometry(), QRect(0, 132, 1024, 768 - 132));
}

TEST_F(MainWindowTest, ColourStaysInsideTheOutlines)
{
    ASSERT_TRUE(window->startUp());
    window->setColor(0x0000FF); // red
    stroke(view("P"), QPoint(30, 60), QPoint(95, 60)); // ends right beside the middle bar

    EXPECT_NE(canvasPixel(40, 60), 0xFFFFFFu);         // the left room took colour
    EXPECT_EQ(canvasPixel(100, 60), 0x000000u);        // the bar is still black
    EXPECT_EQ(canvasPixel(110, 60), 0xFFFFFFu);        // the right room is untouched
    EXPECT_EQ(canvasPixel(0, 60), 0x000000u);          // and so is the frame
    EXPECT_TRUE(c(2)->isEnabled());
    EXPECT_TRUE(window->paletteRunning());            // restarted after the stroke
}

// A picture larger than the room below the bar is shown whole, smaller, and
// a stroke still lands on the picture's pixels under the pointer.
TEST_F(MainWindowTest, ALargePictureIsShownWholeAndPaintedWherePointed)
{
    data.writePicture(QStringLiteral("/books/Animals/big.bmp"), 1296, 864);
    chosen = data.path(QStringLiteral("/books/Animals/big.bmp"));
    ASSERT_TRUE(window->startUp());
    SurfaceView* canvas = view("P");
    const qreal scale = canvas->displayScale();
    EXPECT_NEAR(scale, 636.0 / 864.0, 0.001); // the 636 pixels below the bar decide
    EXPECT_TRUE(view("PB")->rect().contains(canvas->geometry())) << "the picture is cut off";
    EXPECT_EQ(canvas->size(), QSize(qRound(1296 * scale), 636));

    window->setColor(0x0000FF);
    stroke(canvas, QPoint(100, 300), QPoint(200, 300));
    EXPECT_NE(canvasPixel(int(150 / scale), int(300 / scale)), 0xFFFFFFu);
    EXPECT_EQ(canvasPixel(int(150 / scale), int(200 / scale)), 0xFFFFFFu);
    EXPECT_EQ(canvasPixel(900, 300), 0xFFFFFFu) << "colour crossed the middle bar";
}

TEST_F(MainWindowTest, UndoesTheLastThreeStrokesOnly)
{
    ASSERT_TRUE(window->startUp());
    window->setColor(0x00FF00);
    for (int i = 0; i < 4; ++i)
        stroke(view("P"), QPoint(20 + 15 * i, 30), QPoint(20 + 15 * i, 90));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(c(2)->isEnabled());
        QTest::mouseClick(c(2), Qt::LeftButton);
    }
    EXPECT_FALSE(c(2)->isEnabled());
    // The first stroke is older than the three snapshots and stays.
    EXPECT_NE(canvasPixel(20, 60), 0xFFFFFFu);
    EXPECT_EQ(canvasPixel(65, 60), 0xFFFFFFu);
}

TEST_F(MainWindowTest, ClearAsksTheChildAndCannotBeUndone)
{
    ASSERT_TRUE(window->startUp());
    window->setColor(0x00FF00);
    stroke(view("P"), QPoint(30, 60), QPoint(60, 60));
    ASSERT_NE(canvasPixel(40, 60), 0xFFFFFFu);

    QString asked;
    ModalDriver::answerNext([&asked](QWidget* modal) {
        asked = ModalDriver::visibleText(modal);
        auto* prompt = qobject_cast<frmMessage*>(modal);
        ASSERT_NE(prompt, nullptr);
        ModalDriver::clickChild(modal, "cOut1");
    });
    QTest::mouseClick(c(1), Qt::LeftButton);
    EXPECT_TRUE(ModalDriver::allAnswered());
    EXPECT_TRUE(asked.contains(QStringLiteral("Would you like to get rid of all the colors?")));
    EXPECT_EQ(canvasPixel(40, 60), 0xFFFFFFu);
    EXPECT_EQ(canvasPixel(100, 60), 0x000000u);
    EXPECT_FALSE(c(2)->isEnabled());
}

TEST_F(MainWindowTest, CrazyColoursLatchAndTheMarkerSwitchesThemOff)
{
    ASSERT_TRUE(window->startUp());
    ASSERT_TRUE(c(3)->isEnabled());
    QTest::mouseClick(pTool(3), Qt::LeftButton);
    EXPECT_EQ(window->canvasState().Tool(), 3);
    EXPECT_TRUE(pTool(3)->Pressed());
    EXPECT_FALSE(pTool(0)->Pressed());
    EXPECT_FALSE(c(3)->isEnabled());
    EXPECT_EQ(view("P")->cursor().hotSpot(), QPoint(2, 82)); // the marker pen's tip
    QTest::mouseClick(pTool(1), Qt::LeftButton);
    EXPECT_TRUE(c(3)->isEnabled());

    // Crazy colours latch on release.
    QTest::mouseClick(c(3), Qt::LeftButton);
    EXPECT_TRUE(c(3)->Pressed());
    EXPECT_EQ(window->canvasState().Color_jitter(), 120);
    QTest::mouseClick(c(3), Qt::LeftButton);
    EXPECT_FALSE(c(3)->Pressed());
    EXPECT_EQ(window->canvasState().Color_jitter(), 10);
}

TEST_F(MainWindowTest, BubblesRiseAndAClickPicksTheirColour)
{
    ASSERT_TRUE(window->startUp());
    const float startY = window->paletteState().bubble(1).y;
    for (int i = 0; i < 40; ++i)
        window->Timer1_Timer();
    EXPECT_LT(window->paletteState().bubble(1).y, startY);

    // Click the centre of the first bubble that no higher bubble covers.
    int picked = -1;
    for (int i = 0; i < 22 && picked < 0; ++i) {
        const auto& bubble = window->paletteState().bubble(i);
        if (window->paletteState().hitTest(int(bubble.x), int(bubble.y)) == i)
            picked = i;
    }
    ASSERT_GE(picked, 0);
    const auto& bubble = window->paletteState().bubble(picked);
    const quint32 colour = quint32(bubble.colour);
    window->Pc_MouseDown(int(bubble.x), int(bubble.y));
    EXPECT_EQ(window->canvasState().currentColor(), colour);
    // The clicked bubble starts again below the palette.
    EXPECT_GT(window->paletteState().bubble(picked).y, view("Pc")->height());
    // The backdrop follows the colour (far from the halo and the shadow).
    const QImage& backdrop = window->backdropSurface().image();
    const QRgb expected = qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
    EXPECT_EQ(backdrop.pixel(5, backdrop.height() - 5), expected);
}

TEST_F(MainWindowTest, ThePickerBubbleOpensThePickerAndThePickedColourIsTakenEverywhere)
{
    ASSERT_TRUE(window->startUp());
    window->setColor(0x0000FF); // red
    bool timerStood = false;
    qint32 picked = -1;
    ModalDriver::answerNext([&](QWidget* modal) {
        auto* picker = qobject_cast<frmColorPicker*>(modal);
        ASSERT_NE(picker, nullptr);
        timerStood = !window->paletteRunning();
        // Opened over the current colour: its bubbles are reds.
        EXPECT_EQ(picker->bubbles().chosen().H, 0);
        for (int k = PickerBubbles::Count - 1; k >= 0; --k) {
            const Bubble& b = picker->bubbles().bubble(k);
            const QPoint at(int(b.x), int(b.y));
            if (ModalDriver::child<SurfaceView>(picker, "Pc")->rect().contains(at) && picker->bubbles().hitTest(at.x(), at.y()) == k) {
                picked = picker->bubbles().centreColour(k);
                ModalDriver::click(ModalDriver::child<SurfaceView>(picker, "Pc"), at);
                return;
            }
        }
        FAIL() << "no bubble to pick";
    });
    const Bubble& bubble = window->paletteState().bubble(Palette::PickerBubble);
    window->Pc_MouseDown(int(bubble.x), int(bubble.y));
    ASSERT_TRUE(ModalDriver::allAnswered());
    EXPECT_TRUE(timerStood);
    EXPECT_TRUE(window->paletteRunning());

    ASSERT_NE(picked, -1);
    EXPECT_EQ(window->canvasState().currentColor(), quint32(picked));
    // The backdrop and the halo around the picture take the new colour.
    const QRgb rgb = qRgb(modHSL::red(picked), modHSL::green(picked), modHSL::blue(picked));
    QImage expected(window->backdropSurface().size(), QImage::Format_RGB32);
    Backdrop::paint(expected, rgb, QRect(view("P")->pos(), window->canvasState().P.size()));
    EXPECT_TRUE(window->backdropSurface().image() == expected);
}

TEST_F(MainWindowTest, ADamagedPictureKeepsTheCurrentOne)
{
    ASSERT_TRUE(window->startUp());
    data.writeFile(QStringLiteral("/books/Animals/broken.bmp"), QByteArray("BM not really"));
    QString told;
    ModalDriver::answerNext([&told](QWidget* modal) {
        told = ModalDriver::visibleText(modal);
        ModalDriver::clickChild(modal, "cOut1");
    });
    window->openChosenPicture(data.path(QStringLiteral("/books/Animals/broken.bmp")));
    EXPECT_TRUE(told.contains(QStringLiteral("Oops, the picture you choose appears to be have something wrong")));
    EXPECT_TRUE(window->canvasState().CurrentPicture().endsWith(QStringLiteral("cat.bmp")));
    EXPECT_EQ(window->canvasState().tP.size(), QSize(200, 120));
}

TEST_F(MainWindowTest, RefusesATooSmallScreen)
{
    window->setScreenOverride(QSize(799, 600), 32);
    QString told;
    ModalDriver::answerNext([&told](QWidget* modal) {
        told = ModalDriver::visibleText(modal);
        modal->close();
    });
    EXPECT_FALSE(window->startUp());
    EXPECT_TRUE(told.contains(QStringLiteral("You must change the resolution")));
    EXPECT_FALSE(window->isLoaded());
}

TEST_F(MainWindowTest, EndsWhenTheWarningIsCancelled)
{
    window->setScreenOverride(QSize(800, 600), 16);
    ModalDriver::answerNext([](QWidget* modal) {
        auto* notice = qobject_cast<frmParentMessage*>(modal);
        ASSERT_NE(notice, nullptr);
        ModalDriver::clickChild(modal, "lCancel");
    });
    EXPECT_FALSE(window->startUp());
}

TEST_F(MainWindowTest, TheHotCornerRevealsHiddenParentalButtons)
{
    data.writeFile(QStringLiteral("/Settings.ini"), SettingsBuilder().autoHide());
    ASSERT_TRUE(window->startUp());
    ASSERT_TRUE(window->settingsInUse().Auto_hide);
    EXPECT_FALSE(pFunc(0)->isVisible());

    // The pointer is learnt from the mouse events the window receives.
    QCursor::setPos(window->mapToGlobal(QPoint(3, 3)));
    QCoreApplication::processEvents();
    if (QCursor::pos() != window->mapToGlobal(QPoint(3, 3)))
        GTEST_SKIP() << "this platform cannot place the pointer";
    // 1500 corner steps, one per bubble per tick: 66 ticks of 23 bubbles.
    for (int tick = 0; tick < 65; ++tick)
        window->Timer1_Timer();
    EXPECT_FALSE(pFunc(0)->isVisible());
    window->Timer1_Timer();
    EXPECT_TRUE(pFunc(0)->isVisible());

    QCursor::setPos(window->mapToGlobal(QPoint(600, 400)));
    QCoreApplication::processEvents();
    window->Timer1_Timer();
    EXPECT_FALSE(pFunc(0)->isVisible());
}

TEST_F(MainWindowTest, ClicksPlayTheirSoundsOnlyWhenSoundIsOn)
{
    ASSERT_TRUE(window->startUp());
    QTest::mouseClick(pTool(1), Qt::LeftButton);
    EXPECT_TRUE(sounds.lastPlayed().isEmpty());

    data.writeFile(QStringLiteral("/Settings.ini"), SettingsBuilder().sound());
    ASSERT_TRUE(window->reload()); // applies the new settings
    QTest::mouseClick(c(0), Qt::LeftButton); // a click, then the picture arrives
    EXPECT_TRUE(sounds.lastPlayed().startsWith(QLatin1String("NEW"))) << sounds.lastPlayed().toStdString();
    EXPECT_EQ(sounds.playCount(), 2);
}

TEST_F(MainWindowTest, ConfirmedSettingsAreAppliedAtOnce)
{
    ASSERT_TRUE(window->startUp());
    ASSERT_TRUE(pFunc(0)->isVisible());
    QTest::mouseClick(pTool(3), Qt::LeftButton); // the marker, to see the reload pick the crayon

    // Each window stands over the one that opened it: a Wayland desktop
    // places a dialog only by the parent it names.
    const auto expectOver = [](QWidget* dialog, QWidget* owner) {
        ASSERT_NE(dialog->windowHandle(), nullptr);
        EXPECT_EQ(dialog->windowHandle()->transientParent(), owner->windowHandle()) << dialog->metaObject()->className();
    };
    ModalDriver::answerNext([this, expectOver](QWidget* prompt) {
        EXPECT_FALSE(window->paletteRunning()); // the bubbles stand still from the prompt on
        expectOver(prompt, window.get());
        ModalDriver::answerNext([this, expectOver](QWidget* options) {
            EXPECT_FALSE(window->paletteRunning());
            expectOver(options, window.get());
            auto* autoHide = options->findChild<QCheckBox*>(QStringLiteral("Check2"));
            ASSERT_NE(autoHide, nullptr);
            autoHide->setChecked(true);
            // Saving with auto-hide newly ticked explains the hot corner once.
            ModalDriver::answerNext([options, expectOver](QWidget* notice) {
                expectOver(notice, options);
                auto* parent = qobject_cast<frmParentMessage*>(notice);
                ASSERT_NE(parent, nullptr);
                EXPECT_TRUE(ModalDriver::childText(parent, "lMessage").contains(QStringLiteral("for one second")));
                ModalDriver::clickChild(parent, "lContinue");
            });
            ModalDriver::click(options->findChild<QWidget*>(QStringLiteral("cFunc1")));
        });
        ModalDriver::clickChild(prompt, "cOut1");
    });
    QTest::mouseClick(pFunc(4), Qt::LeftButton);

    EXPECT_TRUE(ModalDriver::allAnswered());
    EXPECT_TRUE(window->settingsInUse().Auto_hide);
    EXPECT_FALSE(pFunc(0)->isVisible());
    EXPECT_EQ(window->canvasState().Tool(), 0);
    EXPECT_TRUE(pTool(0)->Pressed());
    EXPECT_TRUE(window->paletteRunning());
}

TEST_F(MainWindowTest, QuittingSavesThePictureAndEndsTheProgram)
{
    ASSERT_TRUE(window->startUp());
    window->setColor(0x00FF00);
    stroke(view("P"), QPoint(30, 60), QPoint(60, 60));
    ModalDriver::answerNext([](QWidget* prompt) {
        EXPECT_TRUE(ModalDriver::visibleText(prompt).contains(QStringLiteral("Call someone who can help you!")));
        ModalDriver::clickChild(prompt, "cOut1");
    });
    QTest::mouseClick(pFunc(0), Qt::LeftButton);
    EXPECT_TRUE(window->hasEnded());
    const QImage saved(data.path(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg")));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(200, 120));
    EXPECT_GT(qGreen(saved.pixel(40, 60)), 150);
    EXPECT_LT(qRed(saved.pixel(40, 60)), 100);
}

// A parent deletes a picture in the picture manager opened from the options
// window; the next time the child opens the browser it is built again and
// the picture is gone from it.
TEST_F(MainWindowTest, TheBrowserIsBuiltAgainAfterTheLibraryWindows)
{
    data.writePicture(QStringLiteral("/books/Zoo/lion.bmp"), 200, 120);
    data.writePicture(QStringLiteral("/books/Zoo/zebra.bmp"), 200, 120);
    ASSERT_TRUE(window->startUp());
    window->setPictureChooser(nullptr); // the real browser from here on

    const auto openBrowserExpecting = [this](qsizetype pictures) {
        ModalDriver::answerNext([pictures](QWidget* modal) {
            auto* browser = qobject_cast<frmOpen*>(modal);
            ASSERT_NE(browser, nullptr);
            EXPECT_EQ(browser->pictureTable().size(), pictures);
            ModalDriver::click(browser->findChild<QWidget*>(QStringLiteral("cClose")));
        });
        QTest::mouseClick(c(0), Qt::LeftButton);
        EXPECT_TRUE(ModalDriver::allAnswered());
    };
    openBrowserExpecting(3);

    WindowWatch::Notices notices; // "Are you sure ...?": Continue
    ModalDriver::answerNext([](QWidget* prompt) {
        ModalDriver::answerNext([](QWidget* options) {
            ModalDriver::answerNext([options](QWidget* modal) {
                auto* manager = qobject_cast<frmManagePictures*>(modal);
                ASSERT_NE(manager, nullptr);
                QTest::keyClick(WindowWatch::cBooks(manager), Qt::Key_Down);
                ASSERT_EQ(WindowWatch::cBooks(manager)->currentText(), QStringLiteral("Zoo"));
                const auto zebra = WindowWatch::LV(manager)->findItems(QStringLiteral("zebra.bmp"), Qt::MatchExactly);
                ASSERT_EQ(zebra.size(), 1);
                QTest::mouseClick(WindowWatch::LV(manager)->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  WindowWatch::LV(manager)->visualItemRect(zebra.first()).center());
                ModalDriver::click(manager->cFunc(1));
                ModalDriver::click(manager->cFunc(4));
                ModalDriver::click(options->findChild<QWidget*>(QStringLiteral("cFunc0")));
            });
            ModalDriver::click(options->findChild<QWidget*>(QStringLiteral("cFunc3")));
        });
        ModalDriver::clickChild(prompt, "cOut1");
    });
    QTest::mouseClick(pFunc(4), Qt::LeftButton);
    EXPECT_TRUE(ModalDriver::allAnswered());
    EXPECT_FALSE(QFileInfo::exists(data.path(QStringLiteral("/books/Zoo/zebra.bmp"))));

    openBrowserExpecting(2);
}

TEST_F(MainWindowTest, AFailedSaveIsToldToTheParentWhileThePaintingIsStillThere)
{
    ASSERT_TRUE(window->startUp());
    int chooserCalls = 0;
    window->setPictureChooser([&] {
        ++chooserCalls;
        return chosen;
    });
    window->setColor(0x0000FF);
    stroke(view("P"), QPoint(30, 60), QPoint(60, 60));
    const QRgb painted = canvasPixel(40, 60);
    ASSERT_NE(painted, 0xFFFFFFu);

    FullDisk full;
    QString told;
    bool stillPainted = false;
    ModalDriver::answerNext([&](QWidget* modal) {
        auto* notice = qobject_cast<frmParentMessage*>(modal);
        ASSERT_NE(notice, nullptr);
        told = ModalDriver::childText(notice, "lMessage");
        stillPainted = canvasPixel(40, 60) == painted;
        ModalDriver::clickChild(notice, "lCancel");
    });
    QTest::mouseClick(c(0), Qt::LeftButton); // another picture, please
    EXPECT_TRUE(told.startsWith(QStringLiteral("The picture could not be saved because the disk is full.")))
        << told.toStdString();
    EXPECT_TRUE(stillPainted);
    EXPECT_EQ(chooserCalls, 0) << "Cancel stays with the painting";
    EXPECT_EQ(canvasPixel(40, 60), painted);

    // Quitting tries again and tells again; Continue goes on without it.
    QString toldAtQuit;
    ModalDriver::answerNext([&](QWidget* prompt) {
        ModalDriver::answerNext([&](QWidget* modal) {
            auto* notice = qobject_cast<frmParentMessage*>(modal);
            ASSERT_NE(notice, nullptr);
            toldAtQuit = ModalDriver::childText(notice, "lMessage");
            ModalDriver::clickChild(notice, "lContinue");
        });
        ModalDriver::clickChild(prompt, "cOut1");
    });
    QTest::mouseClick(pFunc(0), Qt::LeftButton);
    EXPECT_TRUE(ModalDriver::allAnswered());
    EXPECT_EQ(toldAtQuit, told);
    EXPECT_TRUE(window->hasEnded());
}

TEST_F(MainWindowTest, AFailedSaveBeforeTheOptionsWindowIsToldFirst)
{
    ASSERT_TRUE(window->startUp());
    window->setColor(0x0000FF);
    stroke(view("P"), QPoint(30, 60), QPoint(60, 60));
    FullDisk full;
    QString told;
    ModalDriver::answerNext([&](QWidget* prompt) {
        ModalDriver::answerNext([&](QWidget* modal) {
            auto* notice = qobject_cast<frmParentMessage*>(modal);
            ASSERT_NE(notice, nullptr);
            told = ModalDriver::childText(notice, "lMessage");
            ModalDriver::clickChild(notice, "lCancel");
        });
        ModalDriver::clickChild(prompt, "cOut1");
    });
    QTest::mouseClick(pFunc(4), Qt::LeftButton);
    EXPECT_TRUE(ModalDriver::allAnswered());
    EXPECT_TRUE(told.contains(QStringLiteral("the disk is full")));
    // Cancel stayed with the painting: no options window, the palette runs.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window->paletteRunning());
    EXPECT_NE(canvasPixel(40, 60), 0xFFFFFFu);
}
