// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineArt.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <vector>

namespace LineArt {

namespace {

constexpr uchar Black = 0;
constexpr uchar White = 255;

// Whether the square of side `side` with its top-left corner at (x, y) lies
// inside the picture and holds only pixels of `value`.
bool squareOf(const QImage& picture, int x, int y, int side, uchar value)
{
    if (x + side > picture.width() || y + side > picture.height())
        return false;
    for (int dy = 0; dy < side; ++dy) {
        const uchar* row = picture.constScanLine(y + dy) + x;
        for (int dx = 0; dx < side; ++dx)
            if (row[dx] != value)
                return false;
    }
    return true;
}

// The white region 4-connected to `seed`, as pixel indices; marks them seen.
void collectRegion(const QImage& picture, int seed, std::vector<char>& seen, std::vector<int>& region)
{
    const int width = picture.width();
    const int height = picture.height();
    region.clear();
    std::vector<int> pending{seed};
    seen[std::size_t(seed)] = 1;
    while (!pending.empty()) {
        const int at = pending.back();
        pending.pop_back();
        region.push_back(at);
        const int x = at % width;
        const int y = at / width;
        const auto visit = [&](int nx, int ny) {
            if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                return;
            const int next = ny * width + nx;
            if (seen[std::size_t(next)] || picture.constScanLine(ny)[nx] != White)
                return;
            seen[std::size_t(next)] = 1;
            pending.push_back(next);
        };
        visit(x - 1, y);
        visit(x + 1, y);
        visit(x, y - 1);
        visit(x, y + 1);
    }
}

bool roomyEnough(const QImage& picture, const std::vector<int>& region)
{
    if (region.size() < std::size_t(SmallestRegion))
        return false;
    const int width = picture.width();
    for (int at : region)
        if (squareOf(picture, at % width, at / width, ThinnestRegion, White))
            return true;
    return false;
}

}

QImage render(const QString& svgPath, QString* error)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        *error = QStringLiteral("not a readable SVG drawing");
        return {};
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty() || size.width() > MaxWidth || size.height() > MaxHeight) {
        *error = QStringLiteral("size %1 x %2 is empty or larger than %3 x %4")
                     .arg(size.width()).arg(size.height()).arg(MaxWidth).arg(MaxHeight);
        return {};
    }
    QImage large(size * Supersample, QImage::Format_RGB32);
    large.fill(Qt::white);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(large.size())));
    }
    QImage picture = reduceWithThreshold(large.convertToFormat(QImage::Format_Grayscale8));
    closeSpecks(picture);
    return picture;
}

QImage reduceWithThreshold(const QImage& large)
{
    QImage picture(large.width() / Supersample, large.height() / Supersample, QImage::Format_Grayscale8);
    constexpr int Threshold = HalfGrey * Supersample * Supersample;
    for (int y = 0; y < picture.height(); ++y) {
        uchar* out = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            int sum = 0;
            for (int dy = 0; dy < Supersample; ++dy) {
                const uchar* in = large.constScanLine(y * Supersample + dy) + x * Supersample;
                for (int dx = 0; dx < Supersample; ++dx)
                    sum += in[dx];
            }
            out[x] = sum < Threshold ? Black : White;
        }
    }
    return picture;
}

int closeSpecks(QImage& picture)
{
    const int width = picture.width();
    const int height = picture.height();
    std::vector<char> seen(std::size_t(width) * std::size_t(height), 0);
    std::vector<int> region;
    int closed = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int at = y * width + x;
            if (seen[std::size_t(at)] || picture.constScanLine(y)[x] != White)
                continue;
            collectRegion(picture, at, seen, region);
            if (roomyEnough(picture, region))
                continue;
            for (int pixel : region)
                picture.scanLine(pixel / width)[pixel % width] = Black;
            ++closed;
        }
    }
    return closed;
}

ThinStretch longestThinStretch(const QImage& picture)
{
    const int width = picture.width();
    const int height = picture.height();
    // Mark every pixel covered by some black square; black pixels left
    // unmarked are thinner than the square.
    std::vector<char> thin(std::size_t(width) * std::size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        const uchar* row = picture.constScanLine(y);
        for (int x = 0; x < width; ++x)
            thin[std::size_t(y * width + x)] = row[x] == Black;
    }
    for (int y = 0; y + ThinnestLine <= height; ++y)
        for (int x = 0; x + ThinnestLine <= width; ++x)
            if (squareOf(picture, x, y, ThinnestLine, Black))
                for (int dy = 0; dy < ThinnestLine; ++dy)
                    for (int dx = 0; dx < ThinnestLine; ++dx)
                        thin[std::size_t((y + dy) * width + x + dx)] = 0;
    // The largest 8-connected group of thin pixels.
    ThinStretch longest;
    std::vector<int> pending;
    for (int start = 0; start < width * height; ++start) {
        if (!thin[std::size_t(start)])
            continue;
        int size = 0;
        thin[std::size_t(start)] = 0;
        pending.assign(1, start);
        while (!pending.empty()) {
            const int at = pending.back();
            pending.pop_back();
            ++size;
            const int x = at % width;
            const int y = at / width;
            for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny)
                for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx)
                    if (thin[std::size_t(ny * width + nx)]) {
                        thin[std::size_t(ny * width + nx)] = 0;
                        pending.push_back(ny * width + nx);
                    }
        }
        if (size > longest.length)
            longest = {size, QPoint(start % width, start / width)};
    }
    return longest;
}

}
