// SPDX-License-Identifier: GPL-3.0-or-later
#include "parental/frmFirstTime.h"

#include "ui/LinkLabel.h"
#include "ui/AppFonts.h"
#include "ui/ProductInfo.h"
#include "ui/Resources.h"

#include <QLabel>
#include <QPixmap>

namespace {
constexpr int Margin = 12;
constexpr int DefaultWidth = 420;
}

frmFirstTime::frmFirstTime(QWidget* parent)
    : BorderedDialog(parent)
{
    setWindowTitle(tr("Welcome to The Tintaloo"));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    const QImage banner = Resources::picture(QStringLiteral("banner.jpg"));
    if (!banner.isNull())
        Picture1->setPixmap(QPixmap::fromImage(banner));

    Label2 = new QLabel(ProductInfo::versionLine(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(AppFonts::classic(12));

    Label7 = new QLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label11 = new QLabel(this);
    Label11->setObjectName(QStringLiteral("Label11"));
    for (QLabel* text : {Label7, Label11}) {
        text->setFont(AppFonts::playful(11));
        text->setWordWrap(true);
    }
    Label7->setFont(AppFonts::playful(12, true));

    Label1 = new LinkLabel(tr("Continue"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(AppFonts::playful(13, true));
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, QColor(0x1F, 0x4F, 0xB0));
    Label1->setPalette(pal);
    connect(Label1, &LinkLabel::clicked, this, &QDialog::accept);

    layOut();
}

void frmFirstTime::setForm_style(int style)
{
    m_style = style;
    if (style == 1) {
        Label7->setText(tr(
            "Hello! This appears to be the first time you are running The Tintaloo Version 6."));
        Label11->setText(tr(
            "For now, please enjoy this software. To get started, click the Continue button below and then "
            "fill out the settings window. Have fun!"));
    }
    layOut();
}

void frmFirstTime::layOut()
{
    // A missing banner leaves its room empty rather than breaking the window.
    const QSize picture = Picture1->pixmap().isNull() ? QSize(DefaultWidth, 110) : Picture1->pixmap().size();
    const int width = picture.width();
    int y = Margin;
    Picture1->setGeometry(Margin, y, picture.width(), picture.height());
    y += picture.height() + 8;
    Label2->adjustSize();
    Label2->move(Margin + (width - Label2->width()) / 2, y);
    y += Label2->height() + 12;
    for (QLabel* text : {Label7, Label11}) {
        text->setFixedWidth(width);
        text->setFixedHeight(text->text().isEmpty() ? 0 : text->heightForWidth(width));
        text->move(Margin, y);
        y += text->height() + 10;
    }
    Label1->adjustSize();
    Label1->move(Margin + width - Label1->width(), y);
    y += Label1->height();
    setFixedSize(width + 2 * Margin, y + Margin);
}

void frmFirstTime::showEvent(QShowEvent* event)
{
    BorderedDialog::showEvent(event);
    raise();
    activateWindow();
}
