// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/frmLineArtPreview.h"

#include "ui/AppFonts.h"
#include "ui/LinkLabel.h"

#include <QLabel>
#include <QPixmap>

#include <algorithm>

frmLineArtPreview::frmLineArtPreview(const QString& question, const QImage& page, QWidget* parent)
    : BorderedDialog(parent)
{
    lMessage = new QLabel(question, this);
    lMessage->setObjectName(QStringLiteral("lMessage"));
    lMessage->setFont(AppFonts::playful(12));
    lMessage->setWordWrap(true);
    lMessage->setTextFormat(Qt::PlainText);
    lMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A longer question (a long file name, a long language) pushes the page down.
    const int messageHeight = std::max(60, lMessage->heightForWidth(WindowWidth - 20));
    lMessage->setGeometry(10, 8, WindowWidth - 20, messageHeight);
    const int previewTop = 8 + messageHeight + 4;

    // Fitted, never enlarged: the lines look as thick as they will be.
    pPreview = new QLabel(this);
    pPreview->setObjectName(QStringLiteral("pPreview"));
    pPreview->setAlignment(Qt::AlignCenter);
    pPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken); // the white page's edges show
    pPreview->setGeometry(10, previewTop, PreviewWidth, PreviewHeight);
    const QImage shown = page.width() > PreviewWidth || page.height() > PreviewHeight
        ? page.scaled(PreviewWidth, PreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        : page;
    pPreview->setPixmap(QPixmap::fromImage(shown));

    const int linksTop = previewTop + PreviewHeight + 8;
    lOK = LinkLabel::noticeLink(tr("OK"), this);
    lOK->setObjectName(QStringLiteral("lOK"));
    lOK->move(WindowWidth - 10 - lOK->width(), linksTop);
    connect(lOK, &LinkLabel::clicked, this, &frmLineArtPreview::onOkClicked);

    lCancel = LinkLabel::noticeLink(tr("Cancel"), this);
    lCancel->setObjectName(QStringLiteral("lCancel"));
    lCancel->move(lOK->x() - 24 - lCancel->width(), linksTop);
    connect(lCancel, &LinkLabel::clicked, this, &QDialog::reject);

    setFixedSize(WindowWidth, linksTop + lOK->height() + 10);
}

void frmLineArtPreview::onOkClicked()
{
    Accepted = true;
    accept();
}
