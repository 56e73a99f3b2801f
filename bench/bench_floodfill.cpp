// SPDX-License-Identifier: GPL-3.0-or-later
// Flood fill of the large white region of a line picture (the region fill
// of every stroke), at 1024 x 768 and 4096 x 3072. Figure: megapixels filled per second
// (counter "MPix/s"). Baseline: the span fill the project started with,
// kept below unchanged, measured in the same run; the ratio is printed at
// the end.
#include "platform/FloodFill.h"

#include "BenchReport.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// ---- baseline: the original span fill (Heckbert / Fishkin), verbatim ----
struct Span
{
    int x1;
    int x2;
    int y;
    int dy;
};

qint64 baselineFloodFill(quint32* pixels, int width, int height, qsizetype stride, int x, int y,
                         quint32 fillColour)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    const quint32 seed = pixels[qsizetype(y) * stride + x];
    if (seed == fillColour)
        return 0;
    qint64 filled = 0;
    std::vector<Span> stack;
    stack.reserve(1024);
    stack.push_back({x, x, y, 1});
    stack.push_back({x, x, y - 1, -1});
    while (!stack.empty()) {
        Span s = stack.back();
        stack.pop_back();
        if (s.y < 0 || s.y >= height)
            continue;
        quint32* row = pixels + qsizetype(s.y) * stride;
        int x1 = s.x1;
        const int x2 = s.x2;
        int lx = x1;
        if (row[lx] == seed) {
            while (lx > 0 && row[lx - 1] == seed)
                --lx;
            for (int i = lx; i < x1; ++i)
                row[i] = fillColour;
            filled += x1 - lx;
            if (lx < x1)
                stack.push_back({lx, x1 - 1, s.y - s.dy, -s.dy});
        }
        while (x1 <= x2) {
            int start = x1;
            while (x1 < width && row[x1] == seed)
                ++x1;
            for (int i = start; i < x1; ++i)
                row[i] = fillColour;
            filled += x1 - start;
            if (x1 > lx)
                stack.push_back({lx, x1 - 1, s.y + s.dy, s.dy});
            if (x1 - 1 > x2)
                stack.push_back({x2 + 1, x1 - 1, s.y - s.dy, -s.dy});
            ++x1;
            while (x1 < x2 && row[x1] != seed)
                ++x1;
            lx = x1;
        }
    }
    return filled;
}

// ---- the test picture ----
// White page with black outlines (pen about 3 px at 1024 wide): circles,
// ellipses, a wavy line and a few strokes, none cutting the page apart, so
// the page around them is one large white region.
QImage linePicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double s = w / 1024.0;
    p.setPen(QPen(Qt::black, std::max(2.0, 3 * s)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const int cx = int((120 + 150 * i) * s), cy = int((200 + (i % 2) * 300) * s);
        p.drawEllipse(QPoint(cx, cy), int((50 + 10 * i) * s), int((50 + 10 * i) * s));
        p.drawEllipse(QPoint(cx, cy), int((20 + 5 * i) * s), int((30 + 5 * i) * s));
    }
    p.drawEllipse(QRect(int(300 * s), int(560 * s), int(420 * s), int(150 * s)));
    QPolygon wave;
    for (int x = 60; x < 960; x += 8)
        wave << QPoint(int(x * s), int((60 + 25 * std::sin(x / 40.0)) * s));
    p.drawPolyline(wave);
    p.drawLine(QPoint(int(40 * s), int(700 * s)), QPoint(int(250 * s), int(620 * s)));
    p.drawLine(QPoint(int(800 * s), int(620 * s)), QPoint(int(980 * s), int(740 * s)));
    p.end();
    return image;
}

using FillFn = qint64 (*)(quint32*, int, int, qsizetype, int, int, quint32);

void runFill(benchmark::State& state, FillFn fill)
{
    const int w = int(state.range(0));
    const int h = int(state.range(1));
    const QImage original = linePicture(w, h);
    QImage work = original.copy();
    const size_t bytes = size_t(original.sizeInBytes());
    qint64 filled = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.bits(), original.constBits(), bytes); // restore, not timed
        state.ResumeTiming();
        filled = fill(reinterpret_cast<quint32*>(work.bits()), w, h, work.bytesPerLine() / 4, 2, 2,
                      0xFFFF0000u);
        benchmark::DoNotOptimize(filled);
        benchmark::ClobberMemory();
    }
    state.counters["filled_px"] = double(filled);
    state.counters["MPix/s"] = benchmark::Counter(double(filled) / 1e6,
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

void BM_FloodFill(benchmark::State& state)
{
    runFill(state, [](quint32* p, int w, int h, qsizetype s, int x, int y, quint32 c) {
        return floodFill(p, w, h, s, x, y, c);
    });
}

void BM_FloodFill_Baseline(benchmark::State& state)
{
    runFill(state, baselineFloodFill);
}

// Cost of the restore alone, for reference (it is excluded from the above).
void BM_Restore(benchmark::State& state)
{
    const QImage original = linePicture(int(state.range(0)), int(state.range(1)));
    QImage work = original.copy();
    for (auto _ : state) {
        std::memcpy(work.bits(), original.constBits(), size_t(original.sizeInBytes()));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_FloodFill)->Args({1024, 768})->Args({4096, 3072})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill_Baseline)->Args({1024, 768})->Args({4096, 3072})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Restore)->Args({1024, 768})->Args({4096, 3072})->Unit(benchmark::kMillisecond);


} // namespace

int main(int argc, char** argv)
{
    BenchProgram program(argc, argv);
    const TimingReporter& reporter = program.run();
    for (const char* size : {"1024/768", "4096/3072"})
        reporter.printRatio(std::string("floodFill vs baseline at ") + size, std::string("BM_FloodFill/") + size,
                            std::string("BM_FloodFill_Baseline/") + size);
    return 0;
}
