// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/LineArt.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace LineArt {

namespace {

// How much darker (in grey levels) the fine blur must be than the coarse
// one for an edge: above the noise of a phone photo, below a soft shadow.
constexpr float EdgeThreshold = 4.0f;
constexpr float FineSigma = 1.0f;
constexpr float CoarseSigma = 2.5f;

struct Plane
{
    int width = 0;
    int height = 0;
    std::vector<float> values;
};

// One colour channel (shift 16 red, 8 green, 0 blue) of an RGB32 picture.
Plane channelOf(const QImage& rgb, int shift)
{
    Plane plane{rgb.width(), rgb.height(), std::vector<float>(size_t(rgb.width()) * size_t(rgb.height()))};
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        float* out = plane.values.data() + size_t(y) * size_t(plane.width);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = float((row[x] >> shift) & 0xFF);
    }
    return plane;
}

// One running-sum box blur of the given radius along rows (step 1) or
// columns (step width), edges repeated.
void boxPass(const std::vector<float>& from, std::vector<float>& to, int lines, int length, int lineStep,
             int step, int radius)
{
    const float scale = 1.0f / float(2 * radius + 1);
    for (int line = 0; line < lines; ++line) {
        const float* in = from.data() + size_t(line) * size_t(lineStep);
        float* out = to.data() + size_t(line) * size_t(lineStep);
        auto at = [in, length, step](int i) { return in[size_t(std::clamp(i, 0, length - 1)) * size_t(step)]; };
        float sum = 0.0f;
        for (int i = -radius; i <= radius; ++i)
            sum += at(i);
        for (int i = 0; i < length; ++i) {
            out[size_t(i) * size_t(step)] = sum * scale;
            sum += at(i + radius + 1) - at(i - radius);
        }
    }
}

// Three box blurs in each direction: close to a Gaussian of sigma.
Plane blurred(const Plane& source, float sigma)
{
    const int radius = std::max(1, int(std::lround((std::sqrt(4.0f * sigma * sigma + 1.0f) - 1.0f) / 2.0f)));
    Plane result = source;
    std::vector<float> scratch(result.values.size());
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(result.values, scratch, result.height, result.width, result.width, 1, radius);
        boxPass(scratch, result.values, result.width, result.height, 1, result.width, radius);
    }
    return result;
}

// Black (1) where any pixel of the square of side MinLineWidth around it is.
std::vector<quint8> thickened(const std::vector<quint8>& lines, int width, int height)
{
    const int reach = MinLineWidth / 2;
    std::vector<quint8> across(lines.size(), 0);
    std::vector<quint8> result(lines.size(), 0);
    for (int y = 0; y < height; ++y) {
        const quint8* in = lines.data() + size_t(y) * size_t(width);
        quint8* out = across.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x)
            for (int dx = -reach; dx <= reach && !out[x]; ++dx)
                out[x] = in[std::clamp(x + dx, 0, width - 1)];
    }
    for (int y = 0; y < height; ++y) {
        quint8* out = result.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x)
            for (int dy = -reach; dy <= reach && !out[x]; ++dy)
                out[x] = across[size_t(std::clamp(y + dy, 0, height - 1)) * size_t(width) + size_t(x)];
    }
    return result;
}

// White areas (4-connected, as colour fills them) smaller than
// MinRegionPixels become black; returns their pixels.
std::vector<int> fillSmallAreas(std::vector<quint8>& black, int width, int height)
{
    std::vector<int> filled;
    std::vector<quint8> seen(black.size(), 0);
    std::vector<int> stack;
    std::vector<int> area;
    for (int start = 0; start < int(black.size()); ++start) {
        if (black[size_t(start)] || seen[size_t(start)])
            continue;
        area.clear();
        stack.assign(1, start);
        seen[size_t(start)] = 1;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            area.push_back(at);
            const int x = at % width;
            const int neighbours[4] = {x > 0 ? at - 1 : -1, x + 1 < width ? at + 1 : -1, at - width,
                                       at + width < width * height ? at + width : -1};
            for (int next : neighbours)
                if (next >= 0 && !black[size_t(next)] && !seen[size_t(next)]) {
                    seen[size_t(next)] = 1;
                    stack.push_back(next);
                }
        }
        if (int(area.size()) < MinRegionPixels) {
            for (int at : area)
                black[size_t(at)] = 1;
            filled.insert(filled.end(), area.begin(), area.end());
        }
    }
    return filled;
}

} // namespace

QImage fromPhoto(const QImage& photo)
{
    if (photo.isNull())
        return {};
    const QImage rgb = (photo.width() > MaxSide || photo.height() > MaxSide
                            ? photo.scaled(MaxSide, MaxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            : photo)
                           .convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    // Each colour on its own: a yellow shape on a grey sky of the same
    // lightness still has its edge in blue.
    std::vector<quint8> lines(size_t(width) * size_t(height), 0);
    for (int shift : {16, 8, 0}) {
        const Plane channel = channelOf(rgb, shift);
        const Plane fine = blurred(channel, FineSigma);
        const Plane coarse = blurred(channel, CoarseSigma);
        for (size_t i = 0; i < lines.size(); ++i)
            if (fine.values[i] - coarse.values[i] < -EdgeThreshold)
                lines[i] = 1;
    }
    std::vector<quint8> black = thickened(lines, width, height);
    // A filled area is as thick as a line only with its square around it
    // (a white corner may touch it diagonally), which can leave another
    // area too small: until nothing changes, black only grows.
    for (std::vector<int> filled = fillSmallAreas(black, width, height); !filled.empty();
         filled = fillSmallAreas(black, width, height)) {
        for (int at : filled) {
            const int x = at % width;
            const int y = at / width;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (x + dx >= 0 && x + dx < width && y + dy >= 0 && y + dy < height)
                        black[size_t(y + dy) * size_t(width) + size_t(x + dx)] = 1;
        }
    }

    QImage result(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        const quint8* in = black.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x)
            row[x] = in[x] ? 0xFF000000u : 0xFFFFFFFFu;
    }
    return result;
}

} // namespace LineArt
