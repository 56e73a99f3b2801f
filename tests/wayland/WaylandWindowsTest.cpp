// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own windows on a Wayland desktop, beyond the keyboard: the
// hot corner that shows hidden parental buttons, and a second start that
// brings the running program forward with the token its launcher gave it.
#include "e2e/KioskFixture.h"
#include "e2e/TintalooProcess.h"
#include "e2e/TintalooScreen.h"
#include "wayland/SwayDesktop.h"
#include "support/SettingsBuilder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class WaylandWindowsTest : public KioskFixture<SwayDesktop>
{
protected:
    bool quitButtonShown() const
    {
        return screen->findButton(TintalooScreen::QuitButton, TintalooScreen::barArea()).x() >= 0;
    }

    void quit()
    {
        const Window prompt = screen->openQuitPrompt();
        ASSERT_TRUE(prompt.isValid()) << log();
        ASSERT_TRUE(screen->clickButton(TintalooScreen::OkButton, prompt.geometry)) << log();
        ASSERT_TRUE(program->waitForExit(15000)) << "the program did not end after OK" << log();
        EXPECT_EQ(program->exitCode(), 0) << log();
    }
};

} // namespace

TEST_F(WaylandWindowsTest, ThePointerRestingInTheCornerShowsTheHiddenParentalButtons)
{
    // Sounds off, quitting needs permission, buttons hidden.
    QFile settings(data.filePath(QStringLiteral("Settings.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(SettingsBuilder().autoHide().bytes());
    settings.close();
    openCanvas();
    if (HasFatalFailure())
        return;
    desktop->movePointer({TestDesktop::ScreenWidth / 2, TestDesktop::ScreenHeight / 2});
    TestDesktop::pause(1000);
    ASSERT_FALSE(quitButtonShown()) << "the parental buttons show although they are to hide";

    desktop->movePointer({3, 3});
    EXPECT_TRUE(TestDesktop::waitFor([&] { return quitButtonShown(); }, 8000))
        << "the buttons did not come with the pointer in the corner" << log();
    desktop->movePointer({TestDesktop::ScreenWidth / 2, TestDesktop::ScreenHeight / 2});
    EXPECT_TRUE(TestDesktop::waitFor([&] { return !quitButtonShown(); }, 8000))
        << "the buttons stayed after the pointer left the corner" << log();

    desktop->movePointer({3, 3});
    ASSERT_TRUE(TestDesktop::waitFor([&] { return quitButtonShown(); }, 8000)) << log();
    quit();
}

TEST_F(WaylandWindowsTest, ASecondStartBringsTheRunningProgramForward)
{
    openCanvas();
    if (HasFatalFailure())
        return;
    const QString workspace = desktop->currentWorkspace();
    desktop->showWorkspace(QStringLiteral("away"));
    ASSERT_TRUE(TestDesktop::waitFor([&] { return desktop->currentWorkspace() == QLatin1String("away"); }, 3000));
    ASSERT_FALSE(screen->isProgramWindow(desktop->activeWindow()));

    // As a launcher starts the program again: with a token of its own.
    const QString token = desktop->activationToken();
    ASSERT_FALSE(token.isEmpty()) << "sway gave no activation token";
    TintalooProcess again(*desktop, data.path());
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), token);
    ASSERT_TRUE(again.start(extra));
    ASSERT_TRUE(again.waitForExit(15000)) << again.log().toStdString();
    EXPECT_EQ(again.exitCode(), 0) << again.log().toStdString();

    EXPECT_TRUE(TestDesktop::waitFor([&] { return desktop->activeWindow().id == mainWindow.id; }, 5000))
        << "in front: " << desktop->activeWindow().name.toStdString() << log();
    EXPECT_EQ(desktop->currentWorkspace(), workspace);
    EXPECT_TRUE(desktop->isFullScreen(mainWindow.id));
    // Sway 1.7 focuses a window on a hidden workspace when it is activated,
    // but draws the output anew only once the workspace is shown again.
    desktop->showWorkspace(workspace);
    ASSERT_TRUE(screen->waitForMainWindow().isValid()) << log();
    quit();
}
