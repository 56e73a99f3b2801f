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

    for (int j = 0; j < clipped.height(); ++j) {
        const Tap row = m_rows[size_t(j)];
        const QRgb* upper = sourceBits + row.first * sourceStride;
        const QRgb* lower = sourceBits + row.second * sourceStride;
        QRgb* out = targetBits + (clipped.top() + j) * targetStride + clipped.left();
        const int down = row.farWeight;
        for (int i = 0; i < clipped.width(); ++i) {
            const Tap column = m_columns[size_t(i)];
            const int right = column.farWeight;
            const QRgb c[4] = {upper[column.first], upper[column.second], lower[column.first], lower[column.second]};
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
