// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"
#include "ui/frmMessage.h"
#include "platform/Random.h"
#include "support/ModalDriver.h"
#include "ui/SoundBoard.h"
#include "ui/pButton.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

const QString WrongNoHint = QStringLiteral(
    "The password you entered is incorrect. Please enter the password again or press nevermind "
    "to close this window.");

class PermissionPrompt : public ::testing::Test
{
protected:
    void SetUp() override { sounds.setEnabled(true); }

    // A permission request as the main window makes it.
    void askPermission(frmMessage& prompt, bool password)
    {
        prompt.setExtendedInformation(QStringLiteral("Grown-ups: this closes the program."));
        prompt.setMessage(QStringLiteral("Call someone who can help you!"));
        prompt.setShowCancel(true);
        prompt.setPasswordVisible(password);
    }

    // Runs the prompt with the action answering it; returns exec()'s result.
    int run(frmMessage& prompt, ModalDriver::Action action)
    {
        ModalDriver::answerNext(std::move(action));
        const int result = prompt.exec();
        EXPECT_TRUE(ModalDriver::allAnswered());
        return result;
    }

    static frmMessage* prompt(QWidget* modal) { return qobject_cast<frmMessage*>(modal); }
    static pButton* okButton(QWidget* w) { return ModalDriver::child<pButton>(w, "cOut1"); }
    static pButton* nevermind(QWidget* w) { return ModalDriver::child<pButton>(w, "cOut2"); }
    static pButton* details(QWidget* w) { return ModalDriver::child<pButton>(w, "Check1"); }
    static QLineEdit* passwordBox(QWidget* w) { return ModalDriver::child<QLineEdit>(w, "Text1"); }
    static QLabel* parentText(QWidget* w) { return ModalDriver::child<QLabel>(w, "Label2"); }

    Settings settings;
    Random random{42u};
    SoundBoard sounds{random};
};

TEST_F(PermissionPrompt, NoticeClosesOnlyThroughOk)
{
    frmMessage notice(settings, sounds);
    notice.setExtendedInformation(QStringLiteral("The picture could not be saved."));
    notice.setMessage(QStringLiteral("Oops!"));
    notice.setShowCancel(false);
    notice.setPasswordVisible(false);

    const int result = run(notice, [](QWidget* modal) {
        frmMessage* w = prompt(modal);
        EXPECT_TRUE(nevermind(w)->isHidden());
        EXPECT_TRUE(ModalDriver::visibleText(w).contains(QStringLiteral("Oops!")));
        ModalDriver::pressKey(w, Qt::Key_Escape);
        EXPECT_FALSE(ModalDriver::closeByWindowManager(w));
        EXPECT_TRUE(w->isVisible());
        ModalDriver::click(okButton(w));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(notice.ButtonPressed, QStringLiteral("Ok"));
}

// Every way of answering a permission request: only "OK" gives it; the
// window manager's close, Escape and any other close are "nevermind".
TEST_F(PermissionPrompt, OnlyOkGivesPermission)
{
    const std::vector<std::pair<ModalDriver::Action, int>> answers = {
        {[](QWidget* modal) { ModalDriver::click(okButton(modal)); }, QDialog::Accepted},
        {[](QWidget* modal) { ModalDriver::click(nevermind(modal)); }, QDialog::Rejected},
        {[](QWidget* modal) { ModalDriver::pressKey(modal, Qt::Key_Escape); }, QDialog::Rejected},
        {[](QWidget* modal) { modal->close(); }, QDialog::Rejected},
        {[](QWidget* modal) { EXPECT_TRUE(ModalDriver::closeByWindowManager(modal)); }, QDialog::Rejected},
    };
    for (const auto& [answer, expected] : answers) {
        frmMessage ask(settings, sounds);
        askPermission(ask, false);
        EXPECT_EQ(run(ask, answer), expected);
        EXPECT_EQ(ask.ButtonPressed, expected == QDialog::Accepted ? "Ok" : "Cancel");
    }
}

TEST_F(PermissionPrompt, PasswordSequenceWithHint)
{
    settings.Parental_Password = QStringLiteral("Secret");
    settings.Parental_Password_Hint = QStringLiteral("our cat");
    frmMessage ask(settings, sounds);
    askPermission(ask, true);

    run(ask, [](QWidget* modal) {
        frmMessage* w = prompt(modal);
        EXPECT_EQ(w->height(), frmMessage::CollapsedHeight);
        EXPECT_FALSE(details(w)->Pressed());

        // The first OK only reveals the password row.
        ModalDriver::click(okButton(w));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->height(), frmMessage::PasswordHeight);
        EXPECT_TRUE(details(w)->Pressed());
        EXPECT_EQ(w->focusWidget(), passwordBox(w));
        EXPECT_EQ(parentText(w)->text(), QStringLiteral("Grown-ups: this closes the program."));
        EXPECT_TRUE(passwordBox(w)->isVisible());

        // Wrong in letter case and with a trailing blank: both refused.
        for (const QString& attempt : {QStringLiteral("secret"), QStringLiteral("Secret ")}) {
            passwordBox(w)->clear();
            ModalDriver::type(passwordBox(w), attempt);
            ModalDriver::click(okButton(w));
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(parentText(w)->text(),
                      QStringLiteral("The password you entered is incorrect. Your password hint is: 'our cat'."));
            EXPECT_EQ(passwordBox(w)->text(), attempt);
        }

        passwordBox(w)->clear();
        ModalDriver::type(passwordBox(w), QStringLiteral("Secret"));
        ModalDriver::click(okButton(w));
    });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Ok"));
}

TEST_F(PermissionPrompt, WrongPasswordWithoutHint)
{
    settings.Parental_Password = QStringLiteral("Secret");
    frmMessage ask(settings, sounds);
    askPermission(ask, true);
    run(ask, [](QWidget* modal) {
        frmMessage* w = prompt(modal);
        ModalDriver::click(okButton(w));
        ModalDriver::click(okButton(w));
        EXPECT_EQ(parentText(w)->text(), WrongNoHint);
        EXPECT_TRUE(ModalDriver::visibleText(w).contains(WrongNoHint));
        ModalDriver::click(nevermind(w));
    });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Cancel"));
}

TEST_F(PermissionPrompt, EnterInThePasswordBoxIsOk)
{
    settings.Parental_Password = QStringLiteral("Secret");
    frmMessage ask(settings, sounds);
    askPermission(ask, true);
    run(ask, [](QWidget* modal) {
        frmMessage* w = prompt(modal);
        ModalDriver::click(okButton(w));
        ModalDriver::type(passwordBox(w), QStringLiteral("nope"));
        ModalDriver::pressKey(passwordBox(w), Qt::Key_Return);
        EXPECT_EQ(parentText(w)->text(), WrongNoHint);
        EXPECT_TRUE(w->isVisible());
        passwordBox(w)->clear();
        ModalDriver::type(passwordBox(w), QStringLiteral("Secret"));
        ModalDriver::pressKey(passwordBox(w), Qt::Key_Enter);
    });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Ok"));
}

TEST_F(PermissionPrompt, EnterDoesNotAnswerACollapsedPermissionRequest)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    run(ask, [](QWidget* modal) {
        ModalDriver::pressKey(modal, Qt::Key_Return);
        EXPECT_TRUE(modal->isVisible());
        ModalDriver::click(nevermind(modal));
    });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Cancel"));
}

TEST_F(PermissionPrompt, DetailsOpenedFirstGoStraightToTheIncorrectText)
{
    settings.Parental_Password = QStringLiteral("Secret");
    frmMessage ask(settings, sounds);
    askPermission(ask, true);
    run(ask, [](QWidget* modal) {
        frmMessage* w = prompt(modal);
        ModalDriver::click(details(w));
        EXPECT_TRUE(details(w)->Pressed());
        EXPECT_EQ(w->height(), frmMessage::PasswordHeight);
        ModalDriver::type(passwordBox(w), QStringLiteral("guess"));
        ModalDriver::click(okButton(w));
        EXPECT_EQ(parentText(w)->text(), WrongNoHint);
        ModalDriver::click(nevermind(w));
    });
}

TEST_F(PermissionPrompt, DetailsToggleWithoutPasswordShowsTheParentText)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    run(ask, [](QWidget* modal) {
        frmMessage* w = prompt(modal);
        EXPECT_FALSE(parentText(w)->isVisible());
        ModalDriver::click(details(w));
        EXPECT_EQ(w->height(), frmMessage::DetailsHeight);
        EXPECT_TRUE(parentText(w)->isVisible());
        EXPECT_FALSE(passwordBox(w)->isVisible());
        ModalDriver::click(details(w));
        EXPECT_EQ(w->height(), frmMessage::CollapsedHeight);
        EXPECT_FALSE(details(w)->Pressed());
        ModalDriver::click(nevermind(w));
    });
    // Without a parent text there is nothing to show: no toggle.
    ask.setExtendedInformation(QString());
    run(ask, [](QWidget* modal) {
        EXPECT_TRUE(details(modal)->isHidden());
        ModalDriver::click(nevermind(modal));
    });
}

TEST_F(PermissionPrompt, EmptyPasswordIsMatchedByAnEmptyEntry)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, true);
    run(ask, [](QWidget* modal) { ModalDriver::click(okButton(modal)); });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Ok"));
}

TEST_F(PermissionPrompt, SoundsOnlyWhenSoundIsOn)
{
    settings.Play_Sound = true;
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    EXPECT_TRUE(sounds.lastPlayed().startsWith(QStringLiteral("MESSAGE")));
    EXPECT_LE(sounds.lastPlayed().mid(7).toInt(), 2);
    run(ask, [](QWidget* modal) { ModalDriver::click(okButton(modal)); });
    EXPECT_EQ(sounds.lastPlayed(), QStringLiteral("OK"));

    frmMessage again(settings, sounds);
    askPermission(again, false);
    run(again, [](QWidget* modal) { ModalDriver::click(nevermind(modal)); });
    EXPECT_TRUE(sounds.lastPlayed().startsWith(QStringLiteral("CANCEL")));
    EXPECT_LE(sounds.lastPlayed().mid(6).toInt(), 3);

    // Silent when sound is off.
    settings.Play_Sound = false;
    const int played = sounds.playCount();
    for (bool ok : {true, false}) {
        frmMessage ask(settings, sounds);
        askPermission(ask, false);
        run(ask, [ok](QWidget* modal) { ModalDriver::click(ok ? okButton(modal) : nevermind(modal)); });
    }
    EXPECT_EQ(sounds.playCount(), played);
}

TEST_F(PermissionPrompt, EachUseStartsAfresh)
{
    settings.Parental_Password = QStringLiteral("Secret");
    frmMessage ask(settings, sounds);
    askPermission(ask, true);
    run(ask, [](QWidget* modal) {
        ModalDriver::click(okButton(modal)); // grows and presses the toggle
        ModalDriver::type(passwordBox(modal), QStringLiteral("guess"));
        ModalDriver::click(nevermind(modal));
    });

    ask.setExtendedInformation(QString());
    EXPECT_EQ(ask.height(), frmMessage::CollapsedHeight);
    EXPECT_TRUE(details(&ask)->isHidden());
    EXPECT_FALSE(details(&ask)->Pressed());
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Cancel"));
    EXPECT_TRUE(passwordBox(&ask)->text().isEmpty());
}

TEST_F(PermissionPrompt, ButtonsShowTheHand)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    for (pButton* button : {okButton(&ask), nevermind(&ask), details(&ask)}) {
        EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(button->cursor().hotSpot(), QPoint(8, 1));
    }
}

TEST_F(PermissionPrompt, CentredOverItsParent)
{
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    owner.show();
    frmMessage ask(settings, sounds, &owner);
    askPermission(ask, false);
    QPoint centre;
    run(ask, [&centre](QWidget* modal) {
        centre = modal->geometry().center();
        ModalDriver::click(nevermind(modal));
    });
    EXPECT_LE((centre - owner.frameGeometry().center()).manhattanLength(), 2);
}

} // namespace

// The driver's watchdog: an answer that leaves its prompt open, or a prompt
// nobody expected (on top of another), is closed with everything under it
// and fails the test within the grace time instead of blocking for good.
TEST_F(PermissionPrompt, TheWatchdogClosesWhatNobodyAnswersAndFails)
{
    const auto failuresWhileShowing = [](frmMessage& window) {
        ::testing::TestPartResultArray failures;
        {
            ::testing::ScopedFakeTestPartResultReporter reporter(&failures);
            EXPECT_EQ(window.exec(), QDialog::Rejected);
        }
        QStringList messages;
        for (int i = 0; i < failures.size(); ++i)
            messages << QString::fromUtf8(failures.GetTestPartResult(i).message());
        return messages;
    };
    const int grace = ModalDriver::watchdogGrace();
    ModalDriver::setWatchdogGrace(200);
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    QElapsedTimer clock;
    clock.start();
    ModalDriver::answerNext([](QWidget*) {});
    QStringList failures = failuresWhileShowing(ask);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(QStringLiteral("the answered modal window did not close: frmMessage")));

    frmMessage unexpected(settings, sounds);
    askPermission(unexpected, false);
    ModalDriver::answerNext([&unexpected](QWidget*) { unexpected.exec(); });
    failures = failuresWhileShowing(ask);
    ModalDriver::setWatchdogGrace(grace);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(QStringLiteral("a modal window nobody expected appeared: frmMessage")));
    EXPECT_FALSE(unexpected.isVisible());
    EXPECT_LT(clock.elapsed(), 3000);
}
