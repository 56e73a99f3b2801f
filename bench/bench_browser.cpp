// SPDX-License-Identifier: GPL-3.0-or-later
// The picture browser's load: 1,000 pictures in 20 books, first with every
// thumbnail already on disk (the everyday case; target well under a second),
// then with none (the first start after new books arrive): to the browser
// showing, and to the last thumbnail on disk (target <= 4 s), reported as
// thumbnails made per second. The baseline of the everyday load is the bare
// minimum it must do: read the 1,000 thumbnail files; that of making them is
// the way they were once made, each picture decoded whole and each
// thumbnail written with a flush of its own.
//
// Then the start with many pictures: 1,000 and 5,000 pictures (books of 50,
// every thumbnail on disk), each in a process of its own so that its peak
// memory is its own. Measured from making the browser (its progress on the
// splash window, as the main window opens it) to the end of the strip's
// first paint, with the peak resident memory (VmHWM) then, and the time one
// press of the down button takes after. The
// baseline, measured in the same process right after, is reading every
// thumbnail file once: what a browser that draws every thumbnail at start
// cannot avoid.
#include "platform/Settings.h"
#include "platform/AtomicFile.h"
#include "app/SplashProgress.h"
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
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include "BenchReport.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <functional>
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

// One opening of a fresh browser, closed as soon as it shows, or (untilComplete)
// once it has made every thumbnail that was missing.
void loadOnce(const ProgramFolder& folder, bool untilComplete = false)
{
    Settings settings;
    Random random(1u);
    SoundBoard sounds(random);
    frmOpen browser(folder, settings, sounds);
    // The load runs pending events per book, so the closing waits until the
    // window has really shown.
    QTimer closer;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, &browser, [&browser, untilComplete]() {
        if (browser.isVisible() && (!untilComplete || browser.thumbnailsComplete()))
            browser.done(QDialog::Rejected);
    });
    closer.start();
    browser.exec();
    if (browser.LoadFailed || browser.pictureTable().size() != Pictures)
        std::fprintf(stderr, "load failed\n");
}

void BM_ReadThumbnailsOnly(benchmark::State& state)
{
    loadOnce(dataSet().folder(), true); // makes the thumbnails
    const QStringList thumbnails = dataSet().thumbnails();
    for (auto _ : state) {
        for (const QString& path : thumbnails)
            benchmark::DoNotOptimize(ImageFile::read(path));
    }
    state.SetItemsProcessed(state.iterations() * thumbnails.size());
}

void BM_LoadWithThumbnails(benchmark::State& state)
{
    loadOnce(dataSet().folder(), true);
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

// Until every thumbnail is on disk: the browser shows at once and makes the
// rest while it idles.
void BM_LoadFillingAllThumbnails(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        dataSet().dropThumbnails();
        state.ResumeTiming();
        loadOnce(dataSet().folder(), true);
    }
    if (dataSet().thumbnails().size() != Pictures)
        state.SkipWithError("not every thumbnail was made");
    state.SetItemsProcessed(state.iterations() * Pictures);
}

// The baseline for making thumbnails: each picture decoded whole, copied into
// a pixel buffer, fitted and written with a flush of its own, as the browser
// once made them before it showed.
void BM_MakeThumbnailsOneByOne(benchmark::State& state)
{
    QStringList pictures;
    QDirIterator it(dataSet().folder().root() + QStringLiteral("/books"), {QStringLiteral("*.bmp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        pictures << it.next();
    for (auto _ : state) {
        state.PauseTiming();
        dataSet().dropThumbnails();
        state.ResumeTiming();
        for (const QString& picture : std::as_const(pictures))
            AtomicFile::write(picture + BookStore::ThumbnailSuffix,
                              ImageFile::encodeBmp24(BookStore::thumbnailOf(ImageFile::read(picture))));
    }
    state.SetItemsProcessed(state.iterations() * pictures.size());
}

BENCHMARK(BM_ReadThumbnailsOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadWithThumbnails)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadMakingThumbnails)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadFillingAllThumbnails)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MakeThumbnailsOneByOne)->Unit(benchmark::kMillisecond)->Iterations(3);

// ---------------------------------------------------------------- start with many pictures

constexpr int StartBookSize = 50;
constexpr const char* StartChildFlag = "--start-child";

// pictures pictures in books of 50, each with its thumbnail on disk, written
// here rather than by a first load so that setting up stays quick.
void fillStartFolder(const QString& root, int pictures)
{
    for (int p = 0; p < pictures; ++p) {
        const QString book = root + QStringLiteral("/books/Book %1").arg(p / StartBookSize, 3, 10, QLatin1Char('0'));
        if (p % StartBookSize == 0)
            QDir().mkpath(book);
        const QString picture = book + QStringLiteral("/page%1.bmp").arg(p % StartBookSize, 2, 10, QLatin1Char('0'));
        QFile file(picture);
        if (file.open(QIODevice::WriteOnly))
            file.write(linePicture(p));
        file.close();
        BookStore::makeThumbnail(picture, picture + BookStore::ThumbnailSuffix);
    }
}

// The peak resident memory of this process so far, in megabytes: VmHWM,
// which starts afresh with the program (getrusage's maximum would carry the
// forking parent's over).
double peakResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

struct StartFigures
{
    double firstPaint = -1; // seconds from making the browser
    double scrollStep = -1; // seconds per press of the down button
};

// The down button pressed a few times: each press slides the strip 160
// pixels, painting the window at every pixel.
double secondsPerScrollStep(QWidget& browser)
{
    constexpr int Presses = 5;
    QObject* down = browser.findChild<QObject*>(QStringLiteral("cScroll1"));
    if (!down)
        return -1;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Presses; ++i)
        QMetaObject::invokeMethod(down, "click");
    return clock.nsecsElapsed() / 1e9 / Presses;
}

// Shows a browser over root: the seconds from making it to the end of the
// strip's first paint, then the time a scroll takes.
StartFigures startFigures(const QString& root)
{
    QElapsedTimer clock;
    clock.start();
    const ProgramFolder folder(root);
    Settings settings;
    Random random(1u);
    SoundBoard sounds(random);
    frmOpen browser(folder, settings, sounds);
    // The progress on the splash window, as the main window shows it.
    SplashProgress progress(folder, nullptr);
    browser.setProgress(&progress);
    StartFigures figures;
    QWidget* strip = browser.findChild<QWidget*>(QStringLiteral("Pmb"));
    // Runs right after the paint event that posted it has been handled.
    class PaintWatch : public QObject
    {
    public:
        std::function<void()> painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && painted)
                QTimer::singleShot(0, std::exchange(painted, nullptr));
            return false;
        }
    } watch;
    watch.painted = [&]() {
        figures.firstPaint = clock.nsecsElapsed() / 1e9;
        figures.scrollStep = secondsPerScrollStep(browser);
        browser.done(QDialog::Rejected);
    };
    if (strip)
        strip->installEventFilter(&watch);
    browser.exec();
    if (browser.LoadFailed)
        std::fprintf(stderr, "load failed\n");
    return figures;
}

double secondsToReadThumbnails(const QString& root)
{
    QStringList thumbnails;
    QDirIterator it(root + QStringLiteral("/books"), {QStringLiteral("*.tnl")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        thumbnails << it.next();
    QElapsedTimer clock;
    clock.start();
    for (const QString& path : std::as_const(thumbnails))
        benchmark::DoNotOptimize(ImageFile::read(path));
    return clock.nsecsElapsed() / 1e9;
}

// The child's side: "start SECONDS PEAK_MB READ_SECONDS BASE_MB SCROLL_SECONDS".
int runStartChild(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[2]);
    const double base = peakResidentMegabytes();
    const StartFigures start = startFigures(root);
    const double peak = peakResidentMegabytes();
    const double read = secondsToReadThumbnails(root);
    std::printf("start %.4f %.1f %.4f %.1f %.4f\n", start.firstPaint, peak, read, base, start.scrollStep);
    return 0;
}

void reportStart(const char* program, int pictures, double targetSeconds, double targetMegabytes)
{
    QTemporaryDir dir;
    fillStartFolder(dir.path(), pictures);
    QProcess child;
    child.start(QString::fromLocal8Bit(program), {QLatin1String(StartChildFlag), dir.path()});
    child.waitForFinished(300000);
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    if (figures.size() != 6 || figures.at(0) != "start") {
        std::printf("start with %d pictures: the measuring process failed\n", pictures);
        return;
    }
    const double start = figures.at(1).toDouble(), peak = figures.at(2).toDouble();
    const double read = figures.at(3).toDouble(), base = figures.at(4).toDouble();
    std::printf("start with %d pictures: %.3f s to the strip's first paint (target <= %.1f s: %s), peak RSS %.0f MB "
                "(target <= %.0f MB: %s; %.0f MB before the browser)\n",
                pictures, start, targetSeconds, start <= targetSeconds ? "yes" : "NO", peak, targetMegabytes,
                peak <= targetMegabytes ? "yes" : "NO", base);
    if (read > 0)
        std::printf("ratio start / reading the %d thumbnails alone (%.3f s): %.2f\n", pictures, read, start / read);
    std::printf("one press of the down button (160 one-pixel steps) with %d pictures: %.1f ms\n", pictures,
                figures.at(5).toDouble() * 1000);
}


} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], StartChildFlag) == 0)
        return runStartChild(argc, argv);
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
    const double filling = reporter.realMillis("BM_LoadFillingAllThumbnails") / 1000.0;
    const double oneByOne = reporter.realMillis("BM_MakeThumbnailsOneByOne") / 1000.0;
    if (making > 0)
        std::printf("Load with no thumbnail on disk, to the browser showing: %.3f s\n", making);
    if (filling > 0)
        std::printf("Load making every thumbnail, to the last one on disk: %.3f s, %.0f thumbnails made per second "
                    "(target <= 4 s: %s)\n",
                    filling, Pictures / filling, filling <= 4 ? "yes" : "NO");
    if (oneByOne > 0 && filling > 0)
        std::printf("Ratio making every thumbnail / one by one, decoded whole, each flushed (%.3f s): %.2f; "
                    "to the browser showing: %.2f\n",
                    oneByOne, filling / oneByOne, making / oneByOne);
    std::printf("\n");
    reportStart(argv[0], 1000, 0.3, 70);
    reportStart(argv[0], 5000, 0.4, 80);
    return 0;
}
