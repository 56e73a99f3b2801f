// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ProgramFolder::ProgramFolder(const QString& root)
    : m_root(QDir::cleanPath(QFileInfo(root).absoluteFilePath()))
{
    while (m_root.size() > 1 && m_root.endsWith(QLatin1Char('/')))
        m_root.chop(1);
}

QString ProgramFolder::defaultLocation()
{
    QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (location.isEmpty())
        location = QDir::homePath() + QStringLiteral("/.local/share/Tintaloo");
    return location;
}

QString ProgramFolder::path(const QString& tail) const
{
    return resolve(m_root, tail);
}

bool ProgramFolder::holds(const QString& path) const
{
    const QString root = QFileInfo(m_root).canonicalFilePath();
    const QString real = QFileInfo(path).canonicalFilePath();
    if (root.isEmpty() || real.isEmpty())
        return false;
    return real == root || real.startsWith(root == QLatin1String("/") ? root : root + QLatin1Char('/'));
}

QString ProgramFolder::resolve(const QString& base, const QString& tail)
{
    QString result = base;
    while (result.endsWith(QLatin1Char('/')))
        result.chop(1); // "/" becomes "", so that parts append as "/part"
    const QStringList parts = tail.split(QLatin1Char('/'));
    bool parentExists = QFileInfo(result.isEmpty() ? QStringLiteral("/") : result).isDir();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        if (part.isEmpty()) {
            // Keep a trailing separator: callers use it to mean "folder".
            if (i == parts.size() - 1 && i > 0)
                result += QLatin1Char('/');
            continue;
        }
        QString candidate = result + QLatin1Char('/') + part;
        if (parentExists && !QFileInfo::exists(candidate)) {
            const QStringList names = QDir(result.isEmpty() ? QStringLiteral("/") : result).entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& name : names) {
                if (name.compare(part, Qt::CaseInsensitive) == 0) {
                    candidate = result + QLatin1Char('/') + name;
                    break;
                }
            }
        }
        result = candidate;
        parentExists = parentExists && QFileInfo(result).isDir();
    }
    if (result.isEmpty() && base.startsWith(QLatin1Char('/')))
        result = QStringLiteral("/");
    return result;
}

bool ProgramFolder::seedDefaults(const QString& defaultsRoot) const
{
    if (QFileInfo(path(QStringLiteral("/books"))).isDir())
        return true;
    bool ok = QDir().mkpath(m_root);
    QDirIterator it(defaultsRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(defaultsRoot.size());
        const QString target = path(relative);
        if (QFileInfo::exists(target))
            continue;
        ok = QDir().mkpath(QFileInfo(target).absolutePath()) && ok;
        if (QFile::copy(source, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::ReadOther);
        else
            ok = false;
    }
    ok = QDir().mkpath(m_root + QStringLiteral("/books")) && ok;
    return ok;
}
