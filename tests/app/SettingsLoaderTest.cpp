// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"
#include "app/SettingsLoader.h"
#include "support/WindowWatch.h"
#include "parental/frmFirstTime.h"
#include "parental/frmParentalOptions.h"
#include "support/TempDataFolder.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include "support/TestTools.h"

#include <gtest/gtest.h>

namespace {

const QString CannotCreate = QStringLiteral(
    "The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. "
    "Make sure that the disk you are using is not write protected.");

// The welcome, then the options window, answered in that order.
void welcomeThen(std::function<void(frmParentalOptions*)> options)
{
    WindowWatch::answer<frmFirstTime>([options](frmFirstTime* first) {
        WindowWatch::answer<frmParentalOptions>(options);
        ModalDriver::clickChild(first, "Label1");
    });
}

} // namespace

TEST(LoadSettingsWithFirstRun, AReadableFileOpensNoWindow)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/settings.ini"), " 1 \r\n 1 \r\n 0 \r\n 1 \r\n 10 \r\npw\r\nhint\r\n");
    WindowWatch::Notices notices;
    Settings settings;
    EXPECT_TRUE(loadSettingsWithFirstRun(data.folder(), settings));
    EXPECT_TRUE(notices.texts().isEmpty());
    EXPECT_FALSE(settings.Quit_Needs_Permission);
    EXPECT_EQ(settings.Bubble_speed, 10.0f);
    EXPECT_EQ(settings.Parental_Password, QStringLiteral("pw"));
}

TEST(LoadSettingsWithFirstRun, FirstRunWelcomesAndContinueWritesTheFile)
{
    TempDataFolder data;
    bool welcomed = false;
    WindowWatch::answer<frmFirstTime>([&welcomed](frmFirstTime* first) {
        welcomed = true;
        WindowWatch::answer<frmParentalOptions>([](frmParentalOptions* w) {
            // The password is asked for until the parent unticks it.
            auto* password = w->findChild<QCheckBox*>(QStringLiteral("Check3"));
            ASSERT_NE(password, nullptr);
            EXPECT_TRUE(password->isChecked());
            ModalDriver::click(password);
            ModalDriver::clickChild(w, "cFunc1");
        });
        ModalDriver::clickChild(first, "Label1");
    });
    WindowWatch::Notices notices;
    Settings settings;
    settings.Play_Sound = false;
    ASSERT_TRUE(loadSettingsWithFirstRun(data.folder(), settings));
    EXPECT_TRUE(welcomed);
    EXPECT_TRUE(notices.texts().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(data.path(QStringLiteral("/Settings.ini"))));
    // A new installation: sounds on, medium bubbles, and the password the
    // parent chose to go without.
    EXPECT_TRUE(settings.Play_Sound);
    EXPECT_EQ(settings.Bubble_speed, 4.0f);
    EXPECT_FALSE(settings.Use_Parental_password);
    EXPECT_TRUE(settings.Quit_Needs_Permission);
}

TEST(LoadSettingsWithFirstRun, TheFirstPasswordIsAskedForBeforeContinuing)
{
    TempDataFolder data;
    QStringList refusals;
    welcomeThen([&refusals](frmParentalOptions* w) {
        WindowWatch::Notices notices;
        ModalDriver::clickChild(w, "cFunc1");
        refusals = notices.texts();
        w->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("pw"));
        w->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("hint"));
        ModalDriver::clickChild(w, "cFunc1");
    });
    Settings settings;
    ASSERT_TRUE(loadSettingsWithFirstRun(data.folder(), settings));
    EXPECT_EQ(refusals, QStringList{QStringLiteral("You must enter a password in order to continue.")});
    EXPECT_TRUE(settings.Use_Parental_password);
    EXPECT_EQ(settings.Parental_Password, QStringLiteral("pw"));
}

TEST(LoadSettingsWithFirstRun, LeavingTheOptionsWithoutContinueEndsTheProgram)
{
    TempDataFolder data;
    welcomeThen([](frmParentalOptions* w) { ModalDriver::clickChild(w, "cFunc0"); });
    WindowWatch::Notices notices;
    Settings settings;
    EXPECT_FALSE(loadSettingsWithFirstRun(data.folder(), settings));
    EXPECT_TRUE(notices.texts().isEmpty()) << "ends without a message";
    EXPECT_FALSE(QFileInfo::exists(data.path(QStringLiteral("/Settings.ini"))));
}

TEST(LoadSettingsWithFirstRun, AFileStillUnreadableAfterContinueIsASeriousError)
{
    // Six lines with a speed the window cannot show: the parent confirms
    // without choosing a speed, the window writes an empty fifth line, and
    // the program's reader refuses the new file too.
    TempDataFolder data;
    data.writeFile(QStringLiteral("/Settings.ini"), " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 7 \r\n\r\n");
    int optionsShown = 0;
    WindowWatch::answer<frmParentalOptions>([&optionsShown](frmParentalOptions* w) {
        ++optionsShown;
        ModalDriver::clickChild(w, "cFunc1");
    });
    WindowWatch::Notices notices;
    Settings settings;
    EXPECT_FALSE(loadSettingsWithFirstRun(data.folder(), settings));
    EXPECT_EQ(optionsShown, 1);
    ASSERT_EQ(notices.texts().size(), 2);
    EXPECT_TRUE(notices.texts().at(0).startsWith(QStringLiteral("There was an error when trying to open")));
    EXPECT_EQ(notices.texts().at(1), CannotCreate);
    EXPECT_EQ(fileBytes(data.path(QStringLiteral("/Settings.ini"))),
              QByteArray(" 1 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n\r\n\r\n"));
}

TEST(LoadSettingsWithFirstRun, AnUnreadableFileIsRepairedThroughTheOptions)
{
    TempDataFolder data;
    data.writeFile(QStringLiteral("/Settings.ini"), " 1 \r\n 0 \r\n\r\n");
    WindowWatch::answer<frmParentalOptions>([](frmParentalOptions* w) { ModalDriver::clickChild(w, "cFunc1"); });
    WindowWatch::Notices notices;
    Settings settings;
    EXPECT_TRUE(loadSettingsWithFirstRun(data.folder(), settings));
    EXPECT_EQ(notices.texts().size(), 1);
    EXPECT_EQ(settings.Bubble_speed, 4.0f);
}
