// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Resources.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TEST(ProgramResources, MissingResourcesGiveNullImagesAndTheArrow)
{
    EXPECT_TRUE(Resources::bitmap(-1).isNull());
    EXPECT_TRUE(Resources::bubble(999).isNull());
    EXPECT_TRUE(Resources::brush(99).isNull());
    EXPECT_TRUE(Resources::picture(QStringLiteral("nothing")).isNull());
    EXPECT_FALSE(Resources::hasCursor(100));
    EXPECT_EQ(Resources::cursor(100).shape(), Qt::ArrowCursor);
}

TEST(ProgramResources, CursorsPointWithTheirTips)
{
    const QPoint expected[] = {{8, 1}, {0, 51}, {3, 52}, {1, 69}, {2, 82}};
    for (int number = CursorId::First; number <= CursorId::Last; ++number) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(Resources::hasCursor(number));
        const QCursor cursor = Resources::cursor(number);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), expected[number - CursorId::First]);
        EXPECT_TRUE(cursor.pixmap().hasAlphaChannel());
    }
}

} // namespace
