#include "ui/AnimationPause.h"
#include "ui/AnimationTimer.h"

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
