// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/cNDib.h"
#include "paint/Bubble.h"
#include "paint/BubbleLayer.h"
#include "paint/HotCorner.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <array>
#include <vector>

class Random;

// The bubble palette: 23 bubbles rise through the palette with a gentle
// wobble, pop at the top and come back from below. Bubble i's colour is its
// picture's centre colour; bubble 22 stands for "any other colour" (the
// colour picker). Works on images only: the window supplies the palette
// image, the pointer and the parental buttons' state, and acts on the result
// (pop sounds, showing or hiding the buttons).
class Palette
{
public:
    static constexpr int BubbleCount = 23;
    static constexpr int PickerBubble = 22;
    using Pictures = std::array<QImage, BubbleCount>;

    // What the hot corner needs to know for one tick.
    struct HotCornerInput
    {
        bool autoHide = false;
        QPoint pointer;         // screen coordinates
        int buttonHeight = 0;   // height of the first parental button
        int cornerWidth = 0;    // Hot_corner_width
        bool buttonsVisible = true;
    };
    enum class ButtonsChange { None, Show, Hide };
    struct TickResult
    {
        int popped = 0;
        ButtonsChange buttons = ButtonsChange::None;
    };

    explicit Palette(Random& random);

    // Sprites 0..22 are the pictures; 23..45 their masks (pure black, the
    // transparent colour, becomes white; everything else black). Also reads
    // each picture's centre colour. The bubble records are not touched, so
    // this is also the rebuild after a reload.
    void setPictures(const Pictures& pictures);
    void rebuildSprites(const Pictures& pictures) { setPictures(pictures); }
    // Every bubble starts just below the palette at a random place, rising at
    // (0.5 .. 1.5) / bubbleSpeed pixels per tick (not at all when the speed
    // is 0), with a random phase.
    void resetBubbles(QSize paletteSize, float bubbleSpeed);
    // Both of the above, as start-up does.
    void setup(const Pictures& pictures, QSize paletteSize, float bubbleSpeed);
    // The speed divisor used when a bubble re-enters after popping.
    void setBubbleSpeed(float bubbleSpeed) { m_bubbleSpeed = bubbleSpeed; }
    float Bubble_speed() const { return m_bubbleSpeed; }

    // One animation step drawn into palette: every bubble moved and drawn
    // over backColor (mask with AND, picture with OR), popped bubbles brought
    // back below. Only the rectangles that bubbles left or entered are
    // redrawn (changedRects()); the first step after setup or invalidate()
    // draws everything. Also advances the hot corner when autoHide is on.
    TickResult tick(QImage& palette, QRgb backColor, const HotCornerInput& corner);
    TickResult tick(QImage& palette, QRgb backColor);
    // The same step without drawing, for the steps of a late wake before its
    // last: the bubbles and the hot corner move, the next tick draws where
    // they have got to.
    TickResult advance(QSize paletteSize, const HotCornerInput& corner);

    // The palette image was cleared or replaced: the next step draws it whole.
    void invalidate() { m_layer.invalidate(); }
    // What the last step changed, in palette pixels.
    const std::vector<QRect>& changedRects() const { return m_layer.changedRects(); }

    // The bubble under (x, y), the highest index first; -1 for none. A point
    // exactly on the rim is inside.
    int hitTest(double x, double y) const;
    // A clicked bubble starts again from below, at the fixed speed divisor 3.
    void restartClicked(int index);

    const std::array<Bubble, BubbleCount>& Bubbles() const { return m_bubbles; }
    const Bubble& bubble(int index) const { return m_bubbles.at(size_t(index)); }
    qint32 colourOf(int index) const { return bubble(index).colour; }
    const cNDib& Bubble_sprites(int index) const { return m_sprites.at(size_t(index)); }
    const HotCorner& hotCorner() const { return m_hotCorner; }

private:
    void placeBelow(Bubble& bubble, float speedDivisor);

    Random& m_random;
    std::array<Bubble, BubbleCount> m_bubbles{};
    std::array<cNDib, 2 * BubbleCount> m_sprites;
    std::array<qint32, BubbleCount> m_pictureColours{};
    std::array<int, BubbleCount> m_pictureWidths{};
    QSize m_size;
    float m_bubbleSpeed = 4.0f;
    HotCorner m_hotCorner;
    BubbleLayer m_layer;
    std::vector<BubbleLayer::Item> m_items = std::vector<BubbleLayer::Item>(BubbleCount);
};
