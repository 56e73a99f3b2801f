// SPDX-License-Identifier: GPL-3.0-or-later
// A curious child at the keyboard: every combination that leaves a program on
// a desktop, pressed with the canvas, the picture browser, the options
// window, a parent notice and the quit prompt in front. The window manager is set up to act on each of them, so
// a combination that gets past the program shows at once.
#include "e2e/KioskFixture.h"
#include "e2e/KioskKeys.h"
#include "e2e/TintalooProcess.h"
#include "e2e/TintalooScreen.h"
#include "e2e/XDesktop.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int OkButton = TintalooScreen::OkButton;

class KioskKeysTest : public KioskFixture<XDesktop>
{
protected:
    void TearDown() override
    {
        if (decoy.state() != QProcess::NotRunning) {
            decoy.kill();
            decoy.waitForFinished(3000);
        }
    }

    // Without the program, the window manager acts on every combination:
    // otherwise a missing grab could not show.
    void expectWindowManagerSeesEveryKey()
    {
        for (const KioskKey& key : KioskKeys) {
            // Tried a few times: openbox announces itself before it has
            // bound every key, and a loaded machine makes that moment long.
            bool seen = false;
            for (int attempt = 0; attempt < 3 && !seen; ++attempt) {
                desktop->clearMarkers();
                desktop->key(QLatin1String(key.xdotool));
                seen = XDesktop::waitFor(
                    [&] { return desktop->markers().contains(QLatin1String(key.openbox)); }, 3000);
            }
            EXPECT_TRUE(seen) << "openbox does not react to " << key.xdotool;
        }
        desktop->xdotool({QStringLiteral("set_desktop"), QStringLiteral("0")});
        if (desktop->showingDesktop())
            desktop->key(QStringLiteral("super+d"));
        XDesktop::waitFor([&] { return !desktop->showingDesktop(); }, 3000);
        desktop->clearMarkers();
    }

    // Another program that Alt+Tab and friends would bring forward.
    void startAnotherProgram()
    {
        decoy.setProcessEnvironment(desktop->environment());
        decoy.start(QStringLiteral("xmessage"), {QStringLiteral("-geometry"), QStringLiteral("300x100+40+40"),
                                                 QStringLiteral("another program")});
        ASSERT_TRUE(decoy.waitForStarted(5000));
        ASSERT_TRUE(XDesktop::waitFor(
            [&] { return desktop->activeWindow().name.contains(QLatin1String("xmessage")); }, 10000));
    }

    // Puts the window manager back the way it was after a combination got
    // through, so that the next one is judged on its own.
    void recover(const QStringList& seen)
    {
        if (seen.contains(QLatin1String("A-space")))
            desktop->key(QStringLiteral("Escape")); // the window menu
        desktop->xdotool({QStringLiteral("set_desktop"), QStringLiteral("0")});
        desktop->xdotool({QStringLiteral("windowactivate"), QString::number(mainWindow.id)});
        XDesktop::pause(SettleMs);
    }

    // Presses key with the window in front that bringBack() shows, and checks
    // that the program still runs full screen with its window in front.
    void pressWithWindowInFront(const char* context, const KioskKey& key,
                                const std::function<bool(const Window&)>& isInFront,
                                const std::function<Window()>& bringBack)
    {
        Window before = desktop->activeWindow();
        if (!screen->isProgramWindow(before) || !isInFront(before)) {
            before = bringBack();
            // The program takes the keyboard once it hears of the focus,
            // a moment after the window manager gave it; a child is slower.
            XDesktop::pause(FocusMs);
        }
        ASSERT_TRUE(before.isValid()) << "cannot bring the " << context << " to the front" << log();

        desktop->clearMarkers();
        desktop->key(QLatin1String(key.xdotool));
        XDesktop::pause(SettleMs);

        const QString what = QStringLiteral("%1 with the %2 in front: ").arg(QLatin1String(key.xdotool),
                                                                             QLatin1String(context));
        const QStringList seen = desktop->markers();
        EXPECT_TRUE(seen.isEmpty()) << what.toStdString() << "reached the window manager ("
                                    << seen.join(QLatin1Char(' ')).toStdString() << ")";
        ASSERT_TRUE(program->isRunning()) << what.toStdString() << "the program ended" << log();
        const Window after = desktop->activeWindow();
        EXPECT_TRUE(screen->isProgramWindow(after)) << what.toStdString() << "another window is in front: "
                                                    << after.name.toStdString();
        // Escape is the program's own: it may close the browser or the prompt.
        if (QLatin1String(key.xdotool) != QLatin1String("Escape")) {
            EXPECT_EQ(after.id, before.id) << what.toStdString() << "the " << context << " left the front";
        }
        EXPECT_TRUE(desktop->isViewable(mainWindow.id)) << what.toStdString() << "the program was hidden";
        EXPECT_TRUE(desktop->windowState(mainWindow.id).contains(QLatin1String("_NET_WM_STATE_FULLSCREEN")))
            << what.toStdString() << "the program is no longer full screen";
        EXPECT_EQ(desktop->currentDesktop(), 0) << what.toStdString() << "the desktop was changed";
        if (!seen.isEmpty() || !screen->isProgramWindow(after))
            recover(seen);
    }

    QProcess decoy;
};

} // namespace

TEST_F(KioskKeysTest, NoCombinationTakesTheChildOutOfTheProgram)
{
    expectWindowManagerSeesEveryKey();
    ASSERT_FALSE(HasFailure()) << "the window manager is not set up to catch the combinations";
    startAnotherProgram();

    openCanvas();
    if (HasFatalFailure())
        return;

    const auto isCanvas = [this](const Window& w) { return w.id == mainWindow.id; };
    const auto canvasInFront = [this]() -> Window {
        desktop->xdotool({QStringLiteral("windowactivate"), QString::number(mainWindow.id)});
        return screen->waitForMainWindow();
    };
    for (const KioskKey& key : KioskKeys)
        pressWithWindowInFront("canvas", key, isCanvas, canvasInFront);

    for (const KioskKey& key : KioskKeys)
        pressWithWindowInFront("picture browser", key, TintalooScreen::isBrowser,
                               [this] { return screen->openBrowser(); });
    if (TintalooScreen::isBrowser(desktop->activeWindow())) {
        ASSERT_TRUE(screen->clickButton(BrowserCloseButton, desktop->activeWindow().geometry)) << log();
        ASSERT_TRUE(screen->waitForMainWindow().isValid()) << log();
    }
    // Back on the canvas, the keyboard is still held.
    for (size_t i : {size_t(1), size_t(4), size_t(0)})
        pressWithWindowInFront("canvas after the browser", KioskKeys[i], isCanvas, canvasInFront);

    for (const KioskKey& key : KioskKeys)
        pressWithWindowInFront("options window", key, TintalooScreen::isOptions, [this] { return screen->openOptions(); });
    for (const KioskKey& key : KioskKeys)
        pressWithWindowInFront("parent notice", key, TintalooScreen::isNotice, [this] { return screen->openNotice(); });
    // Cancel on the notice, then on the options window.
    for (int i = 0; i < 4 && !isCanvas(desktop->activeWindow()); ++i) {
        if (!screen->isProgramWindow(desktop->activeWindow()))
            recover({});
        desktop->key(QStringLiteral("Escape"));
        XDesktop::pause(SettleMs);
    }
    ASSERT_TRUE(screen->waitForMainWindow().isValid()) << log();

    for (const KioskKey& key : KioskKeys)
        pressWithWindowInFront("quit prompt", key, TintalooScreen::isPrompt,
                               [this] { return screen->openQuitPrompt(); });

    // And the prompt still answers: OK ends the program normally.
    Window prompt = desktop->activeWindow();
    if (!TintalooScreen::isPrompt(prompt))
        prompt = screen->openQuitPrompt();
    ASSERT_TRUE(prompt.isValid()) << log();
    ASSERT_TRUE(screen->clickButton(OkButton, prompt.geometry)) << log();
    ASSERT_TRUE(program->waitForExit(15000)) << "the program did not end after OK" << log();
    EXPECT_EQ(program->exitCode(), 0) << log();
}
