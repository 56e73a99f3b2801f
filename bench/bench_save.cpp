// SPDX-License-Identifier: GPL-3.0-or-later
// One automatic save of a coloured 750 x 480 canvas: thumbnails deleted, the
// canvas encoded as a JPEG at quality 90 in memory and written beside its
// book. Target: under 20 ms. Baseline: the same save through a temporary BMP
// file written, read back and deleted before the encoding, as the save was
// first designed; measured in the same run, ratio printed at the end.
#include "imaging/cDIBSection.h"
#include "imaging/mIntelJPEGLibrary.h"
#include "paint/Canvas.h"
#include "paint/PictureSaver.h"
#include "platform/ImageFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"

#include "BenchReport.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// A folder with one book picture opened and coloured on a canvas.
struct ColouredPicture
{
    ColouredPicture()
        : folder(dir.path())
        , canvas(random)
    {
        const QString path = dir.path() + QStringLiteral("/books/Animals/cat.bmp");
        QDir().mkpath(dir.path() + QStringLiteral("/books/Animals"));
        QImage lines(750, 480, QImage::Format_RGB32);
        lines.fill(0xFFFFFFFFu);
        QPainter p(&lines);
        p.setPen(QPen(Qt::black, 3));
        for (int i = 0; i < 8; ++i)
            p.drawEllipse(QPoint(90 * i + 40, 240), 35 + 5 * i, 120 - 8 * i);
        p.end();
        lines.save(path, "BMP");

        QImage crayon(38, 34, QImage::Format_RGB32);
        crayon.fill(qRgb(92, 92, 92));
        canvas.setBrushPictures(crayon, crayon, crayon);
        canvas.openPicture(path, {});
        canvas.setCrazyColours(true);
        for (int i = 0; i < 60; ++i) {
            canvas.setCurrentColor(quint32(i * 0x051A33) & 0xFFFFFF);
            canvas.beginStroke(10 + i * 12, 20 + (i * 37) % 440);
            canvas.endStroke();
        }
    }

    QTemporaryDir dir;
    ProgramFolder folder;
    Random random{5};
    Canvas canvas;
};

// The first design: canvas -> temporary BMP -> stored picture -> DIB -> JPEG.
bool baselineCanvasToJpeg(PictureSurface& canvas, const ProgramFolder& folder, const QString& target)
{
    const QString temp = folder.path(QStringLiteral("/temp.bmp"));
    canvas.saveBmp(temp);
    canvas.setPicture(ImageFile::read(temp), false);
    cDIBSection dib;
    dib.CreateFromPicture(canvas.picture());
    QFile::remove(temp);
    return mIntelJPEGLibrary::SaveJPG(dib, target, PictureSaver::JpegQuality);
}

void BM_AutoSave(benchmark::State& state)
{
    ColouredPicture picture;
    for (auto _ : state)
        PictureSaver::autoSave(picture.canvas, picture.folder);
    if (picture.canvas.Last_saved_picture().isEmpty())
        state.SkipWithError("nothing was saved");
}

void BM_AutoSave_Baseline(benchmark::State& state)
{
    ColouredPicture picture;
    const QString target = picture.folder.path(QStringLiteral("/colored pictures/Animals/cat.bmp.jpg"));
    QDir().mkpath(picture.folder.path(QStringLiteral("/colored pictures/Animals")));
    for (auto _ : state) {
        QFile::remove(target + QStringLiteral(".tnl"));
        QFile::remove(picture.folder.path(QStringLiteral("/books/Animals/cat.bmp.tnl")));
        benchmark::DoNotOptimize(baselineCanvasToJpeg(picture.canvas.P, picture.folder, target));
    }
}

BENCHMARK(BM_AutoSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoSave_Baseline)->Unit(benchmark::kMillisecond);


} // namespace

int main(int argc, char** argv)
{
    BenchProgram program(argc, argv);
    const TimingReporter& reporter = program.run();
    reporter.printRatio("autoSave vs temporary-BMP route", "BM_AutoSave", "BM_AutoSave_Baseline");
    reporter.printTarget("automatic save of a 750 x 480 canvas", "BM_AutoSave", 20.0, TimingReporter::Clock::Wall);
    return 0;
}
