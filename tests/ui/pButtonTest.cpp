// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage solid(QRgb colour, QSize size = QSize(40, 24))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class PictureButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        button = new pButton(&window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    pButton* button = nullptr;
    const QImage up = solid(qRgb(200, 100, 50));
    const QImage down = solid(qRgb(10, 10, 200));
    const QImage pressed = solid(qRgb(0, 160, 0));
};

TEST_F(PictureButton, SizesItselfToTheUpImage)
{
    EXPECT_EQ(button->SetPicture(up, down), 0);
    EXPECT_EQ(button->size(), QSize(40, 24));
    EXPECT_EQ(button->shownImage(), up);
}

TEST_F(PictureButton, WithOnlyAnUpImageMouseDownChangesNothing)
{
    button->SetPicture(up);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->shownImage(), up);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->shownImage(), up);
}

TEST_F(PictureButton, DisabledWithoutItsOwnImageTurnsGrey)
{
    QImage source(3, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 255, 255));
    source.setPixel(1, 0, qRgb(0, 0, 0));
    source.setPixel(2, 0, qRgb(200, 100, 50));
    button->SetPicture(source);
    button->setEnabled(false);

    const QImage grey = button->shownImage();
    EXPECT_EQ(grey.pixel(0, 0), qRgb(255, 255, 255)); // white stays white
    EXPECT_EQ(grey.pixel(1, 0), qRgb(0, 0, 0));
    // 0.255 * 200 + 0.587 * 100 + 0.114 * 50 = 115.4
    EXPECT_EQ(grey.pixel(2, 0), qRgb(115, 115, 115));
    EXPECT_EQ(button->disabledImage().toImage(), grey);
}

TEST_F(PictureButton, GreyUsesTheRedWeightOfTheButtonArt)
{
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(10, 20, 30));   // 2.55 + 11.74 + 3.42 = 17.71
    source.setPixel(1, 0, qRgb(255, 255, 254)); // almost white: 243.666
    button->SetPicture(source);
    const QImage grey = button->disabledImage().toImage();
    EXPECT_EQ(qRed(grey.pixel(0, 0)), 18);
    EXPECT_EQ(qRed(grey.pixel(1, 0)), 244);
}

TEST_F(PictureButton, AGivenDisabledImageIsUsed)
{
    const QImage disabled = solid(qRgb(90, 90, 90));
    button->SetPicture(up, down, {}, disabled);
    button->setEnabled(false);
    EXPECT_EQ(button->shownImage(), disabled);
    button->setEnabled(true);
    EXPECT_EQ(button->shownImage(), up);
}

TEST_F(PictureButton, LatchedButtonShowsItsPressedImageAgainAfterEachClick)
{
    button->SetPicture(up, down, pressed);
    button->setPressed(true);
    EXPECT_EQ(button->shownImage(), pressed);
    for (int i = 0; i < 2; ++i) {
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(button->shownImage(), down);
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(button->shownImage(), pressed);
    }
    button->setPressed(false);
    EXPECT_EQ(button->shownImage(), up);
}

TEST_F(PictureButton, LatchedButtonWithoutPressedImageShowsUp)
{
    button->SetPicture(up, down);
    button->setPressed(true);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->shownImage(), up);
    EXPECT_TRUE(button->Pressed());
}

TEST_F(PictureButton, EnablingShowsTheUpImageNotThePressedOne)
{
    button->SetPicture(up, down, pressed);
    button->setPressed(true);
    button->setEnabled(false);
    button->setEnabled(true);
    EXPECT_EQ(button->shownImage(), up);
    EXPECT_TRUE(button->Pressed());
}

TEST_F(PictureButton, EnablingAnEnabledLatchedButtonDrawsItUp)
{
    button->SetPicture(up, down, pressed);
    button->setPressed(true);
    ASSERT_EQ(button->shownImage(), pressed);
    button->setEnabled(true); // no change of state, still a redraw
    EXPECT_EQ(button->shownImage(), up);
    EXPECT_TRUE(button->Pressed());
}

TEST_F(PictureButton, LockRefreshHoldsChangesUntilReleased)
{
    button->SetPicture(up, down, pressed);
    QCoreApplication::processEvents();
    PaintCounter paints;
    button->installEventFilter(&paints);

    button->setLockRefresh(true);
    button->setPressed(true);
    button->setPressed(false);
    button->setPressed(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 0);

    button->setLockRefresh(false);
    EXPECT_GE(paints.count, 1);
    EXPECT_EQ(button->shownImage(), pressed);
    EXPECT_EQ(button->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(3, 3),
              qRgb(0, 160, 0));
}

TEST_F(PictureButton, ClickRaisesDownUpAndClickInThatOrder)
{
    button->SetPicture(up, down);
    QStringList order;
    QObject::connect(button, &pButton::MouseDown,
                     [&](Qt::MouseButton b, Qt::KeyboardModifiers, float x, float y) {
                         EXPECT_EQ(b, Qt::LeftButton);
                         EXPECT_FLOAT_EQ(x, 7);
                         EXPECT_FLOAT_EQ(y, 4);
                         EXPECT_EQ(button->shownImage(), down); // drawn before the event
                         order << "down";
                     });
    QObject::connect(button, &pButton::MouseUp, [&]() { order << "up"; });
    QObject::connect(button, &pButton::click, [&]() { order << "click"; });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, 4));
    EXPECT_EQ(order, QStringList({"down", "up", "click"}));
}

TEST_F(PictureButton, ReleasedOutsideIsNoClick)
{
    button->SetPicture(up, down);
    QSignalSpy ups(button, &pButton::MouseUp);
    QSignalSpy clicks(button, &pButton::click);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(ups.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button->shownImage(), up);
}

TEST_F(PictureButton, DisabledButtonIgnoresTheMouse)
{
    button->SetPicture(up, down);
    button->setEnabled(false);
    QSignalSpy downs(button, &pButton::MouseDown);
    QSignalSpy clicks(button, &pButton::click);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(PictureButton, MovesAreReportedWithoutAButtonHeld)
{
    button->SetPicture(up);
    QSignalSpy moves(button, &pButton::MouseMove);
    QTest::mouseMove(button, QPoint(10, 10));
    QTest::mouseMove(button, QPoint(12, 11));
    EXPECT_GE(moves.count(), 1);
}

TEST_F(PictureButton, MissingImagesKeepWhatIsShown)
{
    EXPECT_EQ(button->SetPicture({}), 0);
    EXPECT_TRUE(button->shownImage().isNull());
    button->SetPicture(up);
    button->setEnabled(false);
    button->SetPicture({}, down); // no new up image: the grey one stays
    EXPECT_EQ(button->shownImage(), button->disabledImage().toImage());
}

} // namespace
