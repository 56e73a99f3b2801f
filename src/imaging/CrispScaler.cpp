// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/CrispScaler.h"

#include <algorithm>
#include <cmath>

void CrispScaler::computeTaps(std::vector<Tap>& taps, int from, int count, qreal factor, int sourceLength)
{
    taps.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        // Centre of the device pixel in source coordinates.
        const qreal at = (from + i + 0.5) / factor - 0.5;
        const qreal floor = std::floor(at);
        int first = int(floor);
        int weight = int(std::lround((at - floor) * 256.0));
        if (first < 0) {
            first = 0;
            weight = 0;
        }
        if (first >= sourceLength - 1) {
            first = sourceLength - 1;
            weight = 0;
        }
        taps[size_t(i)] = {first, std::min(first + 1, sourceLength - 1), weight};
    }
}

void CrispScaler::scale(const QImage& source, QImage& target, const QRect& area, qreal factor)
{
    const QRect clipped = area & target.rect();
    if (clipped.isEmpty() || source.isNull() || factor <= 0.0)
        return;
    computeTaps(m_columns, clipped.left(), clipped.width(), factor, source.width());
    computeTaps(m_rows, clipped.top(), clipped.height(), factor, source.height());

    const qsizetype sourceStride = source.bytesPerLine() / 4;
    const auto* sourceBits = reinterpret_cast<const QRgb*>(source.constBits());
    const qsizetype targetStride = target.bytesPerLine() / 4;
    auto* targetBits = reinterpret_cast<QRgb*>(target.bits());
    // Up to twice the size the nearest pixel always covers most of a device
    // pixel (at 2, 9/16 against 7/16 for all three others together): the
    // enlargement is a plain repeat, and rows that show the same source row
    // are copies of each other. Larger factors let the others outweigh it.
    const bool repeat = factor == 1.0 || factor == 2.0;
    const auto nearest = [](const Tap& tap) { return tap.farWeight >= 128 ? tap.second : tap.first; };

    int copiedRow = -1;
    const QRgb* copiedFrom = nullptr;
    for (int j = 0; j < clipped.height(); ++j) {
        const Tap row = m_rows[size_t(j)];
        QRgb* out = targetBits + (clipped.top() + j) * targetStride + clipped.left();
        if (repeat) {
            const int sourceRow = nearest(row);
            if (sourceRow == copiedRow) {
                std::copy_n(copiedFrom, clipped.width(), out);
                continue;
            }
            const QRgb* in = sourceBits + sourceRow * sourceStride;
            for (int i = 0; i < clipped.width(); ++i)
                out[i] = in[nearest(m_columns[size_t(i)])];
            copiedRow = sourceRow;
            copiedFrom = out;
            continue;
        }
        scaleRow(sourceBits + row.first * sourceStride, sourceBits + row.second * sourceStride, row.farWeight, out,
                 clipped.width());
    }
}

void CrispScaler::scaleRow(const QRgb* upper, const QRgb* lower, int down, QRgb* out, int width) const
{
    for (int i = 0; i < width; ++i) {
        const Tap column = m_columns[size_t(i)];
        const QRgb c[4] = {upper[column.first], upper[column.second], lower[column.first], lower[column.second]};
        // Inside a flat area there is nothing to choose.
        if (c[0] == c[1] && c[0] == c[2] && c[0] == c[3]) {
            out[i] = c[0];
            continue;
        }
        const int right = column.farWeight;
        const int w[4] = {(256 - right) * (256 - down), right * (256 - down), (256 - right) * down, right * down};
        // The colour with the largest summed weight wins; ties go to the
        // nearer pixel, which keeps a factor of 1 an exact copy.
        int best = 0;
        int bestWeight = -1;
        for (int k = 0; k < 4; ++k) {
            int sum = 0;
            for (int m = 0; m < 4; ++m)
                sum += c[m] == c[k] ? w[m] : 0;
            if (sum > bestWeight) {
                bestWeight = sum;
                best = k;
            }
        }
        out[i] = c[best];
    }
}

QImage CrispScaler::enlarged(const QImage& image, qreal devicePixelRatio)
{
    if (image.isNull() || devicePixelRatio <= 1.0 + 1e-6)
        return image;
    const bool thirtyTwoBits = image.depth() == 32;
    const QImage source = thirtyTwoBits ? image
                                        : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                                         : QImage::Format_RGB32);
    QImage target(qMax(1, int(std::ceil(source.width() * devicePixelRatio))),
                  qMax(1, int(std::ceil(source.height() * devicePixelRatio))), source.format());
    CrispScaler scaler;
    scaler.scale(source, target, target.rect(), devicePixelRatio);
    target.setDevicePixelRatio(devicePixelRatio);
    return target;
}
