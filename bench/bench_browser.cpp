// The picture browser's load: 1,000 pictures in 20 books, first with every
// thumbnail already on disk (the everyday case; target well under a second),
// then with none (the first start after new books arrive), reported as
// thumbnails made per second. The baseline is the bare minimum an everyday
// load must do: read the 1,000 thumbnail files.
#include "platform/Settings.h"
#include "library/BookStore.h"
#include "library/frmOpen.h"
#include "platform/ImageFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "ui/SoundBoard.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include "BenchReport.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace {

constexpr int Books = 20;
constexpr int PicturesPerBook = 50;
constexpr int Pictures = Books * PicturesPerBook;

// A small line picture: a frame and a few strokes, like a page of a book.
QByteArray linePicture(int seed)
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(2, 2, 295, 195);
    painter.drawEllipse(QPoint(150, 100), 40 + seed % 50, 30 + seed % 40);
    painter.drawLine(0, 100 + seed % 90, 299, 100 - seed % 90);
    painter.end();
    return ImageFile::encodeBmp24(image);
}

class DataSet
{
public:
    DataSet()
        : m_folder(m_dir.path())
    {
        for (int b = 0; b < Books; ++b) {
            const QString book = m_dir.path() + QStringLiteral("/books/Book %1").arg(b, 2, 10, QLatin1Char('0'));
            QDir().mkpath(book);
            for (int p = 0; p < PicturesPerBook; ++p) {
                QFile file(book + QStringLiteral("/page%1.bmp").arg(p, 2, 10, QLatin1Char('0')));
                if (file.open(QIODevice::WriteOnly))
                    file.write(linePicture(b * PicturesPerBook + p));
            }
        }
    }

    const ProgramFolder& folder() const { return m_folder; }

    QStringList thumbnails() const
    {
        QStringList found;
        QDirIterator it(m_dir.path() + QStringLiteral("/books"), {QStringLiteral("*.tnl")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        return found;
    }
    void dropThumbnails() const
    {
        for (const QString& path : thumbnails())
            QFile::remove(path);
    }

private:
    QTemporaryDir m_dir;
    ProgramFolder m_folder;
};

DataSet& dataSet()
{
    static DataSet data;
    return data;
}

// One opening of a fresh browser, closed as soon as it shows.
void loadOnce(const ProgramFolder& folder)
{
    Settings settings;
    Random random(1u);
    SoundBoard sounds(random);
    frmOpen browser(folder, settings, sounds);
    // The load runs pending events per book, so the closing waits until the
    // window has really shown.
    QTimer closer;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, &browser, [&browser]() {
        if (browser.isVisible())
            browser.done(QDialog::Rejected);
    });
    closer.start();
    browser.exec();
    if (browser.LoadFailed || browser.pictureTable().size() != Pictures)
        std::fprintf(stderr, "load failed\n");
}

void BM_ReadThumbnailsOnly(benchmark::State& state)
{
    loadOnce(dataSet().folder()); // makes the thumbnails
    const QStringList thumbnails = dataSet().thumbnails();
    for (auto _ : state) {
        for (const QString& path : thumbnails)
            benchmark::DoNotOptimize(ImageFile::read(path));
    }
    state.SetItemsProcessed(state.iterations() * thumbnails.size());
}

void BM_LoadWithThumbnails(benchmark::State& state)
{
    loadOnce(dataSet().folder());
    for (auto _ : state)
        loadOnce(dataSet().folder());
    state.SetItemsProcessed(state.iterations() * Pictures);
}

void BM_LoadMakingThumbnails(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        dataSet().dropThumbnails();
        state.ResumeTiming();
        loadOnce(dataSet().folder());
    }
    state.SetItemsProcessed(state.iterations() * Pictures);
}

BENCHMARK(BM_ReadThumbnailsOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadWithThumbnails)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadMakingThumbnails)->Unit(benchmark::kMillisecond)->Iterations(3);


} // namespace

int main(int argc, char** argv)
{
    BenchProgram program(argc, argv);
    const TimingReporter& reporter = program.run();

    const double read = reporter.realMillis("BM_ReadThumbnailsOnly") / 1000.0;
    const double load = reporter.realMillis("BM_LoadWithThumbnails") / 1000.0;
    const double making = reporter.realMillis("BM_LoadMakingThumbnails") / 1000.0;
    if (load > 0)
        std::printf("\nLoad of %d pictures in %d books, thumbnails on disk: %.3f s (target < 1 s)\n",
                    Pictures, Books, load);
    if (read > 0 && load > 0)
        std::printf("Ratio load / reading the thumbnails alone: %.2f\n", load / read);
    if (making > 0)
        std::printf("Load making every thumbnail: %.3f s, %.0f thumbnails made per second\n", making,
                    Pictures / making);
    return 0;
}
