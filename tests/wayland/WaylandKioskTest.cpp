// SPDX-License-Identifier: GPL-3.0-or-later
// A curious child at the keyboard of a Wayland desktop: every combination
// that leaves a program, pressed with the canvas, the picture browser, the
// options window, a parent notice and the quit prompt in front. Sway runs
// a command for each of them, so one that gets past the program shows as a
// marker file.
#include "e2e/KioskFixture.h"
#include "e2e/KioskKeys.h"
#include "e2e/TintalooProcess.h"
#include "e2e/TintalooScreen.h"
#include "wayland/SwayDesktop.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <map>

namespace {

class WaylandKioskTest : public KioskFixture<SwayDesktop>
{
protected:
    // Without the program, sway acts on every combination: otherwise one that
    // the program failed to keep could not show.
    void expectDesktopSeesEveryKey()
    {
        for (const KioskKey& key : KioskKeys) {
            const QString combination = QLatin1String(key.xdotool);
            desktop->clearMarkers();
            desktop->key(combination);
            EXPECT_TRUE(TestDesktop::waitFor(
                [&] { return desktop->markers().contains(SwayDesktop::markerName(combination)); }, 3000))
                << "sway does not react to " << key.xdotool;
        }
        desktop->clearMarkers();
    }

    // Presses every combination with the window in front that bringBack()
    // shows; returns how many reached the desktop.
    int pressAllWithWindowInFront(const char* context, const std::function<bool(const Window&)>& isInFront,
                                  const std::function<Window()>& bringBack)
    {
        int fired = 0;
        for (const KioskKey& key : KioskKeys) {
            Window before = desktop->activeWindow();
            if (!screen->isProgramWindow(before) || !isInFront(before)) {
                before = bringBack();
                TestDesktop::pause(FocusMs);
            }
            if (!before.isValid()) {
                const Window front = desktop->activeWindow();
                desktop->screenshot().save(QStringLiteral("/tmp/wayland-%1.png").arg(QLatin1String(context)));
                ADD_FAILURE() << "cannot bring the " << context << " to the front; in front: "
                              << front.name.toStdString() << " " << front.geometry.width() << "x"
                              << front.geometry.height() << log();
                return fired;
            }
            desktop->clearMarkers();
            desktop->key(QLatin1String(key.xdotool));
            TestDesktop::pause(SettleMs);

            const std::string what = std::string(key.xdotool) + " with the " + context + " in front: ";
            const QStringList seen = desktop->markers();
            fired += seen.isEmpty() ? 0 : 1;
            EXPECT_TRUE(seen.isEmpty()) << what << "reached the desktop";
            if (!program->isRunning()) {
                ADD_FAILURE() << what << "the program ended" << log();
                return fired;
            }
            const Window after = desktop->activeWindow();
            EXPECT_TRUE(screen->isProgramWindow(after)) << what << "another window is in front: "
                                                        << after.name.toStdString();
            if (QLatin1String(key.xdotool) != QLatin1String("Escape")) {
                EXPECT_EQ(after.id, before.id) << what << "the " << context << " left the front";
            }
            EXPECT_TRUE(desktop->isFullScreen(mainWindow.id)) << what << "the program is no longer full screen";
            EXPECT_TRUE(desktop->isVisible(mainWindow.id)) << what << "the program was hidden";
            EXPECT_EQ(desktop->currentWorkspace(), workspace) << what << "the workspace was changed";
        }
        firedPerWindow[context] = fired;
        return fired;
    }

    QString workspace;
    std::map<std::string, int> firedPerWindow;
};

} // namespace

TEST_F(WaylandKioskTest, NoCombinationTakesTheChildOutOfTheProgram)
{
    expectDesktopSeesEveryKey();
    ASSERT_FALSE(HasFailure()) << "sway is not set up to catch the combinations";
    workspace = desktop->currentWorkspace();

    openCanvas();
    if (HasFatalFailure())
        return;

    const auto isCanvas = [this](const Window& w) { return w.id == mainWindow.id; };
    const auto canvasInFront = [this]() -> Window {
        desktop->focus(mainWindow.id);
        return screen->waitForMainWindow();
    };
    pressAllWithWindowInFront("canvas", isCanvas, canvasInFront);
    pressAllWithWindowInFront("picture browser", TintalooScreen::isBrowser, [this] { return screen->openBrowser(); });
    if (TintalooScreen::isBrowser(desktop->activeWindow())) {
        ASSERT_TRUE(screen->clickButton(BrowserCloseButton, desktop->activeWindow().geometry)) << log();
        ASSERT_TRUE(screen->waitForMainWindow().isValid()) << log();
    }
    pressAllWithWindowInFront("options window", TintalooScreen::isOptions, [this] { return screen->openOptions(); });
    pressAllWithWindowInFront("parent notice", TintalooScreen::isNotice, [this] { return screen->openNotice(); });
    // Cancel on the notice, then on the options window.
    for (int i = 0; i < 4 && !isCanvas(desktop->activeWindow()); ++i) {
        desktop->key(QStringLiteral("Escape"));
        TestDesktop::pause(SettleMs);
    }
    ASSERT_TRUE(screen->waitForMainWindow().isValid())
        << "in front: " << desktop->activeWindow().name.toStdString() << " "
        << desktop->activeWindow().geometry.width() << "x" << desktop->activeWindow().geometry.height() << log();
    pressAllWithWindowInFront("quit prompt", TintalooScreen::isPrompt, [this] { return screen->openQuitPrompt(); });

    // The count per window, for whoever reads the test's output.
    for (const auto& [window, fired] : firedPerWindow)
        std::cout << "bindings fired with the " << window << " in front: " << fired << " of " << KioskKeys.size()
                  << "\n";

    Window prompt = desktop->activeWindow();
    if (!TintalooScreen::isPrompt(prompt))
        prompt = screen->openQuitPrompt();
    ASSERT_TRUE(prompt.isValid()) << log();
    ASSERT_TRUE(screen->clickButton(TintalooScreen::OkButton, prompt.geometry)) << log();
    ASSERT_TRUE(program->waitForExit(15000)) << "the program did not end after OK" << log();
    EXPECT_EQ(program->exitCode(), 0) << log();
}
