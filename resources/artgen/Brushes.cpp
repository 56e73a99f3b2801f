// SPDX-License-Identifier: GPL-3.0-or-later
// The three brush shapes: grey pictures, white outside, the darker a pixel
// the more paint it lays down. Each follows a mean grey-by-distance profile
// around the brush's stamping centre ((w - 1) / 2, (h - 1) / 2), roughened by
// seeded noise: the crayon waxy and uneven, the paintbrush soft.
#include "ArtWriter.h"
#include "Generators.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct ProfilePoint {
    double distance;
    double grey;
};

struct BrushDesign {
    int width, height;
    int darkest;
    std::vector<ProfilePoint> profile; // ends at white
    double wobble;     // irregularity of the outline, as a fraction of the radius
    double grain;      // pixel noise, grey levels either way
    uint32_t seed;
};

double profileAt(const std::vector<ProfilePoint>& profile, double d)
{
    if (d <= profile.front().distance)
        return profile.front().grey;
    for (size_t i = 1; i < profile.size(); ++i) {
        const ProfilePoint& a = profile[i - 1];
        const ProfilePoint& b = profile[i];
        if (d <= b.distance)
            return a.grey + (b.grey - a.grey) * (d - a.distance) / (b.distance - a.distance);
    }
    return 255.0;
}

// Uniform in [-1, 1) from the raw generator, identical on every platform.
double signedUnit(std::mt19937& engine)
{
    return (engine() >> 8) / double(1u << 24) * 2.0 - 1.0;
}

QImage brush(const BrushDesign& design)
{
    QImage image(design.width, design.height, QImage::Format_RGB32);
    std::mt19937 engine(design.seed);
    const int cx = (design.width - 1) / 2;
    const int cy = (design.height - 1) / 2;
    const double phase1 = signedUnit(engine) * M_PI;
    const double phase2 = signedUnit(engine) * M_PI;
    for (int y = 0; y < design.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < design.width; ++x) {
            const double dx = x - cx;
            const double dy = y - cy;
            const double angle = std::atan2(dy, dx);
            const double bend = 1.0 + design.wobble * (0.6 * std::sin(3 * angle + phase1) +
                                                     0.4 * std::sin(5 * angle + phase2));
            double grey = profileAt(design.profile, std::hypot(dx, dy) * bend);
            const double noise = signedUnit(engine) * design.grain;
            if (grey < 255.0)
                grey = std::clamp(grey + noise, double(design.darkest), 255.0);
            const int g = int(std::lround(grey));
            row[x] = qRgb(g, g, g);
        }
    }
    image.setPixel(cx, cy, qRgb(design.darkest, design.darkest, design.darkest));
    return image;
}

} // namespace

void makeBrushes(ArtWriter& out)
{
    const BrushDesign crayon{38, 34, 92,
                           {{3, 96}, {8, 126}, {12, 171}, {14, 214}, {16, 246}, {19, 255}},
                           0.05, 7.0, 20240601u};
    const BrushDesign paintbrush{112, 106, 126,
                               {{10, 128}, {20, 143}, {28, 171}, {36, 211}, {44, 242}, {52, 253}, {60, 255}},
                               0.015, 2.0, 20240602u};
    const BrushDesign pencil{8, 8, 165, {{0, 165}, {1, 178}, {2, 208}, {3, 240}, {4.2, 255}}, 0.0, 2.0,
                           20240603u};
    out.addImage("brushes/0.png", brush(crayon));
    out.addImage("brushes/1.png", brush(paintbrush));
    out.addImage("brushes/2.png", brush(pencil));
}
