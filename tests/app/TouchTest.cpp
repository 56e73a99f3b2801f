// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FrmMain.h"
#include "support/Fingers.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDriver.h"
#include "ui/SurfaceView.h"
#include "ui/pButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

constexpr quint32 Red = 0x0000FF;
constexpr QRgb White = 0xFFFFFF;

// A child's hands on a touch screen: the first finger paints, picks and
// presses; the other hand does nothing until that finger lifts.
class TouchTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        makeWindow();
        window->setPictureChooser([this] { return catPath(); });
        ASSERT_TRUE(window->startUp());
        window->setColor(Red);
        canvas = ModalDriver::child<SurfaceView>(window.get(), "P");
        palette = ModalDriver::child<SurfaceView>(window.get(), "Pc");
    }

    QRgb canvasPixel(int x, int y) const { return window->canvasState().P.image().pixel(x, y) & 0xFFFFFF; }

    // A finger drawn across the canvas from one point to another, in steps.
    static void drag(Fingers& fingers, int id, QPoint from, QPoint to)
    {
        fingers.press(id, from).commit();
        for (int step = 1; step <= 4; ++step)
            fingers.move(id, from + (to - from) * step / 4).commit();
    }

    // A bubble that no other covers and that holds a colour, not the
    // picker: the bubbles rise into the palette until one is there.
    int uncoveredColourBubble()
    {
        const Palette& bubbles = window->paletteState();
        for (int tick = 0; tick < 1000; ++tick) {
            for (int i = 0; i < Palette::BubbleCount; ++i) {
                const Bubble& b = bubbles.bubble(i);
                if (bubbles.colourOf(i) != -1 && bubbles.colourOf(i) != qint32(Red)
                    && palette->rect().contains(int(b.x), int(b.y)) && bubbles.hitTest(int(b.x), int(b.y)) == i)
                    return i;
            }
            window->Timer1_Timer();
        }
        return -1;
    }

    SurfaceView* canvas = nullptr;
    SurfaceView* palette = nullptr;
};

} // namespace

TEST_F(TouchTest, OneFingerPaintsAndTheOtherHandIsIgnoredUntilItLifts)
{
    Fingers fingers(canvas);
    drag(fingers, 0, QPoint(30, 40), QPoint(60, 40));
    EXPECT_NE(canvasPixel(45, 40), White) << "the first finger did not paint";

    // A second finger, and then a palm, while the first is still down.
    drag(fingers, 1, QPoint(30, 70), QPoint(60, 70));
    fingers.press(2, QPoint(120, 90), QSizeF(400, 400)).commit();
    fingers.move(2, QPoint(150, 90)).commit();
    EXPECT_EQ(canvasPixel(45, 70), White) << "a second finger painted";
    EXPECT_EQ(canvasPixel(135, 90), White) << "a palm painted";

    // The first lifts; the others stay down and still paint nothing.
    fingers.release(0, QPoint(60, 40)).commit();
    fingers.move(1, QPoint(60, 80)).move(2, QPoint(160, 90)).commit();
    fingers.release(1, QPoint(60, 80)).release(2, QPoint(160, 90)).commit();
    for (int x = 30; x <= 60; ++x)
        ASSERT_EQ(canvasPixel(x, 70), White) << "the second finger painted at " << x;

    // Once the hand is off the screen, the next finger paints again.
    drag(fingers, 3, QPoint(30, 70), QPoint(60, 70));
    fingers.release(3, QPoint(60, 70)).commit();
    EXPECT_NE(canvasPixel(45, 70), White) << "a new finger after the first lifted did not paint";
    EXPECT_TRUE(window->paletteRunning()) << "the bubbles did not start again after the stroke";
}

TEST_F(TouchTest, APalmAloneNeverPaints)
{
    Fingers fingers(canvas);
    fingers.press(0, QPoint(120, 60), QSizeF(300, 260)).commit();
    fingers.move(0, QPoint(150, 60)).commit();
    fingers.release(0, QPoint(150, 60)).commit();
    EXPECT_EQ(canvasPixel(135, 60), White);
}

TEST_F(TouchTest, ATapOnABubblePicksItsColour)
{
    const int picked = uncoveredColourBubble();
    ASSERT_GE(picked, 0);
    const Bubble& bubble = window->paletteState().bubble(picked);
    const auto colour = quint32(window->paletteState().colourOf(picked));
    ASSERT_NE(colour, Red);
    const QPoint at(int(bubble.x), int(bubble.y));
    Fingers fingers(palette);
    fingers.press(0, at).commit();
    fingers.release(0, at).commit();
    EXPECT_EQ(window->canvasState().currentColor(), colour);
}

TEST_F(TouchTest, AFingerOnTheBubblesWhilePaintingPicksNothing)
{
    Fingers onCanvas(canvas);
    drag(onCanvas, 0, QPoint(30, 40), QPoint(60, 40));
    const int picked = uncoveredColourBubble();
    ASSERT_GE(picked, 0);
    const QPoint at(int(window->paletteState().bubble(picked).x), int(window->paletteState().bubble(picked).y));
    Fingers onPalette(palette);
    onPalette.press(1, at).commit();
    onPalette.release(1, at).commit();
    EXPECT_EQ(window->canvasState().currentColor(), Red);
    onCanvas.release(0, QPoint(60, 40)).commit();
}

TEST_F(TouchTest, ATapPressesAButton)
{
    Fingers onCanvas(canvas);
    drag(onCanvas, 0, QPoint(30, 60), QPoint(60, 60));
    onCanvas.release(0, QPoint(60, 60)).commit();
    ASSERT_NE(canvasPixel(45, 60), White);
    auto* undo = window->findChild<pButton*>(QStringLiteral("c2"));
    ASSERT_NE(undo, nullptr);
    Fingers onButton(undo);
    onButton.press(0, undo->rect().center()).commit();
    onButton.release(0, undo->rect().center()).commit();
    EXPECT_EQ(canvasPixel(45, 60), White) << "a tap on the undo button did not undo";
}
