// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmParentMessage.h"

#include "ui/AppFonts.h"
#include "ui/LinkLabel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

namespace {
constexpr int MessagePoints = 12;
}

frmParentMessage::frmParentMessage(QWidget* parent)
    : BorderedDialog(parent)
{
    setFixedSize(WindowWidth, WindowHeight);
    setCentredAtEveryShow(true);

    lMessage = new QLabel(tr("[Parental message]"), this);
    lMessage->setObjectName(QStringLiteral("lMessage"));
    lMessage->setGeometry(8, 8, 397, 155);
    lMessage->setFont(AppFonts::playful(MessagePoints));
    lMessage->setWordWrap(true);
    lMessage->setTextFormat(Qt::PlainText);
    lMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Continue in the bottom right corner, Cancel beside it, however long
    // their words are.
    lContinue = LinkLabel::noticeLink(tr("Continue"), this);
    lContinue->setObjectName(QStringLiteral("lContinue"));
    lContinue->move(WindowWidth - 8 - lContinue->width(), 160);
    connect(lContinue, &LinkLabel::clicked, this, &frmParentMessage::lContinue_Click);

    lCancel = LinkLabel::noticeLink(tr("Cancel"), this);
    lCancel->setObjectName(QStringLiteral("lCancel"));
    lCancel->move(lContinue->x() - 12 - lCancel->width(), 160);
    lCancel->hide();
    connect(lCancel, &LinkLabel::clicked, this, &frmParentMessage::lCancel_Click);
}

void frmParentMessage::setMessage(const QString& text)
{
    // Above the links; a long text (or a long language) is set smaller.
    const QSize box(lMessage->width(), lContinue->y() - lMessage->y() - 2);
    lMessage->setFont(AppFonts::shrunkToFit(lMessage->font(), text, box, true, MessagePoints));
    lMessage->setText(text);
}

void frmParentMessage::setCancelVisible(bool visible)
{
    lCancel->setVisible(visible);
}

void frmParentMessage::lContinue_Click()
{
    accept();
}

void frmParentMessage::lCancel_Click()
{
    CancelPressed = true;
    reject();
}

void frmParentMessage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        lContinue_Click();
        break;
    case Qt::Key_Escape:
        if (lCancel->isHidden())
            lContinue_Click();
        else
            lCancel_Click();
        break;
    default:
        BorderedDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void frmParentMessage::closeEvent(QCloseEvent* event)
{
    if (!event->spontaneous()) {
        BorderedDialog::closeEvent(event);
        return;
    }
    if (isVisible()) {
        if (lCancel->isHidden())
            lContinue_Click();
        else
            lCancel_Click();
    }
    event->setAccepted(!isVisible());
}

void frmParentMessage::showEvent(QShowEvent* event)
{
    CancelPressed = false;
    BorderedDialog::showEvent(event);
    raise();
    activateWindow();
}
