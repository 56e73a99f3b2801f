// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/HotCorner.h"
#include "paint/Palette.h"
#include "platform/Random.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <cmath>

namespace {

constexpr QRgb BarColour = 0xFF203040u;

// A disc of colour on black, the transparent colour.
QImage disc(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(colour));
    painter.drawEllipse(QRectF(0, 0, width, height));
    return image;
}

Palette::Pictures allBubbles()
{
    Palette::Pictures pictures;
    for (int i = 0; i < Palette::BubbleCount; ++i)
        pictures[size_t(i)] = disc(16 + i, 18 + i, qRgb(10 * i + 5, 255 - 10 * i, 100));
    return pictures;
}

// Only the listed bubbles have pictures; the others have none (radius 0).
Palette::Pictures only(std::initializer_list<std::pair<int, QImage>> bubbles)
{
    Palette::Pictures pictures;
    for (const auto& [index, picture] : bubbles)
        pictures[size_t(index)] = picture;
    return pictures;
}

} // namespace

// ---------------------------------------------------------------------------
// Set-up

TEST(PaletteSetup, MasksMakeBlackTransparent)
{
    Random random(1);
    Palette palette(random);
    palette.setup(allBubbles(), QSize(600, 92), 4.0f);

    for (int i = 0; i < Palette::BubbleCount; ++i) {
        const cNDib& mask = palette.Bubble_sprites(Palette::BubbleCount + i);
        const cNDib& sprite = palette.Bubble_sprites(i);
        ASSERT_EQ(sprite.pixelWidth(), 16 + i);
        EXPECT_EQ(mask.Get_Pixel_Long(0, 0), 0x00FFFFFFu) << i;                  // black corner
        EXPECT_EQ(mask.Get_Pixel_Long(sprite.pixelWidth() / 2, sprite.pixelHeight() / 2), 0u) << i;
    }
}

TEST(PaletteSetup, ColoursComeFromThePictureCentresExceptThePickerBubble)
{
    Random random(1);
    Palette palette(random);
    Palette::Pictures pictures = allBubbles();
    pictures[1] = disc(43, 43, qRgb(255, 0, 0));
    palette.setup(pictures, QSize(600, 92), 4.0f);
    EXPECT_EQ(palette.colourOf(1), 0x0000FF);
    EXPECT_EQ(palette.colourOf(Palette::PickerBubble), -1);
    EXPECT_EQ(palette.colourOf(0), qint32(5 | (255 << 8) | (100 << 16)));
}

TEST(PaletteSetup, BubblesStartBelowThePaletteRisingByTheSpeedSetting)
{
    Random random(2);
    Palette palette(random);
    palette.setup(allBubbles(), QSize(600, 92), 4.0f);
    for (const Bubble& b : palette.Bubbles()) {
        EXPECT_GE(b.vy, -0.375f);
        EXPECT_LE(b.vy, -0.125f);
        EXPECT_GE(b.y, 92 + b.radius);
        EXPECT_LT(b.y, 92 + b.radius + 20);
        EXPECT_GE(b.x, b.radius);
        EXPECT_LE(b.x, 600 - b.radius);
        EXPECT_GE(b.phase, 0.0f);
        EXPECT_LT(b.phase, 6.28f);
    }
}

TEST(PaletteSetup, SpeedZeroLeavesTheBubblesWaiting)
{
    Random random(3);
    Palette palette(random);
    palette.setup(allBubbles(), QSize(600, 92), 0.0f);
    const auto before = palette.Bubbles();
    QImage image(600, 92, QImage::Format_RGB32);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(palette.tick(image, BarColour).popped, 0);
    for (int i = 0; i < Palette::BubbleCount; ++i) {
        EXPECT_EQ(palette.bubble(i).vy, 0.0f);
        EXPECT_EQ(palette.bubble(i).y, before[size_t(i)].y);
    }
}

TEST(PaletteSetup, RebuildingTheSpritesKeepsTheBubblesWhereTheyAre)
{
    Random random(4);
    Palette palette(random);
    palette.setup(allBubbles(), QSize(600, 92), 4.0f);
    QImage image(600, 92, QImage::Format_RGB32);
    palette.tick(image, BarColour);
    const auto before = palette.Bubbles();
    palette.rebuildSprites(allBubbles());
    for (int i = 0; i < Palette::BubbleCount; ++i) {
        EXPECT_EQ(palette.bubble(i).x, before[size_t(i)].x);
        EXPECT_EQ(palette.bubble(i).y, before[size_t(i)].y);
    }
}

// ---------------------------------------------------------------------------
// Animation

TEST(PaletteTick, BubblesThatLeaveTheTopPopAndComeBackFromBelow)
{
    Random random(5);
    Palette palette(random);
    palette.setup(allBubbles(), QSize(600, 10), 0.005f); // 100 to 300 pixels a tick
    QImage image(600, 10, QImage::Format_RGB32);
    EXPECT_EQ(palette.tick(image, BarColour).popped, Palette::BubbleCount);
    for (const Bubble& b : palette.Bubbles())
        EXPECT_GE(b.y, 10 + b.radius);
}

TEST(PaletteTick, DrawsTheBubbleOverTheBarColourWithBlackTransparent)
{
    Random random(6);
    Palette palette(random);
    const QRgb colour = qRgb(250, 20, 30);
    palette.setup(only({{5, disc(40, 40, colour)}}), QSize(200, 60), 1.0f);
    QImage image(200, 60, QImage::Format_RGB32);
    while (palette.bubble(5).y > 30)
        palette.tick(image, BarColour);

    const Bubble& b = palette.bubble(5);
    const int left = std::max(0, int(std::nearbyint(b.x - b.radius)));
    const int top = int(std::nearbyint(b.y - b.radius));
    EXPECT_EQ(image.pixel(left + 20, top + 20), colour | 0xFF000000u);
    EXPECT_EQ(image.pixel(left, top), BarColour);          // the picture's black corner
    EXPECT_EQ(image.pixel(left + 20, top + 41), BarColour); // below it
}

TEST(PaletteTick, ABubbleReachingPastTheLeftEdgeIsDrawnAtZero)
{
    Random random(7);
    Palette palette(random);
    // The picture's first column is blue, the rest green; the palette is
    // narrower than the bubble, so the bubble's left edge is negative.
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(qRgb(0, 200, 0));
    for (int y = 0; y < 40; ++y)
        picture.setPixel(0, y, qRgb(0, 0, 200));
    palette.setup(only({{3, picture}}), QSize(30, 60), 1.0f);
    QImage image(30, 60, QImage::Format_RGB32);
    while (palette.bubble(3).y > 30)
        palette.tick(image, BarColour);

    const Bubble& b = palette.bubble(3);
    ASSERT_LT(b.x - b.radius, -1.0f);
    EXPECT_EQ(image.pixel(0, int(b.y)), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(1, int(b.y)), qRgb(0, 200, 0));
}

// A late wake moves the bubbles by every step due and draws once: the
// palette then shows what drawing every step would have shown, and the
// bubbles that popped on the way are counted.
TEST(PaletteTick, StepsWithoutDrawingEndInTheSameFrame)
{
    Random drawnRandom(11), skippedRandom(11);
    Palette drawn(drawnRandom), skipped(skippedRandom);
    drawn.setup(allBubbles(), QSize(300, 92), 1.0f);
    skipped.setup(allBubbles(), QSize(300, 92), 1.0f);
    QImage everyStep(300, 92, QImage::Format_RGB32), lastStep(300, 92, QImage::Format_RGB32);
    int poppedDrawn = 0, poppedSkipped = 0;
    for (int wake = 0; wake < 120; ++wake) {
        for (int step = 0; step < 3; ++step)
            poppedDrawn += drawn.tick(everyStep, BarColour).popped;
        poppedSkipped += skipped.advance(lastStep.size(), {}).popped;
        poppedSkipped += skipped.advance(lastStep.size(), {}).popped;
        poppedSkipped += skipped.tick(lastStep, BarColour).popped;
        ASSERT_EQ(lastStep, everyStep) << "after wake " << wake;
    }
    EXPECT_GT(poppedDrawn, 0) << "no bubble rose out of the palette: the test shows too little";
    EXPECT_EQ(poppedSkipped, poppedDrawn);
}

// ---------------------------------------------------------------------------
// Picking

TEST(PalettePick, APointOnTheRimHits)
{
    Random random(8);
    Palette palette(random);
    palette.setup(only({{7, disc(40, 40, qRgb(1, 2, 3))}}), QSize(300, 60), 4.0f);
    const Bubble& b = palette.bubble(7);
    EXPECT_EQ(palette.hitTest(double(b.x) + b.radius, b.y), 7);
    EXPECT_EQ(palette.hitTest(b.x, double(b.y) - b.radius), 7);
    EXPECT_EQ(palette.hitTest(double(b.x) + b.radius + 0.01, b.y), -1);
}

TEST(PalettePick, OverlappingBubblesGiveTheHigherIndex)
{
    Random random(9);
    Palette palette(random);
    // A palette exactly one bubble wide puts both bubbles at x = 20.
    palette.setup(only({{3, disc(40, 40, qRgb(1, 2, 3))}, {11, disc(40, 40, qRgb(4, 5, 6))}}), QSize(40, 60), 4.0f);
    const float middle = (palette.bubble(3).y + palette.bubble(11).y) / 2;
    EXPECT_EQ(palette.hitTest(20, middle), 11);
}

TEST(PalettePick, AClickedBubbleRestartsBelowAtSpeedDivisorThree)
{
    Random random(10);
    Palette palette(random);
    palette.setup(allBubbles(), QSize(600, 92), 100.0f);
    palette.restartClicked(4);
    const Bubble& b = palette.bubble(4);
    EXPECT_GE(b.y, 92 + b.radius);
    EXPECT_LE(b.vy, -0.5f / 3);
    EXPECT_GE(b.vy, -1.5f / 3);
}

// ---------------------------------------------------------------------------
// Hot corner

TEST(HotCornerRule, RevealsAfterExactly1500StepsInTheCorner)
{
    HotCorner corner;
    for (int i = 1; i < HotCorner::RevealCount; ++i)
        ASSERT_EQ(corner.step(QPoint(5, 5), 30, 150, false), HotCorner::Action::None) << i;
    EXPECT_EQ(corner.step(QPoint(150, 30), 30, 150, false), HotCorner::Action::Show);
    EXPECT_EQ(corner.Hide_counter(), 0);
}

TEST(HotCornerRule, LeavingTheCornerHidesAndStartsAgain)
{
    HotCorner corner;
    for (int i = 0; i < 1000; ++i)
        corner.step(QPoint(5, 5), 30, 150, false);
    EXPECT_EQ(corner.step(QPoint(151, 5), 30, 150, false), HotCorner::Action::None);
    EXPECT_EQ(corner.Hide_counter(), 0);
    EXPECT_EQ(corner.step(QPoint(5, 31), 30, 150, true), HotCorner::Action::Hide);
}

TEST(HotCornerRule, PaletteTicksRevealAfterSixtySixTicks)
{
    Random random(11);
    Palette palette(random);
    palette.setup(allBubbles(), QSize(600, 92), 4.0f);
    QImage image(600, 92, QImage::Format_RGB32);
    Palette::HotCornerInput corner;
    corner.autoHide = true;
    corner.pointer = QPoint(10, 10);
    corner.buttonHeight = 30;
    corner.cornerWidth = 150;
    corner.buttonsVisible = false;
    for (int i = 1; i <= 65; ++i) // 65 x 23 = 1495 steps
        ASSERT_EQ(palette.tick(image, BarColour, corner).buttons, Palette::ButtonsChange::None) << i;
    EXPECT_EQ(palette.tick(image, BarColour, corner).buttons, Palette::ButtonsChange::Show);

    corner.buttonsVisible = true;
    corner.pointer = QPoint(400, 10);
    EXPECT_EQ(palette.tick(image, BarColour, corner).buttons, Palette::ButtonsChange::Hide);
}

TEST(HotCornerRule, NothingChangesWithAutoHideOff)
{
    Random random(12);
    Palette palette(random);
    palette.setup(allBubbles(), QSize(600, 92), 4.0f);
    QImage image(600, 92, QImage::Format_RGB32);
    Palette::HotCornerInput corner;
    corner.autoHide = false;
    corner.pointer = QPoint(0, 0);
    corner.buttonHeight = 30;
    corner.cornerWidth = 150;
    corner.buttonsVisible = false;
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(palette.tick(image, BarColour, corner).buttons, Palette::ButtonsChange::None);
    corner.buttonsVisible = true;
    corner.pointer = QPoint(500, 500);
    EXPECT_EQ(palette.tick(image, BarColour, corner).buttons, Palette::ButtonsChange::None);
    EXPECT_EQ(palette.hotCorner().Hide_counter(), 0);
}
