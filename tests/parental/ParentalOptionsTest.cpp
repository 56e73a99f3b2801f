// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LinkLabel.h"
#include "support/WindowWatch.h"
#include "support/UrlCatcher.h"
#include "parental/frmFirstTime.h"
#include "parental/frmParentalOptions.h"
#include "library/frmColoredPictures.h"
#include "library/frmManagePictures.h"
#include "support/TempDataFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QLineEdit>
#include <QRadioButton>
#include <QUrl>
#include "support/TestTools.h"
#include "support/SettingsBuilder.h"

#include <gtest/gtest.h>

namespace {

const QByteArray NoPassword = SettingsBuilder().sound();

QCheckBox* box(QWidget* w, const char* name) { return w->findChild<QCheckBox*>(QLatin1String(name)); }
QLineEdit* text(QWidget* w, const char* name) { return w->findChild<QLineEdit*>(QLatin1String(name)); }
QRadioButton* speed(QWidget* w, int i)
{
    return w->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(i));
}

class ParentalOptionsTest : public ::testing::Test
{
protected:
    void writeSettings(const QByteArray& bytes) { data.writeFile(QStringLiteral("/Settings.ini"), bytes); }
    QByteArray settingsBytes() const { return fileBytes(data.path(QStringLiteral("/Settings.ini"))); }

    // Opens the window modally; action plays the parent's part.
    void run(frmParentalOptions& window, std::function<void(frmParentalOptions*)> action)
    {
        WindowWatch::answer<frmParentalOptions>(std::move(action));
        window.exec();
    }

    TempDataFolder data;
};

} // namespace

TEST_F(ParentalOptionsTest, LoadsTheSettingsIntoItsControls)
{
    writeSettings(SettingsBuilder().quitWithoutPermission().autoHide().bubbleSpeed(10).password(QStringLiteral(" pw "), QStringLiteral("the hint")));
    frmParentalOptions w(data.folder());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Options"));
    EXPECT_FALSE(box(&w, "Check1")->isChecked());
    EXPECT_TRUE(box(&w, "O2")->isChecked());
    EXPECT_TRUE(box(&w, "Check2")->isChecked());
    EXPECT_TRUE(box(&w, "Check3")->isChecked());
    EXPECT_TRUE(speed(&w, 2)->isChecked());
    EXPECT_EQ(text(&w, "Text1")->text(), QStringLiteral(" pw "));
    EXPECT_EQ(text(&w, "Text1")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(text(&w, "Text2")->text(), QStringLiteral("the hint"));
    EXPECT_FALSE(w.OKclicked);
    EXPECT_EQ(box(&w, "Check2")->toolTip(),
              QStringLiteral(" Ticking this box will cause The Tintaloo to hide the quit, save, print, help, "
                             "settings and gallery options when they are not in use."));
    // "Add/remove" and its plain words read as one line.
    auto* addRemove = w.findChild<LinkLabel*>(QStringLiteral("cFunc3"));
    auto* label6 = w.findChild<QLabel*>(QStringLiteral("Label6"));
    EXPECT_EQ(label6->text(), QStringLiteral("coloring pages and books"));
    EXPECT_EQ(label6->y(), addRemove->y());
    EXPECT_GT(label6->x(), addRemove->geometry().right());
}

TEST_F(ParentalOptionsTest, PasswordControlsFollowUseParentalPassword)
{
    writeSettings(NoPassword);
    frmParentalOptions w(data.folder());
    w.show();
    for (const char* name : {"Text1", "Text2"}) {
        EXPECT_FALSE(text(&w, name)->isEnabled());
        EXPECT_EQ(text(&w, name)->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    }
    EXPECT_FALSE(box(&w, "O2")->isEnabled());

    ModalDriver::click(box(&w, "Check3"));
    ASSERT_TRUE(box(&w, "Check3")->isChecked());
    for (const char* name : {"Text1", "Text2"}) {
        EXPECT_TRUE(text(&w, name)->isEnabled());
        EXPECT_EQ(text(&w, name)->palette().color(QPalette::Base), QColor(Qt::white));
    }
    EXPECT_TRUE(box(&w, "O2")->isEnabled());
    w.close();
}

TEST_F(ParentalOptionsTest, EmptyPasswordIsRefusedBeforeTheHintIsLookedAt)
{
    writeSettings(NoPassword);
    WindowWatch::Notices notices;
    frmParentalOptions w(data.folder());
    QWidget* focusAfterFirst = nullptr;
    QWidget* focusAfterSecond = nullptr;
    run(w, [&](frmParentalOptions* win) {
        ModalDriver::click(box(win, "Check3"));
        ModalDriver::clickChild(win, "cFunc1");
        focusAfterFirst = win->focusWidget();
        ModalDriver::type(text(win, "Text1"), QStringLiteral(" Secret "));
        ModalDriver::clickChild(win, "cFunc1");
        focusAfterSecond = win->focusWidget();
        ModalDriver::type(text(win, "Text2"), QStringLiteral("spaces around"));
        ModalDriver::clickChild(win, "cFunc1");
    });
    ASSERT_EQ(notices.texts().size(), 2);
    EXPECT_EQ(notices.texts().at(0), QStringLiteral("You must enter a password in order to continue."));
    EXPECT_EQ(notices.texts().at(1), QStringLiteral("You must enter a password hint incase you forget your password."));
    EXPECT_EQ(focusAfterFirst, text(&w, "Text1"));
    EXPECT_EQ(focusAfterSecond, text(&w, "Text2"));
    EXPECT_TRUE(w.OKclicked);
    EXPECT_EQ(settingsBytes(), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 4 \r\n Secret \r\nspaces around\r\n"));
}

TEST_F(ParentalOptionsTest, WithoutPasswordEmptyLinesAreSavedQuietly)
{
    writeSettings(SettingsBuilder().bubbleSpeed(2));
    WindowWatch::Notices notices;
    frmParentalOptions w(data.folder());
    run(w, [](frmParentalOptions* win) {
        ModalDriver::click(box(win, "Check1"));
        ModalDriver::clickChild(win, "cFunc1");
    });
    EXPECT_TRUE(notices.texts().isEmpty());
    EXPECT_TRUE(w.OKclicked);
    EXPECT_EQ(settingsBytes(), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n 2 \r\n\r\n\r\n"));
}

TEST_F(ParentalOptionsTest, AutoHideNoticeShowsOnceAfterTicking)
{
    writeSettings(NoPassword);
    const QString autoHideNotice = QStringLiteral(
        "You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). "
        "If you need to access them, you should place the mouse pointer over that area for one second.");
    {
        WindowWatch::Notices notices;
        frmParentalOptions w(data.folder());
        run(w, [](frmParentalOptions* win) {
            ModalDriver::click(box(win, "Check2"));
            ModalDriver::clickChild(win, "cFunc1");
        });
        EXPECT_EQ(notices.texts(), QStringList{autoHideNotice});
        EXPECT_TRUE(w.OKclicked);
        EXPECT_EQ(settingsBytes(), QByteArray(" 1 \r\n 0 \r\n 1 \r\n 0 \r\n 4 \r\n\r\n\r\n"));
    }
    {
        WindowWatch::Notices notices;
        frmParentalOptions w(data.folder());
        run(w, [](frmParentalOptions* win) { ModalDriver::clickChild(win, "cFunc1"); });
        EXPECT_TRUE(notices.texts().isEmpty());
        EXPECT_TRUE(w.OKclicked);
    }
}

TEST_F(ParentalOptionsTest, UnknownSpeedShowsNoneAndIsSavedBackEmpty)
{
    writeSettings(SettingsBuilder().sound().bubbleSpeed(7));
    frmParentalOptions w(data.folder());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(speed(&w, i)->isChecked());
    run(w, [](frmParentalOptions* win) { ModalDriver::clickChild(win, "cFunc1"); });
    EXPECT_TRUE(w.OKclicked);
    EXPECT_EQ(settingsBytes(), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n\r\n\r\n"));
}

TEST_F(ParentalOptionsTest, CancelAfterAnUnreadableFileEndsTheProgram)
{
    writeSettings(" 1 \r\n 0 \r\nnot a number\r\n");
    WindowWatch::Notices notices;
    frmParentalOptions w(data.folder());
    run(w, [](frmParentalOptions* win) { ModalDriver::clickChild(win, "cFunc0"); });
    ASSERT_EQ(notices.texts().size(), 1);
    EXPECT_EQ(notices.texts().first(),
              QStringLiteral("There was an error when trying to open the settings file. This may be because you "
                             "are running The Tintaloo for the first time.\r\n\r\nYou can attempt to create a new "
                             "settings file by completing the next window and clicking OK. If that does not work, "
                             "reinstalling the application may fix the problem."));
    EXPECT_TRUE(w.ProgramMustEnd);
    EXPECT_FALSE(w.OKclicked);
    EXPECT_EQ(settingsBytes(), QByteArray(" 1 \r\n 0 \r\nnot a number\r\n"));
}

TEST_F(ParentalOptionsTest, FirstRunWelcomesThenCancelOnlyCloses)
{
    QString welcome;
    WindowWatch::answer<frmFirstTime>([&](frmFirstTime* first) {
        EXPECT_EQ(first->Form_style(), 1);
        welcome = ModalDriver::visibleText(first);
        WindowWatch::answer<frmParentalOptions>([](frmParentalOptions* win) { ModalDriver::clickChild(win, "cFunc0"); });
        ModalDriver::clickChild(first, "Label1");
    });
    WindowWatch::Notices notices;
    frmParentalOptions w(data.folder());
    w.exec();
    EXPECT_TRUE(welcome.contains(
        QStringLiteral("Hello! This appears to be the first time you are running The Tintaloo Version 6.")));
    EXPECT_TRUE(notices.texts().isEmpty());
    EXPECT_FALSE(w.ProgramMustEnd);
    EXPECT_FALSE(w.OKclicked);
    EXPECT_FALSE(QFileInfo::exists(data.path(QStringLiteral("/settings.ini"))));
}

TEST_F(ParentalOptionsTest, AFailedWriteKeepsTheWindowOpen)
{
    // A folder where the file should be: it can be neither read nor replaced.
    QDir().mkpath(data.root() + QStringLiteral("/settings.ini"));
    WindowWatch::Notices notices;
    frmParentalOptions w(data.folder());
    bool openAfterFailure = false;
    run(w, [&](frmParentalOptions* win) {
        ModalDriver::clickChild(win, "cFunc1");
        openAfterFailure = win->isVisible();
        ModalDriver::clickChild(win, "cFunc0");
    });
    ASSERT_EQ(notices.texts().size(), 2);
    EXPECT_EQ(notices.texts().at(1), QStringLiteral("There was an error while trying to save the settings.\r\n\r\n"
                                                    "Make sure the disk is not write protected and there is "
                                                    "enough space."));
    EXPECT_TRUE(openAfterFailure);
    EXPECT_FALSE(w.OKclicked);
}

TEST_F(ParentalOptionsTest, TextTheFileCannotHoldIsRefused)
{
    writeSettings(SettingsBuilder().sound().password(QStringLiteral("old"), QStringLiteral("hint")));
    WindowWatch::Notices notices;
    frmParentalOptions w(data.folder());
    run(w, [](frmParentalOptions* win) {
        text(win, "Text1")->clear();
        // Typed through an input method: the symbol has no key of its own.
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("\u263A"));
        QApplication::sendEvent(text(win, "Text1"), &typed);
        ModalDriver::clickChild(win, "cFunc1");
        ModalDriver::clickChild(win, "cFunc0");
    });
    ASSERT_EQ(notices.texts().size(), 1);
    EXPECT_TRUE(notices.texts().first().startsWith(QStringLiteral("The password and the password hint")));
    EXPECT_FALSE(w.OKclicked);
    EXPECT_EQ(settingsBytes(), QByteArray(" 1 \r\n 0 \r\n 0 \r\n 1 \r\n 4 \r\nold\r\nhint\r\n"));
}

TEST_F(ParentalOptionsTest, LibraryLinksNeedTheirFolders)
{
    writeSettings(NoPassword);
    WindowWatch::Notices notices;
    frmParentalOptions w(data.folder());
    int libraryChanges = 0;
    w.onLibraryChanged = [&libraryChanges] { ++libraryChanges; };
    w.show();
    ModalDriver::clickChild(&w, "cFunc2");
    ModalDriver::clickChild(&w, "cFunc3");
    ASSERT_EQ(notices.texts().size(), 2);
    EXPECT_EQ(notices.texts().at(0), QStringLiteral("There are currently no colored pictures to browse. You can "
                                                    "only access this window after at least one picture has been "
                                                    "colored."));
    EXPECT_EQ(notices.texts().at(1), QStringLiteral("Could not find the books path. Please reinstall The Tintaloo!"));
    EXPECT_EQ(libraryChanges, 0);
    w.close();
}

TEST_F(ParentalOptionsTest, LibraryLinksOpenTheLibraryWindowsAndThenTheLibraryChanges)
{
    writeSettings(NoPassword);
    data.writePicture(QStringLiteral("/books/Animals/cat.bmp"));
    data.writePicture(QStringLiteral("/Colored Pictures/Animals/cat.bmp.jpg"));
    frmParentalOptions w(data.folder());
    const QString open = data.path(QStringLiteral("/books/Animals/cat.bmp"));
    w.setCurrentPicture(open);
    QStringList changes;
    w.onLibraryChanged = [&changes] { changes << QStringLiteral("changed"); };
    w.show();

    WindowWatch::answer<frmColoredPictures>([&changes](frmColoredPictures* colored) {
        changes << colored->windowTitle();
        EXPECT_EQ(WindowWatch::LV(colored)->count(), 1);
        ModalDriver::click(colored->cFunc(2));
    });
    ModalDriver::clickChild(&w, "cFunc2");
    WindowWatch::answer<frmManagePictures>([&changes, open](frmManagePictures* manager) {
        changes << manager->windowTitle();
        EXPECT_EQ(manager->CurrentPicture(), open);
        ModalDriver::click(manager->cFunc(4));
    });
    ModalDriver::clickChild(&w, "cFunc3");
    EXPECT_EQ(changes, QStringList({"Manage colored pictures", "changed", "Manage pictures", "changed"}));
    w.close();
}

TEST_F(ParentalOptionsTest, CheckForUpdatesAsksFirst)
{
    writeSettings(NoPassword);
    UrlCatcher browser;
    frmParentalOptions w(data.folder());
    w.show();
    {
        WindowWatch::Notices notices(true);
        ModalDriver::clickChild(&w, "cFunc4");
        ASSERT_EQ(notices.texts().size(), 1);
        EXPECT_EQ(notices.texts().first(),
                  QStringLiteral("Your current version of The Tintaloo is 6.0\r\n\r\nWould you like to be taken "
                                 "to The Tintaloo website to see if a newer version is available?"));
        EXPECT_TRUE(browser.urls.isEmpty());
    }
    {
        WindowWatch::Notices notices;
        ModalDriver::clickChild(&w, "cFunc4");
        EXPECT_EQ(notices.texts().size(), 1);
        EXPECT_EQ(browser.urls, QStringList{QStringLiteral("https://tintaloo.example.org/downloads/")});
    }
    // A browser that cannot be reached.
    browser.breakBrowser();
    {
        WindowWatch::Notices notices;
        ModalDriver::clickChild(&w, "cFunc4");
        ASSERT_EQ(notices.texts().size(), 2);
        EXPECT_EQ(notices.texts().at(1), QStringLiteral("Could not load The Tintaloo webpage. Please make sure "
                                                        "that your internet browser is working!"));
    }
    w.close();
}

