// SPDX-License-Identifier: GPL-3.0-or-later
// The real-window test program: starts its own desktop (Xvfb and openbox, or
// a headless sway), then runs the tintaloo program on it. Listing the tests
// starts nothing.
#include "e2e/E2eEnvironment.h"
#include "e2e/TestDesktop.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct DesktopState
{
    std::unique_ptr<TestDesktop> desktop;
    std::unique_ptr<QGuiApplication> app;
    QString skipReason;
    QString startError;
};

DesktopState& state()
{
    static DesktopState s;
    return s;
}

class DesktopEnvironment : public ::testing::Environment
{
public:
    DesktopEnvironment(int& argc, char** argv) : m_argc(argc), m_argv(argv) {}

    void SetUp() override
    {
        DesktopState& s = state();
        const QStringList missing = E2e::missingTools();
        if (!missing.isEmpty()) {
            s.skipReason = QStringLiteral("SKIPPED, NOT PASSED: missing ") + missing.join(QStringLiteral(", "))
                + QStringLiteral("; ") + E2e::installHint();
            makeApplication("offscreen");
            return;
        }
        std::unique_ptr<TestDesktop> desktop = E2e::makeDesktop();
        QString error;
        if (!desktop->start(&error)) {
            s.startError = QStringLiteral("the test desktop did not start: ") + error;
            makeApplication("offscreen");
            return;
        }
        const QProcessEnvironment env = desktop->environment();
        if (env.contains(QStringLiteral("DISPLAY")))
            qputenv("DISPLAY", env.value(QStringLiteral("DISPLAY")).toLocal8Bit());
        const QByteArray platform = desktop->clientPlatform();
        s.desktop = std::move(desktop);
        makeApplication(platform.constData());
    }

    void TearDown() override
    {
        state().app.reset();
        state().desktop.reset();
    }

private:
    void makeApplication(const char* platform)
    {
        qputenv("QT_QPA_PLATFORM", platform);
        state().app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }

    int& m_argc;
    char** m_argv;
};

} // namespace

TestDesktop* E2e::desktop()
{
    return state().desktop.get();
}

QString E2e::skipReason()
{
    return state().skipReason;
}

QString E2e::startError()
{
    return state().startError;
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new DesktopEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
