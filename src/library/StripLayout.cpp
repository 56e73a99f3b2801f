// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/StripLayout.h"

StripLayout::StripLayout(int width, int height)
    : m_width(width)
    , m_height(height)
{
}

void StripLayout::beginBook()
{
    m_y += 40;
    if (m_height < m_y)
        m_height = m_y;
    m_column = -1;
}

QPoint StripLayout::placeNext()
{
    if (m_width < m_column * Pitch + 216) {
        m_column = 0;
        m_y += Pitch;
    } else {
        ++m_column;
    }
    const QPoint cell(m_column * Pitch + FirstLeft, m_y);
    if (m_height < cell.y() + 100)
        m_height = cell.y() + Pitch;
    return cell;
}

void StripLayout::endBook()
{
    m_y += 100;
}
