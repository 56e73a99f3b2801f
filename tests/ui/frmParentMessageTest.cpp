// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmParentMessage.h"
#include "support/ModalDriver.h"
#include "support/ShownAt.h"

#include <QScreen>
#include <gtest/gtest.h>

namespace {

int run(frmParentMessage& window, ModalDriver::Action action)
{
    ModalDriver::answerNext(std::move(action));
    const int result = window.exec();
    EXPECT_TRUE(ModalDriver::allAnswered());
    return result;
}

TEST(ParentNotice, WithoutCancelOnlyContinues)
{
    frmParentMessage window;
    window.setMessage(QStringLiteral("Please choose a book first."));
    window.CancelPressed = true; // showing resets the result
    run(window, [](QWidget* w) {
        EXPECT_TRUE(ModalDriver::child(w, "lCancel")->isHidden());
        const QString text = ModalDriver::visibleText(w);
        EXPECT_TRUE(text.contains(QStringLiteral("Please choose a book first.")));
        EXPECT_TRUE(text.contains(QStringLiteral("Continue")));
        EXPECT_FALSE(text.contains(QStringLiteral("Cancel")));
        ModalDriver::clickChild(w, "lContinue");
    });
    EXPECT_FALSE(window.CancelPressed);
}

// Every way of answering a question (with "Cancel") and a plain notice:
// the keys and the window manager's close answer safely.
TEST(ParentNotice, EachAnswerMeansWhatTheParentChose)
{
    struct Case
    {
        ModalDriver::Action answer;
        bool question;
        bool cancelled;
    };
    const auto closeByWindowManager = [](QWidget* modal) { EXPECT_TRUE(ModalDriver::closeByWindowManager(modal)); };
    const std::vector<Case> cases = {
        {[](QWidget* modal) { ModalDriver::clickChild(modal, "lCancel"); }, true, true},
        {[](QWidget* modal) { ModalDriver::clickChild(modal, "lContinue"); }, true, false},
        {[](QWidget* modal) { ModalDriver::pressKey(modal, Qt::Key_Escape); }, true, true},
        {[](QWidget* modal) { ModalDriver::pressKey(modal, Qt::Key_Return); }, true, false},
        {[](QWidget* modal) { ModalDriver::pressKey(modal, Qt::Key_Escape); }, false, false},
        {closeByWindowManager, true, true},
        {closeByWindowManager, false, false},
    };
    for (const Case& c : cases) {
        frmParentMessage window;
        window.setMessage(QStringLiteral("Delete the book?"));
        window.setCancelVisible(c.question);
        const int result = run(window, [&c](QWidget* modal) {
            EXPECT_EQ(ModalDriver::child(modal, "lCancel")->isVisible(), c.question);
            c.answer(modal);
        });
        EXPECT_EQ(window.CancelPressed, c.cancelled);
        if (c.cancelled) {
            EXPECT_EQ(result, QDialog::Rejected);
        }
    }
}

} // namespace

// The start-up notices come before the main window shows: they are centred
// on the screen, not on the hidden window's default frame.
TEST(ParentNotice, IsPlacedOverItsOwnerBeforeItShows)
{
    QWidget owner;
    owner.setGeometry(90, 70, 700, 500);
    owner.show();
    ShownAt shown;
    for (int round = 0; round < 2; ++round) {
        frmParentMessage window(&owner);
        run(window, [](QWidget* modal) { ModalDriver::clickChild(modal, "lContinue"); });
        const QRect placed = shown.of("frmParentMessage");
        EXPECT_EQ(placed.size(), window.size());
        EXPECT_LE((placed.center() - owner.frameGeometry().center()).manhattanLength(), 2)
            << placed.x() << "," << placed.y() << " round " << round;
        owner.move(300, 200);
    }
}

TEST(ParentNotice, BeforeItsOwnerShowsItIsCentredOnTheScreen)
{
    QWidget owner;
    owner.setGeometry(0, 0, 640, 480); // a default frame, never shown
    frmParentMessage window(&owner);
    window.setMessage(QStringLiteral("The screen is small."));
    QPoint centre;
    run(window, [&](QWidget* modal) {
        centre = modal->geometry().center();
        ModalDriver::clickChild(modal, "lContinue");
    });
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE((centre - screen.center()).manhattanLength(), 2)
        << centre.x() << "," << centre.y() << " on " << screen.width() << "x" << screen.height();
}

