// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/frmBookTitle.h"

#include "ui/AppFonts.h"
#include "ui/LinkLabel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

frmBookTitle::frmBookTitle(QWidget* parent)
    : BorderedDialog(parent)
{
    setObjectName(QStringLiteral("frmBookTitle"));
    setWindowTitle(tr("Book title"));
    setFixedSize(WindowWidth, WindowHeight);

    lCaption = new QLabel(tr("Book title"), this);
    lCaption->setObjectName(QStringLiteral("lCaption"));
    lCaption->setFont(AppFonts::playful(14, true));
    lCaption->setGeometry(8, 8, 397, 28);

    lMessage = new QLabel(tr("Please enter a title for the new book."), this);
    lMessage->setObjectName(QStringLiteral("lMessage"));
    lMessage->setFont(AppFonts::playful(12));
    lMessage->setWordWrap(true);
    lMessage->setGeometry(8, 44, 397, 40);
    lMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lMessage->setFont(AppFonts::shrunkToFit(lMessage->font(), lMessage->text(), lMessage->size(), true, 12));
    lCaption->setFont(AppFonts::shrunkToFit(lCaption->font(), lCaption->text(), lCaption->size(), false, 14));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(AppFonts::playful(12));
    Text1->setGeometry(8, 90, 397, 30);
    // Room for the longest title that is accepted and a little more, so an
    // over-long one is refused with a notice rather than cut silently.
    Text1->setMaxLength(200);
    connect(Text1, &QLineEdit::returnPressed, this, &frmBookTitle::lContinue_Click);

    lContinue = LinkLabel::noticeLink(tr("Continue"), this);
    lContinue->setObjectName(QStringLiteral("lContinue"));
    lContinue->move(WindowWidth - 8 - lContinue->width(), 150);
    connect(lContinue, &LinkLabel::clicked, this, &frmBookTitle::lContinue_Click);

    lCancel = LinkLabel::noticeLink(tr("Cancel"), this);
    lCancel->setObjectName(QStringLiteral("lCancel"));
    lCancel->move(lContinue->x() - 12 - lCancel->width(), 150);
    connect(lCancel, &LinkLabel::clicked, this, &frmBookTitle::lCancel_Click);

    Text1->setFocus();
}

void frmBookTitle::lContinue_Click()
{
    // Enter in the text box also reaches the window: answer it once.
    if (!isVisible())
        return;
    Title = Text1->text();
    CancelPressed = false;
    accept();
}

void frmBookTitle::lCancel_Click()
{
    CancelPressed = true;
    reject();
}

void frmBookTitle::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        lContinue_Click();
        break;
    case Qt::Key_Escape:
        lCancel_Click();
        break;
    default:
        BorderedDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}
