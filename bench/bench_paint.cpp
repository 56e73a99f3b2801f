// SPDX-License-Identifier: GPL-3.0-or-later
// The painting engine's hot paths: one paintbrush stamp and one crayon stamp
// (each with its screen copy), one pencil segment of 100 pixels, one palette
// tick (23 bubbles on a 600 x 92 palette), the same tick with the repaint of
// the palette's widget, and one stroke begin on a
// 1024 x 768 line picture (snapshot, flood fill, region mask and the first
// dab). The palette tick with repaint and a whole stroke with its repaints
// also run on an interface enlarged twice (a 2048 x 1536 screen), where
// every repaint is enlarged keeping pure colours. Targets: a stamp under
// 0.1 ms, a tick under 1 ms, a stroke begin under 5 ms. Baseline for the stamps: the same stamp written with the pixel
// buffer's per-pixel accessors and a rounding library call per channel,
// measured in the same run; the ratios and the targets are printed at the end.
#include "paint/BrushTools.h"
#include "paint/Canvas.h"
#include "paint/Palette.h"
#include "platform/InterfaceScale.h"
#include "platform/PictureSurface.h"
#include "platform/Random.h"
#include "ui/SurfaceView.h"
#include "ui/Resources.h"

#include "BenchReport.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr quint32 Key = 0x000000FF;

QImage softBrush(int width, int height, int darkest)
{
    QImage image(width, height, QImage::Format_RGB32);
    const double cx = (width - 1) / 2.0, cy = (height - 1) / 2.0, radius = std::min(width, height) / 2.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot(x - cx, y - cy) / radius;
            const int g = d >= 1.0 ? 255 : int(darkest + (255 - darkest) * d * d);
            image.setPixel(x, y, qRgb(g, g, g));
        }
    return image;
}

cNDib dibOf(const QImage& image)
{
    cNDib dib;
    dib.Make_From_Image(image);
    return dib;
}

cNDib filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return dibOf(image);
}

// White page with outlines that leave one large white region.
QImage linePicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 3));
    for (int i = 0; i < 6; ++i) {
        const QPoint c(120 + 150 * i, 200 + (i % 2) * 300);
        p.drawEllipse(c, 50 + 10 * i, 50 + 10 * i);
        p.drawEllipse(c, 20 + 5 * i, 30 + 5 * i);
    }
    p.drawEllipse(QRect(300, 560, 420, 150));
    p.drawRect(0, 0, w - 1, h - 1);
    return image;
}

// ---- baseline: the stamp through the pixel buffer's accessors ----
void baselineStamp(cNDib& canvas, const cNDib& mask, const cNDib& brush, int X, int Y, quint32 key, uint8_t R,
                   uint8_t G, uint8_t B, QImage& screen)
{
    const int CW = canvas.Width() + 1, CH = canvas.Height() + 1;
    const int hw = brush.Width() / 2, hh = brush.Height() / 2;
    const int bx = X - hw, by = Y - hh;
    const int x0 = std::max(0, bx), y0 = std::max(0, by);
    const int x1 = X + hw > CW - 1 ? CW : X + hw + 1;
    const int y1 = Y + hh > CH - 1 ? CH : Y + hh + 1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            if (mask.Get_Pixel_Long(x, y) != key)
                continue;
            const double a = brush.Get_Channel(x - bx, y - by, 0) / 255.0;
            const double b = 1.0 - a;
            if (b == 0)
                continue;
            uint8_t r0 = 0, g0 = 0, b0 = 0;
            canvas.Get_Pixel(x, y, r0, g0, b0);
            canvas.Set_Pixel(x, y, uint8_t(std::nearbyint(r0 * a + R * b)), uint8_t(std::nearbyint(g0 * a + G * b)),
                             uint8_t(std::nearbyint(b0 * a + B * b)));
        }
    canvas.Set_dib_Area(x0, y0, x0, y0, x1 - x0 + 2, y1 - y0 + 2, screen);
}

template<typename Stamp>
void runStamp(benchmark::State& state, const QImage& brushPicture, Stamp stamp)
{
    cNDib canvas = filled(1024, 768, 0xFFFFFFFFu);
    const cNDib mask = filled(1024, 768, 0xFFFF0000u);
    const cNDib brush = dibOf(brushPicture);
    QImage screen(1024, 768, QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        // Moving dabs of changing colour, as a stroke lays them down.
        const int x = 200 + (i % 600);
        const uint8_t c = uint8_t(i * 7);
        stamp(canvas, mask, brush, x, 384, Key, c, uint8_t(255 - c), 100, screen);
        ++i;
        benchmark::ClobberMemory();
    }
}

void BM_PaintbrushStamp(benchmark::State& state)
{
    runStamp(state, softBrush(112, 106, 126), stamp_brush);
}
void BM_PaintbrushStamp_Baseline(benchmark::State& state)
{
    runStamp(state, softBrush(112, 106, 126), baselineStamp);
}
void BM_CrayonStamp(benchmark::State& state)
{
    runStamp(state, softBrush(38, 34, 92), stamp_brush);
}
void BM_CrayonStamp_Baseline(benchmark::State& state)
{
    runStamp(state, softBrush(38, 34, 92), baselineStamp);
}

void BM_PencilSegment100(benchmark::State& state)
{
    QImage surface(1024, 768, QImage::Format_RGB32);
    surface.fill(0xFFFFFFFFu);
    const cNDib mask = filled(1024, 768, 0xFFFF0000u);
    int i = 0;
    for (auto _ : state) {
        const int16_t y = int16_t(100 + (i % 500));
        benchmark::DoNotOptimize(LineGP(surface, mask, 100, y, 200, int16_t(y + 37), quint32(i) & 0xFFFFFF, Key));
        ++i;
    }
}

void BM_PaletteTick(benchmark::State& state)
{
    static const int sizes[23][2] = {{20, 20}, {43, 43}, {20, 19}, {26, 28}, {19, 18}, {44, 43}, {33, 29}, {16, 17},
                                     {47, 43}, {23, 21}, {23, 22}, {46, 40}, {35, 34}, {33, 29}, {17, 17}, {26, 27},
                                     {19, 18}, {26, 26}, {20, 22}, {20, 20}, {46, 40}, {26, 28}, {44, 43}};
    Palette::Pictures pictures;
    for (int i = 0; i < Palette::BubbleCount; ++i) {
        QImage disc(sizes[i][0], sizes[i][1], QImage::Format_RGB32);
        disc.fill(0xFF000000u);
        QPainter p(&disc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(i * 15, 200, 230));
        p.drawEllipse(disc.rect());
        pictures[size_t(i)] = disc;
    }
    Random random(1);
    Palette palette(random);
    palette.setup(pictures, QSize(600, 92), 1.0f);
    QImage image(600, 92, QImage::Format_RGB32);
    Palette::HotCornerInput corner;
    corner.autoHide = true;
    corner.pointer = QPoint(500, 500);
    corner.buttonHeight = 30;
    corner.cornerWidth = 150;
    corner.buttonsVisible = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(palette.tick(image, 0xFF3060A0u, corner));
}

// The palette as the window runs it: the program's own bubble art on a
// 292 x 132 palette (a 1024-pixel-wide screen) at the default speed, each
// tick followed by the repaint of the palette's widget, event delivery and
// painting included. The baseline draws and repaints the whole palette on
// every tick, as a window that does not track what moved must.
// The interface enlarged by a factor while a benchmark runs.
class ScaledInterface
{
public:
    explicit ScaledInterface(qreal factor) { InterfaceScale::apply(factor); }
    ~ScaledInterface() { InterfaceScale::apply(1.0); }
    ScaledInterface(const ScaledInterface&) = delete;
    ScaledInterface& operator=(const ScaledInterface&) = delete;
};

void paletteTickWithRepaint(benchmark::State& state, bool whole, qreal scale = 1.0)
{
    const ScaledInterface scaled(scale);
    Palette::Pictures pictures;
    for (int i = 0; i < Palette::BubbleCount; ++i)
        pictures[size_t(i)] = Resources::bubble(i);
    Random random(1);
    Palette palette(random);
    PictureSurface surface(QSize(292, 132), 0xFFFFFFFFu);
    SurfaceView view(surface);
    view.fitToSurface();
    view.show();
    palette.setup(pictures, surface.size(), 4.0f);
    // Bubbles spread over the palette, as after a while of running.
    for (int i = 0; i < 600; ++i)
        palette.tick(surface.image(), surface.backColor());
    QCoreApplication::processEvents();
    for (auto _ : state) {
        if (whole)
            palette.invalidate();
        palette.tick(surface.image(), surface.backColor());
        if (whole) {
            surface.refresh();
        } else {
            for (const QRect& rect : palette.changedRects())
                surface.refresh(rect);
        }
        QCoreApplication::processEvents();
    }
}

void BM_PaletteTickRepaint(benchmark::State& state)
{
    paletteTickWithRepaint(state, false);
}

void BM_PaletteTickRepaint_Baseline(benchmark::State& state)
{
    paletteTickWithRepaint(state, true);
}

void BM_PaletteTickRepaint_Scale2(benchmark::State& state)
{
    paletteTickWithRepaint(state, false, 2.0);
}

// The 1024 x 768 line picture open on a canvas, in a blue crayon.
struct OpenPage
{
    OpenPage()
    {
        const QString path = dir.filePath(QStringLiteral("page.bmp"));
        linePicture(1024, 768).save(path, "BMP");
        canvas.setBrushPictures(softBrush(38, 34, 92), softBrush(112, 106, 126), softBrush(8, 8, 165));
        canvas.openPicture(path, {});
        canvas.setCurrentColor(0x3366CC);
    }
    QTemporaryDir dir;
    Random random{1};
    Canvas canvas{random};
};

// A crayon stroke of 60 moves across the picture, each followed by the
// repaint of the canvas widget, as a child draws it.
void strokeWithRepaint(benchmark::State& state, qreal scale)
{
    const ScaledInterface scaled(scale);
    OpenPage page;
    Canvas& canvas = page.canvas;
    SurfaceView view(canvas.P);
    view.fitToSurface();
    view.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        canvas.beginStroke(40, 40);
        QCoreApplication::processEvents();
        for (int i = 1; i <= 60; ++i) {
            canvas.moveStroke(40 + i * 15, 40 + (i % 7) * 4);
            QCoreApplication::processEvents();
        }
        canvas.endStroke();
        QCoreApplication::processEvents();
    }
}

void BM_StrokeRepaint(benchmark::State& state)
{
    strokeWithRepaint(state, 1.0);
}

void BM_StrokeRepaint_Scale2(benchmark::State& state)
{
    strokeWithRepaint(state, 2.0);
}

void BM_StrokeBegin(benchmark::State& state)
{
    OpenPage page;
    Canvas& canvas = page.canvas;
    for (auto _ : state) {
        canvas.beginStroke(40, 40); // the large white region
        state.PauseTiming();
        canvas.endStroke();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_PaintbrushStamp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintbrushStamp_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CrayonStamp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CrayonStamp_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PencilSegment100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaletteTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaletteTickRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaletteTickRepaint_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaletteTickRepaint_Scale2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StrokeRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokeRepaint_Scale2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokeBegin)->Unit(benchmark::kMillisecond);


} // namespace

int main(int argc, char** argv)
{
    BenchProgram program(argc, argv);
    const TimingReporter& reporter = program.run();
    for (const char* name : {"BM_PaintbrushStamp", "BM_CrayonStamp"})
        reporter.printRatio(std::string(name) + " vs per-pixel accessors", name, std::string(name) + "_Baseline");
    reporter.printTarget("paintbrush stamp", "BM_PaintbrushStamp", 0.1);
    reporter.printTarget("crayon stamp", "BM_CrayonStamp", 0.1);
    reporter.printRatio("palette tick with repaint vs whole palette every tick", "BM_PaletteTickRepaint",
                        "BM_PaletteTickRepaint_Baseline");
    reporter.printTarget("palette tick", "BM_PaletteTick", 1.0);
    reporter.printTarget("palette tick with repaint", "BM_PaletteTickRepaint", 1.0);
    reporter.printTarget("stroke begin", "BM_StrokeBegin", 5.0);
    reporter.printRatio("palette tick with repaint, interface at 1 vs at 2", "BM_PaletteTickRepaint_Scale2",
                        "BM_PaletteTickRepaint", " (below 1: slower at 2)");
    reporter.printRatio("stroke of 60 moves with repaints, interface at 1 vs at 2", "BM_StrokeRepaint_Scale2",
                        "BM_StrokeRepaint", " (below 1: slower at 2)");
    return 0;
}
