// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// A snapshot of one folder's entries with lookups that ignore letter case.
// Loading the browser asks "does cat.bmp.tnl exist?" thousands of times; one
// listing per folder answers them all from memory instead of touching the
// disk for each picture.
class FolderListing
{
public:
    enum class Kind { Files, Folders };

    FolderListing() = default;
    // Lists folder; an absent folder gives an empty listing with exists() false.
    FolderListing(const QString& folder, Kind kind);

    const QString& folder() const { return m_folder; }
    bool exists() const { return m_exists; }
    bool isEmpty() const { return m_names.isEmpty(); }

    // Every entry, in the order the windows list them: by name, ignoring case.
    QStringList sortedNames() const;
    // The entry's real spelling: the exact name when present, otherwise one
    // that differs only in letter case; empty when there is none.
    QString find(const QString& name) const;
    bool contains(const QString& name) const { return !find(name).isEmpty(); }
    // Full path of name in the folder, in its real spelling when it exists.
    QString pathOf(const QString& name) const;

    // Keeps the snapshot in step with files this program adds or deletes.
    void add(const QString& name);
    void remove(const QString& name);

    // Names that begin with a dot are the system's or this program's work in
    // progress (an import's temporary folder), never books or pictures.
    static bool isHiddenName(const QString& name) { return name.startsWith(QLatin1Char('.')); }

    // The order used for every listing: case-insensitive, ties by exact name
    // so that the order never depends on the file system.
    static bool lessByName(const QString& a, const QString& b);

private:
    static QString key(const QString& name) { return name.toCaseFolded(); }

    QString m_folder;
    bool m_exists = false;
    QSet<QString> m_names;
    QMultiHash<QString, QString> m_byKey;
};
