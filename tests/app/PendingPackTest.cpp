// SPDX-License-Identifier: GPL-3.0-or-later
// A picture pack handed to the program from outside (a file manager, a later
// start) waits for the parent's permission before it is added.
#include "app/FrmMain.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDriver.h"
#include "ui/frmMessage.h"
#include "ui/pButton.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

class PendingPackTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        makeWindow();
        window->setPictureChooser([this] {
            events << QStringLiteral("browser");
            return catPath();
        });
        window->setPackImport([this](const QString& pack) { events << QStringLiteral("import ") + pack; });
    }

    // Answers the permission prompt with OK or Nevermind, keeping what it said.
    void answerPrompt(bool allow)
    {
        ModalDriver::answerNext([this, allow](QWidget* modal) {
            auto* prompt = qobject_cast<frmMessage*>(modal);
            ASSERT_NE(prompt, nullptr);
            asked = ModalDriver::childText(prompt, "Label2");
            events << QStringLiteral("asked");
            ModalDriver::clickChild(prompt, allow ? "cOut1" : "cOut2");
        });
    }

    QStringList events;
    QString asked;
};

} // namespace

TEST_F(PendingPackTest, AnAllowedPackIsAddedBeforeTheBrowserOpens)
{
    window->setPendingPack(QStringLiteral("/home/kid/Downloads/farm.tpk"));
    answerPrompt(true);
    ASSERT_TRUE(window->startUp());
    EXPECT_TRUE(ModalDriver::allAnswered());
    EXPECT_EQ(events, (QStringList{QStringLiteral("asked"), QStringLiteral("import /home/kid/Downloads/farm.tpk"),
                                   QStringLiteral("browser")}));
    EXPECT_TRUE(asked.contains(QStringLiteral("add a picture pack")));
    EXPECT_TRUE(window->pendingPack().isEmpty());
}

TEST_F(PendingPackTest, NevermindLeavesThePackOut)
{
    ASSERT_TRUE(window->startUp());
    events.clear();
    window->setPendingPack(QStringLiteral("/tmp/farm.tpk"));
    answerPrompt(false);
    window->importPendingPack();
    EXPECT_TRUE(ModalDriver::allAnswered());
    EXPECT_EQ(events, QStringList{QStringLiteral("asked")});
    EXPECT_TRUE(window->pendingPack().isEmpty());
}

TEST_F(PendingPackTest, WithoutAnImportNothingIsAskedAndThePackWaits)
{
    window->setPackImport(nullptr);
    window->setPendingPack(QStringLiteral("/tmp/farm.tpk"));
    ASSERT_TRUE(window->startUp());
    EXPECT_EQ(events, QStringList{QStringLiteral("browser")});
    EXPECT_EQ(window->pendingPack(), QStringLiteral("/tmp/farm.tpk"));

    // A later start finds it minimised: it covers the screen again.
    window->showMinimized();
    window->bringToFront();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(PendingPackTest, BeforeStartUpTheWindowStaysHiddenAndThePackWaitsForIt)
{
    window->setPendingPack(QStringLiteral("/tmp/farm.tpk"));
    window->importPendingPack();
    window->bringToFront();
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->pendingPack(), QStringLiteral("/tmp/farm.tpk"));
}
