// SPDX-License-Identifier: GPL-3.0-or-later
// The colour picker's per-opening and per-step work: tinting its eighteen
// bubble pictures through HSL (target: under 5 ms, so opening the picker
// never freezes a frame) and one animation step of the eighteen bubbles on
// its 444 x 310 area with the repaint of the area's widget (target: under
// 1 ms). Baselines: the tint without the one-pixel memory of a flat
// bubble, and the step drawing and repainting the whole area.
#include "paint/PickerBubbles.h"
#include "platform/PictureSurface.h"
#include "platform/Random.h"
#include "ui/SurfaceView.h"
#include "ui/Resources.h"

#include "BenchReport.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

PickerBubbles::Pictures art()
{
    PickerBubbles::Pictures pictures;
    for (int k = 0; k < PickerBubbles::Count; ++k)
        pictures[size_t(k)] = Resources::pickerBubble(k);
    return pictures;
}

void BM_PickerTint(benchmark::State& state)
{
    Random random(1);
    PickerBubbles bubbles(random);
    bubbles.setPictures(art());
    const qint32 colours[] = {modHSL::rgb(255, 0, 0), modHSL::rgb(30, 90, 200), modHSL::rgb(128, 128, 128),
                              modHSL::rgb(250, 200, 20)};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(bubbles.tint(colours[i++ % 4]));
}

// Every pixel through HSL and back, as a plain loop over the pictures.
void BM_PickerTint_Baseline(benchmark::State& state)
{
    const PickerBubbles::Pictures pictures = art();
    std::array<cNDib, PickerBubbles::Count> originals;
    std::array<cNDib, PickerBubbles::Count> targets;
    for (int k = 0; k < PickerBubbles::Count; ++k) {
        originals[size_t(k)].Make_From_Image(pictures[size_t(k)]);
        targets[size_t(k)] = originals[size_t(k)];
    }
    const modHSL::HSL chosen = modHSL::RGBtoHSL(modHSL::rgb(30, 90, 200));
    for (auto _ : state)
        for (int k = 0; k < PickerBubbles::Count; ++k) {
            const cNDib& from = originals[size_t(k)];
            cNDib& to = targets[size_t(k)];
            for (int y = 0; y < from.pixelHeight(); ++y)
                for (int x = 0; x < from.pixelWidth(); ++x) {
                    const qint32 c = qint32(from.Get_Pixel_Long(x, y));
                    const modHSL::HSL own = modHSL::RGBtoHSL(c);
                    const qint32 out = modHSL::HSLtoRGB({chosen.H, k <= 9 ? own.S : chosen.S, own.L});
                    to.Set_Pixel(x, y, uint8_t(modHSL::red(out)), uint8_t(modHSL::green(out)),
                                 uint8_t(modHSL::blue(out)));
                }
        }
}

void pickerStep(benchmark::State& state, bool whole)
{
    Random random(1);
    PickerBubbles bubbles(random);
    bubbles.setPictures(art());
    PictureSurface surface(QSize(444, 310), 0xFFFFFFFFu);
    SurfaceView view(surface);
    view.fitToSurface();
    view.show();
    bubbles.place(surface.size());
    bubbles.tint(modHSL::rgb(30, 90, 200));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        if (whole)
            bubbles.invalidate();
        benchmark::DoNotOptimize(bubbles.tick(surface.image(), surface.backColor()));
        if (whole) {
            surface.refresh();
        } else {
            for (const QRect& rect : bubbles.changedRects())
                surface.refresh(rect);
        }
        QCoreApplication::processEvents();
    }
}

void BM_PickerTickRepaint(benchmark::State& state)
{
    pickerStep(state, false);
}

void BM_PickerTickRepaint_Baseline(benchmark::State& state)
{
    pickerStep(state, true);
}

BENCHMARK(BM_PickerTint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickerTint_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickerTickRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PickerTickRepaint_Baseline)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    BenchProgram program(argc, argv);
    const TimingReporter& reporter = program.run();
    reporter.printRatio("picker tint vs per-pixel accessors without memory", "BM_PickerTint",
                        "BM_PickerTint_Baseline");
    reporter.printRatio("picker step with repaint vs whole area every step", "BM_PickerTickRepaint",
                        "BM_PickerTickRepaint_Baseline");
    reporter.printTarget("picker tint (18 bubbles)", "BM_PickerTint", 5.0);
    reporter.printTarget("picker step with repaint", "BM_PickerTickRepaint", 1.0);
    return 0;
}
