// SPDX-License-Identifier: GPL-3.0-or-later
// A family's first afternoon with the real program on a real desktop: the
// welcome and the options, a picture coloured with the crayon, another
// picture, the first one again in colour, and quitting through the prompt.
#include "e2e/E2eEnvironment.h"
#include "e2e/LineRegions.h"
#include "e2e/TintalooProcess.h"
#include "e2e/TintalooScreen.h"
#include "e2e/TestDesktop.h"
#include "library/BookStore.h"
#include "paint/PictureSaver.h"
#include "platform/ProgramFolder.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

// How long the screen may take to show what the program drew: seconds, not
// milliseconds, on a loaded machine running other desktops beside this one.
constexpr int RepaintWaitMs = 10000;

// Bitmaps of the buttons clicked: open a picture, quit, the prompt's OK.
constexpr int OpenButton = 102;
constexpr int QuitButton = 150;
constexpr int OkButton = 115;

// A stroke stays this far from the outlines, so that the brush's own edge
// never decides the test.
constexpr int StrokeDepth = 12;
// JPEG ringing dies out within a few pixels of an outline.
constexpr int CheckDepth = 4;

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

bool looksLike(QRgb pixel, QRgb colour)
{
    return colourDistance(pixel, colour) < colourDistance(pixel, qRgb(255, 255, 255))
        && colourDistance(pixel, colour) <= 120;
}

// A shade of the colour: what a thumbnail shows of a thin stroke, blended
// down with the white around it. Grey never is.
bool tintedWith(QRgb pixel, QRgb colour)
{
    const QColor p = QColor::fromRgb(pixel);
    const QColor c = QColor::fromRgb(colour);
    if (c.hsvSaturation() < 60)
        return looksLike(pixel, colour);
    const int hueDifference = std::abs(p.hsvHue() - c.hsvHue());
    return p.hsvSaturation() >= 40 && std::min(hueDifference, 360 - hueDifference) <= 40;
}

// What a stroke left: how many of its points took colour, and their mean
// colour (the crayon spreads each dab's colour a little).
struct StrokeColour
{
    int painted = 0;
    int points = 0;
    QRgb mean = 0;
};

StrokeColour strokeColour(const QImage& image, const QList<QPoint>& points)
{
    StrokeColour result;
    long red = 0, green = 0, blue = 0;
    for (const QPoint& p : points) {
        const QRgb pixel = image.pixel(p);
        ++result.points;
        if (colourDistance(pixel, qRgb(255, 255, 255)) < 60)
            continue;
        ++result.painted;
        red += qRed(pixel);
        green += qGreen(pixel);
        blue += qBlue(pixel);
    }
    if (result.painted > 0)
        result.mean = qRgb(int(red / result.painted), int(green / result.painted), int(blue / result.painted));
    return result;
}

// The stroke shows the colour when nearly all of it is painted, on average
// in a shade of that colour (the crayon lets some paper show through).
::testing::AssertionResult showsColour(const StrokeColour& stroke, QRgb colour)
{
    const bool shade = colourDistance(stroke.mean, colour) * 2 <= colourDistance(stroke.mean, qRgb(255, 255, 255))
        && tintedWith(stroke.mean, colour);
    if (stroke.painted * 10 >= stroke.points * 9 && shade)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << stroke.painted << " of " << stroke.points << " points painted, in "
                                         << std::hex << stroke.mean << " for " << colour;
}

// The pictures of the first book the browser shows (no own pictures yet).
QStringList firstBookPictures(const ProgramFolder& folder)
{
    BookStore store(folder);
    for (const QString& book : store.books()) {
        if (store.isOwnPicturesName(book))
            continue;
        const QString path = store.bookFolder(book);
        QStringList pictures;
        for (const QString& file : BookStore::pictures(path))
            pictures << path + QLatin1Char('/') + file;
        if (!pictures.isEmpty())
            return pictures;
    }
    return {};
}

QString settingsLine(const QString& root, int index)
{
    QFile file(ProgramFolder(root).path(QStringLiteral("/Settings.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n")).value(index);
}

// Points along a stroke from one end to the other.
QList<QPoint> strokePoints(QPoint from, QPoint to, QPoint offset, int steps)
{
    QList<QPoint> points;
    for (int i = 0; i <= steps; ++i)
        points << offset + from + (to - from) * i / steps;
    return points;
}

class ColouringJourney : public ::testing::Test
{
protected:
    void SetUp() override
    {
        E2E_REQUIRE_DESKTOP();
        desktop = E2e::desktop();
        ASSERT_TRUE(data.isValid());
        program = std::make_unique<TintalooProcess>(*desktop, data.path());
        screen = std::make_unique<TintalooScreen>(*desktop, *program);
    }

    std::string log() const { return "\nprogram output:\n" + program->log().toStdString(); }

    // Clicks a bubble and returns its colour, read back from the backdrop,
    // which takes the colour picked. Bubbles move, and a few are white or
    // the colour picker's, so it takes a few tries.
    std::optional<QRgb> pickBubbleColour()
    {
        const QPoint backdrop = TintalooScreen::backdropPoint();
        // The bubbles rise into the bar from below it after the picture opens.
        for (int attempt = 0; attempt < 40; ++attempt) {
            const QPoint target = colouredBubblePixel(desktop->screenshot(), attempt % 5);
            if (target.x() < 0) {
                TestDesktop::pause(250);
                continue;
            }
            const QRgb before = desktop->screenshot().pixel(backdrop);
            desktop->click(target);
            QRgb after = before;
            TestDesktop::waitFor(
                [&] {
                    after = desktop->screenshot().pixel(backdrop);
                    return after != before;
                },
                600);
            const QColor picked = QColor::fromRgb(after);
            if (after != before && picked.hsvSaturation() >= 100 && picked.value() >= 80)
                return after;
        }
        return std::nullopt;
    }

    // The which-th strongly coloured pixel well inside a bubble, or (-1, -1).
    static QPoint colouredBubblePixel(const QImage& shot, int which)
    {
        const QRect palette = TintalooScreen::paletteArea();
        int seen = 0;
        for (int y = palette.top() + 4; y < palette.bottom() - 4; y += 3) {
            for (int x = palette.left() + 4; x < palette.right() - 4; x += 3) {
                const QColor c = QColor::fromRgb(shot.pixel(x, y));
                const bool even = colourDistance(c.rgb(), shot.pixel(x - 3, y)) < 60
                    && colourDistance(c.rgb(), shot.pixel(x + 3, y)) < 60;
                if (c.hsvSaturation() > 150 && c.value() > 90 && even && seen++ == which)
                    return QPoint(x, y);
            }
        }
        return {-1, -1};
    }

    TestDesktop* desktop = nullptr;
    QTemporaryDir data;
    std::unique_ptr<TintalooProcess> program;
    std::unique_ptr<TintalooScreen> screen;
};

} // namespace

TEST_F(ColouringJourney, FirstRunColourChangeReopenAndQuit)
{
    ASSERT_TRUE(program->start()) << log();

    // The welcome, then the options: sounds off, no password (ticked on a
    // first run), and continue.
    const auto welcome = screen->waitForActive(
        [](const TestDesktop::WindowInfo& w) { return w.name.contains(QLatin1String("Welcome")); });
    ASSERT_TRUE(welcome.isValid()) << "no welcome window" << log();
    desktop->click(welcome.geometry.bottomRight() - QPoint(32, 20));
    const auto options = screen->waitForActive(
        [](const TestDesktop::WindowInfo& w) { return w.name.contains(QLatin1String("Options")); });
    ASSERT_TRUE(options.isValid()) << "no options window after the welcome" << log();
    desktop->click(options.geometry.topLeft() + QPoint(18, 24)); // "Play sound effects"
    desktop->click(options.geometry.topLeft() + QPoint(18, 176)); // "Use parental password"
    desktop->click(options.geometry.bottomRight() - QPoint(32, 20)); // "Continue"

    const auto browser = screen->waitForBrowser();
    ASSERT_TRUE(browser.isValid()) << "the picture browser did not open after the options" << log();
    EXPECT_EQ(settingsLine(data.path(), 0), QStringLiteral(" 0 ")) << "sounds were switched off";
    EXPECT_EQ(settingsLine(data.path(), 3), QStringLiteral(" 0 ")) << "the password was unticked";

    // The first picture of the first book.
    const ProgramFolder folder(data.path());
    const QStringList pictures = firstBookPictures(folder);
    ASSERT_GE(pictures.size(), 2);
    const QImage linePicture(pictures[0]);
    ASSERT_FALSE(linePicture.isNull()) << pictures[0].toStdString();
    desktop->click(TintalooScreen::browserCell(browser, 0));
    const auto main = screen->waitForMainWindow();
    ASSERT_TRUE(main.isValid()) << "the canvas did not come back" << log();

    // The canvas shows the line picture where the layout puts it.
    const QPoint origin = TintalooScreen::canvasOrigin(linePicture.size());
    int agree = 0, total = 0;
    TestDesktop::waitFor(
        [&] {
            const QImage shot = desktop->screenshot();
            agree = total = 0;
            for (int y = 0; y < linePicture.height(); y += 7)
                for (int x = 0; x < linePicture.width(); x += 7, ++total)
                    agree += (qGray(linePicture.pixel(x, y)) >= 128)
                        == (qGray(shot.pixel(origin + QPoint(x, y))) >= 128);
            return agree > total * 97 / 100;
        },
        RepaintWaitMs);
    if (agree <= total * 97 / 100) {
        const QString saved = QDir::temp().filePath(QStringLiteral("journey-canvas.png"));
        desktop->screenshot().save(saved);
        FAIL() << "the canvas is not where the layout puts it (" << agree << " of " << total
               << " points agree; the screen is in " << saved.toStdString() << ")";
    }

    // A colour from the bubbles, then one stroke of the crayon inside one region.
    const std::optional<QRgb> picked = pickBubbleColour();
    ASSERT_TRUE(picked.has_value()) << "no bubble could be picked" << log();
    const QRgb colour = *picked;
    const LineRegions regions(linePicture);
    const int region = regions.roomiestInnerRegion(StrokeDepth);
    ASSERT_GE(region, 0) << "the picture has no closed region to colour";
    const QList<QPoint> run = regions.longestRun(region, StrokeDepth);
    ASSERT_EQ(run.size(), 2);
    desktop->drag(strokePoints(run[0], run[1], origin, 12));

    // Another picture: the first one is saved in colour on the way.
    ASSERT_TRUE(screen->clickButton(OpenButton, TintalooScreen::barArea())) << log();
    const auto browserAgain = screen->waitForBrowser();
    ASSERT_TRUE(browserAgain.isValid()) << log();
    desktop->click(TintalooScreen::browserCell(browserAgain, 1));
    ASSERT_TRUE(screen->waitForMainWindow().isValid()) << log();

    const QString colouredPath = PictureSaver::colouredPathFor(folder, pictures[0]);
    const QImage saved = QImage(colouredPath).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(saved.isNull()) << "no coloured picture at " << colouredPath.toStdString() << log();
    ASSERT_EQ(saved.size(), linePicture.size());

    // Colour along the stroke, none in any other region.
    EXPECT_TRUE(showsColour(strokeColour(saved, strokePoints(run[0], run[1], QPoint(), 40)), colour))
        << "the saved picture does not show the stroke";
    int strayPixels = 0;
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            if (regions.regionAt(x, y) >= 0 && regions.regionAt(x, y) != region && regions.depthAt(x, y) >= CheckDepth
                && qGray(saved.pixel(x, y)) < 200)
                ++strayPixels;
    EXPECT_EQ(strayPixels, 0) << "colour ran outside the region";

    // The first picture again: the browser shows it coloured, and it opens in colour.
    ASSERT_TRUE(screen->clickButton(OpenButton, TintalooScreen::barArea())) << log();
    const auto third = screen->waitForBrowser();
    ASSERT_TRUE(third.isValid()) << log();
    // (Polled: the program may still be drawing.)
    int inColour = 0;
    TestDesktop::waitFor(
        [&] {
            const QImage shot = desktop->screenshot();
            const QPoint cell = TintalooScreen::browserCell(third, 0);
            inColour = 0;
            for (int y = -48; y < 48; ++y)
                for (int x = -48; x < 48; ++x)
                    inColour += tintedWith(shot.pixel(cell + QPoint(x, y)), colour);
            return inColour > 5;
        },
        RepaintWaitMs);
    EXPECT_GT(inColour, 5) << "the browser still shows the picture in black and white";
    desktop->click(TintalooScreen::browserCell(third, 0));
    ASSERT_TRUE(screen->waitForMainWindow().isValid()) << log();
    StrokeColour reopened;
    TestDesktop::waitFor(
        [&] {
            reopened = strokeColour(desktop->screenshot(), strokePoints(run[0], run[1], origin, 40));
            return bool(showsColour(reopened, colour));
        },
        RepaintWaitMs);
    EXPECT_TRUE(showsColour(reopened, colour)) << "the picture did not reopen in colour";

    // Quit through the prompt: the program ends by itself, with 0.
    ASSERT_TRUE(screen->clickButton(QuitButton, TintalooScreen::barArea())) << log();
    const auto prompt = screen->waitForPrompt();
    ASSERT_TRUE(prompt.isValid()) << "no quit prompt" << log();
    ASSERT_TRUE(screen->clickButton(OkButton, prompt.geometry)) << log();
    ASSERT_TRUE(program->waitForExit(15000)) << "the program did not end after OK" << log();
    EXPECT_TRUE(program->exitedNormally()) << log();
    EXPECT_EQ(program->exitCode(), 0) << log();
    EXPECT_TRUE(QFile::exists(colouredPath));
}
