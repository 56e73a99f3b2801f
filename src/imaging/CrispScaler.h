// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

// Enlarges an image for a screen that shows more than one device pixel per
// image pixel, without inventing colours: each device pixel takes the colour
// that covers most of it among the four nearest image pixels (bilinear
// weights). Outlines stay pure black on white and their edges follow the
// drawing instead of doubling its staircase, where smooth scaling would give
// them a grey fringe and nearest-pixel scaling uneven, jagged lines.
class CrispScaler
{
public:
    // Fills `area` (device pixels) of `target` with `source` shown `factor`
    // times larger (factor > 0; below 1 the result is a plain sample). Both
    // images are 32-bit; `area` is clipped to the target.
    void scale(const QImage& source, QImage& target, const QRect& area, qreal factor);

    // The whole image enlarged for a screen of this device pixel ratio,
    // marked with it so that it is drawn at its original size in logical
    // pixels. A ratio of 1 or less returns the image itself.
    static QImage enlarged(const QImage& image, qreal devicePixelRatio);

private:
    struct Tap
    {
        int first;      // first of the two source pixels
        int second;     // the other one (the same at the image's edge)
        int farWeight;  // weight of `second`, out of 256
    };
    static void computeTaps(std::vector<Tap>& taps, int from, int count, qreal factor, int sourceLength);
    // One row of device pixels between two source rows, `down` (out of 256)
    // the weight of the lower one.
    void scaleRow(const QRgb* upper, const QRgb* lower, int down, QRgb* out, int width) const;

    std::vector<Tap> m_columns;
    std::vector<Tap> m_rows;
};
