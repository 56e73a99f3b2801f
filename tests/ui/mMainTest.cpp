// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpWindow.h"
#include "ui/HelpBrowser.h"
#include "support/WindowWatch.h"
#include "support/UrlCatcher.h"
#include "ui/mMain.h"
#include "platform/AppError.h"
#include "platform/PictureSurface.h"
#include "support/TempDataFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

void makeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace

// ---- scrambling ----------------------------------------------------------------

TEST(ScrambleText, DigitCountThenDigitsForEachCharacter)
{
    EXPECT_EQ(mMain::ScrambleText(QStringLiteral("abc"), false), QStringLiteral("297298299"));
    EXPECT_EQ(mMain::ScrambleText(QStringLiteral("\n"), false), QStringLiteral("210"));
    EXPECT_EQ(mMain::ScrambleText(QString(QChar(0)), false), QStringLiteral("10"));
    EXPECT_EQ(mMain::UnscrambleText(QStringLiteral("297298299"), false), QStringLiteral("abc"));
}

TEST(ScrambleText, SecondStageHidesTheDigitsAndComesBack)
{
    const QString scrambled = mMain::ScrambleText(QStringLiteral("abc"), true);
    EXPECT_EQ(scrambled, QStringLiteral("fmkfmlfmm"));
    for (const QChar c : scrambled)
        EXPECT_FALSE(c.isDigit());
    EXPECT_EQ(mMain::UnscrambleText(scrambled, true), QStringLiteral("abc"));

    QString every;
    for (int code = 0; code < 256; ++code)
        every += QChar(code);
    EXPECT_EQ(mMain::UnscrambleText(mMain::ScrambleText(every, true), true), every);
    EXPECT_EQ(mMain::UnscrambleText(mMain::ScrambleText(every, false), false), every);
}

TEST(ScrambleText, FailuresGiveTheirMessages)
{
    const QString decryptError = QStringLiteral("Error decrypting string");
    EXPECT_EQ(mMain::UnscrambleText(QString(), false), decryptError);
    EXPECT_EQ(mMain::UnscrambleText(QString(), true), decryptError);
    EXPECT_EQ(mMain::UnscrambleText(QStringLiteral("29"), false), decryptError) << "too few digits";
    EXPECT_EQ(mMain::UnscrambleText(QStringLiteral("2x7"), false), decryptError);
    EXPECT_EQ(mMain::UnscrambleText(QStringLiteral("3999"), false), decryptError) << "beyond one byte";
    EXPECT_EQ(mMain::UnscrambleText(QStringLiteral("ABC"), true), decryptError);
    EXPECT_EQ(mMain::ScrambleText(QStringLiteral("snow\u2603man"), false),
              QStringLiteral("Error encrypting string"));
}

// ---- files and folders -----------------------------------------------------------

TEST(RemoveFile, DeletesAFileAndReportsIt)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/a.txt"), "x");
    EXPECT_TRUE(mMain::RemoveFile(data.root() + QStringLiteral("/a.txt")));
    EXPECT_FALSE(QFileInfo::exists(data.root() + QStringLiteral("/a.txt")));
    EXPECT_FALSE(mMain::RemoveFile(data.root() + QStringLiteral("/a.txt"))) << "already gone";
    EXPECT_FALSE(mMain::RemoveFile(data.root())) << "a folder is not a file";
}

TEST(RemoveFile, LeavesAReadOnlyFile)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/locked.txt"), "keep me");
    const QString path = data.root() + QStringLiteral("/locked.txt");
    makeReadOnly(path);
    EXPECT_FALSE(mMain::RemoveFile(path));
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST(RemoveFolder, DeletesWithContentsAndAcceptsATrailingSeparator)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/book/a.bmp"), "a");
    data.writeFile(QStringLiteral("/book/inner/b.bmp"), "b");
    EXPECT_TRUE(mMain::RemoveFolder(data.root() + QStringLiteral("/book/")));
    EXPECT_FALSE(QFileInfo::exists(data.root() + QStringLiteral("/book")));
}

TEST(RemoveFolder, MissingFolderIsFalse)
{
    TempDataFolder data;
    EXPECT_FALSE(mMain::RemoveFolder(data.root() + QStringLiteral("/nothing/")));
    EXPECT_FALSE(mMain::RemoveFolder(data.root() + QStringLiteral("/nothing")));
}

TEST(RemoveFolder, AReadOnlyItemInsideKeepsEverything)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/book/a.bmp"), "a");
    data.writeFile(QStringLiteral("/book/inner/locked.bmp"), "b");
    makeReadOnly(data.root() + QStringLiteral("/book/inner/locked.bmp"));
    EXPECT_FALSE(mMain::RemoveFolder(data.root() + QStringLiteral("/book")));
    EXPECT_TRUE(QFileInfo::exists(data.root() + QStringLiteral("/book/a.bmp")));
    EXPECT_TRUE(QFileInfo::exists(data.root() + QStringLiteral("/book/inner/locked.bmp")));
}

TEST(PathParts, FileNameAndFolder)
{
    EXPECT_EQ(mMain::FileNameOf(QStringLiteral("a/b/c.jpg")), QStringLiteral("c.jpg"));
    EXPECT_EQ(mMain::FileNameOf(QStringLiteral("c.jpg")), QStringLiteral("c.jpg"));
    EXPECT_EQ(mMain::FileNameOf(QStringLiteral("a/b/")), QString());
    EXPECT_EQ(mMain::FolderOf(QStringLiteral("a/b/c.jpg")), QStringLiteral("a/b"));
    EXPECT_EQ(mMain::FolderOf(QStringLiteral("/c.jpg")), QString());
    EXPECT_THROW(mMain::FolderOf(QStringLiteral("c.jpg")), AppError);
}

TEST(SplitColor, RedIsTheLowByte)
{
    quint8 r = 0, g = 0, b = 0;
    mMain::SplitColor(0x336699, r, g, b);
    EXPECT_EQ(r, 0x99);
    EXPECT_EQ(g, 0x66);
    EXPECT_EQ(b, 0x33);
    try {
        mMain::SplitColor(-1, r, g, b);
        FAIL() << "a negative colour must fail";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
}

TEST(PaintGradient, RunsFromBlackToTheUntouchedBackdropOverElevenRows)
{
    const QRgb backdrop = qRgb(64, 128, 200);
    PictureSurface surface(QSize(20, 15), backdrop);
    surface.clear();
    int repaints = 0;
    surface.setRefreshHandler([&repaints](const QRect&) { ++repaints; });
    mMain::PaintGradient(surface, 2, 0, 5, 10, qRgb(0, 0, 0), backdrop);
    const QImage& image = surface.image();
    for (int x = 2; x <= 7; ++x) {
        EXPECT_EQ(image.pixel(x, 0), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(image.pixel(x, 10), backdrop) << x;
    }
    // Row 5 of 10: (5/10 * 5/10 + 5/10) of the backdrop.
    EXPECT_EQ(image.pixel(4, 5), qRgb(48, 96, 150));
    EXPECT_EQ(image.pixel(1, 0), backdrop) << "left of the band";
    EXPECT_EQ(image.pixel(8, 0), backdrop) << "width + 1 columns only";
    EXPECT_EQ(image.pixel(4, 11), backdrop) << "11 rows only";
    EXPECT_EQ(repaints, 1);
}

TEST(FontSmoothing, SwitchesTheApplicationsTextAntialiasing)
{
    const QFont before = QApplication::font();
    mMain::FontSmoothingOff();
    EXPECT_FALSE(mMain::FontSmoothingIsOn());
    mMain::FontSmoothingOn(2);
    EXPECT_TRUE(mMain::FontSmoothingIsOn());
    EXPECT_TRUE(QApplication::font().styleStrategy() & QFont::PreferAntialias);
    QApplication::setFont(before);
}

// ---- web and help ----------------------------------------------------------------

TEST(OpenWebPage, HandsTheAddressOver)
{
    UrlCatcher catcher;
    EXPECT_TRUE(mMain::OpenWebPage(QStringLiteral("https://tintaloo.example.org/")));
    EXPECT_EQ(catcher.urls, QStringList{QStringLiteral("https://tintaloo.example.org/")});
}

TEST(ShowHelpFile, MissingHelpTellsTheParent)
{
    TempDataFolder data;
    WindowWatch::Notices notices;
    mMain::ShowHelpFile(nullptr, data.folder(), QStringLiteral("license_agreement.htm"));
    ASSERT_EQ(notices.texts().size(), 1);
    EXPECT_EQ(notices.texts().first(), QStringLiteral("Unable to start the help file '") + data.root()
                                           + QStringLiteral("/help/index.htm'. Please make sure that it exists."));
}

TEST(ShowHelpFile, ShowsTheTopicFollowsLinksAndCloses)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/help/index.htm"),
                   "<html><body><h1>Contents</h1><a href=\"license_agreement.htm\">Licence</a></body></html>");
    data.writeFile(QStringLiteral("/help/License_Agreement.htm"),
                   "<html><body><h1>The licence</h1><a href=\"index.htm\">Back</a></body></html>");
    QString shown, followed;
    QSize size;
    WindowWatch::answer<HelpWindow>([&](HelpWindow* help) {
        shown = help->browser()->toPlainText();
        size = help->size();
        // A link written in another letter case still finds its topic.
        Q_EMIT help->browser()->anchorClicked(QUrl(QStringLiteral("license_agreement.htm")));
        followed = help->browser()->toPlainText();
        ModalDriver::clickChild(help, "lClose");
    });
    WindowWatch::Notices notices;
    mMain::ShowHelpFile(nullptr, data.folder(), QStringLiteral("index.htm"));
    EXPECT_TRUE(shown.contains(QStringLiteral("Contents")));
    EXPECT_TRUE(followed.contains(QStringLiteral("The licence")));
    EXPECT_TRUE(notices.texts().isEmpty());
    const QSize screen = QApplication::primaryScreen()->availableGeometry().size();
    EXPECT_GT(size.width(), screen.width() / 2);
    EXPECT_GT(size.height(), screen.height() / 2);
}

// The help folder is the data folder's: a topic's link to a device, or a
// picture far too large, shows as missing instead of being read.
TEST(HelpBrowser, ReadsOnlyRegularFilesOfAHelpfulSize)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/help/index.htm"),
                   "<html><body><h1>Contents</h1><img src=\"huge.png\"><img src=\"zero.png\"></body></html>");
    QFile huge(data.path(QStringLiteral("/help/huge.png")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(HelpBrowser::MaxFileBytes + 1));
    huge.close();
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), data.path(QStringLiteral("/help/zero.png"))));
    data.writeFile(QStringLiteral("/help/small.png"), "not really a picture");

    HelpBrowser browser;
    browser.setSource(QUrl::fromLocalFile(data.path(QStringLiteral("/help/index.htm"))));
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("Contents")));
    EXPECT_FALSE(browser.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("huge.png"))).isValid());
    EXPECT_FALSE(browser.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("zero.png"))).isValid());
    EXPECT_TRUE(browser.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("small.png"))).isValid());
}

