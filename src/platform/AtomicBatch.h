// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Many small files put in place with one flush to the disk instead of one
// per file (thumbnails by the hundred). Each file goes to its own temporary
// file beside its path, as AtomicFile writes it; commit() flushes the whole
// file system once (syncfs), then renames them all. A crash at any point
// leaves every file whole or absent (never cut short), at worst with stale
// temporary files that AtomicFile::removeStaleTemporaries() clears later.
// The renames themselves reach the disk with the file system's next commit
// (or the caller's fsync of the folder).
//
// Only for files that may go missing without harm: a file that must never
// lose its old version goes through AtomicFile::write().
class AtomicBatch
{
public:
    AtomicBatch() = default;
    AtomicBatch(const AtomicBatch&) = delete;
    AtomicBatch& operator=(const AtomicBatch&) = delete;
    // Temporary files not yet committed are deleted.
    ~AtomicBatch();

    // Writes bytes to path's temporary file. False, with a warning logged,
    // when it cannot be written (a full disk, a write-protected folder, a
    // name too long): nothing is then left behind for it.
    bool add(const QString& path, const QByteArray& bytes);
    qsizetype size() const { return m_files.size(); }
    // Puts every file added in place. Returns the paths now in place; the
    // others (the flush or their rename failed) are deleted again.
    QStringList commit();
    // Deletes every temporary file not yet committed.
    void discard();

private:
    struct Staged
    {
        QString path;
        QByteArray temporary;
    };
    QList<Staged> m_files;
};
