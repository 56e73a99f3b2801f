// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2e/TintalooProcess.h"

#include "e2e/TestDesktop.h"

#include <QFile>
#include <QLocale>

TintalooProcess::TintalooProcess(const TestDesktop& desktop, const QString& dataFolder)
    : m_desktop(desktop)
    , m_dataFolder(dataFolder)
{
    static int runs = 0;
    m_logPath = desktop.scratchFolder() + QStringLiteral("/tintaloo-%1.log").arg(++runs);
}

TintalooProcess::~TintalooProcess()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(3000);
    }
}

bool TintalooProcess::start(const QProcessEnvironment& extra)
{
    m_process = std::make_unique<QProcess>();
    QProcessEnvironment env = m_desktop.environment();
    // The program should look and behave as it does for a family, not pick
    // up a desktop's theme or scaling from the test machine.
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
    env.insert(QStringLiteral("QT_AUTO_SCREEN_SCALE_FACTOR"), QStringLiteral("0"));
    // Nor its language: the tests read the English words unless they ask
    // for another language.
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    const QString language = m_language.isEmpty() ? QStringLiteral("en") : m_language;
    env.insert(QStringLiteral("LANGUAGE"), language);
    env.insert(QStringLiteral("LANG"), (language == QLatin1String("en") ? QStringLiteral("C") : QLocale(language).name())
                                           + QStringLiteral(".UTF-8"));
    env.insert(extra);
    m_process->setProcessEnvironment(env);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardOutputFile(m_logPath);
    m_desktop.handOver(m_dataFolder);
    QStringList command = m_desktop.launcher();
    command << QStringLiteral(TINTALOO_PROGRAM) << QStringLiteral("--data-dir") << m_dataFolder;
    m_process->start(command.takeFirst(), command);
    return m_process->waitForStarted(10000);
}

qint64 TintalooProcess::pid() const
{
    return m_process ? m_process->processId() : 0;
}

bool TintalooProcess::isRunning()
{
    if (!m_process)
        return false;
    m_process->waitForFinished(0); // notices an exit without an event loop
    return m_process->state() == QProcess::Running;
}

bool TintalooProcess::waitForExit(int timeoutMs)
{
    if (!m_process)
        return false;
    return m_process->state() == QProcess::NotRunning || m_process->waitForFinished(timeoutMs);
}

bool TintalooProcess::exitedNormally() const
{
    return m_process && m_process->state() == QProcess::NotRunning && m_process->exitStatus() == QProcess::NormalExit;
}

int TintalooProcess::exitCode() const
{
    return m_process ? m_process->exitCode() : -1;
}

QString TintalooProcess::log() const
{
    QFile file(m_logPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll().right(4000));
}
