// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "e2e/E2eEnvironment.h"
#include "e2e/TintalooProcess.h"
#include "e2e/TintalooScreen.h"
#include "support/SettingsBuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The program started on a test desktop of one kind with settings that keep
// every window reachable: sounds off, quitting needs permission, buttons
// shown, no password.
template <typename Desktop>
class KioskFixture : public ::testing::Test
{
protected:
    using Window = TestDesktop::WindowInfo;
    static constexpr int BrowserCloseButton = BitmapId::NevermindUp;
    // Long enough for the window manager to act on a key it saw.
    static constexpr int SettleMs = 300;
    // From a window coming to the front to the first key.
    static constexpr int FocusMs = 400;

    void SetUp() override
    {
        E2E_REQUIRE_DESKTOP();
        desktop = dynamic_cast<Desktop*>(E2e::desktop());
        ASSERT_NE(desktop, nullptr);
        ASSERT_TRUE(data.isValid());
        QFile settings(data.filePath(QStringLiteral("Settings.ini")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(SettingsBuilder().bytes());
        settings.close();
        program = std::make_unique<TintalooProcess>(*desktop, data.path());
        screen = std::make_unique<TintalooScreen>(*desktop, *program);
    }

    std::string log() const { return "\nprogram output:\n" + program->log().toStdString(); }

    // Starts the program and opens the first picture from the browser it
    // starts with; mainWindow is the canvas then.
    void openCanvas()
    {
        ASSERT_TRUE(program->start()) << log();
        const Window browser = screen->waitForBrowser();
        ASSERT_TRUE(browser.isValid()) << "the picture browser did not open at start" << log();
        TestDesktop::pause(FocusMs);
        desktop->click(TintalooScreen::browserCell(browser, 0));
        mainWindow = screen->waitForMainWindow();
        ASSERT_TRUE(mainWindow.isValid()) << log();
        TestDesktop::pause(FocusMs);
    }

    Desktop* desktop = nullptr;
    QTemporaryDir data;
    std::unique_ptr<TintalooProcess> program;
    std::unique_ptr<TintalooScreen> screen;
    Window mainWindow;
};
