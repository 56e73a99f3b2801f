// The books and help topics compiled into the program: every picture must be
// something a child can actually colour, and every help link must lead
// somewhere.
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
constexpr int NearBlack = 64;           // grey level at or below which a pixel counts as outline
constexpr qint64 LargeRegion = 400;     // pixels: big enough for a small child to hit
constexpr int MinLargeRegions = 4;
constexpr double MaxRegionShare = 0.85;
constexpr double MinCleanShare = 0.90;  // pure white or near-black

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

struct RegionSurvey
{
    int largeRegions = 0;
    qint64 largestRegion = 0;
};

// Fills every white region of a copy with a marker, as a child's strokes
// would, and measures the regions.
RegionSurvey surveyRegions(QImage image)
{
    constexpr QRgb Marker = 0xFF00FF00;
    RegionSurvey survey;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] != White)
                continue;
            const qint64 size = floodFill(image, x, y, Marker);
            survey.largestRegion = std::max(survey.largestRegion, size);
            if (size > LargeRegion)
                ++survey.largeRegions;
        }
    }
    return survey;
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

TEST(DefaultBooks, BothBooksHaveTheirPictures)
{
    EXPECT_GE(pictureCount(QStringLiteral("The Tintaloo")), 12);
    EXPECT_GE(pictureCount(QStringLiteral("Animals")), 6);
}

TEST(DefaultBooks, EveryPictureFormatAppears)
{
    QSet<QString> formats;
    for (const QString& picture : defaultPictures())
        formats.insert(QFileInfo(picture).suffix());
    EXPECT_TRUE(formats.contains(QStringLiteral("bmp")));
    EXPECT_TRUE(formats.contains(QStringLiteral("gif")));
    EXPECT_TRUE(formats.contains(QStringLiteral("jpg")));
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

TEST_P(DefaultPicture, DecodesAndFitsTheCanvas)
{
    QImage image;
    ASSERT_NO_THROW(image = load());
    EXPECT_LE(image.width(), 750);
    EXPECT_LE(image.height(), 480);
}

TEST_P(DefaultPicture, IsBlackOutlinesOnPureWhite)
{
    const QImage image = load();
    qint64 clean = 0;
    qint64 nearlyWhite = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(row[x]);
            if (row[x] == White || grey <= NearBlack)
                ++clean;
            else if (qRed(row[x]) >= 251 && qGreen(row[x]) >= 251 && qBlue(row[x]) >= 251)
                ++nearlyWhite;  // would stay a white speck among the colours
        }
    }
    const qint64 pixels = qint64(image.width()) * image.height();
    EXPECT_GE(double(clean) / double(pixels), MinCleanShare);
    EXPECT_EQ(nearlyWhite, 0);
}

TEST_P(DefaultPicture, HasRegionsAChildCanFill)
{
    const QImage image = load();
    const RegionSurvey survey = surveyRegions(image);
    const qint64 pixels = qint64(image.width()) * image.height();
    EXPECT_GE(survey.largeRegions, MinLargeRegions);
    EXPECT_LE(double(survey.largestRegion) / double(pixels), MaxRegionShare);
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
            if (!target.isEmpty())
                EXPECT_TRUE(QFileInfo::exists(HelpRoot + QLatin1Char('/') + target))
                    << topic.toStdString() << " links to " << link.toStdString();
        }
    }
}
