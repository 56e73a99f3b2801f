#include "ui/LinkLabel.h"
#include "ui/frmParentMessage.h"
#include "support/ModalDriver.h"

#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

frmParentMessage* notice(QWidget* modal)
{
    return qobject_cast<frmParentMessage*>(modal);
}

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
    run(window, [](QWidget* modal) {
        frmParentMessage* w = notice(modal);
        EXPECT_TRUE(w->lCancel->isHidden());
        const QString text = ModalDriver::visibleText(w);
        EXPECT_TRUE(text.contains(QStringLiteral("Please choose a book first.")));
        EXPECT_TRUE(text.contains(QStringLiteral("Continue")));
        EXPECT_FALSE(text.contains(QStringLiteral("Cancel")));
        ModalDriver::click(w->lContinue);
    });
    EXPECT_FALSE(window.CancelPressed);
}

TEST(ParentNotice, CancelWhenAsked)
{
    frmParentMessage window;
    window.setMessage(QStringLiteral("Delete the book?"));
    window.setCancelVisible(true);
    const int result = run(window, [](QWidget* modal) {
        EXPECT_TRUE(notice(modal)->lCancel->isVisible());
        ModalDriver::click(notice(modal)->lCancel);
    });
    EXPECT_TRUE(window.CancelPressed);
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(ParentNotice, ContinueOnAQuestion)
{
    frmParentMessage window;
    window.setMessage(QStringLiteral("Delete the book?"));
    window.setCancelVisible(true);
    run(window, [](QWidget* modal) { ModalDriver::click(notice(modal)->lContinue); });
    EXPECT_FALSE(window.CancelPressed);
}

TEST(ParentNotice, KeysAnswerSafely)
{
    frmParentMessage question;
    question.setCancelVisible(true);
    run(question, [](QWidget* modal) { ModalDriver::pressKey(modal, Qt::Key_Escape); });
    EXPECT_TRUE(question.CancelPressed);

    frmParentMessage confirm;
    confirm.setCancelVisible(true);
    run(confirm, [](QWidget* modal) { ModalDriver::pressKey(modal, Qt::Key_Return); });
    EXPECT_FALSE(confirm.CancelPressed);

    frmParentMessage plain;
    run(plain, [](QWidget* modal) { ModalDriver::pressKey(modal, Qt::Key_Escape); });
    EXPECT_FALSE(plain.CancelPressed);
}

} // namespace

// The start-up notices come before the main window shows: they are centred
// on the screen, not on the hidden window's default frame.
TEST(ParentNotice, BeforeItsOwnerShowsItIsCentredOnTheScreen)
{
    QWidget owner;
    owner.setGeometry(0, 0, 640, 480); // a default frame, never shown
    frmParentMessage window(&owner);
    window.setMessage(QStringLiteral("The screen is small."));
    QPoint centre;
    run(window, [&](QWidget* modal) {
        centre = modal->geometry().center();
        ModalDriver::click(notice(modal)->lContinue);
    });
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE((centre - screen.center()).manhattanLength(), 2)
        << centre.x() << "," << centre.y() << " on " << screen.width() << "x" << screen.height();
}

TEST(ParentNotice, TheWindowManagersCloseAnswersLikeEscape)
{
    frmParentMessage question;
    question.setCancelVisible(true);
    run(question, [](QWidget* modal) { EXPECT_TRUE(ModalDriver::closeByWindowManager(modal)); });
    EXPECT_TRUE(question.CancelPressed);

    frmParentMessage plain;
    run(plain, [](QWidget* modal) { EXPECT_TRUE(ModalDriver::closeByWindowManager(modal)); });
    EXPECT_FALSE(plain.CancelPressed);
}
