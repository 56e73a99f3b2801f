// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a picture pack: 100 pictures of 750 x 480 (90 BMP, 10 GIF,
// about 100 MB) read, split, every picture checked by its structure, and
// installed as a new book through a temporary folder, flushed to the disk
// once. Target: under 2 s and at most twice a "cp -r" of the same picture
// files flushed to the disk as the import is ("sync -f"), with a peak memory
// under 3 times the pack's size. The unflushed "cp -r" is printed beside it:
// the flush alone takes several times as long as that copy. The
// other baseline is the bare minimum: read the pack file and write its
// bytes once.
// Peak memory is measured on the program itself importing the pack from the
// command line (a process of its own, so nothing else is counted).
#include "library/PicturePack.h"
#include "library/PicturePackInstaller.h"
#include "platform/AtomicFile.h"
#include "platform/ImageFile.h"
#include "platform/ProgramFolder.h"

#include "BenchReport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Width = 750;
constexpr int Height = 480;
constexpr int BmpPictures = 90;
constexpr int GifPictures = 10;

QImage page(int seed)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(2, 2, Width - 5, Height - 5);
    painter.drawEllipse(QPoint(Width / 2, Height / 2), 100 + seed % 150, 80 + seed % 120);
    painter.drawLine(0, Height / 2 + seed % 200, Width - 1, Height / 2 - seed % 200);
    return image;
}

// Black and white, 8-bit codes without compression (a clear code every 254
// pixels keeps the code width at 9 bits): about as large as a GIF can be.
QByteArray gif(const QImage& image)
{
    QByteArray out("GIF89a");
    auto le16 = [&out](int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    le16(image.width());
    le16(image.height());
    out.append(char(0xF7)).append('\0').append('\0'); // global table, 256 colours
    for (int i = 0; i < 256; ++i)
        out.append(char(i)).append(char(i)).append(char(i));
    out.append(',');
    le16(0);
    le16(0);
    le16(image.width());
    le16(image.height());
    out.append('\0').append(char(8));
    QByteArray data;
    quint32 acc = 0;
    int bits = 0;
    auto put = [&](int code) {
        acc |= quint32(code) << bits;
        bits += 9;
        while (bits >= 8) {
            data.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (n++ % 254 == 0)
                put(256);
            put(qGray(row[x]));
        }
    }
    put(257);
    if (bits > 0)
        data.append(char(acc & 0xFF));
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray block = data.mid(i, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    return out;
}

class PackFile
{
public:
    PackFile()
    {
        QList<PicturePack::Picture> pictures;
        for (int i = 0; i < BmpPictures + GifPictures; ++i) {
            const QImage image = page(i);
            if (i < BmpPictures)
                pictures.append({QStringLiteral("page%1.bmp").arg(i, 3, 10, QLatin1Char('0')), ImageFile::encodeBmp24(image)});
            else
                pictures.append({QStringLiteral("page%1.gif").arg(i, 3, 10, QLatin1Char('0')), gif(image)});
        }
        // The same pictures as files of their own, for the plain copy.
        QDir().mkpath(filesPath());
        for (const PicturePack::Picture& picture : std::as_const(pictures)) {
            QFile file(filesPath() + QLatin1Char('/') + picture.name);
            if (file.open(QIODevice::WriteOnly))
                file.write(picture.bytes);
        }
        const QByteArray pack = PicturePack::encode(QStringLiteral("Big Book"), pictures);
        m_size = pack.size();
        QFile file(path());
        if (file.open(QIODevice::WriteOnly))
            file.write(pack);
    }

    QString path() const { return m_dir.path() + QStringLiteral("/big.tpk"); }
    QString filesPath() const { return m_dir.path() + QStringLiteral("/Big Book"); }
    qint64 size() const { return m_size; }

private:
    QTemporaryDir m_dir;
    qint64 m_size = 0;
};

const PackFile& packFile()
{
    static const PackFile file;
    return file;
}

void BM_ReadAndWriteOnce(benchmark::State& state)
{
    const PackFile& pack = packFile();
    QTemporaryDir data;
    for (auto _ : state) {
        QFile in(pack.path());
        in.open(QIODevice::ReadOnly);
        const QByteArray bytes = in.readAll();
        if (!AtomicFile::tryWrite(data.path() + QStringLiteral("/copy"), bytes))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_ReadAndWriteOnce)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// What the import is held against: a plain "cp -r" of the pack's pictures
// as separate files into a books folder (no check, no flush).
void BM_CopyFilesWithCp(benchmark::State& state)
{
    const PackFile& pack = packFile();
    QTemporaryDir data;
    const QString target = data.path() + QStringLiteral("/Big Book");
    for (auto _ : state) {
        if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), pack.filesPath(), target}) != 0)
            state.SkipWithError("cp failed");
        state.PauseTiming();
        QDir(target).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CopyFilesWithCp)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The same copy made safe from a crash as the import is: flushed to the
// disk before it counts as done ("sync -f", one syncfs).
void BM_CopyFilesWithCpAndSync(benchmark::State& state)
{
    const PackFile& pack = packFile();
    QTemporaryDir data;
    const QString target = data.path() + QStringLiteral("/Big Book");
    for (auto _ : state) {
        if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), pack.filesPath(), target}) != 0
            || QProcess::execute(QStringLiteral("sync"), {QStringLiteral("-f"), target}) != 0)
            state.SkipWithError("cp or sync failed");
        state.PauseTiming();
        QDir(target).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CopyFilesWithCpAndSync)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ImportPack(benchmark::State& state)
{
    const PackFile& pack = packFile();
    QTemporaryDir data;
    QDir().mkpath(data.path() + QStringLiteral("/books"));
    const ProgramFolder folder(data.path());
    for (auto _ : state) {
        const auto outcome = PicturePackInstaller::importFile(folder, pack.path());
        if (outcome.kind != PicturePackInstaller::Outcome::Kind::Installed || outcome.added.size() != 100)
            state.SkipWithError("import failed");
        state.PauseTiming();
        QDir(data.path() + QStringLiteral("/books/Big Book")).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportPack)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The program importing the pack on its own; its peak resident memory in KiB.
long importPeakKiB(const QString& program, const QString& pack)
{
    QTemporaryDir data;
    QDir().mkpath(data.path() + QStringLiteral("/books"));
    const QByteArray dataArg = QFile::encodeName(data.path());
    const QByteArray packArg = QFile::encodeName(pack);
    const QByteArray programArg = QFile::encodeName(program);
    const pid_t child = ::fork();
    if (child == 0) {
        const int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, 1);
        ::execl(programArg.constData(), programArg.constData(), "--data-dir", dataArg.constData(), "--import-pack",
                packArg.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    BenchProgram program(argc, argv);
    const TimingReporter& reporter = program.run();
    const double packMb = packFile().size() / 1048576.0;
    std::printf("pack: %.1f MB, 100 pictures of %dx%d (%d BMP, %d GIF)\n", packMb, Width, Height, BmpPictures,
                GifPictures);
    reporter.printRatio("import against reading and writing the bytes once", "BM_ImportPack", "BM_ReadAndWriteOnce");
    reporter.printTarget("import of the pack", "BM_ImportPack", 2000, TimingReporter::Clock::Wall);
    const double copy = reporter.realMillis("BM_CopyFilesWithCp"), import = reporter.realMillis("BM_ImportPack");
    if (copy > 0 && import > 0)
        std::printf("import / cp -r of the same 100 picture files, left unflushed (%.0f ms): %.2fx wall time\n", copy,
                    import / copy);
    const double copySynced = reporter.realMillis("BM_CopyFilesWithCpAndSync");
    if (copySynced > 0 && import > 0)
        std::printf("import / cp -r then sync -f, as safe from a crash as the import (%.0f ms): %.2fx wall time "
                    "(target <= 2x: %s)\n",
                    copySynced, import / copySynced, import / copySynced <= 2 ? "yes" : "NO");

#ifdef TINTALOO_PROGRAM
    // A tiny pack gives what the program needs before any pack is read.
    QTemporaryDir tiny;
    const QString tinyPack = tiny.path() + QStringLiteral("/tiny.tpk");
    {
        QFile file(tinyPack);
        if (file.open(QIODevice::WriteOnly))
            file.write(PicturePack::encode(QStringLiteral("Tiny"), {{QStringLiteral("a.bmp"), ImageFile::encodeBmp24(page(1).scaled(8, 8))}}));
    }
    const long base = importPeakKiB(QStringLiteral(TINTALOO_PROGRAM), tinyPack);
    const long peak = importPeakKiB(QStringLiteral(TINTALOO_PROGRAM), packFile().path());
    if (peak > 0 && base > 0) {
        const double peakMb = peak / 1024.0, baseMb = base / 1024.0;
        std::printf("memory: import peak %.1f MB (%.1f MB importing a tiny pack): %.2fx the pack's size (under 3x: "
                    "%s)\n",
                    peakMb, baseMb, peakMb / packMb, peakMb / packMb < 3 ? "yes" : "NO");
    } else {
        std::printf("memory: the program could not import the pack\n");
    }
#endif
    return 0;
}
