// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's folder: where Settings.ini, the books, the coloured pictures,
// the help topics and the temporary files live. Every path the program builds
// under it goes through path(), which matches each component without regard to
// letter case, so "Settings.ini" finds "settings.ini" and a book's coloured
// folder is found whatever case it was created in.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString& root);

    // The per-user data location, used unless the command line names a folder.
    static QString defaultLocation();

    // The folder itself, absolute, without a trailing separator.
    const QString& root() const { return m_root; }

    // root + tail, where tail starts with "/" ("/books/Animals/cat.bmp").
    // Components that exist under another letter case take the existing
    // spelling; components that do not exist are kept as given.
    QString path(const QString& tail) const;

    // Whether path, with every link on it followed, lies inside the folder.
    // False for a path that does not exist.
    bool holds(const QString& path) const;

    // The same resolution for any base folder.
    static QString resolve(const QString& base, const QString& tail);

    // A folder without "books" is given the default books and help topics
    // from defaultsRoot (where they were installed). Existing files are never
    // overwritten. Returns false when copying failed.
    bool seedDefaults(const QString& defaultsRoot) const;

private:
    QString m_root;
};
