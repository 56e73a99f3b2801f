// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenRule.h"

#include <gtest/gtest.h>

using ScreenRule::evaluate;
using ScreenRule::Verdict;

TEST(ScreenRule, RefusesBelowTheMinimumAtAnyDepth)
{
    EXPECT_EQ(evaluate(799, 600, 32), Verdict::Refuse);
    EXPECT_EQ(evaluate(800, 599, 32), Verdict::Refuse);
    EXPECT_EQ(evaluate(800, 600, 8), Verdict::Refuse);
    EXPECT_EQ(evaluate(1920, 1080, 15), Verdict::Refuse);
}

TEST(ScreenRule, WarnsBetweenMinimumAndRecommended)
{
    // Sixteen bits is accepted, although the message names 24.
    EXPECT_EQ(evaluate(800, 600, 16), Verdict::Warn);
    EXPECT_EQ(evaluate(1024, 700, 24), Verdict::Warn);
    EXPECT_EQ(evaluate(1000, 768, 32), Verdict::Warn);
}

TEST(ScreenRule, AcceptsTheRecommendedSizeSilently)
{
    EXPECT_EQ(evaluate(1024, 768, 16), Verdict::Accept);
    EXPECT_EQ(evaluate(2560, 1440, 32), Verdict::Accept);
}

TEST(ScreenRule, MessagesAreTheProgramsOwnWords)
{
    EXPECT_TRUE(ScreenRule::refusalMessage().endsWith(
        QStringLiteral("(true color).\r\nYou must change the resolution before the program can run.")));
    EXPECT_TRUE(ScreenRule::warningMessage().endsWith(QStringLiteral("\r\n\r\nWould you like to continue anyway?")));
}
