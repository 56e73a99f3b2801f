// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolderCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace DataFolderCheck {

namespace {

QString quoted(const QString& path)
{
    return QLatin1Char('\'') + QDir::toNativeSeparators(path) + QLatin1Char('\'');
}

// The first part of path that exists but is not a folder, or "".
QString fileInTheWay(const QString& path)
{
    QFileInfo info(path);
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return {};
        info = QFileInfo(parent);
    }
    return info.isDir() ? QString() : info.absoluteFilePath();
}

} // namespace

QString problemWith(const QString& path)
{
    if (path.trimmed().isEmpty())
        return QCoreApplication::translate("DataFolderCheck", "No data folder was given.");
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString blocker = fileInTheWay(absolute);
    if (blocker == absolute)
        return QCoreApplication::translate("DataFolderCheck", "The data folder %1 is a file, not a folder.")
            .arg(quoted(absolute));
    if (!blocker.isEmpty())
        return QCoreApplication::translate("DataFolderCheck",
                                           "The data folder %1 cannot be created: %2 is a file, not a folder.")
            .arg(quoted(absolute), quoted(blocker));
    if (!QFileInfo(absolute).isDir() && !QDir().mkpath(absolute))
        return QCoreApplication::translate("DataFolderCheck", "The data folder %1 cannot be created here.")
            .arg(quoted(absolute));

    // Permissions alone do not tell (read-only mounts, the superuser): try it.
    QTemporaryFile probe(absolute + QStringLiteral("/.write-test-XXXXXX"));
    if (!probe.open())
        return QCoreApplication::translate("DataFolderCheck", "The data folder %1 cannot be written to: %2.")
            .arg(quoted(absolute), probe.errorString());
    return {};
}

} // namespace DataFolderCheck
