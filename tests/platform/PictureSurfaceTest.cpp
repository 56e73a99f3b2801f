// SPDX-License-Identifier: GPL-3.0-or-later
// The persistent drawing surface: stored picture, drawable image, clear.
#include "platform/AppError.h"
#include "platform/PictureSurface.h"
#include "support/TempDataFolder.h"

#include "support/TestTools.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

TEST(PictureSurface, ClearRestoresTheStoredPicture)
{
    PictureSurface surface;
    QImage picture = filledImage(20, 10, qRgb(10, 20, 30));
    picture.setPixel(3, 4, qRgb(0, 0, 0));
    surface.setPicture(picture);
    EXPECT_EQ(surface.size(), QSize(20, 10));
    surface.image().fill(qRgb(255, 0, 0)); // draw over everything
    surface.clear();
    EXPECT_EQ(surface.image(), picture);
    EXPECT_EQ(surface.image().format(), QImage::Format_RGB32);
}

TEST(PictureSurface, ClearOfASmallerPictureShowsTheBackColourAround)
{
    PictureSurface surface(QSize(8, 8), qRgb(1, 2, 3));
    surface.setPicture(filledImage(4, 2, qRgb(200, 200, 200)), false);
    EXPECT_EQ(surface.size(), QSize(8, 8));
    EXPECT_EQ(surface.image().pixel(3, 1), qRgb(200, 200, 200));
    EXPECT_EQ(surface.image().pixel(4, 1), qRgb(1, 2, 3));
    EXPECT_EQ(surface.image().pixel(0, 2), qRgb(1, 2, 3));
}

TEST(PictureSurface, CommitMakesTheImageTheStoredPicture)
{
    PictureSurface surface(QSize(5, 5));
    surface.image().setPixel(2, 2, qRgb(0, 128, 0));
    surface.commit();
    surface.image().setPixel(2, 2, qRgb(255, 0, 0));
    surface.image().setPixel(0, 0, qRgb(255, 0, 0));
    surface.clear();
    EXPECT_EQ(surface.image().pixel(2, 2), qRgb(0, 128, 0));
    EXPECT_EQ(surface.image().pixel(0, 0), qRgb(255, 255, 255));
    // The stored picture is a copy, not shared with later drawing.
    surface.image().setPixel(1, 1, qRgb(9, 9, 9));
    EXPECT_EQ(surface.picture().pixel(1, 1), qRgb(255, 255, 255));
}

TEST(PictureSurface, EmptyPictureLeavesTheBackColour)
{
    PictureSurface surface(QSize(6, 3), qRgb(7, 8, 9));
    surface.setPicture(filledImage(6, 3, qRgb(100, 0, 0)));
    ASSERT_TRUE(surface.hasPicture());
    surface.emptyPicture();
    EXPECT_FALSE(surface.hasPicture());
    EXPECT_EQ(surface.image(), filledImage(6, 3, qRgb(7, 8, 9)));
    surface.image().fill(qRgb(0, 0, 0));
    surface.clear();
    EXPECT_EQ(surface.image(), filledImage(6, 3, qRgb(7, 8, 9)));
}

TEST(PictureSurface, LoadSizesTheSurfaceToThePicture)
{
    TempDataFolder data;
    data.writePicture(QStringLiteral("/books/Test/room.bmp"), 120, 80);
    data.writePicture(QStringLiteral("/books/Test/small.gif"), 30, 20);
    PictureSurface surface(QSize(10, 10));
    surface.loadFile(data.path(QStringLiteral("/books/Test/room.bmp")));
    EXPECT_EQ(surface.size(), QSize(120, 80));
    EXPECT_EQ(surface.image().pixel(0, 0), qRgb(0, 0, 0));       // frame
    EXPECT_EQ(surface.image().pixel(10, 10), qRgb(255, 255, 255)); // room
    EXPECT_EQ(surface.image().pixel(60, 40), qRgb(0, 0, 0));     // the bar
    EXPECT_EQ(surface.picture().size(), QSize(120, 80));
    surface.loadFile(data.path(QStringLiteral("/books/Test/small.gif")));
    EXPECT_EQ(surface.size(), QSize(30, 20));
    EXPECT_EQ(surface.image().pixel(5, 5), qRgb(255, 255, 255));
    // Without resizing, the surface keeps its size.
    surface.loadFile(data.path(QStringLiteral("/books/Test/room.bmp")), false);
    EXPECT_EQ(surface.size(), QSize(30, 20));
}

TEST(PictureSurface, LoadFailuresRaiseAndKeepTheSurface)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/books/Test/bad.bmp"), QByteArray("not a picture at all"));
    PictureSurface surface;
    surface.setPicture(filledImage(4, 4, qRgb(50, 50, 50)));
    EXPECT_EQ(errorNumber([&] { surface.loadFile(data.path(QStringLiteral("/books/Test/bad.bmp"))); }),
              ErrorNumber::InvalidPicture);
    EXPECT_EQ(errorNumber([&] { surface.loadFile(data.path(QStringLiteral("/books/Test/none.bmp"))); }),
              ErrorNumber::FileNotFound);
    EXPECT_EQ(surface.image(), filledImage(4, 4, qRgb(50, 50, 50)));
}

TEST(PictureSurface, SaveBmpWritesTheImage)
{
    TempDataFolder data;
    PictureSurface surface(QSize(9, 7));
    surface.image().setPixel(8, 6, qRgb(1, 2, 3));
    surface.saveBmp(data.root() + QStringLiteral("/temp.bmp"));
    PictureSurface other;
    other.loadFile(data.root() + QStringLiteral("/temp.bmp"));
    EXPECT_EQ(other.image(), surface.image());
    EXPECT_EQ(errorNumber([&] { surface.saveBmp(data.root() + QStringLiteral("/no/such/folder/temp.bmp")); }),
              ErrorNumber::PathNotFound);
}

TEST(PictureSurface, RefreshCallsTheHandler)
{
    PictureSurface surface(QSize(4, 4));
    QRect seen(-1, -1, -1, -1);
    int calls = 0;
    surface.refresh(); // no handler: nothing happens
    surface.setRefreshHandler([&](const QRect& r) {
        seen = r;
        ++calls;
    });
    surface.refresh(QRect(1, 1, 2, 2));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen, QRect(1, 1, 2, 2));
}
