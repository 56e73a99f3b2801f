// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmColorPicker.h"
#include "platform/Random.h"
#include "ui/SurfaceView.h"
#include "support/ModalDriver.h"
#include "ui/SoundBoard.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class ColorPickerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        picker.setColorSelected(modHSL::rgb(0, 0, 255));
        picker.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
        ASSERT_FALSE(picker.isLocked());
    }

    SurfaceView* bubbleView() const { return ModalDriver::child<SurfaceView>(&picker, "Pc"); }

    // The centre of a bubble that no later bubble covers there.
    int topBubble(QPoint& at)
    {
        for (int k = PickerBubbles::Count - 1; k >= 0; --k) {
            const Bubble& b = picker.bubbles().bubble(k);
            at = QPoint(int(b.x), int(b.y));
            if (bubbleView()->rect().contains(at) && picker.bubbles().hitTest(at.x(), at.y()) == k)
                return k;
        }
        return -1;
    }

    QPoint emptySpot()
    {
        for (int y = 5; y < bubbleView()->height(); y += 7)
            for (int x = 5; x < bubbleView()->width(); x += 7)
                if (picker.bubbles().hitTest(x, y) < 0)
                    return {x, y};
        return {-1, -1};
    }

    Random random{11};
    SoundBoard sounds{random};
    frmColorPicker picker{random, sounds};
};

} // namespace

TEST_F(ColorPickerTest, OpensWithBubblesInShadesOfTheCurrentColour)
{
    EXPECT_EQ(picker.size(), QSize(459, 314));
    EXPECT_EQ(picker.bubbles().chosen(), (modHSL::HSL{170, 255, 128}));
    EXPECT_EQ(picker.bubbles().centreColour(0), modHSL::rgb(2, 2, 254));
    // The bubbles are drawn from the first frame: a bubble no other covers
    // shows its centre colour.
    const QImage& area = picker.area().image();
    QPoint at;
    const int k = topBubble(at);
    ASSERT_GE(k, 0);
    const qint32 c = picker.bubbles().centreColour(k);
    const Bubble& b = picker.bubbles().bubble(k);
    const QRect drawn = BubbleMotion::drawRect(b, picker.bubbles().image(k));
    const QPoint centre = drawn.topLeft() + QPoint(drawn.width() / 2, drawn.height() / 2);
    EXPECT_EQ(area.pixel(centre) & 0xFFFFFF, QRgb(qRgb(modHSL::red(c), modHSL::green(c), modHSL::blue(c)) & 0xFFFFFF));
    EXPECT_EQ(bubbleView()->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(ColorPickerTest, ClickingBetweenBubblesLeavesThePickerOpen)
{
    const QPoint empty = emptySpot();
    ASSERT_NE(empty, QPoint(-1, -1));
    QTest::mouseClick(bubbleView(), Qt::LeftButton, {}, empty);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(picker.ButtonPressed.isEmpty());
    QTest::keyClick(&picker, Qt::Key_Escape); // and there is no cancel
    EXPECT_TRUE(picker.isVisible());
}

TEST_F(ColorPickerTest, PickingABubbleGivesItsCentreColourAndCloses)
{
    sounds.setEnabled(true);
    QPoint at;
    const int k = topBubble(at);
    ASSERT_GE(k, 0);
    const qint32 expected = picker.bubbles().centreColour(k);
    QTest::mousePress(bubbleView(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(picker.isLocked());
    const QString sound = sounds.lastPlayed();
    EXPECT_TRUE(sound.startsWith(QLatin1String("PRESS")) || sound.startsWith(QLatin1String("B")))
        << sound.toStdString();
    QTest::mouseRelease(bubbleView(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.ButtonPressed, QStringLiteral("Ok"));
    EXPECT_EQ(picker.ColorSelected(), expected);
}

TEST(ColorPicker, RightAndMiddleButtonsPickToo)
{
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        Random random{11};
        SoundBoard sounds{random};
        frmColorPicker picker{random, sounds};
        picker.setColorSelected(modHSL::rgb(0, 0, 255));
        picker.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
        auto* view = ModalDriver::child<SurfaceView>(&picker, "Pc");
        QPoint at;
        int k = PickerBubbles::Count - 1;
        for (; k >= 0; --k) {
            at = QPoint(int(picker.bubbles().bubble(k).x), int(picker.bubbles().bubble(k).y));
            if (view->rect().contains(at) && picker.bubbles().hitTest(at.x(), at.y()) == k)
                break;
        }
        ASSERT_GE(k, 0);
        const qint32 expected = picker.bubbles().centreColour(k);
        QTest::mouseClick(view, button, {}, at);
        EXPECT_FALSE(picker.isVisible()) << int(button);
        EXPECT_EQ(picker.ButtonPressed, QStringLiteral("Ok"));
        EXPECT_EQ(picker.ColorSelected(), expected);
    }
}

TEST_F(ColorPickerTest, ABubblePoppingAtTheTopPlaysAPop)
{
    sounds.setEnabled(true);
    Bubble& b = picker.bubbles().bubble(4);
    b.y = -b.radius + 0.01f;
    b.vy = -0.5f;
    sounds.clearLastPlayed();
    picker.Timer1_Timer();
    EXPECT_TRUE(sounds.lastPlayed().startsWith(QLatin1String("POP"))) << sounds.lastPlayed().toStdString();
    EXPECT_GT(b.y, bubbleView()->height());
}
