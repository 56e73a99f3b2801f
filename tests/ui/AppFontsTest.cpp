// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AppFonts.h"

#include <QApplication>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

TEST(ProgramFonts, PlayfulAndClassicFacesAreFoundAtTheirSizes)
{
    const QFont playful = AppFonts::playful(14, true);
    EXPECT_EQ(QFontInfo(playful).family(), QString::fromLatin1(AppFonts::PlayfulFamily));
    EXPECT_EQ(playful.pointSize(), 14);
    EXPECT_TRUE(playful.bold());

    const QFont classic = AppFonts::classic(11);
    EXPECT_EQ(QFontInfo(classic).family(), QString::fromLatin1(AppFonts::ClassicFamily));
    EXPECT_EQ(classic.pointSize(), 11);
}

} // namespace
