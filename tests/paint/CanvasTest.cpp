// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/Canvas.h"
#include "platform/AppError.h"
#include "platform/Random.h"

#include "PaintFixtures.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace PaintFixtures;

namespace {

constexpr quint32 RedKey = 0x000000FF;

void saveImage(const QImage& image, const QString& path, const char* format)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(image.save(path, format, 95));
}

bool allPixels(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF))
                return false;
    return true;
}

class CanvasTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        linePath = data.root() + QStringLiteral("/books/Animals/cat.bmp");
        saveImage(linePicture(), linePath, "BMP");
        canvas.setBrushPictures(crayon(), paintbrush(), pencil());
        canvas.openPicture(linePath, {});
    }

    // Press, drag through the points, release.
    void stroke(std::initializer_list<QPoint> points)
    {
        auto it = points.begin();
        canvas.beginStroke(it->x(), it->y());
        for (++it; it != points.end(); ++it)
            canvas.moveStroke(it->x(), it->y());
        canvas.endStroke();
    }

    TempDataFolder data;
    Random random{1234};
    Canvas canvas{random};
    QString linePath;
};

} // namespace

// ---------------------------------------------------------------------------
// Strokes stay inside the pressed region

class ConfinedTool : public CanvasTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(ConfinedTool, NeverChangesAnotherRegionAnOutlineOrAGreyPixel)
{
    canvas.selectTool(GetParam());
    canvas.setCurrentColor(0x1E1EC8); // a red
    canvas.setCrazyColours(true);
    const QImage before = canvas.P.image().copy();

    stroke({{30, 40}, {90, 40}, {59, 30}, {30, 10}, {70, 70}, {130, 90}, {-20, -20}, {40, 60}, {59, 40}});

    const QImage& after = canvas.P.image();
    int changedLeft = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool leftRoomWhite = x > 0 && x < 59 && y > 0 && y < 79;
            const bool leftRoom = leftRoomWhite || (x == 59 && (y < 20 || y >= 60) && y > 0 && y < 79);
            if (leftRoom) {
                changedLeft += after.pixel(x, y) != before.pixel(x, y);
                continue;
            }
            if (GetParam() == Canvas::Pencil && x >= 29 && x <= 30 && y >= 39 && y <= 40)
                continue; // the pencil's press dot ignores the mask
            ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(changedLeft, 20);
    EXPECT_EQ(canvas.Canvas_buffer().toImage(), canvas.P.image());
}

INSTANTIATE_TEST_SUITE_P(CrayonPaintbrushPencil, ConfinedTool, ::testing::Values(0, 1, 2));

TEST_F(CanvasTest, PressOutsideTheCanvasIsRefusedButTheEdgesAreAccepted)
{
    EXPECT_FALSE(canvas.beginStroke(-1, 10));
    EXPECT_FALSE(canvas.beginStroke(121, 10));
    EXPECT_FALSE(canvas.beginStroke(10, 81));
    EXPECT_EQ(canvas.Undo_index(), -1);
    EXPECT_TRUE(canvas.beginStroke(120, 80));
    canvas.endStroke();
    EXPECT_EQ(canvas.Undo_index(), 0);
}

TEST_F(CanvasTest, PressOnTheRightEdgePaintsOnlyTheRegionOfTheLastColumn)
{
    QImage open = linePicture();
    for (int y = 1; y < 79; ++y)
        open.setPixel(119, y, White); // no frame on the right
    saveImage(open, linePath, "BMP");
    canvas.openPicture(linePath, {});
    canvas.selectTool(Canvas::Paintbrush);
    canvas.setCurrentColor(0x00FF00);
    const QImage before = canvas.P.image().copy();

    ASSERT_TRUE(canvas.beginStroke(120, 40));
    canvas.endStroke();

    EXPECT_EQ(canvas.Workon_color(), RedKey);
    EXPECT_NE(canvas.P.image().pixel(110, 40), before.pixel(110, 40));
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x <= 60; ++x)
            ASSERT_EQ(canvas.P.image().pixel(x, y), before.pixel(x, y)) << x << "," << y;
}

TEST_F(CanvasTest, PressOnAnOutlinePaintsNothingUntilTheDragReachesWhite)
{
    const QImage original = canvas.P.image().copy();
    canvas.setCurrentColor(0xFF0000);

    ASSERT_TRUE(canvas.beginStroke(60, 40)); // on the bar
    EXPECT_EQ(canvas.Workon_color(), 0u);
    EXPECT_EQ(canvas.Undo_index(), 0);
    canvas.moveStroke(60, 30);
    EXPECT_EQ(canvas.P.image(), original);
    EXPECT_EQ(canvas.Undo_index(), 0);

    canvas.moveStroke(80, 40); // into the right room
    EXPECT_EQ(canvas.Workon_color(), RedKey);
    EXPECT_EQ(canvas.Undo_index(), 1);
    EXPECT_EQ(canvas.Undo_canvas(1).toImage(), original);
    canvas.moveStroke(20, 40); // back across the bar into the left room
    canvas.endStroke();

    int changedRight = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            if (x > 60 && x < 119 && y > 0 && y < 79)
                changedRight += canvas.P.image().pixel(x, y) != original.pixel(x, y);
            else
                ASSERT_EQ(canvas.P.image().pixel(x, y), original.pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(changedRight, 100);
}

TEST_F(CanvasTest, MarkerPressLeavesADotOnBothPictures)
{
    canvas.selectTool(Canvas::Marker);
    canvas.setCurrentColor(0x00FF00);
    ASSERT_TRUE(canvas.beginStroke(20, 20));
    canvas.endStroke();
    EXPECT_EQ(canvas.P.image().pixel(20, 20), 0xFF00FF00u);
    EXPECT_EQ(canvas.tP.picture().pixel(20, 20), 0xFF00FF00u);
}

TEST_F(CanvasTest, MarkerLineIsBlackOnTheLinePictureAndColouredOnTheCanvas)
{
    canvas.selectTool(Canvas::Marker);
    canvas.setCurrentColor(0xFF0000); // blue
    stroke({{30, 2}, {30, 40}, {30, 79}});
    EXPECT_EQ(canvas.P.image().pixel(30, 50), 0xFF0000FFu);
    EXPECT_EQ(canvas.tP.picture().pixel(30, 50), Black);
    EXPECT_EQ(canvas.tP.image().pixel(30, 50), Black);
}

// ---------------------------------------------------------------------------
// Undo

TEST_F(CanvasTest, FourStrokesLeaveThreeUndos)
{
    std::vector<QImage> states{canvas.P.image().copy()};
    const quint32 colours[4] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF};
    for (int i = 0; i < 4; ++i) {
        canvas.setCurrentColor(colours[i]);
        stroke({{20 + 5 * i, 40}, {25 + 5 * i, 45}});
        states.push_back(canvas.P.image().copy());
        EXPECT_TRUE(canvas.canUndo());
    }
    EXPECT_EQ(canvas.Undo_index(), 2);

    for (int expected = 3; expected >= 1; --expected) {
        canvas.undo();
        EXPECT_EQ(canvas.P.image(), states[size_t(expected)]) << expected;
        EXPECT_EQ(canvas.Undo_index(), expected - 2);
        EXPECT_EQ(canvas.Canvas_buffer().toImage(), canvas.P.image());
    }
    EXPECT_FALSE(canvas.canUndo());
    canvas.undo();
    EXPECT_EQ(canvas.P.image(), states[1]);
}

TEST_F(CanvasTest, UndoOfAMarkerStrokeTakesItsOutlineOutOfTheRegions)
{
    canvas.selectTool(Canvas::Marker);
    stroke({{30, 2}, {30, 79}});
    canvas.selectTool(Canvas::Crayon);
    ASSERT_TRUE(canvas.beginStroke(15, 40));
    EXPECT_NE(canvas.Region_mask().Get_Pixel_Long(45, 40), RedKey);
    canvas.endStroke();

    canvas.undo();
    canvas.undo();
    EXPECT_EQ(canvas.tP.picture(), linePicture());

    ASSERT_TRUE(canvas.beginStroke(15, 40));
    EXPECT_EQ(canvas.Region_mask().Get_Pixel_Long(45, 40), RedKey);
    canvas.endStroke();
}

// ---------------------------------------------------------------------------
// Clear

TEST_F(CanvasTest, ClearingAnOwnPictureLeavesABlankPage)
{
    canvas.selectTool(Canvas::Marker);
    stroke({{30, 2}, {30, 79}});
    canvas.selectTool(Canvas::Paintbrush);
    stroke({{15, 40}});

    canvas.clearColours(true);

    EXPECT_TRUE(allPixels(canvas.P.image(), White));
    EXPECT_TRUE(allPixels(canvas.tP.image(), White));
    EXPECT_TRUE(allPixels(canvas.tP.picture(), White));
    EXPECT_TRUE(allPixels(canvas.Line_buffer().toImage(), White));
    EXPECT_FALSE(canvas.canUndo());
}

TEST_F(CanvasTest, ClearingABookPictureBringsBackItsOutlines)
{
    canvas.selectTool(Canvas::Marker);
    stroke({{30, 2}, {30, 79}});
    canvas.selectTool(Canvas::Paintbrush);
    stroke({{15, 40}});

    canvas.clearColours(false);

    EXPECT_EQ(canvas.P.image(), linePicture());
    EXPECT_EQ(canvas.tP.picture(), linePicture());
    EXPECT_EQ(canvas.Canvas_buffer().toImage(), linePicture());
    EXPECT_FALSE(canvas.canUndo());
}

// ---------------------------------------------------------------------------
// Open

TEST_F(CanvasTest, OpensTheColouredVersionAtItsOwnSize)
{
    QImage coloured(100, 60, QImage::Format_RGB32);
    coloured.fill(qRgb(0, 200, 0));
    const QString colouredPath = data.root() + QStringLiteral("/colored pictures/Animals/cat.bmp.jpg");
    saveImage(coloured, colouredPath, "JPG");

    canvas.openPicture(linePath, colouredPath);

    EXPECT_EQ(canvas.P.size(), QSize(100, 60));
    EXPECT_EQ(canvas.tP.size(), QSize(120, 80));
    EXPECT_EQ(canvas.Canvas_buffer().pixelWidth(), 100);
    EXPECT_EQ(canvas.Line_buffer().pixelWidth(), 120);
    EXPECT_NEAR(qGreen(canvas.P.image().pixel(50, 30)), 200, 3);
    EXPECT_EQ(canvas.CurrentPicture(), linePath);
}

TEST_F(CanvasTest, OpensTheLinePictureWhenThereIsNoColouredVersion)
{
    canvas.openPicture(linePath, data.root() + QStringLiteral("/colored pictures/Animals/cat.bmp.jpg"));
    EXPECT_EQ(canvas.P.size(), QSize(120, 80));
    EXPECT_EQ(canvas.P.image(), linePicture());
    EXPECT_FALSE(canvas.canUndo());
}

TEST_F(CanvasTest, ADamagedColouredVersionFallsBackToTheLinePicture)
{
    const QString colouredPath = data.root() + QStringLiteral("/colored pictures/Animals/cat.bmp.jpg");
    data.writeFile(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg"), "not a picture");
    canvas.openPicture(linePath, colouredPath);
    EXPECT_EQ(canvas.P.image(), linePicture());
}

TEST_F(CanvasTest, OpeningResetsUndo)
{
    stroke({{20, 20}});
    ASSERT_TRUE(canvas.canUndo());
    canvas.openPicture(linePath, {});
    EXPECT_EQ(canvas.Undo_index(), -1);
}

TEST_F(CanvasTest, AFailedOpenKeepsThePreviousPictureAndItsOutlines)
{
    canvas.selectTool(Canvas::Marker);
    stroke({{30, 2}, {30, 79}});
    canvas.selectTool(Canvas::Crayon);
    stroke({{15, 40}});
    const QImage shown = canvas.P.image().copy();
    const QImage outlines = canvas.tP.picture().copy();

    try {
        canvas.openPicture(data.root() + QStringLiteral("/books/Animals/gone.bmp"), {});
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::FileNotFound);
    }
    data.writeFile(QStringLiteral("/books/Animals/broken.bmp"), "BM garbage");
    try {
        canvas.openPicture(data.root() + QStringLiteral("/books/Animals/broken.bmp"), {});
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::InvalidPicture);
    }

    EXPECT_EQ(canvas.P.image(), shown);
    EXPECT_EQ(canvas.tP.picture(), outlines);
    EXPECT_EQ(canvas.CurrentPicture(), linePath);
    EXPECT_EQ(canvas.Undo_index(), 1);
    // Strokes still follow the outlines on screen, the marker line included.
    ASSERT_TRUE(canvas.beginStroke(15, 40));
    EXPECT_NE(canvas.Region_mask().Get_Pixel_Long(45, 40), RedKey);
    canvas.endStroke();
}

// ---------------------------------------------------------------------------
// Tools and colours

TEST_F(CanvasTest, SelectingAToolTakesAFreshCopyOfItsBrush)
{
    canvas.selectTool(Canvas::Paintbrush);
    EXPECT_EQ(canvas.Brush_buffer().pixelWidth(), 112);
    canvas.selectTool(Canvas::Pencil);
    EXPECT_EQ(canvas.Brush_buffer().pixelWidth(), 8);
    canvas.selectTool(Canvas::Marker);
    EXPECT_EQ(canvas.Brush_buffer().pixelWidth(), 8);
    EXPECT_EQ(canvas.Tool(), Canvas::Marker);
    canvas.selectTool(7);
    EXPECT_EQ(canvas.Tool(), Canvas::Marker);
}

TEST_F(CanvasTest, StampsRefreshOnlyTheirRectangle)
{
    std::vector<QRect> refreshed;
    canvas.P.setRefreshHandler([&](const QRect& r) { refreshed.push_back(r); });
    stroke({{30, 40}});
    ASSERT_EQ(refreshed.size(), 1u);
    EXPECT_EQ(refreshed[0], QRect(30 - 18, 40 - 16, 37 + 2, 33 + 2));
}
