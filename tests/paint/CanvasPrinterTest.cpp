// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/CanvasPrinter.h"

#include "support/TestTools.h"

#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using PictureSaver::PrintPlacement;
using PictureSaver::printCanvas;
using PictureSaver::printPlacement;

TEST(PrintPlacement, FitsThePictureCentredAndRoundsHalvesToEven)
{
    struct Case
    {
        int pageWidth, pageHeight, pictureWidth, pictureHeight;
        PrintPlacement expected; // left, top, width, height
    };
    const Case cases[] = {
        {1000, 1400, 200, 100, {0, 450, 1000, 500}}, // landscape: the width, centred vertically
        {1000, 1400, 100, 100, {0, 200, 1000, 1000}}, // square: the height first, shrunk to the width
        {1000, 1400, 100, 200, {150, 0, 700, 1400}}, // tall: the height, centred horizontally
        {201, 1000, 100, 50, {0, 450, 200, 100}},     // left = 100.5 - 100 = 0.5 -> 0
    };
    for (const Case& c : cases) {
        const PrintPlacement p = printPlacement(c.pageWidth, c.pageHeight, c.pictureWidth, c.pictureHeight);
        EXPECT_EQ(p.left, c.expected.left) << c.pictureWidth << "x" << c.pictureHeight;
        EXPECT_EQ(p.top, c.expected.top) << c.pictureWidth << "x" << c.pictureHeight;
        EXPECT_EQ(p.width, c.expected.width) << c.pictureWidth << "x" << c.pictureHeight;
        EXPECT_EQ(p.height, c.expected.height) << c.pictureWidth << "x" << c.pictureHeight;
    }
}

TEST(PrintCanvas, ThreeCopiesMakeAThreePageDocument)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QPdfWriter printer(pdf);
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(qRgb(200, 50, 50));

    ASSERT_TRUE(printCanvas(printer, picture, 3));
    EXPECT_EQ(pagesIn(pdf), 3);
}

TEST(PrintCanvas, NothingToPrintIsAFailure)
{
    QTemporaryDir dir;
    QPdfWriter printer(dir.filePath(QStringLiteral("out.pdf")));
    EXPECT_FALSE(printCanvas(printer, QImage(), 1));
}
