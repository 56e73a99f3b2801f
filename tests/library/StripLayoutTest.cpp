// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/StripLayout.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

QList<QPoint> placeBook(StripLayout& layout, int pictures)
{
    QList<QPoint> cells;
    layout.beginBook();
    for (int i = 0; i < pictures; ++i)
        cells << layout.placeNext();
    layout.endBook();
    return cells;
}

TEST(StripLayout, AStrip500WideHoldsFourColumns)
{
    StripLayout layout(500, 400);
    const QList<QPoint> cells = placeBook(layout, 5);
    EXPECT_EQ(cells.mid(0, 4), (QList<QPoint>{{6, 1}, {111, 1}, {216, 1}, {321, 1}}));
    // The fifth would need 531 pixels: it opens a row 105 below.
    EXPECT_EQ(cells.at(4), QPoint(6, 106));
}

TEST(StripLayout, FiveColumnsNeed531Pixels)
{
    StripLayout narrow(530, 400);
    EXPECT_EQ(placeBook(narrow, 5).at(4), QPoint(6, 106));
    StripLayout wide(531, 400);
    EXPECT_EQ(placeBook(wide, 5).at(4), QPoint(426, 1));
}

TEST(StripLayout, TheNextBookStarts140BelowTheLastRow)
{
    StripLayout layout(500, 400);
    const QList<QPoint> first = placeBook(layout, 5);
    const QList<QPoint> second = placeBook(layout, 1);
    EXPECT_EQ(second.at(0), QPoint(6, first.last().y() + 140));
}

TEST(StripLayout, HeightGrowsToTheLastRowPlus105)
{
    StripLayout layout(500, 300);
    placeBook(layout, 4);
    EXPECT_EQ(layout.height(), 300); // one row fits the starting height
    const QList<QPoint> cells = placeBook(layout, 9); // rows at 141, 246, 351
    EXPECT_EQ(cells.last(), QPoint(6, 351));
    EXPECT_EQ(layout.height(), 351 + 105);
}

} // namespace
