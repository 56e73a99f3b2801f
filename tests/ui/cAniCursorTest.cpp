// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cAniCursor.h"
#include "platform/ResourceIds.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(ToolCursor, SwitchingToolsKeepsOnlyTheOriginalCursor)
{
    QWidget canvas;
    canvas.setCursor(Qt::CrossCursor);
    cAniCursor cursor;

    ASSERT_TRUE(cursor.LoadFromResource(CursorId::Crayon));
    cursor.SetAsDefaultCursor(&canvas, true);
    EXPECT_EQ(canvas.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(canvas.cursor().hotSpot(), QPoint(3, 52));

    ASSERT_TRUE(cursor.LoadFromResource(CursorId::Paintbrush));
    cursor.SetAsDefaultCursor(&canvas, true);
    EXPECT_EQ(canvas.cursor().hotSpot(), QPoint(1, 69));
    EXPECT_EQ(cursor.savedCount(), 1);

    cursor.Destroy();
    EXPECT_EQ(canvas.cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(cursor.tableSize(), 0);
    EXPECT_FALSE(cursor.hasCursor());
}

TEST(ToolCursor, SettingTheSameWindowTwiceKeepsTheFirstSavedCursor)
{
    QWidget canvas;
    canvas.setCursor(Qt::IBeamCursor);
    cAniCursor cursor;
    ASSERT_TRUE(cursor.LoadFromResource(CursorId::Pencil));
    cursor.SetAsDefaultCursor(&canvas, true);
    cursor.SetAsDefaultCursor(&canvas, true);
    EXPECT_EQ(cursor.savedCount(), 1);
    EXPECT_EQ(cursor.tableSize(), 1);

    cursor.SetAsDefaultCursor(&canvas, false);
    EXPECT_EQ(canvas.cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(cursor.savedCount(), 0);
}

TEST(ToolCursor, AWindowWithoutItsOwnCursorGetsItsParentsBack)
{
    QWidget parent;
    parent.setCursor(Qt::WaitCursor);
    auto* canvas = new QWidget(&parent);
    cAniCursor cursor;
    ASSERT_TRUE(cursor.LoadFromResource(CursorId::Marker));
    cursor.SetAsDefaultCursor(canvas, true);
    EXPECT_TRUE(canvas->testAttribute(Qt::WA_SetCursor));
    cursor.Destroy();
    EXPECT_FALSE(canvas->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(canvas->cursor().shape(), Qt::WaitCursor);
}

TEST(ToolCursor, FreeEntriesAreReused)
{
    QWidget a, b, c;
    cAniCursor cursor;
    ASSERT_TRUE(cursor.LoadFromResource(CursorId::Crayon));
    cursor.SetAsDefaultCursor(&a, true);
    cursor.SetAsDefaultCursor(&b, true);
    cursor.SetAsDefaultCursor(&a, false);
    EXPECT_EQ(cursor.tableSize(), 2);
    cursor.SetAsDefaultCursor(&c, true);
    EXPECT_EQ(cursor.tableSize(), 2);
    EXPECT_EQ(cursor.savedCount(), 2);
}

TEST(ToolCursor, AWindowThatWentAwayFreesItsEntry)
{
    QWidget window;
    auto* kept = new QWidget(&window);
    cAniCursor cursor;
    ASSERT_TRUE(cursor.LoadFromResource(CursorId::Crayon));
    {
        QWidget gone;
        cursor.SetAsDefaultCursor(&gone, true);
    }
    cursor.SetAsDefaultCursor(kept, true);
    EXPECT_EQ(cursor.tableSize(), 1);
    EXPECT_EQ(cursor.savedCount(), 1);
    cursor.Destroy(); // must not touch the widget that went away
    EXPECT_FALSE(kept->testAttribute(Qt::WA_SetCursor));
}

TEST(ToolCursor, DestroyWithNothingLoadedDoesNothing)
{
    QWidget canvas;
    canvas.setCursor(Qt::CrossCursor);
    cAniCursor cursor;
    cursor.Destroy();
    EXPECT_FALSE(cursor.hasCursor());
    EXPECT_EQ(canvas.cursor().shape(), Qt::CrossCursor);
}

TEST(ToolCursor, AMissingResourceLoadsNothingAndChangesNoWindow)
{
    QWidget canvas;
    canvas.setCursor(Qt::CrossCursor);
    cAniCursor cursor;
    EXPECT_FALSE(cursor.LoadFromResource(999));
    EXPECT_FALSE(cursor.hasCursor());
    cursor.SetAsDefaultCursor(&canvas, true);
    EXPECT_EQ(canvas.cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(cursor.tableSize(), 0);
}

TEST(ToolCursor, DestroyingTheObjectPutsTheCursorsBack)
{
    QWidget canvas;
    canvas.setCursor(Qt::CrossCursor);
    {
        cAniCursor cursor;
        ASSERT_TRUE(cursor.LoadFromResource(CursorId::Pencil));
        cursor.SetAsDefaultCursor(&canvas, true);
    }
    EXPECT_EQ(canvas.cursor().shape(), Qt::CrossCursor);
}

} // namespace
