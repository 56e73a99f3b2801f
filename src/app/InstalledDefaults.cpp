// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstalledDefaults.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace InstalledDefaults {

namespace {

const QString Subfolder = QStringLiteral("tintaloo");

bool hasBooks(const QString& folder)
{
    return QFileInfo(folder + QStringLiteral("/books")).isDir();
}

} // namespace

QString locateFrom(const QString& programDir, const QStringList& dataDirs)
{
    QStringList candidates;
    if (!programDir.isEmpty())
        candidates << QDir::cleanPath(programDir + QStringLiteral("/../share/") + Subfolder);
    for (const QString& dir : dataDirs)
        candidates << QDir::cleanPath(dir + QLatin1Char('/') + Subfolder);
    for (const QString& candidate : candidates) {
        if (hasBooks(candidate))
            return candidate;
    }
    return {};
}

QString locate()
{
    return locateFrom(QCoreApplication::applicationDirPath(),
                      QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

} // namespace InstalledDefaults
