// SPDX-License-Identifier: GPL-3.0-or-later
// Photographs made here (gradients, noise, shapes) turned into colouring
// pages: pure black and white, areas a child can colour, lines a child can
// see.
#include "paint/BlackAndWhite.h"
#include "paint/LineArt.h"
#include "platform/FloodFill.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

// A sky-to-grass gradient, nine shapes in colours and greys, and sensor
// noise on every pixel.
QImage photo(int width, int height, unsigned seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(120 + 100 * x / width, 170 - 60 * y / height, 230 - 150 * y / height);
    }
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const QColor colours[] = {QColor(200, 30, 30), QColor(30, 30, 30), QColor(240, 220, 40),
                                  QColor(20, 120, 40), QColor(90, 60, 160), QColor(250, 250, 250),
                                  QColor(130, 80, 20), QColor(60, 60, 60), QColor(20, 160, 200)};
        for (int k = 0; k < 9; ++k) {
            painter.setBrush(colours[k]);
            const QRect box(20 + (k % 3) * width / 3, 20 + (k / 3) * height / 3, width / 4, height / 5);
            if (k % 2)
                painter.drawEllipse(box);
            else
                painter.drawRect(box);
        }
    }
    std::mt19937 random(seed);
    std::normal_distribution<float> noise(0.0f, 6.0f);
    for (int y = 0; y < height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(noise(random));
            row[x] = qRgb(std::clamp(qRed(row[x]) + n, 0, 255), std::clamp(qGreen(row[x]) + n, 0, 255),
                          std::clamp(qBlue(row[x]) + n, 0, 255));
        }
    }
    return image;
}

bool isBlack(const QImage& image, int x, int y)
{
    return x < 0 || y < 0 || x >= image.width() || y >= image.height() || (image.pixel(x, y) & 0xFFFFFF) == 0;
}

// The sizes of the white areas, each filled as a child's colour fills it.
std::vector<qint64> whiteAreas(QImage image)
{
    std::vector<qint64> sizes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == 0xFFFFFFFFu)
                sizes.push_back(floodFill(image, x, y, qRgb(255, 0, 0)));
    return sizes;
}

// Whether the black pixel at (x, y) lies in some black 3 x 3 square (the
// picture's edge counts as black).
bool inThickLine(const QImage& image, int x, int y)
{
    for (int cy = y - 1; cy <= y + 1; ++cy)
        for (int cx = x - 1; cx <= x + 1; ++cx) {
            bool all = true;
            for (int dy = -1; dy <= 1 && all; ++dy)
                for (int dx = -1; dx <= 1 && all; ++dx)
                    all = isBlack(image, cx + dx, cy + dy);
            if (all)
                return true;
        }
    return false;
}

} // namespace

TEST(LineArt, PhotosBecomePagesOfColourableAreasInThickLines)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const QImage page = LineArt::fromPhoto(photo(360, 270, seed));
        ASSERT_EQ(page.size(), QSize(360, 270));
        EXPECT_TRUE(BlackAndWhite::isPure(page));
        const std::vector<qint64> areas = whiteAreas(page);
        EXPECT_GE(areas.size(), 8u);
        EXPECT_GE(*std::min_element(areas.begin(), areas.end()), LineArt::MinRegionPixels);
        int black = 0;
        bool thick = true;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (isBlack(page, x, y)) {
                    ++black;
                    thick = thick && inThickLine(page, x, y);
                }
        EXPECT_TRUE(thick);
        // Lines, not the blobs a threshold leaves: the dark shapes are
        // outlined, not filled.
        EXPECT_LT(black, page.width() * page.height() / 4);
        EXPECT_GT(black, 0);
        EXPECT_FALSE(isBlack(page, 20 + 360 / 3 + 45, 20 + 27)); // inside the dark grey ellipse
    }
    EXPECT_TRUE(LineArt::fromPhoto(QImage()).isNull());
}
