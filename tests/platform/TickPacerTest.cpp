// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TickPacer.h"

#include <gtest/gtest.h>

namespace {
constexpr qint64 Ms = 1000000;
}

TEST(TickPacer, CountsSixtyFourStepsASecondWhateverTheWakes)
{
    TickPacer pacer;
    qint64 now = 0;
    int steps = pacer.stepsDueAt(now); // the first wake steps at once
    EXPECT_EQ(steps, 1);
    for (int wake = 0; wake < 200; ++wake) {
        now += TickPacer::WakeMilliseconds * Ms;
        const int due = pacer.stepsDueAt(now);
        EXPECT_GE(due, 2);
        EXPECT_LE(due, TickPacer::MaxStepsAtOnce);
        steps += due;
    }
    const double seconds = double(now) / 1e9;
    EXPECT_NEAR(steps / seconds, 64.0, 1.0);
}

TEST(TickPacer, AfterAPauseGoesOnWithoutCatchingUp)
{
    TickPacer pacer;
    pacer.stepsDueAt(0);
    EXPECT_EQ(pacer.stepsDueAt(2000 * Ms), 1); // two seconds under a modal window
    EXPECT_EQ(pacer.stepsDueAt(2000 * Ms + 47 * Ms), 3);
    pacer.restart();
    EXPECT_EQ(pacer.stepsDueAt(2100 * Ms), 1);
}
