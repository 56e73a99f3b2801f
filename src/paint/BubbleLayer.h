// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imaging/cNDib.h"
#include "paint/Bubble.h"

#include <QImage>
#include <QRect>
#include <vector>

// What bubble animations share: the mask of a bubble picture, one wobbling
// step, where a bubble is drawn and whether a point hits it, and drawing a
// set of bubbles into an image while touching only the places that changed.
namespace BubbleMotion {

// Black is the transparent colour of a bubble picture: its mask is white
// there and black under the bubble, so AND clears the footprint and OR fills it.
cNDib maskOf(const cNDib& sprite);
// One step: the wobble phase advances, the bubble drifts sideways and rises.
void advance(Bubble& bubble);
// Where the bubble's picture goes: left never below 0, top may be.
QRect drawRect(const Bubble& bubble, const cNDib& sprite);
// A point exactly on the rim is inside.
bool hits(const Bubble& bubble, double x, double y);

} // namespace BubbleMotion

// Draws bubbles (mask with AND, then picture with OR, in order, so a later
// bubble lies on top) into an image cleared to a back colour. Between frames
// it remembers where each bubble was drawn and redraws only the rectangles
// that a bubble left or entered, so a frame in which nothing moved by a whole
// pixel costs nothing and the window repaints only those rectangles. The
// result is the same image a full clear and redraw would give.
class BubbleLayer
{
public:
    struct Item
    {
        const cNDib* mask = nullptr;
        const cNDib* sprite = nullptr;
        QRect rect;
    };

    // The next frame is drawn in full (after the image was cleared or
    // changed behind the layer's back).
    void invalidate() { m_full = true; }
    // Draws the frame; the rectangles of image that changed are then in
    // changedRects() (the whole image after a full draw).
    void draw(QImage& image, QRgb backColor, const std::vector<Item>& items);
    const std::vector<QRect>& changedRects() const { return m_changed; }

private:
    void drawAll(QImage& image, QRgb backColor, const std::vector<Item>& items);
    void redrawArea(QImage& image, QRgb backColor, const QRect& area, const std::vector<Item>& items);
    void addChanged(const QRect& rect, const QRect& bounds);
    void mergeOverlapping();

    std::vector<QRect> m_last;
    std::vector<QRect> m_changed;
    QSize m_size;
    QRgb m_backColor = 0;
    const uchar* m_bits = nullptr;
    bool m_full = true;
};
