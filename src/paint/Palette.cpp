// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/Palette.h"

#include "platform/Random.h"

#include <cmath>


Palette::Palette(Random& random)
    : m_random(random)
{
}

void Palette::setPictures(const Pictures& pictures)
{
    for (int i = 0; i < BubbleCount; ++i) {
        const QImage& picture = pictures[size_t(i)];
        cNDib& sprite = m_sprites[size_t(i)];
        if (!sprite.Make_From_Image(picture))
            sprite = cNDib();
        m_sprites[size_t(BubbleCount + i)] = BubbleMotion::maskOf(sprite);
        m_pictureWidths[size_t(i)] = sprite.isEmpty() ? 0 : sprite.pixelWidth();
        m_pictureColours[size_t(i)] =
            sprite.isEmpty() ? 0 : qint32(sprite.Get_Pixel_Long(sprite.pixelWidth() / 2, sprite.pixelHeight() / 2));
    }
    m_layer.invalidate();
}

void Palette::resetBubbles(QSize paletteSize, float bubbleSpeed)
{
    m_layer.invalidate();
    m_size = paletteSize;
    m_bubbleSpeed = bubbleSpeed;
    for (int i = 0; i < BubbleCount; ++i) {
        Bubble& b = m_bubbles[size_t(i)];
        b.radius = float(m_pictureWidths[size_t(i)]) / 2.0f;
        b.dx = 0;
        placeBelow(b, bubbleSpeed);
        b.phase = float(m_random.next() * 6.28);
        b.colour = i == PickerBubble ? -1 : m_pictureColours[size_t(i)];
    }
}

void Palette::setup(const Pictures& pictures, QSize paletteSize, float bubbleSpeed)
{
    setPictures(pictures);
    resetBubbles(paletteSize, bubbleSpeed);
}

void Palette::placeBelow(Bubble& b, float speedDivisor)
{
    b.y = float(m_random.next() * 20 + m_size.height() + b.radius);
    b.x = float(m_random.next() * (m_size.width() - 2 * b.radius) + b.radius);
    const double r = m_random.next();
    // A speed of 0 leaves the bubbles waiting below the palette.
    b.vy = speedDivisor == 0.0f ? 0.0f : float((-r - 0.5) / speedDivisor);
}

Palette::TickResult Palette::tick(QImage& palette, QRgb backColor, const HotCornerInput& corner)
{
    if (palette.isNull())
        return {};
    const TickResult result = advance(palette.size(), corner);
    m_layer.draw(palette, backColor, m_items);
    return result;
}

Palette::TickResult Palette::advance(QSize paletteSize, const HotCornerInput& corner)
{
    TickResult result;
    m_size = paletteSize;

    bool visible = corner.buttonsVisible;
    for (int i = 0; i < BubbleCount; ++i) {
        if (corner.autoHide) {
            switch (m_hotCorner.step(corner.pointer, corner.buttonHeight, corner.cornerWidth, visible)) {
            case HotCorner::Action::Show:
                visible = true;
                break;
            case HotCorner::Action::Hide:
                visible = false;
                break;
            case HotCorner::Action::None:
                break;
            }
        }

        Bubble& b = m_bubbles[size_t(i)];
        BubbleMotion::advance(b);
        BubbleLayer::Item& item = m_items[size_t(i)];
        item.mask = &m_sprites[size_t(BubbleCount + i)];
        item.sprite = &m_sprites[size_t(i)];
        item.rect = BubbleMotion::drawRect(b, m_sprites[size_t(i)]);

        if (b.y < -b.radius) {
            ++result.popped;
            placeBelow(b, m_bubbleSpeed);
        }
    }
    if (visible != corner.buttonsVisible)
        result.buttons = visible ? ButtonsChange::Show : ButtonsChange::Hide;
    return result;
}

Palette::TickResult Palette::tick(QImage& palette, QRgb backColor)
{
    return tick(palette, backColor, HotCornerInput());
}

int Palette::hitTest(double x, double y) const
{
    for (int i = BubbleCount - 1; i >= 0; --i)
        if (BubbleMotion::hits(m_bubbles[size_t(i)], x, y))
            return i;
    return -1;
}

void Palette::restartClicked(int index)
{
    if (index < 0 || index >= BubbleCount)
        return;
    placeBelow(m_bubbles[size_t(index)], 3.0f);
}
