// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/FolderListing.h"

#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

FolderListing::FolderListing(const QString& folder, Kind kind)
    : m_folder(folder)
{
    while (m_folder.size() > 1 && m_folder.endsWith(QLatin1Char('/')))
        m_folder.chop(1);
    m_exists = QFileInfo(m_folder).isDir();
    if (!m_exists)
        return;
    const QDir::Filters filters = (kind == Kind::Files ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot)
        | QDir::Hidden | QDir::System;
    QDirIterator it(m_folder, filters);
    while (it.hasNext()) {
        it.next();
        add(it.fileName());
    }
}

QStringList FolderListing::sortedNames() const
{
    QStringList names(m_names.cbegin(), m_names.cend());
    std::sort(names.begin(), names.end(), lessByName);
    return names;
}

QString FolderListing::find(const QString& name) const
{
    if (m_names.contains(name))
        return name;
    const auto it = m_byKey.constFind(key(name));
    return it == m_byKey.cend() ? QString() : it.value();
}

QString FolderListing::pathOf(const QString& name) const
{
    const QString real = find(name);
    return m_folder + QLatin1Char('/') + (real.isEmpty() ? name : real);
}

void FolderListing::add(const QString& name)
{
    if (m_names.contains(name))
        return;
    m_names.insert(name);
    m_byKey.insert(key(name), name);
}

void FolderListing::remove(const QString& name)
{
    if (!m_names.remove(name))
        return;
    m_byKey.remove(key(name), name);
}

bool FolderListing::lessByName(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}
