// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/PickerBubbles.h"

#include "platform/Random.h"

#include <cstring>

PickerBubbles::PickerBubbles(Random& random)
    : m_random(random)
{
}

void PickerBubbles::setPictures(const Pictures& pictures)
{
    for (int k = 0; k < Count; ++k) {
        cNDib& original = m_originals[size_t(k)];
        if (!original.Make_From_Image(pictures[size_t(k)]))
            original = cNDib();
        m_images[size_t(k)] = original;
        m_images[size_t(Count + k)] = BubbleMotion::maskOf(original);
    }
    m_layer.invalidate();
}

float PickerBubbles::randomX(const Bubble& b)
{
    return float(m_random.next() * (m_area.width() - 2 * b.radius) + b.radius);
}

float PickerBubbles::randomRise()
{
    return float((-m_random.next() - 0.5) / 2);
}

void PickerBubbles::place(QSize area)
{
    m_area = area;
    for (int k = 0; k < Count; ++k) {
        Bubble& b = m_bubbles[size_t(k)];
        const cNDib& picture = m_originals[size_t(k)];
        b.radius = picture.isEmpty() ? 0.0f : float(picture.pixelWidth()) / 2.0f;
        b.y = float(m_random.next() * area.height());
        b.x = randomX(b);
        b.vy = randomRise();
        b.phase = float(m_random.next() * 6.28);
        b.dx = 0;
    }
    m_layer.invalidate();
}

void PickerBubbles::enterBelow(Bubble& b)
{
    b.y = float(m_random.next() * 20 + m_area.height() + b.radius);
    b.x = randomX(b);
    b.vy = randomRise();
}

bool PickerBubbles::tint(qint32 colour, const std::function<void()>& betweenBubbles)
{
    if (m_tinting)
        return false;
    m_tinting = true;
    m_chosen = modHSL::RGBtoHSL(colour);
    for (int k = 0; k < Count; ++k) {
        if (!m_originals[size_t(k)].isEmpty())
            tintPicture(m_originals[size_t(k)], m_images[size_t(k)], k, m_chosen);
        if (betweenBubbles)
            betweenBubbles();
    }
    m_layer.invalidate();
    m_tinting = false;
    return true;
}

void PickerBubbles::tintPicture(const cNDib& original, cNDib& target, int k, const modHSL::HSL& chosen)
{
    if (target.pixelWidth() != original.pixelWidth() || target.pixelHeight() != original.pixelHeight())
        target = original;
    const bool paleTint = k <= LastPaleTint;
    const quint32* from = reinterpret_cast<const quint32*>(original.bits());
    quint32* to = reinterpret_cast<quint32*>(target.bits());
    const qsizetype count = qsizetype(original.pixelWidth()) * original.pixelHeight();
    // A bubble is mostly one flat colour on black: remember the last pixel.
    quint32 lastIn = 0;
    quint32 lastOut = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const quint32 in = from[i] & 0x00FFFFFFu;
        if (in == 0 || in == lastIn) {
            to[i] = in == 0 ? 0u : lastOut;
            continue;
        }
        const int r = int((in >> 16) & 0xFF);
        const int g = int((in >> 8) & 0xFF);
        const int b = int(in & 0xFF);
        quint32 out;
        if (!paleTint && r == g && g == b) {
            out = in;
        } else {
            const modHSL::HSL own = modHSL::RGBtoHSL(r, g, b);
            modHSL::HSL made;
            if (paleTint)
                made = chosen.S != 0 ? modHSL::HSL{chosen.H, own.S, own.L} : modHSL::HSL{0, 0, own.L};
            else
                made = modHSL::HSL{chosen.H, chosen.S, own.L};
            const qint32 c = modHSL::HSLtoRGB(made);
            out = quint32(modHSL::red(c) << 16 | modHSL::green(c) << 8 | modHSL::blue(c));
        }
        lastIn = in;
        lastOut = out;
        to[i] = out;
    }
}

int PickerBubbles::tick(QImage& area, QRgb backColor)
{
    if (area.isNull())
        return 0;
    m_area = area.size();
    int popped = 0;
    for (int k = 0; k < Count; ++k) {
        Bubble& b = m_bubbles[size_t(k)];
        BubbleMotion::advance(b);
        BubbleLayer::Item& item = m_items[size_t(k)];
        item.mask = &m_images[size_t(Count + k)];
        item.sprite = &m_images[size_t(k)];
        item.rect = BubbleMotion::drawRect(b, m_images[size_t(k)]);
        if (b.y < -b.radius) {
            ++popped;
            enterBelow(b);
        }
    }
    m_layer.draw(area, backColor, m_items);
    return popped;
}

int PickerBubbles::hitTest(double x, double y) const
{
    for (int k = Count - 1; k >= 0; --k)
        if (!m_originals[size_t(k)].isEmpty() && BubbleMotion::hits(m_bubbles[size_t(k)], x, y))
            return k;
    return -1;
}

qint32 PickerBubbles::centreColour(int k) const
{
    const cNDib& picture = m_images.at(size_t(k));
    if (picture.isEmpty())
        return 0;
    return qint32(picture.Get_Pixel_Long(picture.pixelWidth() / 2, picture.pixelHeight() / 2));
}
