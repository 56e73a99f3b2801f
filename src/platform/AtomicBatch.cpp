// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicBatch.h"

#include "platform/AppError.h"
#include "platform/AtomicFile.h"
#include "platform/Log.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Flushes the file system that holds path (a file or folder) to the disk.
bool syncFileSystemOf(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool synced = ::syncfs(fd) == 0;
    if (!synced)
        qCWarning(Log::files) << "Could not flush" << QFile::decodeName(path) << ":" << std::strerror(errno);
    ::close(fd);
    return synced;
}

} // namespace

AtomicBatch::~AtomicBatch()
{
    discard();
}

bool AtomicBatch::add(const QString& path, const QByteArray& bytes)
{
    try {
        m_files.append(Staged{path, AtomicFile::writeTemporary(path, bytes)});
        return true;
    } catch (const AppError& e) {
        qCWarning(Log::files) << "Could not write" << path << ":" << e.description();
        return false;
    }
}

QStringList AtomicBatch::commit()
{
    QStringList placed;
    if (m_files.isEmpty())
        return placed;
    // Every file of a batch lies in the program folder: one file system.
    // The bytes are on the disk before any rename, so that a crash never
    // leaves a name on a file cut short.
    if (!syncFileSystemOf(m_files.constFirst().temporary)) {
        discard();
        return placed;
    }
    for (const Staged& file : std::as_const(m_files)) {
        const QByteArray target = QFile::encodeName(QFileInfo(file.path).absoluteFilePath());
        // rename() replaces a link at the target, never what it points to.
        if (::rename(file.temporary.constData(), target.constData()) == 0) {
            placed << file.path;
        } else {
            qCWarning(Log::files) << "Could not put" << file.path << "in place:" << std::strerror(errno);
            ::unlink(file.temporary.constData());
        }
    }
    // The renames reach the disk with the file system's next commit; a
    // crash before then leaves a file absent, never cut short.
    m_files.clear();
    return placed;
}

void AtomicBatch::discard()
{
    for (const Staged& file : std::as_const(m_files))
        ::unlink(file.temporary.constData());
    m_files.clear();
}
