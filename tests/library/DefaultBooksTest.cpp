// SPDX-License-Identifier: GPL-3.0-or-later
// The books and help topics compiled into the program: every picture must be
// something a child can actually colour, and every help link must lead
// somewhere.
#include "imaging/cNDib.h"
#include "platform/AppError.h"
#include "platform/FloodFill.h"
#include "platform/ImageFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

const QString BooksRoot = QStringLiteral(TINTALOO_DEFAULTS_DIR "/books");
const QString HelpRoot = QStringLiteral(TINTALOO_DEFAULTS_DIR "/help");
const QString ProductPage = QStringLiteral("https://tintaloo.example.org/");

constexpr QRgb White = 0xFFFFFFFF;
constexpr int MinEnclosedRegions = 8;    // shapes a child can colour separately
constexpr qint64 SmallestRegion = 40;    // pixels; smaller ones frustrate small hands
constexpr double MinSubjectShare = 0.02; // of the picture: the figure's biggest closed part
constexpr double MinFrameWidthShare = 0.85;
constexpr double MinFrameHeightShare = 0.75;

// "Book/file.ext" for every picture under the books, sorted.
QStringList defaultPictures()
{
    QStringList pictures;
    QDirIterator it(BooksRoot, {QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.jpg")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        pictures.append(it.next().mid(BooksRoot.size() + 1));
    pictures.sort();
    return pictures;
}

int pictureCount(const QString& book)
{
    return int(QDir(BooksRoot + QLatin1Char('/') + book)
                   .entryList({QStringLiteral("*.bmp"), QStringLiteral("*.gif"), QStringLiteral("*.jpg")},
                              QDir::Files)
                   .size());
}

// The pure black-and-white test a parent's picture must pass to be added to
// a book: through the program's pixel buffer, every pixel exactly 0x000000 or
// 0xFFFFFF.
bool isPureBlackAndWhite(const QImage& image)
{
    cNDib dib;
    if (!dib.Make_From_Image(image))
        return false;
    for (int y = 0; y <= dib.Height(); ++y)
        for (int x = 0; x <= dib.Width(); ++x) {
            const uint32_t colour = dib.Get_Pixel_Long(x, y);
            if (colour != 0x000000 && colour != 0xFFFFFF)
                return false;
        }
    return true;
}

struct Region
{
    QPoint seed;
    qint64 size = 0;
    bool touchesBorder = false;
};

// Fills every white region of a copy with a colour of its own, as a child's
// strokes would, and says how large each is and whether it reaches the border.
std::vector<Region> surveyRegions(QImage image)
{
    std::vector<Region> regions;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] != White)
                continue;
            const QRgb label = 0xFF000000 | QRgb(regions.size() + 1);
            regions.push_back({QPoint(x, y), floodFill(image, x, y, label), false});
        }
    }
    const auto markBorder = [&](int x, int y) {
        const QRgb label = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & 0xFFFFFF;
        if (label != 0)
            regions[label - 1].touchesBorder = true;
    };
    for (int x = 0; x < image.width(); ++x) {
        markBorder(x, 0);
        markBorder(x, image.height() - 1);
    }
    for (int y = 0; y < image.height(); ++y) {
        markBorder(0, y);
        markBorder(image.width() - 1, y);
    }
    return regions;
}

// Whether any pixel along the edge of the picture differs between a and b.
bool borderChanged(const QImage& a, const QImage& b)
{
    for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, 0) != b.pixel(x, 0) || a.pixel(x, a.height() - 1) != b.pixel(x, a.height() - 1))
            return true;
    for (int y = 0; y < a.height(); ++y)
        if (a.pixel(0, y) != b.pixel(0, y) || a.pixel(a.width() - 1, y) != b.pixel(a.width() - 1, y))
            return true;
    return false;
}

// The smallest rectangle that holds every black pixel.
QRect drawnArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != White)
                area |= QRect(x, y, 1, 1);
    }
    return area;
}

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList linksOf(const QString& html)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList links;
    for (auto it = href.globalMatch(html); it.hasNext();)
        links.append(it.next().captured(1));
    return links;
}

// The topic file a relative link names, or an empty string for a link
// within the same page.
QString linkedTopic(const QString& link)
{
    return QUrl(link).path();  // decodes %20 and drops #anchors
}

// Parameters are plain strings so that a failure names the picture readably.
std::vector<std::string> pictureParameters()
{
    std::vector<std::string> parameters;
    for (const QString& picture : defaultPictures())
        parameters.push_back(picture.toStdString());
    return parameters;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(uchar(c)); }, '_');
    return name;
}

}

TEST(DefaultBooks, ALibraryWorthOpening)
{
    EXPECT_GE(pictureCount(QStringLiteral("The Tintaloo")), 12);
    EXPECT_GE(pictureCount(QStringLiteral("Animals")), 12);
    const QStringList books = QDir(BooksRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_GE(books.size(), 5);
    for (const QString& book : books)
        EXPECT_GE(pictureCount(book), 8) << book.toStdString();
    EXPECT_GE(defaultPictures().size(), 60);
}

TEST(DefaultBooks, OnlyLosslessFormats)
{
    QSet<QString> formats;
    for (const QString& picture : defaultPictures())
        formats.insert(QFileInfo(picture).suffix());
    // A JPEG cannot decode to pure black and white.
    EXPECT_EQ(formats, (QSet<QString>{QStringLiteral("bmp"), QStringLiteral("gif")}));
}

TEST(DefaultBooks, BitmapsAreTwentyFourBit)
{
    for (const QString& picture : defaultPictures()) {
        if (!picture.endsWith(QLatin1String(".bmp")))
            continue;
        QFile file(BooksRoot + QLatin1Char('/') + picture);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << picture.toStdString();
        const QByteArray header = file.read(30);
        ASSERT_EQ(header.size(), 30) << picture.toStdString();
        EXPECT_EQ(uchar(header[28]) | (uchar(header[29]) << 8), 24) << picture.toStdString();
    }
}

class DefaultPicture : public ::testing::TestWithParam<std::string>
{
protected:
    QImage load() const
    {
        return ImageFile::read(BooksRoot + QLatin1Char('/') + QString::fromStdString(GetParam()));
    }
};

TEST_P(DefaultPicture, DecodesAndFillsTheCanvasFrame)
{
    QImage image;
    ASSERT_NO_THROW(image = load());
    EXPECT_LE(image.width(), 750);
    EXPECT_LE(image.height(), 480);
    const QRect area = drawnArea(image);
    EXPECT_GE(area.width(), MinFrameWidthShare * image.width());
    EXPECT_GE(area.height(), MinFrameHeightShare * image.height());
}

TEST_P(DefaultPicture, PassesThePureBlackAndWhiteTest)
{
    EXPECT_TRUE(isPureBlackAndWhite(load()));
}

TEST_P(DefaultPicture, HasEnoughRegionsAndNoSpecks)
{
    const std::vector<Region> regions = surveyRegions(load());
    int enclosed = 0;
    for (const Region& region : regions) {
        enclosed += region.touchesBorder ? 0 : 1;
        EXPECT_GE(region.size, SmallestRegion) << "white region at " << region.seed.x() << ", " << region.seed.y();
    }
    EXPECT_GE(enclosed, MinEnclosedRegions);
}

TEST_P(DefaultPicture, ColourInTheBiggestShapeStaysOffTheBorder)
{
    const QImage image = load();
    const std::vector<Region> regions = surveyRegions(image);
    const Region* biggest = nullptr;
    for (const Region& region : regions)
        if (!region.touchesBorder && (!biggest || region.size > biggest->size))
            biggest = &region;
    ASSERT_NE(biggest, nullptr);
    // An outline with a gap would let the figure's body run into the
    // background, leaving only small closed shapes.
    EXPECT_GE(biggest->size, qint64(MinSubjectShare * image.width() * image.height()));
    QImage coloured = image;
    EXPECT_EQ(floodFill(coloured, biggest->seed.x(), biggest->seed.y(), 0xFFFF0000), biggest->size);
    EXPECT_FALSE(borderChanged(image, coloured));
}

INSTANTIATE_TEST_SUITE_P(Books, DefaultPicture, ::testing::ValuesIn(pictureParameters()), testName);

TEST(DefaultHelp, TopicsTheProgramOpensByNameExist)
{
    EXPECT_TRUE(QFileInfo::exists(HelpRoot + QStringLiteral("/index.htm")));
    EXPECT_TRUE(QFileInfo::exists(HelpRoot + QStringLiteral("/license_agreement.htm")));
    EXPECT_TRUE(QFileInfo::exists(HelpRoot + QStringLiteral("/New pictures.htm")));
}

TEST(DefaultHelp, EveryTopicInTheContentsExists)
{
    const QStringList links = linksOf(readText(HelpRoot + QStringLiteral("/index.htm")));
    int topics = 0;
    for (const QString& link : links) {
        if (link == ProductPage)
            continue;
        const QString topic = linkedTopic(link);
        EXPECT_TRUE(QFileInfo::exists(HelpRoot + QLatin1Char('/') + topic)) << link.toStdString();
        ++topics;
    }
    EXPECT_GE(topics, 8);
}

TEST(DefaultHelp, LinksStayInsideTheHelpOrGoToTheProductPage)
{
    const QStringList topics = QDir(HelpRoot).entryList({QStringLiteral("*.htm")}, QDir::Files);
    ASSERT_FALSE(topics.isEmpty());
    for (const QString& topic : topics) {
        const QString html = readText(HelpRoot + QLatin1Char('/') + topic);
        EXPECT_FALSE(html.contains(QLatin1String("<script"), Qt::CaseInsensitive)) << topic.toStdString();
        for (const QString& link : linksOf(html)) {
            if (link.startsWith(QLatin1String("http"))) {
                EXPECT_EQ(link, ProductPage) << topic.toStdString();
                continue;
            }
            const QString target = linkedTopic(link);
            if (!target.isEmpty()) {
                EXPECT_TRUE(QFileInfo::exists(HelpRoot + QLatin1Char('/') + target))
                    << topic.toStdString() << " links to " << link.toStdString();
            }
        }
    }
}
