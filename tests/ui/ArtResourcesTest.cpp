// SPDX-License-Identifier: GPL-3.0-or-later
// The generated art and sounds as the program sees them, compiled in: every
// picture the windows load exists with the size its window is laid out for,
// bubble colours are exact (the palette reads them back), brushes are grey and
// white outside, cursors are see-through and solid at their hot spot, and
// every wave is short 16-bit PCM that the sound board can play.
#include "platform/ResourceIds.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

QImage load(const QString& path)
{
    return QImage(path);
}

QString bitmapPath(int number)
{
    return QStringLiteral(":/bitmaps/%1.png").arg(number);
}

bool isOpaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 255)
                return false;
    return true;
}

// ---- button bitmaps --------------------------------------------------------

struct ButtonLooks {
    const char* name;
    std::vector<int> numbers; // up, down, then pressed or other looks
    int width, height;
};

const std::vector<ButtonLooks>& buttons()
{
    using namespace BitmapId;
    static const std::vector<ButtonLooks> table = {
        {"open a picture", {OpenUp, OpenDown}, 78, 92},
        {"clear all colours", {ClearColoursUp, ClearColoursDown}, 106, 92},
        {"undo", {UndoUp, UndoDown}, 89, 92},
        {"crazy colours", {CrazyUp, CrazyDown, CrazyPressed}, 102, 92},
        {"crayon", {CrayonUp, CrayonDown, CrayonPressed}, 95, 92},
        {"paintbrush", {PaintbrushUp, PaintbrushDown, PaintbrushPressed}, 86, 92},
        {"colouring pencil", {PencilUp, PencilDown, PencilPressed}, 77, 92},
        {"marker pen", {MarkerUp, MarkerDown, MarkerPressed}, 99, 92},
        {"nevermind", {NevermindUp, NevermindDown}, 150, 36},
        {"OK", {OkUp, OkDown}, 50, 36},
        {"details", {DetailsUp, DetailsDown, DetailsPressed}, 80, 26},
        {"scroll up", {UpArrowUp, UpArrowDown}, 40, 40},
        {"scroll down", {DownArrowUp, DownArrowDown}, 40, 40},
        {"slider ball", {SliderUp, SliderDown}, 36, 36},
        {"new picture", {NewPictureUp, NewPictureDown}, 140, 60},
        {"more pictures", {MorePicturesUp, MorePicturesDown}, 140, 60},
        {"quit", {Quit}, 24, 24},
        {"save as", {SaveAs, SaveAsEnabled}, 24, 24},
        {"print", {Print, PrintEnabled}, 24, 24},
        {"about", {AboutHelp}, 24, 24},
        {"settings", {Options}, 24, 24},
    };
    return table;
}

TEST(ArtButtons, EveryLookExistsOpaqueAtItsButtonsSize)
{
    for (const ButtonLooks& button : buttons()) {
        for (int number : button.numbers) {
            SCOPED_TRACE(std::string(button.name) + " " + std::to_string(number));
            const QImage image = load(bitmapPath(number));
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.width(), button.width);
            EXPECT_EQ(image.height(), button.height);
            EXPECT_TRUE(isOpaque(image));
        }
    }
}

TEST(ArtButtons, EachLookOfAButtonDiffersFromTheOthers)
{
    for (const ButtonLooks& button : buttons()) {
        SCOPED_TRACE(button.name);
        for (size_t i = 0; i < button.numbers.size(); ++i)
            for (size_t j = i + 1; j < button.numbers.size(); ++j)
                EXPECT_NE(load(bitmapPath(button.numbers[i])), load(bitmapPath(button.numbers[j])))
                    << button.numbers[i] << " and " << button.numbers[j] << " are the same picture";
    }
}

// ---- bubbles ---------------------------------------------------------------

struct BubbleDesign {
    int width, height;
    QRgb colour; // 0 for the colour-picker bubble, which has no colour of its own
};

const BubbleDesign kBubbles[23] = {
    {20, 20, qRgb(4, 255, 4)},      {43, 43, qRgb(255, 0, 0)},      {20, 19, qRgb(255, 255, 2)},
    {26, 28, qRgb(3, 255, 255)},    {19, 18, qRgb(6, 6, 255)},      {44, 43, qRgb(199, 178, 153)},
    {33, 29, qRgb(140, 98, 57)},    {16, 17, qRgb(255, 2, 255)},    {47, 43, qRgb(96, 57, 19)},
    {23, 21, qRgb(0, 166, 81)},     {23, 22, qRgb(16, 16, 16)},     {46, 40, qRgb(129, 129, 129)},
    {35, 34, qRgb(255, 255, 255)},  {33, 29, qRgb(102, 45, 145)},   {17, 17, qRgb(96, 92, 168)},
    {26, 27, qRgb(46, 49, 146)},    {19, 18, qRgb(0, 114, 188)},    {26, 26, qRgb(58, 134, 57)},
    {20, 22, qRgb(158, 11, 14)},    {20, 20, qRgb(171, 160, 0)},    {46, 40, qRgb(95, 95, 95)},
    {26, 28, qRgb(255, 166, 3)},    {44, 43, 0},
};

QImage bubble(int index)
{
    return load(QStringLiteral(":/bubbles/%1.png").arg(index)).convertToFormat(QImage::Format_RGB32);
}

TEST(ArtBubbles, SizesAndCentreColoursAreExact)
{
    for (int i = 0; i < 23; ++i) {
        SCOPED_TRACE(i);
        const QImage image = bubble(i);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), kBubbles[i].width);
        EXPECT_EQ(image.height(), kBubbles[i].height);
        const QRgb centre = image.pixel(image.width() / 2, image.height() / 2) & 0xFFFFFF;
        if (kBubbles[i].colour != 0)
            EXPECT_EQ(centre, kBubbles[i].colour & 0xFFFFFF);
        else
            EXPECT_NE(centre, 0u) << "the colour-picker bubble must not be see-through at its centre";
    }
}

// Pure black is the transparent colour: the corners must be see-through and
// nothing inside the disc may be, or the palette would show holes.
TEST(ArtBubbles, DiscsOnBlackWithoutHoles)
{
    for (int i = 0; i < 23; ++i) {
        SCOPED_TRACE(i);
        const QImage image = bubble(i);
        ASSERT_FALSE(image.isNull());
        const int w = image.width();
        const int h = image.height();
        for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, 0u) << corner.x() << "," << corner.y();
        const double radius = std::min(w, h) / 2.0 - 2.0;
        int holes = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double dx = x + 0.5 - w / 2.0;
                const double dy = y + 0.5 - h / 2.0;
                if (dx * dx + dy * dy <= radius * radius && (image.pixel(x, y) & 0xFFFFFF) == 0)
                    ++holes;
            }
        EXPECT_EQ(holes, 0);
    }
}

// ---- colour-picker bubbles -------------------------------------------------

QImage pickerBubble(int index)
{
    return load(QStringLiteral(":/picker/%1.png").arg(index)).convertToFormat(QImage::Format_RGB32);
}

// Round discs on black, 20 to 46 pixels across, square (the radius is half
// the width), all drawn in red: full red to pale pink (0 to 9), a near-black
// grey (10), dark reds (11 to 16) and white (17). 10 and 17 hold greys only,
// so that tinting leaves them as they are.
TEST(ArtPickerBubbles, RoundRedDiscsInTheirGroups)
{
    int lastPaleness = -1;
    for (int k = 0; k < 18; ++k) {
        SCOPED_TRACE(k);
        const QImage image = pickerBubble(k);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GE(image.width(), 20);
        EXPECT_LE(image.width(), 46);
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u);
        const QColor centre(image.pixel(image.width() / 2, image.height() / 2));
        bool onlyGreys = true;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                if (c.red() != c.green() || c.green() != c.blue()) {
                    onlyGreys = false;
                    EXPECT_TRUE(c.hue() <= 2 || c.hue() >= 358) << x << "," << y << " hue " << c.hue();
                }
            }
        if (k == 10) {
            EXPECT_TRUE(onlyGreys);
            EXPECT_LT(centre.red(), 60);
        } else if (k == 17) {
            EXPECT_TRUE(onlyGreys);
            EXPECT_EQ(centre, QColor(255, 255, 255));
        } else if (k <= 9) {
            EXPECT_EQ(centre.red(), 255);
            EXPECT_GT(centre.green(), lastPaleness); // paler and paler
            lastPaleness = centre.green();
        } else {
            EXPECT_LT(centre.red(), 230); // dark reds
            EXPECT_EQ(centre.green(), 0);
        }
    }
}

// ---- brushes ---------------------------------------------------------------

struct BrushDesign {
    int width, height, darkest;
};

const BrushDesign kBrushes[3] = {{38, 34, 92}, {112, 106, 126}, {8, 8, 165}};

QImage brush(int index)
{
    return load(QStringLiteral(":/brushes/%1.png").arg(index)).convertToFormat(QImage::Format_RGB32);
}

TEST(ArtBrushes, GreyShapesWithTheirDarkestValueOnWhite)
{
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QImage image = brush(i);
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.width(), kBrushes[i].width);
        ASSERT_EQ(image.height(), kBrushes[i].height);
        int darkest = 255;
        bool grey = true;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                grey = grey && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
                darkest = std::min(darkest, qBlue(p));
            }
        EXPECT_TRUE(grey);
        EXPECT_EQ(darkest, kBrushes[i].darkest);
        if (i < 2) { // the pencil dot fills its little square
            for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, 0),
                                        QPoint(0, image.height() - 1),
                                        QPoint(image.width() - 1, image.height() - 1)})
                EXPECT_EQ(qBlue(image.pixel(corner)), 255);
        }
    }
}

// Mean grey over a ring around the stamping centre ((w - 1) / 2, (h - 1) / 2).
double ringMean(const QImage& image, double distance)
{
    const int cx = (image.width() - 1) / 2;
    const int cy = (image.height() - 1) / 2;
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::abs(std::hypot(x - cx, y - cy) - distance) < 0.75) {
                sum += qBlue(image.pixel(x, y));
                ++count;
            }
    return count ? sum / count : 255.0;
}

TEST(ArtBrushes, CrayonAndPaintbrushFollowTheirSoftProfiles)
{
    const QImage crayon = brush(0);
    const QImage paintbrush = brush(1);
    ASSERT_FALSE(crayon.isNull());
    ASSERT_FALSE(paintbrush.isNull());
    const std::pair<double, double> crayonProfile[] = {{2, 96}, {8, 126}, {12, 171}, {14, 214}, {16, 246}};
    for (const auto& [distance, grey] : crayonProfile)
        EXPECT_NEAR(ringMean(crayon, distance), grey, 12.0) << "crayon at " << distance;
    EXPECT_EQ(ringMean(crayon, 21), 255.0);
    const std::pair<double, double> brushProfile[] = {{5, 128}, {20, 143}, {28, 171}, {36, 211}, {44, 242}, {52, 253}};
    for (const auto& [distance, grey] : brushProfile)
        EXPECT_NEAR(ringMean(paintbrush, distance), grey, 6.0) << "paintbrush at " << distance;
    EXPECT_EQ(ringMean(paintbrush, 62), 255.0);
}

// ---- cursors ---------------------------------------------------------------

TEST(ArtCursors, SeeThroughPicturesSolidAtTheirHotSpot)
{
    struct CursorDesign {
        int number, width, height;
    };
    const CursorDesign cursors[] = {{CursorId::Hand, 32, 32},       {CursorId::Pencil, 65, 56}, {CursorId::Crayon, 69, 58},
                                    {CursorId::Paintbrush, 67, 73}, {CursorId::Marker, 64, 87}};
    for (const CursorDesign& c : cursors) {
        SCOPED_TRACE(c.number);
        const QImage image = load(QStringLiteral(":/cursors/%1.png").arg(c.number))
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), c.width);
        EXPECT_EQ(image.height(), c.height);
        int clear = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                clear += qAlpha(image.pixel(x, y)) == 0;
        EXPECT_GT(clear, image.width() * image.height() / 4) << "mostly see-through around the picture";
        const CursorId::HotSpot hot = CursorId::hotSpot(c.number);
        EXPECT_GE(qAlpha(image.pixel(hot.x, hot.y)), 128) << "the hot spot must be on the picture";
    }
}

// The tools point down to the left: the hot spot is in the bottom-left
// corner and the far end of the tool reaches the top-right quarter.
TEST(ArtCursors, ToolsPointDownToTheLeft)
{
    for (int number = CursorId::Pencil; number <= CursorId::Marker; ++number) {
        SCOPED_TRACE(number);
        const QImage image = load(QStringLiteral(":/cursors/%1.png").arg(number))
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        int topRight = 0;
        for (int y = 0; y < image.height() / 4; ++y)
            for (int x = image.width() * 3 / 4; x < image.width(); ++x)
                topRight += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(topRight, 20);
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

// ---- waves -----------------------------------------------------------------

struct Wave {
    bool valid = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<qint16> samples;
};

// Reads a RIFF WAVE file chunk by chunk, as a player would.
Wave parseWave(const QByteArray& data)
{
    Wave wave;
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return wave;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    qsizetype at = 12;
    bool haveFormat = false;
    while (at + 8 <= data.size()) {
        const QByteArray id = data.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes + at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > data.size())
            return wave;
        if (id == "fmt " && size >= 16) {
            wave.format = qFromLittleEndian<quint16>(bytes + body);
            wave.channels = qFromLittleEndian<quint16>(bytes + body + 2);
            wave.rate = int(qFromLittleEndian<quint32>(bytes + body + 4));
            wave.bits = qFromLittleEndian<quint16>(bytes + body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            for (quint32 i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(qFromLittleEndian<qint16>(bytes + body + i));
            wave.valid = true;
        }
        at = body + size + (size & 1);
    }
    return wave;
}

QStringList waveNames()
{
    QStringList names;
    for (int i = 0; i < 6; ++i)
        names << QStringLiteral("B%1").arg(i);
    names << "PRESS0" << "PRESS1";
    for (int i = 0; i < 4; ++i)
        names << QStringLiteral("POP%1").arg(i) << QStringLiteral("CANCEL%1").arg(i);
    for (int i = 0; i < 3; ++i)
        names << QStringLiteral("MESSAGE%1").arg(i);
    names << "NEW0" << "NEW1" << "OK" << "BEEP" << "CLICK" << "DOWN" << "UP";
    return names;
}

// The RMS level of the samples from first on.
double rms(const std::vector<qint16>& samples, size_t first)
{
    double energy = 0.0;
    for (size_t i = first; i < samples.size(); ++i)
        energy += double(samples[i]) * samples[i];
    return std::sqrt(energy / double(samples.size() - first));
}

TEST(ArtWaves, EveryWaveIsShortMonoPcmWithoutClicks)
{
    for (const QString& name : waveNames()) {
        SCOPED_TRACE(name.toStdString());
        QFile file(QStringLiteral(":/waves/%1.wav").arg(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const Wave wave = parseWave(file.readAll());
        ASSERT_TRUE(wave.valid);
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.rate, 22050);
        EXPECT_EQ(wave.bits, 16);
        const double seconds = double(wave.samples.size()) / 22050.0;
        EXPECT_GE(seconds, 0.05);
        EXPECT_LE(seconds, 1.0);
        ASSERT_FALSE(wave.samples.empty());
        // Every sound equally loud, none clipped.
        int peak = 0;
        for (qint16 s : wave.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_LE(20.0 * std::log10(peak / 32768.0), -1.0);
        const double level = rms(wave.samples, 0);
        EXPECT_NEAR(20.0 * std::log10(level / 32768.0), -16.0, 0.5);
        // Faded in and out: no jump at either end, and the last 10 ms have
        // died away (a sound cut off while still loud ends with a click).
        EXPECT_LT(std::abs(int(wave.samples.front())), 300);
        EXPECT_LT(std::abs(int(wave.samples.back())), 300);
        EXPECT_GE(20.0 * std::log10(level / rms(wave.samples, wave.samples.size() - 220)), 18.0);
    }
}

TEST(ArtWaves, VariantsSoundDifferent)
{
    const QStringList groups[] = {{"B0", "B1", "B2", "B3", "B4", "B5"},
                                  {"POP0", "POP1", "POP2", "POP3"},
                                  {"CANCEL0", "CANCEL1", "CANCEL2", "CANCEL3"},
                                  {"MESSAGE0", "MESSAGE1", "MESSAGE2"},
                                  {"PRESS0", "PRESS1"},
                                  {"NEW0", "NEW1"}};
    for (const QStringList& group : groups) {
        QList<QByteArray> seen;
        for (const QString& name : group) {
            QFile file(QStringLiteral(":/waves/%1.wav").arg(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray data = file.readAll();
            EXPECT_FALSE(seen.contains(data)) << name.toStdString() << " repeats another variant";
            seen << data;
        }
    }
}

// ---- pictures --------------------------------------------------------------

TEST(ArtPictures, SplashAndBannerAreThere)
{
    const QImage splash = load(":/pictures/splash.jpg");
    const QImage banner = load(":/pictures/banner.jpg");
    ASSERT_FALSE(splash.isNull());
    ASSERT_FALSE(banner.isNull());
    EXPECT_EQ(splash.size(), QSize(480, 300));
    EXPECT_EQ(banner.size(), QSize(420, 110));
}

} // namespace
