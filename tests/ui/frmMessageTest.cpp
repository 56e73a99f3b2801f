#include "platform/Settings.h"
#include "ui/frmMessage.h"
#include "platform/Random.h"
#include "support/ModalDriver.h"
#include "ui/SoundBoard.h"
#include "ui/pButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
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
        EXPECT_TRUE(w->cOut2->isHidden());
        EXPECT_TRUE(ModalDriver::visibleText(w).contains(QStringLiteral("Oops!")));
        ModalDriver::pressKey(w, Qt::Key_Escape);
        EXPECT_TRUE(w->isVisible());
        ModalDriver::click(w->cOut1);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(notice.ButtonPressed, QStringLiteral("Ok"));
}

TEST_F(PermissionPrompt, NevermindCancels)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    run(ask, [](QWidget* modal) { ModalDriver::click(prompt(modal)->cOut2); });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Cancel"));
}

TEST_F(PermissionPrompt, EscapeIsNevermindWhenItIsShown)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    const int result = run(ask, [](QWidget* modal) { ModalDriver::pressKey(modal, Qt::Key_Escape); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Cancel"));
}

TEST_F(PermissionPrompt, ClosingAnyOtherWayLeavesCancel)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    run(ask, [](QWidget* modal) { modal->close(); });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Cancel"));
}

TEST_F(PermissionPrompt, WithoutPasswordOkGivesPermission)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    run(ask, [](QWidget* modal) { ModalDriver::click(prompt(modal)->cOut1); });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Ok"));
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
        EXPECT_FALSE(w->Check1->Pressed());

        // The first OK only reveals the password row.
        ModalDriver::click(w->cOut1);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->height(), frmMessage::PasswordHeight);
        EXPECT_TRUE(w->Check1->Pressed());
        EXPECT_EQ(w->focusWidget(), w->Text1);
        EXPECT_EQ(w->Label2->text(), QStringLiteral("Grown-ups: this closes the program."));
        EXPECT_TRUE(w->Text1->isVisible());

        // Wrong in letter case and with a trailing blank: both refused.
        for (const QString& attempt : {QStringLiteral("secret"), QStringLiteral("Secret ")}) {
            w->Text1->clear();
            ModalDriver::type(w->Text1, attempt);
            ModalDriver::click(w->cOut1);
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(w->Label2->text(),
                      QStringLiteral("The password you entered is incorrect. Your password hint is: 'our cat'."));
            EXPECT_EQ(w->Text1->text(), attempt);
        }

        w->Text1->clear();
        ModalDriver::type(w->Text1, QStringLiteral("Secret"));
        ModalDriver::click(w->cOut1);
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
        ModalDriver::click(w->cOut1);
        ModalDriver::click(w->cOut1);
        EXPECT_EQ(w->Label2->text(), WrongNoHint);
        EXPECT_TRUE(ModalDriver::visibleText(w).contains(WrongNoHint));
        ModalDriver::click(w->cOut2);
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
        ModalDriver::click(w->cOut1);
        ModalDriver::type(w->Text1, QStringLiteral("nope"));
        ModalDriver::pressKey(w->Text1, Qt::Key_Return);
        EXPECT_EQ(w->Label2->text(), WrongNoHint);
        EXPECT_TRUE(w->isVisible());
        w->Text1->clear();
        ModalDriver::type(w->Text1, QStringLiteral("Secret"));
        ModalDriver::pressKey(w->Text1, Qt::Key_Enter);
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
        ModalDriver::click(prompt(modal)->cOut2);
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
        ModalDriver::click(w->Check1);
        EXPECT_TRUE(w->Check1->Pressed());
        EXPECT_EQ(w->height(), frmMessage::PasswordHeight);
        ModalDriver::type(w->Text1, QStringLiteral("guess"));
        ModalDriver::click(w->cOut1);
        EXPECT_EQ(w->Label2->text(), WrongNoHint);
        ModalDriver::click(w->cOut2);
    });
}

TEST_F(PermissionPrompt, DetailsToggleWithoutPasswordShowsTheParentText)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    run(ask, [](QWidget* modal) {
        frmMessage* w = prompt(modal);
        EXPECT_FALSE(w->Label2->isVisible());
        ModalDriver::click(w->Check1);
        EXPECT_EQ(w->height(), frmMessage::DetailsHeight);
        EXPECT_TRUE(w->Label2->isVisible());
        EXPECT_FALSE(w->Text1->isVisible());
        ModalDriver::click(w->Check1);
        EXPECT_EQ(w->height(), frmMessage::CollapsedHeight);
        EXPECT_FALSE(w->Check1->Pressed());
        ModalDriver::click(w->cOut2);
    });
}

TEST_F(PermissionPrompt, EmptyParentTextKeepsTheToggleHidden)
{
    frmMessage ask(settings, sounds);
    ask.setExtendedInformation(QString());
    ask.setMessage(QStringLiteral("Hello"));
    ask.setShowCancel(true);
    ask.setPasswordVisible(false);
    run(ask, [](QWidget* modal) {
        EXPECT_TRUE(prompt(modal)->Check1->isHidden());
        ModalDriver::click(prompt(modal)->cOut2);
    });
}

TEST_F(PermissionPrompt, EmptyPasswordIsMatchedByAnEmptyEntry)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, true);
    run(ask, [](QWidget* modal) { ModalDriver::click(prompt(modal)->cOut1); });
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Ok"));
}

TEST_F(PermissionPrompt, SoundsWhenSoundIsOn)
{
    settings.Play_Sound = true;
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    EXPECT_TRUE(sounds.lastPlayed().startsWith(QStringLiteral("MESSAGE")));
    EXPECT_LE(sounds.lastPlayed().mid(7).toInt(), 2);
    run(ask, [](QWidget* modal) { ModalDriver::click(prompt(modal)->cOut1); });
    EXPECT_EQ(sounds.lastPlayed(), QStringLiteral("OK"));

    frmMessage again(settings, sounds);
    askPermission(again, false);
    run(again, [](QWidget* modal) { ModalDriver::click(prompt(modal)->cOut2); });
    EXPECT_TRUE(sounds.lastPlayed().startsWith(QStringLiteral("CANCEL")));
    EXPECT_LE(sounds.lastPlayed().mid(6).toInt(), 3);
}

TEST_F(PermissionPrompt, SilentWhenSoundIsOff)
{
    settings.Play_Sound = false;
    for (bool ok : {true, false}) {
        frmMessage ask(settings, sounds);
        askPermission(ask, false);
        run(ask, [ok](QWidget* modal) { ModalDriver::click(ok ? prompt(modal)->cOut1 : prompt(modal)->cOut2); });
    }
    EXPECT_EQ(sounds.playCount(), 0);
}

TEST_F(PermissionPrompt, EachUseStartsAfresh)
{
    settings.Parental_Password = QStringLiteral("Secret");
    frmMessage ask(settings, sounds);
    askPermission(ask, true);
    run(ask, [](QWidget* modal) {
        ModalDriver::click(prompt(modal)->cOut1); // grows and presses the toggle
        ModalDriver::click(prompt(modal)->cOut2);
    });

    ask.setExtendedInformation(QString());
    EXPECT_EQ(ask.height(), frmMessage::CollapsedHeight);
    EXPECT_TRUE(ask.Check1->isHidden());
    EXPECT_FALSE(ask.Check1->Pressed());
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Cancel"));
    EXPECT_TRUE(ask.Text1->text().isEmpty());
}

TEST_F(PermissionPrompt, ButtonsShowTheHand)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, false);
    for (pButton* button : {ask.cOut1, ask.cOut2, ask.Check1}) {
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
        ModalDriver::click(prompt(modal)->cOut2);
    });
    EXPECT_LE((centre - owner.frameGeometry().center()).manhattanLength(), 2);
}

} // namespace

TEST_F(PermissionPrompt, TheWindowManagersCloseIsNevermind)
{
    frmMessage ask(settings, sounds);
    askPermission(ask, true);
    const int result = run(ask, [](QWidget* modal) { EXPECT_TRUE(ModalDriver::closeByWindowManager(modal)); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(ask.ButtonPressed, QStringLiteral("Cancel"));
}

TEST_F(PermissionPrompt, TheWindowManagerCannotCloseANotice)
{
    frmMessage notice(settings, sounds);
    notice.setExtendedInformation(QStringLiteral("The pictures could not be loaded."));
    notice.setMessage(QStringLiteral("Oh no!"));
    notice.setShowCancel(false);
    notice.setPasswordVisible(false);
    run(notice, [](QWidget* modal) {
        EXPECT_FALSE(ModalDriver::closeByWindowManager(modal));
        ModalDriver::click(prompt(modal)->cOut1);
    });
    EXPECT_EQ(notice.ButtonPressed, QStringLiteral("Ok"));
}
