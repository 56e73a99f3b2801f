#include "paint/Palette.h"

#include "paint/Rounding.h"
#include "platform/Random.h"

#include <cmath>

namespace {

// Black is the transparent colour of a bubble picture: its mask is white
// there and black under the bubble, so AND clears the footprint and OR fills it.
cNDib maskOf(const cNDib& sprite)
{
    cNDib mask(sprite);
    if (mask.isEmpty())
        return mask;
    quint32* p = reinterpret_cast<quint32*>(mask.bits());
    const qsizetype count = qsizetype(mask.pixelWidth()) * mask.pixelHeight();
    for (qsizetype i = 0; i < count; ++i)
        p[i] = (p[i] & 0x00FFFFFFu) == 0 ? 0x00FFFFFFu : 0u;
    return mask;
}

} // namespace

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
        m_sprites[size_t(BubbleCount + i)] = maskOf(sprite);
        m_pictureWidths[size_t(i)] = sprite.isEmpty() ? 0 : sprite.pixelWidth();
        m_pictureColours[size_t(i)] =
            sprite.isEmpty() ? 0 : qint32(sprite.Get_Pixel_Long(sprite.pixelWidth() / 2, sprite.pixelHeight() / 2));
    }
}

void Palette::resetBubbles(QSize paletteSize, float bubbleSpeed)
{
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
    TickResult result;
    if (palette.isNull())
        return result;
    m_size = palette.size();
    palette.fill(backColor);

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
        b.phase = float(double(b.phase) + 0.1);
        if (b.phase > 6.28)
            b.phase = 0;
        b.dx = float(std::sin(double(b.phase)) * 0.2);
        b.y += b.vy;
        b.x += b.dx;

        const int left = std::max(0, roundHalfEven(b.x - b.radius));
        const int top = roundHalfEven(b.y - b.radius);
        const cNDib& mask = m_sprites[size_t(BubbleCount + i)];
        const cNDib& sprite = m_sprites[size_t(i)];
        if (!mask.isEmpty() && !sprite.isEmpty()) {
            mask.Bit_Blt_Dib(left, top, palette, cNDib::RopAnd);
            sprite.Bit_Blt_Dib(left, top, palette, cNDib::RopOr);
        }

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
    for (int i = BubbleCount - 1; i >= 0; --i) {
        const Bubble& b = m_bubbles[size_t(i)];
        const double distance = std::sqrt((x - b.x) * (x - b.x) + (y - b.y) * (y - b.y));
        if (float(distance) <= b.radius)
            return i;
    }
    return -1;
}

void Palette::restartClicked(int index)
{
    if (index < 0 || index >= BubbleCount)
        return;
    placeBelow(m_bubbles[size_t(index)], 3.0f);
}
