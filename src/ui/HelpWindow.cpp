// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpWindow.h"

#include "ui/HelpBrowser.h"
#include "ui/LinkLabel.h"
#include "ui/mMain.h"
#include "platform/ProgramFolder.h"
#include "ui/AppFonts.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& topicPath, QWidget* parent, const QString& fallbackFolder)
    : BorderedDialog(parent)
    , m_fallbackFolder(fallbackFolder)
{
    setWindowTitle(tr("The Tintaloo Help"));
    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setFrameShape(QFrame::NoFrame);
    // Links are followed here so that topic names match whatever their case.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    // Style sheet and pictures a language folder lacks come from English.
    if (!m_fallbackFolder.isEmpty())
        m_browser->setSearchPaths({m_fallbackFolder});

    m_close = new LinkLabel(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("lClose"));
    m_close->setFont(AppFonts::playful(14, true));
    m_close->setToolTip(tr("Close the help and go back to The Tintaloo."));
    connect(m_close, &LinkLabel::clicked, this, &QDialog::accept);

    auto* links = new QHBoxLayout;
    links->addStretch();
    links->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 16, 10);
    layout->addWidget(m_browser, 1);
    layout->addLayout(links);

    showTopic(topicPath);
    fitToScreen();
}

void HelpWindow::followLink(const QUrl& link)
{
    if (link.scheme() == QLatin1String("http") || link.scheme() == QLatin1String("https")
        || link.scheme() == QLatin1String("mailto")) {
        mMain::OpenWebPage(link.toString());
        return;
    }
    if (link.path().isEmpty()) {
        if (!link.fragment().isEmpty())
            m_browser->scrollToAnchor(link.fragment());
        return;
    }
    // Relative to the topic shown.
    const QString base = QFileInfo(m_topicPath).absolutePath();
    QString path = link.isLocalFile() ? link.toLocalFile()
                                      : ProgramFolder::resolve(base, QLatin1Char('/') + link.path());
    if (!QFileInfo(path).isFile() && !link.isLocalFile() && !m_fallbackFolder.isEmpty())
        path = ProgramFolder::resolve(m_fallbackFolder, QLatin1Char('/') + link.path());
    if (QFileInfo(path).isFile())
        showTopic(path, link.fragment());
}

void HelpWindow::showTopic(const QString& path, const QString& fragment)
{
    m_topicPath = QFileInfo(path).absoluteFilePath();
    QUrl url = QUrl::fromLocalFile(m_topicPath);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    m_browser->setSource(url);
}

void HelpWindow::fitToScreen()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        resize(640, 480);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size(area.width() * 85 / 100, area.height() * 85 / 100);
    resize(size);
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}
