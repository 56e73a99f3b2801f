// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel buffer's whole-image copies at 1024 x 768: from a
// surface (Make_From_Picture) and back (Set_dib, Set_dib_Area of the whole
// image). Figures: megapixels per second. Baseline: a plain memcpy of the
// same 3 MB, measured in the same run; the ratio (memcpy time / operation
// time, 1.0 = as fast as memcpy) is printed at the end.
#include "imaging/cNDib.h"
#include "platform/PictureSurface.h"

#include "BenchReport.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int W = 1024;
constexpr int H = 768;

PictureSurface& surface()
{
    static PictureSurface s = [] {
        PictureSurface p(QSize(W, H));
        for (int y = 0; y < H; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(p.image().scanLine(y));
            for (int x = 0; x < W; ++x)
                row[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
        }
        return p;
    }();
    return s;
}

void setCounters(benchmark::State& state)
{
    state.counters["MPix/s"] = benchmark::Counter(W * H / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_NDib_MakeFromPicture(benchmark::State& state)
{
    cNDib dib;
    for (auto _ : state) {
        const bool ok = dib.Make_From_Picture(surface());
        benchmark::DoNotOptimize(ok);
        benchmark::ClobberMemory();
    }
    setCounters(state);
}

void BM_NDib_SetDib(benchmark::State& state)
{
    cNDib dib;
    dib.Make_From_Picture(surface());
    PictureSurface target(QSize(W, H));
    for (auto _ : state) {
        dib.Set_dib(target, false);
        benchmark::ClobberMemory();
    }
    setCounters(state);
}

void BM_NDib_SetDibAreaFull(benchmark::State& state)
{
    cNDib dib;
    dib.Make_From_Picture(surface());
    PictureSurface target(QSize(W, H));
    for (auto _ : state) {
        const int rows = dib.Set_dib_Area(0, 0, 0, 0, W, H, target.image());
        benchmark::DoNotOptimize(rows);
        benchmark::ClobberMemory();
    }
    setCounters(state);
}

void BM_Baseline_Memcpy(benchmark::State& state)
{
    std::vector<quint32> from(size_t(W) * H, 0x00123456u), to(size_t(W) * H);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::ClobberMemory();
    }
    setCounters(state);
}

BENCHMARK(BM_NDib_MakeFromPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NDib_SetDib)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NDib_SetDibAreaFull)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline_Memcpy)->Unit(benchmark::kMicrosecond);


} // namespace

int main(int argc, char** argv)
{
    BenchProgram program(argc, argv);
    const TimingReporter& reporter = program.run();
    // 1.0 is memcpy speed for the same bytes.
    for (const char* name : {"BM_NDib_MakeFromPicture", "BM_NDib_SetDib", "BM_NDib_SetDibAreaFull"})
        reporter.printRatio(std::string(name) + " vs memcpy of the same bytes", name, "BM_Baseline_Memcpy");
    return 0;
}
