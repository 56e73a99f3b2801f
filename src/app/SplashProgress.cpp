// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SplashProgress.h"

#include "app/frmSplash.h"

#include <QCoreApplication>

SplashProgress::SplashProgress(const ProgramFolder& folder, QWidget* parent)
    : m_folder(folder)
    , m_parent(parent)
{
}

SplashProgress::~SplashProgress() = default;

void SplashProgress::begin()
{
    m_splash = std::make_unique<frmSplash>(m_folder, m_parent);
    m_splash->setForm_style(1);
    m_splash->setModal(false);
    m_splash->show();
    m_splash->raise();
    // Shown before the loading starts. The child's clicks wait: nothing
    // may start another command while the books are being loaded.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashProgress::setText(const QString& text)
{
    if (m_splash)
        m_splash->setProgressText(text);
}

void SplashProgress::end()
{
    if (!m_splash)
        return;
    m_splash->close();
    m_splash.reset();
}
