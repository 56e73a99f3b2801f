// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/BubbleLayer.h"

#include "paint/Rounding.h"

#include <algorithm>
#include <cmath>

namespace BubbleMotion {

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

void advance(Bubble& b)
{
    b.phase = float(double(b.phase) + 0.1);
    if (b.phase > 6.28)
        b.phase = 0;
    b.dx = float(std::sin(double(b.phase)) * 0.2);
    b.y += b.vy;
    b.x += b.dx;
}

QRect drawRect(const Bubble& b, const cNDib& sprite)
{
    if (sprite.isEmpty())
        return {};
    const int left = std::max(0, roundHalfEven(b.x - b.radius));
    const int top = roundHalfEven(b.y - b.radius);
    return QRect(left, top, sprite.pixelWidth(), sprite.pixelHeight());
}

bool hits(const Bubble& b, double x, double y)
{
    const double distance = std::sqrt((x - b.x) * (x - b.x) + (y - b.y) * (y - b.y));
    return float(distance) <= b.radius;
}

} // namespace BubbleMotion

namespace {

// (pixel AND mask) OR picture. The rows never overlap: saying so lets the
// compiler do several pixels at once.
void blendRow(quint32* __restrict dst, const quint32* __restrict mask, const quint32* __restrict sprite, int width)
{
    for (int i = 0; i < width; ++i)
        dst[i] = (dst[i] & mask[i]) | sprite[i] | 0xFF000000u;
}

} // namespace

void BubbleLayer::draw(QImage& image, QRgb backColor, const std::vector<Item>& items)
{
    m_changed.clear();
    if (image.isNull() || image.depth() != 32)
        return;
    const bool sameFrame = !m_full && m_size == image.size() && m_backColor == backColor
        && m_bits == image.constBits() && m_last.size() == items.size();
    if (!sameFrame) {
        drawAll(image, backColor, items);
        return;
    }
    const QRect bounds = image.rect();
    for (size_t i = 0; i < items.size(); ++i) {
        const QRect& before = m_last[i];
        const QRect& now = items[i].rect;
        if (before == now)
            continue;
        // A bubble that moved a pixel or two: one rectangle over both places;
        // one that jumped (popped and came back below): two.
        if (before.adjusted(-1, -1, 1, 1).intersects(now)) {
            addChanged(before.united(now), bounds);
        } else {
            addChanged(before, bounds);
            addChanged(now, bounds);
        }
        m_last[i] = now;
    }
    mergeOverlapping();
    for (const QRect& area : m_changed)
        redrawArea(image, backColor, area, items);
    m_bits = image.constBits();
}

// Rectangles that overlap become their union, so no pixel is drawn twice for
// two bubbles moving side by side.
void BubbleLayer::mergeOverlapping()
{
    bool merged = true;
    while (merged) {
        merged = false;
        for (size_t i = 0; i < m_changed.size() && !merged; ++i)
            for (size_t j = i + 1; j < m_changed.size(); ++j)
                if (m_changed[i].intersects(m_changed[j])) {
                    m_changed[i] |= m_changed[j];
                    m_changed.erase(m_changed.begin() + qsizetype(j));
                    merged = true;
                    break;
                }
    }
}

void BubbleLayer::addChanged(const QRect& rect, const QRect& bounds)
{
    const QRect visible = rect & bounds;
    if (!visible.isEmpty())
        m_changed.push_back(visible);
}

void BubbleLayer::drawAll(QImage& image, QRgb backColor, const std::vector<Item>& items)
{
    image.fill(backColor);
    for (const Item& item : items) {
        if (item.mask && item.sprite && !item.mask->isEmpty() && !item.sprite->isEmpty()) {
            item.mask->Bit_Blt_Dib(item.rect.x(), item.rect.y(), image, cNDib::RopAnd);
            item.sprite->Bit_Blt_Dib(item.rect.x(), item.rect.y(), image, cNDib::RopOr);
        }
    }
    m_last.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        m_last[i] = items[i].rect;
    m_size = image.size();
    m_backColor = backColor;
    m_bits = image.constBits();
    m_full = false;
    m_changed.assign(1, image.rect());
}

// Clears one rectangle and draws into it, clipped to it, every bubble that
// reaches into it, in order: the rectangle then holds exactly what a full
// redraw would put there. Mask and picture go in one pass per row:
// (pixel AND mask) OR picture is the two transfers one after the other.
void BubbleLayer::redrawArea(QImage& image, QRgb backColor, const QRect& area, const std::vector<Item>& items)
{
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const quint32 back = backColor | 0xFF000000u;
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill_n(reinterpret_cast<quint32*>(bits + y * stride) + area.left(), area.width(), back);
    for (const Item& item : items) {
        if (!item.mask || !item.sprite || item.mask->isEmpty() || item.sprite->isEmpty())
            continue;
        const QRect part = item.rect & area;
        if (part.isEmpty())
            continue;
        const int spriteWidth = item.sprite->pixelWidth();
        const int sx = part.left() - item.rect.left();
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const qsizetype row = qsizetype(y - item.rect.top()) * spriteWidth + sx;
            blendRow(reinterpret_cast<quint32*>(bits + y * stride) + part.left(),
                     reinterpret_cast<const quint32*>(item.mask->bits()) + row,
                     reinterpret_cast<const quint32*>(item.sprite->bits()) + row, part.width());
        }
    }
}
