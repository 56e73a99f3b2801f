#include "ui/AnimationPause.h"
#include "ui/AnimationTimer.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

TEST(AnimationPause, NestedPausesHoldTheAnimationUntilTheLastOneEnds)
{
    QWidget window;
    AnimationTimer timer(&window);
    {
        const AnimationPause outer(timer);
        timer.start(); // switched on inside a pause: waits for it
        EXPECT_FALSE(timer.isActive());
        {
            const AnimationPause inner(timer);
        }
        EXPECT_FALSE(timer.isActive()) << "the outer pause still holds";
    }
    EXPECT_TRUE(timer.isActive());
    EXPECT_FALSE(timer.isPaused());
}

TEST(AnimationPause, AStopIsNotUndoneByAPauseThatEndsLater)
{
    QWidget window;
    AnimationTimer timer(&window);
    {
        const AnimationPause idle(timer);
    }
    EXPECT_FALSE(timer.isActive()) << "off stays off";

    timer.start();
    std::optional<AnimationPause> pause(std::in_place, timer);
    timer.stop(); // the program ends while a window is open
    pause.reset();
    EXPECT_FALSE(timer.isActive());
}
