// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/cNDib.h"
#include "paint/Bubble.h"
#include "paint/BubbleLayer.h"
#include "paint/modHSL.h"

#include <QImage>
#include <QSize>
#include <array>
#include <functional>
#include <vector>

class Random;

// The colour picker's eighteen bubbles, without any window: their pictures
// tinted to the hue of the current colour, their masks, their rise through
// the picker's area, and which bubble a press hits.
//
// The pictures come in groups, all drawn in red: 0 to 9 tints from full red
// to pale pink, 10 a near-black grey, 11 to 16 dark reds, 17 white. Tinting
// moves every group to the chosen hue: bubbles 0 to 9 keep each pixel's own
// saturation and lightness (greys of their own lightness when the chosen
// colour is a grey); bubbles 10 to 17 keep their grey pixels and give every
// other pixel the chosen hue and saturation at its own lightness.
class PickerBubbles
{
public:
    static constexpr int Count = 18;
    static constexpr int LastPaleTint = 9;
    using Pictures = std::array<QImage, Count>;

    explicit PickerBubbles(Random& random);

    // Images 0..17 are the pictures (untinted until tint()); 18..35 their
    // masks, black under the bubble and white where the picture is black.
    void setPictures(const Pictures& pictures);
    // Every bubble at a random height inside the area and a random x,
    // rising at 0.25 to 0.75 pixel per step, with a random wobble phase.
    void place(QSize area);
    // Tints every picture to the hue (and for bubbles 10 to 17 the
    // saturation) of colour, 0x00BBGGRR; the masks stay. betweenBubbles runs
    // after each bubble so a window can stay responsive. A call made while a
    // tint runs does nothing and returns false.
    bool tint(qint32 colour, const std::function<void()>& betweenBubbles = {});

    // One step drawn into area: every bubble moved and drawn over backColor,
    // a bubble that left the top brought back below at a new x and speed.
    // Returns how many bubbles popped. changedRects() says what was redrawn.
    int tick(QImage& area, QRgb backColor);
    const std::vector<QRect>& changedRects() const { return m_layer.changedRects(); }
    void invalidate() { m_layer.invalidate(); }

    // The bubble under (x, y), from the top one (17) down; -1 for none.
    int hitTest(double x, double y) const;
    // The colour of bubble k's (tinted) picture at its centre, 0x00BBGGRR.
    qint32 centreColour(int k) const;

    const Bubble& bubble(int k) const { return m_bubbles.at(size_t(k)); }
    Bubble& bubble(int k) { return m_bubbles.at(size_t(k)); }
    // 0..17 tinted pictures, 18..35 masks.
    const cNDib& image(int index) const { return m_images.at(size_t(index)); }
    modHSL::HSL chosen() const { return m_chosen; }

    // Tints one picture: original (untinted) into target, of the same size.
    static void tintPicture(const cNDib& original, cNDib& target, int k, const modHSL::HSL& chosen);

private:
    void enterBelow(Bubble& b);
    float randomX(const Bubble& b);
    float randomRise();

    Random& m_random;
    std::array<cNDib, Count> m_originals;
    std::array<cNDib, 2 * Count> m_images;
    std::array<Bubble, Count> m_bubbles{};
    std::vector<BubbleLayer::Item> m_items = std::vector<BubbleLayer::Item>(Count);
    BubbleLayer m_layer;
    QSize m_area;
    modHSL::HSL m_chosen;
    bool m_tinting = false;
};
