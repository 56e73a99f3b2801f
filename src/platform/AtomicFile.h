// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <functional>
#include <optional>

// Replacing a file whole. Every file the program writes goes through here:
// the bytes go to a temporary file in the same folder (a hidden "." + name +
// ".XXXXXX", or ".tintaloo.XXXXXX" when the name is too long for that), which
// is flushed to the disk and renamed over the file. The old file stays whole
// until the new one is complete; a failed write leaves it untouched and no
// temporary file behind; a process killed part way leaves at most a stale
// temporary file, which removeStaleTemporaries() clears later.
//
// A symbolic link at the path is replaced by the new file; its target is
// never written, renamed or given other permissions.
class AtomicFile
{
public:
    struct Options
    {
        // The new file's permission bits. When unset, a replaced regular file
        // keeps its own (and, where the process may set it, its owner) and a
        // new file gets 0666 less the umask.
        std::optional<QFileDevice::Permissions> permissions;
        // Gives the new file the replaced file's access and modification times.
        bool keepTimes = false;
        // Runs when the new bytes are on the disk in the temporary file, just
        // before it replaces the old one (tests interrupt the write there).
        std::function<void()> beforeReplace;
    };

    // Throws AppError when the file cannot be written, with the number
    // saying why: ErrorNumber::DiskFull (no space, quota or file size limit),
    // PermissionDenied (write-protected folder, file or disk), PathNotFound
    // (a missing folder), PathFileAccess (anything else, a folder at path
    // among them).
    static void write(const QString& path, const QByteArray& bytes, const Options& options);
    static void write(const QString& path, const QByteArray& bytes) { write(path, bytes, Options()); }
    // The same for callers whose message does not depend on the reason:
    // false where write() would throw.
    static bool tryWrite(const QString& path, const QByteArray& bytes);

    // The first half of write() for callers that put many files in place
    // with one flush to the disk (AtomicBatch): the bytes in a new temporary
    // file beside path, with the permissions write() gives a new or
    // replaced file. Returns the temporary file's path; nothing is flushed
    // or renamed, and the caller deletes the file if it is not renamed.
    // Throws as write() does.
    static QByteArray writeTemporary(const QString& path, const QByteArray& bytes);

    // The error number write() raises for a system error (errno).
    static int errorNumberOf(int systemError);

    // Whether a name is one of this class's temporary files.
    static bool isTemporaryName(const QString& name);
    // Deletes this class's temporary files in folder that are at least
    // minimumAgeSeconds old (younger ones may belong to a write in
    // progress). Only regular files and links are deleted, never through a
    // link. Returns how many were deleted.
    static int removeStaleTemporaries(const QString& folder, qint64 minimumAgeSeconds = 60);
};
