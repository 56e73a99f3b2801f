// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpWindow.h"
#include "ui/LinkLabel.h"
#include "support/WindowWatch.h"
#include "support/UrlCatcher.h"
#include "parental/frmFirstTime.h"
#include "app/frmSplash.h"
#include "support/TempDataFolder.h"

#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QLabel* label(QWidget* w, const char* name) { return w->findChild<QLabel*>(QLatin1String(name)); }

void writeHelp(const TempDataFolder& data)
{
    data.writeFile(QStringLiteral("/help/index.htm"), "<html><body><h1>Contents</h1></body></html>");
    data.writeFile(QStringLiteral("/help/license_agreement.htm"), "<html><body><h1>Licence</h1></body></html>");
}

} // namespace

TEST(Splash, LoadingStyleShowsProgressAndNoLinks)
{
    TempDataFolder data;
    frmSplash splash(data.folder());
    splash.setForm_style(1);
    splash.setProgressText(QStringLiteral("Loading book 2 of 5"));
    splash.show();
    EXPECT_EQ(label(&splash, "Label2")->text(), QStringLiteral("The Tintaloo Version 6.0"));
    EXPECT_TRUE(label(&splash, "lProgress")->isVisible());
    EXPECT_EQ(label(&splash, "lProgress")->text(), QStringLiteral("Loading book 2 of 5"));
    for (const char* link : {"Command1", "Command2", "Command3"})
        EXPECT_FALSE(label(&splash, link)->isVisible()) << link;
    // The notice is plain text here: a click does nothing.
    ModalDriver::clickChild(&splash, "Label1");
    EXPECT_TRUE(splash.isVisible());
    splash.close();
}

TEST(Splash, AboutStyleShowsLinksAndNoProgress)
{
    TempDataFolder data;
    frmSplash splash(data.folder());
    splash.setForm_style(0);
    splash.show();
    EXPECT_FALSE(label(&splash, "lProgress")->isVisible());
    for (const char* link : {"Command1", "Command2", "Command3"})
        EXPECT_TRUE(label(&splash, link)->isVisible()) << link;
    EXPECT_EQ(label(&splash, "Label1")->toolTip(),
              QStringLiteral("Open The Tintaloo help file to view the license agreement in more detail."));
    // Help, Visit website, Close from left to right.
    EXPECT_LT(label(&splash, "Command2")->x(), label(&splash, "Command3")->x());
    EXPECT_LT(label(&splash, "Command3")->x(), label(&splash, "Command1")->x());
    ModalDriver::clickChild(&splash, "Command1");
    EXPECT_FALSE(splash.isVisible());
}

TEST(Splash, HelpWithoutHelpFolderTellsTheParentAndStaysOpen)
{
    TempDataFolder data;
    frmSplash splash(data.folder());
    bool stillOpen = false;
    WindowWatch::Notices notices;
    WindowWatch::answer<frmSplash>([&stillOpen](frmSplash* s) {
        ModalDriver::clickChild(s, "Command2");
        stillOpen = s->isVisible();
        ModalDriver::clickChild(s, "Command1");
    });
    splash.exec();
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(notices.texts().size(), 1);
    EXPECT_EQ(notices.texts().first(), QStringLiteral("Unable to start the help file '") + data.root()
                                           + QStringLiteral("/help/index.htm' Please make sure that it exists."));
}

// Clicks a link of the about box and returns what the help window showed;
// the about box must have closed itself afterwards.
static QString helpShownAfterClicking(const char* link)
{
    TempDataFolder data;
    writeHelp(data);
    frmSplash splash(data.folder());
    QString shown;
    WindowWatch::answer<frmSplash>([&shown, link](frmSplash* s) {
        WindowWatch::answer<HelpWindow>([&shown](HelpWindow* help) {
            shown = help->browser()->toPlainText();
            ModalDriver::clickChild(help, "lClose");
        });
        ModalDriver::clickChild(s, link);
    });
    splash.exec();
    EXPECT_FALSE(splash.isVisible());
    return shown;
}

TEST(Splash, HelpShowsTheIndexThenCloses)
{
    EXPECT_TRUE(helpShownAfterClicking("Command2").contains(QStringLiteral("Contents")));
}

TEST(Splash, LicenceNoticeOpensTheLicenceTopic)
{
    EXPECT_TRUE(helpShownAfterClicking("Label1").contains(QStringLiteral("Licence")));
}

TEST(Splash, VisitWebsiteClosesFirstThenOpensThePage)
{
    TempDataFolder data;
    frmSplash splash(data.folder());
    UrlCatcher browser;
    bool splashVisibleWhenOpened = true;
    browser.onOpen = [&] { splashVisibleWhenOpened = splash.isVisible(); };
    WindowWatch::answer<frmSplash>([](frmSplash* s) { ModalDriver::clickChild(s, "Command3"); });
    WindowWatch::Notices notices;
    splash.exec();
    EXPECT_EQ(browser.urls, QStringList{QStringLiteral("https://tintaloo.example.org/")});
    EXPECT_FALSE(splashVisibleWhenOpened);
    EXPECT_TRUE(notices.texts().isEmpty());

    browser.breakBrowser();
    frmSplash again(data.folder());
    WindowWatch::answer<frmSplash>([](frmSplash* s) { ModalDriver::clickChild(s, "Command3"); });
    again.exec();
    EXPECT_EQ(notices.texts(), QStringList{QStringLiteral("Could not load The Tintaloo webpage. Please make sure "
                                                          "that your internet browser is working!")});
}

TEST(FirstTime, WelcomesAndContinueCloses)
{
    frmFirstTime first;
    first.setForm_style(1);
    WindowWatch::answer<frmFirstTime>([](frmFirstTime* w) { ModalDriver::clickChild(w, "Label1"); });
    first.exec();
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(label(&first, "Label2")->text(), QStringLiteral("The Tintaloo Version 6.0"));
    EXPECT_EQ(label(&first, "Label7")->text(),
              QStringLiteral("Hello! This appears to be the first time you are running The Tintaloo Version 6."));
    EXPECT_EQ(label(&first, "Label11")->text(),
              QStringLiteral("For now, please enjoy this software. To get started, click the Continue button below "
                             "and then fill out the settings window. Have fun!"));
}

