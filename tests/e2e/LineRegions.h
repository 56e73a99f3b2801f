// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <vector>

// The white regions of a black-and-white line picture, as the crayon sees
// them (4-connected, bounded by the black outlines), with each white pixel's
// distance to the nearest outline or picture edge. Used to pick a region to
// colour and to judge where colour went in a saved picture.
class LineRegions
{
public:
    explicit LineRegions(const QImage& linePicture);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Region number of a pixel; -1 on an outline.
    int regionAt(int x, int y) const { return m_labels[size_t(y * m_width + x)]; }
    // Steps (4-connected) from a pixel to the nearest outline or edge.
    int depthAt(int x, int y) const { return m_depth[size_t(y * m_width + x)]; }

    // The region away from the picture's edges with the most room at least
    // minDepth deep; -1 when there is none.
    int roomiestInnerRegion(int minDepth) const;
    // The longest horizontal line of pixels of region that are at least
    // minDepth deep, as its two ends.
    QList<QPoint> longestRun(int region, int minDepth) const;

private:
    void label(const QImage& picture);
    void measureDepth();

    int m_width = 0;
    int m_height = 0;
    int m_regionCount = 0;
    std::vector<int> m_labels;
    std::vector<int> m_depth;
    std::vector<bool> m_touchesEdge;
};
