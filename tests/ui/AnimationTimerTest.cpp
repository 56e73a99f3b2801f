// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AnimationPause.h"
#include "ui/AnimationTimer.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(AnimationPause, PausesNestAndNeverUndoAStop)
{
    QWidget window;
    AnimationTimer timer(&window);
    {
        const AnimationPause outer(timer);
        timer.start(); // switched on inside a pause: waits for it
        { const AnimationPause inner(timer); }
        EXPECT_FALSE(timer.isActive()) << "the outer pause still holds";
    }
    EXPECT_TRUE(timer.isActive());
    {
        const AnimationPause pause(timer);
        timer.stop(); // the program ends while a window is open
    }
    EXPECT_FALSE(timer.isActive()) << "off stays off";
}

namespace {

// Steps the timer takes while the event loop runs for a while.
int stepsWithin(AnimationTimer& timer, int milliseconds)
{
    int steps = 0;
    const auto counting = QObject::connect(&timer, &AnimationTimer::steps, [&](int count) { steps += count; });
    QTest::qWait(milliseconds);
    QObject::disconnect(counting);
    return steps;
}

} // namespace

// A window opened over the animation without a pause (a system dialog, say)
// still stops it; the animation's own window being modal (the colour
// picker) does not.
TEST(AnimationTimer, StandsStillUnderAnotherModalWindowOnly)
{
    QWidget window;
    window.show();
    AnimationTimer timer(&window);
    timer.start();
    EXPECT_GT(stepsWithin(timer, 300), 0) << "the animation did not step on its own";

    QWidget prompt;
    prompt.setWindowModality(Qt::ApplicationModal);
    prompt.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &prompt);
    EXPECT_EQ(stepsWithin(timer, 300), 0) << "the animation moved behind a modal window";
    EXPECT_TRUE(timer.isActive()) << "the timer is held, not switched off";
    prompt.hide();
    EXPECT_GT(stepsWithin(timer, 300), 0) << "the animation did not go on after the window closed";

    window.setWindowModality(Qt::ApplicationModal);
    window.hide();
    window.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &window);
    EXPECT_GT(stepsWithin(timer, 300), 0) << "its own modal window stopped the animation";
}
