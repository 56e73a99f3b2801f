// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmSplash.h"

#include "ui/LinkLabel.h"
#include "ui/mMain.h"
#include "ui/ParentPrompt.h"
#include "ui/AppFonts.h"
#include "ui/ProductInfo.h"
#include "ui/Resources.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace {
constexpr int Margin = 10;
const QSize DefaultPicture(480, 300);
const QColor LinkColour(0x1F, 0x4F, 0xB0);
}

frmSplash::frmSplash(const ProgramFolder& folder, QWidget* parent)
    : BorderedDialog(parent)
    , m_folder(folder)
{
    setWindowTitle(tr("The Tintaloo"));

    pM = new QLabel(this);
    pM->setObjectName(QStringLiteral("pM"));
    const QImage picture = Resources::picture(QStringLiteral("splash.jpg"));
    if (!picture.isNull())
        pM->setPixmap(QPixmap::fromImage(picture));

    Label2 = new QLabel(ProductInfo::versionLine(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(AppFonts::classic(13));

    lProgress = new QLabel(tr("Please wait while The Tintaloo loads."), this);
    lProgress->setObjectName(QStringLiteral("lProgress"));
    lProgress->setFont(AppFonts::classic(11));

    Label1 = addLink("Label1", tr("The Tintaloo is brought to you by the Tintaloo project. "
                                              "Please respect the license agreement."));
    Label1->setFont(AppFonts::playful(9));
    Label1->setToolTip(tr("Open The Tintaloo help file to view the license agreement in more detail."));
    Command2 = addLink("Command2", tr("Help"));
    Command3 = addLink("Command3", tr("Visit website"));
    Command1 = addLink("Command1", tr("Close"));

    connect(Command1, &LinkLabel::clicked, this, &QWidget::close);
    connect(Command2, &LinkLabel::clicked, this, &frmSplash::onHelpClicked);
    connect(Command3, &LinkLabel::clicked, this, &frmSplash::onVisitWebsiteClicked);
    connect(Label1, &LinkLabel::clicked, this, &frmSplash::onNoticeClicked);

    setForm_style(0);
}

LinkLabel* frmSplash::addLink(const char* name, const QString& caption)
{
    auto* link = new LinkLabel(caption, this);
    link->setObjectName(QLatin1String(name));
    link->setFont(AppFonts::playful(12, true));
    QPalette pal = link->palette();
    pal.setColor(QPalette::WindowText, LinkColour);
    link->setPalette(pal);
    return link;
}

void frmSplash::layOut()
{
    // A missing picture keeps its room, so the window still looks whole.
    const QSize picture = pM->pixmap().isNull() ? DefaultPicture : pM->pixmap().size();
    pM->setGeometry(Margin, Margin, picture.width(), picture.height());
    int y = Margin + picture.height() + 6;
    Label2->adjustSize();
    Label2->move(Margin, y);
    y += Label2->height() + 2;
    if (!lProgress->isHidden()) {
        lProgress->setFixedWidth(picture.width());
        lProgress->adjustSize();
        lProgress->move(Margin, y);
        y += lProgress->height();
    }
    y += 6;
    Label1->setWordWrap(true);
    Label1->setFixedWidth(picture.width());
    Label1->setFixedHeight(Label1->heightForWidth(picture.width()));
    Label1->move(Margin, y);
    y += Label1->height() + 6;
    int x = Margin;
    for (LinkLabel* link : {Command2, Command3, Command1}) {
        link->adjustSize();
        link->move(x, y);
        x += link->width() + 24;
    }
    Command1->move(Margin + picture.width() - Command1->width(), y);
    y += Command1->height();
    setFixedSize(picture.width() + 2 * Margin, y + Margin);
}

void frmSplash::setForm_style(int style)
{
    m_style = style;
    const bool about = style != 1;
    lProgress->setVisible(!about);
    for (LinkLabel* link : {Command1, Command2, Command3})
        link->setVisible(about);
    // In the loading splash the notice is only text.
    Label1->setActive(about);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, about ? LinkColour : QColor(0x50, 0x50, 0x60));
    Label1->setPalette(pal);
    layOut();
}

void frmSplash::setProgressText(const QString& text)
{
    lProgress->setText(text);
}

void frmSplash::onHelpClicked()
{
    if (mMain::OpenHelpTopic(this, m_folder, QStringLiteral("index.htm"))) {
        close();
        return;
    }
    ParentPrompt::tell(this, tr("Unable to start the help file '%1/help/index.htm' Please make sure that it exists.")
                                 .arg(m_folder.root()));
}

void frmSplash::onVisitWebsiteClicked()
{
    close();
    if (!mMain::OpenWebPage(ProductInfo::webPage()))
        ParentPrompt::tell(parentWidget(), tr("Could not load The Tintaloo webpage. Please make sure that "
                                              "your internet browser is working!"));
}

void frmSplash::onNoticeClicked()
{
    if (m_style == 1)
        return;
    mMain::ShowHelpFile(this, m_folder, QStringLiteral("license_agreement.htm"));
    close();
}
