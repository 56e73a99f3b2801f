// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/BubbleLayer.h"
#include "paint/PickerBubbles.h"
#include "platform/Random.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// The program's own picker art.
PickerBubbles::Pictures art()
{
    PickerBubbles::Pictures pictures;
    for (int k = 0; k < PickerBubbles::Count; ++k)
        pictures[size_t(k)] = QImage(QStringLiteral(":/picker/%1.png").arg(k)).convertToFormat(QImage::Format_RGB32);
    return pictures;
}

bool isGrey(quint32 pixel)
{
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r == g && g == b;
}

bool samePixels(const cNDib& a, const cNDib& b)
{
    if (a.pixelWidth() != b.pixelWidth() || a.pixelHeight() != b.pixelHeight())
        return false;
    return std::equal(a.bits(), a.bits() + a.bytesPerLine() * a.pixelHeight(), b.bits());
}

class PickerBubblesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bubbles.setPictures(art());
        for (int k = 0; k < PickerBubbles::Count; ++k)
            ASSERT_FALSE(bubbles.image(k).isEmpty()) << "picker bubble " << k << " is missing";
        bubbles.place(QSize(444, 310));
        untinted.setPictures(art());
    }

    Random random{7};
    PickerBubbles bubbles{random};
    PickerBubbles untinted{random};
};

} // namespace

TEST_F(PickerBubblesTest, AGreyColourTurnsEveryBubbleGrey)
{
    bubbles.tint(modHSL::rgb(128, 128, 128));
    for (int k = 0; k < PickerBubbles::Count; ++k) {
        const cNDib& image = bubbles.image(k);
        const quint32* p = reinterpret_cast<const quint32*>(image.bits());
        for (int i = 0; i < image.pixelWidth() * image.pixelHeight(); ++i)
            ASSERT_TRUE(isGrey(p[i])) << "bubble " << k << " pixel " << i;
    }
    // Bubbles 0 to 9 keep their own lightness: the pale ones stay light.
    const modHSL::HSL palest = modHSL::RGBtoHSL(bubbles.centreColour(9));
    EXPECT_GT(palest.L, 200);
}

TEST_F(PickerBubblesTest, BubblesTakeTheChosenHueInTheirGroups)
{
    const qint32 blue = modHSL::rgb(0, 0, 255);
    bubbles.tint(blue);
    EXPECT_EQ(bubbles.centreColour(0), modHSL::rgb(2, 2, 254)); // full red became full blue
    for (int k : {0, 4, 9, 11, 13, 16}) {
        const modHSL::HSL hsl = modHSL::RGBtoHSL(bubbles.centreColour(k));
        EXPECT_NEAR(hsl.H, 170, 2) << k;
    }
    // Dark reds become dark blues of the chosen saturation.
    const modHSL::HSL dark = modHSL::RGBtoHSL(bubbles.centreColour(16));
    EXPECT_LT(dark.L, 80);
    EXPECT_GT(dark.S, 240);
}

TEST_F(PickerBubblesTest, TheNearBlackAndTheWhiteBubbleKeepTheirLook)
{
    for (qint32 colour : {modHSL::rgb(255, 0, 0), modHSL::rgb(0, 160, 60), modHSL::rgb(90, 90, 90),
                          modHSL::rgb(30, 0, 200)}) {
        bubbles.tint(colour);
        EXPECT_TRUE(samePixels(bubbles.image(10), untinted.image(10))) << colour;
        EXPECT_TRUE(samePixels(bubbles.image(17), untinted.image(17))) << colour;
    }
}

TEST_F(PickerBubblesTest, TheTopBubbleIsHit)
{
    for (int k = 0; k < PickerBubbles::Count; ++k)
        bubbles.bubble(k).x = -1000;
    Bubble& low = bubbles.bubble(3);
    Bubble& high = bubbles.bubble(12);
    low.x = high.x = 100;
    low.y = 100;
    high.y = 105;
    EXPECT_EQ(bubbles.hitTest(100, 102), 12);
    EXPECT_EQ(bubbles.hitTest(100, 100 - low.radius), 3); // on the rim of 3 only
    high.x = 300;
    EXPECT_EQ(bubbles.hitTest(100, 102), 3);
}

TEST_F(PickerBubblesTest, ABubbleThatLeavesTheTopComesBackBelow)
{
    QImage area(444, 310, QImage::Format_RGB32);
    Bubble& b = bubbles.bubble(5);
    b.y = -b.radius + 0.1f;
    b.vy = -0.5f;
    EXPECT_GE(bubbles.tick(area, 0xFFFFFFFFu), 1);
    EXPECT_GE(b.y, 310 + b.radius);
    EXPECT_LE(b.y, 330 + b.radius);
    EXPECT_LE(b.vy, -0.25f);
    EXPECT_GE(b.vy, -0.75f);
}

TEST_F(PickerBubblesTest, ASecondTintWhileOneRunsDoesNothing)
{
    bool nested = true;
    EXPECT_TRUE(bubbles.tint(modHSL::rgb(255, 0, 0), [&] { nested = bubbles.tint(modHSL::rgb(0, 0, 255)); }));
    EXPECT_FALSE(nested);
    EXPECT_EQ(bubbles.chosen().H, 0);
}

// Redrawing only what moved gives exactly the picture a full redraw gives.
TEST_F(PickerBubblesTest, RedrawingOnlyWhatMovedMatchesAFullRedraw)
{
    bubbles.tint(modHSL::rgb(200, 60, 0));
    QImage area(444, 310, QImage::Format_RGB32);
    int partialFrames = 0;
    for (int step = 0; step < 400; ++step) {
        bubbles.tick(area, 0xFFFFFFFFu);
        const auto& changed = bubbles.changedRects();
        if (step > 0 && !(changed.size() == 1 && changed.front() == area.rect()))
            ++partialFrames;
        std::vector<BubbleLayer::Item> items;
        for (int k = 0; k < PickerBubbles::Count; ++k)
            items.push_back({&bubbles.image(PickerBubbles::Count + k), &bubbles.image(k),
                             BubbleMotion::drawRect(bubbles.bubble(k), bubbles.image(k))});
        // (A bubble that popped was out of sight before and after.)
        QImage full(area.size(), QImage::Format_RGB32);
        BubbleLayer fresh;
        fresh.draw(full, 0xFFFFFFFFu, items);
        ASSERT_TRUE(area == full) << "step " << step;
    }
    EXPECT_GT(partialFrames, 300);
}
