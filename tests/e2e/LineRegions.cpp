// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2e/LineRegions.h"

#include <QColor>
#include <deque>
#include <limits>

LineRegions::LineRegions(const QImage& linePicture)
    : m_width(linePicture.width())
    , m_height(linePicture.height())
{
    label(linePicture.convertToFormat(QImage::Format_RGB32));
    measureDepth();
}

void LineRegions::label(const QImage& picture)
{
    m_labels.assign(size_t(m_width) * size_t(m_height), -1);
    std::vector<bool> white(m_labels.size());
    for (int y = 0; y < m_height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < m_width; ++x)
            white[size_t(y * m_width + x)] = qGray(row[x]) >= 128;
    }
    std::vector<int> stack;
    for (size_t start = 0; start < m_labels.size(); ++start) {
        if (!white[start] || m_labels[start] >= 0)
            continue;
        const int region = m_regionCount++;
        bool edge = false;
        stack.assign(1, int(start));
        m_labels[start] = region;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            const int x = at % m_width;
            const int y = at / m_width;
            edge = edge || x == 0 || y == 0 || x == m_width - 1 || y == m_height - 1;
            const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : neighbours) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= m_width || n[1] >= m_height)
                    continue;
                const size_t index = size_t(n[1] * m_width + n[0]);
                if (white[index] && m_labels[index] < 0) {
                    m_labels[index] = region;
                    stack.push_back(int(index));
                }
            }
        }
        m_touchesEdge.push_back(edge);
    }
}

void LineRegions::measureDepth()
{
    // Breadth-first from every outline pixel, and from just outside the edges.
    m_depth.assign(m_labels.size(), std::numeric_limits<int>::max());
    std::deque<int> queue;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const size_t index = size_t(y * m_width + x);
            if (m_labels[index] < 0) {
                m_depth[index] = 0;
                queue.push_back(int(index));
            } else if (x == 0 || y == 0 || x == m_width - 1 || y == m_height - 1) {
                m_depth[index] = 1;
                queue.push_back(int(index));
            }
        }
    }
    while (!queue.empty()) {
        const int at = queue.front();
        queue.pop_front();
        const int x = at % m_width;
        const int y = at / m_width;
        const int next = m_depth[size_t(at)] + 1;
        const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& n : neighbours) {
            if (n[0] < 0 || n[1] < 0 || n[0] >= m_width || n[1] >= m_height)
                continue;
            const size_t index = size_t(n[1] * m_width + n[0]);
            if (m_depth[index] > next) {
                m_depth[index] = next;
                queue.push_back(int(index));
            }
        }
    }
}

int LineRegions::roomiestInnerRegion(int minDepth) const
{
    std::vector<int> room(size_t(m_regionCount), 0);
    for (size_t i = 0; i < m_labels.size(); ++i) {
        if (m_labels[i] >= 0 && m_depth[i] >= minDepth)
            ++room[size_t(m_labels[i])];
    }
    int best = -1;
    for (int region = 0; region < m_regionCount; ++region) {
        if (m_touchesEdge[size_t(region)] || room[size_t(region)] == 0)
            continue;
        if (best < 0 || room[size_t(region)] > room[size_t(best)])
            best = region;
    }
    return best;
}

QList<QPoint> LineRegions::longestRun(int region, int minDepth) const
{
    QPoint bestStart;
    int bestLength = 0;
    for (int y = 0; y < m_height; ++y) {
        int length = 0;
        for (int x = 0; x <= m_width; ++x) {
            const bool inside = x < m_width && regionAt(x, y) == region && depthAt(x, y) >= minDepth;
            if (inside) {
                ++length;
                continue;
            }
            if (length > bestLength) {
                bestLength = length;
                bestStart = QPoint(x - length, y);
            }
            length = 0;
        }
    }
    if (bestLength == 0)
        return {};
    return {bestStart, bestStart + QPoint(bestLength - 1, 0)};
}
