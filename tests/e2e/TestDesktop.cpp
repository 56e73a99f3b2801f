// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2e/TestDesktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <QThread>

QString TestDesktop::markerFolder() const
{
    return m_scratch.filePath(QStringLiteral("markers"));
}

QStringList TestDesktop::markers() const
{
    return QDir(markerFolder()).entryList(QDir::Files, QDir::Name);
}

void TestDesktop::clearMarkers() const
{
    QDir folder(markerFolder());
    for (const QString& name : folder.entryList(QDir::Files))
        folder.remove(name);
}

bool TestDesktop::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        pause(50);
    }
}

void TestDesktop::pause(int ms)
{
    QThread::msleep(ulong(ms));
}

QStringList TestDesktop::missingPrograms(std::initializer_list<Tool> tools)
{
    QStringList missing;
    for (const Tool& tool : tools) {
        if (QStandardPaths::findExecutable(QLatin1String(tool.program)).isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(QLatin1String(tool.program), QLatin1String(tool.package));
    }
    return missing;
}
