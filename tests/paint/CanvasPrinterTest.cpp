#include "paint/PictureSaver.h"

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int pagesIn(const QString& pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

} // namespace

using PictureSaver::PrintPlacement;
using PictureSaver::printCanvas;
using PictureSaver::printPlacement;

TEST(PrintPlacement, ALandscapePictureOnAPortraitPageFillsTheWidthCentredVertically)
{
    const PrintPlacement p = printPlacement(1000, 1400, 200, 100);
    EXPECT_EQ(p.width, 1000);
    EXPECT_EQ(p.height, 500);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 450);
}

TEST(PrintPlacement, ASquarePictureTakesTheHeightFirstThenShrinksToTheWidth)
{
    const PrintPlacement p = printPlacement(1000, 1400, 100, 100);
    EXPECT_EQ(p.width, 1000);
    EXPECT_EQ(p.height, 1000);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 200);
}

TEST(PrintPlacement, ATallPictureFillsTheHeightCentredHorizontally)
{
    const PrintPlacement p = printPlacement(1000, 1400, 100, 200);
    EXPECT_EQ(p.height, 1400);
    EXPECT_EQ(p.width, 700);
    EXPECT_EQ(p.left, 150);
    EXPECT_EQ(p.top, 0);
}

TEST(PrintPlacement, RoundsHalvesToEven)
{
    // The 200-wide picture on a 201-wide page: left = 100.5 - 100 = 0.5 -> 0.
    const PrintPlacement p = printPlacement(201, 1000, 100, 50);
    EXPECT_EQ(p.width, 200);
    EXPECT_EQ(p.height, 100);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 450);
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
