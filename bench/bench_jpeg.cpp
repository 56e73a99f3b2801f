// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a 1024 x 768 coloured picture as a JPEG at quality 90 (the automatic
// save): the binding (TurboJPEG on the RGB32 image's own bits, then the
// file written to /tmp through a flushed temporary file and a rename) against Qt's own QImage::save(path, "JPG", 90) of the same
// image to /tmp, and against Qt's writer followed by the same crash-safe file
// step the binding uses. Figures: pictures per second and megapixels per
// second; the ratios Qt time / binding time are printed at the end (target
// >= 1.2 against Qt's writer).
// The binding's encoder is measured apart against TurboJPEG called directly
// (target >= 0.95). For reference: the 24-bit copy and the encoder on it
// (the section path), and the crash-safe file step against
// a plain overwrite (the binding flushes the new file to the disk before
// the rename; Qt's save overwrites in place without a flush).
#include "imaging/cDIBSection.h"
#include "imaging/mIntelJPEGLibrary.h"
#include "platform/AtomicFile.h"

#include "BenchReport.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <turbojpeg.h>

namespace {

const QString BindingPath = QStringLiteral("/tmp/tintaloo-bench-binding.jpg");
const QString QtPath = QStringLiteral("/tmp/tintaloo-bench-qt.jpg");

// A coloured page: smooth shaded background, flat crayon-coloured shapes with
// black outlines, and a little grain, as a child's picture after colouring.
const QImage& picture()
{
    static const QImage image = [] {
        QImage img(1024, 768, QImage::Format_RGB32);
        quint32 noise = 88172645u;
        for (int y = 0; y < img.height(); ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                noise ^= noise << 13;
                noise ^= noise >> 17;
                noise ^= noise << 5;
                const int g = int(noise % 9) - 4;
                const int r = int(170 + 60 * std::sin(x / 90.0) + g);
                const int gr = int(200 + 40 * std::cos(y / 70.0) + g);
                const int b = int(230 - 50 * std::sin((x + y) / 150.0) + g);
                row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(gr, 0, 255), std::clamp(b, 0, 255));
            }
        }
        QPainter p(&img);
        p.setPen(QPen(Qt::black, 3));
        const QColor colours[] = {QColor(230, 40, 40), QColor(40, 160, 60), QColor(250, 210, 30),
                                  QColor(60, 90, 220), QColor(240, 130, 20), QColor(150, 60, 190)};
        for (int i = 0; i < 24; ++i) {
            p.setBrush(colours[i % 6]);
            p.drawEllipse(QPoint(60 + (i * 137) % 900, 60 + (i * 89) % 650), 30 + (i * 7) % 60, 25 + (i * 11) % 50);
        }
        p.end();
        return img;
    }();
    return image;
}

// As the automatic save runs it: straight from the image's own bits.
void BM_Jpeg_Binding(benchmark::State& state)
{
    const QImage& image = picture();
    for (auto _ : state) {
        const bool ok = mIntelJPEGLibrary::SaveJPG(image, BindingPath, 90);
        benchmark::DoNotOptimize(ok);
    }
    state.counters["pictures/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MPix/s"] = benchmark::Counter(image.width() * image.height() / 1e6,
                                                  benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes"] = double(QFile(BindingPath).size());
}

void BM_Jpeg_QtSave(benchmark::State& state)
{
    const QImage& image = picture();
    for (auto _ : state) {
        const bool ok = image.save(QtPath, "JPG", 90);
        benchmark::DoNotOptimize(ok);
    }
    state.counters["pictures/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MPix/s"] = benchmark::Counter(image.width() * image.height() / 1e6,
                                                  benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes"] = double(QFile(QtPath).size());
}

// Qt's writer in the program's place: encoded into memory, then written
// through the same crash-safe file step as the binding. Like for like.
void BM_Jpeg_QtWriterSafeFile(benchmark::State& state)
{
    const QImage& image = picture();
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 90);
        AtomicFile::write(QtPath, bytes);
    }
    state.counters["pictures/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes"] = double(QFile(QtPath).size());
}

// Parts of the binding's time.
void BM_Part_DibFromImage(benchmark::State& state)
{
    const QImage& image = picture();
    for (auto _ : state) {
        cDIBSection dib;
        dib.CreateFromPicture(image);
        benchmark::DoNotOptimize(dib.DIBSectionBitsPtr());
    }
    state.counters["MPix/s"] = benchmark::Counter(image.width() * image.height() / 1e6,
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Part_EncodeOnly(benchmark::State& state)
{
    cDIBSection dib;
    dib.CreateFromPicture(picture());
    tjhandle handle = tjInitCompress();
    unsigned long capacity = tjBufSize(dib.Width(), dib.Height(), TJSAMP_420);
    unsigned char* buffer = tjAlloc(int(capacity));
    for (auto _ : state) {
        unsigned long size = capacity;
        tjCompress2(handle, dib.DIBSectionBitsPtr(), dib.Width(), dib.BytesPerScanLine(), dib.Height(), TJPF_BGR,
                    &buffer, &size, TJSAMP_420, 90, TJFLAG_BOTTOMUP | TJFLAG_NOREALLOC);
        benchmark::DoNotOptimize(size);
    }
    tjFree(buffer);
    tjDestroy(handle);
}

// The binding's encoder alone, from the image's bits, against TurboJPEG
// called directly on the same bits with the same settings and with its
// compressor and output buffer made once for all iterations: the fastest
// this encoder can be.
void BM_Encode_Binding(benchmark::State& state)
{
    const QImage& image = picture();
    for (auto _ : state)
        benchmark::DoNotOptimize(mIntelJPEGLibrary::EncodeJPG(image, 90));
}

void BM_Encode_RawTurboJpeg(benchmark::State& state)
{
    const QImage& image = picture();
    tjhandle handle = tjInitCompress();
    unsigned long capacity = tjBufSize(image.width(), image.height(), TJSAMP_420);
    unsigned char* buffer = tjAlloc(int(capacity));
    for (auto _ : state) {
        unsigned long size = capacity;
        tjCompress2(handle, image.constBits(), image.width(), int(image.bytesPerLine()), image.height(), TJPF_BGRX,
                    &buffer, &size, TJSAMP_420, 90, TJFLAG_NOREALLOC | TJFLAG_FASTDCT);
        benchmark::DoNotOptimize(size);
    }
    tjFree(buffer);
    tjDestroy(handle);
}

// The binding's file step alone (AtomicFile::write: temporary file,
// fdatasync, rename) against a plain in-place overwrite with QFile (what
// QImage::save does), for a JPEG-sized buffer.
QByteArray jpegSizedBytes()
{
    return QByteArray(144 * 1024, 'j');
}

void BM_Part_WriteReplacing(benchmark::State& state)
{
    const QByteArray bytes = jpegSizedBytes();
    for (auto _ : state)
        AtomicFile::write(BindingPath, bytes);
}

void BM_Part_PlainOverwrite(benchmark::State& state)
{
    const QByteArray bytes = jpegSizedBytes();
    for (auto _ : state) {
        QFile file(QtPath);
        file.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(file.write(bytes));
    }
}

BENCHMARK(BM_Jpeg_Binding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg_QtSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg_QtWriterSafeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode_Binding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode_RawTurboJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Part_DibFromImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Part_EncodeOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Part_WriteReplacing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Part_PlainOverwrite)->Unit(benchmark::kMillisecond);


} // namespace

int main(int argc, char** argv)
{
    BenchProgram program(argc, argv);
    const TimingReporter& reporter = program.run();
    reporter.printRatio("binding vs Qt's writer, both through the crash-safe file step", "BM_Jpeg_Binding",
                        "BM_Jpeg_QtWriterSafeFile", "; target 1.2x");
    reporter.printRatio("binding vs QImage::save overwriting in place", "BM_Jpeg_Binding", "BM_Jpeg_QtSave");
    reporter.printRatio("binding's encoder vs raw tjCompress2 on the same bits", "BM_Encode_Binding",
                        "BM_Encode_RawTurboJpeg", "; target 0.95x");
    QFile::remove(BindingPath);
    QFile::remove(QtPath);
    return 0;
}
